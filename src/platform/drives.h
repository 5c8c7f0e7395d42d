#pragma once
#include <QList>
#include <QString>

namespace taglund::platform {

// Drive kinds by the codes the file box uses: removable 1, fixed 2, CD-ROM 3,
// RAM disk 4, remote 5, and 0 for anything else or no drive.
namespace DriveKind {
constexpr int None = 0;
constexpr int Removable = 1;
constexpr int Fixed = 2;
constexpr int CdRom = 3;
constexpr int RamDisk = 4;
constexpr int Remote = 5;
} // namespace DriveKind

// One mounted file system the user cares about. On Linux a "drive" is a
// mount point: the root folder, the home folder when it is mounted on its
// own, removable media below /media and /run/media, and network mounts.
struct TDrev {
    QString root;           // the mount point, e.g. "/" or "/media/anna/USB"
    QString label;          // volume label, "" when it has none
    QString fileSystem;     // "ext4", "vfat", ... ("" when unknown)
    int kind = DriveKind::None;
    qint64 capacity = 0;    // bytes, 0 when unknown
    qint64 free = 0;        // bytes available to the user
};

// What a mount is, from where it is mounted and its file-system type. Pure,
// so the rules can be tested without the machine's mounts.
int classifyMount(const QString &root, const QString &fileSystem, const QString &home);
// Whether a mount belongs in the drive list at all (root, home, media, network).
bool isUserMount(const QString &root, const QString &fileSystem, const QString &home);

// The drives in a fixed order: "/" first, then the others by mount point.
QList<TDrev> userDrives();
// The drive that holds `path` (the deepest mount point above it); a TDrev
// with kind 0 and an empty root when the path does not exist.
TDrev driveOf(const QString &path);

} // namespace taglund::platform
