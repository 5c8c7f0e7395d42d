#include "htmltestutil.h"
#include "html/textmirror.h"
#include "support/testsupport.h"

#include <QPlainTextDocumentLayout>
#include <QRandomGenerator>
#include <functional>

using namespace taglund;
using namespace taglund::test;

namespace {

bool blank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

// The caret reading done the long way, over the whole Text() with its CR LF
// pairs, to hold the engine's scanning of the document (and its tag index
// for large documents) to the same answers.
TPosData referenceTag(const QString &t, int posIndex, const TTagSet &noEnd)
{
    auto name = [&t](int p) {
        QString n;
        for (; p < t.size(); ++p) {
            if (blank(t[p]) || t[p] == u'>' || t[p] == u'<')
                break;
            n += t[p];
            if (t[p] == u'%')
                break;
        }
        return n;
    };
    TPosData pd;
    pd.PosIndex = posIndex;
    if (posIndex > 0)
        pd.LastChar = t[posIndex - 1];
    if ((t.size() > 1 && t[0] != u'<') || posIndex == 0)
        return pd;
    int open = -1;
    bool closed = false;
    for (int j = posIndex - 1; j >= 0; --j) {
        if (t[j] == u'<') {
            open = j;
            break;
        }
        closed = closed || t[j] == u'>';
    }
    if (open >= 0 && !closed) {
        if (open == t.size() - 1) {
            pd.CurPos = cpInside;
        } else if (t[open + 1] == u'/') {
            pd.CurPos = cpInsideEnd;
            pd.Tag = name(open + 2);
        } else {
            pd.CurPos = cpInside;
            pd.Tag = name(open + 1);
            int css = 0;
            bool inAttr = false;
            for (int j = posIndex - 1; j > open; --j) {
                const QChar c = t[j];
                if (css == 1) {
                    if (c == u'"' || c == u'\'' || c == u';' || blank(c))
                        css = 2;
                    else
                        pd.cssKode.prepend(c);
                } else if (css == 0 && c == u':') {
                    css = 1;
                }
                if (inAttr) {
                    if (blank(c))
                        break;
                    pd.Attribut.prepend(c);
                }
                if (c == u'"' || c == u'\'') {
                    if (t[j - 1] != u'=')
                        break;
                    inAttr = true;
                    --j;
                }
            }
        }
        return pd;
    }
    int balance = 0;
    for (int j = posIndex - 1; j >= 0; --j) {
        if (t[j] != u'<')
            continue;
        if (j + 1 < t.size() && t[j + 1] == u'/')
            ++balance;
        else if (!noEnd.contains(name(j + 1)))
            --balance;
        if (balance == -1) {
            pd.CurPos = cpBetween;
            pd.Tag = name(j + 1);
            break;
        }
    }
    return pd;
}

QString describe(const TPosData &p)
{
    return QStringLiteral("%1 [%2] [%3] [%4] %5 [%6]")
        .arg(int(p.CurPos))
        .arg(p.Tag, p.Attribut, p.cssKode)
        .arg(p.PosIndex)
        .arg(p.LastChar);
}

// A page well above the size where the engine stops scanning without limit.
QString generatedPage(int pieces)
{
    static const char *const parts[] = {
        "<div class=\"c\">", "</div>", "<p>", "</p>", "Tekst og ord ", "<br>", "<br/>",
        "<img src=\"x.png\" alt='a b'>", "\n", "<!-- note <b> -->", "a < b ", "</span>", "<ul>", "<li>",
        "</li>", "</ul>", "<a href=\"#top\" style=\"color: red; margin: 0\">link</a>", "<input\tdisabled>",
        "<style>p{color:red}</style>", "<%= x %>", "<div\nid=\"n\">", "</b>", "<table><tr><td>c</td></tr></table>",
    };
    QRandomGenerator rng(42);
    QString page = QStringLiteral("<html>\n<body>\n");
    // A long run of closed elements: between them the open element (body)
    // lies far to the left.
    for (int i = 0; i < pieces / 4; ++i)
        page += QStringLiteral("linje <i>med</i> ord<br>\n");
    for (int i = 0; i < pieces; ++i)
        page += QString::fromLatin1(parts[rng.bounded(int(std::size(parts)))]);
    return page + QStringLiteral("\n</body>\n</html>");
}

} // namespace

class TestTagReader : public QObject {
    Q_OBJECT
private slots:
    void caretCases_data() { addCaseRows(QStringLiteral("gettag")); }
    void caretCases()
    {
        QFETCH(QString, folder);
        Tinfotag engine;
        QVERIFY(loadTestKnowledge(engine));
        TestDoc doc(caseText(folder, QStringLiteral("document.html")));
        doc.placeCaret(folder);
        engine.setEditor(doc.text.get());
        const QString tag = engine.GetTag();
        QMap<QString, QString> want;
        for (const QString &line : caseLines(folder, QStringLiteral("expected.txt")))
            want.insert(line.section(u'=', 0, 0), line.section(u'=', 1));
        const TPosData &p = engine.PosData;
        QCOMPARE(QString::number(int(p.CurPos)), want.value(QStringLiteral("CurPos")));
        QCOMPARE(p.Tag, want.value(QStringLiteral("Tag")));
        QCOMPARE(tag, p.Tag);
        QCOMPARE(p.Attribut, want.value(QStringLiteral("Attribut")));
        QCOMPARE(p.cssKode, want.value(QStringLiteral("cssKode")));
        QCOMPARE(QString::number(p.PosIndex), want.value(QStringLiteral("PosIndex")));
        QCOMPARE(QString(p.LastChar), want.value(QStringLiteral("LastChar")));
        // PosIndex is the caret's index into Text().
        QCOMPARE(doc.text->TextIndexFromCaret(doc.text->SelStart()), p.PosIndex);
    }

    void noDocumentResetsRecord()
    {
        Tinfotag engine;
        QVERIFY(loadTestKnowledge(engine));
        TestDoc doc(QStringLiteral("<p>Hello"));
        doc.text->setSelStart(8);
        engine.setEditor(doc.text.get());
        QCOMPARE(engine.GetTag(), QStringLiteral("p"));
        engine.setEditor(nullptr);
        QCOMPARE(engine.GetTag(), QString());
        QCOMPARE(engine.PosData.CurPos, cpNone);
        QCOMPARE(engine.PosData.Tag, QString());
    }

    void noStalePositionFromAnotherDocument()
    {
        Tinfotag engine;
        QVERIFY(loadTestKnowledge(engine));
        TestDoc html(QStringLiteral("<ul><li>x"));
        html.text->setSelStart(9);
        engine.setEditor(html.text.get());
        QCOMPARE(engine.GetTag(), QStringLiteral("li"));
        QCOMPARE(engine.PosData.CurPos, cpBetween);
        // A document that does not begin with "<" is not read, and what was
        // read in the other document must not pass for its position.
        TestDoc text(QStringLiteral("plain <b>text"));
        text.text->setSelStart(12);
        engine.setEditor(text.text.get());
        QCOMPARE(engine.GetTag(), QString());
        QCOMPARE(engine.PosData.CurPos, cpNone);
        QCOMPARE(engine.PosData.Tag, QString());
        QCOMPARE(engine.PosData.PosIndex, 12);
        QVERIFY(!engine.UdskrivSlutkode());
        QCOMPARE(text.text->Text(), QStringLiteral("plain <b>text"));
    }

    // The copy a large document is read from must match the document after
    // every kind of edit the editor makes, or be dropped.
    void mirrorFollowsEdits()
    {
        TestDoc doc(generatedPage(2000));
        QTextDocument &qdoc = doc.doc;
        if (!qdoc.documentLayout())
            qdoc.setDocumentLayout(new QPlainTextDocumentLayout(&qdoc));
        TTextMirror mirror;
        mirror.build(*doc.text);
        QVERIFY(mirror.isFor(*doc.text));
        QObject::connect(&qdoc, &QTextDocument::contentsChange,
                         [&](int pos, int removed, int added) { mirror.edit(*doc.text, pos, removed, added); });
        auto same = [&]() {
            if (!mirror.built())
                return true;
            if (mirror.length() != doc.text->Length())
                return false;
            for (int i = 0; i < mirror.length(); ++i)
                if (mirror.at(i) != doc.text->CharAt(i))
                    return false;
            return true;
        };
        TDocText &t = *doc.text;
        const QString bigPaste = QString(70 * 1024, u'x');
        const struct {
            const char *name;
            std::function<void()> edit;
            bool keepsCopy;
        } steps[] = {
            {"type at the start", [&] { t.setSelStart(0); t.setSelText(QStringLiteral("a")); }, true},
            {"type at the end", [&] { t.setSelStart(t.Length()); t.setSelText(QStringLiteral("<p>")); }, true},
            {"type in the middle", [&] { t.setSelStart(t.Length() / 2); t.setSelText(QStringLiteral("é")); }, true},
            {"new line", [&] { t.setSelStart(500); t.setSelText(QStringLiteral("\r\n")); }, true},
            {"delete across lines",
             [&] { t.setSelStart(300); t.setSelLength(400); t.setSelText(QString()); }, true},
            {"replace with lines",
             [&] { t.setSelStart(1000); t.setSelLength(3); t.setSelText(QStringLiteral("a\r\nb\r\nc")); }, true},
            {"grow past the gap",
             [&] { t.setSelStart(2000); t.setSelText(QString(9000, u'y')); }, true},
            {"undo", [&] { qdoc.undo(); }, true},
            {"redo", [&] { qdoc.redo(); }, true},
            {"paste a page", [&] { t.setSelStart(10); t.setSelText(bigPaste); }, false},
        };
        for (const auto &step : steps) {
            if (!mirror.built())
                mirror.build(t);
            step.edit();
            QVERIFY2(same(), step.name);
            QCOMPARE(mirror.built(), step.keepsCopy);
        }
        // Dropped copies are made afresh from the document.
        mirror.build(t);
        QVERIFY(same());
        t.setText(QStringLiteral("<html>\r\n</html>"));
        QVERIFY(same());
    }

    void largeDocumentAgreesWithFullScan()
    {
        Tinfotag engine;
        QVERIFY(loadTestKnowledge(engine));
        TestDoc doc(generatedPage(16000));
        QVERIFY(doc.text->Length() > 4 * 64 * 1024);
        engine.setEditor(doc.text.get());
        QRandomGenerator rng(7);
        auto compareAt = [&](const QString &text, int caret) {
            doc.text->setSelStart(caret);
            engine.GetTag();
            const TPosData want = referenceTag(text, doc.text->TextIndexFromCaret(caret), engine.Nosluttagliste());
            QCOMPARE(describe(engine.PosData), describe(want));
        };
        const QString text = doc.text->Text();
        for (int i = 0; i < 300; ++i)
            compareAt(text, i < 8 ? doc.text->Length() - i : rng.bounded(doc.text->Length() + 1));
        QVERIFY(engine.hasTagIndex());

        // Edits that cut names, tags and line breaks apart: the index is
        // mended around each edit and must answer as a full scan would.
        static const char *const pieces[] = {"<", "/", ">", "p", "<b>", "</div>", "\n", "x y", "<br", "\"",
                                             "</", "<li>", ""};
        for (int round = 0; round < 40; ++round) {
            const int at = rng.bounded(doc.text->Length());
            doc.text->setSelStart(at);
            doc.text->setSelLength(rng.bounded(12));
            doc.text->setSelText(QString::fromLatin1(pieces[rng.bounded(int(std::size(pieces)))]));
            QVERIFY(engine.hasTagIndex());
            const QString edited = doc.text->Text();
            for (int k = -3; k <= 3; ++k)
                compareAt(edited, std::clamp(at + k, 0, doc.text->Length()));
            for (int i = 0; i < 6; ++i)
                compareAt(edited, rng.bounded(doc.text->Length() + 1));
        }
        // A whole new text is read afresh.
        doc.text->setText(generatedPage(20000));
        const QString fresh = doc.text->Text();
        for (int i = 0; i < 50; ++i)
            compareAt(fresh, rng.bounded(doc.text->Length() + 1));
    }

    void wordFinders_data()
    {
        QTest::addColumn<QString>("document");  // "|" is the caret, [..] the selection
        QTest::addColumn<QString>("finder");
        QTest::addColumn<QString>("word");
        QTest::newRow("css hyphens") << "<p style=\"border-top|-width\">" << "css" << "border-top-width";
        QTest::newRow("css at rule") << "@med|ia" << "css" << "@media";
        QTest::newRow("js underscore digit") << "row_count|2" << "js" << "row_count2";
        QTest::newRow("asp stops at underscore") << "row_count|2" << "asp" << "count2";
        QTest::newRow("ord underscore") << "x = my_var|;" << "ord" << "my_var";
        QTest::newRow("attribut letters only") << "<a data-x|y=" << "attribut" << "xy";
        QTest::newRow("no word at caret") << "a | b" << "ord" << "";
        QTest::newRow("stays on its line") << "ab\n|cd" << "ord" << "cd";
        QTest::newRow("ascii letters only") << QString::fromUtf8("blå|bær") << "ord" << "b";
        QTest::newRow("selection wins") << "[some text]" << "css" << "some text";
        QTest::newRow("attribut ignores selection") << "[src] x" << "attribut" << "src";
    }
    void wordFinders()
    {
        QFETCH(QString, document);
        QFETCH(QString, finder);
        QFETCH(QString, word);
        const test::MarkedText m = test::parseMarked(document);
        TestDoc doc(m.plain);
        doc.text->setSelStart(m.caret);
        doc.text->setSelLength(m.length);
        Tinfotag engine;
        engine.setEditor(doc.text.get());
        QString found;
        if (finder == u"css")
            found = engine.FindOrdCSS();
        else if (finder == u"js")
            found = engine.FindOrdJs();
        else if (finder == u"asp")
            found = engine.FindOrdAsp();
        else if (finder == u"attribut")
            found = engine.FindOrdAttribut();
        else
            found = engine.FindOrd();
        QCOMPARE(found, word);
    }
};

QTEST_MAIN(TestTagReader)
#include "tst_tagreader.moc"
