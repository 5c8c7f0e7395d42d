#pragma once
#include "filebox/findmotor.h"

#include <QStringList>
#include <QWidget>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace taglund {

class TProgramHost;
class Twinform;

// "Findboksen": searches all open documents (and replaces there), or every
// file of a folder, and lists each hit as a row that leads to it. The
// searching itself is the engine in findmotor.h.
class Tfindform : public QWidget {
    Q_OBJECT
public:
    Tfindform(TProgramHost *host, QWidget *parent);

    QString FTekst;
    QString RTekst;
    QString Mappe;     // always ends with "/"
    QString optfil;
    bool opstart = true;

    // The file box's selection folder, asked at the first show.
    std::function<QString()> filboksMappe;

    // Shows the box; the first time it reads its settings and takes its folder.
    void vis();
    // The search folder becomes `folder` + "/" (the file box refreshed its tabs).
    void setMappe(const QString &folder);
    // The file-type choice: the type box's entries ("Hjemmeside (*.html)").
    void fyldFiltyper(const QStringList &entries, int selected, int visible);
    void setFiltypeIndex(int i);

    void findIAabneDokumenter(bool erstat);
    void findIMappe();
    void visValgte();
    void aabenAlle();
    void fjernValgte();
    void sletAlt();
    // Stops a folder search after the file being read.
    void stop();
    bool soeger() const { return m_soeger; }

    // Writes "findoptions.txt": top and left edge, then "Søg i undermapper".
    // A box never shown leaves the file as it is.
    bool gemIndstillinger();

    QList<TFundRaekke> raekker() const;
    QTreeWidget *liste() const { return m_liste; }
    QComboBox *soegFelt() const { return m_soeg; }
    QComboBox *erstatFelt() const { return m_erstat; }
    QComboBox *filtypeValg() const { return m_filtype; }
    QCheckBox *heleOrdBoks() const { return m_heleOrd; }
    QCheckBox *storeSmaaBoks() const { return m_storeSmaa; }
    QCheckBox *alleTyperBoks() const { return m_alleTyper; }
    QCheckBox *undermapperBoks() const { return m_undermapper; }
    QLabel *fundneLabel() const { return m_fundne; }
    QLabel *sprungetLabel() const { return m_sprunget; }
    QPushButton *knap(const QString &caption) const;
    // The pattern of the chosen file type, or "*.*" with every type ticked.
    QString filter() const;

    void opdaterKnapper();

private:
    void byg();
    void husk(QComboBox *box);
    FindOptions valg() const;
    void tilfoej(const QList<TFundRaekke> &rows);
    void opdaterFundne();
    void vaelgMappe();
    // The window of a row's document, opened or brought forward; null when
    // there is none (the row is then removed, and *fjernet set).
    Twinform *dokumentAf(QTreeWidgetItem *item, bool *fjernet);
    void visFund(Twinform *w, int position);
    void laesIndstillinger();

    TProgramHost *m_host;
    QComboBox *m_soeg = nullptr;
    QComboBox *m_erstat = nullptr;
    QCheckBox *m_heleOrd = nullptr;
    QCheckBox *m_storeSmaa = nullptr;
    QComboBox *m_filtype = nullptr;
    QCheckBox *m_alleTyper = nullptr;
    QLineEdit *m_mappeFelt = nullptr;
    QCheckBox *m_undermapper = nullptr;
    QTreeWidget *m_liste = nullptr;
    QLabel *m_fundne = nullptr;
    QLabel *m_sprunget = nullptr;
    QProgressBar *m_fremdrift = nullptr;
    QPushButton *m_stop = nullptr;
    QList<QPushButton *> m_knapper;
    bool m_soeger = false;
    bool m_stoppet = false;
};

} // namespace taglund
