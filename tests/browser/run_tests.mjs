// Browser tests of the web page, one scenario per run:
//   node run_tests.mjs SITE_DIR golden NAME GOLDEN_DIR   a golden session through sylvandra.run
//   node run_tests.mjs SITE_DIR SCENARIO                  keyboard | hardwood | sequoia | labels
// Exit 0 when it holds, 1 with the difference when not, 77 when the site or browser is missing.
import { existsSync, readFileSync } from 'node:fs';
import { join } from 'node:path';
import { CHROMIUM, launch, openSite, serve, sessionLines } from './browser.mjs';

const [site, scenario, ...rest] = process.argv.slice(2);
if (!site || !existsSync(join(site, 'index.html')) || !existsSync(CHROMIUM)) {
  console.log(`skipped: no site in ${site} or no browser at ${CHROMIUM}`);
  process.exit(77);
}

function check(condition, message) {
  if (!condition) throw new Error(message);
}

const run = (page, line) => page.evaluate((l) => window.sylvandra.run(l), line);
const get = async (page, what) => (await run(page, `get ${what}`))[0];

// Waits until no action is being delivered (the page's queue is idle).
const settled = (page) => page.evaluate(() => window.sylvandra.run('focused'));

async function golden(page, name, goldenDir) {
  const script = readFileSync(join(goldenDir, `${name}.script`), 'utf8');
  const expected = readFileSync(join(goldenDir, `${name}.expected`), 'utf8');
  const printed = [];
  for (const line of sessionLines(script)) printed.push(...(await run(page, line)));
  const actual = printed.map((l) => `${l}\n`).join('');
  if (actual === expected) return;
  const a = actual.split('\n');
  const e = expected.split('\n');
  const at = a.findIndex((line, i) => line !== e[i]);
  throw new Error(`${name}: line ${at + 1} differs\n  expected: ${e[at]}\n  printed:  ${a[at]}`);
}

// Chapter 5 reached and run by the keyboard alone, as a student does.
async function keyboard(page) {
  await page.keyboard.press('Tab');
  await page.keyboard.press('ArrowDown');
  await page.keyboard.press('ArrowDown');
  await page.keyboard.press('Enter');
  await settled(page);
  check((await get(page, 'A_Intro.Visible')) === 'true', 'Enter did not open the introduction');
  await page.keyboard.down('Alt');
  await page.keyboard.press('KeyC');
  await page.keyboard.up('Alt');
  await settled(page);
  check((await get(page, 'Ex0Ask.Visible')) === 'true', 'Alt+C did not press Continue');
  for (let i = 0; i < 3; ++i) await page.keyboard.press('Tab');
  await settled(page);
  check((await run(page, 'focused'))[0] === '"Ex0Ask.TurnOvr"', 'Tab did not reach the turnover');
  // Tab selected the field's text: typing replaces it.
  await page.keyboard.type('0.05');
  await settled(page);
  check((await get(page, 'Ex0Ask.TurnOvr')) === '"0.05"', 'typing did not reach the field');
  await page.keyboard.press('Enter');
  await settled(page);
  check((await get(page, 'outpt.Visible')) === 'true', 'Enter in the field did not run Execute');
  // The output window shown in front takes the keyboard, as on the desktop; a click on the
  // exercise window gives it back, and Escape there leaves it.
  await page.click('section[data-window="Ex0Ask"] .titlebar span');
  await page.keyboard.press('Escape');
  await settled(page);
  check((await get(page, 'Ex0Ask.Visible')) === 'false', 'Escape did not leave the window');
}

const control = (window, name) => `section[data-window="${window}"] [data-control="${name}"]`;

// The hardwood run's pause is a modal dialog; S typed there ends the run after its first year.
async function hardwood(page) {
  await page.click(control('A_Select', 'Select(7)'));
  await settled(page);
  await page.click(control('A_Intro', 'Continue'));
  await settled(page);
  await page.click(control('EX7Ask', 'Command1'));
  await page.waitForSelector('dialog#box[open]', { timeout: 30000 });
  const title = await page.$eval('#box-title', (e) => e.textContent);
  check(title === 'Continue Simulation', `the pause's box is titled ${title}`);
  await page.type('#box-input', 'S');
  await page.keyboard.press('Enter');
  // The end prompt follows; Return ends the run.
  await page.waitForFunction(() => document.getElementById('box-title').textContent === 'End Simulation'
    && document.getElementById('box').open, { timeout: 30000 });
  await page.keyboard.press('Enter');
  await settled(page);
  check(!(await page.$eval('dialog#box', (d) => d.open)), 'the box stayed open');
  check((await get(page, 'outpt.Visible')) === 'true', 'the stand is not shown');
}

// The sequoia run to 2100 with flames, stopped by Escape while it runs.
async function sequoia(page) {
  await page.click(control('A_Select', 'Select(6)'));
  await settled(page);
  await page.click(control('A_Intro', 'Continue'));
  await settled(page);
  await page.click(control('Ex6Ask', 'RunToYear'), { clickCount: 3 });
  await page.keyboard.type('2100');
  await settled(page);
  await page.click(control('Ex6Ask', 'Command1'));
  // Some years go by, then Escape.
  await page.waitForFunction(() => {
    const field = document.querySelector('section[data-window="Ex6Ask"] [data-control="CurrentYear"]');
    return field && Number(field.value) >= 1890;
  }, { timeout: 30000, polling: 50 });
  await page.keyboard.press('Escape');
  await settled(page);
  const year = Number(JSON.parse(await get(page, 'Ex6Ask.CurrentYear')));
  check(year > 1880 && year < 2100, `the run went to ${year}`);
  check((await get(page, 'Ex6Ask.Visible')) === 'false', 'Escape did not then leave the window');
}

// Accessible names are read with their blanks collapsed.
const spoken = (text) => text.replace(/&(.)/g, '$1').replace(/\s+/g, ' ').trim();

// The names the accessibility tree gives the nodes of a role.
function namesOfRole(node, role, names = []) {
  if (node.role === role) names.push(node.name);
  for (const child of node.children || []) namesOfRole(child, role, names);
  return names;
}

// The accessibility tree names every field of the soil window by its label and every chapter
// of the menu by its caption.
async function labels(page) {
  const menu = (await page.evaluate(() => window.sylvandra.scene())).windows.find((w) => w.name === 'A_Select');
  const chapters = menu.controls.filter((c) => /^Select\(/.test(c.name) && c.visible);
  check(chapters.length > 10, `the menu shows ${chapters.length} chapters`);
  const names = namesOfRole(await page.accessibility.snapshot(), 'button');
  for (const chapter of chapters) {
    check(names.includes(spoken(chapter.caption)), `no menu entry named ${chapter.caption}`);
  }
  await run(page, 'click A_Select.Select(4)');
  await run(page, 'click A_Intro.Command3');
  const fields = (await run(page, 'controls EX42Ask')).filter((l) => l.includes('"TextBox"')).map((l) => JSON.parse(l));
  const boxes = namesOfRole(await page.accessibility.snapshot(), 'textbox');
  const scene = await page.evaluate(() => window.sylvandra.scene());
  const window42 = scene.windows.find((w) => w.name === 'EX42Ask');
  for (const field of fields) {
    if (!field.Visible) continue;
    const label = window42.controls.find((c) => c.name === field.name).label;
    check(label !== field.name && boxes.includes(spoken(label)), `the field ${field.name} is not named by its label (${label})`);
  }
}

const scenarios = { keyboard, hardwood, sequoia, labels };

const server = await serve(site);
const { browser, close } = await launch();
let failed = false;
try {
  const page = await openSite(browser, server.url);
  if (scenario === 'golden') {
    await golden(page, rest[0], rest[1]);
  } else {
    check(scenarios[scenario], `unknown scenario ${scenario}`);
    await scenarios[scenario](page);
  }
  check(page.problems.length === 0, `the page reported: ${page.problems.join('; ')}`);
  console.log(`${scenario} ${rest[0] || ''}: holds`);
} catch (error) {
  failed = true;
  console.error(String(error.stack || error));
} finally {
  await close();
  server.close();
}
process.exit(failed ? 1 : 0);
