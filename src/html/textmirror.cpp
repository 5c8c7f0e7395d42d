#include "html/textmirror.h"

#include "core/text/doctext.h"

#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>
#include <cstring>

namespace taglund {

namespace {
// Room left for typing after a build or a move of the gap.
constexpr int kGap = 4096;
// Larger insertions (a paste of a whole page, undoing a replace-all) are
// cheaper to copy afresh than character by character.
constexpr int kLargestEdit = 64 * 1024;

QChar asMirrored(QChar c)
{
    return (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) ? QChar(u'\n') : c;
}
} // namespace

void TTextMirror::clear()
{
    m_buffer.clear();
    m_buffer.shrink_to_fit();
    m_gapStart = m_gapLength = 0;
    m_built = false;
}

bool TTextMirror::isFor(const TDocText &doc) const
{
    return m_built && length() == doc.Length();
}

void TTextMirror::build(const TDocText &doc)
{
    clear();
    const int length = doc.Length();
    m_buffer.reserve(size_t(length) + kGap);
    // Block by block: a block's text is one copy, a character lookup a search.
    for (QTextBlock b = doc.document()->begin(); b.isValid(); b = b.next()) {
        const QString t = b.text();
        for (QChar c : t)
            m_buffer.push_back(asMirrored(c));
        if (b.next().isValid())
            m_buffer.push_back(QChar(u'\n'));
    }
    if (int(m_buffer.size()) != length) {
        // Tables and frames of rich text hold characters no block shows;
        // such a document is read where it lies.
        clear();
        return;
    }
    m_gapStart = length;
    m_gapLength = 0;
    ensureGap(kGap);
    m_built = true;
}

void TTextMirror::moveGap(int pos)
{
    if (pos == m_gapStart)
        return;
    QChar *data = m_buffer.data();
    if (pos < m_gapStart) {
        // [pos, gapStart) moves to just before the gap's far end.
        const int count = m_gapStart - pos;
        std::memmove(data + pos + m_gapLength, data + pos, size_t(count) * sizeof(QChar));
    } else {
        const int count = pos - m_gapStart;
        std::memmove(data + m_gapStart, data + m_gapStart + m_gapLength, size_t(count) * sizeof(QChar));
    }
    m_gapStart = pos;
}

void TTextMirror::ensureGap(int need)
{
    if (m_gapLength >= need)
        return;
    // Growing moves everything after the gap, so grow with the text.
    const int grow = std::max({need - m_gapLength, kGap, int(m_buffer.size() / 256)});
    m_buffer.insert(m_buffer.begin() + m_gapStart + m_gapLength, size_t(grow), QChar());
    m_gapLength += grow;
}

void TTextMirror::edit(const TDocText &doc, int pos, int removed, int added)
{
    if (!m_built)
        return;
    const int length = this->length();
    if (pos < 0 || removed < 0 || added < 0 || pos + removed > length || length - removed + added != doc.Length()
        || added > kLargestEdit) {
        clear();
        return;
    }
    moveGap(pos);
    m_gapLength += removed;  // the removed characters join the gap
    ensureGap(added);
    for (int i = 0; i < added; ++i)
        m_buffer[size_t(m_gapStart + i)] = asMirrored(doc.CharAt(pos + i));
    m_gapStart += added;
    m_gapLength -= added;
}

} // namespace taglund
