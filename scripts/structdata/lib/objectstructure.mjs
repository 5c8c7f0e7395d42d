// Object structures: a tree whose data lines carry up to four description
// fields joined by "|". The reader splits at every "|", so a "|" inside a
// field (CSS syntax, JavaScript's ||) is written as the broken bar.
import path from 'node:path';
import { Node, treeLines, dataLines } from './tree.mjs';
import { writeLines } from './writer.mjs';

// The one sign of the CSS syntax notation the code page lacks.
const SPELLED = { '\u221e': 'uendelig' };

export function field(text) {
  return String(text ?? '')
    .replace(/\s*\n\s*/g, ' ')
    .replace(/\|/g, '\u00a6')
    .replace(/[\u221e]/g, (c) => SPELLED[c])
    .trim();
}

export function objNode(text, icon, fields = []) {
  const payload = fields.map(field).filter((f) => f !== '');
  if (payload.length > 4) throw new Error(`"${text}" har mere end fire felter`);
  return new Node(text, icon, payload.join('|'));
}

// Payloads written as they are (the analyser's signatures).
export function rawNode(text, icon, payload = '') {
  return new Node(text, icon, payload);
}

export function writeObjectStructure(programDir, name, roots) {
  const dir = path.join(programDir, 'Script');
  writeLines(path.join(dir, name + 'Struktur.txt'), treeLines(roots));
  writeLines(path.join(dir, name + 'Data.txt'), dataLines(roots));
  return name;
}
