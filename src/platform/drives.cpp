#include "platform/drives.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>

namespace taglund::platform {

namespace {

bool isNetworkFs(const QString &fs)
{
    static const QStringList net{"nfs", "nfs4", "cifs", "smb3", "smbfs", "fuse.sshfs", "sshfs",
                                 "9p", "afs", "ceph", "glusterfs", "fuse.glusterfs", "davfs",
                                 "fuse.davfs2", "fuse.rclone"};
    return net.contains(fs);
}

bool isOpticalFs(const QString &fs)
{
    return fs == QLatin1String("iso9660") || fs == QLatin1String("udf");
}

bool isRamFs(const QString &fs)
{
    return fs == QLatin1String("tmpfs") || fs == QLatin1String("ramfs");
}

bool below(const QString &path, const QString &folder)
{
    return path.startsWith(folder + u'/');
}

bool isMediaMount(const QString &root)
{
    return below(root, QStringLiteral("/media")) || below(root, QStringLiteral("/run/media"))
           || below(root, QStringLiteral("/mnt"));
}

TDrev fromStorage(const QStorageInfo &s, const QString &home)
{
    TDrev d;
    d.root = s.rootPath();
    d.label = s.name();
    d.fileSystem = QString::fromLatin1(s.fileSystemType());
    d.kind = classifyMount(d.root, d.fileSystem, home);
    d.capacity = std::max<qint64>(0, s.bytesTotal());
    d.free = std::max<qint64>(0, s.bytesAvailable());
    return d;
}

} // namespace

int classifyMount(const QString &root, const QString &fileSystem, const QString &home)
{
    if (root.isEmpty())
        return DriveKind::None;
    if (isNetworkFs(fileSystem))
        return DriveKind::Remote;
    if (isOpticalFs(fileSystem))
        return DriveKind::CdRom;
    if (isRamFs(fileSystem))
        return DriveKind::RamDisk;
    if (isMediaMount(root))
        return DriveKind::Removable;
    Q_UNUSED(home);
    return DriveKind::Fixed;
}

bool isUserMount(const QString &root, const QString &fileSystem, const QString &home)
{
    if (root.isEmpty())
        return false;
    if (root == QLatin1String("/"))
        return true;
    // The home folder, when it (or a folder above it) is mounted on its own.
    if (!home.isEmpty() && (root == home || below(home, root)) && !isRamFs(fileSystem))
        return true;
    if (isNetworkFs(fileSystem))
        return true;
    return isMediaMount(root);
}

QList<TDrev> userDrives()
{
    const QString home = QDir::homePath();
    QList<TDrev> drives;
    for (const QStorageInfo &s : QStorageInfo::mountedVolumes()) {
        if (!s.isValid())
            continue;
        const QString fs = QString::fromLatin1(s.fileSystemType());
        if (!isUserMount(s.rootPath(), fs, home))
            continue;
        if (std::any_of(drives.cbegin(), drives.cend(), [&](const TDrev &d) { return d.root == s.rootPath(); }))
            continue;
        drives.append(fromStorage(s, home));
    }
    std::stable_sort(drives.begin(), drives.end(), [](const TDrev &a, const TDrev &b) {
        if ((a.root == QLatin1String("/")) != (b.root == QLatin1String("/")))
            return a.root == QLatin1String("/");
        return a.root < b.root;
    });
    return drives;
}

TDrev driveOf(const QString &path)
{
    if (path.isEmpty() || !QFileInfo::exists(path))
        return {};
    const QStorageInfo s(path);
    if (!s.isValid())
        return {};
    return fromStorage(s, QDir::homePath());
}

} // namespace taglund::platform
