#include "generators/listeform.h"
#include "core/commandregistry.h"
#include "core/programhost.h"
#include "generators/kommandoknap.h"
#include "generators/skemaform.h"
#include "ui/controls.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace taglund {

TListeform::TListeform(TProgramHost *host, QWidget *parent) : QDialog(parent, Qt::Tool), m_host(host)
{
    setWindowTitle(QStringLiteral("Liste"));
    auto *top = new QVBoxLayout(this);

    auto *typer = new QGroupBox(QStringLiteral("Listetype"), this);
    auto *tg = new QGridLayout(typer);
    listeTypeGroup = new QButtonGroup(this);
    const QStringList navne = listeTypeNavne();
    for (int i = 0; i < navne.size(); ++i) {
        auto *r = new QRadioButton(navne[i], typer);
        listeTypeGroup->addButton(r, i);
        tg->addWidget(r, i / 2, i % 2);  // two columns
    }
    top->addWidget(typer);

    auto zeroButton = [this](QLineEdit *field) {
        auto *b = new QToolButton(this);
        b->setText(QStringLiteral("<"));
        b->setToolTip(QStringLiteral("Sæt antal til nul"));
        b->setAccessibleName(QStringLiteral("Sæt antal til nul"));
        connect(b, &QToolButton::clicked, this, [field] {
            field->clear();
            field->setFocus();
        });
        return b;
    };

    auto *antal = new QHBoxLayout;
    listeAntalEdit = taelFelt(QStringLiteral("Antal punkter"), this);
    antal->addWidget(new QLabel(QStringLiteral("Antal punkter"), this));
    antal->addWidget(listeAntalEdit);
    antal->addWidget(zeroButton(listeAntalEdit));
    QToolButton *typeInfo = infoButton(this, QStringLiteral("Information: listetypen"));
    connect(typeInfo, &QToolButton::clicked, this, [this] {
        const QString element = listeElement(listeTypeGroup->checkedId());
        if (!element.isEmpty())
            m_host->HelpInfo(QStringLiteral("Html5"), element);
    });
    antal->addWidget(typeInfo);
    antal->addStretch();
    top->addLayout(antal);

    auto *optgroup = new QGroupBox(QStringLiteral("Valgliste: optgroup"), this);
    auto *og = new QHBoxLayout(optgroup);
    listeOptgroupEdit = taelFelt(QStringLiteral("Antal punkter"), optgroup);
    og->addWidget(new QLabel(QStringLiteral("Antal punkter"), optgroup));
    og->addWidget(listeOptgroupEdit);
    og->addWidget(zeroButton(listeOptgroupEdit));
    QToolButton *optInfo = infoButton(optgroup, QStringLiteral("Information: optgroup"));
    connect(optInfo, &QToolButton::clicked, this,
            [this] { m_host->HelpInfo(QStringLiteral("Html5"), QStringLiteral("optgroup")); });
    og->addWidget(optInfo);
    og->addStretch();
    udskrivOptgroupKnap = ui::namedButton(QStringLiteral("Udskriv optgroup"), optgroup);
    og->addWidget(udskrivOptgroupKnap);
    top->addWidget(optgroup);

    listeStyleKodeCheck = new QCheckBox(QStringLiteral("Medtag style-kode"), this);
    listeStyleSelCheck = new QCheckBox(QStringLiteral("Kun valgte liste-kode"), this);
    top->addWidget(listeStyleKodeCheck);
    top->addWidget(listeStyleSelCheck);

    auto *buttons = new QHBoxLayout;
    udskrivListeKnap = ui::namedButton(QStringLiteral("Udskriv liste"), this);
    udskrivCssKnap = ui::namedButton(QStringLiteral("Udskriv css"), this);
    QPushButton *info = ui::namedButton(QStringLiteral("Information"), this);
    connect(info, &QPushButton::clicked, this,
            [this] { m_host->HelpInfo(QStringLiteral("Information"), QStringLiteral("Liste")); });
    QPushButton *luk = ui::namedButton(QStringLiteral("Luk listeboksen"), this);
    connect(luk, &QPushButton::clicked, this, &QDialog::close);
    buttons->addWidget(udskrivListeKnap);
    buttons->addWidget(udskrivCssKnap);
    buttons->addStretch();
    buttons->addWidget(info);
    buttons->addWidget(luk);
    top->addLayout(buttons);

    TCommandRegistry *c = host->commands();
    bindToCommand(udskrivListeKnap, c->action(QStringLiteral("AudskrivListe")));
    bindToCommand(udskrivOptgroupKnap, c->action(QStringLiteral("AudskrivOptgroup")));
    bindToCommand(udskrivCssKnap, c->action(QStringLiteral("AudskrivListeCSS")));

    setValg(TListeValg());
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

TListeValg TListeform::valg() const
{
    TListeValg v;
    v.listeType = listeTypeGroup->checkedId();
    v.listeAntalEdit = listeAntalEdit->text();
    v.listeOptgroupEdit = listeOptgroupEdit->text();
    v.listeStyleKodeCheck = listeStyleKodeCheck->isChecked();
    v.listeStyleSelCheck = listeStyleSelCheck->isChecked();
    return v;
}

void TListeform::setValg(const TListeValg &v)
{
    if (QAbstractButton *b = listeTypeGroup->button(v.listeType))
        b->setChecked(true);
    listeAntalEdit->setText(v.listeAntalEdit);
    listeOptgroupEdit->setText(v.listeOptgroupEdit);
    listeStyleKodeCheck->setChecked(v.listeStyleKodeCheck);
    listeStyleSelCheck->setChecked(v.listeStyleSelCheck);
}

void TListeform::laes(const QString &path)
{
    const TListeIndstillinger s = laesListeIndstillinger(path);
    setValg(s.valg);
    move(indenforSkaermen(s.left, s.top, this));
}

bool TListeform::gem(const QString &path, QString *error) const
{
    TListeIndstillinger s;
    s.top = y();
    s.left = x();
    s.valg = valg();
    return gemListeIndstillinger(path, s, error);
}

} // namespace taglund
