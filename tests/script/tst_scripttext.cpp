// The text rules lines are split by, and the type reasoning on a registry.
#include "scriptcases.h"
#include "script/scripttext.h"

#include <QtTest>

using namespace taglund;
using namespace taglund::test;
using namespace taglund::ScriptText;

class TestScriptText : public QObject {
    Q_OBJECT
    TStruktur m_values;

private slots:
    void initTestCase() { QVERIFY(loadPair(m_values, shippedScriptDir(), "Values")); }

    void splitAtRules_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("c");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("parts");  // joined by "|"
        QTest::newRow("words") << "set  x = y" << " " << 0 << "set||x|=|y";
        QTest::newRow("first position dropped") << "=a=b" << "=" << 0 << "a|b";
        QTest::newRow("empty last part dropped") << "a=" << "=" << 0 << "a";
        QTest::newRow("blank last part kept trimmed") << "a= " << "=" << 0 << "a|";
        QTest::newRow("one split") << "x = a = b" << "=" << 1 << "x|a = b";
        QTest::newRow("quotes not considered") << "\"scripting.fso\"" << "\"" << 0 << "scripting.fso";
        QTest::newRow("dots") << "fso.getfolder" << "." << 0 << "fso|getfolder";
    }
    void splitAtRules()
    {
        QFETCH(QString, text);
        QFETCH(QString, c);
        QFETCH(int, n);
        QFETCH(QString, parts);
        QCOMPARE(splitAt(text, c.at(0), n).join(u'|'), parts);
    }

    void words_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("words");
        QTest::addColumn<int>("quotes");
        QTest::addColumn<int>("brackets");
        QTest::newRow("call") << "len(a, b) + 1" << "len(a, b)|+|1" << 0 << 2;
        QTest::newRow("quoted blank") << "\"a b\" & c" << "\"a b\"|&|c" << 2 << 0;
        QTest::newRow("bracket in quotes") << "\"(\" & x" << "\"(\"|&|x" << 2 << 0;
        QTest::newRow("nested closes early") << "f(g(a) b)" << "f(g(a)|b)" << 0 << 4;
        QTest::newRow("odd") << "len(s" << "len(s" << 0 << 1;
    }
    void words()
    {
        QFETCH(QString, text);
        QFETCH(QString, words);
        QFETCH(int, quotes);
        QFETCH(int, brackets);
        const Words w = splitWords(text);
        QCOMPARE(w.words.join(u'|'), words);
        QCOMPARE(w.quotes, quotes);
        QCOMPARE(w.brackets, brackets);
    }

    void typeCodes_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("name");
        QTest::newRow("none") << "-" << 250 << "";
        QTest::newRow("digits") << "100" << 100 << "filesystemobject";
        QTest::newRow("digits taken together") << "1a0" << 10 << "keys";
        QTest::newRow("no digits") << "WshController" << 0 << "?";
        QTest::newRow("outside table") << "42" << 42 << "";
        QTest::newRow("absurd length") << QString(40, u'9') << 0 << "?";
    }
    void typeCodes()
    {
        QFETCH(QString, field);
        QFETCH(int, code);
        QFETCH(QString, name);
        QCOMPARE(typeCode(field), code);
        QCOMPARE(typeName(code), name);
    }

    void calls_data()
    {
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parametre");
        QTest::addColumn<int>("count");
        QTest::newRow("plain") << "len(s)" << "len" << "s" << 1;
        QTest::newRow("commas in quotes") << "f(\"a,b\", c)" << "f" << "\"a,b\", c" << 2;
        QTest::newRow("empty brackets") << "now()" << "now" << "" << 0;
        QTest::newRow("no brackets") << "wscript.echo" << "wscript.echo" << "" << 0;
        QTest::newRow("unclosed") << "mid(s, 2" << "mid" << "s, 2" << 2;
    }
    void calls()
    {
        QFETCH(QString, call);
        QFETCH(QString, name);
        QFETCH(QString, parametre);
        QFETCH(int, count);
        const CallParts p = splitParametre(call);
        QCOMPARE(p.name, name);
        QCOMPARE(p.parametre, parametre);
        QCOMPARE(p.count, count);
    }

    // Type reasoning over a registry made by analysing lines.
    void types_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("type");
        const QStringList navn{"navn = \"Anna\""};
        QTest::newRow("concatenation") << navn << "\"Hej \" & navn & vbcrlf" << "string";
        QTest::newRow("concatenation unknown part") << QStringList() << "\"Hej \" & navn & vbcrlf" << "";
        QTest::newRow("one-letter number variable") << QStringList{"i = 5"} << "i+1" << "number";
        QTest::newRow("longer name is not") << QStringList{"ab = 5"} << "ab+1" << "";
        QTest::newRow("function") << QStringList() << "len" << "number";
        QTest::newRow("member of instance")
            << QStringList{"Set fso = CreateObject(\"Scripting.FileSystemObject\")"} << "fso.getbasename" << "string";
        QTest::newRow("boolean") << QStringList() << "True" << "boolean";
        QTest::newRow("empty is a number") << QStringList() << "" << "number";
    }
    void types()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, expression);
        QFETCH(QString, type);
        TwinScript a;
        a.setStrukturValues(&m_values);
        for (int i = 0; i < lines.size(); ++i)
            a.analyseText(lines, i);
        const QStringList parts = expression.contains(u'&') ? splitAt(expression, u'&') : QStringList{expression};
        QCOMPARE(a.expressionType(expression, parts), type);
    }

    void registryAfterClearing()
    {
        TwinScript a;
        a.setStrukturValues(&m_values);
        QCOMPARE(a.findInRec("WScript"), QString("wscript"));
        QCOMPARE(a.findInRec("Scripting"), QString("scripting"));
        QCOMPARE(a.findInRec("fso"), QString());
    }

    // A reloaded structure must not leave the lookups on the old nodes.
    void reloadForgetsNodes()
    {
        TwinScript a;
        a.setStrukturValues(&m_values);
        QCOMPARE(a.functionType("len"), QString("number"));
        TStruktur other;
        other.Strukturfile = other.Datafile = QString();
        a.setStrukturValues(&other);
        QCOMPARE(a.functionType("len"), QString());
        a.setStrukturValues(&m_values);
        QCOMPARE(a.functionType("len"), QString("number"));
    }

    void busyPassRefusesASecond()
    {
        QTextDocument doc;
        doc.setPlainText("x = 1\ny = 2\nz = 3");
        TDocText text(&doc);
        TwinScript a;
        a.setStrukturValues(&m_values);
        a.Editor = &text;
        int nested = -1;
        int pumps = 0;
        a.OnProgress = [&](int pos, int) {
            if (pos == 1 && nested < 0)
                nested = a.registerAll(-1) ? 1 : 0;
        };
        a.OnPump = [&] { return ++pumps < 100; };
        QVERIFY(a.registerAll(-1));
        QCOMPARE(nested, 0);
        QCOMPARE(a.VariabelDis().size(), 3);
    }

    void cancelledPassStops()
    {
        QTextDocument doc;
        doc.setPlainText("x = 1\ny = 2\nz = 3");
        TDocText text(&doc);
        TwinScript a;
        a.setStrukturValues(&m_values);
        a.Editor = &text;
        a.OnProgress = [&](int pos, int) {
            if (pos == 1)
                a.cancel();
        };
        QVERIFY(!a.registerAll(-1));
        QCOMPARE(a.VariabelDis().size(), 1);
        QVERIFY(!a.busy());
    }
};

QTEST_MAIN(TestScriptText)
#include "tst_scripttext.moc"
