// The constructor's two tree tabs: "Informationsstruktur" and "Objektstruktur".
#include "structures/strukturform.h"

#include "structures/strukturikonvalg.h"
#include "structures/strukturview.h"
#include "ui/controls.h"
#include "ui/questions.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace taglund {

namespace {
// "Indsæt og flyt metode": its items in order and the attach modes they stand for.
const QList<QPair<QString, TNodeAttachMode>> &metoder()
{
    static const QList<QPair<QString, TNodeAttachMode>> m{
        {QStringLiteral("På linie som sidste"), naAdd},
        {QStringLiteral("På linie som første"), naAddFirst},
        {QStringLiteral("På linie før"), naInsert},
        {QStringLiteral("Som sidste underpunkt"), naAddChild},
        {QStringLiteral("Som første underpunkt"), naAddChildFirst},
    };
    return m;
}

QPushButton *button(QList<QPushButton *> &list, QWidget *parent, const QString &caption, const QString &hint)
{
    QPushButton *b = ui::namedButton(caption, parent);
    b->setToolTip(hint);
    list << b;
    return b;
}

QCheckBox *check(QWidget *parent, const QString &caption, bool on, const QString &hint)
{
    auto *c = new QCheckBox(caption, parent);
    c->setChecked(on);
    c->setToolTip(hint);
    return c;
}

QLineEdit *field(QWidget *parent, const QString &name)
{
    auto *e = new QLineEdit(parent);
    e->setAccessibleName(name);
    return e;
}

QAction *tool(QToolBar *bar, QStyle::StandardPixmap icon, const QString &caption, const QString &hint)
{
    QAction *a = bar->addAction(bar->style()->standardIcon(icon), caption);
    a->setToolTip(hint);
    a->setStatusTip(hint);
    return a;
}
} // namespace

QWidget *Tstrukturform::buildTreeTab(Side &side, bool infoTab)
{
    auto *page = new QWidget;
    auto &b = m_buttons[infoTab ? 1 : 2];

    side.valgt = field(page, QStringLiteral("Valgte element"));
    side.valgt->setReadOnly(true);
    side.bar = new QToolBar(page);
    side.bar->setIconSize(QSize(16, 16));
    side.info = tool(side.bar, QStyle::SP_MessageBoxInformation, QStringLiteral("Information"),
                     infoTab ? QStringLiteral("Information: Informationsstruktur")
                             : QStringLiteral("Information: Objektstruktur"));
    side.udfold = tool(side.bar, QStyle::SP_ArrowDown, QStringLiteral("Udfold strukturen"),
                       QStringLiteral("Udfold strukturen"));
    side.sammenfold = tool(side.bar, QStyle::SP_ArrowUp, QStringLiteral("Sammenfold strukturen"),
                           QStringLiteral("Sammenfold strukturen"));
    side.sorterAlle = tool(side.bar, QStyle::SP_FileDialogListView, QStringLiteral("Sorter strukturen alfabetisk"),
                           QStringLiteral("Sorter strukturen alfabetisk"));
    side.slet = tool(side.bar, QStyle::SP_TrashIcon, QStringLiteral("Slet"), QStringLiteral("Slet valgte element"));
    side.gem = tool(side.bar, QStyle::SP_DialogSaveButton, QStringLiteral("Gem"), QStringLiteral("Gem strukturen"));
    side.genindlaes = tool(side.bar, QStyle::SP_BrowserReload, QStringLiteral("Genindlæs"),
                           infoTab ? QStringLiteral("Genindlæs struktur (Husk at gemme hvis relevant)")
                                   : QStringLiteral("Genindlæs struktur ved fortrydelse af ændring der ikke er gemt"));
    if (infoTab)
        side.vis = tool(side.bar, QStyle::SP_DialogHelpButton, QStringLiteral("Vis strukturen i information"),
                        QStringLiteral("Vis strukturen i information"));
    side.view = new TStrukturView(page);
    side.view->setStruktur(side.struktur);
    side.view->setIkonSet(infoTab ? TIkonSet::Info : TIkonSet::Objekt);
    auto *left = new QVBoxLayout;
    left->addWidget(side.valgt);
    left->addWidget(side.bar);
    left->addWidget(side.view, 1);

    auto *right = new QWidget(page);
    side.label = new QLabel(QStringLiteral("Strukturnavn: "), right);
    side.autoGem = check(right, QStringLiteral("Auto gem"), true,
                         QStringLiteral("Gem automatisk strukturen ved Indsæt og Rediger"));
    side.sorter = check(right, QStringLiteral("Sorter"), false,
                        QStringLiteral("Sorter elementerne alfabetisk ved Indsæt og Rediger"));
    side.ikon = new TIkonVaelger(right);
    side.tekst = field(right, QStringLiteral("Tekst"));
    side.klargoer = button(b, right, QStringLiteral("Klargør"),
                           infoTab ? QStringLiteral("Klargør til nyt element: Ctrl+K")
                                   : QStringLiteral("Klargør til nyt element"));
    side.indsaet = button(b, right, QStringLiteral("Indsæt"),
                          infoTab ? QStringLiteral("Indsæt som nyt element: Ctrl+I")
                                  : QStringLiteral("Indsæt som nyt element"));
    side.rediger = button(b, right, QStringLiteral("Rediger"),
                          infoTab ? QStringLiteral("Rediger valgte element: Ctrl+R")
                                  : QStringLiteral("Rediger valgte element"));
    side.arranger = check(right, QStringLiteral("Arranger elementer"), false,
                          QStringLiteral("Afkryds boksen for at flytte rundt på elementerne, afkryds bagefter"));
    side.metode = new QComboBox(right);
    for (const auto &m : metoder())
        side.metode->addItem(m.first);
    side.metode->setToolTip(QStringLiteral("Vælg indsæt og flyt metode"));
    side.metode->setAccessibleName(QStringLiteral("Indsæt og flyt metode"));

    auto *form = new QVBoxLayout(right);
    form->addWidget(side.label);
    form->addWidget(side.autoGem);
    form->addWidget(side.sorter);
    if (infoTab) {
        side.autoNavn = check(right, QStringLiteral("Auto navn"), true,
                              QStringLiteral("Hvis 'Ens navn' ikke er valgt indføres der automatisk et filnavn"));
        side.ensTekst = check(right, QStringLiteral("Ens tekst"), true, QStringLiteral("Filnavnet og strukturtekst er ens"));
        form->addWidget(side.autoNavn);
        form->addWidget(side.ensTekst);
    }
    form->addWidget(side.ikon);
    form->addWidget(new QLabel(QStringLiteral("Tekst"), right));
    form->addWidget(side.tekst);
    auto *knapper = new QGridLayout;
    if (infoTab) {
        side.filnavn = field(right, QStringLiteral("Elementets filnavn"));
        form->addWidget(new QLabel(QStringLiteral("Elementets filnavn"), right));
        form->addWidget(side.filnavn);
        side.inf = button(b, right, QStringLiteral("Inf"), QStringLiteral("Check om filnavnet eksisterer"));
        side.fn = button(b, right, QStringLiteral("Fn"), QStringLiteral("Indsæt konstrueret filnavn"));
        side.opretFil = button(b, right, QStringLiteral("Opret fil"), QStringLiteral("Opret en fil hvis den ikke findes"));
        knapper->addWidget(side.inf, 1, 0);
        knapper->addWidget(side.fn, 1, 1);
        knapper->addWidget(side.opretFil, 1, 2);
    } else {
        const QStringList captions{QStringLiteral("Definition | Beskrivelse"), QStringLiteral("Syntax | Eksempel"),
                                   QString(), QString()};
        for (int i = 0; i < 4; ++i) {
            side.felt[size_t(i)] = field(right, captions[i].isEmpty() ? QStringLiteral("Beskrivelse %1").arg(i + 1)
                                                                     : captions[i]);
            if (!captions[i].isEmpty())
                form->addWidget(new QLabel(captions[i], right));
            form->addWidget(side.felt[size_t(i)]);
        }
    }
    knapper->addWidget(side.klargoer, 0, 0);
    knapper->addWidget(side.indsaet, 0, 1);
    knapper->addWidget(side.rediger, 0, 2);
    form->addLayout(knapper);
    form->addWidget(side.arranger);
    form->addWidget(new QLabel(QStringLiteral("Indsæt og flyt metode"), right));
    form->addWidget(side.metode);
    form->addStretch();

    auto *row = new QHBoxLayout(page);
    row->addLayout(left, 3);
    row->addWidget(right, 2);
    return page;
}

void Tstrukturform::connectTreeTab(Side &side, bool infoTab)
{
    TStruktur *s = side.struktur;
    connect(side.udfold, &QAction::triggered, this, [s] {
        if (s->Count() > 0)
            s->expandAll();
    });
    connect(side.sammenfold, &QAction::triggered, this, [s] {
        if (s->Count() > 0)
            s->collapseAll();
    });
    connect(side.sorterAlle, &QAction::triggered, this, [this, s] {
        m_workshop.sorterAlfabetisk(*s);
        updateCommands();
    });
    connect(side.slet, &QAction::triggered, this, [this, &side] { sletElement(side); });
    connect(side.gem, &QAction::triggered, this, [this, s] {
        m_workshop.gem(*s);
        updateCommands();
    });
    connect(side.arranger, &QCheckBox::toggled, side.view, &TStrukturView::setDragMoves);
    connect(side.metode, &QComboBox::currentIndexChanged, this,
            [s](int i) { s->Flytmode = metoder().value(i, {QString(), naAdd}).second; });
    connect(s, &TStruktur::changed, this, [this, infoTab] {
        if (infoTab)
            m_info.label->setText(m_workshop.infoLabel());
        updateCommands();
    });
    connect(s, &TStruktur::selectionChanged, this, &Tstrukturform::updateCommands);
    connect(side.view, &TStrukturView::nodeSelected, this, [this, infoTab, &side] {
        if (side.arranger->isChecked())
            return;
        if (infoTab)
            showInfoEntry();
        else
            showObjektEntry();
    });
    connect(side.klargoer, &QPushButton::clicked, this, infoTab ? &Tstrukturform::klargoer : &Tstrukturform::klargoer1);
    connect(side.indsaet, &QPushButton::clicked, this, infoTab ? &Tstrukturform::indsaet : &Tstrukturform::indsaet1);
    connect(side.rediger, &QPushButton::clicked, this, infoTab ? &Tstrukturform::rediger : &Tstrukturform::rediger1);

    if (infoTab) {
        connect(side.info, &QAction::triggered, this,
                [this] { m_host->helpInfo(QStringLiteral("Information"), QStringLiteral("Informationsstruktur")); });
        connect(side.genindlaes, &QAction::triggered, this, &Tstrukturform::genindlaesInfo);
        connect(side.vis, &QAction::triggered, this, &Tstrukturform::visIInformation);
        connect(side.autoGem, &QCheckBox::toggled, this, [this](bool on) { m_workshop.valg.autoGem = on; });
        connect(side.sorter, &QCheckBox::toggled, this, [this](bool on) { m_workshop.valg.sorter = on; });
        connect(side.autoNavn, &QCheckBox::toggled, this, [this](bool on) { m_workshop.valg.autoNavn = on; });
        connect(side.ensTekst, &QCheckBox::toggled, this, [this](bool on) { m_workshop.valg.ensTekst = on; });
        connect(side.ikon, &TIkonVaelger::ikonValgt, this, [this](int i) {
            m_workshop.valg.ikonIndex = i;
            m_info.tekst->setFocus();
            m_info.tekst->end(false);
        });
        connect(side.tekst, &QLineEdit::textEdited, this, [this](const QString &t) {
            if (m_workshop.valg.ensTekst)
                m_info.filnavn->setText(t);
            m_insertAktiv = true;
            updateCommands();
        });
        connect(side.filnavn, &QLineEdit::textChanged, this, &Tstrukturform::updateCommands);
        connect(side.tekst, &QLineEdit::returnPressed, this, &Tstrukturform::enterITekst);
        connect(side.filnavn, &QLineEdit::returnPressed, this, &Tstrukturform::enterIFilnavn);
        connect(side.inf, &QPushButton::clicked, this,
                [this] { ui::showInfo(this, m_workshop.infTekst(m_info.filnavn->text())); });
        connect(side.fn, &QPushButton::clicked, this,
                [this] { m_info.filnavn->setText(m_workshop.konstruerFilnavn()); });
        connect(side.opretFil, &QPushButton::clicked, this, &Tstrukturform::opretFil);
        // The three short cuts work anywhere on the tab.
        const QList<QPair<QPushButton *, QKeySequence>> keys{{side.klargoer, QKeySequence(QStringLiteral("Ctrl+K"))},
                                                            {side.indsaet, QKeySequence(QStringLiteral("Ctrl+I"))},
                                                            {side.rediger, QKeySequence(QStringLiteral("Ctrl+R"))}};
        for (const auto &[knap, key] : keys) {
            auto *a = new QAction(knap->text(), m_tabs->widget(1));
            a->setShortcut(key);
            a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
            m_tabs->widget(1)->addAction(a);
            connect(a, &QAction::triggered, knap, [knap] {
                if (knap->isEnabled())
                    knap->click();
            });
        }
    } else {
        connect(side.info, &QAction::triggered, this,
                [this] { m_host->helpInfo(QStringLiteral("Information"), QStringLiteral("Objektstruktur")); });
        connect(side.genindlaes, &QAction::triggered, this, [this] {
            if (m_workshop.genindlaesObjekt())
                clearObjektFields();
            updateCommands();
        });
        connect(side.autoGem, &QCheckBox::toggled, this, [this](bool on) { m_workshop.valg1.autoGem = on; });
        connect(side.sorter, &QCheckBox::toggled, this, [this](bool on) { m_workshop.valg1.sorter = on; });
        connect(side.ikon, &TIkonVaelger::ikonValgt, this, [this](int i) { m_workshop.valg1.ikonIndex1 = i; });
        connect(side.tekst, &QLineEdit::textEdited, this, [this] {
            m_insertAktiv1 = true;
            updateCommands();
        });
        for (int i = 0; i < 4; ++i) {
            connect(side.felt[size_t(i)], &QLineEdit::textChanged, this, &Tstrukturform::updateCommands);
            connect(side.felt[size_t(i)], &QLineEdit::returnPressed, this, [this, i] { enterIFelt(i + 1); });
        }
        connect(side.tekst, &QLineEdit::returnPressed, this, [this] { enterIFelt(0); });
    }
}

void Tstrukturform::infoOpened()
{
    const TIkonSet set = m_workshop.infoObjectIcons() ? TIkonSet::Objekt : TIkonSet::Info;
    m_info.view->setIkonSet(set);
    m_info.ikon->setKnapper(set, set == TIkonSet::Info ? TIkonVaelger::infoKnapper() : TIkonVaelger::objektKnapper());
    m_info.ikon->vaelgIkon(m_workshop.valg.ikonIndex);
    m_info.label->setText(m_workshop.infoLabel());
    showInfoEntry();
    updateCommands();
}

void Tstrukturform::objektOpened()
{
    m_obj.label->setText(QStringLiteral("Strukturnavn: ") + m_workshop.objektNavn());
    showObjektEntry();
    updateCommands();
}

void Tstrukturform::showInfoEntry()
{
    clearInfoFields();
    if (TStrukturNode *n = m_info.struktur->Selected()) {
        m_info.valgt->setText(n->text);
        m_info.tekst->setText(n->text);
        m_info.filnavn->setText(n->payload());
        if (n->icon >= 0) {
            m_info.ikon->vaelgIkon(n->icon);
            m_workshop.valg.ikonIndex = n->icon;
        }
    }
    m_insertAktiv = false;
    updateCommands();
}

void Tstrukturform::showObjektEntry()
{
    clearObjektFields();
    if (TStrukturNode *n = m_obj.struktur->Selected()) {
        m_obj.valgt->setText(n->text);
        m_obj.tekst->setText(n->text);
        const QStringList f = TStrukturWorkshop::visFelter(n->payload());
        for (int i = 0; i < 4; ++i)
            m_obj.felt[size_t(i)]->setText(f[i]);
        if (n->icon >= 0) {
            m_obj.ikon->vaelgIkon(n->icon);
            m_workshop.valg1.ikonIndex1 = n->icon;
        }
    }
    m_insertAktiv1 = false;
    updateCommands();
}

void Tstrukturform::clearInfoFields()
{
    m_info.tekst->clear();
    m_info.filnavn->clear();
}

void Tstrukturform::clearObjektFields()
{
    m_obj.tekst->clear();
    for (QLineEdit *f : m_obj.felt)
        f->clear();
}

void Tstrukturform::klargoer()
{
    clearInfoFields();
    m_info.tekst->setFocus();
    m_insertAktiv = true;
    updateCommands();
}

void Tstrukturform::indsaet()
{
    if (m_workshop.valg.ensTekst)
        m_info.filnavn->setText(m_info.tekst->text());
    if (m_workshop.indsaetInfo(m_info.tekst->text(), m_info.filnavn->text())) {
        clearInfoFields();
        m_info.tekst->setFocus();
    }
    updateCommands();
}

void Tstrukturform::opretFil()
{
    if (m_workshop.valg.ensTekst)
        m_info.filnavn->setText(m_info.tekst->text());
    if (m_workshop.opretFil(m_info.tekst->text(), m_info.filnavn->text()))
        clearInfoFields();
    updateCommands();
}

void Tstrukturform::rediger()
{
    if (m_workshop.redigerInfo(m_info.tekst->text(), m_info.filnavn->text())) {
        m_info.view->setFocus();
        clearInfoFields();
        m_info.tekst->setFocus();
    }
    updateCommands();
}

void Tstrukturform::enterITekst()
{
    switch (m_workshop.enterITekst(m_info.tekst->text(), m_info.filnavn->text(), m_insertAktiv)) {
    case TEnterSvar::FokusFilnavn:
        m_info.filnavn->setFocus();
        break;
    case TEnterSvar::Indsat:
    case TEnterSvar::Redigeret:
        clearInfoFields();
        m_info.tekst->setFocus();
        break;
    case TEnterSvar::Intet:
        break;
    }
    updateCommands();
}

void Tstrukturform::enterIFilnavn()
{
    if (m_workshop.enterIFilnavn(m_info.tekst->text(), m_info.filnavn->text(), m_insertAktiv) == TEnterSvar::Indsat) {
        clearInfoFields();
        m_info.tekst->setFocus();
    }
    updateCommands();
}

void Tstrukturform::visIInformation()
{
    if (m_workshop.infoOpen())
        m_host->visIInformation(m_workshop.strukturName(), m_info.tekst->text());
}

void Tstrukturform::genindlaesInfo()
{
    if (m_workshop.genindlaesInfo())
        m_host->visIInformation(m_workshop.strukturName(), QString());
    clearInfoFields();
    m_info.tekst->setFocus();
    updateCommands();
}

void Tstrukturform::sletElement(Side &side)
{
    if (m_workshop.sletElement(*side.struktur)) {
        if (&side == &m_info)
            clearInfoFields();
        else
            clearObjektFields();
        side.tekst->setFocus();
    }
    updateCommands();
}

void Tstrukturform::klargoer1()
{
    clearObjektFields();
    m_obj.tekst->setFocus();
    m_insertAktiv1 = true;
    updateCommands();
}

void Tstrukturform::indsaet1()
{
    QStringList bokse;
    for (QLineEdit *f : m_obj.felt)
        bokse << f->text();
    if (m_workshop.indsaetObjekt(m_obj.tekst->text(), bokse)) {
        clearObjektFields();
        m_obj.tekst->setFocus();
    }
    updateCommands();
}

void Tstrukturform::rediger1()
{
    QStringList bokse;
    for (QLineEdit *f : m_obj.felt)
        bokse << f->text();
    if (m_workshop.redigerObjekt(m_obj.tekst->text(), bokse)) {
        m_obj.view->setFocus();
        clearObjektFields();
        m_obj.tekst->setFocus();
    }
    updateCommands();
}

void Tstrukturform::enterIFelt(int felt)
{
    // Enter walks from "Tekst" down the boxes; the fourth box inserts or edits.
    if (felt < 3) {
        m_obj.felt[size_t(felt)]->setFocus();
        return;
    }
    if (felt == 4) {
        if (m_insertAktiv1)
            indsaet1();
        else
            rediger1();
    }
}

} // namespace taglund
