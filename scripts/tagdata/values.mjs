// Value lists: one file per attribute ("attr.txt") or per attribute of one
// element ("attr_element.txt"), enumerated values taken from the package where
// it knows them, headings and free-text hints kept by hand.
import { enumeratedAttributes } from 'html-enumerated-attributes'

// The panel shows an entry beginning with two capitals A-Z but never writes it.
export const isHeading = (entry) => /^[A-Z]{2}/.test(entry)

function fail(message) {
  throw new Error(message)
}

// "type|input": the package's definition of type whose selector names input
// (or one without selector, which applies everywhere).
function packageStates(def) {
  const [attribute, element] = def.split('|')
  const entry = enumeratedAttributes[attribute]
  if (!entry) fail(`the package has no enumerated attribute ${attribute}`)
  const definitions = Array.isArray(entry) ? entry : [entry]
  const matches = definitions.filter((d) => {
    if (!d.selector) return true
    const names = d.selector.split(',').map((s) => s.trim())
    return element !== undefined && names.includes(element)
  })
  if (matches.length !== 1) fail(`${def}: ${matches.length} package definitions match`)
  // A state is a keyword or a group of aliases; the first non-empty alias is
  // the one worth writing, and states without keyword (null, "") are skipped.
  const states = []
  for (const state of matches[0].states) {
    const keyword = Array.isArray(state) ? state.find((s) => s) : state
    if (keyword) states.push(keyword)
  }
  return states
}

function entriesFor(name, def, all) {
  if (def.sameAs) {
    const other = all[def.sameAs]
    if (!other || other.sameAs) fail(`${name}: sameAs ${def.sameAs} must name a file with entries`)
    return entriesFor(def.sameAs, other, all)
  }
  const drop = new Set(def.drop ?? [])
  const extra = def.extra ?? []
  if (!def.package) {
    if (!def.entries) fail(`${name}: neither package nor entries`)
    return def.entries
  }
  const states = packageStates(def.package).filter((s) => !drop.has(s))
  if (!def.entries) return [...states, ...extra]
  // Hand-ordered entries must still hold exactly the package's keywords, so a
  // package update that adds a value cannot be silently missed.
  const values = def.entries.filter((e) => !isHeading(e))
  const allowed = new Set([...states, ...extra])
  const stray = values.filter((v) => !allowed.has(v))
  if (stray.length) fail(`${name}: values the package does not have: ${stray.join(', ')}`)
  const absent = states.filter((s) => !values.includes(s))
  if (absent.length) fail(`${name}: package values left out: ${absent.join(', ')}`)
  return def.entries
}

// Every enumerated attribute the package knows on a current element must reach
// a value file, unless the attribute is obsolete there.
function requireCoverage(tables, el) {
  const skip = new Set(tables.obsoleteEnumerated ?? [])
  const current = new Set(el.current)
  const missing = []
  for (const [attribute, entry] of Object.entries(enumeratedAttributes)) {
    for (const d of Array.isArray(entry) ? entry : [entry]) {
      const elements = d.selector ? d.selector.split(',').map((s) => s.trim()) : ['*']
      for (const e of elements) {
        if (e !== '*' && !current.has(e)) continue
        if (skip.has(`${attribute}|${e}`)) continue
        // An attribute with different keywords per element needs a file per element:
        // the general file would offer the wrong ones.
        const general = Array.isArray(entry) ? undefined : tables.files[attribute]
        if (!tables.files[`${attribute}_${e}`] && !general) missing.push(`${attribute} on ${e}`)
      }
    }
  }
  if (missing.length) fail(`enumerated attributes without value file: ${missing.join(', ')}`)
}

export function buildValueFiles(tables, attributeFiles, el) {
  requireCoverage(tables, el)
  const out = new Map()
  for (const [name, def] of Object.entries(tables.files)) {
    const entries = entriesFor(name, def, tables.files)
    const [attribute, element, rest] = name.split('_')
    if (rest !== undefined) fail(`${name}: a value file is attribute or attribute_element`)
    // The file must be reachable: some element (or the named one) lists the attribute.
    const holders = element === undefined ? [...attributeFiles.keys()] : [element]
    const reachable = holders.some((h) => (attributeFiles.get(h) ?? []).some(
      (a) => a.toLowerCase() === attribute.toLowerCase()))
    if (!reachable) fail(`${name}: no attribute list offers ${attribute}${element ? ' on ' + element : ''}`)
    if (element !== undefined && !el.allSet.has(element.toLowerCase())) fail(`${name}: unknown element`)
    for (const e of entries) {
      if (e === '' || e !== e.trim()) fail(`${name}: empty entry or entry with outer blanks: "${e}"`)
      if (e.includes('"')) fail(`${name}: a double quote would end the attribute value: ${e}`)
    }
    if (!entries.some((e) => !isHeading(e) || e === 'CSS')) fail(`${name}: headings only`)
    // Exact comparison: the list type of ol offers both a and A.
    if (new Set(entries).size !== entries.length) fail(`${name}: an entry is listed twice`)
    out.set(`${name}.txt`, entries)
  }
  return out
}
