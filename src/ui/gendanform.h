#pragma once
#include <QDateTime>
#include <QDialog>
#include <QList>
#include <QStringList>

class QPushButton;
class QTreeWidget;

namespace taglund::ui {

// One copy the box offers.
struct TGendanRaekke {
    QString navn;          // the file's name, or a new document's caption
    QString mappe;         // the file's folder; empty for a new document
    QDateTime tid;         // when the copy was taken
    QString bemaerkning;   // e.g. that the file changed after the copy
};

struct TGendanSvar {
    enum class Valg { Gendan, Slet, Senere };
    Valg valg = Valg::Senere;
    QList<int> valgte;     // rows, in list order
};

// "Gendan dokumenter": the documents a program that did not end normally
// left copies of, each with a check box (all ticked at first). "Gendan"
// restores the ticked ones, "Slet" discards them after asking, "Senere"
// (or closing the box) keeps every copy for the next start. Copies that
// cannot be offered are named below the list.
class TGendanform : public QDialog {
    Q_OBJECT
public:
    TGendanform(const QList<TGendanRaekke> &raekker, const QStringList &noter, QWidget *parent = nullptr);

    TGendanSvar svar() const { return m_svar; }
    QList<int> valgte() const;
    QTreeWidget *liste() const { return m_liste; }
    QPushButton *knap(TGendanSvar::Valg valg) const;

    // Shows the box modally and returns what the user chose.
    static TGendanSvar spoerg(QWidget *parent, const QList<TGendanRaekke> &raekker, const QStringList &noter);

private:
    void vaelg(TGendanSvar::Valg valg);
    void opdaterKnapper();

    QTreeWidget *m_liste = nullptr;
    QPushButton *m_gendan = nullptr;
    QPushButton *m_slet = nullptr;
    QPushButton *m_senere = nullptr;
    TGendanSvar m_svar;
};

} // namespace taglund::ui
