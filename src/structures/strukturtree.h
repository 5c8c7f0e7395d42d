#pragma once
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

namespace taglund {

// Where a new or moved node goes relative to its reference node. The numbers
// are the values the constructor's choice box stores.
enum TNodeAttachMode {
    naAdd = 0,           // last sibling of the reference node
    naAddFirst = 1,      // first sibling
    naAddChild = 2,      // last child
    naAddChildFirst = 3, // first child
    naInsert = 4         // sibling immediately before
};

struct TStrukturNode {
    QString text;
    QString data;        // the whole data line, icon digit included
    bool hasData = false;
    int icon = -1;       // 0..9, -1 without a data file
    bool expanded = false;
    TStrukturNode *parent = nullptr;
    std::vector<std::unique_ptr<TStrukturNode>> children;

    // The data line without its icon digit.
    QString payload() const { return hasData ? data.mid(1) : QString(); }
    int childCount() const { return int(children.size()); }
    TStrukturNode *child(int i) const { return children[size_t(i)].get(); }
};

// An ordered forest of nodes. Index i is the node's place in pre-order (a
// node, then its subtree, then its next sibling), which is also its line in
// the tree file and the data file.
class TStrukturTree {
public:
    TStrukturTree() = default;
    TStrukturTree(const TStrukturTree &) = delete;
    TStrukturTree &operator=(const TStrukturTree &) = delete;

    void clear();
    bool isEmpty() const { return m_roots.empty(); }
    int count() const;
    TStrukturNode *node(int index) const;  // nullptr outside 0..count()-1
    int indexOf(const TStrukturNode *n) const;  // -1 when not in this tree
    TStrukturNode *next(const TStrukturNode *n) const;  // pre-order successor
    const std::vector<TStrukturNode *> &preorder() const;

    int rootCount() const { return int(m_roots.size()); }
    TStrukturNode *root(int i) const { return m_roots[size_t(i)].get(); }

    // Appends at the given depth below the last node appended, the way the
    // tree file is read: at most one level deeper than the line before.
    TStrukturNode *appendAtDepth(int depth, const QString &text);

    // Places a new node relative to ref (ignored, and the node made the first
    // root, while the tree is empty).
    TStrukturNode *insert(TStrukturNode *ref, TNodeAttachMode mode, std::unique_ptr<TStrukturNode> node);
    // Moves node with its subtree relative to ref. Refused (false, nothing
    // changed) when ref is the node itself or lies in its subtree.
    bool move(TStrukturNode *node, TStrukturNode *ref, TNodeAttachMode mode);
    void remove(TStrukturNode *node);

    static bool contains(const TStrukturNode *ancestor, const TStrukturNode *n);

    // Sorts the roots and every node's children; subtrees and data move with
    // their nodes, equal keys keep their order.
    void sort(const std::function<bool(const QString &, const QString &)> &less);

    void forEach(const std::function<void(TStrukturNode *)> &f) const;

private:
    using Owned = std::unique_ptr<TStrukturNode>;
    std::vector<Owned> &siblingsOf(TStrukturNode *n);
    Owned detach(TStrukturNode *n);
    void attach(TStrukturNode *ref, TNodeAttachMode mode, Owned node);
    void invalidate() { m_orderValid = false; }

    std::vector<Owned> m_roots;
    mutable std::vector<TStrukturNode *> m_order;
    mutable bool m_orderValid = true;
    std::vector<TStrukturNode *> m_appendPath;  // the last appended node's ancestors, for appendAtDepth
};

// The collation sort of the structures: by the user's locale, letters
// compared regardless of case first; case only orders otherwise equal texts.
bool strukturLess(const QString &a, const QString &b);

} // namespace taglund
