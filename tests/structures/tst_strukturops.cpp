// The store operations on a loaded structure: insert, edit, sort, delete,
// look-up by page and drag moves.
#include "core/text/paths.h"
#include "structures/strukturtesthelp.h"

#include <QtTest>

using namespace taglund;
using namespace taglund::test;

namespace {
// Root R with children A (children A1, A2) and B.
const QStringList kTree{"R", "\tA", "\t\tA1", "\t\tA2", "\tB"};
const QStringList kData{"0r", "1a", "2a1", "3a2", "4b"};
} // namespace

class TestStrukturOps : public QObject {
    Q_OBJECT
    QTemporaryDir m_tmp;
    QTemporaryDir m_home;
    int m_n = 0;

    QString freshDir() { return m_tmp.filePath(QString("s%1").arg(++m_n)); }
    void load(TStruktur &s, const QStringList &tree = kTree, const QStringList &data = kData)
    {
        setupInfo(s, freshDir(), tree, &data);
        QVERIFY(s.HentStruktur());
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Danish, QLocale::Denmark));
        // Pages go to the trash: keep it inside the test's own folder.
        qputenv("HOME", QFile::encodeName(m_home.path()));
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.filePath("share")));
        QDir().mkpath(m_home.filePath("share"));
    }

    void insertPlaces_data()
    {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("expected");
        QTest::newRow("add") << "A1" << int(naAdd) << "R;>A;>>A1;>>A2;>>N;>B";
        QTest::newRow("add first") << "A2" << int(naAddFirst) << "R;>A;>>N;>>A1;>>A2;>B";
        QTest::newRow("add child") << "A" << int(naAddChild) << "R;>A;>>A1;>>A2;>>N;>B";
        QTest::newRow("add child first") << "A" << int(naAddChildFirst) << "R;>A;>>N;>>A1;>>A2;>B";
        QTest::newRow("insert before") << "B" << int(naInsert) << "R;>A;>>A1;>>A2;>N;>B";
        QTest::newRow("insert before root") << "R" << int(naInsert) << "N;R;>A;>>A1;>>A2;>B";
        QTest::newRow("nothing selected means node 0") << "" << int(naAddChild) << "R;>A;>>A1;>>A2;>B;>N";
        QTest::newRow("leaf gets a first child") << "B" << int(naAddChildFirst) << "R;>A;>>A1;>>A2;>B;>>N";
    }
    void insertPlaces()
    {
        QFETCH(QString, selected);
        QFETCH(int, mode);
        QFETCH(QString, expected);
        TStruktur s;
        load(s);
        s.select(byText(s, selected));
        s.Flytmode = TNodeAttachMode(mode);
        s.NyNode("N", "ny", 3, false, false);
        s.DataOn = false;  // compare the shape only
        QString shape;
        for (TStrukturNode *n : s.tree().preorder()) {
            int d = 0;
            for (auto *p = n->parent; p; p = p->parent)
                ++d;
            shape += (shape.isEmpty() ? "" : ";") + QString(d, u'>') + n->text;
        }
        QCOMPARE(shape, expected);
        QCOMPARE(byText(s, "N")->data, QString("3ny"));
        QCOMPARE(byText(s, "N")->icon, 3);
        QVERIFY(s.Modified());
    }

    void insertIntoEmptyTree_data()
    {
        QTest::addColumn<int>("mode");
        for (int m = naAdd; m <= naInsert; ++m)
            QTest::addRow("mode %d", m) << m;
    }
    void insertIntoEmptyTree()
    {
        QFETCH(int, mode);
        TStruktur s;
        s.DataOn = true;
        s.Flytmode = TNodeAttachMode(mode);
        s.NyNode("Ny", "ny", 3, false, false);
        QCOMPARE(dump(s.tree()), QString("Ny=3ny"));
        QCOMPARE(s.tree().rootCount(), 1);
    }

    void insertFlags_data()
    {
        QTest::addColumn<bool>("sorter");
        QTest::addColumn<bool>("gem");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<bool>("written");
        QTest::addColumn<QString>("expected");
        const QString unsorted = "R=0r;>A=1a;>>A1=2a1;>>A2=3a2;>B=4b;>0=90";
        const QString sorted = "R=0r;>0=90;>A=1a;>>A1=2a1;>>A2=3a2;>B=4b";
        QTest::newRow("neither") << false << false << true << false << unsorted;
        QTest::newRow("save") << false << true << false << true << unsorted;
        QTest::newRow("sort wins over save") << true << true << true << false << sorted;
        QTest::newRow("sort") << true << false << true << false << sorted;
    }
    void insertFlags()
    {
        QFETCH(bool, sorter);
        QFETCH(bool, gem);
        QFETCH(bool, modified);
        QFETCH(bool, written);
        QFETCH(QString, expected);
        TStruktur s;
        load(s);
        const QByteArray before = readAll(s.Strukturfile);
        s.Flytmode = naAddChild;
        s.NyNode("0", "0", 9, sorter, gem);
        QCOMPARE(dump(s.tree()), expected);
        QCOMPARE(s.Modified(), modified);
        QCOMPARE(readAll(s.Strukturfile) != before, written);
    }

    void unstorableTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("payload");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << "Ny" << "ny" << 3 << "Ny=3ny";
        QTest::newRow("leading blanks dropped") << " \tNy" << "ny" << 3 << "Ny=3ny";
        QTest::newRow("only blanks is empty") << "  \t" << "ny" << 3 << "";
        QTest::newRow("empty") << "" << "ny" << 3 << "";
        QTest::newRow("line breaks become blanks") << "a\r\nb\nc" << "x\ry" << 2 << "a b c=2x y";
        QTest::newRow("icon kept to one digit") << "Ny" << "ny" << 12 << "Ny=9ny";
        QTest::newRow("negative icon") << "Ny" << "ny" << -1 << "Ny=0ny";
    }
    void unstorableTexts()
    {
        QFETCH(QString, text);
        QFETCH(QString, payload);
        QFETCH(int, icon);
        QFETCH(QString, expected);
        const QString dir = freshDir();
        TStruktur s;
        setupInfo(s, dir, {}, nullptr);
        s.NyNode(text, payload, icon, false, true);
        QCOMPARE(dump(s.tree()), expected);
        if (expected.isEmpty())
            return;
        // What is in memory is exactly what reads back.
        TStruktur back;
        back.Strukturfile = s.Strukturfile;
        back.Datafile = s.Datafile;
        back.Infomappe = s.Infomappe;
        back.DataOn = true;
        QVERIFY(back.HentStruktur());
        QCOMPARE(dump(back.tree()), expected);
    }

    void edit()
    {
        TStruktur s;
        load(s);
        s.RedigerNode("X", "x", 5, false, false);  // nothing selected
        QCOMPARE(dump(s.tree()).left(4), QString("R=0r"));
        QVERIFY(!s.Modified());
        s.select(byText(s, "A1"));
        s.RedigerNode("", "x", 5, false, false);
        QVERIFY(!s.Modified());
        s.RedigerNode("Z", "z", 5, false, true);
        QCOMPARE(dump(s.tree()), QString("R=0r;>A=1a;>>Z=5z;>>A2=3a2;>B=4b"));
        QVERIFY(!s.Modified());
        QCOMPARE(readAll(s.Datafile), crlf({"0r", "1a", "5z", "3a2", "4b"}));
        s.RedigerNode("Y", "y", 6, true, true);
        QCOMPARE(dump(s.tree()), QString("R=0r;>A=1a;>>A2=3a2;>>Y=6y;>B=4b"));
        QVERIFY(s.Modified());
    }

    void sortCarriesDataAndSubtrees()
    {
        const QString src = QStringLiteral(TAGLUND_TESTDATA "/golden/sort/");
        TStruktur s;
        s.Strukturfile = src + "struktur.txt";
        s.Datafile = src + "data.txt";
        s.DataOn = true;
        QVERIFY(s.HentStruktur());
        s.AlphaSort();
        QVERIFY(s.Modified());
        s.Strukturfile = m_tmp.filePath("sorted_t.txt");
        s.Datafile = m_tmp.filePath("sorted_d.txt");
        QVERIFY(s.GemStruktur());
        QCOMPARE(readAll(s.Strukturfile), readAll(src + "expected_struktur.txt"));
        QCOMPARE(readAll(s.Datafile), readAll(src + "expected_data.txt"));
    }

    void collation_data()
    {
        QTest::addColumn<QStringList>("input");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("case does not come first") << QStringList{"Gamma", "beta", "Alpha"}
                                                  << QStringList{"Alpha", "beta", "Gamma"};
        QTest::newRow("Danish letters last") << QStringList{"ø", "å", "z", "æ"} << QStringList{"z", "æ", "ø", "å"};
        QTest::newRow("equal but case keeps one order") << QStringList{"abc", "Abc", "ab"}
                                                       << QStringList{"ab", "Abc", "abc"};
        // Danish collation puts capitals first among otherwise equal texts.
        QTest::newRow("the other way round") << QStringList{"Abc", "abc", "ab"} << QStringList{"ab", "Abc", "abc"};
    }
    void collation()
    {
        QFETCH(QStringList, input);
        QFETCH(QStringList, expected);
        TStruktur s;
        s.DataOn = true;
        for (const QString &t : input)
            s.NyNode(t, t + "-side", 1, false, false);
        s.AlphaSort();
        QStringList got;
        for (TStrukturNode *n : s.tree().preorder()) {
            got << n->text;
            QCOMPARE(n->payload(), n->text + "-side");
        }
        QCOMPARE(got, expected);
    }

    void deleteSendsPagesToTrash()
    {
        TStruktur s;
        // D names the page of a1 too, from outside the deleted subtree.
        load(s, {"R", "\tA", "\t\tA1", "\t\t\tA11", "\t\tA2", "\tB", "\tD", "\tE"},
             {"0r", "1a", "2a1", "3a11", "3a2", "4b", "5a2", "6../escape"});
        const QString pages = s.Infomappe;
        for (QString p : {"r", "a", "a1", "a11", "a2", "b"})
            writeAll(pages + p + ".html", "<p>" + p.toLatin1() + "</p>");
        writeAll(pages + "../escape.html", "outside");
        s.select(byText(s, "A"));
        s.SletNode();
        QCOMPARE(dump(s.tree()), QString("R=0r;>B=4b;>D=5a2;>E=6../escape"));
        QVERIFY(s.Modified());
        QVERIFY(!s.Selected());
        QVERIFY(!QFileInfo::exists(pages + "a.html"));
        QVERIFY(!QFileInfo::exists(pages + "a1.html"));
        QVERIFY2(QFileInfo::exists(pages + "a11.html"), "a grandchild's page stays");
        QVERIFY2(QFileInfo::exists(pages + "a2.html"), "a page another node names stays");
        QVERIFY(QFileInfo::exists(pages + "r.html"));
        // A page name that climbs out of the pages folder is never acted on.
        s.select(byText(s, "E"));
        s.SletNode();
        QVERIFY(QFileInfo::exists(pages + "../escape.html"));
        QCOMPARE(s.Count(), 3);
    }

    void deleteWithoutSelection()
    {
        TStruktur s;
        load(s);
        s.SletNode();
        QCOMPARE(s.Count(), 5);
        QVERIFY(!s.Modified());
    }

    void fileDeleteRB()
    {
        const QString f = m_tmp.filePath("trash-me.html");
        writeAll(f, "x");
        QVERIFY(TStruktur::FileDeleteRB(f));
        QVERIFY(!QFileInfo::exists(f));
        QVERIFY(!TStruktur::FileDeleteRB(f));
    }

    void lookUpByPage_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("text");
        QTest::newRow("full path") << "/x/y/tekstfiler/Window.html" << "W2";
        QTest::newRow("backslashes") << "C:\\Taglund\\Program\\Window.html" << "W2";
        QTest::newRow("bare name") << "Window" << "W2";
        QTest::newRow("case differs") << "window.html" << "";
        QTest::newRow("last dot only") << "a.b.html" << "Dots";
        QTest::newRow("no such page") << "Nothing.html" << "";
    }
    void lookUpByPage()
    {
        QFETCH(QString, url);
        QFETCH(QString, text);
        TStruktur s;
        load(s, {"R", "\tw", "\tW2", "\tW3", "\tDots"}, {"0r", "1WINDOW", "1Window", "1Window", "2a.b"});
        QCOMPARE(s.getNodeTekst(url), text);
        QCOMPARE(s.Selected() ? s.Selected()->text : QString(), text);
        s.select(nullptr);
        QCOMPARE(s.setSelected(url), !text.isEmpty());
        QCOMPARE(s.setSelected(url), false);  // already selected
        s.DataOn = false;
        s.select(nullptr);
        QCOMPARE(s.getNodeTekst(url), QString());
    }

    void selectedDataAndIndex()
    {
        TStruktur s;
        QCOMPARE(s.getTheSelectedIndex(), -1);
        load(s);
        QCOMPARE(s.SelectedData(), QString());
        s.select(byText(s, "A2"));
        QCOMPARE(s.SelectedData(), QString("a2"));
        QCOMPARE(s.getTheSelectedIndex(), 3);
        QCOMPARE(s.pageOf(s.Selected()), joinPath(s.Infomappe, "a2.html"));
    }

    void infoFilnavn_data()
    {
        QTest::addColumn<QString>("node");
        QTest::addColumn<QString>("expected");
        QTest::newRow("root") << "R" << "R.htm";
        QTest::newRow("child") << "A" << "RA.htm";
        QTest::newRow("grandchild") << "A1" << "AA1.htm";
        QTest::newRow("nothing selected") << "" << "";
        QTest::newRow("slash in text refused") << "x/y" << "";
    }
    void infoFilnavn()
    {
        QFETCH(QString, node);
        QFETCH(QString, expected);
        TStruktur s;
        load(s, {"R", "\tA", "\t\tA1", "\tx/y"}, {"0r", "1a", "2a1", "3b"});
        s.select(byText(s, node));
        QCOMPARE(s.InfoFilnavn("htm"), expected.isEmpty() ? QString() : joinPath(s.Infomappe, expected));
    }

    void dragMoves_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("grund");
        QTest::addColumn<QString>("expected");
        const QString same = "R;>A;>>A1;>>A2;>B";
        QTest::newRow("node 0 cannot be dragged") << "R" << "B" << int(naAdd) << false << same;
        QTest::newRow("drop on itself") << "A" << "A" << int(naAdd) << false << same;
        QTest::newRow("into own subtree") << "A" << "A2" << int(naAddChild) << false << same;
        QTest::newRow("on nothing") << "A" << "" << int(naAdd) << false << same;
        QTest::newRow("last sibling") << "A1" << "B" << int(naAdd) << false << "R;>A;>>A2;>B;>A1";
        QTest::newRow("child of leaf") << "A1" << "B" << int(naAddChild) << false << "R;>A;>>A2;>B;>>A1";
        QTest::newRow("before") << "B" << "A" << int(naInsert) << false << "R;>B;>A;>>A1;>>A2";
        QTest::newRow("first child") << "B" << "A" << int(naAddChildFirst) << false << "R;>A;>>B;>>A1;>>A2";
        QTest::newRow("as root node") << "A" << "B" << int(naAdd) << true << "A;>A1;>A2;R;>B";
    }
    void dragMoves()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(int, mode);
        QFETCH(bool, grund);
        QFETCH(QString, expected);
        TStruktur s;
        load(s);
        s.DataOn = false;
        s.Flytmode = TNodeAttachMode(mode);
        s.MusDown(byText(s, from));
        const bool changed = s.MusUp(byText(s, to), grund);
        QString shape = dump(s.tree());
        shape.replace(QRegularExpression("=[^;]*"), QString());
        QCOMPARE(shape, expected);
        QCOMPARE(changed, expected != "R;>A;>>A1;>>A2;>B");
        QCOMPARE(s.Modified(), changed);
        QVERIFY(!s.moveArmed());
        // Data lines stay with their nodes.
        QCOMPARE(byText(s, "A1")->data, QString("2a1"));
    }

    void secondPressDisarms()
    {
        TStruktur s;
        load(s);
        s.MusDown(byText(s, "A1"));
        QVERIFY(s.moveArmed());
        s.MusDown(byText(s, "B"));
        QVERIFY(!s.moveArmed());
        QVERIFY(!s.MusUp(byText(s, "B"), false));
        QVERIFY(!s.Modified());
    }
};

QTEST_GUILESS_MAIN(TestStrukturOps)
#include "tst_strukturops.moc"
