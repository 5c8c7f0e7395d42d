#include "script/valuesindex.h"

#include "structures/struktur.h"

#include <algorithm>
#include <functional>

namespace taglund {

void TValuesIndex::clear()
{
    m_nodes.clear();
    m_end = 0;
    m_sections.clear();
    m_positions.clear();
    m_skipped.clear();
}

void TValuesIndex::build(const TStruktur *s)
{
    clear();
    if (!s)
        return;
    const auto &order = s->tree().preorder();
    m_nodes.reserve(int(order.size()));
    m_end = -1;
    std::function<int(const TStrukturNode *)> descendants = [&](const TStrukturNode *n) {
        int d = 0;
        for (int c = 0; c < n->childCount(); ++c)
            d += 1 + descendants(n->child(c));
        return d;
    };
    for (const TStrukturNode *n : order) {
        Node v;
        v.subtreeEnd = int(m_nodes.size()) + 1 + descendants(n);
        v.text = n->text;
        v.key = n->text.toLower();
        v.icon = n->icon;
        v.hasData = n->hasData;
        v.payload = n->payload();
        v.parentText = n->parent ? n->parent->text : n->text;
        if (m_end < 0 && n->text == QLatin1String("Stop"))
            m_end = int(m_nodes.size());
        m_nodes.push_back(v);
    }
    if (m_end < 0)
        m_end = int(m_nodes.size());
    for (int i = 0; i < m_end; ++i) {
        const Node &v = m_nodes.at(i);
        m_positions[v.key].push_back(i);
        if (v.icon >= 0 && v.icon < 3 && !m_sections.contains(v.key))
            m_sections.insert(v.key, i);
    }
    for (int r = 0; r < s->tree().rootCount(); ++r) {
        const TStrukturNode *root = s->tree().root(r);
        if (root->text != QLatin1String("Word"))
            continue;
        for (int c = 0; c < root->childCount(); ++c)
            if (root->child(c)->payload() != QLatin1String("+"))
                m_skipped.insert(root->child(c)->text.toLower());
        break;
    }
}

int TValuesIndex::section(const QString &name) const
{
    return m_sections.value(name.toLower(), -1);
}

int TValuesIndex::membersEnd(int section) const
{
    if (section < 0 || section >= m_end)
        return m_end;
    const int sub = m_nodes.at(section).subtreeEnd;
    return sub > section + 1 ? std::min(sub, m_end) : m_end;
}

int TValuesIndex::firstFrom(const QString &name, int from, int until) const
{
    auto it = m_positions.constFind(name.toLower());
    if (it == m_positions.constEnd())
        return -1;
    const QVector<int> &at = *it;
    auto pos = std::lower_bound(at.begin(), at.end(), std::max(from, 0));
    if (pos == at.end())
        return -1;
    const int limit = until < 0 ? m_end : std::min(until, m_end);
    return *pos < limit ? *pos : -1;
}

} // namespace taglund
