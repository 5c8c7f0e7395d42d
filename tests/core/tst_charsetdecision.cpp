#include "core/text/charsetdecision.h"
#include "core/text/doctext.h"
#include "core/text/textfile.h"
#include "support/testhost.h"
#include "support/testsupport.h"
#include "core/winform.h"
#include "ui/questions.h"

#include <QTextDocument>
#include <QtTest>

using namespace taglund;

Q_DECLARE_METATYPE(taglund::TextEncoding)
Q_DECLARE_METATYPE(taglund::ui::Answer)

namespace {

const QString kEmoji = QString::fromUtf8("😀");

QString page(const QString &head, const QString &body)
{
    return "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n" + head + "\r\n</head>\r\n<body>" + body + "</body>\r\n</html>\r\n";
}

} // namespace

class TestCharsetDecision : public QObject {
    Q_OBJECT
private slots:
    void declarations_data()
    {
        QTest::addColumn<QString>("ext");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("name");   // empty: no declaration
        QTest::newRow("meta charset") << ".html" << page("<meta charset=\"utf-8\">", "") << "utf-8";
        QTest::newRow("meta single quotes, capitals")
            << ".htm" << page("<META CharSet='Windows-1252'>", "") << "windows-1252";
        QTest::newRow("meta unquoted self-closed") << ".html" << page("<meta charset=utf-8/>", "") << "utf-8";
        QTest::newRow("http-equiv")
            << ".asp"
            << page("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">", "")
            << "iso-8859-1";
        QTest::newRow("content before http-equiv")
            << ".html" << page("<meta content=\"text/html;charset = UTF-8\" http-equiv=\"content-type\">", "")
            << "utf-8";
        QTest::newRow("other meta first")
            << ".html" << page("<meta name=\"viewport\" content=\"width=device-width\">\r\n<meta charset=\"utf-8\">", "")
            << "utf-8";
        QTest::newRow("commented out") << ".html" << page("<!-- <meta charset=\"utf-8\"> -->", "") << "";
        QTest::newRow("metadata is no meta") << ".html" << page("<metadata charset=\"utf-8\">", "") << "";
        QTest::newRow("xml declaration in a page")
            << ".html" << "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\r\n<html></html>" << "windows-1252";
        QTest::newRow("wsf") << ".wsf" << "<?xml version=\"1.0\" encoding='UTF-8' ?>\r\n<job></job>" << "utf-8";
        QTest::newRow("wsf ignores meta") << ".wsf" << "<job><meta charset=\"utf-8\"></job>" << "";
        QTest::newRow("css") << ".css" << "@charset \"UTF-8\";\r\nbody { color: red }" << "utf-8";
        QTest::newRow("css not first") << ".css" << "body {}\r\n@charset \"utf-8\";" << "";
        QTest::newRow("css single quote") << ".css" << "@charset 'utf-8';" << "";
        QTest::newRow("script carries none") << ".js" << "// <meta charset=\"utf-8\">" << "";
        QTest::newRow("plain text") << ".txt" << "<meta charset=\"utf-8\">" << "";
        QTest::newRow("too far down")
            << ".html" << QString(20000, u' ') + "<meta charset=\"utf-8\">" << "";
    }
    void declarations()
    {
        QFETCH(QString, ext);
        QFETCH(QString, text);
        QFETCH(QString, name);
        const TCharsetDeclaration d = findCharsetDeclaration(text, charsetKindFor(ext));
        QCOMPARE(d.name, name);
        QCOMPARE(d.found(), !name.isEmpty());
        if (d.found())
            QCOMPARE(text.mid(d.at, d.length).toLower(), name);
    }

    void decisions_data()
    {
        QTest::addColumn<QString>("declared");
        QTest::addColumn<QString>("text");
        QTest::addColumn<TextEncoding>("readAs");
        QTest::addColumn<TextEncoding>("encoding");
        QTest::addColumn<bool>("declaredWins");
        QTest::addColumn<bool>("ask");
        const QString danish = QString::fromUtf8("æøå€");
        const auto cp = TextEncoding::Cp1252, u8 = TextEncoding::Utf8, bom = TextEncoding::Utf8Bom;
        QTest::newRow("utf-8 new page") << "utf-8" << danish << cp << u8 << true << false;
        QTest::newRow("utf-8 emoji") << "utf-8" << kEmoji << cp << u8 << true << false;
        QTest::newRow("windows-1252 from utf-8 file") << "windows-1252" << danish << u8 << cp << true << false;
        QTest::newRow("windows-1252 emoji") << "windows-1252" << kEmoji << cp << cp << true << true;
        QTest::newRow("iso-8859-1 euro") << "iso-8859-1" << danish << cp << cp << true << false;
        QTest::newRow("mark wins") << "windows-1252" << kEmoji << bom << bom << false << false;
        QTest::newRow("utf-16 mark wins") << "utf-8" << danish << TextEncoding::Utf16LE << TextEncoding::Utf16LE
                                          << false << false;
        QTest::newRow("unknown name, old rule") << "koi8-r" << danish << cp << cp << false << false;
        QTest::newRow("none, old rule keeps utf-8") << "" << danish << u8 << u8 << false << false;
        QTest::newRow("none, emoji gets a mark") << "" << kEmoji << cp << bom << false << false;
    }
    void decisions()
    {
        QFETCH(QString, declared);
        QFETCH(QString, text);
        QFETCH(TextEncoding, readAs);
        QFETCH(TextEncoding, encoding);
        QFETCH(bool, declaredWins);
        QFETCH(bool, ask);
        const TCharsetDecision d = decideCharset(declared, text, readAs);
        QCOMPARE(d.encoding, encoding);
        QCOMPARE(d.declared, declaredWins);
        QCOMPARE(d.ask, ask);
    }

    void reading_data()
    {
        QTest::addColumn<QString>("ext");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<TextEncoding>("encoding");
        const QByteArray u8meta = "<meta charset=\"utf-8\">";
        const QByteArray cpmeta = "<meta charset=\"windows-1252\">";
        QTest::newRow("declared 1252, bytes look like utf-8")
            << ".html" << cpmeta + "\xC3\xA6" << QString::fromUtf8("<meta charset=\"windows-1252\">Ã¦")
            << TextEncoding::Cp1252;
        QTest::newRow("declared utf-8") << ".html" << u8meta + "\xC3\xA6" << QString::fromUtf8("<meta charset=\"utf-8\">æ")
                                        << TextEncoding::Utf8;
        QTest::newRow("declared utf-8, ascii only") << ".html" << u8meta << QString::fromLatin1(u8meta)
                                                    << TextEncoding::Utf8;
        QTest::newRow("declared utf-8 but is not: nothing lost")
            << ".html" << u8meta + "\xE6" << QString::fromUtf8("<meta charset=\"utf-8\">æ") << TextEncoding::Cp1252;
        QTest::newRow("mark wins") << ".html" << "\xEF\xBB\xBF" + cpmeta + "\xC3\xA6"
                                   << QString::fromUtf8("<meta charset=\"windows-1252\">æ") << TextEncoding::Utf8Bom;
        QTest::newRow("css") << ".css" << QByteArray("@charset \"windows-1252\";\xC3\xA6")
                             << QString::fromUtf8("@charset \"windows-1252\";Ã¦") << TextEncoding::Cp1252;
        QTest::newRow("script: old rule") << ".js" << cpmeta + "\xC3\xA6"
                                          << QString::fromUtf8("<meta charset=\"windows-1252\">æ") << TextEncoding::Utf8;
    }
    void reading()
    {
        QFETCH(QString, ext);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(TextEncoding, encoding);
        const DecodedText d = decodeDeclaredDocument(bytes, ext);
        QCOMPARE(d.text, text);
        QCOMPARE(d.encoding, encoding);
    }

    // Both ways out of a page that declares a charset too small for its text.
    void settling_data()
    {
        QTest::addColumn<QString>("ext");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<int>("questions");
        QTest::addColumn<bool>("write");
        QTest::addColumn<QString>("after");
        const QString head = "<meta charset=\"windows-1252\">\r\n";
        const QString euro = QString::fromUtf8("€");
        QTest::newRow("references") << ".html" << head + "a" + kEmoji + "b\r\n" + euro + QChar(0x2603)
                                    << QList<bool>{true} << 1 << true
                                    << head + "a&#128512;b\r\n" + euro + "&#9731;";
        QTest::newRow("utf-8") << ".html" << head + kEmoji << QList<bool>{false, true} << 2 << true
                               << "<meta charset=\"utf-8\">\r\n" + kEmoji;
        QTest::newRow("neither") << ".html" << head + kEmoji << QList<bool>{false, false} << 2 << false
                                 << head + kEmoji;
        QTest::newRow("css has no references")
            << ".css" << "@charset \"iso-8859-1\";\r\na{content:\"" + kEmoji + "\"}" << QList<bool>{true} << 1 << true
            << "@charset \"utf-8\";\r\na{content:\"" + kEmoji + "\"}";
        QTest::newRow("nothing to ask") << ".html" << head + euro << QList<bool>{} << 0 << true << head + euro;
    }
    void settling()
    {
        QFETCH(QString, ext);
        QFETCH(QString, text);
        QFETCH(QList<bool>, answers);
        QFETCH(int, questions);
        QFETCH(bool, write);
        QFETCH(QString, after);
        QTextDocument doc;
        TDocText t(&doc);
        t.setText(text);
        t.setSelStart(t.Length());
        QStringList asked;
        const bool ok = settleDeclaredCharset(t, ext, TextEncoding::Cp1252, [&](const QString &q) {
            asked << q;
            return asked.size() <= answers.size() && answers[asked.size() - 1];
        });
        QCOMPARE(ok, write);
        QCOMPARE(asked.size(), questions);
        QCOMPARE(t.Text(), after);
        QCOMPARE(t.SelStart(), t.Length());   // the caret stays at the end it was at
        if (ok)
            QVERIFY(!decideDocumentCharset(t.Text(), ext, TextEncoding::Cp1252).ask);
    }

    // Through the document area: saved as declared, and read back the same.
    void utf8PageRoundTrip()
    {
        test::TempRoot root;
        test::TestHost host;
        ui::Script script;
        ui::setScript(&script);
        const QString path = root.file(QStringLiteral("side.html"));
        script.saveFileName = [&](const QString &, const QString &) { return path; };
        Twinform *w = host.openwin(QString(), QStringLiteral("*.html"));
        const QString text = QString::fromUtf8("<meta charset=\"utf-8\">\r\næøå€");
        w->text().setText(text);
        QVERIFY(host.documents()->Gem(w));
        QCOMPARE(test::readAll(path), text.toUtf8());
        QVERIFY(host.documents()->lukDokument(path));
        Twinform *again = host.openwin(path);
        // The closed window's memory may be reused, so its address proves nothing.
        QVERIFY(again);
        QCOMPARE(again->Filnavn, path);
        QCOMPARE(again->text().Text(), text);
        QVERIFY(!again->text().Modified());
        // Saved again unchanged: the same bytes, still without a mark.
        again->text().setModified(true);
        QVERIFY(host.documents()->Gem(again));
        QCOMPARE(test::readAll(path), text.toUtf8());
        QVERIFY(script.asked.isEmpty());
        ui::setScript(nullptr);
    }

    void emojiInWindows1252Page_data()
    {
        QTest::addColumn<QList<ui::Answer>>("answers");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<QByteArray>("bytes");   // empty: no file
        const QByteArray rest = "\r\nSmil ";
        QTest::newRow("references") << QList<ui::Answer>{ui::Answer::Ja} << true
                                    << "<meta charset=\"windows-1252\">" + rest + "&#128512; \xE6";
        QTest::newRow("utf-8") << QList<ui::Answer>{ui::Answer::Nej, ui::Answer::Ja} << true
                               << "<meta charset=\"utf-8\">" + rest + "\xF0\x9F\x98\x80 \xC3\xA6";
        QTest::newRow("neither") << QList<ui::Answer>{ui::Answer::Nej, ui::Answer::Nej} << false << QByteArray();
        QTest::newRow("box closed") << QList<ui::Answer>{ui::Answer::Ingen, ui::Answer::Ingen} << false
                                    << QByteArray();
    }
    void emojiInWindows1252Page()
    {
        QFETCH(QList<ui::Answer>, answers);
        QFETCH(bool, saved);
        QFETCH(QByteArray, bytes);
        test::TempRoot root;
        test::TestHost host;
        ui::Script script;
        script.answers = answers;
        ui::setScript(&script);
        const QString path = root.file(QStringLiteral("side.html"));
        script.saveFileName = [&](const QString &, const QString &) { return path; };
        Twinform *w = host.openwin(QString(), QStringLiteral("*.html"));
        w->text().setText(QString::fromUtf8("<meta charset=\"windows-1252\">\r\nSmil ") + kEmoji
                          + QString::fromUtf8(" æ"));
        QCOMPARE(host.documents()->Gem(w), saved);
        QCOMPARE(script.asked.size(), answers.size());
        QVERIFY(script.asked.first().contains(QStringLiteral("windows-1252")));
        QCOMPARE(w->text().Modified(), !saved);
        if (!saved) {
            QVERIFY(!QFileInfo::exists(path));
            QVERIFY(w->text().Text().contains(kEmoji));
        } else {
            QCOMPARE(test::readAll(path), bytes);
            // What the editor shows is what a new reading gives.
            QVERIFY(host.documents()->lukDokument(path));
            QCOMPARE(host.openwin(path)->text().Text(), decodeDeclaredDocument(bytes, QStringLiteral(".html")).text);
        }
        ui::setScript(nullptr);
    }
};

QTEST_MAIN(TestCharsetDecision)
#include "tst_charsetdecision.moc"
