// The analyser's behaviour line by line, one folder per case under
// data/cases, and a whole administrative script kept as a golden outcome.
#include "scriptcases.h"

#include <QtTest>

using namespace taglund;
using namespace taglund::test;

class TestLineAnalysis : public QObject {
    Q_OBJECT
    TStruktur m_values;

private slots:
    void initTestCase()
    {
        QVERIFY2(loadPair(m_values, shippedScriptDir(), "Values"), "the shipped values structure did not load");
    }

    void cases_data()
    {
        QTest::addColumn<QString>("folder");
        const QDir dir(QStringLiteral(TAGLUND_TESTDATA "/cases"));
        const QStringList names = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        QVERIFY(names.size() > 10);
        for (const QString &n : names)
            QTest::newRow(qPrintable(n)) << dir.filePath(n);
    }
    void cases()
    {
        QFETCH(QString, folder);
        const QString diff = compareWithExpected(joinPath(folder, "expected.txt"), runCase(folder, m_values));
        QVERIFY2(diff.isEmpty(), qPrintable(diff));
    }

    // A realistic script read once by hand; any change in its explanation is a change in behaviour.
    void golden_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("admin") << QStringLiteral(TAGLUND_TESTDATA "/golden/admin");
        QTest::newRow("admin errors only") << QStringLiteral(TAGLUND_TESTDATA "/golden/adminfejl");
    }
    void golden()
    {
        QFETCH(QString, folder);
        const QString diff = compareWithExpected(joinPath(folder, "expected.txt"), runCase(folder, m_values));
        QVERIFY2(diff.isEmpty(), qPrintable(diff));
    }
};

QTEST_MAIN(TestLineAnalysis)
#include "tst_lineanalysis.moc"
