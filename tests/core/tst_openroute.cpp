#include "core/model/filetypes.h"
#include "core/model/openroute.h"
#include "ui/errorinfo.h"
#include "ui/questions.h"

#include <QtTest>

using namespace taglund;

Q_DECLARE_METATYPE(taglund::OpenRoute)

class TestOpenRoute : public QObject {
    Q_OBJECT
private slots:
    void routing_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("alreadyOpen");
        QTest::addColumn<OpenRoute>("route");
        QTest::addColumn<QString>("ext");
        QTest::newRow("film in capitals") << "/d/film.MP4" << false << OpenRoute::Shell << ".mp4";
        QTest::newRow("program") << "/d/setup.exe" << false << OpenRoute::Shell << ".exe";
        QTest::newRow("picture") << "/d/a.jpeg" << false << OpenRoute::Shell << ".jpeg";
        QTest::newRow("database") << "/d/a.mdb" << false << OpenRoute::Shell << ".mdb";
        QTest::newRow("shell even when open") << "/d/a.png" << true << OpenRoute::Shell << ".png";
        QTest::newRow("url does nothing") << "/d/x.url" << false << OpenRoute::Nothing << ".url";
        QTest::newRow("dll does nothing") << "/d/x.DLL" << true << OpenRoute::Nothing << ".dll";
        QTest::newRow("html") << "/d/a.html" << false << OpenRoute::DocumentWindow << ".html";
        QTest::newRow("built-in in capitals") << "/d/A.RTF" << false << OpenRoute::DocumentWindow << ".rtf";
        QTest::newRow("xsd built in, not listed") << "/d/s.xsd" << false << OpenRoute::DocumentWindow << ".xsd";
        QTest::newRow("listed type") << "/d/a.tpl" << false << OpenRoute::DocumentWindow << ".tpl";
        QTest::newRow("already open") << "/d/a.html" << true << OpenRoute::BringToFront << ".html";
        QTest::newRow("unknown already open") << "/d/notes.md" << true << OpenRoute::BringToFront << ".md";
        QTest::newRow("unknown") << "/d/notes.md" << false << OpenRoute::AskIfText << ".md";
        QTest::newRow("dot in folder only") << "/d/site.d/README" << false << OpenRoute::AskIfText << "";
        QTest::newRow("windows separators") << "C:\\x.y\\notes" << false << OpenRoute::AskIfText << "";
    }
    void routing()
    {
        QFETCH(QString, path);
        QFETCH(bool, alreadyOpen);
        QFETCH(OpenRoute, route);
        QFETCH(QString, ext);
        TFiltypeliste liste;
        liste.setTyper({{"Skabelon", "*.tpl", true}});
        const OpenDecision d = decideOpen(path, "*.html", alreadyOpen,
                                          [&](const QString &e) { return liste.isItTextfile(e); });
        QCOMPARE(d.route, route);
        QCOMPARE(d.ext, ext);
        QCOMPARE(d.question.isEmpty(), route != OpenRoute::AskIfText);
        QCOMPARE(d.makesWindow(), route == OpenRoute::DocumentWindow);
    }

    void unknownTypeQuestion()
    {
        const OpenDecision d = decideOpen("/d/Notes.MD", {}, false, {});
        QCOMPARE(d.question, (QStringList{"Filtypen .md er ukendt.", "Er det en tekstfil, der kan åbnes til redigering?"}));
        const OpenDecision ja = d.answered(true);
        QCOMPARE(ja.route, OpenRoute::DocumentWindow);
        QVERIFY(ja.makesWindow());   // takes a number like every other window
        const OpenDecision nej = d.answered(false);
        QCOMPARE(nej.route, OpenRoute::Nothing);
        QVERIFY(!nej.makesWindow());
        // Answering does not change a decision that asked nothing.
        QCOMPARE(decideOpen("/d/a.mp3", {}, false, {}).answered(true).route, OpenRoute::Shell);
    }

    void newDocument_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("docExt");
        QTest::newRow("html") << "*.html" << ".html";
        QTest::newRow("all files") << "*.*" << ".*";
        QTest::newRow("no pattern") << "" << "";
    }
    void newDocument()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, docExt);
        const OpenDecision d = decideOpen({}, pattern, true, {});
        QCOMPARE(d.route, OpenRoute::NewDocument);
        QCOMPARE(d.docExt, docExt);
        QVERIFY(d.makesWindow());
    }

    void errorTexts_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << "Operationssystemet er løbet tør for hukommelse eller resourcer.";
        QTest::newRow("2") << 2 << "Den specificerede fil blev ikke fundet.";
        QTest::newRow("3") << 3 << "Stien blev ikke fundet.";
        QTest::newRow("26 quotes") << 26 << "Der opstod en \"sharing violation\".";
        QTest::newRow("27 no stop") << 27 << "Filnavnsassociatonen er ukomplet eller invalid";
        QTest::newRow("30 two lines") << 30
                                      << "Den \"Dynamic Data Exchange (DDE) transaction\" kunne ikke fuldføres\r"
                                         "fordi andre \"DDE transactions\" skulle udføres.";
        QTest::newRow("31") << 31 << "Der er ikke associeret noget program med givne filefternavn.";
        QTest::newRow("32") << 32 << "Det specificerede \"dynamic-link library (DLL)\" blev ikke fundet.";
        const QString other = "Meningsløs operation eller ukendt fejl.";
        QTest::newRow("1") << 1 << other;
        QTest::newRow("4") << 4 << other;
        QTest::newRow("33") << 33 << other;
        QTest::newRow("negative") << -1 << other;
    }
    void errorTexts()
    {
        QFETCH(int, code);
        QFETCH(QString, text);
        QCOMPARE(ui::errorInfoText(code), text);
    }

    void errorInfoShowsTheText()
    {
        ui::Script script;
        ui::setScript(&script);
        ui::ErrorInfo(31);
        ui::setScript(nullptr);
        QCOMPARE(script.messages, QStringList{ui::errorInfoText(31)});
    }
};

QTEST_MAIN(TestOpenRoute)
#include "tst_openroute.moc"
