#include "structures/strukturkommandoer.h"

#include "core/commandregistry.h"
#include "core/model/programpaths.h"
#include "core/programhost.h"
#include "structures/infoform.h"
#include "structures/strukturlib.h"
#include "structures/strukturpanel.h"

#include <QEvent>
#include <QMainWindow>
#include <QMenu>

namespace taglund {

TStrukturKommandoer::TStrukturKommandoer(TProgramHost *host, QObject *parent) : QObject(parent), m_host(host)
{
    host->addSubsystem(this);
    host->commands()->add(
        QStringLiteral("AStrukturkonstruktoeren"), QStringLiteral("Strukturkonstruktøren"), QKeySequence(),
        [this] {
            Tstrukturform *f = form();
            f->show();
            f->raise();
            f->activateWindow();
        },
        [this] { return !m_form || m_form->isHidden(); });
    // A tree left modified when the program ends is offered for saving.
    host->addShutdownStep(TShutdownStep::StructureViewer, [this] {
        if (m_form) {
            m_form->workshop().maaForlade(m_form->workshop().info());
            m_form->workshop().maaForlade(m_form->workshop().objekt());
        }
    });
}

Tstrukturform *TStrukturKommandoer::form()
{
    if (!m_form) {
        m_form = new Tstrukturform(this, m_host->mainWindow());
        // Hiding the window must re-enable the command that shows it.
        m_form->installEventFilter(this);
        connect(m_form, &QObject::destroyed, m_host->commands(), &TCommandRegistry::scheduleUpdate);
    }
    m_host->commands()->scheduleUpdate();
    return m_form;
}

bool TStrukturKommandoer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_form && (event->type() == QEvent::Show || event->type() == QEvent::Hide))
        m_host->commands()->scheduleUpdate();
    return QObject::eventFilter(watched, event);
}

QString TStrukturKommandoer::programdir() const { return m_host->paths().programdir; }
QString TStrukturKommandoer::infodir() const { return m_host->paths().infodir; }
QString TStrukturKommandoer::strukturdir() const { return m_host->paths().strukturdir; }

void TStrukturKommandoer::visIInformation(const QString &structure, const QString &entry)
{
    // The viewer may hold an older copy of the structure: it reloads first.
    for (Tinfoform *viewer : m_host->mainWindow()->findChildren<Tinfoform *>()) {
        viewer->setStrukturnavn(structure);
        viewer->LoadStruktur();
    }
    m_host->HelpInfo(structure, entry);
}

void TStrukturKommandoer::helpInfo(const QString &structure, const QString &entry)
{
    m_host->HelpInfo(structure, entry);
}

void TStrukturKommandoer::informationsstrukturerAendret()
{
    for (Tinfoform *viewer : m_host->mainWindow()->findChildren<Tinfoform *>())
        viewer->createStrukturPU();
}

void TStrukturKommandoer::objektstrukturerAendret()
{
    const QList<StrukturLib::MenuItem> items =
        StrukturLib::userObjectMenu(StrukturLib::userObjectStructures(strukturdir()));
    for (TStrukturPanel *panel : m_host->mainWindow()->findChildren<TStrukturPanel *>()) {
        QMenu *menu = panel->userMenu();
        menu->clear();
        for (const StrukturLib::MenuItem &item : items) {
            QAction *a = menu->addAction(item.caption);
            a->setToolTip(item.hint);
            a->setStatusTip(item.hint);
            if (!item.active)
                continue;
            connect(a, &QAction::triggered, panel, [panel, a] {
                if (panel->isVisible())
                    panel->loadObjectStructure(StrukturLib::withoutLeadingAccelerator(a->text()));
            });
        }
    }
}

} // namespace taglund
