#pragma once
#include <QList>
#include <QString>
#include <span>

namespace taglund {

// How a catalogue item is written and where it leaves the caret.
enum class TSnippetKind {
    Pair,        // a then b at the caret; caret between them
    Single,      // a at the caret; caret after it
    Text,        // a at the caret; caret after it
    Block,       // lines a, empty, b; caret on the empty line
    CssBlock,    // as Block, and b ends with a line break too
    CaseBlock,   // a holds two lines, the second marks the return; then empty, b
    OpenBlock,   // a holds the lines ('\n' between them); caret on a new line after them
    BlockPair,   // Block a/b, then the pair c, d on its empty line
    Attribute,   // attribute a in the start tag at the caret
    Help,        // information: structure a, entry b
    VbsEntry,    // an entry of the VBScript structure, a
    Command,     // the program's command named a (left out while it does not exist)
    Separator,
};

// One row of a menu's table. Rows of a submenu name it in `sub`; a nested
// submenu is written "outer/inner".
struct TSnippet {
    const char *sub;
    const char *caption;
    TSnippetKind kind;
    const char *a = "";
    const char *b = "";
    const char *c = "";
    const char *d = "";
    const char *hint = "";
    const char *shortcut = "";
    // Items with a shortcut are one command of the program, so the key
    // reaches the active document from wherever the focus is.
    const char *command = "";
};

struct TSnippetMenu {
    const char *id;  // the caption of its bar button, or its hint where the button has none
    std::span<const TSnippet> items;
};

// Every snippet menu of the document bars.
const QList<TSnippetMenu> &snippetMenus();
const TSnippetMenu *snippetMenu(const QString &id);

// Whether an item writes into the document (the others inform or run commands).
bool writesText(TSnippetKind kind);

inline QString u8(const char *s) { return QString::fromUtf8(s); }

} // namespace taglund
