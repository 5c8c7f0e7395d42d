#include "structures/strukturtree.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>

namespace taglund {

void TStrukturTree::clear()
{
    m_roots.clear();
    m_appendPath.clear();
    invalidate();
}

const std::vector<TStrukturNode *> &TStrukturTree::preorder() const
{
    if (!m_orderValid) {
        m_order.clear();
        forEach([this](TStrukturNode *n) { m_order.push_back(n); });
        m_orderValid = true;
    }
    return m_order;
}

int TStrukturTree::count() const
{
    return int(preorder().size());
}

TStrukturNode *TStrukturTree::node(int index) const
{
    const auto &order = preorder();
    if (index < 0 || index >= int(order.size()))
        return nullptr;
    return order[size_t(index)];
}

int TStrukturTree::indexOf(const TStrukturNode *n) const
{
    if (!n)
        return -1;
    const auto &order = preorder();
    auto it = std::find(order.begin(), order.end(), n);
    return it == order.end() ? -1 : int(it - order.begin());
}

TStrukturNode *TStrukturTree::next(const TStrukturNode *n) const
{
    const int i = indexOf(n);
    return i < 0 ? nullptr : node(i + 1);
}

void TStrukturTree::forEach(const std::function<void(TStrukturNode *)> &f) const
{
    // Iterative, so a hand-made file with thousands of levels cannot exhaust the stack.
    std::vector<TStrukturNode *> stack;
    for (auto it = m_roots.rbegin(); it != m_roots.rend(); ++it)
        stack.push_back(it->get());
    while (!stack.empty()) {
        TStrukturNode *n = stack.back();
        stack.pop_back();
        f(n);
        for (auto it = n->children.rbegin(); it != n->children.rend(); ++it)
            stack.push_back(it->get());
    }
}

TStrukturNode *TStrukturTree::appendAtDepth(int depth, const QString &text)
{
    depth = std::clamp(depth, 0, int(m_appendPath.size()));
    auto owned = std::make_unique<TStrukturNode>();
    owned->text = text;
    TStrukturNode *n = owned.get();
    if (depth == 0) {
        m_roots.push_back(std::move(owned));
    } else {
        TStrukturNode *parent = m_appendPath[size_t(depth - 1)];
        owned->parent = parent;
        parent->children.push_back(std::move(owned));
    }
    m_appendPath.resize(size_t(depth));
    m_appendPath.push_back(n);
    invalidate();
    return n;
}

std::vector<TStrukturTree::Owned> &TStrukturTree::siblingsOf(TStrukturNode *n)
{
    return n->parent ? n->parent->children : m_roots;
}

TStrukturTree::Owned TStrukturTree::detach(TStrukturNode *n)
{
    auto &list = siblingsOf(n);
    auto it = std::find_if(list.begin(), list.end(), [n](const Owned &o) { return o.get() == n; });
    Owned owned = std::move(*it);
    list.erase(it);
    owned->parent = nullptr;
    invalidate();
    m_appendPath.clear();
    return owned;
}

void TStrukturTree::attach(TStrukturNode *ref, TNodeAttachMode mode, Owned node)
{
    invalidate();
    m_appendPath.clear();
    if (!ref) {
        m_roots.push_back(std::move(node));
        return;
    }
    if (mode == naAddChild || mode == naAddChildFirst) {
        node->parent = ref;
        auto pos = mode == naAddChild ? ref->children.end() : ref->children.begin();
        ref->children.insert(pos, std::move(node));
        return;
    }
    auto &list = siblingsOf(ref);
    node->parent = ref->parent;
    switch (mode) {
    case naAddFirst:
        list.insert(list.begin(), std::move(node));
        break;
    case naInsert: {
        auto it = std::find_if(list.begin(), list.end(), [ref](const Owned &o) { return o.get() == ref; });
        list.insert(it, std::move(node));
        break;
    }
    default:
        list.push_back(std::move(node));
        break;
    }
}

TStrukturNode *TStrukturTree::insert(TStrukturNode *ref, TNodeAttachMode mode, Owned node)
{
    TStrukturNode *n = node.get();
    attach(isEmpty() ? nullptr : ref, mode, std::move(node));
    return n;
}

bool TStrukturTree::contains(const TStrukturNode *ancestor, const TStrukturNode *n)
{
    for (; n; n = n->parent)
        if (n == ancestor)
            return true;
    return false;
}

bool TStrukturTree::move(TStrukturNode *node, TStrukturNode *ref, TNodeAttachMode mode)
{
    if (!node || !ref || contains(node, ref))
        return false;
    attach(ref, mode, detach(node));
    return true;
}

void TStrukturTree::remove(TStrukturNode *node)
{
    if (node)
        detach(node);
}

void TStrukturTree::sort(const std::function<bool(const QString &, const QString &)> &less)
{
    auto sortList = [&less](std::vector<Owned> &list) {
        std::stable_sort(list.begin(), list.end(),
                         [&less](const Owned &a, const Owned &b) { return less(a->text, b->text); });
    };
    sortList(m_roots);
    forEach([&sortList](TStrukturNode *n) { sortList(n->children); });
    invalidate();
    m_appendPath.clear();
}

bool strukturLess(const QString &a, const QString &b)
{
    static thread_local QCollator loose = [] {
        QCollator c{QLocale()};
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    static thread_local QCollator strict = [] {
        QCollator c{QLocale()};
        c.setCaseSensitivity(Qt::CaseSensitive);
        return c;
    }();
    const int r = loose.compare(a, b);
    if (r != 0)
        return r < 0;
    return strict.compare(a, b) < 0;
}

} // namespace taglund
