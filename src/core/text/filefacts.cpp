#include "core/text/filefacts.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace taglund::FileFacts {

QString errorText(int e)
{
#ifdef Q_OS_UNIX
    switch (e) {
    case ENOSPC:
        return QStringLiteral("Der er ikke mere plads på drevet.");
#ifdef EDQUOT
    case EDQUOT:
        return QStringLiteral("Der er ikke mere plads inden for brugerens diskkvote.");
#endif
    case EACCES:
    case EPERM:
        return QStringLiteral("Adgang nægtet.");
    case EROFS:
        return QStringLiteral("Drevet er skrivebeskyttet.");
    case ENOENT:
        return QStringLiteral("Filen eller mappen findes ikke.");
    case ENOTDIR:
        return QStringLiteral("En del af stien er ikke en mappe.");
    case EISDIR:
        return QStringLiteral("Det er en mappe.");
    case EIO:
        return QStringLiteral("Læse- eller skrivefejl på drevet.");
    case ENAMETOOLONG:
        return QStringLiteral("Navnet er for langt.");
    case EFBIG:
        return QStringLiteral("Filen er for stor.");
    case ETXTBSY:
        return QStringLiteral("Filen er i brug som program.");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("Der er for mange åbne filer.");
    case ENOMEM:
        return QStringLiteral("Der er ikke hukommelse nok.");
    default:
        break;
    }
    return QStringLiteral("Systemfejl %1: %2").arg(e).arg(QString::fromLocal8Bit(std::strerror(e)));
#else
    return QStringLiteral("Systemfejl %1").arg(e);
#endif
}

#ifdef Q_OS_UNIX

namespace {

QString reasonForMode(mode_t m)
{
    if (S_ISREG(m))
        return {};
    if (S_ISDIR(m))
        return QStringLiteral("Det er en mappe.");
    if (S_ISFIFO(m))
        return QStringLiteral("Det er en navngiven pipe (FIFO), ikke en almindelig fil.");
    if (S_ISCHR(m))
        return QStringLiteral("Det er en tegnenhed, ikke en almindelig fil.");
    if (S_ISBLK(m))
        return QStringLiteral("Det er en blokenhed, ikke en almindelig fil.");
    if (S_ISSOCK(m))
        return QStringLiteral("Det er en sokkel, ikke en almindelig fil.");
    return QStringLiteral("Det er ikke en almindelig fil.");
}

bool fail(QString *error, int e)
{
    if (error)
        *error = errorText(e);
    return false;
}

bool writeAll(int fd, const char *p, qint64 n, int &err)
{
    while (n > 0) {
        const ssize_t w = ::write(fd, p, size_t(n));
        if (w < 0) {
            if (errno == EINTR)
                continue;
            err = errno;
            return false;
        }
        p += w;
        n -= w;
    }
    return true;
}

bool readAll(int fd, QByteArray &out, qint64 expected, int &err)
{
    out.clear();
    out.reserve(qsizetype(expected));
    char buf[65536];
    for (;;) {
        const ssize_t r = ::read(fd, buf, sizeof buf);
        if (r < 0) {
            if (errno == EINTR)
                continue;
            err = errno;
            return false;
        }
        if (r == 0)
            return true;
        out.append(buf, r);
    }
}

// The file a save writes: a symbolic link is followed to its file.
QByteArray resolvedTarget(const QString &path)
{
    QFileInfo fi(path);
    if (!fi.isSymLink())
        return QFile::encodeName(path);
    const QString canonical = fi.canonicalFilePath();
    return QFile::encodeName(canonical.isEmpty() ? fi.symLinkTarget() : canonical);
}

void syncFolder(const QByteArray &folder)
{
    const int d = ::open(folder.isEmpty() ? "." : folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (d >= 0) {
        ::fsync(d);
        ::close(d);
    }
}

// Writes over the file's own bytes: every hard link sees the new text.
bool writeInPlace(const QByteArray &target, const QByteArray &bytes, QString *error)
{
    const int fd = ::open(target.constData(), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return fail(error, errno);
    // The old text, to put back should the new one not fit.
    QByteArray old;
    bool haveOld = false;
    struct stat st {};
    if (::fstat(fd, &st) == 0) {
        const int rfd = ::open(target.constData(), O_RDONLY | O_CLOEXEC);
        int ignored = 0;
        if (rfd >= 0) {
            haveOld = readAll(rfd, old, st.st_size, ignored);
            ::close(rfd);
        }
    }
#ifdef FALLOC_FL_KEEP_SIZE
    // Reserve the room first, so a full disk is found before a byte changes.
    if (bytes.size() > old.size() && ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, off_t(bytes.size())) != 0) {
        const int e = errno;
        if (e == ENOSPC
#ifdef EDQUOT
            || e == EDQUOT
#endif
        ) {
            ::close(fd);
            return fail(error, e);
        }
    }
#endif
    int err = 0;
    bool ok = writeAll(fd, bytes.constData(), bytes.size(), err);
    if (ok && ::ftruncate(fd, off_t(bytes.size())) != 0) {
        err = errno;
        ok = false;
    }
    if (ok && ::fsync(fd) != 0) {
        err = errno;
        ok = false;
    }
    if (!ok && haveOld) {
        int ignored = 0;
        if (::lseek(fd, 0, SEEK_SET) == 0 && writeAll(fd, old.constData(), old.size(), ignored))
            (void)!::ftruncate(fd, off_t(old.size()));
        ::fsync(fd);
    }
    if (::close(fd) != 0 && ok) {
        err = errno;
        ok = false;
    }
    return ok || fail(error, err);
}

enum class Replace { Done, Failed, InPlace };

// A temporary file beside the target, renamed over it when it is whole.
Replace writeReplacing(const QByteArray &target, const struct stat *old, const QByteArray &bytes, QString *error)
{
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray() : target.left(slash + 1);
    const QByteArray name = target.mid(slash + 1).left(200);
    QByteArray temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = folder + '.' + name + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        // A new file gets the umask's permissions; a replacement starts
        // private and takes the old file's mode before it gets its name.
        fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, old ? 0600 : 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        const int e = errno;
        // A folder we may not write in: the file itself may still be writable.
        if (old && (e == EACCES || e == EPERM))
            return Replace::InPlace;
        fail(error, e);
        return Replace::Failed;
    }
    auto abandon = [&](int e) {
        ::close(fd);
        ::unlink(temp.constData());
        fail(error, e);
        return Replace::Failed;
    };
    if (old) {
        struct stat made {};
        if (::fstat(fd, &made) != 0)
            return abandon(errno);
        if ((made.st_uid != old->st_uid || made.st_gid != old->st_gid)
            && ::fchown(fd, old->st_uid, old->st_gid) != 0) {
            // Replacing would make the file ours: write it where it is.
            ::close(fd);
            ::unlink(temp.constData());
            return Replace::InPlace;
        }
        if (::fchmod(fd, old->st_mode & 07777) != 0)
            return abandon(errno);
    }
    int err = 0;
    if (!writeAll(fd, bytes.constData(), bytes.size(), err))
        return abandon(err);
    if (::fsync(fd) != 0)
        return abandon(errno);
    if (::close(fd) != 0) {
        const int e = errno;
        ::unlink(temp.constData());
        fail(error, e);
        return Replace::Failed;
    }
    if (::rename(temp.constData(), target.constData()) != 0) {
        const int e = errno;
        ::unlink(temp.constData());
        fail(error, e);
        return Replace::Failed;
    }
    syncFolder(folder);
    return Replace::Done;
}

} // namespace

Stamp stampOf(const QString &path)
{
    Stamp s;
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return s;
    s.exists = true;
    s.size = st.st_size;
    s.modifiedNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    s.inode = st.st_ino;
    s.device = st.st_dev;
    return s;
}

QString notRegularReason(const QString &path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return reasonForMode(st.st_mode);
}

bool isWriteProtected(const QString &path)
{
    const QByteArray n = QFile::encodeName(path);
    struct stat st {};
    if (::stat(n.constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    if (::geteuid() == 0)
        return (st.st_mode & 0222) == 0;
    return ::faccessat(AT_FDCWD, n.constData(), W_OK, AT_EACCESS) != 0 && errno == EACCES;
}

bool readWhole(const QString &path, QByteArray &bytes, QString *error)
{
    const QByteArray n = QFile::encodeName(path);
    struct stat st {};
    // Looked at before opening: opening a pipe waits for a writer, and a
    // device may never end.
    if (::stat(n.constData(), &st) == 0 && !S_ISREG(st.st_mode)) {
        if (error)
            *error = reasonForMode(st.st_mode);
        return false;
    }
    const int fd = ::open(n.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return fail(error, errno);
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        if (error)
            *error = reasonForMode(st.st_mode);
        return false;
    }
    int err = 0;
    const bool ok = readAll(fd, bytes, st.st_size, err);
    ::close(fd);
    return ok || fail(error, err);
}

bool writeWhole(const QString &path, const QByteArray &bytes, QString *error)
{
    const QByteArray target = resolvedTarget(path);
    struct stat st {};
    const bool exists = ::stat(target.constData(), &st) == 0;
    if (exists && !S_ISREG(st.st_mode)) {
        if (error)
            *error = reasonForMode(st.st_mode);
        return false;
    }
    if (exists && st.st_nlink > 1)
        return writeInPlace(target, bytes, error);
    switch (writeReplacing(target, exists ? &st : nullptr, bytes, error)) {
    case Replace::Done:
        return true;
    case Replace::Failed:
        return false;
    case Replace::InPlace:
        break;
    }
    return writeInPlace(target, bytes, error);
}

#else // not Q_OS_UNIX

Stamp stampOf(const QString &path)
{
    Stamp s;
    QFileInfo fi(path);
    if (!fi.exists())
        return s;
    s.exists = true;
    s.size = fi.size();
    s.modifiedNs = fi.lastModified().toMSecsSinceEpoch() * 1000000;
    return s;
}

QString notRegularReason(const QString &path)
{
    QFileInfo fi(path);
    if (!fi.exists() || fi.isFile())
        return {};
    return fi.isDir() ? QStringLiteral("Det er en mappe.") : QStringLiteral("Det er ikke en almindelig fil.");
}

bool isWriteProtected(const QString &path)
{
    QFileInfo fi(path);
    return fi.isFile() && !fi.isWritable();
}

bool readWhole(const QString &path, QByteArray &bytes, QString *error)
{
    if (const QString why = notRegularReason(path); !why.isEmpty()) {
        if (error)
            *error = why;
        return false;
    }
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error)
            *error = f.errorString();
        return false;
    }
    bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        if (error)
            *error = f.errorString();
        return false;
    }
    return true;
}

bool writeWhole(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit()) {
        if (error)
            *error = f.errorString();
        f.cancelWriting();
        return false;
    }
    return true;
}

#endif

bool isRegularFile(const QString &path)
{
    return QFileInfo::exists(path) && notRegularReason(path).isEmpty();
}

} // namespace taglund::FileFacts
