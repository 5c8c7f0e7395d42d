#include "structures/strukturikoner.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace taglund {

const QStringList &ikonNavne(TIkonSet set)
{
    static const QStringList info{"Grøn bog", "Rød bog", "Eksempel", "Information", "Objekt",
                                  "Metode",   "Kategori", "Rød bog åben", "Egenskab", "Andet"};
    static const QStringList objekt{"Objekt", "Egenskab", "Metode", "Andet", "Enum",
                                    "Konstant", "Keys", "Key", "Tekst", "Andet"};
    return set == TIkonSet::Info ? info : objekt;
}

namespace {

enum class Shape { Book, OpenBook, Page, Info, Cube, Diamond, Folder, Tag, Dot, List, Letter, Keys, Key };

void drawBook(QPainter &p, QColor c)
{
    p.setBrush(c);
    p.drawRect(3, 1, 10, 13);
    p.setBrush(c.darker(150));
    p.drawRect(3, 1, 2, 13);
    p.setPen(QPen(Qt::white, 1));
    p.drawLine(7, 4, 11, 4);
}

void drawKey(QPainter &p, int x, int y, QColor c)
{
    p.setBrush(c);
    p.drawEllipse(x, y, 5, 5);
    p.setPen(QPen(c.darker(160), 2));
    p.drawLine(x + 5, y + 3, x + 11, y + 3);
    p.drawLine(x + 9, y + 3, x + 9, y + 6);
}

QPixmap paint(Shape shape, QColor c, QChar letter = {})
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(c.darker(170), 1));
    switch (shape) {
    case Shape::Book:
        drawBook(p, c);
        break;
    case Shape::OpenBook: {
        p.setBrush(Qt::white);
        QPainterPath path;
        path.moveTo(1, 4);
        path.lineTo(8, 6);
        path.lineTo(15, 4);
        path.lineTo(15, 14);
        path.lineTo(8, 15);
        path.lineTo(1, 14);
        path.closeSubpath();
        p.drawPath(path);
        p.setPen(QPen(c, 2));
        p.drawLine(8, 6, 8, 15);
        break;
    }
    case Shape::Page:
        p.setBrush(Qt::white);
        p.drawRect(3, 1, 10, 14);
        p.setPen(QPen(c, 1));
        for (int y = 4; y <= 12; y += 3)
            p.drawLine(5, y, 11, y);
        break;
    case Shape::Info:
        p.setBrush(c);
        p.drawEllipse(1, 1, 14, 14);
        p.setPen(QPen(Qt::white, 2));
        p.drawPoint(8, 4);
        p.drawLine(8, 7, 8, 12);
        break;
    case Shape::Cube:
        p.setBrush(c);
        p.drawRect(2, 5, 9, 9);
        p.setBrush(c.lighter(130));
        p.drawPolygon(QPolygonF({QPointF(2, 5), QPointF(5, 2), QPointF(14, 2), QPointF(11, 5)}));
        p.setBrush(c.darker(130));
        p.drawPolygon(QPolygonF({QPointF(11, 5), QPointF(14, 2), QPointF(14, 11), QPointF(11, 14)}));
        break;
    case Shape::Diamond:
        p.setBrush(c);
        p.drawPolygon(QPolygonF({QPointF(8, 1), QPointF(15, 8), QPointF(8, 15), QPointF(1, 8)}));
        break;
    case Shape::Folder:
        p.setBrush(c);
        p.drawRect(1, 4, 14, 10);
        p.drawRect(1, 2, 6, 2);
        break;
    case Shape::Tag:
        p.setBrush(c);
        p.drawRoundedRect(2, 4, 12, 8, 2, 2);
        break;
    case Shape::Dot:
        p.setBrush(c);
        p.drawEllipse(3, 3, 10, 10);
        break;
    case Shape::List:
        p.setBrush(c);
        for (int y = 2; y <= 12; y += 5)
            p.drawRect(2, y, 12, 3);
        break;
    case Shape::Letter: {
        p.setBrush(c);
        p.drawRoundedRect(1, 1, 14, 14, 3, 3);
        QFont f = p.font();
        f.setPixelSize(11);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, QString(letter));
        break;
    }
    case Shape::Keys:
        drawKey(p, 1, 1, c);
        p.setPen(QPen(c.darker(170), 1));
        drawKey(p, 3, 8, c.lighter(120));
        break;
    case Shape::Key:
        drawKey(p, 2, 5, c);
        break;
    }
    return pm;
}

QIcon make(TIkonSet set, int index)
{
    const QColor green(40, 150, 60), red(190, 40, 40), blue(40, 90, 190), orange(220, 140, 30),
        purple(130, 60, 160), grey(120, 120, 120), teal(30, 140, 140), gold(200, 170, 30);
    if (set == TIkonSet::Info) {
        switch (index) {
        case 0: return QIcon(paint(Shape::Book, green));
        case 1: return QIcon(paint(Shape::Book, red));
        case 2: return QIcon(paint(Shape::Page, blue));
        case 3: return QIcon(paint(Shape::Info, blue));
        case 4: return QIcon(paint(Shape::Cube, orange));
        case 5: return QIcon(paint(Shape::Diamond, purple));
        case 6: return QIcon(paint(Shape::Folder, gold));
        case 7: return QIcon(paint(Shape::OpenBook, red));
        case 8: return QIcon(paint(Shape::Tag, teal));
        default: return QIcon(paint(Shape::Dot, grey));
        }
    }
    switch (index) {
    case 0: return QIcon(paint(Shape::Cube, orange));
    case 1: return QIcon(paint(Shape::Tag, teal));
    case 2: return QIcon(paint(Shape::Diamond, purple));
    case 3: return QIcon(paint(Shape::Dot, grey));
    case 4: return QIcon(paint(Shape::List, blue));
    case 5: return QIcon(paint(Shape::Letter, green, u'C'));
    case 6: return QIcon(paint(Shape::Keys, gold));
    case 7: return QIcon(paint(Shape::Key, gold));
    case 8: return QIcon(paint(Shape::Letter, blue, u'T'));
    default: return QIcon(paint(Shape::Dot, grey));
    }
}

} // namespace

QIcon strukturIkon(TIkonSet set, int index)
{
    if (index < 0 || index > 9)
        return {};
    return make(set, index);
}

QIcon strukturMenuIkon()
{
    return strukturIkon(TIkonSet::Info, 6);
}

} // namespace taglund
