#include "ftp/ftpegenskaberform.h"

#include "ui/controls.h"
#include "ui/questions.h"

#include <QCheckBox>
#include <QFile>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QVBoxLayout>

namespace taglund {

namespace {

QLineEdit *field(const QString &caption, QFormLayout *form, QWidget *parent)
{
    auto *e = new QLineEdit(parent);
    e->setAccessibleName(caption);
    auto *label = new QLabel(caption, parent);
    label->setBuddy(e);
    form->addRow(label, e);
    return e;
}

} // namespace

TFtpEgenskaberForm::TFtpEgenskaberForm(const QString &optdir, QWidget *parent)
    : QDialog(parent), m_optdir(optdir)
{
    setWindowTitle(QStringLiteral("FTP egenskaber"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setModal(true);

    auto *left = new QGroupBox(QStringLiteral("Eksisterende forbindelser"), this);
    m_list = new QListWidget(left);
    m_list->setAccessibleName(QStringLiteral("Eksisterende forbindelser"));
    auto *navnLabel = new QLabel(QStringLiteral("Gem som"), left);
    m_navn = new QLineEdit(left);
    m_navn->setAccessibleName(QStringLiteral("Gem som"));
    navnLabel->setBuddy(m_navn);
    QPushButton *gemB = ui::namedButton(QStringLiteral("Gem"), left);
    QPushButton *nyB = ui::namedButton(QStringLiteral("Ny"), left);
    QPushButton *sletB = ui::namedButton(QStringLiteral("Slet"), left);
    auto *leftButtons = new QHBoxLayout;
    leftButtons->addWidget(gemB);
    leftButtons->addWidget(nyB);
    leftButtons->addWidget(sletB);
    auto *ll = new QVBoxLayout(left);
    ll->addWidget(m_list, 1);
    ll->addWidget(navnLabel);
    ll->addWidget(m_navn);
    ll->addLayout(leftButtons);

    auto *right = new QWidget(this);
    auto *form = new QFormLayout;
    m_host = field(QStringLiteral("Host"), form, right);
    m_port = field(QStringLiteral("Port"), form, right);
    m_port->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,5}")), m_port));
    m_bruger = field(QStringLiteral("Brugernavn"), form, right);
    m_password = field(QStringLiteral("Password"), form, right);
    m_password->setEchoMode(QLineEdit::Password);
    m_mappe = field(QStringLiteral("Mappe"), form, right);
    m_gemPassword = new QCheckBox(QStringLiteral("Gem også password"), right);
    form->addRow(m_gemPassword);
    QPushButton *anvend = ui::namedButton(QStringLiteral("Anvend"), right);
    QPushButton *annuller = ui::namedButton(QStringLiteral("Annuller"), right);
    anvend->setDefault(true);
    auto *rightButtons = new QHBoxLayout;
    rightButtons->addStretch();
    rightButtons->addWidget(anvend);
    rightButtons->addWidget(annuller);
    auto *rl = new QVBoxLayout(right);
    rl->addLayout(form);
    rl->addStretch();
    rl->addLayout(rightButtons);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(left, 2);
    layout->addWidget(right, 3);

    connect(gemB, &QPushButton::clicked, this, &TFtpEgenskaberForm::gem);
    connect(nyB, &QPushButton::clicked, this, &TFtpEgenskaberForm::ny);
    connect(sletB, &QPushButton::clicked, this, &TFtpEgenskaberForm::slet);
    connect(anvend, &QPushButton::clicked, this, &QDialog::accept);
    connect(annuller, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem *it) { vaelg(it->text()); });
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *it) {
        vaelg(it->text());
        accept();
    });

    const TFtpEgenskaber e = TFtpEgenskaber::read(m_optdir);
    setForbindelse(e.forbindelse);
    m_hasPlace = e.harPlacering;
    if (m_hasPlace)
        move(e.left, e.top);
    FtpMappe::ensure(m_optdir);
    fyldListe();
}

TFtpForbindelse TFtpEgenskaberForm::forbindelse() const
{
    TFtpForbindelse c;
    c.host = m_host->text();
    c.port = m_port->text();
    c.brugernavn = m_bruger->text();
    c.password = m_password->text();
    c.mappe = m_mappe->text();
    c.gemPassword = m_gemPassword->isChecked();
    return c;
}

void TFtpEgenskaberForm::setForbindelse(const TFtpForbindelse &c)
{
    m_host->setText(c.host);
    m_port->setText(c.port);
    m_bruger->setText(c.brugernavn);
    m_password->setText(c.password);
    m_mappe->setText(c.mappe);
    m_gemPassword->setChecked(c.gemPassword);
}

TFtpEgenskaber TFtpEgenskaberForm::egenskaber() const
{
    TFtpEgenskaber e;
    e.top = y();
    e.left = x();
    e.harPlacering = true;
    e.forbindelse = forbindelse();
    return e;
}

bool TFtpEgenskaberForm::gemEgenskaber(QString *error) const
{
    return egenskaber().write(m_optdir, error);
}

QString TFtpEgenskaberForm::navn() const
{
    return m_navn->text();
}

void TFtpEgenskaberForm::setNavn(const QString &name)
{
    m_navn->setText(name);
}

QStringList TFtpEgenskaberForm::listenavne() const
{
    QStringList out;
    for (int i = 0; i < m_list->count(); ++i)
        out << m_list->item(i)->text();
    return out;
}

void TFtpEgenskaberForm::fyldListe()
{
    m_list->clear();
    m_list->addItems(FtpMappe::navne(m_optdir));
}

void TFtpEgenskaberForm::gem()
{
    const QString name = m_navn->text();
    if (name.isEmpty()) {
        ui::showInfo(this, QStringLiteral("Der mangler et filnavn."));
        return;
    }
    if (!FtpMappe::gyldigtNavn(name)) {
        ui::showInfo(this, QStringLiteral("Navnet kan ikke bruges som forbindelsesnavn:\r") + name
                               + QStringLiteral("\rDet må ikke begynde med punktum eller indeholde / \\ : eller styretegn."));
        return;
    }
    if (FtpMappe::exists(m_optdir, name)
        && !ui::askQuestion(this, {name, QStringLiteral("eksisterer allerede."), QStringLiteral("Skal den overskrives?")}))
        return;
    QString error;
    if (!FtpMappe::save(m_optdir, name, forbindelse(), &error))
        ui::showError(this, QStringLiteral("Forbindelsen kunne ikke gemmes.\r") + error);
    fyldListe();
}

void TFtpEgenskaberForm::vaelg(const QString &name)
{
    m_navn->setText(name);
    TFtpForbindelse c;
    QString error;
    if (!FtpMappe::load(m_optdir, name, c, &error)) {
        ui::showInfo(this, error);
        return;
    }
    setForbindelse(c);
}

void TFtpEgenskaberForm::emptyFields()
{
    m_host->clear();
    m_bruger->clear();
    m_password->clear();
    m_port->setText(QStringLiteral("21"));
    m_mappe->setText(QStringLiteral("/"));
}

void TFtpEgenskaberForm::ny()
{
    emptyFields();
    m_navn->clear();
}

void TFtpEgenskaberForm::slet()
{
    const QString name = m_navn->text();
    if (name.isEmpty()) {
        ui::showInfo(this, QStringLiteral("Der mangler et forbindelsesnavn."));
        return;
    }
    if (FtpMappe::exists(m_optdir, name)) {
        if (!ui::askQuestion(this, {QStringLiteral("Skal forbindelsen:"), name, QStringLiteral("slettes til papirkurven?")}))
            return;
        if (QFile::moveToTrash(FtpMappe::fileFor(m_optdir, name)))
            m_navn->clear();
        else
            ui::showError(this, QStringLiteral("Forbindelsen kunne ikke flyttes til papirkurven:\r") + name);
    } else {
        ui::showInfo(this, QStringLiteral("Filen blev ikke fundet."));
    }
    emptyFields();
    fyldListe();
}

void TFtpEgenskaberForm::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (m_placed)
        return;
    m_placed = true;
    if (!m_hasPlace) {
        if (QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen()) {
            QRect r = frameGeometry();
            r.moveCenter(s->availableGeometry().center());
            move(r.topLeft());
        }
    }
}

} // namespace taglund
