#pragma once
#include "script/winscript.h"

#include <QAbstractListModel>
#include <QAbstractTableModel>
#include <QColor>
#include <QFont>

namespace taglund {

// How an explanation row looks, by its icon index.
struct TInfoStyle {
    QColor text;
    QColor background;
    bool bold = false;
};
TInfoStyle infoStyle(int icon);

// The explanation list as a view shows it. The rows live in the analyser;
// reset() is called when they changed.
class TInfoModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit TInfoModel(const QVector<TInfoRow> *rows, QObject *parent = nullptr);
    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    void reset();
    void setFont(const QFont &f);

private:
    const QVector<TInfoRow> *m_rows;
    QFont m_font;
    int m_shown = 0;
};

// A registry with its two column captions.
class TRegistryModel : public QAbstractTableModel {
    Q_OBJECT
public:
    TRegistryModel(const QVector<TRegRow> *rows, const QString &nameCaption, const QString &typeCaption,
                   QObject *parent = nullptr);
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;
    void reset();

private:
    const QVector<TRegRow> *m_rows;
    QString m_captions[2];
    int m_shown = 0;
};

} // namespace taglund
