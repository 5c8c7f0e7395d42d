#pragma once
#include "html/textmirror.h"

#include <QString>
#include <vector>

namespace taglund {

class TDocText;
class TTagSet;

namespace TagScan {

// Characters that end an element name as a blank does.
inline bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

// The name after a "<" (or "</"), starting at pos: up to a blank, line
// break, tab, ">" or "<" (not taken) or a "%" (taken, and the name ends).
template <typename At>
QString readName(At at, int pos, int length)
{
    QString name;
    for (int i = pos; i < length; ++i) {
        const QChar c = at(i);
        if (isBlank(c) || c == u'>' || c == u'<')
            break;
        name += c;
        if (c == u'%')
            break;
    }
    return name;
}

} // namespace TagScan

// Reads a document's characters by caret offset (a line break reads as
// '\n', outside the text '\0'): from the document's mirror when it has one,
// otherwise through a window of the text fetched in one piece, so a scan of
// a few thousand characters around the caret does not look each one up in
// the document.
class TDocScanner {
public:
    // Which way the scan mostly runs, so the window holds more text that way.
    enum Direction { Leftwards, Rightwards };
    // `span`: how far the scan is expected to read, when that is known to be
    // short (an edit read again), so the first window is no larger.
    explicit TDocScanner(const TDocText &doc, Direction direction = Leftwards,
                         const TTextMirror *mirror = nullptr, int span = 0);
    int length() const { return m_length; }
    bool readsMirror() const { return m_mirror; }
    QChar at(int pos)
    {
        if (m_mirror)
            return m_mirror->at(pos);
        if (pos < 0 || pos >= m_length)
            return QChar(u'\0');
        if (pos < m_base || pos >= m_base + int(m_window.size()))
            fetch(pos);
        return m_window[pos - m_base];
    }
    QString readName(int pos)
    {
        return TagScan::readName([this](int i) { return at(i); }, pos, m_length);
    }

private:
    void fetch(int pos);
    void appendRange(QString &out, int from, int to) const;

    const TDocText &m_doc;
    const TTextMirror *m_mirror;  // only when it holds this document's text
    int m_length;
    Direction m_direction;
    int m_before;
    int m_after;
    int m_base = 0;
    QString m_window;
};

// Where the tags of a document lie, so that questions about a large
// document are answered without walking it: every "<" with what it does to
// the open-element balance, every ">". Built when a scan near the caret did
// not settle a question, then kept up to date edit by edit.
class TTagIndex {
public:
    void build(const TDocText &doc, const TTagSet &noEndTag, const TTextMirror *mirror = nullptr);
    // The document replaced `removed` characters at pos by `added` ones.
    // Only the tags in and just before that stretch are read again; an edit
    // that does not fit what the index holds drops it.
    void edit(const TDocText &doc, const TTagSet &noEndTag, int pos, int removed, int added,
              const TTextMirror *mirror = nullptr);
    // Built from these lists, and holding as many characters as the
    // document: every edit since the build has been applied.
    bool isFor(const TDocText &doc, int listGeneration) const;
    bool built() const { return m_built; }
    void stamp(int listGeneration) { m_generation = listGeneration; }
    void clear();

    // The last "<" before caret offset pos, or -1.
    int lastOpenBefore(int pos) const;
    // Whether a ">" lies at an offset in [from, to].
    bool anyCloseIn(int from, int to) const;
    // Scanning left from pos - 1, the "<" where the balance of start and end
    // tags first drops below zero, or -1.
    int openElementBefore(int pos);

private:
    void scan(TDocScanner &text, const TTagSet &noEndTag, int from, int to, std::vector<int> &lt,
              std::vector<qint8> &steps, std::vector<int> &gt, int gtFrom) const;
    void ensureSums();
    // The last index <= r whose balance is at least target, or -1.
    int rightmostAtLeast(int r, int target) const;

    std::vector<int> m_lt;       // offsets of "<"
    std::vector<qint8> m_steps;  // per "<": +1 end tag, -1 start tag of an element with end tag, else 0
    std::vector<int> m_gt;       // offsets of ">"
    std::vector<int> m_balance;  // m_balance[j]: sum of the steps of the first j "<"
    std::vector<int> m_maxTree;  // segment tree of maxima over m_balance
    int m_length = 0;
    bool m_sumsDirty = true;
    bool m_built = false;
    int m_generation = -1;
};

} // namespace taglund
