#include "core/commandregistry.h"
#include "appstart.h"
#include "app/maincommands.h"
#include "app/mainform.h"
#include "app/mainmenu.h"
#include "app/mainpanel.h"
#include "core/winform.h"
#include "platform/desktopshell.h"
#include "support/testsupport.h"
#include "ui/questions.h"

#include <QAccessible>
#include <QLineEdit>
#include <QToolButton>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

using namespace taglund;

namespace {
struct Start {
    test::TempRoot root;
    ui::Script script;
    FakeDesktopShell shell;
    std::unique_ptr<Tmainform> main;
    QStringList saveNames;
    Start()
    {
        ui::setScript(&script);
        script.saveFileName = [this](const QString &, const QString &) {
            return saveNames.isEmpty() ? QString() : saveNames.takeFirst();
        };
        DesktopShell::setInstance(&shell);
        main = std::make_unique<Tmainform>(QStringLiteral("/opt/taglund"), QStringList{});
        main->show();
        test::waitForStartFiles(*main);
        test::closeFilebox(*main);
    }
    ~Start()
    {
        main.reset();
        DesktopShell::setInstance(nullptr);
        ui::setScript(nullptr);
    }
};

// The names of an accessible object's children, as a screen reader reads them.
QStringList accessibleChildren(QObject *o)
{
    QStringList names;
    QAccessibleInterface *i = QAccessible::queryAccessibleInterface(o);
    for (int c = 0; i && c < i->childCount(); ++c)
        if (QAccessibleInterface *child = i->child(c))
            names << child->text(QAccessible::Name);
    return names;
}
} // namespace

class TestMainCommands : public QObject {
    Q_OBJECT
private slots:
    void menusInOrderWithShortcuts()
    {
        Start s;
        QMap<QString, QStringList> expected;
        QStringList menuOrder;
        for (const TMenuRow &r : mainMenuRows()) {
            const QString m = QString::fromUtf8(r.menu);
            if (!menuOrder.contains(m))
                menuOrder << m;
            if (r.submenu) {
                if (!expected[m].contains(QString::fromUtf8(r.submenu)))
                    expected[m] << QString::fromUtf8(r.submenu);
            } else if (*r.name) {
                expected[m] << QString::fromUtf8(r.caption);
            }
        }
        QCOMPARE(accessibleChildren(s.main->menuBar()), menuOrder);
        for (const QString &m : menuOrder) {
            QMenu *menu = s.main->menu(m);
            QVERIFY2(menu, qPrintable(m));
            QStringList found;
            for (QAction *a : menu->actions())
                if (!a->isSeparator())
                    found << a->text();
            QStringList want = expected[m];
            QCOMPARE(found, want);
            // A screen reader finds each item by its caption.
            const QStringList names = accessibleChildren(menu);
            for (const QString &caption : want)
                QVERIFY2(names.contains(caption), qPrintable(caption));
        }
        for (const TMenuRow &r : mainMenuRows())
            if (*r.shortcut)
                QCOMPARE(s.main->commands()->action(QString::fromLatin1(r.name))->shortcut(),
                         QKeySequence(QString::fromLatin1(r.shortcut)));
        QVERIFY(s.main->menu("Programelementer")->findChild<QMenu *>() != nullptr);
    }

    void unbuiltCommandsAreDisabled()
    {
        Start s;
        s.main->commands()->updateAll();
        QVERIFY(!s.main->commands()->action("AKontroller")->isEnabled());
        QVERIFY(!s.main->commands()->action("AUdskrivHtml")->isEnabled());
        QVERIFY(s.main->commands()->action("AOm")->isEnabled());
    }

    void korInTheSearchFieldSavesFirst()
    {
        Start s;
        Twinform *w = s.main->openwin(QString(), "*.bat");
        QTest::keyClicks(w->editorWidget(), "echo hej");
        s.saveNames << s.root.file("run me.bat");
        s.main->setFindText("Kør");
        s.main->part<TMainKommandoer>()->searchFieldEntered();
        QCOMPARE(w->Filnavn, s.root.file("run me.bat"));
        QCOMPARE(s.shell.calls.size(), 1);
        QCOMPARE(s.shell.calls.first().target, s.root.file("run me.bat"));
        QCOMPARE(s.shell.calls.first().verb, QString("open"));
    }

    void cancelledSaveRunsNothing()
    {
        Start s;
        s.main->openwin(QString(), "*.vbs");
        s.main->part<TMainKommandoer>()->runActive("open");
        QVERIFY(s.shell.calls.isEmpty());
    }

    void arrangingWindows()
    {
        Start s;
        s.main->openwin(QString(), "*.html");
        s.main->openwin(QString(), "*.css");
        s.main->commands()->updateAll();
        s.main->commands()->action("AVertikalt")->trigger();
        const auto subs = s.main->documents()->mdiArea()->subWindowList();
        QCOMPARE(subs.size(), 2);
        QVERIFY(!subs[0]->isMaximized());
        QCOMPARE(subs[0]->geometry().top(), subs[1]->geometry().top());
        QVERIFY(subs[0]->geometry().right() < subs[1]->geometry().left() + 2);
        s.main->commands()->action("AHorisontalt")->trigger();
        QCOMPARE(subs[0]->geometry().left(), subs[1]->geometry().left());
        QVERIFY(subs[0]->geometry().bottom() < subs[1]->geometry().top() + 2);
    }

    // Ctrl+G (and the mouse entering its button) sends the word at the caret,
    // by the dictionary's word rule, to the search field.
    void sendToSearchField()
    {
        Start s;
        QAction *send = s.main->commands()->action("ASendSoegefelt");
        s.main->commands()->updateAll();
        QVERIFY(!send->isEnabled());
        Twinform *w = s.main->openwin(QString(), "*.html");
        w->text().setText(QStringLiteral("<p>Blåbær-grød og fløde</p>"));
        w->text().setSelStart(6);
        s.main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s.main.get()));
        w->editorWidget()->setFocus();
        QCoreApplication::processEvents();   // the commands' update after the new document
        QTest::keyClick(w->editorWidget(), Qt::Key_G, Qt::ControlModifier);
        QCOMPARE(s.main->findText(), QString("Blåbær-grød"));
        QCOMPARE(w->text().Text(), QString("<p>Blåbær-grød og fløde</p>"));

        w->text().setSelStart(20);
        QToolButton *button = s.main->mainPanel()->commandButton("ASendSoegefelt");
        QVERIFY(button);
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(button, &enter);
        QCOMPARE(s.main->findText(), QString("fløde"));
    }

    // Keys the text control has bindings of its own for (Ctrl+K deletes to
    // the line's end, Ctrl+Ins copies) reach the program's commands.
    void shortcutsBeatTheEditor_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("command");
        QTest::newRow("Indsæt slutkode") << "Ctrl+K" << "AIndsaetSlutkode";
        QTest::newRow("Vis aktuelle kode") << "Ctrl+Ins" << "AVisAktuelleKode";
        QTest::newRow("Kontroller dokumentet") << "Ctrl+T" << "AKontroller";
        QTest::newRow("Send til søgefeltet") << "Ctrl+G" << "ASendSoegefelt";
        QTest::newRow("Gem som") << "Ctrl+Alt+S" << "AGemSom";
    }
    void shortcutsBeatTheEditor()
    {
        QFETCH(QString, keys);
        QFETCH(QString, command);
        Start s;
        Twinform *w = s.main->openwin(QString(), "*.html");
        w->text().setText(QStringLiteral("<html>\r\n<body>\r\n<p>tekst her\r\n</body>\r\n</html>"));
        w->text().setSelStart(23);
        QAction *panel = s.main->commands()->action("AHtmlPanelet");
        s.main->commands()->updateAll();
        if (panel && panel->isEnabled() && !panel->isChecked())
            panel->trigger();
        s.main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s.main.get()));
        w->editorWidget()->setFocus();
        s.main->commands()->updateAll();
        QAction *a = s.main->commands()->action(command);
        QVERIFY(a->isEnabled());
        QSignalSpy spy(a, &QAction::triggered);
        const QKeyCombination k = QKeySequence(keys)[0];
        QTest::keyClick(w->editorWidget(), k.key(), k.keyboardModifiers());
        QCOMPARE(spy.count(), 1);
    }

    void mainPanelSwitch()
    {
        Start s;
        QAction *a = s.main->commands()->action("AHovedpanelet");
        s.main->commands()->updateAll();
        QVERIFY(a->isCheckable());
        QVERIFY(a->isChecked());
        QVERIFY(s.main->mainPanel()->isVisible());
        a->trigger();
        QVERIFY(!s.main->mainPanel()->isVisible());
        QVERIFY(!a->isChecked());
        a->trigger();
        QVERIFY(s.main->mainPanel()->isVisible());
        QVERIFY(a->isChecked());
    }

    void panelButtonsCarryTheirHints()
    {
        Start s;
        QStringList names;
        for (QWidget *w : s.main->mainPanel()->findChildren<QWidget *>())
            names << w->accessibleName();
        for (const char *n : {"Søgefelt", "Søg på Google", "Søg på YouTube", "Information: Html",
                              "Åben dokument af bestemte type", "Nye dokumenter er af valgte type",
                              "Information: Redskabspanel"})
            QVERIFY2(names.contains(QString::fromUtf8(n)), n);
    }
};

QTEST_MAIN(TestMainCommands)
#include "tst_maincommands.moc"
