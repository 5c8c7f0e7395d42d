// Split lines are laid out as they are asked for and while the program is
// idle. Whatever has been laid out so far, the visual-line operations must
// answer exactly what a full layout answers: the reference here lays out
// every paragraph through Qt directly and lists where each line starts.
#include "core/editor.h"
#include "core/text/doctext.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

using namespace taglund;

namespace {

struct NoEvents : TEditorEvents {};

// A page of short lines and long paragraphs that split into several lines.
QString page()
{
    QString t;
    for (int i = 0; i < 400; ++i) {
        if (i % 7 == 3)
            t += QString("ord%1 ").arg(i).repeated(30 + i % 11);
        else
            t += QString("<p>linje %1</p>").arg(i);
        t += u'\n';
    }
    return t;
}

// Where every laid-out line starts, from a full layout.
QList<int> referenceStarts(QTextDocument *doc)
{
    QList<int> starts;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        doc->documentLayout()->blockBoundingRect(b);
        const QTextLayout *l = b.layout();
        if (l->lineCount() <= 1) {
            starts << b.position();
            continue;
        }
        for (int i = 0; i < l->lineCount(); ++i)
            starts << b.position() + l->lineAt(i).textStart();
    }
    return starts;
}

int referenceLineOf(const QList<int> &starts, int pos)
{
    return int(std::upper_bound(starts.begin(), starts.end(), pos) - starts.begin()) - 1;
}

} // namespace

class TestLazyLayout : public QObject {
    Q_OBJECT
private slots:
    void answersAreExactWhileLayingOut_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::newRow("just opened") << "";
        QTest::newRow("part laid out") << "some";
        QTest::newRow("laid out while idle") << "idle";
        QTest::newRow("line inserted in the middle") << "idle,enter";
        QTest::newRow("paragraph lengthened before anything is laid out") << "type";
        QTest::newRow("lines joined across paragraphs") << "some,join";
        QTest::newRow("lines joined, all laid out") << "idle,join";
        QTest::newRow("lines joined at once") << "join";
        QTest::newRow("narrower window") << "idle,narrow";
        QTest::newRow("narrower window, part laid out") << "idle,narrow,some";
        QTest::newRow("page down from the top") << "pagedown";
        QTest::newRow("splitting off and on") << "some,unsplit,split";
    }
    void answersAreExactWhileLayingOut()
    {
        QFETCH(QString, steps);
        NoEvents events;
        TPlainEditor ed(&events);
        ed.setFont(QFont("Liberation Mono", 10));
        ed.resize(320, 240);
        ed.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ed));
        ed.setPlainText(page());
        TDocText t(ed.document(), &ed);
        // Nothing asked yet: the caret is at the top, so nothing is laid out for it.
        QCOMPARE(t.CaretPos(), QPoint(0, 0));
        for (const QString &step : steps.split(u',', Qt::SkipEmptyParts)) {
            if (step == "some") {
                t.LayOutSome(0);
                t.LayOutSome(0);
            } else if (step == "idle") {
                while (!t.LayOutSome(50)) {
                }
                QVERIFY(t.LayoutComplete());
            } else if (step == "enter") {
                t.setSelStart(t.Length() / 2);
                QTest::keyClick(&ed, Qt::Key_Return);
            } else if (step == "type") {
                t.setSelStart(t.LineIndex(3) + 2);
                t.setSelText(QString("mere tekst ").repeated(25));
            } else if (step == "join") {
                const int at = t.LineIndex(10);
                QTextCursor c(ed.document());
                c.setPosition(at);
                c.setPosition(t.LineIndex(40), QTextCursor::KeepAnchor);
                c.removeSelectedText();
            } else if (step == "narrow") {
                ed.resize(200, 240);
            } else if (step == "pagedown") {
                for (int i = 0; i < 5; ++i)
                    QTest::keyClick(&ed, Qt::Key_PageDown);
            } else if (step == "unsplit") {
                ed.setSplitLines(false);
                QCOMPARE(t.LineCount(), ed.document()->blockCount());
            } else if (step == "split") {
                ed.setSplitLines(true);
            }
        }
        const int caret = ed.textCursor().position();
        // The answers first, the reference (which lays out everything) after.
        const int soFar = t.LineCountSoFar();
        const QPoint caretPos = t.CaretPos();
        QList<int> fromChar, index;
        const int length = t.Length();
        for (int pos = 0; pos <= length; pos += 97)
            fromChar << t.LineFromChar(pos);
        const int count = t.LineCount();
        for (int line = 0; line < count; line += 13)
            index << t.LineIndex(line);
        const QString lastLine = t.Line(count - 1);

        const QList<int> starts = referenceStarts(ed.document());
        QCOMPARE(count, int(starts.size()));
        QVERIFY(soFar <= count);
        int k = 0;
        for (int pos = 0; pos <= length; pos += 97)
            QCOMPARE(fromChar[k++], referenceLineOf(starts, pos));
        k = 0;
        for (int line = 0; line < count; line += 13)
            QCOMPARE(index[k++], starts[line]);
        const int caretLine = referenceLineOf(starts, caret);
        QCOMPARE(caretPos, QPoint(caret - starts[caretLine], caretLine));
        QCOMPARE(lastLine, ed.document()->lastBlock().text().mid(starts.last() - ed.document()->lastBlock().position()));
        // Once all is laid out, the count so far is the count.
        while (!t.LayOutSome(50)) {
        }
        QCOMPARE(t.LineCountSoFar(), count);
    }
};

QTEST_MAIN(TestLazyLayout)
#include "tst_lazylayout.moc"
