#include "html/structurereader.h"

#include "html/tagscan.h"
#include "html/tagset.h"

#include <algorithm>
#include <cmath>
#include <exception>

namespace taglund {

namespace {

constexpr quint64 kGap = quint64(1) << 32;

// A "<" followed by one of these starts no tag (comments, declarations,
// server code, processing instructions, a lone "<").
bool startsNoTag(QChar d)
{
    switch (d.unicode()) {
    case u' ': case u'!': case u'%': case u'-': case u'<': case u'>': case u'?':
    case u'\t': case u'\r': case u'\n':
        return true;
    default:
        return false;
    }
}

} // namespace

TStructureReader::TStructureReader(const TStructureLists &lists, Progress progress)
    : m_lists(lists), m_progress(std::move(progress))
{
}

int TStructureReader::nameId(const QString &text, int from, int length)
{
    const QString name = text.mid(from, length);
    auto it = m_nameIds.constFind(name);
    if (it != m_nameIds.constEnd())
        return it.value();
    Kind kind = Kind::Unlisted;
    if (m_lists.Excludeliste.contains(name))
        kind = Kind::Excluded;
    else if (m_lists.Nosluttagliste.contains(name))
        kind = Kind::Void;
    else if (m_lists.Tagliste.contains(name))
        kind = Kind::WithEnd;
    const bool scriptOrStyle = name.compare(u"script", Qt::CaseInsensitive) == 0
                               || name.compare(u"style", Qt::CaseInsensitive) == 0;
    const int id = int(m_names.size());
    m_names.push_back({name, u'/' + name, kind, scriptOrStyle});
    m_openByName.emplace_back();
    m_nameIds.insert(name, id);
    return id;
}

void TStructureReader::relabel()
{
    quint64 l = 0;
    for (int id = 0; id >= 0; id = m_next[size_t(id)], l += kGap)
        m_label[size_t(id)] = l;
}

void TStructureReader::placeAfter(int id, int after)
{
    const int next = m_next[size_t(after)];
    m_next.push_back(next);
    m_next[size_t(after)] = id;
    const quint64 lo = m_label[size_t(after)];
    const quint64 hi = next < 0 ? lo + 2 * kGap : m_label[size_t(next)];
    m_label.push_back(0);
    if (hi - lo >= 2)
        m_label[size_t(id)] = lo + (hi - lo) / 2;
    else
        relabel();
}

int TStructureReader::addChild(int parent, const QString &name, int nameId, int index, quint8 tagEnd,
                               const QString &attr)
{
    // A new last child follows the last node of its parent's subtree in tree order.
    int after = parent;
    while (!m_nodes[size_t(after)].children.empty())
        after = m_nodes[size_t(after)].children.back();
    const int id = int(m_nodes.size());
    TTagTree::Node &n = m_nodes.emplace_back();
    n.name = name;
    n.data.Index = index;
    n.data.TagEnd = tagEnd;
    n.data.AttrListe = attr;
    n.parent = parent;
    n.row = int(m_nodes[size_t(parent)].children.size());
    m_nameOf.push_back(nameId);
    m_nodes[size_t(parent)].children.push_back(id);
    placeAfter(id, after);
    return id;
}

int TStructureReader::lastOpenBefore(const std::vector<int> &open, int id, bool inclusive) const
{
    const quint64 l = m_label[size_t(id)];
    auto it = inclusive ? std::upper_bound(open.begin(), open.end(), l,
                                           [this](quint64 v, int n) { return v < m_label[size_t(n)]; })
                        : std::lower_bound(open.begin(), open.end(), l,
                                           [this](int n, quint64 v) { return m_label[size_t(n)] < v; });
    return it == open.begin() ? -1 : *std::prev(it);
}

void TStructureReader::insertOpen(std::vector<int> &open, int id)
{
    const quint64 l = m_label[size_t(id)];
    if (open.empty() || m_label[size_t(open.back())] < l) {
        open.push_back(id);  // the usual case: the newest node comes last
        return;
    }
    auto it = std::lower_bound(open.begin(), open.end(), l,
                               [this](int n, quint64 v) { return m_label[size_t(n)] < v; });
    open.insert(it, id);
}

void TStructureReader::eraseOpen(std::vector<int> &open, int id)
{
    if (!open.empty() && open.back() == id) {
        open.pop_back();
        return;
    }
    const quint64 l = m_label[size_t(id)];
    auto it = std::lower_bound(open.begin(), open.end(), l,
                               [this](int n, quint64 v) { return m_label[size_t(n)] < v; });
    if (it != open.end() && *it == id)
        open.erase(it);
}

void TStructureReader::setOpen(int id, bool open)
{
    auto &byName = m_openByName[size_t(m_nameOf[size_t(id)])];
    if (open) {
        m_nodes[size_t(id)].data.TagEnd = 0;
        insertOpen(m_open, id);
        insertOpen(byName, id);
    } else {
        m_nodes[size_t(id)].data.TagEnd = 1;
        eraseOpen(m_open, id);
        eraseOpen(byName, id);
    }
}

QString TStructureReader::attrListe(const QString &text, int from) const
{
    QString list;
    bool inQuotes = false;
    bool collecting = false;
    const int length = int(text.size());
    for (int j = from; j < length; ++j) {
        const QChar c = text[j];
        if (c == u'>')
            break;
        if (c == u'"') {
            inQuotes = !inQuotes;
            continue;
        }
        // CR LF is one line break: its LF acts as the blank.
        if (inQuotes || c == u'\r')
            continue;
        // An unquoted "<" begins the next tag: a start tag left without ">"
        // does not take the following tag's name as an attribute.
        if (c == u'<')
            break;
        if (TagScan::isBlank(c)) {
            if (collecting)
                list += u' ';
            collecting = true;
        } else if (c == u'=') {
            collecting = false;
            list += u' ';
        } else if (collecting) {
            list += c;
        }
    }
    if (!list.isEmpty())
        list += u' ';
    return list;
}

void TStructureReader::startTag(const QString &text, int name, int from, int index, bool open)
{
    const int id = addChild(m_current, m_names[size_t(name)].name, name, index, open ? 0 : 1,
                            attrListe(text, from));
    if (open) {
        setOpen(id, true);
        m_current = id;
    }
}

void TStructureReader::endTag(int name, int index)
{
    const int match = lastOpenBefore(m_openByName[size_t(name)], m_current, true);
    const int parent = m_nodes[size_t(m_current)].parent;
    const QString &endName = m_names[size_t(name)].endName;
    if (match < 0 || parent < 0) {
        addChild(m_current, endName, -1, index, 3, {});
        return;
    }
    setOpen(match, false);
    addChild(parent, endName, -1, index, 1, {});
    const int open = lastOpenBefore(m_open, m_current, false);
    if (open >= 0)
        m_current = open;
}

bool TStructureReader::read(const QString &text)
{
    m_nodes.clear();
    m_nameOf.clear();
    m_label.clear();
    m_next.clear();
    m_open.clear();
    m_openByName.clear();
    m_names.clear();
    m_nameIds.clear();
    m_current = 0;
    try {
        const size_t expected = size_t(text.count(u'<')) + 1;
        m_nodes.reserve(expected);
        m_nameOf.reserve(expected);
        m_label.reserve(expected);
        m_next.reserve(expected);

        TTagTree::Node &root = m_nodes.emplace_back();
        root.name = QStringLiteral("Hjemmeside");
        root.data.TagEnd = 1;
        m_nameOf.push_back(-1);
        m_label.push_back(0);
        m_next.push_back(-1);

        const int length = int(text.size());
        const int lines = int(text.count(u'\r')) + 1;
        int passed = 0;
        int reported = 0;
        bool collecting = false, endTagName = false, inScript = false;
        int nameStart = 0;
        int start = 0;

        auto complete = [&](int at) {
            collecting = false;
            const int id = nameId(text, nameStart, at - nameStart);
            const Name &n = m_names[size_t(id)];
            switch (n.kind) {
            case Kind::Excluded:
                break;
            case Kind::Void:
                startTag(text, id, at, start, false);
                break;
            case Kind::WithEnd:
                if (endTagName)
                    endTag(id, start);
                else
                    startTag(text, id, at, start, true);
                if (n.scriptOrStyle)
                    inScript = !endTagName;
                break;
            case Kind::Unlisted:
                if (inScript)
                    break;
                if (endTagName)
                    endTag(id, start);
                else
                    startTag(text, id, at, start, true);
                break;
            }
        };

        for (int i = 0; i < length; ++i) {
            const QChar c = text[i];
            if (c == u'\r' || c == u'\n') {
                if (c == u'\r' && m_progress) {
                    const int percent = std::min(100, int(std::lround(passed * 100.0 / lines)));
                    if (percent != reported)
                        m_progress(reported = percent);
                    ++passed;
                }
                if (collecting)
                    complete(i);
                continue;
            }
            if (c == u'<') {
                if (i == length - 1) {
                    collecting = true;
                    continue;
                }
                const QChar d = text[i + 1];
                if (d == u'/') {
                    endTagName = true;
                    start = i;
                    ++i;
                    collecting = true;
                } else {
                    endTagName = false;
                    collecting = !startsNoTag(d);
                    start = collecting ? i : 0;
                }
                nameStart = i + 1;
                continue;
            }
            if (collecting && (c == u' ' || c == u'\t' || c == u'>'))
                complete(i);
        }
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

} // namespace taglund
