// Measures the browser page's budgets in headless chromium on localhost (not a test: it prints
// figures). node scripts/browser-budgets.mjs SITE_DIR
//   first paint   from navigation to the main menu's first paint, and to its panel shown
//   bytes         everything the page loads, as a plain static server sends it (the files as
//                 they are: the module gzip-compressed, the fonts WOFF2), and as a server that
//                 also compresses what it sends (gzip level 9) would send it
//   sequoia       the fire run 1880 to 2100 with flames, from the click on Execute to its end
//   click         a click on a chapter answered: from the click to the introduction shown
import { existsSync, readFileSync } from 'node:fs';
import { gzipSync } from 'node:zlib';
import { launch, serve } from '../tests/browser/browser.mjs';

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
  // The menu is drawn when the page marks it shown; the browser paints it at its next frame.
  const paint = await page.evaluate(() => {
    const contentful = performance.getEntriesByName('first-contentful-paint')[0];
    const shown = performance.getEntriesByName('main menu shown')[0];
    return { contentful: contentful ? contentful.startTime : null, menu: shown.startTime };
  });
  let raw = 0;
  let gzipped = 0;
  for (const path of new Set(loaded)) {
    if (!existsSync(`${site}${path === '/' ? '/index.html' : path}`)) continue;
    const bytes = readFileSync(`${site}${path === '/' ? '/index.html' : path}`);
    raw += bytes.length;
    gzipped += Math.min(bytes.length, gzipSync(bytes, { level: 9 }).length);
  }
  console.log(`first contentful paint ${paint.contentful?.toFixed(0)} ms; main menu drawn ${paint.menu.toFixed(0)} ms`);
  console.log(`loaded ${new Set(loaded).size} files: ${(raw / 1024).toFixed(0)} KB as they are, ${(gzipped / 1024).toFixed(0)} KB from a server that compresses`);
  console.log(`  ${[...new Set(loaded)].join(' ')}`);

  // A click answered while idle (a second after loading): the chapter's introduction shown,
  // for five chapters in turn; the slowest is reported.
  await new Promise((resolve) => setTimeout(resolve, 1000));
  const clicks = [];
  for (const chapter of [0, 4, 15, 2, 6]) {
    clicks.push(await page.evaluate(async (n) => {
      const option = document.querySelector(`section[data-window="A_Select"] [data-control="Select(${n})"]`);
      const start = performance.now();
      option.click();
      await window.sylvandra.run('focused');
      const intro = document.querySelector('section[data-window="A_Intro"]');
      return intro && !intro.hidden ? performance.now() - start : Infinity;
    }, chapter));
    if (chapter !== 6) await page.evaluate(() => window.sylvandra.run('key A_Intro Escape'));
  }
  console.log(`a click on a chapter answered in ${clicks.map((ms) => ms.toFixed(0)).join(', ')} ms (slowest ${Math.max(...clicks).toFixed(0)})`);

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
