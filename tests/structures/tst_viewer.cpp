// The structure viewer window with its real page view: pages load, titles
// drive the history, and new-window requests stay in the same view.
#include "structures/fakehost.h"
#include "structures/infoform.h"
#include "structures/pageview.h"
#include "structures/strukturview.h"
#include "structures/urlform.h"
#include "ui/questions.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QListWidget>
#include <QMenu>
#include <QtTest>
#ifdef TAGLUND_HAVE_WEBENGINE
#include <QWebEngineView>
#endif

using namespace taglund;
using namespace taglund::test;

class TestViewer : public QObject {
    Q_OBJECT
    QTemporaryDir m_tmp;
    std::unique_ptr<FakeHost> m_host;
    ui::Script m_script;

    QString shown(Tinfoform &f) const { return fileNameOf(f.logic().hjemmeside()); }

private slots:
    void initTestCase()
    {
        m_host = std::make_unique<FakeHost>(m_tmp.path());
        m_host->addInfo("T", {"Alpha", "\tBeta", "\tGamma", "\t\tDelta", "\tEpsilon"},
                        {"0alpha", "1beta", "2gamma", "3delta", "4beta"}, {"alpha", "beta", "gamma", "delta"});
        m_host->addInfo("Information", {"Information", "\tTaglund"}, {"3Information", "0Taglund"},
                        {"Information", "Taglund"});
        m_host->addInfo("Mine noter", {"Noter"}, {"0noter"}, {"noter"});
        writeAll(m_host->page("T", "alpha"),
                 "<html><head><title>Alpha</title></head><body>"
                 "<a id=\"ny\" href=\"gamma.html\" target=\"_blank\">Gamma i nyt vindue</a></body></html>");
        ui::setScript(&m_script);
    }
    void cleanupTestCase() { ui::setScript(nullptr); }

    void webEngineOnlyAtFirstShow()
    {
        Tinfoform f(m_host.get());
        QVERIFY(!f.pageView());
        QCOMPARE(f.windowTitle(), QString("Information"));
        QCOMPARE(f.countLabel()->text(), QString("Elementer: 2"));
        f.show();
        QVERIFY(f.pageView());
#ifdef TAGLUND_HAVE_WEBENGINE
        QVERIFY(f.pageView()->isWebEngine());
#endif
    }

    void helpInfoAndHistory()
    {
        Tinfoform f(m_host.get());
        f.HelpInfo("T.txt", "BETA");
        QVERIFY(f.isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(shown(f), QString("beta.html"), 20000);
        QCOMPARE(f.windowTitle(), QString("T.txt"));
        QCOMPARE(f.countLabel()->text(), QString("Elementer: 5"));
        QCOMPARE(f.tree()->currentItem()->text(0), QString("Beta"));
        QCOMPARE(f.logic().history().size(), 1);
        QCOMPARE(f.addressBox()->text(), QString("beta.html"));
        QTRY_COMPARE_WITH_TIMEOUT(f.pageView()->title(), QString("beta"), 20000);

        f.HelpInfo("T.txt", "beta");
        QTest::qWait(200);
        QCOMPARE(f.logic().history().size(), 1);

        f.HelpInfo("T.txt", "Gamma");
        QTRY_COMPARE_WITH_TIMEOUT(shown(f), QString("gamma.html"), 20000);
        QCOMPARE(f.logic().history().size(), 2);
        QAction *back = f.action("Tilbage");
        QVERIFY(back && back->isEnabled());
        QVERIFY(!f.action("Frem")->isEnabled());
        back->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(shown(f), QString("beta.html"), 20000);
        QCOMPARE(f.logic().history().size(), 2);
        QCOMPARE(f.logic().urlIndex(), 0);
        QVERIFY(f.action("Frem")->isEnabled());
        QVERIFY(!f.logic().naviKlikket());
        QCOMPARE(f.tree()->currentItem()->text(0), QString("Beta"));

        // The history box shows the same rows.
        Turlform1 *box = f.urlboks();
        QCOMPARE(box->entryList()->count(), 2);
        QCOMPARE(box->entryList()->item(1)->text(), QString("Gamma"));
        QCOMPARE(box->structureList()->item(1)->text(), QString("T.txt"));
        QCOMPARE(box->entryList()->currentRow(), 0);
        box->sletKnap()->click();
        QCOMPARE(f.logic().urlIndex(), -1);
        QCOMPARE(box->entryList()->count(), 0);
        QVERIFY(!box->sletKnap()->isEnabled());
    }

    void treeClickShowsPage()
    {
        Tinfoform f(m_host.get());
        f.HelpInfo("T", "");
        QTRY_COMPARE_WITH_TIMEOUT(shown(f), QString("alpha.html"), 20000);
        QTreeWidgetItem *delta = f.tree()->itemOf(byText(f.logic().struktur(), "Delta"));
        QVERIFY(delta);
        f.tree()->scrollToItem(delta);
        const QRect r = f.tree()->visualItemRect(delta);
        QTest::mouseClick(f.tree()->viewport(), Qt::LeftButton, {}, r.center());
        QTRY_COMPARE_WITH_TIMEOUT(shown(f), QString("delta.html"), 20000);
        QCOMPARE(f.logic().history().last().entry, QString("Delta"));
    }

    void newWindowOpensInTheSameView()
    {
        Tinfoform f(m_host.get());
        f.HelpInfo("T", "Alpha");
        QTRY_COMPARE_WITH_TIMEOUT(shown(f), QString("alpha.html"), 20000);
#ifdef TAGLUND_HAVE_WEBENGINE
        // A link with target _blank asks for a new window: it opens here.
        auto *web = qobject_cast<QWebEngineView *>(f.pageView()->widget());
        QVERIFY(web);
        web->page()->runJavaScript("window.open('gamma.html')");
        QTRY_COMPARE_WITH_TIMEOUT(shown(f), QString("gamma.html"), 20000);
        QCOMPARE(f.tree()->currentItem()->text(0), QString("Gamma"));
        f.HelpInfo("T", "Alpha");
        QTRY_COMPARE_WITH_TIMEOUT(shown(f), QString("alpha.html"), 20000);
        // A person's click on a link with target _blank.
        // The viewer knows the page before the page has its elements: ask until the link is there.
        QVariant rect;
        for (int tries = 0; tries < 200 && rect.toList().size() != 2; ++tries) {
            bool answered = false;
            web->page()->runJavaScript("(function(){var e=document.getElementById('ny'); if (!e) return null;"
                                       "var r=e.getBoundingClientRect();"
                                       "return [r.left + r.width / 2, r.top + r.height / 2];})()",
                                       [&rect, &answered](const QVariant &v) {
                                           rect = v;
                                           answered = true;
                                       });
            QTRY_VERIFY_WITH_TIMEOUT(answered, 20000);
            if (rect.toList().size() != 2)
                QTest::qWait(100);
        }
        QCOMPARE(rect.toList().size(), 2);
        const QPoint at(rect.toList().value(0).toInt(), rect.toList().value(1).toInt());
        QWidget *surface = web->focusProxy() ? web->focusProxy() : web;
        QTest::mouseMove(surface, at);
        QTRY_VERIFY_WITH_TIMEOUT(!f.logic().globalUrl().isEmpty(), 20000);
        QVERIFY(f.logic().globalUrl().endsWith("gamma.html"));
        QTest::mouseClick(surface, Qt::LeftButton, {}, at);
        QTRY_COMPARE_WITH_TIMEOUT(shown(f), QString("gamma.html"), 20000);
        QCOMPARE(f.tree()->currentItem()->text(0), QString("Gamma"));
        f.HelpInfo("T", "Alpha");
        QTRY_COMPARE_WITH_TIMEOUT(shown(f), QString("alpha.html"), 20000);

        f.logic().newWindowRequested(QUrl());  // nothing to go to: stays
        QCOMPARE(shown(f), QString("alpha.html"));
        f.logic().linkHovered(QUrl::fromLocalFile(m_host->page("T", "gamma")).toString());
        f.logic().newWindowRequested(QUrl());
        QTRY_COMPARE_WITH_TIMEOUT(shown(f), QString("gamma.html"), 20000);
        QCOMPARE(f.tree()->currentItem()->text(0), QString("Gamma"));
#endif
    }

    void userStructureMenu()
    {
        Tinfoform f(m_host.get());
        QStringList captions;
        for (QAction *a : f.userMenu()->actions())
            captions << a->text();
        QCOMPARE(captions, (QStringList{"Mine noter", "T"}));
        f.userMenu()->actions().first()->setText("&Mine noter");
        f.userMenu()->actions().first()->trigger();
        QCOMPARE(f.windowTitle(), QString("Mine noter"));
        QTRY_COMPARE_WITH_TIMEOUT(shown(f), QString("noter.html"), 20000);
    }

    void builtinButtons()
    {
        Tinfoform f(m_host.get());
        QAction *program = f.action("Vis program informations struktur");
        QVERIFY(program);
        program->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(shown(f), QString("Taglund.html"), 20000);
        QCOMPARE(f.windowTitle(), QString("Information"));
    }

    void searchPage()
    {
        Tinfoform f(m_host.get());
        f.HelpInfo("T", "");
        f.searchBox()->setText("gamma");
        QAction *find = f.action("Søg i aktuelle struktur: Ctrl+S eller skriv og tryk Enter");
        QVERIFY(find->isEnabled());
        find->trigger();
        QCOMPARE(f.resultList()->count(), 2);  // the gamma page, and alpha's link text
        QCOMPARE(f.resultList()->item(0)->text(), QString("alpha"));
        QCOMPARE(f.resultList()->sizeHintForRow(0), 19);
        f.searchBox()->clear();
        QVERIFY(!find->isEnabled());
    }

    void settingsAppliedAtFirstShow()
    {
        writeAll(TInfoSettings::fileName(m_host->optdir()), "40\r\n50\r\n900\r\n640\r\n300\r\n1\r\n");
        {
            Tinfoform f(m_host.get());
            QVERIFY(f.autoExpand());
            f.show();
            QCOMPARE(f.size(), QSize(900, 640));
            f.resize(1000, 700);
            QVERIFY(f.saveSettings());
        }
        const TInfoSettings s = TInfoSettings::read(m_host->optdir());
        QCOMPARE(s.width, 1000);
        QCOMPARE(s.height, 700);
        QVERIFY(s.autoExpand);
        QFile::remove(TInfoSettings::fileName(m_host->optdir()));
        Tinfoform g(m_host.get());
        g.show();
        QCOMPARE(g.size(), QSize(818, 610));  // the default width is below the window's minimum
    }
};

QTEST_MAIN(TestViewer)
#include "tst_viewer.moc"
