#include "app/panelcommands.h"
#include "app/mainform.h"
#include "app/mainpanel.h"
#include "core/commandregistry.h"

#include <QAction>

namespace taglund {

TPanelKommandoer::TPanelKommandoer(Tmainform *main) : QObject(main), m_main(main)
{
    TCommandRegistry *c = main->commands();
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

} // namespace taglund
