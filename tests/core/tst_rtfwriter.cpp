#include "core/rtf/rtfreader.h"
#include "core/rtf/rtfwriter.h"
#include "support/testsupport.h"
#include "tst_rtfsupport.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QtTest>

using namespace taglund;

namespace {

QByteArray writeText(const QString &text)
{
    QTextDocument doc;
    doc.setPlainText(text);
    return writeRtf(&doc);
}

// A document using everything the rich-text tools can set.
void buildSample(QTextDocument &doc)
{
    doc.setDefaultFont(QFont("Liberation Mono", 10));
    QTextCursor c(&doc);
    auto run = [&](const QString &text, auto &&setup) {
        QTextCharFormat f;
        setup(f);
        c.insertText(text, f);
    };
    run("plain ", [](QTextCharFormat &) {});
    run("fed ", [](QTextCharFormat &f) { f.setFontWeight(QFont::Bold); });
    run("kursiv ", [](QTextCharFormat &f) { f.setFontItalic(true); });
    run("under ", [](QTextCharFormat &f) { f.setFontUnderline(true); });
    run("streg ", [](QTextCharFormat &f) { f.setFontStrikeOut(true); });
    run("alt", [](QTextCharFormat &f) {
        f.setFontWeight(QFont::Bold);
        f.setFontItalic(true);
        f.setFontUnderline(true);
    });

    QTextBlockFormat centre;
    centre.setAlignment(Qt::AlignHCenter);
    c.insertBlock(centre);
    run("rød 18", [](QTextCharFormat &f) {
        f.setForeground(QColor("#ff0000"));
        f.setFontPointSize(18);
        f.setFontFamilies({"Liberation Sans"});
    });
    run(" gul", [](QTextCharFormat &f) { f.setBackground(QColor("#ffff00")); });
    run(" 10.5", [](QTextCharFormat &f) { f.setFontPointSize(10.5); });

    QTextBlockFormat margin;  // the "Margin" tool's values
    margin.setAlignment(Qt::AlignRight);
    margin.setTextIndent(4);
    margin.setLeftMargin(0);
    margin.setRightMargin(5);
    c.insertBlock(margin);
    run("margin x", [](QTextCharFormat &) {});
    run("2", [](QTextCharFormat &f) { f.setVerticalAlignment(QTextCharFormat::AlignSuperScript); });

    QTextBlockFormat spaced;
    spaced.setAlignment(Qt::AlignJustify);
    spaced.setTopMargin(12);
    spaced.setBottomMargin(6);
    spaced.setLeftMargin(48);
    spaced.setTextIndent(-24);
    c.insertBlock(spaced);
    run(QString::fromUtf8("lige æøå € αβγ 中文 😀 \\ { }\tfane"), [](QTextCharFormat &) {});

    c.insertBlock(QTextBlockFormat());
    QTextListFormat bullets;
    bullets.setStyle(QTextListFormat::ListDisc);
    bullets.setIndent(0);
    c.createList(bullets);
    c.insertText("punkt et");
    c.insertBlock();
    c.insertText("punkt to");

    // A fresh block format leaves the list.
    c.insertBlock(QTextBlockFormat());
    c.insertText("mellem");

    c.insertBlock(QTextBlockFormat());
    QTextListFormat numbers;
    numbers.setStyle(QTextListFormat::ListDecimal);
    numbers.setIndent(0);
    c.createList(numbers);
    c.insertText("nummer et");
    c.insertBlock();
    c.insertText("nummer to");

    c.insertBlock(QTextBlockFormat());
    QTextCharFormat big;
    big.setFontPointSize(24);
    c.setBlockCharFormat(big);  // an empty line 24 points high
    c.insertBlock(QTextBlockFormat());
    c.insertText(QString("linje") + QChar(QChar::LineSeparator) + "skift");
}

} // namespace

class TestRtfWriter : public QObject {
    Q_OBJECT
private slots:
    void escaping_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("rtf");
        QTest::newRow("backslash") << "a\\b" << QByteArray("a\\\\b");
        QTest::newRow("braces") << "{x}" << QByteArray("\\{x\\}");
        QTest::newRow("cp1252 letters") << QString::fromUtf8("æøÅ") << QByteArray("\\'e6\\'f8\\'c5");
        QTest::newRow("cp1252 high range") << QString::fromUtf8("€“") << QByteArray("\\'80\\'93");
        QTest::newRow("outside cp1252") << QString::fromUtf8("αЖ") << QByteArray("\\u945?\\u1046?");
        QTest::newRow("above 32767 is negative") << QString::fromUtf8("中") << QByteArray("\\u20013?");
        QTest::newRow("private use") << QString(QChar(0xF020)) << QByteArray("\\u-4064?");
        QTest::newRow("surrogate pair") << QString::fromUtf8("😀") << QByteArray("\\u-10179?\\u-8704?");
        QTest::newRow("tab") << "a\tb" << QByteArray("a\\tab b");
        QTest::newRow("line break") << QString("a") + QChar(QChar::LineSeparator) + "b" << QByteArray("a\\line b");
        QTest::newRow("paragraphs") << "a\nb" << QByteArray("a}{\\f0\\fs");
        QTest::newRow("leading blank survives the delimiter") << " x" << QByteArray("  x}");
    }
    void escaping()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, rtf);
        const QByteArray out = writeText(text);
        QVERIFY2(out.contains(rtf), out.constData());
    }

    void controlCharactersAreNotWritten()
    {
        const QByteArray out = writeText(QString("a") + QChar(1) + QChar(0x7F) + QChar(0xFFFC) + "b");
        QVERIFY2(out.contains(" ab}"), out.constData());
    }

    void outputIsSevenBit()
    {
        QTextDocument doc;
        buildSample(doc);
        const QByteArray out = writeRtf(&doc);
        for (char ch : out)
            QVERIFY(static_cast<unsigned char>(ch) < 0x80);
        QVERIFY(out.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0"));
        QVERIFY(out.trimmed().endsWith('}'));
    }

    void everyCharacterRoundTrips()
    {
        QString all;
        for (char16_t c = 0x20; c < 0x250; ++c)
            if (c != 0x7F)
                all += QChar(c);
        all += QString::fromUtf8("€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ ☃ 中文 😀 𝄞 \\{}\t");
        QTextDocument doc;
        doc.setPlainText(all + "\n" + all);
        QTextDocument back;
        QVERIFY(readRtf(writeRtf(&doc), &back).readable);
        QCOMPARE(rtftest::plainText(back), rtftest::plainText(doc));
    }

    void tablesListEachFontAndColourOnce()
    {
        QTextDocument doc;
        doc.setDefaultFont(QFont("Liberation Mono", 10));
        QTextCursor c(&doc);
        QTextCharFormat red;
        red.setForeground(QColor(255, 0, 0));
        red.setFontFamilies({"Liberation Sans"});
        c.insertText("a", red);
        c.insertText("b", QTextCharFormat());
        c.insertText("c", red);
        QTextCharFormat blueBack;
        blueBack.setBackground(QColor(0, 0, 255));
        c.insertText("d", blueBack);
        const QByteArray out = writeRtf(&doc);
        QVERIFY2(out.contains("{\\fonttbl{\\f0\\fnil\\fcharset0 Liberation Mono;}{\\f1\\fnil\\fcharset0 Liberation Sans;}}"),
                 out.constData());
        QVERIFY2(out.contains("{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"), out.constData());
        QVERIFY2(out.contains("{\\f1\\fs20\\cf1 a}{\\f0\\fs20 b}{\\f1\\fs20\\cf1 c}{\\f0\\fs20\\highlight2 d}"),
                 out.constData());
    }

    void roundTripKeepsEverything()
    {
        QTextDocument doc;
        buildSample(doc);
        QTextDocument back;
        const RtfReadResult r = readRtf(writeRtf(&doc), &back);
        QVERIFY(r.readable);
        QVERIFY(!r.damaged);
        QCOMPARE(rtftest::plainText(back), rtftest::plainText(doc));
        // The reader makes every run's font and size explicit; compare with
        // the original's effective values.
        QStringList expected = rtftest::formatRuns(doc);
        for (QString &line : expected) {
            QStringList parts = line.split(u'|');
            if (parts.size() < 9)
                continue;
            if (parts[4] == "0")
                parts[4] = "10";
            if (parts[7].isEmpty())
                parts[7] = "Liberation Mono";
            line = parts.join(u'|');
        }
        QCOMPARE(rtftest::formatRuns(back), expected);
        QCOMPARE(rtftest::paragraphs(back), rtftest::paragraphs(doc));
        QCOMPARE(back.findBlockByNumber(9).charFormat().fontPointSize(), 24.0);
    }

    void listsKeepTheirItems()
    {
        QTextDocument doc;
        buildSample(doc);
        QTextDocument back;
        QVERIFY(readRtf(writeRtf(&doc), &back).readable);
        const QTextBlock first = rtftest::blockAt(back, "punkt et");
        const QTextBlock second = rtftest::blockAt(back, "punkt to");
        QVERIFY(first.textList());
        QCOMPARE(first.textList(), second.textList());
        QVERIFY(!rtftest::blockAt(back, "mellem").textList());
        const QTextBlock n2 = rtftest::blockAt(back, "nummer to");
        QVERIFY(n2.textList());
        QCOMPARE(n2.textList()->format().style(), QTextListFormat::ListDecimal);
        QCOMPARE(n2.textList()->itemNumber(n2), 1);
    }

    void qtListIndentBecomesLeftIndent()
    {
        // Lists pasted from web pages are indented by whole steps; RTF has
        // only the left indent, so the step is written into it.
        QTextDocument doc;
        QTextCursor c(&doc);
        QTextListFormat lf;
        lf.setStyle(QTextListFormat::ListCircle);
        lf.setIndent(1);
        c.createList(lf);
        c.insertText("x");
        const QByteArray out = writeRtf(&doc);
        const QByteArray li = "\\li" + QByteArray::number(qRound(doc.indentWidth() * 15));
        QVERIFY2(out.contains(li), out.constData());
        QTextDocument back;
        QVERIFY(readRtf(out, &back).readable);
        QCOMPARE(back.begin().blockFormat().leftMargin(), doc.indentWidth());
        QVERIFY(back.begin().textList());
    }

    void writingIsStable()
    {
        QTextDocument doc;
        buildSample(doc);
        const QByteArray once = writeRtf(&doc);
        QTextDocument back;
        QVERIFY(readRtf(once, &back).readable);
        back.setDefaultFont(doc.defaultFont());
        QCOMPARE(writeRtf(&back), once);
    }

    void emptyDocument()
    {
        QTextDocument doc;
        const QByteArray out = writeRtf(&doc);
        QTextDocument back;
        back.setPlainText("noget");
        const RtfReadResult r = readRtf(out, &back);
        QVERIFY(r.readable);
        QVERIFY(!r.damaged);
        QCOMPARE(back.toPlainText(), QString());
        QCOMPARE(back.blockCount(), 1);
    }

    void saveFile()
    {
        test::TempRoot root;
        QTextDocument doc;
        doc.setPlainText(QString::fromUtf8("Gemt tekst ☃"));
        const QString path = root.file("gemt.rtf");
        QString error;
        QVERIFY(saveRtfFile(path, &doc, &error));
        QTextDocument back;
        QVERIFY(loadRtfFile(path, &back).readable);
        QCOMPARE(back.toPlainText(), doc.toPlainText());

        // A write that cannot happen says why and leaves the old file.
        QVERIFY(!saveRtfFile(root.file("findes/ikke/gemt.rtf"), &doc, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(test::readAll(path).startsWith("{\\rtf1"));
    }
};

QTEST_MAIN(TestRtfWriter)
#include "tst_rtfwriter.moc"
