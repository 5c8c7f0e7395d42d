#include "html/knowledge.h"

#include "core/text/paths.h"
#include "core/text/textfile.h"

#include <QFileInfo>

namespace taglund {

namespace {

const TListFile kKategorier[kKategoriCount] = {
    {"_Koder.txt", "Alle koder"},
    {"_grundkoder.txt", "Grundkoder"},
    {"_audioVideo.txt", "Audio og video koder"},
    {"_billeder.txt", "Billedkoder"},
    {"_form.txt", "Formkoder"},
    {"_formatering.txt", "Formateringskoder"},
    {"_indhold.txt", "Strukturkoder"},
    {"_links.txt", "Linkkoder"},
    {"_lists.txt", "Listekoder"},
    {"_meta.txt", "Metakoder"},
    {"_programmering.txt", "Programmeringskoder"},
    {"_frames.txt", "Rammekoder"},
    {"_tables.txt", "Tabelkoder"},
    {"_tekst.txt", "Indholdskoder"},
};

const TListFile kGlobale[5] = {
    {"", ""},
    {"_globaleAttributter.txt", "Globale Attributter"},
    {"_globaleEvents.txt", "Globale events"},
    {"_formEvents.txt", "Form events"},
    {"_mediaEvents.txt", "Media events"},
};

const TListFile kNone = {"", ""};

bool isCapital(QChar c)
{
    return c >= u'A' && c <= u'Z';
}

} // namespace

TKnowledgeDirs TKnowledgeDirs::fromProgramDir(const QString &programdir)
{
    TKnowledgeDirs d;
    d.htmllistedir = joinPath(programdir, QStringLiteral("Dir\\Html\\"));
    d.attributedir = joinPath(programdir, QStringLiteral("Dir\\Attributes\\"));
    d.betweendir = joinPath(programdir, QStringLiteral("Dir\\Betweentags\\"));
    d.valuedir = joinPath(programdir, QStringLiteral("Dir\\Values\\"));
    return d;
}

bool isKategoriIndex(int index)
{
    return index >= 0 && index < kKategoriCount;
}

bool isGlobalIndex(int index)
{
    return index >= 1 && index <= 4;
}

const TListFile &kategoriFil(int index)
{
    return isKategoriIndex(index) ? kKategorier[index] : kNone;
}

const TListFile &globalFil(int index)
{
    return isGlobalIndex(index) ? kGlobale[index] : kNone;
}

namespace Knowledge {

QString listFile(const QString &folder, const QString &name)
{
    if (!isSafeFileName(name))
        return {};
    return joinPath(folder, name + QStringLiteral(".txt"));
}

bool readList(const QString &path, QStringList &lines)
{
    lines.clear();
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return false;
    if (!TextFile::readLines(path, lines)) {
        lines.clear();
        return false;
    }
    return true;
}

QString valueFile(const QString &valuedir, const QString &element, const QString &attribute)
{
    if (!isSafeFileName(attribute))
        return {};
    if (isSafeFileName(element)) {
        const QString specific = listFile(valuedir, attribute + u'_' + element);
        if (!specific.isEmpty() && QFileInfo(specific).isFile())
            return specific;
    }
    const QString general = listFile(valuedir, attribute);
    if (!general.isEmpty() && QFileInfo(general).isFile())
        return general;
    return {};
}

QString snippetName(const QString &snippet)
{
    if (snippet.size() <= 1)
        return {};
    const qsizetype gt = snippet.indexOf(u'>', 1);
    return gt < 0 ? snippet.mid(1) : snippet.mid(1, gt - 1);
}

QString snippetFor(const QString &tag, bool withoutEndTag)
{
    if (withoutEndTag)
        return u'<' + tag + u'>';
    return u'<' + tag + QStringLiteral("></") + tag + u'>';
}

bool isValueHeading(const QString &entry)
{
    return entry.size() >= 2 && isCapital(entry[0]) && isCapital(entry[1]);
}

bool isCustomElement(const QString &name)
{
    static const QStringList reserved = {
        QStringLiteral("annotation-xml"), QStringLiteral("color-profile"), QStringLiteral("font-face"),
        QStringLiteral("font-face-src"),  QStringLiteral("font-face-uri"), QStringLiteral("font-face-format"),
        QStringLiteral("font-face-name"), QStringLiteral("missing-glyph"),
    };
    if (name.isEmpty() || name[0] < u'a' || name[0] > u'z' || !name.contains(u'-') || reserved.contains(name))
        return false;
    for (QChar c : name) {
        const bool ascii = c.unicode() < 0x80;
        if (ascii && !((c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'-' || c == u'.' || c == u'_'))
            return false;
    }
    return true;
}

bool isDataAttribute(const QString &name)
{
    return name.size() > 5 && name.startsWith(QStringLiteral("data-"), Qt::CaseInsensitive);
}

} // namespace Knowledge
} // namespace taglund
