#pragma once
#include <QString>

class QWidget;

namespace taglund {

class TDocText;

enum class OrdKorrektion { IngenTekst, Uaendret, Rettet };

// Gives the words of the document's selection the letter case they have in
// the named information structure's tree. The caret goes back to where the
// selection started, with nothing selected, once something was replaced.
OrdKorrektion korrigerOrd(TDocText &doc, const QString &infodir, const QString &structureName,
                          int *replaced = nullptr);

// The toolbar command: as korrigerOrd, telling the user when nothing is selected.
void korrigerOrdKommando(QWidget *parent, TDocText &doc, const QString &infodir, const QString &structureName);

} // namespace taglund
