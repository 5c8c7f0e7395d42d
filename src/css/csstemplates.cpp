#include "css/csstemplates.h"

namespace taglund::CssSkabeloner {

namespace {
const QString px = QStringLiteral("px;");

bool medtag(const QString &choice)
{
    return choice != QLatin1String(kMedtagIkke);
}

QStringList medStyle(QStringList body, bool styleKode)
{
    if (!styleKode)
        return body;
    body.prepend(QStringLiteral("<style type=\"text/css\">"));
    body << QStringLiteral("</style>");
    return body;
}

void skyggeFraKontainer(TKontainerFelter &k, const QString &h, const QString &v, const QString &blur,
                        const QString &c1, const QString &c2)
{
    k.skyggeType = TKontainerFelter::NormalSkygge;
    k.hShadow = h;
    k.vShadow = v;
    k.medBlur = true;
    k.blur = blur;
    k.skyggeFarve = c1;
    k.lysSkyggeFarve = c2;
}

void rammeFraKontainer(TKontainerFelter &k)
{
    k.borderStyle = QStringLiteral("solid");
    k.borderWidth = QStringLiteral("1");
    k.borderColor = QStringLiteral("#000000");
    k.medRadius = true;
    k.borderRadius = QStringLiteral("7");
}
} // namespace

QString iterationCount(const QString &count)
{
    if (count == u"0")
        return QStringLiteral("animation-iteration-count: infinite;");
    return QStringLiteral("animation-iteration-count: ") + count + u';';
}

QStringList rulletekst(const TRulletekstFelter &r, const TKontainerFelter &k, bool styleKode)
{
    QStringList l;
    l << QStringLiteral("div.rulleBoks{") << QStringLiteral("width: ") + r.boksWidth + px
      << QStringLiteral("margin: ") + r.boksMargin + px << QStringLiteral("padding-top: ") + r.paddingTop + px
      << QStringLiteral("padding-bottom: ") + r.paddingBottom + px
      << QStringLiteral("background-color: ") + r.boksBg + u';';
    if (r.boksRamme)
        l << CssKontainer::ramme(k);
    if (r.boksSkygge)
        l << CssKontainer::boksskygge(k);
    l << QStringLiteral("overflow: hidden;") << QStringLiteral("}");

    l << QStringLiteral("div.rulleElement{") << QStringLiteral("position: relative;")
      << QStringLiteral("animation-name: moveTekst;") << QStringLiteral("width: ") + r.elementWidth + px
      << QStringLiteral("font-size: ") + r.fontSize + px << QStringLiteral("color: ") + r.color + u';'
      << QStringLiteral("padding: ") + r.padding + px << QStringLiteral("background-color: ") + r.elementBg + u';';
    if (r.borderStyle != QLatin1String(kIngenRamme))
        l << QStringLiteral("border: ") + r.borderWidth + QStringLiteral("px ") + r.borderStyle + u' ' + r.borderColor
                 + u';';
    if (r.medRadius)
        l << QStringLiteral("border-radius: ") + r.borderRadius + px;
    if (r.elementSkygge)
        l << CssKontainer::boksskygge(k);
    l << QStringLiteral("animation-duration: ") + r.duration + QStringLiteral("s;") << iterationCount(r.count)
      << QStringLiteral("animation-timing-function: ") + r.function + u';' << QStringLiteral("}");

    l << QStringLiteral("@keyframes moveTekst{") << QStringLiteral("0%") + r.frame0
      << QStringLiteral("100%") + r.frame100 << QStringLiteral("}");
    return medStyle(l, styleKode);
}

QStringList starwars(const TStarwarsFelter &s, const TKontainerFelter &k, bool styleKode)
{
    QStringList l;
    l << QStringLiteral("div#animationBox{") << QStringLiteral("width: ") + s.width + px
      << QStringLiteral("height: ") + s.height + px << QStringLiteral("margin-left: ") + s.marginLeft + px
      << QStringLiteral("perspective: ") + s.perspective + px
      << QStringLiteral("perspective-origin: ") + s.originX + QStringLiteral("% ") + s.originY + QStringLiteral("%;")
      << QStringLiteral("}");

    l << QStringLiteral("div#animationBox div.boks{") << QStringLiteral("width: ") + s.boksWidth + px
      << QStringLiteral("height: ") + s.boksHeight + px << QStringLiteral("border-top: ") + s.borderTop + u';'
      << QStringLiteral("border-right: ") + s.borderRight + u';'
      << QStringLiteral("border-bottom: ") + s.borderBottom + u';'
      << QStringLiteral("border-left: ") + s.borderLeft + u';' << QStringLiteral("padding: ") + s.padding + px
      << QStringLiteral("background-color: ") + s.boksBg + u';';
    if (s.boksSkygge)
        l << CssKontainer::boksskygge(k);
    l << QStringLiteral("transform: ") + s.transform + u';' << QStringLiteral("overflow: hidden")
      << QStringLiteral("}");

    l << QStringLiteral("div#animationBox div.boks div.rul{") << QStringLiteral("position: relative;")
      << QStringLiteral("font-size: ") + s.fontSize + px << QStringLiteral("color: ") + s.color + u';'
      << QStringLiteral("text-align: ") + s.textAlign + u';' << QStringLiteral("animation-name: rulTekst;")
      << QStringLiteral("animation-duration: ") + s.duration + QStringLiteral("s;") << iterationCount(s.count)
      << QStringLiteral("animation-timing-function: ") + s.function + u';' << QStringLiteral("}");

    l << QStringLiteral("@keyframes rulTekst{") << QStringLiteral("0%") + s.frame0
      << QStringLiteral("100%") + s.frame100 << QStringLiteral("}");
    return medStyle(l, styleKode);
}

QStringList artikel(const TArtikelFelter &a, const TKontainerFelter &k, bool styleKode)
{
    QStringList l;
    l << QStringLiteral("div.kolonneKontainer{");
    if (a.medColumnWidth)
        l << QStringLiteral("column-width: ") + a.columnWidth + px;
    if (a.medColumnCount)
        l << QStringLiteral("column-count: ") + a.columnCount + u';';
    if (a.medColumnGap)
        l << QStringLiteral("column-gap: ") + a.columnGap + px;
    if (medtag(a.columnFill))
        l << QStringLiteral("column-fill: ") + a.columnFill + u';';
    if (a.ruleStyle != QLatin1String(kIngenRamme))
        l << QStringLiteral("column-rule-style: ") + a.ruleStyle + u';';
    l << QStringLiteral("column-rule-color: ") + a.ruleColor + u';';
    if (a.medRuleWidth)
        l << QStringLiteral("column-rule-width: ") + a.ruleWidth + px;
    if (a.kontainerRamme)
        l << CssKontainer::ramme(k);
    if (a.kontainerSkygge)
        l << CssKontainer::boksskygge(k);
    if (a.kontainerBaggrund)
        l << CssKontainer::baggrund(k);
    if (a.kontainerMarginPadding)
        l << CssKontainer::marginPadding(k);
    l << QStringLiteral("}");

    l << QStringLiteral("div.kolonneOverskrift{");
    if (a.medOverskriftSize)
        l << QStringLiteral("font-size: ") + a.overskriftSize + px;
    if (medtag(a.overskriftWeight))
        l << QStringLiteral("font-weight: ") + a.overskriftWeight + u';';
    l << QStringLiteral("color: ") + a.overskriftColor + u';';
    if (medtag(a.overskriftAlign))
        l << QStringLiteral("text-align: ") + a.overskriftAlign + u';';
    if (a.medMarginBottom)
        l << QStringLiteral("margin-bottom: ") + a.marginBottom + px;
    if (a.borderStyle != QLatin1String(kIngenRamme)) {
        const QString pre = a.kunBorderBottom ? QStringLiteral("border-bottom-") : QStringLiteral("border-");
        l << pre + QStringLiteral("style: ") + a.borderStyle + u';' << pre + QStringLiteral("color: ") + a.borderColor + u';';
        if (a.medBorderWidth)
            l << pre + QStringLiteral("width: ") + a.borderWidth + px;
    }
    if (a.medBorderRadius)
        l << QStringLiteral("border-radius: ") + a.borderRadius + px;
    l << QStringLiteral("background-color: ") + a.overskriftBg + u';';
    // The span is "all" or nothing; the field only shows it.
    if (a.medColumnSpan)
        l << QStringLiteral("column-span: all;");
    l << QStringLiteral("}");

    l << QStringLiteral("div.artikelIndhold{");
    if (medtag(a.fontStyle))
        l << QStringLiteral("font-style: ") + a.fontStyle + u';';
    if (medtag(a.fontWeight))
        l << QStringLiteral("font-weight: ") + a.fontWeight + u';';
    if (a.justify)
        l << QStringLiteral("text-align: justify;");
    if (a.distribute)
        l << QStringLiteral("text-justify: distribute;");
    if (a.medFontSize)
        l << QStringLiteral("font-size: ") + a.fontSize + px;
    if (a.medColor)
        l << QStringLiteral("color: ") + a.color + u';';
    l << QStringLiteral("}");
    return medStyle(l, styleKode);
}

void rulletekstPreset(TRulletekstFelter &r, TKontainerFelter &k, int n)
{
    if (n < 1 || n > 9)
        return;
    r.boksWidth = QStringLiteral("400");
    r.boksMargin = QStringLiteral("2");
    r.paddingTop = QStringLiteral("5");
    r.elementWidth = QStringLiteral("220");
    r.fontSize = QStringLiteral("14");
    r.padding = QStringLiteral("4");
    r.borderRadius = QStringLiteral("7");
    r.frame0 = QStringLiteral("{left: 400px;}");
    r.frame100 = QStringLiteral("{left: -220px;}");
    r.duration = QStringLiteral("16");
    r.count = QStringLiteral("0");
    r.function = QStringLiteral("linear");

    struct Raekke {
        const char *boksBg;
        bool ramme, skygge;
        const char *color, *elementBg, *style, *width, *borderColor;
        bool radius, elementSkygge;
    };
    static const Raekke raekker[9] = {
        {"#FFFFFF", false, false, "#000000", "#FFFFFF", "none", "1", "#000000", false, false},
        {"#FFFFFF", false, false, "#000000", "#FFFFFF", "solid", "1", "#000000", true, false},
        {"#FFFFFF", false, false, "#000000", "#FFFFFF", "solid", "1", "#000000", true, true},
        {"#FFFFFF", true, false, "#000000", "#FFFFFF", "solid", "1", "#000000", true, true},
        {"#00FF00", true, false, "#000000", "#FFFFFF", "solid", "1", "#000000", true, true},
        {"#FF5522", true, true, "#F5F5DC", "#6A5ACD", "solid", "1", "#000000", true, true},
        {"#DEB887", true, true, "#004444", "#FFA500", "double", "3", "#800000", false, false},
        {"#FFFFFF", false, false, "#004444", "#FFA500", "double", "3", "#800000", false, true},
        {"#FFFFFF", false, false, "#FFFFFF", "#800000", "inset", "3", "#FF0000", false, true},
    };
    const Raekke &x = raekker[n - 1];
    r.boksBg = QString::fromLatin1(x.boksBg);
    r.boksRamme = x.ramme;
    if (x.ramme)
        rammeFraKontainer(k);
    r.boksSkygge = x.skygge;
    if (x.skygge)
        skyggeFraKontainer(k, QStringLiteral("4"), QStringLiteral("4"), QStringLiteral("8"), QStringLiteral("#808080"),
                           QStringLiteral("#C0C0C0"));
    r.color = QString::fromLatin1(x.color);
    r.elementBg = QString::fromLatin1(x.elementBg);
    r.borderStyle = QString::fromLatin1(x.style);
    r.borderWidth = QString::fromLatin1(x.width);
    r.borderColor = QString::fromLatin1(x.borderColor);
    r.medRadius = x.radius;
    // The element's shadow is set after the box's, so with both on the element's values win.
    r.elementSkygge = x.elementSkygge;
    r.paddingBottom = x.elementSkygge ? QStringLiteral("7") : QStringLiteral("5");
    if (x.elementSkygge)
        skyggeFraKontainer(k, QStringLiteral("3"), QStringLiteral("3"), QStringLiteral("5"), QStringLiteral("#808080"),
                           QStringLiteral("#C0C0C0"));
    if (n == 9) {
        k.skyggeType = TKontainerFelter::InsetBoks;
        k.medBlur = false;
        k.skyggeFarve = QStringLiteral("#FFA500");
        k.lysSkyggeFarve = QStringLiteral("#FFFF00");
        r.padding = QStringLiteral("8");
        r.fontSize = QStringLiteral("18");
        r.duration = QStringLiteral("20");
        r.function = QStringLiteral("ease-in-out");
    }
}

void starwarsPreset(TStarwarsFelter &s, TKontainerFelter &k, int n)
{
    if (n < 1 || n > 4)
        return;
    const bool styleKode = s.styleKode;
    s = TStarwarsFelter();
    s.styleKode = styleKode;
    if (n == 1)
        return;
    s.originX = QStringLiteral("16");
    s.originY = QStringLiteral("36");
    s.boksSkygge = true;
    skyggeFraKontainer(k, QStringLiteral("0"), QStringLiteral("4"), QStringLiteral("8"), QStringLiteral("#8080A0"),
                       QStringLiteral("#C0C0E0"));
    static const char *const transform[] = {"rotateX(35deg)", "rotateY(25deg)", "none"};
    static const char *const color[] = {"#FFA500", "#000080", "#000080"};
    static const char *const bg[] = {"#228844", "#FF8800", "#FF8844"};
    s.transform = QString::fromLatin1(transform[n - 2]);
    s.color = QString::fromLatin1(color[n - 2]);
    s.boksBg = QString::fromLatin1(bg[n - 2]);
}

void artikelPreset(TArtikelFelter &a, TKontainerFelter &k, int n)
{
    if (n < 1 || n > 4)
        return;
    const bool styleKode = a.styleKode;
    a = TArtikelFelter();
    a.styleKode = styleKode;
    if (n >= 2) {
        a.borderStyle = QStringLiteral("solid");
        a.borderColor = QStringLiteral("#C0C0C0");
        a.medFontSize = true;
        a.fontSize = QStringLiteral("14");
        a.justify = a.distribute = true;
    }
    if (n >= 3) {
        a.kontainerRamme = a.kontainerSkygge = a.kontainerMarginPadding = true;
        rammeFraKontainer(k);
        skyggeFraKontainer(k, QStringLiteral("3"), QStringLiteral("3"), QStringLiteral("6"), QStringLiteral("#8080A0"),
                           QStringLiteral("#C0C0E0"));
        k.medMargin = false;
        k.medPadding = true;
        k.padding = {QStringLiteral("4"), QStringLiteral("6"), QStringLiteral("6"), QStringLiteral("6")};
        a.fontSize = QStringLiteral("13");
    }
    if (n >= 4) {
        a.overskriftWeight = QString::fromLatin1(kMedtagIkke);
        a.medBorderRadius = true;
        a.kontainerBaggrund = true;
        k.bgColor = QStringLiteral("#CCEE00");
    }
}

} // namespace taglund::CssSkabeloner
