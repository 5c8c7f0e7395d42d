#pragma once
#include "filebox/dialoger.h"

#include <QDialog>
#include <QWidget>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QStatusBar;

namespace taglund {

// The confirmation box: source and destination folders, the files and
// folders concerned, the question with its icon, "Ja" and "Nej".
class TBekraeftForm : public QDialog {
    Q_OBJECT
public:
    explicit TBekraeftForm(QWidget *parent = nullptr);
    void fyld(const TBekraeftelse &b);

private:
    QLineEdit *m_kilde, *m_destination;
    QListWidget *m_filer, *m_mapper;
    QLabel *m_ikon, *m_spoergsmaal;
};

// "Hvad skal der gøres": the names that exist in the destination and what
// to do with them; "Forsæt" accepts.
class TKonfliktForm : public QDialog {
    Q_OBJECT
public:
    explicit TKonfliktForm(QWidget *parent = nullptr);
    void fyld(const QString &label, const QStringList &navne, TKonfliktValg valg);
    TKonfliktValg valg() const;

private:
    QLabel *m_label;
    QListWidget *m_navne;
    QButtonGroup *m_valg;
};

// The real boxes, made once and reused.
class TFilDialogForms : public TFilDialoger {
public:
    TFilDialogForms();
    ~TFilDialogForms() override;
    bool bekraeft(const TBekraeftelse &b) override;
    bool konflikt(const QString &label, const QStringList &navne, TKonfliktValg &valg) override;

private:
    TBekraeftForm *m_bekraeft = nullptr;
    TKonfliktForm *m_konflikt = nullptr;
};

// The progress window "Kopierer": not modal, on top of the main window.
class TKopiererForm : public QWidget, public TFremdriftsVindue {
    Q_OBJECT
public:
    explicit TKopiererForm(QWidget *parent = nullptr);
    void aabn() override;
    void luk() override;
    void setInfo(const QString &t) override;
    void setFilProcent(int p) override;
    void setTotalProcent(int p) override;
    void setProcentTekst(const QString &t) override;
    void setRestTekst(const QString &t) override;
    void setNotits(const QString &t) override;
    void setTaelleMax(int m) override;
    void setTaelle(int v) override;
    void setStatus(int panel, const QString &t) override;

private:
    QLabel *m_info, *m_procent, *m_rest, *m_notits, *m_panel[2];
    QProgressBar *m_fil, *m_total, *m_taelle;
    bool m_cursor = false;
};

} // namespace taglund
