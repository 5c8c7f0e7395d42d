#include "htmltestutil.h"

#include "html/checks.h"

using namespace taglund;
using namespace taglund::test;

class TestChecks : public QObject {
    Q_OBJECT
private slots:
    void checkCases_data() { addCaseRows(QStringLiteral("checks")); }
    void checkCases()
    {
        QFETCH(QString, folder);
        Tinfotag engine;
        QVERIFY(loadTestKnowledge(engine));
        TestDoc doc(caseText(folder, QStringLiteral("document.html")));
        engine.setEditor(doc.text.get());
        QVERIFY(engine.ReadStructure());
        QString sentence;
        for (const QString &mode : caseLines(folder, QStringLiteral("check.txt"))) {
            const int count = engine.Kontrol(mode.toInt());
            QCOMPARE(engine.KontrolMode, mode.toInt());
            sentence = kontrolSaetning(mode.toInt(), count);
        }
        QStringList want = caseLines(folder, QStringLiteral("expected.txt"));
        const QString wantSentence = want.takeLast();
        QCOMPARE(dumpTree(*engine.tree(), false), want);
        QCOMPARE(sentence, wantSentence);
    }

    void selectNode_data() { addCaseRows(QStringLiteral("goto")); }
    void selectNode()
    {
        QFETCH(QString, folder);
        Tinfotag engine;
        QVERIFY(loadTestKnowledge(engine));
        TestDoc doc(caseText(folder, QStringLiteral("document.html")));
        doc.text->setSelStart(3);
        engine.setEditor(doc.text.get());
        QVERIFY(engine.ReadStructure());
        const QStringList how = caseLines(folder, QStringLiteral("select.txt")).value(0).split(u' ');
        engine.KontrolMode = how.value(0).toInt();
        engine.GotoTag(engine.tree()->preOrder().at(how.value(1).toInt()));
        const QStringList want = caseLines(folder, QStringLiteral("expected.txt")).value(0).split(u' ');
        QCOMPARE(doc.text->SelStart(), want.value(0).toInt());
        QCOMPARE(doc.text->SelLength(), want.value(1).toInt());
    }

    void selectionAfterTheDocumentChanged()
    {
        Tinfotag engine;
        QVERIFY(loadTestKnowledge(engine));
        TestDoc doc(QStringLiteral("<p>x</p>\r\n<div>y</div>"));
        engine.setEditor(doc.text.get());
        QVERIFY(engine.ReadStructure());
        // The tag is gone: the selection falls back to the start of the text.
        doc.text->setText(QStringLiteral("<p>x</p>"));
        engine.GotoTag(engine.tree()->preOrder().at(2));  // div, under the first p
        QCOMPARE(doc.text->SelStart(), 0);
        QCOMPARE(doc.text->SelLength(), 3);
        // A tree from a longer text than the document now holds.
        engine.GotoTag(engine.tree()->count() - 1);
        QVERIFY(doc.text->SelStart() + doc.text->SelLength() <= doc.text->Length());
        engine.GotoTag(-1);
        engine.GotoTag(engine.tree()->count());
    }

    void withoutStructure_data()
    {
        QTest::addColumn<int>("mode");
        for (int m = 0; m <= 4; ++m)
            QTest::newRow(qPrintable(QString::number(m))) << m;
    }
    void withoutStructure()
    {
        QFETCH(int, mode);
        Tinfotag engine;
        QVERIFY(loadTestKnowledge(engine));
        TestDoc doc(QStringLiteral("<p>x"));
        engine.setEditor(doc.text.get());
        // No tree read yet.
        QCOMPARE(engine.Kontrol(mode), kIngenStruktur);
        QCOMPARE(kontrolSaetning(mode, kIngenStruktur), QStringLiteral("Der er ikke indlæst struktur"));
        QVERIFY(engine.ReadStructure());
        engine.setEditor(nullptr);
        QCOMPARE(engine.Kontrol(mode), kIngenStruktur);
        QCOMPARE(kontrolSaetning(mode, kOptaget), QString());
    }

    void sentences_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("sentence");
        QTest::newRow("attributes 0") << 0 << 0 << "Ingen koder med attributter";
        QTest::newRow("attributes 1") << 0 << 1 << "1 kode med attributter";
        QTest::newRow("attributes n") << 0 << 12 << "12 koder med attributter";
        QTest::newRow("missing 0") << 1 << 0 << "Der mangler ikke slutkoder";
        QTest::newRow("missing 1") << 1 << 1 << "Der mangler 1 slutkode";
        QTest::newRow("missing n") << 1 << 3 << "Der mangler 3 slutkoder";
        QTest::newRow("surplus 0") << 4 << 0 << "Der er ikke for mange slutkoder";
        QTest::newRow("surplus 1") << 4 << 1 << "Der er 1 slutkode for meget";
        QTest::newRow("surplus n") << 4 << 2 << "Der er 2 slutkoder for meget";
        QTest::newRow("codes 0") << 2 << 0 << "Ingen ukendte koder";
        QTest::newRow("codes 1") << 2 << 1 << "1 ukendt kode";
        QTest::newRow("codes n") << 2 << 5 << "5 ukendte koder";
        QTest::newRow("attrs 0") << 3 << 0 << "Ingen ukendte attributter";
        QTest::newRow("attrs 1") << 3 << 1 << "1 ukendt attribut";
        QTest::newRow("attrs n") << 3 << 4 << "4 ukendte attributter";
    }
    void sentences()
    {
        QFETCH(int, mode);
        QFETCH(int, count);
        QFETCH(QString, sentence);
        QCOMPARE(kontrolSaetning(mode, count), sentence);
    }
};

QTEST_MAIN(TestChecks)
#include "tst_checks.moc"
