#pragma once
#include <QRect>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <optional>

// The texts the main window's commands build: web addresses, printing
// margins, the command lines that run scripts, and the search field's
// command words. Pure functions, so every rule can be tested without a window.
namespace taglund::CommandText {

// ---- Web addresses -------------------------------------------------------

inline constexpr char SearchEngineHost[] = "www.google.com";
inline constexpr char VideoSiteHost[] = "www.youtube.com";
inline constexpr char HomeSiteHost[] = "www.taglund.dk";

// The search text is percent-encoded as UTF-8, so "c# & c++" reaches the
// search engine whole instead of ending at "#" or splitting at "&".
QUrl googleSearchUrl(const QString &text);
QUrl youTubeSearchUrl(const QString &text);
QUrl homePageUrl();
QUrl feedbackUrl();

// ---- Printing --------------------------------------------------------------

inline const QString MissingValueMessage = QStringLiteral("Der mangler en værdi, prøv igen!");
inline const QString MarginsTooLargeMessage =
    QStringLiteral("Margenerne er større end papiret, prøv igen!");

// What the print box's fields keep while the user types or pastes: margins
// digits and ",", the copy count digits only.
QString filterMarginField(const QString &text);
QString filterCopiesField(const QString &text);

// A margin in centimetres with "," as decimal mark. A field holding no digit
// or more than one "," (",", "2,,5") counts as empty: nullopt.
std::optional<double> parseCentimetres(const QString &field);
// A copy count of 1 to 999; anything else counts as empty.
std::optional<int> parseCopies(const QString &field);

inline constexpr int MaxCopies = 999;

struct TPrintSettings {
    double left = 2.5;
    double right = 1;
    double top = 2;
    double bottom = 1.5;
    int copies = 1;
};

// The five fields in the order Venstre, Højre, Top, Bund, Kopiantal; nullopt
// when any of them counts as empty.
std::optional<TPrintSettings> readPrintFields(const QString &left, const QString &right, const QString &top,
                                              const QString &bottom, const QString &copies);

// The print box's "Standard" values, as the fields show them.
struct TPrintFieldTexts {
    QString left = QStringLiteral("2,5");
    QString right = QStringLiteral("1");
    QString top = QStringLiteral("2");
    QString bottom = QStringLiteral("1,5");
    QString copies = QStringLiteral("1");
};

// Centimetres to printer dots at the given resolution, to the nearest dot.
int centimetresToDots(double cm, int dotsPerInch);

// The printed area on each page, in the coordinates of the printable area
// (whose top-left corner lies `unprintable` dots inside the paper's):
// from (left - unprintable.x, top - unprintable.y) to
// (paper width - right - unprintable.x, paper height - bottom - unprintable.y).
// Empty when the margins leave nothing of the paper.
QRect printArea(const TPrintSettings &margins, int dpiX, int dpiY, QSize paper, QPoint unprintable);

// ---- Running scripts --------------------------------------------------------

// Full path of an installed program, or empty: QStandardPaths::findExecutable
// unless a test gives its own.
using ProgramFinder = std::function<QString(const QString &name)>;
ProgramFinder installedPrograms();

inline const QString SaveFirstMessage = QStringLiteral("Gem dokumentet og prøv igen.");
// The shell error number shown when the program to run is not there.
inline constexpr int NoAssociationError = 31;

// A program and its arguments, each argument passed as it is: no shell ever
// splits a file name. When it cannot run, `shellError` holds the shell error
// number to show, or `message` an information text.
struct TRunCommand {
    QString program;
    QStringList arguments;
    QString workingFolder;   // empty: keep the process's current folder
    int shellError = -1;
    QString message;

    bool runnable() const { return shellError < 0 && message.isEmpty() && !program.isEmpty(); }
};

// "CMD /K" + command: a terminal window runs the command and stays open with
// a shell. `command` is the program and its arguments.
TRunCommand keepOpenInTerminal(const QStringList &command, const ProgramFinder &find);
// The command box's "Kør": the typed text is a command line for the shell.
TRunCommand commandBoxRun(const QString &commandLine, const ProgramFinder &find);
// The batch bar's run button for the document's file on disk: a ".ps1" file
// runs in PowerShell (-NoExit -ExecutionPolicy Unrestricted + full path),
// any other as a batch ("CMD /K" + name), in the document's folder.
TRunCommand batchRun(const QString &filePath, const ProgramFinder &find);
// "Kør som cScript": "CMD /K cscript" + name, in the document's folder.
TRunCommand cscriptRun(const QString &filePath, const ProgramFinder &find);
// A script run by path (the WMI box): ".bat" runs as a batch in its own
// folder; nullopt means any other file is opened by the shell ("open").
std::optional<TRunCommand> scriptFileRun(const QString &filePath, const ProgramFinder &find);

// ---- Search field -------------------------------------------------------------

enum class SearchFieldCommand { None, RunScript, WriteHtml };
// Enter in the main search field: "go" or "kør" runs the active script,
// "omskriv" or "html" writes it as HTML; letter case and surrounding blanks
// do not matter; anything else does nothing.
SearchFieldCommand parseSearchFieldCommand(const QString &text);

} // namespace taglund::CommandText
