#pragma once
#include <QString>
#include <QStringList>
#include <functional>

namespace taglund {

// Where a request to open something goes.
enum class OpenRoute {
    NewDocument,      // no path: a new untitled document of the given pattern
    Shell,            // media, programs, pictures: the desktop shell opens it, failures ignored
    Nothing,          // types the program never opens
    BringToFront,     // a document window already shows exactly this path
    DocumentWindow,   // a text file: a new document window for it
    AskIfText,        // unknown type: ask, and on "Ja" make a document window
};

struct OpenDecision {
    OpenRoute route = OpenRoute::Nothing;
    QString ext;            // the path's extension in lower case ("" for a new document)
    QString docExt;         // NewDocument: the extension the new document gets (".html")
    QStringList question;   // AskIfText: the two lines of the question box

    // A document window is made now, and so takes the next `NewCount`.
    bool makesWindow() const { return route == OpenRoute::NewDocument || route == OpenRoute::DocumentWindow; }
    // The decision once the question has been answered: "Ja" makes a
    // document window like any other (and so also counts `NewCount` up),
    // anything else opens nothing. Other routes stay as they are.
    OpenDecision answered(bool ja) const;
};

// The extensions handed to the desktop shell, and those never opened.
bool isShellExtension(const QString &lowerExt);
bool isIgnoredExtension(const QString &lowerExt);

// The routing of `openwin`. `pattern` is used only when `path` is empty;
// `windowShowsPath` says whether a document window shows exactly this path
// (case-sensitive); `isItTextfile` asks the file-type list.
OpenDecision decideOpen(const QString &path, const QString &pattern, bool windowShowsPath,
                        const std::function<bool(const QString &ext)> &isItTextfile);

} // namespace taglund
