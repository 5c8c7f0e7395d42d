#pragma once
#include <QAbstractButton>
#include <QAction>
#include <QIcon>
#include <QString>
#include <QStyle>
#include <QToolButton>

namespace taglund {

// A button that runs a command of the program and is enabled exactly when
// the command is; its own caption may differ from the command's menu caption.
inline void bindToCommand(QAbstractButton *b, QAction *command)
{
    if (!command) {
        b->setEnabled(false);
        return;
    }
    b->setEnabled(command->isEnabled());
    QObject::connect(command, &QAction::changed, b, [b, command] { b->setEnabled(command->isEnabled()); });
    QObject::connect(b, &QAbstractButton::clicked, command, [command] {
        if (command->isEnabled())
            command->trigger();
    });
}

// The round information button of the boxes and bars, known by its hint.
inline QToolButton *infoButton(QWidget *parent, const QString &hint)
{
    auto *b = new QToolButton(parent);
    b->setIcon(b->style()->standardIcon(QStyle::SP_MessageBoxInformation));
    b->setIconSize(QSize(16, 16));
    b->setAutoRaise(true);
    b->setToolTip(hint);
    b->setStatusTip(hint);
    b->setAccessibleName(hint);
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

} // namespace taglund
