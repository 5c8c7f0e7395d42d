#pragma once
#include <QHash>
#include <QKeySequence>
#include <QObject>
#include <QString>
#include <functional>

class QAction;
class QWidget;

namespace taglund {

// Every command of the program is a named action with an execute handler
// and an update handler (its precondition). Subsystems register their own
// commands; menus and tool bars are built from the registry by name; the
// update handlers run whenever something they may depend on changes.
class TCommandRegistry : public QObject {
    Q_OBJECT
public:
    struct Command {
        QString name;         // e.g. "AGem"
        QString caption;      // "Gem"
        QKeySequence shortcut;
        QString hint;
        std::function<void()> execute;
        std::function<bool()> update;    // empty: always enabled
        bool checkable = false;
        std::function<bool()> checked;   // for checkable commands
    };

    explicit TCommandRegistry(QWidget *owner);

    QAction *add(Command c);
    QAction *add(const QString &name, const QString &caption, const QKeySequence &shortcut,
                 std::function<void()> execute, std::function<bool()> update = {}, const QString &hint = {});
    QAction *action(const QString &name) const;
    bool contains(const QString &name) const { return m_commands.contains(name); }
    QStringList names() const { return m_order; }

    // Runs every update handler now.
    void updateAll();
    // Runs them once the current event is handled (several changes in a row cost one update).
    void scheduleUpdate();

private:
    struct Entry {
        QAction *action;
        std::function<bool()> update;
        std::function<bool()> checked;
    };
    QWidget *m_owner;
    QHash<QString, Entry> m_commands;
    QStringList m_order;
    bool m_pending = false;
};

} // namespace taglund
