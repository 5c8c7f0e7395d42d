#include "htmltestutil.h"

using namespace taglund;
using namespace taglund::test;

namespace {

bool flag(const QString &s)
{
    return s == u"1";
}

// Runs the calls of a case's call.txt: an operation name, then its
// arguments one a line; several calls may follow each other.
void runCalls(Tinfotag &engine, QStringList call)
{
    while (!call.isEmpty()) {
        const QString op = call.takeFirst();
        auto arg = [&call]() { return call.isEmpty() ? QString() : call.takeFirst(); };
        if (op == u"UdskrivKoder") {
            const QString s = arg();
            const QString go = arg();
            engine.UdskrivKoder(s, go.isEmpty() ? QChar() : go.at(0), arg().toInt());
        } else if (op == u"UdskrivKoden") {
            engine.UdskrivKoden(arg());
        } else if (op == u"UdskrivKode") {
            const QString s1 = arg();
            engine.UdskrivKode(s1, arg());
        } else if (op == u"UdskrivTekst") {
            const QString s1 = arg(), s2 = arg();
            const bool get = flag(arg()), set = flag(arg());
            engine.UdskrivTekst(s1, s2, get, set, flag(arg()));
        } else if (op == u"UdskrivSlutkode") {
            engine.GetTag();
            engine.UdskrivSlutkode();
        } else if (op == u"udskrivAttribut") {
            engine.udskrivAttribut(arg());
        } else if (op == u"udskrivAttValue") {
            const QString a = arg();
            engine.udskrivAttValue(a, arg());
        } else if (op == u"udskrivCssValue") {
            const QString p = arg();
            engine.udskrivCssValue(p, arg());
        } else if (op == u"InsertLine") {
            const QString s = arg();
            const bool nl = flag(arg()), def = flag(arg());
            engine.InsertLine(s, nl, def, flag(arg()));
        } else if (op == u"udskrivExtern") {
            engine.udskrivExtern(arg());
        } else if (op == u"InsKode") {
            const QString kode = arg();
            engine.InsKode(call, kode);
            call.clear();
        } else if (op == u"InsFont") {
            const QString kode = arg();
            TFontDesc f;
            f.family = arg();
            f.size = arg().toInt();
            const QStringList rgb = arg().split(u' ');
            f.color = QColor(rgb.value(0).toInt(), rgb.value(1).toInt(), rgb.value(2).toInt());
            f.bold = flag(arg());
            f.italic = flag(arg());
            const bool name = flag(arg()), size = flag(arg()), color = flag(arg());
            engine.InsFont(f, call, kode, name, size, color);
            call.clear();
        } else {
            QFAIL(qPrintable(QStringLiteral("unknown call ") + op));
        }
    }
}

} // namespace

class TestCodeWriter : public QObject {
    Q_OBJECT
private slots:
    void writerCases_data() { addCaseRows(QStringLiteral("writer")); }
    void writerCases()
    {
        QFETCH(QString, folder);
        Tinfotag engine;
        QVERIFY(loadTestKnowledge(engine));
        TestDoc doc(caseText(folder, QStringLiteral("document.html")));
        doc.placeCaret(folder);
        engine.setEditor(doc.text.get());
        runCalls(engine, caseLines(folder, QStringLiteral("call.txt")));
        QCOMPARE(doc.text->Text(), caseText(folder, QStringLiteral("expected.html")));
        const int caret = caseLines(folder, QStringLiteral("expected_caret.txt")).value(0).toInt();
        if (caret >= 0) {
            QCOMPARE(doc.text->SelStart(), caret);
            QCOMPARE(doc.text->SelLength(), 0);
        }
    }

    void linkFromThePanel()
    {
        // The element row, then the attribute, then a value: the page's
        // usual way of writing a link.
        Tinfotag engine;
        QVERIFY(loadTestKnowledge(engine));
        TestDoc doc(QStringLiteral("<p>\r\n\r\n</p>"));
        doc.text->setSelStart(4);
        engine.setEditor(doc.text.get());
        engine.UdskrivKoder(QStringLiteral("<a></a>"), u'>', 1);
        QCOMPARE(doc.text->SelStart(), 7);  // between the tags
        doc.text->setSelStart(6);           // into the start tag, after "a"
        engine.udskrivAttribut(QStringLiteral("href"));
        engine.udskrivAttValue(QStringLiteral("href"), QStringLiteral("#top"));
        QCOMPARE(doc.text->Text(), QStringLiteral("<p>\r\n<a href=\"#top\"></a>\r\n</p>"));
        QCOMPARE(doc.text->SelStart(), 17);
        QVERIFY(doc.text->Modified());
    }

    void slutkodeReportsWhetherItWrote()
    {
        Tinfotag engine;
        QVERIFY(loadTestKnowledge(engine));
        TestDoc doc(QStringLiteral("<ul><li>punkt"));
        doc.text->setSelStart(13);
        engine.setEditor(doc.text.get());
        engine.GetTag();
        QVERIFY(engine.UdskrivSlutkode());
        QCOMPARE(doc.text->Text(), QStringLiteral("<ul><li>punkt</li>"));
        QCOMPARE(doc.text->SelStart(), 13);
        doc.text->setText(QStringLiteral("<p><br>"));
        doc.text->setSelStart(7);
        engine.GetTag();
        QVERIFY(engine.UdskrivSlutkode());  // br is void: the open element is p
        QCOMPARE(doc.text->Text(), QStringLiteral("<p><br></p>"));
    }

    void nothingWithoutDocument()
    {
        Tinfotag engine;
        QVERIFY(loadTestKnowledge(engine));
        engine.UdskrivKoden(QStringLiteral("x"));
        engine.UdskrivKode(QStringLiteral("x"), QStringLiteral("y"));
        engine.UdskrivKoder(QStringLiteral("x"), u'>', 1);
        engine.UdskrivTekst(QStringLiteral("x"), QStringLiteral("y"), true, true, true);
        QVERIFY(!engine.UdskrivSlutkode());
        engine.udskrivAttribut(QStringLiteral("href"));
        engine.udskrivAttValue(QStringLiteral("a"), QStringLiteral("b"));
        engine.udskrivCssValue(QStringLiteral("a"), QStringLiteral("b"));
        engine.InsertLine(QStringLiteral("x"), true, true, true);
        engine.udskrivExtern(QStringLiteral("x"));
        engine.InsKode({QStringLiteral("x")}, QStringLiteral("p"));
        engine.InsFont({}, {}, QStringLiteral("p"), true, true, true);
        QCOMPARE(engine.FindOrd(), QString());
        engine.GotoTag(0);
    }

    void cursPosOutsideDocumentIsClamped()
    {
        Tinfotag engine;
        TestDoc doc(QStringLiteral("ab"));
        engine.setEditor(doc.text.get());
        engine.cursPos = 500;  // from a generator run in a longer document
        engine.InsertLine(QStringLiteral("x"), false, false, true);
        QCOMPARE(doc.text->SelStart(), 1);
        engine.cursPos = -4;
        engine.UdskrivTekst(QStringLiteral("y"), QString(), false, true, false);
        QCOMPARE(doc.text->SelStart(), 0);
    }

    void styleAndColour_data()
    {
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<QString>("style");
        QTest::newRow("both") << true << true << "font-style: Italic; font-weight: bold;";
        QTest::newRow("bold") << true << false << "font-weight: bold;";
        QTest::newRow("italic") << false << true << "font-style: italic;";
        QTest::newRow("neither") << false << false << "";
    }
    void styleAndColour()
    {
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        QFETCH(QString, style);
        QCOMPARE(Tinfotag::GetStyle(bold, italic), style);
        QCOMPARE(Tinfotag::GetColor(QColor(255, 128, 0)), QStringLiteral("#FF8000"));
        QCOMPARE(Tinfotag::GetColor(QColor(1, 10, 171)), QStringLiteral("#010AAB"));
    }
};

QTEST_MAIN(TestCodeWriter)
#include "tst_codewriter.moc"
