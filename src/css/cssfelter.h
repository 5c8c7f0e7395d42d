#pragma once
#include <QColor>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QToolButton;

namespace taglund {

// A colour field: the text "#RRGGBB" beside a selector of sixteen swatches
// and a "Valgt farve" swatch that shows the current colour.
class TFarveFelt : public QWidget {
    Q_OBJECT
public:
    TFarveFelt(QString *target, const QString &hint, QWidget *parent = nullptr);
    QLineEdit *edit() const { return m_edit; }
    QComboBox *selector() const { return m_selector; }
    // The colour the "Valgt farve" swatch shows (invalid before any).
    QColor valgtFarve() const { return m_valgt; }
    void vis();  // shows the target's text

private:
    void setValgt(const QColor &c);
    QString *m_target;
    QLineEdit *m_edit;
    QComboBox *m_selector;
    QColor m_valgt;
    bool m_normaliserer = false;
};

// Builds the fields of a tab bound to the members of a field record, so a
// preset only changes the record and calls vis().
class TFeltBygger {
public:
    TFeltBygger(QGridLayout *grid, std::function<void(const QString &)> info);

    // A label and a number field (digits only; `fortegn` also a leading minus).
    QLineEdit *tal(const QString &label, QString *target, bool fortegn = false);
    QLineEdit *tekst(const QString &label, QString *target, const QString &hint = QString());
    // Four number fields in one row: top, right, bottom, left.
    void talFire(const QString &label, std::array<QString, 4> *target);
    QComboBox *valg(const QString &label, const QStringList &entries, QString *target);
    TFarveFelt *farve(const QString &label, QString *target,
                      const QString &hint = QStringLiteral("Farven kan indføres manuelt eller vælges fra farveboksen."));
    QCheckBox *flag(const QString &caption, bool *target, const QString &hint = QString(), bool nyRaekke = true);
    // "Medtag" beside the field just added.
    QCheckBox *medtag(bool *target);
    // "<" beside the field just added.
    QToolButton *nulstil(const QString &hint, std::function<void()> action);
    // The information button beside the field just added.
    QToolButton *info(const QString &egenskab);
    void overskrift(const QString &text);

    void vis();
    int raekke() const { return m_row; }
    void nyRaekke() { ++m_row; m_col = 0; }
    QGridLayout *grid() const { return m_grid; }

private:
    void put(QWidget *w);
    QGridLayout *m_grid;
    std::function<void(const QString &)> m_info;
    std::vector<std::function<void()>> m_vis;
    int m_row = 0;
    int m_col = 0;
};

// The border-style drop-down's entries ("none" first).
const QStringList &rammeTyper();

} // namespace taglund
