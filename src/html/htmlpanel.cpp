#include "html/htmlpanel.h"

#include "html/infotag.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QSplitter>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <iterator>

namespace taglund {

namespace {

struct CategoryButton {
    const char *name;
    const char *label;
    const char *hint;
    int index;
};

// Left to right, two rows.
const CategoryButton kKnapper[] = {
    {"kodeknap_0", "Alle", "Alle koder", 0},
    {"kodeknap_1", "Grund", "Grundkoder", 1},
    {"kodeknap_10", "Meta", "Metakoder", 9},
    {"kodeknap_11", "Prog", "Programmeringskoder", 10},
    {"kodeknap_7", "Side", "Sideopbygningskoder", 6},
    {"kodeknap_3", "A/V", "Audio og video koder", 2},
    {"kodeknap_4", "Billed", "Billedkoder", 3},
    {"kodeknap_5", "Form", "Formkoder", 4},
    {"kodeknap_6", "Format", "Tekst: formateringskoder", 5},
    {"kodeknap_14", "Indhold", "Tekst: indholdskoder", 13},
    {"kodeknap_8", "Link", "Linkkoder", 7},
    {"kodeknap_9", "Liste", "Listekoder", 8},
    {"kodeknap_13", "Tabel", "Tabelkoder", 12},
    {"kodeknap_12", "Ramme", "Rammekoder", 11},
};

const char *const kListNames[] = {"kodeliste", "betweenliste", "attributliste", "valueliste"};

QToolButton *button(QWidget *parent, const QString &text, const QString &hint)
{
    auto *b = new QToolButton(parent);
    b->setText(text);
    b->setToolTip(hint);
    b->setAccessibleName(hint.isEmpty() ? text : hint);
    return b;
}

} // namespace

THtmlPanel::THtmlPanel(Tinfotag &engine, THtmlPanelHost &host, QWidget *parent)
    : QWidget(parent), m_engine(engine), m_host(host), m_panel(engine, host)
{
    setAccessibleName(QStringLiteral("Html panelet"));
    auto *kodeBar = new QGridLayout;
    kodeBar->setSpacing(1);
    for (int i = 0; i < int(std::size(kKnapper)); ++i) {
        const CategoryButton &k = kKnapper[i];
        QToolButton *b = button(this, QString::fromUtf8(k.label), QString::fromUtf8(k.hint));
        b->setObjectName(QString::fromLatin1(k.name));
        kodeBar->addWidget(b, i / 7, i % 7);
        connect(b, &QToolButton::clicked, this, [this, index = k.index] {
            m_panel.LoadKodeliste(index);
            refresh();
        });
    }

    m_kodeEdit = new QLineEdit(this);
    m_kodeEdit->setObjectName(QStringLiteral("kodeEdit"));
    m_kodeEdit->setAccessibleName(QStringLiteral("Søg kode"));
    m_kodeEdit->installEventFilter(this);
    connect(m_kodeEdit, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_panel.SoegKode(text);
        refresh();
    });
    m_write = button(this, QStringLiteral("Udskriv"), QStringLiteral("Udskriv valgte kode ved kursorposition"));
    m_write->setObjectName(QStringLiteral("aUdskrivKode"));
    connect(m_write, &QToolButton::clicked, this, [this] {
        if (!m_panel.canWriteFound(m_kodeEdit->text()))
            return;
        m_panel.writeFound();
        const QSignalBlocker block(m_kodeEdit);
        m_kodeEdit->clear();
        refresh();
    });
    connect(m_kodeEdit, &QLineEdit::returnPressed, m_write, &QToolButton::click);

    QToolButton *info = button(this, QStringLiteral("Info"), QStringLiteral("Information om kodepanelerne"));
    info->setIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation));
    connect(info, &QToolButton::clicked, this,
            [this] { m_host.HelpInfo(QStringLiteral("Information"), QStringLiteral("Html panelet")); });
    // One under another, so the attribute column stays narrow and the
    // element and between lists get the width their snippets need.
    auto *globals = new QGridLayout;
    globals->setSpacing(1);
    const struct {
        const char *text;
        int index;
    } globalButtons[] = {{"Form events", 3}, {"Media events", 4}, {"Globale attributter", 1}, {"Globale events", 2}};
    for (int i = 0; i < int(std::size(globalButtons)); ++i) {
        const auto &g = globalButtons[i];
        QToolButton *b = button(this, QString::fromUtf8(g.text), QString());
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        globals->addWidget(b, i, 0);
        connect(b, &QToolButton::clicked, this, [this, index = g.index] {
            m_panel.LoadGloballiste(index);
            refresh();
        });
    }
    m_autokode = new QCheckBox(QStringLiteral("Autokode"), this);
    m_autokode->setObjectName(QStringLiteral("autokodeCheck"));
    m_autokode->setToolTip(QStringLiteral("Autokode: Kan anvendes til mindre html dokumenter"));
    m_autokode->setAccessibleName(QStringLiteral("Autokode"));
    connect(m_autokode, &QCheckBox::clicked, this,
            [this](bool ticked) { m_autokode->setChecked(m_panel.autokodeClicked(ticked)); });

    for (int i = 0; i < 4; ++i)
        m_tables[i] = makeTable(TKodePanel::Liste(i));

    auto *search = new QHBoxLayout;
    search->addWidget(m_kodeEdit, 1);
    search->addWidget(m_write);
    auto *left = new QVBoxLayout;
    left->addLayout(search);
    left->addWidget(m_tables[TKodePanel::Koder], 2);
    left->addWidget(m_tables[TKodePanel::Mellem], 1);
    auto *tools = new QHBoxLayout;
    tools->addWidget(info);
    tools->addWidget(m_autokode, 1);
    auto *right = new QVBoxLayout;
    right->addLayout(tools);
    right->addLayout(globals);
    right->addWidget(m_tables[TKodePanel::Attributter], 2);
    right->addWidget(m_tables[TKodePanel::Vaerdier], 1);
    // The element and between lists hold long snippets; they get the larger
    // share, and the user can move the divider (the program remembers it).
    m_columns = new QSplitter(Qt::Horizontal, this);
    m_columns->setChildrenCollapsible(false);
    auto *leftSide = new QWidget(m_columns);
    leftSide->setLayout(left);
    left->setContentsMargins(0, 0, 0, 0);
    auto *rightSide = new QWidget(m_columns);
    rightSide->setLayout(right);
    right->setContentsMargins(0, 0, 0, 0);
    m_columns->addWidget(leftSide);
    m_columns->addWidget(rightSide);
    m_columns->setStretchFactor(0, 3);
    m_columns->setStretchFactor(1, 2);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(kodeBar);
    layout->addWidget(m_columns, 1);

    m_panel.start();
    refresh();
}

QTableWidget *THtmlPanel::makeTable(TKodePanel::Liste which)
{
    auto *t = new QTableWidget(0, 1, this);
    t->setObjectName(QString::fromLatin1(kListNames[which]));
    t->setAccessibleName(m_panel.list(which).caption);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setShowGrid(true);
    t->verticalHeader()->hide();
    // One line a row: element snippets such as "<blockquote></blockquote>"
    // are cut at the edge rather than wrapped onto a second line.
    t->setWordWrap(false);
    t->setTextElideMode(Qt::ElideRight);
    t->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    t->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    t->horizontalHeader()->setStretchLastSection(true);
    t->installEventFilter(this);
    connect(t, &QTableWidget::cellClicked, this, [this, which](int row) {
        if (m_refreshing)
            return;
        m_panel.click(which, row);
        refresh();
    });
    connect(t, &QTableWidget::cellDoubleClicked, this, [this, which](int row) {
        m_panel.write(which, row);
        refresh();
    });
    if (which != TKodePanel::Vaerdier) {
        t->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(t, &QWidget::customContextMenuRequested, this, [this, which](const QPoint &at) { popup(which, at); });
    }
    return t;
}

void THtmlPanel::popup(TKodePanel::Liste which, const QPoint &at)
{
    QTableWidget *t = m_tables[which];
    const int row = t->rowAt(at.y());
    if (row >= 0) {
        m_panel.click(which, row);
        refresh();
    }
    QMenu menu(this);
    QAction *info = menu.addAction(QStringLiteral("Vis information..."));
    info->setToolTip(which == TKodePanel::Attributter ? QStringLiteral("Vis information om aktuelle attribut")
                                                      : QStringLiteral("Vis information om aktuelle html-kode"));
    QAction *send = menu.addAction(QStringLiteral("Send til infofeltet"));
    send->setToolTip(QStringLiteral("Der kan for eksempel søges oplysning om koden ved google-søgning"));
    QAction *write = menu.addAction(QStringLiteral("Udskriv koden"));
    write->setToolTip(which == TKodePanel::Attributter ? QStringLiteral("Udskriv attributten i dokumentet")
                                                       : QStringLiteral("Udskriv koden i dokumentet"));
    write->setEnabled(m_host.documentOpen() && row >= 0);
    send->setEnabled(row >= 0);
    menu.setToolTipsVisible(true);
    QAction *chosen = menu.exec(t->viewport()->mapToGlobal(at));
    if (chosen == info)
        m_panel.showInformation(which);
    else if (chosen == send)
        m_panel.sendToFindField(which, row);
    else if (chosen == write)
        m_panel.write(which, row);
    refresh();
}

bool THtmlPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_kodeEdit && event->type() == QEvent::MouseButtonPress) {
        m_kodeEdit->clear();
        return false;
    }
    for (int i = 0; i < 4; ++i) {
        if (watched != m_tables[i])
            continue;
        const auto which = TKodePanel::Liste(i);
        if (event->type() == QEvent::FocusIn) {
            m_panel.focusList(which);
        } else if (event->type() == QEvent::KeyPress) {
            auto *key = static_cast<QKeyEvent *>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                m_panel.enter(which, m_tables[i]->currentRow());
                refresh();
                return true;
            }
            const QString text = key->text();
            const QChar c = text.size() == 1 ? text[0] : QChar();
            const int row = m_panel.keyPress(which, c);
            if (row >= 0) {
                refresh();
                m_tables[i]->scrollToItem(m_tables[i]->item(row, 0));
                return true;
            }
            // Any other key keeps its ordinary meaning (arrows, page keys).
        }
    }
    return QWidget::eventFilter(watched, event);
}

void THtmlPanel::refresh()
{
    m_refreshing = true;
    for (int i = 0; i < 4; ++i) {
        const TPanelList &l = m_panel.list(TKodePanel::Liste(i));
        QTableWidget *t = m_tables[i];
        t->setHorizontalHeaderLabels({l.caption});
        t->setRowCount(int(l.rows.size()));
        for (int r = 0; r < l.rows.size(); ++r) {
            QTableWidgetItem *item = t->item(r, 0);
            if (!item)
                t->setItem(r, 0, item = new QTableWidgetItem);
            item->setText(l.rows[r]);
        }
        if (l.current >= 0 && l.current < t->rowCount()) {
            t->setCurrentCell(l.current, 0);
            t->scrollToItem(t->item(l.current, 0));
        } else {
            t->clearSelection();
        }
    }
    m_refreshing = false;
    updateWriteButton();
}

void THtmlPanel::updateWriteButton()
{
    m_write->setEnabled(m_panel.canWriteFound(m_kodeEdit->text()));
}

void THtmlPanel::setAutoKode(bool on)
{
    m_engine.autoKode = on;
    m_autokode->setChecked(on);
}

void THtmlPanel::getKode()
{
    if (!m_engine.autoKode)
        return;
    m_panel.getKode();
    refresh();
}

} // namespace taglund
