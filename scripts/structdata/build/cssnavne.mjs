// Descriptions of the CSS longhand families, made from their parts so the
// four sides, the logical sides and the corners read alike.
import { egenskaber } from '../kilder/css-egenskaber.mjs';

const SIDE = {
  top: 'i toppen',
  right: 'i højre side',
  bottom: 'i bunden',
  left: 'i venstre side',
  block: 'i blokretningen (top og bund ved vandret tekst)',
  'block-start': 'i starten af blokretningen (normalt toppen)',
  'block-end': 'i slutningen af blokretningen (normalt bunden)',
  inline: 'i linjeretningen (venstre og højre ved vandret tekst)',
  'inline-start': 'i starten af linjeretningen (normalt venstre)',
  'inline-end': 'i slutningen af linjeretningen (normalt højre)',
};
const SIDES = Object.keys(SIDE).join('|');
const both = (prefix, side) => (side === 'block' || side === 'inline' ? ` Kortform for ${prefix}-${side}-start og ${prefix}-${side}-end.` : '');

const SPACING = {
  margin: ['Den ydre afstand (margin)', '10px'],
  padding: ['Den indre afstand (padding) mellem indhold og ramme', '6px'],
  'scroll-margin': ['Rullemarginen, der bruges når elementet rulles på plads,', '20px'],
  'scroll-padding': ['Den indre afstand i rullebeholderen, der bruges når elementer rulles på plads,', '20px'],
};
const BORDER_PART = { width: ['Rammens bredde', '2px'], style: ['Rammens stil', 'dashed'], color: ['Rammens farve', '#808080'] };
const CORNER = { top: 'øverst', bottom: 'nederst', left: 'til venstre', right: 'til højre' };
const LOGICAL_CORNER = { start: 'start', end: 'slut' };
const SIZE = { width: 'bredde', height: 'højde', 'block-size': 'størrelse i blokretningen', 'inline-size': 'størrelse i linjeretningen' };
const AXIS = { x: 'vandret', y: 'lodret', block: 'i blokretningen', inline: 'i linjeretningen' };
const SYNTH = { weight: 'fed skrift', style: 'kursiv', 'small-caps': 'kapitæler', position: 'hævede og sænkede tegn' };

function corner(parts) {
  // corner-top-shape, corner-top-left-shape, corner-block-start-shape, corner-start-end-shape ...
  const p = parts.join('-');
  if (/^(top|bottom|left|right)$/.test(p)) return `de to hjørner ${CORNER[p]}`;
  if (/^(top|bottom)-(left|right)$/.test(p)) return `hjørnet ${CORNER[parts[0]]} ${CORNER[parts[1]]}`;
  if (/^(block|inline)-(start|end)$/.test(p)) return `de to hjørner ved ${parts[0] === 'block' ? 'blok' : 'linje'}${LOGICAL_CORNER[parts[1]]}`;
  if (/^(start|end)-(start|end)$/.test(p)) return `hjørnet ved blok${LOGICAL_CORNER[parts[0]]} og linje${LOGICAL_CORNER[parts[1]]}`;
  return null;
}

export function describe(name) {
  if (egenskaber[name]) return egenskaber[name];
  let m;
  if ((m = new RegExp(`^(margin|padding|scroll-margin|scroll-padding)-(${SIDES})$`).exec(name)))
    return [`${SPACING[m[1]][0]} ${SIDE[m[2]]}.${both(m[1], m[2])}`, SPACING[m[1]][1]];
  if ((m = new RegExp(`^inset-(${SIDES})$`).exec(name)))
    return [`Afstanden fra den omgivende blok ${SIDE[m[1]]} for et positioneret element.${both('inset', m[1])}`, '0'];
  if ((m = new RegExp(`^border-(${SIDES})$`).exec(name)))
    return [`Rammen ${SIDE[m[1]]}: bredde, stil og farve i én erklæring.`, '4px solid gray'];
  if ((m = new RegExp(`^border-(${SIDES})-(width|style|color)$`).exec(name)))
    return [`${BORDER_PART[m[2]][0]} ${SIDE[m[1]]}.${both('border', m[1]).replace(/(-start|-end)( |\.)/g, `$1-${m[2]}$2`)}`, BORDER_PART[m[2]][1]];
  if ((m = /^border-(block|inline)-(width|style|color)$/.exec(name)))
    return [`${BORDER_PART[m[2]][0]} ${SIDE[m[1]]}.`, BORDER_PART[m[2]][1]];
  if ((m = /^border-(top|bottom)-(left|right)-radius$/.exec(name)))
    return [`Rundingen af hjørnet ${CORNER[m[1]]} ${CORNER[m[2]]}.`, '8px'];
  if ((m = /^border-(start|end)-(start|end)-radius$/.exec(name)))
    return [`Rundingen af hjørnet ved blok${LOGICAL_CORNER[m[1]]} og linje${LOGICAL_CORNER[m[2]]}.`, '8px'];
  if ((m = /^corner-(.+)-shape$/.exec(name)) && corner(m[1].split('-')))
    return [`Eksperimentel: formen af ${corner(m[1].split('-'))}, når border-radius har rundet ${corner(m[1].split('-')).startsWith('de to') ? 'dem' : 'det'}.`, 'bevel'];
  if ((m = /^(max|min)-(width|height|block-size|inline-size)$/.exec(name)))
    return [`Den ${m[1] === 'max' ? 'største' : 'mindste'} ${SIZE[m[2]]}, elementet må have.`, m[1] === 'max' ? '600px' : '100px'];
  if ((m = /^contain-intrinsic-(width|height|block-size|inline-size)$/.exec(name)))
    return [`Den ${SIZE[m[1]]}, et element med størrelsesindeslutning bruges med, før indholdet er tegnet.`, '300px'];
  if ((m = /^overflow-(x|y|block|inline)$/.exec(name)))
    return [`Hvad der sker med indhold, der ikke kan være i boksen, ${AXIS[m[1]]}.`, 'auto'];
  if ((m = /^overscroll-behavior-(x|y|block|inline)$/.exec(name)))
    return [`Som overscroll-behavior, men kun ${AXIS[m[1]]}.`, 'contain'];
  if ((m = /^font-synthesis-(weight|style|small-caps|position)$/.exec(name)))
    return [`Om browseren må danne ${SYNTH[m[1]]}, når skriften mangler dem.`, 'none'];
  return null;
}
