#pragma once
#include "core/model/filetypes.h"
#include "app/types/typeboxhost.h"

#include <QDialog>

class QAction;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace taglund {

// "Filtypeboksen": the user edits the file-type list here. Changes stay in
// the box until "Gem og luk" writes them to the list file and the engine.
class TFiltypeForm : public QDialog {
    Q_OBJECT
public:
    TFiltypeForm(TFiltypeliste &liste, const QString &typelisteNavn, TTypeBoxHost host, QWidget *parent = nullptr);

    // "Bestem filtyper...": shown beside the main window, or over a box that
    // is open modally (the document-type box's "Indfør filtype").
    void vis();

    // The types as the box holds them now (ticks included).
    QList<TFiltype> boxTyper() const;

    QTreeWidget *liste() const { return m_list; }
    QLineEdit *tekstFelt() const { return m_tekst; }
    QLineEdit *typeFelt() const { return m_type; }
    QPushButton *gemOgLukKnap() const { return m_gem; }
    QAction *opAction() const { return m_op; }
    QAction *nedAction() const { return m_ned; }

public slots:
    void flytOp();
    void flytNed();
    void indfoerIListen();
    void slet();
    void standard();
    void gemOgLuk();

private:
    void fyld(const QList<TFiltype> &typer);
    QTreeWidgetItem *nyRaekke(const TFiltype &t);
    void flyt(int step);
    void opdaterFlyt();
    void aendret();
    bool gemListe(const QList<TFiltype> &typer);

    TFiltypeliste &m_liste;
    QString m_fil;
    TTypeBoxHost m_host;
    QTreeWidget *m_list = nullptr;
    QLineEdit *m_tekst = nullptr;
    QLineEdit *m_type = nullptr;
    QPushButton *m_gem = nullptr;
    QAction *m_op = nullptr;
    QAction *m_ned = nullptr;
    bool m_fylder = false;
};

} // namespace taglund
