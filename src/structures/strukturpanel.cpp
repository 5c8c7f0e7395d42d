#include "structures/strukturpanel.h"

#include "core/text/doctext.h"
#include "core/text/paths.h"
#include "structures/structurehost.h"
#include "structures/strukturikoner.h"
#include "structures/strukturlib.h"
#include "structures/strukturview.h"
#include "ui/questions.h"

#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace taglund {

const QList<TObjektMenuPunkt> &objektStrukturMenu()
{
    static const QList<TObjektMenuPunkt> punkter{
        {QStringLiteral("HTML"), QStringLiteral("HTML5 koder"), QStringLiteral("HTML koder")},
        {QStringLiteral("ASP"), QStringLiteral("ASP objekter, metoder og egenskaber"), QStringLiteral("ASP")},
        {QStringLiteral("CSS"), QStringLiteral("CSS egenskaber"), QStringLiteral("CSS"), false},
        {QStringLiteral("JavaScript"), QStringLiteral("Vis JavaScript objektstrukturen"), QString()},
        {QStringLiteral("WScript"), QStringLiteral("WScript objektet"), QStringLiteral("WScript")},
        {QStringLiteral("Scripting"), QStringLiteral("Scripting objektet"), QStringLiteral("Scripting")},
        {QStringLiteral("VbScript"), QStringLiteral("Grundliggende VbScript"), QStringLiteral("VbScript")},
        {QStringLiteral("Alle"), QStringLiteral("WScript, Scripting og VbScript i en struktur"),
         QStringLiteral("script"), false},
        {QStringLiteral("Batch"), QStringLiteral("Batch kommandoer"), QStringLiteral("batch")},
    };
    return punkter;
}

namespace {
QToolButton *menuButton(QWidget *parent, const QString &caption, QMenu *menu)
{
    auto *b = new QToolButton(parent);
    b->setText(caption);
    b->setToolTip(caption);
    b->setAccessibleName(caption);
    b->setIcon(strukturMenuIkon());
    b->setPopupMode(QToolButton::InstantPopup);
    b->setMenu(menu);
    return b;
}

QPlainTextEdit *fieldBox(QWidget *parent, const QString &caption)
{
    auto *box = new QPlainTextEdit(parent);
    box->setReadOnly(true);
    box->setAccessibleName(caption);
    box->setMaximumHeight(90);
    return box;
}
} // namespace

TStrukturPanel::TStrukturPanel(TStructureHost *host, TDocText *doc, QWidget *parent)
    : QWidget(parent), m_host(host), m_doc(doc)
{
    setMinimumWidth(240);
    setMaximumWidth(360);
    m_struktur.DataOn = true;

    auto *bar = new QToolBar(this);
    bar->setIconSize(QSize(16, 16));
    QAction *expand = bar->addAction(style()->standardIcon(QStyle::SP_ArrowDown), QStringLiteral("Udfold strukturen"));
    QAction *collapse =
        bar->addAction(style()->standardIcon(QStyle::SP_ArrowUp), QStringLiteral("Sammenfold strukturen"));
    m_builtinMenu = new QMenu(this);
    for (const TObjektMenuPunkt &p : objektStrukturMenu()) {
        QAction *a = m_builtinMenu->addAction(p.caption);
        a->setToolTip(p.hint);
        a->setStatusTip(p.hint);
        connect(a, &QAction::triggered, this, [this, p] {
            if (p.structure.isEmpty())
                emit javaScriptRequested();
            else
                loadObjectStructure(p.structure, p.expandTop);
        });
    }
    m_builtinMenu->setToolTipsVisible(true);
    bar->addWidget(menuButton(bar, QStringLiteral("Objektstrukturer"), m_builtinMenu));
    m_userMenu = new QMenu(this);
    m_userMenu->setToolTipsVisible(true);
    bar->addWidget(menuButton(bar, QStringLiteral("Hjemmelavede objektstrukturer"), m_userMenu));
    m_search = new QToolButton(bar);
    m_search->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    m_search->setToolTip(QStringLiteral("Søg efter dokumentets aktuelle ord i strukturen"));
    m_search->setAccessibleName(m_search->toolTip());
    m_search->setEnabled(false);
    bar->addWidget(m_search);
    for (QAction *a : {expand, collapse})
        if (QWidget *w = bar->widgetForAction(a))
            w->setAccessibleName(a->text());

    m_tree = new TStrukturView(this);
    m_tree->setIkonSet(TIkonSet::Objekt);
    m_tree->setStruktur(&m_struktur);
    m_definition = fieldBox(this, QStringLiteral("Definition | Beskrivelse"));
    m_syntax = fieldBox(this, QStringLiteral("Syntax | Eksempel"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar);
    layout->addWidget(m_tree, 1);
    layout->addWidget(new QLabel(QStringLiteral("Definition | Beskrivelse"), this));
    layout->addWidget(m_definition);
    layout->addWidget(new QLabel(QStringLiteral("Syntax | Eksempel"), this));
    layout->addWidget(m_syntax);

    connect(expand, &QAction::triggered, this, [this] {
        m_struktur.expandAll();
        m_tree->scrollToTop();
    });
    connect(collapse, &QAction::triggered, this, [this] { m_struktur.collapseAll(); });
    connect(m_search, &QToolButton::clicked, this, &TStrukturPanel::searchCurrentWord);
    connect(m_tree, &TStrukturView::nodeSelected, this, &TStrukturPanel::showFields);
    connect(m_tree, &TStrukturView::nodeDoubleClicked, this, &TStrukturPanel::insertEntry);
    buildUserMenu();
    setVisible(false);
}

void TStrukturPanel::buildUserMenu()
{
    const QString dir = m_host ? m_host->strukturdir() : QString();
    for (const StrukturLib::MenuItem &item : StrukturLib::userObjectMenu(StrukturLib::userObjectStructures(dir))) {
        QAction *a = m_userMenu->addAction(item.caption);
        a->setToolTip(item.hint);
        a->setStatusTip(item.hint);
        if (!item.active)
            continue;
        connect(a, &QAction::triggered, this, [this, a] {
            if (isVisible())
                loadObjectStructure(StrukturLib::withoutLeadingAccelerator(a->text()));
        });
    }
}

QString TStrukturPanel::toggleHint(bool panelShown)
{
    return panelShown ? QStringLiteral("Luk strukturpanelet") : QStringLiteral("Vis strukturpanelet");
}

bool TStrukturPanel::loadObjectStructure(const QString &name, bool expandTop)
{
    m_definition->clear();
    m_syntax->clear();
    const QString dir = m_host ? m_host->strukturdir() : QString();
    if (!StrukturLib::isValidName(name)) {
        ui::showInfo(this, StrukturLib::invalidNameMessage(name));
        return false;
    }
    if (!QFileInfo(StrukturLib::objectTreeFile(dir, name)).isFile()
        || !QFileInfo(StrukturLib::objectDataFile(dir, name)).isFile()) {
        m_struktur.Clear();
        m_loaded.clear();
        ui::showInfo(this, QStringLiteral("Der mangler en fil."));
        return false;
    }
    StrukturLib::setupObject(m_struktur, dir, name);
    m_struktur.HentStruktur();
    m_loaded = name;
    if (expandTop && m_struktur.Count() > 0)
        m_struktur.setExpanded(m_struktur.Node(0), true);
    return true;
}

void TStrukturPanel::setCurrentWordFinder(std::function<QString(TDocText &)> finder)
{
    m_wordFinder = std::move(finder);
    m_search->setEnabled(bool(m_wordFinder));
}

void TStrukturPanel::showFields(TStrukturNode *node)
{
    m_definition->clear();
    m_syntax->clear();
    if (!node || !node->hasData)
        return;
    const StrukturLib::PayloadFields f = StrukturLib::splitPayload(node->payload());
    m_definition->setPlainText(f.definition);
    m_syntax->setPlainText(f.syntax);
}

void TStrukturPanel::insertEntry(TStrukturNode *node)
{
    if (!node || !m_doc)
        return;
    m_doc->setSelText(node->text);
    m_doc->SetFocus();
}

void TStrukturPanel::searchCurrentWord()
{
    if (!m_wordFinder || !m_doc)
        return;
    const QString word = m_wordFinder(*m_doc);
    if (word.isEmpty() || m_struktur.Count() == 0)
        return;
    const int hit = StrukturLib::findCurrentWord(m_struktur.tree(), word, m_struktur.getTheSelectedIndex());
    if (hit < 0) {
        m_struktur.select(m_struktur.Node(0));
    } else {
        TStrukturNode *n = m_struktur.Node(hit);
        m_struktur.collapseAll();
        m_struktur.setExpanded(n, true);
        m_struktur.makeVisible(n);
        m_struktur.select(n);
        showFields(n);
        m_tree->setFocus();
    }
    if (m_host)
        m_host->setFindText(word);
}

} // namespace taglund
