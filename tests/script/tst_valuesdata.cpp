// The shipped values structure, read the way the analyser reads it.
#include "scriptcases.h"
#include "script/scripttext.h"
#include "script/valuesindex.h"

#include <QRegularExpression>
#include <QtTest>

using namespace taglund;
using namespace taglund::test;

class TestValuesData : public QObject {
    Q_OBJECT
    TStruktur m_values;
    TStruktur m_script;
    TValuesIndex m_index;

private slots:
    void initTestCase()
    {
        QVERIFY(loadPair(m_values, shippedScriptDir(), "Values"));
        QVERIFY(loadPair(m_script, shippedScriptDir(), "script"));
        m_index.build(&m_values);
    }

    // Every member's signature: return code, required codes, optional codes,
    // each a code of the type table ("-" and "?" where they are allowed).
    void everySignatureParses()
    {
        QStringList problems;
        int members = 0;
        const auto &order = m_values.tree().preorder();
        for (const TStrukturNode *n : order) {
            const TStrukturNode *root = n;
            while (root->parent)
                root = root->parent;
            if (!n->parent || root->text == QLatin1String("Word") || n->icon > 3)
                continue;
            ++members;
            const QStringList f = n->payload().split(u'|');
            if (f.size() < 2 || f.size() > 3) {
                problems << root->text + u'.' + n->text + ": " + n->payload();
                continue;
            }
            if (f.at(0) != QLatin1String("-") && !ScriptText::isKnownTypeCode(ScriptText::typeCode(f.at(0))))
                problems << root->text + u'.' + n->text + ": returtypen " + f.at(0);
            for (int i = 1; i < f.size(); ++i) {
                if (i == 1 && (f.at(1) == QLatin1String("-") || f.at(1) == QLatin1String("?")))
                    continue;
                for (const QString &c : f.at(i).split(u',')) {
                    bool ok = false;
                    const int code = c.toInt(&ok);
                    if (!ok || !ScriptText::isKnownTypeCode(code) || code == ScriptText::kIngenType)
                        problems << root->text + u'.' + n->text + ": parameterkoden " + c;
                }
            }
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
        QVERIFY(members > 300);
    }

    // The sections the analyser asks for by name, each found as a section
    // before "Stop", and each object type a member returns has a section.
    void sectionsExist_data()
    {
        QTest::addColumn<QString>("section");
        for (const char *s : {"Funktioner", "wscript", "scripting", "drive", "drives", "folder", "subfolders", "file",
                              "files", "item", "items", "filesystemobject", "textstream", "dictionary", "shell",
                              "network", "environment", "exec", "arguments", "named", "unnamed", "createshortcut",
                              "createscript", "wshcontroller"})
            QTest::newRow(s) << s;
    }
    void sectionsExist()
    {
        QFETCH(QString, section);
        const int s = m_index.section(section);
        QVERIFY2(s >= 0 && s < m_index.end(), qPrintable(section));
        QCOMPARE(m_index.node(s).text, section);
        QVERIFY2(m_index.membersEnd(s) > s + 1, "the section has no members");
    }

    void structureEndsWithStop()
    {
        QVERIFY(m_index.end() == m_index.count() - 1);
        QCOMPARE(m_index.node(m_index.end()).text, QString("Stop"));
        QCOMPARE(m_values.tree().root(0)->text, QString("Word"));
    }

    void everyBuiltinFunction()
    {
        const int f = m_index.section("Funktioner");
        int count = 0;
        for (int i = f + 1; i < m_index.membersEnd(f); ++i)
            count += m_index.node(i).icon <= 3 ? 1 : 0;
        QVERIFY2(count >= 90, qPrintable(QString::number(count)));
        for (const char *name : {"abs", "weekdayname", "createobject", "msgbox", "inputbox", "split", "formatnumber"})
            QVERIFY2(m_index.firstFrom(name, f, m_index.membersEnd(f)) > f, name);
    }

    // The box shows a definition and a syntax or example for every entry.
    void scriptEntriesExplained()
    {
        QStringList missing;
        for (const TStrukturNode *n : m_script.tree().preorder()) {
            const QStringList f = n->payload().split(u'|');
            if (f.value(0).trimmed().isEmpty() || f.value(1).trimmed().isEmpty())
                missing << n->text;
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(", ")));
    }
};

QTEST_MAIN(TestValuesData)
#include "tst_valuesdata.moc"
