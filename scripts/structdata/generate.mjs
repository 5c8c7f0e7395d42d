// Writes the shipped structures below data/Program: the information
// structures in "Struktur", the object structures and their lists in
// "Script", and the page design templates in "HTML".
//   cd scripts && npm ci && node structdata/generate.mjs [--out <folder>]
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { writeText, writeLines, writeEmpty, removeTree, writtenCount } from './lib/writer.mjs';
import { writeObjectStructure } from './lib/objectstructure.mjs';
import { designCss, funktionerJs } from './lib/infostructure.mjs';
import { buildHtml5, buildHtmlKoder } from './build/html5.mjs';
import { buildCssInfo, buildCssObjects } from './build/css.mjs';
import { buildJavaScriptInfo, buildJavaScriptObjects } from './build/javascript.mjs';
import { buildVbsInfo, buildVbsObjects, buildValues } from './build/vbs.mjs';
import { buildAspInfo, buildAspObjects, buildBatchObjects } from './build/asp.mjs';
import { buildInformation, buildProgrammet, buildEksempler } from './build/tekst.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const outArg = process.argv.indexOf('--out');
const dataDir = outArg > 0 ? path.resolve(process.argv[outArg + 1]) : path.resolve(here, '../../data');
const programDir = path.join(dataDir, 'Program');

const info = [
  buildInformation(), buildHtml5(), buildCssInfo(), buildJavaScriptInfo(), buildVbsInfo(), buildAspInfo(),
  buildEksempler(), buildProgrammet(),
];
for (const s of info) {
  const n = s.write(programDir);
  console.log(`Struktur/${s.name}: ${n} elementer, ${s.pages.size} sider`);
}

const scriptDir = path.join(programDir, 'Script');
removeTree(scriptDir);
const objects = [['HTML koder', buildHtmlKoder()], ['CSS', buildCssObjects()], ...buildJavaScriptObjects(), ...buildVbsObjects(), ...buildValues(), ...buildAspObjects(), ...buildBatchObjects()];
for (const [name, roots] of objects) writeObjectStructure(programDir, name, roots);
writeLines(path.join(scriptDir, '_strukturliste.txt'), objects.map(([name]) => name));
writeEmpty(path.join(scriptDir, '_newStrukturliste.txt'));

// The folders are filled now; their placeholders go.
for (const folder of ['Struktur', 'Script', 'HTML']) fs.rmSync(path.join(programDir, folder, '.gitkeep'), { force: true });
writeText(path.join(programDir, 'HTML', 'design.css'), designCss());
writeText(path.join(programDir, 'HTML', 'funktioner.js'), funktionerJs());
console.log(`${writtenCount()} filer skrevet i ${programDir}`);
