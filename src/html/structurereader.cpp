#include "html/structurereader.h"

#include "html/tagscan.h"
#include "html/tagset.h"

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
    : m_lists(lists), m_progress(std::move(progress)), m_open(ByLabel{&m_label})
{
}

const QString &TStructureReader::intern(const QString &name)
{
    auto it = m_names.find(name);
    if (it == m_names.end())
        it = m_names.insert(name, name);
    return it.value();
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

int TStructureReader::addChild(int parent, const QString &name, int index, quint8 tagEnd,
                               const QString &attr)
{
    // A new last child follows the last node of its parent's subtree in tree order.
    int after = parent;
    while (!m_nodes[size_t(after)].children.empty())
        after = m_nodes[size_t(after)].children.back();
    const int id = int(m_nodes.size());
    TTagTree::Node n;
    n.name = intern(name);
    n.data.Index = index;
    n.data.TagEnd = tagEnd;
    n.data.AttrListe = attr;
    n.parent = parent;
    n.row = int(m_nodes[size_t(parent)].children.size());
    m_nodes.push_back(std::move(n));
    m_nodes[size_t(parent)].children.push_back(id);
    placeAfter(id, after);
    return id;
}

void TStructureReader::setOpen(int id, bool open)
{
    TTagTree::Node &n = m_nodes[size_t(id)];
    if (open) {
        n.data.TagEnd = 0;
        m_open.insert(id);
        m_openByName.try_emplace(n.name, ByLabel{&m_label}).first->second.insert(id);
    } else {
        n.data.TagEnd = 1;
        m_open.erase(id);
        auto it = m_openByName.find(n.name);
        if (it != m_openByName.end())
            it->second.erase(id);
    }
}

int TStructureReader::lastOpenBefore(int id, bool inclusive, const QString *name) const
{
    const std::set<int, ByLabel> *set = &m_open;
    if (name) {
        auto it = m_openByName.find(*name);
        if (it == m_openByName.end())
            return -1;
        set = &it->second;
    }
    auto it = inclusive ? set->upper_bound(id) : set->lower_bound(id);
    if (it == set->begin())
        return -1;
    return *std::prev(it);
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

void TStructureReader::startTag(const QString &text, const QString &name, int from, int index, bool open)
{
    const int id = addChild(m_current, name, index, open ? 0 : 1, attrListe(text, from));
    if (open) {
        setOpen(id, true);
        m_current = id;
    }
}

void TStructureReader::endTag(const QString &name, int index)
{
    const int match = lastOpenBefore(m_current, true, &name);
    const int parent = m_nodes[size_t(m_current)].parent;
    if (match < 0 || parent < 0) {
        addChild(m_current, u'/' + name, index, 3, {});
        return;
    }
    setOpen(match, false);
    addChild(parent, u'/' + name, index, 1, {});
    const int open = lastOpenBefore(m_current, false, nullptr);
    if (open >= 0)
        m_current = open;
}

bool TStructureReader::read(const QString &text)
{
    m_nodes.clear();
    m_label.clear();
    m_next.clear();
    m_open.clear();
    m_openByName.clear();
    m_current = 0;
    try {
        TTagTree::Node root;
        root.name = QStringLiteral("Hjemmeside");
        root.data.TagEnd = 1;
        m_nodes.push_back(std::move(root));
        m_label.push_back(0);
        m_next.push_back(-1);

        const int length = int(text.size());
        const int lines = int(text.count(u'\r')) + 1;
        int passed = 0;
        int reported = 0;  // the caller reported 0 before the scan
        bool collecting = false, endTagName = false, inScript = false;
        QString name;
        int start = 0;

        auto complete = [&](int at) {
            collecting = false;
            if (m_lists.Excludeliste.contains(name)) {
            } else if (m_lists.Nosluttagliste.contains(name)) {
                startTag(text, name, at, start, false);
            } else if (m_lists.Tagliste.contains(name)) {
                if (endTagName)
                    endTag(name, start);
                else
                    startTag(text, name, at, start, true);
                if (name.compare(u"script", Qt::CaseInsensitive) == 0
                    || name.compare(u"style", Qt::CaseInsensitive) == 0)
                    inScript = !endTagName;
            } else if (!inScript) {
                if (endTagName)
                    endTag(name, start);
                else
                    startTag(text, name, at, start, true);
            }
            name.clear();
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
                name.clear();
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
                continue;
            }
            if (!collecting)
                continue;
            if (c == u' ' || c == u'\t' || c == u'>')
                complete(i);
            else
                name += c;
        }
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

} // namespace taglund
