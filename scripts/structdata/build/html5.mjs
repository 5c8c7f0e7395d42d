// "Html5" (information) and "HTML koder" (object structure) from the element
// and attribute lists of the pinned packages and the Danish texts.
import fs from 'node:fs';
import { htmlTagNames } from 'html-tag-names';
import { htmlVoidElements } from 'html-void-elements';
import { htmlElementAttributes } from 'html-element-attributes';
import { htmlEventAttributes } from 'html-event-attributes';
import { enumeratedAttributes } from 'html-enumerated-attributes';
import { html as htmlInfo } from 'property-information';
import { InfoStructure } from '../lib/infostructure.mjs';
import { objNode } from '../lib/objectstructure.mjs';
import * as h from '../lib/html.mjs';
import { kategorier, elementer } from '../kilder/html-elementer.mjs';
import { globale, attributter, events as pakkeEvents, tilgaengelighed, flereEvents } from '../kilder/html-attributter.mjs';
import { svg, mathml } from '../kilder/svg-mathml.mjs';

// The SVG and MathML elements and the extra events are the ones the tag
// knowledge lists, so that every name its panel offers has its page here.
const tagdata = (file) => JSON.parse(fs.readFileSync(new URL(`../../tagdata/${file}`, import.meta.url), 'utf8'));
const TAG_ELEMENTS = tagdata('elements.json');
const TAG_ATTRIBUTES = tagdata('attributes.json');
const events = { ...pakkeEvents, ...flereEvents };
const ARIA = Object.values(htmlInfo.property).map((p) => p.attribute).filter((a) => a.startsWith('aria-'));

const VOID = new Set(htmlVoidElements);
const BOOLEAN = new Set(Object.values(htmlInfo.property).filter((p) => p.boolean).map((p) => p.attribute));

function sameSet(what, have, want) {
  const missing = want.filter((x) => !(x in have));
  const extra = Object.keys(have).filter((x) => !want.includes(x));
  if (missing.length || extra.length)
    throw new Error(`${what}: mangler ${missing.join(', ') || '-'}; ukendte ${extra.join(', ') || '-'}`);
}

function checkSources() {
  sameSet('HTML-elementer', elementer, htmlTagNames);
  sameSet('Globale attributter', globale, htmlElementAttributes['*']);
  const specific = new Set();
  for (const [el, list] of Object.entries(htmlElementAttributes)) if (el !== '*') list.forEach((a) => specific.add(a));
  sameSet('Attributter', attributter, [...specific]);
  sameSet('Events', events, [...htmlEventAttributes, ...TAG_ATTRIBUTES.extraGlobalEvents]);
  sameSet('Tilgængelighed', tilgaengelighed, [...TAG_ATTRIBUTES.globalExtra, ...ARIA]);
  sameSet('SVG-elementer', svg, foreign(TAG_ELEMENTS.svg));
  sameSet('MathML-elementer', mathml, foreign(TAG_ELEMENTS.mathml));
  for (const [name, [cat]] of Object.entries(elementer))
    if (!kategorier.some(([k]) => k === cat)) throw new Error(`${name}: ukendt kategori ${cat}`);
}

// A foreign element that HTML has too (svg, math, a, script ...) keeps its HTML entry.
function foreign(table) {
  return [...table.void, ...table.container].filter((n) => !htmlTagNames.includes(n.toLowerCase()));
}

const elementsOfAttribute = (attr) =>
  Object.entries(htmlElementAttributes).filter(([el, list]) => el !== '*' && list.includes(attr)).map(([el]) => el).sort();

const syntaxOfElement = (name) => (VOID.has(name) ? `<${name}>` : `<${name}>...</${name}>`);
const syntaxOfAttribute = (attr) => (BOOLEAN.has(attr) ? attr : `${attr}="værdi"`);
const isObsolete = (desc) => desc.startsWith('Forældet');

function exampleOfAttribute(attr, sample, elements) {
  if (sample.startsWith('<')) return sample;
  const el = elements.find((e) => elementer[e] && !isObsolete(elementer[e][1])) ?? elements[0] ?? 'div';
  const a = BOOLEAN.has(attr) && sample === '' ? attr : `${attr}="${sample}"`;
  return VOID.has(el) ? `<${el} ${a}>` : `<${el} ${a}>indhold</${el}>`;
}

function statesOf(attr) {
  const def = enumeratedAttributes[attr];
  if (!def) return null;
  const defs = Array.isArray(def) ? def : [def];
  const text = (d) => d.states.flat().filter((s) => s !== null && s !== '').join(', ');
  const parts = defs.filter((d) => text(d) !== '').map((d) => (d.selector ? `${d.selector}: ${text(d)}` : text(d)));
  return parts.length ? parts : null;
}

export function buildHtml5() {
  checkSources();
  const s = new InfoStructure('Html5');
  const attrPage = new Map(); // attribute -> page name
  const elementNames = Object.keys(elementer);

  const root = s.entry(null, 'Html5', 7, (r) => [
    ...h.para('HTML5 er sproget, som hjemmesider skrives i. En side består af elementer, der skrives med tags: et starttag som <code>&lt;p&gt;</code> og et sluttag som <code>&lt;/p&gt;</code>. Starttagget kan have attributter, der giver elementet egenskaber.'),
    ...h.syntaks('<element attribut="værdi">indhold</element>'),
    ...h.eksempel('<!DOCTYPE html>\n<html lang="da">\n<head>\n<meta charset="utf-8">\n<title>Min side</title>\n</head>\n<body>\n<h1>Velkommen</h1>\n<p>Første afsnit.</p>\n</body>\n</html>'),
    ...h.sub('Elementer efter emne'),
    ...h.list([...kategorier.map(([, navn]) => navn), ...FOREIGN.map(([navn]) => navn)].map((navn) => h.link(r(navn), navn))),
    ...h.sub('Attributter'),
    ...h.list(['Globale Attributter', 'Globale events', 'Attributter'].map((n) => h.link(r(n), n))),
  ]);

  for (const [key, navn, tekst] of kategorier) {
    const names = elementNames.filter((e) => elementer[e][0] === key);
    const cat = s.entry(root, navn, 6, (r) => [
      ...h.para(h.esc(tekst)),
      ...h.list(names.map((e) => `${h.link(r(e), e)}: ${h.esc(elementer[e][1])}`)),
    ]);
    for (const e of names) {
      const [, desc, example] = elementer[e];
      const own = htmlElementAttributes[e] ?? [];
      s.entry(cat, e, 4, () => [
        ...h.para(h.esc(desc)),
        ...h.para(VOID.has(e) ? 'Elementet har intet sluttag.' : 'Elementet skrives med starttag og sluttag.'),
        ...h.syntaks(syntaxOfElement(e)),
        ...h.eksempel(example),
        ...h.sub('Attributter'),
        ...(own.length
          ? h.para(own.slice().sort().map((a) => h.link(attrPage.get(a), a)).join(', ') + '.')
          : h.para('Elementet har ingen egne attributter.')),
        ...h.para(`Desuden kan de ${h.link(s.resolve('Globale Attributter'), 'globale attributter')} og ${h.link(s.resolve('Globale events'), 'globale events')} bruges.`),
        ...(attributter[e] || globale[e]
          ? [...h.sub(`Attributten ${e}`), ...h.para(`${h.esc((attributter[e] ?? globale[e])[0])} Se ${h.link(attrPage.get(e), `attributten ${e}`)}.`)]
          : []),
        `<div class="tilhoerer">Emne: ${h.link(s.resolve(navn), navn)}</div>`,
      ]);
    }
  }

  for (const [navn, table, texts, tekst] of FOREIGN) {
    const names = foreign(table);
    const cat = s.entry(root, navn, 6, (r) => [...h.para(h.esc(tekst)), ...h.list(names.map((e) => `${h.link(r(e), e)}: ${h.esc(texts[e][0])}`))]);
    for (const e of names)
      s.entry(cat, e, 4, () => [
        ...h.para(h.esc(texts[e][0])),
        ...h.para(table.void.includes(e) ? 'Elementet har normalt intet indhold og kan skrives som et tomt element.' : 'Elementet skrives med starttag og sluttag.'),
        ...h.syntaks(foreignSyntax(table, e)),
        ...h.eksempel(texts[e][1]),
        `<div class="tilhoerer">Emne: ${h.link(cat.payload, navn)}</div>`,
      ]);
  }

  const attrEntry = (parent, attr, desc, sample, elements, global) => {
    const pageName = s.find(attr) ? `${attr}-attribut` : attr;
    const states = statesOf(attr);
    const node = s.entry(parent, attr, 8, () => [
      ...h.para(h.esc(desc)),
      ...(BOOLEAN.has(attr) ? h.para('Attributten er boolsk: den skrives uden værdi, og alene at den står i tagget slår den til.') : []),
      ...(states ? h.para('Tilladte værdier: ' + states.map(h.esc).join('; ') + '.') : []),
      ...h.syntaks(syntaxOfAttribute(attr)),
      ...h.eksempel(exampleOfAttribute(attr, sample, elements)),
      ...(global
        ? h.para('Attributten er global og kan bruges på alle HTML-elementer.')
        : h.para('Bruges på: ' + elements.map((e) => h.link(s.resolve(e), e)).join(', ') + '.')),
      `<div class="tilhoerer">Emne: ${h.link(s.resolve(parent.text), parent.text)}</div>`,
    ], { pageName });
    attrPage.set(attr, node.payload);
  };

  const globalNames = Object.keys(globale).sort();
  const glob = s.entry(root, 'Globale Attributter', 6, (r) => [
    ...h.para('Globale attributter kan bruges på alle HTML-elementer. De vigtigste er id, class, style og title.'),
    ...h.syntaks('<element id="navn" class="klasse" style="color: red;" title="Værktøjstip">'),
    ...h.list(globalNames.map((a) => `${h.link(attrPage.get(a), a)}: ${h.esc(globale[a][0])}`)),
    ...h.para(`Desuden kan alle elementer have ${h.link(r('Globale events'), 'globale events')}.`),
  ]);
  for (const a of globalNames) attrEntry(glob, a, globale[a][0], globale[a][1], [], true);
  const ariaNames = Object.keys(tilgaengelighed).sort();
  const aria = s.entry(glob, 'ARIA', 6, () => [
    ...h.para('Attributterne role og aria-* fortæller skærmlæsere og andre hjælpemidler, hvad et element er, og hvilken tilstand det har, når HTML-elementet ikke selv viser det.'),
    ...h.syntaks('<element role="rolle" aria-egenskab="værdi">'),
    ...h.eksempel('<button aria-expanded="false" aria-controls="menu">Menu</button>\n<ul id="menu" hidden>...</ul>'),
    ...h.list(ariaNames.map((a) => `${h.link(attrPage.get(a), a)}: ${h.esc(tilgaengelighed[a][0])}`)),
  ]);
  for (const a of ariaNames) attrEntry(aria, a, tilgaengelighed[a][0], tilgaengelighed[a][1], [], true);

  const eventNames = Object.keys(events).sort();
  const ev = s.entry(root, 'Globale events', 6, () => [
    ...h.para('Hændelsesattributter (events) kører et script, når der sker noget med elementet eller siden. Værdien er JavaScript-kode, oftest et kald af en funktion.'),
    ...h.syntaks('onhændelse="script"'),
    ...h.eksempel('<button onclick="visBesked()">Klik</button>'),
    ...h.list(eventNames.map((a) => `${h.link(attrPage.get(a), a)}: når ${h.esc(events[a][0])}`)),
  ]);
  for (const a of eventNames) {
    const [when, el] = events[a];
    const example = VOID.has(el) ? `<${el} ${a}="minFunktion()">` : `<${el} ${a}="minFunktion()">indhold</${el}>`;
    attrEntry(ev, a, `Hændelsesattributten ${a} kører et script, når ${when}.`, example, [], true);
  }

  const specificNames = Object.keys(attributter).sort();
  const eget = s.entry(root, 'Attributter', 6, () => [
    ...h.para('Attributter der kun gælder bestemte elementer. Hver side fortæller, hvilke elementer attributten bruges på.'),
    ...h.list(specificNames.map((a) => `${h.link(attrPage.get(a), a)}: ${h.esc(attributter[a][0])}`)),
  ]);
  for (const a of specificNames) attrEntry(eget, a, attributter[a][0], attributter[a][1], elementsOfAttribute(a), false);

  return s;
}

// The fields of an object entry: description, syntax, then the example lines.
function fields(desc, syntax, example) {
  const lines = example.split('\n');
  const rest = lines.length > 2 ? [lines[0], lines.slice(1).join(' ')] : lines;
  return [desc, syntax, ...rest];
}

const FOREIGN = [
  ['SVG', TAG_ELEMENTS.svg, svg, 'Elementerne i SVG-grafik, der skrives direkte i siden inde i et svg-element.'],
  ['MathML', TAG_ELEMENTS.mathml, mathml, 'Elementerne i matematiske formler, der skrives inde i et math-element.'],
];
const foreignSyntax = (table, e) => (table.void.includes(e) ? `<${e} ... />` : `<${e}>...</${e}>`);

const snippet = (e) => (VOID.has(e) ? `<${e}>` : `<${e}></${e}>`);

export function buildHtmlKoder() {
  checkSources();
  const root = objNode('HTML koder', 0, ['HTML5 elementer og attributter.', 'Dobbeltklik på et element for at skrive det i dokumentet.']);
  for (const [key, navn, tekst] of kategorier) {
    const cat = root.add(objNode(navn, 3, [tekst]));
    for (const [e, [k, desc, example]] of Object.entries(elementer))
      if (k === key) cat.add(objNode(snippet(e), 0, fields(desc, syntaxOfElement(e), example)));
  }
  for (const [navn, table, texts, tekst] of FOREIGN) {
    const cat = root.add(objNode(navn, 3, [tekst]));
    for (const e of foreign(table)) cat.add(objNode(table.void.includes(e) ? `<${e} />` : `<${e}></${e}>`, 0, fields(texts[e][0], foreignSyntax(table, e), texts[e][1])));
  }
  const glob = root.add(objNode('Globale Attributter', 3, ['Attributter der kan bruges på alle elementer.']));
  for (const a of Object.keys(globale).sort())
    glob.add(objNode(BOOLEAN.has(a) ? a : `${a}=""`, 1, fields(globale[a][0], syntaxOfAttribute(a), exampleOfAttribute(a, globale[a][1], []))));
  for (const a of Object.keys(tilgaengelighed).sort())
    glob.add(objNode(`${a}=""`, 1, fields(tilgaengelighed[a][0], syntaxOfAttribute(a), exampleOfAttribute(a, tilgaengelighed[a][1], []))));
  const ev = root.add(objNode('Globale events', 3, ['Hændelsesattributter der kører et script.']));
  for (const a of Object.keys(events).sort()) ev.add(objNode(`${a}=""`, 2, [`Kører et script, når ${events[a][0]}.`, `${a}="script"`]));
  const eget = root.add(objNode('Attributter', 3, ['Attributter der kun gælder bestemte elementer.']));
  for (const a of Object.keys(attributter).sort()) {
    const els = elementsOfAttribute(a);
    eget.add(objNode(BOOLEAN.has(a) ? a : `${a}=""`, 1, [...fields(attributter[a][0], syntaxOfAttribute(a), exampleOfAttribute(a, attributter[a][1], els)).slice(0, 3), `Bruges på: ${els.join(', ')}`]));
  }
  return [root];
}
