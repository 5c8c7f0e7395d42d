#pragma once
#include "app/dokumentvaert.h"
#include "core/docarea.h"
#include "core/model/mainoptions.h"
#include "core/model/programpaths.h"
#include "core/programhost.h"

#include <QMainWindow>
#include <QStringList>
#include <array>
#include <map>

class QLabel;
class QLineEdit;

namespace taglund {

class TMainPanel;

// The main window: it fixes the paths, owns the main settings, lays out the
// menus, panels, tab strip and status bar, composes the subsystems (the
// document events reach them through `TDokumentVaert`), and runs first show
// and shutdown.
class Tmainform : public QMainWindow, public TProgramHost {
    Q_OBJECT
public:
    // exeDir: the executable's folder; arguments: the command line without the program name.
    Tmainform(const QString &exeDir, const QStringList &arguments, QWidget *parent = nullptr);
    ~Tmainform() override;

    // TProgramHost
    QMainWindow *mainWindow() override { return this; }
    const TProgramPaths &paths() const override { return m_paths; }
    TMainOptions &options() override { return m_options; }
    TDokumentOmraade *documents() const override { return m_docs; }
    TCommandRegistry *commands() const override { return m_commands; }
    Twinform *activeWin() const override { return m_docs->activeWin(); }
    Twinform *openwin(const QString &path, const QString &extOrPattern = QString()) override;
    void HelpInfo(const QString &structure, const QString &entry) override;
    void setStatus(int panel, const QString &text) override;
    QString statusText(int panel) const override;
    QString findText() const override;
    void setFindText(const QString &text) override;
    QMenu *menu(const QString &caption) const override;
    void addSubsystem(TSubsystem *s) override { m_vaert.addSubsystem(s); }
    void addShutdownStep(TShutdownStep step, std::function<void()> save) override;
    void setHelpProvider(HelpProvider provider) override { m_help = std::move(provider); }
    void setWordFinder(WordFinder finder) override { m_wordFinder = std::move(finder); }
    QString currentWord(TDocText &text) const override;

    // One of the program's parts by its class, e.g. part<THtmlKommandoer>().
    template <class T> T *part() const { return findChild<T *>(QString(), Qt::FindDirectChildrenOnly); }
    TMainPanel *mainPanel() const { return m_panel; }

    // Runs the shutdown; false when a document stopped it (the window stays open).
    bool lukProgram();
    // True until the files of the command line and the document list are open.
    bool startFilesPending() const { return m_startFilesPending; }

protected:
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    void dragEnterEvent(QDragEnterEvent *e) override;
    void dropEvent(QDropEvent *e) override;
    bool event(QEvent *e) override;

private:
    void createPaths(const QString &exeDir);
    void loadMainSettings();
    void applyWindowSettings();
    void buildStatusBar();
    void registerCommands();
    void buildMenus();
    void firstShow();
    void openStartFiles();
    void saveMainSettings();
    void runShutdownSteps();
    // SIGTERM or SIGHUP: the program ends at once, keeping copies and settings.
    void afslutUdefra();
    QLineEdit *findField() const;
    void openFileDialog(const QString &folder = QString());

    TProgramPaths m_paths;
    TMainOptions m_options;
    QStringList m_arguments;
    TDokumentOmraade *m_docs = nullptr;
    TCommandRegistry *m_commands = nullptr;
    TMainPanel *m_panel = nullptr;
    TDokumentVaert m_vaert{this};
    std::multimap<TShutdownStep, std::function<void()>> m_shutdownSteps;
    HelpProvider m_help;
    WordFinder m_wordFinder;
    std::array<QLabel *, 5> m_panels{};
    bool m_firstShow = false;
    bool m_startFilesPending = false;
    bool m_shutdownDone = false;
};

// Makes every part of the program in the order the start runs them.
void composeProgram(Tmainform *main);

} // namespace taglund
