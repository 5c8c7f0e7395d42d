#include "core/rtf/rtfreader.h"
#include "core/text/doctext.h"
#include "support/testsupport.h"
#include "tst_rtfsupport.h"

#include <QStringDecoder>
#include <QTextDocument>
#include <QtTest>

using namespace taglund;
using rtftest::plainText;

namespace {

QString readText(const QByteArray &rtf, RtfReadResult *result = nullptr)
{
    QTextDocument doc;
    RtfReadResult r = readRtf(rtf, &doc);
    if (result)
        *result = r;
    return plainText(doc);
}

const QString ls = QString(QChar(0x2028));

} // namespace

class TestRtfReader : public QObject {
    Q_OBJECT
private slots:
    void text_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text");
        QTest::newRow("plain") << QByteArray("{\\rtf1 Hej}") << "Hej";
        QTest::newRow("paragraphs") << QByteArray("{\\rtf1 a\\par b}") << "a\nb";
        QTest::newRow("final par keeps an empty last line") << QByteArray("{\\rtf1 a\\par}") << "a\n";
        QTest::newRow("sect ends a paragraph") << QByteArray("{\\rtf1 a\\sect b}") << "a\nb";
        QTest::newRow("line") << QByteArray("{\\rtf1 a\\line b}") << "a" + ls + "b";
        QTest::newRow("tab word and tab byte") << QByteArray("{\\rtf1 a\\tab b\tc}") << "a\tb\tc";
        QTest::newRow("delimiting blank eaten, second kept") << QByteArray("{\\rtf1 \\b  x}") << " x";
        QTest::newRow("source line ends ignored") << QByteArray("{\\rtf1 a\r\nb\nc}") << "abc";
        QTest::newRow("backslash line end is a paragraph") << QByteArray("{\\rtf1 a\\\nb}") << "a\nb";
        QTest::newRow("escaped specials") << QByteArray("{\\rtf1 \\\\ \\{ \\}}") << "\\ { }";
        QTest::newRow("hex cp1252") << QByteArray("{\\rtf1\\ansi \\'e6\\'f8\\'e5\\'80\\'93}")
                                    << QString::fromUtf8("æøå€“");
        QTest::newRow("hex upper case") << QByteArray("{\\rtf1 \\'C6\\'D8}") << QString::fromUtf8("ÆØ");
        QTest::newRow("raw 8-bit bytes") << QByteArray("{\\rtf1 \xe6\xf8}") << QString::fromUtf8("æø");
        QTest::newRow("unicode with fallback") << QByteArray("{\\rtf1 \\u945?b}") << QString::fromUtf8("αb");
        QTest::newRow("unicode fallback is a hex escape") << QByteArray("{\\rtf1 \\u8364\\'80x}")
                                                          << QString::fromUtf8("€x");
        QTest::newRow("uc2 skips two") << QByteArray("{\\rtf1\\uc2 \\u945 xyz}") << QString::fromUtf8("αz");
        QTest::newRow("uc0 skips none") << QByteArray("{\\rtf1\\uc0 \\u945 x}") << QString::fromUtf8("αx");
        QTest::newRow("uc is scoped to its group")
            << QByteArray("{\\rtf1 {\\uc0 \\u945}\\u946?}") << QString::fromUtf8("αβ");
        QTest::newRow("skip stops at a group end") << QByteArray("{\\rtf1 {\\uc3 \\u945}x}") << QString::fromUtf8("αx");
        QTest::newRow("control word counts as one skipped")
            << QByteArray("{\\rtf1\\uc1 \\u945\\tab x}") << QString::fromUtf8("αx");
        QTest::newRow("negative unicode, surrogate pair")
            << QByteArray("{\\rtf1 \\u-10179?\\u-8704?}") << QString::fromUtf8("😀");
        QTest::newRow("unicode above 16 bits") << QByteArray("{\\rtf1 \\u128512?}") << QString::fromUtf8("😀");
        QTest::newRow("symbols")
            << QByteArray("{\\rtf1 \\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote}")
            << QString::fromUtf8("—–•‘’“”");
        QTest::newRow("special spaces") << QByteArray("{\\rtf1 a\\~b\\-c\\_d}")
                                        << QString::fromUtf8("a\u00a0b\u00adc\u2011d");
        QTest::newRow("tables skipped")
            << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255\\green0\\blue0;}"
                          "{\\stylesheet{\\s0 Normal;}}{\\info{\\title Titel}{\\author Mig}}Tekst}")
            << "Tekst";
        QTest::newRow("starred unknown destination skipped")
            << QByteArray("{\\rtf1 {\\*\\foo skjult {\\b mere}}synlig}") << "synlig";
        QTest::newRow("unknown word ignored, its text kept") << QByteArray("{\\rtf1 {\\foo beholdt}}") << "beholdt";
        QTest::newRow("picture skipped") << QByteArray("{\\rtf1 f\\'f8r{\\pict\\pngblip 89504e470d0a}efter}") << "førefter";
        QTest::newRow("binary picture with braces")
            << QByteArray("{\\rtf1 a{\\pict\\bin4 {}\\}}b}") << "ab";
        QTest::newRow("shape picture and fallback")
            << QByteArray("{\\rtf1 a{\\*\\shppict{\\pict 0102}}{\\nonshppict{\\pict 0304}}b}") << "ab";
        QTest::newRow("field result kept, instruction skipped")
            << QByteArray("{\\rtf1 {\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt link}}}") << "link";
        QTest::newRow("unstarred field instruction")
            << QByteArray("{\\rtf1 {\\field{\\fldinst PAGE}{\\fldrslt 3}}}") << "3";
        QTest::newRow("header footer skipped")
            << QByteArray("{\\rtf1 {\\header top}{\\footerr bottom}{\\headerl l}krop}") << "krop";
        QTest::newRow("footnote mark numbered, note skipped")
            << QByteArray("{\\rtf1 a{\\super\\chftn}{\\footnote\\pard{\\super\\chftn} note}b{\\chftn}}") << "a1b2";
        QTest::newRow("table cells") << QByteArray("{\\rtf1 \\trowd\\cellx1000\\cellx2000 A\\cell B\\cell\\row C}")
                                     << "A\nB\nC";
        QTest::newRow("list marker text skipped")
            << QByteArray("{\\rtf1 {\\listtext\\'b7\\tab}Punkt\\par{\\pntext 2.\\tab}To}") << "Punkt\nTo";
        QTest::newRow("upr takes the unicode version")
            << QByteArray("{\\rtf1 {\\upr{ansi}{\\*\\ud{uni}}}!}") << "uni!";
        QTest::newRow("control characters dropped") << QByteArray("{\\rtf1 a\\'00b\\'0dc\\'07d\\u0?e\\'7ff\x7fg}")
                                                    << "abcdefg";
        QTest::newRow("object mark dropped") << QByteArray("{\\rtf1 a\\u65532?b}") << "ab";
        QTest::newRow("paragraph separator becomes a line break") << QByteArray("{\\rtf1 a\\u8233?b}")
                                                                  << "a" + ls + "b";
        QTest::newRow("byte-order mark and blanks before header") << QByteArray("\xEF\xBB\xBF \r\n{\\rtf1 x}") << "x";
        QTest::newRow("group text keeps order")
            << QByteArray("{\\rtf1 a{\\b b{\\i c}d}e}") << "abcde";
    }
    void text()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, text);
        RtfReadResult r;
        QCOMPARE(readText(rtf, &r), text);
        QVERIFY(r.readable);
        QVERIFY(!r.damaged);
    }

    void otherCodePages_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("converter");
        QTest::addColumn<QString>("text");
        QTest::newRow("ansicpg1251") << QByteArray("{\\rtf1\\ansi\\ansicpg1251 \\'c6\\'e8\\'e2}") << "windows-1251"
                                     << QString::fromUtf8("Жив");
        QTest::newRow("font charset 161 over ansicpg1252")
            << QByteArray("{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset161 Arial Greek;}}"
                          "\\'e1{\\f1 \\'e1\\'e2}}")
            << "windows-1253" << QString::fromUtf8("áαβ");
        QTest::newRow("shift-jis double bytes") << QByteArray("{\\rtf1\\ansi\\ansicpg932 \\'93\\'fa\\'96\\'7b}")
                                                << "Shift_JIS" << QString::fromUtf8("日本");
        QTest::newRow("mac roman") << QByteArray("{\\rtf1\\mac \\'8a}") << "macintosh" << QString::fromUtf8("ä");
    }
    void otherCodePages()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, converter);
        QFETCH(QString, text);
        if (!QStringDecoder(converter.toLatin1().constData()).isValid())
            QSKIP("This Qt has no converter for the code page; 1252 is used instead");
        QCOMPARE(readText(rtf), text);
    }

    void unknownCodePageFallsBackTo1252()
    {
        QCOMPARE(readText("{\\rtf1\\ansi\\ansicpg99999 \\'e6}"), QString::fromUtf8("æ"));
    }

    void fontNames_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("family");
        QTest::newRow("grouped entries") << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1\\froman Times New Roman;}}\\f1 x}")
                                         << "Times New Roman";
        QTest::newRow("ungrouped entries") << QByteArray("{\\rtf1{\\fonttbl\\f0 Arial;\\f1 Georgia;}\\f1 x}") << "Georgia";
        QTest::newRow("entry without semicolon") << QByteArray("{\\rtf1{\\fonttbl{\\f3 Verdana}}\\f3 x}") << "Verdana";
        QTest::newRow("alternative and panose skipped")
            << QByteArray("{\\rtf1{\\fonttbl{\\f0{\\*\\panose 020b0604}Liberation Sans{\\*\\falt Arial};}}x}")
            << "Liberation Sans";
        QTest::newRow("non-ascii name") << QByteArray("{\\rtf1{\\fonttbl{\\f0 Fl\\'f8de;}}x}") << QString::fromUtf8("Fløde");
        QTest::newRow("deff picks the default") << QByteArray("{\\rtf1\\deff1{\\fonttbl{\\f0 A;}{\\f1 B;}}x}") << "B";
        QTest::newRow("plain returns to the default")
            << QByteArray("{\\rtf1\\deff0{\\fonttbl{\\f0 A;}{\\f1 B;}}\\f1\\plain x}") << "A";
        QTest::newRow("unknown number has no family") << QByteArray("{\\rtf1{\\fonttbl{\\f0 A;}}\\f9 x}") << "";
    }
    void fontNames()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, family);
        QTextDocument doc;
        QVERIFY(readRtf(rtf, &doc).readable);
        QCOMPARE(rtftest::family(rtftest::formatAt(doc, "x")), family);
    }

    void characterFormat_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("expected");  // describe() of the character 'x'
        const QByteArray colors = "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}";
        QTest::newRow("default is 12 points") << QByteArray("{\\rtf1 x}") << "-|-|-|-|12||||0";
        QTest::newRow("bold") << QByteArray("{\\rtf1 \\b x}") << "b|-|-|-|12||||0";
        QTest::newRow("bold off") << QByteArray("{\\rtf1 \\b\\b0 x}") << "-|-|-|-|12||||0";
        QTest::newRow("italic underline strike") << QByteArray("{\\rtf1 \\i\\ul\\strike x}") << "-|i|u|s|12||||0";
        QTest::newRow("ulnone") << QByteArray("{\\rtf1 \\ul\\ulnone x}") << "-|-|-|-|12||||0";
        QTest::newRow("ul0") << QByteArray("{\\rtf1 \\ul\\ul0 x}") << "-|-|-|-|12||||0";
        QTest::newRow("double underline") << QByteArray("{\\rtf1 \\uldb x}") << "-|-|u|-|12||||0";
        QTest::newRow("underline colour is not underline") << QByteArray("{\\rtf1 \\ulc1 x}") << "-|-|-|-|12||||0";
        QTest::newRow("size in half points") << QByteArray("{\\rtf1 \\fs21 x}") << "-|-|-|-|10.5||||0";
        QTest::newRow("absurd size clamped") << QByteArray("{\\rtf1 \\fs99999 x}") << "-|-|-|-|1638||||0";
        QTest::newRow("zero size clamped") << QByteArray("{\\rtf1 \\fs0 x}") << "-|-|-|-|1||||0";
        QTest::newRow("group scoped") << QByteArray("{\\rtf1 {\\b a}x}") << "-|-|-|-|12||||0";
        QTest::newRow("colour") << QByteArray("{\\rtf1 " + colors + "\\cf2 x}") << "-|-|-|-|12|#0000ff|||0";
        QTest::newRow("automatic colour") << QByteArray("{\\rtf1 " + colors + "\\cf1\\cf0 x}") << "-|-|-|-|12||||0";
        QTest::newRow("colour past the table") << QByteArray("{\\rtf1 " + colors + "\\cf7 x}") << "-|-|-|-|12||||0";
        QTest::newRow("highlight") << QByteArray("{\\rtf1 " + colors + "\\highlight1 x}") << "-|-|-|-|12||#ff0000||0";
        QTest::newRow("cb") << QByteArray("{\\rtf1 " + colors + "\\cb2 x}") << "-|-|-|-|12||#0000ff||0";
        QTest::newRow("chcbpat") << QByteArray("{\\rtf1 " + colors + "\\chcbpat1 x}") << "-|-|-|-|12||#ff0000||0";
        QTest::newRow("plain resets") << QByteArray("{\\rtf1 " + colors + "\\b\\i\\cf1\\fs40\\plain x}")
                                      << "-|-|-|-|12||||0";
        QTest::newRow("superscript") << QByteArray("{\\rtf1 \\super x}") << "-|-|-|-|12||||1";
        QTest::newRow("subscript by dn") << QByteArray("{\\rtf1 \\dn4 x}") << "-|-|-|-|12||||2";
        QTest::newRow("nosupersub") << QByteArray("{\\rtf1 \\up6\\nosupersub x}") << "-|-|-|-|12||||0";
    }
    void characterFormat()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, expected);
        QTextDocument doc;
        QVERIFY(readRtf(rtf, &doc).readable);
        bool found = false;
        const QTextCharFormat f = rtftest::formatAt(doc, "x", &found);
        QVERIFY(found);
        // The family column is checked by fontNames; blank it here.
        QStringList d = rtftest::describe(f).split(u'|');
        d[7].clear();
        QCOMPARE(d.join(u'|'), expected);
    }

    void paragraphFormat_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QStringList>("paragraphs");  // describe() of each block
        const QString left = "1|fi0|li0|ri0|sb0|sa0|list-";
        QTest::newRow("default left") << QByteArray("{\\rtf1 a}") << QStringList{left};
        QTest::newRow("alignments") << QByteArray("{\\rtf1 \\qc a\\par\\qr b\\par\\qj c\\par\\pard d}")
                                    << QStringList{"4|fi0|li0|ri0|sb0|sa0|list-", "2|fi0|li0|ri0|sb0|sa0|list-",
                                                   "8|fi0|li0|ri0|sb0|sa0|list-", left};
        QTest::newRow("indents in twips become pixels")
            << QByteArray("{\\rtf1 \\fi-360\\li720\\ri150\\sb240\\sa120 a}")
            << QStringList{"1|fi-24|li48|ri10|sb16|sa8|list-"};
        QTest::newRow("props at the par inside a group")
            << QByteArray("{\\rtf1 {\\pard\\qc a\\par}{\\pard\\qr b\\par}}")
            << QStringList{"4|fi0|li0|ri0|sb0|sa0|list-", "2|fi0|li0|ri0|sb0|sa0|list-", left};
        QTest::newRow("last paragraph takes the props at the document end")
            << QByteArray("{\\rtf1 a\\par\\qc b}")
            << QStringList{left, "4|fi0|li0|ri0|sb0|sa0|list-"};
        QTest::newRow("absurd indent clamped") << QByteArray("{\\rtf1 \\li99999999 a}")
                                               << QStringList{"1|fi0|li2112|ri0|sb0|sa0|list-"};
        QTest::newRow("listtext bullet, modern list")
            << QByteArray("{\\rtf1 \\pard\\ls1\\fi-360\\li720{\\listtext\\'b7\\tab}a\\par\\pard b}")
            << QStringList{"1|fi-24|li48|ri0|sb0|sa0|list-1", left};
        QTest::newRow("listtext before pard (AbiWord)")
            << QByteArray("{\\rtf1 {\\listtext\\pard\\bullet\\tab}\\pard\\plain a\\par}")
            << QStringList{"1|fi0|li0|ri0|sb0|sa0|list-1", left};
        QTest::newRow("listtext number")
            << QByteArray("{\\rtf1 {\\listtext 1.\\tab}a\\par{\\listtext a)\\tab}b}")
            << QStringList{"1|fi0|li0|ri0|sb0|sa0|list-4", "1|fi0|li0|ri0|sb0|sa0|list-5"};
        QTest::newRow("old-style bullet (pn) kept until pard")
            << QByteArray("{\\rtf1 \\pard{\\pntext\\f1\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf1{\\pntxtb\\'b7}}\\fi-200\\li200 "
                          "a\\par{\\pntext\\f1\\'b7\\tab}b\\par\\pard c}")
            << QStringList{"1|fi-13.3333|li13.3333|ri0|sb0|sa0|list-1", "1|fi-13.3333|li13.3333|ri0|sb0|sa0|list-1", left};
        QTest::newRow("old-style numbering kinds")
            << QByteArray("{\\rtf1 {\\*\\pn\\pnlvlbody\\pnucrm}a\\par\\pard{\\*\\pn\\pnlvlbody\\pnlcltr}b\\par"
                          "\\pard{\\*\\pn\\pnlvlbody\\pndec}c}")
            << QStringList{"1|fi0|li0|ri0|sb0|sa0|list-8", "1|fi0|li0|ri0|sb0|sa0|list-5",
                           "1|fi0|li0|ri0|sb0|sa0|list-4"};
    }
    void paragraphFormat()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QStringList, paragraphs);
        QTextDocument doc;
        QVERIFY(readRtf(rtf, &doc).readable);
        QCOMPARE(rtftest::paragraphs(doc), paragraphs);
    }

    void listItemsGroupIntoLists()
    {
        QTextDocument doc;
        QVERIFY(readRtf("{\\rtf1 {\\listtext\\'b7\\tab}a\\par{\\listtext\\'b7\\tab}b\\par c\\par"
                        "{\\listtext\\'b7\\tab}d\\par{\\listtext 1.\\tab}e}",
                        &doc)
                    .readable);
        QVector<QTextList *> lists;
        for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
            lists << b.textList();
        QCOMPARE(lists.size(), 5);
        QVERIFY(lists[0] && lists[0] == lists[1]);
        QVERIFY(!lists[2]);
        QVERIFY(lists[3] && lists[3] != lists[0]);
        QVERIFY(lists[4] && lists[4] != lists[3]);
        QCOMPARE(lists[0]->count(), 2);
        QCOMPARE(lists[0]->format().indent(), 0);
    }

    void emptyLineKeepsItsMarkFormat()
    {
        QTextDocument doc;
        QVERIFY(readRtf("{\\rtf1 a\\par{\\fs48\\par}b}", &doc).readable);
        QCOMPARE(doc.blockCount(), 3);
        QCOMPARE(doc.findBlockByNumber(1).charFormat().fontPointSize(), 24.0);
    }

    void malformed_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<bool>("readable");
        QTest::addColumn<QString>("text");
        QTest::newRow("extra closing braces, text after kept")
            << QByteArray("{\\rtf1 a}}} b") << true << "a b";
        QTest::newRow("cut short inside a group") << QByteArray("{\\rtf1 {\\b abc") << true << "abc";
        QTest::newRow("cut short after a backslash") << QByteArray("{\\rtf1 abc\\") << true << "abc";
        QTest::newRow("cut short in a hex escape") << QByteArray("{\\rtf1 abc\\'e") << true << "abc";
        QTest::newRow("bad hex escape") << QByteArray("{\\rtf1 a\\'zzb}") << true << "azzb";
        QTest::newRow("cut short in the font table") << QByteArray("{\\rtf1{\\fonttbl{\\f0 Ari") << false << "";
        QTest::newRow("header only") << QByteArray("{\\rtf1") << false << "";
        QTest::newRow("huge bin count") << QByteArray("{\\rtf1 a\\bin999999999999 xyz}") << true << "a";
        QTest::newRow("negative bin count") << QByteArray("{\\rtf1 a\\bin-5 b}") << true << "ab";
        QTest::newRow("huge unicode value") << QByteArray("{\\rtf1 a\\u99999999999?b}") << true << "ab";
        QTest::newRow("huge uc") << QByteArray("{\\rtf1 {\\uc2147483647\\u945 abc}d}") << true << "\u03b1d";
        QTest::newRow("long control word") << QByteArray("{\\rtf1 a\\" + QByteArray(5000, 'x') + " b}") << true << "ab";
        QTest::newRow("long parameter") << QByteArray("{\\rtf1 a\\fs" + QByteArray(5000, '9') + " b}") << true << "ab";
        QTest::newRow("star at the end") << QByteArray("{\\rtf1 a\\*") << true << "a";
        QTest::newRow("stray nul bytes") << QByteArray("{\\rtf1 a\0b}\0\0", 14) << true << "ab";
    }
    void malformed()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(bool, readable);
        QFETCH(QString, text);
        QTextDocument doc;
        doc.setPlainText("gammel tekst");
        const RtfReadResult r = readRtf(rtf, &doc);
        QCOMPARE(r.readable, readable);
        if (readable) {
            QCOMPARE(plainText(doc), text);
            QVERIFY(r.error.isEmpty());
        } else {
            // Nothing readable: a message, and the document as it was.
            QVERIFY(!r.error.isEmpty());
            QCOMPARE(plainText(doc), QString("gammel tekst"));
        }
    }

    void damagedIsReported_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<bool>("damaged");
        QTest::newRow("sound") << QByteArray("{\\rtf1 {\\b a}}") << false;
        QTest::newRow("sound empty document") << QByteArray("{\\rtf1}") << false;
        QTest::newRow("unclosed") << QByteArray("{\\rtf1 {\\b a}") << true;
        QTest::newRow("extra close") << QByteArray("{\\rtf1 a}}") << true;
        QTest::newRow("bin past the end") << QByteArray("{\\rtf1 a\\bin10 xy}") << true;
    }
    void damagedIsReported()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(bool, damaged);
        QTextDocument doc;
        const RtfReadResult r = readRtf(rtf, &doc);
        QVERIFY(r.readable);
        QCOMPARE(r.damaged, damaged);
    }

    void deepNesting_data()
    {
        QTest::addColumn<int>("depth");
        QTest::addColumn<bool>("closed");
        QTest::newRow("10 000 closed") << 10000 << true;
        QTest::newRow("10 000 open") << 10000 << false;
        QTest::newRow("1 000 000 closed") << 1000000 << true;
    }
    void deepNesting()
    {
        QFETCH(int, depth);
        QFETCH(bool, closed);
        QByteArray rtf = "{\\rtf1 f\\'f8r";
        rtf += QByteArray(depth, '{');
        rtf += "\\b dybt";
        if (closed)
            rtf += QByteArray(depth, '}');
        rtf += " efter}";
        QTextDocument doc;
        const RtfReadResult r = readRtf(rtf, &doc);
        QVERIFY(r.readable);
        QCOMPARE(r.damaged, !closed);
        QCOMPARE(plainText(doc), QString::fromUtf8("førdybt efter"));
        QCOMPARE(rtftest::formatAt(doc, "dybt").fontWeight() >= QFont::DemiBold, true);
        if (closed)
            QVERIFY(rtftest::formatAt(doc, "efter").fontWeight() < QFont::DemiBold);
    }

    void garbageNeverCrashes()
    {
        // Deterministic noise after a header: whatever it reads, it must
        // return, and the document must be usable.
        quint32 seed = 12345;
        for (int round = 0; round < 200; ++round) {
            QByteArray rtf = "{\\rtf1 ";
            for (int i = 0; i < 400; ++i) {
                seed = seed * 1103515245u + 12345u;
                static const char alphabet[] = "{}\\\\\\'*abfiuclsrt0123456789- ;\xe6\xff\r\n";
                rtf += alphabet[(seed >> 16) % (sizeof alphabet - 1)];
            }
            QTextDocument doc;
            readRtf(rtf, &doc);
            QVERIFY(doc.blockCount() >= 1);
        }
    }

    void notRtf()
    {
        QTextDocument doc;
        doc.setPlainText("behold");
        const RtfReadResult r = readRtf("Bare tekst", &doc);
        QVERIFY(!r.readable);
        QVERIFY(!r.error.isEmpty());
        QCOMPARE(doc.toPlainText(), QString("behold"));
    }

    void richDocumentFallsBackToPlainText()
    {
        QTextDocument doc;
        const RtfReadResult r = readRichDocument("linje \xe6n\r\nlinje to\r\n", &doc);
        QVERIFY(r.readable);
        QCOMPARE(plainText(doc), QString::fromUtf8("linje æn\nlinje to\n"));
        QVERIFY(!doc.isModified());
    }

    void hookShape_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("text");
        QTest::newRow("rtf") << QByteArray("{\\rtf1 a\\par b}") << true << "a\nb";
        QTest::newRow("damaged but readable") << QByteArray("{\\rtf1 {\\b a") << true << "a";
        QTest::newRow("plain text") << QByteArray("ren tekst") << true << "ren tekst";
        QTest::newRow("nothing readable") << QByteArray("{\\rtf1{\\fonttbl") << false << "uændret";
    }
    void hookShape()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, ok);
        QFETCH(QString, text);
        QTextDocument doc;
        doc.setPlainText(QString::fromUtf8("uændret"));
        QString error;
        QCOMPARE(readRichText(bytes, &doc, &error), ok);
        QCOMPARE(error.isEmpty(), ok);
        QCOMPARE(plainText(doc), text);
    }

    void loadFile()
    {
        test::TempRoot root;
        const QString path = root.file("brev.rtf");
        test::writeAll(path, "{\\rtf1 Hej\\par verden}");
        QTextDocument doc;
        RtfReadResult r = loadRtfFile(path, &doc);
        QVERIFY(r.readable);
        QCOMPARE(plainText(doc), QString("Hej\nverden"));

        r = loadRtfFile(root.file("mangler.rtf"), &doc);
        QVERIFY(!r.readable);
        QVERIFY(!r.error.isEmpty());
        QCOMPARE(plainText(doc), QString("Hej\nverden"));
    }

    void loadingIsNotAnEdit()
    {
        QTextDocument doc;
        doc.setPlainText("før");
        QVERIFY(readRtf("{\\rtf1 efter}", &doc).readable);
        QVERIFY(!doc.isModified());
        QVERIFY(!doc.isUndoAvailable());
        QVERIFY(doc.isUndoRedoEnabled());
    }

    void documentTextOperationsSeeCrLf()
    {
        QTextDocument doc;
        QVERIFY(readRtf("{\\rtf1 {\\b ab}\\par c\\line d}", &doc).readable);
        TDocText t(&doc);
        QCOMPARE(t.Text(), QString("ab\r\nc\nd"));
        QCOMPARE(t.LineCount(), 2);
        t.setSelStart(3);
        QCOMPARE(t.CaretPos(), QPoint(0, 1));
        QCOMPARE(t.TextIndexFromCaret(3), 4);
    }
};

QTEST_MAIN(TestRtfReader)
#include "tst_rtfreader.moc"
