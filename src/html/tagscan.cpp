#include "html/tagscan.h"

#include "core/text/doctext.h"
#include "html/tagset.h"

#include <QTextDocument>
#include <algorithm>
#include <limits>

namespace taglund {

namespace TagScan {

QString readName(const TDocText &doc, int pos)
{
    return readName([&doc](int i) { return doc.CharAt(i); }, pos, doc.Length());
}

} // namespace TagScan

void TTagIndex::clear()
{
    m_lt.clear();
    m_gt.clear();
    m_balance.clear();
    m_maxTree.clear();
    m_leaves = 0;
    m_built = false;
}

void TTagIndex::build(const TDocText &doc, const TTagSet &noEndTag)
{
    clear();
    const QString raw = doc.document()->toRawText();
    const int length = doc.Length();
    auto at = [&raw](int i) {
        const QChar c = raw[i];
        return (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) ? QChar(u'\n') : c;
    };
    m_balance.push_back(0);
    for (int i = 0; i < length; ++i) {
        const QChar c = raw[i];
        if (c == u'>') {
            m_gt.push_back(i);
        } else if (c == u'<') {
            int step;
            if (i + 1 < length && raw[i + 1] == u'/')
                step = 1;
            else
                step = noEndTag.contains(TagScan::readName(at, i + 1, length)) ? 0 : -1;
            m_lt.push_back(i);
            m_balance.push_back(m_balance.back() + step);
        }
    }
    m_leaves = int(m_balance.size());
    int size = 1;
    while (size < m_leaves)
        size *= 2;
    m_maxTree.assign(size_t(2 * size), std::numeric_limits<int>::min());
    // Leaves are stored implicitly over [0, size); build bottom-up.
    for (int i = 0; i < m_leaves; ++i)
        m_maxTree[size_t(size + i)] = m_balance[size_t(i)];
    for (int n = size - 1; n >= 1; --n)
        m_maxTree[size_t(n)] = std::max(m_maxTree[size_t(2 * n)], m_maxTree[size_t(2 * n + 1)]);
    m_built = true;
}

int TTagIndex::lastOpenBefore(int pos) const
{
    auto it = std::lower_bound(m_lt.begin(), m_lt.end(), pos);
    return it == m_lt.begin() ? -1 : *(it - 1);
}

bool TTagIndex::anyCloseIn(int from, int to) const
{
    if (from > to)
        return false;
    auto it = std::lower_bound(m_gt.begin(), m_gt.end(), from);
    return it != m_gt.end() && *it <= to;
}

int TTagIndex::rightmostAtLeast(int node, int lo, int hi, int r, int target) const
{
    if (lo > r || m_maxTree[size_t(node)] < target)
        return -1;
    if (lo == hi)
        return lo;
    const int mid = lo + (hi - lo) / 2;
    const int right = rightmostAtLeast(2 * node + 1, mid + 1, hi, r, target);
    return right >= 0 ? right : rightmostAtLeast(2 * node, lo, mid, r, target);
}

int TTagIndex::openElementBefore(int pos) const
{
    if (!m_built)
        return -1;
    // m tags lie before pos; the balance scanned from tag m-1 down to tag j
    // is m_balance[m] - m_balance[j], so the wanted tag is the last j < m
    // whose prefix reaches m_balance[m] + 1.
    const int m = int(std::lower_bound(m_lt.begin(), m_lt.end(), pos) - m_lt.begin());
    if (m == 0)
        return -1;
    const int size = int(m_maxTree.size() / 2);
    const int j = rightmostAtLeast(1, 0, size - 1, m - 1, m_balance[size_t(m)] + 1);
    return j < 0 ? -1 : m_lt[size_t(j)];
}

} // namespace taglund
