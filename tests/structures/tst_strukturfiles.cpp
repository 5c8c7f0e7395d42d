// Reading and writing the tree file and the data file.
#include "structures/strukturtesthelp.h"

#include <QtTest>

using namespace taglund;
using namespace taglund::test;

class TestStrukturFiles : public QObject {
    Q_OBJECT
    QTemporaryDir m_tmp;

private slots:
    void goldenRoundTrip_data()
    {
        QTest::addColumn<QString>("tree");
        QTest::addColumn<QString>("data");
        QTest::addColumn<int>("nodes");
        QTest::addColumn<int>("roots");
        QTest::newRow("one root two children") << "golden/three/struktur.txt" << "golden/three/data.txt" << 3 << 1;
        QTest::newRow("forest with Danish letters") << "golden/forest/struktur.txt" << "golden/forest/data.txt" << 8 << 3;
        QTest::newRow("object structure") << "golden/objekt/ObjStruktur.txt" << "golden/objekt/ObjData.txt" << 4 << 1;
        QTest::newRow("unsorted") << "golden/sort/struktur.txt" << "golden/sort/data.txt" << 8 << 2;
    }
    void goldenRoundTrip()
    {
        QFETCH(QString, tree);
        QFETCH(QString, data);
        QFETCH(int, nodes);
        QFETCH(int, roots);
        const QString src = QStringLiteral(TAGLUND_TESTDATA "/");
        TStruktur s;
        s.Strukturfile = src + tree;
        s.Datafile = src + data;
        s.DataOn = true;
        QVERIFY(s.HentStruktur());
        QCOMPARE(s.Count(), nodes);
        QCOMPARE(s.tree().rootCount(), roots);
        QCOMPARE(s.madeUpDataLines(), 0);
        QVERIFY(!s.Modified());

        s.Strukturfile = m_tmp.filePath("out/t.txt");
        s.Datafile = m_tmp.filePath("out/d.txt");
        QDir().mkpath(m_tmp.filePath("out"));
        QVERIFY(s.GemStruktur());
        QCOMPARE(readAll(s.Strukturfile), readAll(src + tree));
        QCOMPARE(readAll(s.Datafile), readAll(src + data));
    }

    void readingTree_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("tooDeep");
        QTest::newRow("depths 0 1 1") << QByteArray("A\r\n\tB\r\n\tC\r\n") << "A;>B;>C" << 0;
        QTest::newRow("blank counts as a level") << QByteArray("A\r\n B\r\n \tC\r\n") << "A;>B;>>C" << 0;
        QTest::newRow("first line always a root") << QByteArray("\t\tA\r\n\tB\r\n") << "A;>B" << 0;
        QTest::newRow("too deep is one level deeper") << QByteArray("A\r\n\t\t\tB\r\n\t\tC\r\n")
                                                       << "A;>B;>>C" << 1;
        QTest::newRow("shallower by many") << QByteArray("A\r\n\tB\r\n\t\tC\r\n\t\t\tD\r\nE\r\n")
                                            << "A;>B;>>C;>>>D;E" << 0;
        QTest::newRow("LF only") << QByteArray("A\n\tB\n") << "A;>B" << 0;
        QTest::newRow("no final break") << QByteArray("A\r\n\tB") << "A;>B" << 0;
        QTest::newRow("utf8 mark") << QByteArray("\xEF\xBB\xBF\xC3\xA6" "ble\r\n\t\xC3\xB8\r\n")
                                   << QString::fromUtf8("æble;>ø") << 0;
        QTest::newRow("cp1252") << QByteArray("\xE6" "ble\r\n\t\x80\r\n") << QString::fromUtf8("æble;>€") << 0;
        QTest::newRow("empty file") << QByteArray() << "" << 0;
        QTest::newRow("empty line keeps its place") << QByteArray("A\r\n\r\n\tB\r\n") << "A;;>B" << 0;
        QTest::newRow("leading blanks read as indentation") << QByteArray("A\r\n\t  B\r\n") << "A;>B" << 1;
    }
    void readingTree()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        QFETCH(int, tooDeep);
        const QString path = m_tmp.filePath("read.txt");
        writeAll(path, bytes);
        TStrukturTree tree;
        StrukturCodec::TreeReport report;
        QVERIFY(StrukturCodec::readTreeFile(path, tree, &report));
        QCOMPARE(dump(tree), expected);
        QCOMPARE(report.tooDeep, tooDeep);
    }

    // A short or damaged data file must neither crash nor shift later lines.
    void damagedData_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("madeUp");
        QTest::newRow("complete") << QByteArray("4Window\r\n1b\r\n2c\r\n") << "A=4Window;>B=1b;>C=2c" << 0;
        QTest::newRow("short") << QByteArray("4Window\r\n") << "A=4Window;>B=0B;>C=0C" << 2;
        QTest::newRow("empty file") << QByteArray() << "A=0A;>B=0B;>C=0C" << 3;
        QTest::newRow("empty line in the middle") << QByteArray("4a\r\n\r\n2c\r\n") << "A=4a;>B=0B;>C=2c" << 1;
        QTest::newRow("not a digit") << QByteArray("4a\r\nxb\r\n2c\r\n") << "A=4a;>B=0B;>C=2c" << 1;
        QTest::newRow("digit only") << QByteArray("4\r\n0\r\n9\r\n") << "A=4;>B=0;>C=9" << 0;
        QTest::newRow("extra lines ignored") << QByteArray("1a\r\n1b\r\n1c\r\n1d\r\n") << "A=1a;>B=1b;>C=1c" << 0;
        QTest::newRow("non-ASCII digit is no icon") << QByteArray("\xB2x\r\n1b\r\n1c\r\n") << "A=0A;>B=1b;>C=1c" << 1;
    }
    void damagedData()
    {
        QFETCH(QByteArray, data);
        QFETCH(QString, expected);
        QFETCH(int, madeUp);
        const QString dir = m_tmp.filePath(QString("damaged_%1").arg(QTest::currentDataTag()));
        TStruktur s;
        setupInfo(s, dir, {"A", "\tB", "\tC"}, nullptr);
        writeAll(s.Datafile, data);
        QVERIFY(s.HentStruktur());
        QCOMPARE(dump(s.tree()), expected);
        QCOMPARE(s.madeUpDataLines(), madeUp);
        for (TStrukturNode *n : s.tree().preorder())
            QCOMPARE(n->icon, n->data[0].unicode() - u'0');
    }

    void missingDataFile_data()
    {
        QTest::addColumn<bool>("information");
        QTest::newRow("information structure") << true;
        QTest::newRow("object structure") << false;
    }
    void missingDataFile()
    {
        QFETCH(bool, information);
        const QString dir = m_tmp.filePath(information ? "Struktur/Ny" : "Script");
        TStruktur s;
        setupInfo(s, dir, {"Rod", "\tWindow"}, nullptr);
        if (!information) {
            s.Strukturfile = dir + "/NyStruktur.txt";
            s.Datafile = dir + "/NyData.txt";
            s.Infomappe.clear();
            writeAll(s.Strukturfile, crlf({"Rod", "\tWindow"}));
        }
        QVERIFY(s.HentStruktur());
        QCOMPARE(dump(s.tree()), QString("Rod=0Rod;>Window=0Window"));
        QCOMPARE(s.Node(1)->icon, 0);
        QCOMPARE(QFileInfo::exists(s.Datafile), information);
        if (information)
            QCOMPARE(readAll(s.Datafile), QByteArray("0Rod\r\n0Window\r\n"));
    }

    void emptyTreeWithoutDataFileWritesNothing()
    {
        const QString dir = m_tmp.filePath("emptytree");
        TStruktur s;
        setupInfo(s, dir, {}, nullptr);
        QVERIFY(s.HentStruktur());
        QCOMPARE(s.Count(), 0);
        QVERIFY(!QFileInfo::exists(s.Datafile));
    }

    void missingTreeFileEmptiesTheTree()
    {
        const QString dir = m_tmp.filePath("gone");
        TStruktur s;
        setupInfo(s, dir, {"A"}, nullptr);
        QVERIFY(s.HentStruktur());
        QCOMPARE(s.Count(), 1);
        QFile::remove(s.Strukturfile);
        QVERIFY(!s.HentStruktur());
        QCOMPARE(s.Count(), 0);
        QVERIFY(!s.Modified());
    }

    void withoutDataOnlyTheTree()
    {
        const QString dir = m_tmp.filePath("nodata");
        TStruktur s;
        QStringList data{"5x", "6y"};
        setupInfo(s, dir, {"A", "\tB"}, &data);
        s.DataOn = false;
        QVERIFY(s.HentStruktur());
        QCOMPARE(dump(s.tree()), QString("A;>B"));
        QCOMPARE(s.Node(0)->icon, -1);
        QCOMPARE(s.SelectedData(), QString());
        QFile::remove(s.Datafile);
        QVERIFY(s.GemStruktur());
        QVERIFY(!QFileInfo::exists(s.Datafile));
    }

    void saveRefusals_data()
    {
        QTest::addColumn<bool>("treePath");
        QTest::addColumn<bool>("dataPath");
        QTest::addColumn<bool>("dataOn");
        QTest::addColumn<bool>("result");
        QTest::newRow("no tree path") << false << true << true << false;
        QTest::newRow("data on without data path") << true << false << true << false;
        QTest::newRow("data off without data path") << true << false << false << true;
        QTest::newRow("both paths") << true << true << true << true;
    }
    void saveRefusals()
    {
        QFETCH(bool, treePath);
        QFETCH(bool, dataPath);
        QFETCH(bool, dataOn);
        QFETCH(bool, result);
        QTemporaryDir dir;
        TStruktur s;
        s.DataOn = dataOn;
        s.NyNode("A", "a", 1, false, false);
        QVERIFY(s.Modified());
        if (treePath)
            s.Strukturfile = dir.filePath("t.txt");
        if (dataPath)
            s.Datafile = dir.filePath("d.txt");
        QCOMPARE(s.GemStruktur(), result);
        QCOMPARE(s.Modified(), !result);
        QCOMPARE(QFileInfo::exists(dir.filePath("t.txt")), result);
        QCOMPARE(QFileInfo::exists(dir.filePath("d.txt")), result && dataOn && dataPath);
    }

    // A tree file that cannot be written leaves the old pair of files as it was.
    void failedTreeWriteKeepsThePair()
    {
        const QString dir = m_tmp.filePath("readonly");
        TStruktur s;
        QStringList data{"1a"};
        setupInfo(s, dir, {"A"}, &data);
        QVERIFY(s.HentStruktur());
        s.NyNode("B", "b", 2, false, false);
        s.Strukturfile = dir + "/missing folder/struktur.txt";
        QVERIFY(!s.GemStruktur());
        QVERIFY(s.Modified());
        QCOMPARE(readAll(s.Datafile), QByteArray("1a\r\n"));
    }

    void hugeAndDeepTrees()
    {
        QStringList lines;
        for (int i = 0; i < 3000; ++i)
            lines << QString(i, u'\t') + QString("n%1").arg(i);
        for (int i = 0; i < 20000; ++i)
            lines << QString("\t%1").arg(i);
        const QString dir = m_tmp.filePath("huge");
        TStruktur s;
        setupInfo(s, dir, lines, nullptr);
        QElapsedTimer t;
        t.start();
        QVERIFY(s.HentStruktur());
        QCOMPARE(s.Count(), 23000);
        QVERIFY(s.GemStruktur());
        QCOMPARE(readAll(s.Strukturfile), crlf(lines));
        QVERIFY2(t.elapsed() < 20000, "loading and saving a large structure is too slow");
    }
};

QTEST_GUILESS_MAIN(TestStrukturFiles)
#include "tst_strukturfiles.moc"
