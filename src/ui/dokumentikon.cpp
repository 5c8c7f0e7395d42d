#include "ui/dokumentikon.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace taglund::ui {

namespace {

struct Kind {
    const char *label;
    QColor band;
    QColor text;
};

Kind kindOf(const QString &docExt)
{
    const QString e = docExt.toLower();
    if (e == u".html" || e == u".htm" || e == u".inc")
        return {"HTML", QColor(0xe4, 0x6c, 0x1f), Qt::white};
    if (e == u".asp" || e == u".asa")
        return {"ASP", QColor(0x6a, 0x3d, 0x9a), Qt::white};
    if (e == u".css")
        return {"CSS", QColor(0x1e, 0x6f, 0xc4), Qt::white};
    if (e == u".js")
        return {"JS", QColor(0xf0, 0xc8, 0x1e), Qt::black};
    if (e == u".vbs" || e == u".wsf")
        return {"VBS", QColor(0x2e, 0x7d, 0x32), Qt::white};
    if (e == u".bat" || e == u".cmd")
        return {"BAT", QColor(0x45, 0x45, 0x45), Qt::white};
    if (e == u".ps1")
        return {"PS", QColor(0x01, 0x24, 0x56), Qt::white};
    if (e == u".rtf")
        return {"RTF", QColor(0xb7, 0x1c, 0x1c), Qt::white};
    return {"TXT", QColor(0x78, 0x90, 0x9c), Qt::white};
}

QPixmap paintPage(const Kind &k, int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size / 32.0;
    QPainterPath page;
    page.moveTo(5 * s, 1.5 * s);
    page.lineTo(21 * s, 1.5 * s);
    page.lineTo(27 * s, 7.5 * s);
    page.lineTo(27 * s, 30.5 * s);
    page.lineTo(5 * s, 30.5 * s);
    page.closeSubpath();
    p.setPen(QPen(QColor(0x3a, 0x5a, 0x80), 1.2 * s));
    p.setBrush(QColor(0xf4, 0xf8, 0xfc));
    p.drawPath(page);
    p.setBrush(k.band);
    p.setPen(Qt::NoPen);
    const QRectF band(2 * s, 15 * s, 28 * s, 11 * s);
    p.drawRoundedRect(band, 2 * s, 2 * s);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(qMax(6, int((qstrlen(k.label) > 3 ? 6.5 : 8) * s)));
    p.setFont(f);
    p.setPen(k.text);
    p.drawText(band, Qt::AlignCenter, QString::fromLatin1(k.label));
    return pm;
}

} // namespace

QIcon programIcon()
{
    static const QIcon icon(QStringLiteral(":/ikoner/taglund.svg"));
    return icon;
}

QIcon documentIcon(const QString &docExt)
{
    static QHash<QString, QIcon> made;
    const Kind k = kindOf(docExt);
    const QString key = QString::fromLatin1(k.label);
    auto it = made.find(key);
    if (it == made.end()) {
        QIcon icon;
        for (int size : {16, 24, 32, 48})
            icon.addPixmap(paintPage(k, size));
        it = made.insert(key, icon);
    }
    return *it;
}

} // namespace taglund::ui
