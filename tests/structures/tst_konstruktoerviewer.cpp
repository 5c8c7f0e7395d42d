// The constructor inside a program: its command shows it, a new structure
// appears in the viewer's menu and the document windows' menus at once, and
// "Vis strukturen i information" shows the entry's page in the viewer.
#include "konstruktoerhelp.h"
#include "structures/fakehost.h"
#include "structures/infoform.h"
#include "structures/infoviewer.h"
#include "structures/strukturform.h"
#include "structures/strukturkommandoer.h"
#include "structures/strukturpanel.h"
#include "structures/strukturview.h"
#include "support/testhost.h"
#include "ui/questions.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QToolBar>
#include <QtTest>

using namespace taglund;
using namespace taglund::test;

namespace {
QStringList captions(const QMenu *menu)
{
    QStringList out;
    for (const QAction *a : menu->actions())
        out << a->text();
    return out;
}
} // namespace

class TestKonstruktoerViewer : public QObject {
    Q_OBJECT

private slots:
    void minstrukturShownInTheViewer()
    {
        TempRoot root;
        TestHost host;
        const QString program = host.paths().programdir;
        copyTree(konstruktoerData("base"), program);
        // The viewer as the program makes it: a child of the main window.
        FakeHost viewerHost(root.path());
        auto *viewer = new Tinfoform(&viewerHost, &host);
        host.setHelpProvider([viewer](const QString &s, const QString &e) { viewer->HelpInfo(s, e); });
        auto *panel = new TStrukturPanel(&viewerHost, nullptr, &host);
        TStrukturKommandoer kommandoer(&host, &host);
        ui::Script script;
        ui::setScript(&script);

        QAction *command = host.commands()->action("AStrukturkonstruktoeren");
        QVERIFY(command);
        QCOMPARE(command->text(), QString::fromUtf8("Strukturkonstruktøren"));
        host.commands()->updateAll();
        QVERIFY(command->isEnabled());
        command->trigger();
        Tstrukturform *form = kommandoer.form();
        QVERIFY(form->isVisible());
        host.commands()->updateAll();
        QVERIFY(!command->isEnabled());

        form->strukturtype()->setCurrentIndex(0);
        form->strukturnavn()->setText("Minstruktur");
        form->knap("Opret struktur", 0)->click();
        QCOMPARE(form->tabs()->currentIndex(), 1);
        QVERIFY(captions(viewer->userMenu()).contains("Minstruktur"));

        const auto &side = form->infoSide();
        for (const char *entry : {"Window", "Document"}) {
            QTest::keyClicks(side.tekst, entry);
            QTest::keyClick(side.tekst, Qt::Key_Return);
        }
        QCOMPARE(script.messages, QStringList());
        QCOMPARE(form->workshop().info().Count(), 2);

        TStrukturNode *window = byText(form->workshop().info(), "Window");
        side.view->setCurrentItem(side.view->itemOf(window));
        QCOMPARE(side.tekst->text(), QString("Window"));
        side.vis->trigger();
        QCOMPARE(host.helpCalls.last(), QString("Minstruktur|Window"));
        QVERIFY(viewer->isVisible());
        QCOMPARE(viewer->windowTitle(), QString("Minstruktur"));
        QCOMPARE(viewer->logic().struktur().Count(), 2);
        QCOMPARE(viewer->logic().struktur().Selected()->text, QString("Window"));
        QTRY_COMPARE_WITH_TIMEOUT(fileNameOf(viewer->logic().hjemmeside()), QString("Window.html"), 30000);

        // A user object structure reaches the document windows' menu without a restart.
        form->tabs()->setCurrentIndex(0);
        form->strukturtype()->setCurrentIndex(1);
        form->strukturnavn()->setText("Egen");
        form->knap("Opret struktur", 0)->click();
        QCOMPARE(captions(panel->userMenu()), (QStringList{"Egen", "Mine"}));

        form->close();
        host.commands()->updateAll();
        QVERIFY(command->isEnabled());
        ui::setScript(nullptr);
        delete viewer;
    }
};

QTEST_MAIN(TestKonstruktoerViewer)
#include "tst_konstruktoerviewer.moc"
