// A large file named on the command line loads after the main window is on
// screen, and the window answers keys while it loads.
#include "app/mainform.h"
#include "app/mainpanel.h"
#include "appstart.h"
#include "support/testsupport.h"
#include "ui/questions.h"

#include <QLineEdit>
#include <QTimer>
#include <QtTest>

using namespace taglund;

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void windowFirstThenTheLargeFile()
    {
        test::TempRoot root;
        ui::Script script;
        ui::setScript(&script);
        const QString big = root.file("stor.html");
        int lines = 0;
        {
            QByteArray page;
            const QByteArray line = "<p class=\"x\">Lorem ipsum dolor sit amet, consectetur adipiscing.</p>\r\n";
            page.reserve(50'000'000 + line.size());
            while (page.size() < 50'000'000)
                page += line;
            test::writeAll(big, page);
            lines = int(page.size() / line.size()) + 1;
        }
        auto main = std::make_unique<Tmainform>(QStringLiteral("/opt/taglund"), QStringList{big});
        main->show();
        // Shown, and nothing read yet.
        QVERIFY(main->isVisible());
        QVERIFY(main->startFilesPending());
        QCOMPARE(main->documents()->windows().size(), 0);

        // While the file is being read (the start files have begun and no
        // document has joined yet), type into the search field.
        QLineEdit *field = main->mainPanel()->findEdit();
        QString typedWhileLoading;
        QStringList progress;
        QTimer probe;
        probe.setInterval(0);
        connect(&probe, &QTimer::timeout, [&] {
            if (main->startFilesPending() || main->documents()->windows().size() != 0)
                return;
            const QString status = main->statusText(5);
            if (status.startsWith("Indlæser stor.html") && !progress.contains(status))
                progress << status;
            if (typedWhileLoading.isEmpty()) {
                field->setFocus();
                QTest::keyClicks(field, "abc");
                typedWhileLoading = field->text();
            }
        });
        probe.start();
        test::waitForStartFiles(*main);
        QTRY_COMPARE_WITH_TIMEOUT(main->documents()->windows().size(), 1, 120000);
        probe.stop();
        QCOMPARE(typedWhileLoading, QString("abc"));
        QVERIFY2(progress.size() >= 2, qPrintable(progress.join(" | ")));
        QCOMPARE(main->statusText(5), QString());
        Twinform *w = main->activeWin();
        QVERIFY(w);
        QCOMPARE(w->text().LineCount(), lines);
        QVERIFY(!w->text().Modified());
        main.reset();
        ui::setScript(nullptr);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
