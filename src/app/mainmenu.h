#pragma once
#include <QString>
#include <QList>

class QMenuBar;

namespace taglund {

class TCommandRegistry;

// One row of the main menu: the command's name in the registry, its caption
// and shortcut. An empty name is a separator; a row with `submenu` set opens
// a submenu of the rows that follow with the same `submenu` text.
struct TMenuRow {
    const char *menu;
    const char *submenu;
    const char *name;
    const char *caption;
    const char *shortcut;
};

// The main menu bar in menu order.
const QList<TMenuRow> &mainMenuRows();

// Builds the menu bar from the rows. A command no module has registered yet
// appears with its caption and shortcut, disabled, in its place.
void buildMainMenu(QMenuBar *bar, TCommandRegistry *commands);

} // namespace taglund
