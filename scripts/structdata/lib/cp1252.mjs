// Windows-1252 by our own table, so the output does not depend on which
// encodings the Node build happens to carry.

const HIGH = {
  0x20ac: 0x80, 0x201a: 0x82, 0x0192: 0x83, 0x201e: 0x84, 0x2026: 0x85, 0x2020: 0x86,
  0x2021: 0x87, 0x02c6: 0x88, 0x2030: 0x89, 0x0160: 0x8a, 0x2039: 0x8b, 0x0152: 0x8c,
  0x017d: 0x8e, 0x2018: 0x91, 0x2019: 0x92, 0x201c: 0x93, 0x201d: 0x94, 0x2022: 0x95,
  0x2013: 0x96, 0x2014: 0x97, 0x02dc: 0x98, 0x2122: 0x99, 0x0161: 0x9a, 0x203a: 0x9b,
  0x0153: 0x9c, 0x017e: 0x9e, 0x0178: 0x9f,
};

export function byteFor(codePoint) {
  if (codePoint < 0x80 || (codePoint >= 0xa0 && codePoint <= 0xff)) return codePoint;
  const b = HIGH[codePoint];
  return b === undefined ? -1 : b;
}

export function canEncode(text) {
  for (const ch of text) if (byteFor(ch.codePointAt(0)) < 0) return false;
  return true;
}

// Refuses a character the code page cannot hold: silently writing "?" would
// corrupt a page name or an entry text.
export function encode(text, where = '') {
  const out = [];
  for (const ch of text) {
    const b = byteFor(ch.codePointAt(0));
    if (b < 0)
      throw new Error(`Tegnet U+${ch.codePointAt(0).toString(16).toUpperCase()} kan ikke skrives i Windows-1252${where ? ` (${where})` : ''}`);
    out.push(b);
  }
  return Buffer.from(out);
}
