#include "structures/strukturview.h"

#include "structures/struktur.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace taglund {

TStrukturView::TStrukturView(QWidget *parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformRowHeights(true);
    setIconSize(QSize(16, 16));
    setAccessibleName(QStringLiteral("Struktur"));
    setIkonSet(TIkonSet::Info);

    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) {
        if (m_syncing || !m_struktur)
            return;
        TStrukturNode *n = nodeOf(item);
        m_struktur->select(n);
        if (n && m_autoExpand)
            m_struktur->setExpanded(n, true);
        emit nodeSelected(n);
    });
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) {
        if (TStrukturNode *n = nodeOf(item))
            emit nodeActivated(n);
    });
    connect(this, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) {
        if (TStrukturNode *n = nodeOf(item))
            emit nodeDoubleClicked(n);
    });
    auto follow = [this](QTreeWidgetItem *item, bool expanded) {
        if (m_syncing || !m_struktur)
            return;
        m_syncing = true;
        m_struktur->setExpanded(nodeOf(item), expanded);
        m_syncing = false;
    };
    connect(this, &QTreeWidget::itemExpanded, this, [follow](QTreeWidgetItem *i) { follow(i, true); });
    connect(this, &QTreeWidget::itemCollapsed, this, [follow](QTreeWidgetItem *i) { follow(i, false); });
}

void TStrukturView::setStruktur(TStruktur *s)
{
    if (m_struktur)
        disconnect(m_struktur, nullptr, this, nullptr);
    m_struktur = s;
    if (s) {
        connect(s, &TStruktur::changed, this, &TStrukturView::rebuild);
        connect(s, &TStruktur::selectionChanged, this, &TStrukturView::syncSelection);
        connect(s, &TStruktur::expansionChanged, this, &TStrukturView::syncExpansion);
        connect(s, &QObject::destroyed, this, [this] {
            m_struktur = nullptr;
            m_items.clear();
            clear();
        });
    }
    rebuild();
}

void TStrukturView::setIkonSet(TIkonSet set)
{
    const bool first = m_icons.isEmpty();
    if (!first && set == m_set)
        return;
    m_set = set;
    m_icons.clear();
    for (int i = 0; i < 10; ++i)
        m_icons << strukturIkon(set, i);
    if (!first)
        rebuild();
}

TStrukturNode *TStrukturView::nodeOf(QTreeWidgetItem *item) const
{
    return item ? reinterpret_cast<TStrukturNode *>(item->data(0, Qt::UserRole).value<quintptr>()) : nullptr;
}

void TStrukturView::rebuild()
{
    m_syncing = true;
    clear();
    m_items.clear();
    if (m_struktur) {
        QList<QTreeWidgetItem *> top;
        for (TStrukturNode *n : m_struktur->tree().preorder()) {
            auto *item = new QTreeWidgetItem(QStringList{n->text});
            item->setData(0, Qt::UserRole, QVariant::fromValue(quintptr(n)));
            if (n->icon >= 0 && n->icon < m_icons.size())
                item->setIcon(0, m_icons[n->icon]);
            if (n->parent)
                m_items.value(n->parent)->addChild(item);
            else
                top << item;
            m_items.insert(n, item);
        }
        addTopLevelItems(top);
    }
    m_syncing = false;
    syncExpansion();
    syncSelection();
}

void TStrukturView::syncSelection()
{
    if (m_syncing)
        return;
    m_syncing = true;
    QTreeWidgetItem *item = m_struktur ? m_items.value(m_struktur->Selected()) : nullptr;
    setCurrentItem(item);
    if (item)
        scrollToItem(item);
    else
        clearSelection();
    m_syncing = false;
}

void TStrukturView::syncExpansion()
{
    if (m_syncing || !m_struktur)
        return;
    m_syncing = true;
    for (auto it = m_items.cbegin(); it != m_items.cend(); ++it)
        if (it.value()->isExpanded() != it.key()->expanded)
            it.value()->setExpanded(it.key()->expanded);
    m_syncing = false;
}

TStrukturNode *TStrukturView::nodeAt(const QPoint &pos) const
{
    return nodeOf(itemAt(pos));
}

void TStrukturView::MusDown(int x, int y)
{
    if (!m_struktur)
        return;
    m_struktur->MusDown(nodeAt(QPoint(x, y)));
    if (m_struktur->moveArmed())
        viewport()->setCursor(Qt::PointingHandCursor);
    else
        viewport()->unsetCursor();
}

void TStrukturView::MusUp(int x, int y, bool somGrundnode)
{
    if (!m_struktur || !m_struktur->moveArmed())
        return;
    viewport()->unsetCursor();
    m_struktur->MusUp(nodeAt(QPoint(x, y)), somGrundnode);
}

void TStrukturView::mousePressEvent(QMouseEvent *e)
{
    QTreeWidget::mousePressEvent(e);
    if (m_dragMoves && e->button() == Qt::LeftButton)
        MusDown(e->position().toPoint().x(), e->position().toPoint().y());
}

void TStrukturView::mouseReleaseEvent(QMouseEvent *e)
{
    // The move rebuilds the items, so it comes after the widget's own handling.
    QTreeWidget::mouseReleaseEvent(e);
    if (m_dragMoves && e->button() == Qt::LeftButton)
        MusUp(e->position().toPoint().x(), e->position().toPoint().y(), false);
}

void TStrukturView::keyPressEvent(QKeyEvent *e)
{
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Space) && m_struktur
        && m_struktur->Selected()) {
        emit nodeActivated(m_struktur->Selected());
        return;
    }
    QTreeWidget::keyPressEvent(e);
}

} // namespace taglund
