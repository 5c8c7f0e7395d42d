// The one writer every generated file goes through: Windows-1252 bytes,
// every line ended by CR LF (the last one too), no byte-order mark.
import fs from 'node:fs';
import path from 'node:path';
import { encode } from './cp1252.mjs';

const written = [];

export function writeLines(file, lines) {
  for (const l of lines) {
    if (/[\r\n]/.test(l)) throw new Error(`Linjeskift inde i en linje: ${file}`);
  }
  const bytes = encode(lines.map((l) => l + '\r\n').join(''), file);
  fs.mkdirSync(path.dirname(file), { recursive: true });
  fs.writeFileSync(file, bytes);
  written.push(file);
}

// A text whose own line breaks (any kind) become CR LF.
export function writeText(file, text) {
  const lines = text.replace(/\r\n?/g, '\n').split('\n');
  if (lines.length && lines[lines.length - 1] === '') lines.pop();
  writeLines(file, lines);
}

export function writeEmpty(file) {
  fs.mkdirSync(path.dirname(file), { recursive: true });
  fs.writeFileSync(file, Buffer.alloc(0));
  written.push(file);
}

export function removeTree(dir) {
  fs.rmSync(dir, { recursive: true, force: true });
}

export function writtenCount() {
  return written.length;
}
