#pragma once
#include "filebox/dialoger.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;

namespace taglund {

class TFilMappeInfo;

// The property window: one window, three pages ("Fil", "Drev", "Mappe"),
// of which the one it was filled for stays shown. Not modal; on top.
class TEgenskabForm : public QWidget, public TEgenskabsVisning {
    Q_OBJECT
public:
    explicit TEgenskabForm(TFilMappeInfo *engine, QWidget *parent = nullptr);

    void visFil(const TFilEgenskaber &e) override;
    void visMappe(const TMappeEgenskaber &e) override;
    void opdaterMappe(const QString &storrelse, const QString &indeholder) override;
    void visDrev(const TDrevEgenskaber &e) override;
    void lukEgenskaber() override { hide(); }

    // What "Anvend" would set; also what tests press.
    QCheckBox *skrivebeskyttetBox() const { return m_skrivebeskyttet; }
    QPushButton *anvendKnap() const { return m_anvend; }
    void anvend();
    void stoerre();
    void mindre();

private:
    void visSide(int side, const QString &caption);
    void opdaterKnapper();

    TFilMappeInfo *m_engine;
    QTabWidget *m_sider;
    int m_side = 0;
    QString m_fil;
    // "Fil"
    QLabel *m_filIkon;
    QLineEdit *m_filNavn, *m_filPlacering;
    QLabel *m_filStr, *m_filOprettet, *m_filAendret, *m_filAabnet, *m_filType;
    QCheckBox *m_skrivebeskyttet, *m_skjult, *m_arkiv, *m_system;
    QPushButton *m_anvend;
    // "Drev"
    QLineEdit *m_drevNavn;
    QLabel *m_ledig, *m_anvendt, *m_kapasitet, *m_drevType, *m_filsystem;
    QProgressBar *m_brugt;
    // "Mappe"
    QLineEdit *m_mappeNavn;
    QLabel *m_mappePlacering, *m_mappeStr, *m_indeholder, *m_mappeOprettet;
    QPushButton *m_stoerre, *m_mindre;
};

} // namespace taglund
