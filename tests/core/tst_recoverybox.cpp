// "Gendan dokumenter": what it lists and what each button answers.
#include "ui/gendanform.h"
#include "ui/questions.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

using namespace taglund;
using ui::TGendanSvar;

Q_DECLARE_METATYPE(TGendanSvar::Valg)

namespace {

QList<ui::TGendanRaekke> raekker()
{
    const QDateTime t(QDate(2024, 5, 17), QTime(9, 5, 30));
    return {{"side.html", "/home/bo/web", t, QString()},
            {"3. Dokument (.css)", QString(), t.addSecs(60), QString()},
            {"noter.txt", "/home/bo", t, "Filen er ændret siden kopien blev taget"}};
}

} // namespace

class TestRecoveryBox : public QObject {
    Q_OBJECT
private slots:
    void listsEveryCopy()
    {
        ui::TGendanform box(raekker(), {"Kopien af x.html mangler og kan ikke gendannes."});
        QCOMPARE(box.windowTitle(), "Gendan dokumenter");
        QStringList tekster;
        for (QLabel *l : box.findChildren<QLabel *>())
            tekster << l->text();
        QVERIFY(tekster.contains("Taglund blev ikke afsluttet normalt. Disse dokumenter kan gendannes:"));
        QTreeWidget *l = box.liste();
        QCOMPARE(l->topLevelItemCount(), 3);
        QCOMPARE(l->topLevelItem(1)->text(0), "3. Dokument (.css)");
        QCOMPARE(l->topLevelItem(0)->text(2), "17. maj 2024 09:05:30");
        QCOMPARE(l->topLevelItem(2)->text(3), "Filen er ændret siden kopien blev taget");
        QCOMPARE(box.valgte(), QList<int>({0, 1, 2}));
        QVERIFY(box.findChild<QPlainTextEdit *>()->toPlainText().contains("x.html mangler"));
    }

    void buttonsAnswer_data()
    {
        QTest::addColumn<QString>("knap");
        QTest::addColumn<QList<ui::Answer>>("svar");   // to the delete question
        QTest::addColumn<bool>("lukket");
        QTest::addColumn<TGendanSvar::Valg>("valg");
        QTest::addColumn<QList<int>>("valgte");
        QTest::newRow("restore the ticked ones") << "Gendan" << QList<ui::Answer>() << true
                                                 << TGendanSvar::Valg::Gendan << QList<int>{0, 2};
        QTest::newRow("delete after yes") << "Slet" << QList<ui::Answer>{ui::Answer::Ja} << true
                                          << TGendanSvar::Valg::Slet << QList<int>{0, 2};
        QTest::newRow("delete refused") << "Slet" << QList<ui::Answer>{ui::Answer::Nej} << false
                                        << TGendanSvar::Valg::Senere << QList<int>();
        QTest::newRow("later keeps all") << "Senere" << QList<ui::Answer>() << true
                                         << TGendanSvar::Valg::Senere << QList<int>();
    }
    void buttonsAnswer()
    {
        QFETCH(QString, knap);
        QFETCH(QList<ui::Answer>, svar);
        QFETCH(bool, lukket);
        QFETCH(TGendanSvar::Valg, valg);
        QFETCH(QList<int>, valgte);
        ui::Script script;
        script.answers = svar;
        ui::setScript(&script);
        ui::TGendanform box(raekker(), {});
        box.show();
        box.liste()->topLevelItem(1)->setCheckState(0, Qt::Unchecked);
        QPushButton *b = nullptr;
        for (QPushButton *p : box.findChildren<QPushButton *>())
            if (p->text() == knap)
                b = p;
        QVERIFY(b);
        QTest::mouseClick(b, Qt::LeftButton);
        QCOMPARE(box.isVisible(), !lukket);
        QCOMPARE(box.svar().valg, valg);
        QCOMPARE(box.svar().valgte, valgte);
        QCOMPARE(script.asked.size(), svar.size());
        ui::setScript(nullptr);
    }

    void nothingTickedNothingToDo()
    {
        ui::TGendanform box(raekker(), {});
        for (int i = 0; i < 3; ++i)
            box.liste()->topLevelItem(i)->setCheckState(0, Qt::Unchecked);
        QVERIFY(!box.knap(TGendanSvar::Valg::Gendan)->isEnabled());
        QVERIFY(!box.knap(TGendanSvar::Valg::Slet)->isEnabled());
        QVERIFY(box.knap(TGendanSvar::Valg::Senere)->isEnabled());
    }
};

QTEST_MAIN(TestRecoveryBox)
#include "tst_recoverybox.moc"
