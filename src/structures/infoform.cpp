#include "structures/infoform.h"

#include "structures/pageview.h"
#include "structures/soegeliste.h"
#include "structures/structurehost.h"
#include "structures/strukturikoner.h"
#include "structures/strukturlib.h"
#include "structures/strukturview.h"
#include "structures/urlform.h"
#include "ui/questions.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QShowEvent>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace taglund {

namespace {
// Restores the cursor however the search ends.
struct BusyCursor {
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};

void nameButton(QToolBar *bar, QAction *a)
{
    if (QWidget *w = bar->widgetForAction(a))
        w->setAccessibleName(a->text());
}
} // namespace

Tinfoform::Tinfoform(TStructureHost *host, QWidget *parent)
    : QMainWindow(parent), m_host(host), m_logic(host, this)
{
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setMinimumSize(818, 600);
    m_settings = TInfoSettings::read(host ? host->optdir() : QString());

    buildStructureBar();
    m_split = new QSplitter(this);
    m_split->addWidget(buildLeft());
    m_split->addWidget(buildRight());
    m_split->setStretchFactor(1, 1);
    m_split->setChildrenCollapsible(false);
    setCentralWidget(m_split);
    statusBar();

    connect(&m_logic, &TInfoViewer::showRequested, this, [this] {
        if (!isVisible())
            show();
        raise();
        activateWindow();
    });
    connect(&m_logic, &TInfoViewer::focusPageRequested, this, [this] {
        if (m_page)
            m_page->focus();
    });
    connect(&m_logic, &TInfoViewer::navigateRequested, this, &Tinfoform::navigate);
    connect(&m_logic, &TInfoViewer::captionChanged, this, &QWidget::setWindowTitle);
    connect(&m_logic, &TInfoViewer::countChanged, this,
            [this](int n) { m_count->setText(QStringLiteral("Elementer: %1").arg(n)); });
    connect(&m_logic, &TInfoViewer::iconSetChanged, this,
            [this](bool obj) { m_tree->setIkonSet(obj ? TIkonSet::Objekt : TIkonSet::Info); });
    connect(&m_logic, &TInfoViewer::historyChanged, this, &Tinfoform::updateCommands);
    connect(&m_logic, &TInfoViewer::addressChanged, m_address, &QLineEdit::setText);
    connect(&m_logic, &TInfoViewer::searchTextChanged, m_searchBox, &QLineEdit::setText);
    connect(&m_logic, &TInfoViewer::statusTextChanged, this,
            [this](const QString &t) { statusBar()->showMessage(t); });

    m_tree->setAutoExpand(m_settings.autoExpand);
    m_logic.LoadStruktur();
    createStrukturPU();
    updateCommands();
}

Tinfoform::~Tinfoform() = default;

QAction *Tinfoform::addCommand(QWidget *bar, const QString &caption, const QString &hint,
                               QStyle::StandardPixmap icon)
{
    auto *a = new QAction(caption, this);
    if (icon != QStyle::SP_CustomBase)
        a->setIcon(style()->standardIcon(icon));
    a->setToolTip(hint);
    a->setStatusTip(hint);
    bar->addAction(a);
    if (auto *tb = qobject_cast<QToolBar *>(bar))
        nameButton(tb, a);
    m_actions << a;
    return a;
}

QAction *Tinfoform::action(const QString &hint) const
{
    for (QAction *a : m_actions)
        if (a->toolTip() == hint || a->text() == hint)
            return a;
    return nullptr;
}

void Tinfoform::buildStructureBar()
{
    QToolBar *bar = addToolBar(QStringLiteral("Strukturer"));
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (const TStrukturKnap &k : infoStrukturKnapper()) {
        QAction *a = addCommand(bar, k.caption, k.hint, QStyle::SP_CustomBase);
        connect(a, &QAction::triggered, this, [this, k] { HelpInfo(k.structure, k.entry); });
    }
}

QWidget *Tinfoform::buildLeft()
{
    m_tabs = new QTabWidget(this);
    m_tabs->setMinimumWidth(250);

    auto *treePage = new QWidget(m_tabs);
    auto *bar = new QToolBar(treePage);
    auto *menuButton = new QToolButton(bar);
    menuButton->setText(QStringLiteral("Hjemmelavede informationsstrukturer"));
    menuButton->setToolTip(menuButton->text());
    menuButton->setStatusTip(menuButton->text());
    menuButton->setAccessibleName(menuButton->text());
    menuButton->setIcon(strukturMenuIkon());
    menuButton->setPopupMode(QToolButton::InstantPopup);
    m_userMenu = new QMenu(menuButton);
    menuButton->setMenu(m_userMenu);
    bar->addWidget(menuButton);
    QAction *expand = addCommand(bar, QStringLiteral("Udfold struktur"), QStringLiteral("Udfold struktur"),
                                 QStyle::SP_ArrowDown);
    QAction *collapse = addCommand(bar, QStringLiteral("Sammenfold struktur"), QStringLiteral("Sammenfold struktur"),
                                   QStyle::SP_ArrowUp);
    QAction *next = addCommand(bar, QStringLiteral("Søg videre"), QStringLiteral("Søg videre i strukturen"),
                               QStyle::SP_ArrowForward);
    connect(expand, &QAction::triggered, this, [this] { m_logic.struktur().expandAll(); });
    connect(collapse, &QAction::triggered, this, [this] { m_logic.struktur().collapseAll(); });
    connect(next, &QAction::triggered, this, [this] { m_logic.searchNext(m_searchBox->text()); });

    m_tree = new TStrukturView(treePage);
    m_tree->setStruktur(&m_logic.struktur());
    connect(m_tree, &TStrukturView::nodeActivated, this, [this] { m_logic.showSelectedPage(); });
    m_count = new QLabel(QStringLiteral("Elementer: 0"), treePage);
    auto *tl = new QVBoxLayout(treePage);
    tl->setContentsMargins(2, 2, 2, 2);
    tl->addWidget(bar);
    tl->addWidget(m_tree, 1);
    tl->addWidget(m_count);
    m_tabs->addTab(treePage, QStringLiteral("Struktur"));

    auto *searchPage = new QWidget(m_tabs);
    m_searchBox = new QLineEdit(searchPage);
    m_searchBox->setAccessibleName(QStringLiteral("Søgetekst"));
    auto *searchBar = new QToolBar(searchPage);
    QAction *find = addCommand(searchBar, QStringLiteral("Søg"),
                               QStringLiteral("Søg i aktuelle struktur: Ctrl+S eller skriv og tryk Enter"),
                               QStyle::SP_FileDialogContentsView);
    find->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    find->setShortcutContext(Qt::WindowShortcut);
    addAction(find);
    m_results = new QListWidget(searchPage);
    m_results->setAccessibleName(QStringLiteral("Søgeresultater"));
    m_results->setItemDelegate(new TSoegeRaekke(m_results));
    auto *row = new QHBoxLayout;
    row->addWidget(m_searchBox, 1);
    row->addWidget(searchBar);
    auto *sl = new QVBoxLayout(searchPage);
    sl->setContentsMargins(2, 2, 2, 2);
    sl->addLayout(row);
    sl->addWidget(m_results, 1);
    m_tabs->addTab(searchPage, QStringLiteral("Søg"));

    connect(find, &QAction::triggered, this, &Tinfoform::runSearch);
    connect(m_searchBox, &QLineEdit::returnPressed, this, [this] {
        if (!m_searchBox->text().isEmpty())
            runSearch();
    });
    connect(m_searchBox, &QLineEdit::textChanged, this, [this](const QString &t) {
        m_logic.setSearchText(t);
        updateCommands();
    });
    connect(m_results, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { navigate(m_logic.resultTarget(item->text())); });
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int i) {
        if (i == 1)
            m_searchBox->setFocus();
    });
    return m_tabs;
}

QWidget *Tinfoform::buildRight()
{
    auto *right = new QWidget(this);
    right->setMinimumWidth(400);
    auto *bar = new QToolBar(right);
    QAction *first = addCommand(bar, QStringLiteral("Første"), QStringLiteral("Gå til første"), QStyle::SP_MediaSkipBackward);
    QAction *back = addCommand(bar, QStringLiteral("Tilbage"), QStringLiteral("Tilbage"), QStyle::SP_ArrowBack);
    QAction *forward = addCommand(bar, QStringLiteral("Frem"), QStringLiteral("Frem"), QStyle::SP_ArrowForward);
    QAction *last = addCommand(bar, QStringLiteral("Sidste"), QStringLiteral("Gå til sidste"), QStyle::SP_MediaSkipForward);
    connect(first, &QAction::triggered, &m_logic, &TInfoViewer::first);
    connect(back, &QAction::triggered, &m_logic, &TInfoViewer::back);
    connect(forward, &QAction::triggered, &m_logic, &TInfoViewer::forward);
    connect(last, &QAction::triggered, &m_logic, &TInfoViewer::last);

    m_address = new QLineEdit(bar);
    m_address->setAccessibleName(QStringLiteral("Adresse"));
    bar->addWidget(m_address);
    QAction *go = addCommand(bar, QStringLiteral("Opdater/Gå"), QStringLiteral("Opdater/Gå"), QStyle::SP_BrowserReload);
    auto goTo = [this] {
        if (!m_address->text().isEmpty())
            navigate(m_logic.addressTarget(m_address->text()));
    };
    connect(go, &QAction::triggered, this, goTo);
    connect(m_address, &QLineEdit::returnPressed, this, goTo);
    connect(m_address, &QLineEdit::textChanged, this, &Tinfoform::updateCommands);
    QAction *list = addCommand(bar, QStringLiteral("Åben urllisten"), QStringLiteral("Åben urllisten"),
                               QStyle::SP_FileDialogListView);
    connect(list, &QAction::triggered, this, [this] {
        urlboks()->show();
        urlboks()->raise();
    });

    auto *edit = new QToolButton(bar);
    edit->setText(QStringLiteral("Rediger aktuelle dokument"));
    edit->setToolTip(edit->text());
    edit->setStatusTip(edit->text());
    edit->setAccessibleName(edit->text());
    edit->setPopupMode(QToolButton::MenuButtonPopup);
    auto *editMenu = new QMenu(edit);
    const QList<QPair<QString, TRedigerValg>> choices{
        {QStringLiteral("Rediger aktuelle hjemmeside"), TRedigerValg::Hjemmeside},
        {QStringLiteral("Rediger stylesheet"), TRedigerValg::Stylesheet},
        {QStringLiteral("Rediger javascript"), TRedigerValg::Javascript}};
    for (const auto &c : choices) {
        QAction *a = editMenu->addAction(c.first);
        a->setStatusTip(c.first);
        m_actions << a;
        const TRedigerValg valg = c.second;
        connect(a, &QAction::triggered, this, [this, valg] { m_logic.rediger(valg); });
    }
    edit->setMenu(editMenu);
    connect(edit, &QToolButton::clicked, this, [this] { m_logic.rediger(TRedigerValg::Hjemmeside); });
    bar->addWidget(edit);
    // Under the bar, not on it: at the viewer's own size the bar has no
    // room for it and would hide it behind its overflow arrow.
    m_autoEdit = new QCheckBox(QStringLiteral("Automatisk redigering"), right);
    m_autoEdit->setToolTip(QStringLiteral("Åbner automatisk sider til redigering og opdaterer ved gem-funktionen"));
    m_autoEdit->setStatusTip(m_autoEdit->toolTip());
    m_autoEdit->setAccessibleName(m_autoEdit->text());
    connect(m_autoEdit, &QCheckBox::toggled, &m_logic, &TInfoViewer::setAutoEdit);

    m_pageHolder = new QWidget(right);
    auto *hl = new QVBoxLayout(m_pageHolder);
    hl->setContentsMargins(0, 0, 0, 0);
    auto *layout = new QVBoxLayout(right);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar);
    auto *autoRow = new QHBoxLayout;
    autoRow->setContentsMargins(6, 0, 6, 2);
    autoRow->addWidget(m_autoEdit);
    autoRow->addStretch(1);
    layout->addLayout(autoRow);
    layout->addWidget(m_pageHolder, 1);
    return right;
}

void Tinfoform::createPageView()
{
    if (m_page)
        return;
    m_page.reset(taglund::createPageView(m_pageHolder));
    m_pageHolder->layout()->addWidget(m_page->widget());
    m_page->onPageShown = [this](const QUrl &u) { m_logic.pageShown(u); };
    m_page->onNavigationStarted = [this] { m_logic.navigationStarted(); };
    m_page->onLinkHovered = [this](const QString &u) { m_logic.linkHovered(u); };
    m_page->onNewWindow = [this](const QUrl &u) { m_logic.newWindowRequested(u); };
    if (m_pending.isValid()) {
        m_page->navigate(m_pending);
        m_pending.clear();
    }
}

void Tinfoform::navigate(const QUrl &url)
{
    if (!url.isValid())
        return;
    if (m_page)
        m_page->navigate(url);
    else
        m_pending = url;
}

void Tinfoform::showEvent(QShowEvent *e)
{
    if (!m_placed) {
        m_placed = true;
        move(m_settings.left, m_settings.top);
        resize(m_settings.width, m_settings.height);
        m_split->setSizes({m_settings.panelWidth, std::max(400, width() - m_settings.panelWidth)});
    }
    createPageView();
    QMainWindow::showEvent(e);
}

void Tinfoform::HelpInfo(const QString &structureName, const QString &entry)
{
    m_logic.HelpInfo(structureName, entry);
}

void Tinfoform::HelpInfoFresh(const QString &structureName, const QString &entry)
{
    // A page whose style sheet was just rewritten: showing it again would
    // come from the cache, or not load at all when it is already shown.
    m_logic.HelpInfo(structureName, entry);
    if (m_page)
        m_page->reload();
}

void Tinfoform::createStrukturPU()
{
    m_userMenu->clear();
    const QStringList names = StrukturLib::informationStructures(m_host ? m_host->infodir() : QString());
    for (const StrukturLib::MenuItem &item : StrukturLib::userInformationMenu(names)) {
        QAction *a = m_userMenu->addAction(item.caption);
        a->setToolTip(item.hint);
        a->setStatusTip(item.hint);
        if (!item.active)
            continue;
        a->setIcon(strukturMenuIkon());
        connect(a, &QAction::triggered, this,
                [this, a] { HelpInfo(StrukturLib::withoutAccelerators(a->text()), QString()); });
    }
}

void Tinfoform::runSearch()
{
    m_results->clear();
    m_results->repaint();
    TInfoViewer::SearchResult r;
    {
        BusyCursor busy;
        r = m_logic.search(m_searchBox->text());
    }
    if (!r.message.isEmpty()) {
        ui::showInfo(this, r.message);
        return;
    }
    m_results->addItems(r.names);
}

void Tinfoform::updateCommands()
{
    auto enable = [this](const QString &hint, bool on) {
        if (QAction *a = action(hint))
            a->setEnabled(on);
    };
    enable(QStringLiteral("Gå til første"), m_logic.canFirst());
    enable(QStringLiteral("Tilbage"), m_logic.canBack());
    enable(QStringLiteral("Frem"), m_logic.canForward());
    enable(QStringLiteral("Gå til sidste"), m_logic.canLast());
    enable(QStringLiteral("Opdater/Gå"), !m_address->text().isEmpty());
    const bool haveText = !m_searchBox->text().isEmpty();
    enable(QStringLiteral("Søg i aktuelle struktur: Ctrl+S eller skriv og tryk Enter"), haveText);
    enable(QStringLiteral("Søg videre i strukturen"), haveText);
}

Turlform1 *Tinfoform::urlboks()
{
    if (!m_urlboks)
        m_urlboks = new Turlform1(&m_logic, m_host ? m_host->optdir() : QString(), this);
    return m_urlboks;
}

void Tinfoform::setAutoExpand(bool on)
{
    m_settings.autoExpand = on;
    m_tree->setAutoExpand(on);
}

bool Tinfoform::autoExpand() const
{
    return m_tree->autoExpand();
}

void Tinfoform::afterDocumentSaved()
{
    if (m_logic.autoEdit() && !m_logic.hjemmeside().isEmpty())
        navigate(QUrl::fromLocalFile(m_logic.hjemmeside()));
}

bool Tinfoform::saveSettings() const
{
    if (!m_host)
        return false;
    TInfoSettings s = m_settings;
    if (m_placed) {
        s.top = y();
        s.left = x();
        s.width = width();
        s.height = height();
        s.panelWidth = m_split->sizes().value(0, s.panelWidth);
    }
    s.autoExpand = m_tree->autoExpand();
    return s.write(m_host->optdir());
}

} // namespace taglund
