#include "core/commandregistry.h"
#include "appstart.h"
#include "html/htmlcommands.h"
#include "app/mainform.h"
#include "app/filetypecommands.h"
#include "app/mainpanel.h"
#include "core/model/egenskaber.h"
#include "app/optionscommands.h"
#include "app/options/egenskabsform.h"
#include "core/text/textfile.h"
#include "platform/fileassoc.h"
#include "support/testsupport.h"
#include "ui/questions.h"
#include "ui/styles.h"

#include <QAction>
#include <QCheckBox>
#include <QDockWidget>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QtTest>
#include <algorithm>
#include <memory>

using namespace taglund;

namespace {

using Boks = TVisElementer::Boks;

// The box's control on its page by its accessible name (captions repeat
// across pages: "Gem").
template <typename W>
W *control(TEgenskabsform *box, int page, const QString &name)
{
    for (W *w : box->pages()->widget(page)->findChildren<W *>())
        if (w->accessibleName() == name)
            return w;
    return nullptr;
}

struct Start {
    test::TempRoot root;
    ui::Script script;
    FakeFileAssociations assoc;
    std::unique_ptr<Tmainform> main;
    Start()
    {
        ui::setScript(&script);
        FileAssociations::setInstance(&assoc);
        main = std::make_unique<Tmainform>(QStringLiteral("/opt/taglund"), QStringList{});
        main->show();
        test::waitForStartFiles(*main);
    }
    ~Start()
    {
        main.reset();
        FileAssociations::setInstance(nullptr);
        ui::setScript(nullptr);
    }
    TEgenskabsform *open()
    {
        main->commands()->updateAll();
        main->commands()->action("AEgenskaber")->trigger();
        return main->part<TEgenskabsKommandoer>()->box();
    }
    QStringList rows(TEgenskabsform *box) const
    {
        QStringList r;
        auto *list = control<QTreeWidget>(box, 3, "Filtyper");
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            r << list->topLevelItem(i)->text(0) + u' ' + list->topLevelItem(i)->text(1);
        return r;
    }
};

void clickRow(QTreeWidget *list, int row)
{
    QTreeWidgetItem *item = list->topLevelItem(row);
    list->setCurrentItem(item);
    item->setSelected(true);
    emit list->itemClicked(item, 0);
}

} // namespace

class TestEgenskaber : public QObject {
    Q_OBJECT
private slots:
    // Each row ticks boxes in turn; what stays ticked follows the rule that
    // the three bars and the Html book exclude each other.
    void visElementerRules_data()
    {
        QTest::addColumn<QList<int>>("ticks");
        QTest::addColumn<QList<int>>("ticked");
        QTest::newRow("book after a bar") << QList<int>{Boks::Kodelinjen, Boks::Htmlbog} << QList<int>{Boks::Htmlbog};
        QTest::newRow("bar after the book") << QList<int>{Boks::Kodelinjen, Boks::Htmlbog, Boks::Bokslinjen}
                                            << QList<int>{Boks::Bokslinjen};
        QTest::newRow("bars together") << QList<int>{Boks::Kodelinjen, Boks::Redskabslinjen}
                                       << QList<int>{Boks::Kodelinjen, Boks::Redskabslinjen};
        QTest::newRow("panels untouched") << QList<int>{Boks::Webpanel, Boks::Projektbogen, Boks::Htmlbog}
                                          << QList<int>{Boks::Htmlbog, Boks::Webpanel, Boks::Projektbogen};
    }
    void visElementerRules()
    {
        QFETCH(QList<int>, ticks);
        QFETCH(QList<int>, ticked);
        TVisElementer v;
        v.hovedlinje = false;
        for (int t : ticks)
            v.tick(Boks(t), true);
        QList<int> on;
        for (int b = 0; b < 7; ++b)
            if (v.ticked(Boks(b)))
                on << b;
        std::sort(ticked.begin(), ticked.end());
        QCOMPARE(on, ticked);
    }

    void openingWithTheBookSwitchesBarsOff()
    {
        TMainOptions o;
        o.visHtmlbog = true;
        o.visKodelinjen = o.visBokslinjen = o.visRedskabslinjen = true;
        const TVisElementer v = TVisElementer::fromOptions(o);
        QVERIFY(!o.visKodelinjen && !o.visBokslinjen && !o.visRedskabslinjen);
        QVERIFY(v.htmlbog && !v.kodelinjen);
    }

    void extensionListFile()
    {
        test::TempRoot root;
        const QString file = root.file("standardFiltyper.txt");
        test::writeAll(file, "\xEF\xBB\xBF.html\r\nJa\r\n.asp\r\nNej\r\n.html\r\nNej\r\n.css");
        TFiltypeListe list;
        QCOMPARE(list.load(file), QStringList{TFiltypeListe::AlleredeIndfoert});
        QCOMPARE(list.rows().size(), 2);
        QVERIFY(list.rows()[0].registered);
        QVERIFY(!list.rows()[1].registered);
        QCOMPARE(list.indfoer(".asp"), TFiltypeListe::AlleredeIndfoert);
        QCOMPARE(list.indfoer(".ASP"), QString());   // exactly that text only
        QCOMPARE(list.sletValgte(0), TFiltypeListe::FjernFoerst);
        QCOMPARE(list.sletValgte(1), QString());
        QCOMPARE(list.rows().size(), 2);
        QVERIFY(list.save(file));
        QCOMPARE(test::readAll(file), QByteArray(".html\r\nJa\r\n.ASP\r\nNej\r\n"));
        TFiltypeListe missing;
        QVERIFY(missing.load(root.file("ingen.txt")).isEmpty());
        QVERIFY(missing.rows().isEmpty());
    }

    void registeringThroughTheBox()
    {
        Start s;
        TEgenskabsform *box = s.open();
        QVERIFY(box->isVisible());
        auto *list = control<QTreeWidget>(box, 3, "Filtyper");
        auto *ny = control<QLineEdit>(box, 3, "Ny filtype");
        auto *registrer = control<QPushButton>(box, 3, "Registrer");
        auto *fjern = control<QPushButton>(box, 3, "Fjern");
        auto *slet = control<QPushButton>(box, 3, "Slet valgte");
        auto *indfoer = control<QPushButton>(box, 3, "Indfør");
        QVERIFY(list && ny && registrer && fjern && slet && indfoer);
        QVERIFY(!indfoer->isEnabled() && !registrer->isEnabled() && !slet->isEnabled());
        QTest::keyClicks(ny, ".html");
        QTest::keyClick(ny, Qt::Key_Return);
        QCOMPARE(s.rows(box), QStringList{".html Nej"});
        QVERIFY(ny->text().isEmpty());
        QCOMPARE(test::readAll(s.main->part<TEgenskabsKommandoer>()->filtypeFil()), QByteArray(".html\r\nNej\r\n"));
        QTest::keyClicks(ny, ".html");
        indfoer->click();
        QCOMPARE(s.script.messages, QStringList{"Filtypen er allerede indført."});
        ny->clear();

        clickRow(list, 0);
        QCOMPARE(control<QLineEdit>(box, 3, "Filtype der registreres")->text(), QString(".html"));
        registrer->click();
        QCOMPARE(s.rows(box), QStringList{".html Ja"});
        QCOMPARE(s.script.messages.last(), QString("Filtypen er registreret!"));
        const QString dir = s.main->paths().Dir;
        QCOMPARE(s.assoc.keys.size(), 6);
        for (const TAssociationKey &k : associationRecord(".html", dir))
            QCOMPARE(s.assoc.keys.value(k.key), k.value);

        clickRow(list, 0);
        QVERIFY(slet->isEnabled());
        slet->click();
        QCOMPARE(s.script.messages.last(), QString("Filtypen skal fjernes fra registreringen først."));
        QCOMPARE(s.rows(box), QStringList{".html Ja"});

        clickRow(list, 0);
        QCOMPARE(control<QLineEdit>(box, 3, "Filtype der fjernes")->text(), QString(".html"));
        fjern->click();
        QCOMPARE(s.script.messages.last(), QString("Filtypen er fjernet fra registreringen!"));
        QVERIFY(s.assoc.keys.isEmpty());
        QCOMPARE(s.rows(box), QStringList{".html Nej"});
        clickRow(list, 0);
        slet->click();
        QVERIFY(s.rows(box).isEmpty());
    }

    // A refused write is said, and the row is not marked as registered.
    void refusedRegistrationIsReported()
    {
        Start s;
        s.assoc.failing << ".htmFile\\shell\\open";
        TEgenskabsform *box = s.open();
        box->filtyper().indfoer(".htm");
        auto *field = control<QLineEdit>(box, 3, "Filtype der registreres");
        field->setText(".htm");
        control<QPushButton>(box, 3, "Registrer")->click();
        QCOMPARE(s.script.messages.last(), QString("Filtypen kunne ikke registreres."));
        QVERIFY(!box->filtyper().rows()[0].registered);
    }

    void turningOffReopeningDeletesTheList()
    {
        Start s;
        s.main->options().openDokumenter = true;
        test::writeAll(s.main->paths().dokumentfil, "C:\\side.html\r\n");
        TEgenskabsform *box = s.open();
        auto *gem = control<QPushButton>(box, 2, "Gem");
        QVERIFY(!gem->isEnabled());
        auto *reopen = control<QCheckBox>(box, 2, "Åben de filer der var ved programlukning");
        QVERIFY(reopen->isChecked());
        reopen->click();
        QVERIFY(gem->isEnabled());
        gem->click();
        QVERIFY(!gem->isEnabled());
        QVERIFY(!s.main->options().openDokumenter);
        QVERIFY(!QFile::exists(s.main->paths().dokumentfil));
    }

    void shownElementsAndPlacement()
    {
        Start s;
        TEgenskabsform *box = s.open();
        auto *kode = control<QCheckBox>(box, 1, "Kode redskabslinjen");
        auto *bog = control<QCheckBox>(box, 1, "Html-bogen");
        auto *hoved = control<QCheckBox>(box, 1, "Hovedpanelet med søgefelt");
        if (bog->isChecked())
            bog->click();
        kode->click();
        bog->click();
        QVERIFY(bog->isChecked() && !kode->isChecked());
        hoved->click();
        control<QPushButton>(box, 1, "Gem")->click();
        QVERIFY(s.main->options().visHtmlbog);
        QVERIFY(!s.main->options().visKodelinjen);
        QVERIFY(!s.main->options().visHovedlinje);
        QVERIFY(!s.main->mainPanel()->isVisible());

        const auto groups = box->pages()->widget(0)->findChildren<QRadioButton *>();
        QRadioButton *htmlVenstre = nullptr;
        for (QRadioButton *r : groups)
            if (r->accessibleName() == "Venstre" && r->parentWidget()->accessibleName() == "Html panelet")
                htmlVenstre = r;
        QVERIFY(htmlVenstre);
        htmlVenstre->click();
        control<QPushButton>(box, 0, "Gem")->click();
        QCOMPARE(s.main->options().htmlboksPlacering, 0);
        auto *dock = s.main->findChild<QDockWidget *>();
        QVERIFY(dock);
        QCOMPARE(s.main->dockWidgetArea(dock), Qt::LeftDockWidgetArea);
    }

    void styleWaitsForClosedDocuments()
    {
        Start s;
        const QString before = s.main->options().designName;
        s.main->openwin(QString(), "*.html");
        TEgenskabsform *box = s.open();
        auto *styles = control<QListWidget>(box, 4, "Programdesign");
        for (int i = 0; i < styles->count(); ++i)
            if (styles->item(i)->data(Qt::UserRole).toString() == "LUNA")
                styles->setCurrentRow(i);
        control<QPushButton>(box, 4, "Test og gem")->click();
        QCOMPARE(s.script.messages.last(), QString("Luk alle dokumenter og prøv igen!"));
        QCOMPARE(s.main->options().designName, before);
        QVERIFY(s.main->documents()->LukAlle());
        control<QPushButton>(box, 4, "Test og gem")->click();
        QCOMPARE(s.main->options().designName, QString("LUNA"));
        QCOMPARE(ui::currentStyleName(), QString("LUNA"));
    }
};

QTEST_MAIN(TestEgenskaber)
#include "tst_egenskaber.moc"
