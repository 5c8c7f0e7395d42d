#include "filebox/grundmetoder.h"

#include "platform/drives.h"
#include "platform/filetree.h"

#include <QFileInfo>
#include <QLocale>

namespace taglund {

TGrundMetoder::TGrundMetoder(QObject *parent) : TVarProp(parent) {}

int TGrundMetoder::getDrevType(const QString &root)
{
    const platform::TDrev d = platform::driveOf(root);
    if (d.root.isEmpty() || d.root != root)
        return platform::DriveKind::None;
    return d.kind;
}

QString TGrundMetoder::getDrevNavn(const QString &path)
{
    return platform::driveOf(path).label;
}

QString TGrundMetoder::getSizeTekst(qint64 bytes)
{
    const QLocale loc;
    const int n = int(QString::number(bytes).size());
    QString value;
    if (n >= 13)
        value = loc.toString(double(bytes) / double(1LL << 40), 'f', 2) + QStringLiteral(" TB");
    else if (n >= 10)
        value = loc.toString(double(bytes) / double(1LL << 30), 'f', 2) + QStringLiteral(" GB");
    else if (n >= 7)
        value = loc.toString(double(bytes) / double(1 << 20), 'f', 2) + QStringLiteral(" MB");
    else if (n >= 4)
        value = loc.toString(double(bytes) / 1024.0, 'f', 2) + QStringLiteral(" KB");
    else
        value = loc.toString(bytes) + QStringLiteral(" bytes");
    return value + QStringLiteral(" (") + loc.toString(bytes) + QStringLiteral(" bytes)");
}

QString TGrundMetoder::getKortSizeTekst(qint64 bytes)
{
    const QLocale loc;
    const int n = int(QString::number(bytes).size());
    if (n >= 10)
        return loc.toString(double(bytes) / double(1LL << 30), 'f', 2) + QStringLiteral(" GB");
    if (n >= 7)
        return loc.toString(double(bytes) / double(1 << 20), 'f', 2) + QStringLiteral(" MB");
    if (n >= 4)
        return loc.toString(double(bytes) / 1024.0, 'f', 2) + QStringLiteral(" KB");
    return QString::number(bytes) + QStringLiteral(" bytes");
}

QString TGrundMetoder::getLastDirectory(const QString &aDirectory)
{
    if (aDirectory == QLatin1String("/"))
        return aDirectory;
    const int slash = aDirectory.lastIndexOf(u'/');
    return slash < 0 ? aDirectory : aDirectory.mid(slash + 1);
}

bool TGrundMetoder::IsSelectedDirectory() const
{
    const int i = Struktur2 ? Struktur2->selected() : -1;
    return i >= 0 && Struktur2->rec(i).erMappe();
}

QString TGrundMetoder::getSelectedMappe() const
{
    const int i = Struktur2 ? Struktur2->selected() : -1;
    if (i < 0)
        return Grundmappe;
    const StrukturRec r = Struktur2->rec(i);
    return r.erMappe() ? parentOf(r.mappe) : r.mappe;
}

QString TGrundMetoder::getFocusFilDirectory(int X, int Y)
{
    const int i = Struktur2 ? Struktur2->itemAt(QPoint(X, Y)) : -1;
    if (i < 0)
        return Grundmappe;
    const StrukturRec r = Struktur2->rec(i);
    if (!QFileInfo(r.mappe).isDir())
        return Grundmappe;
    Struktur2->selectOnly(i);
    Bibmappe = r.mappe;
    return r.mappe;
}

void TGrundMetoder::setSelectedDataMappe(const QString &aDirectory)
{
    const int i = Struktur2 ? Struktur2->selected() : -1;
    if (i < 0)
        return;
    StrukturRec r = Struktur2->rec(i);
    r.mappe = aDirectory;
    Struktur2->setRec(i, r);
}

void TGrundMetoder::setSelectedDataFilnavn(const QString &aFilename)
{
    const int i = Struktur2 ? Struktur2->selected() : -1;
    if (i < 0)
        return;
    StrukturRec r = Struktur2->rec(i);
    r.filnavn = aFilename;
    Struktur2->setRec(i, r);
    Filnavn = aFilename;
}

QString TGrundMetoder::makeUniqueMappe(const QString &path, const QString &word)
{
    if (!QFileInfo(path).isDir())
        return path;
    for (int n = 1;; ++n) {
        const QString candidate = path + word + QStringLiteral(" (%1)").arg(n);
        if (!QFileInfo(candidate).isDir())
            return candidate;
    }
}

QString TGrundMetoder::makeUniqueFil(const QString &path, const QString &word)
{
    if (!platform::entryExists(path) || QFileInfo(path).isDir())
        return path;
    const QString folder = parentOf(path);
    const QString name = getLastDirectory(path);
    const QString ext = extOf(name);
    const QString stem = name.left(name.size() - ext.size());
    for (int n = 1;; ++n) {
        const QString candidate = join(folder, stem + word + QStringLiteral(" (%1)").arg(n) + ext);
        if (!platform::entryExists(candidate))
            return candidate;
    }
}

QString TGrundMetoder::makeUniqueElement(const QString &path)
{
    if (!platform::entryExists(path))
        return path;
    for (int n = 1;; ++n) {
        const QString candidate = path + QStringLiteral(" (%1)").arg(n);
        if (!platform::entryExists(candidate))
            return candidate;
    }
}

QString TGrundMetoder::extOf(const QString &name)
{
    const QString base = getLastDirectory(name);
    const int dot = base.lastIndexOf(u'.');
    return dot <= 0 ? QString() : base.mid(dot);
}

static bool inSet(const QString &extS, std::initializer_list<const char *> set)
{
    const QString e = extS.toLower();
    for (const char *s : set)
        if (e == QLatin1String(s))
            return true;
    return false;
}

bool TGrundMetoder::erDetEnBilledfil(const QString &extS)
{
    return inSet(extS, {".jpg", ".png", ".bmp", ".ico", ".gif"});
}

bool TGrundMetoder::erDetEnMusikfil(const QString &extS)
{
    return inSet(extS, {".mp3", ".m4a"});
}

bool TGrundMetoder::erDetEnVideofil(const QString &extS)
{
    return inSet(extS, {".mp4", ".m4v"});
}

bool TGrundMetoder::erDetEnEgnetFil(const QString &extS)
{
    return inSet(extS, {".bat", ".js", ".vbs", ".css", ".txt", ".wsf", ".rtf"});
}

bool TGrundMetoder::erDetEnTekstfil(const QString &extS)
{
    return inSet(extS, {".asp", ".bat", ".html", ".inc", ".js", ".vbs", ".css", ".txt", ".wsf", ".xml",
                        ".rtf", ".asa", ".ps1", ".xsd"});
}

} // namespace taglund
