#include "filebox/filmappeinfo.h"

#include "filebox/egenskabform.h"
#include "platform/drives.h"
#include "platform/filetree.h"
#include "ui/questions.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <cmath>

namespace taglund {

namespace {

bool oneOf(const QString &e, std::initializer_list<const char *> set)
{
    for (const char *s : set)
        if (e == QLatin1String(s))
            return true;
    return false;
}

const std::initializer_list<const char *> kVideo{"mp4", "m4v", "avi", "mov", "wmv", "mpg", "ts"};
const std::initializer_list<const char *> kMusik{"mp3", "m4a"};
const std::initializer_list<const char *> kBilled{"bmp", "jpg", "ico", "gif", "png", "jpeg", "tif", "tiff", "emf", "wmf"};

QString tid(const QDateTime &t)
{
    return t.isValid() ? QLocale().toString(t.toLocalTime(), QLocale::ShortFormat) : QString();
}

} // namespace

TFilMappeInfo::TFilMappeInfo(QObject *parent)
    : TPrehandlinger(parent), m_ikonDir(QCoreApplication::applicationDirPath() + QStringLiteral("/ikoner/"))
{
}

TFilMappeInfo::~TFilMappeInfo() = default;

TEgenskabsVisning *TFilMappeInfo::visning()
{
    if (!m_visning) {
        m_egen = std::make_unique<TEgenskabForm>(this);
        m_visning = m_egen.get();
    }
    return m_visning;
}

QString TFilMappeInfo::filTypeTekst(const QString &extS)
{
    const QString e = (extS.startsWith(u'.') ? extS.mid(1) : extS).toLower();
    QString type;
    if (oneOf(e, kVideo)) type = QStringLiteral("Videofil: ");
    else if (oneOf(e, kMusik)) type = QStringLiteral("Musikfil: ");
    else if (oneOf(e, kBilled)) type = QStringLiteral("Billedfil: ");
    else if (e == QLatin1String("txt")) type = QStringLiteral("Tekstfil: ");
    else if (oneOf(e, {"html", "htm", "asp"})) type = QStringLiteral("Webfil: ");
    else if (oneOf(e, {"js", "vbs"})) type = QStringLiteral("Scriptfil: ");
    else if (e == QLatin1String("css")) type = QStringLiteral("Stylesheet: ");
    else if (e == QLatin1String("wsf")) type = QStringLiteral("Window script fil: ");
    else if (e == QLatin1String("inc")) type = QStringLiteral("Includefil: ");
    else if (e == QLatin1String("bat")) type = QStringLiteral("Batchfil: ");
    else if (e == QLatin1String("pas")) type = QStringLiteral("Delphi/Pascalfil: ");
    else if (e == QLatin1String("lnk")) type = QStringLiteral("Genvej: ");
    return type + e.toUpper() + QStringLiteral("-fil (.") + e + u')';
}

QString TFilMappeInfo::ikonFil(const QString &ikonDir, const QString &extS)
{
    const QString e = (extS.startsWith(u'.') ? extS.mid(1) : extS).toLower();
    auto path = [&](const QString &stem) { return join(ikonDir, stem + QStringLiteral("_ikon.ico")); };
    // Programs have no icon of their own here: they take the unknown one.
    if (!e.isEmpty() && e != QLatin1String("exe") && QFileInfo::exists(path(e)))
        return path(e);
    if (oneOf(e, kVideo)) return path(QStringLiteral("film"));
    if (oneOf(e, kMusik)) return path(QStringLiteral("musik"));
    if (oneOf(e, kBilled)) return path(QStringLiteral("billeder"));
    return path(QStringLiteral("ukendt"));
}

QString TFilMappeInfo::drevTypeTekst(int kind)
{
    switch (kind) {
    case platform::DriveKind::Removable: return QStringLiteral("Flytbar disk");
    case platform::DriveKind::Fixed: return QStringLiteral("Lokal disk");
    case platform::DriveKind::CdRom: return QStringLiteral("CD ROM disk");
    case platform::DriveKind::RamDisk: return QStringLiteral("RAM disk");
    case platform::DriveKind::Remote: return QStringLiteral("Fjern disk");
    default: return {};
    }
}

QString TFilMappeInfo::indeholderTekst(qint64 filer, qint64 mapper)
{
    const QLocale loc;
    return loc.toString(filer) + QStringLiteral(" filer, ") + loc.toString(mapper) + QStringLiteral(" mapper");
}

bool TFilMappeInfo::filEgenskaber(const QString &path, const QString &ikonDir, TFilEgenskaber &e)
{
    QFile f(path);
    const QFileInfo fi(path);
    if (!fi.isFile() || !f.open(QIODevice::ReadOnly))
        return false;
    const qint64 size = f.size();
    f.close();
    const QString ext = extOf(fi.fileName());
    e.sti = fi.absoluteFilePath();
    e.navn = fi.fileName();
    e.placering = fi.absolutePath() + (fi.absolutePath().endsWith(u'/') ? QString() : QStringLiteral("/"));
    e.storrelse = getSizeTekst(size);
    // Not every file system records when a file was made; the last change
    // of its entry is the nearest it has.
    e.oprettet = tid(fi.birthTime().isValid() ? fi.birthTime() : fi.metadataChangeTime());
    e.aendret = tid(fi.lastModified());
    e.aabnet = tid(fi.lastRead());
    e.filtype = filTypeTekst(ext);
    e.ikonFil = ikonFil(ikonDir, ext);
    e.skrivebeskyttet = !(fi.permissions() & QFile::WriteOwner);
    e.skjult = fi.fileName().startsWith(u'.');
    return true;
}

int TFilMappeInfo::brugtProcent(qint64 capacity, qint64 free)
{
    if (capacity < 1)
        return 100;
    const qint64 used = capacity - qBound<qint64>(0, free, capacity);
    return int(std::lround(double(used) * 100.0 / double(capacity)));
}

bool TFilMappeInfo::drevEgenskaber(const QString &path, TDrevEgenskaber &e)
{
    const platform::TDrev d = platform::driveOf(path);
    if (d.root.isEmpty())
        return false;
    const qint64 capacity = qMax<qint64>(0, d.capacity);
    const qint64 free = qBound<qint64>(0, d.free, capacity);
    const qint64 used = capacity - free;
    e.navn = d.label + QStringLiteral(" (") + d.root + u')';
    e.type = drevTypeTekst(d.kind);
    e.filsystem = d.fileSystem.isEmpty() ? QStringLiteral("Ukendt") : d.fileSystem;
    e.ledig = getSizeTekst(free);
    e.anvendt = getSizeTekst(used);
    e.kapasitet = getSizeTekst(capacity);
    e.procent = brugtProcent(capacity, free);
    return true;
}

void TFilMappeInfo::showFileInfo(const QString &aFilename)
{
    TFilEgenskaber e;
    if (!filEgenskaber(aFilename, m_ikonDir, e)) {
        visning()->lukEgenskaber();
        ui::showError(nullptr, QStringLiteral("Der opstod en fejl.\rFilen er muligvist i brug."));
        return;
    }
    visning()->visFil(e);
}

void TFilMappeInfo::showMappeInfo()
{
    const int i = Struktur2 ? Struktur2->selected() : -1;
    if (i < 0) {
        ui::showInfo(nullptr, QStringLiteral("Der er ikke valgt en mappe."));
        return;
    }
    const StrukturRec r = Struktur2->rec(i);
    const QFileInfo fi(r.mappe);
    if (!fi.isDir()) {
        ui::showError(nullptr, QStringLiteral("Mappen blev ikke fundet."));
        return;
    }
    TMappeEgenskaber e;
    e.navn = Struktur2->text(i);
    e.placering = parentOf(r.mappe);
    e.storrelse = getSizeTekst(0);
    e.indeholder = indeholderTekst(0, 0);
    e.oprettet = tid(fi.birthTime().isValid() ? fi.birthTime() : fi.metadataChangeTime());
    TEgenskabsVisning *v = visning();
    v->visMappe(e);
    platform::TreeCount c;
    platform::countTree(r.mappe, c, [&](const platform::TreeCount &sofar) {
        v->opdaterMappe(getSizeTekst(sofar.bytes), indeholderTekst(sofar.files, sofar.folders));
        holdVinduerILive();
    });
    v->opdaterMappe(getSizeTekst(c.bytes), indeholderTekst(c.files, c.folders));
}

void TFilMappeInfo::showDriveInfo(const QString &aDriveTekst)
{
    TDrevEgenskaber e;
    if (!drevEgenskaber(aDriveTekst, e)) {
        visning()->lukEgenskaber();
        ui::showError(nullptr, QStringLiteral("Der opstod en fejl."));
        return;
    }
    visning()->visDrev(e);
}

bool TFilMappeInfo::anvendFilAttributter(const QString &aFilename, bool skrivebeskyttet)
{
    bool ok = true;
    if (QFileInfo(aFilename).isFile()) {
        QFile::Permissions p = QFile::permissions(aFilename);
        if (skrivebeskyttet)
            p &= ~QFileDevice::Permissions(QFile::WriteOwner | QFile::WriteUser);
        else
            p |= QFile::WriteOwner | QFile::WriteUser;
        ok = QFile::setPermissions(aFilename, p);
    }
    if (!ok)
        ui::showError(nullptr, QStringLiteral("Der opstod en fejl."));
    makeStruktur2(Grundmappe, false, true);
    return ok;
}

} // namespace taglund
