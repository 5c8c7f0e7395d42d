// One information structure: its tree, one page per page name, the design
// folder and the images folder, written as the store and the viewer read them.
import fs from 'node:fs';
import path from 'node:path';
import { Node, flatten, treeLines, dataLines, findNode } from './tree.mjs';
import { PageNames } from './names.mjs';
import { pageLines, DESIGN_FOLDER } from './page.mjs';
import { writeLines, writeText, writeEmpty, removeTree } from './writer.mjs';

const KILDER = new URL('../kilder/', import.meta.url);
export const designCss = () => fs.readFileSync(new URL('design.css', KILDER), 'utf8');
export const funktionerJs = () => fs.readFileSync(new URL('funktioner.js', KILDER), 'utf8');

export class InfoStructure {
  constructor(name) {
    this.name = name;
    this.roots = [];
    this.names = new PageNames();
    this.pages = new Map(); // page name -> { title, body, stylesheets }
    this.designFiles = new Map(); // extra files in the design folder
    this.images = new Map(); // file name -> text
  }

  // body: lines, or a function (resolve) => lines, called once every entry exists.
  // opts.page names a page another entry already has (several entries may share one).
  entry(parent, text, icon, body, opts = {}) {
    let page = opts.page;
    if (page === undefined) {
      page = opts.pageName ? this.names.reserve(opts.pageName) : this.names.allocate(opts.wanted ?? text);
      this.pages.set(page, { title: opts.title ?? text, body, stylesheets: opts.stylesheets ?? [] });
    } else if (!this.pages.has(page)) {
      throw new Error(`${this.name}: siden "${page}" findes ikke`);
    }
    const node = new Node(text, icon, page);
    if (parent) parent.add(node);
    else this.roots.push(node);
    return node;
  }

  find(text) {
    return findNode(this.roots, text);
  }

  // The page an entry text opens in the viewer; a link to a missing entry is a
  // fault of the sources, so it stops the generator.
  resolve = (text) => {
    const node = this.find(text);
    if (!node) throw new Error(`${this.name}: link til ukendt element "${text}"`);
    return node.payload;
  };

  write(programDir) {
    const dir = path.join(programDir, 'Struktur', this.name);
    removeTree(dir);
    const used = new Set(flatten(this.roots).map(({ node }) => node.payload));
    for (const p of this.pages.keys())
      if (!used.has(p)) throw new Error(`${this.name}: siden "${p}" bruges ikke af noget element`);
    writeLines(path.join(dir, 'struktur.txt'), treeLines(this.roots));
    writeLines(path.join(dir, 'data.txt'), dataLines(this.roots));
    const pagesDir = path.join(dir, 'tekstfiler');
    for (const [page, { title, body, stylesheets }] of this.pages) {
      const lines = typeof body === 'function' ? body(this.resolve) : body;
      writeLines(path.join(pagesDir, page + '.html'), pageLines(title, lines, stylesheets));
    }
    const design = path.join(pagesDir, DESIGN_FOLDER);
    writeText(path.join(design, 'design.css'), designCss());
    writeText(path.join(design, 'funktioner.js'), funktionerJs());
    for (const [file, text] of this.designFiles) writeText(path.join(design, file), text);
    const images = path.join(dir, 'Billeder');
    if (this.images.size === 0) writeEmpty(path.join(images, '.gitkeep'));
    for (const [file, text] of this.images) writeText(path.join(images, file), text);
    return flatten(this.roots).length;
  }
}
