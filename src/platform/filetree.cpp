#include "platform/filetree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <vector>

#ifndef RENAME_NOREPLACE
#define RENAME_NOREPLACE (1 << 0)
#endif

namespace taglund::platform {

namespace {

bool isDot(const char *n)
{
    return n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0));
}

bool countIn(const std::string &dir, TreeCount &count, const TreeProgress &progress)
{
    DIR *d = opendir(dir.c_str());
    if (!d)
        return false;
    bool ok = true;
    std::vector<std::string> folders;
    while (dirent *e = readdir(d)) {
        if (isDot(e->d_name))
            continue;
        if (e->d_type == DT_DIR) {
            folders.emplace_back(e->d_name);
            continue;
        }
        // Relative to the open folder: no walk down the whole path per entry.
        struct stat st;
        if (fstatat(dirfd(d), e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) {
            ok = false;
            continue;
        }
        if (S_ISDIR(st.st_mode)) {
            folders.emplace_back(e->d_name);
        } else {
            ++count.files;
            count.bytes += st.st_size;
        }
    }
    closedir(d);
    for (const std::string &name : folders) {
        ++count.folders;
        if (progress)
            progress(count);
        ok = countIn(dir + '/' + name, count, progress) && ok;
    }
    return ok;
}

bool removeIn(const std::string &path, std::string &failed, int &err)
{
    struct stat st;
    if (lstat(path.c_str(), &st) != 0) {
        failed = path;
        err = errno;
        return false;
    }
    if (!S_ISDIR(st.st_mode)) {
        if (unlink(path.c_str()) == 0)
            return true;
        failed = path;
        err = errno;
        return false;
    }
    DIR *d = opendir(path.c_str());
    if (!d) {
        failed = path;
        err = errno;
        return false;
    }
    bool ok = true;
    while (dirent *e = readdir(d)) {
        if (isDot(e->d_name))
            continue;
        if (!removeIn(path + '/' + e->d_name, failed, err)) {
            ok = false;
            break;
        }
    }
    closedir(d);
    if (ok && rmdir(path.c_str()) != 0) {
        failed = path;
        err = errno;
        ok = false;
    }
    return ok;
}

QString resolved(const QString &path)
{
    QString p = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    QString tail;
    // Resolve the deepest part that exists and keep the rest as written.
    while (!p.isEmpty() && p != QLatin1String("/") && !QFileInfo::exists(p)) {
        const int slash = p.lastIndexOf(u'/');
        tail = p.mid(slash) + tail;
        p = slash <= 0 ? QStringLiteral("/") : p.left(slash);
    }
    const QString canon = QFileInfo(p).canonicalFilePath();
    QString result = (canon.isEmpty() ? p : canon) + tail;
    if (result.startsWith(QLatin1String("//")))
        result.remove(0, 1);
    return result;
}

} // namespace

bool countTree(const QString &folder, TreeCount &count, const TreeProgress &progress)
{
    return countIn(QFile::encodeName(folder).toStdString(), count, progress);
}

bool removeTree(const QString &path, QString *failed, QString *error)
{
    std::string f;
    int err = 0;
    if (removeIn(QFile::encodeName(path).toStdString(), f, err))
        return true;
    if (failed)
        *failed = QFile::decodeName(QByteArray::fromStdString(f));
    if (error)
        *error = systemError(err);
    return false;
}

bool isSameOrInside(const QString &path, const QString &folder)
{
    const QString p = resolved(path);
    const QString f = resolved(folder);
    if (p == f)
        return true;
    return p.startsWith(f == QLatin1String("/") ? f : f + u'/');
}

bool entryExists(const QString &path)
{
    struct stat st;
    return !path.isEmpty() && lstat(QFile::encodeName(path).constData(), &st) == 0;
}

bool sameEntry(const QString &a, const QString &b)
{
    struct stat sa, sb;
    if (lstat(QFile::encodeName(a).constData(), &sa) != 0 || lstat(QFile::encodeName(b).constData(), &sb) != 0)
        return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

bool renameNoReplace(const QString &from, const QString &to, QString *error)
{
    const QByteArray f = QFile::encodeName(from), t = QFile::encodeName(to);
    if (syscall(SYS_renameat2, AT_FDCWD, f.constData(), AT_FDCWD, t.constData(), RENAME_NOREPLACE) == 0)
        return true;
    int err = errno;
    // File systems without the flag: check first, then rename (a race with
    // another program remains, but no element of ours is replaced).
    if (err == EINVAL || err == ENOSYS) {
        if (entryExists(to)) {
            err = EEXIST;
        } else if (::rename(f.constData(), t.constData()) == 0) {
            return true;
        } else {
            err = errno;
        }
    }
    if (error)
        *error = systemError(err);
    return false;
}

QString systemError(int err)
{
    switch (err) {
    case ENOSPC: return QStringLiteral("Der er ikke mere plads på drevet.");
    case EDQUOT: return QStringLiteral("Der er ikke mere plads til brugeren på drevet.");
    case EACCES:
    case EPERM: return QStringLiteral("Adgang nægtet.");
    case EROFS: return QStringLiteral("Drevet er skrivebeskyttet.");
    case ENOENT: return QStringLiteral("Elementet findes ikke.");
    case EEXIST: return QStringLiteral("Der findes allerede et element med det navn.");
    case EIO: return QStringLiteral("Læse- eller skrivefejl på drevet.");
    case EISDIR: return QStringLiteral("Der findes en mappe med det navn.");
    case ENAMETOOLONG: return QStringLiteral("Navnet er for langt.");
    case EFBIG: return QStringLiteral("Filen er for stor til drevet.");
    default: return QString::fromLocal8Bit(strerror(err));
    }
}

} // namespace taglund::platform
