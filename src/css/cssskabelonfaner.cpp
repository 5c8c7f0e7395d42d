// The template tabs of "Css boksen": "Rulletekst", "Starwars rulletekst"
// and "Artikelkolonne".
#include "css/cssboksform.h"

#include "css/cssfelter.h"
#include "css/csspreview.h"
#include "css/cssvaert.h"
#include "ui/questions.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace taglund {

namespace {
const QStringList &funktioner()
{
    static const QStringList f = {"ease", "linear", "ease-in", "ease-out", "ease-in-out"};
    return f;
}

const QStringList &vaegte()
{
    static const QStringList w = {"Medtag ikke", "normal", "bold", "bolder", "lighter", "100", "200", "300",
                                  "400", "500", "600", "700", "800", "900", "initial", "inherit"};
    return w;
}

const QString hentHint = QStringLiteral("Værdier sættes under Kontainer-fanen");
} // namespace

// A tab's frame: its preset buttons, its fields, and its "Medtag style-kode",
// "Udskriv" and "Preview".
struct SkabelonSide {
    QWidget *page;
    QGridLayout *grid;
    QHBoxLayout *presets;
    QHBoxLayout *knapper;
};

static SkabelonSide nySide()
{
    auto *page = new QWidget;
    auto *v = new QVBoxLayout(page);
    auto *presets = new QHBoxLayout;
    v->addLayout(presets);
    auto *grid = new QGridLayout;
    v->addLayout(grid);
    auto *knapper = new QHBoxLayout;
    v->addLayout(knapper);
    v->addStretch();
    return {page, grid, presets, knapper};
}

QWidget *TCssBoksForm::bygRulletekst()
{
    SkabelonSide s = nySide();
    for (int n = 1; n <= 9; ++n)
        addKnap(s.presets, QString::number(n), QStringLiteral("Forudindstilling %1").arg(n), [this, n] {
            CssSkabeloner::rulletekstPreset(m_r, m_k, n);
            vis();
            previewSkabelon(1);
        });
    s.presets->addStretch();
    TFeltBygger &b = *bygger(s.grid);
    const TRulletekstFelter d;
    auto reset = [&b](QString *field, const QString &value) {
        b.nulstil(QString(), [field, value] { *field = value; });
    };
    b.overskrift(QStringLiteral("div.rulleBoks"));
    b.tal(QStringLiteral("width: "), &m_r.boksWidth);
    reset(&m_r.boksWidth, d.boksWidth);
    b.info(QStringLiteral("width"));
    b.tal(QStringLiteral("magin: "), &m_r.boksMargin)->setToolTip(QStringLiteral("Den ydre afstand til andre spalter"));
    reset(&m_r.boksMargin, d.boksMargin);
    b.info(QStringLiteral("margin"));
    b.tal(QStringLiteral("padding-top: "), &m_r.paddingTop);
    reset(&m_r.paddingTop, d.paddingTop);
    b.info(QStringLiteral("padding-top"));
    b.tal(QStringLiteral("padding-bottom: "), &m_r.paddingBottom);
    reset(&m_r.paddingBottom, d.paddingBottom);
    b.info(QStringLiteral("padding-bottom"));
    b.farve(QStringLiteral("bg-color: "), &m_r.boksBg);
    b.info(QStringLiteral("background-color"));
    b.flag(QStringLiteral("Medtag border fra kontainer"), &m_r.boksRamme, hentHint);
    b.flag(QStringLiteral("Medtag skygge fra kontainer"), &m_r.boksSkygge, hentHint);

    b.overskrift(QStringLiteral("div.rulleElement"));
    b.tal(QStringLiteral("width: "), &m_r.elementWidth);
    reset(&m_r.elementWidth, d.elementWidth);
    b.info(QStringLiteral("width"));
    b.tal(QStringLiteral("font-size:"), &m_r.fontSize);
    reset(&m_r.fontSize, QStringLiteral("16"));
    b.info(QStringLiteral("font-size"));
    b.farve(QStringLiteral("color: "), &m_r.color);
    b.info(QStringLiteral("color"));
    b.tal(QStringLiteral("padding: "), &m_r.padding);
    reset(&m_r.padding, d.padding);
    b.info(QStringLiteral("padding"));
    b.farve(QStringLiteral("bg-color: "), &m_r.elementBg);
    b.info(QStringLiteral("background-color"));
    b.valg(QStringLiteral("border-style: "), rammeTyper(), &m_r.borderStyle);
    b.info(QStringLiteral("border-style"));
    b.tal(QStringLiteral("border-width: "), &m_r.borderWidth);
    reset(&m_r.borderWidth, d.borderWidth);
    b.info(QStringLiteral("border-width"));
    b.farve(QStringLiteral("border-color: "), &m_r.borderColor);
    b.info(QStringLiteral("border-color"));
    b.tal(QStringLiteral("border-radius: "), &m_r.borderRadius);
    b.medtag(&m_r.medRadius);
    b.nulstil(QString(), [] {});  // this one has never had an action
    b.info(QStringLiteral("border-radius"));
    b.flag(QStringLiteral("Medtag skygge fra kontainer"), &m_r.elementSkygge, hentHint);

    b.overskrift(QStringLiteral("@keyframes moveTekst"));
    b.tal(QStringLiteral("-duration:"), &m_r.duration);
    reset(&m_r.duration, d.duration);
    b.info(QStringLiteral("animation-duration"));
    b.tal(QStringLiteral("-count:"), &m_r.count);
    b.nulstil(QStringLiteral("Sæt værdi til 0 for: infinite"), [this] { m_r.count = QStringLiteral("0"); });
    b.info(QStringLiteral("animation-iteration-count"));
    b.valg(QStringLiteral("-function:"), funktioner(), &m_r.function);
    b.info(QStringLiteral("animation-timing-function"));
    b.tekst(QStringLiteral("0%"), &m_r.frame0);
    b.info(QStringLiteral("@keyframes"));
    b.tekst(QStringLiteral("100%"), &m_r.frame100);

    b.flag(QStringLiteral("Medtag style-kode"), &m_r.styleKode,
           QStringLiteral("Anbringes i head-afdelingen: <style>EGENSKABER</style>"));
    addKnap(s.knapper, QStringLiteral("Udskriv"), QString(), [this] { udskrivSkabelon(1); });
    addKnap(s.knapper, QStringLiteral("Preview"), QStringLiteral("Preview med valgte egenskaber"),
            [this] { previewSkabelon(1); });
    s.knapper->addStretch();
    return s.page;
}

QWidget *TCssBoksForm::bygStarwars()
{
    SkabelonSide s = nySide();
    for (int n = 1; n <= 4; ++n)
        addKnap(s.presets, QString::number(n), QStringLiteral("Forudindstilling %1").arg(n), [this, n] {
            CssSkabeloner::starwarsPreset(m_s, m_k, n);
            vis();
            previewSkabelon(2);
        });
    s.presets->addStretch();
    TFeltBygger &b = *bygger(s.grid);
    const TStarwarsFelter d;
    auto tal = [&b](const QString &label, QString *field, const QString &value, const QString &egenskab) {
        b.tal(label, field);
        b.nulstil(QString(), [field, value] { *field = value; });
        b.info(egenskab);
    };
    auto tekst = [&b](const QString &label, QString *field, const QString &egenskab) {
        b.tekst(label, field);
        b.info(egenskab);
    };
    b.overskrift(QStringLiteral("div#animationBox"));
    tal(QStringLiteral("width: "), &m_s.width, d.width, QStringLiteral("width"));
    tal(QStringLiteral("height: "), &m_s.height, d.height, QStringLiteral("height"));
    tal(QStringLiteral("margin-left: "), &m_s.marginLeft, d.marginLeft, QStringLiteral("margin-left"));
    tal(QStringLiteral("perspective: "), &m_s.perspective, d.perspective, QStringLiteral("perspective"));
    tal(QStringLiteral("X-akse: "), &m_s.originX, d.originX, QStringLiteral("perspective-origin"));
    tal(QStringLiteral("Y-akse: "), &m_s.originY, d.originY, QStringLiteral("perspective-origin"));

    b.overskrift(QStringLiteral("div#animationBox div.boks"));
    tal(QStringLiteral("width: "), &m_s.boksWidth, d.boksWidth, QStringLiteral("width"));
    tal(QStringLiteral("height: "), &m_s.boksHeight, d.boksHeight, QStringLiteral("height"));
    tekst(QStringLiteral("border-top:"), &m_s.borderTop, QStringLiteral("border-top"));
    tekst(QStringLiteral("border-right: "), &m_s.borderRight, QStringLiteral("border-right"));
    tekst(QStringLiteral("border-bottom:"), &m_s.borderBottom, QStringLiteral("border-bottom"));
    tekst(QStringLiteral("border-left: "), &m_s.borderLeft, QStringLiteral("border-left"));
    tal(QStringLiteral("padding:"), &m_s.padding, d.padding, QStringLiteral("padding"));
    b.farve(QStringLiteral("bg-color: "), &m_s.boksBg);
    b.info(QStringLiteral("background-color"));
    b.flag(QStringLiteral("Medtag skygge fra kontainer"), &m_s.boksSkygge, hentHint);
    tekst(QStringLiteral("transform:"), &m_s.transform, QStringLiteral("transform"));

    b.overskrift(QStringLiteral("div#animationBox div.boks div.rul"));
    tal(QStringLiteral("font-size:"), &m_s.fontSize, d.fontSize, QStringLiteral("font-size"));
    b.farve(QStringLiteral("color: "), &m_s.color);
    b.info(QStringLiteral("color"));
    tekst(QStringLiteral("text-align: "), &m_s.textAlign, QStringLiteral("text-align"));

    b.overskrift(QStringLiteral("@keyframes rulTekst"));
    tal(QStringLiteral("-duration:"), &m_s.duration, d.duration, QStringLiteral("animation-duration"));
    b.tal(QStringLiteral("-count:"), &m_s.count);
    b.nulstil(QStringLiteral("Sæt værdi til 0 for: infinite"), [this] { m_s.count = QStringLiteral("0"); });
    b.info(QStringLiteral("animation-iteration-count"));
    b.valg(QStringLiteral("-function:"), funktioner(), &m_s.function);
    b.info(QStringLiteral("animation-timing-function"));
    tekst(QStringLiteral("0%"), &m_s.frame0, QStringLiteral("@keyframes"));
    b.tekst(QStringLiteral("100%"), &m_s.frame100);

    b.flag(QStringLiteral("Medtag style-kode"), &m_s.styleKode,
           QStringLiteral("Anbringes i head-afdelingen: <style>EGENSKABER</style>"));
    addKnap(s.knapper, QStringLiteral("Udskriv"), QString(), [this] { udskrivSkabelon(2); });
    addKnap(s.knapper, QStringLiteral("Preview"), QStringLiteral("Preview med valgte egenskaber"),
            [this] { previewSkabelon(2); });
    s.knapper->addStretch();
    return s.page;
}

QWidget *TCssBoksForm::bygArtikel()
{
    SkabelonSide s = nySide();
    for (int n = 1; n <= 4; ++n)
        addKnap(s.presets, QString::number(n), QStringLiteral("Forudindstilling %1").arg(n), [this, n] {
            CssSkabeloner::artikelPreset(m_a, m_k, n);
            vis();
            previewSkabelon(3);
        });
    s.presets->addStretch();
    TFeltBygger &b = *bygger(s.grid);
    const TArtikelFelter d;
    auto tal = [&b](const QString &label, QString *field, bool *med, const QString &value, const QString &egenskab) {
        b.tal(label, field);
        if (med)
            b.medtag(med);
        b.nulstil(QString(), [field, value] { *field = value; });
        b.info(egenskab);
    };
    const QStringList medtagIkke{QString::fromLatin1(kMedtagIkke)};

    b.overskrift(QStringLiteral("div.kolonneKontainer"));
    tal(QStringLiteral("column-width"), &m_a.columnWidth, &m_a.medColumnWidth, d.columnWidth, QStringLiteral("column-width"));
    tal(QStringLiteral("column-count"), &m_a.columnCount, &m_a.medColumnCount, d.columnCount, QStringLiteral("column-count"));
    tal(QStringLiteral("column-gab"), &m_a.columnGap, &m_a.medColumnGap, d.columnGap, QStringLiteral("column-gap"));
    b.valg(QStringLiteral("column-fill"), medtagIkke + QStringList{"balance", "auto", "initial", "inherit"}, &m_a.columnFill);
    b.info(QStringLiteral("column-fill"));
    b.valg(QStringLiteral("-rule-style"), rammeTyper(), &m_a.ruleStyle);
    b.info(QStringLiteral("column-rule-style"));
    b.farve(QStringLiteral("-rule-color"), &m_a.ruleColor);
    b.info(QStringLiteral("column-rule-color"));
    tal(QStringLiteral("-rule-width"), &m_a.ruleWidth, &m_a.medRuleWidth, d.ruleWidth, QStringLiteral("column-rule-width"));
    b.flag(QStringLiteral("Medtag ramme fra kontainer"), &m_a.kontainerRamme);
    b.flag(QStringLiteral("Medtag boksskygge fra kontainer"), &m_a.kontainerSkygge);
    b.flag(QStringLiteral("Medtag baggrundsfarve fra kontainer"), &m_a.kontainerBaggrund);
    b.flag(QStringLiteral("Medtag margin og padding fra kontainer"), &m_a.kontainerMarginPadding);

    b.overskrift(QStringLiteral("div.kolonneOverskrift"));
    tal(QStringLiteral("font-size"), &m_a.overskriftSize, &m_a.medOverskriftSize, d.overskriftSize, QStringLiteral("font-size"));
    b.farve(QStringLiteral("color"), &m_a.overskriftColor);
    b.info(QStringLiteral("color"));
    b.valg(QStringLiteral("font-weight"), vaegte(), &m_a.overskriftWeight);
    b.info(QStringLiteral("font-weight"));
    b.valg(QStringLiteral("text-align"), medtagIkke + QStringList{"left", "right", "center", "justify", "initial", "inherit"},
           &m_a.overskriftAlign);
    b.info(QStringLiteral("text-align"));
    tal(QStringLiteral("margin-bottom"), &m_a.marginBottom, &m_a.medMarginBottom, d.marginBottom, QStringLiteral("margin-bottom"));
    b.valg(QStringLiteral("border-style: "), rammeTyper(), &m_a.borderStyle);
    b.info(QStringLiteral("border-style"));
    tal(QStringLiteral("border-width"), &m_a.borderWidth, &m_a.medBorderWidth, d.borderWidth, QStringLiteral("border-width"));
    b.farve(QStringLiteral("border-color"), &m_a.borderColor);
    b.info(QStringLiteral("border-color"));
    b.flag(QStringLiteral("Indfør kun border-bottom"), &m_a.kunBorderBottom,
           QStringLiteral("Defineres ved egenskaberne: style osv"));
    tal(QStringLiteral("border-radius"), &m_a.borderRadius, &m_a.medBorderRadius, d.borderRadius, QStringLiteral("border-radius"));
    b.farve(QStringLiteral("bg-color"), &m_a.overskriftBg);
    b.info(QStringLiteral("background-color"));
    b.tekst(QStringLiteral("column-span"), &m_a.columnSpan);
    b.medtag(&m_a.medColumnSpan);
    b.info(QStringLiteral("column-span"));

    b.overskrift(QStringLiteral("div.artikelIndhold"));
    b.valg(QStringLiteral("font-style"), medtagIkke + QStringList{"normal", "italic", "oblique", "initial", "inherit"},
           &m_a.fontStyle);
    b.info(QStringLiteral("font-style"));
    b.valg(QStringLiteral("font-weight"), vaegte(), &m_a.fontWeight);
    b.info(QStringLiteral("font-weight"));
    tal(QStringLiteral("font-size"), &m_a.fontSize, &m_a.medFontSize, d.fontSize, QStringLiteral("font-size"));
    b.farve(QStringLiteral("color: "), &m_a.color);
    b.medtag(&m_a.medColor);
    b.info(QStringLiteral("color"));
    b.flag(QStringLiteral("text-align: justify"), &m_a.justify);
    b.flag(QStringLiteral("text-justify: distribute"), &m_a.distribute);

    b.flag(QStringLiteral("Medtag style-kode"), &m_a.styleKode,
           QStringLiteral("Anbringes i head-afdelingen: <style>EGENSKABER</style>"));
    addKnap(s.knapper, QStringLiteral("Udskriv"), QString(), [this] { udskrivSkabelon(3); });
    addKnap(s.knapper, QStringLiteral("Preview"), QStringLiteral("Preview med valgte egenskaber"),
            [this] { previewSkabelon(3); });
    s.knapper->addStretch();
    return s.page;
}

void TCssBoksForm::udskrivSkabelon(int tab)
{
    if (!dokumentAabent())
        return;
    QStringList lines;
    if (tab == 1)
        lines = CssSkabeloner::rulletekst(m_r, m_k, m_r.styleKode);
    else if (tab == 2)
        lines = CssSkabeloner::starwars(m_s, m_k, m_s.styleKode);
    else if (tab == 3)
        lines = CssSkabeloner::artikel(m_a, m_k, m_a.styleKode);
    m_vaert->skrivLinjer({lines, false});
}

bool TCssBoksForm::previewSkabelon(int tab)
{
    if (tab == 1)
        return gemOgVis(CssPreview::rulletekst, CssSkabeloner::rulletekst(m_r, m_k, false));
    if (tab == 2)
        return gemOgVis(CssPreview::starwars, CssSkabeloner::starwars(m_s, m_k, false));
    if (tab == 3)
        return gemOgVis(CssPreview::artikel, CssSkabeloner::artikel(m_a, m_k, false));
    return false;
}

} // namespace taglund
