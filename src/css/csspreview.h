#pragma once
#include <QString>
#include <QStringList>

namespace taglund {

// The previews: each tab writes its rule over a style sheet that a page of
// the information structure "CSS" links, then that page is shown.
struct TCssPreviewSide {
    QString stilark;  // file name in the structure's design folder
    QString entry;    // the entry of structure "CSS" whose page links it
};

namespace CssPreview {

extern const TCssPreviewSide kontainer;
extern const TCssPreviewSide rulletekst;
extern const TCssPreviewSide starwars;
extern const TCssPreviewSide artikel;

QString stilarkSti(const QString &programdir, const TCssPreviewSide &side);
// Writes the style sheet whole (Windows-1252, CR LF) or leaves the old one;
// false with a Danish message when it cannot be written.
bool gem(const QString &path, const QStringList &lines, QString *message);

} // namespace CssPreview

} // namespace taglund
