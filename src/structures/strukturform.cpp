#include "structures/strukturform.h"

#include "structures/strukturikonvalg.h"
#include "structures/strukturview.h"
#include "ui/controls.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace taglund {

namespace {
struct BusyCursor {
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};

QPushButton *button(QList<QPushButton *> &list, QWidget *parent, const QString &caption, const QString &hint = {})
{
    QPushButton *b = ui::namedButton(caption, parent);
    if (!hint.isEmpty())
        b->setToolTip(hint);
    list << b;
    return b;
}

QString currentName(const QListWidget *list)
{
    const QListWidgetItem *item = list->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}
} // namespace

Tstrukturform::Tstrukturform(TKonstruktoerHost *host, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), m_host(host),
      m_workshop(host->programdir(), host->infodir(), host->strukturdir(), this)
{
    setWindowTitle(QStringLiteral("Strukturkonstruktøren"));
    setMinimumSize(675, 545);
    m_info.struktur = &m_workshop.info();
    m_obj.struktur = &m_workshop.objekt();

    m_tabs = new QTabWidget(this);
    m_tabs->addTab(buildFirstTab(), QStringLiteral("Ny struktur | Rediger struktur"));
    m_tabs->addTab(buildTreeTab(m_info, true), QStringLiteral("Informationsstruktur"));
    m_tabs->addTab(buildTreeTab(m_obj, false), QStringLiteral("Objektstruktur"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    connectTreeTab(m_info, true);
    connectTreeTab(m_obj, false);

    connect(&m_workshop, &TStrukturWorkshop::infoListeAendret, this, [this] {
        fillLists();
        m_host->informationsstrukturerAendret();
    });
    connect(&m_workshop, &TStrukturWorkshop::objektListeAendret, this, [this] {
        fillLists();
        m_host->objektstrukturerAendret();
    });
    connect(&m_workshop, &TStrukturWorkshop::infoAabnet, this, &Tstrukturform::infoOpened);
    connect(&m_workshop, &TStrukturWorkshop::objektAabnet, this, &Tstrukturform::objektOpened);

    fillLists();
    m_info.ikon->setKnapper(TIkonSet::Info, TIkonVaelger::infoKnapper());
    m_info.ikon->vaelgIkon(0);
    m_obj.ikon->setKnapper(TIkonSet::Objekt, TIkonVaelger::objektKnapper());
    m_obj.ikon->vaelgIkon(0);
    infoOpened();
    objektOpened();
    resize(760, 580);
}

QWidget *Tstrukturform::buildFirstTab()
{
    auto *page = new QWidget;
    auto &b = m_buttons[0];

    auto *infoBox = new QGroupBox(QStringLiteral("Informationsstrukturer"), page);
    m_infoList = new QListWidget(infoBox);
    m_infoList->setAccessibleName(infoBox->title());
    auto *opdaterInfo = button(b, infoBox, QStringLiteral("Opdater Infostrukturer"),
                               QStringLiteral("Opdater Informationsstrukturer efter ændringer i listen"));
    auto *redigerInfo = button(b, infoBox, QStringLiteral("Rediger Struktur"), QStringLiteral("Rediger valgte struktur"));
    auto *sletInfo = button(b, infoBox, QStringLiteral("Slet Struktur"), QStringLiteral("Slet valgte struktur"));
    auto *l1 = new QVBoxLayout(infoBox);
    for (QWidget *w : {static_cast<QWidget *>(m_infoList), static_cast<QWidget *>(opdaterInfo),
                       static_cast<QWidget *>(redigerInfo), static_cast<QWidget *>(sletInfo)})
        l1->addWidget(w);

    auto *objBox = new QGroupBox(QStringLiteral("Objektstrukturer"), page);
    m_objektList = new QListWidget(objBox);
    m_objektList->setAccessibleName(objBox->title());
    auto *opdaterObj = button(b, objBox, QStringLiteral("Opdater Objektstrukturer"),
                              QStringLiteral("Opdater Objektstrukturer efter ændringer i listen"));
    auto *redigerObj = button(b, objBox, QStringLiteral("Rediger Struktur"), QStringLiteral("Rediger valgte struktur"));
    auto *sletObj = button(b, objBox, QStringLiteral("Slet Struktur"), QStringLiteral("Slet valgte struktur"));
    auto *l2 = new QVBoxLayout(objBox);
    for (QWidget *w : {static_cast<QWidget *>(m_objektList), static_cast<QWidget *>(opdaterObj),
                       static_cast<QWidget *>(redigerObj), static_cast<QWidget *>(sletObj)})
        l2->addWidget(w);

    auto *nyBox = new QGroupBox(QStringLiteral("Ny struktur"), page);
    m_type = new QComboBox(nyBox);
    m_type->addItems({QStringLiteral("Informationsstruktur"), QStringLiteral("Objektstruktur")});
    m_type->setToolTip(QStringLiteral("Vælg strukturtype"));
    m_type->setAccessibleName(QStringLiteral("Strukturtype"));
    m_navn = new QLineEdit(nyBox);
    m_navn->setAccessibleName(QStringLiteral("Strukturnavn"));
    auto *opret = button(b, nyBox, QStringLiteral("Opret struktur"),
                         QStringLiteral("Opret en ny struktur af valge strukturtype"));
    auto *infoNy = button(b, nyBox, QStringLiteral("Information"),
                          QStringLiteral("Information: Ny struktur og rediger struktur"));
    auto *l3 = new QVBoxLayout(nyBox);
    l3->addWidget(new QLabel(QStringLiteral("Strukturtype"), nyBox));
    l3->addWidget(m_type);
    l3->addWidget(new QLabel(QStringLiteral("Strukturnavn"), nyBox));
    l3->addWidget(m_navn);
    l3->addWidget(opret);
    l3->addWidget(infoNy);

    auto *flytBox = new QGroupBox(QStringLiteral("Flyt struktur"), page);
    m_objektNavn = new QLineEdit(flytBox);
    m_objektNavn->setReadOnly(true);
    m_objektNavn->setAccessibleName(QStringLiteral("Objektstrukturnavn"));
    auto *flyt = button(b, flytBox, QStringLiteral("Flyt strukturen til Informationsstrukturer"),
                        QStringLiteral("Det kan tage lidt tid!"));
    auto *infoFlyt = button(b, flytBox, QStringLiteral("Information"), QStringLiteral("Information: Flyt struktur"));
    auto *l4 = new QVBoxLayout(flytBox);
    l4->addWidget(new QLabel(QStringLiteral("Objektstrukturnavn"), flytBox));
    l4->addWidget(m_objektNavn);
    l4->addWidget(flyt);
    l4->addWidget(infoFlyt);

    auto *third = new QVBoxLayout;
    third->addWidget(nyBox);
    third->addWidget(flytBox);
    third->addStretch();
    auto *row = new QHBoxLayout(page);
    row->addWidget(infoBox, 1);
    row->addWidget(objBox, 1);
    row->addLayout(third, 1);

    connect(opdaterInfo, &QPushButton::clicked, this, [this] {
        m_workshop.scanInfo();
        fillLists();
    });
    connect(opdaterObj, &QPushButton::clicked, this, [this] {
        m_workshop.loadObjektListe();
        fillLists();
    });
    connect(redigerInfo, &QPushButton::clicked, this, &Tstrukturform::redigerInfoStruktur);
    connect(m_infoList, &QListWidget::itemActivated, this, &Tstrukturform::redigerInfoStruktur);
    connect(sletInfo, &QPushButton::clicked, this, &Tstrukturform::sletInfoStruktur);
    connect(m_objektList, &QListWidget::currentTextChanged, m_objektNavn, &QLineEdit::setText);
    connect(redigerObj, &QPushButton::clicked, this, &Tstrukturform::redigerObjektStruktur);
    connect(m_objektList, &QListWidget::itemActivated, this, &Tstrukturform::redigerObjektStruktur);
    connect(sletObj, &QPushButton::clicked, this, &Tstrukturform::sletObjektStruktur);
    connect(m_type, &QComboBox::activated, this, [this] { m_navn->setFocus(); });
    connect(m_navn, &QLineEdit::returnPressed, this, &Tstrukturform::opretStruktur);
    connect(opret, &QPushButton::clicked, this, &Tstrukturform::opretStruktur);
    connect(infoNy, &QPushButton::clicked, this,
            [this] { m_host->helpInfo(QStringLiteral("Information"), QStringLiteral("Ny struktur")); });
    connect(flyt, &QPushButton::clicked, this, &Tstrukturform::flytStruktur);
    connect(infoFlyt, &QPushButton::clicked, this,
            [this] { m_host->helpInfo(QStringLiteral("Information"), QStringLiteral("Flyt struktur")); });
    return page;
}

QPushButton *Tstrukturform::knap(const QString &caption, int tab) const
{
    if (tab < 0 || tab > 2)
        return nullptr;
    for (QPushButton *b : m_buttons[tab])
        if (b->text() == caption)
            return b;
    return nullptr;
}

void Tstrukturform::fillLists()
{
    const QString info = currentName(m_infoList);
    m_infoList->clear();
    m_infoList->addItems(m_workshop.infoStrukturer());
    const QString obj = currentName(m_objektList);
    m_objektList->clear();
    m_objektList->addItems(m_workshop.objektStrukturer());
    for (auto [list, name] : {std::pair{m_infoList, info}, std::pair{m_objektList, obj}}) {
        const auto found = list->findItems(name, Qt::MatchExactly);
        if (!name.isEmpty() && !found.isEmpty())
            list->setCurrentItem(found.first());
    }
}

void Tstrukturform::opretStruktur()
{
    clearInfoFields();
    const bool info = m_type->currentIndex() == 0;
    if (info ? m_workshop.opretInfo(m_navn->text()) : m_workshop.opretObjekt(m_navn->text()))
        m_tabs->setCurrentIndex(info ? 1 : 2);
    updateCommands();
}

void Tstrukturform::redigerInfoStruktur()
{
    if (!m_workshop.aabnInfo(currentName(m_infoList)))
        return;
    m_tabs->setCurrentIndex(1);
    clearInfoFields();
    m_info.tekst->setFocus();
    updateCommands();
}

void Tstrukturform::sletInfoStruktur()
{
    if (m_workshop.sletInfo(currentName(m_infoList)))
        clearInfoFields();
    updateCommands();
}

void Tstrukturform::redigerObjektStruktur()
{
    if (!m_workshop.aabnObjekt(currentName(m_objektList)))
        return;
    m_tabs->setCurrentIndex(2);
    updateCommands();
}

void Tstrukturform::sletObjektStruktur()
{
    if (m_workshop.sletObjekt(currentName(m_objektList)))
        clearObjektFields();
    updateCommands();
}

void Tstrukturform::flytStruktur()
{
    clearInfoFields();
    bool done = false;
    {
        BusyCursor busy;
        done = m_workshop.konverter(m_objektNavn->text());
    }
    if (done) {
        m_tabs->setCurrentIndex(1);
        showInfoEntry();
    }
    updateCommands();
}

void Tstrukturform::updateCommands()
{
    const Side &i = m_info;
    const bool open = m_workshop.infoOpen();
    const bool tekst = !i.tekst->text().isEmpty();
    i.klargoer->setEnabled((tekst || !i.filnavn->text().isEmpty()) && open);
    i.indsaet->setEnabled(m_insertAktiv && tekst && open);
    const bool valgt = i.struktur->Selected() && tekst;
    i.rediger->setEnabled(valgt);
    i.slet->setEnabled(valgt);
    i.gem->setEnabled(i.struktur->Modified());
    i.genindlaes->setEnabled(true);

    const Side &o = m_obj;
    const bool open1 = m_workshop.objektOpen();
    const bool tekst1 = !o.tekst->text().isEmpty();
    const bool felter = !o.felt[0]->text().isEmpty() || !o.felt[1]->text().isEmpty() || !o.felt[2]->text().isEmpty();
    o.klargoer->setEnabled((tekst1 || felter) && open1);
    o.indsaet->setEnabled(m_insertAktiv1 && tekst1 && open1);
    const bool valgt1 = o.struktur->Selected() && tekst1;
    o.rediger->setEnabled(valgt1);
    o.slet->setEnabled(valgt1);
    o.gem->setEnabled(o.struktur->Modified());
    o.genindlaes->setEnabled(o.struktur->Modified());
}

void Tstrukturform::showEvent(QShowEvent *e)
{
    if (!m_placed && parentWidget()) {
        m_placed = true;
        const QRect r = parentWidget()->window()->frameGeometry();
        move(r.center() - rect().center());
    }
    QWidget::showEvent(e);
}

void Tstrukturform::closeEvent(QCloseEvent *e)
{
    // Each modified tree is offered for saving; declining to answer keeps the window.
    if (!m_workshop.maaForlade(m_workshop.info()) || !m_workshop.maaForlade(m_workshop.objekt())) {
        e->ignore();
        return;
    }
    QWidget::closeEvent(e);
}

} // namespace taglund
