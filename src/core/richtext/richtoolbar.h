#pragma once
#include "core/richtext/richtarget.h"

#include <QColor>
#include <QFont>
#include <QKeySequence>
#include <QObject>
#include <functional>
#include <optional>

class QAction;
class QActionGroup;
class QPlainTextEdit;
class QTextEdit;
class QToolBar;
class QWidget;

namespace taglund {

// The rich-text tool bar's commands: "Margin", "Prik" (Ctrl+P), "Fed"
// (Ctrl+B), "Kursiv" (Ctrl+I), "Understreg" (Ctrl+U), "Venstrestil",
// "Centrer", "Højrestil", "Vælg farve" and "Vælg font".
//
// The shortcuts belong to the given scope widget (the document window) and
// work only while the focus is inside it, so several document windows never
// fight over Ctrl+B. Wiring: make it with the document window as scope, add
// "Rediger i andet program" and the edit menu to the QToolBar, then addTo()
// the same tool bar, and attach() the editor. For a plain editor only "Vælg
// farve", "Vælg font", "Fed", "Kursiv" and "Understreg" are enabled, and they
// change the whole editor's font and colour.
class TRichToolbar : public QObject {
    Q_OBJECT
public:
    explicit TRichToolbar(QWidget *shortcutScope, QObject *parent = nullptr);
    ~TRichToolbar() override;

    void addTo(QToolBar *bar, QToolBar *second = nullptr);
    void attach(QTextEdit *editor);
    void attach(QPlainTextEdit *editor);
    void detach();
    // Ticks "Fed", "Kursiv", "Understreg", "Prik" and the alignment for the caret.
    void updateFromCaret();

    QAction *marginAction() const { return m_margin; }
    QAction *bulletAction() const { return m_bullet; }
    QAction *boldAction() const { return m_bold; }
    QAction *italicAction() const { return m_italic; }
    QAction *underlineAction() const { return m_underline; }
    QAction *leftAction() const { return m_left; }
    QAction *centerAction() const { return m_center; }
    QAction *rightAction() const { return m_right; }
    QAction *colorAction() const { return m_color; }
    QAction *fontAction() const { return m_font; }

    // The dialogs, replaceable (tests answer them without a modal window).
    // An invalid colour or no font means the user cancelled.
    using ColorChooser = std::function<QColor(const QColor &current, QWidget *parent)>;
    using FontChooser = std::function<std::optional<QFont>(const QFont &current, QWidget *parent)>;
    void setColorChooser(ColorChooser chooser) { m_chooseColor = std::move(chooser); }
    void setFontChooser(FontChooser chooser) { m_chooseFont = std::move(chooser); }

signals:
    void formatChanged();

private:
    QAction *make(const QString &text, const QKeySequence &key = {}, bool checkable = false);
    void updateEnabled();
    void done();
    void pickColor();
    void pickFont();

    QWidget *m_scope;
    TRichTarget m_target;
    QAction *m_margin;
    QAction *m_bullet;
    QAction *m_bold;
    QAction *m_italic;
    QAction *m_underline;
    QAction *m_left;
    QAction *m_center;
    QAction *m_right;
    QAction *m_color;
    QAction *m_font;
    QActionGroup *m_alignGroup;
    ColorChooser m_chooseColor;
    FontChooser m_chooseFont;
};

} // namespace taglund
