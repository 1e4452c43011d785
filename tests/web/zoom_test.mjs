// The page's zoom (web/site/desktop.js), run by Node's own test runner.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { steppedZoom, zoomForScreen } from '../../web/site/desktop.js';

test('a browser window starts at the zoom where the design fills three quarters of it', () => {
  const cases = [
    // width, height, zoom: the smaller of width / 800 and height / 600, times 0.75
    [1280, 960, 1.2],    // 1.6 x 0.75
    [1920, 970, 1.21],   // 970 / 600 = 1.6167 x 0.75 = 1.2125, to hundredths
    [3840, 2160, 2.7],   // 3.6 x 0.75
    [8000, 6000, 4],     // 7.5 x 0.75 = 5.625, at most 4
    // Three quarters would be below the designed size: the design is shown whole, at most 1.
    [1024, 768, 1],      // 1.28 x 0.75 = 0.96; 1.28 holds it at 1
    [800, 600, 1],
    [600, 450, 0.75],    // a small window: 0.75 holds it all
    [390, 844, 0.5],     // a phone: 390 / 800 = 0.4875, at least 0.5
  ];
  for (const [width, height, zoom] of cases) assert.equal(zoomForScreen(width, height), zoom, `${width} x ${height}`);
});

test('zoom steps go to the next of the desktop\'s steps, within 0.5 and 4', () => {
  const cases = [
    [1.2, 'in', 1.25], [1.2, 'out', 1.1], [1.25, 'in', 1.5], [1, 'out', 0.9], [0.67, 'out', 0.5],
    [4, 'in', 4], [0.5, 'out', 0.5], [1.33, 'actual', 1], [2.7, 'in', 3], [2.7, 'out', 2.5],
  ];
  for (const [from, step, to] of cases) assert.equal(steppedZoom(from, step), to, `${from} ${step}`);
});
