// The page's rendering of a model page's Markdown (web/site/markdown.js), run by Node's own
// test runner: node --test tests/web/markdown_test.mjs
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { inlineHtml, markdownToHtml } from '../../web/site/markdown.js';

test('inline text is escaped, and emphasis needs a non-blank inside each star', () => {
  const cases = [
    ['**Execute** runs it', '<strong>Execute</strong> runs it'],
    ['its *equilibrium*, or', 'its <em>equilibrium</em>, or'],
    // An equation's star is not emphasis: "S* = I ÷ k" opens nothing.
    ['S* = I ÷ k and S(t) − S*', 'S* = I ÷ k and S(t) − S*'],
    ['2 * 3 * 4', '2 * 3 * 4'],
    ['<b>not markup</b> & "quoted"', '&lt;b&gt;not markup&lt;/b&gt; &amp; &quot;quoted&quot;'],
  ];
  for (const [markdown, html] of cases) assert.equal(inlineHtml(markdown), html);
});

test('headings, paragraphs joined over lines, and a table with a header row', () => {
  const html = markdownToHtml([
    '# SOM Balance Model', '', '## Inputs', '', 'The three fields', 'of the window:', '',
    '| Input | Default |', '|---|---|', '| Soil Organic Matter | 100 |', '| Inputs | 50 |', '',
    'After.',
  ].join('\n'));
  assert.equal(html, [
    '<h1>SOM Balance Model</h1>', '<h2>Inputs</h2>', '<p>The three fields of the window:</p>',
    '<table><thead><tr><th>Input</th><th>Default</th></tr></thead><tbody>'
      + '<tr><td>Soil Organic Matter</td><td>100</td></tr><tr><td>Inputs</td><td>50</td></tr></tbody></table>',
    '<p>After.</p>',
  ].join('\n'));
});

test('numbered items run on over indented lines and hold a nested bulleted list', () => {
  const html = markdownToHtml([
    '1. Set the rate to 0.05: the pool', '   rises to 1000.', '   - in year 165', '2. Set it to 0.', '',
    'Done.',
  ].join('\n'));
  assert.equal(html, [
    '<ol><li>', 'Set the rate to 0.05: the pool rises to 1000.', '<ul><li>', 'in year 165',
    '</li></ul>', '</li><li>', 'Set it to 0.', '</li></ol>', '<p>Done.</p>',
  ].join('\n'));
});

test('a blank line between items keeps the list; a paragraph after it ends the list', () => {
  const html = markdownToHtml('- one\n\n- two\n\nText.');
  assert.equal(html, '<ul><li>\none\n</li><li>\ntwo\n</li></ul>\n<p>Text.</p>');
});

test('a list numbered from elsewhere keeps its first number', () => {
  assert.match(markdownToHtml('3. third\n4. fourth'), /^<ol start="3"><li>/);
});
