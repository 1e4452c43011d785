// The browser page in Debian's headless chromium, driven through the DevTools protocol: a small
// static server for the site, a fresh browser profile, and bounded waits everywhere.
import { mkdtempSync, rmSync, readFileSync, existsSync, statSync } from 'node:fs';
import { createServer } from 'node:http';
import { tmpdir } from 'node:os';
import { extname, join, normalize } from 'node:path';
import puppeteer from 'puppeteer-core';

export const CHROMIUM = process.env.SYLVANDRA_CHROMIUM || '/usr/bin/chromium';

const TYPES = {
  '.html': 'text/html', '.js': 'text/javascript', '.mjs': 'text/javascript', '.css': 'text/css',
  '.wasm': 'application/wasm', '.ttf': 'font/ttf', '.txt': 'text/plain', '.json': 'application/json',
};

// Serves the folder on 127.0.0.1 at a free port; returns { url, close }.
export async function serve(folder) {
  const server = createServer((request, response) => {
    const path = normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname));
    let file = join(folder, path);
    if (!file.startsWith(folder)) file = join(folder, 'index.html');
    if (existsSync(file) && statSync(file).isDirectory()) file = join(file, 'index.html');
    if (!existsSync(file)) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { 'Content-Type': TYPES[extname(file)] || 'application/octet-stream' });
    response.end(readFileSync(file));
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return { url: `http://127.0.0.1:${server.address().port}/`, close: () => server.close() };
}

export async function launch() {
  const profile = mkdtempSync(join(tmpdir(), 'sylvandra-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: CHROMIUM,
    headless: true,
    protocolTimeout: 60000,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
      `--user-data-dir=${profile}`, '--window-size=1280,960'],
  });
  const close = async () => {
    await browser.close().catch(() => {});
    rmSync(profile, { recursive: true, force: true });
  };
  return { browser, close };
}

// Opens the site in a new tab and waits until the main menu is shown.
export async function openSite(browser, url, viewport = { width: 1280, height: 960 }) {
  const page = await browser.newPage();
  await page.setViewport(viewport);
  page.setDefaultTimeout(30000);
  const problems = [];
  page.on('pageerror', (error) => problems.push(String(error)));
  await page.goto(url, { waitUntil: 'load', timeout: 30000 });
  await page.waitForFunction(() => document.documentElement.dataset.ready === 'yes', { timeout: 30000 });
  page.problems = problems;
  return page;
}

// The lines of a golden session the browser runs: Qt-only commands (pictures and records of
// the desktop's windows) are left out; they print nothing when they succeed.
export function sessionLines(scriptText) {
  return scriptText.split('\n').filter((line) => !/^(png|record|resize) |^export \S+ png /.test(line));
}
