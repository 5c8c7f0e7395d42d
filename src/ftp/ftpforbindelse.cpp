#include "ftp/ftpforbindelse.h"

#include "core/text/paths.h"
#include "core/text/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace taglund {

namespace {

constexpr QFileDevice::Permissions privateFile = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
constexpr QFileDevice::Permissions privateFolder =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;

QStringList connectionLines(const TFtpForbindelse &c)
{
    return SettingsWriter()
        .text(c.host)
        .text(c.port)
        .text(c.brugernavn)
        .text(c.passwordPaaDisk())
        .text(c.mappe)
        .flag(c.gemPassword)
        .lines();
}

// Reads the six connection values in order, stopping at the first one missing.
void readConnection(SettingsReader &r, TFtpForbindelse &c)
{
    bool flag = false;
    if (r.text(c.host) && r.text(c.port) && r.text(c.brugernavn) && r.text(c.password) && r.text(c.mappe)
        && r.flag(flag))
        c.gemPassword = flag;
}

} // namespace

bool TFtpForbindelse::komplet() const
{
    return !host.trimmed().isEmpty() && !port.trimmed().isEmpty() && !brugernavn.isEmpty() && !password.isEmpty()
           && !mappe.isEmpty() && portNummer() > 0;
}

int TFtpForbindelse::portNummer() const
{
    bool ok = false;
    const int n = port.trimmed().toInt(&ok);
    return ok && n >= 1 && n <= 65535 ? n : 0;
}

QString TFtpEgenskaber::fileName(const QString &optdir)
{
    return joinPath(optdir, QStringLiteral("ftpegenskaber.txt"));
}

TFtpEgenskaber TFtpEgenskaber::read(const QString &optdir)
{
    TFtpEgenskaber e;
    const QString path = fileName(optdir);
    if (!QFileInfo::exists(path))
        return e;
    SettingsReader r = SettingsReader::fromFile(path);
    int top = 0, left = 0;
    if (r.number(top) && r.number(left)) {
        e.top = top;
        e.left = left;
        e.harPlacering = true;
    }
    if (r.ok())
        readConnection(r, e.forbindelse);
    return e;
}

bool TFtpEgenskaber::write(const QString &optdir, QString *error) const
{
    QStringList lines = SettingsWriter().number(top).number(left).lines();
    lines += connectionLines(forbindelse);
    return writePrivateLines(fileName(optdir), lines, error);
}

namespace FtpMappe {

QString folder(const QString &optdir)
{
    return joinPath(optdir, QStringLiteral("ftpmappe"));
}

bool ensure(const QString &optdir)
{
    const QString dir = folder(optdir);
    if (QFileInfo(dir).isDir())
        return true;
    if (!QDir().mkpath(dir))
        return false;
    QFile::setPermissions(dir, privateFolder);
    return true;
}

bool gyldigtNavn(const QString &name)
{
    if (name.isEmpty() || name.startsWith(u'.') || name.trimmed().isEmpty())
        return false;
    for (QChar ch : name) {
        if (ch == u'/' || ch == u'\\' || ch.category() == QChar::Other_Control || ch == QChar::LineSeparator
            || ch == QChar::ParagraphSeparator)
            return false;
    }
    return isSafeFileName(name + QStringLiteral(".txt"));
}

QString fileFor(const QString &optdir, const QString &name)
{
    return joinPath(folder(optdir), name + QStringLiteral(".txt"));
}

QStringList navne(const QString &optdir)
{
    QStringList out;
    const QDir dir(folder(optdir));
    const QFileInfoList files = dir.entryInfoList(QDir::Files | QDir::Hidden, QDir::Unsorted);
    for (const QFileInfo &f : files) {
        const QString n = f.fileName();
        if (n.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive) && n.size() > 4)
            out << n.left(n.size() - 4);
    }
    return out;
}

bool exists(const QString &optdir, const QString &name)
{
    return gyldigtNavn(name) && QFileInfo(fileFor(optdir, name)).isFile();
}

bool load(const QString &optdir, const QString &name, TFtpForbindelse &out, QString *error)
{
    if (!exists(optdir, name)) {
        if (error)
            *error = QStringLiteral("Filen blev ikke fundet.");
        return false;
    }
    QStringList lines;
    QString why;
    if (!TextFile::readLines(fileFor(optdir, name), lines, &why)) {
        if (error)
            *error = QStringLiteral("Filen kunne ikke læses.\r") + why;
        return false;
    }
    SettingsReader r(lines);
    readConnection(r, out);
    return true;
}

bool save(const QString &optdir, const QString &name, const TFtpForbindelse &c, QString *error)
{
    if (!gyldigtNavn(name)) {
        if (error)
            *error = QStringLiteral("Navnet kan ikke bruges som forbindelsesnavn.");
        return false;
    }
    if (!ensure(optdir)) {
        if (error)
            *error = QStringLiteral("Mappen ") + folder(optdir) + QStringLiteral(" kunne ikke oprettes.");
        return false;
    }
    return writePrivateLines(fileFor(optdir, name), connectionLines(c), error);
}

} // namespace FtpMappe

bool writePrivateLines(const QString &path, const QStringList &lines, QString *error)
{
    bool made = false;
    if (!QFileInfo::exists(path)) {
        // An empty file of our own first: the atomic write then keeps its
        // permissions, so the password is never readable by others.
        QFile f(path);
        if (f.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            f.setPermissions(privateFile);
            f.close();
            made = true;
        }
    }
    if (!TextFile::writeLines(path, lines, error)) {
        if (made)
            QFile::remove(path);
        return false;
    }
    QFile::setPermissions(path, privateFile);
    return true;
}

} // namespace taglund
