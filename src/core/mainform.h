#pragma once
#include "core/docarea.h"
#include "core/model/mainoptions.h"
#include "core/model/programpaths.h"

#include <QMainWindow>
#include <QStringList>
#include <array>

class QLabel;
class QMenu;

namespace taglund {

class TCommandRegistry;
class TFiltypeKommandoer;
class TInfoKommandoer;
class THtmlKommandoer;
class TMainKommandoer;
class TMainPanel;
class TPanelKommandoer;
class TEgenskabsKommandoer;
class TSenesteKommandoer;

// The main window: it fixes the paths, owns the main settings, lays out the
// menus, panels, tab strip and status bar, and hands documents to the
// document area. Subsystems register their own commands in the registry.
class Tmainform : public QMainWindow, public TDokumentHost {
    Q_OBJECT
public:
    // exeDir: the executable's folder; arguments: the command line without the program name.
    Tmainform(const QString &exeDir, const QStringList &arguments, QWidget *parent = nullptr);
    ~Tmainform() override;

    const TProgramPaths &paths() const override { return m_paths; }
    TMainOptions &options() override { return m_options; }
    TDokumentOmraade *documents() const { return m_docs; }
    TCommandRegistry *commands() const { return m_commands; }
    QMenu *menu(const QString &caption) const;
    TFiltypeKommandoer *filtyper() const { return m_filtyper; }
    TSenesteKommandoer *seneste() const { return m_seneste; }
    TInfoKommandoer *info() const { return m_info; }
    TMainKommandoer *egneKommandoer() const { return m_egne; }
    THtmlKommandoer *html() const { return m_html; }
    TMainPanel *mainPanel() const { return m_panel; }
    TEgenskabsKommandoer *egenskabsKommandoer() const { return m_egenskaber; }

    // Opens the structure viewer on a structure and entry; every information
    // button and menu item of the program calls it.
    void HelpInfo(const QString &structure, const QString &entry);
    // The main search field (findEdit).
    QString findText() const;
    void setFindText(const QString &text);

    Twinform *activeWin() const { return m_docs->activeWin(); }

    // The one way a file is opened for the user: a document window for text,
    // the desktop shell for the rest. An empty path makes a new document of
    // the pattern's type ("*.html").
    Twinform *openwin(const QString &path, const QString &extOrPattern = QString());

    void setStatus(int panel, const QString &text) override;
    QString statusText(int panel) const;

    // Runs the shutdown; false when a document stopped it (the window stays open).
    bool lukProgram();

protected:
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    void dragEnterEvent(QDragEnterEvent *e) override;
    void dropEvent(QDropEvent *e) override;
    bool event(QEvent *e) override;

    void documentActivated(Twinform *w) override;
    void documentClosing(Twinform *w) override;
    void documentSaved(Twinform *w) override;
    void decorateWindow(Twinform *w) override;
    void documentClosed(Twinform *w) override;
    bool mayCloseDocument(Twinform *w) const override;

private:
    void createPaths(const QString &exeDir);
    void loadMainSettings();
    void applyWindowSettings();
    void buildStatusBar();
    void registerCommands();
    void buildMenus();
    void firstShow();
    void saveMainSettings();
    void openFileDialog(const QString &folder = QString());

    TProgramPaths m_paths;
    TMainOptions m_options;
    QStringList m_arguments;
    TDokumentOmraade *m_docs = nullptr;
    TCommandRegistry *m_commands = nullptr;
    TFiltypeKommandoer *m_filtyper = nullptr;
    TSenesteKommandoer *m_seneste = nullptr;
    TInfoKommandoer *m_info = nullptr;
    TMainKommandoer *m_egne = nullptr;
    THtmlKommandoer *m_html = nullptr;
    TMainPanel *m_panel = nullptr;
    TPanelKommandoer *m_panelKommandoer = nullptr;
    TEgenskabsKommandoer *m_egenskaber = nullptr;
    std::array<QLabel *, 5> m_panels{};
    bool m_firstShow = false;
    bool m_shutdownDone = false;
};

} // namespace taglund
