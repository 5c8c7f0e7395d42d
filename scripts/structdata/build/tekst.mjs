// The structures written from the hand-written page sources: "Information",
// "Programmet" and "Eksempler".
import fs from 'node:fs';
import { loadMarkup } from '../lib/markup.mjs';

const KILDER = new URL('../kilder/', import.meta.url);

export function buildInformation() {
  return loadMarkup(new URL('information.txt', KILDER), 'Information');
}

export function buildProgrammet() {
  return loadMarkup(new URL('programmet.txt', KILDER), 'Programmet');
}

export function buildEksempler() {
  const s = loadMarkup(new URL('eksempler.txt', KILDER), 'Eksempler');
  s.designFiles.set('eksempler.css', fs.readFileSync(new URL('eksempler.css', KILDER), 'utf8'));
  return s;
}
