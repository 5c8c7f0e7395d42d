#include "html/checks.h"

#include "core/text/doctext.h"
#include "html/busyscope.h"
#include "html/infotag.h"

#include <QFileInfo>
#include <QHash>
#include <exception>
#include <optional>

namespace taglund {

namespace {

struct Counted {
    const char *none;
    const char *one;
    const char *before;  // n + ... for two or more
    const char *after;
};

QString countedSentence(const Counted &s, int count)
{
    if (count == 0)
        return QString::fromUtf8(s.none);
    if (count == 1)
        return QString::fromUtf8(s.one);
    return QString::fromUtf8(s.before) + QString::number(count) + QString::fromUtf8(s.after);
}

// Membership answered once per distinct name: a page repeats a few dozen
// names over and over.
class Listed {
public:
    explicit Listed(const TTagSet &set) : m_set(set) {}
    bool operator()(const QString &name)
    {
        auto it = m_known.constFind(name);
        if (it == m_known.constEnd())
            it = m_known.insert(name, m_set.contains(name));
        return it.value();
    }

private:
    const TTagSet &m_set;
    QHash<QString, bool> m_known;
};

} // namespace

QString kontrolSaetning(int mode, int count)
{
    if (count == kOptaget)
        return {};
    if (count < 0)
        return QStringLiteral("Der er ikke indlæst struktur");
    switch (mode) {
    case kmSlutkoder:
        return countedSentence({"Der mangler ikke slutkoder", "Der mangler 1 slutkode", "Der mangler ", " slutkoder"},
                               count);
    case kmForMange:
        return countedSentence({"Der er ikke for mange slutkoder", "Der er 1 slutkode for meget", "Der er ",
                                " slutkoder for meget"},
                               count);
    case kmKoder:
        return countedSentence({"Ingen ukendte koder", "1 ukendt kode", "", " ukendte koder"}, count);
    case kmAttributter:
        return countedSentence({"Ingen ukendte attributter", "1 ukendt attribut", "", " ukendte attributter"}, count);
    default:
        return countedSentence({"Ingen koder med attributter", "1 kode med attributter", "", " koder med attributter"},
                               count);
    }
}

// Runs `remarkFor` over every node after the root in tree order; it sets the
// node's remark and returns how much the node adds to the count. A failure
// ends the walk quietly with the count reached.
template <typename Check>
int Tinfotag::runCheck(Check remarkFor)
{
    if (m_busy)
        return kOptaget;
    if (!m_editor || m_tree.isEmpty())
        return kIngenStruktur;
    BusyScope scope(m_busy, OnBusy);
    int count = 0;
    try {
        const std::vector<int> order = m_tree.preOrder();
        for (size_t i = 1; i < order.size(); ++i)
            count += remarkFor(order[i], m_tree.node(order[i]));
    } catch (const std::exception &) {
    }
    m_tree.remarksChanged();
    return count;
}

int Tinfotag::VisAttributter()
{
    return runCheck([this](int id, const TTagTree::Node &n) {
        if (n.data.AttrListe.isEmpty())
            return 0;
        m_tree.setRemark(id, u' ' + n.data.AttrListe);
        return 1;
    });
}

int Tinfotag::EndtagsKontrol()
{
    Listed withEnd(m_withEnd);
    return runCheck([&](int id, const TTagTree::Node &n) {
        if (n.data.TagEnd != 0) {
            m_tree.setRemark(id, {});
            return 0;
        }
        // A custom element always takes an end tag.
        if (withEnd(n.name) || Knowledge::isCustomElement(n.name)) {
            m_tree.setRemark(id, QStringLiteral(" Mangler slutkode"));
            return 1;
        }
        m_tree.setRemark(id, QStringLiteral(" Ukendt kode"));
        return 0;
    });
}

int Tinfotag::ForMangeEndtag()
{
    return runCheck([this](int id, const TTagTree::Node &n) {
        const bool surplus = n.data.TagEnd == 3;
        m_tree.setRemark(id, surplus ? QStringLiteral(" Slutkode?") : QString());
        return surplus ? 1 : 0;
    });
}

int Tinfotag::KodeKontrol()
{
    Listed withEnd(m_withEnd);
    Listed all(m_all);
    return runCheck([&](int id, const TTagTree::Node &n) {
        if (n.name.startsWith(u'/')) {
            const QString rest = n.name.mid(1);
            const bool known = withEnd(rest) || Knowledge::isCustomElement(rest);
            m_tree.setRemark(id, known ? QString() : QStringLiteral(" Ukendt slutkode"));
            return known ? 0 : 1;
        }
        const bool known = all(n.name) || Knowledge::isCustomElement(n.name);
        m_tree.setRemark(id, known ? QString() : QStringLiteral(" Ukendt kode"));
        return known ? 0 : 1;
    });
}

int Tinfotag::AttributeKontrol(const QString &AttributeDir)
{
    // The event lists are the same for every element, and an element's own
    // list does not change during one check: each file is read once.
    auto linesOf = [&AttributeDir](std::initializer_list<const char *> files) {
        QStringList all;
        for (const char *file : files) {
            QStringList lines;
            if (Knowledge::readList(Knowledge::listFile(AttributeDir, QString::fromLatin1(file)), lines))
                all += lines;
        }
        return all;
    };
    const QStringList events = linesOf({"_formEvents", "_mediaEvents"});
    // A custom element has no list of its own: it takes the global attributes and events.
    TTagSet custom;
    custom.setEntries(linesOf({"_globaleAttributter", "_globaleEvents"}) + events);
    QHash<QString, std::optional<TTagSet>> known;
    auto knownFor = [&](const QString &element) -> const std::optional<TTagSet> & {
        auto it = known.find(element);
        if (it != known.end())
            return it.value();
        std::optional<TTagSet> set;
        QStringList lines;
        if (Knowledge::readList(Knowledge::listFile(AttributeDir, element), lines)) {
            set.emplace();
            set->setEntries(lines + events);
        } else if (Knowledge::isCustomElement(element)) {
            set = custom;
        }
        return known.insert(element, std::move(set)).value();
    };
    return runCheck([&](int id, const TTagTree::Node &n) {
        if (n.data.AttrListe.isEmpty()) {
            m_tree.setRemark(id, {});
            return 0;
        }
        const std::optional<TTagSet> &set = knownFor(n.name);
        if (!set) {
            m_tree.setRemark(id, QStringLiteral(" Ukendt"));
            return 1;
        }
        QString remark;
        int unknown = 0;
        for (const QString &word : n.data.AttrListe.split(u' ', Qt::SkipEmptyParts)) {
            if (!set->contains(word) && !Knowledge::isDataAttribute(word)) {
                remark += QStringLiteral(" Ukendt: ") + word;
                ++unknown;
            }
        }
        m_tree.setRemark(id, remark);
        return unknown;
    });
}

int Tinfotag::Kontrol(int mode)
{
    if (m_busy)
        return kOptaget;
    KontrolMode = mode;
    switch (mode) {
    case kmSlutkoder:
        return EndtagsKontrol();
    case kmKoder:
        return KodeKontrol();
    case kmAttributter:
        return AttributeKontrol(m_dirs.attributedir);
    case kmForMange:
        return ForMangeEndtag();
    default:
        KontrolMode = kmStruktur;
        return VisAttributter();
    }
}

} // namespace taglund
