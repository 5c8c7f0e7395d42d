// The style sheets the CSS box writes when it previews; these are the ones
// shipped before the first preview, made from the boxes' default settings.

export const stylesheets = {
  'cssDesign.css': `.kontainer{
margin: 2px 2px 2px 2px;
padding: 2px 2px 2px 2px;
}
`,
  'cssDesignRul.css': `div.rulleBoks{
width: 400px;
margin: 2px;
padding-top: 5px;
padding-bottom: 5px;
background-color: #FFFFFF;
overflow: hidden;
}
div.rulleElement{
position: relative;
animation-name: moveTekst;
width: 220px;
font-size: 14px;
color: #0000FF;
padding: 4px;
background-color: #FFFFFF;
border: 1px solid #000000;
animation-duration: 16s;
animation-iteration-count: infinite;
animation-timing-function: linear;
}
@keyframes moveTekst{
0%{left: 400px;}
100%{left: -220px;}
}
`,
  'cssStarwars.css': `div#animationBox{
width: 150px;
height: 150px;
margin-left: 20px;
perspective: 300px;
perspective-origin: 65% 7%;
}
div#animationBox div.boks{
width: 208px;
height: 150px;
border-top: 4px solid black;
border-right: 4px solid gray;
border-bottom: 12px solid silver;
border-left: 4px solid gray;
padding: 4px;
background-color: #224466;
transform: rotateX(35deg);
overflow: hidden
}
div#animationBox div.boks div.rul{
position: relative;
font-size: 20px;
color: #FFFFFF;
text-align: center;
animation-name: rulTekst;
animation-duration: 12s;
animation-iteration-count: infinite;
animation-timing-function: linear;
}
@keyframes rulTekst{
0%{top: 140px;}
100%{top: -160px;}
}
`,
  'cssArtikelKolonne.css': `div.kolonneKontainer{
column-count: 2;
column-gap: 12px;
column-rule-style: solid;
column-rule-color: #C0C0C0;
column-rule-width: 2px;
}
div.kolonneOverskrift{
font-size: 16px;
font-weight: bold;
color: #000080;
text-align: center;
margin-bottom: 6px;
background-color: #FFFFFF;
column-span: all;
}
div.artikelIndhold{
}
`,
};
