// Small builders for page bodies. Text is always escaped; callers that need
// markup pass it through the builders, never as raw strings from the sources
// (except the marked demo blocks of the example pages).
import { byteFor } from './cp1252.mjs';

export function esc(text) {
  return String(text)
    .replace(/&/g, '&amp;')
    .replace(/</g, '&lt;')
    .replace(/>/g, '&gt;')
    .replace(/"/g, '&quot;');
}

// Characters the page's code page cannot hold become numeric references.
export function cp1252Safe(html) {
  let out = '';
  for (const ch of html) out += byteFor(ch.codePointAt(0)) < 0 ? `&#${ch.codePointAt(0)};` : ch;
  return out;
}

export function hrefFor(pageName) {
  return encodeURI(pageName + '.html').replace(/#/g, '%23').replace(/\?/g, '%3F');
}

export function link(pageName, text) {
  return `<a href="${esc(hrefFor(pageName))}">${esc(text)}</a>`;
}

// `code`, **fed** and [[Element]] / [[Element|tekst]] inside running text.
export function inline(text, resolve) {
  let out = '';
  const re = /`([^`]+)`|\*\*([^*]+)\*\*|\[\[([^\]|]+)(?:\|([^\]]+))?\]\]/g;
  let last = 0;
  let m;
  while ((m = re.exec(text))) {
    out += esc(text.slice(last, m.index));
    if (m[1] !== undefined) out += `<code>${esc(m[1])}</code>`;
    else if (m[2] !== undefined) out += `<b>${esc(m[2])}</b>`;
    else {
      const page = resolve(m[3]);
      out += link(page, m[4] ?? m[3]);
    }
    last = re.lastIndex;
  }
  return out + esc(text.slice(last));
}

export const para = (html) => [`<p>${html}</p>`];
export const sub = (text) => [`<div class="underoverskrift">${esc(text)}</div>`];
export const syntaks = (code) => [`<div class="syntaks">Syntaks: <code>${esc(code)}</code></div>`];

export function eksempel(code, title = 'Eksempel') {
  const lines = String(code).split('\n').map(esc);
  lines[0] = '<pre class="eksempel">' + lines[0];
  lines[lines.length - 1] += '</pre>';
  return [`<div class="eksempeltitel">${esc(title)}</div>`, ...lines];
}

export function list(itemsHtml) {
  return ['<ul>', ...itemsHtml.map((h) => `<li>${h}</li>`), '</ul>'];
}

// rows: arrays of cell html; the first row is the heading.
export function table(rows) {
  const [head, ...body] = rows;
  return [
    '<table class="liste">',
    '<tr>' + head.map((h) => `<th>${h}</th>`).join('') + '</tr>',
    ...body.map((r) => '<tr>' + r.map((c) => `<td>${c}</td>`).join('') + '</tr>'),
    '</table>',
  ];
}
