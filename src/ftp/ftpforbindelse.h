#pragma once
#include <QString>
#include <QStringList>

namespace taglund {

// One FTP connection as the settings box shows it. The port stays text, as
// the box's field holds it; an upload turns it into a number.
struct TFtpForbindelse {
    QString host;
    QString port = QStringLiteral("21");
    QString brugernavn;
    QString password;
    QString mappe = QStringLiteral("/");
    bool gemPassword = false;

    // All five values an upload needs are there and the port is a port.
    bool komplet() const;
    int portNummer() const;  // 0 when the text is not a port from 1 to 65535
    // The password as it goes to disk: only when the user chose to keep it.
    QString passwordPaaDisk() const { return gemPassword ? password : QString(); }
    bool operator==(const TFtpForbindelse &) const = default;
};

// "ftpegenskaber.txt": the box's top and left edge, then the connection.
struct TFtpEgenskaber {
    int top = 0;
    int left = 0;
    bool harPlacering = false;  // false when the file was missing: centre the box
    TFtpForbindelse forbindelse;

    static QString fileName(const QString &optdir);
    // A missing file gives the defaults; a file that stops early keeps what
    // it held up to that line.
    static TFtpEgenskaber read(const QString &optdir);
    bool write(const QString &optdir, QString *error = nullptr) const;
};

// The named connections in "ftpmappe": one six-line file each.
namespace FtpMappe {

QString folder(const QString &optdir);
// Makes the folder when missing, readable by the user alone.
bool ensure(const QString &optdir);
// A name may only name a file inside "ftpmappe": not empty, no separators,
// no leading dot, no control characters.
bool gyldigtNavn(const QString &name);
QString fileFor(const QString &optdir, const QString &name);
// The names of the ".txt" files, without the extension, in the order the
// file system lists them.
QStringList navne(const QString &optdir);
bool exists(const QString &optdir, const QString &name);
// False with a Danish text when the file is missing or cannot be read.
bool load(const QString &optdir, const QString &name, TFtpForbindelse &out, QString *error = nullptr);
bool save(const QString &optdir, const QString &name, const TFtpForbindelse &c, QString *error = nullptr);

} // namespace FtpMappe

// Writes a settings file that may hold a password: a new file is made
// readable by the user alone before anything is written into it, and a
// failed write leaves the old file (or none) as it was.
bool writePrivateLines(const QString &path, const QStringList &lines, QString *error = nullptr);

} // namespace taglund
