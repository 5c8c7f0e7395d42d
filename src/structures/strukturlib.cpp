#include "structures/strukturlib.h"

#include "core/text/paths.h"
#include "core/text/textfile.h"
#include "structures/struktur.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <algorithm>

namespace taglund::StrukturLib {

QString informationFolder(const QString &programdir)
{
    return joinPath(programdir, QStringLiteral("Struktur"));
}

QString objectFolder(const QString &programdir)
{
    return joinPath(programdir, QStringLiteral("Script"));
}

bool isValidName(const QString &name)
{
    return isSafeFileName(name) && !name.contains(QStringLiteral(".."));
}

QString invalidNameMessage(const QString &name)
{
    return QStringLiteral("Navnet \"%1\" kan ikke bruges.\rEt navn må ikke være tomt og må ikke indeholde "
                          "/ \\ : .. eller styretegn.")
        .arg(name);
}

QString baseName(const QString &name)
{
    QString n = fileNameOf(name);
    const qsizetype dot = n.lastIndexOf(u'.');
    if (dot > 0)
        n.truncate(dot);
    return n;
}

InfoPaths informationPaths(const QString &infodir, const QString &name)
{
    InfoPaths p;
    p.folder = joinPath(infodir, baseName(name));
    p.strukturfile = joinPath(p.folder, QStringLiteral("struktur.txt"));
    p.datafile = joinPath(p.folder, QStringLiteral("data.txt"));
    p.mappe = joinPath(p.folder, QStringLiteral("tekstfiler"));
    p.infomappe = withTrailingSeparator(p.mappe);
    p.htmlmappe = withTrailingSeparator(joinPath(p.infomappe, QStringLiteral("Design og funktioner")));
    p.billedmappe = withTrailingSeparator(joinPath(p.folder, QStringLiteral("Billeder")));
    return p;
}

bool setupInformation(TStruktur &s, const QString &infodir, const QString &name, bool dataOn)
{
    if (!isValidName(name) || !isValidName(baseName(name)))
        return false;
    const InfoPaths p = informationPaths(infodir, name);
    s.Strukturfile = p.strukturfile;
    s.Datafile = p.datafile;
    s.Infomappe = p.infomappe;
    s.Htmlmappe = p.htmlmappe;
    s.Billedmappe = p.billedmappe;
    s.DataOn = dataOn;
    return true;
}

QString objectTreeFile(const QString &scriptdir, const QString &name)
{
    return joinPath(scriptdir, name + QStringLiteral("Struktur.txt"));
}

QString objectDataFile(const QString &scriptdir, const QString &name)
{
    return joinPath(scriptdir, name + QStringLiteral("Data.txt"));
}

bool setupObject(TStruktur &s, const QString &scriptdir, const QString &name)
{
    if (!isValidName(name))
        return false;
    s.Strukturfile = objectTreeFile(scriptdir, name);
    s.Datafile = objectDataFile(scriptdir, name);
    s.Infomappe.clear();
    s.Htmlmappe.clear();
    s.Billedmappe.clear();
    s.DataOn = true;
    return true;
}

QStringList informationStructures(const QString &infodir)
{
    QStringList out;
    const QFileInfoList entries =
        QDir(infodir).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &fi : entries)
        if (!fi.fileName().contains(u'.'))
            out << fi.fileName();
    return out;
}

const QStringList &builtinInformationNames()
{
    static const QStringList names{QStringLiteral("CSS"),         QStringLiteral("Html5"),
                                   QStringLiteral("ASP"),         QStringLiteral("JavaScript"),
                                   QStringLiteral("Information"), QStringLiteral("VBS"),
                                   QStringLiteral("Eksempler")};
    return names;
}

bool isBuiltinInformation(const QString &name)
{
    return builtinInformationNames().contains(name, Qt::CaseInsensitive);
}

QString protectionReason(const QString &name)
{
    static const QList<QPair<QString, QString>> reasons{
        {QStringLiteral("CSS"), QStringLiteral("Den anvendes til CSS information.")},
        {QStringLiteral("Eksempler"), QStringLiteral("Den anvendes til komponenteksempler.")},
        {QStringLiteral("Information"), QStringLiteral("Den anvendes til HTML information.")},
        {QStringLiteral("JavaScript"), QStringLiteral("Den anvendes til JavaScript information.")},
        {QStringLiteral("Programmet"), QStringLiteral("Den anvendes til program information.")},
    };
    for (const auto &r : reasons)
        if (r.first.compare(name, Qt::CaseInsensitive) == 0)
            return r.second;
    return {};
}

QString builtinListFile(const QString &scriptdir)
{
    return joinPath(scriptdir, QStringLiteral("_strukturliste.txt"));
}

QString userListFile(const QString &scriptdir)
{
    return joinPath(scriptdir, QStringLiteral("_newStrukturliste.txt"));
}

namespace {
QStringList readNames(const QString &path)
{
    QStringList lines;
    if (!QFileInfo(path).isFile() || !TextFile::readLines(path, lines))
        return {};
    QStringList out;
    for (const QString &l : std::as_const(lines))
        if (!l.trimmed().isEmpty())
            out << l;
    return out;
}

MenuItem placeholder()
{
    return {QStringLiteral("Ingen strukturer"), QStringLiteral("Der kan laves strukturer i strukturkonstruktøren!"),
            false};
}
} // namespace

QStringList builtinObjectStructures(const QString &scriptdir)
{
    return readNames(builtinListFile(scriptdir));
}

QStringList userObjectStructures(const QString &scriptdir)
{
    QStringList names = readNames(userListFile(scriptdir));
    std::stable_sort(names.begin(), names.end(), strukturLess);
    return names;
}

QList<MenuItem> userInformationMenu(const QStringList &informationNames)
{
    QList<MenuItem> items;
    for (const QString &n : informationNames)
        if (!isBuiltinInformation(n))
            items.append({n, QStringLiteral("Informationsstruktur"), true});
    if (items.isEmpty())
        items.append(placeholder());
    return items;
}

QList<MenuItem> userObjectMenu(const QStringList &userObjectNames)
{
    QList<MenuItem> items;
    for (const QString &n : userObjectNames)
        items.append({n, QStringLiteral("Objektstruktur"), true});
    if (items.isEmpty())
        items.append(placeholder());
    return items;
}

QString withoutAccelerators(const QString &caption)
{
    QString s = caption;
    s.remove(u'&');
    return s;
}

QString withoutLeadingAccelerator(const QString &caption)
{
    return caption.startsWith(u'&') ? caption.mid(1) : caption;
}

PayloadFields splitPayload(const QString &payload)
{
    const QStringList f = payload.split(u'|');
    PayloadFields out;
    out.definition = f.value(0);
    out.syntax = f.mid(1, 3).join(QStringLiteral("\r\n"));
    return out;
}

QString wordMatchKey(const QString &text)
{
    const QString lower = text.toLower();
    QString out;
    out.reserve(lower.size());
    for (QChar c : lower)
        if ((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || c == u'_' || c == u'å' || c == u'æ'
            || c == u'ø')
            out += c;
    return out;
}

int findCurrentWord(const TStrukturTree &tree, const QString &word, int selected)
{
    const int count = tree.count();
    if (word.isEmpty() || count == 0)
        return -1;
    const QString w = word.toLower();
    const int start = selected <= 0 ? 0 : selected + 1;
    auto scan = [&](int from) {
        for (int i = from; i < count; ++i)
            if (wordMatchKey(tree.node(i)->text).startsWith(w))
                return i;
        return -1;
    };
    int hit = scan(start);
    if (hit < 0 && start != 0)
        hit = scan(0);
    return hit;
}

QString correctCase(const QString &text, const TStrukturTree &tree, int *replaced)
{
    QHash<QString, QStringList> byLower;
    for (TStrukturNode *n : tree.preorder())
        byLower[n->text.toLower()].append(n->text);
    auto isWordChar = [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
    };
    QString out;
    out.reserve(text.size());
    int count = 0;
    for (qsizetype i = 0; i < text.size();) {
        if (!isWordChar(text[i])) {
            out += text[i++];
            continue;
        }
        qsizetype j = i;
        while (j < text.size() && isWordChar(text[j]))
            ++j;
        const QString word = text.mid(i, j - i);
        QString replacement = word;
        const auto it = byLower.constFind(word.toLower());
        if (it != byLower.constEnd()) {
            for (const QString &candidate : *it)
                if (candidate != word) {
                    replacement = candidate;
                    ++count;
                    break;
                }
        }
        out += replacement;
        i = j;
    }
    if (replaced)
        *replaced = count;
    return out;
}

} // namespace taglund::StrukturLib
