#include "css/csspreview.h"

#include "core/text/paths.h"
#include "core/text/textfile.h"

#include <QDir>

namespace taglund::CssPreview {

const TCssPreviewSide kontainer{QStringLiteral("cssDesign.css"), QStringLiteral("CSS kontainer")};
const TCssPreviewSide rulletekst{QStringLiteral("cssDesignRul.css"), QStringLiteral("CSS rulletekst")};
const TCssPreviewSide starwars{QStringLiteral("cssStarwars.css"), QStringLiteral("CSS Starwars")};
const TCssPreviewSide artikel{QStringLiteral("cssArtikelKolonne.css"), QStringLiteral("CSS Artikel")};

QString stilarkSti(const QString &programdir, const TCssPreviewSide &side)
{
    return joinPath(programdir, QStringLiteral("Struktur\\CSS\\tekstfiler\\Design og funktioner"), side.stilark);
}

bool gem(const QString &path, const QStringList &lines, QString *message)
{
    QString error;
    // The page and its design folder come with the structure; a missing
    // folder means the structure is not installed, and a sheet written
    // there would be shown by nothing.
    if (!QDir(folderOf(path)).exists())
        error = QStringLiteral("Mappen findes ikke.");
    else if (TextFile::writeLines(path, lines, &error))
        return true;
    if (message)
        *message = QStringLiteral("Preview-stylesheetet kunne ikke gemmes:\r") + normalSeparators(path) + u'\r' + error;
    return false;
}

} // namespace taglund::CssPreview
