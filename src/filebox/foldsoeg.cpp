#include "filebox/foldsoeg.h"

#include <algorithm>

namespace taglund {

namespace {

constexpr uchar kIngen = 0xFF;   // folds to nothing the needle holds

constexpr std::array<uchar, 256> lowerTable()
{
    std::array<uchar, 256> t{};
    for (int i = 0; i < 256; ++i)
        t[i] = uchar(i >= 'A' && i <= 'Z' ? i + 32 : i);
    return t;
}
constexpr std::array<uchar, 256> kLower = lowerTable();

} // namespace

TFoldSoeg::TFoldSoeg(const QByteArray &needle, std::vector<Extra> extra) : m_extra(std::move(extra))
{
    for (char c : needle)
        m_needle.append(char(kLower[uchar(c)]));
    std::sort(m_extra.begin(), m_extra.end(), [](const Extra &a, const Extra &b) { return a.tegn < b.tegn; });
    const qsizetype m = m_needle.size();
    m_skip.fill(m);
    for (qsizetype i = 0; i + 1 < m; ++i)
        m_skip[uchar(m_needle[i])] = m - 1 - i;
}

uchar TFoldSoeg::fold(char16_t c) const
{
    if (c < 0x80)
        return kLower[c];
    auto it = std::lower_bound(m_extra.begin(), m_extra.end(), c, [](const Extra &e, char16_t v) { return e.tegn < v; });
    return it != m_extra.end() && it->tegn == c ? uchar(it->ascii) : kIngen;
}

qsizetype TFoldSoeg::indexIn(const char *hay, qsizetype n, qsizetype from) const
{
    const qsizetype m = m_needle.size();
    if (m == 0 || from < 0)
        return -1;
    const uchar *h = reinterpret_cast<const uchar *>(hay);
    const uchar *nd = reinterpret_cast<const uchar *>(m_needle.constData());
    const uchar last = nd[m - 1];
    for (qsizetype at = from; at + m <= n;) {
        const uchar c = kLower[h[at + m - 1]];
        if (c == last) {
            qsizetype k = m - 2;
            while (k >= 0 && kLower[h[at + k]] == nd[k])
                --k;
            if (k < 0)
                return at;
        }
        at += m_skip[c];
    }
    return -1;
}

qsizetype TFoldSoeg::indexIn(QStringView hay, qsizetype from) const
{
    const qsizetype m = m_needle.size();
    const qsizetype n = hay.size();
    if (m == 0 || from < 0)
        return -1;
    const char16_t *h = hay.utf16();
    const uchar *nd = reinterpret_cast<const uchar *>(m_needle.constData());
    const uchar last = nd[m - 1];
    for (qsizetype at = from; at + m <= n;) {
        const uchar c = fold(h[at + m - 1]);
        if (c == last) {
            qsizetype k = m - 2;
            while (k >= 0 && fold(h[at + k]) == nd[k])
                --k;
            if (k < 0)
                return at;
        }
        at += m_skip[c];
    }
    return -1;
}

} // namespace taglund
