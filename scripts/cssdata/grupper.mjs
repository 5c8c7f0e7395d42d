// The curated placing of every CSS property in one of the browser's 22
// groups. The data package groups properties by standards module; a
// module goes to the group a user would look in, and the few properties
// whose module says little about them are placed one by one.

export const grupper = [
  'Animation',
  'Background and Border',
  'Basic Box',
  'Basic User Interface',
  'Color',
  'Filter Effects',
  'Flexible Box Layout',
  'Font',
  'Generated Content for Paged Media',
  'Image values and Replaced Content',
  'Lists and Counters',
  'Marquee',
  'Masking',
  'Multi-column Layout',
  'Paged Media',
  'Speech',
  'Table',
  'Text',
  'Text Decoration',
  'Transform',
  'Transitions',
  'Writing Modes',
];

// Module -> group. A module missing here stops the generator, so a new
// module in a newer data package is placed by hand, never by chance.
export const moduler = {
  'CSS Animations': 'Animation',
  'Scroll-driven Animations': 'Animation',
  'CSS Backgrounds and Borders': 'Background and Border',
  'CSS Box Model': 'Basic Box',
  'CSS Box Sizing': 'Basic Box',
  'CSS Display': 'Basic Box',
  'CSS Positioned Layout': 'Basic Box',
  'CSS Anchor Positioning': 'Basic Box',
  'CSS Overflow': 'Basic Box',
  'CSS Containment': 'Basic Box',
  'CSS Conditional Rules': 'Basic Box',
  'CSS Cascading and Inheritance': 'Basic Box',
  'CSS Values and Units': 'Basic Box',
  'CSS Viewport': 'Basic Box',
  'CSS Will Change': 'Basic Box',
  'CSS Logical Properties and Values': 'Basic Box',
  'CSS Basic User Interface': 'Basic User Interface',
  'Pointer Events': 'Basic User Interface',
  'CSS Color': 'Color',
  'Filter Effects': 'Filter Effects',
  'Compositing and Blending': 'Filter Effects',
  'CSS Flexible Box Layout': 'Flexible Box Layout',
  'CSS Box Alignment': 'Flexible Box Layout',
  'CSS Grid Layout': 'Flexible Box Layout',
  'CSS Fonts': 'Font',
  'CSS Generated Content': 'Generated Content for Paged Media',
  'CSS Images': 'Image values and Replaced Content',
  'Scalable Vector Graphics': 'Image values and Replaced Content',
  'CSS Lists and Counters': 'Lists and Counters',
  // Scrolling content is what the marquee group was about.
  'CSS Scroll Snap': 'Marquee',
  'CSS Overscroll Behavior': 'Marquee',
  'CSS Scroll Anchoring': 'Marquee',
  'CSS Scrollbars Styling': 'Marquee',
  'CSS Masking': 'Masking',
  'CSS Shapes': 'Masking',
  'CSS Multi-column Layout': 'Multi-column Layout',
  'CSS Paged Media': 'Paged Media',
  'CSS Fragmentation': 'Paged Media',
  'CSS Speech': 'Speech',
  'CSS Table': 'Table',
  'CSS Text': 'Text',
  'CSS Inline': 'Text',
  'CSS Rhythmic Sizing': 'Text',
  'CSS Ruby': 'Text',
  'CSS Mobile Text Size Adjustment': 'Text',
  MathML: 'Text',
  'CSS Text Decoration': 'Text Decoration',
  'CSS Transforms': 'Transform',
  'Motion Path': 'Transform',
  'CSS Transitions': 'Transitions',
  'CSS View Transitions': 'Transitions',
  'CSS Writing Modes': 'Writing Modes',
};

// Properties placed by name before their module is asked.
export function gruppeEfterNavn(navn, moduler) {
  if (navn === 'column-gap') return 'Multi-column Layout';
  if (navn === 'background-blend-mode') return 'Background and Border';
  if (navn === 'scroll-behavior' || navn === 'overflow-anchor') return 'Marquee';
  if (/^(scroll-(margin|padding|snap)|overscroll-|scrollbar-)/.test(navn)) return 'Marquee';
  if (moduler.includes('CSS Logical Properties and Values') && navn.startsWith('border-'))
    return 'Background and Border';
  return null;
}

// The at-rules the browser lists among the properties of a group.
export const atRegler = {
  '@keyframes': 'Animation',
  '@font-face': 'Font',
  '@font-feature-values': 'Font',
  '@font-palette-values': 'Font',
  '@page': 'Paged Media',
  '@counter-style': 'Lists and Counters',
  '@view-transition': 'Transitions',
  '@starting-style': 'Transitions',
  '@position-try': 'Basic Box',
  '@container': 'Basic Box',
  '@media': 'Basic Box',
  '@supports': 'Basic Box',
  '@import': 'Basic Box',
  '@layer': 'Basic Box',
  '@namespace': 'Basic Box',
  '@property': 'Basic Box',
  '@scope': 'Basic Box',
};
