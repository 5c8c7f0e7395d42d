// Page file names: plain ASCII that every file system and URL carries, no
// dot (the viewer strips from the last dot to find the page name again), and
// unique within a structure regardless of letter case.

const TRANSLIT = { æ: 'ae', ø: 'oe', å: 'aa', Æ: 'Ae', Ø: 'Oe', Å: 'Aa', é: 'e', è: 'e', ü: 'u', ö: 'o', ä: 'a' };

export function safePageName(text) {
  let s = text
    .replace(/^@/, 'at-')
    .replace(/^::/, 'pseudoelement-')
    .replace(/^:/, 'pseudoklasse-')
    .replace(/%/g, 'procent')
    .replace(/\(\)/g, '')
    .replace(/[æøåÆØÅéèüöä]/g, (c) => TRANSLIT[c]);
  s = s.replace(/[^A-Za-z0-9 _-]+/g, '_').replace(/_+/g, '_').replace(/^[_ ]+|[_ ]+$/g, '');
  return s === '' ? 'side' : s;
}

export class PageNames {
  constructor() {
    this.used = new Set();
  }

  allocate(wanted) {
    const base = safePageName(wanted);
    let name = base;
    for (let n = 2; this.used.has(name.toLowerCase()); n++) name = `${base}_${n}`;
    this.used.add(name.toLowerCase());
    return name;
  }

  reserve(name) {
    if (safePageName(name) !== name) throw new Error(`Usikkert sidenavn "${name}"`);
    if (this.used.has(name.toLowerCase())) throw new Error(`Sidenavnet "${name}" er brugt`);
    this.used.add(name.toLowerCase());
    return name;
  }
}
