#include "structures/struktur.h"

#include "core/text/paths.h"
#include "core/text/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace taglund {

TStruktur::TStruktur(QObject *parent) : QObject(parent) {}

void TStruktur::Clear()
{
    m_tree.clear();
    m_selected = nullptr;
    m_dragged = nullptr;
    emit changed();
    emit selectionChanged();
}

bool TStruktur::HentStruktur()
{
    m_error.clear();
    m_madeUp = 0;
    m_report = {};
    m_selected = nullptr;
    m_dragged = nullptr;
    bool ok = !Strukturfile.isEmpty() && QFileInfo(Strukturfile).isFile()
              && StrukturCodec::readTreeFile(Strukturfile, m_tree, &m_report, &m_error);
    if (!ok) {
        m_tree.clear();
    } else if (DataOn) {
        QStringList lines;
        const bool haveFile = !Datafile.isEmpty() && QFileInfo(Datafile).isFile();
        if (haveFile) {
            TextFile::readLines(Datafile, lines, &m_error);
        } else if (!m_tree.isEmpty()) {
            lines = StrukturCodec::generatedDataLines(m_tree);
            // Only an information structure gets a data file made for it:
            // there the node text is a sound page name. An object structure's
            // folder is shared by many structures and is left as it is.
            if (!Infomappe.isEmpty() && !Datafile.isEmpty())
                TextFile::writeLines(Datafile, lines, &m_error);
        }
        m_madeUp = StrukturCodec::applyData(m_tree, lines);
        if (!haveFile)
            m_madeUp = 0;
    }
    m_modified = false;
    emit changed();
    emit selectionChanged();
    return ok;
}

bool TStruktur::GemStruktur()
{
    m_error.clear();
    if (Strukturfile.isEmpty())
        return false;
    QByteArray oldData;
    bool hadData = false;
    if (DataOn) {
        if (Datafile.isEmpty())
            return false;
        hadData = QFileInfo(Datafile).isFile() && TextFile::readBytes(Datafile, oldData);
        if (!TextFile::writeLines(Datafile, StrukturCodec::dataLines(m_tree), &m_error))
            return false;
    }
    if (!TextFile::writeLines(Strukturfile, StrukturCodec::treeLines(m_tree), &m_error)) {
        // Keep the pair consistent: the data file goes back to what matched the old tree file.
        if (DataOn) {
            if (hadData)
                TextFile::writeBytes(Datafile, oldData);
            else
                QFile::remove(Datafile);
        }
        return false;
    }
    m_modified = false;
    return true;
}

void TStruktur::applyData(TStrukturNode &node, const QString &Data, int Index) const
{
    if (DataOn)
        StrukturCodec::setData(node, Index, StrukturCodec::storablePayload(Data));
    else
        StrukturCodec::clearData(node);
}

void TStruktur::afterChange(bool sorter, bool gem)
{
    if (sorter) {
        m_tree.sort(strukturLess);
        m_modified = true;
    } else if (gem) {
        if (!GemStruktur())
            m_modified = true;
    } else {
        m_modified = true;
    }
    emit changed();
}

void TStruktur::NyNode(const QString &Tekst, const QString &Data, int Index, bool sorter, bool gem)
{
    const QString text = StrukturCodec::storableText(Tekst);
    if (text.isEmpty())
        return;
    auto node = std::make_unique<TStrukturNode>();
    node->text = text;
    applyData(*node, Data, Index);
    TStrukturNode *ref = m_selected ? m_selected : m_tree.node(0);
    m_tree.insert(ref, Flytmode, std::move(node));
    afterChange(sorter, gem);
}

void TStruktur::RedigerNode(const QString &Tekst, const QString &Data, int Index, bool sorter, bool gem)
{
    const QString text = StrukturCodec::storableText(Tekst);
    if (text.isEmpty() || !m_selected)
        return;
    m_selected->text = text;
    applyData(*m_selected, Data, Index);
    afterChange(sorter, gem);
}

QString TStruktur::pageOf(const TStrukturNode *node) const
{
    if (!node || !node->hasData || Infomappe.isEmpty())
        return {};
    const QString name = node->payload();
    if (!isSafeFileName(name))
        return {};
    return joinPath(Infomappe, name + QStringLiteral(".html"));
}

void TStruktur::SletNode()
{
    TStrukturNode *victim = m_selected;
    if (!victim)
        return;
    // A page that a node outside the deleted subtree still names stays.
    QSet<QString> stillNamed;
    m_tree.forEach([&](TStrukturNode *n) {
        if (n->hasData && !TStrukturTree::contains(victim, n))
            stillNamed.insert(n->payload());
    });
    std::vector<TStrukturNode *> owners(victim->children.size());
    for (size_t i = 0; i < owners.size(); ++i)
        owners[i] = victim->children[i].get();
    owners.push_back(victim);
    for (TStrukturNode *n : owners) {
        const QString page = pageOf(n);
        if (!page.isEmpty() && !stillNamed.contains(n->payload()) && QFileInfo::exists(page))
            FileDeleteRB(page);
    }
    m_selected = nullptr;
    m_dragged = nullptr;
    m_tree.remove(victim);
    m_modified = true;
    emit changed();
    emit selectionChanged();
}

QString TStruktur::SelectedData() const
{
    if (!DataOn || !m_selected)
        return {};
    return m_selected->payload();
}

TStrukturNode *TStruktur::findByPage(const QString &DataUrl) const
{
    if (!DataOn)
        return nullptr;
    QString name = fileNameOf(DataUrl);
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot >= 0)
        name.truncate(dot);
    for (TStrukturNode *n : m_tree.preorder())
        if (n->hasData && n->payload() == name)
            return n;
    return nullptr;
}

QString TStruktur::getNodeTekst(const QString &DataUrl)
{
    TStrukturNode *n = findByPage(DataUrl);
    if (!n)
        return {};
    if (n != m_selected)
        select(n);
    return n->text;
}

bool TStruktur::setSelected(const QString &DataUrl)
{
    TStrukturNode *n = findByPage(DataUrl);
    if (!n || n == m_selected)
        return false;
    select(n);
    return true;
}

int TStruktur::getTheSelectedIndex() const
{
    return m_tree.indexOf(m_selected);
}

QString TStruktur::InfoFilnavn(const QString &Filefternavn) const
{
    if (!m_selected)
        return {};
    const QString name = (m_selected->parent ? m_selected->parent->text : QString()) + m_selected->text
                         + u'.' + Filefternavn;
    if (!isSafeFileName(name))
        return {};
    return joinPath(Infomappe, name);
}

bool TStruktur::FileDeleteRB(const QString &path)
{
    const QString abs = QFileInfo(normalSeparators(path)).absoluteFilePath();
    if (!QFileInfo::exists(abs))
        return false;
    return QFile::moveToTrash(abs);
}

void TStruktur::MusDown(TStrukturNode *underPointer)
{
    if (m_dragged) {
        m_dragged = nullptr;
        return;
    }
    if (underPointer && underPointer != m_tree.node(0))
        m_dragged = underPointer;
}

bool TStruktur::MusUp(TStrukturNode *underPointer, bool somGrundnode)
{
    if (!m_dragged)
        return false;
    TStrukturNode *moved = m_dragged;
    m_dragged = nullptr;
    if (!underPointer || underPointer == moved)
        return false;
    const bool done = somGrundnode ? m_tree.move(moved, m_tree.node(0), naInsert)
                                   : m_tree.move(moved, underPointer, Flytmode);
    if (!done)
        return false;
    m_modified = true;
    emit changed();
    return true;
}

void TStruktur::select(TStrukturNode *node)
{
    if (node == m_selected)
        return;
    m_selected = node;
    emit selectionChanged();
}

void TStruktur::setExpanded(TStrukturNode *node, bool expanded)
{
    if (!node || node->expanded == expanded)
        return;
    node->expanded = expanded;
    emit expansionChanged();
}

void TStruktur::expandAll()
{
    m_tree.forEach([](TStrukturNode *n) { n->expanded = true; });
    emit expansionChanged();
}

void TStruktur::collapseAll()
{
    m_tree.forEach([](TStrukturNode *n) { n->expanded = false; });
    emit expansionChanged();
}

void TStruktur::makeVisible(TStrukturNode *node)
{
    if (!node)
        return;
    for (TStrukturNode *p = node->parent; p; p = p->parent)
        p->expanded = true;
    emit expansionChanged();
}

void TStruktur::AlphaSort()
{
    m_tree.sort(strukturLess);
    m_modified = true;
    emit changed();
}

} // namespace taglund
