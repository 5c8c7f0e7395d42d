#pragma once
#include <QObject>

class QComboBox;
class QToolButton;

namespace taglund {

class Tmainform;

// The font panel of "Hovedpanelet": the font name and size boxes and "Hent
// font" with its menu. It acts on the active document when that is plain
// text; otherwise only on the panel.
class TFontpanel : public QObject {
    Q_OBJECT
public:
    explicit TFontpanel(Tmainform *main);

    QComboBox *nameBox() const { return m_name; }
    QComboBox *sizeBox() const { return m_size; }
    QToolButton *hentFont() const { return m_hent; }

    // Start step: the installed fonts, sorted, with the standard font chosen.
    void fill();
    void chooseName(const QString &family);
    void chooseSize(int size);
    void hentStandardfont();
    void gemSomStandardfont();

    QString OldFontname;      // the name last shown in the name box
    QString OldFontSizname;   // the name the size box was last filled for

private:
    void fillSizes(const QString &family, int keep);

    Tmainform *m_main;
    QComboBox *m_name;
    QComboBox *m_size;
    QToolButton *m_hent;
};

} // namespace taglund
