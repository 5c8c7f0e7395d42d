// The container rule of "Css boksen" and its colour fields: field values in,
// the exact lines out.
#include "css/cssfarve.h"
#include "css/csskontainer.h"
#include "css/golden.h"

#include <QtTest>
#include <functional>

using namespace taglund;
using namespace taglund::test;

namespace {

enum class Uddata { Valgte, Preview, Ramme, Tekst, Skygge };

struct Tilfaelde {
    const char *navn;
    std::function<void(TKontainerFelter &)> felter;
    Uddata uddata;
};

const std::vector<Tilfaelde> &tilfaelde()
{
    static const std::vector<Tilfaelde> t = {
        {"standard-valgte", [](TKontainerFelter &) {}, Uddata::Valgte},
        {"inset-boks",
         [](TKontainerFelter &f) {
             f.skyggeType = TKontainerFelter::InsetBoks;
             f.skyggeFarve = "#808080";
             f.lysSkyggeFarve = "#C0C0C0";
         },
         Uddata::Skygge},
        {"outset-uden-blur",
         [](TKontainerFelter &f) {
             f.skyggeType = TKontainerFelter::OutsetBoks;
             f.medBlur = false;
             f.skyggeFarve = "#808080";
             f.lysSkyggeFarve = "#C0C0C0";
         },
         Uddata::Skygge},
        {"tom-skyggeforskydning",
         [](TKontainerFelter &f) {
             f.hShadow = "";
             f.vShadow = " ";
             f.skyggeType = TKontainerFelter::OutsetBoks;
         },
         Uddata::Skygge},
        {"ramme-none-med-radius", [](TKontainerFelter &f) { f.borderStyle = "none"; }, Uddata::Ramme},
        {"ramme-2px-solid", [](TKontainerFelter &f) { f.borderWidth = "2"; f.medRadius = false; }, Uddata::Ramme},
        {"tekst-uden-fontsize", [](TKontainerFelter &f) { f.color = "#000080"; }, Uddata::Tekst},
        {"tekst-justify-fontsize",
         [](TKontainerFelter &f) {
             f.justify = f.distribute = f.medFontSize = true;
         },
         Uddata::Tekst},
        {"alle-grupper-style-og-class",
         [](TKontainerFelter &f) {
             f.bokstype = f.ramme = f.baggrund = f.tekst = f.position = true;
             f.styleKode = f.classNavn = true;
             f.navn = "boks";
             f.positionValg = "absolute";
             f.medTop = true;
             f.top = "12";
             f.display = "Medtag ikke";
         },
         Uddata::Valgte},
        {"preview-navn-boks",
         [](TKontainerFelter &f) {
             f.navn = "boks";
             f.classNavn = f.styleKode = true;
         },
         Uddata::Preview},
        {"preset-1", [](TKontainerFelter &f) { CssKontainer::preset(f, 1); }, Uddata::Preview},
        {"preset-2", [](TKontainerFelter &f) { CssKontainer::preset(f, 2); }, Uddata::Preview},
        {"preset-3", [](TKontainerFelter &f) { CssKontainer::preset(f, 3); }, Uddata::Preview},
        {"preset-4", [](TKontainerFelter &f) { CssKontainer::preset(f, 4); }, Uddata::Preview},
        {"preset-5", [](TKontainerFelter &f) { CssKontainer::preset(f, 5); }, Uddata::Preview},
        {"preset-6", [](TKontainerFelter &f) { CssKontainer::preset(f, 6); }, Uddata::Preview},
    };
    return t;
}

QStringList uddata(const TKontainerFelter &f, Uddata u)
{
    switch (u) {
    case Uddata::Valgte:
        return CssKontainer::udskrivValgte(f).lines;
    case Uddata::Preview:
        return CssKontainer::preview(f);
    case Uddata::Ramme:
        return CssKontainer::ramme(f);
    case Uddata::Tekst:
        return CssKontainer::tekst(f);
    case Uddata::Skygge:
        return {CssKontainer::boksskygge(f)};
    }
    return {};
}

} // namespace

class TestKontainer : public QObject {
    Q_OBJECT
private slots:
    void golden_data()
    {
        QTest::addColumn<int>("index");
        for (size_t i = 0; i < tilfaelde().size(); ++i)
            QTest::newRow(tilfaelde()[i].navn) << int(i);
    }
    void golden()
    {
        QFETCH(int, index);
        const Tilfaelde &t = tilfaelde()[size_t(index)];
        TKontainerFelter f;
        t.felter(f);
        QVERIFY(compareGolden(QStringLiteral("kontainer/") + t.navn, uddata(f, t.uddata)));
    }

    void styleEndsWithoutBreak()
    {
        TKontainerFelter f;
        QVERIFY(!CssKontainer::udskrivValgte(f).lastWithoutBreak);
        f.styleKode = true;
        const TCssLinjer l = CssKontainer::udskrivValgte(f);
        QVERIFY(l.lastWithoutBreak);
        QCOMPARE(l.lines.first(), QString("<style type=\"text/css\">"));
        QCOMPARE(l.lines.last(), QString("</style>"));
    }

    void emptyGroups()
    {
        TKontainerFelter f;
        QVERIFY(!CssKontainer::bokstypeTom(f));
        f.boxSizing = f.display = "Medtag ikke";
        QVERIFY(CssKontainer::bokstypeTom(f));
        QVERIFY(CssKontainer::positionTom(f));
        f.medLeft = true;
        QVERIFY(!CssKontainer::positionTom(f));
        QVERIFY(!CssKontainer::marginPaddingTom(f));
        f.medMargin = f.medPadding = false;
        QVERIFY(CssKontainer::marginPaddingTom(f));
    }

    void marginReset_data()
    {
        QTest::addColumn<QString>("top");
        QTest::addColumn<bool>("stillIncluded");
        QTest::newRow("nul slukker") << "0" << false;
        QTest::newRow("fem") << "5" << true;
        QTest::newRow("tom") << "" << true;
        QTest::newRow("00 er ikke 0") << "00" << true;
    }
    void marginReset()
    {
        QFETCH(QString, top);
        QFETCH(bool, stillIncluded);
        TKontainerFelter f;
        f.margin = {top, "1", "2", "3"};
        f.padding = {top, "9", "9", "9"};
        CssKontainer::nulstilMargin(f);
        CssKontainer::nulstilPadding(f);
        QCOMPARE(f.margin, (std::array<QString, 4>{top, top, top, top}));
        QCOMPARE(f.padding, (std::array<QString, 4>{top, top, top, top}));
        QCOMPARE(f.medMargin, stillIncluded);
        QCOMPARE(f.medPadding, stillIncluded);
    }

    void get16Tal_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("colour");  // "" for none
        QTest::newRow("tom") << "" << "#" << "";
        QTest::newRow("uden havelaage") << "FF0000" << "FF0000" << "";
        QTest::newRow("blank foran") << " ff0000" << "#ff0000" << "#FF0000";
        QTest::newRow("fremmede tegn") << "#12xz34-56" << "#123456" << "#123456";
        QTest::newRow("for lang") << "#1234567" << "#1234567" << "";
        QTest::newRow("havelaage inde i") << "#1#2345" << "#1#2345" << "";
        QTest::newRow("smaa bogstaver") << "#c0c0e0" << "#c0c0e0" << "#C0C0E0";
    }
    void get16Tal()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, colour);
        const QString s = CssFarve::Get16Tal(typed);
        QCOMPARE(s, shown);
        const std::optional<QColor> c = CssFarve::GetFarve(s);
        QCOMPARE(c ? CssFarve::tekst(*c) : QString(), colour);
    }

    void swatchesInOrder()
    {
        const auto &s = CssFarve::swatches();
        QCOMPARE(int(s.size()), 16);
        QCOMPARE(s.front().hint, QString("Sort"));
        QCOMPARE(CssFarve::tekst(s[9].color), QString("#C0C0C0"));
        QCOMPARE(s[9].hint, QString("Sølv grå"));
        QCOMPARE(CssFarve::tekst(s.back().color), QString("#FF00FF"));
    }
};

QTEST_GUILESS_MAIN(TestKontainer)
#include "tst_kontainer.moc"
