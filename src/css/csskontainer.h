#pragma once
#include <QString>
#include <QStringList>
#include <array>

namespace taglund {

// The lines a CSS box writes: one declaration per line, each written with a
// line break except, where the box says so, the last.
struct TCssLinjer {
    QStringList lines;
    bool lastWithoutBreak = false;
};

constexpr const char *kMedtagIkke = "Medtag ikke";
constexpr const char *kIngenRamme = "none";

// Every field of the "Kontainer" tab, as the window holds it: number fields
// as their typed text (written unchanged), drop-downs as the chosen entry.
// The defaults are the box's design defaults.
struct TKontainerFelter {
    enum SkyggeType { NormalSkygge = 0, InsetBoks = 1, OutsetBoks = 2 };

    bool bokstype = false;
    QString boxSizing = QStringLiteral("border-box");
    QString display = QStringLiteral("flex");

    bool ramme = false;
    QString borderStyle = QStringLiteral("solid");
    QString borderWidth = QStringLiteral("1");
    bool medRadius = true;
    QString borderRadius = QStringLiteral("7");
    QString borderColor = QStringLiteral("#000000");

    bool skygge = true;
    QString hShadow = QStringLiteral("4");
    QString vShadow = QStringLiteral("4");
    bool medBlur = true;
    QString blur = QStringLiteral("8");
    QString skyggeFarve = QStringLiteral("#000000");
    QString lysSkyggeFarve = QStringLiteral("#000000");
    int skyggeType = NormalSkygge;

    bool baggrund = false;
    QString bgColor = QStringLiteral("#FFFFFF");

    bool tekst = false;
    QString color = QStringLiteral("#000000");
    bool justify = false;
    bool distribute = false;
    bool medFontSize = false;
    QString fontSize = QStringLiteral("14");

    bool marginPadding = true;
    bool medMargin = true;
    std::array<QString, 4> margin{QStringLiteral("2"), QStringLiteral("2"), QStringLiteral("2"), QStringLiteral("2")};
    bool medPadding = true;
    std::array<QString, 4> padding{QStringLiteral("2"), QStringLiteral("2"), QStringLiteral("2"), QStringLiteral("2")};

    bool position = false;
    QString positionValg = QString::fromLatin1(kMedtagIkke);
    QString width = QStringLiteral("0");
    QString height = QStringLiteral("0");
    QString top = QStringLiteral("0");
    QString left = QStringLiteral("0");
    bool medWidth = false;
    bool medHeight = false;
    bool medTop = false;
    bool medLeft = false;

    bool styleKode = false;
    QString navn = QStringLiteral("kontainer");
    bool classNavn = false;
};

// The declaration builders of the container rule. Each gives its lines in
// the order they are written.
namespace CssKontainer {

QStringList bokstype(const TKontainerFelter &f);
QStringList ramme(const TKontainerFelter &f);
// The one "box-shadow: ...;" line.
QString boksskygge(const TKontainerFelter &f);
QString baggrund(const TKontainerFelter &f);
QStringList position(const TKontainerFelter &f);
QStringList marginPadding(const TKontainerFelter &f);
QStringList tekst(const TKontainerFelter &f);

// The groups whose check box is on, in the rule's order.
QStringList valgteGrupper(const TKontainerFelter &f);
// "Udskriv valgte": the groups with the optional style element and class frame.
TCssLinjer udskrivValgte(const TKontainerFelter &f);
// The preview style sheet: always ".kontainer{", whatever the name field holds.
QStringList preview(const TKontainerFelter &f);

// Groups that can be empty refuse to write when they would be.
bool bokstypeTom(const TKontainerFelter &f);
bool marginPaddingTom(const TKontainerFelter &f);
bool positionTom(const TKontainerFelter &f);

// The six preset buttons; each builds on the one before it.
void preset(TKontainerFelter &f, int n);

// The margin and padding "<" buttons: the top value into the other three;
// a top of exactly "0" switches that declaration off.
void nulstilMargin(TKontainerFelter &f);
void nulstilPadding(TKontainerFelter &f);

// A shadow offset as a whole number: an empty field counts as 0.
int offset(const QString &text);

} // namespace CssKontainer

} // namespace taglund
