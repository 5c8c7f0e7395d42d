#include "tools/ordbogkommandoer.h"
#include "core/commandregistry.h"
#include "core/programhost.h"
#include "core/winform.h"
#include "tools/ordregel.h"

namespace taglund {

TOrdbogKommandoer::TOrdbogKommandoer(TProgramHost *host, QObject *parent) : QObject(parent), m_host(host)
{
    host->addSubsystem(this);
    host->commands()->add(QStringLiteral("ASendSoegefelt"), QStringLiteral("Send til søgefeltet"),
                          QKeySequence(QStringLiteral("Ctrl+G")), [this] { sendTilSoegefeltet(); },
                          [this] { return m_host->activeWin() != nullptr; });
}

void TOrdbogKommandoer::sendTilSoegefeltet()
{
    // The host knows which search field is in use: the main panel's, or the
    // Html book's page "Andet" while the main panel is hidden.
    if (Twinform *w = m_host->activeWin())
        m_host->setFindText(FindOrd(w->text()).ord);
}

} // namespace taglund
