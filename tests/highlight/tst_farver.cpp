#include "highlight/farver.h"
#include "ui/styles.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QtTest>
#include <cmath>
#include <memory>

using namespace taglund;

Q_DECLARE_METATYPE(taglund::TSprog)

namespace {

const char *const kNavne[] = {"normal", "tag", "attr", "vaerdi", "komm", "ent", "doctype", "ord",
                              "streng", "tal", "var", "sel", "egen", "asp", "fn", "etiket"};

// Each line of the coloured document as "kind:text | kind:text", read back
// from the formats the highlighter left on its block.
QStringList coloured(TSprog sprog, const QString &text, const TFarveSkema &skema = TFarveSkema::lyst())
{
    QTextDocument doc;
    doc.setPlainText(text);
    std::unique_ptr<TFarver> f(lavFarver(sprog, &doc));
    f->setSkema(skema);
    f->rehighlight();
    QStringList lines;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        QStringList spans;
        for (const QTextLayout::FormatRange &r : b.layout()->formats())
            spans << QString::fromLatin1(kNavne[r.format.property(kKategoriProperty).toInt()]) + u':'
                         + b.text().mid(r.start, r.length);
        lines << spans.join(QStringLiteral(" | "));
    }
    return lines;
}

double luminance(const QColor &c)
{
    auto ch = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * ch(c.redF()) + 0.7152 * ch(c.greenF()) + 0.0722 * ch(c.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

class TestFarver : public QObject {
    Q_OBJECT
private slots:
    void lines_data()
    {
        QTest::addColumn<TSprog>("sprog");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("spans");
        const auto html = TSprog::Html, asp = TSprog::Asp, css = TSprog::Css, js = TSprog::JavaScript,
                   vbs = TSprog::VbScript, bat = TSprog::Batch, ps = TSprog::PowerShell;

        QTest::newRow("html tag, attribute, value, entity")
            << html << "<p class=\"x\">hi &amp; &#228; bye &x</p>"
            << QStringList{"tag:<p | attr:class | vaerdi:\"x\" | tag:> | ent:&amp; | ent:&#228; | tag:</p>"};
        QTest::newRow("html doctype") << html << "<!DOCTYPE html>" << QStringList{"doctype:<!DOCTYPE html>"};
        QTest::newRow("html comment over lines")
            << html << "a <!-- one\ntwo <b>\nthree --> <b>"
            << QStringList{"komm:<!-- one", "komm:two <b>", "komm:three --> | tag:<b>"};
        QTest::newRow("html plain brackets") << html << "a < b && c" << QStringList{""};
        QTest::newRow("html value over lines")
            << html << "<img src=\"a\nb.png\" alt=x>"
            << QStringList{"tag:<img | attr:src | vaerdi:\"a", "vaerdi:b.png\" | attr:alt | vaerdi:x | tag:>"};
        QTest::newRow("html style element")
            << html << "<style>\nbody { color: red; } /* x\ny */ p{}\n</style><p>"
            << QStringList{"tag:<style>", "sel:body | egen:color | komm:/* x", "komm:y */ | sel:p",
                           "tag:</style><p>"};
        QTest::newRow("html style attribute")
            << html << "<p style=\"color: #fff; margin:0\">"
            << QStringList{"tag:<p | attr:style | vaerdi:\" | egen:color | tal:#fff | egen:margin | tal:0 | vaerdi:\" | tag:>"};
        QTest::newRow("html script block")
            << html << "<script>\nvar s = '</p>'; /* c\nd */ if (x) {}\n</script><b>"
            << QStringList{"tag:<script>", "ord:var | streng:'</p>' | komm:/* c", "komm:d */ | ord:if",
                           "tag:</script><b>"};
        QTest::newRow("html self-closed script has no body")
            << html << "<script src=\"a.js\"/>var" << QStringList{"tag:<script | attr:src | vaerdi:\"a.js\" | tag:/>"};
        QTest::newRow("wsf vbscript by language")
            << TSprog::Wsf << "<script language=\"VBScript\">\n<![CDATA[\nDim x ' note\n]]>\n</script>"
            << QStringList{"tag:<script | attr:language | vaerdi:\"VBScript\" | tag:>", "doctype:<![CDATA[",
                           "ord:Dim | komm:' note", "doctype:]]>", "tag:</script>"};
        QTest::newRow("asp expression")
            << asp << "<p><%= Request(\"x\") %></p>"
            << QStringList{"tag:<p> | asp:<%= | streng:\"x\" | asp:%> | tag:</p>"};
        QTest::newRow("asp block over lines")
            << asp << "<%\nIf a Then ' c %\nEnd If\n%><br>"
            << QStringList{"asp:<%", "ord:If | ord:Then | komm:' c %", "ord:End | ord:If", "asp:%> | tag:<br>"};
        QTest::newRow("asp in an attribute value")
            << asp << "<a href=\"<%= url %>\">x</a>"
            << QStringList{"tag:<a | attr:href | vaerdi:\" | asp:<%= | asp:%> | vaerdi:\" | tag:> | tag:</a>"};
        QTest::newRow("html has no asp blocks") << html << "<%= x %>" << QStringList{""};

        QTest::newRow("css at-rule, nested selector, important")
            << css << "@media screen and (max-width: 600px) {\n  a:hover { color: red !important }\n}"
            << QStringList{"ord:@media | tal:600px", "sel:a:hover | egen:color | ord:!important", ""};
        QTest::newRow("css selectors, numbers, strings")
            << css << ".nav > li, #id { margin: -2px 1.5em; content: \"a;b\" }"
            << QStringList{"sel:.nav | sel:> | sel:li | sel:#id | egen:margin | tal:-2px | tal:1.5em | egen:content | streng:\"a;b\""};
        QTest::newRow("css comment over lines")
            << css << "a { /* x\ny */ color: blue }" << QStringList{"sel:a | komm:/* x", "komm:y */ | egen:color"};

        QTest::newRow("js template over lines")
            << js << "let s = `a\nb ${x}`; // c" << QStringList{"ord:let | streng:`a", "streng:b ${x}` | komm:// c"};
        QTest::newRow("js numbers and escapes")
            << js << "if (x === 10) return \"a\\\"b\";" << QStringList{"ord:if | tal:10 | ord:return | streng:\"a\\\"b\""};
        QTest::newRow("js block comment over lines")
            << js << "/* a\n b */ const y = x1;" << QStringList{"komm:/* a", "komm: b */ | ord:const"};

        QTest::newRow("vbs doubled quotes and comment")
            << vbs << "Dim s : s = \"a \"\"q\"\" b\" ' note" << QStringList{"ord:Dim | streng:\"a \"\"q\"\" b\" | komm:' note"};
        QTest::newRow("vbs rem and case")
            << vbs << "REM all of it\nIF x THEN MsgBox \"hi\"\nremark = 1"
            << QStringList{"komm:REM all of it", "ord:IF | ord:THEN | streng:\"hi\"", "tal:1"};

        QTest::newRow("batch keywords, labels, comments")
            << bat << "@echo off\n:start\nrem note\n:: note\necho rem"
            << QStringList{"ord:echo | ord:off", "etiket::start", "komm:rem note", "komm::: note", "ord:echo"};
        QTest::newRow("batch variables")
            << bat << "set x=%~dp0 & echo %name% %%i !v! 100%"
            << QStringList{"ord:set | var:%~dp0 | ord:echo | var:%name% | var:%%i | var:!v! | tal:100"};
        QTest::newRow("batch strings") << bat << "if \"%1\"==\"\" goto end"
                                       << QStringList{"ord:if | streng:\"%1\" | streng:\"\" | ord:goto"};

        QTest::newRow("ps cmdlet, parameter, comment")
            << ps << "$x = Get-ChildItem -Path \"C:\\\" # c"
            << QStringList{"var:$x | fn:Get-ChildItem | attr:-Path | streng:\"C:\\\" | komm:# c"};
        QTest::newRow("ps operators") << ps << "if ($a -eq 1) { }" << QStringList{"ord:if | var:$a | ord:-eq | tal:1"};
        QTest::newRow("ps block comment over lines")
            << ps << "<# a\nb #> $y" << QStringList{"komm:<# a", "komm:b #> | var:$y"};
        QTest::newRow("ps here-string over lines")
            << ps << "$s = @\"\nline $x \"@\n\"@ # c"
            << QStringList{"var:$s | streng:@\"", "streng:line $x \"@", "streng:\"@ | komm:# c"};
    }
    void lines()
    {
        QFETCH(TSprog, sprog);
        QFETCH(QString, text);
        QFETCH(QStringList, spans);
        QCOMPARE(coloured(sprog, text), spans);
    }

    // An edit that opens a comment recolours the lines after it, and closing
    // it again gives them back their colours.
    void stateFollowsEdits()
    {
        QTextDocument doc;
        doc.setPlainText(QStringLiteral("<p>\n<b>\n<i>"));
        doc.documentLayout();   // a document reports its edits once it has a layout, as an editor's has
        std::unique_ptr<TFarver> f(lavFarver(TSprog::Html, &doc));
        QCoreApplication::processEvents();   // the first colouring waits for the event loop
        auto kinds = [&](int block) {
            QStringList k;
            for (const QTextLayout::FormatRange &r : doc.findBlockByNumber(block).layout()->formats())
                k << QString::fromLatin1(kNavne[r.format.property(kKategoriProperty).toInt()]);
            return k.join(u',');
        };
        QTextCursor c(&doc);
        c.insertText(QStringLiteral("<!-- "));
        QCOMPARE(kinds(2), QStringLiteral("komm"));
        c.movePosition(QTextCursor::End);
        c.insertText(QStringLiteral(" -->"));
        QCOMPARE(kinds(1), QStringLiteral("komm"));
        c.setPosition(0);
        c.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor, 5);
        c.removeSelectedText();
        QCOMPARE(kinds(1), QStringLiteral("tag"));
        QCOMPARE(kinds(2), QStringLiteral("tag"));
    }

    // Every style's editor gets the scheme for its base, and every colour
    // stays readable on it.
    void readableInEveryStyle()
    {
        for (const QString &name : ui::styleNames()) {
            const QPalette p = ui::stylePalette(name);
            const QColor base = p.color(QPalette::Base);
            const TFarveSkema s = TFarveSkema::forPalette(p);
            QCOMPARE(s.moerk, base.lightness() < 128);
            for (int k = 1; k < kKategoriAntal; ++k) {
                const QColor fg = s.formater[size_t(k)].foreground().color();
                const QColor bg = s.formater[size_t(k)].hasProperty(QTextFormat::BackgroundBrush)
                                      ? s.formater[size_t(k)].background().color()
                                      : base;
                QVERIFY2(contrast(fg, bg) >= 4.5, qPrintable(name + u' ' + QString::fromLatin1(kNavne[k]) + u' '
                                                             + QString::number(contrast(fg, bg))));
            }
        }
    }

    void darkSchemeRecolours()
    {
        const QStringList light = coloured(TSprog::Html, QStringLiteral("<p>"));
        QTextDocument doc;
        doc.setPlainText(QStringLiteral("<p>"));
        std::unique_ptr<TFarver> f(lavFarver(TSprog::Html, &doc));
        f->rehighlight();
        const QColor before = doc.begin().layout()->formats().at(0).format.foreground().color();
        f->setSkema(TFarveSkema::moerkt());
        const QColor after = doc.begin().layout()->formats().at(0).format.foreground().color();
        QVERIFY(before != after);
        QCOMPARE(after, TFarveSkema::moerkt().formater[size_t(TKategori::Tag)].foreground().color());
        QCOMPARE(light, QStringList{"tag:<p>"});
    }

    void plainAndRichAreNotColoured()
    {
        QTextDocument doc;
        for (const char *ext : {".txt", ".rtf", ".RTF", ""})
            QVERIFY(!lavFarver(sprogFor(QString::fromLatin1(ext)), &doc));
        QCOMPARE(sprogFor(QStringLiteral(".HTML")), TSprog::Html);
    }
};

QTEST_MAIN(TestFarver)
#include "tst_farver.moc"
