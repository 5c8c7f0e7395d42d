// Scenarios through the real windows: the property browser writes a value
// at the caret, and "Css boksen" previews a rule that the structure viewer
// then shows on its page of the structure "CSS".
#include "core/winform.h"
#include "css/cssboksform.h"
#include "css/cssgruppeform.h"
#include "css/csskommandoer.h"
#include "css/cssinstall.h"
#include "structures/fakehost.h"
#include "structures/infoform.h"
#include "structures/pageview.h"
#include "support/testhost.h"
#include "ui/questions.h"

#include <QPushButton>
#include <QTableWidget>
#include <QtTest>
#ifdef TAGLUND_HAVE_WEBENGINE
#include <QWebEngineView>
#endif

using namespace taglund;
using namespace taglund::test;

class TestCssViewer : public QObject {
    Q_OBJECT
    ui::Script m_script;

    static void doubleClick(QTableWidget *t, const QString &text)
    {
        const QList<QTableWidgetItem *> found = t->findItems(text, Qt::MatchExactly);
        QVERIFY2(!found.isEmpty(), qPrintable(text));
        t->scrollToItem(found.first());
        const QRect r = t->visualItemRect(found.first());
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(t->viewport(), Qt::LeftButton, {}, r.center());
    }

private slots:
    void initTestCase() { ui::setScript(&m_script); }
    void cleanupTestCase() { ui::setScript(nullptr); }

    void browserWritesJustifyContent()
    {
        TempRoot root;
        QVERIFY(installCss(root.path()));
        TestHost host;
        TCssKommandoer css(&host, &host);
        host.show();
        Twinform *w = host.openwin(QString(), "*.css");
        w->text().setText("div.boks{\r\n\r\n}");
        w->text().setSelStart(10);
        host.commands()->action("ACssGruppeboks")->trigger();
        TCssGruppeForm *g = css.gruppeboks();
        QVERIFY(QTest::qWaitForWindowExposed(g));
        doubleClick(g->grupper(), "Flexible Box Layout");
        doubleClick(g->egenskaber(), "justify-content");
        QCOMPARE(g->aktuelEgenskab(), QString("justify-content"));
        doubleClick(g->vaerdier(), "space-between");
        QCOMPARE(w->text().Text(), QString("div.boks{\r\njustify-content: space-between;\r\n}"));
        QVERIFY(m_script.messages.isEmpty());
    }

    void boxPreviewShowsTheRuleInTheViewer()
    {
        TempRoot root;
        QVERIFY(installCss(root.path()));
        TestHost host;
        FakeHost structures(root.path());
        Tinfoform viewer(&structures);
        TCssKommandoer css(&host, &host);
        // The viewer's reload past the cache is its own; here a plain show and reload.
        css.setPreviewAabner([&viewer](const QString &s, const QString &e) {
            viewer.HelpInfo(s, e);
            if (viewer.pageView())
                viewer.pageView()->reload();
        });
        host.show();
        host.commands()->action("ACssBoksen")->trigger();
        TCssBoksForm *b = css.cssBoks();
        b->kontainer().ramme = true;
        b->kontainer().borderWidth = "2";
        b->kontainer().borderStyle = "solid";
        b->vis();
        b->knap("Preview")->click();
        QVERIFY(viewer.isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(fileNameOf(viewer.logic().hjemmeside()), QString("CSS kontainer.html"), 20000);
#ifdef TAGLUND_HAVE_WEBENGINE
        auto *view = qobject_cast<QWebEngineView *>(viewer.pageView()->widget());
        QVERIFY(view);
        // Answers may still arrive while the viewer closes: they go to a string that outlives it.
        auto answer = std::make_shared<QString>();
        const QString &border = *answer;
        auto ask = [view, answer] {
            view->page()->runJavaScript(
                "(function(){var k=document.querySelector('.kontainer');if(!k)return '';"
                "var s=getComputedStyle(k);return s.borderTopWidth+' '+s.borderTopStyle;})()",
                [answer](const QVariant &v) { *answer = v.toString(); });
        };
        QTRY_VERIFY_WITH_TIMEOUT((ask(), border == "2px solid"), 20000);

        // A second preview with another rule is shown too, not a cached sheet.
        b->kontainer().borderWidth = "5";
        b->knap("Preview")->click();
        QTRY_VERIFY_WITH_TIMEOUT((ask(), border == "5px solid"), 20000);
#endif
    }
};

QTEST_MAIN(TestCssViewer)
#include "tst_cssviewer.moc"
