// The CSS windows through their controls, on a program with real documents:
// writing needs a document, previews write their style sheet or say why not,
// the browser writes properties and values and finds the property at the caret.
#include "core/commandregistry.h"
#include "core/winform.h"
#include "css/cssboksform.h"
#include "css/cssfelter.h"
#include "css/cssgruppeform.h"
#include "css/csskommandoer.h"
#include "css/cssinstall.h"
#include "support/testhost.h"
#include "ui/questions.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

using namespace taglund;
using namespace taglund::test;

class TestCssForms : public QObject {
    Q_OBJECT
    std::unique_ptr<TempRoot> m_root;
    std::unique_ptr<TestHost> m_host;
    TCssKommandoer *m_css = nullptr;
    ui::Script m_script;
    QStringList m_previews;

    Twinform *open(const QString &pattern)
    {
        Twinform *w = m_host->openwin(QString(), pattern);
        m_host->documents()->activate(w);
        QCoreApplication::processEvents();
        return w;
    }
    QString sheet(const QString &name) const
    {
        return m_root->path() + "/Program/Struktur/CSS/tekstfiler/Design og funktioner/" + name;
    }
    static QStringList lines(const QString &path)
    {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return {"<missing>"};
        return QString::fromLatin1(f.readAll()).split("\r\n", Qt::SkipEmptyParts);
    }
    static void doubleClick(QTableWidget *t, const QString &text)
    {
        const QList<QTableWidgetItem *> found = t->findItems(text, Qt::MatchExactly);
        QVERIFY2(!found.isEmpty(), qPrintable(text));
        t->scrollToItem(found.first());
        const QRect r = t->visualItemRect(found.first());
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(t->viewport(), Qt::LeftButton, {}, r.center());
    }

private slots:
    void init()
    {
        m_root = std::make_unique<TempRoot>();
        QVERIFY(installCss(m_root->path()));
        m_host = std::make_unique<TestHost>();
        m_css = new TCssKommandoer(m_host.get(), m_host.get());
        m_previews.clear();
        m_css->setPreviewAabner([this](const QString &s, const QString &e) { m_previews << s + '|' + e; });
        m_script = {};
        ui::setScript(&m_script);
        m_host->show();
    }
    void cleanup()
    {
        ui::setScript(nullptr);
        m_host.reset();
        m_root.reset();
    }

    void commandsShowTheirBoxes()
    {
        QAction *boks = m_host->commands()->action("ACssBoksen");
        QAction *gruppe = m_host->commands()->action("ACssGruppeboks");
        QVERIFY(boks && gruppe);
        QCOMPARE(boks->text(), QString("CSS boksen"));
        boks->trigger();
        QVERIFY(m_css->cssBoks()->isVisible());
        QCOMPARE(m_css->cssBoks()->windowTitle(), QString("Css boksen"));
        m_host->commands()->updateAll();
        QVERIFY(!boks->isEnabled());
        QVERIFY(gruppe->isEnabled());
        m_css->cssBoks()->knap("Luk boksen")->click();
        QTRY_VERIFY(boks->isEnabled());
        gruppe->trigger();
        QVERIFY(m_css->gruppeboks()->isVisible());
        // The browser starts on "Animation" and the values of @keyframes.
        QCOMPARE(m_css->gruppeboks()->aktuelGruppe(), QString("Animation"));
        QCOMPARE(m_css->gruppeboks()->aktuelEgenskab(), QString("@keyframes"));
    }

    void writingNeedsADocument()
    {
        TCssBoksForm *b = m_css->cssBoks();
        b->knap("Udskriv valgte")->click();
        b->knap("Udskriv ramme")->click();
        b->tabs()->setCurrentIndex(1);
        b->knap("Udskriv")->click();
        TCssGruppeForm *g = m_css->gruppeboks();
        g->LoadPropertyListe("Color");
        g->LoadValueListe("color");
        g->egenskabValgt("color");
        g->vaerdiValgt("red");
        QCOMPARE(m_script.messages, QStringList(5, "Der er ingen åbne dokumenter!"));
        m_host->commands()->updateAll();
        QVERIFY(!m_host->commands()->action("AFindICssGruppeboksen")->isEnabled());
    }

    void groupButtonsWriteLinesAtTheCaret()
    {
        Twinform *w = open("*.css");
        TCssBoksForm *b = m_css->cssBoks();
        b->kontainer().borderWidth = "2";
        b->vis();
        b->knap("Udskriv ramme")->click();
        b->knap("Udskriv boksskygge")->click();
        QCOMPARE(w->text().Text(),
                 QString("border: 2px solid #000000;\r\nborder-radius: 7px;\r\nbox-shadow: 4px 4px 8px #000000;\r\n"));
        // Nothing chosen in a group that can be empty.
        b->kontainer().positionValg = "Medtag ikke";
        b->knap("Udskriv position")->click();
        QCOMPARE(m_script.messages, QStringList{"Der er ikke noget at udskrive!"});

        // The whole rule with its style element ends without a break.
        w->text().setText(QString());
        b->kontainer().styleKode = true;
        b->vis();
        b->knap("Udskriv valgte")->click();
        QCOMPARE(w->text().Text(), QString("<style type=\"text/css\">\r\nbox-shadow: 4px 4px 8px #000000;\r\n"
                                           "margin: 2px 2px 2px 2px;\r\npadding: 2px 2px 2px 2px;\r\n</style>"));
    }

    void fieldsFeedTheRecord()
    {
        TCssBoksForm *b = m_css->cssBoks();
        b->show();
        b->kontainer().borderColor = "#123456";
        b->vis();
        TFarveFelt *colour = nullptr;
        for (TFarveFelt *f : b->findChildren<TFarveFelt *>())
            if (f->edit()->text() == "#123456")
                colour = f;
        QVERIFY(colour);
        colour->edit()->setText("#000000");
        colour->edit()->selectAll();
        QTest::keyClicks(colour->edit(), "FF0000");
        QCOMPARE(colour->edit()->text(), QString("FF0000"));
        QCOMPARE(b->kontainer().borderColor, QString("FF0000"));
        QCOMPARE(colour->valgtFarve(), QColor(0, 0, 0));  // unchanged by a six-character text
        colour->edit()->setText(" 00ff00");
        QCOMPARE(colour->edit()->text(), QString("#00ff00"));
        QCOMPARE(colour->valgtFarve(), QColor(0, 255, 0));
        colour->selector()->setCurrentIndex(11);
        emit colour->selector()->activated(11);  // "Rød"
        QCOMPARE(b->kontainer().borderColor, QString("#FF0000"));

        // A preset shows its values in the fields and previews.
        b->knap("Simpel tekstboks med ramme")->click();
        QCOMPARE(b->kontainer().padding[3], QString("6"));
        QCOMPARE(m_previews, QStringList{"CSS|CSS kontainer"});
        QVERIFY(lines(sheet("cssDesign.css")).contains("border: 1px solid #000000;"));
    }

    void previewsWriteTheirSheets_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("first");
        QTest::newRow("kontainer") << 0 << "cssDesign.css" << "CSS kontainer" << ".kontainer{";
        QTest::newRow("rulletekst") << 1 << "cssDesignRul.css" << "CSS rulletekst" << "div.rulleBoks{";
        QTest::newRow("starwars") << 2 << "cssStarwars.css" << "CSS Starwars" << "div#animationBox{";
        QTest::newRow("artikel") << 3 << "cssArtikelKolonne.css" << "CSS Artikel" << "div.kolonneKontainer{";
    }
    void previewsWriteTheirSheets()
    {
        QFETCH(int, tab);
        QFETCH(QString, file);
        QFETCH(QString, entry);
        QFETCH(QString, first);
        TCssBoksForm *b = m_css->cssBoks();
        b->kontainer().styleKode = b->rulletekst().styleKode = true;
        b->tabs()->setCurrentIndex(tab);
        QFile::remove(sheet(file));
        b->knap("Preview")->click();
        QCOMPARE(m_previews, QStringList{"CSS|" + entry});
        QCOMPARE(lines(sheet(file)).first(), first);  // never a style element
    }

    void previewThatCannotWriteSaysSoAndShowsNothing()
    {
        TCssBoksForm *b = m_css->cssBoks();
        QDir(m_root->path() + "/Program/Struktur/CSS/tekstfiler/Design og funktioner").removeRecursively();
        QVERIFY(!b->preview());
        QVERIFY(m_previews.isEmpty());
        QVERIFY(m_host->helpCalls.isEmpty());
        QCOMPARE(m_script.messages.size(), 1);
        QVERIFY(m_script.messages.first().startsWith("Preview-stylesheetet kunne ikke gemmes:"));
    }

    void browserWritesPropertiesAndValues()
    {
        Twinform *w = open("*.css");
        TCssGruppeForm *g = m_css->gruppeboks();
        g->show();
        doubleClick(g->grupper(), "Color");
        QCOMPARE(g->windowTitle(), QString("Color"));
        doubleClick(g->egenskaber(), "color");
        QCOMPARE(w->text().Text(), QString("color: "));
        QCOMPARE(w->text().SelStart(), 7);
        w->text().setText("color:");
        w->text().setSelStart(6);
        g->LoadValueListe("color");
        g->vaerdiValgt("red");
        QCOMPARE(w->text().Text(), QString("color: red;"));
        QCOMPARE(g->egenskabsInfo()->toolTip(), QString("Information: color"));

        // Headings open pages or do nothing; they never write.
        g->vaerdiValgt("COLOR");
        g->vaerdiValgt("LENGTH");
        g->vaerdiValgt(":Delegenskaber");
        g->egenskabValgt("@keyframes");
        QCOMPARE(m_host->helpCalls,
                 (QStringList{"CSS.txt|CSS Colors", "CSS.txt|CSS Units", "CSS.txt|@keyframes"}));
        QCOMPARE(w->text().Text(), QString("color: red;"));

        // A cross reference selects the property it names.
        g->LoadPropertyListe("Font");
        g->LoadValueListe("font");
        g->vaerdiValgt("1. font-style");
        QCOMPARE(g->aktuelEgenskab(), QString("font-style"));
        QCOMPARE(g->egenskaber()->currentItem()->text(), QString("font-style"));
    }

    void findThePropertyAtTheCaret()
    {
        Twinform *w = open("*.css");
        QToolButton *find = nullptr;
        for (QToolBar *bar : w->findChildren<QToolBar *>())
            for (QToolButton *b : bar->findChildren<QToolButton *>())
                if (b->toolTip() == "Find aktuelle css-begreb i Css-boksen")
                    find = b;
        QVERIFY(find);
        w->text().setText("p{\r\nborder-top-width: 2px;\r\n}");
        w->text().setSelStart(10);
        find->click();
        TCssGruppeForm *g = m_css->gruppeboks();
        QVERIFY(g->isVisible());
        QCOMPARE(g->aktuelGruppe(), QString("Background and Border"));
        QCOMPARE(g->egenskaber()->currentItem()->text(), QString("border-top-width"));
        QCOMPARE(g->aktuelEgenskab(), QString("border-top-width"));
        QVERIFY(m_script.messages.isEmpty());

        w->text().setText("a b");
        w->text().setSelStart(1);
        find->click();
        w->text().setText("no-such-property");
        w->text().setSelStart(3);
        find->click();
        QCOMPARE(m_script.messages,
                 (QStringList{"Der er ikke nogen aktuel css-egenskab.", "no-such-property blev ikke fundet."}));
    }

    void browserSettingsRoundTrip()
    {
        TCssGruppeForm *g = m_css->gruppeboks();
        g->show();
        g->setGeometry(50, 60, 700, 400);
        g->close();
        QCOMPARE(TCssGruppeSettings::read(m_host->paths().optdir).width, 700);
        QVERIFY(TCssGruppeSettings::read(m_host->paths().optdir).fraFil);
        // A damaged file keeps the design place.
        writeAll(TCssGruppeSettings::fileName(m_host->paths().optdir), "10\r\n20\r\nx\r\n");
        QVERIFY(!TCssGruppeSettings::read(m_host->paths().optdir).fraFil);
    }
};

QTEST_MAIN(TestCssForms)
#include "tst_cssforms.moc"
