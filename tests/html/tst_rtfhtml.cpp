// Plain and rich text to HTML lines: the edge cases as tables, and golden
// files over RTF written by pandoc and by our own writer.
#include "core/rtf/rtfreader.h"
#include "core/rtf/rtfwriter.h"
#include "core/text/textfile.h"
#include "html/htmludskrivning.h"
#include "html/rtfhtml.h"
#include "support/testsupport.h"

#include <QDir>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

using namespace taglund;

namespace {

const QString courierDiv = QStringLiteral(
    "<div style=\"margin-left: 0; text-align: left; font-family: 'Courier New'; font-size: 10pt; color: #000000;\">");

QStringList plain(const QString &text)
{
    return RTF_HTML(htmlLinjerFraTekst(text, QStringLiteral("Courier New"), 10));
}

// A rich document built paragraph by paragraph; "*x*" is bold, "/x/" italic,
// "_x_" underlined, toggling at each mark.
struct RichDoc {
    QTextDocument doc;
    QTextCursor c{&doc};
    bool first = true;
    QTextCharFormat base;
    RichDoc()
    {
        base.setFontFamilies({QStringLiteral("Courier New")});
        base.setFontPointSize(10);
    }
    RichDoc &para(const QString &marked, Qt::Alignment align = Qt::AlignLeft, QTextCharFormat fmt = {},
                  qreal indent = 0)
    {
        QTextBlockFormat bf;
        bf.setAlignment(align);
        bf.setLeftMargin(indent);
        if (first)
            c.setBlockFormat(bf);
        else
            c.insertBlock(bf);
        first = false;
        QTextCharFormat f = base;
        f.merge(fmt);
        for (QChar ch : marked) {
            if (ch == u'*')
                f.setFontWeight(f.fontWeight() > QFont::Normal ? QFont::Normal : QFont::Bold);
            else if (ch == u'/')
                f.setFontItalic(!f.fontItalic());
            else if (ch == u'_')
                f.setFontUnderline(!f.fontUnderline());
            else
                c.insertText(QString(ch), f);
        }
        return *this;
    }
    QStringList html() const { return RTF_HTML(htmlLinjerFraDokument(doc)); }
};

QTextCharFormat colour(const QColor &c)
{
    QTextCharFormat f;
    f.setForeground(c);
    return f;
}

QString goldenPath(const QString &name)
{
    return QDir(QStringLiteral(TAGLUND_TESTDATA)).filePath(QStringLiteral("rtfhtml/") + name);
}

// Compares with the golden file; TAGLUND_UPDATE_GOLDEN=1 writes it instead.
void compareGolden(const QStringList &lines, const QString &name)
{
    const QString path = goldenPath(name);
    const QByteArray got = (lines.join(u'\n') + u'\n').toUtf8();
    if (qEnvironmentVariableIntValue("TAGLUND_UPDATE_GOLDEN") == 1)
        test::writeAll(path, got);
    const QByteArray want = test::readAll(path);
    QVERIFY2(!want.isEmpty(), qPrintable(QStringLiteral("no golden file ") + path));
    QCOMPARE(QString::fromUtf8(got), QString::fromUtf8(want));
}

// The output box's public calls, for the command over it.
struct Box {
    QPlainTextEdit field;
    TDocText txt{field.document()};
    QList<int> progress;
    QString file;
    void show() {}
    void raise() {}
    void activateWindow() {}
    QPlainTextEdit *textField() { return &field; }
    TDocText &text() { return txt; }
    void setProgress(int p) { progress << p; }
    bool saveFile(QString *error) { return TextFile::writeLines(file, txt.Lines(), error); }
};

} // namespace

class TestRtfHtml : public QObject {
    Q_OBJECT
private slots:
    void plainText_data();
    void plainText();
    void richText_data();
    void richText();
    void logicalLinesNotVisualOnes();
    void goldenPandoc();
    void goldenOwnWriter();
    void progressRises();
    void specialChars_data();
    void specialChars();
    void selectionReplaced();
    void command();
};

void TestRtfHtml::plainText_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QStringList>("body");  // the lines between the div tags

    QTest::newRow("to linjer") << "Hej  verden\r\nLinje to" << QStringList{"Hej &nbsp;verden<br>", "Linje to"};
    QTest::newRow("tom linje imellem") << "a\r\n\r\nb" << QStringList{"a<br><br>", "b"};
    QTest::newRow("fire blanke") << "a    b" << QStringList{"a &nbsp; &nbsp;b"};
    QTest::newRow("fem blanke") << "a     b" << QStringList{"a &nbsp; &nbsp; b"};
    QTest::newRow("blank efter linjeskift") << "a\r\n x" << QStringList{"a<br>", "&nbsp;x"};
    QTest::newRow("blank i første linje") << " x" << QStringList{"&nbsp;x"};
    QTest::newRow("tom første linje") << "\r\nb" << QStringList{"<br>", "b"};
    QTest::newRow("html tegn") << "<p class=\"a\">x & y</p>"
                               << QStringList{"&lt;p class=\"a\"&gt;x &amp; y&lt;/p&gt;"};
    QTest::newRow("uden for tabellen") << QString::fromUtf8("★ og 😀, men € æøå")
                                       << QStringList{QString::fromUtf8("&#9733; og &#128512;, men € æøå")};
    QTest::newRow("lf og cr") << "a\nb\rc" << QStringList{"a<br>", "b<br>", "c"};
    QTest::newRow("tom") << "" << QStringList{};
}

void TestRtfHtml::plainText()
{
    QFETCH(QString, source);
    QFETCH(QStringList, body);
    const QStringList want = body.isEmpty() ? QStringList() : QStringList{courierDiv} + body + QStringList{"</div>"};
    QCOMPARE(plain(source), want);
}

void TestRtfHtml::richText_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("want");
    const QString centerDiv = QStringLiteral(
        "<div style=\"margin-left: 0; text-align: center; font-family: 'Courier New'; font-size: 10pt; color: #000000;\">");

    QTest::newRow("eksemplet") << 0 << QStringList{courierDiv, "Hej &nbsp;verden<br>", "Linje to", "</div>"};
    QTest::newRow("fed ord") << 1 << QStringList{courierDiv, "et <b>fed</b> ord", "</div>"};
    QTest::newRow("fed og kursiv slutter sammen")
        << 2 << QStringList{courierDiv, "<b>a</b><b><i>bc</i></b>d", "</div>"};
    QTest::newRow("centreret efter venstre") << 3 << QStringList{courierDiv, "venstre<br>", "</div>", centerDiv,
                                                                 "midt", "</div>"};
    QTest::newRow("farve midt i") << 4 << QStringList{courierDiv, "sort ", "<span style=\"color: #FF0000;\">", "rød",
                                                      "</span>", " sort", "</div>"};
    QTest::newRow("indrykning") << 5
                                << QStringList{courierDiv, "a<br>", "</div>",
                                               "<div style=\"margin-left: 48; text-align: left; font-family: "
                                               "'Courier New'; font-size: 10pt; color: #000000;\">",
                                               "b", "</div>"};
    QTest::newRow("ny skrift og størrelse ved linjestart")
        << 6 << QStringList{courierDiv, "a<br>", "<span style=\"font-family: 'Arial';font-size: 14pt;\">", "b",
                            "</span>", "</div>"};
    QTest::newRow("fed linje efter tom linje") << 7 << QStringList{courierDiv, "<b>a</b><br><br>", "<b>b</b>", "</div>"};
}

void TestRtfHtml::richText()
{
    QFETCH(int, kind);
    QFETCH(QStringList, want);
    RichDoc d;
    switch (kind) {
    case 0:
        d.para(QStringLiteral("Hej  verden")).para(QStringLiteral("Linje to"));
        break;
    case 1:
        d.para(QStringLiteral("et *fed* ord"));
        break;
    case 2: {
        d.para(QStringLiteral("*a/b/*"));
        // bold and italic from one run to the next, then both end together
        d.c.insertText(QStringLiteral("c"), [&] {
            QTextCharFormat f = d.base;
            f.setFontWeight(QFont::Bold);
            f.setFontItalic(true);
            f.setFontUnderline(false);
            return f;
        }());
        d.c.insertText(QStringLiteral("d"), d.base);
        break;
    }
    case 3:
        d.para(QStringLiteral("venstre")).para(QStringLiteral("midt"), Qt::AlignHCenter);
        break;
    case 4:
        d.para(QStringLiteral("sort "));
        d.c.insertText(QStringLiteral("rød"), [&] {
            QTextCharFormat f = d.base;
            f.setForeground(QColor(255, 0, 0));
            return f;
        }());
        d.c.insertText(QStringLiteral(" sort"), d.base);
        break;
    case 5:
        d.para(QStringLiteral("a")).para(QStringLiteral("b"), Qt::AlignLeft, {}, 48);
        break;
    case 6: {
        QTextCharFormat f;
        f.setFontFamilies({QStringLiteral("Arial")});
        f.setFontPointSize(14);
        d.para(QStringLiteral("a")).para(QStringLiteral("b"), Qt::AlignLeft, f);
        break;
    }
    case 7:
        d.para(QStringLiteral("*a*")).para(QString()).para(QStringLiteral("*b*"));
        break;
    }
    QCOMPARE(d.html(), want);
}

void TestRtfHtml::logicalLinesNotVisualOnes()
{
    // One long paragraph is one line however narrow a view would wrap it,
    // and a soft line break inside a paragraph is a line end.
    RichDoc d;
    const QString longText = QString(QStringLiteral("ord ")).repeated(200).trimmed();
    d.para(longText);
    d.c.insertText(QString(QChar::LineSeparator) + QStringLiteral("næste"));
    d.doc.setTextWidth(50);
    QCOMPARE(d.html(), (QStringList{courierDiv, longText + QStringLiteral("<br>"), QStringLiteral("næste"), "</div>"}));
}

void TestRtfHtml::goldenPandoc()
{
    const TRtfHtmlResultat r = RTF_HTML(goldenPath(QStringLiteral("pandoc.rtf")), QStringLiteral("Courier New"), 10);
    QVERIFY2(r.ok, qPrintable(r.fejl));
    compareGolden(r.linjer, QStringLiteral("pandoc.html"));
}

void TestRtfHtml::goldenOwnWriter()
{
    // Bold, italic, underline; two fonts; three sizes; centred and indented
    // paragraphs; a colour; Danish letters; a character Windows-1252 lacks.
    RichDoc d;
    QTextCharFormat arial;
    arial.setFontFamilies({QStringLiteral("Arial")});
    arial.setFontPointSize(20);
    d.para(QStringLiteral("*Overskrift på dansk*"), Qt::AlignHCenter, arial);
    d.para(QStringLiteral("Brødtekst med *fed*, /kursiv/ og _understreget_ tekst."));
    d.para(QStringLiteral("Indrykket afsnit: æøå ÆØÅ ★"), Qt::AlignLeft, {}, 48);
    QTextCharFormat small = colour(QColor(0x00, 0x66, 0xCC));
    small.setFontPointSize(8);
    d.para(QStringLiteral("Lille blå tekst til højre"), Qt::AlignRight, small);
    d.para(QStringLiteral("Slut  med   blanke"));

    QTemporaryDir dir;
    const QString rtf = dir.filePath(QStringLiteral("egen.rtf"));
    QString error;
    QVERIFY2(saveRtfFile(rtf, &d.doc, &error), qPrintable(error));
    const TRtfHtmlResultat r = RTF_HTML(rtf, QStringLiteral("Courier New"), 10);
    QVERIFY2(r.ok, qPrintable(r.fejl));
    compareGolden(r.linjer, QStringLiteral("egen.html"));
}

void TestRtfHtml::progressRises()
{
    QList<int> seen;
    RTF_HTML(htmlLinjerFraTekst(QStringLiteral("a\nb\nc\nd"), QStringLiteral("Arial"), 10),
             [&seen](int p) { seen << p; });
    QCOMPARE(seen.first(), 5);
    QCOMPARE(seen.last(), 100);
    QVERIFY(std::all_of(seen.begin(), seen.end(), [](int p) { return p >= 0 && p <= 100; }));
    QCOMPARE(seen.size(), 2 + 4 + 1);  // start, after the first paragraph, each line, end
}

void TestRtfHtml::specialChars_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("udskiftet");
    QTest::addColumn<QString>("gendannet");
    QTest::newRow("eksemplet") << "a<b>c" << "a&lt;b&gt;c" << "a<b>c";
    QTest::newRow("ingen tegn") << "abc" << "abc" << "abc";
    QTest::newRow("halv reference") << "&lt" << "&lt" << "&lt";
    QTest::newRow("andre referencer bliver") << "&amp;&lt;" << "&amp;&lt;" << "&amp;<";
}

void TestRtfHtml::specialChars()
{
    QFETCH(QString, text);
    QFETCH(QString, udskiftet);
    QFETCH(QString, gendannet);
    QCOMPARE(udskiftSpecialtegn(text), udskiftet);
    QCOMPARE(gendanSpecialtegn(text), gendannet);
}

void TestRtfHtml::selectionReplaced()
{
    QTextDocument doc;
    TDocText t(&doc);
    t.setText(QStringLiteral("før a<b>c\r\nefter &lt;i"));
    QVERIFY(!udskiftMarkering(t, false));  // nothing selected
    t.setSelStart(4);
    t.setSelLength(5);
    QVERIFY(udskiftMarkering(t, false));
    QCOMPARE(t.Text(), QStringLiteral("før a&lt;b&gt;c\r\nefter &lt;i"));
    QCOMPARE(t.SelText(), QStringLiteral("a&lt;b&gt;c"));
    QVERIFY(udskiftMarkering(t, true));
    QCOMPARE(t.SelText(), QStringLiteral("a<b>c"));
    // A reference cut by the selection's end stays as it is.
    const int at = int(t.Text().indexOf(QStringLiteral("&lt;i"))) - 1;  // one CR LF before it
    t.setSelStart(at);
    t.setSelLength(3);
    QVERIFY(udskiftMarkering(t, true));
    QCOMPARE(t.Text(), QStringLiteral("før a<b>c\r\nefter &lt;i"));
}

void TestRtfHtml::command()
{
    QTemporaryDir dir;
    ui::Script script;
    ui::setScript(&script);
    Box box;
    box.file = dir.filePath(QStringLiteral("htmlUdskrift.html"));
    const auto egnet = [](const QString &ext) { return ext == u".txt" || ext == u".rtf"; };

    // Never saved.
    QVERIFY(!udskrivSomHtml(box, nullptr, QString(), QStringLiteral("Arial"), 12, egnet));
    QCOMPARE(script.messages, QStringList{QStringLiteral("Gem filen og prøv igen!")});

    // An unsuitable type answered "Nej" changes nothing.
    const QString html = dir.filePath(QStringLiteral("side.htm"));
    test::writeAll(html, "<p>x</p>");
    script.answers = {ui::Answer::Nej};
    QVERIFY(!udskrivSomHtml(box, nullptr, html, QStringLiteral("Arial"), 12, egnet));
    QCOMPARE(script.asked.size(), 1);
    QCOMPARE(script.asked[0], QStringLiteral("Filtypen .htm er muligvist uegnet.\nEr det en tekstfil, der kan omskrives til HTML?"));
    QVERIFY(!QFile::exists(box.file));

    // "Ja" converts in the bar's font and saves the box's file.
    script.answers = {ui::Answer::Ja};
    QVERIFY(udskrivSomHtml(box, nullptr, html, QStringLiteral("Arial"), 12, egnet));
    const QStringList want = {
        "<div style=\"margin-left: 0; text-align: left; font-family: 'Arial'; font-size: 12pt; color: #000000;\">",
        "&lt;p&gt;x&lt;/p&gt;", "</div>"};
    QCOMPARE(box.txt.Lines(), want);
    QCOMPARE(box.field.font().family(), QStringLiteral("Arial"));
    QStringList saved;
    QVERIFY(TextFile::readLines(box.file, saved));
    QCOMPARE(saved, want);
    QCOMPARE(box.progress.last(), 100);

    // A suitable type is converted without asking.
    const QString txt = dir.filePath(QStringLiteral("a.txt"));
    test::writeAll(txt, "ny");
    QVERIFY(udskrivSomHtml(box, nullptr, txt, QStringLiteral("Arial"), 12, egnet));
    QCOMPARE(script.asked.size(), 2);
    QCOMPARE(box.txt.Lines().value(1), QStringLiteral("ny"));
    ui::setScript(nullptr);
}

QTEST_MAIN(TestRtfHtml)
#include "tst_rtfhtml.moc"
