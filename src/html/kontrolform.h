#pragma once
#include <QWidget>

class QLabel;
class QProgressBar;
class QTreeView;

namespace taglund {

class Tinfotag;

// What "Kontrolboksen" needs from the main window.
class TKontrolHost {
public:
    virtual ~TKontrolHost() = default;
    virtual void HelpInfo(const QString &structure, const QString &entry) = 0;
    virtual int openDocumentCount() const = 0;
    // The active document's number (DocNo), -1 when none is open.
    virtual int activeDocNo() const = 0;
    // Whether a document with this number is still open.
    virtual bool hasDocument(int docNo) const = 0;
    // Brings the document with this number to the front, making it the
    // engine's editor. False when no open document has that number.
    virtual bool activateDocument(int docNo) = 0;
    virtual void focusDocument() = 0;
};

// "Kontrolboksen": the tag tree of the document read last, the checks'
// findings in it, and a status line. It always acts on the document it read.
class Tkontrolform : public QWidget {
    Q_OBJECT
public:
    // settingsFile: optdir + "kontrol.txt".
    Tkontrolform(Tinfotag &engine, TKontrolHost &host, const QString &settingsFile, QWidget *parent = nullptr);

    // "Kontroller dokumentet": remembers the active document, shows the box, reads.
    void aKodeKontrol();
    void ReadHtmlStruktur();
    void visAttributter() { runCheck(0); }
    void kontrolMSlutkoder() { runCheck(1); }
    void kontrolFmSlutkoder() { runCheck(4); }
    void kontrolKoder() { runCheck(2); }
    void kontrolAttributter() { runCheck(3); }
    void KontrolGotoTag(int node);

    int strukturNo() const { return m_strukturNo; }
    QString statusText() const;
    QTreeView *treeView() const { return m_tree; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void runCheck(int mode);
    void setStatus(const QString &text);
    void loadSettings();
    void saveSettings() const;

    Tinfotag &m_engine;
    TKontrolHost &m_host;
    QString m_settingsFile;
    QTreeView *m_tree;
    QProgressBar *m_progress;
    QLabel *m_status;
    int m_strukturNo = -1;
};

} // namespace taglund
