#include "platform/desktopshell.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace taglund {

namespace {

DesktopShell *g_shell = nullptr;

// Only a real program or a script that names its interpreter is started
// directly: files copied from other systems often carry execute bits.
bool isRunnable(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile() || !info.isExecutable())
        return false;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = f.read(4);
    return head.startsWith("#!") || head == "\x7f" "ELF";
}

QString extensionOfName(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot);
}

} // namespace

int DesktopShell::openFile(const QString &path, const QString &verb, const QStringList &parameters,
                           const QString &workingFolder)
{
    const QString v = verb.compare(QStringLiteral("edit"), Qt::CaseInsensitive) == 0 && !hasVerb(path, verb)
                          ? QStringLiteral("open")
                          : verb.toLower();
    return open(path, v, parameters, workingFolder);
}

DesktopShell &DesktopShell::instance()
{
    if (g_shell)
        return *g_shell;
    static XdgDesktopShell system;
    return system;
}

void DesktopShell::setInstance(DesktopShell *shell)
{
    g_shell = shell;
}

int shellPathProblem(const QString &path)
{
    if (path.isEmpty())
        return ShellResult::FileNotFound;
    const QFileInfo info(path);
    if (info.exists())
        return info.isReadable() ? 0 : ShellResult::AccessDenied;
    return QFileInfo(info.absolutePath()).isDir() ? ShellResult::FileNotFound : ShellResult::PathNotFound;
}

XdgDesktopShell::XdgDesktopShell()
    : m_launch([](const QString &program, const QStringList &arguments, const QString &workingFolder) {
          return QProcess::startDetached(program, arguments, workingFolder);
      }),
      m_find([](const QString &name) { return QStandardPaths::findExecutable(name); }),
      m_query([](const QString &program, const QStringList &arguments) {
          QProcess p;
          p.start(program, arguments);
          if (!p.waitForFinished(3000)) {
              p.kill();
              p.waitForFinished(1000);
              return QString();
          }
          return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
      })
{
}

int XdgDesktopShell::runProgram(const QString &program, const QStringList &arguments, const QString &workingFolder)
{
    QString exe = program;
    if (program.contains(u'/') || program.contains(u'\\')) {
        if (const int problem = shellPathProblem(program))
            return problem;
        if (!QFileInfo(program).isExecutable())
            return ShellResult::AccessDenied;
    } else {
        exe = m_find(program);
        if (exe.isEmpty())
            return ShellResult::FileNotFound;
    }
    if (!workingFolder.isEmpty() && !QFileInfo(workingFolder).isDir())
        return ShellResult::PathNotFound;
    return m_launch(exe, arguments, workingFolder) ? ShellResult::Success : ShellResult::Unknown;
}

int XdgDesktopShell::openFolder(const QString &folder)
{
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return ShellResult::PathNotFound;
    return launchOpener(QDir(folder).absolutePath(), {});
}

bool XdgDesktopShell::hasAssociation(const QString &path)
{
    const QString xdgMime = m_find(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty())
        return true;   // nothing to ask: let the opener find out
    const QString mime = QMimeDatabase().mimeTypeForFile(path).name();
    return !m_query(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), mime}).isEmpty();
}

int XdgDesktopShell::open(const QString &path, const QString &, const QStringList &parameters,
                          const QString &workingFolder)
{
    if (const int problem = shellPathProblem(path))
        return problem;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (QFileInfo(absolute).isDir())
        return openFolder(absolute);
    if (isRunnable(absolute))
        return runProgram(absolute, parameters, workingFolder);
    // The file managers' openers take a file and nothing else.
    if (!parameters.isEmpty() || !hasAssociation(absolute))
        return ShellResult::NoAssociation;
    return launchOpener(absolute, workingFolder);
}

int XdgDesktopShell::launchOpener(const QString &target, const QString &workingFolder)
{
    const QString dir = workingFolder.isEmpty() || !QFileInfo(workingFolder).isDir() ? QString() : workingFolder;
    const QString xdgOpen = m_find(QStringLiteral("xdg-open"));
    if (!xdgOpen.isEmpty())
        return m_launch(xdgOpen, {target}, dir) ? ShellResult::Success : ShellResult::NoAssociation;
    const QString gio = m_find(QStringLiteral("gio"));
    if (!gio.isEmpty())
        return m_launch(gio, {QStringLiteral("open"), target}, dir) ? ShellResult::Success
                                                                     : ShellResult::NoAssociation;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(target)) ? ShellResult::Success
                                                                  : ShellResult::NoAssociation;
}

int FakeDesktopShell::runProgram(const QString &program, const QStringList &arguments,
                                 const QString &workingFolder)
{
    calls.append({QStringLiteral("run"), program, QString(), arguments, workingFolder});
    return result;
}

int FakeDesktopShell::openFolder(const QString &folder)
{
    calls.append({QStringLiteral("folder"), folder, QString(), {}, {}});
    return result;
}

bool FakeDesktopShell::hasVerb(const QString &path, const QString &)
{
    return editableTypes.contains(extensionOfName(path), Qt::CaseInsensitive);
}

int FakeDesktopShell::open(const QString &path, const QString &verb, const QStringList &parameters,
                           const QString &workingFolder)
{
    calls.append({QStringLiteral("open"), path, verb, parameters, workingFolder});
    return result;
}

} // namespace taglund
