#include "structures/strukturpaneler.h"
#include "appstart.h"
#include "core/commandregistry.h"
#include "core/docarea.h"
#include "app/mainform.h"
#include "core/winform.h"
#include "platform/desktopshell.h"
#include "structures/jsobjektpanel.h"
#include "structures/strukturpanel.h"
#include "support/testsupport.h"
#include "ui/questions.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QToolBar>
#include <QtTest>
#include <memory>

using namespace taglund;

class TestDocPanels : public QObject {
    Q_OBJECT
private slots:
    void panelsByKind_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<bool>("panel");
        QTest::addColumn<bool>("js");
        QTest::addColumn<QStringList>("buttons");  // after the structure panel button
        const QString vbs = "Rediger ord i forhold til VbScript informationsstrukturen";
        const QString asp = "Rediger ord i forhold til ASP informationsstrukturen";
        QTest::newRow("html") << "*.html" << true << false << QStringList{vbs, asp};
        QTest::newRow("js") << "*.js" << true << true << QStringList{};
        QTest::newRow("vbs") << "*.vbs" << true << false << QStringList{vbs, "Kør som cScript"};
        QTest::newRow("asa") << "*.asa" << true << false << QStringList{vbs, asp};
        QTest::newRow("css") << "*.css" << true << false << QStringList{};
        QTest::newRow("bat") << "*.bat" << true << false
                             << QStringList{"Kør batch eller PowerShell script: bat eller ps1 fil"};
        QTest::newRow("txt") << "*.txt" << false << false
                             << QStringList{"Rediger i andet program", "Kør skriptet", "Rediger"};
    }
    void panelsByKind()
    {
        QFETCH(QString, pattern);
        QFETCH(bool, panel);
        QFETCH(bool, js);
        QFETCH(QStringList, buttons);
        test::TempRoot root;
        ui::Script script;
        ui::setScript(&script);
        auto main = std::make_unique<Tmainform>(QStringLiteral("/opt/taglund"), QStringList{});
        main->show();
        test::waitForStartFiles(*main);
        test::closeFilebox(*main);
        Twinform *w = main->openwin(QString(), pattern);
        auto *p = w->findChild<TDokumentPaneler *>();
        QCOMPARE(p != nullptr, panel);
        if (panel) {
            QVERIFY(p->strukturPanel());
            QCOMPARE(p->jsPanel() != nullptr, js);
            QCOMPARE(p->bar(), w->documentBar());
            QVERIFY(!p->panelShown());
            QCOMPARE(p->toggleAction()->toolTip(), QString("Vis strukturpanelet"));
            p->toggleAction()->trigger();
            QVERIFY(p->panelShown());
            QCOMPARE(p->toggleAction()->toolTip(), QString("Luk strukturpanelet"));
            p->toggleAction()->trigger();
            QVERIFY(!p->panelShown());
            buttons.prepend("Vis strukturpanelet");
        }
        // The structure panel's buttons, then the program's on the same bar.
        QVERIFY(w->hasDocumentBar());
        QToolBar *bar = w->documentBar();
        QStringList names;
        for (QAction *a : bar->actions())
            if (QWidget *b = bar->widgetForAction(a))
                names << b->accessibleName();
        QCOMPARE(names, buttons);
        main.reset();
        ui::setScript(nullptr);
    }

    // The batch and VBScript bars run the file as it lies on disk, in its
    // folder, its name one argument; an untitled document is refused.
    void runButtons_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("command");  // after the terminal's own arguments
        QTest::newRow("batch") << "*.bat" << "Kør batch eller PowerShell script: bat eller ps1 fil" << "my script.bat"
                               << QStringList{"sh", "my script.bat"};
        QTest::newRow("cscript") << "*.vbs" << "Kør som cScript" << "vis -x.vbs"
                                 << QStringList{"cscript", "vis -x.vbs"};
    }
    void runButtons()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, button);
        QFETCH(QString, file);
        QFETCH(QStringList, command);
        test::TempRoot root;
        // A terminal of our own on the search path, so the run is the same on any machine.
        const QString bin = root.file("bin");
        QDir().mkpath(bin);
        const QString terminal = bin + "/x-terminal-emulator";
        test::writeAll(terminal, "#!/bin/sh\n");
        QFile::setPermissions(terminal, QFile::permissions(terminal) | QFile::ExeOwner);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", bin.toLocal8Bit() + ':' + path);
        ui::Script script;
        ui::setScript(&script);
        FakeDesktopShell shell;
        ScopedDesktopShell useShell(&shell);
        QStringList saveNames{root.file(file)};
        script.saveFileName = [&](const QString &, const QString &) {
            return saveNames.isEmpty() ? QString() : saveNames.takeFirst();
        };
        auto main = std::make_unique<Tmainform>(QStringLiteral("/opt/taglund"), QStringList{});
        main->show();
        test::waitForStartFiles(*main);
        test::closeFilebox(*main);
        Twinform *w = main->openwin(QString(), pattern);
        QToolBar *bar = w->documentBar();
        QAction *run = nullptr;
        for (QAction *a : bar->actions())
            if (a->toolTip() == button)
                run = a;
        QVERIFY(run);
        run->trigger();
        QCOMPARE(script.messages, QStringList{"Gem dokumentet og prøv igen."});
        QVERIFY(shell.calls.isEmpty());

        QVERIFY(main->documents()->GemSomDokument(w));
        w->text().setText("ændret, ikke gemt");
        run->trigger();
        QCOMPARE(shell.calls.size(), 1);
        const FakeDesktopShell::Call call = shell.calls.first();
        QCOMPARE(call.what, QString("run"));
        QCOMPARE(call.target, terminal);
        QCOMPARE(call.workingFolder, root.path());
        QVERIFY2(call.arguments.size() >= command.size(), qPrintable(call.arguments.join('|')));
        QCOMPARE(call.arguments.mid(call.arguments.size() - command.size()), command);
        // What runs is the file on disk: the editor's change is not written first.
        QVERIFY(w->text().Modified());
        main.reset();
        ui::setScript(nullptr);
        qputenv("PATH", path);
    }

    // The general bar's buttons are the main window's commands: enabled as
    // they are, and acting on their document.
    void generalBarForwardsToTheCommands()
    {
        test::TempRoot root;
        ui::Script script;
        ui::setScript(&script);
        FakeDesktopShell shell;
        shell.editableTypes << ".txt";
        ScopedDesktopShell useShell(&shell);
        auto main = std::make_unique<Tmainform>(QStringLiteral("/opt/taglund"), QStringList{});
        main->show();
        test::waitForStartFiles(*main);
        test::closeFilebox(*main);
        const QString file = root.file("noter.txt");
        test::writeAll(file, "tekst");
        Twinform *w = main->openwin(file);
        QToolBar *bar = w->documentBar();
        auto button = [bar](const QString &name) -> QAction * {
            for (QAction *a : bar->actions())
                if (a->toolTip() == name)
                    return a;
            return nullptr;
        };
        QAction *edit = button("Rediger i andet program");
        QAction *run = button("Kør skriptet");
        QVERIFY(edit && run);
        main->commands()->updateAll();
        QVERIFY(edit->isEnabled());
        edit->trigger();
        run->trigger();
        QCOMPARE(shell.calls.size(), 2);
        QCOMPARE(shell.calls[0].target, file);
        QCOMPARE(shell.calls[0].verb, QString("edit"));
        QCOMPARE(shell.calls[1].verb, QString("open"));
        main->documents()->LukAlle();
        main->commands()->updateAll();
        QVERIFY(!main->commands()->action("ARedigerAndet")->isEnabled());
        main.reset();
        ui::setScript(nullptr);
    }
};

QTEST_MAIN(TestDocPanels)
#include "tst_docpanels.moc"
