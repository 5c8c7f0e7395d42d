#include "core/text/textfile.h"
#include "core/winform.h"
#include "highlight/farvekommandoer.h"
#include "html/tagset.h"
#include "highlight/kodevisning.h"
#include "highlight/farver.h"
#include "highlight/linjemargen.h"
#include "highlight/tagpartner.h"
#include "support/testhost.h"
#include "support/testsupport.h"

#include <QAction>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextLayout>
#include <QTextBlock>
#include <QScrollBar>
#include <QTextDocument>
#include <QtTest>

using namespace taglund;

namespace {

// "|" marks the caret; the tag the caret stands in and its partner come
// back as their texts.
QString partnerOf(const QString &marked, QString *here = nullptr)
{
    const test::MarkedText m = test::parseMarked(marked);
    QTextDocument doc;
    TDocText text(&doc);
    text.setText(m.plain);
    TTagSet noEnd;
    noEnd.setEntries(TTagPartner::builtInNoEndTags());
    TTagPartner p(text, noEnd);
    const TTagPartner::Match match = p.find(m.caret);
    if (here)
        *here = match.here.valid() ? m.plain.mid(match.here.start, match.here.end - match.here.start) : QString();
    return match.found() ? m.plain.mid(match.partner.start, match.partner.end - match.partner.start) : QString();
}


// Every coloured stretch of the document, as "block:start+length=kind".
QStringList colours(QTextDocument *doc)
{
    QStringList out;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
        for (const QTextLayout::FormatRange &r : b.layout()->formats())
            out << QString("%1:%2+%3=%4").arg(b.blockNumber()).arg(r.start).arg(r.length)
                       .arg(r.format.property(kKategoriProperty).toInt());
    return out;
}

// A page long enough to be coloured in pieces, with comments, scripts and
// styles that run over several lines.
QString longPage()
{
    QString t = "<!DOCTYPE html>\n<html>\n<head>\n<style>\np { color: red; }\n</style>\n</head>\n<body>\n";
    for (int i = 0; i < 800; ++i) {
        t += QString("<div class=\"k%1\">\n<!-- en\nkommentar -->\n<script>\nvar n = %1; /* tal\n*/\n</script>\n"
                     "<p style=\"margin: 2px\">tekst &amp; mere</p>\n</div>\n").arg(i);
    }
    return t + "</body>\n</html>\n";
}

// A long page shown in an editor with its display switches set.
struct ColouredPage {
    TTagSet noEnd;
    QPlainTextEdit ed;
    TKodeVisning *v = nullptr;
    explicit ColouredPage(const TVisningsValg &valg)
    {
        noEnd.setEntries(TTagPartner::builtInNoEndTags());
        ed.resize(500, 300);
        ed.show();
        ed.setPlainText(longPage());
        v = new TKodeVisning(&ed, ".html", noEnd);
        v->setValg(valg);
    }
    ~ColouredPage() { delete v; }
};

} // namespace

class TestKodeVisning : public QObject {
    Q_OBJECT
private slots:
    void partners_data()
    {
        QTest::addColumn<QString>("marked");
        QTest::addColumn<QString>("here");
        QTest::addColumn<QString>("partner");
        QTest::newRow("start tag") << "<d|iv class=\"a\"><p>x</p></div>" << "<div class=\"a\">" << "</div>";
        QTest::newRow("end tag") << "<div><p>x</p></di|v>" << "</div>" << "<div>";
        QTest::newRow("caret before <") << "<ul>|<li>a</li></ul>" << "<li>" << "</li>";
        QTest::newRow("caret after >") << "<ul><li>|a</li></ul>" << "<li>" << "</li>";
        QTest::newRow("nested same name")
            << "<div>a<div>b</div>c</div|>" << "</div>" << "<div>";
        QTest::newRow("outer of nested same name")
            << "<d|iv>a<div>b</div>c</div>" << "<div>" << "</div>";
        QTest::newRow("void elements between") << "<p|>a<br>b<img src=x>c</p>" << "<p>" << "</p>";
        QTest::newRow("comment between") << "<b|><!-- x -->y</b>" << "<b>" << "</b>";
        QTest::newRow("in text") << "<p>te|xt</p>" << "" << "";
        QTest::newRow("void element") << "<b|r>" << "<br>" << "";
        QTest::newRow("self-closed") << "<di|v/>" << "<div/>" << "";
        QTest::newRow("mismatched") << "<p>x</di|v>" << "</div>" << "";
        QTest::newRow("unclosed") << "<se|ction><p>a</p>" << "<section>" << "";
        QTest::newRow("over lines") << "<table>\n<tr>\n<td>1</td>\n</tr>\n</tab|le>" << "</table>" << "<table>";
        QTest::newRow("capitals") << "<P|>x</p>" << "<P>" << "</p>";
    }
    void partners()
    {
        QFETCH(QString, marked);
        QFETCH(QString, here);
        QFETCH(QString, partner);
        QString found;
        QCOMPARE(partnerOf(marked, &found), partner);
        QCOMPARE(found, here);
    }

    // The index follows the edits: after typing in front of a pair, and
    // after removing a tag, the partners are still right.
    void partnersFollowEdits()
    {
        QTextDocument doc;
        TDocText text(&doc);
        text.setText(QStringLiteral("<div><p>a</p></div>"));
        TTagSet noEnd;
        noEnd.setEntries(TTagPartner::builtInNoEndTags());
        TTagPartner p(text, noEnd);
        QObject::connect(&doc, &QTextDocument::contentsChange, &doc,
                         [&](int pos, int removed, int added) { p.edit(pos, removed, added); });
        QCOMPARE(p.find(16).partner.start, 0);
        QVERIFY(p.indexBuilt());
        text.setSelStart(0);
        text.setSelText(QStringLiteral("<main>\r"));
        QCOMPARE(p.find(23).partner.start, 7);
        text.setSelStart(12);
        text.setSelLength(8);
        text.setSelText(QString());   // the whole <p> element
        QCOMPARE(text.Text(), QStringLiteral("<main>\r\n<div></div>"));
        QCOMPARE(p.find(14).partner.start, 7);
        QCOMPARE(p.find(9).partner.start, 12);
    }

    // The program's side: windows get what their kind wants, the switches
    // reach every window and their file, and the menu "Vindue" holds them.
    void windowsByKind()
    {
        test::TempRoot root;
        test::TestHost host;
        host.menuBar()->addMenu(QStringLiteral("Vindue"));
        auto *k = new TFarveKommandoer(&host, &host);
        k->start();
        QVERIFY(k->valg().farver && k->valg().linjenumre);
        QMenu *vindue = host.menu(QStringLiteral("Vindue"));
        QVERIFY(vindue->actions().contains(host.commands()->action(QStringLiteral("AFarvekode"))));
        QVERIFY(vindue->actions().contains(host.commands()->action(QStringLiteral("ALinjenumre"))));

        Twinform *page = host.openwin(QString(), QStringLiteral("*.html"));
        Twinform *txt = host.openwin(QString(), QStringLiteral("*.txt"));
        Twinform *rich = host.openwin(QString(), QStringLiteral("*.rtf"));
        QVERIFY(page && txt && rich && rich->isRich());
        QVERIFY(TFarveKommandoer::visning(page)->farver());
        QVERIFY(TFarveKommandoer::visning(page)->margen());
        QVERIFY(!TFarveKommandoer::visning(txt)->farver());
        QVERIFY(TFarveKommandoer::visning(txt)->margen());
        QVERIFY(!TFarveKommandoer::visning(rich));

        QAction *farver = host.commands()->action(QStringLiteral("AFarvekode"));
        host.commands()->updateAll();
        QVERIFY(farver->isChecked());
        farver->trigger();
        QVERIFY(!TFarveKommandoer::visning(page)->farver());
        QVERIFY(page->plainEditor()->extraSelections().isEmpty());
        QStringList lines;
        QVERIFY(TextFile::readLines(TVisningsFil::path(host.paths().optdir), lines));
        QCOMPARE(lines, (QStringList{"0", "1"}));
        host.commands()->action(QStringLiteral("ALinjenumre"))->trigger();
        QVERIFY(!TFarveKommandoer::visning(txt)->margen());
        QCOMPARE(TVisningsFil::read(host.paths().optdir).linjenumre, false);

        // The next run starts with what was chosen.
        test::TestHost next;
        auto *k2 = new TFarveKommandoer(&next, &next);
        k2->start();
        QVERIFY(!k2->valg().farver && !k2->valg().linjenumre);
    }

    void markingsFollowTheCaret()
    {
        test::TempRoot root;
        test::TestHost host;
        (new TFarveKommandoer(&host, &host))->start();
        Twinform *w = host.openwin(QString(), QStringLiteral("*.html"));
        w->text().setText(QStringLiteral("<ul>\r\n<li>abc</li>\r\n</ul>"));
        TKodeVisning *v = TFarveKommandoer::visning(w);
        w->text().setSelStart(2);
        v->markNow();
        // The current line and the two tags.
        QCOMPARE(w->plainEditor()->extraSelections().size(), 3);
        QCOMPARE(w->plainEditor()->extraSelections().at(2).cursor.selectedText(), QStringLiteral("</ul>"));
        w->text().setSelStart(10);
        v->markNow();
        QCOMPARE(w->plainEditor()->extraSelections().size(), 1);
        // Display only: the text and its modified flag are untouched.
        QCOMPARE(w->text().Text(), QStringLiteral("<ul>\r\n<li>abc</li>\r\n</ul>"));
    }

    void darkStyleRecolours()
    {
        test::TempRoot root;
        test::TestHost host;
        (new TFarveKommandoer(&host, &host))->start();
        Twinform *w = host.openwin(QString(), QStringLiteral("*.css"));
        TKodeVisning *v = TFarveKommandoer::visning(w);
        QVERIFY(!v->farver()->skema().moerk);
        QPalette dark = w->plainEditor()->palette();
        dark.setColor(QPalette::Base, QColor(30, 30, 30));
        w->plainEditor()->setPalette(dark);
        QVERIFY(v->farver()->skema().moerk);
    }

    // A long page is coloured from the top in pieces while the program is
    // idle; whatever is edited meanwhile, the end result is the colouring
    // of the whole text at once.
    void lazyColouringEndsAsFullColouring_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::newRow("none") << "";
        QTest::newRow("typing at the top") << "type";
        QTest::newRow("a comment opened at the top") << "comment";
        QTest::newRow("lines pasted at the top") << "paste";
        QTest::newRow("deleted across the coloured part's end") << "delete";
        QTest::newRow("scrolled to the end") << "scroll";
        // Large changes wait as an opened page does, so they cost no more.
        QTest::newRow("reloaded") << "reload";
        QTest::newRow("a large paste cut inside a comment") << "large paste";
    }
    void lazyColouringEndsAsFullColouring()
    {
        QFETCH(QString, edit);
        ColouredPage page({true, false});
        QPlainTextEdit &ed = page.ed;
        TKodeVisning *v = page.v;
        QVERIFY(!v->farver()->alleFarvet());
        QVERIFY(v->farver()->foersteVentende() > 10);
        QTextCursor c(ed.document());
        if (edit == "type") {
            c.setPosition(ed.document()->findBlockByNumber(3).position());
            c.insertText("<b>x</b>");
        } else if (edit == "comment") {
            c.setPosition(ed.document()->findBlockByNumber(8).position());
            c.insertText("<!--");
        } else if (edit == "paste") {
            c.setPosition(ed.document()->findBlockByNumber(2).position());
            c.insertText(QString("<p>ny</p>\n").repeated(300));
        } else if (edit == "delete") {
            const int first = v->farver()->foersteVentende();
            c.setPosition(ed.document()->findBlockByNumber(first - 5).position() + 2);
            c.setPosition(ed.document()->findBlockByNumber(first + 40).position() + 3, QTextCursor::KeepAnchor);
            c.removeSelectedText();
        } else if (edit == "reload") {
            ed.setPlainText(longPage().replace("tekst", "<i>tekst</i>"));
            QVERIFY(!v->farver()->alleFarvet());
            QVERIFY(v->farver()->foersteVentende() > 10);
        } else if (edit == "large paste") {
            const int first = v->farver()->foersteVentende();
            c.setPosition(ed.document()->findBlockByNumber(first / 2).position());
            QString piece = longPage().left(TKodeVisning::kStorRettelse + 300);
            piece.truncate(piece.lastIndexOf("<!-- en\n") + 8);   // ends inside an open comment
            QVERIFY(piece.size() >= TKodeVisning::kStorRettelse);
            c.insertText(piece);
            // Some 4,000 paragraphs came in; only about a screen of them is coloured yet.
            QVERIFY(v->farver()->foersteVentende() < first / 2 + 500);
        } else if (edit == "scroll") {
            ed.verticalScrollBar()->setValue(ed.verticalScrollBar()->maximum());
            const int last = ed.document()->blockCount() - 1;
            QVERIFY(!ed.document()->findBlockByNumber(last).layout()->formats().isEmpty()
                    || ed.document()->findBlockByNumber(last).text().isEmpty());
        }
        QTRY_VERIFY_WITH_TIMEOUT(v->farver()->alleFarvet(), 20000);

        QTextDocument ref;
        ref.setDocumentLayout(new QPlainTextDocumentLayout(&ref));
        ref.setPlainText(ed.toPlainText());
        TFarver *full = lavFarver(TSprog::Html, &ref);
        full->start(ref.blockCount());
        QVERIFY(full->alleFarvet());
        QCOMPARE(colours(ed.document()), colours(&ref));
        delete full;
    }

    // A paste that takes a coloured page past the limit ends its colouring
    // (without colouring the paste first); the gutter stays.
    void pastePastTheLimitStopsColouring()
    {
        ColouredPage page({true, true});
        QPlainTextEdit &ed = page.ed;
        TKodeVisning *v = page.v;
        QVERIFY(v->farver());
        QTextCursor c(ed.document());
        c.setPosition(ed.document()->findBlockByNumber(5).position());
        const QString line = "<p class=\"x\">Lorem ipsum dolor sit amet.</p>\n";
        c.insertText(line.repeated(TKodeVisning::kFarveGraense / line.size() + 10));
        QVERIFY(v->forStor());
        QVERIFY(!v->farver());
        QTRY_VERIFY(ed.document()->findBlockByNumber(1).layout()->formats().isEmpty());
        QVERIFY(v->margen());
    }

    // Beyond the size where lines stop being split nothing is coloured and
    // no tag is looked for; the gutter stays and sizes itself by the count.
    void largeDocumentsStayCheap()
    {
        test::TempRoot root;
        test::TestHost host;
        (new TFarveKommandoer(&host, &host))->start();
        const QString path = root.file(QStringLiteral("stor.html"));
        const QByteArray line = "<p class=\"x\">Lorem ipsum dolor sit amet, consectetur adipiscing elit.</p>\r\n";
        test::writeAll(path, line.repeated(TKodeVisning::kFarveGraense / line.size() + 10));
        Twinform *w = host.openwin(path);
        TKodeVisning *v = TFarveKommandoer::visning(w);
        QVERIFY(v->forStor());
        QVERIFY(!v->farver());
        QVERIFY(v->margen());
        const int small = TLinjeMargen(new QPlainTextEdit(&host)).wantedWidth();
        QVERIFY(v->margen()->wantedWidth() > small);
        w->text().setSelStart(3);
        v->markNow();
        QVERIFY(!v->match().here.valid());
    }
};

QTEST_MAIN(TestKodeVisning)
#include "tst_kodevisning.moc"
