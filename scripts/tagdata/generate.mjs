// Regenerates the HTML tag knowledge below data/Program/Dir (Html, Attributes,
// Betweentags, Values) and data/LICENSES-data.md.
//   cd scripts && npm ci && node tagdata/generate.mjs
// Deterministic: a second run changes nothing.
import fs from 'node:fs'
import path from 'node:path'
import { fileURLToPath } from 'node:url'
import { ListWriter } from './listfiles.mjs'
import { buildKnowledge } from './knowledge.mjs'

const here = path.dirname(fileURLToPath(import.meta.url))
const scriptsDir = path.resolve(here, '..')
const repoDir = path.resolve(scriptsDir, '..')
const knowledgeDir = path.join(repoDir, 'data', 'Program', 'Dir')

const readJson = (file) => JSON.parse(fs.readFileSync(file, 'utf8'))

function licenceText(pkgDir) {
  const file = fs.readdirSync(pkgDir).filter((f) => /^(licen[cs]e|copying)/i.test(f)).sort()[0]
  if (!file) return { file: null, text: '', line: null }
  const text = fs.readFileSync(path.join(pkgDir, file), 'utf8').replace(/\r\n/g, '\n').trim()
  const line = text.split('\n').find((l) => /^\s*copyright\s+(\(c\)|\u00a9|\d)/i.test(l))
  return { file, text, line: line ? line.trim() : null }
}

function writeLicences() {
  const manifest = readJson(path.join(scriptsDir, 'package.json'))
  const rows = []
  for (const name of Object.keys(manifest.dependencies).sort()) {
    const dir = path.join(scriptsDir, 'node_modules', name)
    const pkg = readJson(path.join(dir, 'package.json'))
    const { file, text, line } = licenceText(dir)
    // MIT asks for its notice to travel with the data; CC0 asks for nothing.
    const full = pkg.license === 'MIT' && text ? `\n\`\`\`text\n${text}\n\`\`\`\n` : ''
    rows.push(
      `## ${name} ${pkg.version}\n\n` +
      `- Licence: ${pkg.license}${file ? ` (text in the package's \`${file}\`)` : ''}\n` +
      `- Copyright: ${line ?? 'none stated; the licence text waives copyright'}\n` + full
    )
  }
  const text =
    '# Licences of the data packages\n\n' +
    'The installation data below `data/Program` is partly generated from these npm packages,\n' +
    'pinned in `scripts/package.json` and `scripts/package-lock.json`. The generated lists\n' +
    'are derived works of them; their licences ask that the notices below travel with them.\n\n' +
    rows.join('\n')
  const target = path.join(repoDir, 'data', 'LICENSES-data.md')
  if (!fs.existsSync(target) || fs.readFileSync(target, 'utf8') !== text) {
    fs.writeFileSync(target + '.tmp', text)
    fs.renameSync(target + '.tmp', target)
  }
}

function main() {
  const tables = (file) => readJson(path.join(here, file))
  const { el, attrs, lists, values } = buildKnowledge(
    tables('elements.json'), tables('attributes.json'), tables('values.json'))

  const out = new ListWriter(knowledgeDir)
  out.add('Html', 'UdenSlutkode.txt', el.withoutEnd)
  out.add('Html', 'MedSlutkode.txt', el.withEnd)
  out.add('Html', 'AlleKoder.txt', el.all)
  out.add('Html', 'Ekskluderet.txt', el.excluded)
  for (const [file, rows] of lists.categories) out.add('Html', file, rows)

  out.add('Attributes', '_undtagelser.txt', attrs.withoutValue)
  out.add('Attributes', '_globaleAttributter.txt', attrs.globals)
  out.add('Attributes', '_globaleEvents.txt', attrs.globalEvents)
  out.add('Attributes', '_formEvents.txt', attrs.formEvents)
  out.add('Attributes', '_mediaEvents.txt', attrs.mediaEvents)
  for (const [name, list] of attrs.files) out.add('Attributes', `${name}.txt`, list)

  for (const [name, rows] of lists.between) out.add('Betweentags', `${name}.txt`, rows)
  for (const [file, rows] of values) out.add('Values', file, rows)

  const { written, removed } = out.commit()
  writeLicences()
  console.log(
    `tagdata: ${el.all.length} known names, ${attrs.files.size} attribute lists, ` +
    `${lists.between.size} between lists, ${values.size} value lists; ` +
    `${written} files written, ${removed} removed`)
}

try {
  main()
} catch (err) {
  console.error(`tagdata: ${err.message}`)
  process.exit(1)
}
