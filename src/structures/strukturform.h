#pragma once
#include "structures/strukturworkshop.h"

#include <QWidget>
#include <array>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QToolBar;

namespace taglund {

class TIkonVaelger;
class TStrukturView;

// What the structure constructor needs of the rest of the program.
class TKonstruktoerHost {
public:
    virtual ~TKonstruktoerHost() = default;
    virtual QString programdir() const = 0;   // holds "HTML" with the page design files
    virtual QString infodir() const = 0;      // the "Struktur" folder
    virtual QString strukturdir() const = 0;  // the "Script" folder
    // The viewer loads the structure afresh and shows the entry ("" for its first).
    virtual void visIInformation(const QString &structure, const QString &entry) = 0;
    // The program's own help pages.
    virtual void helpInfo(const QString &structure, const QString &entry) = 0;
    // The set of structures changed: the menus that list them are rebuilt.
    virtual void informationsstrukturerAendret() = 0;
    virtual void objektstrukturerAendret() = 0;
};

// The structure constructor: a thin window over TStrukturWorkshop.
class Tstrukturform : public QWidget {
    Q_OBJECT
public:
    explicit Tstrukturform(TKonstruktoerHost *host, QWidget *parent = nullptr);

    TStrukturWorkshop &workshop() { return m_workshop; }

    // One tree tab's controls; the third tab leaves the page controls empty.
    struct Side {
        TStruktur *struktur = nullptr;
        TStrukturView *view = nullptr;
        QLineEdit *valgt = nullptr;
        QLabel *label = nullptr;
        QCheckBox *autoGem = nullptr;
        QCheckBox *sorter = nullptr;
        QCheckBox *autoNavn = nullptr;
        QCheckBox *ensTekst = nullptr;
        QCheckBox *arranger = nullptr;
        QComboBox *metode = nullptr;
        TIkonVaelger *ikon = nullptr;
        QLineEdit *tekst = nullptr;
        QLineEdit *filnavn = nullptr;
        std::array<QLineEdit *, 4> felt{};
        QPushButton *klargoer = nullptr;
        QPushButton *indsaet = nullptr;
        QPushButton *rediger = nullptr;
        QPushButton *inf = nullptr;
        QPushButton *fn = nullptr;
        QPushButton *opretFil = nullptr;
        QToolBar *bar = nullptr;
        QAction *info = nullptr;
        QAction *udfold = nullptr;
        QAction *sammenfold = nullptr;
        QAction *sorterAlle = nullptr;
        QAction *slet = nullptr;
        QAction *gem = nullptr;
        QAction *genindlaes = nullptr;
        QAction *vis = nullptr;
    };
    const Side &infoSide() const { return m_info; }
    const Side &objektSide() const { return m_obj; }

    QTabWidget *tabs() const { return m_tabs; }
    QListWidget *infoListe() const { return m_infoList; }
    QListWidget *objektListe() const { return m_objektList; }
    QComboBox *strukturtype() const { return m_type; }
    QLineEdit *strukturnavn() const { return m_navn; }
    QLineEdit *objektstrukturnavn() const { return m_objektNavn; }
    QPushButton *knap(const QString &caption, int tab) const;
    bool insertAktiv() const { return m_insertAktiv; }
    bool insertAktiv1() const { return m_insertAktiv1; }

    // The buttons of the first tab.
    void opretStruktur();
    void redigerInfoStruktur();
    void sletInfoStruktur();
    void redigerObjektStruktur();
    void sletObjektStruktur();
    void flytStruktur();

    // The information tab.
    void klargoer();
    void indsaet();
    void rediger();
    void opretFil();
    void enterITekst();
    void enterIFilnavn();
    void visIInformation();
    void genindlaesInfo();

    // The object tab.
    void klargoer1();
    void indsaet1();
    void rediger1();
    void enterIFelt(int felt);

    void updateCommands();

protected:
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    QWidget *buildFirstTab();
    QWidget *buildTreeTab(Side &side, bool infoTab);
    QWidget *buildInfoFields(Side &side);
    QWidget *buildObjektFields(Side &side);
    void connectTreeTab(Side &side, bool infoTab);
    void fillLists();
    void infoOpened();
    void objektOpened();
    void showInfoEntry();
    void showObjektEntry();
    void clearInfoFields();
    void clearObjektFields();
    void sletElement(Side &side);

    TKonstruktoerHost *m_host;
    TStrukturWorkshop m_workshop;
    bool m_placed = false;
    bool m_insertAktiv = false;
    bool m_insertAktiv1 = false;
    QTabWidget *m_tabs = nullptr;
    QListWidget *m_infoList = nullptr;
    QListWidget *m_objektList = nullptr;
    QComboBox *m_type = nullptr;
    QLineEdit *m_navn = nullptr;
    QLineEdit *m_objektNavn = nullptr;
    QList<QPushButton *> m_buttons[3];
    Side m_info;
    Side m_obj;
};

} // namespace taglund
