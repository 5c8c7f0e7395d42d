#include "highlight/tagpartner.h"

#include "core/text/doctext.h"

#include <QHash>

namespace taglund {

namespace {

// A tag longer than this is taken for a stray "<".
constexpr int kLongestTag = 8192;

} // namespace

QStringList TTagPartner::builtInNoEndTags()
{
    return QString::fromLatin1("!-- !DOCTYPE % ?xml area base br col embed hr img input link meta param source "
                               "track wbr")
        .split(u' ');
}

void TTagPartner::edit(int pos, int removed, int added)
{
    if (m_index.built())
        m_index.edit(m_doc, m_noEnd, pos, removed, added);
}

TTagPartner::Tag TTagPartner::readTag(int lt)
{
    TDocScanner text(m_doc, TDocScanner::Rightwards);
    if (lt < 0 || text.at(lt) != u'<')
        return {};
    Tag t;
    t.endTag = text.at(lt + 1) == u'/';
    t.name = text.readName(lt + (t.endTag ? 2 : 1));
    if (t.name.isEmpty() || !t.name[0].isLetter())
        return {};
    const int limit = std::min(text.length(), lt + kLongestTag);
    for (int i = lt + 1; i < limit; ++i) {
        const QChar c = text.at(i);
        if (c == u'<')
            return {};
        if (c == u'>') {
            t.start = lt;
            t.end = i + 1;
            return t;
        }
    }
    return {};
}

TTagPartner::Tag TTagPartner::forwardPartner(const Tag &start)
{
    // The same rule as the index: an end tag closes, a start tag of an
    // element with end tag opens, everything else leaves the depth.
    TDocScanner text(m_doc, TDocScanner::Rightwards);
    QHash<QString, bool> opens;
    int depth = 0;
    const int n = text.length();
    for (int i = start.end; i < n; ++i) {
        if (text.at(i) != u'<')
            continue;
        if (text.at(i + 1) == u'/') {
            if (depth == 0) {
                Tag t = readTag(i);
                return t.valid() && t.name.compare(start.name, Qt::CaseInsensitive) == 0 ? t : Tag{};
            }
            --depth;
            continue;
        }
        const QString name = text.readName(i + 1);
        auto it = opens.constFind(name);
        if (it == opens.constEnd())
            it = opens.insert(name, !m_noEnd.contains(name));
        if (it.value())
            ++depth;
    }
    return {};
}

TTagPartner::Match TTagPartner::find(int caret)
{
    if (!m_index.isFor(m_doc, 0)) {
        m_index.build(m_doc, m_noEnd);
        m_index.stamp(0);
    }
    Match m;
    const int lt = m_index.lastOpenBefore(caret + 1);
    m.here = readTag(lt);
    if (!m.here.valid() || caret > m.here.end) {
        m.here = {};
        return m;
    }
    if (m.here.endTag) {
        const Tag s = readTag(m_index.openElementBefore(lt));
        if (s.valid() && !s.endTag && s.name.compare(m.here.name, Qt::CaseInsensitive) == 0)
            m.partner = s;
        return m;
    }
    if (m_noEnd.contains(m.here.name))
        return m;
    TDocScanner text(m_doc, TDocScanner::Leftwards);
    if (text.at(m.here.end - 2) == u'/')   // "<br/>", "<div />"
        return m;
    m.partner = forwardPartner(m.here);
    return m;
}

} // namespace taglund
