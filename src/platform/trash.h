#pragma once
#include <QString>

namespace taglund::platform {

// The user's trash in the freedesktop layout: a folder with
// "files/" (the deleted elements) and "info/" (one .trashinfo per element).
// Sending goes through the toolkit (QFile::moveToTrash), which also knows
// the trash folders of other mounts; counting and emptying are our own,
// as Linux has no system call for them, and cover the home trash only.
class TPapirkurv {
public:
    // The home trash: $XDG_DATA_HOME/Trash, or ~/.local/share/Trash.
    TPapirkurv();
    // A trash in a given folder (tests give a temporary one).
    explicit TPapirkurv(const QString &folder);

    static QString homeTrashFolder();
    QString folder() const { return m_folder; }

    // Moves the element (file, folder or link) to the trash that the system
    // chooses for it. False with the system's reason when that fails.
    static bool send(const QString &path, QString *error = nullptr);

    struct Indhold {
        int elementer = 0;   // top-level elements in files/
        qint64 bytes = 0;    // their size, folders counted through
    };
    Indhold count() const;

    // Deletes everything in files/ and info/ (and the size cache); the two
    // folders stay. On failure the first element that could not be deleted
    // is named in `error`.
    bool empty(QString *error = nullptr);

private:
    QString m_folder;
};

} // namespace taglund::platform
