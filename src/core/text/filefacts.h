#pragma once
#include <QByteArray>
#include <QString>

namespace taglund {

// What opening and saving need to know about a file on disk, and the two
// low-level routines that read and write a whole file.
namespace FileFacts {

// Identifies one state of a file: a second program that writes it (in place
// or by replacing it) changes at least one of these.
struct Stamp {
    bool exists = false;
    qint64 size = 0;
    qint64 modifiedNs = 0;   // modification time in nanoseconds
    quint64 inode = 0;
    quint64 device = 0;
    bool operator==(const Stamp &o) const = default;
};
Stamp stampOf(const QString &path);

// Empty for a regular file (or a link to one) and for a missing file;
// otherwise what the file is, as a Danish sentence ("Det er en mappe.").
QString notRegularReason(const QString &path);
bool isRegularFile(const QString &path);

// An existing file its mode does not let us write. For the superuser, who
// may write anything, a file nobody may write by its mode.
bool isWriteProtected(const QString &path);

// A Danish text for a system error number.
QString errorText(int errorNumber);

// Reads a regular file whole; anything else (a pipe, a device, a folder) is
// refused without waiting on it.
bool readWhole(const QString &path, QByteArray &bytes, QString *error);

// Writes a whole file so that no reader ever sees it half-written: the text
// goes to a temporary file that then replaces the old one, carrying over its
// owner, group and permissions. A file with several names (hard links), or
// one whose owner we cannot keep, is written in place instead, after room
// for it has been reserved; a failure there puts the old text back.
// A symbolic link stays a link: the file it points to is written.
bool writeWhole(const QString &path, const QByteArray &bytes, QString *error);

} // namespace FileFacts
} // namespace taglund
