#pragma once
#include "filebox/handlinger.h"

#include <QStringList>
#include <QTabBar>
#include <QTreeWidget>
#include <QWidget>
#include <functional>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QStackedWidget;
class QToolButton;

namespace taglund {

class Topenfilform;
class TTreeListe;

// What the file box asks of the program. Any of these may be left empty.
struct TFilboksVaert {
    std::function<void(const QString &path)> openDokument;   // open by type
    std::function<void(const QString &path)> koerIProgram;   // the desktop shell's "open"
    std::function<void(const QString &folder)> aabnIStifinder;
    std::function<void(const QString &structure, const QString &entry)> helpInfo;
    std::function<void(const QString &text)> status;           // the status line's hint text
    // Saves the active document under a full path (the main window's GemSom).
    std::function<void(const QString &path)> gemSom;
    // The active document's file name ("" when untitled, null when none is open).
    std::function<bool(QString *filnavn)> aktivtDokument;
    std::function<void(const QString &name)> udskrivFilnavn;
    std::function<QStringList()> senesteMapper;
    std::function<void(const QString &folder)> indsaetSenesteMappe;
    // The ticked file types as name and pattern, for "Ny tekstfil".
    std::function<QList<QPair<QString, QString>>()> filtyper;
    // Shows the box (docked or floating, as the main window places it).
    std::function<void()> vis;
    QString programdir;   // ends with a separator
    QString dokumentdir;
    QString klichedir;
};

// The folder list: in-place renaming, drags inside the box and drops from
// the desktop's file manager.
class TFilListe : public QTreeWidget {
    Q_OBJECT
public:
    TFilListe(Topenfilform *box, QWidget *parent);

protected:
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
    void startDrag(Qt::DropActions actions) override;
    void dragEnterEvent(QDragEnterEvent *e) override;
    void dragMoveEvent(QDragMoveEvent *e) override;
    void dropEvent(QDropEvent *e) override;

private:
    Topenfilform *m_box;
};

// The path tabs; a drop on a tab pastes into that tab's folder.
class TStiFaner : public QTabBar {
    Q_OBJECT
public:
    TStiFaner(Topenfilform *box, QWidget *parent);

protected:
    void dragEnterEvent(QDragEnterEvent *e) override;
    void dragMoveEvent(QDragMoveEvent *e) override;
    void dropEvent(QDropEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;

private:
    Topenfilform *m_box;
};

// "Filboksen": the file box engine's window. Open mode ("Åben dokument")
// or save mode ("Gem dokument"), docked into the main window or floating.
class Topenfilform : public QWidget {
    Q_OBJECT
public:
    Topenfilform(const TFilboksVaert &vaert, const QString &optdir, const QString &brugernavn, QWidget *parent);
    ~Topenfilform() override;

    THandlinger *funk = nullptr;
    int boxType = 0;
    QString optFilnavn;
    bool indlejret = true;
    bool synlig = false;
    bool mayCopy = false;
    bool mayDoIt = false;
    bool klipAfterCopy = false;
    QString sourceDir;
    QString destDir;
    QStringList stiArray;
    bool nyMappeErOprettet = false;
    QString OldNodeTekst;
    QString Filnavnet;
    bool opstart = true;
    QSize gemtStoerrelse{400, 508};
    QPoint gemtPlacering{20, 20};

    // Writes "opentekstfil.txt" with `synlig` as given.
    bool gemIndstillinger(bool erSynlig);
    // The first show lists Grundmappe with history and reload.
    void foersteVisning();

    // Calls from the main window.
    void skiftDir(const QString &path);
    void visMappe(const QString &folder);       // a recent folder
    void visFilsMappe(const QString &path);     // after a recent file opened
    void efterGemSom();
    // "Gem funktion" and the save-as command: save mode for the active document.
    void gemFunktion();
    void aabenFunktion();
    void gem();

    QAction *handling(const QString &caption) const;
    void opdaterHandlinger();
    TFilListe *liste() const { return m_liste; }
    TStiFaner *faner() const { return m_faner; }
    QLineEdit *navnFelt() const { return m_navnFelt; }
    QLineEdit *gemFelt() const { return m_gemFelt; }
    QMenu *specialMenu() const { return m_special; }
    QMenu *drevMenu() const { return m_drev; }

    // Drags and drops, used by the list and the tabs.
    void startTraek();
    bool accepterTraek(const QDropEvent *e) const;
    void slipPaaListe(const QPoint &viewportPos, const QMimeData *data);
    void slipPaaFane(int tab, const QMimeData *data);
    void slipUdefra(const QStringList &paths);
    QString faneMappe(int tab) const;

    void rapport(const QString &prefix, int antal);

protected:
    bool eventFilter(QObject *o, QEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

signals:
    void lukket();
    // The path tabs were refreshed: the find box takes the selection folder.
    void bibmappeSkiftet(const QString &bibmappe);

private:
    void byg();
    QWidget *bygFunktioner();
    void bygHandlinger();
    void bygSpecialMenu();
    void opdaterDrevMenu();
    void laesIndstillinger();
    void mappeSkiftet(const QString &gDir);
    void opdaterFaner();
    void valgSkiftet();
    void dobbeltklik();
    void rediger();
    void openDokument(const QString &path);
    void slet(bool tilPapirkurv);
    void saetInd();
    void kopier(bool klip);
    void nyTekstfil();
    void afspilningsliste(int type);
    void filtypeInformation();
    void visBillede();
    void omdoebAfsluttet(QTreeWidgetItem *item);
    void specialMappe(const QString &folder, bool historik, bool reload);
    void gemMode(bool gem);

    TFilboksVaert m_vaert;
    TFilListe *m_liste = nullptr;
    TTreeListe *m_kontrol = nullptr;
    TStiFaner *m_faner = nullptr;
    QMenu *m_drev = nullptr;
    QMenu *m_special = nullptr;
    QMenu *m_seneste = nullptr;
    QToolButton *m_historik[4] = {};
    QStackedWidget *m_bund = nullptr;
    QLineEdit *m_navnFelt = nullptr;
    QLineEdit *m_gemFelt = nullptr;
    QHash<QString, QAction *> m_handlinger;
    bool m_iRedigering = false;
    int m_redigeret = -1;
};

} // namespace taglund
