#include "app/docbarcommands.h"
#include "core/commandregistry.h"
#include "app/commands/runcommand.h"
#include "core/programhost.h"
#include "core/richbars.h"
#include "core/winform.h"
#include "structures/strukturpaneler.h"

#include <QAction>
#include <QMenu>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

namespace taglund {

namespace {

QAction *addNamed(QToolBar *bar, const QIcon &icon, const QString &caption, const QString &hint,
                  QAction *before = nullptr)
{
    auto *a = new QAction(icon, caption, bar);
    bar->insertAction(before, a);
    a->setToolTip(hint);
    a->setStatusTip(hint);
    if (QWidget *b = bar->widgetForAction(a))
        b->setAccessibleName(hint);
    return a;
}

// A bar button under its own caption that carries out a registered command.
void addForwarder(QToolBar *bar, TCommandRegistry *commands, const char *name, const QString &caption,
                  QStyle::StandardPixmap icon, QAction *before)
{
    QAction *target = commands->action(QString::fromLatin1(name));
    if (!target)
        return;
    QAction *a = addNamed(bar, bar->style()->standardIcon(icon), caption, caption, before);
    a->setEnabled(target->isEnabled());
    QObject::connect(target, &QAction::changed, a, [a, target] { a->setEnabled(target->isEnabled()); });
    QObject::connect(a, &QAction::triggered, target, [target] {
        if (target->isEnabled())
            target->trigger();
    });
}

} // namespace

void addDocumentCommands(QToolBar *bar, TCommandRegistry *commands, bool withRun, QAction *before)
{
    if (!commands)
        return;
    addForwarder(bar, commands, "ARedigerAndet", QStringLiteral("Rediger i andet program"),
                 QStyle::SP_FileDialogContentsView, before);
    if (withRun)
        addForwarder(bar, commands, "AAktiverScript", QStringLiteral("Kør skriptet"), QStyle::SP_MediaPlay, before);
    auto *edit = new QToolButton(bar);
    edit->setText(QStringLiteral("Rediger"));
    edit->setAccessibleName(QStringLiteral("Rediger"));
    edit->setToolTip(QStringLiteral("Rediger"));
    edit->setPopupMode(QToolButton::InstantPopup);
    auto *menu = new QMenu(edit);
    for (const char *name : {"AFortryd", "AKlip", "AKopier", "ASaetInd", "AVaelgAlt", "ASlet"})
        if (QAction *a = commands->action(QString::fromLatin1(name)))
            menu->addAction(a);
    edit->setMenu(menu);
    bar->insertWidget(before, edit);
}

void addBatchRun(QToolBar *bar, Twinform *w)
{
    QAction *a = addNamed(bar, bar->style()->standardIcon(QStyle::SP_MediaPlay), QString(),
                          QStringLiteral("Kør batch eller PowerShell script: bat eller ps1 fil"));
    QObject::connect(a, &QAction::triggered, w, [w] {
        runCommand(CommandText::batchRun(w->Filnavn, CommandText::installedPrograms()), w->window());
    });
}

void addCscriptRun(QToolBar *bar, Twinform *w)
{
    QAction *a = addNamed(bar, bar->style()->standardIcon(QStyle::SP_MediaPlay), QStringLiteral("Kør som cScript"),
                          QStringLiteral("Kør som cScript"));
    if (auto *b = qobject_cast<QToolButton *>(bar->widgetForAction(a)))
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QObject::connect(a, &QAction::triggered, w, [w] {
        runCommand(CommandText::cscriptRun(w->Filnavn, CommandText::installedPrograms()), w->window());
    });
}

TDokumentKnapper::TDokumentKnapper(TProgramHost *host, QObject *parent) : QObject(parent), m_host(host)
{
    host->addSubsystem(this);
}

void TDokumentKnapper::decorateWindow(Twinform *w)
{
    if (QToolBar *rich = addRichBars(w)) {
        addDocumentCommands(rich, m_host->commands(), false, rich->actions().value(0));
        return;
    }
    const QString ext = w->DocExt.toLower();
    if (!TDokumentPaneler::hasStructurePanel(ext)) {
        addDocumentCommands(w->documentBar(), m_host->commands(), true);
        return;
    }
    if (ext == u".bat" || ext == u".ps1")
        addBatchRun(w->documentBar(), w);
    if (ext == u".vbs" || ext == u".wsf")
        addCscriptRun(w->documentBar(), w);
}

} // namespace taglund
