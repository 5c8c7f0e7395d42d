// The document window's structure panel, the JavaScript object panel and the
// tree view they share.
#include "structures/fakehost.h"
#include "structures/jsobjektpanel.h"
#include "structures/strukturpanel.h"
#include "structures/strukturview.h"
#include "ui/questions.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

using namespace taglund;
using namespace taglund::test;

class TestPanels : public QObject {
    Q_OBJECT
    QTemporaryDir m_tmp;
    std::unique_ptr<FakeHost> m_host;
    ui::Script m_script;

    void addObject(const QString &name, const QStringList &tree, const QStringList &data)
    {
        writeAll(joinPath(m_host->strukturdir(), name + "Struktur.txt"), crlf(tree));
        writeAll(joinPath(m_host->strukturdir(), name + "Data.txt"), crlf(data));
    }
    QStringList captions(QMenu *m)
    {
        QStringList out;
        for (QAction *a : m->actions())
            out << a->text();
        return out;
    }
    QAction *item(QMenu *m, const QString &caption)
    {
        for (QAction *a : m->actions())
            if (a->text() == caption)
                return a;
        return nullptr;
    }

private slots:
    void initTestCase()
    {
        m_host = std::make_unique<FakeHost>(m_tmp.path());
        const QStringList window{"Window", "\talert()", "\tdocument", "\t\tgetElementById(id)", "\t\tdocument.getElementById()"};
        const QStringList windowData{"0Browserens vindue", "2Viser en besked|alert(\"Hej\")|window.alert(\"Hej\")|x",
                                     "1Dokumentet", "2Finder et element|document.getElementById(\"a\")", "2Midt i"};
        for (QString n : {"HTML koder", "CSS", "Window", "classList", "Events objekter", "Mine"})
            addObject(n, window, windowData);
        writeAll(joinPath(m_host->strukturdir(), "OnlyTreeStruktur.txt"), crlf({"A"}));
        writeAll(joinPath(m_host->strukturdir(), "_newStrukturliste.txt"), crlf({"Mine", "Andre"}));
        ui::setScript(&m_script);
    }
    void cleanupTestCase() { ui::setScript(nullptr); }
    void init() { m_script = {}; }

    void loadAndShowFields()
    {
        TStrukturPanel p(m_host.get(), &m_host->text);
        QVERIFY(!p.isVisible());
        QVERIFY(p.loadObjectStructure("Window"));
        QCOMPARE(p.struktur().Count(), 5);
        QVERIFY(p.struktur().Node(0)->expanded);
        QVERIFY(!p.struktur().Node(2)->expanded);
        QTreeWidgetItem *alert = p.tree()->itemOf(p.struktur().Node(1));
        p.tree()->setCurrentItem(alert);
        QCOMPARE(p.definitionBox()->toPlainText(), QString("Viser en besked"));
        QCOMPARE(p.syntaxBox()->toPlainText(), QString("alert(\"Hej\")\nwindow.alert(\"Hej\")\nx"));
        p.tree()->setCurrentItem(p.tree()->itemOf(p.struktur().Node(2)));
        QCOMPARE(p.definitionBox()->toPlainText(), QString("Dokumentet"));
        QCOMPARE(p.syntaxBox()->toPlainText(), QString());
        QVERIFY(!alert->icon(0).isNull());
    }

    void missingFiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("no data file") << "OnlyTree";
        QTest::newRow("no files") << "Findes ikke";
    }
    void missingFiles()
    {
        QFETCH(QString, name);
        TStrukturPanel p(m_host.get(), &m_host->text);
        QVERIFY(p.loadObjectStructure("Window"));
        p.showFields(p.struktur().Node(1));
        QVERIFY(!p.loadObjectStructure(name));
        QCOMPARE(m_script.messages, QStringList{"Der mangler en fil."});
        QCOMPARE(p.struktur().Count(), 0);
        QCOMPARE(p.definitionBox()->toPlainText(), QString());
        QVERIFY2(!QFileInfo::exists(joinPath(m_host->strukturdir(), name + "Data.txt")),
                 "no data file is made in the Script folder");
    }

    void builtinMenu_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("loaded");
        QTest::addColumn<bool>("expanded");
        QTest::newRow("HTML") << "HTML" << "HTML koder" << true;
        QTest::newRow("CSS stays closed") << "CSS" << "CSS" << false;
    }
    void builtinMenu()
    {
        QFETCH(QString, caption);
        QFETCH(QString, loaded);
        QFETCH(bool, expanded);
        TStrukturPanel p(m_host.get(), &m_host->text);
        QCOMPARE(captions(p.builtinMenu()),
                 (QStringList{"HTML", "ASP", "CSS", "JavaScript", "WScript", "Scripting", "VbScript", "Alle", "Batch"}));
        item(p.builtinMenu(), caption)->trigger();
        QCOMPARE(p.loadedName(), loaded);
        QCOMPARE(p.struktur().Node(0)->expanded, expanded);
    }

    void userMenu()
    {
        TStrukturPanel p(m_host.get(), &m_host->text);
        QCOMPARE(captions(p.userMenu()), (QStringList{"Andre", "Mine"}));
        QCOMPARE(item(p.userMenu(), "Mine")->toolTip(), QString("Objektstruktur"));
        item(p.userMenu(), "Mine")->trigger();
        QCOMPARE(p.loadedName(), QString());  // only while the panel is shown
        p.show();
        item(p.userMenu(), "Mine")->setText("&Mine");
        item(p.userMenu(), "&Mine")->trigger();
        QCOMPARE(p.loadedName(), QString("Mine"));

        FakeHost empty(m_tmp.filePath("tom"));
        TStrukturPanel q(&empty, nullptr);
        QCOMPARE(captions(q.userMenu()), QStringList{"Ingen strukturer"});
        QCOMPARE(q.userMenu()->actions().first()->toolTip(),
                 QString("Der kan laves strukturer i strukturkonstruktøren!"));
    }

    void doubleClickInserts()
    {
        TStrukturPanel p(m_host.get(), &m_host->text);
        p.loadObjectStructure("Window");
        m_host->text.setText("var x = XX;");
        m_host->text.setSelStart(8);
        m_host->text.setSelLength(2);
        p.insertEntry(p.struktur().Node(1));
        QCOMPARE(m_host->text.Text(), QString("var x = alert();"));
        QCOMPARE(m_host->text.SelStart(), 15);
    }

    void currentWord_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("selectedBefore");
        QTest::addColumn<int>("selected");
        QTest::newRow("word with brackets") << "GETELEMENTBYID" << -1 << 3;
        QTest::newRow("only in the middle: node 0") << "ById" << 1 << 0;
        QTest::newRow("wraps round") << "alert" << 3 << 1;
    }
    void currentWord()
    {
        QFETCH(QString, word);
        QFETCH(int, selectedBefore);
        QFETCH(int, selected);
        TStrukturPanel p(m_host.get(), &m_host->text);
        QVERIFY(!p.searchButton()->isEnabled());
        p.loadObjectStructure("Window");
        p.struktur().select(p.struktur().Node(selectedBefore));
        p.setCurrentWordFinder([word](TDocText &) { return word; });
        QVERIFY(p.searchButton()->isEnabled());
        p.searchButton()->click();
        QCOMPARE(p.struktur().getTheSelectedIndex(), selected);
        QCOMPARE(m_host->findText, word);
        if (selected == 3) {
            QCOMPARE(p.definitionBox()->toPlainText(), QString("Finder et element"));
            QVERIFY(p.struktur().Node(2)->expanded);
        }
    }

    void toggleHints()
    {
        QCOMPARE(TStrukturPanel::toggleHint(false), QString("Vis strukturpanelet"));
        QCOMPARE(TStrukturPanel::toggleHint(true), QString("Luk strukturpanelet"));
    }

    void jsRemembered_data()
    {
        QTest::addColumn<QString>("remembered");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("category");
        QTest::newRow("same as caption") << "Window" << "Window" << "Browser BOM";
        QTest::newRow("classList") << "classList" << "DOMTokenList" << "Collections";
        QTest::newRow("Events objekter") << "Events objekter" << "Events" << "HTML DOM";
        QTest::newRow("nothing remembered") << "" << "" << "";
    }
    void jsRemembered()
    {
        QFETCH(QString, remembered);
        QFETCH(QString, button);
        QFETCH(QString, category);
        TStrukturPanel p(m_host.get(), &m_host->text);
        TJsObjektPanel js(&p, m_host.get());
        m_host->js = remembered;
        js.openAll();
        item(p.builtinMenu(), "JavaScript")->trigger();
        QVERIFY(js.isVisibleTo(nullptr) || !js.isHidden());
        QCOMPARE(p.loadedName(), remembered);
        QCOMPARE(js.checkedButton() ? js.checkedButton()->text() : QString(), button);
        for (QString c : {"Objekter", "Browser BOM", "HTML DOM", "Collections"})
            QCOMPARE(js.isCategoryOpen(c), remembered.isEmpty() || c == category);
    }

    void jsButtonsRemember()
    {
        TStrukturPanel p(m_host.get(), &m_host->text);
        TJsObjektPanel js(&p, m_host.get());
        js.button("DOMTokenList")->click();
        QCOMPARE(m_host->js, QString("classList"));
        QCOMPARE(p.loadedName(), QString("classList"));
        js.button("Events")->click();
        QCOMPARE(m_host->js, QString("Events objekter"));
        QCOMPARE(jsObjekter().size(), 21);
    }

    void treeViewFollowsTheStore()
    {
        TStruktur s;
        s.DataOn = true;
        s.NyNode("R", "r", 0, false, false);
        s.Flytmode = naAddChild;
        s.NyNode("A", "a", 4, false, false);
        s.NyNode("B", "b", 5, false, false);
        TStrukturView v;
        v.setStruktur(&s);
        QCOMPARE(v.topLevelItemCount(), 1);
        QCOMPARE(v.topLevelItem(0)->childCount(), 2);
        s.expandAll();
        QVERIFY(v.topLevelItem(0)->isExpanded());
        v.collapseItem(v.topLevelItem(0));
        QVERIFY(!s.Node(0)->expanded);
        s.select(s.Node(2));
        QCOMPARE(v.currentItem()->text(0), QString("B"));
        s.SletNode();
        QCOMPARE(v.topLevelItem(0)->childCount(), 1);
        v.setIkonSet(TIkonSet::Objekt);
        QCOMPARE(v.topLevelItem(0)->childCount(), 1);
    }

    void dragWithTheMouse_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("expected");
        QTest::newRow("grandchild to after B") << 2 << 4 << "R;A;A2;B;A1";
        QTest::newRow("into own subtree") << 1 << 3 << "R;A;A1;A2;B";
        QTest::newRow("node 0 stays") << 0 << 4 << "R;A;A1;A2;B";
        QTest::newRow("onto itself") << 3 << 3 << "R;A;A1;A2;B";
    }
    void dragWithTheMouse()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, expected);
        TStruktur s;
        setupInfo(s, m_tmp.filePath("drag"), {"R", "\tA", "\t\tA1", "\t\tA2", "\tB"}, nullptr);
        s.DataOn = false;
        QVERIFY(s.HentStruktur());
        TStrukturView v;
        v.setStruktur(&s);
        v.setDragMoves(true);
        s.expandAll();
        v.resize(300, 300);
        v.show();
        QVERIFY(QTest::qWaitForWindowExposed(&v));
        const QPoint a = v.visualItemRect(v.itemOf(s.Node(from))).center();
        const QPoint b = v.visualItemRect(v.itemOf(s.Node(to))).center();
        QTest::mousePress(v.viewport(), Qt::LeftButton, {}, a);
        QTest::mouseRelease(v.viewport(), Qt::LeftButton, {}, b);
        QStringList order;
        for (TStrukturNode *n : s.tree().preorder())
            order << n->text;
        QCOMPARE(order.join(';'), expected);
        QCOMPARE(s.Modified(), expected != "R;A;A1;A2;B");
    }
};

QTEST_MAIN(TestPanels)
#include "tst_panels.moc"
