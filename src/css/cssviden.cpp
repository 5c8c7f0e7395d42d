#include "css/cssviden.h"

#include "core/text/paths.h"
#include "core/text/textfile.h"

namespace taglund {

const QStringList &TCssViden::grupper()
{
    static const QStringList g = {
        QStringLiteral("Animation"),
        QStringLiteral("Background and Border"),
        QStringLiteral("Basic Box"),
        QStringLiteral("Basic User Interface"),
        QStringLiteral("Color"),
        QStringLiteral("Filter Effects"),
        QStringLiteral("Flexible Box Layout"),
        QStringLiteral("Font"),
        QStringLiteral("Generated Content for Paged Media"),
        QStringLiteral("Image values and Replaced Content"),
        QStringLiteral("Lists and Counters"),
        QStringLiteral("Marquee"),
        QStringLiteral("Masking"),
        QStringLiteral("Multi-column Layout"),
        QStringLiteral("Paged Media"),
        QStringLiteral("Speech"),
        QStringLiteral("Table"),
        QStringLiteral("Text"),
        QStringLiteral("Text Decoration"),
        QStringLiteral("Transform"),
        QStringLiteral("Transitions"),
        QStringLiteral("Writing Modes"),
    };
    return g;
}

bool TCssViden::sikkertNavn(const QString &navn)
{
    return isSafeFileName(navn) && !navn.contains(QStringLiteral(".."));
}

QString TCssViden::egenskabsFil(const QString &gruppe) const
{
    if (!sikkertNavn(gruppe))
        return QString();
    return joinPath(m_programdir, QStringLiteral("CSS/"), QStringLiteral("Properties/"), gruppe + QStringLiteral(".txt"));
}

QString TCssViden::vaerdiFil(const QString &gruppe, const QString &egenskab) const
{
    if (!sikkertNavn(gruppe) || !sikkertNavn(egenskab))
        return QString();
    return joinPath(m_programdir, QStringLiteral("CSS/"), QStringLiteral("Values/"), gruppe,
                    egenskab + QStringLiteral(".txt"));
}

QString TCssViden::opslagsFil() const
{
    return joinPath(m_programdir, QStringLiteral("Dir\\alleCssProp.txt"));
}

namespace {
QStringList laes(const QString &path)
{
    QStringList lines;
    if (path.isEmpty() || !TextFile::readLines(path, lines))
        return {};
    return lines;
}
} // namespace

QStringList TCssViden::egenskaber(const QString &gruppe) const
{
    return laes(egenskabsFil(gruppe));
}

QStringList TCssViden::vaerdier(const QString &gruppe, const QString &egenskab) const
{
    return laes(vaerdiFil(gruppe, egenskab));
}

std::optional<QString> TCssViden::gruppeFor(const QString &egenskab) const
{
    const QStringList lines = laes(opslagsFil());
    // Only the property lines of the pairs: "font" must not stop at the
    // group line "Font" of the property before it.
    for (qsizetype i = 0; i < lines.size(); i += 2) {
        if (lines[i].compare(egenskab, Qt::CaseInsensitive) == 0) {
            if (i + 1 < lines.size())
                return lines[i + 1];
            return std::nullopt;
        }
    }
    return std::nullopt;
}

QString TCssViden::henvisning(const QString &vaerdi)
{
    return vaerdi.mid(3);
}

TCssVaerdiArt TCssViden::art(const QString &vaerdi, const QStringList &egenskaber)
{
    if (vaerdi == u"LENGTH" || vaerdi == u"PROCENT")
        return TCssVaerdiArt::Enhed;
    if (vaerdi == u"COLOR")
        return TCssVaerdiArt::Farve;
    if (!vaerdi.isEmpty() && (vaerdi[0] == u':' || (vaerdi[0] >= u'A' && vaerdi[0] <= u'Z')))
        return TCssVaerdiArt::Overskrift;
    // "0.5" has a dot second too: it is a value unless such a property exists.
    if (vaerdi.size() > 3 && vaerdi[1] == u'.' && egenskaber.contains(henvisning(vaerdi)))
        return TCssVaerdiArt::Henvisning;
    return TCssVaerdiArt::Vaerdi;
}

} // namespace taglund
