#pragma once
#include "core/text/doctext.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace taglund {

// Both editors report the events the document window reacts to.
class TEditorEvents {
public:
    virtual ~TEditorEvents() = default;
    virtual void editorKeyPressed() {}
    virtual void editorKeyReleased() {}
    virtual void editorMouseReleased() {}
    virtual void editorMouseDragged() {}
};

// What both editors add to their Qt text control: the caret host of the
// document text operations, the window's events, and shortcuts that the
// program's commands keep.
template <typename Base>
class TEditorBase : public Base, public TCaretHost {
public:
    explicit TEditorBase(TEditorEvents *events, QWidget *parent = nullptr) : Base(parent), m_events(events)
    {
        Base::setLineWrapMode(Base::WidgetWidth);
        Base::setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        Base::setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    }

    QTextCursor caret() const override { return Base::textCursor(); }
    void setCaret(const QTextCursor &c) override { Base::setTextCursor(c); }
    bool splitsLines() const override { return Base::lineWrapMode() != Base::NoWrap; }
    void focusEditor() override { Base::setFocus(); }
    void scrollToCaret() override { Base::ensureCursorVisible(); }
    int layoutStamp() const override { return m_layoutStamp; }

    // Splitting on: only a vertical scroll bar; off: both.
    void setSplitLines(bool on)
    {
        Base::setLineWrapMode(on ? Base::WidgetWidth : Base::NoWrap);
        Base::setHorizontalScrollBarPolicy(on ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
        ++m_layoutStamp;
    }

protected:
    bool event(QEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void keyReleaseEvent(QKeyEvent *e) override
    {
        Base::keyReleaseEvent(e);
        m_events->editorKeyReleased();
    }
    void mouseReleaseEvent(QMouseEvent *e) override
    {
        Base::mouseReleaseEvent(e);
        m_events->editorMouseReleased();
    }
    void mouseMoveEvent(QMouseEvent *e) override
    {
        Base::mouseMoveEvent(e);
        if (e->buttons() != Qt::NoButton)
            m_events->editorMouseDragged();
    }
    void resizeEvent(QResizeEvent *e) override
    {
        Base::resizeEvent(e);
        ++m_layoutStamp;
    }

    TEditorEvents *m_events;
    int m_layoutStamp = 0;
};

// The plain-text editor of a document window.
class TPlainEditor : public TEditorBase<QPlainTextEdit> {
    Q_OBJECT
public:
    using TEditorBase::TEditorBase;

protected:
    void keyPressEvent(QKeyEvent *e) override;
    // Pasted Unicode line and paragraph separators keep their own characters.
    void insertFromMimeData(const QMimeData *source) override;
};

// The rich-text editor of ".rtf" documents.
class TRichEditor : public TEditorBase<QTextEdit> {
    Q_OBJECT
public:
    explicit TRichEditor(TEditorEvents *events, QWidget *parent = nullptr) : TEditorBase(events, parent)
    {
        setAcceptRichText(true);
    }
};

// The program's own shortcuts win over the text control's built-in key
// bindings (Ctrl+K, Ctrl+W, Ctrl+M, Ctrl+D, Ctrl+T, Ctrl+Ins ...): a key
// sequence that is some action's shortcut is never eaten by the editor.
bool isProgramShortcut(QWidget *editor, QKeyEvent *e);

} // namespace taglund
