#pragma once
#include <QString>
#include <functional>

class QMainWindow;
class QMenu;
class QWidget;

namespace taglund {

class TCommandRegistry;
class TDocText;
class TDokumentOmraade;
class TSubsystem;
class Twinform;
struct TMainOptions;
struct TProgramPaths;

// The steps of the shutdown after every document has closed, in the order
// they run: the recent lists, then each window that owns a settings file;
// "mainoptions.txt" is written after the last. A subsystem registers a step
// for each of its windows that saves at shutdown.
enum class TShutdownStep {
    RecentLists,
    FileBox,
    StructureViewer,
    Dictionary,
    CharacterCodes,
    LinkGenerator,
    TableGenerator,
    ListGenerator,
    LayoutGenerator,
    IconBoxes,
    FtpSettings,
    GroupAdministration,
    MediaBox,
    Bookmarks,
    VBScriptBox,
};

// What the program offers every subsystem: the paths and main settings, the
// documents, the command registry, the status bar, opening files, help, and
// a few services one subsystem provides to the others. Subsystems reach the
// program only through this.
class TProgramHost {
public:
    virtual ~TProgramHost() = default;

    // The main window: parent of boxes, owner of docks and tool bars.
    virtual QMainWindow *mainWindow() = 0;
    virtual const TProgramPaths &paths() const = 0;
    virtual TMainOptions &options() = 0;
    virtual TDokumentOmraade *documents() const = 0;
    virtual TCommandRegistry *commands() const = 0;
    virtual Twinform *activeWin() const = 0;

    // The one way a file is opened for the user. An empty path makes a new
    // document of the pattern's type ("*.html").
    virtual Twinform *openwin(const QString &path, const QString &extOrPattern = QString()) = 0;
    // Opens the structure viewer on a structure and entry.
    virtual void HelpInfo(const QString &structure, const QString &entry) = 0;

    // Status bar panels 1 to 5.
    virtual void setStatus(int panel, const QString &text) = 0;
    virtual QString statusText(int panel) const = 0;
    // The search field in use (the main panel's, or the page "Andet"'s).
    virtual QString findText() const = 0;
    virtual void setFindText(const QString &text) = 0;
    // A main menu by its caption, for subsystems that add submenus.
    virtual QMenu *menu(const QString &caption) const = 0;

    // Joins a subsystem to the document events; the program calls them in
    // the order the subsystems joined.
    virtual void addSubsystem(TSubsystem *s) = 0;
    virtual void addShutdownStep(TShutdownStep step, std::function<void()> save) = 0;

    // Services. The structure subsystem shows information; the HTML engine
    // finds the word at a caret. Unset services do nothing.
    using HelpProvider = std::function<void(const QString &structure, const QString &entry)>;
    using WordFinder = std::function<QString(TDocText &text)>;
    virtual void setHelpProvider(HelpProvider provider) = 0;
    virtual void setWordFinder(WordFinder finder) = 0;
    // The word at the caret of a document by the HTML engine's rule ("" without one).
    virtual QString currentWord(TDocText &text) const = 0;
};

} // namespace taglund
