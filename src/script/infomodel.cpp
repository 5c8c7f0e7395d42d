#include "script/infomodel.h"

#include "structures/strukturikoner.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>

namespace taglund {

TInfoStyle infoStyle(int icon)
{
    switch (icon) {
    case 9:
        return {Qt::white, QColor(166, 202, 240), true};
    case 8:
        return {QColor(0, 128, 0), Qt::white, false};
    case 10:
        return {Qt::red, Qt::white, false};
    default:
        return {Qt::black, Qt::white, false};
    }
}

namespace {

// The explanation rows' pictures: the object set's first four for members,
// small marks for header, topic, error and information.
QIcon rowIcon(int icon)
{
    static QIcon cache[12];
    if (icon < 0 || icon > 11)
        return QIcon();
    if (!cache[icon].isNull())
        return cache[icon];
    if (icon <= 3) {
        cache[icon] = strukturIkon(TIkonSet::Objekt, icon);
        return cache[icon];
    }
    if (icon < 8)
        return QIcon();
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor c = icon == 9 ? QColor(40, 90, 160) : icon == 8 ? QColor(0, 128, 0) : icon == 10 ? Qt::red : QColor(60, 60, 60);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    if (icon == 10)
        p.drawEllipse(QRectF(2, 2, 12, 12));
    else
        p.drawRoundedRect(QRectF(3, 3, 10, 10), 2, 2);
    p.setPen(Qt::white);
    QFont f;
    f.setPixelSize(9);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, icon == 10 ? QStringLiteral("!") : icon == 11 ? QStringLiteral("i") : QString());
    p.end();
    cache[icon] = QIcon(pm);
    return cache[icon];
}

} // namespace

TInfoModel::TInfoModel(const QVector<TInfoRow> *rows, QObject *parent) : QAbstractListModel(parent), m_rows(rows) {}

int TInfoModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_shown;
}

QVariant TInfoModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows->size())
        return QVariant();
    const TInfoRow &r = m_rows->at(index.row());
    const TInfoStyle s = infoStyle(r.icon);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return r.text;
    case Qt::DecorationRole:
        return rowIcon(r.icon);
    case Qt::ForegroundRole:
        return s.text;
    case Qt::BackgroundRole:
        return s.background;
    case Qt::FontRole: {
        QFont f = m_font;
        f.setBold(s.bold);
        return f;
    }
    case Qt::UserRole:
        return r.icon;
    default:
        return QVariant();
    }
}

void TInfoModel::reset()
{
    beginResetModel();
    m_shown = int(m_rows->size());
    endResetModel();
}

void TInfoModel::setFont(const QFont &f)
{
    m_font = f;
    reset();
}

TRegistryModel::TRegistryModel(const QVector<TRegRow> *rows, const QString &nameCaption, const QString &typeCaption,
                               QObject *parent)
    : QAbstractTableModel(parent), m_rows(rows), m_captions{nameCaption, typeCaption}
{
}

int TRegistryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_shown;
}

int TRegistryModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant TRegistryModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows->size() || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return QVariant();
    const TRegRow &r = m_rows->at(index.row());
    return index.column() == 0 ? r.name : r.type;
}

QVariant TRegistryModel::headerData(int section, Qt::Orientation o, int role) const
{
    if (o == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < 2)
        return m_captions[section];
    return QVariant();
}

void TRegistryModel::reset()
{
    beginResetModel();
    m_shown = int(m_rows->size());
    endResetModel();
}

} // namespace taglund
