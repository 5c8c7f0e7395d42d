#pragma once
#include "core/model/commandtext.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace taglund {

class TCommandHost;

// The print box of "Udskriv dokument...": margins in centimetres, the copy
// count and where to print. Made once and shown modally each time, so the
// values typed stay for the next print in the same run.
class TPrintForm : public QDialog {
    Q_OBJECT
public:
    explicit TPrintForm(TCommandHost *host, QWidget *parent = nullptr);

    QLineEdit *leftField() const { return m_left; }
    QLineEdit *rightField() const { return m_right; }
    QLineEdit *topField() const { return m_top; }
    QLineEdit *bottomField() const { return m_bottom; }
    QLineEdit *copiesField() const { return m_copies; }
    QComboBox *targetBox() const { return m_target; }
    QPushButton *printButton() const { return m_print; }

    // The choice that prints to a PDF file; always offered, so printing
    // works on a machine without printers.
    static QString pdfTarget() { return QStringLiteral("PDF-fil..."); }
    void refreshPrinters();

    // "Udskriv dokument...": shows the box; "Print" prints the active
    // document. False when nothing was printed.
    bool execute();

public slots:
    void restoreStandard();
    // "Print": checks the fields, asks for the PDF file when that is the
    // target, prints, and closes the box once printing has been tried. With a
    // field that counts as empty the box stays open with its values.
    void print();

private:
    QLineEdit *numberField(const QString &name, bool allowComma);
    bool printTo(const CommandText::TPrintSettings &settings);

    TCommandHost *m_host;
    QLineEdit *m_left;
    QLineEdit *m_right;
    QLineEdit *m_top;
    QLineEdit *m_bottom;
    QLineEdit *m_copies;
    QComboBox *m_target;
    QPushButton *m_print;
    bool m_printed = false;
};

} // namespace taglund
