#include "core/text/cp1252.h"
#include "core/text/paths.h"
#include "core/text/textfile.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QtTest>

using namespace taglund;

class TestTextFile : public QObject {
    Q_OBJECT
private slots:
    void everyByteRoundTrips()
    {
        QByteArray all;
        for (int i = 0; i < 256; ++i)
            all.append(char(i));
        const QString s = Cp1252::decode(all);
        QCOMPARE(s.size(), 256);
        bool lossless = false;
        QCOMPARE(Cp1252::encode(s, &lossless), all);
        QVERIFY(lossless);
    }

    void knownCharacters_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ae euro") << QString::fromUtf8("æ€") << QByteArray("\xE6\x80");
        QTest::newRow("danish") << QString::fromUtf8("ÆØÅæøå") << QByteArray("\xC6\xD8\xC5\xE6\xF8\xE5");
        QTest::newRow("quotes") << QString::fromUtf8("“”‘’…–—") << QByteArray("\x93\x94\x91\x92\x85\x96\x97");
        QTest::newRow("outside") << QString::fromUtf8("a☃b") << QByteArray("a?b");
        QTest::newRow("surrogate pair") << QString::fromUtf8("a😀b") << QByteArray("a?b");
    }
    void knownCharacters()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(Cp1252::encode(text), bytes);
        if (!bytes.contains('?'))
            QCOMPARE(Cp1252::decode(bytes), text);
        QCOMPARE(Cp1252::canEncode(text), !bytes.contains('?'));
    }

    void decoding_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("document");
        QTest::addColumn<int>("docEncoding");
        const QString ae = QString::fromUtf8("æ");
        QTest::newRow("plain ascii") << QByteArray("abc") << "abc" << "abc" << int(TextEncoding::Cp1252);
        QTest::newRow("cp1252") << QByteArray("\xE6") << ae << ae << int(TextEncoding::Cp1252);
        QTest::newRow("utf8 no mark") << QByteArray("\xC3\xA6") << QString::fromUtf8("Ã¦") << ae
                                      << int(TextEncoding::Utf8);
        QTest::newRow("utf8 mark") << QByteArray("\xEF\xBB\xBF\xC3\xA6") << ae << ae << int(TextEncoding::Utf8Bom);
        QTest::newRow("utf16le") << QByteArray("\xFF\xFE\xE6\x00", 4) << ae << ae << int(TextEncoding::Utf16LE);
        QTest::newRow("utf16be") << QByteArray("\xFE\xFF\x00\xE6", 4) << ae << ae << int(TextEncoding::Utf16BE);
        QTest::newRow("broken utf8") << QByteArray("\xC3\x28") << QString::fromUtf8("Ã(")
                                     << QString::fromUtf8("Ã(") << int(TextEncoding::Cp1252);
        QTest::newRow("overlong") << QByteArray("\xC0\xAF") << QString::fromUtf8("À¯")
                                  << QString::fromUtf8("À¯") << int(TextEncoding::Cp1252);
        QTest::newRow("truncated") << QByteArray("a\xE2\x82") << QString::fromUtf8("aâ‚")
                                   << QString::fromUtf8("aâ‚") << int(TextEncoding::Cp1252);
    }
    void decoding()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, settings);
        QFETCH(QString, document);
        QFETCH(int, docEncoding);
        QCOMPARE(TextFile::decodeSettings(bytes).text, settings);
        const DecodedText d = TextFile::decodeDocument(bytes);
        QCOMPARE(d.text, document);
        QCOMPARE(int(d.encoding), docEncoding);
        // Whatever was read is written back to the same bytes.
        QCOMPARE(TextFile::encode(d.text, d.encoding), bytes);
    }

    void saveEncoding()
    {
        QCOMPARE(TextFile::encodingForSave(QString::fromUtf8("æ€"), TextEncoding::Cp1252), TextEncoding::Cp1252);
        QCOMPARE(TextFile::encodingForSave(QString::fromUtf8("☃"), TextEncoding::Cp1252), TextEncoding::Utf8Bom);
        QCOMPARE(TextFile::encodingForSave(QString::fromUtf8("☃"), TextEncoding::Utf8), TextEncoding::Utf8);
    }

    void splitting_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty") << "" << QStringList{};
        QTest::newRow("crlf") << "a\r\nb\r\n" << QStringList{"a", "b"};
        QTest::newRow("no final break") << "a\r\nb" << QStringList{"a", "b"};
        QTest::newRow("lf and cr") << "a\nb\rc" << QStringList{"a", "b", "c"};
        QTest::newRow("empty lines") << "\r\n\r\nx" << QStringList{"", "", "x"};
    }
    void splitting()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(TextFile::splitLines(text), lines);
    }

    void writeAndReadLines()
    {
        test::TempRoot root;
        const QString f = root.file("x.txt");
        QVERIFY(TextFile::writeLines(f, {QString::fromUtf8("æ"), "", "3"}));
        QCOMPARE(test::readAll(f), QByteArray("\xE6\r\n\r\n3\r\n"));
        QStringList back;
        QVERIFY(TextFile::readLines(f, back));
        QCOMPARE(back, (QStringList{QString::fromUtf8("æ"), "", "3"}));
    }

    void failedWriteKeepsOldFile()
    {
        test::TempRoot root;
        const QString dir = root.file("ro");
        QDir().mkpath(dir);
        const QString f = dir + "/x.txt";
        QVERIFY(TextFile::writeLines(f, {"old"}));
        QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner);
        QString error;
        const bool ok = TextFile::writeLines(f, {"new"}, &error);
        QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (ok)
            QSKIP("running with rights that ignore folder permissions");
        QVERIFY(!error.isEmpty());
        QCOMPARE(test::readAll(f), QByteArray("old\r\n"));
        QCOMPARE(QDir(dir).entryList(QDir::Files), QStringList{"x.txt"});
    }

    void readerStopsAtFirstBadLine()
    {
        SettingsReader r({"Sky", "1080", "x", "5"});
        QString s;
        int a = 0, b = 7, c = 9;
        QVERIFY(r.text(s));
        QVERIFY(r.number(a));
        QVERIFY(!r.number(b));
        QVERIFY(!r.number(c));   // stays failed even though "5" is a number
        QCOMPARE(s, QString("Sky"));
        QCOMPARE(a, 1080);
        QCOMPARE(b, 7);
        QCOMPARE(c, 9);
        QVERIFY(!r.ok());

        SettingsReader shortFile({"1"});
        bool f1 = false, f2 = true;
        QVERIFY(shortFile.flag(f1));
        QVERIFY(!shortFile.flag(f2));
        QVERIFY(f1);
        QVERIFY(f2);
        QVERIFY(!SettingsReader::fromFile("/nonexistent/x").ok());
    }

    void writerKeepsOneValuePerLine()
    {
        SettingsWriter w;
        w.text("a\r\nb").number(-3).flag(true).flag(false);
        QCOMPARE(w.lines(), (QStringList{"a  b", "-3", "1", "0"}));
    }

    void joiningPaths_data()
    {
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("rel");
        QTest::addColumn<QString>("joined");
        QTest::newRow("backslash") << "/r" << "\\Program\\" << "/r/Program/";
        QTest::newRow("slash") << "/r/" << "/css.txt" << "/r/css.txt";
        QTest::newRow("mixed") << "/r\\Program\\" << "Dir\\Html\\" << "/r/Program/Dir/Html/";
        QTest::newRow("doubled") << "/r//a" << "//b" << "/r/a/b";
        QTest::newRow("empty rel") << "/r/" << "" << "/r/";
    }
    void joiningPaths()
    {
        QFETCH(QString, base);
        QFETCH(QString, rel);
        QFETCH(QString, joined);
        QCOMPARE(joinPath(base, rel), joined);
        QVERIFY(!joinPath(base, rel).contains("//"));
    }

    void pathParts()
    {
        QCOMPARE(fileNameOf("/a/b.c/d.html"), QString("d.html"));
        QCOMPARE(folderOf("/a/b.c/d"), QString("/a/b.c/"));
        QCOMPARE(extensionOf("/a/b.c/d"), QString());
        QCOMPARE(extensionOf("C:\\x\\side.HTML"), QString(".HTML"));
        QCOMPARE(withoutTrailingSeparator("/a/b//"), QString("/a/b"));
        QCOMPARE(withoutTrailingSeparator("/"), QString("/"));
        QVERIFY(samePath("/tmp/x/../A.html", "/tmp/A.html"));
        QVERIFY(!samePath("/tmp/A.html", "/tmp/a.html"));
        for (const char *bad : {"", " ", ".", "..", "a/b", "a\\b", "c:x"})
            QVERIFY2(!isSafeFileName(bad), bad);
        QVERIFY(isSafeFileName("a.txt"));
    }

    void rootFromEnvironment()
    {
        test::TempRoot root;
        QCOMPARE(installRoot(), root.path());
    }
};

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
