#pragma once
#include "core/subsystem.h"
#include "generators/listeform.h"
#include "generators/skemaform.h"
#include "generators/snippetmenu.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <functional>

class QLineEdit;

namespace taglund {

class Tinfotag;
class TDokumentLinjer;
class TProgramHost;
struct TKodeLinje;
struct TSnippet;

// The code generators of the program: the snippet bars and "Html-bogen" of
// every document window, the switches "Redskaber", "Bokse" and "Koder", and
// the table and list boxes with their commands and settings files.
class TGeneratorKommandoer : public QObject, public TSubsystem {
    Q_OBJECT
public:
    // `taginf` is the program's HTML engine, whose code writer does all writing.
    TGeneratorKommandoer(TProgramHost *host, Tinfotag *taginf, QObject *parent = nullptr);
    ~TGeneratorKommandoer() override;

    TProgramHost *host() const { return m_host; }

    // TSubsystem
    void decorateWindow(Twinform *w) override;
    void documentClosed(Twinform *w) override;

    // The bars of a document window (null when it has none of ours).
    TDokumentLinjer *linjer(Twinform *w) const;
    // The search field of a document's page "Andet" while it is the one in
    // use (the main tool panel hidden, the document showing "Html-bogen"); else null.
    QLineEdit *andetSoegefelt(Twinform *w) const;
    // Whether the main tool panel is hidden (the page "Andet" takes its search field's place).
    bool mainPanelHidden() const;
    // After the bar settings changed: every open HTML document shows its
    // bars as the book or as separate bars, as the settings now say.
    void anvendHtmlLinjer();

    // Writes a catalogue item into a document window's text, making that
    // window the active one first.
    void skriv(Twinform *w, const TSnippet &s);
    TSnippetHandlers handlers(Twinform *w);

    // When the VBScript box is visible it selects an entry of its structure
    // and answers true; otherwise the entry is opened as information.
    std::function<bool(const QString &entry)> vbsBoxEntry;

    // The boxes, made on first use.
    TSkemaform *skemaform();
    TListeform *listeform();
    bool hasSkemaform() const { return m_skema; }
    bool hasListeform() const { return m_liste; }

    // The box commands.
    void udskrivTabel();
    void udskrivTabelCSS();
    void udskrivListe();
    void udskrivOptgroup();
    void udskrivListeCSS();

private:
    void registerCommands();
    void watchMainPanel();
    void toggleBar(int which);
    // The code writer bound to the active document, or null after telling
    // the user that no document is open.
    Tinfotag *aktivSkriver();
    void skrivLinjer(const QList<TKodeLinje> &lines);
    void gemSkema();
    void gemListe();

    TProgramHost *m_host;
    Tinfotag *m_taginf;
    QHash<Twinform *, TDokumentLinjer *> m_linjer;
    QPointer<TSkemaform> m_skema;
    QPointer<TListeform> m_liste;
    bool m_panelWatched = false;
};

} // namespace taglund
