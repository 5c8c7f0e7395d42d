#include "structures/strukturside.h"

#include "core/text/cp1252.h"
#include "core/text/textfile.h"

namespace taglund::StrukturSide {

QString escapeHtml(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (char32_t c : text.toUcs4()) {
        switch (c) {
        case U'<': out += QStringLiteral("&lt;"); break;
        case U'>': out += QStringLiteral("&gt;"); break;
        case U'&': out += QStringLiteral("&amp;"); break;
        case U'"': out += QStringLiteral("&quot;"); break;
        default:
            if (Cp1252::byteFor(c) < 0)
                out += QStringLiteral("&#%1;").arg(uint(c));
            else
                out += QString::fromUcs4(&c, 1);
        }
    }
    return out;
}

QStringList pageLines(const QString &title)
{
    const QString t = escapeHtml(oneLine(title));
    return {
        QStringLiteral("<!DOCTYPE html>"),
        QStringLiteral("<html>"),
        QStringLiteral("<head>"),
        QStringLiteral("<title>") + t + QStringLiteral("</title>"),
        QStringLiteral("<meta http-equiv=\"content-type\" content=\"text/html; charset=windows-1252\">"),
        QStringLiteral("<meta http-equiv=\"X-UA-Compatible\" content=\"IE=11\">"),
        QStringLiteral("<link rel=\"stylesheet\" type=\"text/css\" href=\"Design og funktioner/design.css\">"),
        QStringLiteral("<script type=\"text/javascript\" src=\"Design og funktioner/funktioner.js\"></script>"),
        QStringLiteral("</head>"),
        QStringLiteral("<body>"),
        QStringLiteral("<div class=\"spalteUb1\" style=\"width: 500px;\">"),
        QStringLiteral("<div class=\"overskrift\">") + t + QStringLiteral("</div>"),
        QString(),
        QStringLiteral("</div>"),
        QStringLiteral("</body>"),
        QStringLiteral("</html>"),
    };
}

bool writePage(const QString &path, const QString &title, QString *error)
{
    return TextFile::writeLines(path, pageLines(title), error);
}

QString oneLine(const QString &text)
{
    QString s = text;
    s.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    s.replace(u'\r', u' ');
    s.replace(u'\n', u' ');
    return s;
}

QString nameProblem(const QString &name, NameKind kind)
{
    if (name.isEmpty())
        return {};
    auto refuse = [&](const QString &why) {
        return QStringLiteral("Navnet \"%1\" kan ikke bruges.\r%2").arg(name, why);
    };
    if (name.trimmed().isEmpty() || name.front().isSpace() || name.back().isSpace())
        return refuse(QStringLiteral("Et navn må ikke begynde eller slutte med mellemrum."));
    for (QChar c : name)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return refuse(QStringLiteral("Et navn må ikke indeholde styretegn."));
    if (name.contains(u'/') || name.contains(u'\\'))
        return refuse(QStringLiteral("Et navn må ikke indeholde / eller \\."));
    if (name.contains(QStringLiteral("..")) || name == QStringLiteral("."))
        return refuse(QStringLiteral("Et navn må ikke indeholde \"..\"."));
    // Structures are shared with Windows, where these cannot stand in a file name.
    for (QChar c : QStringLiteral(":*?\"<>|"))
        if (name.contains(c))
            return refuse(QStringLiteral("Et navn må ikke indeholde tegnene : * ? \" < > |"));
    if (name.endsWith(u'.'))
        return refuse(QStringLiteral("Et navn må ikke slutte med punktum."));
    // A structure with an extension is not listed as one.
    if (kind == NameKind::Structure && name.contains(u'.'))
        return refuse(QStringLiteral("Et strukturnavn må ikke indeholde punktum."));
    // The data file holds the page name in Windows-1252; anything else would
    // come back as "?" and no longer name the page.
    if (!Cp1252::canEncode(name))
        return refuse(QStringLiteral("Navnet indeholder tegn, som strukturens filer ikke kan gemme."));
    return {};
}

} // namespace taglund::StrukturSide
