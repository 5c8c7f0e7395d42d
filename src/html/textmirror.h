#pragma once
#include <QChar>
#include <vector>

namespace taglund {

class TDocText;

// A copy of a large document's characters (line breaks as '\n'), kept in
// step with its edits, so the caret reader looks characters up directly
// instead of searching the document's block tree for each stretch. The copy
// is a gap buffer: typing in one place moves nothing but the gap.
class TTextMirror {
public:
    void build(const TDocText &doc);
    // The document replaced `removed` characters at pos by `added` ones. An
    // edit that does not fit what the copy holds, or a very large one,
    // drops the copy; it is built again when next needed.
    void edit(const TDocText &doc, int pos, int removed, int added);
    void clear();

    // Built, and holding as many characters as the document.
    bool isFor(const TDocText &doc) const;
    bool built() const { return m_built; }
    int length() const { return int(m_buffer.size()) - m_gapLength; }
    QChar at(int pos) const
    {
        if (pos < 0 || pos >= length())
            return QChar(u'\0');
        return m_buffer[size_t(pos < m_gapStart ? pos : pos + m_gapLength)];
    }

private:
    void moveGap(int pos);
    void ensureGap(int need);

    std::vector<QChar> m_buffer;
    int m_gapStart = 0;
    int m_gapLength = 0;
    bool m_built = false;
};

} // namespace taglund
