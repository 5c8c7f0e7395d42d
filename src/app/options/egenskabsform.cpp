#include "app/options/egenskabsform.h"
#include "core/model/mainoptions.h"
#include "app/options/egenskabshost.h"
#include "platform/fileassoc.h"
#include "ui/controls.h"
#include "ui/questions.h"
#include "ui/styles.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace taglund {

namespace {

enum Page { Placeringer, VisElementer, Andre, Filtyper, Design };

QCheckBox *checkBox(const QString &caption, QWidget *parent)
{
    auto *b = new QCheckBox(caption, parent);
    b->setAccessibleName(caption);
    return b;
}

QRadioButton *radio(const QString &caption, QWidget *parent)
{
    auto *b = new QRadioButton(caption, parent);
    b->setAccessibleName(caption);
    return b;
}

QLineEdit *field(const QString &name, QWidget *parent)
{
    auto *f = new QLineEdit(parent);
    f->setAccessibleName(name);
    return f;
}

// A "Placering" group with its two choices.
QGroupBox *placering(const QString &title, QRadioButton *&venstre, QRadioButton *&hoejre, QWidget *parent)
{
    auto *box = new QGroupBox(title, parent);
    box->setAccessibleName(title);
    auto *l = new QVBoxLayout(box);
    l->addWidget(new QLabel(QStringLiteral("Placering"), box));
    venstre = radio(QStringLiteral("Venstre"), box);
    hoejre = radio(QStringLiteral("Højre"), box);
    auto *group = new QButtonGroup(box);
    group->addButton(venstre);
    group->addButton(hoejre);
    l->addWidget(venstre);
    l->addWidget(hoejre);
    return box;
}

} // namespace

TEgenskabsform::TEgenskabsform(TEgenskabsHost &host, QWidget *parent) : QDialog(parent), m_host(host)
{
    setWindowTitle(QStringLiteral("Egenskabsboksen"));
    setAccessibleName(windowTitle());
    m_pages = new QTabWidget(this);
    m_pages->addTab(placeringPage(), QStringLiteral("Element placeringer"));
    m_pages->addTab(visPage(), QStringLiteral("Vis elementer"));
    m_pages->addTab(andrePage(), QStringLiteral("Andre elementer"));
    m_pages->addTab(filtypePage(), QStringLiteral("Filtyper"));
    m_pages->addTab(designPage(), QStringLiteral("Programdesign"));
    // Every page's tab in sight.
    setMinimumWidth(m_pages->tabBar()->sizeHint().width() + 40);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(infoButton(QStringLiteral("Egenskabsboksen"), this));
    bottom->addStretch(1);
    QPushButton *luk = ui::namedButton(QStringLiteral("Luk"), this);
    connect(luk, &QPushButton::clicked, this, &QDialog::close);
    bottom->addWidget(luk);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages, 1);
    layout->addLayout(bottom);

    // The list is read once, when the box is made.
    const QStringList refused = m_filtyper.load(m_host.filtypeFil());
    for (const QString &m : refused)
        ui::showInfo(parentWidget(), m);
    fillFiltyper();
}

QPushButton *TEgenskabsform::gemButton(QWidget *page, int index)
{
    QPushButton *b = ui::namedButton(QStringLiteral("Gem"), page);
    b->setEnabled(false);
    m_gem[size_t(index)] = b;
    return b;
}

QToolButton *TEgenskabsform::infoButton(const QString &entry, QWidget *parent)
{
    auto *b = new QToolButton(parent);
    b->setIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation));
    const QString hint = QStringLiteral("Information: ") + entry;
    b->setToolTip(hint);
    b->setAccessibleName(hint);
    connect(b, &QToolButton::clicked, this, [this, entry] { m_host.HelpInfo(QStringLiteral("Information"), entry); });
    return b;
}

void TEgenskabsform::changed(int page)
{
    if (!m_loading && page >= 0 && page < int(m_gem.size()))
        m_gem[size_t(page)]->setEnabled(true);
}

QWidget *TEgenskabsform::placeringPage()
{
    auto *page = new QWidget(this);
    auto *l = new QVBoxLayout(page);
    m_indlejr = checkBox(QStringLiteral("Indlejr filboksen i programmet"), page);
    // The flag is the file box's own setting; it is offered with the file box.
    m_indlejr->setEnabled(false);
    auto *row = new QHBoxLayout;
    row->addWidget(placering(QStringLiteral("Filboksen"), m_filboksVenstre, m_filboksHoejre, page));
    row->addWidget(placering(QStringLiteral("Html panelet"), m_htmlVenstre, m_htmlHoejre, page));
    auto *infos = new QHBoxLayout;
    infos->addWidget(infoButton(QStringLiteral("Filboksen"), page));
    infos->addWidget(infoButton(QStringLiteral("Html panelet"), page));
    infos->addStretch(1);
    QPushButton *gem = gemButton(page, Placeringer);
    infos->addWidget(gem);
    l->addWidget(m_indlejr);
    l->addLayout(row);
    l->addStretch(1);
    l->addLayout(infos);
    for (QAbstractButton *b : {static_cast<QAbstractButton *>(m_indlejr), static_cast<QAbstractButton *>(m_filboksVenstre),
                               static_cast<QAbstractButton *>(m_filboksHoejre), static_cast<QAbstractButton *>(m_htmlVenstre),
                               static_cast<QAbstractButton *>(m_htmlHoejre)})
        connect(b, &QAbstractButton::toggled, this, [this] { changed(Placeringer); });
    connect(gem, &QPushButton::clicked, this, &TEgenskabsform::gemPlaceringer);
    return page;
}

QWidget *TEgenskabsform::visPage()
{
    auto *page = new QWidget(this);
    auto *grid = new QGridLayout(page);
    const struct {
        const char *caption;
        const char *info;
    } boxes[] = {{"Kode redskabslinjen", "Kode redskabslinjen"}, {"Bokslinjen: Html elementer", "Bokslinjen"},
                 {"Redskabslinjen", "Html redskabslinjen"},      {"Html-bogen", "Html-bogen"},
                 {"Webpanelet", "Webpanelet"},                   {"Hovedpanelet med søgefelt", "Hovedpanelet"},
                 {"Projektbogen", "Projektbogen"}};
    for (int i = 0; i < int(m_visBoxes.size()); ++i) {
        QCheckBox *b = checkBox(QString::fromUtf8(boxes[i].caption), page);
        m_visBoxes[size_t(i)] = b;
        grid->addWidget(b, i, 0);
        grid->addWidget(infoButton(QString::fromUtf8(boxes[i].info), page), i, 1);
        connect(b, &QCheckBox::clicked, this, [this, i](bool on) {
            // The bars and the book exclude each other: show what the rule left.
            m_vis.tick(TVisElementer::Boks(i), on);
            for (int j = 0; j < int(m_visBoxes.size()); ++j)
                m_visBoxes[size_t(j)]->setChecked(m_vis.ticked(TVisElementer::Boks(j)));
            changed(VisElementer);
        });
    }
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(int(m_visBoxes.size()), 1);
    QPushButton *gem = gemButton(page, VisElementer);
    grid->addWidget(gem, int(m_visBoxes.size()) + 1, 2, Qt::AlignRight);
    connect(gem, &QPushButton::clicked, this, &TEgenskabsform::gemVisElementer);
    return page;
}

QWidget *TEgenskabsform::andrePage()
{
    auto *page = new QWidget(this);
    auto *l = new QVBoxLayout(page);
    auto *info = new QGroupBox(QStringLiteral("Informationsstrukturen"), page);
    info->setAccessibleName(info->title());
    auto *il = new QVBoxLayout(info);
    m_autoFold = checkBox(QStringLiteral("Sammenfold/Udfold automatisk"), info);
    il->addWidget(m_autoFold);
    m_autoSeneste = checkBox(QStringLiteral("Indfør automatisk i seneste filer og mapper"), page);
    m_ftp = checkBox(QStringLiteral("Vis ftp-knapper"), page);
    m_genaabn = checkBox(QStringLiteral("Åben de filer der var ved programlukning"), page);
    l->addWidget(info);
    l->addWidget(m_autoSeneste);
    l->addWidget(m_ftp);
    l->addWidget(m_genaabn);
    l->addStretch(1);
    QPushButton *gem = gemButton(page, Andre);
    l->addWidget(gem, 0, Qt::AlignRight);
    for (QCheckBox *b : {m_autoFold, m_autoSeneste, m_ftp, m_genaabn})
        connect(b, &QCheckBox::toggled, this, [this] { changed(Andre); });
    connect(gem, &QPushButton::clicked, this, &TEgenskabsform::gemAndre);
    return page;
}

QWidget *TEgenskabsform::filtypePage()
{
    auto *page = new QWidget(this);
    m_liste = new QTreeWidget(page);
    m_liste->setAccessibleName(QStringLiteral("Filtyper"));
    m_liste->setHeaderLabels({QStringLiteral("Type"), QStringLiteral("Reg")});
    m_liste->setRootIsDecorated(false);
    m_liste->header()->setStretchLastSection(false);
    m_liste->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_liste->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_nyType = field(QStringLiteral("Ny filtype"), page);
    m_indfoer = ui::namedButton(QStringLiteral("Indfør"), page);
    m_slet = ui::namedButton(QStringLiteral("Slet valgte"), page);
    m_registrerEdit = field(QStringLiteral("Filtype der registreres"), page);
    m_registrer = ui::namedButton(QStringLiteral("Registrer"), page);
    m_fjernEdit = field(QStringLiteral("Filtype der fjernes"), page);
    m_fjern = ui::namedButton(QStringLiteral("Fjern"), page);
    m_alwaysDS = checkBox(QStringLiteral("Åben dokumenterne med scriptfunktion"), page);

    auto *side = new QGridLayout;
    side->addWidget(m_nyType, 0, 0);
    side->addWidget(m_indfoer, 0, 1);
    side->addWidget(m_slet, 1, 1);
    side->addWidget(m_registrerEdit, 2, 0);
    side->addWidget(m_registrer, 2, 1);
    side->addWidget(m_fjernEdit, 3, 0);
    side->addWidget(m_fjern, 3, 1);
    side->setRowStretch(4, 1);
    auto *top = new QHBoxLayout;
    top->addWidget(m_liste, 1);
    top->addLayout(side);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_alwaysDS);
    bottom->addWidget(infoButton(QStringLiteral("Scriptboksen"), page));
    bottom->addStretch(1);
    QPushButton *gem = gemButton(page, Filtyper);
    bottom->addWidget(gem);
    auto *l = new QVBoxLayout(page);
    l->addLayout(top, 1);
    l->addLayout(bottom);

    auto enable = [this] {
        m_indfoer->setEnabled(!m_nyType->text().isEmpty());
        m_registrer->setEnabled(!m_registrerEdit->text().isEmpty());
        m_fjern->setEnabled(!m_fjernEdit->text().isEmpty());
        m_slet->setEnabled(m_liste->currentItem() && m_liste->currentItem()->isSelected());
    };
    for (QLineEdit *f : {m_nyType, m_registrerEdit, m_fjernEdit})
        connect(f, &QLineEdit::textChanged, this, enable);
    connect(m_liste, &QTreeWidget::itemSelectionChanged, this, enable);
    enable();
    connect(m_indfoer, &QPushButton::clicked, this, &TEgenskabsform::indfoer);
    connect(m_nyType, &QLineEdit::returnPressed, this, [this] {
        if (m_indfoer->isEnabled())
            indfoer();
    });
    connect(m_slet, &QPushButton::clicked, this, &TEgenskabsform::sletValgte);
    connect(m_registrer, &QPushButton::clicked, this, [this] { setRegistration(true); });
    connect(m_fjern, &QPushButton::clicked, this, [this] { setRegistration(false); });
    connect(m_liste, &QTreeWidget::itemClicked, this, &TEgenskabsform::filtypeClicked);
    connect(m_alwaysDS, &QCheckBox::toggled, this, [this] { changed(Filtyper); });
    connect(gem, &QPushButton::clicked, this, &TEgenskabsform::gemFiltyper);
    return page;
}

QWidget *TEgenskabsform::designPage()
{
    auto *page = new QWidget(this);
    m_styles = new QListWidget(page);
    m_styles->setAccessibleName(QStringLiteral("Programdesign"));
    for (const QString &name : ui::styleNames()) {
        auto *item = new QListWidgetItem(ui::styleCaption(name), m_styles);
        item->setData(Qt::UserRole, name);
    }
    QPushButton *test = ui::namedButton(QStringLiteral("Test og gem"), page);
    auto *note = new QLabel(QStringLiteral("Luk alle dokumenter før der skiftes design."), page);
    note->setWordWrap(true);
    auto *side = new QVBoxLayout;
    side->addWidget(test);
    side->addWidget(note);
    side->addStretch(1);
    auto *l = new QHBoxLayout(page);
    l->addWidget(m_styles, 1);
    l->addLayout(side);
    connect(test, &QPushButton::clicked, this, &TEgenskabsform::testOgGem);
    return page;
}

} // namespace taglund
