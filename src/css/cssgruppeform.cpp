#include "css/cssgruppeform.h"

#include "core/text/paths.h"
#include "core/text/textfile.h"
#include "css/cssvaert.h"
#include "ui/questions.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QSplitter>
#include <QStyle>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace taglund {

QString TCssGruppeSettings::fileName(const QString &optdir)
{
    return joinPath(optdir, QStringLiteral("/css.txt"));
}

TCssGruppeSettings TCssGruppeSettings::read(const QString &optdir)
{
    TCssGruppeSettings s;
    SettingsReader r = SettingsReader::fromFile(fileName(optdir));
    TCssGruppeSettings got;
    // A half-read file would place the window oddly: all five or the design place.
    if (!(r.number(got.top) && r.number(got.left) && r.number(got.height) && r.number(got.width)
          && r.number(got.panelWidth)))
        return s;
    if (got.width <= 0 || got.height <= 0 || got.panelWidth <= 0)
        return s;
    got.fraFil = true;
    return got;
}

bool TCssGruppeSettings::write(const QString &optdir) const
{
    return SettingsWriter().number(top).number(left).number(height).number(width).number(panelWidth).save(
        fileName(optdir));
}

TCssGruppeForm::TCssGruppeForm(TCssVaert *vaert, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), m_vaert(vaert), m_viden(vaert->programdir())
{
    setWindowTitle(QStringLiteral("CSS"));
    auto *v = new QVBoxLayout(this);
    v->setContentsMargins(2, 2, 2, 2);
    auto *bar = new QToolBar(this);
    QAction *om = bar->addAction(style()->standardIcon(QStyle::SP_MessageBoxInformation), QString());
    om->setToolTip(QStringLiteral("information om CSS boksen"));
    connect(om, &QAction::triggered, this,
            [this] { m_vaert->hjaelp(QStringLiteral("Information"), QStringLiteral("CSS gruppeboksen")); });
    m_egenskabsInfo = new QToolButton(bar);
    m_egenskabsInfo->setIcon(style()->standardIcon(QStyle::SP_FileDialogInfoView));
    m_egenskabsInfo->setToolTip(QStringLiteral("Information: "));
    connect(m_egenskabsInfo, &QToolButton::clicked, this, [this] {
        if (!m_egenskab.isEmpty())
            m_vaert->hjaelp(QStringLiteral("CSS"), m_egenskab);
    });
    bar->addWidget(m_egenskabsInfo);
    QAction *sel = bar->addAction(QStringLiteral("CSS information: Selectors"));
    connect(sel, &QAction::triggered, this,
            [this] { m_vaert->hjaelp(QStringLiteral("CSS.txt"), QStringLiteral("CSS Selectors")); });
    v->addWidget(bar);

    m_split = new QSplitter(this);
    m_grupper = liste(QStringLiteral("Egenskabs grupper"), m_split);
    m_egenskaber = liste(QStringLiteral("Egenskaber"), m_split);
    m_vaerdier = liste(QStringLiteral("Værdier"), m_split);
    m_split->addWidget(m_grupper);
    m_split->addWidget(m_egenskaber);
    m_split->addWidget(m_vaerdier);
    v->addWidget(m_split);
    fyld(m_grupper, TCssViden::grupper());

    connect(m_grupper, &QTableWidget::cellClicked, this,
            [this](int row, int) { LoadPropertyListe(m_grupper->item(row, 0)->text()); });
    connect(m_egenskaber, &QTableWidget::cellClicked, this,
            [this](int row, int) { LoadValueListe(m_egenskaber->item(row, 0)->text()); });
    connect(m_egenskaber, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { egenskabValgt(m_egenskaber->item(row, 0)->text()); });
    connect(m_vaerdier, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { vaerdiValgt(m_vaerdier->item(row, 0)->text()); });

    const TCssGruppeSettings s = TCssGruppeSettings::read(vaert->optdir());
    resize(s.width, s.height);
    if (s.fraFil) {
        move(s.left, s.top);
        m_placeret = true;
    }
    m_split->setSizes({s.panelWidth, (s.width - s.panelWidth) / 2, (s.width - s.panelWidth) / 2});

    m_grupper->selectRow(0);
    LoadPropertyListe(TCssViden::grupper().first());
    LoadValueListe(QStringLiteral("@keyframes"));
    if (const int r = find(m_egenskaber, QStringLiteral("@keyframes"), Qt::CaseSensitive); r >= 0)
        m_egenskaber->selectRow(r);
}

QTableWidget *TCssGruppeForm::liste(const QString &caption, QWidget *parent)
{
    auto *t = new QTableWidget(0, 1, parent);
    t->setHorizontalHeaderLabels({caption});
    t->horizontalHeader()->setStretchLastSection(true);
    t->verticalHeader()->hide();
    t->setShowGrid(true);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setAccessibleName(caption);
    return t;
}

void TCssGruppeForm::fyld(QTableWidget *t, const QStringList &rows)
{
    t->clearContents();
    t->setRowCount(int(rows.size()));
    for (int i = 0; i < rows.size(); ++i)
        t->setItem(i, 0, new QTableWidgetItem(rows[i]));
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 4);
}

int TCssGruppeForm::find(QTableWidget *t, const QString &text, Qt::CaseSensitivity cs)
{
    for (int i = 0; i < t->rowCount(); ++i)
        if (t->item(i, 0)->text().compare(text, cs) == 0)
            return i;
    return -1;
}

void TCssGruppeForm::LoadPropertyListe(const QString &gruppe)
{
    fyld(m_vaerdier, {});
    setWindowTitle(gruppe);
    m_gruppe = gruppe;
    fyld(m_egenskaber, m_viden.egenskaber(gruppe));
    m_vaerdier->setHorizontalHeaderLabels({QStringLiteral("Værdier")});
    m_egenskaber->setHorizontalHeaderLabels({gruppe});
}

void TCssGruppeForm::LoadValueListe(const QString &egenskab)
{
    fyld(m_vaerdier, m_viden.vaerdier(m_gruppe, egenskab));
    m_vaerdier->setHorizontalHeaderLabels({egenskab});
    m_egenskab = egenskab;
    m_egenskabsInfo->setToolTip(QStringLiteral("Information: ") + egenskab);
    m_egenskabsInfo->setAccessibleName(m_egenskabsInfo->toolTip());
}

void TCssGruppeForm::egenskabValgt(const QString &egenskab)
{
    if (egenskab.startsWith(u'@')) {
        m_vaert->hjaelp(QStringLiteral("CSS.txt"), egenskab);
        return;
    }
    if (!m_vaert->harDokument()) {
        ui::showInfo(this, CssBeskeder::ingenDokumenter());
        return;
    }
    m_vaert->skrivEgenskab(egenskab);
}

void TCssGruppeForm::vaerdiValgt(const QString &vaerdi)
{
    QStringList props;
    for (int i = 0; i < m_egenskaber->rowCount(); ++i)
        props << m_egenskaber->item(i, 0)->text();
    switch (TCssViden::art(vaerdi, props)) {
    case TCssVaerdiArt::Enhed:
        m_vaert->hjaelp(QStringLiteral("CSS.txt"), QStringLiteral("CSS Units"));
        return;
    case TCssVaerdiArt::Farve:
        m_vaert->hjaelp(QStringLiteral("CSS.txt"), QStringLiteral("CSS Colors"));
        return;
    case TCssVaerdiArt::Overskrift:
        return;
    case TCssVaerdiArt::Henvisning: {
        const QString p = TCssViden::henvisning(vaerdi);
        const int r = find(m_egenskaber, p, Qt::CaseSensitive);
        m_egenskaber->selectRow(r);
        m_egenskaber->scrollToItem(m_egenskaber->item(r, 0));
        LoadValueListe(p);
        return;
    }
    case TCssVaerdiArt::Vaerdi:
        break;
    }
    if (!m_vaert->harDokument()) {
        ui::showInfo(this, CssBeskeder::ingenDokumenter());
        return;
    }
    m_vaert->skrivVaerdi(m_egenskab, vaerdi);
}

bool TCssGruppeForm::visEgenskab(const QString &ord)
{
    const QString ikkeFundet = ord + QStringLiteral(" blev ikke fundet.");
    const std::optional<QString> gruppe = m_viden.gruppeFor(ord);
    const int g = gruppe ? find(m_grupper, *gruppe, Qt::CaseInsensitive) : -1;
    if (g < 0) {
        ui::showInfo(this, ikkeFundet);
        return false;
    }
    m_grupper->selectRow(g);
    m_grupper->scrollToItem(m_grupper->item(g, 0));
    LoadPropertyListe(m_grupper->item(g, 0)->text());
    const int p = find(m_egenskaber, ord, Qt::CaseInsensitive);
    if (p < 0) {
        ui::showInfo(this, ikkeFundet);
        return false;
    }
    m_egenskaber->selectRow(p);
    m_egenskaber->scrollToItem(m_egenskaber->item(p, 0));
    LoadValueListe(m_egenskaber->item(p, 0)->text());
    return true;
}

bool TCssGruppeForm::gemIndstillinger() const
{
    TCssGruppeSettings s;
    s.top = y();
    s.left = x();
    s.height = height();
    s.width = width();
    const QList<int> sizes = m_split->sizes();
    s.panelWidth = sizes.isEmpty() || sizes.first() <= 0 ? s.panelWidth : sizes.first();
    return s.write(m_vaert->optdir());
}

void TCssGruppeForm::showEvent(QShowEvent *e)
{
    if (!m_placeret) {
        m_placeret = true;
        if (QWidget *main = m_vaert->hovedvindue())
            move(main->geometry().center() - rect().center());
    }
    QWidget::showEvent(e);
}

void TCssGruppeForm::closeEvent(QCloseEvent *e)
{
    gemIndstillinger();
    QWidget::closeEvent(e);
}

} // namespace taglund
