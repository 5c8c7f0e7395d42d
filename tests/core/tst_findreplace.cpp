#include "core/model/findreplace.h"
#include "core/text/doctext.h"

#include <QRandomGenerator>
#include <QTextDocument>
#include <QtTest>

using namespace taglund;

namespace {

// A headless document whose text is given with CR LF line breaks.
struct Doc {
    QTextDocument doc;
    TDocText text{&doc};
    explicit Doc(const QString &t, int selStart = 0, int selLength = 0)
    {
        text.setText(t);
        text.setModified(false);
        text.setSelStart(selStart);
        text.setSelLength(selLength);
    }
};

FindOptions options(bool wholeWord, bool matchCase)
{
    FindOptions o;
    o.wholeWord = wholeWord;
    o.matchCase = matchCase;
    return o;
}

// The search up as the rule states it: forward from the start, each time one
// position after the previous hit, keeping the last hit wholly before the caret.
int stepwiseUp(const TDocText &t, const QString &what, FindOptions o)
{
    const int caret = t.SelStart();
    int last = -1;
    int from = 0;
    while (from <= caret) {
        const int hit = t.FindText(what, from, caret - from, o);
        if (hit < 0)
            break;
        last = hit;
        from = hit + 1;
    }
    return last;
}

} // namespace

class TestFindReplace : public QObject {
    Q_OBJECT
private slots:
    void findNext_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("selStart");
        QTest::addColumn<int>("selLength");
        QTest::addColumn<QString>("what");
        QTest::addColumn<bool>("wholeWord");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<bool>("up");
        QTest::addColumn<int>("hit");

        QTest::newRow("up from end takes the second") << "abcabc" << 6 << 0 << "abc" << false << false << true << 3;
        QTest::newRow("up from 3 takes the first") << "abcabc" << 3 << 0 << "abc" << false << false << true << 0;
        QTest::newRow("up: hit must end before caret") << "abcabc" << 2 << 0 << "abc" << false << false << true << -1;
        QTest::newRow("up: caret inside a hit") << "xxabcxx" << 4 << 0 << "abc" << false << false << true << -1;
        QTest::newRow("up from selected hit skips it") << "abcabc" << 3 << 3 << "abc" << false << false << true << 0;
        QTest::newRow("up overlapping") << "aaaa" << 4 << 0 << "aa" << false << false << true << 2;
        QTest::newRow("up across lines") << "ab\r\ncd\r\nab" << 8 << 0 << "ab" << false << false << true << 6;
        QTest::newRow("up whole word") << "abc abcd x" << 10 << 0 << "abc" << true << false << true << 0;
        QTest::newRow("up match case") << "abc ABC Abc" << 11 << 0 << "ABC" << false << true << true << 4;
        QTest::newRow("up ignores case") << "abc ABC xyz" << 11 << 0 << "Abc" << false << false << true << 4;
        QTest::newRow("down from caret") << "abcabc" << 0 << 0 << "abc" << false << false << false << 0;
        QTest::newRow("down after selection") << "abcabc" << 0 << 3 << "abc" << false << false << false << 3;
        QTest::newRow("down past last") << "abcabc" << 3 << 3 << "abc" << false << false << false << -1;
        QTest::newRow("down overlapping") << "aaaa" << 0 << 2 << "aa" << false << false << false << 2;
        QTest::newRow("down whole word") << "abcd abc" << 0 << 0 << "abc" << true << false << false << 5;
        QTest::newRow("down match case") << "Abc abc" << 0 << 0 << "abc" << false << true << false << 4;
        QTest::newRow("down danish letters") << QString::fromUtf8("x ÆBLE æble") << 0 << 0 << QString::fromUtf8("æble")
                                             << false << false << false << 2;
        QTest::newRow("down over a break") << "ab\r\ncd" << 0 << 0 << "b\r\nc" << false << false << false << 1;
        QTest::newRow("empty text sought") << "abc" << 0 << 0 << "" << false << false << false << -1;
        QTest::newRow("empty text sought up") << "abc" << 3 << 0 << "" << false << false << true << -1;
        QTest::newRow("empty document") << "" << 0 << 0 << "a" << false << false << true << -1;
    }
    void findNext()
    {
        QFETCH(QString, text);
        QFETCH(int, selStart);
        QFETCH(int, selLength);
        QFETCH(QString, what);
        QFETCH(bool, wholeWord);
        QFETCH(bool, matchCase);
        QFETCH(bool, up);
        QFETCH(int, hit);
        Doc d(text, selStart, selLength);
        const auto dir = up ? SearchDirection::Up : SearchDirection::Down;
        QCOMPARE(FindReplace::findNext(d.text, what, options(wholeWord, matchCase), dir), hit);

        const bool found = FindReplace::findAndSelect(d.text, what, options(wholeWord, matchCase), dir);
        QCOMPARE(found, hit >= 0);
        if (found) {
            QCOMPARE(d.text.SelStart(), hit);
            QCOMPARE(d.text.SelLength(), FindReplace::caretLength(what));
        } else {
            QCOMPARE(d.text.SelStart(), selStart);
            QCOMPARE(d.text.SelLength(), selLength);
        }
        QCOMPARE(d.text.Text(), text);
        QVERIFY(!d.text.Modified());
    }

    // The halving search up must agree with stepping hit by hit everywhere.
    void upAgreesWithStepwiseSearch()
    {
        QRandomGenerator rng(20240611);
        const QString alphabet = QStringLiteral("aAb _\n");
        const QStringList sought = {"a", "aa", "ab", "A", "a a", "b\n", "aba"};
        for (int round = 0; round < 400; ++round) {
            QString t;
            const int n = rng.bounded(40);
            for (int i = 0; i < n; ++i)
                t += alphabet[rng.bounded(alphabet.size())];
            Doc d(t);
            d.text.setSelStart(rng.bounded(d.text.Length() + 1));
            const QString what = sought[rng.bounded(sought.size())];
            const FindOptions o = options(rng.bounded(2) == 1, rng.bounded(2) == 1);
            QCOMPARE(FindReplace::findNext(d.text, what, o, SearchDirection::Up), stepwiseUp(d.text, what, o));
        }
    }

    void replaceAll_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("with");
        QTest::addColumn<bool>("wholeWord");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("count");

        QTest::newRow("a by aa stops at six") << "aaa" << "a" << "aa" << false << false << "aaaaaa" << 3;
        QTest::newRow("plain") << "abc abc" << "abc" << "x" << false << false << "x x" << 2;
        QTest::newRow("ignores case") << "Abc aBC" << "abc" << "x" << false << false << "x x" << 2;
        QTest::newRow("match case") << "Abc abc" << "abc" << "x" << false << true << "Abc x" << 1;
        QTest::newRow("whole word") << "abc abcd abc" << "abc" << "x" << true << false << "x abcd x" << 2;
        QTest::newRow("whole word next to insertion") << "ab ab" << "ab" << "xab" << true << false << "xab xab" << 2;
        QTest::newRow("by nothing") << "a-b-c" << "-" << "" << false << false << "abc" << 2;
        QTest::newRow("by a line break") << "a,b" << "," << "\r\n" << false << false << "a\r\nb" << 1;
        QTest::newRow("a line break") << "a\r\nb\r\nc" << "\r\n" << " " << false << false << "a b c" << 2;
        QTest::newRow("overlapping") << "aaaa" << "aa" << "b" << false << false << "bb" << 2;
        QTest::newRow("no hit") << "abc" << "x" << "y" << false << false << "abc" << 0;
        QTest::newRow("empty sought") << "abc" << "" << "y" << false << false << "abc" << 0;
        QTest::newRow("empty document") << "" << "a" << "b" << false << false << "" << 0;
    }
    void replaceAll()
    {
        QFETCH(QString, text);
        QFETCH(QString, what);
        QFETCH(QString, with);
        QFETCH(bool, wholeWord);
        QFETCH(bool, matchCase);
        QFETCH(QString, result);
        QFETCH(int, count);
        Doc d(text, 1 < text.size() ? 1 : 0);
        QCOMPARE(FindReplace::replaceAll(d.text, what, with, options(wholeWord, matchCase)), count);
        QCOMPARE(d.text.Text(), result);
        QCOMPARE(d.text.Modified(), count > 0);
        if (count > 0) {
            // One undo step brings the whole text back.
            d.doc.undo();
            QCOMPARE(d.text.Text(), text);
        }
    }

    // Replace all as the rule states it, one hit at a time in the live text,
    // must give the same text as the snapshot-based replacement.
    void replaceAllAgreesWithLiveSearch()
    {
        QRandomGenerator rng(977);
        // Mostly "a" and blanks, so hits often touch each other.
        const QString alphabet = QStringLiteral("aaaAb   _\n");
        const QStringList sought = {"a", "aa", "ab", "A", "a a", "b\n", "_", " a", "\na", " "};
        const QStringList replacements = {"", "a", "aa", "x", "b a", "\r\n", "_", "a ", " "};
        for (int round = 0; round < 3000; ++round) {
            QString t;
            const int n = rng.bounded(30);
            for (int i = 0; i < n; ++i)
                t += alphabet[rng.bounded(alphabet.size())];
            const QString what = sought[rng.bounded(sought.size())];
            const QString with = replacements[rng.bounded(replacements.size())];
            const FindOptions o = options(rng.bounded(2) == 1, rng.bounded(2) == 1);

            Doc live(t);
            int expected = 0;
            int from = 0;
            while (true) {
                const int hit = live.text.FindText(what, from, live.text.Length() - from, o);
                if (hit < 0)
                    break;
                live.text.setSelStart(hit);
                live.text.setSelLength(FindReplace::caretLength(what));
                live.text.setSelText(with);
                from = live.text.SelStart();
                ++expected;
            }
            Doc d(t);
            QCOMPARE(FindReplace::replaceAll(d.text, what, with, o), expected);
            QCOMPARE(d.text.Text(), live.text.Text());
            if (expected > 0)
                QCOMPARE(d.text.SelStart(), live.text.SelStart());
        }
    }

    void replaceNext_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("selStart");
        QTest::addColumn<int>("selLength");
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("with");
        QTest::addColumn<bool>("wholeWord");
        QTest::addColumn<bool>("replaced");
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("caret");

        QTest::newRow("selected hit is replaced") << "abc abc" << 0 << 3 << "abc" << "x" << false << true << "x abc" << 1;
        QTest::newRow("selected second hit") << "abc abc" << 4 << 3 << "abc" << "xy" << false << true << "abc xy" << 6;
        QTest::newRow("selection not a hit: next after it") << "abc abc" << 0 << 1 << "abc" << "x" << false << true
                                                            << "abc x" << 5;
        QTest::newRow("nothing selected: from the start") << "abc abc" << 5 << 0 << "abc" << "x" << false << true
                                                          << "x abc" << 1;
        QTest::newRow("selected part of a word, whole word") << "abcd abc" << 0 << 3 << "abc" << "x" << true << true
                                                             << "abcd x" << 6;
        QTest::newRow("no hit after selection") << "abc abc" << 4 << 3 << "zz" << "x" << false << false << "abc abc"
                                                << 4;
        QTest::newRow("empty sought") << "abc" << 0 << 0 << "" << "x" << false << false << "abc" << 0;
    }
    void replaceNext()
    {
        QFETCH(QString, text);
        QFETCH(int, selStart);
        QFETCH(int, selLength);
        QFETCH(QString, what);
        QFETCH(QString, with);
        QFETCH(bool, wholeWord);
        QFETCH(bool, replaced);
        QFETCH(QString, result);
        QFETCH(int, caret);
        Doc d(text, selStart, selLength);
        QCOMPARE(FindReplace::replaceNext(d.text, what, with, options(wholeWord, false)), replaced);
        QCOMPARE(d.text.Text(), result);
        QCOMPARE(d.text.SelStart(), caret);
        if (replaced)
            QCOMPARE(d.text.SelLength(), 0);
        else
            QCOMPARE(d.text.SelLength(), selLength);
        QCOMPARE(d.text.Modified(), replaced);
    }

    // Clicking "Erstat" again and again walks through the text instead of
    // replacing one place forever, also when the replacement holds the
    // sought text, as long as each click starts from a found hit.
    void findThenReplaceWalksOn()
    {
        Doc d("a b a b a");
        int rounds = 0;
        while (FindReplace::findAndSelect(d.text, "a", {}, SearchDirection::Down)) {
            QVERIFY(FindReplace::replaceNext(d.text, "a", "aa", {}));
            QVERIFY(++rounds <= 3);
        }
        QCOMPARE(rounds, 3);
        QCOMPARE(d.text.Text(), QStringLiteral("aa b aa b aa"));
    }

    // A long document full of hits: both directions and replace all finish
    // and land where they should.
    void largeDocument()
    {
        const QString line = QStringLiteral("ab ab ab ab ab ab ab ab ab ab\r\n");
        QString t;
        for (int i = 0; i < 3000; ++i)
            t += line;
        Doc d(t);
        d.text.setSelStart(d.text.Length());
        QCOMPARE(FindReplace::findNext(d.text, "ab", {}, SearchDirection::Up), d.text.Length() - 3);
        QCOMPARE(FindReplace::replaceAll(d.text, "ab", "c", {}), 30000);
        QCOMPARE(d.text.Length(), 3000 * 20);
    }
};

QTEST_MAIN(TestFindReplace)
#include "tst_findreplace.moc"
