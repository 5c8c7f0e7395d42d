#pragma once
#include <QHash>
#include <QSet>
#include <QString>
#include <QVector>

namespace taglund {

class TStruktur;

// The values structure as the analyser walks it: its nodes in tree order
// with their texts, icons and payloads copied out, so a pass never holds a
// pointer into a structure that "Opdater" may reload. Every search ends at
// the first "Stop" node, or after the last node when there is none.
class TValuesIndex {
public:
    struct Node {
        QString text;
        QString key;         // text lower-cased: names compare without regard to case
        int icon = -1;
        bool hasData = false;
        QString payload;
        QString parentText;  // the node's own text for a root
        int subtreeEnd = 0;  // the index after the node's last descendant
    };

    void build(const TStruktur *s);
    void clear();
    bool isEmpty() const { return m_nodes.isEmpty(); }
    int count() const { return int(m_nodes.size()); }
    // Searches walk the nodes before this index.
    int end() const { return m_end; }
    const Node &node(int i) const { return m_nodes.at(i); }
    bool valid(int i) const { return i >= 0 && i < m_end; }

    // The first node before end() with an icon below 3 and the text; -1 for none.
    int section(const QString &name) const;
    // The first node at or after from and before until (and end()) with the
    // text; -1 for none.
    int firstFrom(const QString &name, int from, int until = -1) const;
    // Where a search for a section's members ends: after its subtree when it
    // has children, else (members following it flat) at end().
    int membersEnd(int section) const;
    // Whether a line that begins with the word is left unanalysed: a child
    // of the root "Word" whose payload is not "+".
    bool isSkippedWord(const QString &word) const { return m_skipped.contains(word.toLower()); }

private:
    QVector<Node> m_nodes;
    int m_end = 0;
    QHash<QString, int> m_sections;           // key -> first section node
    QHash<QString, QVector<int>> m_positions; // key -> every node with that text, ascending
    QSet<QString> m_skipped;
};

} // namespace taglund
