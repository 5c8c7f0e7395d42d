#include "app/types/doktypeform.h"

#include "ui/questions.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace taglund {

namespace {

QPushButton *knap(const QString &caption, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setAccessibleName(caption);
    return b;
}

// A size from the settings file is used only when a window of it can be seen.
constexpr int kMinSide = 120;
constexpr int kMaxSide = 10000;

} // namespace

TDokTypeForm::TDokTypeForm(const TFiltypeliste &liste, const QString &filtyperFil, TTypeBoxHost host,
                           QWidget *parent)
    : QDialog(parent), m_fil(filtyperFil), m_host(std::move(host))
{
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    const QString hjaelp = QStringLiteral("Afkryds filtypen og vælg den for at åbne dokumentet med klichee.");
    auto *label = new QLabel(hjaelp, this);
    label->setAccessibleName(hjaelp);
    label->setWordWrap(true);

    m_list = new QTreeWidget(this);
    m_list->setHeaderLabels({QStringLiteral("Dokument type"), QStringLiteral("Type")});
    m_list->setRootIsDecorated(false);
    m_list->setAccessibleName(hjaelp);
    m_list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    label->setBuddy(m_list);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this] { accept(); });

    m_accept = knap(standardKnap(), this);
    m_accept->setDefault(true);
    auto *annuller = knap(QStringLiteral("Annuller"), this);
    m_indfoer = knap(QStringLiteral("Indfør filtype"), this);
    connect(m_accept, &QPushButton::clicked, this, &QDialog::accept);
    connect(annuller, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_indfoer, &QPushButton::clicked, this, [this] {
        if (m_host.visFiltypeboks)
            m_host.visFiltypeboks();
    });
    auto *knapper = new QHBoxLayout;
    knapper->addWidget(m_indfoer);
    knapper->addStretch(1);
    knapper->addWidget(m_accept);
    knapper->addWidget(annuller);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_list, 1);
    layout->addLayout(knapper);
    restoreTexts();

    m_designSize = QSize(420, 380);
    resize(m_designSize);

    // `LoadFilliste`, then the ticks and size remembered from last time.
    if (!liste.isEmpty())
        setRows(liste.dokumentTyper());
    const TFiltyperSettings s = TFiltyperSettings::hent(m_fil);
    if (s.harStoerrelse && s.bredde >= kMinSide && s.hoejde >= kMinSide && s.bredde <= kMaxSide
        && s.hoejde <= kMaxSide)
        resize(s.bredde, s.hoejde);
    const QList<bool> ticks = s.ticksFor(rows());
    for (int i = 0; i < ticks.size(); ++i)
        m_list->topLevelItem(i)->setCheckState(0, ticks[i] ? Qt::Checked : Qt::Unchecked);
}

void TDokTypeForm::setRows(const QList<TFiltype> &rows)
{
    m_list->clear();
    for (const TFiltype &t : rows) {
        auto *item = new QTreeWidgetItem({t.navn, t.monster});
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, Qt::Unchecked);
        m_list->addTopLevelItem(item);
    }
    if (m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(0));
}

QList<TFiltype> TDokTypeForm::rows() const
{
    QList<TFiltype> out;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = m_list->topLevelItem(i);
        out.append({item->text(0), item->text(1), item->checkState(0) == Qt::Checked});
    }
    return out;
}

void TDokTypeForm::setTexts(const QString &titel, const QString &knapTekst)
{
    setWindowTitle(titel);
    setAccessibleName(titel);
    m_accept->setText(knapTekst);
    m_accept->setAccessibleName(knapTekst);
}

std::optional<TFiltype> TDokTypeForm::vaelg()
{
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    const QTreeWidgetItem *item = m_list->currentItem();
    if (!item || !item->isSelected())
        return std::nullopt;
    return TFiltype{item->text(0), item->text(1), item->checkState(0) == Qt::Checked};
}

void TDokTypeForm::nytDokument()
{
    if (const std::optional<TFiltype> t = vaelg(); t && m_host.nytDokument)
        m_host.nytDokument(t->monster, t->valgt);
}

void TDokTypeForm::done(int r)
{
    gemIndstillinger();
    QDialog::done(r);
}

void TDokTypeForm::gemIndstillinger()
{
    if (m_fil.isEmpty())
        return;
    TFiltyperSettings s;
    s.harStoerrelse = true;
    s.bredde = width();
    s.hoejde = height();
    for (const TFiltype &t : rows()) {
        s.afkrydset.append(t.valgt);
        s.typer.append(t.boxTekst());
    }
    QString error;
    if (!s.gem(m_fil, &error))
        ui::showError(this, QStringLiteral("Dokumenttypeboksens indstillinger kunne ikke gemmes i ") + m_fil
                                + QStringLiteral(":\r") + error);
}

void applyTypeBoxState(const TypeBoxState &state, bool editMode, QComboBox *typeBox, QComboBox *findChoice,
                       TDokTypeForm *dokTypeBox)
{
    if (typeBox) {
        const QSignalBlocker block(typeBox);
        typeBox->clear();
        typeBox->addItems(state.typeBox);
        typeBox->setCurrentIndex(state.selected);
        if (editMode && state.visibleItems > 0)
            typeBox->setMaxVisibleItems(state.visibleItems);
    }
    if (!editMode)
        return;
    if (findChoice) {
        findChoice->clear();
        findChoice->addItems(state.findChoice);
        findChoice->setCurrentIndex(state.selected);
        if (state.visibleItems > 0)
            findChoice->setMaxVisibleItems(state.visibleItems);
    }
    if (dokTypeBox)
        dokTypeBox->setRows(state.dokumentRows);
}

} // namespace taglund
