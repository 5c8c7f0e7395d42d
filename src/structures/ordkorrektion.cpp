#include "structures/ordkorrektion.h"

#include "core/text/doctext.h"
#include "structures/struktur.h"
#include "structures/strukturlib.h"
#include "ui/questions.h"

namespace taglund {

OrdKorrektion korrigerOrd(TDocText &doc, const QString &infodir, const QString &structureName, int *replaced)
{
    if (replaced)
        *replaced = 0;
    if (doc.SelLength() == 0)
        return OrdKorrektion::IngenTekst;
    TStruktur tree;
    if (StrukturLib::setupInformation(tree, infodir, structureName, false))
        tree.HentStruktur();
    const int caret = doc.SelStart();
    int count = 0;
    const QString corrected = StrukturLib::correctCase(doc.SelText(), tree.tree(), &count);
    if (replaced)
        *replaced = count;
    if (count == 0)
        return OrdKorrektion::Uaendret;
    doc.setSelText(corrected);
    doc.setSelStart(caret);
    doc.setSelLength(0);
    return OrdKorrektion::Rettet;
}

void korrigerOrdKommando(QWidget *parent, TDocText &doc, const QString &infodir, const QString &structureName)
{
    if (korrigerOrd(doc, infodir, structureName) == OrdKorrektion::IngenTekst)
        ui::showInfo(parent, QStringLiteral("Der skal vælges en tekst!"));
}

} // namespace taglund
