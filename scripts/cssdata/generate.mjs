// Writes the CSS property browser's lists below data/Program:
//   CSS/Properties/<group>.txt          the properties of each group
//   CSS/Values/<group>/<property>.txt   the values of each property
//   Dir/alleCssProp.txt                 every property followed by its group
// and mdn-standard.txt beside this script: the standard properties of the
// pinned mdn-data, which the shipped-list test holds the lists against.
//
//   node cssdata/generate.mjs [--out DIR]     (DIR/Program instead of ../data/Program)
import fs from 'node:fs';
import path from 'node:path';
import { createRequire } from 'node:module';
import { fileURLToPath } from 'node:url';
import { writeLines, removeTree } from '../structdata/lib/writer.mjs';
import { grupper, moduler, gruppeEfterNavn, atRegler } from './grupper.mjs';

const require = createRequire(import.meta.url);
const here = path.dirname(fileURLToPath(import.meta.url));
const properties = require('mdn-data/css/properties.json');
const atRules = require('mdn-data/css/at-rules.json');
const syntaxes = require('mdn-data/css/syntaxes.json');
const webref = require('@webref/css/css.json');

const outArg = process.argv.indexOf('--out');
const programDir = outArg > 0 ? path.join(process.argv[outArg + 1], 'Program') : path.join(here, '..', '..', 'data', 'Program');

// Types the data package has no syntax for are taken from the standards' own index.
const webrefTypes = new Map();
for (const t of webref.types) if (t.syntax && !webrefTypes.has(t.name)) webrefTypes.set(t.name, t.syntax);

function typeSyntax(name) {
  if (syntaxes[name]) return syntaxes[name].syntax;
  return webrefTypes.get(name) ?? null;
}

const headingOf = {
  length: ['LENGTH'],
  'length-percentage': ['LENGTH', 'PROCENT'],
  percentage: ['PROCENT'],
  color: ['COLOR'],
};
const globale = ['initial', 'inherit', 'unset', 'revert'];

// The keywords a syntax allows, its unit and colour headings, and the
// properties it is written from (shorthands).
function analyse(syntax) {
  const keywords = [];
  const headings = new Set();
  const refs = [];
  const seen = new Set();
  const walk = (s, depth) => {
    if (depth > 12) return;
    const re = /<'([^']+)'>|<([a-zA-Z0-9-]+(?:\(\))?)(?:\s*\[[^\]]*\])?>|'[^']*'|([a-zA-Z_][a-zA-Z0-9_-]*|-[a-zA-Z][a-zA-Z0-9_-]*)(\()?/g;
    let m;
    while ((m = re.exec(s))) {
      if (m[1]) {
        if (depth === 0) refs.push(m[1]);
        const key = `'${m[1]}'`;
        if (!seen.has(key) && properties[m[1]]) {
          seen.add(key);
          walk(properties[m[1]].syntax, depth + 1);
        }
      } else if (m[2]) {
        const name = m[2];
        if (headingOf[name]) headingOf[name].forEach((h) => headings.add(h));
        else if (!name.endsWith('()') && !seen.has(name)) {
          seen.add(name);
          const sub = typeSyntax(name);
          if (sub) walk(sub, depth + 1);
        }
      } else if (m[3] && !m[4]) {
        // A value the browser writes: lower-case keywords only.
        if (/^-?[a-z]/.test(m[3]) && !keywords.includes(m[3])) keywords.push(m[3]);
      }
    }
  };
  walk(syntax, 0);
  return { keywords, headings, refs };
}

function valuesOf(name, group, groupOf) {
  if (name === '@keyframes') return ['from', 'to', 'PROCENT'];
  const syntax = name.startsWith('@') ? atRules[name].syntax : properties[name].syntax;
  const { keywords, headings, refs } = analyse(syntax);
  const lines = [];
  const parts = [...new Set(refs)].filter((r) => r !== name && groupOf.get(r) === group).slice(0, 9);
  if (parts.length) {
    lines.push(':Delegenskaber');
    parts.forEach((p, i) => lines.push(`${i + 1}. ${p}`));
    lines.push(':Værdier');
  }
  const kw = name.startsWith('@') ? keywords.filter((k) => k !== name.slice(1)) : keywords;
  lines.push(...kw.filter((k) => !globale.includes(k)));
  for (const h of ['LENGTH', 'PROCENT', 'COLOR']) if (headings.has(h)) lines.push(h);
  if (!name.startsWith('@')) lines.push(...globale);
  return lines;
}

// Every property a current browser supports: standard or experimental,
// without a vendor prefix.
const names = Object.keys(properties)
  .filter((n) => !n.startsWith('-') && ['standard', 'experimental'].includes(properties[n].status))
  .sort();

const groupOf = new Map();
for (const n of names) {
  const mods = properties[n].groups;
  const g = gruppeEfterNavn(n, mods) ?? mods.map((m) => moduler[m]).find(Boolean);
  if (!g) throw new Error(`${n}: intet modul i grupper.mjs (${mods.join(', ')})`);
  groupOf.set(n, g);
}
for (const [n, g] of Object.entries(atRegler)) {
  if (!atRules[n]) throw new Error(`${n} findes ikke i mdn-data`);
  groupOf.set(n, g);
}
for (const g of groupOf.values()) if (!grupper.includes(g)) throw new Error(`Ukendt gruppe ${g}`);

removeTree(path.join(programDir, 'CSS', 'Properties'));
removeTree(path.join(programDir, 'CSS', 'Values'));
const index = [];
for (const g of grupper) {
  const members = [...groupOf.keys()].filter((n) => groupOf.get(n) === g).sort();
  writeLines(path.join(programDir, 'CSS', 'Properties', `${g}.txt`), members);
  for (const n of members) {
    writeLines(path.join(programDir, 'CSS', 'Values', g, `${n}.txt`), valuesOf(n, g, groupOf));
    index.push(n, g);
  }
}
writeLines(path.join(programDir, 'Dir', 'alleCssProp.txt'), index);

const standard = Object.keys(properties)
  .filter((n) => !n.startsWith('-') && properties[n].status === 'standard')
  .sort();
writeLines(path.join(here, 'mdn-standard.txt'), standard);
console.log(`${groupOf.size} egenskaber i ${grupper.length} grupper skrevet i ${programDir}`);
