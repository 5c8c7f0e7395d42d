#include "html/tagtree.h"

namespace taglund {

QString GetNodeTag(const QString &S)
{
    const qsizetype blank = S.indexOf(u' ');
    return blank < 0 ? S : S.left(blank);
}

TTagTree::TTagTree(QObject *parent) : QAbstractItemModel(parent) {}

void TTagTree::setNodes(std::vector<Node> nodes, int strukturNo)
{
    beginResetModel();
    m_nodes = std::move(nodes);
    m_strukturNo = strukturNo;
    endResetModel();
}

void TTagTree::clear()
{
    setNodes({}, -1);
}

void TTagTree::remarksChanged()
{
    if (m_nodes.empty())
        return;
    // Only texts changed; a layout signal makes views repaint what they show
    // without one signal per node.
    emit layoutAboutToBeChanged();
    emit layoutChanged();
}

std::vector<int> TTagTree::preOrder() const
{
    std::vector<int> order;
    if (m_nodes.empty())
        return order;
    order.reserve(m_nodes.size());
    std::vector<int> stack{0};
    while (!stack.empty()) {
        const int id = stack.back();
        stack.pop_back();
        order.push_back(id);
        const auto &kids = m_nodes[size_t(id)].children;
        for (auto it = kids.rbegin(); it != kids.rend(); ++it)
            stack.push_back(*it);
    }
    return order;
}

int TTagTree::nodeOf(const QModelIndex &index) const
{
    if (!index.isValid() || index.model() != this)
        return -1;
    const auto id = index.internalId();
    return id < m_nodes.size() ? int(id) : -1;
}

QModelIndex TTagTree::indexOf(int id) const
{
    if (id < 0 || id >= count())
        return {};
    return createIndex(m_nodes[size_t(id)].row, 0, quintptr(id));
}

QModelIndex TTagTree::index(int row, int column, const QModelIndex &parent) const
{
    if (column != 0 || row < 0)
        return {};
    if (!parent.isValid()) {
        if (row != 0 || m_nodes.empty())
            return {};
        return createIndex(0, 0, quintptr(0));
    }
    const int p = nodeOf(parent);
    if (p < 0)
        return {};
    const auto &kids = m_nodes[size_t(p)].children;
    if (row >= int(kids.size()))
        return {};
    return createIndex(row, 0, quintptr(kids[size_t(row)]));
}

QModelIndex TTagTree::parent(const QModelIndex &child) const
{
    const int id = nodeOf(child);
    if (id <= 0)
        return {};
    return indexOf(m_nodes[size_t(id)].parent);
}

int TTagTree::rowCount(const QModelIndex &parent) const
{
    if (!parent.isValid())
        return m_nodes.empty() ? 0 : 1;
    if (parent.column() != 0)
        return 0;
    const int id = nodeOf(parent);
    return id < 0 ? 0 : int(m_nodes[size_t(id)].children.size());
}

int TTagTree::columnCount(const QModelIndex &) const
{
    return 1;
}

QVariant TTagTree::data(const QModelIndex &index, int role) const
{
    const int id = nodeOf(index);
    if (id < 0)
        return {};
    const Node &n = m_nodes[size_t(id)];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return n.name + n.remark;
    case IndexRole:
        return n.data.Index;
    case TagEndRole:
        return int(n.data.TagEnd);
    case AttrListeRole:
        return n.data.AttrListe;
    default:
        return {};
    }
}

} // namespace taglund
