#include "structures/urlform.h"

#include "structures/infosettings.h"
#include "structures/infoviewer.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

namespace taglund {

Turlform1::Turlform1(TInfoViewer *viewer, const QString &optdir, QWidget *parent)
    : QWidget(parent, Qt::Tool), m_viewer(viewer), m_optdir(optdir)
{
    setWindowTitle(QStringLiteral("Urlboks"));
    auto *heading = new QLabel(QStringLiteral("Besøgte sider"), this);
    m_structures = new QListWidget(this);
    m_structures->setAccessibleName(QStringLiteral("Strukturer"));
    m_entries = new QListWidget(this);
    m_entries->setAccessibleName(QStringLiteral("Besøgte sider"));
    auto *split = new QSplitter(this);
    split->addWidget(m_structures);
    split->addWidget(m_entries);
    split->setStretchFactor(1, 1);

    m_slet = new QPushButton(QStringLiteral("Slet liste"), this);
    m_slet->setToolTip(QStringLiteral("Slet alle urls fra listen"));
    m_slet->setAccessibleName(m_slet->text());
    auto *luk = new QPushButton(QStringLiteral("Luk"), this);
    luk->setToolTip(QStringLiteral("Luk urlboksen"));
    luk->setAccessibleName(luk->text());

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_slet);
    buttons->addWidget(luk);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(split, 1);
    layout->addLayout(buttons);

    const TUrlboksSettings s = TUrlboksSettings::read(optdir);
    resize(s.width, s.height);

    for (QListWidget *list : {m_structures, m_entries}) {
        connect(list, &QListWidget::currentRowChanged, this, [this](int row) {
            if (!m_syncing)
                selectRow(row);
        });
        connect(list, &QListWidget::itemDoubleClicked, this,
                [this, list](QListWidgetItem *item) { m_viewer->goToStruktur(list->row(item)); });
    }
    connect(m_slet, &QPushButton::clicked, m_viewer, &TInfoViewer::clearHistory);
    connect(luk, &QPushButton::clicked, this, &QWidget::close);
    connect(m_viewer, &TInfoViewer::historyChanged, this, &Turlform1::refresh);
    refresh();
}

void Turlform1::selectRow(int row)
{
    m_syncing = true;
    m_structures->setCurrentRow(row);
    m_entries->setCurrentRow(row);
    m_syncing = false;
}

void Turlform1::refresh()
{
    m_syncing = true;
    const auto &rows = m_viewer->history();
    m_structures->clear();
    m_entries->clear();
    for (const auto &r : rows) {
        m_structures->addItem(r.structure);
        m_entries->addItem(r.entry);
    }
    m_syncing = false;
    selectRow(m_viewer->urlIndex());
    m_slet->setEnabled(!rows.isEmpty());
}

void Turlform1::closeEvent(QCloseEvent *e)
{
    TUrlboksSettings s;
    s.width = width();
    s.height = height();
    s.write(m_optdir);
    QWidget::closeEvent(e);
}

} // namespace taglund
