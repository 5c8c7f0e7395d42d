#pragma once
#include "css/csskontainer.h"

namespace taglund {

// "Rulletekst": a text that scrolls sideways through a box.
struct TRulletekstFelter {
    QString boksWidth = QStringLiteral("400");
    QString boksMargin = QStringLiteral("2");
    QString paddingTop = QStringLiteral("5");
    QString paddingBottom = QStringLiteral("5");
    QString boksBg = QStringLiteral("#FFFFFF");
    bool boksRamme = false;   // "Medtag border fra kontainer"
    bool boksSkygge = false;  // "Medtag skygge fra kontainer"

    QString elementWidth = QStringLiteral("220");
    QString fontSize = QStringLiteral("14");
    QString color = QStringLiteral("#0000FF");
    QString padding = QStringLiteral("4");
    QString elementBg = QStringLiteral("#FFFFFF");
    QString borderStyle = QStringLiteral("solid");
    QString borderWidth = QStringLiteral("1");
    QString borderColor = QStringLiteral("#000000");
    bool medRadius = false;
    QString borderRadius = QStringLiteral("7");
    bool elementSkygge = false;

    QString duration = QStringLiteral("16");
    QString count = QStringLiteral("0");
    QString function = QStringLiteral("linear");
    QString frame0 = QStringLiteral("{left: 400px;}");
    QString frame100 = QStringLiteral("{left: -220px;}");

    bool styleKode = false;
};

// "Starwars rulletekst": a text scrolling upwards through a tilted box.
struct TStarwarsFelter {
    QString width = QStringLiteral("150");
    QString height = QStringLiteral("150");
    QString marginLeft = QStringLiteral("20");
    QString perspective = QStringLiteral("300");
    QString originX = QStringLiteral("65");
    QString originY = QStringLiteral("7");

    QString boksWidth = QStringLiteral("208");
    QString boksHeight = QStringLiteral("150");
    QString borderTop = QStringLiteral("4px solid black");
    QString borderRight = QStringLiteral("4px solid gray");
    QString borderBottom = QStringLiteral("12px solid silver");
    QString borderLeft = QStringLiteral("4px solid gray");
    QString padding = QStringLiteral("4");
    QString boksBg = QStringLiteral("#224466");
    bool boksSkygge = false;
    QString transform = QStringLiteral("rotateX(35deg)");

    QString fontSize = QStringLiteral("20");
    QString color = QStringLiteral("#FFFFFF");
    QString textAlign = QStringLiteral("center");
    QString duration = QStringLiteral("12");
    QString count = QStringLiteral("0");
    QString function = QStringLiteral("linear");
    QString frame0 = QStringLiteral("{top: 140px;}");
    QString frame100 = QStringLiteral("{top: -160px;}");

    bool styleKode = false;
};

// "Artikelkolonne": an article in columns under a column heading.
struct TArtikelFelter {
    bool medColumnWidth = false;
    QString columnWidth = QStringLiteral("200");
    bool medColumnCount = true;
    QString columnCount = QStringLiteral("2");
    bool medColumnGap = true;
    QString columnGap = QStringLiteral("12");
    QString columnFill = QString::fromLatin1(kMedtagIkke);
    QString ruleStyle = QStringLiteral("solid");
    QString ruleColor = QStringLiteral("#C0C0C0");
    bool medRuleWidth = true;
    QString ruleWidth = QStringLiteral("2");
    bool kontainerRamme = false;
    bool kontainerSkygge = false;
    bool kontainerBaggrund = false;
    bool kontainerMarginPadding = false;

    bool medOverskriftSize = true;
    QString overskriftSize = QStringLiteral("16");
    QString overskriftColor = QStringLiteral("#000080");
    QString overskriftWeight = QStringLiteral("bold");
    QString overskriftAlign = QStringLiteral("center");
    bool medMarginBottom = true;
    QString marginBottom = QStringLiteral("6");
    QString borderStyle = QStringLiteral("none");
    bool medBorderWidth = true;
    QString borderWidth = QStringLiteral("1");
    QString borderColor = QStringLiteral("#000000");
    bool kunBorderBottom = true;
    bool medBorderRadius = false;
    QString borderRadius = QStringLiteral("7");
    QString overskriftBg = QStringLiteral("#FFFFFF");
    bool medColumnSpan = true;
    QString columnSpan = QStringLiteral("all");

    QString fontStyle = QString::fromLatin1(kMedtagIkke);
    QString fontWeight = QString::fromLatin1(kMedtagIkke);
    bool medFontSize = false;
    QString fontSize = QStringLiteral("14");
    bool medColor = false;
    QString color = QStringLiteral("#000000");
    bool justify = false;
    bool distribute = false;

    bool styleKode = false;
};

// The template lines; every line, "</style>" included, ends with a break.
// The container's declarations come from its builders with its current values.
namespace CssSkabeloner {

QStringList rulletekst(const TRulletekstFelter &r, const TKontainerFelter &k, bool styleKode);
QStringList starwars(const TStarwarsFelter &s, const TKontainerFelter &k, bool styleKode);
QStringList artikel(const TArtikelFelter &a, const TKontainerFelter &k, bool styleKode);

// The iteration count line: "0" means infinite.
QString iterationCount(const QString &count);

// Preset buttons; each also sets the container fields the template borrows.
void rulletekstPreset(TRulletekstFelter &r, TKontainerFelter &k, int n);  // 1 to 9
void starwarsPreset(TStarwarsFelter &s, TKontainerFelter &k, int n);      // 1 to 4
void artikelPreset(TArtikelFelter &a, TKontainerFelter &k, int n);        // 1 to 4

} // namespace CssSkabeloner

} // namespace taglund
