#include "htmltestutil.h"

#include "core/text/paths.h"
#include "html/knowledge.h"
#include "html/tagset.h"

using namespace taglund;
using namespace taglund::test;

class TestTagKnowledge : public QObject {
    Q_OBJECT
private slots:
    void caseVariantsCollapseToFirst()
    {
        TTagSet set;
        QVERIFY(set.Load(knowledgeDirs().htmllistedir + QStringLiteral("UdenSlutkode.txt")));
        // "br" and "BR" are one entry, and the first spelling is the one kept.
        QCOMPARE(set.count(), 10);
        QVERIFY(set.entries().contains(QStringLiteral("br")));
        QVERIFY(!set.entries().contains(QStringLiteral("BR")));
        const QStringList e = set.entries();
        for (int i = 1; i < e.size(); ++i)
            QVERIFY2(QString::compare(e[i - 1], e[i], Qt::CaseInsensitive) < 0, qPrintable(e[i]));
    }

    void membership_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("listed");
        QTest::newRow("as written") << "DIV" << true;
        QTest::newRow("lower case") << "div" << true;
        QTest::newRow("mixed case") << "Div" << true;
        QTest::newRow("prefix only") << "di" << false;
        QTest::newRow("longer") << "divx" << false;
        QTest::newRow("leading blank") << " div" << false;
        QTest::newRow("with bracket") << "<div" << false;
        QTest::newRow("end tag form") << "/div" << false;
        QTest::newRow("empty") << "" << false;
    }
    void membership()
    {
        QFETCH(QString, name);
        QFETCH(bool, listed);
        TTagSet set;
        QVERIFY(set.Load(knowledgeDirs().htmllistedir + QStringLiteral("MedSlutkode.txt")));
        QCOMPARE(set.contains(name), listed);
    }

    void missingListFailsAndEmpties()
    {
        TTagSet set;
        set.setEntries({QStringLiteral("a")});
        QString error;
        QVERIFY(!set.Load(dataDir(QStringLiteral("nosuch.txt")), &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(set.count(), 0);
    }

    void loadKnowledgeNamesMissingFile()
    {
        Tinfotag engine;
        TKnowledgeDirs dirs = knowledgeDirs();
        dirs.attributedir = dataDir(QStringLiteral("nosuch/"));
        engine.setDirs(dirs);
        QString message;
        QVERIFY(!engine.LoadKnowledge(&message));
        QVERIFY2(message.contains(QStringLiteral("_undtagelser.txt")), qPrintable(message));
        // The lists before the missing one were read.
        QVERIFY(engine.AlleTagliste().contains(QStringLiteral("hr")));

        Tinfotag complete;
        QVERIFY(loadTestKnowledge(complete));
        QVERIFY(complete.Excludeliste().contains(QStringLiteral("O:P")));
        QVERIFY(complete.UAttributliste().contains(QStringLiteral("checked")));
    }

    void foldersBelowProgramDir()
    {
        const TKnowledgeDirs d = TKnowledgeDirs::fromProgramDir(QStringLiteral("/r/Program/"));
        QCOMPARE(d.htmllistedir, joinPath(QStringLiteral("/r/Program/"), QStringLiteral("Dir/Html/")));
        QVERIFY(d.attributedir.endsWith(QStringLiteral("Dir/Attributes/")));
        QVERIFY(d.betweendir.endsWith(QStringLiteral("Dir/Betweentags/")));
        QVERIFY(d.valuedir.endsWith(QStringLiteral("Dir/Values/")));
        QVERIFY(!d.valuedir.contains(QStringLiteral("//")));
    }

    void panelListKeepsFileOrder()
    {
        QStringList lines;
        QVERIFY(Knowledge::readList(Knowledge::listFile(knowledgeDirs().htmllistedir, QStringLiteral("_Koder")), lines));
        QCOMPARE(lines.size(), 7);
        QCOMPARE(lines.value(0), QStringLiteral("<a></a>"));
        QCOMPARE(lines.value(1), QString());  // an empty line is an empty row
        QVERIFY(!Knowledge::readList(Knowledge::listFile(knowledgeDirs().attributedir, QStringLiteral("xyz")), lines));
        QVERIFY(lines.isEmpty());
    }

    void valueFile_data()
    {
        QTest::addColumn<QString>("element");
        QTest::addColumn<QString>("attribute");
        QTest::addColumn<QString>("file");
        QTest::newRow("element file wins") << "input" << "type" << "type_input.txt";
        QTest::newRow("general without element file") << "button" << "type" << "type.txt";
        QTest::newRow("img src") << "img" << "src" << "src_img.txt";
        QTest::newRow("a src") << "a" << "src" << "src.txt";
        QTest::newRow("no element") << "" << "type" << "type.txt";
        QTest::newRow("no file at all") << "a" << "rel" << "";
        QTest::newRow("element climbs out") << "../x" << "type" << "type.txt";
        QTest::newRow("attribute climbs out") << "input" << "../Values/type" << "";
        QTest::newRow("attribute dot dot") << "input" << ".." << "";
    }
    void valueFile()
    {
        QFETCH(QString, element);
        QFETCH(QString, attribute);
        QFETCH(QString, file);
        const QString found = Knowledge::valueFile(knowledgeDirs().valuedir, element, attribute);
        QCOMPARE(fileNameOf(found), file);
    }

    void unsafeNamesAreMissing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << "";
        QTest::newRow("dot") << ".";
        QTest::newRow("dot dot") << "..";
        QTest::newRow("climbs") << "../../escape";
        QTest::newRow("backslash") << "a\\b";
        QTest::newRow("colon") << "c:x";
        QTest::newRow("nul") << QString(QStringLiteral("a") + QChar(u'\0') + QStringLiteral("b"));
        QTest::newRow("tab") << "\t";
    }
    void unsafeNamesAreMissing()
    {
        QFETCH(QString, name);
        QVERIFY(Knowledge::listFile(knowledgeDirs().attributedir, name).isEmpty());
        QStringList lines;
        QVERIFY(!Knowledge::readList(Knowledge::listFile(knowledgeDirs().attributedir, name), lines));
    }

    void snippetName_data()
    {
        QTest::addColumn<QString>("snippet");
        QTest::addColumn<QString>("name");
        QTest::newRow("void") << "<br>" << "br";
        QTest::newRow("pair") << "<a></a>" << "a";
        QTest::newRow("blanks kept") << "<li class=x></li>" << "li class=x";
        QTest::newRow("no bracket") << "<abc" << "abc";
        QTest::newRow("one char") << "<" << "";
        QTest::newRow("empty") << "" << "";
    }
    void snippetName()
    {
        QFETCH(QString, snippet);
        QFETCH(QString, name);
        QCOMPARE(Knowledge::snippetName(snippet), name);
    }

    void valueHeadings_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("heading");
        QTest::newRow("two capitals") << "CSS" << true;
        QTest::newRow("heading word") << "TEKSTFELTER" << true;
        QTest::newRow("one capital") << "Text" << false;
        QTest::newRow("danish capital") << QString::fromUtf8("ÆBLE") << false;
        QTest::newRow("single letter") << "A" << false;
        QTest::newRow("lower") << "text" << false;
    }
    void valueHeadings()
    {
        QFETCH(QString, entry);
        QFETCH(bool, heading);
        QCOMPARE(Knowledge::isValueHeading(entry), heading);
    }
};

QTEST_GUILESS_MAIN(TestTagKnowledge)
#include "tst_tagknowledge.moc"
