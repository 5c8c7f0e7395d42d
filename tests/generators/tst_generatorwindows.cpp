// The generators in a program: document bars and "Html-bogen" on real
// document windows, the switches, the table and list boxes and their
// settings files, through the test host.
#include "core/commandregistry.h"
#include "core/docarea.h"
#include "core/model/mainoptions.h"
#include "core/model/programpaths.h"
#include "core/text/paths.h"
#include "core/text/textfile.h"
#include "core/winform.h"
#include "generators/dokumentlinjer.h"
#include "generators/generatorkommandoer.h"
#include "html/infotag.h"
#include "support/testhost.h"
#include "support/testsupport.h"
#include "ui/questions.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>
#include <memory>

using namespace taglund;
using namespace taglund::test;

namespace {

QToolButton *menuButton(QToolBar *bar, const QString &name)
{
    for (QToolButton *b : bar->findChildren<QToolButton *>())
        if (b->menu() && (b->text() == name || b->toolTip() == name))
            return b;
    return nullptr;
}

QAction *item(QMenu *menu, const QString &caption)
{
    for (QAction *a : menu->actions())
        if (a->text() == caption)
            return a;
    return nullptr;
}

QString docText(Twinform *w)
{
    QString t = w->text().Text();
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return t.insert(w->text().SelStart(), u'|');
}

} // namespace

class TestGeneratorWindows : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TempRoot> m_root;
    std::unique_ptr<TestHost> m_host;
    std::unique_ptr<Tinfotag> m_taginf;
    TGeneratorKommandoer *m_gen = nullptr;
    ui::Script m_script;

    Twinform *open(const QString &pattern)
    {
        Twinform *w = m_host->openwin(QString(), pattern);
        if (w)
            m_host->documents()->activate(w);
        QCoreApplication::processEvents();
        return w;
    }

    QAction *command(const char *name) { return m_host->commands()->action(QString::fromLatin1(name)); }

private slots:
    void init()
    {
        m_root = std::make_unique<TempRoot>();
        m_host = std::make_unique<TestHost>();
        m_taginf = std::make_unique<Tinfotag>();
        m_taginf->setDirs(TKnowledgeDirs::fromProgramDir(joinPath(sourceDataDir(), QStringLiteral("Program\\"))));
        QVERIFY(m_taginf->LoadKnowledge());
        m_gen = new TGeneratorKommandoer(m_host.get(), m_taginf.get(), m_host.get());
        m_script = {};
        ui::setScript(&m_script);
        m_host->show();
    }

    void cleanup()
    {
        ui::setScript(nullptr);
        m_taginf->setEditor(nullptr);
        m_host.reset();
        m_taginf.reset();
        m_root.reset();
    }

    void htmlBookAndTableSnippet()
    {
        Twinform *w = open(QStringLiteral("*.html"));
        QVERIFY(w);
        TDokumentLinjer *l = m_gen->linjer(w);
        QVERIFY(l && l->showsBook());
        QTabWidget *book = l->book();
        QStringList pages;
        for (int i = 0; i < book->count(); ++i)
            pages << book->tabText(i);
        QCOMPARE(pages, (QStringList{"Funktioner", "Html koder", "Html elementer", "Andet"}));
        QVERIFY(!l->andetShown());  // the main tool panel is shown
        QVERIFY(!m_gen->andetSoegefelt(w));

        QToolButton *skema = menuButton(l->bar(TDokumentLinjer::Koder), QStringLiteral("Skema"));
        QVERIFY(skema);
        w->text().setText(QStringLiteral("<body>\r\n\r\n</body>"));
        w->text().setSelStart(7);
        item(skema->menu(), QStringLiteral("<table></table>"))->trigger();
        QCOMPARE(docText(w), QStringLiteral("<body>\n<table>|</table>\n</body>"));
        QVERIFY(w->text().Modified());

        // The book remembers its page for the next document.
        book->setCurrentIndex(1);
        QCOMPARE(m_host->options().htmlBogIndex, 1);
        QCOMPARE(m_gen->linjer(open(QStringLiteral("*.html")))->book()->currentIndex(), 1);
    }

    void tableBoxWritesTableAndCss()
    {
        Twinform *w = open(QStringLiteral("*.html"));
        command("ASkemaboks")->trigger();
        TSkemaform *box = m_gen->skemaform();
        QVERIFY(box->isVisible());
        box->kolonnerEdit->setText(QStringLiteral("3"));
        QTest::mouseClick(box->udskrivTabelKnap, Qt::LeftButton);
        w->text().setSelText(QStringLiteral("\r"));
        QTest::mouseClick(box->udskrivCssKnap, Qt::LeftButton);
        const QString th = QStringLiteral("<th>XXX</th>").repeated(3), td = QStringLiteral("<td>XXX</td>").repeated(3);
        QCOMPARE(docText(w), QStringLiteral("<table>\n<tr>%1</tr>\n<tr>%2</tr>\n</table>\n<style type=\"text/css\">\n"
                                            "table,th,td{}\nth,td{}\nth{}\ntd{}\n</style>|")
                                 .arg(th, td));

        // Its settings are saved at shutdown, in the file's seventeen lines.
        box->kolonnerEdit->setText(QString());
        box->captionEdit->setText(QStringLiteral("Tal"));
        m_host->runShutdownSteps();
        QStringList lines;
        QVERIFY(TextFile::readLines(joinPath(m_host->paths().optdir, QStringLiteral("skema.txt")), lines));
        QCOMPARE(lines.size(), 17);
        QCOMPARE(lines.mid(12), (QStringList{"1", "1", "0", "", "0"}));
        QVERIFY(!QFileInfo::exists(joinPath(m_host->paths().optdir, QStringLiteral("liste.txt"))));
    }

    void listBox()
    {
        Twinform *w = open(QStringLiteral("*.html"));
        m_host->commands()->updateAll();
        command("AListeboks")->trigger();
        TListeform *box = m_gen->listeform();
        box->listeTypeGroup->button(4)->click();
        box->listeAntalEdit->setText(QStringLiteral("2"));
        QVERIFY(box->udskrivListeKnap->isEnabled());
        QTest::mouseClick(box->udskrivListeKnap, Qt::LeftButton);
        QCOMPARE(docText(w), QStringLiteral("<input list=\"\">\n<datalist id=\"\">\n<option value=\"\">\n"
                                            "<option value=\"\">\n</datalist>|"));
        m_host->runShutdownSteps();
        QStringList lines;
        QVERIFY(TextFile::readLines(joinPath(m_host->paths().optdir, QStringLiteral("liste.txt")), lines));
        QCOMPARE(lines.mid(2), (QStringList{"1", "1", "4", "2", "0"}));
    }

    void noDocument()
    {
        m_host->commands()->updateAll();
        QVERIFY(!command("AudskrivListe")->isEnabled());
        QVERIFY(!command("ARedskaber")->isEnabled());
        command("AudskrivTabel")->trigger();
        command("AudskrivTabelCSS")->trigger();
        QCOMPARE(m_script.messages, QStringList(2, QStringLiteral("Der er ikke åbnet noget dokument.")));
    }

    void switchesWithBookAndBars()
    {
        Twinform *book = open(QStringLiteral("*.html"));
        m_host->commands()->updateAll();
        command("ARedskaber")->trigger();
        QCOMPARE(m_script.messages,
                 QStringList{QStringLiteral("Funktionen har ingen virkning, når Html-bogen er aktiveret.")});

        // Separate bars, each by its own setting; the switch shows and hides one.
        m_host->options().visHtmlbog = false;
        m_host->options().visKodelinjen = true;
        m_gen->anvendHtmlLinjer();
        TDokumentLinjer *l = m_gen->linjer(book);
        QVERIFY(!l->showsBook() && l->book()->isHidden());
        QVERIFY(!l->bar(TDokumentLinjer::Koder)->isHidden());
        QVERIFY(l->bar(TDokumentLinjer::Redskaber)->isHidden());
        command("ARedskaber")->trigger();
        QVERIFY(!l->bar(TDokumentLinjer::Redskaber)->isHidden());
        command("AKoder")->trigger();
        QVERIFY(l->bar(TDokumentLinjer::Koder)->isHidden());
        QCOMPARE(m_script.messages.size(), 1);

        // A new document follows the settings too.
        TDokumentLinjer *n = m_gen->linjer(open(QStringLiteral("*.asp")));
        QVERIFY(!n->showsBook());
        QVERIFY(!n->bar(TDokumentLinjer::Koder)->isHidden());
        QVERIFY(n->bar(TDokumentLinjer::Bokse)->isHidden());
    }

    void andetSearchField()
    {
        m_host->options().visHovedlinje = false;
        Twinform *w = open(QStringLiteral("*.html"));
        QLineEdit *field = m_gen->andetSoegefelt(w);
        QVERIFY(field);
        field->setText(QStringLiteral("table"));
        TDokumentLinjer *l = m_gen->linjer(w);
        QToolButton *html = nullptr;
        for (QToolButton *b : l->book()->findChildren<QToolButton *>())
            if (b->text() == u"Html")
                html = b;
        QVERIFY(html);
        html->click();
        QCOMPARE(m_host->helpCalls.last(), QStringLiteral("Html5|table"));
        // The page comes and goes with the main tool panel, whose switch
        // may join the program after the generators.
        TCommandRegistry::Command panel;
        panel.name = QStringLiteral("AHovedpanelet");
        panel.caption = QStringLiteral("Hovedpanelet");
        panel.checkable = true;
        panel.execute = [] {};
        QAction *switcher = m_host->commands()->add(panel);
        Twinform *second = open(QStringLiteral("*.html"));
        switcher->setChecked(true);
        QVERIFY(!m_gen->andetSoegefelt(w) && !m_gen->andetSoegefelt(second));
        switcher->setChecked(false);
        QCOMPARE(m_gen->andetSoegefelt(w), field);
        QVERIFY(m_gen->andetSoegefelt(second));

        // Bars instead of the book: the main field is the one in use.
        m_host->options().visHtmlbog = false;
        m_gen->anvendHtmlLinjer();
        QVERIFY(!m_gen->andetSoegefelt(w));
    }

    void barWritesIntoItsOwnDocument()
    {
        Twinform *a = open(QStringLiteral("*.vbs"));
        Twinform *b = open(QStringLiteral("*.vbs"));
        QCOMPARE(m_host->activeWin(), b);
        QToolBar *bar = m_gen->linjer(a)->kindBar();
        QVERIFY(bar);
        QToolButton *objects = menuButton(bar, QStringLiteral("VbScript objekter"));
        QVERIFY(objects);
        item(objects->menu(), QStringLiteral("Shell"))->trigger();
        QCOMPARE(docText(a), QStringLiteral("Set Shell = CreateObject(\"WScript.Shell\")|"));
        QCOMPARE(b->text().Text(), QString());
        QCOMPARE(m_host->activeWin(), a);

        // The functions menu asks the VBScript box first, then information.
        QToolButton *functions = menuButton(bar, QStringLiteral("Funktioner"));
        QVERIFY(functions);
        QAction *arrays = item(functions->menu(), QStringLiteral("Array funktioner"));
        arrays->trigger();
        QCOMPARE(m_host->helpCalls.last(), QStringLiteral("VBS|Array funktioner"));
        QString asked;
        m_gen->vbsBoxEntry = [&asked](const QString &e) {
            asked = e;
            return true;
        };
        const qsizetype calls = m_host->helpCalls.size();
        arrays->trigger();
        QCOMPARE(asked, QStringLiteral("Array funktioner"));
        QCOMPARE(m_host->helpCalls.size(), calls);
    }

    void barsByKind_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("bar");
        QTest::addColumn<QString>("info");
        QTest::newRow("js") << "*.js" << "JavaScript linjen" << "Information|Js";
        QTest::newRow("css") << "*.css" << "Css linjen" << "Information|Css";
        QTest::newRow("vbs") << "*.vbs" << "VbScript linjen" << "Information|Vbs";
        QTest::newRow("wsf") << "*.wsf" << "VbScript linjen" << "Information|Wsf";
        QTest::newRow("asa") << "*.asa" << "Asa linjen" << "Information|Asa";
        QTest::newRow("bat") << "*.bat" << "Batch linjen" << "Information|Bat";
        QTest::newRow("txt") << "*.txt" << "" << "";
    }

    void barsByKind()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, bar);
        QFETCH(QString, info);
        Twinform *w = open(pattern);
        TDokumentLinjer *l = m_gen->linjer(w);
        if (bar.isEmpty()) {
            QVERIFY(!l);
            return;
        }
        QVERIFY(l && l->kindBar());
        QCOMPARE(l->kindBar()->accessibleName(), bar);
        QAction *first = l->kindBar()->actions().value(0);
        QVERIFY(first);
        first->trigger();
        QCOMPARE(m_host->helpCalls.value(0), info);
    }

    void attributeShortcutCommand()
    {
        Twinform *w = open(QStringLiteral("*.html"));
        w->text().setText(QStringLiteral("<p >x</p>"));
        w->text().setSelStart(3);
        m_host->commands()->updateAll();
        QAction *style = command("AIndsaetStyleAttribut");
        QVERIFY(style);
        QCOMPARE(style->shortcut(), QKeySequence(QStringLiteral("Ctrl+Alt+G")));
        style->trigger();
        QCOMPARE(docText(w), QStringLiteral("<p style=\"|\">x</p>"));
    }
};

QTEST_MAIN(TestGeneratorWindows)
#include "tst_generatorwindows.moc"
