// Danish texts of the CSS units (the unit list comes from mdn-data):
// [kind, description, example declaration]. Percent is not in the package's
// list but is the unit the CSS lists name ("PROCENT"), so it is added here.

export const arter = {
  absolut: ['Absolutte længder', 'Faste længder, der ikke afhænger af noget andet. På skærmen er px den mest brugte.'],
  relativ: ['Relative længder', 'Længder, der regnes ud fra skriftstørrelsen eller vinduets størrelse, så layoutet følger med.'],
  vinkel: ['Vinkler', 'Enheder til drejninger i transform og farveforløb.'],
  tid: ['Tid', 'Enheder til varigheder og forsinkelser i animationer og overgange.'],
  frekvens: ['Frekvens', 'Enheder til lydfrekvenser.'],
  oploesning: ['Opløsning', 'Enheder til skærmens og billedets opløsning i medieforespørgsler og image-set().'],
  andet: ['Andre enheder', 'Enheder til gitterlayout og andre særlige formål.'],
};

export const enheder = {
  px: ['absolut', 'Pixel: 1/96 tomme. Den mest brugte enhed på skærmen.', 'width: 440px;'],
  cm: ['absolut', 'Centimeter. Bruges mest ved udskrift.', 'margin: 2cm;'],
  mm: ['absolut', 'Millimeter.', 'padding: 5mm;'],
  Q: ['absolut', 'Kvart millimeter (0,25 mm).', 'font-size: 16Q;'],
  in: ['absolut', 'Tomme: 2,54 cm eller 96px.', 'width: 2in;'],
  pt: ['absolut', 'Punkt: 1/72 tomme. Kendt fra tekstbehandling.', 'font-size: 12pt;'],
  pc: ['absolut', 'Pica: 12 punkt.', 'margin-left: 2pc;'],
  em: ['relativ', 'Elementets skriftstørrelse. 2em er det dobbelte af skriftstørrelsen.', 'text-indent: 2em;'],
  rem: ['relativ', 'Rodelementets skriftstørrelse (html). Uafhængig af skriftstørrelsen i elementerne omkring.', 'font-size: 1.2rem;'],
  ex: ['relativ', 'Højden af et lille x i skriften.', 'line-height: 3ex;'],
  ch: ['relativ', 'Bredden af tegnet 0 i skriften. Praktisk til felter af en bestemt tekstlængde.', 'width: 20ch;'],
  cap: ['relativ', 'Højden af de store bogstaver i skriften.', 'height: 2cap;'],
  ic: ['relativ', 'Bredden af et østasiatisk tegn i skriften.', 'width: 10ic;'],
  vw: ['relativ', 'En procent af vinduets bredde.', 'width: 50vw;'],
  vh: ['relativ', 'En procent af vinduets højde.', 'height: 100vh;'],
  vmin: ['relativ', 'En procent af vinduets mindste mål, bredde eller højde.', 'font-size: 5vmin;'],
  vmax: ['relativ', 'En procent af vinduets største mål, bredde eller højde.', 'width: 50vmax;'],
  procent: ['relativ', 'Procent (%) af en anden værdi, for eksempel den omgivende bloks bredde for width og margin, eller skriftstørrelsen for font-size.', 'width: 50%;'],
  deg: ['vinkel', 'Grader: en hel omgang er 360deg.', 'transform: rotate(45deg);'],
  grad: ['vinkel', 'Nygrader: en hel omgang er 400grad.', 'transform: rotate(100grad);'],
  rad: ['vinkel', 'Radianer: en hel omgang er cirka 6,2832rad.', 'transform: rotate(1.5708rad);'],
  turn: ['vinkel', 'Omgange: 1turn er en hel omgang.', 'transform: rotate(0.25turn);'],
  s: ['tid', 'Sekunder.', 'animation-duration: 16s;'],
  ms: ['tid', 'Millisekunder: 1000ms er ét sekund.', 'transition-duration: 300ms;'],
  Hz: ['frekvens', 'Hertz: svingninger i sekundet.', 'pitch: 200Hz;'],
  kHz: ['frekvens', 'Kilohertz: 1000 Hz.', 'pitch: 1kHz;'],
  dpi: ['oploesning', 'Punkter pr. tomme.', '@media (min-resolution: 192dpi) { }'],
  dpcm: ['oploesning', 'Punkter pr. centimeter.', '@media (min-resolution: 76dpcm) { }'],
  dppx: ['oploesning', 'Punkter pr. CSS-pixel. 2dppx svarer til en skærm med dobbelt tæthed.', '@media (min-resolution: 2dppx) { }'],
  x: ['oploesning', 'Samme som dppx; bruges i image-set() og srcset.', 'background-image: image-set("lille.png" 1x, "stor.png" 2x);'],
  fr: ['andet', 'En brøkdel af den ledige plads i et gitterlayout.', 'grid-template-columns: 1fr 2fr;'],
};
