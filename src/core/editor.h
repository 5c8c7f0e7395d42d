#pragma once
#include "core/text/doctext.h"

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

// The plain-text editor of a document window.
class TPlainEditor : public QPlainTextEdit, public TCaretHost {
    Q_OBJECT
public:
    explicit TPlainEditor(TEditorEvents *events, QWidget *parent = nullptr);

    QTextCursor caret() const override { return textCursor(); }
    void setCaret(const QTextCursor &c) override { setTextCursor(c); }
    bool splitsLines() const override { return lineWrapMode() != NoWrap; }
    void focusEditor() override { setFocus(); }
    void scrollToCaret() override { ensureCursorVisible(); }
    int layoutStamp() const override { return m_layoutStamp; }

    void setSplitLines(bool on);

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void keyReleaseEvent(QKeyEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    bool event(QEvent *e) override;

private:
    TEditorEvents *m_events;
    int m_layoutStamp = 0;
};

// The rich-text editor of ".rtf" documents.
class TRichEditor : public QTextEdit, public TCaretHost {
    Q_OBJECT
public:
    explicit TRichEditor(TEditorEvents *events, QWidget *parent = nullptr);

    QTextCursor caret() const override { return textCursor(); }
    void setCaret(const QTextCursor &c) override { setTextCursor(c); }
    bool splitsLines() const override { return lineWrapMode() != NoWrap; }
    void focusEditor() override { setFocus(); }
    void scrollToCaret() override { ensureCursorVisible(); }
    int layoutStamp() const override { return m_layoutStamp; }

    void setSplitLines(bool on);

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void keyReleaseEvent(QKeyEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    bool event(QEvent *e) override;

private:
    TEditorEvents *m_events;
    int m_layoutStamp = 0;
};

// The program's own shortcuts win over the text control's built-in key
// bindings (Ctrl+K, Ctrl+W, Ctrl+M, Ctrl+D, Ctrl+T, Ctrl+Ins ...): a key
// sequence that is some action's shortcut is never eaten by the editor.
bool isProgramShortcut(QWidget *editor, QKeyEvent *e);

} // namespace taglund
