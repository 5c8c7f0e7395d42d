// A structure's tree as both files list it: pre-order, one line per node.
import { canEncode } from './cp1252.mjs';

export class Node {
  constructor(text, icon, payload = '') {
    checkText(text);
    if (!Number.isInteger(icon) || icon < 0 || icon > 9) throw new Error(`Ikon ${icon} for "${text}" er ikke 0-9`);
    this.text = text;
    this.icon = icon;
    this.payload = payload;
    this.children = [];
  }

  add(child) {
    this.children.push(child);
    return child;
  }
}

// A text the tree file can carry and give back unchanged.
export function checkText(text) {
  if (typeof text !== 'string' || text.trim() === '') throw new Error('Tom nodetekst');
  if (/^[ \t]/.test(text)) throw new Error(`Nodeteksten "${text}" begynder med blanktegn`);
  if (/[\x00-\x1f\x7f]/.test(text)) throw new Error(`Nodeteksten "${text}" indeholder styretegn`);
  if (!canEncode(text)) throw new Error(`Nodeteksten "${text}" kan ikke skrives i Windows-1252`);
}

export function flatten(roots) {
  const out = [];
  const walk = (node, depth) => {
    out.push({ node, depth });
    for (const c of node.children) walk(c, depth + 1);
  };
  for (const r of roots) walk(r, 0);
  return out;
}

export function treeLines(roots) {
  return flatten(roots).map(({ node, depth }) => '\t'.repeat(depth) + node.text);
}

export function dataLines(roots) {
  return flatten(roots).map(({ node }) => {
    if (/[\r\n]/.test(node.payload)) throw new Error(`Linjeskift i data for "${node.text}"`);
    return String(node.icon) + node.payload;
  });
}

// Case-insensitive, first in tree order: how the viewer finds an entry.
export function findNode(roots, text) {
  const want = text.toLowerCase();
  for (const { node } of flatten(roots)) if (node.text.toLowerCase() === want) return node;
  return null;
}
