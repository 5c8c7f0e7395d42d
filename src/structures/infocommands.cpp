#include "structures/infocommands.h"
#include "core/commandregistry.h"
#include "core/docarea.h"
#include "core/model/mainoptions.h"
#include "core/model/programpaths.h"
#include "core/programhost.h"
#include "core/text/paths.h"
#include "structures/infoform.h"
#include "structures/infosettings.h"
#include "structures/strukturpaneler.h"
#include "core/winform.h"

namespace taglund {

namespace {
struct InfoMenuRow {
    const char *name;
    const char *caption;
    const char *shortcut;
    const char *structure;
    const char *entry;
};
constexpr InfoMenuRow infoRows[] = {
    {"AInfoProgram", "Program...", "F1", "Information", ""},
    {"AInfoGenveje", "Genvejstaster...", "F2", "Information", "Programmets genvejstaster"},
    {"AInfoHtml", "Html...", "F3", "Html5", ""},
    {"AInfoAsp", "ASP...", "F4", "ASP", ""},
    {"AInfoCss", "CSS...", "F5", "CSS", ""},
    {"AInfoJs", "JavaScript...", "F6", "JavaScript", ""},
    {"AInfoVbs", "VbScript...", "F7", "VBS", ""},
    {"AInfoEksempler", "Eksempler...", "F8", "Eksempler", ""},
};
} // namespace

TInfoKommandoer::TInfoKommandoer(TProgramHost *host, QObject *parent) : QObject(parent), m_main(host)
{
    host->addSubsystem(this);
    host->setHelpProvider([this](const QString &structure, const QString &entry) { HelpInfo(structure, entry); });
    host->addShutdownStep(TShutdownStep::StructureViewer, [this] { saveSettings(); });
    TCommandRegistry *commands = host->commands();
    for (const InfoMenuRow &r : infoRows) {
        const QString structure = QString::fromUtf8(r.structure);
        const QString entry = QString::fromUtf8(r.entry);
        commands->add(QString::fromLatin1(r.name), QString::fromUtf8(r.caption),
                              QKeySequence(QString::fromLatin1(r.shortcut)),
                              [this, structure, entry] { HelpInfo(structure, entry); });
    }
}

Tinfoform *TInfoKommandoer::viewer()
{
    // Made on first use: the web engine costs a second at start otherwise.
    if (!m_viewer)
        m_viewer = new Tinfoform(this, m_main->mainWindow());
    return m_viewer;
}

void TInfoKommandoer::HelpInfo(const QString &structure, const QString &entry)
{
    viewer()->HelpInfo(structure, entry);
}

void TInfoKommandoer::saveSettings()
{
    if (m_viewer)
        m_viewer->saveSettings();
}

bool TInfoKommandoer::autoFold() const
{
    return m_viewer ? m_viewer->autoExpand() : TInfoSettings::read(optdir()).autoExpand;
}

void TInfoKommandoer::setAutoFold(bool on)
{
    if (m_viewer) {
        m_viewer->setAutoExpand(on);
        return;
    }
    TInfoSettings settings = TInfoSettings::read(optdir());
    settings.autoExpand = on;
    settings.write(optdir());
}

void TInfoKommandoer::decorateWindow(Twinform *w)
{
    // The panel's search takes the word at the caret of its own document,
    // which is the active one (and so the HTML engine's) when it is used.
    if (TDokumentPaneler::hasStructurePanel(w->DocExt))
        new TDokumentPaneler(w, this, [this](TDocText &t) { return m_main->currentWord(t); });
}

void TInfoKommandoer::documentSaved(Twinform *)
{
    if (m_viewer && m_viewer->redigerStrukturDokument())
        m_viewer->afterDocumentSaved();
}

QString TInfoKommandoer::programdir() const { return m_main->paths().programdir; }
QString TInfoKommandoer::infodir() const { return m_main->paths().infodir; }
QString TInfoKommandoer::strukturdir() const { return m_main->paths().strukturdir; }
QString TInfoKommandoer::optdir() const { return m_main->paths().optdir; }

void TInfoKommandoer::openDocument(const QString &path)
{
    m_main->openwin(path, extensionOf(path));
}

QString TInfoKommandoer::activeDocumentPath() const
{
    Twinform *w = m_main->activeWin();
    return w ? w->Filnavn : QString();
}

TDocText *TInfoKommandoer::activeDocText()
{
    Twinform *w = m_main->activeWin();
    return w ? &w->text() : nullptr;
}

void TInfoKommandoer::closeActiveDocument()
{
    m_main->documents()->LukDokument();
}

void TInfoKommandoer::setFindText(const QString &text)
{
    m_main->setFindText(text);
}

QString TInfoKommandoer::jsObjektName() const
{
    return m_main->options().jsObjektName;
}

void TInfoKommandoer::setJsObjektName(const QString &name)
{
    m_main->options().jsObjektName = name;
}

} // namespace taglund
