#pragma once
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

QString readName(const TDocText &doc, int pos);

} // namespace TagScan

// Where the tags of a document lie, so that questions about a large
// document are answered without walking it: every "<" with what it does to
// the open-element balance, every ">". Built once per text revision and
// only when a scan near the caret did not settle the question.
class TTagIndex {
public:
    void build(const TDocText &doc, const TTagSet &noEndTag);
    bool isFor(int revision, int listGeneration) const
    {
        return m_built && revision == m_revision && listGeneration == m_generation;
    }
    void stamp(int revision, int listGeneration)
    {
        m_revision = revision;
        m_generation = listGeneration;
    }
    void clear();

    // The last "<" before caret offset pos, or -1.
    int lastOpenBefore(int pos) const;
    // Whether a ">" lies at an offset in [from, to].
    bool anyCloseIn(int from, int to) const;
    // Scanning left from pos - 1, the "<" where the balance of start and end
    // tags first drops below zero, or -1.
    int openElementBefore(int pos) const;

private:
    int rightmostAtLeast(int node, int lo, int hi, int r, int target) const;

    std::vector<int> m_lt;       // offsets of "<"
    std::vector<int> m_gt;       // offsets of ">"
    std::vector<int> m_balance;  // m_balance[j]: sum of the steps of the first j "<"
    std::vector<int> m_maxTree;  // segment tree of maxima over m_balance
    int m_leaves = 0;
    bool m_built = false;
    int m_revision = -1;
    int m_generation = -1;
};

} // namespace taglund
