#pragma once
#include <QList>
#include <QString>

namespace taglund {

// The sizes a size box offers for a font (the rich-text panel's and the main
// window's font panel's).

// A scalable font: always this fixed list.
const QList<int> &scalableFontSizes();

// One size a bitmap font comes in, in the font's own pixel measures.
struct BitmapFontSize {
    int cellHeight;       // ascent plus descent
    int internalLeading;  // room for accents inside the cell
};

// A bitmap font: each size in points, (cell height - internal leading) * 72
// / dpi to the nearest whole number, ascending, without repeats.
QList<int> bitmapFontSizes(const QList<BitmapFontSize> &sizes, int dpiY);

// The list for an installed font; a font that is not installed counts as scalable.
QList<int> fontSizeList(const QString &family);

// The size a refilled size box selects: the one to keep when it is listed,
// otherwise the first of the list (`keep` when the list is empty).
double sizeToSelect(const QList<int> &sizes, double keep);

} // namespace taglund
