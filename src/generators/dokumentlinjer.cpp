#include "generators/dokumentlinjer.h"
#include "core/commandregistry.h"
#include "core/model/mainoptions.h"
#include "core/programhost.h"
#include "core/winform.h"
#include "generators/generatorkommandoer.h"
#include "generators/snippetcatalogue.h"
#include "generators/snippetmenu.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace taglund {

namespace {

enum Side { SideFunktioner, SideKoder, SideElementer, SideAndet };

} // namespace

bool TDokumentLinjer::isHtml(const QString &docExt)
{
    const QString e = docExt.toLower();
    return e == u".html" || e == u".asp" || e == u".inc";
}

TDokumentLinjer::TDokumentLinjer(Twinform *w, TGeneratorKommandoer *k) : QObject(w), m_win(w), m_k(k)
{
    const QString ext = w->DocExt.toLower();
    if (!isHtml(ext)) {
        buildKindBar(ext);
        return;
    }
    buildTools();
    buildCodes();
    buildBoxes();

    m_book = new QTabWidget(w);
    m_book->setObjectName(QStringLiteral("Html-bogen"));
    m_book->setAccessibleName(QStringLiteral("Html-bogen"));
    m_book->setDocumentMode(true);
    const char *names[3] = {"Funktioner", "Html koder", "Html elementer"};
    const Linje order[3] = {Redskaber, Koder, Bokse};
    for (int i = 0; i < 3; ++i) {
        m_pages[i] = new QWidget(m_book);
        auto *l = new QVBoxLayout(m_pages[i]);
        l->setContentsMargins(0, 0, 0, 0);
        m_book->addTab(m_pages[i], QString::fromUtf8(names[i]));
        m_pages[i]->setProperty("linje", int(order[i]));
    }
    buildAndet();
    m_book->hide();
    w->barArea()->addWidget(m_book);

    TMainOptions &o = k->host()->options();
    setAndetShown(k->mainPanelHidden());
    const int index = o.htmlBogIndex;
    if (index >= 0 && index < m_book->count() && m_book->isTabVisible(index))
        m_book->setCurrentIndex(index);
    connect(m_book, &QTabWidget::currentChanged, this, [this](int i) {
        if (i >= 0)
            m_k->host()->options().htmlBogIndex = i;
        fitBook();
    });
    setBook(o.visHtmlbog);
}

QToolBar *TDokumentLinjer::newBar(const QString &name)
{
    auto *bar = new QToolBar(m_win);
    bar->setObjectName(name);
    bar->setAccessibleName(name);
    bar->setIconSize(QSize(16, 16));
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return bar;
}

QMenu *TDokumentLinjer::menu(const char *id)
{
    const TSnippetMenu *m = snippetMenu(QString::fromUtf8(id));
    Q_ASSERT(m);
    return buildSnippetMenu(*m, m_win, m_k->handlers(m_win));
}

void TDokumentLinjer::addInfo(QToolBar *bar, const QString &entry)
{
    QAction *a = bar->addAction(bar->style()->standardIcon(QStyle::SP_MessageBoxInformation), QString());
    const QString hint = QStringLiteral("Information: ") + entry;
    a->setToolTip(hint);
    a->setStatusTip(hint);
    if (QWidget *b = bar->widgetForAction(a)) {
        b->setAccessibleName(hint);
        static_cast<QToolButton *>(b)->setToolButtonStyle(Qt::ToolButtonIconOnly);
    }
    connect(a, &QAction::triggered, this, [this, entry] { m_k->host()->HelpInfo(QStringLiteral("Information"), entry); });
}

void TDokumentLinjer::addCommand(QToolBar *bar, const char *name, const QString &caption)
{
    QAction *command = m_k->host()->commands()->action(QString::fromLatin1(name));
    if (!command)
        return;  // that box is not part of the program (yet)
    if (caption.isEmpty()) {
        bar->addAction(command);
        return;
    }
    // The bar's own caption for the program's command.
    QAction *a = bar->addAction(caption);
    a->setToolTip(command->toolTip() == command->text() ? caption : command->toolTip());
    a->setEnabled(command->isEnabled());
    connect(command, &QAction::changed, a, [a, command] { a->setEnabled(command->isEnabled()); });
    connect(a, &QAction::triggered, command, [command] { command->trigger(); });
}

void TDokumentLinjer::addMenuButton(QToolBar *bar, const char *menuId, const QString &caption, const char *command)
{
    auto *b = new QToolButton(bar);
    QMenu *m = menu(menuId);
    b->setMenu(m);
    const QString hint = QString::fromUtf8(menuId);
    if (caption.isEmpty()) {
        // A drop-down beside the button it belongs to, known by its hint.
        b->setArrowType(Qt::DownArrow);
        b->setToolTip(hint);
        b->setAccessibleName(hint);
    } else {
        b->setText(caption);
        b->setAccessibleName(caption);
    }
    QAction *cmd = command ? m_k->host()->commands()->action(QString::fromLatin1(command)) : nullptr;
    if (cmd) {
        // The button opens its box and drops its menu down; the arrow only drops the menu.
        b->setPopupMode(QToolButton::MenuButtonPopup);
        connect(b, &QToolButton::clicked, cmd, [cmd, b] {
            if (cmd->isEnabled())
                cmd->trigger();
            b->showMenu();
        });
    } else {
        b->setPopupMode(QToolButton::InstantPopup);
    }
    b->setAutoRaise(true);
    bar->addWidget(b);
}

void TDokumentLinjer::buildTools()
{
    QToolBar *bar = m_bars[Redskaber] = newBar(QStringLiteral("Redskabslinjen"));
    const QString ext = m_win->DocExt.toLower();
    addInfo(bar, ext == u".asp" ? QStringLiteral("Asp") : ext == u".inc" ? QStringLiteral("Inc")
                                                                          : QStringLiteral("Html redskabslinjen"));
    addCommand(bar, "AAktiverScript", QStringLiteral("Kør skriptet"));
    bar->addSeparator();
    addCommand(bar, "AHtmlInformation", QStringLiteral("Html"));
    addCommand(bar, "AIndsaetSlutkode", QStringLiteral("Indsæt slutkode"));
    addCommand(bar, "AVisAktuelleKode", QStringLiteral("Vis aktuelle kode"));
    addCommand(bar, "AKontroller", QStringLiteral("Kontrol"));
    bar->addSeparator();
    addCommand(bar, "AAspInformation", QStringLiteral("ASP"));
    addCommand(bar, "AStylesheet", QStringLiteral("Stylesheet"));
    addCommand(bar, "AJavascript", QStringLiteral("Javascript"));
    addCommand(bar, "ACssInformation", QStringLiteral("Css"));
    addMenuButton(bar, "Attributter", QString());
    addCommand(bar, "AJsInformation", QStringLiteral("JavaScript"));
    addMenuButton(bar, "JavaScript strukturer", QString());
    addCommand(bar, "AScriptInformation", QStringLiteral("VbScript"));
    addVbsMenus(bar, true);
}

void TDokumentLinjer::addVbsMenus(QToolBar *bar, bool functions)
{
    addMenuButton(bar, "VbScript strukturer", QString());
    addMenuButton(bar, "VbScript objekter", QString());
    if (functions)
        addMenuButton(bar, "Funktioner", QString());
}

void TDokumentLinjer::buildCodes()
{
    QToolBar *bar = m_bars[Koder] = newBar(QStringLiteral("Kodelinjen"));
    QAction *info = bar->addAction(QStringLiteral("Info"));
    info->setToolTip(QStringLiteral("Information: Kode redskabslinjen"));
    connect(info, &QAction::triggered, this,
            [this] { m_k->host()->HelpInfo(QStringLiteral("Information"), QStringLiteral("Kode redskabslinjen")); });
    addMenuButton(bar, "Struktur", QStringLiteral("Struktur"));
    addMenuButton(bar, "Tekst", QStringLiteral("Tekst"), "ATekstboks");
    addMenuButton(bar, "Links", QStringLiteral("Links"));
    addMenuButton(bar, "Form", QStringLiteral("Form"));
    addMenuButton(bar, "Medie", QStringLiteral("Medie"));
    addMenuButton(bar, "Skema", QStringLiteral("Skema"));
    addMenuButton(bar, "Lister", QStringLiteral("Lister"));
    addMenuButton(bar, "Tegn", QStringLiteral("Tegn"));
}

void TDokumentLinjer::buildBoxes()
{
    QToolBar *bar = m_bars[Bokse] = newBar(QStringLiteral("Bokslinjen"));
    addInfo(bar, QStringLiteral("Bokslinjen"));
    addMenuButton(bar, "Tegn", QStringLiteral("Tegnkoder"), "ATegnkoder");
    addCommand(bar, "ALinkboks", QStringLiteral("Links"));
    addCommand(bar, "ASkemaboks", QStringLiteral("Skema"));
    addCommand(bar, "AListeboks", QStringLiteral("Liste"));
    addCommand(bar, "ALayoutboks", QStringLiteral("Layout"));
    addCommand(bar, "AIkonbokse", QStringLiteral("Ikonbokse"));
    addCommand(bar, "AMedieboks", QStringLiteral("Medie"));
}

void TDokumentLinjer::buildAndet()
{
    m_andet = new QWidget(m_book);
    auto *row = new QHBoxLayout(m_andet);
    row->setContentsMargins(2, 0, 2, 0);
    row->setSpacing(2);
    TCommandRegistry *c = m_k->host()->commands();
    auto commandButton = [this, row](QAction *a) {
        if (!a)
            return;
        auto *b = new QToolButton(m_andet);
        b->setDefaultAction(a);
        b->setAutoRaise(true);
        b->setAccessibleName(a->toolTip().isEmpty() ? a->text() : a->toolTip());
        row->addWidget(b);
    };
    commandButton(c->action(QStringLiteral("ASendSoegefelt")));
    m_find = new QLineEdit(m_andet);
    m_find->setObjectName(QStringLiteral("andetSoegefelt"));
    m_find->setToolTip(QStringLiteral("Søgefelt"));
    m_find->setAccessibleName(QStringLiteral("Søgefelt"));
    m_find->setMaximumWidth(240);
    row->addWidget(m_find, 1);
    commandButton(c->action(QStringLiteral("AGoogle")));
    commandButton(c->action(QStringLiteral("AYouTube")));
    struct Info {
        const char *caption;
        const char *structure;
    };
    for (const Info &i : {Info{"Program", "Information"}, Info{"Html", "Html5"}, Info{"Asp", "ASP"},
                          Info{"CSS", "CSS"}, Info{"JavaScript", "JavaScript"}, Info{"Vb Script", "VBS"}}) {
        auto *b = new QToolButton(m_andet);
        const QString caption = QString::fromUtf8(i.caption);
        const QString hint = QStringLiteral("Information: ") + caption;
        b->setText(caption);
        b->setToolTip(hint);
        b->setAccessibleName(hint);
        b->setAutoRaise(true);
        const QString structure = QString::fromUtf8(i.structure);
        // This page's buttons look up this page's field.
        connect(b, &QToolButton::clicked, this,
                [this, structure] { m_k->host()->HelpInfo(structure, m_find->text()); });
        row->addWidget(b);
    }
    row->addStretch();
    m_book->addTab(m_andet, QStringLiteral("Andet"));
}

void TDokumentLinjer::buildKindBar(const QString &ext)
{
    if (ext == u".js") {
        m_kindBar = newBar(QStringLiteral("JavaScript linjen"));
        addInfo(m_kindBar, QStringLiteral("Js"));
        addCommand(m_kindBar, "AJsInformation", QStringLiteral("JavaScript"));
        addMenuButton(m_kindBar, "JavaScript strukturer", QString());
        addCommand(m_kindBar, "ACssInformation", QStringLiteral("Css"));
    } else if (ext == u".css") {
        m_kindBar = newBar(QStringLiteral("Css linjen"));
        addInfo(m_kindBar, QStringLiteral("Css"));
        addCommand(m_kindBar, "ACssInformation", QStringLiteral("Css"));
        auto *b = new QToolButton(m_kindBar);
        b->setText(QStringLiteral("Selectorer"));
        b->setToolTip(QStringLiteral("Vis css selectorer"));
        b->setAccessibleName(QStringLiteral("Vis css selectorer"));
        b->setMenu(menu("Vis css selectorer"));
        b->setPopupMode(QToolButton::MenuButtonPopup);
        b->setAutoRaise(true);
        connect(b, &QToolButton::clicked, this,
                [this] { m_k->host()->HelpInfo(QStringLiteral("CSS"), QStringLiteral("CSS Selectors")); });
        m_kindBar->addWidget(b);
        addCommand(m_kindBar, "ACssBoksen", QStringLiteral("CSS boksen"));
    } else if (ext == u".vbs" || ext == u".wsf") {
        m_kindBar = newBar(QStringLiteral("VbScript linjen"));
        addInfo(m_kindBar, ext == u".vbs" ? QStringLiteral("Vbs") : QStringLiteral("Wsf"));
        addCommand(m_kindBar, "AScriptboksen", QStringLiteral("Scriptboksen"));
        addCommand(m_kindBar, "AAktiverScript", QStringLiteral("Kør skriptet"));
        addCommand(m_kindBar, "AScriptInformation", QStringLiteral("VbScript"));
        // The button writes "WScript.Echo "; its arrow offers the message snippets.
        auto *echo = new QToolButton(m_kindBar);
        echo->setText(QStringLiteral("WScript.Echo"));
        echo->setAccessibleName(QStringLiteral("WScript.Echo"));
        echo->setMenu(menu("WScript.Echo"));
        echo->setPopupMode(QToolButton::MenuButtonPopup);
        echo->setAutoRaise(true);
        const TSnippet *first = &snippetMenu(QStringLiteral("WScript.Echo"))->items.front();
        connect(echo, &QToolButton::clicked, this, [this, first] { m_k->skriv(m_win, *first); });
        m_kindBar->addWidget(echo);
        addVbsMenus(m_kindBar, false);
        addMenuButton(m_kindBar, "Funktioner", QStringLiteral("Funktioner"));
    } else if (ext == u".asa") {
        m_kindBar = newBar(QStringLiteral("Asa linjen"));
        addInfo(m_kindBar, QStringLiteral("Asa"));
        addCommand(m_kindBar, "AAspInformation", QStringLiteral("ASP"));
        addCommand(m_kindBar, "AScriptInformation", QStringLiteral("VbScript"));
        addVbsMenus(m_kindBar, true);
    } else if (ext == u".bat" || ext == u".ps1") {
        m_kindBar = newBar(QStringLiteral("Batch linjen"));
        addInfo(m_kindBar, QStringLiteral("Bat"));
    }
    if (m_kindBar)
        m_win->barArea()->addWidget(m_kindBar);
}

QToolBar *TDokumentLinjer::bar(Linje which) const
{
    return m_bars[which];
}

void TDokumentLinjer::setBook(bool on)
{
    if (!m_book)
        return;
    m_bookShown = on;
    const TMainOptions &o = m_k->host()->options();
    const bool shown[3] = {o.visRedskabslinjen, o.visBokslinjen, o.visKodelinjen};
    QVBoxLayout *area = m_win->barArea();
    const int bookAt = area->indexOf(m_book);
    if (on) {
        for (int i = 0; i < 3; ++i) {
            QToolBar *bar = m_bars[m_pages[i]->property("linje").toInt()];
            area->removeWidget(bar);
            m_pages[i]->layout()->addWidget(bar);
            bar->show();
        }
        m_book->show();
        fitBook();
        return;
    }
    m_book->hide();
    // Separate bars follow the book in the order codes, boxes, tools.
    for (QWidget *page : m_pages)
        for (QToolBar *bar : m_bars)
            page->layout()->removeWidget(bar);
    int at = bookAt + 1;
    for (Linje l : {Koder, Bokse, Redskaber}) {
        area->removeWidget(m_bars[l]);
        area->insertWidget(at++, m_bars[l]);
        m_bars[l]->setVisible(shown[l]);
    }
}

bool TDokumentLinjer::toggle(Linje which)
{
    if (m_bookShown || !m_bars[which])
        return false;
    m_bars[which]->setVisible(m_bars[which]->isHidden());
    return true;
}

void TDokumentLinjer::setAndetShown(bool on)
{
    if (!m_book)
        return;
    m_book->setTabVisible(m_book->indexOf(m_andet), on);
    fitBook();
}

bool TDokumentLinjer::andetShown() const
{
    return m_book && m_book->isTabVisible(m_book->indexOf(m_andet));
}

void TDokumentLinjer::fitBook()
{
    if (!m_book || !m_bookShown)
        return;
    // The book is as high as its page's bar plus the tabs.
    QWidget *page = m_book->currentWidget();
    const int h = page ? page->sizeHint().height() : 0;
    m_book->setFixedHeight(h + 32);
}

} // namespace taglund
