#include "filebox/dialogforms.h"

#include "ui/controls.h"
#include "ui/questions.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

namespace taglund {

namespace {

QLineEdit *readOnlyField(QWidget *parent)
{
    auto *e = new QLineEdit(parent);
    e->setReadOnly(true);
    return e;
}

QLabel *captionFor(const QString &text, QWidget *buddy, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setBuddy(buddy);
    buddy->setAccessibleName(text);
    return l;
}

} // namespace

TBekraeftForm::TBekraeftForm(QWidget *parent) : QDialog(parent)
{
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    auto *v = new QVBoxLayout(this);
    m_kilde = readOnlyField(this);
    v->addWidget(captionFor(QStringLiteral("Kildemappe:"), m_kilde, this));
    v->addWidget(m_kilde);
    auto *lists = new QHBoxLayout;
    auto *fl = new QVBoxLayout, *ml = new QVBoxLayout;
    m_filer = new QListWidget(this);
    m_mapper = new QListWidget(this);
    fl->addWidget(captionFor(QStringLiteral("Filer:"), m_filer, this));
    fl->addWidget(m_filer);
    ml->addWidget(captionFor(QStringLiteral("Mapper:"), m_mapper, this));
    ml->addWidget(m_mapper);
    lists->addLayout(fl);
    lists->addLayout(ml);
    v->addLayout(lists);
    m_destination = readOnlyField(this);
    v->addWidget(captionFor(QStringLiteral("Destignationsmappe:"), m_destination, this));
    v->addWidget(m_destination);
    auto *q = new QHBoxLayout;
    m_ikon = new QLabel(this);
    m_spoergsmaal = new QLabel(this);
    q->addWidget(m_ikon);
    q->addWidget(m_spoergsmaal, 1);
    v->addLayout(q);
    auto *buttons = new QHBoxLayout;
    auto *ja = ui::namedButton(QStringLiteral("Ja"), this);
    auto *nej = ui::namedButton(QStringLiteral("Nej"), this);
    ja->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(ja);
    buttons->addWidget(nej);
    v->addLayout(buttons);
    connect(ja, &QPushButton::clicked, this, &QDialog::accept);
    connect(nej, &QPushButton::clicked, this, &QDialog::reject);
    resize(460, 420);
}

void TBekraeftForm::fyld(const TBekraeftelse &b)
{
    setWindowTitle(b.caption);
    m_kilde->setText(b.kilde);
    m_destination->setText(b.destination);
    m_filer->clear();
    m_filer->addItems(b.filer);
    m_mapper->clear();
    m_mapper->addItems(b.mapper);
    m_spoergsmaal->setText(b.spoergsmaal);
    m_spoergsmaal->setAccessibleName(b.spoergsmaal);
    const QStyle::StandardPixmap pix = b.ikon == TBekraeftelse::Slet ? QStyle::SP_TrashIcon
                                       : b.ikon == TBekraeftelse::Flyt ? QStyle::SP_ArrowForward
                                                                      : QStyle::SP_FileDialogNewFolder;
    m_ikon->setPixmap(style()->standardIcon(pix).pixmap(32, 32));
}

TKonfliktForm::TKonfliktForm(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Hvad skal der gøres"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    auto *v = new QVBoxLayout(this);
    m_label = new QLabel(this);
    m_navne = new QListWidget(this);
    v->addWidget(m_label);
    v->addWidget(m_navne);
    auto *box = new QGroupBox(QStringLiteral("Handling"), this);
    auto *bv = new QVBoxLayout(box);
    m_valg = new QButtonGroup(this);
    const char *captions[] = {"Overskriv ingen", "Overskriv alle", "Spørg hver gang", "Opret kopier"};
    for (int i = 0; i < 4; ++i) {
        auto *r = new QRadioButton(QString::fromUtf8(captions[i]), box);
        m_valg->addButton(r, i);
        bv->addWidget(r);
    }
    v->addWidget(box);
    auto *fort = ui::namedButton(QStringLiteral("Forsæt"), this);
    fort->setDefault(true);
    v->addWidget(fort, 0, Qt::AlignRight);
    connect(fort, &QPushButton::clicked, this, &QDialog::accept);
    resize(360, 380);
}

void TKonfliktForm::fyld(const QString &label, const QStringList &navne, TKonfliktValg valg)
{
    m_label->setText(label);
    m_label->setAccessibleName(label);
    m_navne->setAccessibleName(label);
    m_navne->clear();
    m_navne->addItems(navne);
    m_valg->button(int(valg))->setChecked(true);
}

TKonfliktValg TKonfliktForm::valg() const
{
    return TKonfliktValg(qBound(0, m_valg->checkedId(), 3));
}

TFilDialogForms::TFilDialogForms() = default;

TFilDialogForms::~TFilDialogForms()
{
    delete m_bekraeft;
    delete m_konflikt;
}

bool TFilDialogForms::bekraeft(const TBekraeftelse &b)
{
    if (!m_bekraeft)
        m_bekraeft = new TBekraeftForm(ui::anchorWindow());
    m_bekraeft->fyld(b);
    return m_bekraeft->exec() == QDialog::Accepted;
}

bool TFilDialogForms::konflikt(const QString &label, const QStringList &navne, TKonfliktValg &valg)
{
    if (!m_konflikt)
        m_konflikt = new TKonfliktForm(ui::anchorWindow());
    m_konflikt->fyld(label, navne, valg);
    const bool ok = m_konflikt->exec() == QDialog::Accepted;
    valg = m_konflikt->valg();
    return ok;
}

TKopiererForm::TKopiererForm(QWidget *parent)
    : QWidget(parent ? parent : ui::anchorWindow(), Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(QStringLiteral("Kopierer"));
    auto *v = new QVBoxLayout(this);
    m_info = new QLabel(QStringLiteral("Kopierings information"), this);
    m_fil = new QProgressBar(this);
    m_fil->setAccessibleName(QStringLiteral("Fil"));
    auto *row = new QHBoxLayout;
    auto *rest = new QLabel(QStringLiteral(" Resterende elementer: "), this);
    m_procent = new QLabel(this);
    m_rest = new QLabel(this);
    row->addWidget(rest);
    row->addWidget(m_procent);
    row->addWidget(m_rest);
    row->addStretch();
    m_total = new QProgressBar(this);
    m_total->setAccessibleName(QStringLiteral("I alt"));
    m_notits = new QLabel(this);
    m_taelle = new QProgressBar(this);
    m_taelle->setAccessibleName(QStringLiteral("Indlæste mapper"));
    auto *status = new QHBoxLayout;
    for (auto *&p : m_panel) {
        p = new QLabel(this);
        p->setFrameShape(QFrame::StyledPanel);
        status->addWidget(p, 1);
    }
    v->addWidget(m_info);
    v->addWidget(m_fil);
    v->addLayout(row);
    v->addWidget(m_total);
    v->addWidget(m_notits);
    v->addWidget(m_taelle);
    v->addLayout(status);
    resize(420, 230);
}

void TKopiererForm::aabn()
{
    if (!m_cursor) {
        QApplication::setOverrideCursor(Qt::BusyCursor);
        m_cursor = true;
    }
    show();
    raise();
}

void TKopiererForm::luk()
{
    hide();
    if (m_cursor) {
        QApplication::restoreOverrideCursor();
        m_cursor = false;
    }
}

void TKopiererForm::setInfo(const QString &t) { m_info->setText(t); m_info->setAccessibleName(t); }
void TKopiererForm::setFilProcent(int p) { m_fil->setValue(p); }
void TKopiererForm::setTotalProcent(int p) { m_total->setValue(p); }
void TKopiererForm::setProcentTekst(const QString &t) { m_procent->setText(t); }
void TKopiererForm::setRestTekst(const QString &t) { m_rest->setText(t); }
void TKopiererForm::setNotits(const QString &t) { m_notits->setText(t); }
void TKopiererForm::setTaelleMax(int m) { m_taelle->setMaximum(qMax(1, m)); }
void TKopiererForm::setTaelle(int v) { m_taelle->setValue(qMin(v, m_taelle->maximum())); }

void TKopiererForm::setStatus(int panel, const QString &t)
{
    if (panel >= 0 && panel < 2)
        m_panel[panel]->setText(t);
}

} // namespace taglund
