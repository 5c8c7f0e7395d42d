#pragma once
#include <QString>
#include <functional>

namespace taglund::platform {

// Walks over folder trees never follow a symbolic link: a link is one
// element of its own (counted, copied and deleted as a link), so a link
// that points back up the tree cannot make a walk endless.

struct TreeCount {
    qint64 files = 0;     // every non-folder element, links and hidden ones included
    qint64 folders = 0;   // sub-folders below the start folder
    qint64 bytes = 0;     // sizes as listed (a link counts its own size)
};

// Called before each sub-folder is entered, with the totals so far.
using TreeProgress = std::function<void(const TreeCount &)>;

// Adds what lies below `folder` to `count`. False when a folder could not be
// read (what could be read is still counted).
bool countTree(const QString &folder, TreeCount &count, const TreeProgress &progress = {});

// Deletes `path` with everything below it; a link is removed, never what it
// points to. On failure `failed` names the first element that could not be
// deleted and `error` says why; what was deleted before stays deleted.
bool removeTree(const QString &path, QString *failed = nullptr, QString *error = nullptr);

// Whether `path` is `folder` itself or lies below it, after resolving links
// in both (a path that does not exist yet is resolved through its parent).
bool isSameOrInside(const QString &path, const QString &folder);

// The element exists as anything, a dangling link included.
bool entryExists(const QString &path);
// `a` and `b` are the same file-system object (same device and inode).
bool sameEntry(const QString &a, const QString &b);

// Renames without ever replacing an existing element; false with the
// system's reason when the target exists or the rename fails.
bool renameNoReplace(const QString &from, const QString &to, QString *error = nullptr);

// A Danish text for an errno value (the system's own text for rare ones).
QString systemError(int err);

} // namespace taglund::platform
