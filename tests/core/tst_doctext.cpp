#include "core/editor.h"
#include "core/text/doctext.h"

#include <QTextDocument>
#include <QtTest>

using namespace taglund;

// A document of lines with its own caret, as the engines see it.
struct Doc {
    QTextDocument doc;
    TDocText text{&doc};
    explicit Doc(const QString &plain) { doc.setPlainText(plain); }
};

class TestDocText : public QObject {
    Q_OBJECT
private slots:
    void caretAndTextIndex()
    {
        Doc d("ab\ncd");
        d.text.setSelStart(3);   // before c
        QCOMPARE(d.text.SelStart(), 3);
        QCOMPARE(d.text.CaretPos(), QPoint(0, 1));
        QCOMPARE(d.text.Text(), QString("ab\r\ncd"));
        QCOMPARE(d.text.TextIndexFromCaret(3), 4);
        QCOMPARE(d.text.Text().at(4), QChar('c'));
        QCOMPARE(d.text.CharAt(3), QChar('c'));
        QCOMPARE(d.text.CharAt(2), QChar('\n'));
        QCOMPARE(d.text.CaretFromTextIndex(4), 3);
        QCOMPARE(d.text.CaretFromTextIndex(2), 2);   // the CR of the break
        QCOMPARE(d.text.CaretFromTextIndex(3), 2);   // its LF
    }

    void textIndexRoundTrip()
    {
        Doc d("x\n\nyz\n\nlast");
        const QString t = d.text.Text();
        for (int p = 0; p <= d.text.Length(); ++p) {
            const int i = d.text.TextIndexFromCaret(p);
            QCOMPARE(d.text.CaretFromTextIndex(i), p);
            if (p < d.text.Length() && d.text.CharAt(p) != '\n')
                QCOMPARE(t.at(i), d.text.CharAt(p));
        }
    }

    void selTextInsertion_data()
    {
        QTest::addColumn<QString>("initial");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("insert");
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("caretAfter");
        QTest::newRow("insert at 5") << "0123456789" << 5 << 0 << "x" << "01234x56789" << 6;
        QTest::newRow("replace selection") << "hello world" << 6 << 5 << "there" << "hello there" << 11;
        QTest::newRow("cr lf makes one break") << "ab" << 1 << 0 << "1\r\n2" << "a1\r\n2b" << 4;
        QTest::newRow("lone cr makes a break") << "ab" << 1 << 0 << "\r" << "a\r\nb" << 2;
        QTest::newRow("selection over a break") << "ab\ncd" << 1 << 3 << "-" << "a-d" << 2;
    }
    void selTextInsertion()
    {
        QFETCH(QString, initial);
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(QString, insert);
        QFETCH(QString, result);
        QFETCH(int, caretAfter);
        Doc d(initial);
        d.text.setSelStart(start);
        d.text.setSelLength(length);
        QCOMPARE(d.text.SelLength(), length);
        d.text.setSelText(insert);
        QCOMPARE(d.text.Text(), result);
        QCOMPARE(d.text.SelStart(), caretAfter);
        QCOMPARE(d.text.SelLength(), 0);
        QVERIFY(d.text.Modified());
    }

    void selectedTextUsesCrLf()
    {
        Doc d("ab\ncd");
        d.text.setSelStart(1);
        d.text.setSelLength(3);
        QCOMPARE(d.text.SelText(), QString("b\r\nc"));
        QCOMPARE(d.text.TextRange(0, 5), QString("ab\r\ncd"));
    }

    void outOfRangeIsClamped()
    {
        Doc d("abc");
        d.text.setSelStart(99);
        QCOMPARE(d.text.SelStart(), 3);
        d.text.setSelStart(-4);
        QCOMPARE(d.text.SelStart(), 0);
        d.text.setSelLength(50);
        QCOMPARE(d.text.SelLength(), 3);
        QCOMPARE(d.text.LineIndex(5), -1);
        QCOMPARE(d.text.LineFromChar(1000), 0);
        QCOMPARE(d.text.CharAt(3), QChar('\0'));
        QCOMPARE(d.text.Line(7), QString());
    }

    void linesOperations()
    {
        Doc d("one\ntwo\nthree");
        QCOMPARE(d.text.LineCount(), 3);
        QCOMPARE(d.text.Lines(), (QStringList{"one", "two", "three"}));
        QCOMPARE(d.text.LineIndex(2), 8);
        QCOMPARE(d.text.LineFromChar(8), 2);
        QCOMPARE(d.text.LineFromChar(7), 1);   // the break ending line 1
        d.text.setLine(1, "TWO");
        d.text.insertLine(0, "zero");
        d.text.insertLine(4, "four");
        QCOMPARE(d.text.Text(), QString("zero\r\none\r\nTWO\r\nthree\r\nfour"));
        d.text.deleteLine(4);
        d.text.deleteLine(0);
        QCOMPARE(d.text.Text(), QString("one\r\nTWO\r\nthree"));
        d.text.deleteLine(1);
        QCOMPARE(d.text.Text(), QString("one\r\nthree"));

        Doc empty("");
        QCOMPARE(empty.text.LineCount(), 1);
        empty.text.insertLine(1, "first");
        empty.text.insertLine(1, "second");
        QCOMPARE(empty.text.Text(), QString("first\r\nsecond"));
    }

    void findText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("what");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("whole");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<int>("found");
        QTest::newRow("plain") << "Hello hello" << "hello" << 0 << 11 << false << false << 0;
        QTest::newRow("match case") << "Hello hello" << "hello" << 0 << 11 << false << true << 6;
        QTest::newRow("whole word") << "cat concat cat" << "cat" << 1 << 13 << true << false << 11;
        QTest::newRow("not wholly inside") << "abcdef" << "cde" << 0 << 4 << false << false << -1;
        QTest::newRow("across a break") << "ab\ncd" << "b\r\nc" << 0 << 5 << false << false << 1;
        QTest::newRow("empty") << "abc" << "" << 0 << 3 << false << false << -1;
        QTest::newRow("danish case") << QString::fromUtf8("ÆBLE æble") << QString::fromUtf8("æble") << 1 << 8
                                     << false << false << 5;
    }
    void findText()
    {
        QFETCH(QString, text);
        QFETCH(QString, what);
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(bool, whole);
        QFETCH(bool, matchCase);
        QFETCH(int, found);
        Doc d(text);
        QCOMPARE(d.text.FindText(what, start, length, {whole, matchCase}), found);
    }

    // Each search sees the text as it is now, whatever an earlier search saw.
    void findTextAfterEdits()
    {
        Doc d("abc abc");
        QCOMPARE(d.text.FindText("abc", 1, 6), 4);
        d.text.setSelStart(0);
        d.text.setSelText("xyz ");
        QCOMPARE(d.text.FindText("abc", 1, 10), 4);
        QCOMPARE(d.text.FindText("xyz", 0, 10), 0);
        d.doc.undo();
        QCOMPARE(d.text.FindText("xyz", 0, 10), -1);
        d.text.setText("ny\r\ntekst");
        QCOMPARE(d.text.FindText("y\r\nt", 0, 8), 1);
    }

    void revisionFollowsChanges()
    {
        Doc d("abc");
        const int r = d.text.Revision();
        const QString before = d.text.Text();
        d.text.setSelStart(1);
        QCOMPARE(d.text.Revision(), r);
        d.text.setSelText("x");
        QVERIFY(d.text.Revision() != r);
        QVERIFY(d.text.Text() != before);
    }

    void noBreakSpaceSurvives()
    {
        Doc d(QString::fromUtf8("a\u00A0b"));
        QCOMPARE(d.text.Text(), QString::fromUtf8("a\u00A0b"));
    }

    // While the editor splits lines, a long paragraph is several lines.
    void wrappedLinesInAnEditor()
    {
        struct NoEvents : TEditorEvents {} events;
        TPlainEditor ed(&events);
        ed.setFont(QFont("Liberation Mono", 10));
        ed.resize(220, 300);
        ed.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ed));
        const QString para = QString("word ").repeated(40).trimmed();
        ed.setPlainText("first\n" + para + "\nlast");
        TDocText t(ed.document(), &ed);
        const int lines = t.LineCount();
        QVERIFY2(lines > 4, qPrintable(QString::number(lines)));
        QCOMPARE(t.Line(0), QString("first"));
        QCOMPARE(t.Line(lines - 1), QString("last"));
        // Every laid-out line starts where the previous one ended.
        QString joined;
        for (int i = 1; i < lines - 1; ++i) {
            QCOMPARE(t.LineIndex(i), 6 + joined.size());
            QCOMPARE(t.LineFromChar(t.LineIndex(i)), i);
            joined += t.Line(i);
        }
        QCOMPARE(joined, para);
        // The caret on the second laid-out line of the paragraph.
        t.setSelStart(t.LineIndex(2) + 1);
        QCOMPARE(t.CaretPos(), QPoint(1, 2));
        // Text() keeps only the real breaks.
        QCOMPARE(t.Text(), QString("first\r\n" + para + "\r\nlast"));
        ed.setSplitLines(false);
        QCOMPARE(t.LineCount(), 3);
        QCOMPARE(t.CaretPos().y(), 1);
    }
};

QTEST_MAIN(TestDocText)
#include "tst_doctext.moc"
