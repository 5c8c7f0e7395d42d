#include "core/richtext/richtarget.h"

#include <QPlainTextEdit>
#include <QTextEdit>

namespace taglund {

TRichTarget::~TRichTarget()
{
    detach();
}

void TRichTarget::attach(QTextEdit *editor, const std::function<void()> &onCaret)
{
    detach();
    m_rich = editor;
    if (editor && onCaret) {
        m_connections.push_back(QObject::connect(editor, &QTextEdit::cursorPositionChanged, editor, onCaret));
        m_connections.push_back(QObject::connect(editor, &QTextEdit::currentCharFormatChanged, editor,
                                                 [onCaret](const QTextCharFormat &) { onCaret(); }));
    }
}

void TRichTarget::attach(QPlainTextEdit *editor)
{
    detach();
    m_plain = editor;
}

void TRichTarget::detach()
{
    for (const auto &c : m_connections)
        QObject::disconnect(c);
    m_connections.clear();
    m_rich.clear();
    m_plain.clear();
}

bool TRichTarget::isAttached() const
{
    return m_rich || m_plain;
}

QWidget *TRichTarget::editor() const
{
    if (m_rich)
        return m_rich;
    return m_plain;
}

TCaretFormat TRichTarget::caret() const
{
    if (m_rich)
        return caretFormat(m_rich->textCursor(), m_rich->currentCharFormat(), m_rich->document()->defaultFont(),
                           m_rich->palette().color(QPalette::Text));
    TCaretFormat f;
    if (m_plain) {
        const QFont font = m_plain->font();
        f.family = font.family();
        f.pointSize = font.pointSizeF();
        f.color = m_plain->palette().color(QPalette::Text);
        f.bold = font.bold();
        f.italic = font.italic();
        f.underline = font.underline();
    }
    return f;
}

void TRichTarget::merge(const QTextCharFormat &modifier)
{
    m_rich->mergeCurrentCharFormat(modifier);
}

template <typename F>
void TRichTarget::changePlainFont(F &&change)
{
    QFont f = m_plain->font();
    change(f);
    m_plain->setFont(f);
}

template <typename F>
void TRichTarget::changeBlocks(F &&change)
{
    if (!m_rich)
        return;
    QTextCursor c = m_rich->textCursor();
    change(c);
    m_rich->setTextCursor(c);
}

void TRichTarget::setFamily(const QString &family, double size)
{
    if (m_rich) {
        QTextCharFormat m = familyModifier(family);
        if (size > 0)
            m.merge(sizeModifier(size));
        merge(m);
    } else if (m_plain) {
        changePlainFont([&](QFont &f) {
            f.setFamily(family);
            if (size > 0)
                f.setPointSizeF(size);
        });
    }
}

void TRichTarget::setSize(double points)
{
    if (points <= 0)
        return;
    if (m_rich)
        merge(sizeModifier(points));
    else if (m_plain)
        changePlainFont([&](QFont &f) { f.setPointSizeF(points); });
}

void TRichTarget::setColor(const QColor &color)
{
    if (!color.isValid())
        return;
    if (m_rich) {
        merge(colorModifier(color));
    } else if (m_plain) {
        QPalette p = m_plain->palette();
        p.setColor(QPalette::Text, color);
        m_plain->setPalette(p);
    }
}

void TRichTarget::setFont(const QFont &font)
{
    if (m_rich)
        merge(fontModifier(font));
    else if (m_plain)
        m_plain->setFont(font);
}

void TRichTarget::setBold(bool on)
{
    if (m_rich)
        merge(boldModifier(on));
    else if (m_plain)
        changePlainFont([&](QFont &f) { f.setBold(on); });
}

void TRichTarget::setItalic(bool on)
{
    if (m_rich)
        merge(italicModifier(on));
    else if (m_plain)
        changePlainFont([&](QFont &f) { f.setItalic(on); });
}

void TRichTarget::setUnderline(bool on)
{
    if (m_rich)
        merge(underlineModifier(on));
    else if (m_plain)
        changePlainFont([&](QFont &f) { f.setUnderline(on); });
}

void TRichTarget::setAlignment(Qt::Alignment alignment)
{
    changeBlocks([&](QTextCursor &c) { applyAlignment(c, alignment); });
}

void TRichTarget::setMargin()
{
    changeBlocks([](QTextCursor &c) { applyMargin(c); });
}

void TRichTarget::setBullet(bool on)
{
    changeBlocks([&](QTextCursor &c) { applyBullet(c, on); });
}

} // namespace taglund
