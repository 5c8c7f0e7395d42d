#include "filebox/treeliste.h"

#include <QTreeWidget>

namespace taglund {

namespace {
constexpr int kMappe = Qt::UserRole;
constexpr int kFilnavn = Qt::UserRole + 1;
constexpr int kId = Qt::UserRole + 2;
constexpr int kImage = Qt::UserRole + 3;
} // namespace

TTreeListe::TTreeListe(QTreeWidget *tree) : m_tree(tree)
{
    m_tree->setColumnCount(1);
    m_tree->setHeaderHidden(true);
    m_tree->setRootIsDecorated(false);
    m_tree->setItemsExpandable(false);
    m_tree->setSortingEnabled(false);
    m_tree->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_tree->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    m_tree->setDragEnabled(true);
}

QTreeWidgetItem *TTreeListe::item(int i) const
{
    return (i >= 0 && i < m_tree->topLevelItemCount()) ? m_tree->topLevelItem(i) : nullptr;
}

void TTreeListe::clear()
{
    m_tree->clear();
}

int TTreeListe::add(const QString &text, int image, const StrukturRec &rec)
{
    auto *it = new QTreeWidgetItem(m_tree, QStringList{text});
    it->setFlags(it->flags() | Qt::ItemIsEditable);
    it->setData(0, kImage, image);
    if (m_icons)
        it->setIcon(0, m_icons(image));
    setRec(m_tree->topLevelItemCount() - 1, rec);
    return m_tree->topLevelItemCount() - 1;
}

int TTreeListe::count() const
{
    return m_tree->topLevelItemCount();
}

QString TTreeListe::text(int i) const
{
    auto *it = item(i);
    return it ? it->text(0) : QString();
}

void TTreeListe::setText(int i, const QString &text)
{
    if (auto *it = item(i))
        it->setText(0, text);
}

int TTreeListe::image(int i) const
{
    auto *it = item(i);
    return it ? it->data(0, kImage).toInt() : 0;
}

StrukturRec TTreeListe::rec(int i) const
{
    auto *it = item(i);
    if (!it)
        return {};
    return {it->data(0, kMappe).toString(), it->data(0, kFilnavn).toString(), it->data(0, kId).toInt()};
}

void TTreeListe::setRec(int i, const StrukturRec &rec)
{
    if (auto *it = item(i)) {
        it->setData(0, kMappe, rec.mappe);
        it->setData(0, kFilnavn, rec.filnavn);
        it->setData(0, kId, rec.ID);
    }
}

bool TTreeListe::isSelected(int i) const
{
    auto *it = item(i);
    return it && it->isSelected();
}

void TTreeListe::setSelected(int i, bool on)
{
    if (auto *it = item(i))
        it->setSelected(on);
}

int TTreeListe::current() const
{
    auto *it = m_tree->currentItem();
    return it ? m_tree->indexOfTopLevelItem(it) : -1;
}

void TTreeListe::setCurrent(int i)
{
    // Moving the focus must not change which entries are selected.
    m_tree->setCurrentItem(item(i), 0, QItemSelectionModel::NoUpdate);
}

int TTreeListe::itemAt(const QPoint &p) const
{
    auto *it = m_tree->itemAt(p);
    return it ? m_tree->indexOfTopLevelItem(it) : -1;
}

void TTreeListe::startEdit(int i)
{
    if (auto *it = item(i)) {
        m_tree->scrollToItem(it);
        m_tree->editItem(it, 0);
    }
}

} // namespace taglund
