// "JavaScript" (information) and the 21 object structures of the JavaScript
// object panel, from one description of the objects.
import { InfoStructure } from '../lib/infostructure.mjs';
import * as h from '../lib/html.mjs';
import { objectTree, memberFields, addObjectBranch } from './members.mjs';
import { kategorier, objekter, saetninger } from '../kilder/javascript.mjs';

// Info icon set: 4 object, 8 property, 5 method, 3 information, 6 category.
const INFO_ICONS = { o: 4, e: 8, m: 5, k: 8, h: 3, g: 6 };

// The entry a member is looked up by: the word the caret stands on, so
// without parameters, without "new" and without the object in front.
export const bareJs = (text) => text.replace(/\(.*$/, '').replace(/^new /, '').replace(/^[A-Za-z]+\./, '').replace(/`.*$/, '');

export function buildJavaScriptInfo() {
  const s = new InfoStructure('JavaScript');
  const root = s.entry(null, 'JavaScript', 7, (r) => [
    ...h.para('JavaScript er sproget, der gør hjemmesider levende: det reagerer på brugerens handlinger, ændrer sidens indhold og henter data. Koden skrives i et script-element eller i en .js-fil.'),
    ...h.syntaks('<script src="funktioner.js"></script>'),
    ...h.eksempel('<button id="knap">Klik</button>\n<script>\ndocument.getElementById("knap").addEventListener("click", function () {\n  alert("Hej!");\n});\n</script>'),
    ...h.list([h.link(r('Information'), 'Information om JavaScript i Taglund'), h.link(r('Sætninger'), 'Sætninger og nøgleord'), ...kategorier.map((k) => h.link(r(k), k))]),
  ]);
  s.entry(root, 'Information', 3, (r) => [
    ...h.para('Her findes sprogets sætninger og de indbyggede objekter: tekster, tal, datoer og lister, browserens vindue (BOM) og sidens elementer (DOM).'),
    ...h.para('I et JavaScript-dokument viser strukturpanelet objekterne i JavaScript-objektpanelet: klik på et objekt for at se dets egenskaber og metoder, og dobbeltklik på et punkt for at skrive det i dokumentet. Kommandoen JavaScript information (Ctrl+Alt+J) slår ordet ved markøren op her.'),
    ...h.syntaks('objekt.egenskab eller objekt.metode(parametre)'),
    ...h.eksempel('let tekst = "Taglund";\nlet antal = tekst.length;          // egenskab\nlet stor = tekst.toUpperCase();    // metode'),
    ...h.list([h.link(r('Sætninger'), 'Sætninger'), ...kategorier.map((k) => h.link(r(k), k))]),
  ]);
  const st = s.entry(root, 'Sætninger', 6, (r) => [
    ...h.para('Sætninger og nøgleord, som programmets forløb bygges af.'),
    ...h.list(saetninger.map(([n, d]) => `${h.link(r(n), n)}: ${h.esc(d)}`)),
  ]);
  for (const [n, d, syn, ex] of saetninger)
    s.entry(st, n, 5, () => [...h.para(h.esc(d)), ...h.syntaks(syn), ...h.eksempel(ex), `<div class="tilhoerer">Emne: ${h.link(st.payload, 'Sætninger')}</div>`], { wanted: `saetning ${n}` });
  for (const k of kategorier) {
    const objs = objekter.filter((o) => o.kategori === k);
    const cat = s.entry(root, k, 6, (r) => [...h.list(objs.map((o) => `${h.link(r(o.navn), o.navn)}: ${h.esc(o.beskrivelse)}`))]);
    for (const o of objs) addObjectBranch(s, cat, o, { bare: bareJs, icons: INFO_ICONS });
  }
  return s;
}

export function buildJavaScriptObjects() {
  return objekter.map((o) => [o.struktur, [objectTree(o.navn, memberFields(o.beskrivelse, o.syntaks, o.eksempel), o.medlemmer)]]);
}
