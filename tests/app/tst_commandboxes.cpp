#include "app/commands/commandhost.h"
#include "app/commands/findform.h"
#include "app/commands/htmludskriftform.h"
#include "core/text/doctext.h"
#include "core/text/textfile.h"
#include "support/testsupport.h"
#include "ui/questions.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

using namespace taglund;

namespace {

struct TestHost : TCommandHost {
    QTextDocument doc;
    TDocText text{&doc};
    bool open = true;
    QString folder;
    int caretCalls = 0;
    QStringList help;
    TDocText *activeText() const override { return open ? const_cast<TDocText *>(&text) : nullptr; }
    QWidget *hostWindow() const override { return nullptr; }
    void caretChanged() override { ++caretCalls; }
    QString programFolder() const override { return folder; }
    void helpInfo(const QString &structure, const QString &entry) override { help << structure + "/" + entry; }
};

} // namespace

class TestCommandBoxes : public QObject {
    Q_OBJECT
private slots:
    void buttonsNeedTextAndDocument_data()
    {
        QTest::addColumn<bool>("replacing");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("open");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("find, empty") << false << "" << true << false;
        QTest::newRow("find, typed") << false << "abc" << true << true;
        QTest::newRow("find, no document") << false << "abc" << false << false;
        QTest::newRow("replace, empty") << true << "" << true << false;
        QTest::newRow("replace, typed") << true << "a" << true << true;
        QTest::newRow("replace, no document") << true << "a" << false << false;
    }
    void buttonsNeedTextAndDocument()
    {
        QFETCH(bool, replacing);
        QFETCH(QString, typed);
        QFETCH(bool, open);
        QFETCH(bool, enabled);
        TestHost host;
        host.open = open;
        TFindForm form(replacing ? TFindForm::Mode::Replace : TFindForm::Mode::Find, &host);
        QVERIFY(!form.findButton()->isEnabled());
        QTest::keyClicks(form.searchField(), typed);
        form.activeDocumentChanged();
        QCOMPARE(form.findButton()->isEnabled(), enabled);
        if (replacing) {
            QCOMPARE(form.replaceButton()->isEnabled(), enabled);
            QCOMPARE(form.replaceAllButton()->isEnabled(), enabled);
        }
        // Even called directly, nothing happens without a text or a document.
        if (!enabled && replacing) {
            host.text.setText("aaa");
            QCOMPARE(form.replaceAll(), 0);
            QCOMPARE(form.replaceNext(), false);
        }
        for (QWidget *w : form.findChildren<QWidget *>())
            if (qobject_cast<QAbstractButton *>(w) || qobject_cast<QLineEdit *>(w))
                QVERIFY2(!w->accessibleName().isEmpty(), w->metaObject()->className());
    }

    void findUpAndDown()
    {
        TestHost host;
        host.text.setText("abcabc");
        host.text.setSelStart(6);
        TFindForm form(TFindForm::Mode::Find, &host);
        form.searchField()->setText("abc");
        form.upButton()->setChecked(true);
        QTest::mouseClick(form.findButton(), Qt::LeftButton);
        QCOMPARE(host.text.SelStart(), 3);
        QCOMPARE(host.text.SelLength(), 3);
        QVERIFY(form.findNext());
        QCOMPARE(host.text.SelStart(), 0);
        // Nothing further up: the selection stays.
        QVERIFY(!form.findNext());
        QCOMPARE(host.text.SelStart(), 0);
        QCOMPARE(host.text.SelLength(), 3);
        QCOMPARE(host.caretCalls, 2);
        QRadioButton *down = nullptr;
        for (QRadioButton *r : form.findChildren<QRadioButton *>())
            if (r->text() == "Ned")
                down = r;
        QVERIFY(down);
        down->setChecked(true);
        QVERIFY(form.findNext());
        QCOMPARE(host.text.SelStart(), 3);
    }

    void findOptionsReachTheSearch()
    {
        TestHost host;
        host.text.setText("Abc abcd abc");
        TFindForm form(TFindForm::Mode::Find, &host);
        form.searchField()->setText("abc");
        form.wholeWordBox()->setChecked(true);
        form.matchCaseBox()->setChecked(true);
        QVERIFY(form.findNext());
        QCOMPARE(host.text.SelStart(), 9);
    }

    void replaceThroughTheBox()
    {
        TestHost host;
        host.text.setText("aaa");
        TFindForm form(TFindForm::Mode::Replace, &host);
        form.searchField()->setText("a");
        form.replaceField()->setText("aa");
        QTest::mouseClick(form.replaceAllButton(), Qt::LeftButton);
        QCOMPARE(host.text.Text(), QStringLiteral("aaaaaa"));
        QCOMPARE(host.caretCalls, 1);

        host.text.setText("x y x");
        form.searchField()->setText("x");
        form.replaceField()->setText("z");
        QVERIFY(form.findNext());
        QCOMPARE(host.text.SelStart(), 0);
        QTest::mouseClick(form.replaceButton(), Qt::LeftButton);
        QCOMPARE(host.text.Text(), QStringLiteral("z y x"));
    }

    void htmlBoxModes()
    {
        QTemporaryDir dir;
        TestHost host;
        host.folder = dir.path();
        test::writeAll(dir.filePath("htmlUdskrift.html"), QByteArray("<p>\r\nGr\xF8""d\r\n</p>\r\n"));
        THtmlUdskriftForm box(&host);
        QVERIFY(box.reload());
        QCOMPARE(box.text().Text(), QString::fromUtf8("<p>\r\nGrød\r\n</p>"));
        // Starts splitting lines: readable, not for writing.
        QVERIFY(box.splitting());
        QVERIFY(!box.trueButton()->isEnabled());
        QVERIFY(box.falseButton()->isEnabled());
        QVERIFY(!box.writeButton()->isEnabled());

        QTest::mouseClick(box.falseButton(), Qt::LeftButton);
        QVERIFY(!box.splitting());
        QVERIFY(box.trueButton()->isEnabled());
        QVERIFY(!box.falseButton()->isEnabled());
        QVERIFY(box.writeButton()->isEnabled());

        host.open = false;
        box.activeDocumentChanged();
        QVERIFY(!box.writeButton()->isEnabled());
        QCOMPARE(box.writeToDocument(), 0);
        host.open = true;
        box.activeDocumentChanged();
        QVERIFY(box.writeButton()->isEnabled());

        QTest::mouseClick(box.trueButton(), Qt::LeftButton);
        QVERIFY(box.splitting());
        QVERIFY(!box.writeButton()->isEnabled());
    }

    void htmlBoxWritesLinesAtTheCaret()
    {
        QTemporaryDir dir;
        TestHost host;
        host.folder = dir.path();
        test::writeAll(dir.filePath("htmlUdskrift.html"), "<h1>Titel</h1>\r\n<p>tekst</p>\r\n");
        host.text.setText("før\r\nefter");
        host.text.setSelStart(4);   // the start of the second line
        THtmlUdskriftForm box(&host);
        box.splitOff();
        QCOMPARE(box.writeToDocument(), 2);
        QCOMPARE(host.text.Text(), QString::fromUtf8("før\r\n<h1>Titel</h1>\r\n<p>tekst</p>\r\nefter"));
        QCOMPARE(host.caretCalls, 1);
        // All of it is one undo step.
        host.doc.undo();
        QCOMPARE(host.text.Text(), QString::fromUtf8("før\r\nefter"));
    }

    void htmlBoxFiles_data()
    {
        QTest::addColumn<bool>("present");
        QTest::addColumn<QString>("shown");
        QTest::newRow("missing file: empty box, no message") << false << "";
        QTest::newRow("present") << true << "<b>x</b>";
    }
    void htmlBoxFiles()
    {
        QFETCH(bool, present);
        QFETCH(QString, shown);
        QTemporaryDir dir;
        TestHost host;
        host.folder = dir.path();
        if (present)
            test::writeAll(dir.filePath("htmlUdskrift.html"), shown.toUtf8());
        THtmlUdskriftForm box(&host);
        ui::Script script;
        ui::setScript(&script);
        QVERIFY(box.reload());
        ui::setScript(nullptr);
        QCOMPARE(box.text().Text(), shown);
        QVERIFY(script.messages.isEmpty());
        box.splitOff();
        QCOMPARE(box.writeToDocument(), present ? 1 : 0);
    }

    void htmlBoxSavesWhatItShows()
    {
        QTemporaryDir dir;
        TestHost host;
        host.folder = dir.path();
        THtmlUdskriftForm box(&host);
        // A character Windows-1252 lacks must survive the round trip.
        const QString html = QString::fromUtf8("<p>Grød → ☃</p>\r\n<p>x</p>");
        box.text().setText(html);
        QString error;
        QVERIFY2(box.saveFile(&error), qPrintable(error));
        QVERIFY(box.reload());
        QCOMPARE(box.text().Text(), html);
    }

    void htmlBoxHintsAndHelp()
    {
        TestHost host;
        THtmlUdskriftForm box(&host);
        QStatusTipEvent tip(box.falseButton()->statusTip());
        QCoreApplication::sendEvent(box.falseButton(), &tip);
        QCOMPARE(box.statusLine()->currentMessage(),
                 QStringLiteral("Opdel i linjer skal være False før udskrivning i dokument"));
        QCOMPARE(box.trueButton()->statusTip(), QStringLiteral("Opdel i linjer gør teksten læselig"));
        auto buttons = box.findChildren<QAbstractButton *>();
        for (QAbstractButton *b : buttons) {
            QVERIFY(!b->accessibleName().isEmpty());
            if (b->accessibleName().startsWith("Information"))
                b->click();
        }
        QCOMPARE(host.help, QStringList{"Information/Omskriver tekstfiler til Html"});
    }
};

QTEST_MAIN(TestCommandBoxes)
#include "tst_commandboxes.moc"
