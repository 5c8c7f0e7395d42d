// Checks the VBScript analyser's knowledge as shipped: the "Values"
// structure (signatures, type codes, sections, the closing "Stop") and the
// "script" structure the VBScript box shows (a definition and a syntax or
// example line for every entry).
//   cd scripts && node structdata/checkvalues.mjs [--dir <Script folder>]
// Prints every problem and exits 1 when there is any.
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
const argDir = process.argv.indexOf('--dir');
const dir = argDir > 0 ? process.argv[argDir + 1] : path.join(here, '..', '..', 'data', 'Program', 'Script');

// The analyser's type codes and their names.
export const TYPES = new Map([
  [0, '?'], [1, 'string'], [2, 'number'], [3, 'boolean'], [4, 'date'], [5, 'array'], [6, 'keyvalue'],
  [7, 'itemvalue'], [8, 'key'], [9, '?'], [10, 'keys'], [50, 'object'], [51, 'arguments'], [52, 'named'],
  [53, 'unnamed'], [54, 'network'], [55, 'shell'], [56, 'environment'], [57, 'exec'], [96, 'createshortcut'],
  [97, 'createscript'], [98, 'wshcontroller'], [99, 'dictionary'], [100, 'filesystemobject'], [101, 'textstream'],
  [102, 'drive'], [103, 'drives'], [104, 'file'], [105, 'files'], [106, 'folder'], [107, 'subfolders'],
  [111, 'item'], [112, 'items'],
]);

// Every built-in function of the language, kept apart from the generator's
// sources so that a function dropped there is noticed here.
const BUILTINS = `Abs Array Asc AscB AscW Atn CBool CByte CCur CDate CDbl Chr ChrB ChrW CInt CLng Cos CreateObject
CSng CStr Date DateAdd DateDiff DatePart DateSerial DateValue Day Escape Eval Exp Filter Fix FormatCurrency
FormatDateTime FormatNumber FormatPercent GetLocale GetObject GetRef Hex Hour InputBox InStr InStrB InStrRev Int
IsArray IsDate IsEmpty IsNull IsNumeric IsObject Join LBound LCase Left LeftB Len LenB LoadPicture Log LTrim Mid MidB
Minute Month MonthName MsgBox Now Oct Replace RGB Right RightB Rnd Round RTrim ScriptEngine ScriptEngineBuildVersion
ScriptEngineMajorVersion ScriptEngineMinorVersion Second SetLocale Sgn Sin Space Split Sqr StrComp String StrReverse
Tan Time Timer TimeSerial TimeValue Trim TypeName UBound UCase Unescape VarType Weekday WeekdayName Year`.split(/\s+/);

// The sections the analyser's "for each" rule and the object types name.
const SECTIONS = ['wscript', 'scripting', 'arguments', 'named', 'unnamed', 'network', 'shell', 'environment', 'exec',
  'createshortcut', 'createscript', 'wshcontroller', 'dictionary', 'filesystemobject', 'textstream', 'drive', 'drives',
  'file', 'files', 'folder', 'subfolders', 'item', 'items', 'Funktioner'];

const SIGNATURE = /^(-|\d+)\|(-|\?|\d+(,\d+)*)(\|\d+(,\d+)*)?$/;

const CP1252_HIGH = '€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008dŽ\u008f\u0090‘’“”•–—˜™š›œ\u009džŸ';
function readLines(file) {
  const bytes = fs.readFileSync(file);
  let text = '';
  for (const b of bytes) text += b >= 0x80 && b < 0xa0 ? CP1252_HIGH[b - 0x80] : String.fromCharCode(b);
  const lines = text.split('\r\n');
  if (lines[lines.length - 1] === '') lines.pop();
  return lines;
}

function readStructure(name) {
  const tree = readLines(path.join(dir, name + 'Struktur.txt'));
  const data = readLines(path.join(dir, name + 'Data.txt'));
  return tree.map((line, i) => {
    const depth = line.length - line.replace(/^[\t ]+/, '').length;
    const d = data[i] ?? '';
    return { text: line.trim(), depth, icon: /^\d/.test(d) ? Number(d[0]) : -1, payload: d.slice(1) };
  });
}

const problems = [];
const values = readStructure('Values');

if (values[0]?.text !== 'Word') problems.push('Values: den første rod er ikke "Word"');
const last = values[values.length - 1];
if (last?.text !== 'Stop' || last.depth !== 0) problems.push('Values: strukturen slutter ikke med roden "Stop"');
values.forEach((n, i) => {
  if (n.text.toLowerCase() === 'stop' && i !== values.length - 1) problems.push(`Values linje ${i + 1}: "Stop" før slutningen`);
});

let root = '';
const sectionAt = new Map();
values.forEach((n, i) => {
  if (n.depth === 0) {
    root = n.text;
    if (root !== 'Word' && root !== 'Stop') {
      if (!(n.icon >= 0 && n.icon < 3)) problems.push(`Values: sektionen ${root} har ikonet ${n.icon}`);
      if (!['Funktioner', 'wscript', 'scripting'].includes(root) && ![...TYPES.values()].includes(root)) problems.push(`Values: sektionen ${root} er ikke et typenavn`);
      if (!sectionAt.has(root)) sectionAt.set(root, i);
    }
    return;
  }
  if (root === 'Word') {
    if (n.payload !== '+' && n.payload === '') problems.push(`Values: ordet ${n.text} mangler data`);
    return;
  }
  if (n.icon > 3) return; // a group of functions
  if (n.text !== n.text.toLowerCase()) problems.push(`Values: ${n.text} skal skrives med små bogstaver`);
  if (!SIGNATURE.test(n.payload)) {
    problems.push(`Values: ${root}.${n.text} har signaturen "${n.payload}", som ikke kan læses`);
    return;
  }
  const [ret, req, opt] = n.payload.split('|');
  const codes = [ret === '-' ? null : Number(ret), ...[req, opt ?? ''].flatMap((f) => f.split(',')).filter((c) => /^\d+$/.test(c)).map(Number)];
  for (const c of codes) if (c !== null && !TYPES.has(c)) problems.push(`Values: ${root}.${n.text} bruger typekoden ${c}, som ikke findes`);
  if (ret !== '-' && Number(ret) >= 51 && !sectionAt.has(TYPES.get(Number(ret))) && !values.some((v) => v.depth === 0 && v.text === TYPES.get(Number(ret))))
    problems.push(`Values: ${root}.${n.text} giver ${TYPES.get(Number(ret))}, som ikke har nogen sektion`);
});

// A section must be met before any member of the same name.
for (const s of SECTIONS) {
  const at = sectionAt.get(s);
  if (at === undefined) {
    problems.push(`Values: sektionen ${s} mangler`);
    continue;
  }
  const earlier = values.findIndex((n, i) => i < at && n.text.toLowerCase() === s.toLowerCase() && n.icon >= 0 && n.icon < 3);
  if (earlier >= 0) problems.push(`Values: ${s} findes som medlem (linje ${earlier + 1}) før sektionen`);
}

const fnStart = sectionAt.get('Funktioner');
const functions = new Set(values.filter((n, i) => i > fnStart && n.depth === 2).map((n) => n.text));
for (const f of BUILTINS) if (!functions.has(f.toLowerCase())) problems.push(`Values: funktionen ${f} mangler i Funktioner`);

const script = readStructure('script');
for (const n of script) {
  const fields = n.payload.split('|');
  if (!fields[0]?.trim()) problems.push(`script: ${n.text} mangler en definition`);
  if (!fields[1]?.trim()) problems.push(`script: ${n.text} mangler en syntaks- eller eksempellinje`);
}

for (const p of problems) console.log(p);
console.log(`${values.length} elementer i Values, ${functions.size} funktioner, ${script.length} elementer i script: ${problems.length} fejl`);
process.exit(problems.length ? 1 : 0);
