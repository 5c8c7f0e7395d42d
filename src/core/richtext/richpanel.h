#pragma once
#include "core/richtext/richtarget.h"

#include <QWidget>
#include <map>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QPlainTextEdit;
class QTextEdit;

namespace taglund {

class TColorGrid;

// The rich-text panel of a ".rtf" document window: the font box "Fontnavn"
// (every installed screen font, sorted), the size box "Font størrelse", the
// size buttons "10" to "36", the display-only ticked "RichText" and the
// 16-colour grid. They act on the attached editor's selection, or on the
// whole editor when it is a plain one.
//
// Wiring in a document window: make the panel, attach() the editor, call
// selectFont(fontNameDoc, fontSizeDoc) in the creation step and
// updateFromCaret() from XYinfo (a rich editor also updates it by itself
// when the caret moves). formatChanged() fires after every change the user
// makes through the panel.
class TRichPanel : public QWidget {
    Q_OBJECT
public:
    explicit TRichPanel(QWidget *parent = nullptr);
    ~TRichPanel() override;

    void attach(QTextEdit *editor);
    void attach(QPlainTextEdit *editor);
    void detach();

    // Shows a font and size without applying them (the window's start font).
    void selectFont(const QString &family, double size);
    // Shows the font, size and colour at the caret; the background mark
    // always rests on the sixteenth colour.
    void updateFromCaret();

    QComboBox *fontBox() const { return m_fontBox; }
    QComboBox *sizeBox() const { return m_sizeBox; }
    QAbstractButton *sizeButton(int points) const;
    QCheckBox *richTextBox() const { return m_richText; }
    TColorGrid *colorGrid() const { return m_grid; }
    // The family the size box was last filled for.
    QString sizesFamily() const { return m_sizesFamily; }

public slots:
    // What the user's choices do.
    void chooseFont(const QString &family);
    void chooseSize(double points);
    void chooseSizeButton(int points);
    void chooseColor(int gridIndex);

signals:
    void formatChanged();

private:
    void fillSizes(const QString &family, double select);
    void showSize(double points);

    TRichTarget m_target;
    QComboBox *m_fontBox;
    QComboBox *m_sizeBox;
    QCheckBox *m_richText;
    TColorGrid *m_grid;
    std::map<int, QAbstractButton *> m_sizeButtons;
    QString m_sizesFamily;
    QList<int> m_sizes;
};

} // namespace taglund
