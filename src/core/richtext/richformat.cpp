#include "core/richtext/richformat.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

namespace taglund {

namespace {

bool isBulletList(const QTextList *l)
{
    if (!l)
        return false;
    const QTextListFormat::Style s = l->format().style();
    return s == QTextListFormat::ListDisc || s == QTextListFormat::ListCircle || s == QTextListFormat::ListSquare;
}

// Calls f for every block the selection touches (the caret's block without one).
template <typename F>
void forEachBlock(const QTextCursor &c, F &&f)
{
    QTextDocument *doc = c.document();
    QTextBlock b = doc->findBlock(c.selectionStart());
    const QTextBlock last = doc->findBlock(c.selectionEnd());
    for (; b.isValid(); b = b.next()) {
        f(b);
        if (b == last)
            break;
    }
}

} // namespace

QTextCharFormat familyModifier(const QString &family)
{
    QTextCharFormat f;
    f.setFontFamilies(QStringList{family});
    return f;
}

QTextCharFormat sizeModifier(double points)
{
    QTextCharFormat f;
    if (points > 0)
        f.setFontPointSize(points);
    return f;
}

QTextCharFormat colorModifier(const QColor &color)
{
    QTextCharFormat f;
    f.setForeground(color);
    return f;
}

QTextCharFormat boldModifier(bool on)
{
    QTextCharFormat f;
    f.setFontWeight(on ? QFont::Bold : QFont::Normal);
    return f;
}

QTextCharFormat italicModifier(bool on)
{
    QTextCharFormat f;
    f.setFontItalic(on);
    return f;
}

QTextCharFormat underlineModifier(bool on)
{
    QTextCharFormat f;
    f.setFontUnderline(on);
    return f;
}

QTextCharFormat fontModifier(const QFont &font)
{
    QTextCharFormat f = familyModifier(font.family());
    if (font.pointSizeF() > 0)
        f.setFontPointSize(font.pointSizeF());
    f.setFontWeight(font.bold() ? QFont::Bold : QFont::Normal);
    f.setFontItalic(font.italic());
    f.setFontUnderline(font.underline());
    f.setFontStrikeOut(font.strikeOut());
    return f;
}

void applyMargin(QTextCursor &c)
{
    QTextBlockFormat f;
    f.setTextIndent(4);
    f.setLeftMargin(0);
    f.setRightMargin(5);
    c.mergeBlockFormat(f);
}

void applyAlignment(QTextCursor &c, Qt::Alignment alignment)
{
    QTextBlockFormat f;
    f.setAlignment(alignment);
    c.mergeBlockFormat(f);
}

void applyBullet(QTextCursor &c, bool on)
{
    c.beginEditBlock();
    if (on) {
        const QTextBlock first = c.document()->findBlock(c.selectionStart());
        QTextList *before = first.previous().textList();
        if (isBulletList(before)) {
            // Continue the bullet list just above instead of starting a second one.
            forEachBlock(c, [&](const QTextBlock &b) {
                if (b.textList() != before)
                    before->add(b);
            });
        } else {
            QTextListFormat lf;
            lf.setStyle(QTextListFormat::ListDisc);
            lf.setIndent(1);
            c.createList(lf);
        }
    } else {
        // Leaving the list also leaves its indent (QTextList::remove would
        // keep the text where the list had put it).
        forEachBlock(c, [](const QTextBlock &b) {
            if (!b.textList())
                return;
            QTextBlockFormat f = b.blockFormat();
            f.setObjectIndex(-1);
            QTextCursor(b).setBlockFormat(f);
        });
    }
    c.endEditBlock();
}

TCaretFormat caretFormat(const QTextCursor &c, const QTextCharFormat &current, const QFont &editorFont,
                         const QColor &textColor)
{
    TCaretFormat out;
    const QStringList families = current.fontFamilies().toStringList();
    out.family = families.isEmpty() || families.first().isEmpty() ? editorFont.family() : families.first();
    out.pointSize = current.fontPointSize() > 0 ? current.fontPointSize() : editorFont.pointSizeF();
    out.color = current.foreground().style() == Qt::NoBrush ? textColor : current.foreground().color();
    out.bold = current.fontWeight() >= QFont::DemiBold;
    out.italic = current.fontItalic();
    out.underline = current.fontUnderline();
    out.bullet = isBulletList(c.currentList());
    out.alignment = c.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
    return out;
}

const std::array<QColor, gridColorCount> &gridColors()
{
    static const std::array<QColor, gridColorCount> colors{
        QColor(0, 0, 0),       QColor(128, 0, 0),   QColor(0, 128, 0),   QColor(128, 128, 0),
        QColor(0, 0, 128),     QColor(128, 0, 128), QColor(0, 128, 128), QColor(128, 128, 128),
        QColor(192, 192, 192), QColor(255, 0, 0),   QColor(0, 255, 0),   QColor(255, 255, 0),
        QColor(0, 0, 255),     QColor(255, 0, 255), QColor(0, 255, 255), QColor(255, 255, 255)};
    return colors;
}

QString gridColorName(int index)
{
    static const char *const names[gridColorCount] = {
        "Sort", "Mørkerød", "Grøn", "Oliven", "Marineblå", "Lilla", "Blågrøn", "Grå",
        "Sølv", "Rød", "Limegrøn", "Gul", "Blå", "Magenta", "Cyan", "Hvid"};
    return index >= 0 && index < gridColorCount ? QString::fromUtf8(names[index]) : QString();
}

int gridIndexOf(const QColor &color)
{
    if (!color.isValid())
        return -1;
    const auto &colors = gridColors();
    for (int i = 0; i < gridColorCount; ++i)
        if (colors[i].rgb() == color.rgb())
            return i;
    return -1;
}

} // namespace taglund
