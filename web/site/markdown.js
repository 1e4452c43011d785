// A model page's Markdown as HTML, as the desktop shows it: headings, paragraphs, bulleted and
// numbered lists (nested by indentation, an item's text running on over indented lines),
// tables, **bold** and *italic*. All text is escaped first, so a page can hold no markup of its
// own.

const escapeHtml = (text) =>
  text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');

// Emphasis opens before a non-blank and closes after one, so "S* = I ÷ k" stays as it is.
export function inlineHtml(text) {
  return escapeHtml(text)
    .replace(/\*\*(\S(?:.*?\S)?)\*\*/g, '<strong>$1</strong>')
    .replace(/(^|[^*\w])\*(\S(?:[^*]*?\S)?)\*(?![*\w])/g, '$1<em>$2</em>');
}

const HEADING = /^(#{1,6})\s+(.*?)\s*#*\s*$/;
const ITEM = /^(\s*)([-*+]|\d+[.)])\s+(.*)$/;
const TABLE_RULE = /^\s*\|?\s*:?-{3,}:?\s*(\|\s*:?-{3,}:?\s*)*\|?\s*$/;

const cells = (line) => line.trim().replace(/^\|/, '').replace(/\|$/, '').split('|').map((c) => c.trim());

export function markdownToHtml(markdown) {
  const lines = markdown.replace(/\r\n?/g, '\n').split('\n');
  const html = [];
  let paragraph = [];
  // Open lists, innermost last: { indent, tag, item: the text of the item being read }.
  const lists = [];

  const endParagraph = () => {
    if (paragraph.length) html.push(`<p>${inlineHtml(paragraph.join(' '))}</p>`);
    paragraph = [];
  };
  const endItem = (list) => {
    if (list.item !== null) html.push(`${inlineHtml(list.item.join(' '))}`);
    list.item = null;
  };
  const closeListsDeeperThan = (indent) => {
    while (lists.length && lists[lists.length - 1].indent > indent) {
      const list = lists.pop();
      endItem(list);
      html.push(`</li></${list.tag}>`);
    }
  };
  const closeAllLists = () => closeListsDeeperThan(-1);

  for (let i = 0; i < lines.length; ++i) {
    const line = lines[i];
    if (!line.trim()) {
      endParagraph();
      // A list goes on after a blank line only with an indented line or another item.
      const next = lines.slice(i + 1).find((l) => l.trim());
      if (lists.length && !(next && (/^\s/.test(next) || ITEM.test(next)))) closeAllLists();
      continue;
    }
    const item = ITEM.exec(line);
    if (item) {
      endParagraph();
      const indent = item[1].length;
      const tag = /\d/.test(item[2]) ? 'ol' : 'ul';
      closeListsDeeperThan(indent);
      let list = lists[lists.length - 1];
      if (list && list.indent === indent && list.tag !== tag) {
        closeListsDeeperThan(indent - 1);
        list = lists[lists.length - 1];
      }
      if (list && list.indent === indent) {
        endItem(list);
        html.push('</li><li>');
      } else {
        if (list) endItem(list);
        const start = tag === 'ol' && parseInt(item[2], 10) !== 1 ? ` start="${parseInt(item[2], 10)}"` : '';
        html.push(`<${tag}${start}><li>`);
        list = { indent, tag, item: null };
        lists.push(list);
      }
      list.item = [item[3]];
      continue;
    }
    if (lists.length && /^\s/.test(line)) {
      const list = lists[lists.length - 1];
      if (list.item === null) list.item = [];
      list.item.push(line.trim());
      continue;
    }
    closeAllLists();
    const heading = HEADING.exec(line);
    if (heading) {
      endParagraph();
      const level = heading[1].length;
      html.push(`<h${level}>${inlineHtml(heading[2])}</h${level}>`);
      continue;
    }
    if (line.trim().startsWith('|') && TABLE_RULE.test(lines[i + 1] || '')) {
      endParagraph();
      const head = cells(line).map((c) => `<th>${inlineHtml(c)}</th>`).join('');
      const rows = [];
      for (i += 2; i < lines.length && lines[i].trim().startsWith('|'); ++i) {
        rows.push(`<tr>${cells(lines[i]).map((c) => `<td>${inlineHtml(c)}</td>`).join('')}</tr>`);
      }
      --i;
      html.push(`<table><thead><tr>${head}</tr></thead><tbody>${rows.join('')}</tbody></table>`);
      continue;
    }
    paragraph.push(line.trim());
  }
  endParagraph();
  closeAllLists();
  return html.join('\n');
}
