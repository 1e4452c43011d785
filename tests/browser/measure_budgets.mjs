// Measures the browser page's budgets in headless chromium on localhost (not a test: it prints
// figures). node measure_budgets.mjs SITE_DIR
//   first paint   from navigation to the main menu's first paint, and to its panel shown
//   bytes         everything the page loads, as served, and gzipped (level 9) as a server
//                 that compresses would send it
//   sequoia       the fire run 1880 to 2100 with flames, from the click on Execute to its end
//   click         a click on a chapter answered: from the click to the introduction shown
import { existsSync, readFileSync } from 'node:fs';
import { gzipSync } from 'node:zlib';
import { launch, openSite, serve } from './browser.mjs';

const site = process.argv[2];
const server = await serve(site);
const { browser, close } = await launch();
try {
  const page = await browser.newPage();
  await page.setViewport({ width: 1280, height: 960 });
  const loaded = [];
  page.on('requestfinished', (request) => loaded.push(new URL(request.url()).pathname));
  await page.goto(server.url, { waitUntil: 'load' });
  await page.waitForFunction(() => document.documentElement.dataset.ready === 'yes', { timeout: 30000 });
  const paint = await page.evaluate(() => {
    const contentful = performance.getEntriesByName('first-contentful-paint')[0];
    return { contentful: contentful ? contentful.startTime : null, menu: performance.now() };
  });
  let raw = 0;
  let gzipped = 0;
  for (const path of new Set(loaded)) {
    if (!existsSync(`${site}${path === '/' ? '/index.html' : path}`)) continue;
    const bytes = readFileSync(`${site}${path === '/' ? '/index.html' : path}`);
    raw += bytes.length;
    gzipped += gzipSync(bytes, { level: 9 }).length;
  }
  console.log(`first contentful paint ${paint.contentful?.toFixed(0)} ms; main menu ready ${paint.menu.toFixed(0)} ms`);
  console.log(`loaded ${new Set(loaded).size} files: ${(raw / 1024).toFixed(0)} KB, ${(gzipped / 1024).toFixed(0)} KB gzipped`);

  // A click answered while idle: the chapter's introduction shown.
  const click = await page.evaluate(async () => {
    const option = document.querySelector('section[data-window="A_Select"] [data-control="Select(6)"]');
    const start = performance.now();
    option.click();
    await window.sylvandra.run('focused');
    const intro = document.querySelector('section[data-window="A_Intro"]');
    return { ms: performance.now() - start, shown: intro && !intro.hidden };
  });
  console.log(`click on a chapter answered in ${click.ms.toFixed(1)} ms (introduction shown: ${click.shown})`);

  await page.evaluate(() => window.sylvandra.run('click A_Intro.Continue'));
  await page.evaluate(() => window.sylvandra.run('type Ex6Ask.RunToYear 2100'));
  const sequoia = await page.evaluate(async () => {
    const execute = document.querySelector('section[data-window="Ex6Ask"] [data-control="Command1"]');
    const start = performance.now();
    execute.click();
    await window.sylvandra.run('focused');
    const year = await window.sylvandra.run('get Ex6Ask.CurrentYear');
    return { ms: performance.now() - start, year: year[0] };
  });
  console.log(`sequoia 1880 to 2100 with flames: ${(sequoia.ms / 1000).toFixed(2)} s (reached ${sequoia.year})`);
} finally {
  await close();
  server.close();
}
