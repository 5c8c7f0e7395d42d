#pragma once
#include "core/winform.h"

#include <QList>
#include <QPointer>
#include <QWidget>

class QMdiArea;
class QMdiSubWindow;
class QTabBar;

namespace taglund {

struct TProgramPaths;
struct TMainOptions;

// What the document area needs from the main window.
class TDokumentHost {
public:
    virtual ~TDokumentHost() = default;
    virtual const TProgramPaths &paths() const = 0;
    virtual TMainOptions &options() = 0;
    virtual void setStatus(int panel, const QString &text) = 0;
    // A document window became active (bind the engines to it) or none is.
    virtual void documentActivated(Twinform *w) { Q_UNUSED(w); }
    // Called on every close request of a named document, also a refused one.
    virtual void documentClosing(Twinform *w) { Q_UNUSED(w); }
    virtual void documentClosed(Twinform *w) { Q_UNUSED(w); }
    virtual void documentSaved(Twinform *w) { Q_UNUSED(w); }
    // A window may not close while an engine is reading it (a check, a tree read).
    virtual bool mayCloseDocument(Twinform *w) const { Q_UNUSED(w); return true; }
    // A new window is set up for its kind of document (bars, panels) before it shows.
    virtual void decorateWindow(Twinform *w) { Q_UNUSED(w); }
    // Point the file box at a file (when it exists).
    virtual void skiftDir(const QString &path) { Q_UNUSED(path); }
    // The file box serves as the save box while it is visible: it arms its
    // save mode for the document and the save happens when the user confirms there.
    virtual bool fileboxServesAsSaveBox() const { return false; }
    virtual void armFileboxSave(Twinform *w, bool showBox) { Q_UNUSED(w); Q_UNUSED(showBox); }
    virtual QString fileboxFolder() const { return {}; }
    // The desktop shell opens a file that is not text.
    virtual void openInShell(const QString &path) { Q_UNUSED(path); }
};

// The tab strip and the document windows below it, and everything that
// opens, saves and closes documents.
class TDokumentOmraade : public QWidget {
    Q_OBJECT
public:
    TDokumentOmraade(TDokumentHost *host, QWidget *parent = nullptr);

    // Running document number; never reset while the program runs.
    int NewCount = 0;
    QString docFilnavn;
    QString docExt;
    QString klicheName;
    bool ProgramLukkes = false;

    QMdiArea *mdiArea() const { return m_mdi; }
    QTabBar *tabStrip() const { return m_tabs; }

    QList<Twinform *> windows() const { return m_windows; }
    Twinform *activeWin() const;
    Twinform *findByPath(const QString &path) const;
    Twinform *findByCaption(const QString &capNavn) const;

    // Makes a document window for a file (empty: a new document of docExt).
    // Returns null when the file cannot be read (the error has been shown).
    Twinform *makeWindow(const QString &filnavn, const QString &newExt);
    // A new document of a type pattern ("*.html"), from its template when asked.
    Twinform *newFromType(const QString &pattern, bool fromTemplate);
    void activate(Twinform *w);

    bool Gem(Twinform *w = nullptr);
    bool GemSomDokument(Twinform *w = nullptr);
    // Save under the name chosen in the file box.
    bool GemSom(const QString &name, Twinform *w = nullptr);
    bool lukDokument(const QString &path, Twinform *except = nullptr);
    void LukDokument();
    // True when every window closed and nothing stopped the close-all.
    bool LukAlle();
    // Offers to reload each document whose file another program has changed
    // since it was read or saved here. The main window calls it whenever it
    // becomes active again.
    void checkFilesOnDisk();

    // Tab strip operations, by caption.
    void InsertTab(const QString &cap);
    void RenameTab(const QString &oldText, const QString &newText);
    void SetTCindex();
    void CloseTab(const QString &cap);
    void fokusTab(const QString &cap);
    void tcChange();

signals:
    void documentsChanged();

private:
    bool writeDocument(Twinform *w, const QString &path);
    bool mayOverwrite(Twinform *w, const QString &path);
    bool reload(Twinform *w);
    bool saveAsTo(Twinform *w, QString name);
    bool askOnClose(Twinform *w);
    void showAnotherThan(Twinform *w);
    void windowClosed(Twinform *w);
    void firstActivation(Twinform *w);
    void activated(Twinform *w);
    void processEvents();

    TDokumentHost *m_host;
    QTabBar *m_tabs;
    QMdiArea *m_mdi;
    QList<Twinform *> m_windows;   // in the order they were made
    bool m_saveFailedInClose = false;
    bool m_lukAlleRunning = false;
    bool m_checkingDisk = false;
};

} // namespace taglund
