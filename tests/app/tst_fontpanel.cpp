#include "app/fontpanel.h"
#include "app/mainform.h"
#include "app/mainpanel.h"
#include "support/testsupport.h"
#include "ui/questions.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QtTest>
#include <memory>

using namespace taglund;

class TestFontpanel : public QObject {
    Q_OBJECT
private slots:
    void actsOnThePlainDocument()
    {
        test::TempRoot root;
        ui::Script script;
        ui::setScript(&script);
        auto main = std::make_unique<Tmainform>(QStringLiteral("/opt/taglund"), QStringList{});
        TFontpanel *p = main->mainPanel()->fontPanel();
        QCOMPARE(p->nameBox()->currentText(), QString("Courier New"));
        QCOMPARE(p->sizeBox()->currentText(), QString("10"));
        QCOMPARE(p->sizeBox()->count(), 16);   // a scalable font: the fixed list

        Twinform *w = main->openwin(QString(), "*.html");
        QPlainTextEdit *ed = w->plainEditor();
        p->chooseName("Liberation Serif");
        QCOMPARE(ed->font().family(), QString("Liberation Serif"));
        QCOMPARE(ed->font().pointSize(), 10);   // the editor's size is kept
        p->chooseSize(14);
        QCOMPARE(ed->font().pointSize(), 14);
        p->sizeBox()->setCurrentText("14");
        p->gemSomStandardfont();
        QCOMPARE(main->options().bogstavName, QString("Liberation Serif"));
        QCOMPARE(main->options().bogstavSize, 14);
        // New documents take the standard font.
        Twinform *next = main->openwin(QString(), "*.css");
        QCOMPARE(next->plainEditor()->font().pointSize(), 14);
        main->options().bogstavName = "Courier New";
        main->options().bogstavSize = 10;
        p->hentStandardfont();
        QCOMPARE(next->plainEditor()->font().pointSize(), 10);
        QCOMPARE(p->nameBox()->currentText(), QString("Courier New"));
        main.reset();
        ui::setScript(nullptr);
    }
};

QTEST_MAIN(TestFontpanel)
#include "tst_fontpanel.moc"
