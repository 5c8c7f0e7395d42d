#include "filebox/grundfunktioner.h"

#include "ui/questions.h"

#include <QFileInfo>

namespace taglund {

TGrundfunktioner::TGrundfunktioner(QObject *parent) : TMakeStrukturer(parent) {}

void TGrundfunktioner::udfoldFilDirectory()
{
    const int i = Struktur2 ? Struktur2->selected() : -1;
    if (i < 0)
        return;
    const StrukturRec r = Struktur2->rec(i);
    if (!r.erMappe()) {
        if (QFileInfo::exists(r.filnavn)) {
            Filnavn = r.filnavn;
            raiseDirectoryChange();
        }
        return;
    }
    if (!QFileInfo(r.mappe).isDir()) {
        ui::showInfo(nullptr, QStringLiteral("Mappen eller drevet eksisterer ikke.\rStrukturene vil blive genindlæst."));
        makeStruktur2(foersteDrev(), false, true);
        return;
    }
    makeStruktur2(r.mappe, true, true);
}

void TGrundfunktioner::infoStruktur2()
{
    const int i = Struktur2 ? Struktur2->selected() : -1;
    if (i < 0) {
        Bibmappe = Grundmappe;
        Filnavn.clear();
    } else if (const StrukturRec r = Struktur2->rec(i); r.erMappe()) {
        Filnavn.clear();
        Bibmappe = r.mappe;
    } else {
        Bibmappe = Grundmappe;
        Filnavn = r.filnavn;
    }
    raiseDirectoryChange();
}

void TGrundfunktioner::selectFile(const QString &aFilename)
{
    if (!Struktur2)
        return;
    for (int i = 0; i < Struktur2->count(); ++i) {
        const bool match = !aFilename.isEmpty() && Struktur2->rec(i).filnavn == aFilename;
        Struktur2->setSelected(i, match);
        if (match) {
            Struktur2->setCurrent(i);
            Filnavn = aFilename;
        }
    }
}

bool TGrundfunktioner::canCopy() const
{
    const int i = Struktur2 ? Struktur2->selected() : -1;
    return i >= 0 && Struktur2->rec(i).ID < 5;
}

bool TGrundfunktioner::canDoIt() const
{
    return canCopy();
}

void TGrundfunktioner::editSelected()
{
    const int i = Struktur2 ? Struktur2->selected() : -1;
    if (i < 0) {
        ui::showInfo(nullptr, QStringLiteral("Der er ikke valgt element,\rder skal omdøbes."));
        return;
    }
    Struktur2->startEdit(i);
}

bool TGrundfunktioner::erValgteEtBillede() const
{
    return !Filnavn.isEmpty() && erDetEnBilledfil(extOf(Filnavn));
}

} // namespace taglund
