// "ASP" (information) and "ASP" (object structure) from kilder/asp.mjs, and
// "batch" (object structure) from kilder/batch.mjs.
import { InfoStructure } from '../lib/infostructure.mjs';
import { objNode } from '../lib/objectstructure.mjs';
import * as h from '../lib/html.mjs';
import { OBJECT_ICON, memberFields, objectTree, addObjectBranch, memberPage } from './members.mjs';
import { objekter, direktiver } from '../kilder/asp.mjs';
import { grupper } from '../kilder/batch.mjs';

// Info icon set: 4 object, 8 property, 5 method, 6 category, 3 information.
const INFO_ICONS = { o: 4, e: 8, m: 5, c: 6, h: 3, g: 6 };
const ICONS = { ...OBJECT_ICON, c: OBJECT_ICON.keys };

export function buildAspInfo() {
  const s = new InfoStructure('ASP');
  const root = s.entry(null, 'ASP', 7, (r) => [
    ...h.para('ASP (Active Server Pages) er sider, der laves på webserveren, før de sendes til browseren. Koden skrives i VBScript mellem <% og %> i en .asp-fil, og de indbyggede objekter giver adgang til forespørgslen, svaret, brugerens session og serveren.'),
    ...h.syntaks('<% kode %> eller <%= udtryk %>'),
    ...h.eksempel('<%@ LANGUAGE="VBScript" %>\n<html>\n<body>\n<p>Hej <%= Server.HTMLEncode(Request.QueryString("navn")) %></p>\n</body>\n</html>'),
    ...h.sub('Objekter'),
    ...h.list(objekter.map((o) => `${h.link(r(o.navn), o.navn)}: ${h.esc(o.beskrivelse)}`)),
    ...h.para(`Se også ${h.link(r('Direktiver og filer'), 'direktiver og filer')}.`),
  ]);
  const ob = s.entry(root, 'Objekter', 6, (r) => [...h.list(objekter.map((o) => `${h.link(r(o.navn), o.navn)}: ${h.esc(o.beskrivelse)}`))]);
  for (const o of objekter) addObjectBranch(s, ob, o, { bare: (t) => t, icons: INFO_ICONS });
  const di = s.entry(root, 'Direktiver og filer', 6, (r) => [
    ...h.para('Skrivemåden for serverkode i en ASP-side og filerne, som en webapplikation består af.'),
    ...h.list(direktiver.map(([n, d]) => `${h.link(r(n), n)}: ${h.esc(d)}`)),
  ]);
  for (const [n, d, syn, ex] of direktiver) s.entry(di, n, 3, memberPage([n, 's', d, syn, ex], 'Direktiver og filer', di.payload), { wanted: `direktiv ${n}` });
  return s;
}

export function buildAspObjects() {
  const root = objNode('ASP', 3, ['ASP objekter, metoder og egenskaber.', '<% kode %>']);
  for (const o of objekter) root.add(objectTree(o.navn, memberFields(o.beskrivelse, o.syntaks, o.eksempel), o.medlemmer, ICONS));
  const di = root.add(objNode('Direktiver og filer', 3, ['Skrivemåden for serverkode.']));
  for (const [n, d, syn, ex] of direktiver) di.add(objNode(n, OBJECT_ICON.tekst, memberFields(d, syn, ex)));
  return [['ASP', [root]]];
}

export function buildBatchObjects() {
  const root = objNode('Batch', 3, ['Batch kommandoer til .bat- og .cmd-filer, og nogle PowerShell-kommandoer.', 'kommando [parametre]']);
  for (const g of grupper) {
    const node = root.add(objNode(g.navn, 3, [g.beskrivelse]));
    for (const [t, kind, d, syn, ex] of g.kommandoer) node.add(objNode(t, OBJECT_ICON[kind], memberFields(d, syn, ex)));
  }
  return [['batch', [root]]];
}
