#pragma once
#include <QStyledItemDelegate>

namespace taglund {

// The rows of the viewer's search results: 19 pixels high, a pale green
// square, the page name, and a light grey line along the bottom.
class TSoegeRaekke : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *p, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};

} // namespace taglund
