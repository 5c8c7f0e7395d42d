#pragma once
#include "html/tagtree.h"

#include <QHash>
#include <functional>

namespace taglund {

class TTagSet;

// The lists the tree builder decides by.
struct TStructureLists {
    const TTagSet &Excludeliste;
    const TTagSet &Nosluttagliste;
    const TTagSet &Tagliste;
};

// Builds the tag tree of a whole text (line breaks as CR LF) by scanning it
// once. Progress is reported in percent while lines are passed (the caller
// reports 0 before); the nodes built so far are kept when the scan fails.
class TStructureReader {
public:
    using Progress = std::function<void(int)>;

    TStructureReader(const TStructureLists &lists, Progress progress = {});
    // True when the scan ran to the end of the text.
    bool read(const QString &text);
    std::vector<TTagTree::Node> takeNodes() { return std::move(m_nodes); }

private:
    enum class Kind : quint8 { Excluded, Void, WithEnd, Unlisted };
    // What the lists say about one distinct name, looked up once per read.
    struct Name {
        QString name;
        QString endName;  // "/" + name
        Kind kind;
        bool scriptOrStyle;
    };

    int nameId(const QString &text, int from, int length);
    int addChild(int parent, const QString &name, int nameId, int index, quint8 tagEnd, const QString &attr);
    void placeAfter(int id, int after);
    void relabel();
    QString attrListe(const QString &text, int from) const;
    void startTag(const QString &text, int name, int from, int index, bool open);
    void endTag(int name, int index);
    int lastOpenBefore(const std::vector<int> &open, int id, bool inclusive) const;
    void insertOpen(std::vector<int> &open, int id);
    void eraseOpen(std::vector<int> &open, int id);
    void setOpen(int id, bool open);

    TStructureLists m_lists;
    Progress m_progress;
    std::vector<TTagTree::Node> m_nodes;
    std::vector<int> m_nameOf;  // name id per node (-1 for end-tag nodes and the root)
    std::vector<Name> m_names;
    QHash<QString, int> m_nameIds;
    // Tree order as a linked list with ordered labels, and the open nodes
    // sorted by label (all of them, and per name), so "the last open node
    // before this one" is a bisection instead of a walk through the tree.
    std::vector<quint64> m_label;
    std::vector<int> m_next;
    std::vector<int> m_open;
    std::vector<std::vector<int>> m_openByName;
    int m_current = 0;
};

} // namespace taglund
