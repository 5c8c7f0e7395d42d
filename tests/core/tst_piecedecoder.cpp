// A large file is decoded a piece at a time as it goes into its document.
// Whatever the encoding and wherever the pieces are cut, the pieces joined
// must be exactly what decoding the whole file gives, with the same
// line-end style and separator masking; each row is cut at several sizes
// so that cuts fall inside characters, marks and CR LF pairs.
#include "core/text/charsetdecision.h"
#include "core/text/doctext.h"
#include "core/text/piecedecoder.h"

#include <QtTest>

using namespace taglund;

namespace {

QByteArray utf16(const QString &s, bool littleEndian, bool mark)
{
    QByteArray b;
    auto put = [&](char16_t c) {
        const char lo = char(c & 0xFF), hi = char(c >> 8);
        b.append(littleEndian ? lo : hi);
        b.append(littleEndian ? hi : lo);
    };
    if (mark)
        put(0xFEFF);
    for (QChar c : s)
        put(c.unicode());
    return b;
}

} // namespace

class TstPieceDecoder : public QObject {
    Q_OBJECT
private slots:
    void piecesJoinToTheWholeFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("ext");
        const QString mixed = QStringLiteral("æøå €\r\n<p>\u2028x</p>\n\rslut 😀\r\n");
        QTest::newRow("empty") << QByteArray() << "txt";
        QTest::newRow("mark only") << QByteArray("\xEF\xBB\xBF") << "html";
        QTest::newRow("windows-1252 high bytes, CR LF")
            << QByteArray("a\x80\x9F\xE6\r\nb\xF8\r\n\r\nc") << "txt";
        QTest::newRow("utf-8 without mark, characters across cuts") << mixed.toUtf8() << "html";
        QTest::newRow("utf-8 with mark") << QByteArray("\xEF\xBB\xBF") + mixed.toUtf8() << "css";
        QTest::newRow("two marks") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF") + mixed.toUtf8() << "txt";
        QTest::newRow("utf-8 mark, broken sequence before LF")
            << QByteArray("\xEF\xBB\xBFa\xE2\x80\nb\xC3\r\nc") << "txt";
        QTest::newRow("utf-16 LE") << utf16(mixed, true, true) << "txt";
        QTest::newRow("utf-16 BE, odd last byte") << utf16(mixed, false, true) + 'x' << "txt";
        QTest::newRow("LF most") << QByteArray("a\nb\nc\r\nd\n") << "js";
        QTest::newRow("lone CR most") << QByteArray("a\rb\rc\r\nd\r") << "txt";
        QTest::newRow("separators masked")
            << QStringLiteral("a\u2028b\r\nc\u2029d\r\n").toUtf8() << "txt";
        QTest::newRow("stand-ins in the file: nothing masked")
            << QStringLiteral("a\u2028b\r\n\uF8E8\r\nc").toUtf8() << "txt";
        QTest::newRow("declared windows-1252, utf-8 bytes")
            << QByteArray("<meta charset=\"windows-1252\">\r\n\xC3\xA6\xC3\xB8\r\n") << "html";
        QTest::newRow("declared utf-8, ASCII only")
            << QByteArray("<meta charset=\"utf-8\">\r\n<p>x</p>\r\n") << "html";
    }

    void piecesJoinToTheWholeFile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, ext);
        const DecodedText whole = decodeDeclaredDocument(bytes, ext);
        bool masked = false;
        const QString expected = toEditorBreaks(maskSeparators(whole.text, &masked));
        const TextEncoding encoding = declaredDocumentEncoding(bytes, ext);
        QCOMPARE(encoding, whole.encoding);
        for (qsizetype size : {1, 2, 3, 5, 1 << 20}) {
            TPieceDecoder pieces(bytes, encoding, size);
            QString joined;
            int lastPercent = -1;
            while (!pieces.atEnd()) {
                const QString piece = pieces.next();
                QVERIFY2(!piece.isEmpty() || bytes.size() % 2, "a piece holds something");
                joined += piece;
                QVERIFY(pieces.percentRead() >= lastPercent);
                lastPercent = pieces.percentRead();
            }
            QCOMPARE(joined, expected);
            QCOMPARE(pieces.lineEnd(), TextFile::lineEndOf(whole.text));
            QCOMPARE(pieces.masked(), masked);
        }
        TPieceDecoder once(bytes, encoding);
        QCOMPARE(once.rest(), expected);
        QVERIFY(once.atEnd());
        QCOMPARE(once.percentRead(), 100);
    }
};

QTEST_GUILESS_MAIN(TstPieceDecoder)
#include "tst_piecedecoder.moc"
