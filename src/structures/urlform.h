#pragma once
#include <QWidget>

class QListWidget;
class QPushButton;

namespace taglund {

class TInfoViewer;

// The history box "Urlboks": the visited entries beside their structures.
class Turlform1 : public QWidget {
    Q_OBJECT
public:
    Turlform1(TInfoViewer *viewer, const QString &optdir, QWidget *parent = nullptr);

    QListWidget *structureList() const { return m_structures; }
    QListWidget *entryList() const { return m_entries; }
    QPushButton *sletKnap() const { return m_slet; }

public slots:
    void refresh();

protected:
    void closeEvent(QCloseEvent *e) override;

private:
    void selectRow(int row);

    TInfoViewer *m_viewer;
    QString m_optdir;
    QListWidget *m_structures;
    QListWidget *m_entries;
    QPushButton *m_slet;
    bool m_syncing = false;
};

} // namespace taglund
