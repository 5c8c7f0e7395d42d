#include "core/editor.h"
#include "core/text/doctext.h"

#include <QAction>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMimeData>
#include <QTextDocument>

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

template <typename Base>
bool TEditorBase<Base>::event(QEvent *e)
{
    if (refuseOverride(this, e))
        return true;
    return Base::event(e);
}

template <typename Base>
void TEditorBase<Base>::keyPressEvent(QKeyEvent *e)
{
    Base::keyPressEvent(e);
    m_events->editorKeyPressed();
}

template class TEditorBase<QPlainTextEdit>;
template class TEditorBase<QTextEdit>;

void TPlainEditor::insertFromMimeData(const QMimeData *source)
{
    const QString text = source ? source->text() : QString();
    if (!text.contains(QChar::LineSeparator) && !text.contains(QChar::ParagraphSeparator)) {
        TEditorBase::insertFromMimeData(source);
        return;
    }
    QTextDocument *doc = document();
    bool masked = doc->property(kSeparatorsMasked).toBool();
    if (!masked)
        maskSeparators(doc->toRawText() + text, &masked);  // unless the text holds the stand-ins
    if (!masked) {
        TEditorBase::insertFromMimeData(source);
        return;
    }
    doc->setProperty(kSeparatorsMasked, true);
    textCursor().insertText(toEditorBreaks(maskSeparators(text)));
    ensureCursorVisible();
}

void TPlainEditor::keyPressEvent(QKeyEvent *e)
{
    if (isSoftReturn(e)) {
        QKeyEvent plain(e->type(), e->key(), e->modifiers() & ~Qt::ShiftModifier, e->text());
        TEditorBase::keyPressEvent(&plain);
    } else {
        TEditorBase::keyPressEvent(e);
    }
}

} // namespace taglund
