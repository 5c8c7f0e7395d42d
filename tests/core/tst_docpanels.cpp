#include "core/docpanels.h"
#include "core/mainform.h"
#include "structures/jsobjektpanel.h"
#include "structures/strukturpanel.h"
#include "support/testsupport.h"
#include "ui/questions.h"

#include <QAction>
#include <QToolBar>
#include <QtTest>
#include <memory>

using namespace taglund;

class TestDocPanels : public QObject {
    Q_OBJECT
private slots:
    void panelsByKind_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<bool>("panel");
        QTest::addColumn<bool>("js");
        QTest::addColumn<int>("corrections");
        QTest::newRow("html") << "*.html" << true << false << 2;
        QTest::newRow("js") << "*.js" << true << true << 0;
        QTest::newRow("vbs") << "*.vbs" << true << false << 1;
        QTest::newRow("asa") << "*.asa" << true << false << 2;
        QTest::newRow("css") << "*.css" << true << false << 0;
        QTest::newRow("txt") << "*.txt" << false << false << 0;
    }
    void panelsByKind()
    {
        QFETCH(QString, pattern);
        QFETCH(bool, panel);
        QFETCH(bool, js);
        QFETCH(int, corrections);
        test::TempRoot root;
        ui::Script script;
        ui::setScript(&script);
        auto main = std::make_unique<Tmainform>(QStringLiteral("/opt/taglund"), QStringList{});
        main->show();
        Twinform *w = main->openwin(QString(), pattern);
        auto *p = w->findChild<TDokumentPaneler *>();
        QVERIFY(p);
        QCOMPARE(p->strukturPanel() != nullptr, panel);
        QCOMPARE(p->jsPanel() != nullptr, js);
        if (panel) {
            QVERIFY(!p->panelShown());
            QCOMPARE(p->toggleAction()->toolTip(), QString("Vis strukturpanelet"));
            p->toggleAction()->trigger();
            QVERIFY(p->panelShown());
            QCOMPARE(p->toggleAction()->toolTip(), QString("Luk strukturpanelet"));
            QCOMPARE(p->bar()->actions().size(), 1 + corrections);
            p->toggleAction()->trigger();
            QVERIFY(!p->panelShown());
        }
        main.reset();
        ui::setScript(nullptr);
    }
};

QTEST_MAIN(TestDocPanels)
#include "tst_docpanels.moc"
