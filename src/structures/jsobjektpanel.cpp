#include "structures/jsobjektpanel.h"

#include "structures/structurehost.h"
#include "structures/strukturpanel.h"

#include <QButtonGroup>
#include <QScrollArea>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace taglund {

const QList<TJsObjekt> &jsObjekter()
{
    auto same = [](const char *category, const char *name) {
        return TJsObjekt{QString::fromUtf8(category), QString::fromUtf8(name), QString::fromUtf8(name),
                         QString::fromUtf8(name)};
    };
    static const QList<TJsObjekt> objekter{
        same("Objekter", "String"),        same("Objekter", "Number"),       same("Objekter", "Math"),
        same("Objekter", "Date"),          same("Objekter", "Array"),        same("Objekter", "Boolean"),
        same("Objekter", "RegExp"),        same("Objekter", "Global"),       same("Browser BOM", "Window"),
        same("Browser BOM", "Navigator"),  same("Browser BOM", "Screen"),    same("Browser BOM", "History"),
        same("Browser BOM", "Location"),   same("HTML DOM", "Document"),     same("HTML DOM", "Element"),
        same("HTML DOM", "Attr"),
        {QStringLiteral("HTML DOM"), QStringLiteral("Events"), QStringLiteral("Events objekter"),
         QStringLiteral("Events objekter")},
        {QStringLiteral("Collections"), QStringLiteral("DOMTokenList"), QStringLiteral("classList"),
         QStringLiteral("classList")},
        same("Collections", "HTMLCollection"), same("Collections", "NamedNodeMap"), same("Collections", "NodeList"),
    };
    return objekter;
}

TJsObjektPanel::TJsObjektPanel(TStrukturPanel *panel, TStructureHost *host, QWidget *parent)
    : QWidget(parent), m_panel(panel), m_host(host), m_group(new QButtonGroup(this))
{
    auto *bar = new QToolBar(this);
    QAction *close = bar->addAction(style()->standardIcon(QStyle::SP_TitleBarCloseButton),
                                    QStringLiteral("Luk JavaScript strukturen"));
    QAction *open = bar->addAction(style()->standardIcon(QStyle::SP_ArrowDown),
                                   QStringLiteral("Udfold objektoversigten"));
    QAction *shut = bar->addAction(style()->standardIcon(QStyle::SP_ArrowUp),
                                   QStringLiteral("Sammenfold objektoversigten"));
    for (QAction *a : {close, open, shut})
        if (QWidget *w = bar->widgetForAction(a))
            w->setAccessibleName(a->text());
    connect(close, &QAction::triggered, this, &QWidget::hide);
    connect(open, &QAction::triggered, this, &TJsObjektPanel::openAll);
    connect(shut, &QAction::triggered, this, &TJsObjektPanel::closeAll);

    auto *content = new QWidget;
    auto *cl = new QVBoxLayout(content);
    cl->setContentsMargins(2, 2, 2, 2);
    cl->setSpacing(1);
    m_group->setExclusive(true);
    for (const TJsObjekt &o : jsObjekter()) {
        if (m_categories.isEmpty() || m_categories.last().name != o.category) {
            auto *header = new QToolButton(content);
            header->setText(o.category);
            header->setAccessibleName(o.category);
            header->setCheckable(true);
            header->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
            header->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
            auto *body = new QWidget(content);
            auto *bl = new QVBoxLayout(body);
            bl->setContentsMargins(8, 0, 0, 4);
            bl->setSpacing(1);
            cl->addWidget(header);
            cl->addWidget(body);
            m_categories.append({o.category, header, body});
            const int index = int(m_categories.size()) - 1;
            connect(header, &QToolButton::toggled, this, [this, index](bool on) { setOpen(m_categories[index], on); });
        }
        auto *b = new QToolButton(m_categories.last().body);
        b->setText(o.caption);
        b->setAccessibleName(o.caption);
        b->setCheckable(true);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        m_categories.last().body->layout()->addWidget(b);
        m_group->addButton(b);
        m_buttons << b;
        connect(b, &QToolButton::clicked, this, [this, o] { choose(o); });
    }
    cl->addStretch();
    auto *scroll = new QScrollArea(this);
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar);
    layout->addWidget(scroll, 1);
    closeAll();

    connect(panel, &TStrukturPanel::javaScriptRequested, this, [this] {
        show();
        restoreRemembered();
    });
    setVisible(false);
}

void TJsObjektPanel::setOpen(Category &c, bool open)
{
    c.header->blockSignals(true);
    c.header->setChecked(open);
    c.header->blockSignals(false);
    c.header->setArrowType(open ? Qt::DownArrow : Qt::RightArrow);
    c.body->setVisible(open);
}

void TJsObjektPanel::openAll()
{
    for (Category &c : m_categories)
        setOpen(c, true);
}

void TJsObjektPanel::closeAll()
{
    for (Category &c : m_categories)
        setOpen(c, false);
}

bool TJsObjektPanel::isCategoryOpen(const QString &category) const
{
    for (const Category &c : m_categories)
        if (c.name == category)
            return c.header->isChecked();
    return false;
}

QToolButton *TJsObjektPanel::button(const QString &caption) const
{
    for (QToolButton *b : m_buttons)
        if (b->text() == caption)
            return b;
    return nullptr;
}

QToolButton *TJsObjektPanel::checkedButton() const
{
    return qobject_cast<QToolButton *>(m_group->checkedButton());
}

void TJsObjektPanel::choose(const TJsObjekt &objekt)
{
    m_panel->loadObjectStructure(objekt.structure, true);
    if (m_host)
        m_host->setJsObjektName(objekt.remembered);
}

void TJsObjektPanel::restoreRemembered()
{
    const QString name = m_host ? m_host->jsObjektName() : QString();
    if (name.isEmpty())
        return;
    m_panel->loadObjectStructure(name, true);
    closeAll();
    // By the remembered name: two buttons carry captions other than it.
    const QList<TJsObjekt> &all = jsObjekter();
    for (int i = 0; i < all.size(); ++i) {
        if (all[i].remembered != name)
            continue;
        m_buttons[i]->setChecked(true);
        for (Category &c : m_categories)
            if (c.name == all[i].category)
                setOpen(c, true);
        break;
    }
}

} // namespace taglund
