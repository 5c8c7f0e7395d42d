#include "app/types/reopenmenu.h"

#include "core/model/reopenfiler.h"

#include <QAction>
#include <QMenu>

namespace taglund {

TReopenMenu::TReopenMenu(TReopenFiler &liste, QMenu *menu, const QString &tomTekst, const QString &fuldTekst,
                         QObject *parent)
    : QObject(parent), m_liste(liste), m_menu(menu), m_tom(tomTekst), m_fuld(fuldTekst)
{
    // The fixed part: the first item and a separator, as many as MenuStartNr.
    m_first = m_menu->addAction(m_tom);
    m_first->setEnabled(false);
    while (m_menu->actions().size() < m_liste.MenuStartNr())
        m_menu->addSeparator();
    connect(m_menu, &QMenu::aboutToShow, this, &TReopenMenu::opdater);
    connect(m_menu, &QMenu::triggered, this, &TReopenMenu::klik);
    opdater();
}

void TReopenMenu::opdater()
{
    const int start = m_liste.MenuStartNr();
    QList<QAction *> actions = m_menu->actions();
    for (qsizetype i = actions.size() - 1; i >= start; --i) {
        m_menu->removeAction(actions[i]);
        if (actions[i]->parent() == this)
            delete actions[i];
    }
    const bool tom = m_liste.Antal() == 0;
    m_first->setText(tom ? m_tom : m_fuld);
    for (const TReopenMenuItem &item : m_liste.MakeMenu(-1)) {
        if (item.kind == TReopenMenuItem::Kind::Separator) {
            QAction *sep = new QAction(this);
            sep->setSeparator(true);
            m_menu->addAction(sep);
            continue;
        }
        auto *a = new QAction(item.caption, this);
        a->setToolTip(item.hint);
        a->setStatusTip(item.hint);
        if (item.kind == TReopenMenuItem::Kind::DeleteAll) {
            connect(a, &QAction::triggered, &m_liste, &TReopenFiler::DeleteAllItems);
        } else {
            a->setData(item.entryIndex);
            if (ikon)
                a->setIcon(ikon(item.imageIndex));
        }
        m_menu->addAction(a);
    }
}

void TReopenMenu::klik(QAction *item)
{
    if (!item || item->parent() != this || !item->data().isValid())
        return;
    const int position = int(m_menu->actions().indexOf(item));
    const QString path = m_liste.Klik(position);
    if (!path.isEmpty() && onKlik)
        onKlik(item, path);
}

TReopenMenu *makeRecentFilesMenu(TReopenFiler &liste, QMenu *menu, QObject *parent)
{
    menu->setTitle(QStringLiteral("Seneste filer"));
    return new TReopenMenu(liste, menu, QStringLiteral("Ingen dokumenter"), QStringLiteral("Filliste"), parent);
}

TReopenMenu *makeRecentFoldersMenu(TReopenFiler &liste, QMenu *menu, QObject *parent)
{
    menu->setTitle(QStringLiteral("Seneste mapper"));
    return new TReopenMenu(liste, menu, QStringLiteral("Ingen mapper"), QStringLiteral("Mapper"), parent);
}

} // namespace taglund
