// The panel and "Kontrolboksen" as a user meets them: mouse and keys on the
// real widgets, over a document without an editor window.
#include "htmltestutil.h"

#include "html/htmlpanel.h"
#include "html/kontrolform.h"

#include <QAction>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QToolBar>
#include <QTreeView>
#include <map>

using namespace taglund;
using namespace taglund::test;

namespace {

struct Host : THtmlPanelHost, TKontrolHost {
    Tinfotag *engine = nullptr;
    std::map<int, TestDoc *> docs;
    int active = -1;
    QStringList calls;
    void HelpInfo(const QString &s, const QString &e) override { calls << s + u'|' + e; }
    void showMessage(const QString &t) override { calls << QStringLiteral("message ") + t; }
    void setStatusText(const QString &t) override { calls << QStringLiteral("status ") + t; }
    void setFindText(const QString &t) override { calls << QStringLiteral("find ") + t; }
    bool documentOpen() const override { return !docs.empty(); }
    QString activeDocExt() const override { return QStringLiteral(".html"); }
    void setDocAutoKode(bool) override {}
    void focusDocument() override {}
    int openDocumentCount() const override { return int(docs.size()); }
    int activeDocNo() const override { return docs.empty() ? -1 : active; }
    bool hasDocument(int docNo) const override { return docs.count(docNo) > 0; }
    bool activateDocument(int docNo) override
    {
        auto it = docs.find(docNo);
        if (it == docs.end())
            return false;
        active = docNo;
        engine->setEditor(it->second->text.get());
        return true;
    }
    void add(int docNo, TestDoc *doc)
    {
        docs[docNo] = doc;
        activateDocument(docNo);
    }
    void close(int docNo)
    {
        docs.erase(docNo);
        if (active == docNo) {
            engine->setEditor(nullptr);
            if (!docs.empty())
                activateDocument(docs.begin()->first);
        }
    }
};

void doubleClickRow(QTableWidget *t, int row)
{
    const QRect r = t->visualItemRect(t->item(row, 0));
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(t->viewport(), Qt::LeftButton, {}, r.center());
}

void clickRow(QTableWidget *t, int row)
{
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualItemRect(t->item(row, 0)).center());
}

QAction *tool(Tkontrolform &form, const char *name)
{
    return form.findChild<QAction *>(QString::fromLatin1(name));
}

} // namespace

class TestHtmlWindows : public QObject {
    Q_OBJECT
private slots:
    void linkFromThePanel()
    {
        Tinfotag engine;
        QVERIFY(loadTestKnowledge(engine));
        Host host;
        host.engine = &engine;
        TestDoc doc(QStringLiteral("<p>\r\n\r\n</p>"));
        host.add(1, &doc);
        doc.text->setSelStart(4);
        THtmlPanel panel(engine, host);
        panel.resize(500, 600);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        QTableWidget *koder = panel.table(TKodePanel::Koder);
        QCOMPARE(koder->horizontalHeaderItem(0)->text(), QStringLiteral("Alle koder"));
        doubleClickRow(koder, 0);  // <a></a>
        QCOMPARE(doc.text->Text(), QStringLiteral("<p>\r\n<a></a>\r\n</p>"));
        QCOMPARE(doc.text->SelStart(), 7);
        QCOMPARE(panel.table(TKodePanel::Attributter)->horizontalHeaderItem(0)->text(), QStringLiteral("<a"));
        doc.text->setSelStart(6);
        doubleClickRow(panel.table(TKodePanel::Attributter), 0);  // href
        QCOMPARE(doc.text->Text(), QStringLiteral("<p>\r\n<a href=\"\"></a>\r\n</p>"));
        QCOMPARE(doc.text->SelStart(), 13);
        engine.udskrivAttValue(QStringLiteral("href"), QStringLiteral("#top"));
        QCOMPARE(doc.text->Text(), QStringLiteral("<p>\r\n<a href=\"#top\"></a>\r\n</p>"));
        QCOMPARE(doc.text->SelStart(), 17);
    }

    void elementValuesThroughTheLists()
    {
        Tinfotag engine;
        QVERIFY(loadTestKnowledge(engine));
        Host host;
        host.engine = &engine;
        TestDoc doc(QStringLiteral("<form>\r\n<input >\r\n</form>"));
        host.add(1, &doc);
        doc.text->setSelStart(14);  // before the ">" of the input tag
        THtmlPanel panel(engine, host);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        panel.setAutoKode(true);
        panel.getKode();
        QTableWidget *attrs = panel.table(TKodePanel::Attributter);
        QCOMPARE(attrs->horizontalHeaderItem(0)->text(), QStringLiteral("<input"));
        clickRow(attrs, 0);  // type
        QTableWidget *values = panel.table(TKodePanel::Vaerdier);
        QCOMPARE(values->horizontalHeaderItem(0)->text(), QStringLiteral("<input type=\""));
        QCOMPARE(values->item(0, 0)->text(), QStringLiteral("TEKSTFELTER"));  // from type_input.txt
        doubleClickRow(values, 2);
        QCOMPARE(doc.text->Text(), QStringLiteral("<form>\r\n<input type=\"checkbox\">\r\n</form>"));
        // Type-ahead in the value list, then Enter writes the row.
        panel.panel().LoadValueliste(QStringLiteral("button"), QStringLiteral("type"));
        panel.refresh();
        QCOMPARE(values->item(0, 0)->text(), QStringLiteral("submit"));  // general list: no type_button.txt
        values->setFocus();
        QTest::keyClick(values, Qt::Key_R);
        QCOMPARE(values->currentRow(), 1);
    }

    void endTagDeletesNothing()
    {
        Tinfotag engine;
        QVERIFY(loadTestKnowledge(engine));
        Host host;
        host.engine = &engine;
        TestDoc doc(QStringLiteral("<ul>\r\n<li>punkt og mere"));
        host.add(1, &doc);
        doc.text->setSelStart(14);
        doc.text->setSelLength(8);  // " og mere" is selected
        THtmlPanel panel(engine, host);
        panel.panel().InsertSlutkode();
        QCOMPARE(doc.text->Text(), QStringLiteral("<ul>\r\n<li>punkt</li> og mere"));
        QCOMPARE(doc.text->SelStart(), 14);
        QVERIFY(host.calls.isEmpty());
    }

    void autoCodeBoxRefusesWithoutDocument()
    {
        Tinfotag engine;
        QVERIFY(loadTestKnowledge(engine));
        Host host;
        host.engine = &engine;
        THtmlPanel panel(engine, host);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        panel.autokodeCheck()->click();
        QVERIFY(!panel.autokodeCheck()->isChecked());
        QCOMPARE(host.calls, QStringList{"message Der er ingen åbne dokumenter."});
    }

    void checks_data()
    {
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("status");
        QTest::newRow("missing end tag") << "<div>\r\n<p>x\r\n</div>" << "msKnap" << "Der mangler 1 slutkode";
        QTest::newRow("surplus end tag") << "<p>x</p>\r\n</p>" << "fmSlutkoderKnap" << "Der er 1 slutkode for meget";
        QTest::newRow("unknown element") << "<p>\r\n<blink>x</p>" << "ukendteKoderKnap" << "1 ukendt kode";
        QTest::newRow("unknown attribute") << "<a href=\"#\"\r\nfoo=\"1\">x</a>" << "ukendteAttributterKnap"
                                           << "1 ukendt attribut";
        QTest::newRow("attributes") << "<a href=\"#\">x</a>" << "readAttributterKnap" << "1 kode med attributter";
    }
    void checks()
    {
        QFETCH(QString, document);
        QFETCH(QString, button);
        QFETCH(QString, status);
        Tinfotag engine;
        QVERIFY(loadTestKnowledge(engine));
        Host host;
        host.engine = &engine;
        TestDoc doc(document);
        host.add(4, &doc);
        QTemporaryDir dir;
        Tkontrolform form(engine, host, dir.filePath(QStringLiteral("kontrol.txt")));
        form.aKodeKontrol();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.strukturNo(), 4);
        QVERIFY(engine.tree()->count() > 1);
        tool(form, qPrintable(button))->trigger();
        QCOMPARE(form.statusText(), status);
    }

    void findingSelectsAcrossLineBreaks()
    {
        Tinfotag engine;
        QVERIFY(loadTestKnowledge(engine));
        Host host;
        host.engine = &engine;
        TestDoc doc(QStringLiteral("<html>\r\n<body>\r\n<p>x</p>\r\n</p>\r\n</body>\r\n</html>"));
        host.add(2, &doc);
        QTemporaryDir dir;
        Tkontrolform form(engine, host, dir.filePath(QStringLiteral("kontrol.txt")));
        form.aKodeKontrol();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        tool(form, "fmSlutkoderKnap")->trigger();
        QCOMPARE(form.statusText(), QStringLiteral("Der er 1 slutkode for meget"));
        form.treeView()->expandAll();
        // The second /p, marked as surplus: root, html, body, p, /p, /p.
        int surplus = -1;
        for (int id : engine.tree()->preOrder())
            if (engine.tree()->text(id).endsWith(QStringLiteral("Slutkode?")))
                surplus = id;
        QVERIFY(surplus > 0);
        const QModelIndex index = engine.tree()->indexOf(surplus);
        form.treeView()->scrollTo(index);
        QTest::mouseClick(form.treeView()->viewport(), Qt::LeftButton, {},
                          form.treeView()->visualRect(index).center());
        // Mode 4 selects two characters after the "<" of the second "</p>".
        QCOMPARE(doc.text->SelStart(), 24);
        QCOMPARE(doc.text->SelLength(), 2);
        QCOMPARE(doc.text->SelText(), QStringLiteral("/p"));
    }

    void boxActsOnTheDocumentItRead()
    {
        Tinfotag engine;
        QVERIFY(loadTestKnowledge(engine));
        Host host;
        host.engine = &engine;
        TestDoc first(QStringLiteral("<p>x</p>\r\n<b>y</b>"));
        TestDoc second(QStringLiteral("<div>\r\n<b>z</b></div>"));
        host.add(1, &first);
        QTemporaryDir dir;
        Tkontrolform form(engine, host, dir.filePath(QStringLiteral("kontrol.txt")));
        form.aKodeKontrol();
        host.add(2, &second);  // another document becomes active
        int bNode = -1;
        for (int id : engine.tree()->preOrder())
            if (engine.tree()->text(id) == u"b")
                bNode = id;
        form.KontrolGotoTag(bNode);
        QCOMPARE(host.activeDocNo(), 1);  // brought back to the front
        QCOMPARE(first.text->SelText(), QStringLiteral("b"));
        QCOMPARE(first.text->SelStart(), 10);
        // Once that document is closed the box does nothing.
        host.close(1);
        second.text->setSelStart(0);
        form.KontrolGotoTag(bNode);
        QCOMPARE(second.text->SelStart(), 0);
        QCOMPARE(second.text->SelLength(), 0);
        tool(form, "msKnap")->trigger();
        QCOMPARE(form.statusText(), QStringLiteral("Der er ikke indlæst struktur"));
    }

    void settingsFile()
    {
        Tinfotag engine;
        Host host;
        host.engine = &engine;
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("kontrol.txt"));
        {
            Tkontrolform form(engine, host, file);
            QCOMPARE(form.width(), 285);  // the default 260 is below the minimum
            QCOMPARE(form.height(), 370);
            form.resize(300, 400);
            form.move(40, 30);
            form.show();
            form.close();
        }
        QStringList lines;
        QVERIFY(TextFile::readLines(file, lines));
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines.value(2), QStringLiteral("300"));
        QCOMPARE(lines.value(3), QStringLiteral("400"));
        // A broken third line: the two values before it stay.
        QVERIFY(TextFile::writeLines(file, {QStringLiteral("50"), QStringLiteral("60"), QStringLiteral("x"),
                                            QStringLiteral("500")}));
        Tkontrolform again(engine, host, file);
        QCOMPARE(again.pos(), QPoint(60, 50));
        QCOMPARE(again.height(), 370);
    }

    void everyControlHasAName()
    {
        Tinfotag engine;
        QVERIFY(loadTestKnowledge(engine));
        Host host;
        host.engine = &engine;
        THtmlPanel panel(engine, host);
        QTemporaryDir dir;
        Tkontrolform form(engine, host, dir.filePath(QStringLiteral("kontrol.txt")));
        for (QWidget *root : {static_cast<QWidget *>(&panel), static_cast<QWidget *>(&form)})
            for (QWidget *w : root->findChildren<QWidget *>())
                // Headers and the toolkit's own helpers (qt_*) are no controls of ours.
                if ((qobject_cast<QAbstractButton *>(w) || qobject_cast<QAbstractItemView *>(w)
                     || qobject_cast<QLineEdit *>(w))
                    && !qobject_cast<QHeaderView *>(w) && !w->objectName().startsWith(QStringLiteral("qt_"))
                    && qstrcmp(w->metaObject()->className(), "QTableCornerButton") != 0)
                    QVERIFY2(!w->accessibleName().isEmpty(), w->metaObject()->className());
    }
};

QTEST_MAIN(TestHtmlWindows)
#include "tst_htmlwindows.moc"
