#include "core/text/doctext.h"
#include "support/testsupport.h"
#include "tools/ordregel.h"

#include <QTextDocument>
#include <QtTest>

using namespace taglund;

// A row's text marks the caret with "|" or the selection with "[" and "]".
class TestOrdregel : public QObject {
    Q_OBJECT
private slots:
    void wordAtCaret_data()
    {
        QTest::addColumn<QString>("marked");
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("startpos");
        QTest::addColumn<int>("selL");
        QTest::newRow("hyphen joins") << "abc|-def ghi" << "abc-def" << 0 << 7;
        QTest::newRow("caret after word") << "abc def|" << "def" << 4 << 3;
        QTest::newRow("caret before word") << "abc |def" << "def" << 4 << 3;
        QTest::newRow("between blanks") << "abc | def" << "" << 4 << 0;
        QTest::newRow("danish letters") << "Blåbær|grød og ÆØÅ" << "Blåbærgrød" << 0 << 10;
        QTest::newRow("digits") << "h1 x2|3" << "x23" << 3 << 3;
        QTest::newRow("accent ends") << "caf|é" << "caf" << 0 << 3;
        QTest::newRow("accent before caret") << "café|" << "" << 4 << 0;
        QTest::newRow("above 255 ends") << "a€b|c" << "bc" << 2 << 2;
        QTest::newRow("underscore ends") << "var_na|me" << "name" << 4 << 4;
        QTest::newRow("tag brackets end") << "<di|v class>" << "div" << 1 << 3;
        QTest::newRow("own line only") << "første\r\n|anden" << "anden" << 7 << 5;
        QTest::newRow("end of line") << "første|\r\nanden" << "første" << 0 << 6;
        QTest::newRow("selection") << "et [langt ord] her" << "langt ord" << 3 << 9;
        QTest::newRow("one final blank dropped") << "[ord ]x" << "ord" << 0 << 3;
        QTest::newRow("only one blank dropped") << "[ord  ]x" << "ord " << 0 << 4;
        QTest::newRow("selection keeps other characters") << "[a_b€]" << "a_b€" << 0 << 4;
        QTest::newRow("empty document") << "|" << "" << 0 << 0;
    }
    void wordAtCaret()
    {
        QFETCH(QString, marked);
        QFETCH(QString, word);
        QFETCH(int, startpos);
        QFETCH(int, selL);
        QTextDocument doc;
        TDocText text(&doc);
        const test::MarkedText m = test::parseMarked(marked);
        text.setText(m.plain);
        // Offsets in the row count CR LF as two; the caret counts a break as one.
        text.setSelStart(text.CaretFromTextIndex(m.caret));
        text.setSelLength(m.length);
        const TOrdFund fund = FindOrd(text);
        QCOMPARE(fund.ord, word);
        QCOMPARE(fund.startpos, startpos);
        QCOMPARE(fund.selL, selL);
    }
};

QTEST_GUILESS_MAIN(TestOrdregel)
#include "tst_ordregel.moc"
