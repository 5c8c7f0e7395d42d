#include "platform/desktopshell.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QtTest>

using namespace taglund;

namespace {

struct Launch {
    QString program;
    QStringList arguments;
    QString workingFolder;
};

// The system shell with every outside program replaced: nothing is started,
// each start is recorded, and only the listed helpers are "installed".
struct RecordingXdg {
    XdgDesktopShell shell;
    QList<Launch> launches;
    QStringList installed{"xdg-open", "xdg-mime"};
    QString defaultApp = "viewer.desktop";
    bool launchSucceeds = true;

    RecordingXdg()
    {
        shell.setLauncher([this](const QString &p, const QStringList &a, const QString &w) {
            launches.append({p, a, w});
            return launchSucceeds;
        });
        shell.setFinder([this](const QString &name) {
            return installed.contains(name) ? "/usr/bin/" + name : QString();
        });
        shell.setQuery([this](const QString &, const QStringList &) { return defaultApp; });
    }
};

QString makeFile(const QString &path, const QByteArray &bytes, bool executable = false)
{
    test::writeAll(path, bytes);
    if (executable)
        QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner);
    return path;
}

} // namespace

class TestDesktopShell : public QObject {
    Q_OBJECT
private slots:
    void editFallsBackToOpen_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("verb");
        QTest::addColumn<QString>("carriedOut");
        QTest::newRow("open") << "/d/a.html" << "open" << "open";
        QTest::newRow("edit with an editor") << "/d/a.TXT" << "edit" << "edit";
        QTest::newRow("edit without one") << "/d/a.html" << "edit" << "open";
        QTest::newRow("verb in capitals") << "/d/a.html" << "EDIT" << "open";
    }
    void editFallsBackToOpen()
    {
        QFETCH(QString, path);
        QFETCH(QString, verb);
        QFETCH(QString, carriedOut);
        FakeDesktopShell fake;
        fake.editableTypes = {".txt"};
        QCOMPARE(fake.openFile(path, verb, {"-x"}, "/d"), ShellResult::Success);
        QCOMPARE(fake.calls.size(), 1);
        QCOMPARE(fake.calls[0].verb, carriedOut);
        QCOMPARE(fake.calls[0].arguments, QStringList{"-x"});
        QCOMPARE(fake.calls[0].workingFolder, QString("/d"));
    }

    void instanceCanBeReplaced()
    {
        FakeDesktopShell fake;
        fake.result = ShellResult::NoAssociation;
        {
            ScopedDesktopShell scoped(&fake);
            QCOMPARE(&DesktopShell::instance(), static_cast<DesktopShell *>(&fake));
            QCOMPARE(DesktopShell::instance().openFolder("/d"), ShellResult::NoAssociation);
        }
        QVERIFY(dynamic_cast<XdgDesktopShell *>(&DesktopShell::instance()));
        QCOMPARE(fake.calls.size(), 1);
        QCOMPARE(fake.calls[0].what, QString("folder"));
    }

    void pathProblems_data()
    {
        QTest::addColumn<QString>("rel");
        QTest::addColumn<int>("code");
        QTest::newRow("exists") << "a.mp4" << 0;
        QTest::newRow("missing file") << "b.mp4" << ShellResult::FileNotFound;
        QTest::newRow("missing folder") << "ingen/b.mp4" << ShellResult::PathNotFound;
        QTest::newRow("empty") << "" << ShellResult::FileNotFound;
    }
    void pathProblems()
    {
        QFETCH(QString, rel);
        QFETCH(int, code);
        test::TempRoot root;
        makeFile(root.file("a.mp4"), "x");
        QCOMPARE(shellPathProblem(rel.isEmpty() ? QString() : root.file(rel)), code);
    }

    void opensThroughXdgOpenAsOneArgument()
    {
        test::TempRoot root;
        // Characters a command string would misread travel untouched.
        const QString f = makeFile(root.file("film 'a'; $(rm x) & b.mp4"), "x");
        RecordingXdg x;
        QCOMPARE(x.shell.openFile(f, "open", {}, root.path()), ShellResult::Success);
        QCOMPARE(x.launches.size(), 1);
        QCOMPARE(x.launches[0].program, QString("/usr/bin/xdg-open"));
        QCOMPARE(x.launches[0].arguments, QStringList{f});
        QCOMPARE(x.launches[0].workingFolder, root.path());
    }

    void openFailures_data()
    {
        QTest::addColumn<QString>("rel");
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("defaultApp");
        QTest::addColumn<bool>("launchSucceeds");
        QTest::addColumn<QStringList>("parameters");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("launched");   // program started, "" for none
        const QStringList both{"xdg-open", "xdg-mime"};
        QTest::newRow("missing file") << "b.png" << both << "v" << true << QStringList{} << 2 << "";
        QTest::newRow("missing folder") << "x/b.png" << both << "v" << true << QStringList{} << 3 << "";
        QTest::newRow("no association") << "a.png" << both << "" << true << QStringList{} << 31 << "";
        QTest::newRow("opener fails") << "a.png" << both << "v" << false << QStringList{} << 31
                                      << "/usr/bin/xdg-open";
        QTest::newRow("nothing to ask") << "a.png" << QStringList{"xdg-open"} << "" << true << QStringList{} << 42
                                        << "/usr/bin/xdg-open";
        QTest::newRow("gio instead") << "a.png" << QStringList{"gio"} << "" << true << QStringList{} << 42
                                     << "/usr/bin/gio";
        QTest::newRow("parameters need a program") << "a.png" << both << "v" << true << QStringList{"-p"} << 31
                                                   << "";
    }
    void openFailures()
    {
        QFETCH(QString, rel);
        QFETCH(QStringList, installed);
        QFETCH(QString, defaultApp);
        QFETCH(bool, launchSucceeds);
        QFETCH(QStringList, parameters);
        QFETCH(int, code);
        QFETCH(QString, launched);
        test::TempRoot root;
        makeFile(root.file("a.png"), "x");
        RecordingXdg x;
        x.installed = installed;
        x.defaultApp = defaultApp;
        x.launchSucceeds = launchSucceeds;
        QCOMPARE(x.shell.openFile(root.file(rel), "open", parameters), code);
        QCOMPARE(x.launches.isEmpty() ? QString() : x.launches.first().program, launched);
        if (launched.endsWith("gio"))
            QCOMPARE(x.launches.first().arguments, (QStringList{"open", root.file("a.png")}));
    }

    void scriptsRunThemselves()
    {
        test::TempRoot root;
        const QString script = makeFile(root.file("run.sh"), "#!/bin/sh\necho\n", true);
        const QString media = makeFile(root.file("sang.mp3"), "ID3x", true);   // execute bit, not a program
        RecordingXdg x;
        QCOMPARE(x.shell.openFile(script, "open", {"Win32_Process"}, root.path()), ShellResult::Success);
        QCOMPARE(x.launches.size(), 1);
        QCOMPARE(x.launches[0].program, script);
        QCOMPARE(x.launches[0].arguments, QStringList{"Win32_Process"});
        QCOMPARE(x.shell.openFile(media), ShellResult::Success);
        QCOMPARE(x.launches[1].program, QString("/usr/bin/xdg-open"));
    }

    void runningPrograms_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<int>("code");
        QTest::newRow("on the search path") << "xdg-open" << "" << 42;
        QTest::newRow("not installed") << "cmd" << "" << 2;
        QTest::newRow("missing working folder") << "xdg-open" << "/ingen/mappe" << 3;
        QTest::newRow("missing program file") << "/ingen/prog" << "" << 3;
    }
    void runningPrograms()
    {
        QFETCH(QString, program);
        QFETCH(QString, folder);
        QFETCH(int, code);
        RecordingXdg x;
        QCOMPARE(x.shell.runProgram(program, {"/K", "a b.bat"}, folder), code);
        QCOMPARE(x.launches.size(), code == 42 ? 1 : 0);
        if (code == 42)
            QCOMPARE(x.launches[0].arguments, (QStringList{"/K", "a b.bat"}));
    }

    void runningAFileThatIsNoProgram()
    {
        test::TempRoot root;
        RecordingXdg x;
        QCOMPARE(x.shell.runProgram(makeFile(root.file("data.txt"), "x"), {}), ShellResult::AccessDenied);
        QVERIFY(x.launches.isEmpty());
    }

    void folders()
    {
        test::TempRoot root;
        RecordingXdg x;
        QCOMPARE(x.shell.openFolder(root.file("ingen")), ShellResult::PathNotFound);
        QCOMPARE(x.shell.openFolder(root.path()), ShellResult::Success);
        QCOMPARE(x.shell.openFile(root.path()), ShellResult::Success);   // a folder given as a file
        QCOMPARE(x.launches.size(), 2);
        QCOMPARE(x.launches[0].arguments, QStringList{QDir(root.path()).absolutePath()});
    }
};

QTEST_GUILESS_MAIN(TestDesktopShell)
#include "tst_desktopshell.moc"
