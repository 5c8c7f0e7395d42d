// Taglund: functions of the information pages

// Shows or hides the element with the given id (the example pages' buttons).
function visSkjul(id) {
  var e = document.getElementById(id);
  if (!e) return;
  e.style.display = (e.style.display === "none") ? "" : "none";
}

// Copies the text of the element with the given id to the clipboard.
function kopierTekst(id) {
  var e = document.getElementById(id);
  if (!e) return;
  var tekst = e.textContent;
  if (navigator.clipboard && navigator.clipboard.writeText) {
    navigator.clipboard.writeText(tekst);
    return;
  }
  var felt = document.createElement("textarea");
  felt.value = tekst;
  document.body.appendChild(felt);
  felt.select();
  document.execCommand("copy");
  document.body.removeChild(felt);
}
