#include "core/panelcommands.h"
#include "core/commandregistry.h"
#include "core/mainform.h"
#include "core/mainpanel.h"
#include "core/winform.h"
#include "tools/ordregel.h"

#include <QAction>

namespace taglund {

TPanelKommandoer::TPanelKommandoer(Tmainform *main) : QObject(main), m_main(main)
{
    TCommandRegistry *c = main->commands();
    auto docOpen = [this] { return m_main->activeWin() != nullptr; };
    c->add(QStringLiteral("ASendSoegefelt"), QStringLiteral("Send til søgefeltet"), QKeySequence(QStringLiteral("Ctrl+G")),
           [this] { sendTilSoegefeltet(); }, docOpen);

    TCommandRegistry::Command hoved;
    hoved.name = QStringLiteral("AHovedpanelet");
    hoved.caption = QStringLiteral("Hovedpanelet");
    hoved.checkable = true;
    hoved.execute = [this] {
        if (TMainPanel *p = m_main->mainPanel())
            p->setVisible(!p->isVisible());
        m_main->commands()->updateAll();
    };
    hoved.checked = [this] { return m_main->mainPanel() && !m_main->mainPanel()->isHidden(); };
    c->add(hoved);
}

void TPanelKommandoer::attachPanel()
{
    TMainPanel *p = m_main->mainPanel();
    p->setVisible(m_main->options().visHovedlinje);
    // The tick follows the panel however it was hidden.
    connect(p, &QToolBar::visibilityChanged, m_main->commands(), &TCommandRegistry::scheduleUpdate);
    connect(p, &TMainPanel::sendHovered, this, [this] {
        if (QAction *a = m_main->commands()->action(QStringLiteral("ASendSoegefelt")); a && a->isEnabled())
            a->trigger();
    });
    m_main->commands()->updateAll();
}

void TPanelKommandoer::sendTilSoegefeltet()
{
    Twinform *w = m_main->activeWin();
    if (!w)
        return;
    // The field of the Html book's page "Andet" takes over while the main
    // tool panel is hidden; until documents have that page, the main field
    // is the one in use.
    m_main->setFindText(FindOrd(w->text()).ord);
}

} // namespace taglund
