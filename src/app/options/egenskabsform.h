#pragma once
#include "core/model/egenskaber.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QToolButton;
class QTreeWidget;

namespace taglund {

class TEgenskabsHost;

// "Egenskabsboksen": the main window's settings page by page, each page
// with its own "Gem". Made once; "Egenskaber..." sets every control from the
// settings and shows it (not modally).
class TEgenskabsform : public QDialog {
    Q_OBJECT
public:
    TEgenskabsform(TEgenskabsHost &host, QWidget *parent);

    // "Egenskaber...".
    void vis();

    TFiltypeListe &filtyper() { return m_filtyper; }
    QTabWidget *pages() const { return m_pages; }

protected:
    void showEvent(QShowEvent *e) override;

private:
    QWidget *placeringPage();
    QWidget *visPage();
    QWidget *andrePage();
    QWidget *filtypePage();
    QWidget *designPage();
    QPushButton *gemButton(QWidget *page, int index);
    QToolButton *infoButton(const QString &entry, QWidget *parent);
    void changed(int page);

    void gemPlaceringer();
    void gemVisElementer();
    void gemAndre();
    void gemFiltyper();
    void testOgGem();

    void fillFiltyper();
    void saveFiltyper();
    void filtypeClicked();
    void indfoer();
    // "Registrer" (on) and "Fjern".
    void setRegistration(bool on);
    void sletValgte();

    TEgenskabsHost &m_host;
    TFiltypeListe m_filtyper;
    TVisElementer m_vis;
    bool m_loading = false;

    QTabWidget *m_pages = nullptr;
    std::array<QPushButton *, 4> m_gem{};

    QCheckBox *m_indlejr = nullptr;
    QRadioButton *m_filboksVenstre = nullptr, *m_filboksHoejre = nullptr;
    QRadioButton *m_htmlVenstre = nullptr, *m_htmlHoejre = nullptr;

    std::array<QCheckBox *, 7> m_visBoxes{};

    QCheckBox *m_autoFold = nullptr, *m_autoSeneste = nullptr, *m_ftp = nullptr, *m_genaabn = nullptr;

    QTreeWidget *m_liste = nullptr;
    QLineEdit *m_nyType = nullptr, *m_registrerEdit = nullptr, *m_fjernEdit = nullptr;
    QPushButton *m_indfoer = nullptr, *m_slet = nullptr, *m_registrer = nullptr, *m_fjern = nullptr;
    QCheckBox *m_alwaysDS = nullptr;

    QListWidget *m_styles = nullptr;
};

} // namespace taglund
