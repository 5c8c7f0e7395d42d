#include "htmltestutil.h"

#include <QAbstractItemModelTester>

using namespace taglund;
using namespace taglund::test;

class TestStructure : public QObject {
    Q_OBJECT
private slots:
    void treeCases_data() { addCaseRows(QStringLiteral("structure")); }
    void treeCases()
    {
        QFETCH(QString, folder);
        Tinfotag engine;
        QVERIFY(loadTestKnowledge(engine));
        TestDoc doc(caseText(folder, QStringLiteral("document.html")));
        engine.setEditor(doc.text.get());
        QVERIFY(engine.ReadStructure(3));
        QCOMPARE(dumpTree(*engine.tree(), true), caseLines(folder, QStringLiteral("expected.txt")));
        QCOMPARE(engine.tree()->strukturNo(), 3);
        // Every node's Index points at its "<" in Text().
        const QString text = doc.text->Text();
        for (int id = 1; id < engine.tree()->count(); ++id)
            QCOMPARE(text.at(engine.tree()->node(id).data.Index), QChar(u'<'));
    }

    void progressInPercent()
    {
        Tinfotag engine;
        QVERIFY(loadTestKnowledge(engine));
        TestDoc doc(QStringLiteral("<p>\r\na\r\nb\r\n</p>"));
        engine.setEditor(doc.text.get());
        QList<int> reports;
        engine.OnProgress = [&](int p) { reports << p; };
        QVERIFY(engine.ReadStructure());
        QCOMPARE(reports, (QList<int>{0, 25, 50, 100}));

        reports.clear();
        engine.setEditor(nullptr);
        QVERIFY(!engine.ReadStructure());
        QCOMPARE(reports, (QList<int>{0, 100}));
    }

    void emptyDocumentHasOnlyRoot()
    {
        Tinfotag engine;
        QVERIFY(loadTestKnowledge(engine));
        TestDoc doc;
        engine.setEditor(doc.text.get());
        QList<int> reports;
        engine.OnProgress = [&](int p) { reports << p; };
        QVERIFY(engine.ReadStructure());
        QCOMPARE(engine.tree()->count(), 1);
        QCOMPARE(reports.last(), 100);
    }

    void secondReadOrCheckRefusedWhileReading()
    {
        Tinfotag engine;
        QVERIFY(loadTestKnowledge(engine));
        TestDoc doc(QStringLiteral("<p>\r\na</p>\r\n<p>b"));
        engine.setEditor(doc.text.get());
        int nested = 0;
        QList<bool> busy;
        engine.OnBusy = [&](bool on) { busy << on; };
        engine.OnProgress = [&](int p) {
            if (p > 0 && p < 100) {
                QVERIFY(engine.busy());
                QVERIFY(!engine.ReadStructure());
                QCOMPARE(engine.EndtagsKontrol(), kOptaget);
                ++nested;
            }
        };
        QVERIFY(engine.ReadStructure());
        QCOMPARE(nested, 1);
        QVERIFY(!engine.busy());
        QCOMPARE(busy, (QList<bool>{true, false}));
        QCOMPARE(engine.EndtagsKontrol(), 1);
    }

    void documentClosedWhileReading()
    {
        Tinfotag engine;
        QVERIFY(loadTestKnowledge(engine));
        auto doc = std::make_unique<TestDoc>(QStringLiteral("<div>\r\n<p>x</p>\r\n</div>"));
        engine.setEditor(doc->text.get());
        engine.OnProgress = [&](int p) {
            if (p > 0 && p < 100 && doc) {
                engine.setEditor(nullptr);
                doc.reset();
            }
        };
        QVERIFY(engine.ReadStructure(7));
        QVERIFY(!doc);
        // The tree is that of the text as it was when the read began.
        QCOMPARE(dumpTree(*engine.tree(), false),
                 (QStringList{"Hjemmeside", "  div", "    p", "    /p", "  /div"}));
        QCOMPARE(engine.VisAttributter(), kIngenStruktur);
    }

    void modelServesViews()
    {
        Tinfotag engine;
        QVERIFY(loadTestKnowledge(engine));
        TestDoc doc(QStringLiteral("<html><body><ul><li>a<li>b</ul><p>x</p><b></i></body></html>"));
        engine.setEditor(doc.text.get());
        QAbstractItemModelTester tester(engine.tree(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        QVERIFY(engine.ReadStructure());
        QCOMPARE(engine.EndtagsKontrol(), 3);
        QVERIFY(engine.ReadStructure());
        const QModelIndex root = engine.tree()->index(0, 0);
        QCOMPARE(root.data().toString(), QStringLiteral("Hjemmeside"));
        QCOMPARE(engine.tree()->nodeOf(root), 0);
        const QModelIndex html = engine.tree()->index(0, 0, root);
        QCOMPARE(html.data().toString(), QStringLiteral("html"));
        QCOMPARE(html.parent(), root);
        QCOMPARE(html.data(TTagTree::TagEndRole).toInt(), 1);
    }

    void hundredThousandTagsStayFlat()
    {
        Tinfotag engine;
        QVERIFY(loadTestKnowledge(engine));
        QString page = QStringLiteral("<html><body>\r\n");
        for (int i = 0; i < 50000; ++i)
            page += QStringLiteral("<p>x</p>\r\n");
        page += QStringLiteral("</body></html>");
        TestDoc doc(page);
        engine.setEditor(doc.text.get());
        QElapsedTimer t;
        t.start();
        QVERIFY(engine.ReadStructure());
        QCOMPARE(engine.tree()->count(), 1 + 2 + 100000 + 2);
        QCOMPARE(engine.EndtagsKontrol(), 0);
        // Linear work: a quadratic walk over 100,000 siblings would take minutes.
        QVERIFY2(t.elapsed() < 20000, qPrintable(QString::number(t.elapsed())));
        const QModelIndex body = engine.tree()->index(0, 0, engine.tree()->index(0, 0, engine.tree()->index(0, 0)));
        QCOMPARE(body.data().toString(), QStringLiteral("body"));
        QCOMPARE(engine.tree()->rowCount(body), 100000);
    }

    void nodeTag_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("tag");
        QTest::newRow("plain") << "div" << "div";
        QTest::newRow("remark") << "p Mangler slutkode" << "p";
        QTest::newRow("end tag remark") << "/p Slutkode?" << "/p";
        QTest::newRow("empty") << "" << "";
    }
    void nodeTag()
    {
        QFETCH(QString, text);
        QFETCH(QString, tag);
        QCOMPARE(GetNodeTag(text), tag);
    }
};

QTEST_MAIN(TestStructure)
#include "tst_structure.moc"
