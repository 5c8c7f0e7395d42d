#include "html/tagscan.h"

#include "core/text/doctext.h"
#include "html/tagset.h"

#include <QHash>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>
#include <limits>

namespace taglund {

TDocScanner::TDocScanner(const TDocText &doc, Direction direction, const TTextMirror *mirror, int span)
    : m_doc(doc), m_mirror(mirror && mirror->isFor(doc) ? mirror : nullptr), m_length(doc.Length()), m_direction(direction), m_before(direction == Leftwards ? 96 : 64),
      m_after(direction == Leftwards ? 32 : span > 0 ? std::min(64 * 1024, 2 * span + 256) : 64 * 1024)
{
}

void TDocScanner::fetch(int pos)
{
    const int from = std::clamp(pos - m_before, 0, m_length);
    const int to = std::clamp(pos + m_after, from, m_length);
    // Most readings settle within a few characters of the caret; a scan
    // that keeps going gets ever larger windows.
    m_before = std::min(m_before * 2, 32 * 1024);
    if (m_direction == Rightwards)
        m_after = std::min(m_after * 2, 64 * 1024);
    const int end = m_base + int(m_window.size());
    if (!m_window.isEmpty() && from < m_base && pos < m_base && to >= m_base && to <= end) {
        // A scan running left: add only the stretch before what is held.
        const int newBase = from;
        QString more;
        appendRange(more, newBase, m_base);
        m_window.prepend(more);
        m_base = newBase;
        return;
    }
    m_window.clear();
    m_base = from;
    appendRange(m_window, from, to);
}

void TDocScanner::appendRange(QString &out, int from, int to) const
{
    out.reserve(out.size() + (to - from));
    // Block by block: a cursor would have the layout place each line it visits.
    QTextBlock b = m_doc.document()->findBlock(from);
    // A block's position is a search of its own; its length is not.
    for (int start = b.isValid() ? b.position() : to; b.isValid() && start < to; b = b.next()) {
        const QString t = b.text();
        const int end = start + int(t.size());  // where the block's line break stands
        const int skip = std::max(0, from - start);
        const int take = std::min(int(t.size()), to - start);
        if (take > skip)
            out += QStringView(t).mid(skip, take - skip);
        if (end < to && end >= from)
            out += u'\n';
        start = end + 1;
    }
}

void TTagIndex::clear()
{
    m_lt.clear();
    m_steps.clear();
    m_gt.clear();
    m_balance.clear();
    m_maxTree.clear();
    m_length = 0;
    m_sumsDirty = true;
    m_built = false;
}

void TTagIndex::scan(TDocScanner &text, const TTagSet &noEndTag, int from, int to, std::vector<int> &lt,
                     std::vector<qint8> &steps, std::vector<int> &gt, int gtFrom) const
{
    // A page repeats a few dozen names: look each up in the list once.
    QHash<QString, qint8> stepOf;
    for (int i = from; i < to; ++i) {
        const QChar c = text.at(i);
        if (c == u'>') {
            if (i >= gtFrom)
                gt.push_back(i);
        } else if (c == u'<') {
            qint8 step = 1;
            if (text.at(i + 1) != u'/') {
                const QString name = text.readName(i + 1);
                auto it = stepOf.constFind(name);
                if (it == stepOf.constEnd())
                    it = stepOf.insert(name, noEndTag.contains(name) ? 0 : -1);
                step = it.value();
            }
            lt.push_back(i);
            steps.push_back(step);
        }
    }
}

bool TTagIndex::isFor(const TDocText &doc, int listGeneration) const
{
    return m_built && listGeneration == m_generation && m_length == doc.Length();
}

void TTagIndex::build(const TDocText &doc, const TTagSet &noEndTag, const TTextMirror *mirror)
{
    clear();
    TDocScanner text(doc, TDocScanner::Rightwards, mirror);
    m_length = doc.Length();
    scan(text, noEndTag, 0, m_length, m_lt, m_steps, m_gt, 0);
    m_built = true;
}

void TTagIndex::edit(const TDocText &doc, const TTagSet &noEndTag, int pos, int removed, int added,
                     const TTextMirror *mirror)
{
    if (!m_built)
        return;
    const int delta = added - removed;
    if (pos < 0 || removed < 0 || added < 0 || pos + removed > m_length || m_length + delta != doc.Length()) {
        clear();
        return;
    }
    // The name of the last "<" before the edit may run into it; every
    // earlier name ends at that "<" at the latest.
    const int before = lastOpenBefore(pos);
    const int from = before < 0 ? pos : before;
    const int oldEnd = pos + removed;

    auto ltFirst = std::lower_bound(m_lt.begin(), m_lt.end(), from);
    auto ltLast = std::lower_bound(ltFirst, m_lt.end(), oldEnd);
    const auto ltAt = ltFirst - m_lt.begin();
    m_steps.erase(m_steps.begin() + ltAt, m_steps.begin() + (ltLast - m_lt.begin()));
    m_lt.erase(ltFirst, ltLast);
    auto gtFirst = std::lower_bound(m_gt.begin(), m_gt.end(), pos);
    auto gtLast = std::lower_bound(gtFirst, m_gt.end(), oldEnd);
    const auto gtAt = gtFirst - m_gt.begin();
    m_gt.erase(gtFirst, gtLast);
    if (delta != 0) {
        for (auto it = m_lt.begin() + ltAt; it != m_lt.end(); ++it)
            *it += delta;
        for (auto it = m_gt.begin() + gtAt; it != m_gt.end(); ++it)
            *it += delta;
    }
    m_length = doc.Length();

    TDocScanner text(doc, TDocScanner::Rightwards, mirror, pos + added - from);
    std::vector<int> lt, gt;
    std::vector<qint8> steps;
    scan(text, noEndTag, from, pos + added, lt, steps, gt, pos);
    m_lt.insert(m_lt.begin() + ltAt, lt.begin(), lt.end());
    m_steps.insert(m_steps.begin() + ltAt, steps.begin(), steps.end());
    m_gt.insert(m_gt.begin() + gtAt, gt.begin(), gt.end());
    m_sumsDirty = true;
}

void TTagIndex::ensureSums()
{
    if (!m_sumsDirty)
        return;
    m_balance.assign(m_lt.size() + 1, 0);
    for (size_t j = 0; j < m_steps.size(); ++j)
        m_balance[j + 1] = m_balance[j] + m_steps[j];
    const int leaves = int(m_balance.size());
    int size = 1;
    while (size < leaves)
        size *= 2;
    m_maxTree.assign(size_t(2 * size), std::numeric_limits<int>::min());
    for (int i = 0; i < leaves; ++i)
        m_maxTree[size_t(size + i)] = m_balance[size_t(i)];
    for (int n = size - 1; n >= 1; --n)
        m_maxTree[size_t(n)] = std::max(m_maxTree[size_t(2 * n)], m_maxTree[size_t(2 * n + 1)]);
    m_sumsDirty = false;
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

int TTagIndex::rightmostAtLeast(int r, int target) const
{
    // Up from leaf r: the first left sibling (a stretch just before what was
    // seen) holding a value >= target, then down its rightmost such path.
    const int size = int(m_maxTree.size() / 2);
    int i = size + r;
    if (m_maxTree[size_t(i)] >= target)
        return r;
    for (; i > 1; i /= 2) {
        if ((i & 1) && m_maxTree[size_t(i - 1)] >= target) {
            i -= 1;
            while (i < size)
                i = m_maxTree[size_t(2 * i + 1)] >= target ? 2 * i + 1 : 2 * i;
            return i - size;
        }
    }
    return -1;
}

int TTagIndex::openElementBefore(int pos)
{
    if (!m_built)
        return -1;
    ensureSums();
    // m tags lie before pos; the balance scanned from tag m-1 down to tag j
    // is m_balance[m] - m_balance[j], so the wanted tag is the last j < m
    // whose prefix reaches m_balance[m] + 1.
    const int m = int(std::lower_bound(m_lt.begin(), m_lt.end(), pos) - m_lt.begin());
    if (m == 0)
        return -1;
    const int j = rightmostAtLeast(m - 1, m_balance[size_t(m)] + 1);
    return j < 0 ? -1 : m_lt[size_t(j)];
}

} // namespace taglund
