#include "filebox/filecopy.h"

#include "platform/filetree.h"

#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace taglund {

using platform::systemError;

namespace {

constexpr size_t kChunk = 8u << 20;   // progress is reported per chunk
constexpr size_t kBuffer = 1u << 20;

bool fail(TKopiFejl *fejl, const QString &element, int err, bool iKilden)
{
    if (fejl) {
        fejl->element = element;
        fejl->aarsag = systemError(err);
        fejl->iKilden = iKilden;
    }
    return false;
}

// A hidden name beside the target, so a half-written file is never listed
// and never mistaken for the target.
QByteArray tempNameFor(const QString &target)
{
    static std::atomic<unsigned> counter{0};
    const QByteArray t = QFile::encodeName(target);
    const qsizetype slash = t.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : t.left(slash);
    const QByteArray name = t.mid(slash + 1).left(120);
    return folder + "/." + name + '.' + QByteArray::number(getpid()) + '-'
           + QByteArray::number(counter.fetch_add(1)) + ".taglund-kopi";
}

// The temporary file is made with the source's permissions where the
// umask lets them through, so most copies need no change of mode later.
int openTemp(const QString &target, QByteArray &tempName, mode_t mode = 0600)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempName = tempNameFor(target);
        const int fd = ::open(tempName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool isTargetErrno(int err)
{
    return err == ENOSPC || err == EDQUOT || err == EFBIG || err == EROFS;
}

// Copies the rest of `in` to `out` with read and write. Returns 0 or the
// errno; `fromSource` says which side failed.
int copyPlain(int in, int out, qint64 &done, qint64 total, const TKopiFremdrift &fremdrift, bool &fromSource)
{
    std::vector<char> buf(kBuffer);
    qint64 sinceReport = 0;
    for (;;) {
        const ssize_t n = ::read(in, buf.data(), buf.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fromSource = true;
            return errno;
        }
        if (n == 0)
            return 0;
        ssize_t off = 0;
        while (off < n) {
            const ssize_t w = ::write(out, buf.data() + off, size_t(n - off));
            if (w < 0) {
                if (errno == EINTR)
                    continue;
                fromSource = false;
                return errno;
            }
            off += w;
        }
        done += n;
        sinceReport += n;
        if (fremdrift && sinceReport >= qint64(kChunk)) {
            sinceReport = 0;
            fremdrift(done, total);
        }
    }
}

// In-kernel copy where the system offers it, in chunks so progress can be
// shown; falls back to read and write where it does not.
int copyData(int in, int out, qint64 total, const TKopiFremdrift &fremdrift, bool &fromSource)
{
    qint64 done = 0;
    bool kernel = true;
    while (kernel) {
        const ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, kChunk, 0);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            if (isTargetErrno(errno)) {
                fromSource = false;
                return errno;
            }
            kernel = false;   // not offered here, or a fault read and write can name exactly
            break;
        }
        if (n == 0)
            return done < total ? copyPlain(in, out, done, total, fremdrift, fromSource) : 0;
        done += n;
        if (fremdrift)
            fremdrift(done, total);
    }
    return copyPlain(in, out, done, total, fremdrift, fromSource);
}

bool place(const QByteArray &temp, const QString &target, bool replace, TKopiFejl *fejl)
{
    if (replace) {
        if (::rename(temp.constData(), QFile::encodeName(target).constData()) == 0)
            return true;
        const int err = errno;
        ::unlink(temp.constData());
        return fail(fejl, target, err, false);
    }
    QString why;
    if (platform::renameNoReplace(QFile::decodeName(temp), target, &why))
        return true;
    ::unlink(temp.constData());
    if (fejl) {
        fejl->element = target;
        fejl->aarsag = why;
        fejl->iKilden = false;
    }
    return false;
}

bool copyLink(const QString &source, const QString &target, const struct stat &st, TKopiFejl *fejl)
{
    const QByteArray src = QFile::encodeName(source);
    std::vector<char> buf(size_t(st.st_size > 0 ? st.st_size : 255) + 1);
    const ssize_t n = ::readlink(src.constData(), buf.data(), buf.size() - 1);
    if (n < 0)
        return fail(fejl, source, errno, true);
    buf[size_t(n)] = 0;
    QByteArray temp;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = tempNameFor(target);
        if (::symlink(buf.data(), temp.constData()) == 0)
            break;
        if (errno != EEXIST)
            return fail(fejl, target, errno, false);
        temp.clear();
    }
    if (temp.isEmpty())
        return fail(fejl, target, EEXIST, false);
    const struct timespec times[2] = {st.st_atim, st.st_mtim};
    ::utimensat(AT_FDCWD, temp.constData(), times, AT_SYMLINK_NOFOLLOW);
    return place(temp, target, true, fejl);
}

} // namespace

mode_t currentUmask()
{
    static const mode_t mask = [] {
        const mode_t m = ::umask(0);
        ::umask(m);
        return m;
    }();
    return mask;
}

bool kopierFil(const QString &source, const QString &target, const TKopiFremdrift &fremdrift, TKopiFejl *fejl,
               qint64 *size)
{
    const QByteArray src = QFile::encodeName(source);
    struct stat st;
    // Opening without following links tells a link from a file in the same
    // call; anything but a plain file is then looked at on its own.
    const int in = ::open(src.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (in < 0) {
        const int err = errno;
        if (::lstat(src.constData(), &st) != 0)
            return fail(fejl, source, errno, true);
        if (size)
            *size = st.st_size;
        if (S_ISLNK(st.st_mode))
            return copyLink(source, target, st, fejl);
        return fail(fejl, source, err, true);
    }
    const bool statted = ::fstat(in, &st) == 0;
    if (!statted || !S_ISREG(st.st_mode)) {
        const int err = !statted ? errno : S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        ::close(in);
        return fail(fejl, source, err, true);
    }
    if (size)
        *size = st.st_size;
    QByteArray temp;
    const int out = openTemp(target, temp, st.st_mode & 0777);
    if (out < 0) {
        const int err = errno;
        ::close(in);
        return fail(fejl, target, err, false);
    }
    if (fremdrift)
        fremdrift(0, st.st_size);
    bool fromSource = false;
    int err = copyData(in, out, st.st_size, fremdrift, fromSource);
    ::close(in);
    struct stat written;
    if (!err && ::fstat(out, &written) != 0)
        err = errno;
    if (!err && written.st_size != st.st_size) {
        // The source changed while it was read, or the target lost data:
        // either way this copy is not the file.
        err = EIO;
        fromSource = false;
    }
    if (!err) {
        if ((st.st_mode & 07777) != (st.st_mode & 0777 & ~currentUmask()))
            ::fchmod(out, st.st_mode & 07777);
        const struct timespec times[2] = {st.st_atim, st.st_mtim};
        ::futimens(out, times);
    }
    if (::close(out) != 0 && !err)
        err = errno;
    if (err) {
        ::unlink(temp.constData());
        return fail(fejl, fromSource ? source : target, err, fromSource);
    }
    return place(temp, target, true, fejl);
}

bool skrivNyFil(const QByteArray &bytes, const QString &target, bool replace, TKopiFejl *fejl)
{
    QByteArray temp;
    const int out = openTemp(target, temp);
    if (out < 0)
        return fail(fejl, target, errno, false);
    qint64 off = 0;
    int err = 0;
    while (off < bytes.size()) {
        const ssize_t w = ::write(out, bytes.constData() + off, size_t(bytes.size() - off));
        if (w < 0) {
            if (errno == EINTR)
                continue;
            err = errno;
            break;
        }
        off += w;
    }
    if (!err)
        ::fchmod(out, 0666 & ~currentUmask());
    if (::close(out) != 0 && !err)
        err = errno;
    if (err) {
        ::unlink(temp.constData());
        return fail(fejl, target, err, false);
    }
    return place(temp, target, replace, fejl);
}

void kopierMappeEgenskaber(const QString &source, const QString &target)
{
    struct stat st;
    if (::stat(QFile::encodeName(source).constData(), &st) != 0)
        return;
    const QByteArray t = QFile::encodeName(target);
    const struct timespec times[2] = {st.st_atim, st.st_mtim};
    ::utimensat(AT_FDCWD, t.constData(), times, 0);
    ::chmod(t.constData(), st.st_mode & 07777);
}

} // namespace taglund
