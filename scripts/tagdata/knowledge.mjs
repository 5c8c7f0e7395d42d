// Builds the tag knowledge from the pinned data packages and the hand-kept
// tables beside this file. Pure: returns file contents, writes nothing.
import { htmlTagNames } from 'html-tag-names'
import { htmlVoidElements } from 'html-void-elements'
import { htmlElementAttributes } from 'html-element-attributes'
import { htmlEventAttributes } from 'html-event-attributes'
import { html as htmlSchema, svg as svgSchema } from 'property-information'
import { sortedUnique, uniqueInOrder, compareNoCase } from './listfiles.mjs'
import { buildValueFiles } from './values.mjs'

function fail(message) {
  throw new Error(message)
}

function requireSubset(items, of, what) {
  const known = new Set([...of].map((s) => s.toLowerCase()))
  const missing = items.filter((i) => !known.has(i.toLowerCase()))
  if (missing.length) fail(`${what}: ${missing.join(', ')}`)
}

const lowerSet = (items) => new Set([...items].map((s) => s.toLowerCase()))

export function buildElements(tables) {
  const current = tables.current
  requireSubset(current, htmlTagNames, 'current elements the package does not know')
  const currentSet = lowerSet(current)
  const obsolete = htmlTagNames.filter((n) => !currentSet.has(n))
  requireSubset(tables.obsoleteVoid, obsolete, 'obsolete void elements that are not obsolete')
  const htmlVoid = sortedUnique([...htmlVoidElements, ...tables.obsoleteVoid])

  const foreignVoid = [...tables.svg.void, ...tables.mathml.void]
  const foreignContainer = [...tables.svg.container, ...tables.mathml.container]
  const foreign = sortedUnique([...foreignVoid, ...foreignContainer])
  if (foreign.length !== foreignVoid.length + foreignContainer.length) {
    fail('an SVG or MathML element is listed twice')
  }
  const roots = lowerSet([tables.svg.root, tables.mathml.root])
  const foreignSet = lowerSet(foreign)
  const clash = foreign.filter((n) => currentSet.has(n.toLowerCase()) && !roots.has(n.toLowerCase()))
  if (clash.length) fail(`SVG/MathML names that are current HTML elements: ${clash.join(', ')}`)

  // Inside svg and math only the roots get tree nodes: their descendants are
  // another vocabulary, often written self-closed, and would otherwise show up
  // as missing end tags the page does not have.
  const excluded = foreign.filter((n) => !roots.has(n.toLowerCase()))
  const slashed = (names) => names.map((n) => n + '/')

  const withoutEnd = sortedUnique([
    ...tables.readerMarkers,
    ...htmlVoid,
    ...slashed(htmlVoid),
    ...foreignVoid,
    ...slashed(foreign)
  ])
  const voidLower = lowerSet(withoutEnd)
  const withEnd = sortedUnique([
    ...htmlTagNames.filter((n) => !voidLower.has(n)),
    ...foreignContainer
  ])
  const overlap = withEnd.filter((n) => voidLower.has(n.toLowerCase()))
  if (overlap.length) fail(`listed both with and without end tag: ${overlap.join(', ')}`)
  const markers = lowerSet(tables.readerMarkers)
  const all = sortedUnique([...withoutEnd, ...withEnd].filter((n) => !markers.has(n.toLowerCase())))

  return {
    current: sortedUnique(current),
    obsolete,
    htmlVoid,
    htmlVoidSet: lowerSet(htmlVoid),
    foreign,
    foreignSet,
    svgSet: lowerSet([...tables.svg.void, ...tables.svg.container]),
    mathSet: lowerSet([...tables.mathml.void, ...tables.mathml.container]),
    withoutEnd,
    withEnd,
    all,
    allSet: lowerSet(all),
    excluded: sortedUnique([...excluded, ...slashed(excluded)])
  }
}

// The snippet a list row writes. Foreign elements always get their end tag:
// a bare <path> would swallow its following siblings in an svg.
export function snippetFor(name, el) {
  const lower = name.toLowerCase()
  if (el.htmlVoidSet.has(lower) && !el.foreignSet.has(lower)) return `<${name}>`
  return `<${name}></${name}>`
}

function attributeNames(schema, space) {
  const out = []
  for (const info of Object.values(schema.property)) {
    if (space === 'html' && info.space && info.space !== 'html') continue
    out.push(info.attribute)
  }
  return out
}

export function buildAttributes(tables, el) {
  const pkg = htmlElementAttributes
  const htmlKnown = attributeNames(htmlSchema, 'html')
  const aria = sortedUnique(htmlKnown.filter((a) => a.startsWith('aria-')))
  const globals = [...sortedUnique([...pkg['*'], ...tables.globalExtra]), ...aria]

  requireSubset(tables.windowEvents, htmlEventAttributes, 'window events the package does not know')
  const windowSet = lowerSet(tables.windowEvents)
  const globalEvents = sortedUnique([
    ...htmlEventAttributes.filter((e) => !windowSet.has(e)),
    ...tables.extraGlobalEvents
  ])
  requireSubset(tables.formEvents, globalEvents, 'form events that are not global events')
  requireSubset(tables.mediaEvents, globalEvents, 'media events that are not global events')
  const documentWide = sortedUnique(tables.documentWide)
  const slash = tables.selfClosingSlash

  const files = new Map()
  const htmlNames = [...el.current, ...el.obsolete].filter((n) => !el.foreignSet.has(n))
  for (const name of htmlNames) {
    const isCurrent = el.current.includes(name)
    const own = pkg[name] ?? []
    let first
    let last = []
    if (isCurrent) {
      const legacy = tables.legacy[name] ?? []
      requireSubset(legacy, own, `legacy attributes of ${name} the package does not list`)
      const legacySet = lowerSet(legacy)
      first = [
        ...own.filter((a) => !legacySet.has(a)),
        ...(tables.elementExtra[name] ?? []),
        ...(tables.rootExtra[name] ?? [])
      ]
      last = sortedUnique([...legacy, ...(tables.legacyExtra[name] ?? [])])
    } else {
      first = [...own, ...(tables.obsoleteElementAttributes[name] ?? [])]
    }
    if (name === 'body' || name === 'frameset') first.push(...tables.windowEvents)
    files.set(name, uniqueInOrder([
      ...sortedUnique(first),
      ...globals,
      ...documentWide,
      ...globalEvents,
      ...last,
      ...(el.htmlVoidSet.has(name) ? [slash] : [])
    ]))
  }

  // HTML's global attributes are written on svg and math roots as on any element.
  const svgAll = sortedUnique([...attributeNames(svgSchema, 'svg'), ...tables.svgGlobalExtra, ...globals, ...globalEvents])
  for (const [name, own] of Object.entries(tables.svgOwn)) {
    if (!el.svgSet.has(name.toLowerCase())) fail(`svgOwn names ${name}, which is no SVG element`)
    requireSubset(own, svgAll, `attributes of ${name} unknown to SVG`)
  }
  const mathTables = tables.mathml
  const mathAll = sortedUnique([...mathTables.global, ...Object.values(mathTables.own).flat()])
  for (const name of el.foreign) {
    const lower = name.toLowerCase()
    let list
    if (el.svgSet.has(lower)) {
      const legacy = el.obsolete.includes(name) ? sortedUnique(tables.obsoleteElementAttributes[name] ?? []) : []
      list = [...(tables.svgOwn[name] ?? []), ...svgAll, ...legacy]
    } else {
      // math and mstyle accept every presentation attribute, inherited by their content.
      const own = ['math', 'mstyle'].includes(name) ? mathAll : sortedUnique(mathTables.own[name] ?? [])
      list = [...own, ...sortedUnique([...mathTables.global, ...globals]), ...globalEvents]
    }
    files.set(name, uniqueInOrder([...list, slash]))
  }
  const missing = el.all.filter((n) => !n.endsWith('/') && !files.has(n))
  if (missing.length) fail(`known elements without an attribute list: ${missing.join(', ')}`)

  const everywhere = lowerSet([...files.values()].flat())
  const booleans = []
  for (const info of Object.values(htmlSchema.property)) {
    if (info.boolean || info.overloadedBoolean) booleans.push(info.attribute)
  }
  const drop = lowerSet(tables.withoutValueDrop)
  const withoutValue = sortedUnique([
    ...booleans.filter((b) => everywhere.has(b.toLowerCase()) && !drop.has(b.toLowerCase())),
    ...tables.withoutValueExtra
  ])
  requireSubset(tables.withoutValueExtra, everywhere, 'value-less attributes no element has')

  return {
    files,
    globals,
    globalEvents,
    formEvents: sortedUnique(tables.formEvents),
    mediaEvents: sortedUnique(tables.mediaEvents),
    withoutValue
  }
}

function expand(tokens, sets, where) {
  const include = []
  const exclude = new Set()
  const resolve = (token, depth) => {
    if (depth > 4) fail(`${where}: content sets nest too deep at ${token}`)
    if (!token.startsWith('@')) return [token]
    const set = sets[token.slice(1)]
    if (!set) fail(`${where}: unknown content set ${token}`)
    return set.flatMap((t) => resolve(t, depth + 1))
  }
  for (const token of tokens) {
    if (token.startsWith('-')) {
      for (const n of resolve(token.slice(1), 0)) exclude.add(n.toLowerCase())
    } else if (token.startsWith('@')) {
      include.push(...resolve(token, 0).sort(compareNoCase))
    } else {
      include.push(token)
    }
  }
  return uniqueInOrder(include.filter((n) => !exclude.has(n.toLowerCase())))
}

export function buildLists(tables, el) {
  const between = new Map()
  for (const [name, tokens] of Object.entries(tables.between)) {
    if (!el.allSet.has(name.toLowerCase())) fail(`between list for unknown element ${name}`)
    const children = expand(tokens, tables.contentSets, `between ${name}`)
    requireSubset(children, el.all, `between list of ${name} names unknown elements`)
    if (!children.length) fail(`between list of ${name} is empty`)
    between.set(name, children.map((c) => snippetFor(c, el)))
  }

  const categories = new Map()
  const rowsFor = (items, where) => {
    const declarations = items.filter((i) => i.startsWith('<'))
    const names = items.filter((i) => !i.startsWith('<'))
    requireSubset(names, el.current.concat(['svg', 'math']), `${where} names elements that are not current`)
    return [...declarations, ...sortedUnique(names).map((n) => snippetFor(n, el))]
  }
  categories.set(tables.allCategory, rowsFor(el.current, tables.allCategory))
  for (const [file, items] of Object.entries(tables.categories)) {
    categories.set(file, rowsFor(items, file))
  }
  return { between, categories }
}

export function buildKnowledge(elementTables, attributeTables, valueTables) {
  const el = buildElements(elementTables)
  const attrs = buildAttributes(attributeTables, el)
  const lists = buildLists(elementTables, el)
  const values = buildValueFiles(valueTables, attrs.files, el)
  return { el, attrs, lists, values }
}
