// "CSS" (information) and "CSS" (object structure) from mdn-data's
// properties, selectors, units and at-rules, css-color-names, and the Danish
// texts.
import fs from 'node:fs';
import { createRequire } from 'node:module';
import colors from 'css-color-names/css-color-names.json' with { type: 'json' };
import { InfoStructure } from '../lib/infostructure.mjs';
import { loadMarkup } from '../lib/markup.mjs';
import { objNode } from '../lib/objectstructure.mjs';
import * as h from '../lib/html.mjs';
import { describe } from './cssnavne.mjs';
import { grupper, noegler } from '../kilder/css-grupper.mjs';
import { selektorer } from '../kilder/css-selektorer.mjs';
import { arter, enheder } from '../kilder/css-enheder.mjs';
import { atRegler } from '../kilder/css-at-regler.mjs';
import { stylesheets } from '../kilder/css-forhaandsvisning.mjs';

const require = createRequire(import.meta.url);
const mdnProperties = require('mdn-data/css/properties.json');
const mdnSelectors = require('mdn-data/css/selectors.json');
const mdnAtRules = require('mdn-data/css/at-rules.json');
const mdnUnits = require('mdn-data/css/units.json');
const KILDER = new URL('../kilder/', import.meta.url);

const vendor = (name) => /^-|-(ms|moz|webkit)-/.test(name);
const STATUS = {
  experimental: 'Egenskaben er eksperimentel og virker ikke i alle browsere.',
  nonstandard: 'Egenskaben er ikke en del af CSS-standarden.',
  obsolete: 'Egenskaben er forældet og bør ikke bruges.',
};

// mdn-data lists a property's modules in no particular order; the sides of
// margin and the offsets belong with the box model and positioning, the
// column sizes with the columns, not with anchoring or sizing.
function mainGroup(groups) {
  if (groups.includes('CSS Multi-column Layout')) return 'CSS Multi-column Layout';
  return groups.find((g) => g !== 'CSS Anchor Positioning') ?? groups[0];
}

function properties() {
  return Object.keys(mdnProperties)
    .filter((n) => !vendor(n))
    .sort()
    .map((name) => {
      const p = mdnProperties[name];
      const d = describe(name);
      if (!d) throw new Error(`CSS-egenskaben ${name} har ingen dansk tekst`);
      const g = mainGroup(p.groups);
      const group = grupper[g];
      if (!group) throw new Error(`CSS-gruppen ${g} har intet dansk navn`);
      return { name, p, desc: d[0], value: d[1], group: group[0], selector: group[1] };
    });
}

const example = (prop) => `${prop.selector} {\n  ${prop.name}: ${prop.value};\n}`;

function initialText(p, link) {
  if (Array.isArray(p.initial)) return 'som de enkelte egenskaber: ' + p.initial.map(link).join(', ');
  return h.esc(noegler[p.initial] ?? p.initial);
}

function selectorEntries() {
  const keys = Object.keys(mdnSelectors).filter((k) => !vendor(k));
  for (const k of keys) if (!selektorer[k]) throw new Error(`Selektoren ${k} har ingen dansk tekst`);
  const basic = keys.filter((k) => selektorer[k][0] && !['Pseudo-classes', 'Pseudo-elements'].includes(k));
  const classes = keys.filter((k) => k.startsWith(':') && !k.startsWith('::')).sort();
  const elements = keys.filter((k) => k.startsWith('::')).sort();
  return { basic, classes, elements };
}

export function buildCssInfo() {
  const s = loadMarkup(new URL('css.txt', KILDER), 'CSS');
  const root = s.roots[0];
  const props = properties();
  const groupNames = [...new Set(props.map((p) => p.group))].sort((a, b) => a.localeCompare(b, 'da'));

  // Properties first: an entry text the viewer looks up is a property far more often than a unit.
  const propRoot = s.entry(root, 'Egenskaber', 6, (r) => [
    ...h.para('CSS-egenskaberne ordnet efter emne. Hver side viser egenskabens syntaks, startværdi og et eksempel.'),
    ...h.list(groupNames.map((g) => h.link(r(g), g))),
  ]);
  for (const g of groupNames) {
    const inGroup = props.filter((p) => p.group === g);
    const gNode = s.entry(propRoot, g, 6, (r) => [...h.list(inGroup.map((p) => `${h.link(r(p.name), p.name)}: ${h.esc(p.desc)}`))]);
    for (const prop of inGroup) {
      const { name, p } = prop;
      s.entry(gNode, name, 8, (r) => [
        ...h.para(h.esc(prop.desc)),
        ...(STATUS[p.status] && !prop.desc.startsWith('Forældet') && !prop.desc.startsWith('Eksperimentel') ? h.para(STATUS[p.status]) : []),
        ...h.syntaks(`${name}: ${p.syntax};`),
        ...h.table([
          ['Oplysning', ''],
          ['Startværdi', initialText(p, (x) => (s.find(x) ? h.link(r(x), x) : h.esc(x)))],
          ['Arves', p.inherited ? 'ja' : 'nej'],
          ['Kan animeres', Array.isArray(p.animationType) || p.animationType !== 'discrete' ? 'ja' : 'nej, skifter i trin'],
        ]),
        ...h.eksempel(example(prop)),
        `<div class="tilhoerer">Emne: ${h.link(s.resolve(g), g)}</div>`,
      ]);
    }
  }

  // Selectors
  const sel = selectorEntries();
  const selPage = (k) => s.resolve(selektorer[k][0] ?? k);
  const selRoot = s.entry(root, 'CSS Selectors', 6, () => [
    ...h.para('En selektor vælger de elementer, som en CSS-regel gælder for. Selektorer kan kombineres: en klasse på et bestemt element, elementer inde i andre elementer, og elementer i en bestemt tilstand med pseudoklasser.'),
    ...h.syntaks('selektor { egenskab: værdi; }'),
    ...h.eksempel('h1 { }           /* alle h1 */\n.vigtig { }      /* class="vigtig" */\n#menu { }        /* id="menu" */\nnav a:hover { }  /* links i nav under musen */'),
    ...h.table([['Selektor', 'Vælger'], ...sel.basic.map((k) => [h.link(selPage(k), selektorer[k][0]), h.esc(selektorer[k][1])])]),
    ...h.para(`Se også ${h.link(selPage('Pseudo-classes'), 'pseudoklasserne')} og ${h.link(selPage('Pseudo-elements'), 'pseudoelementerne')}.`),
  ]);
  const selectorPage = (parent, k) =>
    s.entry(parent, selektorer[k][0] ?? k, 3, () => [
      ...h.para(h.esc(selektorer[k][1])),
      ...h.syntaks(mdnSelectors[k].syntax),
      ...h.eksempel(selektorer[k][2]),
      `<div class="tilhoerer">Emne: ${h.link(s.resolve(parent.text), parent.text)}</div>`,
    ]);
  for (const k of sel.basic) selectorPage(selRoot, k);
  for (const [key, list] of [['Pseudo-classes', sel.classes], ['Pseudo-elements', sel.elements]]) {
    const node = s.entry(selRoot, selektorer[key][0], 6, () => [
      ...h.para(h.esc(selektorer[key][1])),
      ...h.syntaks(mdnSelectors[key].syntax),
      ...h.eksempel(selektorer[key][2]),
      ...h.list(list.map((k) => `${h.link(s.resolve(k), k)}: ${h.esc(selektorer[k][1])}`)),
    ]);
    for (const k of list) selectorPage(node, k);
  }

  // Colours
  const names = Object.keys(colors).sort();
  const rgb = (hex) => [1, 3, 5].map((i) => parseInt(hex.slice(i, i + 2), 16)).join(', ');
  const colRoot = s.entry(root, 'CSS Colors', 6, (r) => [
    ...h.para('Farver angives med et af de 148 farvenavne, som hexadecimal værdi (#RRGGBB), med rgb() eller med hsl(). transparent er helt gennemsigtig, og currentColor er elementets tekstfarve.'),
    ...h.syntaks('color: navn | #RRGGBB | rgb(rød, grøn, blå) | hsl(farvetone, mætning, lyshed)'),
    ...h.eksempel('p { color: navy; }\nh1 { color: #004488; }\ndiv { background-color: rgb(255, 250, 220); }'),
    ...h.table([['Farve', '', 'Hex', 'RGB'], ...names.map((n) => [h.link(r(n), n), `<span class="farveprove" style="background-color: ${colors[n]};">&nbsp;</span>`, colors[n].toUpperCase(), rgb(colors[n])])]),
  ]);
  for (const n of names)
    s.entry(colRoot, n, 8, () => [
      `<div class="farveprove" style="background-color: ${colors[n]};"></div>`,
      ...h.para(`Farvenavnet ${h.esc(n)} svarer til den hexadecimale værdi ${colors[n].toUpperCase()} og til rgb(${rgb(colors[n])}).`),
      ...h.syntaks(`color: ${n};`),
      ...h.eksempel(`p { color: ${n}; }\ndiv { background-color: ${colors[n].toUpperCase()}; }`),
      `<div class="tilhoerer">Emne: ${h.link(s.resolve('CSS Colors'), 'CSS Colors')}</div>`,
    ]);

  // Units
  for (const u of Object.keys(mdnUnits)) if (!enheder[u]) throw new Error(`Enheden ${u} har ingen dansk tekst`);
  const unitText = (u) => (u === 'procent' ? '%' : u);
  const unitRoot = s.entry(root, 'CSS Units', 6, (r) => [
    ...h.para('Længder skrives som et tal direkte efter enheden, uden mellemrum: 10px, 1.5em, 50%. Tallet 0 kan skrives uden enhed. Relative enheder som em, rem og procent gør layoutet fleksibelt.'),
    ...h.syntaks('egenskab: tal + enhed;'),
    ...h.eksempel('p { font-size: 16px; margin: 1em 0; width: 50%; }'),
    ...Object.entries(arter).flatMap(([kind, [title]]) => [
      ...h.sub(title),
      ...h.table([['Enhed', 'Betydning'], ...Object.keys(enheder).filter((u) => enheder[u][0] === kind).map((u) => [h.link(r(unitText(u)), unitText(u)), h.esc(enheder[u][1])])]),
    ]),
  ]);
  for (const u of Object.keys(enheder))
    s.entry(unitRoot, unitText(u), 8, () => [
      ...h.para(h.esc(enheder[u][1])),
      ...h.para(h.esc(arter[enheder[u][0]][1])),
      ...h.syntaks(`tal${unitText(u)}`),
      ...h.eksempel(enheder[u][2]),
      `<div class="tilhoerer">Emne: ${h.link(s.resolve('CSS Units'), 'CSS Units')}</div>`,
    ], { pageName: `enhed-${u}` });

  // The box model and the CSS box's preview pages, then the at-rules and properties
  loadMarkup(new URL('css-sider.txt', KILDER), 'CSS', { into: s, parent: root });
  for (const [file, text] of Object.entries(stylesheets)) s.designFiles.set(file, text);
  s.images.set('boksmodel.svg', fs.readFileSync(new URL('billeder/boksmodel.svg', KILDER), 'utf8'));

  const atNames = Object.keys(mdnAtRules).sort();
  for (const a of atNames) if (!atRegler[a]) throw new Error(`At-reglen ${a} har ingen dansk tekst`);
  const atRoot = s.entry(root, 'At-regler', 6, (r) => [
    ...h.para('At-regler begynder med @ og styrer stylesheetet selv: hvilke andre stylesheets og skrifttyper der hentes, hvilke regler der gælder for hvilke medier, og animationernes trin.'),
    ...h.list(atNames.map((a) => `${h.link(r(a), a)}: ${h.esc(atRegler[a][0])}`)),
  ]);
  for (const a of atNames)
    s.entry(atRoot, a, 5, () => [
      ...h.para(h.esc(atRegler[a][0])),
      ...h.syntaks(mdnAtRules[a].syntax.replace(/\s*\n\s*/g, ' ')),
      ...h.eksempel(atRegler[a][1]),
      `<div class="tilhoerer">Emne: ${h.link(s.resolve('At-regler'), 'At-regler')}</div>`,
    ]);

  return s;
}

export function buildCssObjects() {
  const props = properties();
  const root = objNode('CSS', 0, ['CSS egenskaber ordnet efter emne.', 'selektor { egenskab: værdi; }']);
  const groupNames = [...new Set(props.map((p) => p.group))].sort((a, b) => a.localeCompare(b, 'da'));
  for (const g of groupNames) {
    const node = root.add(objNode(g, 3, [`CSS egenskaber: ${g}.`]));
    for (const p of props.filter((x) => x.group === g))
      node.add(objNode(p.name, 1, [p.desc, `${p.name}: ${p.p.syntax};`, `${p.name}: ${p.value};`]));
  }
  const at = root.add(objNode('At-regler', 3, ['Regler der begynder med @.']));
  for (const a of Object.keys(mdnAtRules).sort()) {
    const lines = atRegler[a][1].split('\n');
    at.add(objNode(a, 2, [atRegler[a][0], lines[0], lines.slice(1).join(' ')]));
  }
  const sel = selectorEntries();
  const selNode = root.add(objNode('Selektorer', 3, ['Hvordan en regel vælger elementer.']));
  for (const k of [...sel.basic, ...sel.classes, ...sel.elements])
    selNode.add(objNode(selektorer[k][0] ?? k, 8, [selektorer[k][1], mdnSelectors[k].syntax, selektorer[k][2].split('\n').join(' ')]));
  return [root];
}
