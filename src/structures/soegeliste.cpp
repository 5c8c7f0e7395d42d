#include "structures/soegeliste.h"

#include <QPainter>

namespace taglund {

void TSoegeRaekke::paint(QPainter *p, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QRect r = option.rect;
    p->save();
    if (option.state & QStyle::State_Selected)
        p->fillRect(r, option.palette.highlight());
    p->fillRect(QRect(r.left() + 2, r.top() + 5, 10, 10), QColor(192, 220, 192));
    p->setPen(option.state & QStyle::State_Selected ? option.palette.highlightedText().color()
                                                    : option.palette.text().color());
    p->drawText(QRect(r.left() + 16, r.top() + 3, r.width() - 16, r.height() - 3), Qt::AlignLeft | Qt::AlignTop,
                index.data().toString());
    p->setPen(QColor(192, 192, 192));
    p->drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    p->restore();
}

QSize TSoegeRaekke::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    return QSize(QStyledItemDelegate::sizeHint(option, index).width() + 16, 19);
}

} // namespace taglund
