#pragma once
#include "html/tagtree.h"

#include <QHash>
#include <functional>
#include <map>
#include <set>

namespace taglund {

class TTagSet;

// The lists the tree builder decides by.
struct TStructureLists {
    const TTagSet &Excludeliste;
    const TTagSet &Nosluttagliste;
    const TTagSet &Tagliste;
};

// Builds the tag tree of a whole text (line breaks as CR LF) by scanning it
// once. Progress is reported in percent while lines are passed; the nodes
// built so far are kept when the scan fails.
class TStructureReader {
public:
    using Progress = std::function<void(int)>;

    TStructureReader(const TStructureLists &lists, Progress progress = {});
    // True when the scan ran to the end of the text.
    bool read(const QString &text);
    std::vector<TTagTree::Node> takeNodes() { return std::move(m_nodes); }

private:
    int addChild(int parent, const QString &name, int index, quint8 tagEnd, const QString &attr);
    void placeAfter(int id, int after);
    void relabel();
    QString attrListe(const QString &text, int from) const;
    void startTag(const QString &text, const QString &name, int from, int index, bool open);
    void endTag(const QString &name, int index);
    int lastOpenBefore(int id, bool inclusive, const QString *name) const;
    void setOpen(int id, bool open);
    const QString &intern(const QString &name);

    TStructureLists m_lists;
    Progress m_progress;
    std::vector<TTagTree::Node> m_nodes;
    // Tree order as a linked list with ordered labels, so "the first open
    // node before this one" is a lookup instead of a walk.
    std::vector<quint64> m_label;
    std::vector<int> m_next;
    struct ByLabel {
        const std::vector<quint64> *label;
        bool operator()(int a, int b) const { return (*label)[size_t(a)] < (*label)[size_t(b)]; }
    };
    std::set<int, ByLabel> m_open;
    std::map<QString, std::set<int, ByLabel>> m_openByName;
    QHash<QString, QString> m_names;
    int m_current = 0;
};

} // namespace taglund
