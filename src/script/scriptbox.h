#pragma once
#include <QList>
#include <QString>

namespace taglund {

class TStrukturTree;
class TStruktur;

// The VBScript box's rules that need no window: the closing line of a
// block, the word being typed, and the lookups in the "script" structure.
namespace ScriptBox {

// The closing line a block's first line gets when it is ended with Enter
// ("End If", "Next", ...); empty when it gets none.
QString closingLine(const QString &line);

// The letters, digits and "_" directly before the caret position of a line.
QString lastWord(const QString &line, int column);
// True when the caret is outside quoted text: an even number of double
// quotes stands before it on the line.
bool outsideQuotes(const QString &line, int column);

// The word the user is typing in the document (`ordSkrevet`), where it
// started (`startpos`) and how long it is (`selL`).
class TOrdSkrevet {
public:
    void letter(QChar c, int caretBefore);
    // After a Backspace: when it removed the word's last character the word
    // shrinks with the text; otherwise nothing happens.
    void backspace(int caretAfter);
    void clear();
    const QString &ord() const { return m_ord; }
    bool isEmpty() const { return m_ord.isEmpty(); }
    int startpos() const { return m_startpos; }
    int selL() const { return m_selL; }

private:
    QString m_ord;
    int m_startpos = 0;
    int m_selL = 0;
};

// A key counts as typing help's own: letters, digits and brackets grow the word.
bool growsWord(QChar c);

struct Member {
    QString text;
    int icon = 0;
};
// The members of an object type: the children with icon 0, 1 or 2 of the
// first node (in tree order) that has children, an icon 0, 1 or 2 and the
// type's text, when it has any such child.
QList<Member> members(const TStrukturTree &tree, const QString &type);

// The first node whose text equals text ignoring case; -1 for none.
int findNode(const TStrukturTree &tree, const QString &text);
// The first node with an icon 1 or 2 and the text (ignoring case); -1 for none.
int findTypeNode(const TStrukturTree &tree, const QString &text);
// From the node after selected (node 0 after the last), the next node with
// the same text, continuing once from node 0; -1 for none.
int nextSameText(const TStrukturTree &tree, int selected);
// The current-word search where only the letters a to z of the lower-cased
// texts count: the first node after selected whose key begins with the
// word's key, wrapping round once; -1 for none.
int findWord(const TStrukturTree &tree, const QString &word, int selected);
QString letterKey(const QString &text);

// Shows a node the way the box does: every node collapsed, the node's
// ancestors expanded so it can be seen, the node itself expanded and selected.
void showNode(TStruktur &s, int index);

} // namespace ScriptBox
} // namespace taglund
