#include "core/commandregistry.h"
#include "appstart.h"
#include "app/filetypecommands.h"
#include "app/mainform.h"
#include "core/model/reopenfiler.h"
#include "app/recentcommands.h"
#include "core/text/paths.h"
#include "core/text/textfile.h"
#include "app/types/filtypeform.h"
#include "platform/desktopshell.h"
#include "support/testsupport.h"
#include "ui/questions.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QToolButton>
#include <QtTest>
#include <memory>

using namespace taglund;

namespace {

struct Start {
    test::TempRoot root;
    ui::Script script;
    FakeDesktopShell shell;
    std::unique_ptr<Tmainform> main;
    Start()
    {
        ui::setScript(&script);
        DesktopShell::setInstance(&shell);
        main = std::make_unique<Tmainform>(QStringLiteral("/opt/taglund"), QStringList{});
        main->show();
        test::waitForStartFiles(*main);
    }
    ~Start()
    {
        main.reset();
        DesktopShell::setInstance(nullptr);
        ui::setScript(nullptr);
    }
    QString file(const QString &n) const { return root.file(n); }
    int tabs() const { return main->documents()->tabStrip()->count(); }
};

} // namespace

class TestOpenByType : public QObject {
    Q_OBJECT
private slots:
    void firstStartWritesTheTypeList()
    {
        Start s;
        QStringList lines;
        QVERIFY(TextFile::readLines(s.main->paths().typelisteNavn, lines));
        QCOMPARE(lines.size(), 36);
        const int ps = lines.indexOf("Power Shell");
        QVERIFY(ps >= 0);
        QCOMPARE(lines[ps + 2], QString("0"));
        QComboBox *box = s.main->part<TFiltypeKommandoer>()->typeBox();
        QCOMPARE(box->count(), 11);
        QCOMPARE(box->itemText(0), QString("Hjemmeside (*.html)"));
        QVERIFY(s.main->part<TFiltypeKommandoer>()->typeBoxButton()->isEnabled());
    }

    void routing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("answers");   // how many questions are asked
        QTest::addColumn<bool>("window");
        QTest::addColumn<int>("shellCalls");
        QTest::newRow("html document") << "side.Html" << 0 << true << 0;
        QTest::newRow("film to the shell") << "film.MP4" << 0 << false << 1;
        QTest::newRow("picture to the shell") << "foto.png" << 0 << false << 1;
        QTest::newRow("url does nothing") << "x.url" << 0 << false << 0;
        QTest::newRow("unknown asks") << "notes.md" << 1 << false << 0;
    }
    void routing()
    {
        QFETCH(QString, name);
        QFETCH(int, answers);
        QFETCH(bool, window);
        QFETCH(int, shellCalls);
        Start s;
        test::writeAll(s.file(name), "x");
        s.script.answers << ui::Answer::Nej;
        Twinform *w = s.main->openwin(s.file(name), extensionOf(name));
        QCOMPARE(w != nullptr, window);
        QCOMPARE(s.script.asked.size(), answers);
        if (answers)
            QCOMPARE(s.script.asked.first(), QString("Filtypen .md er ukendt.\nEr det en tekstfil, der kan åbnes til redigering?"));
        QCOMPARE(int(s.shell.calls.size()), shellCalls);
        if (w)
            QCOMPARE(w->DocExt, QString(".html"));
    }

    void unknownTypeWithJaTakesItsOwnNumber()
    {
        Start s;
        test::writeAll(s.file("a.md"), "a");
        s.main->openwin(QString(), "*.html");
        s.script.answers << ui::Answer::Ja;
        Twinform *w = s.main->openwin(s.file("a.md"), ".md");
        QVERIFY(w);
        QCOMPARE(w->CapNavn, QString("2. a.md"));
    }

    void addedTypeOpensWithoutQuestion()
    {
        Start s;
        TFiltypeForm *box = s.main->part<TFiltypeKommandoer>()->filtypeBox();
        box->vis();
        box->tekstFelt()->setText("Skabelon");
        box->typeFelt()->setText("x.tpl");
        box->indfoerIListen();
        QVERIFY(box->gemOgLukKnap()->isEnabled());
        box->gemOgLuk();
        QStringList lines;
        TextFile::readLines(s.main->paths().typelisteNavn, lines);
        QCOMPARE(lines.mid(36), (QStringList{"Skabelon", "*.tpl", "1"}));
        QCOMPARE(s.main->part<TFiltypeKommandoer>()->typeBox()->count(), 12);

        test::writeAll(s.file("a.tpl"), "tpl");
        QVERIFY(s.main->openwin(s.file("a.tpl"), ".tpl"));
        QVERIFY(s.main->openwin(s.file("a.tpl"), ".tpl"));
        QCOMPARE(s.tabs(), 1);
        QVERIFY(s.script.asked.isEmpty());
    }

    void typeBoxButtonMakesADocumentOfTheChosenType()
    {
        Start s;
        QComboBox *box = s.main->part<TFiltypeKommandoer>()->typeBox();
        box->setCurrentIndex(4);   // StyleSheet
        s.main->part<TFiltypeKommandoer>()->typeBoxButton()->click();
        Twinform *w = s.main->activeWin();
        QVERIFY(w);
        QCOMPARE(w->DocExt, QString(".css"));
        QCOMPARE(s.main->options().filtypeBoxItemIndex, 4);
    }

    void documentInformation()
    {
        Start s;
        s.main->openwin(QString(), "*.js");
        s.main->commands()->updateAll();
        s.main->commands()->action("ADokInfo")->trigger();
        QCOMPARE(s.script.messages.last(), QString("Ingen information.\rMulig type: .js"));
    }

    void elevenClosedFilesLeaveTheNewestTen()
    {
        Start s;
        s.main->options().autoSenesteFM = true;
        for (int i = 1; i <= 11; ++i) {
            const QString f = s.file(QString("f%1.html").arg(i));
            test::writeAll(f, "x");
            s.main->openwin(f, ".html");
            s.main->documents()->LukDokument();
        }
        QVERIFY(s.main->lukProgram());
        QStringList lines;
        QVERIFY(TextFile::readLines(s.main->paths().optdir + "/reopen.txt", lines));
        QCOMPARE(lines.size(), 2 + 2 * 10);
        QCOMPARE(lines[0], QString("10"));
        QCOMPARE(lines[1], QString("10"));
        QCOMPARE(lines[2], QString(" f11.html"));
        QCOMPARE(lines[3], s.file("f11.html"));
        QCOMPARE(lines.last(), s.file("f2.html"));
        QStringList folders;
        QVERIFY(TextFile::readLines(s.main->paths().optdir + "/reopendir.txt", folders));
        QCOMPARE(folders[1], QString("1"));
    }

    void insertCommandsFollowTheAutomaticSetting()
    {
        Start s;
        test::writeAll(s.file("i.html"), "x");
        s.main->openwin(s.file("i.html"), ".html");
        auto *c = s.main->commands();
        c->updateAll();
        QVERIFY(c->action("AIndsaetSenesteFiler")->isEnabled());
        c->action("AIndsaetSenesteFiler")->trigger();
        c->action("AIndsaetSenesteMapper")->trigger();
        QCOMPARE(s.main->part<TSenesteKommandoer>()->filer().Antal(), 1);
        QCOMPARE(s.main->part<TSenesteKommandoer>()->mapper().Antal(), 1);
        s.main->options().autoSenesteFM = true;
        c->updateAll();
        QVERIFY(!c->action("AIndsaetSenesteFiler")->isEnabled());
    }
};

QTEST_MAIN(TestOpenByType)
#include "tst_openbytype.moc"
