// The animation and column templates of "Css boksen": field values in, the
// exact lines out, presets included.
#include "css/csstemplates.h"
#include "css/golden.h"
#include "support/testsupport.h"

#include <QtTest>
#include <functional>

using namespace taglund;
using namespace taglund::test;

namespace {

struct Felter {
    TKontainerFelter k;
    TRulletekstFelter r;
    TStarwarsFelter s;
    TArtikelFelter a;
};

enum class Fane { Rulletekst, Starwars, Artikel };

struct Tilfaelde {
    QString navn;
    Fane fane;
    bool styleKode;
    std::function<void(Felter &)> felter;
};

std::vector<Tilfaelde> tilfaelde()
{
    std::vector<Tilfaelde> t = {
        {"rulletekst-standard-style", Fane::Rulletekst, true, [](Felter &) {}},
        {"rulletekst-antal-3", Fane::Rulletekst, false, [](Felter &f) { f.r.count = "3"; }},
        {"rulletekst-ramme-og-skygge-fra-kontainer", Fane::Rulletekst, false,
         [](Felter &f) {
             f.r.boksRamme = f.r.boksSkygge = f.r.elementSkygge = f.r.medRadius = true;
             f.r.borderStyle = "none";
             f.k.skyggeType = TKontainerFelter::OutsetBoks;
         }},
        {"starwars-standard", Fane::Starwars, false, [](Felter &) {}},
        {"starwars-antal-2-style", Fane::Starwars, true,
         [](Felter &f) {
             f.s.count = "2";
             f.r.count = "7";
         }},
        {"artikel-standard", Fane::Artikel, false, [](Felter &) {}},
        {"artikel-kun-border-bottom-dashed", Fane::Artikel, false, [](Felter &f) { f.a.borderStyle = "dashed"; }},
        {"artikel-alle-border-linjer", Fane::Artikel, true,
         [](Felter &f) {
             f.a.borderStyle = "dotted";
             f.a.kunBorderBottom = false;
             f.a.medBorderWidth = false;
             f.a.columnFill = "balance";
             f.a.ruleStyle = "none";
             f.a.medColumnWidth = true;
             f.a.columnSpan = "none";
             f.a.fontStyle = "italic";
             f.a.fontWeight = "300";
             f.a.medColor = true;
             f.a.kontainerBaggrund = true;
         }},
    };
    for (int n = 1; n <= 9; ++n)
        t.push_back({QStringLiteral("rulletekst-preset-%1").arg(n), Fane::Rulletekst, false,
                     [n](Felter &f) { CssSkabeloner::rulletekstPreset(f.r, f.k, n); }});
    for (int n = 1; n <= 4; ++n)
        t.push_back({QStringLiteral("starwars-preset-%1").arg(n), Fane::Starwars, false,
                     [n](Felter &f) { CssSkabeloner::starwarsPreset(f.s, f.k, n); }});
    for (int n = 1; n <= 4; ++n)
        t.push_back({QStringLiteral("artikel-preset-%1").arg(n), Fane::Artikel, false,
                     [n](Felter &f) { CssSkabeloner::artikelPreset(f.a, f.k, n); }});
    return t;
}

QStringList uddata(const Felter &f, Fane fane, bool styleKode)
{
    switch (fane) {
    case Fane::Rulletekst:
        return CssSkabeloner::rulletekst(f.r, f.k, styleKode);
    case Fane::Starwars:
        return CssSkabeloner::starwars(f.s, f.k, styleKode);
    case Fane::Artikel:
        return CssSkabeloner::artikel(f.a, f.k, styleKode);
    }
    return {};
}

} // namespace

class TestSkabeloner : public QObject {
    Q_OBJECT
private slots:
    void golden_data()
    {
        QTest::addColumn<int>("index");
        const auto t = tilfaelde();
        for (size_t i = 0; i < t.size(); ++i)
            QTest::newRow(qPrintable(t[i].navn)) << int(i);
    }
    void golden()
    {
        QFETCH(int, index);
        const Tilfaelde t = tilfaelde()[size_t(index)];
        Felter f;
        t.felter(f);
        QVERIFY(compareGolden(QStringLiteral("skabeloner/") + t.navn, uddata(f, t.fane, t.styleKode)));
    }

    void rulletekstDefaultsAre27LinesWithStyle()
    {
        const QStringList l = CssSkabeloner::rulletekst({}, {}, true);
        QCOMPARE(l.size(), 27);
        QCOMPARE(l.first(), QString("<style type=\"text/css\">"));
        QCOMPARE(l.last(), QString("</style>"));
        QVERIFY(l.contains("0%{left: 400px;}"));
        QVERIFY(l.contains("100%{left: -220px;}"));
    }

    // The style sheets shipped with the structure are the previews of the
    // defaults: a changed default shows up here.
    void shippedPreviewSheetsMatchDefaults_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("rulletekst") << "cssDesignRul.css" << CssSkabeloner::rulletekst({}, {}, false);
        QTest::newRow("starwars") << "cssStarwars.css" << CssSkabeloner::starwars({}, {}, false);
        QTest::newRow("artikel") << "cssArtikelKolonne.css" << CssSkabeloner::artikel({}, {}, false);
    }
    void shippedPreviewSheetsMatchDefaults()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, lines);
        QFile f(sourceDataDir() + "/Program/Struktur/CSS/tekstfiler/Design og funktioner/" + file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromLatin1(f.readAll()), lines.join("\r\n") + "\r\n");
    }
};

QTEST_GUILESS_MAIN(TestSkabeloner)
#include "tst_skabeloner.moc"
