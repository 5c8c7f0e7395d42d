#pragma once
#include "generators/listegenerator.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPushButton;

namespace taglund {

class TProgramHost;

// The list box "Liste": the list type, the counts, and the buttons that
// write the list, an option group and the CSS through the program's commands.
class TListeform : public QDialog {
    Q_OBJECT
public:
    explicit TListeform(TProgramHost *host, QWidget *parent = nullptr);

    TListeValg valg() const;
    void setValg(const TListeValg &v);
    void laes(const QString &path);
    bool gem(const QString &path, QString *error = nullptr) const;

    QButtonGroup *listeTypeGroup = nullptr;
    QLineEdit *listeAntalEdit = nullptr;
    QLineEdit *listeOptgroupEdit = nullptr;
    QCheckBox *listeStyleKodeCheck = nullptr;
    QCheckBox *listeStyleSelCheck = nullptr;
    QPushButton *udskrivListeKnap = nullptr;
    QPushButton *udskrivOptgroupKnap = nullptr;
    QPushButton *udskrivCssKnap = nullptr;

private:
    TProgramHost *m_host;
};

} // namespace taglund
