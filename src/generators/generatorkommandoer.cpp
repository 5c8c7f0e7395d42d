#include "generators/generatorkommandoer.h"
#include "core/commandregistry.h"
#include "core/docarea.h"
#include "core/model/mainoptions.h"
#include "core/model/programpaths.h"
#include "core/programhost.h"
#include "core/text/paths.h"
#include "core/winform.h"
#include "generators/dokumentlinjer.h"
#include "generators/kodelinjer.h"
#include "generators/listeform.h"
#include "generators/skemaform.h"
#include "generators/snippetcatalogue.h"
#include "html/infotag.h"
#include "ui/questions.h"

#include <QAction>
#include <QLineEdit>
#include <QMainWindow>

namespace taglund {

namespace {

const QString ingenDokument = QStringLiteral("Der er ikke åbnet noget dokument.");
const QString bogAktiv = QStringLiteral("Funktionen har ingen virkning, når Html-bogen er aktiveret.");

} // namespace

TGeneratorKommandoer::TGeneratorKommandoer(TProgramHost *host, Tinfotag *taginf, QObject *parent)
    : QObject(parent), m_host(host), m_taginf(taginf)
{
    host->addSubsystem(this);
    registerCommands();
    host->addShutdownStep(TShutdownStep::TableGenerator, [this] { gemSkema(); });
    host->addShutdownStep(TShutdownStep::ListGenerator, [this] { gemListe(); });
}

TGeneratorKommandoer::~TGeneratorKommandoer() = default;

void TGeneratorKommandoer::registerCommands()
{
    TCommandRegistry *c = m_host->commands();
    auto docOpen = [this] { return m_host->activeWin() != nullptr; };

    c->add(QStringLiteral("ARedskaber"), QStringLiteral("Redskaber"), {}, [this] { toggleBar(TDokumentLinjer::Redskaber); },
           docOpen);
    c->add(QStringLiteral("ABokse"), QStringLiteral("Bokse"), {}, [this] { toggleBar(TDokumentLinjer::Bokse); }, docOpen);
    c->add(QStringLiteral("AKoder"), QStringLiteral("Koder"), {}, [this] { toggleBar(TDokumentLinjer::Koder); }, docOpen);

    // The attribute items carry their shortcuts once for the whole program.
    for (const TSnippet &s : snippetMenu(QStringLiteral("Attributter"))->items) {
        if (!*s.command)
            continue;
        const TSnippet *item = &s;
        c->add(u8(s.command), u8(s.caption), QKeySequence(u8(s.shortcut)), [this, item] {
            if (Twinform *w = m_host->activeWin())
                skriv(w, *item);
        }, docOpen);
    }

    // The boxes write their tables and lists into the active document, or say
    // that none is open.
    c->add(QStringLiteral("ASkemaboks"), QStringLiteral("Skema"), {}, [this] {
        TSkemaform *f = skemaform();
        f->show();
        f->raise();
    }, {}, QStringLiteral("Skemaboksen"));
    c->add(QStringLiteral("AListeboks"), QStringLiteral("Liste"), {}, [this] {
        TListeform *f = listeform();
        f->show();
        f->raise();
    }, {}, QStringLiteral("Listeboksen"));
    c->add(QStringLiteral("AudskrivTabel"), QStringLiteral("Udskriv tabel"), {}, [this] { udskrivTabel(); });
    c->add(QStringLiteral("AudskrivTabelCSS"), QStringLiteral("Udskriv css"), {}, [this] { udskrivTabelCSS(); });
    c->add(QStringLiteral("AudskrivListe"), QStringLiteral("Udskriv liste"), {}, [this] { udskrivListe(); }, docOpen);
    c->add(QStringLiteral("AudskrivOptgroup"), QStringLiteral("Udskriv optgroup"), {}, [this] { udskrivOptgroup(); },
           docOpen);
    c->add(QStringLiteral("AudskrivListeCSS"), QStringLiteral("Udskriv css"), {}, [this] { udskrivListeCSS(); },
           docOpen);

    watchMainPanel();
}

void TGeneratorKommandoer::watchMainPanel()
{
    // The page "Andet" follows the main tool panel, whose switch may be
    // registered after ours.
    if (m_panelWatched)
        return;
    QAction *panel = m_host->commands()->action(QStringLiteral("AHovedpanelet"));
    if (!panel || !panel->isCheckable())
        return;
    m_panelWatched = true;
    connect(panel, &QAction::toggled, this, [this](bool shown) {
        for (TDokumentLinjer *l : std::as_const(m_linjer))
            l->setAndetShown(!shown);
    });
}

bool TGeneratorKommandoer::mainPanelHidden() const
{
    QAction *panel = m_host->commands()->action(QStringLiteral("AHovedpanelet"));
    if (panel && panel->isCheckable())
        return !panel->isChecked();
    return !m_host->options().visHovedlinje;
}

void TGeneratorKommandoer::decorateWindow(Twinform *w)
{
    watchMainPanel();
    if (w->isRich())
        return;
    auto *l = new TDokumentLinjer(w, this);
    if (!l->book() && !l->kindBar()) {
        delete l;
        return;
    }
    m_linjer.insert(w, l);
    connect(w, &QObject::destroyed, this, [this, w] { m_linjer.remove(w); });
}

void TGeneratorKommandoer::documentClosed(Twinform *w)
{
    m_linjer.remove(w);
}

TDokumentLinjer *TGeneratorKommandoer::linjer(Twinform *w) const
{
    return m_linjer.value(w);
}

QLineEdit *TGeneratorKommandoer::andetSoegefelt(Twinform *w) const
{
    TDokumentLinjer *l = linjer(w);
    if (!l || !l->showsBook() || !l->andetShown())
        return nullptr;
    return l->soegefelt();
}

void TGeneratorKommandoer::anvendHtmlLinjer()
{
    const bool book = m_host->options().visHtmlbog;
    for (TDokumentLinjer *l : std::as_const(m_linjer))
        l->setBook(book);
}

void TGeneratorKommandoer::toggleBar(int which)
{
    Twinform *w = m_host->activeWin();
    TDokumentLinjer *l = w ? linjer(w) : nullptr;
    if (!l)
        return;
    if (l->showsBook()) {
        ui::showInfo(m_host->mainWindow(), bogAktiv);
        return;
    }
    l->toggle(TDokumentLinjer::Linje(which));
}

void TGeneratorKommandoer::skriv(Twinform *w, const TSnippet &s)
{
    if (!w)
        return;
    // A bar writes into its own document, which is then the active one.
    if (m_host->activeWin() != w)
        m_host->documents()->activate(w);
    if (m_host->activeWin() != w)
        return;
    if (m_taginf->Editor() != &w->text())
        m_taginf->setEditor(&w->text());
    if (writeSnippet(*m_taginf, s))
        w->XYinfo();
}

TSnippetHandlers TGeneratorKommandoer::handlers(Twinform *w)
{
    TSnippetHandlers h;
    QPointer<Twinform> win(w);
    h.write = [this, win](const TSnippet &s) { skriv(win, s); };
    h.help = [this](const QString &structure, const QString &entry) { m_host->HelpInfo(structure, entry); };
    h.vbsEntry = [this](const QString &entry) {
        if (!vbsBoxEntry || !vbsBoxEntry(entry))
            m_host->HelpInfo(QStringLiteral("VBS"), entry);
    };
    h.commands = m_host->commands();
    return h;
}

Tinfotag *TGeneratorKommandoer::aktivSkriver()
{
    Twinform *w = m_host->activeWin();
    if (!w) {
        ui::showInfo(m_host->mainWindow(), ingenDokument);
        return nullptr;
    }
    if (m_taginf->Editor() != &w->text())
        m_taginf->setEditor(&w->text());
    return m_taginf;
}

void TGeneratorKommandoer::skrivLinjer(const QList<TKodeLinje> &lines)
{
    Tinfotag *w = aktivSkriver();
    if (!w)
        return;
    taglund::skrivLinjer(*w, lines);
    m_host->activeWin()->XYinfo();
}

TSkemaform *TGeneratorKommandoer::skemaform()
{
    if (!m_skema) {
        m_skema = new TSkemaform(m_host, m_host->mainWindow());
        m_skema->laes(joinPath(m_host->paths().optdir, QStringLiteral("skema.txt")));
    }
    return m_skema;
}

TListeform *TGeneratorKommandoer::listeform()
{
    if (!m_liste) {
        m_liste = new TListeform(m_host, m_host->mainWindow());
        m_liste->laes(joinPath(m_host->paths().optdir, QStringLiteral("liste.txt")));
    }
    return m_liste;
}

void TGeneratorKommandoer::udskrivTabel()
{
    TSkemaValg v = skemaform()->valg();
    if (!m_host->activeWin()) {
        aktivSkriver();
        return;
    }
    const TKodeLinjer lines = skemaLinjer(v);
    m_skema->setValg(v);  // the counts as they were read
    skrivLinjer(lines);
}

void TGeneratorKommandoer::udskrivTabelCSS()
{
    skrivLinjer(skemaCssLinjer(skemaform()->valg()));
}

void TGeneratorKommandoer::udskrivListe()
{
    TListeValg v = listeform()->valg();
    if (!m_host->activeWin()) {
        aktivSkriver();
        return;
    }
    const TKodeLinjer lines = listeLinjer(v);
    m_liste->setValg(v);
    skrivLinjer(lines);
}

void TGeneratorKommandoer::udskrivOptgroup()
{
    TListeValg v = listeform()->valg();
    if (!m_host->activeWin()) {
        aktivSkriver();
        return;
    }
    const TKodeLinjer lines = optgroupLinjer(v);
    m_liste->setValg(v);
    skrivLinjer(lines);
}

void TGeneratorKommandoer::udskrivListeCSS()
{
    skrivLinjer(listeCssLinjer(listeform()->valg()));
}

void TGeneratorKommandoer::gemSkema()
{
    if (!m_skema)
        return;
    QString error;
    const QString path = joinPath(m_host->paths().optdir, QStringLiteral("skema.txt"));
    if (!m_skema->gem(path, &error))
        ui::showError(m_host->mainWindow(), QStringLiteral("Filen %1 kunne ikke gemmes:\r%2").arg(path, error));
}

void TGeneratorKommandoer::gemListe()
{
    if (!m_liste)
        return;
    QString error;
    const QString path = joinPath(m_host->paths().optdir, QStringLiteral("liste.txt"));
    if (!m_liste->gem(path, &error))
        ui::showError(m_host->mainWindow(), QStringLiteral("Filen %1 kunne ikke gemmes:\r%2").arg(path, error));
}

} // namespace taglund
