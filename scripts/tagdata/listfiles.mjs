// Writing the knowledge lists exactly as the program's settings module does:
// Windows-1252 bytes, no byte-order mark, every line ended by CR LF, whole
// file replaced atomically. Anything the program could not read back the same
// way (a character outside the code page, a line break or control character
// inside an entry, a file name that could leave its folder) stops the run.
import fs from 'node:fs'
import path from 'node:path'

// The code page's 0x80-0x9F row; the five holes stay undefined on purpose:
// an entry needing them would be a mistake in the tables.
const HIGH_ROW = [
  0x20ac, null, 0x201a, 0x0192, 0x201e, 0x2026, 0x2020, 0x2021,
  0x02c6, 0x2030, 0x0160, 0x2039, 0x0152, null, 0x017d, null,
  null, 0x2018, 0x2019, 0x201c, 0x201d, 0x2022, 0x2013, 0x2014,
  0x02dc, 0x2122, 0x0161, 0x203a, 0x0153, null, 0x017e, 0x0178
]
const BYTE_FOR = new Map()
for (let b = 0; b < 256; b++) {
  if (b >= 0x80 && b <= 0x9f) {
    if (HIGH_ROW[b - 0x80] !== null) BYTE_FOR.set(HIGH_ROW[b - 0x80], b)
  } else {
    BYTE_FOR.set(b, b)
  }
}

export function encodeCp1252(text, where) {
  const bytes = []
  for (const ch of text) {
    const cp = ch.codePointAt(0)
    const b = BYTE_FOR.get(cp)
    if (b === undefined) {
      throw new Error(`${where}: U+${cp.toString(16).toUpperCase()} cannot be written in Windows-1252`)
    }
    bytes.push(b)
  }
  return Buffer.from(bytes)
}

// The same refusals as the program's own file-name check.
export function isSafeFileName(name) {
  if (name === '' || name === '.' || name === '..') return false
  return !/[/\\:\u0000-\u001f\u007f]/.test(name)
}

export function listBytes(lines, where) {
  const parts = []
  lines.forEach((line, i) => {
    if (typeof line !== 'string') throw new Error(`${where}: line ${i + 1} is not text`)
    if (/[\u0000-\u001f\u007f]/.test(line)) {
      throw new Error(`${where}: line ${i + 1} holds a control character or line break`)
    }
    parts.push(encodeCp1252(line, `${where} line ${i + 1}`), Buffer.from('\r\n'))
  })
  return Buffer.concat(parts)
}

// Collects every file of one run, then writes them and removes what the run
// no longer produces, so the folders always hold exactly the latest output.
export class ListWriter {
  constructor(rootDir) {
    this.root = rootDir
    this.files = new Map() // folder -> Map(name -> Buffer)
  }

  add(folder, name, lines) {
    if (!isSafeFileName(name)) throw new Error(`unsafe file name ${JSON.stringify(name)} in ${folder}`)
    if (!this.files.has(folder)) this.files.set(folder, new Map())
    const byName = this.files.get(folder)
    // Two names differing only in case would collide on a case-blind file system.
    for (const other of byName.keys()) {
      if (other !== name && other.toLowerCase() === name.toLowerCase()) {
        throw new Error(`${folder}: ${name} and ${other} differ only in letter case`)
      }
    }
    if (byName.has(name)) throw new Error(`${folder}/${name} produced twice`)
    byName.set(name, listBytes(lines, `${folder}/${name}`))
  }

  // Writes changed files through a temporary file and a rename; returns counts.
  commit() {
    let written = 0
    let removed = 0
    for (const [folder, byName] of [...this.files].sort(([a], [b]) => (a < b ? -1 : 1))) {
      const dir = path.join(this.root, folder)
      fs.mkdirSync(dir, { recursive: true })
      for (const [name, bytes] of [...byName].sort(([a], [b]) => (a < b ? -1 : 1))) {
        const target = path.join(dir, name)
        if (fs.existsSync(target) && fs.readFileSync(target).equals(bytes)) continue
        const temp = path.join(dir, `.${name}.tmp-${process.pid}`)
        fs.writeFileSync(temp, bytes)
        fs.renameSync(temp, target)
        written++
      }
      for (const entry of fs.readdirSync(dir, { withFileTypes: true })) {
        if (entry.isFile() && !byName.has(entry.name)) {
          fs.unlinkSync(path.join(dir, entry.name))
          removed++
        }
      }
    }
    return { written, removed }
  }
}

// Ascending without regard to letter case, the order the program's sets keep;
// ties (same letters, different case) fall back to the exact text so the
// output never depends on the input order.
export function compareNoCase(a, b) {
  const la = a.toLowerCase()
  const lb = b.toLowerCase()
  if (la !== lb) return la < lb ? -1 : 1
  return a < b ? -1 : a > b ? 1 : 0
}

export function sortedUnique(names) {
  const seen = new Set()
  const out = []
  for (const n of [...names].sort(compareNoCase)) {
    const key = n.toLowerCase()
    if (seen.has(key)) continue
    seen.add(key)
    out.push(n)
  }
  return out
}

// Keeps the first of several entries that differ only in case, in the given order.
export function uniqueInOrder(names) {
  const seen = new Set()
  return names.filter((n) => {
    const key = n.toLowerCase()
    if (seen.has(key)) return false
    seen.add(key)
    return true
  })
}
