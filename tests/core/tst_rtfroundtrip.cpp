// RTF files written by other programs (pandoc, AbiWord, LibreOffice; see
// data/rtf/make-data.sh): their text must match what LibreOffice itself
// extracts, their formatting must be what the source asked for, and
// reading, writing and reading again must change nothing.

#include "core/rtf/rtfreader.h"
#include "core/rtf/rtfwriter.h"
#include "support/testsupport.h"
#include "tst_rtfsupport.h"

#include <QDir>
#include <QRegularExpression>
#include <QTextDocument>
#include <QTextList>
#include <QtTest>

using namespace taglund;

namespace {

QString dataDir()
{
    return QStringLiteral(TAGLUND_TESTDATA "/rtf");
}

QStringList rtfFiles()
{
    return QDir(dataDir()).entryList({"*.rtf"}, QDir::Files, QDir::Name);
}

void addFileRows()
{
    QTest::addColumn<QString>("file");
    for (const QString &f : rtfFiles())
        QTest::newRow(qPrintable(f)) << f;
}

bool load(const QString &file, QTextDocument &doc)
{
    const RtfReadResult r = loadRtfFile(dataDir() + "/" + file, &doc);
    return r.readable && !r.damaged;
}

// The reference extraction writes a line break inside a paragraph as a new
// line, puts the list label before an item ("    • ", "    1. ") and adds
// empty paragraphs after tables and at section ends; empty lines are
// therefore left out of the comparison and labels are taken off the lines
// that are list items here.
struct Line {
    QString text;
    bool listItem;
};

QList<Line> ourLines(const QTextDocument &doc)
{
    QList<Line> out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (const QString &part : b.text().split(QChar(QChar::LineSeparator))) {
            const QString t = part.trimmed();
            if (!t.isEmpty())
                out.append({t, b.textList() != nullptr});
        }
    }
    return out;
}

QStringList referenceLines(const QString &file)
{
    QString text = QString::fromUtf8(test::readAll(dataDir() + "/" + QString(file).replace(".rtf", ".expected.txt")));
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    QStringList out;
    for (const QString &line : text.split(QRegularExpression("\r?\n"))) {
        const QString t = line.trimmed();
        if (!t.isEmpty())
            out << t;
    }
    return out;
}

} // namespace

class TestRtfRoundTrip : public QObject {
    Q_OBJECT
private slots:
    void thereAreFilesFromEveryWriter()
    {
        const QStringList files = rtfFiles();
        for (const char *writer : {"pandoc-", "abiword-", "libreoffice-"})
            QVERIFY2(std::any_of(files.begin(), files.end(), [&](const QString &f) { return f.startsWith(writer); }),
                     writer);
    }

    void textMatchesReference_data() { addFileRows(); }
    void textMatchesReference()
    {
        QFETCH(QString, file);
        QTextDocument doc;
        QVERIFY(load(file, doc));
        const QList<Line> ours = ourLines(doc);
        const QStringList ref = referenceLines(file);
        static const QRegularExpression label(R"(^(?:•|·|\d+\.|[a-zA-Z][.)])\s+)");
        QStringList got;
        QStringList want;
        for (int i = 0; i < std::max(ours.size(), ref.size()); ++i) {
            got << (i < ours.size() ? ours[i].text : QString());
            QString r = i < ref.size() ? ref[i] : QString();
            if (i < ours.size() && ours[i].listItem)
                r.remove(label);
            want << r;
        }
        QCOMPARE(got, want);
    }

    void readWriteReadKeepsTheDocument_data() { addFileRows(); }
    void readWriteReadKeepsTheDocument()
    {
        QFETCH(QString, file);
        QTextDocument first;
        QVERIFY(load(file, first));
        const QByteArray written = writeRtf(&first);
        QTextDocument second;
        const RtfReadResult r = readRtf(written, &second);
        QVERIFY(r.readable);
        QVERIFY(!r.damaged);
        QCOMPARE(rtftest::plainText(second), rtftest::plainText(first));
        QCOMPARE(rtftest::formatRuns(second), rtftest::formatRuns(first));
        QCOMPARE(rtftest::paragraphs(second), rtftest::paragraphs(first));
        // And the written form is a fixed point.
        second.setDefaultFont(first.defaultFont());
        QCOMPARE(writeRtf(&second), written);
    }

    void formattingAsTheSourceAsked_data()
    {
        // What the HTML and Markdown sources (data/rtf/sources) ask for.
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("probe");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("value");
        for (const char *f : {"libreoffice-formatting.rtf", "abiword-formatting.rtf"}) {
            const QString file = f;
            auto row = [&](const char *probe, const char *property, const QString &value) {
                QTest::addRow("%s %s %s", f, probe, property) << file << QString::fromUtf8(probe) << property << value;
            };
            row("fed", "bold", "1");
            row("kursiv", "italic", "1");
            row("understreget", "underline", "1");
            row("gennemstreget", "strike", "1");
            row("Venstrestillet", "bold", "0");
            row("Centreret", "align", QString::number(int(Qt::AlignHCenter)));
            row("Centreret", "color", "#ff0000");
            row("Centreret", "family", "Liberation Sans");
            row("Højrestillet", "align", QString::number(int(Qt::AlignRight)));
            row("Højrestillet", "color", "#0000ff");
            row("gul baggrund", "background", "#ffff00");
            row("Lige margener", "align", QString::number(int(Qt::AlignJustify)));
            row("Lige margener", "leftMargin", "96");
            row("Lige margener", "rightMargin", "48");
            row("Lige margener", "textIndent", "48");
            row("Første punkt", "list", QString::number(int(QTextListFormat::ListDisc)));
            row("Et", "list", QString::number(int(QTextListFormat::ListDecimal)));
            row("Kode i lille", "family", "Liberation Mono");
            row("Tegn:", "list", "none");
        }
        QTest::addRow("libreoffice size 18") << "libreoffice-formatting.rtf" << "Centreret" << "size" << "18";
        QTest::addRow("libreoffice size 9") << "libreoffice-formatting.rtf" << "Kode i lille" << "size" << "9";
        QTest::addRow("libreoffice superscript") << "libreoffice-structures.rtf" << "2 og" << "vertical"
                                                 << QString::number(int(QTextCharFormat::AlignSuperScript));
        QTest::addRow("libreoffice subscript") << "libreoffice-structures.rtf" << "2O" << "vertical"
                                               << QString::number(int(QTextCharFormat::AlignSubScript));
        QTest::addRow("libreoffice space before") << "libreoffice-structures.rtf" << "Afsnit med luft" << "topMargin"
                                                  << "48";
        QTest::addRow("libreoffice space after") << "libreoffice-structures.rtf" << "Afsnit med luft" << "bottomMargin"
                                                 << "24";
        QTest::addRow("libreoffice link text") << "libreoffice-structures.rtf" << "link til" << "underline" << "1";
        QTest::addRow("libreoffice table cell") << "libreoffice-structures.rtf" << "Fed B2" << "bold" << "1";
        QTest::addRow("pandoc heading") << "pandoc-notes.rtf" << "Overskrift" << "size" << "18";
        QTest::addRow("pandoc heading bold") << "pandoc-notes.rtf" << "Overskrift" << "bold" << "1";
        QTest::addRow("pandoc code font") << "pandoc-notes.rtf" << "kode" << "family" << "Courier";
        QTest::addRow("pandoc body font") << "pandoc-notes.rtf" << "afsnit" << "family" << "Helvetica";
        QTest::addRow("pandoc hanging indent") << "pandoc-notes.rtf" << "punkt et" << "textIndent" << "-24";
        QTest::addRow("pandoc centred title") << "pandoc-formatting.rtf" << "Prøve" << "align"
                                              << QString::number(int(Qt::AlignHCenter));
    }
    void formattingAsTheSourceAsked()
    {
        QFETCH(QString, file);
        QFETCH(QString, probe);
        QFETCH(QString, property);
        QFETCH(QString, value);
        QTextDocument doc;
        QVERIFY(load(file, doc));
        bool found = false;
        const QTextCharFormat f = rtftest::formatAt(doc, probe, &found);
        QVERIFY2(found, qPrintable(probe));
        const QTextBlock b = rtftest::blockAt(doc, probe);
        const QTextBlockFormat bf = b.blockFormat();
        QString got;
        if (property == "bold")
            got = QString::number(f.fontWeight() >= QFont::DemiBold);
        else if (property == "italic")
            got = QString::number(f.fontItalic());
        else if (property == "underline")
            got = QString::number(f.fontUnderline());
        else if (property == "strike")
            got = QString::number(f.fontStrikeOut());
        else if (property == "size")
            got = QString::number(f.fontPointSize());
        else if (property == "color")
            got = rtftest::colorName(f.foreground());
        else if (property == "background")
            got = rtftest::colorName(f.background());
        else if (property == "family")
            got = rtftest::family(f);
        else if (property == "vertical")
            got = QString::number(int(f.verticalAlignment()));
        else if (property == "align")
            got = QString::number(int(bf.alignment() & Qt::AlignHorizontal_Mask));
        else if (property == "leftMargin")
            got = QString::number(bf.leftMargin());
        else if (property == "rightMargin")
            got = QString::number(bf.rightMargin());
        else if (property == "textIndent")
            got = QString::number(bf.textIndent());
        else if (property == "topMargin")
            got = QString::number(bf.topMargin());
        else if (property == "bottomMargin")
            got = QString::number(bf.bottomMargin());
        else if (property == "list")
            got = b.textList() ? QString::number(int(b.textList()->format().style())) : "none";
        else
            QFAIL("unknown property");
        QCOMPARE(got, value);
    }
};

QTEST_MAIN(TestRtfRoundTrip)
#include "tst_rtfroundtrip.moc"
