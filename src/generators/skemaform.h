#pragma once
#include "generators/skemagenerator.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace taglund {

class TProgramHost;

// The table box "Skema": the table's parts and counts, and the buttons that
// write the table and its CSS through the program's commands.
class TSkemaform : public QDialog {
    Q_OBJECT
public:
    explicit TSkemaform(TProgramHost *host, QWidget *parent = nullptr);

    TSkemaValg valg() const;
    void setValg(const TSkemaValg &v);
    // Its place and values, from and to "skema.txt".
    void laes(const QString &path);
    bool gem(const QString &path, QString *error = nullptr) const;

    QLineEdit *kolonnerEdit = nullptr;
    QLineEdit *captionEdit = nullptr;
    QLineEdit *theadEdit = nullptr;
    QLineEdit *tbodyEdit = nullptr;
    QLineEdit *tfootEdit = nullptr;
    QLineEdit *colEdit = nullptr;
    QCheckBox *tableStyle1 = nullptr;
    QCheckBox *theadCheck = nullptr;
    QCheckBox *tbodyCheck = nullptr;
    QCheckBox *tfootCheck = nullptr;
    QCheckBox *colSpanCheck = nullptr;
    QCheckBox *colStyleCheck = nullptr;
    QCheckBox *colStyle1 = nullptr;
    QCheckBox *udskrivCheck = nullptr;
    QCheckBox *udskrivTekstCheck = nullptr;
    QCheckBox *cssCheck = nullptr;
    QPushButton *udskrivTabelKnap = nullptr;
    QPushButton *udskrivCssKnap = nullptr;

private:
    TProgramHost *m_host;
};

// A count field: digits only, at most three of them.
QLineEdit *taelFelt(const QString &name, QWidget *parent);
// Keeps a box that was saved on another screen within reach.
QPoint indenforSkaermen(int left, int top, QWidget *box);

} // namespace taglund
