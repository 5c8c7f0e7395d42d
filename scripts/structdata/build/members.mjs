// Shared by the script languages: an object with members becomes an object
// structure (for the document window's panel) and a branch of an information
// structure (for the viewer), from the same description.
import { objNode } from '../lib/objectstructure.mjs';
import * as h from '../lib/html.mjs';

// Icons in the object icon set, by member kind.
export const OBJECT_ICON = { objekt: 0, e: 1, m: 2, h: 3, g: 3, enum: 4, k: 5, keys: 6, key: 7, tekst: 8, andet: 9 };

// Up to four fields: description, syntax, then the example's lines (the
// reader shows fields 2 to 4 on lines of their own).
export function memberFields(desc, syntax, example = '') {
  const lines = String(example).split('\n').filter((l) => l.trim() !== '');
  const ex = lines.length > 2 ? [lines[0], lines.slice(1).join(' ')] : lines;
  return [desc, syntax, ...ex];
}

// [text, kind, description, syntax, example] rows, with "g" rows opening a group.
export function groupMembers(rows) {
  const out = [];
  let group = null;
  for (const row of rows) {
    if (row[1] === 'g') {
      group = { row, children: [] };
      out.push(group);
    } else if (group) group.children.push({ row });
    else out.push({ row });
  }
  return out;
}

export function objectTree(text, fields, rows, icons = OBJECT_ICON) {
  const root = objNode(text, icons.objekt, fields);
  for (const { row, children } of groupMembers(rows)) {
    const [t, kind, desc, syntax, example] = row;
    const node = root.add(objNode(t, icons[kind], children ? [desc] : memberFields(desc, syntax, example)));
    for (const c of children ?? []) {
      const [ct, ck, cd, cs, ce] = c.row;
      node.add(objNode(ct, icons[ck], memberFields(cd, cs, ce)));
    }
  }
  return root;
}

export const KIND_TEXT = { e: 'Egenskab', m: 'Metode', k: 'Konstant', h: 'Hændelse', f: 'Funktion', s: 'Sætning', o: 'Objekt', c: 'Samling' };

export function memberPage(row, owner, ownerPage, extra = []) {
  const [, kind, desc, syntax, example] = row;
  return () => [
    ...h.para(h.esc(desc)),
    ...extra,
    ...(syntax ? h.syntaks(syntax) : []),
    ...(example ? h.eksempel(example) : []),
    `<div class="tilhoerer">${KIND_TEXT[kind] ?? 'Element'} i ${h.link(ownerPage, owner)}</div>`,
  ];
}

// Adds an object and its members below `parent` of information structure `s`.
// bare(text) gives the entry text a member is looked up by.
export function addObjectBranch(s, parent, obj, { bare, icons, pagePrefix }) {
  const { navn, beskrivelse, syntaks, eksempel, medlemmer } = obj;
  const grouped = groupMembers(medlemmer);
  const node = s.entry(parent, navn, icons.o, () => [
    ...h.para(h.esc(beskrivelse)),
    ...(syntaks ? h.syntaks(syntaks) : []),
    ...(eksempel ? h.eksempel(eksempel) : []),
    ...grouped.flatMap(({ row, children }) =>
      children
        ? [...h.sub(row[0]), ...h.para(h.esc(row[2])), ...h.list(children.map((c) => `${pageLink(c.row)}: ${h.esc(c.row[2])}`))]
        : h.list([`${pageLink(row)}: ${h.esc(row[2])}`])),
  ]);
  const pages = new Map();
  function pageLink(row) {
    return h.link(pages.get(row), bare(row[0]));
  }
  for (const { row, children } of grouped) {
    if (children) {
      const g = s.entry(node, row[0], icons.g, () => [
        ...h.para(h.esc(row[2])),
        ...h.list(children.map((c) => `${pageLink(c.row)}: ${h.esc(c.row[2])}`)),
        `<div class="tilhoerer">Del af ${h.link(node.payload, navn)}</div>`,
      ], { wanted: `${pagePrefix ?? navn} ${row[0]}` });
      for (const c of children)
        pages.set(c.row, s.entry(g, bare(c.row[0]), icons[c.row[1]], memberPage(c.row, navn, node.payload), { wanted: `${pagePrefix ?? navn}_${bare(c.row[0])}` }).payload);
    } else {
      pages.set(row, s.entry(node, bare(row[0]), icons[row[1]], memberPage(row, navn, node.payload), { wanted: `${pagePrefix ?? navn}_${bare(row[0])}` }).payload);
    }
  }
  return node;
}
