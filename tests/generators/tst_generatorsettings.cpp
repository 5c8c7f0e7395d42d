// "skema.txt" and "liste.txt": what is read from whole, short, broken and
// out-of-range files, and that what is written reads back the same.
#include "core/text/textfile.h"
#include "generators/listegenerator.h"
#include "generators/skemagenerator.h"
#include "support/testsupport.h"

#include <QDir>
#include <QtTest>

using namespace taglund;
using namespace taglund::test;

Q_DECLARE_METATYPE(TSkemaIndstillinger)
Q_DECLARE_METATYPE(TListeIndstillinger)

namespace {

QString fil(const TempRoot &root, const QStringList &lines)
{
    const QString path = root.file(QStringLiteral("indstillinger.txt"));
    if (!lines.isEmpty() && lines.first() != u"<ingen fil>")
        writeAll(path, TextFile::encode(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"),
                                        TextEncoding::Cp1252));
    return path;
}

} // namespace

class TestGeneratorSettings : public QObject {
    Q_OBJECT
private slots:
    void skema_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<TSkemaIndstillinger>("expected");
        const TSkemaIndstillinger std;
        QTest::newRow("no file") << QStringList{"<ingen fil>"} << std;

        TSkemaIndstillinger all;
        all.top = 120;
        all.left = 340;
        all.valg = {QStringLiteral("6"), true, QString(), QStringLiteral("2"), true, QStringLiteral("5"), false,
                    QStringLiteral("1"), true, QStringLiteral("3"), true, false, true, false, false, false};
        QTest::newRow("whole file") << QStringList{"120", "340", "1", "0", "1", "1", "1", "0", "1", "0", "0", "0",
                                                   "2", "5", "1", "6", "3"}
                                    << all;

        TSkemaIndstillinger partial = std;
        partial.top = 20;
        partial.left = 30;
        partial.valg.theadCheck = true;
        QTest::newRow("stops at a word") << QStringList{"20", "30", "1", "ja", "1"} << partial;
        QTest::newRow("stops where the file ends") << QStringList{"20", "30", "1"} << partial;

        TSkemaIndstillinger range = std;
        range.valg.kolonnerEdit = QStringLiteral("4");  // 250000 is no count the box can hold
        range.valg.colEdit = QStringLiteral("2");
        range.valg.theadEdit = QString();               // an emptied field stays empty
        QTest::newRow("counts out of range")
            << QStringList{"8", "8", "0", "0", "0", "0", "0", "0", "0", "1", "1", "1", "", "1", "0", "250000", "2"}
            << range;

        TSkemaIndstillinger badCount = std;
        badCount.valg.theadEdit = QStringLiteral("3");
        QTest::newRow("a count that is not a number ends the reading")
            << QStringList{"8", "8", "0", "0", "0", "0", "0", "0", "0", "1", "1", "1", "3", "x1", "9", "9", "9"}
            << badCount;
    }

    void skema()
    {
        QFETCH(QStringList, lines);
        QFETCH(TSkemaIndstillinger, expected);
        TempRoot root;
        const TSkemaIndstillinger got = laesSkemaIndstillinger(fil(root, lines));
        QCOMPARE(got.top, expected.top);
        QCOMPARE(got.left, expected.left);
        QVERIFY(got.valg == expected.valg);
        // What is written reads back the same, in seventeen lines.
        const QString again = root.file(QStringLiteral("igen.txt"));
        QVERIFY(gemSkemaIndstillinger(again, got));
        QCOMPARE(skemaIndstillingsLinjer(got).size(), 17);
        const TSkemaIndstillinger back = laesSkemaIndstillinger(again);
        QCOMPARE(back.top, got.top);
        QVERIFY(back.valg == got.valg);
    }

    void liste_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<TListeIndstillinger>("expected");
        const TListeIndstillinger std;
        QTest::newRow("no file") << QStringList{"<ingen fil>"} << std;

        TListeIndstillinger all;
        all.top = 50;
        all.left = 60;
        all.valg = {3, QStringLiteral("12"), QStringLiteral("4"), false, false};
        QTest::newRow("whole file") << QStringList{"50", "60", "0", "0", "3", "12", "4"} << all;

        TListeIndstillinger typeOut = std;
        typeOut.valg.listeAntalEdit = QStringLiteral("2");
        QTest::newRow("type index past the last") << QStringList{"8", "8", "1", "1", "9", "2", "0"} << typeOut;
        QTest::newRow("negative type index") << QStringList{"8", "8", "1", "1", "-1", "2", "0"} << typeOut;

        TListeIndstillinger big = std;
        big.valg.listeType = 1;
        big.valg.listeAntalEdit = QStringLiteral("0");
        big.valg.listeOptgroupEdit = QStringLiteral("7");
        QTest::newRow("count out of range") << QStringList{"8", "8", "1", "1", "1", "1000000", "7"} << big;

        TListeIndstillinger shortFile = std;
        shortFile.valg.listeStyleSelCheck = false;
        QTest::newRow("short file") << QStringList{"8", "8", "0"} << shortFile;
    }

    void liste()
    {
        QFETCH(QStringList, lines);
        QFETCH(TListeIndstillinger, expected);
        TempRoot root;
        const TListeIndstillinger got = laesListeIndstillinger(fil(root, lines));
        QCOMPARE(got.top, expected.top);
        QCOMPARE(got.left, expected.left);
        QCOMPARE(got.valg.listeType, expected.valg.listeType);
        QCOMPARE(got.valg.listeAntalEdit, expected.valg.listeAntalEdit);
        QCOMPARE(got.valg.listeOptgroupEdit, expected.valg.listeOptgroupEdit);
        QCOMPARE(got.valg.listeStyleKodeCheck, expected.valg.listeStyleKodeCheck);
        QCOMPARE(got.valg.listeStyleSelCheck, expected.valg.listeStyleSelCheck);
        const QString again = root.file(QStringLiteral("igen.txt"));
        QVERIFY(gemListeIndstillinger(again, got));
        QCOMPARE(listeIndstillingsLinjer(got).size(), 7);
        QVERIFY(laesListeIndstillinger(again).valg == got.valg);
    }
};

QTEST_MAIN(TestGeneratorSettings)
#include "tst_generatorsettings.moc"
