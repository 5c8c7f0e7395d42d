#include "app/mainform.h"
#include "appstart.h"
#include "core/richtext/richpanel.h"
#include "support/testsupport.h"
#include "ui/questions.h"

#include <QTextCursor>
#include <QTextEdit>
#include <QtTest>
#include <memory>

using namespace taglund;

// Rich-text documents through the real document windows.
class TestRichDocs : public QObject {
    Q_OBJECT
private slots:
    void rtfOpensRichAndSavesRtf()
    {
        test::TempRoot root;
        ui::Script script;
        ui::setScript(&script);
        auto main = std::make_unique<Tmainform>(QStringLiteral("/opt/taglund"), QStringList{});
        main->show();
        test::waitForStartFiles(*main);
        test::writeAll(root.file("brev.RTF"),
                       "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\pard Hej {\\b fed} tekst \\'e6\\u9731?\\par}");
        Twinform *w = main->openwin(root.file("brev.RTF"), ".RTF");
        QVERIFY(w);
        QVERIFY(w->isRich());
        QVERIFY(w->findChild<TRichPanel *>());
        QCOMPARE(w->text().Text().trimmed(), QString::fromUtf8("Hej fed tekst æ☃"));
        QVERIFY(!w->text().Modified());
        w->text().setSelStart(0);
        w->text().setSelText("Kære ");
        QVERIFY(main->documents()->Gem(w));
        const QByteArray saved = test::readAll(root.file("brev.RTF"));
        QVERIFY(saved.startsWith("{\\rtf1"));
        QVERIFY(saved.contains("\\u9731"));
        // Reopened, the same text with the bold run.
        QVERIFY(main->documents()->LukAlle());
        Twinform *again = main->openwin(root.file("brev.RTF"), ".RTF");
        QCOMPARE(again->text().Text().trimmed(), QString::fromUtf8("Kære Hej fed tekst æ☃"));
        QTextCursor c(again->text().document());
        c.setPosition(10);
        QVERIFY(c.charFormat().fontWeight() >= QFont::Bold);
        main.reset();
        ui::setScript(nullptr);
    }

    void htmlInAnyCaseIsPlain()
    {
        test::TempRoot root;
        ui::Script script;
        ui::setScript(&script);
        auto main = std::make_unique<Tmainform>(QStringLiteral("/opt/taglund"), QStringList{});
        test::writeAll(root.file("side.Html"), "<p>");
        Twinform *w = main->openwin(root.file("side.Html"), ".Html");
        QVERIFY(!w->isRich());
        QVERIFY(!w->findChild<TRichPanel *>());
        QCOMPARE(w->DocExt, QString(".html"));
        main.reset();
        ui::setScript(nullptr);
    }
};

QTEST_MAIN(TestRichDocs)
#include "tst_richdocs.moc"
