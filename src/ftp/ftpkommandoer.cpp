#include "ftp/ftpkommandoer.h"

#include "core/commandregistry.h"
#include "core/docarea.h"
#include "core/model/mainoptions.h"
#include "core/model/programpaths.h"
#include "core/programhost.h"
#include "core/winform.h"
#include "ftp/ftpbar.h"
#include "ftp/ftpegenskaberform.h"
#include "ftp/ftpupload.h"
#include "ui/questions.h"

#include <QAction>
#include <QFileInfo>
#include <QMainWindow>

namespace taglund {

TFtpKommandoer::TFtpKommandoer(TProgramHost *host, QObject *parent)
    : QObject(parent), m_host(host), m_upload(new TFtpUpload(this))
{
    host->addSubsystem(this);
    TCommandRegistry *r = host->commands();
    r->add(QStringLiteral("AFtpUpload"), QStringLiteral("Upload fil til server"), {},
           [this] { uploadDocument(m_host->activeWin()); },
           [this] { return m_host->activeWin() != nullptr && !busy(); },
           QStringLiteral("Upload fil til FTP server: Anvender aktuelle forbindelse"));
    r->add(QStringLiteral("AFtpEgenskaber"), QStringLiteral("Sæt ftp egenskaber"), {}, [this] { saetEgenskaber(); });
    host->addShutdownStep(TShutdownStep::FtpSettings, [this] { gemEgenskaber(); });

    connect(m_upload, &TFtpUpload::status, this, &TFtpKommandoer::onStatus);
    connect(m_upload, &TFtpUpload::finished, this, [this](const TFtpResultat &r) { onFinished(r); });
}

TFtpKommandoer::~TFtpKommandoer() = default;

void TFtpKommandoer::start()
{
    m_egenskaber = TFtpEgenskaber::read(m_host->paths().optdir);
}

TFtpEgenskaberForm *TFtpKommandoer::egenskaberForm()
{
    if (!m_box) {
        m_box = new TFtpEgenskaberForm(m_host->paths().optdir, m_host->mainWindow());
        // The current connection of this run, including a password typed
        // earlier and not stored.
        m_box->setForbindelse(m_egenskaber.forbindelse);
    }
    return m_box;
}

TFtpForbindelse TFtpKommandoer::forbindelse() const
{
    return m_box ? m_box->forbindelse() : m_egenskaber.forbindelse;
}

bool TFtpKommandoer::gemEgenskaber()
{
    if (m_box)
        m_egenskaber = m_box->egenskaber();
    else if (!m_egenskaber.harPlacering)
        return true;  // never shown and no file: the box stays centred next time
    QString error;
    if (m_egenskaber.write(m_host->paths().optdir, &error))
        return true;
    ui::showError(m_host->mainWindow(), QStringLiteral("Filen ftpegenskaber.txt kunne ikke gemmes.\r") + error);
    return false;
}

bool TFtpKommandoer::saetEgenskaber()
{
    TFtpEgenskaberForm *box = egenskaberForm();
    const TFtpForbindelse before = box->forbindelse();
    if (box->exec() != QDialog::Accepted) {
        if (m_box)
            m_box->setForbindelse(before);
        return false;
    }
    if (!m_box)
        return false;
    gemEgenskaber();
    return true;
}

bool TFtpKommandoer::askForSettings()
{
    if (forbindelse().komplet())
        return true;
    return saetEgenskaber() && forbindelse().komplet();
}

bool TFtpKommandoer::busy() const
{
    return m_upload->busy();
}

TFtpBar *TFtpKommandoer::barOf(Twinform *w) const
{
    for (const QPointer<TFtpBar> &b : m_bars)
        if (b && b->window() == w)
            return b;
    return nullptr;
}

void TFtpKommandoer::decorateWindow(Twinform *w)
{
    m_bars.removeAll(nullptr);
    auto *bar = new TFtpBar(w);
    bar->setVisible(m_host->options().visFtpFunktioner);
    bar->uploadAction()->setEnabled(!busy());
    connect(bar, &TFtpBar::uploadRequested, this, &TFtpKommandoer::uploadDocument);
    connect(bar, &TFtpBar::egenskaberRequested, this, &TFtpKommandoer::saetEgenskaber);
    m_bars << bar;
}

void TFtpKommandoer::documentActivated(Twinform *)
{
    // The options box may have switched the bars since the last activation.
    setBarsShown(m_host->options().visFtpFunktioner);
}

void TFtpKommandoer::setBarsShown(bool on)
{
    for (const QPointer<TFtpBar> &b : m_bars)
        if (b && b->isHidden() == on)
            b->setVisible(on);
}

void TFtpKommandoer::uploadDocument(Twinform *w)
{
    if (!w || busy())
        return;
    QPointer<Twinform> guard(w);
    if (TFtpBar *bar = barOf(w); bar && bar->infoShown())
        bar->clearInfo();
    if (w->Filnavn.isEmpty()) {
        // Saved now; the next click uploads it.
        m_host->documents()->Gem(w);
        return;
    }
    if (w->text().Modified()) {
        const ui::Answer a = ui::askYesNoAnswer(
            m_host->mainWindow(), QStringLiteral("Dokumentet er ændret. Skal det gemmes før upload til serveren?"));
        if (a == ui::Answer::Ingen || !guard)
            return;
        if (a == ui::Answer::Ja && (!m_host->documents()->Gem(w) || !guard))
            return;
    }
    if (QFileInfo(w->Filnavn).isFile())
        uploadTo(w->Filnavn, w);
}

void TFtpKommandoer::uploadFile(const QString &path)
{
    if (busy() || path.isEmpty() || !QFileInfo(path).isFile())
        return;
    uploadTo(path, m_host->activeWin());
}

void TFtpKommandoer::uploadTo(const QString &path, Twinform *target)
{
    QPointer<Twinform> guard(target);
    if (!askForSettings())
        return;
    m_target = guard ? barOf(guard) : nullptr;
    if (m_upload->start(forbindelse(), path))
        updateButtons();
}

void TFtpKommandoer::onStatus(const QString &line)
{
    if (m_target && m_target->infoShown())
        m_target->addInfo(line);
}

void TFtpKommandoer::onFinished(const TFtpResultat &r)
{
    const bool noDocuments = m_host->documents()->windows().isEmpty();
    m_target = nullptr;
    updateButtons();
    if (!r.ok())
        ui::showError(m_host->mainWindow(), r.besked);
    else if (noDocuments)
        ui::showInfo(m_host->mainWindow(), ftpUploaded());
}

void TFtpKommandoer::updateButtons()
{
    const bool free = !busy();
    for (const QPointer<TFtpBar> &b : m_bars)
        if (b)
            b->uploadAction()->setEnabled(free);
    m_host->commands()->scheduleUpdate();
}

} // namespace taglund
