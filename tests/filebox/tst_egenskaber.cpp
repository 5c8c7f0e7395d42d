// The property window: its texts through the engine, and the window's own
// rules (pages fixed, "Anvend", the width buttons).
#include "filebox/egenskabform.h"
#include "filboks_test.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTabWidget>

using namespace taglund;
using namespace taglund::test;

class TstEgenskaber : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Danish, QLocale::Denmark)); }

    void fileType_data()
    {
        QTest::addColumn<QString>("ext");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("icon");   // the stem whose icon is shown
        QTest::newRow("upper HTML") << ".HTML" << "Webfil: HTML-fil (.html)" << "html";
        QTest::newRow("mkv unknown") << ".mkv" << "MKV-fil (.mkv)" << "ukendt";
        QTest::newRow("video without own icon") << ".avi" << "Videofil: AVI-fil (.avi)" << "film";
        QTest::newRow("music") << ".m4a" << "Musikfil: M4A-fil (.m4a)" << "musik";
        QTest::newRow("picture") << ".jpeg" << "Billedfil: JPEG-fil (.jpeg)" << "billeder";
        QTest::newRow("wsf") << ".wsf" << "Window script fil: WSF-fil (.wsf)" << "ukendt";
        QTest::newRow("pas") << ".pas" << "Delphi/Pascalfil: PAS-fil (.pas)" << "ukendt";
        QTest::newRow("program has no own icon") << ".exe" << "EXE-fil (.exe)" << "ukendt";
        QTest::newRow("txt with its icon") << ".txt" << "Tekstfil: TXT-fil (.txt)" << "txt";
    }
    void fileType()
    {
        QFETCH(QString, ext);
        QFETCH(QString, type);
        QFETCH(QString, icon);
        QTemporaryDir ikoner;
        makeTree(ikoner.path(), {"html_ikon.ico", "txt_ikon.ico", "exe_ikon.ico", "ukendt_ikon.ico"});
        QCOMPARE(TFilMappeInfo::filTypeTekst(ext), type);
        QCOMPARE(TFilMappeInfo::ikonFil(ikoner.path() + u'/', ext), ikoner.path() + u'/' + icon + "_ikon.ico");
    }

    void usedShare_data()
    {
        QTest::addColumn<qint64>("capacity");
        QTest::addColumn<qint64>("free");
        QTest::addColumn<int>("percent");
        QTest::newRow("no capacity is full") << qint64(0) << qint64(0) << 100;
        QTest::newRow("half") << qint64(1000) << qint64(500) << 50;
        QTest::newRow("rounded") << qint64(1000) << qint64(994) << 1;
        QTest::newRow("free above capacity") << qint64(100) << qint64(200) << 0;
    }
    void usedShare()
    {
        QFETCH(qint64, capacity);
        QFETCH(qint64, free);
        QFETCH(int, percent);
        QCOMPARE(TFilMappeInfo::brugtProcent(capacity, free), percent);
    }

    void fileProperties()
    {
        Filboks fb;
        makeTree(fb.root, {"side.HTML=12345", ".skjult.txt=x"});
        fb.funk.setIkonDir(fb.root + u'/');
        fb.funk.showFileInfo(fb.path("side.HTML"));
        QCOMPARE(fb.dialoger.side, 0);
        QCOMPARE(fb.dialoger.fil.navn, QStringLiteral("side.HTML"));
        QCOMPARE(fb.dialoger.fil.placering, fb.root + u'/');
        QCOMPARE(fb.dialoger.fil.storrelse, QStringLiteral("5 bytes (5 bytes)"));
        QCOMPARE(fb.dialoger.fil.filtype, QStringLiteral("Webfil: HTML-fil (.html)"));
        QVERIFY(!fb.dialoger.fil.aendret.isEmpty());
        QVERIFY(!fb.dialoger.fil.skrivebeskyttet);
        QVERIFY(!fb.dialoger.fil.skjult);
        fb.funk.showFileInfo(fb.path(".skjult.txt"));
        QVERIFY(fb.dialoger.fil.skjult);
        // A file that cannot be opened closes the window with the message.
        fb.funk.showFileInfo(fb.path("borte.txt"));
        QCOMPARE(fb.dialoger.side, -1);
        QCOMPARE(fb.script.messages, QStringList{"Der opstod en fejl.\rFilen er muligvist i brug."});
    }

    // Read-only is the owner's write permission; "Anvend" changes it and
    // rebuilds the list.
    void readOnlyAttribute()
    {
        Filboks fb;
        makeTree(fb.root, {"a.txt=A"});
        fb.vis(QString());
        QVERIFY(fb.funk.anvendFilAttributter(fb.path("a.txt"), true));
        QVERIFY(!(QFile::permissions(fb.path("a.txt")) & QFile::WriteOwner));
        QVERIFY(QFile::permissions(fb.path("a.txt")) & QFile::ReadOwner);
        fb.funk.showFileInfo(fb.path("a.txt"));
        QVERIFY(fb.dialoger.fil.skrivebeskyttet);
        QVERIFY(fb.funk.anvendFilAttributter(fb.path("a.txt"), false));
        QVERIFY(QFile::permissions(fb.path("a.txt")) & QFile::WriteOwner);
        QCOMPARE(fb.texts(), QStringList{"a.txt"});
    }

    void folderProperties_data()
    {
        QTest::addColumn<QStringList>("tree");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("contents");
        QTest::newRow("empty") << QStringList{"M/"} << "0 bytes (0 bytes)" << "0 filer, 0 mapper";
        QTest::newRow("nested, hidden counted, link not followed")
            << QStringList{"M/a=1234", "M/.h=12", "M/U/b=1234", "M/U/V/", "M/l->../ude", "ude/stor=0123456789"}
            << "16 bytes (16 bytes)"   // the link counts the six bytes of its own text
            << "4 filer, 2 mapper";
    }
    void folderProperties()
    {
        QFETCH(QStringList, tree);
        QFETCH(QString, size);
        QFETCH(QString, contents);
        Filboks fb;
        makeTree(fb.root, tree);
        fb.vis(QString());
        fb.vaelg({});
        fb.funk.showMappeInfo();
        QCOMPARE(fb.script.messages, QStringList{"Der er ikke valgt en mappe."});
        QVERIFY(fb.vaelg({"M"}));
        fb.funk.showMappeInfo();
        QCOMPARE(fb.dialoger.side, 2);
        QCOMPARE(fb.dialoger.mappe.navn, QStringLiteral("M"));
        QCOMPARE(fb.dialoger.mappe.placering, fb.root);
        QCOMPARE(fb.dialoger.mappe.storrelse, size);
        QCOMPARE(fb.dialoger.mappe.indeholder, contents);
        QVERIFY(QDir(fb.path("M")).removeRecursively());
        fb.funk.showMappeInfo();
        QCOMPARE(fb.script.messages.last(), QStringLiteral("Mappen blev ikke fundet."));
    }

    void driveProperties()
    {
        Filboks fb;
        fb.funk.showDriveInfo(fb.root);
        QCOMPARE(fb.dialoger.side, 1);
        QVERIFY(fb.dialoger.drev.navn.endsWith(u')'));
        QVERIFY(!fb.dialoger.drev.filsystem.isEmpty());
        QVERIFY(fb.dialoger.drev.kapasitet.endsWith(QLatin1String(" bytes)")));
        fb.funk.showDriveInfo(fb.path("findes/ikke"));
        QCOMPARE(fb.dialoger.side, -1);
        QCOMPARE(fb.script.messages, QStringList{"Der opstod en fejl."});
    }

    // The window itself: the page it was filled for stays; hidden, archive
    // and system are shown but cannot be changed; "Anvend" waits for a click.
    void window()
    {
        Filboks fb;
        makeTree(fb.root, {"a.txt=A"});
        fb.vis(QString());
        TEgenskabForm form(&fb.funk);
        fb.funk.setEgenskabsVisning(&form);
        fb.funk.showFileInfo(fb.path("a.txt"));
        QVERIFY(form.isVisible());
        QCOMPARE(form.windowTitle(), QStringLiteral("Fil egenskaber"));
        auto *tabs = form.findChild<QTabWidget *>();
        tabs->setCurrentIndex(2);
        QCOMPARE(tabs->currentIndex(), 0);
        QVERIFY(!form.anvendKnap()->isEnabled());
        for (const char *name : {"Skjult", "Arkiv", "System"}) {
            bool found = false;
            for (QCheckBox *c : form.findChildren<QCheckBox *>())
                if (c->text() == QLatin1String(name)) {
                    found = true;
                    QVERIFY(!c->isEnabled());
                }
            QVERIFY(found);
        }
        form.skrivebeskyttetBox()->click();
        QVERIFY(form.anvendKnap()->isEnabled());
        form.anvendKnap()->click();
        QVERIFY(!form.anvendKnap()->isEnabled());
        QVERIFY(!(QFile::permissions(fb.path("a.txt")) & QFile::WriteOwner));
        form.resize(1900, form.height());
        form.stoerre();
        QCOMPARE(form.width(), 2040);
        form.mindre();
        QCOMPARE(form.width(), 350);
        fb.funk.showDriveInfo(fb.root);
        QCOMPARE(form.windowTitle(), QStringLiteral("Drev egenskaber"));
        QCOMPARE(tabs->currentIndex(), 1);
    }
};

QTEST_MAIN(TstEgenskaber)
#include "tst_egenskaber.moc"
