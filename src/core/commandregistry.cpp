#include "core/commandregistry.h"

#include <QAction>
#include <QTimer>
#include <QWidget>

namespace taglund {

TCommandRegistry::TCommandRegistry(QWidget *owner) : QObject(owner), m_owner(owner) {}

QAction *TCommandRegistry::add(Command c)
{
    Q_ASSERT(!m_commands.contains(c.name));
    auto *a = new QAction(c.caption, m_owner);
    a->setObjectName(c.name);
    if (!c.shortcut.isEmpty()) {
        a->setShortcut(c.shortcut);
        a->setShortcutContext(Qt::WindowShortcut);
    }
    if (!c.hint.isEmpty()) {
        a->setToolTip(c.hint);
        a->setStatusTip(c.hint);
    }
    a->setCheckable(c.checkable);
    if (c.execute)
        connect(a, &QAction::triggered, this, [exec = c.execute] { exec(); });
    else
        a->setEnabled(false);   // its window is not part of the program yet
    m_owner->addAction(a);
    m_commands.insert(c.name, {a, c.execute ? c.update : [] { return false; }, c.checked});
    m_order.append(c.name);
    return a;
}

QAction *TCommandRegistry::add(const QString &name, const QString &caption, const QKeySequence &shortcut,
                              std::function<void()> execute, std::function<bool()> update, const QString &hint)
{
    Command c;
    c.name = name;
    c.caption = caption;
    c.shortcut = shortcut;
    c.execute = std::move(execute);
    c.update = std::move(update);
    c.hint = hint;
    return add(std::move(c));
}

QAction *TCommandRegistry::action(const QString &name) const
{
    auto it = m_commands.constFind(name);
    return it == m_commands.constEnd() ? nullptr : it->action;
}

void TCommandRegistry::updateAll()
{
    m_pending = false;
    for (const Entry &e : std::as_const(m_commands)) {
        if (e.update)
            e.action->setEnabled(e.update());
        if (e.checked)
            e.action->setChecked(e.checked());
    }
}

void TCommandRegistry::scheduleUpdate()
{
    if (m_pending)
        return;
    m_pending = true;
    QTimer::singleShot(0, this, [this] {
        if (m_pending)
            updateAll();
    });
}

} // namespace taglund
