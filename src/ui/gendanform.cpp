#include "ui/gendanform.h"
#include "ui/controls.h"
#include "ui/questions.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace taglund::ui {

TGendanform::TGendanform(const QList<TGendanRaekke> &raekker, const QStringList &noter, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TGendanform"));
    setWindowTitle(QStringLiteral("Gendan dokumenter"));
    setAccessibleName(windowTitle());
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto *layout = new QVBoxLayout(this);

    auto *tekst = new QLabel(QStringLiteral("Taglund blev ikke afsluttet normalt. Disse dokumenter kan gendannes:"), this);
    tekst->setWordWrap(true);
    layout->addWidget(tekst);

    m_liste = new QTreeWidget(this);
    m_liste->setAccessibleName(QStringLiteral("Dokumenter der kan gendannes"));
    m_liste->setRootIsDecorated(false);
    m_liste->setUniformRowHeights(true);
    m_liste->setHeaderLabels({QStringLiteral("Dokument"), QStringLiteral("Mappe"), QStringLiteral("Kopi taget"),
                              QStringLiteral("Bemærkning")});
    const QLocale dansk(QLocale::Danish, QLocale::Denmark);
    for (const TGendanRaekke &r : raekker) {
        auto *item = new QTreeWidgetItem(m_liste);
        item->setText(0, r.navn);
        item->setText(1, QDir::toNativeSeparators(r.mappe));
        item->setText(2, r.tid.isValid() ? dansk.toString(r.tid.toLocalTime(), QStringLiteral("d. MMMM yyyy HH:mm:ss"))
                                         : QString());
        item->setText(3, r.bemaerkning);
        item->setToolTip(1, item->text(1));
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, Qt::Checked);
    }
    m_liste->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_liste->header()->setStretchLastSection(true);
    layout->addWidget(m_liste, 1);

    if (!noter.isEmpty()) {
        auto *noteBoks = new QPlainTextEdit(noter.join(u'\n'), this);
        noteBoks->setReadOnly(true);
        noteBoks->setAccessibleName(QStringLiteral("Kopier der ikke kan gendannes"));
        noteBoks->setMaximumHeight(noteBoks->fontMetrics().lineSpacing() * (std::min<int>(int(noter.size()), 4) + 2));
        layout->addWidget(noteBoks);
    }

    auto *knapper = new QHBoxLayout;
    knapper->addStretch(1);
    m_gendan = namedButton(QStringLiteral("Gendan"), this);
    m_slet = namedButton(QStringLiteral("Slet"), this);
    m_senere = namedButton(QStringLiteral("Senere"), this);
    m_gendan->setDefault(true);
    knapper->addWidget(m_gendan);
    knapper->addWidget(m_slet);
    knapper->addWidget(m_senere);
    layout->addLayout(knapper);

    connect(m_gendan, &QPushButton::clicked, this, [this] { vaelg(TGendanSvar::Valg::Gendan); });
    connect(m_slet, &QPushButton::clicked, this, [this] { vaelg(TGendanSvar::Valg::Slet); });
    connect(m_senere, &QPushButton::clicked, this, [this] { vaelg(TGendanSvar::Valg::Senere); });
    connect(m_liste, &QTreeWidget::itemChanged, this, &TGendanform::opdaterKnapper);
    opdaterKnapper();
    resize(720, 360);
}

QList<int> TGendanform::valgte() const
{
    QList<int> ud;
    for (int i = 0; i < m_liste->topLevelItemCount(); ++i)
        if (m_liste->topLevelItem(i)->checkState(0) == Qt::Checked)
            ud.append(i);
    return ud;
}

QPushButton *TGendanform::knap(TGendanSvar::Valg valg) const
{
    switch (valg) {
    case TGendanSvar::Valg::Gendan:
        return m_gendan;
    case TGendanSvar::Valg::Slet:
        return m_slet;
    case TGendanSvar::Valg::Senere:
        return m_senere;
    }
    return nullptr;
}

void TGendanform::opdaterKnapper()
{
    const bool nogen = !valgte().isEmpty();
    m_gendan->setEnabled(nogen);
    m_slet->setEnabled(nogen);
}

void TGendanform::vaelg(TGendanSvar::Valg valg)
{
    const QList<int> v = valgte();
    if (valg != TGendanSvar::Valg::Senere && v.isEmpty())
        return;
    if (valg == TGendanSvar::Valg::Slet
        && !askYesNo(this, v.size() == 1 ? QStringLiteral("Skal kopien slettes? Ændringerne i den går tabt.")
                                         : QStringLiteral("Skal de %1 kopier slettes? Ændringerne i dem går tabt.")
                                               .arg(v.size())))
        return;
    m_svar.valg = valg;
    m_svar.valgte = valg == TGendanSvar::Valg::Senere ? QList<int>() : v;
    accept();
}

TGendanSvar TGendanform::spoerg(QWidget *parent, const QList<TGendanRaekke> &raekker, const QStringList &noter)
{
    TGendanform box(raekker, noter, parent);
    box.exec();
    return box.svar();
}

} // namespace taglund::ui
