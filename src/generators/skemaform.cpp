#include "generators/skemaform.h"
#include "core/commandregistry.h"
#include "core/programhost.h"
#include "generators/kommandoknap.h"
#include "ui/controls.h"
#include "ui/questions.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QGuiApplication>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

namespace taglund {

QLineEdit *taelFelt(const QString &name, QWidget *parent)
{
    auto *e = new QLineEdit(parent);
    e->setAccessibleName(name);
    e->setMaxLength(kMaxTaelCifre);
    e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), e));
    e->setMaximumWidth(48);
    return e;
}

QPoint indenforSkaermen(int left, int top, QWidget *box)
{
    const QPoint p(left, top);
    for (QScreen *s : QGuiApplication::screens())
        if (s->availableGeometry().contains(p))
            return p;
    (void)box;
    return QPoint(8, 8);
}

namespace {

QToolButton *smallButton(QWidget *parent, const QString &text, const QString &hint)
{
    auto *b = new QToolButton(parent);
    b->setText(text);
    b->setToolTip(hint);
    b->setStatusTip(hint);
    b->setAccessibleName(hint);
    return b;
}

} // namespace

TSkemaform::TSkemaform(TProgramHost *host, QWidget *parent) : QDialog(parent, Qt::Tool), m_host(host)
{
    setWindowTitle(QStringLiteral("Skema"));
    auto *top = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    top->addLayout(grid);
    int row = 0;
    auto help = [this](QToolButton *b, const QString &structure, const QString &entry) {
        connect(b, &QToolButton::clicked, this, [this, structure, entry] { m_host->HelpInfo(structure, entry); });
    };
    auto helpButton = [this, help](const QString &structure, const QString &entry) {
        QToolButton *b = infoButton(this, QStringLiteral("Information: ") + entry);
        help(b, structure, entry);
        return b;
    };
    auto label = [this](const QString &t) { return new QLabel(t, this); };
    auto emptyAndFocus = [](QLineEdit *e) {
        e->clear();
        e->setFocus();
    };

    kolonnerEdit = taelFelt(QStringLiteral("Antal kolonner"), this);
    QToolButton *en = smallButton(this, QStringLiteral("<"), QStringLiteral("Sæt antal til 1"));
    connect(en, &QToolButton::clicked, this, [this, emptyAndFocus] { emptyAndFocus(kolonnerEdit); });
    grid->addWidget(label(QStringLiteral("Antal kolonner")), row, 0);
    grid->addWidget(kolonnerEdit, row, 1);
    grid->addWidget(en, row, 2);
    grid->addWidget(helpButton(QStringLiteral("Html5"), QStringLiteral("td")), row++, 4);

    tableStyle1 = new QCheckBox(QStringLiteral("Medtag table class-attribut"), this);
    grid->addWidget(tableStyle1, row, 0, 1, 4);
    grid->addWidget(helpButton(QStringLiteral("Html5"), QStringLiteral("class")), row++, 4);

    captionEdit = new QLineEdit(this);
    captionEdit->setAccessibleName(QStringLiteral("caption"));
    QToolButton *ryd = smallButton(this, QStringLiteral("X"), QStringLiteral("Klargør til ny tekst"));
    connect(ryd, &QToolButton::clicked, this, [this, emptyAndFocus] { emptyAndFocus(captionEdit); });
    grid->addWidget(label(QStringLiteral("caption")), row, 0);
    grid->addWidget(captionEdit, row, 1, 1, 2);
    grid->addWidget(ryd, row, 3);
    grid->addWidget(helpButton(QStringLiteral("Html5"), QStringLiteral("caption")), row++, 4);

    auto section = [&](QLineEdit *&edit, QCheckBox *&check, const QString &name) {
        edit = taelFelt(QStringLiteral("Antal ") + name + QStringLiteral(" rækker"), this);
        check = new QCheckBox(QStringLiteral("Medtag ") + name + QStringLiteral("-tag"), this);
        grid->addWidget(label(QStringLiteral("Antal ") + name + QStringLiteral(" rækker")), row, 0);
        grid->addWidget(edit, row, 1);
        grid->addWidget(check, row, 2, 1, 2);
        grid->addWidget(helpButton(QStringLiteral("Html5"), name), row++, 4);
    };
    section(theadEdit, theadCheck, QStringLiteral("thead"));
    section(tbodyEdit, tbodyCheck, QStringLiteral("tbody"));
    section(tfootEdit, tfootCheck, QStringLiteral("tfoot"));

    auto *colgroup = new QGroupBox(QStringLiteral("colgroup"), this);
    auto *cg = new QGridLayout(colgroup);
    colEdit = taelFelt(QStringLiteral("Antal kolonner"), colgroup);
    QToolButton *nul = smallButton(colgroup, QStringLiteral("<"), QStringLiteral("Sæt antal til nul"));
    connect(nul, &QToolButton::clicked, this, [this, emptyAndFocus] { emptyAndFocus(colEdit); });
    cg->addWidget(new QLabel(QStringLiteral("Antal kolonner"), colgroup), 0, 0);
    cg->addWidget(colEdit, 0, 1);
    cg->addWidget(nul, 0, 2);
    cg->addWidget(helpButton(QStringLiteral("Html5"), QStringLiteral("col")), 0, 3);
    cg->addWidget(helpButton(QStringLiteral("Html5"), QStringLiteral("colgroup")), 0, 4);
    colSpanCheck = new QCheckBox(QStringLiteral("Medtag attribut span"), colgroup);
    cg->addWidget(colSpanCheck, 1, 0, 1, 3);
    colStyleCheck = new QCheckBox(QStringLiteral("Medtag attribut style"), colgroup);
    cg->addWidget(colStyleCheck, 2, 0, 1, 3);
    cg->addWidget(helpButton(QStringLiteral("Html5"), QStringLiteral("style")), 2, 3);
    colStyle1 = new QCheckBox(QStringLiteral("Medtag background-color"), colgroup);
    cg->addWidget(colStyle1, 3, 0, 1, 3);
    cg->addWidget(helpButton(QStringLiteral("CSS"), QStringLiteral("background-color")), 3, 3);
    grid->addWidget(colgroup, row++, 0, 1, 5);

    auto messageButton = [this](const QString &hint, const QString &message) {
        QToolButton *b = infoButton(this, hint);
        connect(b, &QToolButton::clicked, this, [this, message] { ui::showInfo(this, message); });
        return b;
    };
    udskrivCheck = new QCheckBox(QStringLiteral("Udskriv som tabelrække linjer"), this);
    grid->addWidget(udskrivCheck, row, 0, 1, 4);
    grid->addWidget(messageButton(QStringLiteral("Information: Udskriv som tabelrække linjer"),
                                  QStringLiteral("Der startes på ny linje i udskriften efter hvert tr-slut-tag.")),
                    row++, 4);
    udskrivTekstCheck = new QCheckBox(QStringLiteral("Indfør celletekst"), this);
    grid->addWidget(udskrivTekstCheck, row, 0, 1, 4);
    grid->addWidget(messageButton(QStringLiteral("Information: Indfør celletekst"),
                                  QStringLiteral("Der skrives XXX i hver celle for tydeliggørelsens skyld.")),
                    row++, 4);
    cssCheck = new QCheckBox(QStringLiteral("Medtag style-kode"), this);
    grid->addWidget(cssCheck, row++, 0, 1, 4);

    auto *buttons = new QHBoxLayout;
    top->addLayout(buttons);
    udskrivTabelKnap = ui::namedButton(QStringLiteral("Udskriv tabel"), this);
    udskrivCssKnap = ui::namedButton(QStringLiteral("Udskriv css"), this);
    bindToCommand(udskrivTabelKnap, host->commands()->action(QStringLiteral("AudskrivTabel")));
    bindToCommand(udskrivCssKnap, host->commands()->action(QStringLiteral("AudskrivTabelCSS")));
    QPushButton *info = ui::namedButton(QStringLiteral("Information"), this);
    info->setToolTip(QStringLiteral("Information om Skemaboksen"));
    connect(info, &QPushButton::clicked, this,
            [this] { m_host->HelpInfo(QStringLiteral("Information"), QStringLiteral("Skema")); });
    QPushButton *luk = ui::namedButton(QStringLiteral("Luk tabelboksen"), this);
    luk->setToolTip(QStringLiteral("Luk boksen"));
    connect(luk, &QPushButton::clicked, this, &QDialog::close);
    buttons->addWidget(udskrivTabelKnap);
    buttons->addWidget(udskrivCssKnap);
    buttons->addStretch();
    buttons->addWidget(info);
    buttons->addWidget(luk);

    setValg(TSkemaValg());
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

TSkemaValg TSkemaform::valg() const
{
    TSkemaValg v;
    v.kolonnerEdit = kolonnerEdit->text();
    v.tableStyle1 = tableStyle1->isChecked();
    v.captionEdit = captionEdit->text();
    v.theadEdit = theadEdit->text();
    v.theadCheck = theadCheck->isChecked();
    v.tbodyEdit = tbodyEdit->text();
    v.tbodyCheck = tbodyCheck->isChecked();
    v.tfootEdit = tfootEdit->text();
    v.tfootCheck = tfootCheck->isChecked();
    v.colEdit = colEdit->text();
    v.colSpanCheck = colSpanCheck->isChecked();
    v.colStyleCheck = colStyleCheck->isChecked();
    v.colStyle1 = colStyle1->isChecked();
    v.udskrivCheck = udskrivCheck->isChecked();
    v.udskrivTekstCheck = udskrivTekstCheck->isChecked();
    v.cssCheck = cssCheck->isChecked();
    return v;
}

void TSkemaform::setValg(const TSkemaValg &v)
{
    kolonnerEdit->setText(v.kolonnerEdit);
    tableStyle1->setChecked(v.tableStyle1);
    captionEdit->setText(v.captionEdit);
    theadEdit->setText(v.theadEdit);
    theadCheck->setChecked(v.theadCheck);
    tbodyEdit->setText(v.tbodyEdit);
    tbodyCheck->setChecked(v.tbodyCheck);
    tfootEdit->setText(v.tfootEdit);
    tfootCheck->setChecked(v.tfootCheck);
    colEdit->setText(v.colEdit);
    colSpanCheck->setChecked(v.colSpanCheck);
    colStyleCheck->setChecked(v.colStyleCheck);
    colStyle1->setChecked(v.colStyle1);
    udskrivCheck->setChecked(v.udskrivCheck);
    udskrivTekstCheck->setChecked(v.udskrivTekstCheck);
    cssCheck->setChecked(v.cssCheck);
}

void TSkemaform::laes(const QString &path)
{
    const TSkemaIndstillinger s = laesSkemaIndstillinger(path);
    setValg(s.valg);
    move(indenforSkaermen(s.left, s.top, this));
}

bool TSkemaform::gem(const QString &path, QString *error) const
{
    TSkemaIndstillinger s;
    s.top = y();
    s.left = x();
    s.valg = valg();
    return gemSkemaIndstillinger(path, s, error);
}

} // namespace taglund
