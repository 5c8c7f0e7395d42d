#pragma once
#include <QColor>
#include <QFont>
#include <QString>
#include <QTextCharFormat>
#include <array>

class QTextCursor;

namespace taglund {

// What the rich-text tools do to a document, without any widget: the
// character modifiers they merge into the selection (or the caret's
// format), the paragraph changes, and what the panel shows for the caret.

QTextCharFormat familyModifier(const QString &family);
QTextCharFormat sizeModifier(double points);
QTextCharFormat colorModifier(const QColor &color);
QTextCharFormat boldModifier(bool on);
QTextCharFormat italicModifier(bool on);
QTextCharFormat underlineModifier(bool on);
// The font dialog's choice: family, size, bold, italic, underline, strike-out.
QTextCharFormat fontModifier(const QFont &font);

// "Margin": first-line indent 4, left indent 0 and right indent 5, in pixels
// on the QTextBlockFormat (RTF writes them as 60, 0 and 75 twips), for every
// paragraph of the selection.
void applyMargin(QTextCursor &c);
void applyAlignment(QTextCursor &c, Qt::Alignment alignment);
// "Prik": the selection's paragraphs become bullet items, or stop being items.
// A new list is indented one step, so the bullet has room left of the text.
void applyBullet(QTextCursor &c, bool on);

// The caret's formatting as the panel and tool bar show it. Properties the
// text does not set come from the editor's font and text colour.
struct TCaretFormat {
    QString family;
    double pointSize = 0;
    QColor color;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool bullet = false;
    Qt::Alignment alignment = Qt::AlignLeft;
};
TCaretFormat caretFormat(const QTextCursor &c, const QTextCharFormat &current, const QFont &editorFont,
                         const QColor &textColor);

// The 16-colour grid: index 15 is where the background mark rests.
constexpr int gridColorCount = 16;
const std::array<QColor, gridColorCount> &gridColors();
QString gridColorName(int index);  // Danish, for the cell's accessible name
int gridIndexOf(const QColor &color);  // -1 when the grid has no such colour

} // namespace taglund
