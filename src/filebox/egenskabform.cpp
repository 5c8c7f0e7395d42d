#include "filebox/egenskabform.h"

#include "filebox/filmappeinfo.h"
#include "ui/controls.h"
#include "ui/questions.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

namespace taglund {

namespace {

QLabel *valueLabel(QWidget *parent)
{
    auto *l = new QLabel(parent);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

QLineEdit *nameField(QWidget *parent)
{
    auto *e = new QLineEdit(parent);
    e->setReadOnly(true);
    e->setAccessibleName(QStringLiteral("Navn"));
    return e;
}

void setValue(QLabel *l, const QString &t)
{
    l->setText(t);
    l->setAccessibleDescription(t);
}

} // namespace

TEgenskabForm::TEgenskabForm(TFilMappeInfo *engine, QWidget *parent)
    : QWidget(parent ? parent : ui::anchorWindow(), Qt::Tool | Qt::WindowStaysOnTopHint), m_engine(engine)
{
    auto *v = new QVBoxLayout(this);
    // "Gør boksen mindre" means 350 pixels, even where texts are cut.
    v->setSizeConstraint(QLayout::SetNoConstraint);
    m_sider = new QTabWidget(this);
    v->addWidget(m_sider);

    auto *fil = new QWidget(m_sider);
    auto *ff = new QFormLayout(fil);
    m_filIkon = new QLabel(fil);
    m_filNavn = nameField(fil);
    ff->addRow(m_filIkon, m_filNavn);
    m_filPlacering = new QLineEdit(fil);
    m_filPlacering->setReadOnly(true);
    ff->addRow(QStringLiteral("Placering:"), m_filPlacering);
    ff->addRow(QStringLiteral("Størrelse:"), m_filStr = valueLabel(fil));
    ff->addRow(QStringLiteral("Oprettet:"), m_filOprettet = valueLabel(fil));
    ff->addRow(QStringLiteral("Ændret:"), m_filAendret = valueLabel(fil));
    ff->addRow(QStringLiteral("Åbnet:"), m_filAabnet = valueLabel(fil));
    auto *attr = new QHBoxLayout;
    m_skrivebeskyttet = new QCheckBox(QStringLiteral("Skrivebeskyttet"), fil);
    m_skjult = new QCheckBox(QStringLiteral("Skjult"), fil);
    m_arkiv = new QCheckBox(QStringLiteral("Arkiv"), fil);
    m_system = new QCheckBox(QStringLiteral("System"), fil);
    // A hidden name is a name with a leading dot; renaming is the file
    // list's business, and archive and system bits do not exist here.
    m_skjult->setEnabled(false);
    m_arkiv->setEnabled(false);
    m_system->setEnabled(false);
    m_anvend = ui::namedButton(QStringLiteral("Anvend"), fil);
    m_anvend->setToolTip(QStringLiteral("Sæt de nye attributværdier"));
    for (QWidget *w : {static_cast<QWidget *>(m_skrivebeskyttet), static_cast<QWidget *>(m_skjult),
                       static_cast<QWidget *>(m_arkiv), static_cast<QWidget *>(m_system),
                       static_cast<QWidget *>(m_anvend)})
        attr->addWidget(w);
    ff->addRow(QStringLiteral("Attributter:"), attr);
    ff->addRow(QStringLiteral("Filtype:"), m_filType = valueLabel(fil));
    m_sider->addTab(fil, QStringLiteral("Fil"));

    auto *drev = new QWidget(m_sider);
    auto *df = new QFormLayout(drev);
    auto *drevIkon = new QLabel(drev);
    drevIkon->setPixmap(style()->standardIcon(QStyle::SP_DriveHDIcon).pixmap(32, 32));
    df->addRow(drevIkon, m_drevNavn = nameField(drev));
    df->addRow(QStringLiteral("Ledig plads:"), m_ledig = valueLabel(drev));
    df->addRow(QStringLiteral("Anvendt plads:"), m_anvendt = valueLabel(drev));
    df->addRow(QStringLiteral("Kapasitet:"), m_kapasitet = valueLabel(drev));
    m_brugt = new QProgressBar(drev);
    m_brugt->setAccessibleName(QStringLiteral("Anvendt plads"));
    df->addRow(m_brugt);
    df->addRow(QStringLiteral("Type:"), m_drevType = valueLabel(drev));
    df->addRow(QStringLiteral("Filsystem:"), m_filsystem = valueLabel(drev));
    m_sider->addTab(drev, QStringLiteral("Drev"));

    auto *mappe = new QWidget(m_sider);
    auto *mf = new QFormLayout(mappe);
    auto *mappeIkon = new QLabel(mappe);
    mappeIkon->setPixmap(style()->standardIcon(QStyle::SP_DirIcon).pixmap(32, 32));
    mf->addRow(mappeIkon, m_mappeNavn = nameField(mappe));
    mf->addRow(QStringLiteral("Placering:"), m_mappePlacering = valueLabel(mappe));
    mf->addRow(QStringLiteral("Størrelse:"), m_mappeStr = valueLabel(mappe));
    mf->addRow(QStringLiteral("Indeholder:"), m_indeholder = valueLabel(mappe));
    mf->addRow(QStringLiteral("Oprettet:"), m_mappeOprettet = valueLabel(mappe));
    m_sider->addTab(mappe, QStringLiteral("Mappe"));

    auto *knapper = new QHBoxLayout;
    m_stoerre = ui::namedButton(QStringLiteral(">"), this);
    m_stoerre->setToolTip(QStringLiteral("Gør boksen større"));
    m_stoerre->setAccessibleName(QStringLiteral("Gør boksen større"));
    m_mindre = ui::namedButton(QStringLiteral("<"), this);
    m_mindre->setToolTip(QStringLiteral("Gør boksen mindre"));
    m_mindre->setAccessibleName(QStringLiteral("Gør boksen mindre"));
    auto *luk = ui::namedButton(QStringLiteral("Luk"), this);
    luk->setToolTip(QStringLiteral("Luk egenskabsboksen"));
    knapper->addWidget(m_stoerre);
    knapper->addWidget(m_mindre);
    knapper->addStretch();
    knapper->addWidget(luk);
    v->addLayout(knapper);

    connect(m_sider, &QTabWidget::currentChanged, this, [this](int i) {
        if (i != m_side)
            m_sider->setCurrentIndex(m_side);
    });
    connect(m_skrivebeskyttet, &QCheckBox::clicked, this, [this] { m_anvend->setEnabled(true); });
    connect(m_anvend, &QPushButton::clicked, this, &TEgenskabForm::anvend);
    connect(m_stoerre, &QPushButton::clicked, this, &TEgenskabForm::stoerre);
    connect(m_mindre, &QPushButton::clicked, this, &TEgenskabForm::mindre);
    connect(luk, &QPushButton::clicked, this, &QWidget::hide);
    resize(350, 420);
    opdaterKnapper();
}

void TEgenskabForm::visSide(int side, const QString &caption)
{
    m_side = side;
    m_sider->setCurrentIndex(side);
    setWindowTitle(caption);
    if (!isVisible()) {
        if (QWidget *anchor = ui::anchorWindow())
            move(anchor->frameGeometry().center() - QPoint(width() / 2, height() / 2));
        show();
    }
    raise();
}

void TEgenskabForm::visFil(const TFilEgenskaber &e)
{
    m_fil = e.sti;
    m_filIkon->setPixmap(QIcon(e.ikonFil).pixmap(32, 32));
    m_filNavn->setText(e.navn);
    m_filPlacering->setText(e.placering);
    setValue(m_filStr, e.storrelse);
    setValue(m_filOprettet, e.oprettet);
    setValue(m_filAendret, e.aendret);
    setValue(m_filAabnet, e.aabnet);
    setValue(m_filType, e.filtype);
    m_skrivebeskyttet->setChecked(e.skrivebeskyttet);
    m_skjult->setChecked(e.skjult);
    m_anvend->setEnabled(false);
    visSide(0, QStringLiteral("Fil egenskaber"));
}

void TEgenskabForm::visMappe(const TMappeEgenskaber &e)
{
    m_mappeNavn->setText(e.navn);
    setValue(m_mappePlacering, e.placering);
    setValue(m_mappeStr, e.storrelse);
    setValue(m_indeholder, e.indeholder);
    setValue(m_mappeOprettet, e.oprettet);
    visSide(2, QStringLiteral("Mappe egenskaber"));
}

void TEgenskabForm::opdaterMappe(const QString &storrelse, const QString &indeholder)
{
    setValue(m_mappeStr, storrelse);
    setValue(m_indeholder, indeholder);
}

void TEgenskabForm::visDrev(const TDrevEgenskaber &e)
{
    m_drevNavn->setText(e.navn);
    setValue(m_ledig, e.ledig);
    setValue(m_anvendt, e.anvendt);
    setValue(m_kapasitet, e.kapasitet);
    setValue(m_drevType, e.type);
    setValue(m_filsystem, e.filsystem);
    m_brugt->setValue(e.procent);
    visSide(1, QStringLiteral("Drev egenskaber"));
}

void TEgenskabForm::anvend()
{
    if (QFileInfo(m_fil).isFile())
        m_engine->anvendFilAttributter(m_fil, m_skrivebeskyttet->isChecked());
    m_anvend->setEnabled(false);
}

void TEgenskabForm::stoerre()
{
    resize(width() + 140, height());
    opdaterKnapper();
}

void TEgenskabForm::mindre()
{
    resize(350, height());
    opdaterKnapper();
}

void TEgenskabForm::opdaterKnapper()
{
    m_stoerre->setEnabled(width() < 1921);
    m_mindre->setEnabled(width() > 360);
}

} // namespace taglund
