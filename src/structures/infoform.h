#pragma once
#include "structures/infosettings.h"
#include "structures/infoviewer.h"

#include <QMainWindow>
#include <QStyle>
#include <QUrl>
#include <memory>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QSplitter;
class QTabWidget;
class QToolButton;

namespace taglund {

class TPageView;
class TStructureHost;
class TStrukturView;
class Turlform1;

// The structure viewer: the tree of one information structure beside its
// pages. Cheap to create at program start: the web engine is made the first
// time the window is shown.
class Tinfoform : public QMainWindow {
    Q_OBJECT
public:
    explicit Tinfoform(TStructureHost *host, QWidget *parent = nullptr);
    ~Tinfoform() override;

    // The main window's HelpInfo comes here.
    void HelpInfo(const QString &structureName, const QString &entry);
    // The same, and the page is read again past the cache.
    void HelpInfoFresh(const QString &structureName, const QString &entry);
    void setStrukturnavn(const QString &name) { m_logic.setStrukturnavn(name); }
    void LoadStruktur() { m_logic.LoadStruktur(); }
    bool goToInfo(const QString &entry) { return m_logic.goToInfo(entry); }
    void createStrukturPU();

    // "Sammenfold/Udfold automatisk" of the options box.
    void setAutoExpand(bool on);
    bool autoExpand() const;
    // The main window's save command shows an edited page afresh.
    bool redigerStrukturDokument() const { return m_logic.autoEdit(); }
    void afterDocumentSaved();
    // Written when the main window closes.
    bool saveSettings() const;

    TInfoViewer &logic() { return m_logic; }
    TStrukturView *tree() const { return m_tree; }
    TPageView *pageView() const { return m_page.get(); }
    QLabel *countLabel() const { return m_count; }
    QMenu *userMenu() const { return m_userMenu; }
    QListWidget *resultList() const { return m_results; }
    QLineEdit *searchBox() const { return m_searchBox; }
    QLineEdit *addressBox() const { return m_address; }
    Turlform1 *urlboks();
    QAction *action(const QString &hint) const;

protected:
    void showEvent(QShowEvent *e) override;

private:
    void buildStructureBar();
    QWidget *buildLeft();
    QWidget *buildRight();
    void createPageView();
    void navigate(const QUrl &url);
    void runSearch();
    void updateCommands();
    QAction *addCommand(QWidget *bar, const QString &caption, const QString &hint, QStyle::StandardPixmap icon);

    TStructureHost *m_host;
    TInfoViewer m_logic;
    TInfoSettings m_settings;
    bool m_placed = false;
    std::unique_ptr<TPageView> m_page;
    QUrl m_pending;
    QWidget *m_pageHolder = nullptr;
    QSplitter *m_split = nullptr;
    QTabWidget *m_tabs = nullptr;
    TStrukturView *m_tree = nullptr;
    QLabel *m_count = nullptr;
    QMenu *m_userMenu = nullptr;
    QLineEdit *m_searchBox = nullptr;
    QListWidget *m_results = nullptr;
    QLineEdit *m_address = nullptr;
    QCheckBox *m_autoEdit = nullptr;
    Turlform1 *m_urlboks = nullptr;
    QList<QAction *> m_actions;
};

} // namespace taglund
