#pragma once
#include <QAbstractItemModel>
#include <QString>
#include <vector>

namespace taglund {

// The record behind every node of the tag tree.
struct TData {
    int Index = 0;      // offset in Text() of the "<" that starts the tag
    quint8 TagEnd = 0;  // 0 open, 1 closed, 3 end tag without start tag
    QString AttrListe;  // start tags: the attribute names, blank-separated, ending with a blank
};

// The tag tree of a document as one compact vector of nodes, shown by a
// QTreeView without a widget item per node. A node's text is its tag name
// followed by the remarks the checks append.
class TTagTree : public QAbstractItemModel {
    Q_OBJECT
public:
    enum Roles { IndexRole = Qt::UserRole + 1, TagEndRole, AttrListeRole };

    struct Node {
        QString name;    // tag name: element name, "/" + name, or "Hjemmeside"
        QString remark;  // appended after the name, begins with a blank
        TData data;
        int parent = -1;
        int row = 0;
        std::vector<int> children;
    };

    explicit TTagTree(QObject *parent = nullptr);

    // Whole-tree replacement, as one model reset.
    void setNodes(std::vector<Node> nodes, int strukturNo);
    void clear();
    bool isEmpty() const { return m_nodes.empty(); }
    int count() const { return int(m_nodes.size()); }
    // The document number the tree was read from (-1 when none).
    int strukturNo() const { return m_strukturNo; }

    const Node &node(int id) const { return m_nodes[size_t(id)]; }
    QString text(int id) const { return m_nodes[size_t(id)].name + m_nodes[size_t(id)].remark; }
    void setRemark(int id, const QString &remark) { m_nodes[size_t(id)].remark = remark; }
    // Tells views that remarks changed (after a check).
    void remarksChanged();
    // Every node in tree order (pre-order), the root first.
    std::vector<int> preOrder() const;

    int nodeOf(const QModelIndex &index) const;
    QModelIndex indexOf(int id) const;

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    std::vector<Node> m_nodes;
    int m_strukturNo = -1;
};

// The part of a node text before its first blank.
QString GetNodeTag(const QString &S);

} // namespace taglund
