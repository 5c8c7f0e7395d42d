#include "core/editor.h"

#include <QAction>
#include <QKeyEvent>
#include <QKeySequence>

namespace taglund {

bool isProgramShortcut(QWidget *editor, QKeyEvent *e)
{
    if (!(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) && e->key() < Qt::Key_F1)
        return false;
    const QKeySequence pressed(e->keyCombination());
    const auto actions = editor->window()->findChildren<QAction *>();
    for (QAction *a : actions)
        if (a->isEnabled() && a->shortcuts().contains(pressed))
            return true;
    return false;
}

namespace {

// Shift+Enter would put a soft line break inside a paragraph; in a plain
// document every break is a real one.
bool isSoftReturn(QKeyEvent *e)
{
    return (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && (e->modifiers() & Qt::ShiftModifier);
}

// ShortcutOverride is where a text control claims keys before the window's
// shortcuts see them; refusing it hands the key to the action.
bool refuseOverride(QWidget *editor, QEvent *e)
{
    if (e->type() != QEvent::ShortcutOverride)
        return false;
    auto *k = static_cast<QKeyEvent *>(e);
    if (isProgramShortcut(editor, k)) {
        e->ignore();
        return true;
    }
    return false;
}

} // namespace

TPlainEditor::TPlainEditor(TEditorEvents *events, QWidget *parent) : QPlainTextEdit(parent), m_events(events)
{
    setLineWrapMode(WidgetWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void TPlainEditor::setSplitLines(bool on)
{
    setLineWrapMode(on ? WidgetWidth : NoWrap);
    setHorizontalScrollBarPolicy(on ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    ++m_layoutStamp;
}

bool TPlainEditor::event(QEvent *e)
{
    if (refuseOverride(this, e))
        return true;
    return QPlainTextEdit::event(e);
}

void TPlainEditor::keyPressEvent(QKeyEvent *e)
{
    if (isSoftReturn(e)) {
        QKeyEvent plain(e->type(), e->key(), e->modifiers() & ~Qt::ShiftModifier, e->text());
        QPlainTextEdit::keyPressEvent(&plain);
    } else {
        QPlainTextEdit::keyPressEvent(e);
    }
    m_events->editorKeyPressed();
}

void TPlainEditor::keyReleaseEvent(QKeyEvent *e)
{
    QPlainTextEdit::keyReleaseEvent(e);
    m_events->editorKeyReleased();
}

void TPlainEditor::mouseReleaseEvent(QMouseEvent *e)
{
    QPlainTextEdit::mouseReleaseEvent(e);
    m_events->editorMouseReleased();
}

void TPlainEditor::mouseMoveEvent(QMouseEvent *e)
{
    QPlainTextEdit::mouseMoveEvent(e);
    if (e->buttons() != Qt::NoButton)
        m_events->editorMouseDragged();
}

void TPlainEditor::resizeEvent(QResizeEvent *e)
{
    QPlainTextEdit::resizeEvent(e);
    ++m_layoutStamp;
}

TRichEditor::TRichEditor(TEditorEvents *events, QWidget *parent) : QTextEdit(parent), m_events(events)
{
    setAcceptRichText(true);
    setLineWrapMode(WidgetWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void TRichEditor::setSplitLines(bool on)
{
    setLineWrapMode(on ? WidgetWidth : NoWrap);
    setHorizontalScrollBarPolicy(on ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    ++m_layoutStamp;
}

bool TRichEditor::event(QEvent *e)
{
    if (refuseOverride(this, e))
        return true;
    return QTextEdit::event(e);
}

void TRichEditor::keyPressEvent(QKeyEvent *e)
{
    QTextEdit::keyPressEvent(e);
    m_events->editorKeyPressed();
}

void TRichEditor::keyReleaseEvent(QKeyEvent *e)
{
    QTextEdit::keyReleaseEvent(e);
    m_events->editorKeyReleased();
}

void TRichEditor::mouseReleaseEvent(QMouseEvent *e)
{
    QTextEdit::mouseReleaseEvent(e);
    m_events->editorMouseReleased();
}

void TRichEditor::mouseMoveEvent(QMouseEvent *e)
{
    QTextEdit::mouseMoveEvent(e);
    if (e->buttons() != Qt::NoButton)
        m_events->editorMouseDragged();
}

void TRichEditor::resizeEvent(QResizeEvent *e)
{
    QTextEdit::resizeEvent(e);
    ++m_layoutStamp;
}

} // namespace taglund
