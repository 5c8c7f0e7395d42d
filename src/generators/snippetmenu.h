#pragma once
#include <QString>
#include <functional>

class QMenu;
class QWidget;

namespace taglund {

class TCommandRegistry;
struct TSnippet;
struct TSnippetMenu;

// What the items of a snippet menu do when chosen.
struct TSnippetHandlers {
    std::function<void(const TSnippet &)> write;                          // items that write text
    std::function<void(const QString &structure, const QString &entry)> help;
    std::function<void(const QString &entry)> vbsEntry;
    // Command items, and items bound once for the whole program, are the
    // registry's actions.
    TCommandRegistry *commands = nullptr;
};

// The one builder of every snippet menu: a menu from its catalogue table,
// with the table's submenus, captions, hints and shortcuts.
QMenu *buildSnippetMenu(const TSnippetMenu &menu, QWidget *parent, const TSnippetHandlers &handlers);

} // namespace taglund
