#pragma once
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <functional>

namespace taglund {

// One key of a file type's association, named relative to the user's
// "Software\Classes" with backslashes between the levels.
struct TAssociationKey {
    QString key;
    QString value;   // the key's default value
};

// The keys that make `ext` (".html", as the user typed it) open with the
// program in `programDir` (no trailing separator), parents before children
// so that writing them in order never needs a key that is not there yet.
QList<TAssociationKey> associationRecord(const QString &ext, const QString &programDir);

// Tying file types to the program in the desktop shell.
class FileAssociations {
public:
    virtual ~FileAssociations() = default;

    // Writes the record for ext; each key is created when missing; a key
    // that cannot be opened stops the writing of the keys below it. Returns
    // whether all keys were written (callers report success regardless;
    // that is their choice).
    virtual bool registerType(const QString &ext, const QString &programDir) = 0;
    // Removes the keys X and X + "File" (and everything below them).
    virtual bool unregisterType(const QString &ext) = 0;
    // After writing or removing, the desktop is told that associations changed.

    // The one set of associations the program uses; tests put a fake in its place.
    static FileAssociations &instance();
    // Takes no ownership; nullptr goes back to the system's.
    static void setInstance(FileAssociations *a);
};

// An in-memory registry below "Software\Classes", for tests.
class FakeFileAssociations : public FileAssociations {
public:
    QMap<QString, QString> keys;   // key -> default value
    QStringList notifications;     // one "changed" per notice to the desktop
    QStringList failing;           // keys that refuse to open

    bool registerType(const QString &ext, const QString &programDir) override;
    bool unregisterType(const QString &ext) override;
};

// The association on a freedesktop system: a hidden desktop entry per
// extension in the user's applications folder, made the default for the
// extension's MIME type in the user's mimeapps.list.
class XdgFileAssociations : public FileAssociations {
public:
    // How a helper program is started; replaced in tests so nothing is launched.
    using Launcher = std::function<bool(const QString &program, const QStringList &arguments)>;
    // Finds a program on the search path ("" when it is not there).
    using Finder = std::function<QString(const QString &name)>;

    // `executable` is what the desktop entry starts; empty means the
    // running program, looked up when a type is registered.
    explicit XdgFileAssociations(const QString &executable = QString());
    void setExecutable(const QString &path) { m_executable = path; }
    void setLauncher(Launcher l) { m_launch = std::move(l); }
    void setFinder(Finder f) { m_find = std::move(f); }

    bool registerType(const QString &ext, const QString &programDir) override;
    bool unregisterType(const QString &ext) override;

    // "taglund-html.desktop" for ".html"; anything but [A-Za-z0-9_-] becomes "_".
    static QString desktopFileName(const QString &ext);
    // Whether `ext` can name a file type at all: a leading dot, something
    // after it, and no path separators or NUL.
    static bool isUsableExtension(const QString &ext);

private:
    void notifyDesktop(const QString &applicationsFolder);

    QString m_executable;
    Launcher m_launch;
    Finder m_find;
};

// Puts a set of associations in place for as long as the object lives.
class ScopedFileAssociations {
public:
    explicit ScopedFileAssociations(FileAssociations *a) { FileAssociations::setInstance(a); }
    ~ScopedFileAssociations() { FileAssociations::setInstance(nullptr); }
    ScopedFileAssociations(const ScopedFileAssociations &) = delete;
    ScopedFileAssociations &operator=(const ScopedFileAssociations &) = delete;
};

} // namespace taglund
