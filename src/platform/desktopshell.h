#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace taglund {

// The result codes the shell reports, as the error texts are keyed by them:
// 32 or less is a failure, above 32 success.
namespace ShellResult {
constexpr int OutOfResources = 0;
constexpr int Unknown = 1;   // no text of its own: "unknown error"
constexpr int FileNotFound = 2;
constexpr int PathNotFound = 3;
constexpr int AccessDenied = 5;
constexpr int NoAssociation = 31;
constexpr int Success = 42;
constexpr bool succeeded(int code) { return code > 32; }
} // namespace ShellResult

// The desktop shell: opening files with their associated programs, running
// programs, showing folders in the file manager. Arguments always travel as
// lists, never through a command string.
class DesktopShell {
public:
    virtual ~DesktopShell() = default;

    // Opens `path` with the program associated with its type. `verb` is
    // "open" or "edit"; "edit" falls back to "open" for a type without an
    // edit program. `parameters` go to that program; `workingFolder` (may be
    // empty) becomes its current folder.
    int openFile(const QString &path, const QString &verb = QStringLiteral("open"),
                 const QStringList &parameters = {}, const QString &workingFolder = {});
    // Starts `program` (a path or a name looked up on the search path).
    virtual int runProgram(const QString &program, const QStringList &arguments,
                           const QString &workingFolder = {}) = 0;
    // Shows the folder in the system's file manager.
    virtual int openFolder(const QString &folder) = 0;

    // The one shell the program uses; tests put a fake in its place.
    static DesktopShell &instance();
    // Takes no ownership; nullptr goes back to the system's shell.
    static void setInstance(DesktopShell *shell);

protected:
    // Whether the type of `path` has a program for `verb` other than "open".
    virtual bool hasVerb(const QString &path, const QString &verb) = 0;
    virtual int open(const QString &path, const QString &verb, const QStringList &parameters,
                     const QString &workingFolder) = 0;
};

// Why a path cannot be opened, before any program is asked: 2 when the file
// is missing in an existing folder, 3 when its folder is missing, 5 when it
// cannot be read; 0 when it can be handed on.
int shellPathProblem(const QString &path);

// The shell of a freedesktop system: xdg-open (or gio, or the toolkit's own
// services) for files and folders, QProcess::startDetached for programs.
class XdgDesktopShell : public DesktopShell {
public:
    // How a program is started; replaced in tests so nothing is launched.
    using Launcher = std::function<bool(const QString &program, const QStringList &arguments,
                                        const QString &workingFolder)>;
    // Finds a program on the search path ("" when it is not there).
    using Finder = std::function<QString(const QString &name)>;
    // Runs a helper program to its end and returns what it printed.
    using Query = std::function<QString(const QString &program, const QStringList &arguments)>;

    XdgDesktopShell();
    void setLauncher(Launcher l) { m_launch = std::move(l); }
    void setFinder(Finder f) { m_find = std::move(f); }
    void setQuery(Query q) { m_query = std::move(q); }

    int runProgram(const QString &program, const QStringList &arguments, const QString &workingFolder = {}) override;
    int openFolder(const QString &folder) override;

protected:
    // The freedesktop associations have no separate edit program.
    bool hasVerb(const QString &, const QString &) override { return false; }
    int open(const QString &path, const QString &verb, const QStringList &parameters,
             const QString &workingFolder) override;

private:
    int launchOpener(const QString &target, const QString &workingFolder);
    bool hasAssociation(const QString &path);

    Launcher m_launch;
    Finder m_find;
    Query m_query;
};

// A shell that opens nothing and remembers every request, for tests.
class FakeDesktopShell : public DesktopShell {
public:
    struct Call {
        QString what;       // "open", "run" or "folder"
        QString target;     // the path, program or folder
        QString verb;       // "open"/"edit" as carried out
        QStringList arguments;
        QString workingFolder;
    };
    QList<Call> calls;
    int result = ShellResult::Success;   // what every request answers
    QStringList editableTypes;           // extensions (".txt") that have an edit program

    int runProgram(const QString &program, const QStringList &arguments, const QString &workingFolder = {}) override;
    int openFolder(const QString &folder) override;

protected:
    bool hasVerb(const QString &path, const QString &verb) override;
    int open(const QString &path, const QString &verb, const QStringList &parameters,
             const QString &workingFolder) override;
};

// Puts a shell in place for as long as the object lives.
class ScopedDesktopShell {
public:
    explicit ScopedDesktopShell(DesktopShell *shell) { DesktopShell::setInstance(shell); }
    ~ScopedDesktopShell() { DesktopShell::setInstance(nullptr); }
    ScopedDesktopShell(const ScopedDesktopShell &) = delete;
    ScopedDesktopShell &operator=(const ScopedDesktopShell &) = delete;
};

} // namespace taglund
