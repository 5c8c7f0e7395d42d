// VBScript: the "VBS" information structure (shown with the object icon
// set), the object structures "VbScript", "WScript", "Scripting" and
// "script", and the analyser's "Values" structure, from kilder/vbscript.mjs.
import { InfoStructure } from '../lib/infostructure.mjs';
import { objNode, rawNode } from '../lib/objectstructure.mjs';
import * as h from '../lib/html.mjs';
import { OBJECT_ICON, memberFields, addObjectBranch, memberPage } from './members.mjs';
import { funktioner, saetninger, konstanter, objekter, ord } from '../kilder/vbscript.mjs';

// The VBS structure uses the object icon set: 0 object, 1 property, 2 method,
// 3 other, 5 constant, 8 text.
const VBS_ICONS = { o: 0, e: 1, m: 2, f: 2, g: 3, k: 5, s: 8 };
const SIGNATURE = /^(-|\d+)\|(-|\?|\d+(,\d+)*)(\|\d+(,\d+)*)?$/;

export function buildVbsInfo() {
  const s = new InfoStructure('VBS');
  const root = s.entry(null, 'VBS', 0, (r) => [
    ...h.para('VBScript er Microsofts scriptsprog, som Windows Script Host kører i .vbs- og .wsf-filer, og som ASP-sider på serveren skrives i. Her findes sprogets funktioner, sætninger og konstanter og objekterne fra WScript og Scripting.'),
    ...h.syntaks('Dim variabel: variabel = udtryk'),
    ...h.eksempel('Dim navn\nnavn = InputBox("Hvad hedder du?")\nMsgBox "Hej " & navn'),
    ...h.list(['Information', 'Funktioner', 'Sætninger', 'Konstanter', 'Objekter'].map((n) => h.link(r(n), n))),
  ]);
  s.entry(root, 'Information', 8, (r) => [
    ...h.para('Et VBScript køres af wscript.exe (med dialogbokse) eller cscript.exe (i konsollen). Scriptboksen i Taglund analyserer scriptet linje for linje, viser de variabler og objekter, der oprettes, og foreslår objekternes egenskaber og metoder, når der skrives et punktum.'),
    ...h.para('Objekter laves med CreateObject og gemmes i variabler med Set. Store og små bogstaver betyder ikke noget i VBScript; kommandoen Rediger ord i forhold til VbScript informationsstrukturen retter stavemåden til den, der står her.'),
    ...h.eksempel('Set fso = CreateObject("Scripting.FileSystemObject")\nSet mappe = fso.GetFolder("C:\\data")\nFor Each fil In mappe.Files\n  WScript.Echo fil.Name\nNext'),
    ...h.list([h.link(r('Funktioner'), 'Funktioner'), h.link(r('Objekter'), 'Objekter'), h.link(r('WScript'), 'WScript'), h.link(r('FileSystemObject'), 'FileSystemObject')]),
  ]);

  const fn = s.entry(root, 'Funktioner', 3, (r) => [
    ...h.para('VBScripts indbyggede funktioner, ordnet i grupper.'),
    ...h.list(funktioner.map((g) => `${h.link(r(g.navn), g.navn)}: ${h.esc(g.beskrivelse)}`)),
  ]);
  for (const g of funktioner) addObjectBranch(s, fn, { navn: g.navn, beskrivelse: g.beskrivelse, medlemmer: g.medlemmer }, { bare: (t) => t, icons: { ...VBS_ICONS, o: 3 }, pagePrefix: 'funktion' });

  const st = s.entry(root, 'Sætninger', 3, (r) => [
    ...h.para('Sætninger og nøgleord, som scriptets forløb bygges af.'),
    ...h.list(saetninger.map(([n, d]) => `${h.link(r(n), n)}: ${h.esc(d)}`)),
  ]);
  for (const [n, d, syn, ex] of saetninger) s.entry(st, n, 8, memberPage([n, 's', d, syn, ex], 'Sætninger', st.payload), { wanted: `saetning ${n}` });

  const ko = s.entry(root, 'Konstanter', 3, (r) => [
    ...h.para('Indbyggede konstanter, der kan bruges i stedet for tal og tegn.'),
    ...h.table([['Konstant', 'Værdi', 'Betydning'], ...konstanter.map(([n, v, d]) => [h.link(r(n), n), h.esc(v), h.esc(d)])]),
  ]);
  for (const [n, v, d] of konstanter)
    s.entry(ko, n, 5, memberPage([n, 'k', d, v ? `${n} = ${v}` : n, ''], 'Konstanter', ko.payload), { wanted: `konstant ${n}` });

  const ob = s.entry(root, 'Objekter', 3, (r) => [
    ...h.para('Objekterne fra Windows Script Host (WScript) og Scripting-biblioteket.'),
    ...h.list(objekter.map((o) => `${h.link(r(o.navn), o.navn)}: ${h.esc(o.beskrivelse)}`)),
  ]);
  for (const o of objekter) addObjectBranch(s, ob, o, { bare: (t) => t, icons: VBS_ICONS });
  return s;
}

const memberNode = ([t, kind, d, syn, ex], text = t) => objNode(text, OBJECT_ICON[kind === 'f' ? 'm' : kind === 'o' ? 'objekt' : kind], memberFields(d, syn, ex));

function functionsBranch(rootText) {
  const root = objNode(rootText, 3, memberFields('VBScripts funktioner, sætninger og konstanter.', 'resultat = Funktion(parametre)', 'svar = MsgBox("Fortsæt?", vbYesNo)'));
  for (const g of funktioner) {
    const node = root.add(objNode(g.navn, 3, memberFields(g.beskrivelse, g.syntaks, g.eksempel)));
    for (const m of g.medlemmer) node.add(memberNode(m));
  }
  const st = root.add(objNode('Sætninger', 3, memberFields('Sætninger og nøgleord, som scriptets forløb bygges af.', 'If betingelse Then ... End If', 'For i = 1 To 10\n  WScript.Echo i\nNext')));
  for (const [n, d, syn, ex] of saetninger) st.add(objNode(n, 8, memberFields(d, syn, ex)));
  const ko = root.add(objNode('Konstanter', 3, memberFields('Indbyggede konstanter, der kan bruges i stedet for tal og tegn.', 'variabel = konstant', 'MsgBox "Færdig", vbInformation')));
  for (const [n, v, d] of konstanter) ko.add(objNode(n, 5, [d, v ? `${n} = ${v}` : n]));
  return root;
}

function objectNode(o, text) {
  const node = objNode(text, 0, memberFields(o.beskrivelse, o.syntaks, o.eksempel));
  for (const m of o.medlemmer) node.add(memberNode(m));
  return node;
}

export function buildVbsObjects() {
  const part = (del, title, desc) => {
    const root = objNode(title, 3, [desc]);
    for (const o of objekter.filter((x) => x.del === del)) root.add(objectNode(o, o.navn));
    return [root];
  };
  // The VBScript box finds an object's members by the analyser's type name,
  // so "script" names each object by that name, and puts it before any
  // member of the same name (WScript's Shell) that a lookup would meet first.
  const script = objNode('script', 3, memberFields('WScript, Scripting og VbScript i en struktur: objekterne med deres egenskaber og metoder, og sprogets funktioner.', 'objekt.medlem', 'Set fso = CreateObject("Scripting.FileSystemObject")\nWScript.Echo fso.GetFolder(".").Path'));
  script.add(functionsBranch('VbScript'));
  for (const o of sectionOrder()) script.add(objectNode(o, o.type));
  return [
    ['VbScript', [functionsBranch('VbScript')]],
    ['WScript', part('WScript', 'Windows Script Host', 'Objekterne fra Windows Script Host.')],
    ['Scripting', part('Scripting', 'Scripting', 'Objekterne fra Scripting-biblioteket.')],
    ['script', [script]],
  ];
}

// Sections come before every member that shares their name: the analyser
// takes the first node of a name as the section.
function sectionOrder() {
  const types = new Map(objekter.map((o) => [o.type, o]));
  const order = [];
  const state = new Map();
  const visit = (t) => {
    if (state.get(t) === 'done') return;
    if (state.get(t) === 'busy') throw new Error(`Values: sektionerne ${t} afhænger af hinanden`);
    state.set(t, 'busy');
    for (const [m] of types.get(t).medlemmer) if (types.has(m.toLowerCase()) && m.toLowerCase() !== t) visit(m.toLowerCase());
    state.set(t, 'done');
    order.push(types.get(t));
  };
  for (const o of objekter) visit(o.type);
  return order;
}

function valuesIcon(kind, signature) {
  if (kind === 'o') return 0;
  if (kind === 'e') return 1;
  if (kind === 'f') return 2;
  return signature.startsWith('-|') ? 3 : 2;
}

export function buildValues() {
  const roots = [];
  const word = rawNode('Word', 8, 'VBScript ord der kan indlede en linje');
  for (const [w, analysed] of ord) word.add(rawNode(w, 8, analysed ? '+' : 'Analyseres ikke'));
  roots.push(word);
  const member = (parent, [t, kind, , , , sig]) => {
    if (!sig) return;
    if (!SIGNATURE.test(sig)) throw new Error(`Values: signaturen "${sig}" for ${t} er ugyldig`);
    parent.add(rawNode(t.toLowerCase(), valuesIcon(kind, sig), sig));
  };
  for (const o of sectionOrder()) {
    // A member named like its own section is met at the section node first,
    // so that node carries the member's signature.
    const own = o.medlemmer.find(([t, , , , , sig]) => sig && t.toLowerCase() === o.type);
    const sec = rawNode(o.type, 0, own ? own[5] : o.navn);
    for (const m of o.medlemmer) member(sec, m);
    roots.push(sec);
  }
  const fn = rawNode('Funktioner', 2, 'VBScripts indbyggede funktioner');
  for (const g of funktioner) {
    const grp = rawNode(g.navn, 9, g.beskrivelse);
    for (const m of g.medlemmer) member(grp, m);
    if (grp.children.length) fn.add(grp);
  }
  roots.push(fn);
  roots.push(rawNode('Stop', 9, 'Slut på strukturen'));
  return [['Values', roots]];
}
