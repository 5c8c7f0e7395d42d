// The CSS lists shipped in data/Program: every group, property and value
// file the browser reads is there, and every standard CSS property is in
// exactly one group.
#include "core/text/textfile.h"
#include "css/cssviden.h"
#include "support/testsupport.h"

#include <QDir>
#include <QSet>
#include <QtTest>

using namespace taglund;
using namespace taglund::test;

class TestShippedLists : public QObject {
    Q_OBJECT
    QString m_program;
    QStringList m_index;

private slots:
    void initTestCase()
    {
        m_program = sourceDataDir() + "/Program/";
        QVERIFY(TextFile::readLines(m_program + "Dir/alleCssProp.txt", m_index));
        QVERIFY(m_index.size() > 400);
        QCOMPARE(m_index.size() % 2, 0);
    }

    void groupFilesAreTheBrowsersGroupsInOrder()
    {
        const QStringList groups = TCssViden::grupper();
        QCOMPARE(groups.size(), 22);
        QStringList files = QDir(m_program + "CSS/Properties").entryList({"*.txt"}, QDir::Files);
        for (QString &f : files)
            f.chop(4);
        QCOMPARE(QSet<QString>(files.begin(), files.end()), QSet<QString>(groups.begin(), groups.end()));
        // The index runs through the groups in the browser's order.
        int last = 0;
        for (qsizetype i = 1; i < m_index.size(); i += 2) {
            const int g = int(groups.indexOf(m_index[i]));
            QVERIFY2(g >= 0, qPrintable(m_index[i - 1] + " names the unknown group " + m_index[i]));
            QVERIFY2(g >= last, qPrintable(m_index[i - 1] + " is out of group order"));
            last = g;
        }
    }

    void everyPropertyInOneGroupWithItsValues()
    {
        TCssViden viden(m_program);
        QHash<QString, QString> groupOf;
        for (const QString &g : TCssViden::grupper()) {
            const QStringList props = viden.egenskaber(g);
            for (const QString &p : props) {
                QVERIFY2(!groupOf.contains(p), qPrintable(p + " is in " + groupOf.value(p) + " and " + g));
                groupOf.insert(p, g);
                const QString values = viden.vaerdiFil(g, p);
                QVERIFY2(QFileInfo::exists(values), qPrintable("no values file for " + p));
                // Cross references lead to a property of the same group.
                for (const QString &v : viden.vaerdier(g, p)) {
                    QVERIFY2(!v.isEmpty(), qPrintable("empty value line for " + p));
                    if (v.size() > 3 && v[1] == u'.' && v[0].isDigit())
                        QVERIFY2(TCssViden::art(v, props) == TCssVaerdiArt::Henvisning,
                                 qPrintable(p + ": " + v + " leads nowhere"));
                }
            }
        }
        QCOMPARE(groupOf.size(), m_index.size() / 2);
        for (qsizetype i = 0; i < m_index.size(); i += 2) {
            QVERIFY2(groupOf.value(m_index[i]) == m_index[i + 1],
                     qPrintable(m_index[i] + " is indexed under " + m_index[i + 1]));
            QCOMPARE(viden.gruppeFor(m_index[i].toUpper()), std::optional<QString>(m_index[i + 1]));
        }
    }

    void everyStandardPropertyIsPresent()
    {
        QStringList standard;
        QVERIFY(TextFile::readLines(QStringLiteral(TAGLUND_SOURCE_DIR "/scripts/cssdata/mdn-standard.txt"), standard));
        QVERIFY(standard.size() > 400);
        QSet<QString> indexed;
        for (qsizetype i = 0; i < m_index.size(); i += 2)
            indexed.insert(m_index[i]);
        QStringList missing;
        for (const QString &p : standard)
            if (!indexed.contains(p))
                missing << p;
        QVERIFY2(missing.isEmpty(), qPrintable("missing: " + missing.join(", ")));
    }

    void browserStartsOnKeyframes()
    {
        TCssViden viden(m_program);
        QVERIFY(viden.egenskaber("Animation").contains("@keyframes"));
        QVERIFY(viden.vaerdier("Flexible Box Layout", "justify-content").contains("space-between"));
        QVERIFY(viden.vaerdier("Color", "color").contains("COLOR"));
    }
};

QTEST_GUILESS_MAIN(TestShippedLists)
#include "tst_shippedlists.moc"
