// An information page: the head of the constructor's page template (so a
// page written here and one written by the program look and link alike),
// then the body lines inside the template's column.
import { esc, cp1252Safe } from './html.mjs';

export const DESIGN_FOLDER = 'Design og funktioner';

export function pageLines(title, bodyLines, extraStylesheets = []) {
  const t = esc(title);
  return [
    '<!DOCTYPE html>',
    '<html lang="da">',
    '<head>',
    `<title>${t}</title>`,
    '<meta http-equiv="content-type" content="text/html; charset=windows-1252">',
    '<meta http-equiv="X-UA-Compatible" content="IE=11">',
    `<link rel="stylesheet" type="text/css" href="${DESIGN_FOLDER}/design.css">`,
    ...extraStylesheets.map((f) => `<link rel="stylesheet" type="text/css" href="${DESIGN_FOLDER}/${f}">`),
    `<script type="text/javascript" src="${DESIGN_FOLDER}/funktioner.js"></script>`,
    '</head>',
    '<body>',
    '<div class="spalteUb1" style="width: 500px;">',
    `<div class="overskrift">${t}</div>`,
    ...bodyLines.map(cp1252Safe),
    '</div>',
    '</body>',
    '</html>',
  ];
}
