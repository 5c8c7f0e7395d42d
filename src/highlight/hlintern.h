#pragma once
#include "highlight/hlregler.h"

namespace taglund::hl {

// Collects the spans of a line: plain stretches are left out, and touching
// stretches of one kind make one span.
class Emitter {
public:
    explicit Emitter(TSpans &out) : m_out(out) {}
    void operator()(int start, int length, TKategori k)
    {
        if (length <= 0 || k == TKategori::Normal)
            return;
        if (!m_out.empty() && m_out.back().kategori == k && m_out.back().start + m_out.back().length == start) {
            m_out.back().length += length;
            return;
        }
        m_out.push_back({start, length, k});
    }

private:
    TSpans &m_out;
};

inline bool startsAt(QStringView line, int at, QStringView word, Qt::CaseSensitivity cs = Qt::CaseSensitive)
{
    return at >= 0 && at + word.size() <= line.size() && line.mid(at, word.size()).compare(word, cs) == 0;
}

} // namespace taglund::hl
