// The hand-written page sources: a small line-based markup, one file per
// structure. "#" lines are entries ("##" a child of the "#" above, and so on),
// with options in braces: {icon; side=Sidenavn; del=Andet element; css=fil.css}.
// The lines under an entry are its page:
//   blank line            ends a block
//   == Overskrift          a sub-heading
//   Syntaks: kode          the syntax line
//   4 spaces              example code (kept as written)
//   - punkt                a list
//   | a | b |              a table, first row the heading
//   ~~~ ... ~~~            raw HTML for live demonstrations
//   other lines            a paragraph; `kode`, **fed**, [[Element]] and [[Element|tekst]] inside
import fs from 'node:fs';
import { InfoStructure } from './infostructure.mjs';
import * as h from './html.mjs';

export function renderBlocks(lines, resolve) {
  const out = [];
  let i = 0;
  const starts = (l) => /^( {4}|== |- |\||~~~|Syntaks: )/.test(l);
  while (i < lines.length) {
    const l = lines[i];
    if (l.trim() === '') {
      i++;
    } else if (l.startsWith('~~~')) {
      const raw = [];
      for (i++; i < lines.length && !lines[i].startsWith('~~~'); i++) raw.push(lines[i]);
      if (i >= lines.length) throw new Error('~~~ uden afslutning');
      i++;
      out.push(...raw);
    } else if (l.startsWith('    ')) {
      const code = [];
      while (i < lines.length && (lines[i].startsWith('    ') || (lines[i].trim() === '' && (lines[i + 1] ?? '').startsWith('    ')))) {
        code.push(lines[i].slice(4));
        i++;
      }
      out.push(...h.eksempel(code.join('\n')));
    } else if (l.startsWith('== ')) {
      out.push(...h.sub(l.slice(3).trim()));
      i++;
    } else if (l.startsWith('Syntaks: ')) {
      out.push(...h.syntaks(l.slice(9).trim()));
      i++;
    } else if (l.startsWith('- ')) {
      const items = [];
      while (i < lines.length && (lines[i].startsWith('- ') || lines[i].startsWith('  '))) {
        if (lines[i].startsWith('- ')) items.push(lines[i].slice(2).trim());
        else items[items.length - 1] += ' ' + lines[i].trim();
        i++;
      }
      out.push(...h.list(items.map((t) => h.inline(t, resolve))));
    } else if (l.startsWith('|')) {
      const rows = [];
      for (; i < lines.length && lines[i].startsWith('|'); i++)
        rows.push(lines[i].trim().replace(/^\||\|$/g, '').split('|').map((c) => h.inline(c.trim(), resolve)));
      out.push(...h.table(rows));
    } else {
      const words = [];
      for (; i < lines.length && lines[i].trim() !== '' && !(words.length && starts(lines[i])); i++) words.push(lines[i].trim());
      out.push(...h.para(h.inline(words.join(' '), resolve)));
    }
  }
  return out;
}

function parseHeader(line) {
  const m = /^(#+) (.+?)(?: \{([^}]*)\})?\s*$/.exec(line);
  if (!m) return null;
  const opts = { depth: m[1].length - 1, text: m[2].trim(), icon: 3 };
  for (const tok of (m[3] ?? '').split(';').map((t) => t.trim()).filter(Boolean)) {
    if (/^\d$/.test(tok)) opts.icon = Number(tok);
    else {
      const [k, ...v] = tok.split('=');
      opts[k.trim()] = v.join('=').trim();
    }
  }
  return opts;
}

// Reads a markup file into a new structure, or into `into` below `parent`.
export function loadMarkup(file, name, { into, parent } = {}) {
  const s = into ?? new InfoStructure(name);
  const lines = fs.readFileSync(file, 'utf8').replace(/\r\n?/g, '\n').split('\n');
  const stack = parent ? [parent] : [];
  const base = parent ? 1 : 0;
  let current = null;
  const flush = () => {
    if (!current) return;
    const { hdr, body } = current;
    const par = hdr.depth + base === 0 ? null : stack[hdr.depth + base - 1];
    if (hdr.depth + base > 0 && !par) throw new Error(`${file}: "${hdr.text}" mangler et overordnet element`);
    const opts = { pageName: hdr.side, stylesheets: hdr.css ? hdr.css.split(',').map((x) => x.trim()) : [] };
    let node;
    if (hdr.del) {
      if (body.some((b) => b.trim() !== '')) throw new Error(`${file}: "${hdr.text}" deler side og må ikke have tekst`);
      node = s.entry(par, hdr.text, hdr.icon, null, { page: s.resolve(hdr.del) });
    } else {
      if (!body.some((b) => b.trim() !== '')) throw new Error(`${file}: "${hdr.text}" har ingen tekst`);
      node = s.entry(par, hdr.text, hdr.icon, (resolve) => renderBlocks(body, resolve), opts);
    }
    stack.length = hdr.depth + base;
    stack.push(node);
    current = null;
  };
  for (const line of lines) {
    const hdr = line.startsWith('#') ? parseHeader(line) : null;
    if (hdr) {
      flush();
      current = { hdr, body: [] };
    } else if (current) {
      current.body.push(line);
    } else if (line.trim() !== '' && !line.startsWith('//')) {
      throw new Error(`${file}: tekst før første element: ${line}`);
    }
  }
  flush();
  return s;
}
