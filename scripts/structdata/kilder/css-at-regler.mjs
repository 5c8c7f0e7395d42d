// Danish texts of the CSS at-rules (the list comes from mdn-data):
// [description, example].

export const atRegler = {
  '@charset': ['Angiver tegnsættet i et eksternt stylesheet. Skal stå allerførst i filen.', '@charset "utf-8";'],
  '@counter-style': ['Definerer en ny type listepunkter eller nummerering, der kan bruges med list-style-type.', '@counter-style pile {\n  system: cyclic;\n  symbols: "»";\n  suffix: " ";\n}'],
  '@container': ['Regler der kun gælder, når en beholder (container-type) har en bestemt størrelse.', '@container (min-width: 400px) {\n  .kort { display: flex; }\n}'],
  '@document': ['Forældet: regler der kun gjaldt bestemte adresser.', '@document url(https://www.eksempel.dk/) {\n  h1 { color: green; }\n}'],
  '@font-face': ['Henter en skrifttype fra en fil, så den kan bruges med font-family.', '@font-face {\n  font-family: "MinSkrift";\n  src: url(minskrift.woff2) format("woff2");\n}'],
  '@font-feature-values': ['Giver navne til alternative tegn i en skrift, som font-variant-alternates kan bruge.', '@font-feature-values MinSkrift {\n  @swash { sving: 1; }\n}'],
  '@font-palette-values': ['Definerer en farvepalet til en farveskrift, som font-palette kan bruge.', '@font-palette-values --moerk {\n  font-family: "Farveskrift";\n  base-palette: 1;\n}'],
  '@import': ['Henter et andet stylesheet ind. Skal stå før alle andre regler.', '@import url("tekst.css") screen;'],
  '@keyframes': ['Definerer trinene i en animation: værdierne fra 0% (from) til 100% (to). Animationen bruges med animation-name.', '@keyframes moveTekst {\n  0% { left: 400px; }\n  100% { left: -220px; }\n}'],
  '@layer': ['Definerer kaskadelag, så regler i senere lag vinder over regler i tidligere lag uanset vægt.', '@layer grund, tema;\n@layer tema {\n  p { color: navy; }\n}'],
  '@media': ['Regler der kun gælder for bestemte medier eller skærmstørrelser (medieforespørgsler).', '@media (max-width: 600px) {\n  nav { display: none; }\n}'],
  '@namespace': ['Angiver et XML-navnerum, som selektorerne i stylesheetet bruger.', '@namespace svg url(http://www.w3.org/2000/svg);'],
  '@page': ['Marginer og størrelse på siderne ved udskrift.', '@page {\n  size: A4;\n  margin: 2cm;\n}'],
  '@position-try': ['Definerer en anden placering, som et forankret element kan prøve, hvis det ikke har plads.', '@position-try --under {\n  position-area: bottom;\n}'],
  '@property': ['Registrerer en CSS-variabel med type og startværdi, så den kan animeres.', '@property --vinkel {\n  syntax: "<angle>";\n  inherits: false;\n  initial-value: 0deg;\n}'],
  '@scope': ['Regler der kun gælder inden for en bestemt del af dokumentet.', '@scope (.kort) {\n  img { border: 1px solid gray; }\n}'],
  '@starting-style': ['Startværdier for en overgang, når et element vises første gang.', '@starting-style {\n  dialog[open] { opacity: 0; }\n}'],
  '@supports': ['Regler der kun gælder, hvis browseren understøtter en bestemt egenskab og værdi.', '@supports (display: grid) {\n  main { display: grid; }\n}'],
  '@view-transition': ['Slår visningsovergange til mellem sider på samme websted.', '@view-transition {\n  navigation: auto;\n}'],
};
