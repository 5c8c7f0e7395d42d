#pragma once
#include <QColor>
#include <QString>
#include <optional>
#include <vector>

namespace taglund {

// The colour texts of the CSS boxes: a "#" and six hexadecimal digits that
// the user may type or pick from a selector of sixteen swatches.
namespace CssFarve {

struct Swatch {
    QString hint;   // "Sort", "Grå", ...
    QColor color;
};
// The selector's swatches in their order.
const std::vector<Swatch> &swatches();

// Normalises a typed colour text: "" becomes "#", a text beginning with a
// character that sorts before "#" gets one in front, then everything but
// "#" and hexadecimal digits goes.
QString Get16Tal(const QString &text);
// The colour of a seven-character text (characters 2-3 red, 4-5 green,
// 6-7 blue); no colour for any other length or a non-hexadecimal pair.
std::optional<QColor> GetFarve(const QString &text);
// "#RRGGBB" in upper case.
QString tekst(const QColor &c);

} // namespace CssFarve

} // namespace taglund
