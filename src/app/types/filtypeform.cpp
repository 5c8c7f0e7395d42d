#include "app/types/filtypeform.h"

#include "ui/questions.h"

#include <QApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include "ui/controls.h"

namespace taglund {

namespace {

} // namespace

TFiltypeForm::TFiltypeForm(TFiltypeliste &liste, const QString &typelisteNavn, TTypeBoxHost host, QWidget *parent)
    : QDialog(parent), m_liste(liste), m_fil(typelisteNavn), m_host(std::move(host))
{
    setWindowTitle(QStringLiteral("Filtypeboksen"));
    setAccessibleName(windowTitle());
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto *bar = new QToolBar(this);
    m_op = bar->addAction(QStringLiteral("Flyt valgte op"), this, &TFiltypeForm::flytOp);
    m_ned = bar->addAction(QStringLiteral("Flyt valgte ned"), this, &TFiltypeForm::flytNed);
    for (QAction *a : {m_op, m_ned})
        if (QWidget *w = bar->widgetForAction(a))
            w->setAccessibleName(a->text());

    const QString hjaelp = QStringLiteral("Afkryds filtyper der skal være tilgængelige i Dokumenttypeboksen");
    auto *label = new QLabel(hjaelp, this);
    label->setAccessibleName(hjaelp);

    m_list = new QTreeWidget(this);
    m_list->setHeaderLabels({QStringLiteral("Tekst"), QStringLiteral("Type")});
    m_list->setRootIsDecorated(false);
    m_list->setAccessibleName(hjaelp);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    label->setBuddy(m_list);
    connect(m_list, &QTreeWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        opdaterFlyt();
        QMenu menu(this);
        menu.setAccessibleName(QStringLiteral("Filtyper"));
        menu.addAction(m_op);
        menu.addAction(m_ned);
        menu.exec(m_list->viewport()->mapToGlobal(pos));
    });
    connect(m_list, &QTreeWidget::currentItemChanged, this, [this] { opdaterFlyt(); });
    connect(m_list, &QTreeWidget::itemChanged, this, [this] { aendret(); });

    m_tekst = new QLineEdit(this);
    m_tekst->setAccessibleName(QStringLiteral("Tekst"));
    m_type = new QLineEdit(this);
    m_type->setAccessibleName(QStringLiteral("Type"));
    connect(m_type, &QLineEdit::returnPressed, this, &TFiltypeForm::indfoerIListen);
    auto *indfoer = ui::namedButton(QStringLiteral("Indfør i listen"), this);
    connect(indfoer, &QPushButton::clicked, this, &TFiltypeForm::indfoerIListen);
    auto *felter = new QFormLayout;
    for (QLineEdit *felt : {m_tekst, m_type}) {
        auto *navn = new QLabel(felt->accessibleName(), this);
        navn->setAccessibleName(navn->text());
        navn->setBuddy(felt);
        felter->addRow(navn, felt);
    }
    auto *tilfoej = new QHBoxLayout;
    tilfoej->addLayout(felter, 1);
    tilfoej->addWidget(indfoer, 0, Qt::AlignBottom);

    auto *sletKnap = ui::namedButton(QStringLiteral("Slet"), this);
    auto *standardKnap = ui::namedButton(QStringLiteral("Standard"), this);
    m_gem = ui::namedButton(QStringLiteral("Gem og luk"), this);
    auto *annuller = ui::namedButton(QStringLiteral("Annuller"), this);
    connect(sletKnap, &QPushButton::clicked, this, &TFiltypeForm::slet);
    connect(standardKnap, &QPushButton::clicked, this, &TFiltypeForm::standard);
    connect(m_gem, &QPushButton::clicked, this, &TFiltypeForm::gemOgLuk);
    connect(annuller, &QPushButton::clicked, this, &QDialog::reject);
    auto *knapper = new QHBoxLayout;
    knapper->addWidget(sletKnap);
    knapper->addWidget(standardKnap);
    knapper->addStretch(1);
    knapper->addWidget(m_gem);
    knapper->addWidget(annuller);

    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(bar);
    layout->addWidget(label);
    layout->addWidget(m_list, 1);
    layout->addLayout(tilfoej);
    layout->addLayout(knapper);
    resize(460, 420);

    fyld(m_liste.typer());
    m_gem->setEnabled(false);
}

void TFiltypeForm::vis()
{
    if (QApplication::activeModalWidget() && QApplication::activeModalWidget() != this) {
        // Shown before the modal box opened, it would stay blocked behind it.
        hide();
        exec();
        return;
    }
    show();
    raise();
    activateWindow();
}

QTreeWidgetItem *TFiltypeForm::nyRaekke(const TFiltype &t)
{
    auto *item = new QTreeWidgetItem({t.navn, t.monster});
    item->setFlags((item->flags() | Qt::ItemIsUserCheckable) & ~Qt::ItemIsDropEnabled);
    item->setCheckState(0, t.valgt ? Qt::Checked : Qt::Unchecked);
    return item;
}

void TFiltypeForm::fyld(const QList<TFiltype> &typer)
{
    m_fylder = true;
    m_list->clear();
    for (const TFiltype &t : typer)
        m_list->addTopLevelItem(nyRaekke(t));
    m_fylder = false;
    opdaterFlyt();
}

QList<TFiltype> TFiltypeForm::boxTyper() const
{
    QList<TFiltype> out;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = m_list->topLevelItem(i);
        out.append({item->text(0), item->text(1), item->checkState(0) == Qt::Checked});
    }
    return out;
}

void TFiltypeForm::aendret()
{
    if (!m_fylder)
        m_gem->setEnabled(true);
}

void TFiltypeForm::opdaterFlyt()
{
    const int row = m_list->currentItem() ? m_list->indexOfTopLevelItem(m_list->currentItem()) : -1;
    m_op->setEnabled(row > 0);
    m_ned->setEnabled(row >= 0 && row < m_list->topLevelItemCount() - 1);
}

void TFiltypeForm::flyt(int step)
{
    QTreeWidgetItem *item = m_list->currentItem();
    if (!item)
        return;
    const int row = m_list->indexOfTopLevelItem(item);
    const int to = row + step;
    if (to < 0 || to >= m_list->topLevelItemCount())
        return;
    m_list->takeTopLevelItem(row);
    m_list->insertTopLevelItem(to, item);
    m_list->setCurrentItem(item);
    aendret();
    opdaterFlyt();
}

void TFiltypeForm::flytOp()
{
    flyt(-1);
}

void TFiltypeForm::flytNed()
{
    flyt(1);
}

void TFiltypeForm::indfoerIListen()
{
    const QString navn = m_tekst->text().trimmed();
    const QString typed = m_type->text().trimmed();
    if (navn.isEmpty() || typed.isEmpty())
        return;
    const QString monster = normaliseTypePattern(typed);
    if (monster.isEmpty()) {
        ui::showInfo(this, QStringLiteral("Typen skal slutte med et filefternavn, for eksempel *.html."));
        m_type->setFocus();
        return;
    }
    QTreeWidgetItem *item = nyRaekke({navn, monster, true});
    m_list->addTopLevelItem(item);
    m_list->setCurrentItem(item);
    aendret();
    m_tekst->clear();
    m_type->clear();
    m_tekst->setFocus();
}

void TFiltypeForm::slet()
{
    QTreeWidgetItem *item = m_list->currentItem();
    if (!item) {
        ui::showInfo(this, QStringLiteral("Der er ikke valgt en filtype!"));
        return;
    }
    if (!ui::askQuestion(this, {QStringLiteral("Skal filtypen:"), item->text(0), QStringLiteral("slettes permanent?")}))
        return;
    delete item;
    aendret();
    opdaterFlyt();
}

bool TFiltypeForm::gemListe(const QList<TFiltype> &typer)
{
    // Written first and taken over only once it is on disk, so a failed write
    // leaves both the file and the program's list as they were.
    TFiltypeliste ny;
    ny.setTyper(typer);
    QString error;
    if (!ny.GemTypeliste(m_fil, &error)) {
        ui::showError(this, QStringLiteral("Filtypelisten kunne ikke gemmes i ") + m_fil + QStringLiteral(":\r") + error);
        return false;
    }
    m_liste = ny;
    if (m_host.derivedListsChanged)
        m_host.derivedListsChanged();
    return true;
}

void TFiltypeForm::standard()
{
    if (!ui::askQuestion(this, {QStringLiteral("Der vil muligvist blive fjernet typer, der er indført senere!"),
                                QStringLiteral("Skal standardlisten hentes alligevel?")}))
        return;
    if (!gemListe(TFiltypeliste::standardTyper()))
        return;
    fyld(m_liste.typer());
    m_gem->setEnabled(false);
}

void TFiltypeForm::gemOgLuk()
{
    if (!gemListe(boxTyper()))
        return;
    m_gem->setEnabled(false);
    accept();
}

} // namespace taglund
