#pragma once
#include <QString>
#include <QStringList>

namespace taglund {

class Tinfotag;

// What the HTML panel needs from the main window.
class THtmlPanelHost {
public:
    virtual ~THtmlPanelHost() = default;
    virtual void HelpInfo(const QString &structure, const QString &entry) = 0;
    // An information box with an OK button.
    virtual void showMessage(const QString &text) = 0;
    // The main window's status bar panel 2.
    virtual void setStatusText(const QString &text) = 0;
    // The main window's search field (findEdit).
    virtual void setFindText(const QString &text) = 0;
    virtual bool documentOpen() const = 0;
    // The active document's extension with its dot (DocExt).
    virtual QString activeDocExt() const = 0;
    // The active document's own auto-code switch (win_autoKode).
    virtual void setDocAutoKode(bool on) = 0;
    virtual void focusDocument() = 0;
};

// One of the panel's four lists: its rows, column caption and selected row.
struct TPanelList {
    QStringList rows;
    QString caption;
    int current = -1;

    void clear()
    {
        rows.clear();
        current = -1;
    }
    QString currentText() const { return rows.value(current); }
};

// The HTML panel without its widgets: which element, attribute and values it
// shows, what a click, a double-click or a typed letter does, and the
// commands that read the tag at the caret. The window mirrors the lists.
class TKodePanel {
public:
    enum Liste { Koder, Mellem, Attributter, Vaerdier };

    TKodePanel(Tinfotag &engine, THtmlPanelHost &host);

    QString Koden = QStringLiteral("a");
    QString Attributten;
    QString kodeBuffer;
    bool kodenFundet = false;

    TPanelList kodeliste, betweenliste, attributliste, valueliste;
    TPanelList &list(Liste which);

    // Start: category 0 and element a with its between, attribute and
    // download value lists.
    void start();

    void LoadKodeliste(int index);
    void LoadAttributliste(const QString &E);
    void LoadBetweenliste(const QString &E);
    void LoadValueliste(const QString &E, const QString &A);
    void LoadGloballiste(int index);

    // Mouse and keys on a list row (row -1: none selected).
    void click(Liste which, int row);
    void write(Liste which, int row);  // double-click or "Udskriv koden"
    void enter(Liste which, int row);  // click, then write; resets the type-ahead
    void showInformation(Liste which); // "Vis information..."
    void sendToFindField(Liste which, int row);  // "Send til infofeltet"

    // Type-ahead: a list got the focus; a key was pressed in it. Returns the
    // row selected by a letter, or -1.
    void focusList(Liste which);
    int keyPress(Liste which, QChar key);

    void getKode();
    void VisAktuelKode(const QString &T);
    void SoegKode(const QString &text);
    bool canWriteFound(const QString &boxText) const { return kodenFundet && !boxText.isEmpty(); }
    void writeFound();

    // The auto-code check box was clicked; returns whether it stays ticked.
    bool autokodeClicked(bool ticked);

    void InsertSlutkode();
    void FindHtml();
    // The document window's own "Vis aktuelle kode" button.
    void FindHtmlFromDocument(bool panelVisible);
    void HtmlInfo();
    void JsInfo();
    void CssInfo();
    void AspInfo();
    void VbInfo();

private:
    void resetCaptions();
    QString bufferStart(Liste which) const;
    int findRow(const TPanelList &l, const QString &prefix) const;
    bool loadRows(TPanelList &l, const QString &path);

    Tinfotag &m_engine;
    THtmlPanelHost &m_host;
};

} // namespace taglund
