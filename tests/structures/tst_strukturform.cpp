// The structure constructor's window: its captions and hints, when its
// commands are enabled, and what Enter does in the fields of both tree tabs.
#include "konstruktoerhelp.h"
#include "core/text/paths.h"
#include "strukturtesthelp.h"
#include "structures/strukturform.h"
#include "structures/strukturikonvalg.h"
#include "structures/strukturview.h"
#include "ui/questions.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

using namespace taglund;
using namespace taglund::test;
using A = ui::Answer;

namespace {
class FormHost : public TKonstruktoerHost {
public:
    explicit FormHost(const QString &program) : m_program(program) {}
    QString programdir() const override { return withTrailingSeparator(m_program); }
    QString infodir() const override { return joinPath(m_program, "Struktur"); }
    QString strukturdir() const override { return withTrailingSeparator(joinPath(m_program, "Script")); }
    void visIInformation(const QString &s, const QString &e) override { calls << "vis " + s + "|" + e; }
    void helpInfo(const QString &s, const QString &e) override { calls << "help " + s + "|" + e; }
    void informationsstrukturerAendret() override { calls << "info"; }
    void objektstrukturerAendret() override { calls << "objekt"; }
    QStringList calls;

private:
    QString m_program;
};

QAction *toolAction(const Tstrukturform::Side &side, const QString &caption)
{
    for (QAction *a : side.bar->actions())
        if (a->text() == caption)
            return a;
    return nullptr;
}

void selectText(Tstrukturform &f, const Tstrukturform::Side &side, const QString &text)
{
    TStrukturNode *n = byText(*side.struktur, text);
    QVERIFY2(n, qPrintable(text));
    side.view->setCurrentItem(side.view->itemOf(n));
    Q_UNUSED(f);
}

void type(QLineEdit *e, const QString &text)
{
    QTest::keyClicks(e, text);
}
} // namespace

class TestStrukturForm : public QObject {
    Q_OBJECT

    struct Fixture {
        TempRoot root;
        QString program = root.file("Program");
        FormHost host{program};
        std::unique_ptr<Tstrukturform> form;
        ui::Script script;
        Fixture()
        {
            copyTree(konstruktoerData("base"), program);
            form = std::make_unique<Tstrukturform>(&host);
            form->show();
            ui::setScript(&script);
        }
        ~Fixture() { ui::setScript(nullptr); }
        void openSyv()
        {
            auto items = form->infoListe()->findItems("Syv", Qt::MatchExactly);
            form->infoListe()->setCurrentItem(items.first());
            form->redigerInfoStruktur();
        }
    };

private slots:
    void captionsAndHints_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("hint");
        QTest::newRow("opdater info") << 0 << "Opdater Infostrukturer"
                                      << QString::fromUtf8("Opdater Informationsstrukturer efter ændringer i listen");
        QTest::newRow("opdater objekt") << 0 << "Opdater Objektstrukturer"
                                        << QString::fromUtf8("Opdater Objektstrukturer efter ændringer i listen");
        QTest::newRow("opret") << 0 << "Opret struktur" << "Opret en ny struktur af valge strukturtype";
        QTest::newRow("flyt") << 0 << "Flyt strukturen til Informationsstrukturer" << "Det kan tage lidt tid!";
        QTest::newRow("klargoer") << 1 << QString::fromUtf8("Klargør") << QString::fromUtf8("Klargør til nyt element: Ctrl+K");
        QTest::newRow("indsaet") << 1 << QString::fromUtf8("Indsæt") << QString::fromUtf8("Indsæt som nyt element: Ctrl+I");
        QTest::newRow("rediger") << 1 << "Rediger" << "Rediger valgte element: Ctrl+R";
        QTest::newRow("inf") << 1 << "Inf" << "Check om filnavnet eksisterer";
        QTest::newRow("fn") << 1 << "Fn" << QString::fromUtf8("Indsæt konstrueret filnavn");
        QTest::newRow("opret fil") << 1 << "Opret fil" << "Opret en fil hvis den ikke findes";
        QTest::newRow("klargoer 3") << 2 << QString::fromUtf8("Klargør") << QString::fromUtf8("Klargør til nyt element");
        QTest::newRow("indsaet 3") << 2 << QString::fromUtf8("Indsæt") << QString::fromUtf8("Indsæt som nyt element");
    }

    void captionsAndHints()
    {
        QFETCH(int, tab);
        QFETCH(QString, caption);
        QFETCH(QString, hint);
        Fixture fx;
        QPushButton *b = fx.form->knap(caption, tab);
        QVERIFY2(b, qPrintable(caption));
        QCOMPARE(b->toolTip(), hint);
        QCOMPARE(b->accessibleName(), caption);
    }

    void toolBarsAndChoosers()
    {
        Fixture fx;
        Tstrukturform &f = *fx.form;
        QCOMPARE(f.windowTitle(), QString::fromUtf8("Strukturkonstruktøren"));
        QCOMPARE(f.tabs()->tabText(0), QString("Ny struktur | Rediger struktur"));
        QCOMPARE(toolAction(f.infoSide(), QString::fromUtf8("Genindlæs"))->toolTip(),
                 QString::fromUtf8("Genindlæs struktur (Husk at gemme hvis relevant)"));
        QCOMPARE(toolAction(f.objektSide(), QString::fromUtf8("Genindlæs"))->toolTip(),
                 QString::fromUtf8("Genindlæs struktur ved fortrydelse af ændring der ikke er gemt"));
        QVERIFY(toolAction(f.infoSide(), "Vis strukturen i information"));
        QVERIFY(!toolAction(f.objektSide(), "Vis strukturen i information"));
        QCOMPARE(f.infoSide().metode->itemText(2), QString::fromUtf8("På linie før"));
        f.infoSide().metode->setCurrentIndex(2);
        QCOMPARE(f.workshop().info().Flytmode, naInsert);
        f.infoSide().metode->setCurrentIndex(3);
        QCOMPARE(f.workshop().info().Flytmode, naAddChild);

        QCOMPARE(f.infoSide().ikon->title(), QString::fromUtf8("Element ikon: Grøn bog"));
        QCOMPARE(f.objektSide().ikon->title(), QString("Element ikon: Objekt"));
        // The eighth info button shows "Kategori", icon 6.
        f.infoSide().ikon->knap(7)->click();
        QCOMPARE(f.infoSide().ikon->title(), QString("Element ikon: Kategori"));
        QCOMPARE(f.workshop().valg.ikonIndex, 6);
        // "VBS" switches the second tab to the object set.
        QVERIFY(f.workshop().opretInfo("VBS"));
        QCOMPARE(f.infoSide().ikon->knap(1)->accessibleName(), QString("Egenskab"));
        QCOMPARE(f.infoSide().view->ikonSet(), TIkonSet::Objekt);
        QCOMPARE(fx.host.calls, QStringList{"info"});
    }

    void enablingFollowsTheFields()
    {
        Fixture fx;
        const auto &s = fx.form->infoSide();
        auto state = [&] {
            return QString("%1%2%3%4%5")
                .arg(s.klargoer->isEnabled())
                .arg(s.indsaet->isEnabled())
                .arg(s.rediger->isEnabled())
                .arg(s.slet->isEnabled())
                .arg(s.gem->isEnabled());
        };
        type(s.tekst, "x");
        QCOMPARE(state(), QString("00000"));  // no structure open
        fx.openSyv();
        QCOMPARE(state(), QString("00000"));
        type(s.tekst, "Ny");
        QCOMPARE(state(), QString("11000"));
        selectText(*fx.form, s, "Side2");
        QCOMPARE(s.tekst->text(), QString("Side2"));
        QCOMPARE(s.filnavn->text(), QString("Side2"));
        QCOMPARE(state(), QString("10110"));
        fx.form->klargoer();
        QCOMPARE(state(), QString("00000"));
        QVERIFY(fx.form->insertAktiv());
        s.autoGem->setChecked(false);
        type(s.tekst, "Ny");
        fx.form->indsaet();
        QCOMPARE(s.tekst->text(), QString());
        QCOMPARE(state(), QString("00001"));  // modified, unsaved
        QCOMPARE(s.label->text(), QString("Strukturnavn: Syv. Antal items: 8"));

        const auto &o = fx.form->objektSide();
        type(o.felt[1], "syntaks");
        QCOMPARE(o.klargoer->isEnabled(), false);  // no object structure open
        QVERIFY(fx.form->workshop().aabnObjekt("Mine"));
        type(o.felt[1], "syntaks");
        QCOMPARE(o.klargoer->isEnabled(), true);
        QCOMPARE(o.genindlaes->isEnabled(), false);
    }

    void enterInTheInformationTab_data()
    {
        QTest::addColumn<bool>("autoNavn");
        QTest::addColumn<bool>("ensTekst");
        QTest::addColumn<QString>("filnavn");  // typed into the file name box after Enter in "Tekst"
        QTest::addColumn<QString>("data");     // the new entry's data line, "" when none
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("auto navn, ens tekst") << true << true << "" << "0Window" << QStringList();
        QTest::newRow("ens tekst alone") << false << true << "" << "0Window" << QStringList();
        QTest::newRow("auto navn alone") << true << false << "" << "0dokument7" << QStringList();
        QTest::newRow("neither: own name") << false << false << "egen" << "0egen" << QStringList();
        QTest::newRow("neither: no name") << false << false << "" << ""
                                          << QStringList{"Der mangler et filnavn."};
    }

    void enterInTheInformationTab()
    {
        QFETCH(bool, autoNavn);
        QFETCH(bool, ensTekst);
        QFETCH(QString, filnavn);
        QFETCH(QString, data);
        QFETCH(QStringList, messages);
        Fixture fx;
        fx.openSyv();
        const auto &s = fx.form->infoSide();
        s.autoNavn->setChecked(autoNavn);
        s.ensTekst->setChecked(ensTekst);
        fx.form->klargoer();
        type(s.tekst, "Window");
        QTest::keyClick(s.tekst, Qt::Key_Return);
        if (!autoNavn && !ensTekst) {
            QCOMPARE(fx.form->workshop().info().Count(), 7);
            s.filnavn->setText(filnavn);
            QTest::keyClick(s.filnavn, Qt::Key_Return);
        }
        QCOMPARE(fx.script.messages, messages);
        TStrukturNode *n = byText(fx.form->workshop().info(), "Window");
        QCOMPARE(n ? n->data : QString(), data);
        if (n) {
            QCOMPARE(s.tekst->text(), QString());
            QVERIFY(QFileInfo::exists(joinPath(fx.program, "Struktur/Syv/tekstfiler", n->payload() + ".html")));
        }
    }

    void enterInTheObjectTab()
    {
        Fixture fx;
        QVERIFY(fx.form->workshop().aabnObjekt("Mine"));
        const auto &o = fx.form->objektSide();
        fx.form->klargoer1();
        type(o.tekst, "Ny");
        QTest::keyClick(o.tekst, Qt::Key_Return);
        o.felt[0]->setText("En");
        o.felt[2]->setText("Tre");
        QTest::keyClick(o.felt[2], Qt::Key_Return);  // keeps the focus, inserts nothing
        QCOMPARE(fx.form->workshop().objekt().Count(), 2);
        QTest::keyClick(o.felt[3], Qt::Key_Return);
        TStrukturNode *n = byText(fx.form->workshop().objekt(), "Ny");
        QVERIFY(n);
        QCOMPARE(n->data, QString("0En|Tre"));
        // Shown again, the third box's text sits in the second; Enter now edits.
        selectText(*fx.form, o, "Ny");
        QCOMPARE(o.felt[1]->text(), QString("Tre"));
        QVERIFY(!fx.form->insertAktiv1());
        o.felt[3]->setText("Fire");
        QTest::keyClick(o.felt[3], Qt::Key_Return);
        QCOMPARE(byText(fx.form->workshop().objekt(), "Ny")->data, QString("0En|Tre|Fire"));
        QCOMPARE(fx.form->workshop().objekt().Count(), 3);
    }

    void firstTab()
    {
        Fixture fx;
        Tstrukturform &f = *fx.form;
        // A click on an object structure puts its name into the box of "Flyt struktur".
        f.objektListe()->setCurrentRow(2);
        QCOMPARE(f.objektstrukturnavn()->text(), QString("Mine"));
        f.strukturtype()->setCurrentIndex(1);
        f.strukturnavn()->setText("Egen");
        QTest::keyClick(f.strukturnavn(), Qt::Key_Return);
        QCOMPARE(f.tabs()->currentIndex(), 2);
        QCOMPARE(f.objektSide().label->text(), QString("Strukturnavn: Egen"));
        QVERIFY(!f.objektListe()->findItems("Egen", Qt::MatchExactly).isEmpty());
        // Delete with nothing selected asks nothing.
        f.infoListe()->setCurrentRow(-1);
        f.sletInfoStruktur();
        QCOMPARE(fx.script.messages, QStringList{"Der er ikke valgt nogen struktur."});
        fx.form->knap("Information", 0)->click();
        QCOMPARE(fx.host.calls, (QStringList{"objekt", "help Information|Ny struktur"}));
    }

    void closingAModifiedTreeAsks()
    {
        Fixture fx;
        fx.openSyv();
        const auto &s = fx.form->infoSide();
        s.autoGem->setChecked(false);
        type(s.tekst, "Ny");
        fx.form->indsaet();
        fx.script.answers = {A::Ingen, A::Ja};
        QVERIFY(!fx.form->close());
        QVERIFY(fx.form->isVisible());
        QVERIFY(fx.form->close());
        QVERIFY(!fx.form->isVisible());
        QCOMPARE(fx.script.asked.size(), 2);
        QVERIFY(readAll(joinPath(fx.program, "Struktur/Syv/struktur.txt")).startsWith("Ny\r\n")
                || readAll(joinPath(fx.program, "Struktur/Syv/struktur.txt")).contains("\nNy\r\n"));
    }
};

QTEST_MAIN(TestStrukturForm)
#include "tst_strukturform.moc"
