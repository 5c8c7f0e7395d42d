// The find engine without widgets: every search and replace is held against
// the document windows' own walk (FindText, SelText) on the same text, files
// are read as a document window reads them, and a folder search passes over
// what it cannot read and goes on.
#include "core/rtf/rtfreader.h"
#include "core/text/doctext.h"
#include "core/text/charsetdecision.h"
#include "core/text/paths.h"
#include "core/text/textfile.h"
#include "filebox/findmotor.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

using namespace taglund;
using namespace taglund::test;

namespace {

using Rows = QList<TFundRaekke>;

// The walk as a document window does it, step by step through the text
// operations: find, put the caret there, replace, note the line, go on.
Rows referenceWalk(TDocText &doc, const QString &navn, const QString &f, FindOptions o, const QString *r)
{
    Rows rows;
    const int lenF = int(toEditorBreaks(f).size());
    const int lenR = r ? int(toEditorBreaks(*r).size()) : 0;
    int start = 0;
    while (true) {
        const int h = doc.FindText(f, start, doc.Length() - start + 1, o);
        if (h < 0)
            break;
        doc.setSelStart(h);
        if (r) {
            doc.setSelLength(lenF);
            doc.setSelText(*r);
        }
        rows.append({navn, h, doc.Line(doc.LineFromChar(h))});
        start = h + (r ? lenR : lenF);
    }
    return rows;
}

QString show(const Rows &rows)
{
    QStringList out;
    for (const TFundRaekke &r : rows)
        out << QStringLiteral("%1:%2").arg(r.position).arg(r.tekst);
    return out.join(QStringLiteral(" | "));
}

FindOptions opts(const QString &flags)
{
    FindOptions o;
    o.wholeWord = flags.contains(u'w');
    o.matchCase = flags.contains(u'c');
    return o;
}

QString fileIn(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    writeAll(path, bytes);
    return path;
}

} // namespace

class TstFindMotor : public QObject {
    Q_OBJECT
private slots:
    void searchAgreesWithTheDocumentWalk_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("find");
        QTest::addColumn<QString>("flags");     // w whole words, c match case
        QTest::addColumn<QString>("expected");  // position:line | ...
        QTest::newRow("twice on one line") << "ab ab\r\ncd" << "ab" << "" << "0:ab ab | 3:ab ab";
        QTest::newRow("CR LF counts one") << "x\r\ny\r\nab" << "ab" << "" << "4:ab";
        QTest::newRow("lone CR and LF") << "a\rb\nab" << "ab" << "" << "4:ab";
        QTest::newRow("whole word tag") << "tags tag" << "tag" << "w" << "5:tags tag";
        QTest::newRow("part of word") << "tags tag" << "tag" << "" << "0:tags tag | 5:tags tag";
        QTest::newRow("underscore is a word") << "my_tag tag" << "tag" << "w" << "7:my_tag tag";
        QTest::newRow("case folded") << "Tag TAG tag" << "tag" << "" << "0:Tag TAG tag | 4:Tag TAG tag | 8:Tag TAG tag";
        QTest::newRow("match case") << "Tag TAG tag" << "tag" << "c" << "8:Tag TAG tag";
        QTest::newRow("no overlap") << "aaaa" << "aa" << "" << "0:aaaa | 2:aaaa";
        QTest::newRow("Danish letters") << "Æble\r\næble" << "æble" << "" << "0:Æble | 5:æble";
        QTest::newRow("Kelvin sign folds") << QString(QChar(0x212A)) + "at kat" << "kat" << ""
                                           << QString("0:%1at kat | 4:%1at kat").arg(QChar(0x212A));
        QTest::newRow("text with a break") << "a\r\nb a b" << "a\r\nb" << "" << "0:a";
        QTest::newRow("no hit") << "abc" << "x" << "" << "";
        QTest::newRow("at the very end") << "x\r\n\r\nend" << "end" << "w" << "3:end";
    }
    void searchAgreesWithTheDocumentWalk()
    {
        QFETCH(QString, text);
        QFETCH(QString, find);
        QFETCH(QString, flags);
        QFETCH(QString, expected);
        QTextDocument qd;
        TDocText doc(&qd);
        doc.setText(text);
        const Rows ref = referenceWalk(doc, "d", find, opts(flags), nullptr);
        const Rows got = findITekst(TFindMoenster(find, opts(flags)), text, "d");
        QCOMPARE(show(got), show(ref));
        QCOMPARE(show(got), expected);
    }

    void replaceAgreesWithTheDocumentWalk_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("find");
        QTest::addColumn<QString>("replace");
        QTest::addColumn<QString>("flags");
        QTest::addColumn<QString>("after");
        QTest::newRow("a by aa ends") << "a a\r\na" << "a" << "aa" << "" << "aa aa\r\naa";
        QTest::newRow("empty replacement") << "xabxab\r\nab" << "ab" << "" << "" << "xx\r\n";
        QTest::newRow("shorter, same line") << "one one one" << "one" << "1" << "" << "1 1 1";
        QTest::newRow("whole word after a word replacement") << "-- -" << "-" << "a" << "w" << "a- a";
        QTest::newRow("whole word, empty replacement joins") << "-a-a" << "-a" << "" << "w" << "";
        QTest::newRow("replacement with a break") << "a;b;c" << ";" << "\r\n" << "" << "a\r\nb\r\nc";
        QTest::newRow("case folded") << "Ab aB" << "ab" << "X" << "" << "X X";
        QTest::newRow("over CR LF lines") << "q\r\nq\r\nq" << "q" << "qq" << "w" << "qq\r\nqq\r\nqq";
    }
    void replaceAgreesWithTheDocumentWalk()
    {
        QFETCH(QString, text);
        QFETCH(QString, find);
        QFETCH(QString, replace);
        QFETCH(QString, flags);
        QFETCH(QString, after);
        QTextDocument refDoc;
        TDocText ref(&refDoc);
        ref.setText(text);
        const Rows want = referenceWalk(ref, "d", find, opts(flags), &replace);
        QTextDocument ourDoc;
        TDocText ours(&ourDoc);
        ours.setText(text);
        ours.setSelStart(2);
        const Rows got = soegDokument(ours, "d", TFindMoenster(find, opts(flags)), &replace);
        QCOMPARE(show(got), show(want));
        QCOMPARE(ours.Text(), ref.Text());
        QCOMPARE(ours.Text(), after);
        QCOMPARE(ours.SelStart(), std::min(2, ours.Length()));  // the caret is put back
        QVERIFY(ours.Modified());
    }

    // The folded search agrees with Qt's case-insensitive compare on every
    // hit, letters outside ASCII that fold to ASCII ones included.
    void foldedSearchAgreesWithQt()
    {
        const QString alphabet = QStringLiteral("aAkKsSx\u212A\u017F\u00e6\u00c6\r\n ");
        quint32 seed = 7;
        auto next = [&seed](int n) {
            seed = seed * 1103515245u + 12345u;
            return int((seed >> 16) % quint32(n));
        };
        for (int round = 0; round < 400; ++round) {
            QString hay, needle;
            const int len = next(60);
            for (int i = 0; i < len; ++i)
                hay += alphabet[next(alphabet.size())];
            const int nlen = 1 + next(4);
            for (int i = 0; i < nlen; ++i)
                needle += QChar(u"aAkKsSx "[next(8)]);
            const TFindMoenster m(needle, {});
            QList<qsizetype> ours, qt;
            for (qsizetype h = m.naeste(hay, 0); h >= 0; h = m.naeste(hay, h + 1))
                ours << h;
            for (qsizetype h = hay.indexOf(needle, 0, Qt::CaseInsensitive); h >= 0;
                 h = hay.indexOf(needle, h + 1, Qt::CaseInsensitive))
                qt << h;
            QVERIFY2(ours == qt, qPrintable(needle + " in " + hay));
            // The byte test never rules out a file holding a hit.
            if (!qt.isEmpty())
                QVERIFY(m.kanIndeholde(hay.toUtf8()));
        }
    }

    void filesAreReadAsTheDocumentReaderReadsThem_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("find");
        QTest::addColumn<QString>("expected");
        QTest::newRow("UTF-8 letters count once") << "u.txt" << QByteArray("\xc3\xa6\xc3\xb8\xc3\xa5\r\nhit") << "hit" << "4:hit";
        QTest::newRow("Windows-1252") << "w.txt" << QByteArray("\xe6\xf8\xe5 hit\r\n") << "HIT" << "4:\u00e6\u00f8\u00e5 hit";
        QTest::newRow("UTF-8 mark") << "m.html" << QByteArray("\xef\xbb\xbfhit") << "hit" << "0:hit";
        QTest::newRow("UTF-16 with mark is text")
            << "s.txt" << QByteArray("\xff\xfe" "a\0\r\0\n\0h\0i\0t\0", 14) << "hit" << "2:hit";
        QTest::newRow("Kelvin sign in UTF-8") << "k.txt" << QByteArray("x \xe2\x84\xaa" "at") << "kat" << "2:x \u212Aat";
        // Valid UTF-8 bytes in a page declared Windows-1252 are read as the page says.
        QTest::newRow("declared windows-1252")
            << "d.html" << QByteArray("<meta charset=\"windows-1252\">\xc3\xa6 hit") << "\u00c3\u00a6"
            << "29:<meta charset=\"windows-1252\">\u00c3\u00a6 hit";
        QTest::newRow("RTF as its text")
            << "r.rtf" << QByteArray("{\\rtf1\\ansi {\\b hello}\\par w\\'e6rld}") << "w\u00e6rld" << "6:w\u00e6rld";
    }
    void filesAreReadAsTheDocumentReaderReadsThem()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, find);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        const QString path = fileIn(dir, name, bytes);
        Rows rows;
        QCOMPARE(soegFil(path, TFindMoenster(find, {}), rows), TFilUdfald::Laest);
        QCOMPARE(show(rows), expected);
        for (const TFundRaekke &r : rows)
            QCOMPARE(r.dokument, path);
        // The same characters stand at that position in a document holding the file.
        QTextDocument qd;
        TDocText doc(&qd);
        if (name.endsWith(".rtf"))
            QVERIFY(readRichDocument(bytes, &qd).readable);
        else
            doc.setText(toEditorBreaks(decodeDeclaredDocument(bytes, extensionOf(path)).text));
        for (const TFundRaekke &r : rows)
            QCOMPARE(doc.TextRange(r.position, r.position + int(find.size())).toLower(), find.toLower());
    }

    void filesPassedOver_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("udfald");
        QTest::newRow("NUL early") << QByteArray("abc\0def hit", 11) << int(TFilUdfald::Binaer);
        QTest::newRow("NUL after 8 KB") << QByteArray(9000, 'a') + QByteArray("\0 hit", 5) << int(TFilUdfald::Laest);
    }
    void filesPassedOver()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, udfald);
        QTemporaryDir dir;
        Rows rows;
        QCOMPARE(int(soegFil(fileIn(dir, "f.txt", bytes), TFindMoenster("hit", {}), rows)), udfald);
    }

    void folderSearchSkipsAndGoesOn()
    {
        QTemporaryDir dir;
        fileIn(dir, "a.txt", "hit one");
        fileIn(dir, "b.bin", QByteArray("hit\0", 4));
        QFile::link(dir.filePath("gone"), dir.filePath("c.txt"));   // cannot be read
        QFile big(dir.filePath("d.txt"));
        QVERIFY(big.open(QIODevice::WriteOnly));
        QVERIFY(big.resize(kStoersteFil + 1));
        big.close();
        fileIn(dir, "e.TXT", "x\r\nhit");
        fileIn(dir, "sub/f.txt", "hit in sub");
        fileIn(dir, ".skjult/g.txt", "hit hidden");

        TMappeSoegning s(dir.path() + "/", "*.*", false, TFindMoenster("hit", {}));
        QVERIFY(s.mappeFindes());
        QCOMPARE(s.filerIalt(), 5);
        Rows rows;
        s.resten(rows);
        QCOMPARE(s.sprunget(), 3);
        QCOMPARE(show(rows), QString("0:hit one | 2:hit"));
        QCOMPARE(rows[1].dokument, dir.filePath("e.TXT"));

        TMappeSoegning txt(dir.path(), "*.txt", true, TFindMoenster("hit", {}));
        Rows sub;
        txt.resten(sub);
        QStringList docs;
        for (const TFundRaekke &r : sub)
            docs << QDir(dir.path()).relativeFilePath(r.dokument);
        QCOMPARE(docs, QStringList({"a.txt", "e.TXT", "sub/f.txt"}));
    }

    void filterPatterns_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<bool>("passes");
        QTest::newRow("all") << "noext" << "*.*" << true;
        QTest::newRow("extension any case") << "INDEX.HTML" << "*.html" << true;
        QTest::newRow("other extension") << "index.htm" << "*.html" << false;
        QTest::newRow("wildcard") << "side1.html" << "side?.html" << true;
    }
    void filterPatterns()
    {
        QFETCH(QString, name);
        QFETCH(QString, filter);
        QFETCH(bool, passes);
        QCOMPARE(passerFilter(name, filter), passes);
    }

    void missingFolderFindsNothing()
    {
        TMappeSoegning s("/no/such/folder/", "*.*", false, TFindMoenster("x", {}));
        QVERIFY(!s.mappeFindes());
        QCOMPARE(s.filerIalt(), 0);
    }
};

QTEST_MAIN(TstFindMotor)
#include "tst_findmotor.moc"
