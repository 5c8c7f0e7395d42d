#include "core/model/mainoptions.h"
#include "core/model/programpaths.h"
#include "core/text/textfile.h"
#include "support/testsupport.h"

#include <QDir>
#include <QtTest>

using namespace taglund;

class TestMainOptions : public QObject {
    Q_OBJECT
private slots:
    void defaultsWhenMissing()
    {
        TMainOptions o;
        o.brugernavn = "ida";
        o.load("/nonexistent/mainoptions.txt");
        QVERIFY(o.usedDefaults);
        const QStringList l = o.lines();
        QCOMPARE(l.size(), 37);
        // Line numbers from 1, as the file is documented.
        const QList<QPair<int, QString>> expected = {
            {1, "Sky"}, {2, "1080"}, {3, "862"}, {4, "60"}, {5, "400"}, {6, "10"}, {7, "Courier New"}, {8, "0"},
            {9, "ida"}, {10, "0"}, {13, "0"}, {21, "0"}, {22, "1"}, {23, "1"}, {24, "0"}, {25, "1"},
            {31, "1"}, {32, "1"}, {33, "1"}, {34, "0"}, {37, "0"}};
        for (const auto &[line, value] : expected)
            QCOMPARE(l[line - 1], value);
    }

    void roundTrip()
    {
        TMainOptions o;
        o.designName = "WINTER";
        o.pWidth = 900;
        o.bogstavName = QString::fromUtf8("Æble Sans");
        o.jsObjektName = "Array";
        o.openDokumenter = true;
        o.htmlboksPlacering = 0;
        o.ikkeAnalyseret = true;
        TMainOptions back;
        back.read(o.lines());
        QVERIFY(!back.usedDefaults);
        QCOMPARE(back.lines(), o.lines());
    }

    // A short or damaged file: the values with defaults get them, the others keep what was read.
    void damagedFiles_data()
    {
        QTest::addColumn<int>("keep");       // how many lines of a full file survive
        QTest::addColumn<QString>("badLine"); // appended after them ("" for none)
        QTest::newRow("20 lines") << 20 << "";
        QTest::newRow("non-number at line 21") << 20 << "left";
        QTest::newRow("one line") << 1 << "";
    }
    void damagedFiles()
    {
        QFETCH(int, keep);
        QFETCH(QString, badLine);
        TMainOptions full;
        full.designName = "WINTER";
        full.pWidth = 700;
        full.filtypeBoxItemIndex = 3;
        full.brugernavn = "file user";
        full.autoSenesteFM = true;
        full.jsObjektName = "Math";
        full.visOrdbog = true;
        full.visFtpFunktioner = true;
        full.visBokslinjen = true;
        full.gruppenavn = "Nyheder";
        full.visWebpanel = true;
        full.openDokumenter = true;
        QStringList lines = full.lines().mid(0, keep);
        if (!badLine.isEmpty())
            lines.append(badLine);
        TMainOptions o;
        o.brugernavn = "login";
        o.read(lines);
        QVERIFY(o.usedDefaults);
        QCOMPARE(o.designName, QString("Sky"));
        QCOMPARE(o.pWidth, 1080);
        QCOMPARE(o.bogstavName, QString("Courier New"));
        QVERIFY(!o.autoSenesteFM);
        QVERIFY(!o.visBokslinjen);
        QVERIFY(o.gruppenavn.isEmpty());
        QVERIFY(!o.visWebpanel);
        QCOMPARE(o.htmlboksPlacering, 1);
        QVERIFY(o.visHtmlbog);
        QVERIFY(o.DocScript && o.autoPop && o.autoFocus);
        // Lines without a default keep what was read, or what they held before.
        if (keep >= 20) {
            QCOMPARE(o.filtypeBoxItemIndex, 3);
            QCOMPARE(o.brugernavn, QString("file user"));
            QCOMPARE(o.jsObjektName, QString("Math"));
            QVERIFY(o.visOrdbog);
            QVERIFY(o.visFtpFunktioner);
        } else {
            QCOMPARE(o.brugernavn, QString("login"));
            QVERIFY(!o.visOrdbog);
        }
        QVERIFY(!o.openDokumenter);   // line 24 was never read
    }

    void pathsBelowTheRoot()
    {
        const TProgramPaths p = TProgramPaths::compute("/r", "ida", "/opt/bin/");
        QCOMPARE(p.Dir, QString("/opt/bin"));
        QCOMPARE(p.ikonDir, QString("/opt/bin/ikoner/"));
        QCOMPARE(p.brugerdir, QString("/r/ida"));
        QCOMPARE(p.optfil, QString("/r/ida/options/mainoptions.txt"));
        QCOMPARE(p.billedIkondir, QString("/r/ida/options/Ikonfiler/"));
        QCOMPARE(p.programdir, QString("/r/Program/"));
        QCOMPARE(p.infodir, QString("/r/Program/Struktur"));
        QCOMPARE(p.strukturdir, QString("/r/Program/Script/"));
        QCOMPARE(p.klichedir, QString("/r/Program/Klicheer"));
        QCOMPARE(p.htmllistedir, QString("/r/Program/Dir/Html/"));
        QCOMPARE(p.ordbogMappe, QString("/r/Program/Ordbog/Normal/Forklaringer/"));
        QCOMPARE(p.webFileFor("Sport"), QString("/r/ida/options/webliste Sport.txt"));
        QCOMPARE(TProgramPaths::compute("/r", "  ", "/x").brugernavn, QString("Bruger"));
    }

    void firstStartFolders()
    {
        test::TempRoot root;
        const TProgramPaths p = TProgramPaths::compute(root.path(), "ida", "/x");
        p.createFolders();
        QStringList made;
        QDirIterator it(root.path(), QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext())
            made.append(QDir(root.path()).relativeFilePath(it.next()));
        made.sort();
        QCOMPARE(made, (QStringList{"Program", "Program/Ordbog", "Program/Ordbog/Normal",
                                    "Program/Ordbog/Normal/Forklaringer", "ida", "ida/Dokumenter", "ida/Projekter",
                                    "ida/options", "ida/options/Ikonfiler", "ida/options/Ikonfiler/Forklaringer"}));
    }
};

QTEST_GUILESS_MAIN(TestMainOptions)
#include "tst_mainoptions.moc"
