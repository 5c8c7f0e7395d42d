#include "ui/styles.h"

#include "ui/questions.h"

#include <QApplication>
#include <QEvent>
#include <QMdiArea>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

#include <cmath>
#include <memory>
#include <vector>

namespace taglund::ui {

namespace {

// The few colours a style is drawn from; everything else is mixed from them.
struct Seed {
    const char *name;
    const char *caption;
    bool dark;
    const char *window, *windowText;
    const char *base, *text;
    const char *button;
    const char *highlight, *highlightedText;
    const char *chrome, *chromeText;
    const char *tabSelected;
    const char *mdiArea;
    const char *border;
    const char *link;
};

// Kamri styles are dark, Classico ones soft and classic, Light Slate ones
// cool grey with a coloured accent.
constexpr Seed Seeds[] = {
    {"AMETHYSTKAMRI", "Amethyst Kamri", true, "#2d2438", "#ece6f5", "#211a2a", "#f1ecf8", "#3d3150", "#7a4fc0",
     "#ffffff", "#3a2d4d", "#e9e1f5", "#4a3a63", "#17111f", "#5a4a70", "#c9a8ff"},
    {"AQUALIGHTSLATE", "Aqua Light Slate", false, "#e2e8ed", "#1b2a33", "#ffffff", "#16232b", "#d3dde4", "#0a6a8f",
     "#ffffff", "#b4c4d4", "#14242e", "#f7fbfd", "#7f97a8", "#8ea3b2", "#075f8a"},
    {"EMERALDLIGHTSLATE", "Emerald Light Slate", false, "#e6ebe4", "#1a2a1c", "#ffffff", "#15241a", "#d3e0d2",
     "#1b7a3e", "#ffffff", "#a9d4b3", "#0f2414", "#fbfff9", "#6f9e78", "#86a98d", "#136a35"},
    {"ICEBERGCLASSICO", "Iceberg Classico", false, "#eef4f6", "#1a2b3b", "#ffffff", "#142433", "#dde9ef", "#2f5d7c",
     "#ffffff", "#cce6ee", "#142433", "#ffffff", "#9ec3d1", "#9fbccb", "#1d5a7c"},
    {"LAVENDERCLASSICO", "Lavender Classico", false, "#eeeaf4", "#2a2238", "#ffffff", "#231b30", "#e0d9ec",
     "#66479a", "#ffffff", "#d6cbe8", "#241c31", "#ffffff", "#b5a6cf", "#a797c2", "#5b3d92"},
    {"LIGHT", "Light", false, "#f4f4f4", "#1f1f1f", "#ffffff", "#1a1a1a", "#e8e8e8", "#005fb0", "#ffffff", "#ececec",
     "#1f1f1f", "#ffffff", "#cfcfcf", "#b8b8b8", "#0058a6"},
    {"LUNA", "Luna", false, "#ece9d8", "#1c1c10", "#ffffff", "#111111", "#e3dfca", "#2f62b8", "#ffffff", "#2e5fa8",
     "#ffffff", "#fbfaf4", "#6e8fc4", "#8a8670", "#0b46a8"},
    {"SAPPHIREKAMRI", "Sapphire Kamri", true, "#1d2737", "#e4ecf7", "#141d2b", "#eaf1fa", "#2b3a52", "#2f6bc4",
     "#ffffff", "#24324a", "#dfe8f5", "#34496b", "#0d1420", "#46597a", "#8fbcff"},
    {"SKY", "Sky", false, "#e3effc", "#10263d", "#ffffff", "#0d2135", "#d0e4f8", "#1565c0", "#ffffff", "#a9d1f7",
     "#0e2440", "#ffffff", "#6fa8dc", "#86afd8", "#0b54a3"},
    {"SLATECLASSICO", "Slate Classico", false, "#d3d8dd", "#161c22", "#f5f6f7", "#12171c", "#c3cad1", "#44576d",
     "#ffffff", "#aab3bc", "#10161b", "#eef0f2", "#6f7c89", "#7c8894", "#24476e"},
    {"SMOKEYQUARTZKAMRI", "Smokey Quartz Kamri", true, "#2f2a26", "#efe8e0", "#231f1c", "#f3ede6", "#433b35",
     "#8a633c", "#ffffff", "#3d3630", "#efe6da", "#564b42", "#1a1714", "#665a50", "#e0b27d"},
    {"TURQUOISEGRAY", "Turquoise Gray", false, "#dcdcda", "#1a2222", "#fbfbfa", "#141c1c", "#cccdca", "#0b6e6a",
     "#ffffff", "#8fd0c9", "#0c2322", "#e8f7f5", "#4f7472", "#7d9494", "#0a625e"},
};

const QString PlainName = QStringLiteral("Standard");
// Older settings files name the plain look after the platform it came from.
const QString PlainAlias = QStringLiteral("Windows");

QColor mix(const QColor &a, const QColor &b, double towardB)
{
    const auto ch = [towardB](int x, int y) { return int(x + (y - x) * towardB + 0.5); };
    return QColor(ch(a.red(), b.red()), ch(a.green(), b.green()), ch(a.blue(), b.blue()));
}

double luminance(const QColor &c)
{
    const auto lin = [](int v) {
        const double x = v / 255.0;
        return x <= 0.04045 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lin(c.red()) + 0.7152 * lin(c.green()) + 0.0722 * lin(c.blue());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Mixed backgrounds can land between a style's light and dark text: take
// whichever of the two reads better there.
QColor readableOn(const QColor &background, const QColor &preferred, const QColor &other)
{
    return contrast(preferred, background) >= 4.5 || contrast(preferred, background) >= contrast(other, background)
               ? preferred
               : other;
}

TStyleColours coloursOf(const Seed &s)
{
    TStyleColours c;
    c.dark = s.dark;
    c.window = QColor(s.window);
    c.windowText = QColor(s.windowText);
    c.base = QColor(s.base);
    c.text = QColor(s.text);
    c.alternateBase = mix(c.base, c.window, 0.6);
    c.placeholder = mix(c.text, c.base, 0.38);
    c.button = QColor(s.button);
    c.buttonTop = s.dark ? c.button.lighter(118) : mix(c.button, QColor(Qt::white), 0.55);
    c.buttonText = c.windowText;
    c.highlight = QColor(s.highlight);
    c.highlightedText = QColor(s.highlightedText);
    c.link = QColor(s.link);
    c.linkVisited = mix(c.link, c.text, 0.3);
    c.toolTip = c.base;
    c.toolTipText = c.text;
    c.chrome = QColor(s.chrome);
    c.chromeTop = c.chrome.lighter(s.dark ? 122 : 112);
    c.chromeText = QColor(s.chromeText);
    c.hover = mix(c.chrome, c.highlight, s.dark ? 0.35 : 0.22);
    c.hoverText = readableOn(c.hover, c.chromeText, c.windowText);
    c.menu = s.dark ? c.chrome : c.base;
    c.menuText = s.dark ? c.chromeText : c.text;
    c.menuSelected = c.highlight;
    c.menuSelectedText = c.highlightedText;
    c.tabSelected = QColor(s.tabSelected);
    c.tabSelectedText = s.dark ? c.chromeText : c.text;
    c.tab = mix(c.chrome, c.window, 0.5);
    c.tabText = readableOn(c.tab, c.chromeText, c.windowText);
    c.header = c.button;
    c.headerText = c.buttonText;
    c.status = c.chrome;
    c.statusText = c.chromeText;
    c.border = QColor(s.border);
    c.mdiArea = QColor(s.mdiArea);
    c.disabledText = mix(c.windowText, c.window, 0.55);
    return c;
}

struct Style {
    QString name;
    QString caption;
    TStyleColours colours;
};

const std::vector<Style> &styles()
{
    static const std::vector<Style> all = [] {
        std::vector<Style> v;
        for (const Seed &s : Seeds)
            v.push_back({QString::fromLatin1(s.name), QString::fromLatin1(s.caption), coloursOf(s)});
        return v;
    }();
    return all;
}

const Style *findStyle(const QString &name)
{
    for (const Style &s : styles())
        if (s.name.compare(name.trimmed(), Qt::CaseInsensitive) == 0)
            return &s;
    return nullptr;
}

QString currentName;
bool fusionInstalled = false;

QBrush mdiBrush()
{
    const TStyleColours *c = styleColours(currentName);
    return c ? QBrush(c->mdiArea) : QApplication::palette().brush(QPalette::Dark);
}

// The document area paints its own background brush, which no style sheet
// reaches: areas made after a style was applied take it when first shown.
class MdiAreaColourer : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Polish)
            if (auto *area = qobject_cast<QMdiArea *>(watched))
                area->setBackground(mdiBrush());
        return false;
    }
};

void setGroup(QPalette &p, QPalette::ColorGroup g, const TStyleColours &c)
{
    p.setColor(g, QPalette::Window, c.window);
    p.setColor(g, QPalette::WindowText, c.windowText);
    p.setColor(g, QPalette::Base, c.base);
    p.setColor(g, QPalette::AlternateBase, c.alternateBase);
    p.setColor(g, QPalette::Text, c.text);
    p.setColor(g, QPalette::PlaceholderText, c.placeholder);
    p.setColor(g, QPalette::Button, c.button);
    p.setColor(g, QPalette::ButtonText, c.buttonText);
    p.setColor(g, QPalette::BrightText, c.dark ? QColor(Qt::white) : QColor(Qt::black));
    p.setColor(g, QPalette::Highlight, c.highlight);
    p.setColor(g, QPalette::HighlightedText, c.highlightedText);
    p.setColor(g, QPalette::Link, c.link);
    p.setColor(g, QPalette::LinkVisited, c.linkVisited);
    p.setColor(g, QPalette::ToolTipBase, c.toolTip);
    p.setColor(g, QPalette::ToolTipText, c.toolTipText);
    p.setColor(g, QPalette::Light, c.button.lighter(c.dark ? 150 : 130));
    p.setColor(g, QPalette::Midlight, c.button.lighter(c.dark ? 125 : 112));
    p.setColor(g, QPalette::Mid, mix(c.button, c.border, 0.6));
    p.setColor(g, QPalette::Dark, c.border.darker(c.dark ? 110 : 125));
    p.setColor(g, QPalette::Shadow, c.dark ? QColor(0, 0, 0) : c.border.darker(200));
}

QString hex(const QColor &c)
{
    return c.name(QColor::HexRgb);
}

QString gradient(const QColor &top, const QColor &bottom)
{
    return QStringLiteral("qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %1, stop:1 %2)").arg(hex(top), hex(bottom));
}

QString sheetFor(const TStyleColours &c)
{
    QString s = QStringLiteral(R"(
QMenuBar { background: @chromeGrad; color: @chromeText; border-bottom: 1px solid @border; }
QMenuBar::item { background: transparent; padding: 4px 9px; }
QMenuBar::item:selected, QMenuBar::item:pressed { background: @menuSel; color: @menuSelText; }
QMenu { background: @menu; color: @menuText; border: 1px solid @border; padding: 3px 0px; }
QMenu::item { padding: 4px 28px 4px 26px; }
QMenu::item:selected { background: @menuSel; color: @menuSelText; }
QMenu::item:disabled { color: @disabled; }
QMenu::separator { height: 1px; background: @border; margin: 3px 8px; }
QToolBar { background: @chromeGrad; border: none; border-bottom: 1px solid @border; spacing: 3px; padding: 2px; }
QToolBar QLabel { color: @chromeText; }
QToolBar::separator { background: @border; width: 1px; margin: 4px 3px; }
QToolButton { color: @buttonText; background: transparent; border: 1px solid transparent; border-radius: 3px; padding: 3px; }
QToolBar QToolButton { color: @chromeText; }
QToolButton:hover { background: @hover; color: @hoverText; border-color: @border; }
QToolButton:pressed, QToolButton:checked { background: @menuSel; color: @menuSelText; border-color: @border; }
QToolButton:disabled { color: @disabled; }
QToolButton[popupMode="1"] { padding-right: 16px; }
QToolButton[compact="true"] { padding: 3px 1px; }
QToolButton::menu-button { border: none; border-left: 1px solid @border; width: 14px; }
QToolButton::menu-arrow { width: 8px; height: 8px; }
QStatusBar { background: @chrome; color: @statusText; border-top: 1px solid @border; }
QStatusBar QLabel { color: @statusText; padding: 0px 4px; }
QStatusBar::item { border: none; border-right: 1px solid @border; }
QTabBar::tab { background: @tab; color: @tabText; border: 1px solid @border; border-bottom: none;
               padding: 4px 12px; margin-right: 2px; border-top-left-radius: 4px; border-top-right-radius: 4px; }
QTabBar::tab:selected { background: @tabSel; color: @tabSelText; }
QTabBar::tab:hover:!selected { background: @hover; color: @hoverText; }
QTabWidget::pane { border: 1px solid @border; top: -1px; }
QDockWidget { color: @chromeText; }
QDockWidget::title { background: @chromeGrad; padding: 4px; border-bottom: 1px solid @border; }
QHeaderView::section { background: @header; color: @headerText; padding: 3px 6px; border: none;
                       border-right: 1px solid @border; border-bottom: 1px solid @border; }
QPushButton { background: @buttonGrad; color: @buttonText; border: 1px solid @border; border-radius: 3px;
              padding: 4px 14px; min-height: 16px; }
QPushButton:hover { background: @hover; color: @hoverText; }
QPushButton:pressed { background: @menuSel; color: @menuSelText; }
QPushButton:default { border: 1px solid @highlight; }
QPushButton:disabled { color: @disabled; }
QGroupBox { border: 1px solid @border; border-radius: 4px; margin-top: 1.1em; padding-top: 6px; }
QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0px 3px; color: @windowText; }
QCheckBox, QRadioButton { color: @windowText; spacing: 6px; }
QCheckBox:disabled, QRadioButton:disabled, QLabel:disabled { color: @disabled; }
QToolTip { background: @toolTip; color: @toolTipText; border: 1px solid @border; }
QListView, QTreeView, QTableView { alternate-background-color: @altBase; }
)");
    const std::pair<const char *, QString> values[] = {
        {"@chromeGrad", gradient(c.chromeTop, c.chrome)},
        {"@buttonGrad", gradient(c.buttonTop, c.button)},
        {"@chromeText", hex(c.chromeText)},
        {"@chrome", hex(c.chrome)},
        {"@menuSelText", hex(c.menuSelectedText)},
        {"@menuSel", hex(c.menuSelected)},
        {"@menuText", hex(c.menuText)},
        {"@menu", hex(c.menu)},
        {"@hoverText", hex(c.hoverText)},
        {"@hover", hex(c.hover)},
        {"@statusText", hex(c.statusText)},
        {"@tabSelText", hex(c.tabSelectedText)},
        {"@tabSel", hex(c.tabSelected)},
        {"@tabText", hex(c.tabText)},
        {"@tab", hex(c.tab)},
        {"@headerText", hex(c.headerText)},
        {"@header", hex(c.header)},
        {"@buttonText", hex(c.buttonText)},
        {"@highlight", hex(c.highlight)},
        {"@windowText", hex(c.windowText)},
        {"@disabled", hex(c.disabledText)},
        {"@toolTipText", hex(c.toolTipText)},
        {"@toolTip", hex(c.toolTip)},
        {"@altBase", hex(c.alternateBase)},
        {"@border", hex(c.border)},
    };
    // Longer keys first where one key starts another ("@chromeText" before "@chrome").
    for (const auto &[key, value] : values)
        s.replace(QLatin1String(key), value);
    return s.trimmed();
}

QStyle *fusion()
{
    return QStyleFactory::create(QStringLiteral("Fusion"));
}

} // namespace

QString defaultStyleName()
{
    return QStringLiteral("Sky");
}

QString plainStyleName()
{
    return PlainName;
}

QStringList styleNames()
{
    QStringList names;
    for (const Style &s : styles())
        names << s.name;
    names << PlainName;
    return names;
}

QString styleCaption(const QString &name)
{
    if (isPlainStyle(name))
        return PlainName;
    const Style *s = findStyle(resolveStyleName(name));
    return s ? s->caption : QString();
}

bool isPlainStyle(const QString &name)
{
    const QString n = name.trimmed();
    return n.compare(PlainName, Qt::CaseInsensitive) == 0 || n.compare(PlainAlias, Qt::CaseInsensitive) == 0;
}

QString resolveStyleName(const QString &stored)
{
    if (isPlainStyle(stored))
        return PlainName;
    if (const Style *s = findStyle(stored))
        return s->name;
    return findStyle(defaultStyleName())->name;
}

const TStyleColours *styleColours(const QString &name)
{
    const Style *s = findStyle(resolveStyleName(name));
    return s ? &s->colours : nullptr;
}

QPalette stylePalette(const QString &name)
{
    const TStyleColours *c = styleColours(name);
    if (!c) {
        std::unique_ptr<QStyle> plain(fusion());
        QPalette p = plain->standardPalette();
        // Fusion's own selection blue and visited-link magenta are too
        // light for their text.
        for (auto group : {QPalette::Active, QPalette::Inactive}) {
            p.setColor(group, QPalette::Highlight, QColor(0x2a, 0x6f, 0xb0));
            p.setColor(group, QPalette::LinkVisited, QColor(0x7a, 0x2c, 0x9e));
        }
        return p;
    }
    QPalette p;
    setGroup(p, QPalette::Active, *c);
    setGroup(p, QPalette::Inactive, *c);
    setGroup(p, QPalette::Disabled, *c);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::PlaceholderText})
        p.setColor(QPalette::Disabled, role, c->disabledText);
    p.setColor(QPalette::Disabled, QPalette::Highlight, mix(c->highlight, c->window, 0.5));
    return p;
}

QString styleSheet(const QString &name)
{
    const TStyleColours *c = styleColours(name);
    return c ? sheetFor(*c) : QString();
}

QString applyStyle(const QString &name)
{
    const QString resolved = resolveStyleName(name);
    // Once a style sheet is set, QApplication::style() is the sheet's own
    // wrapper, so whether Fusion lies below it is remembered here.
    if (!fusionInstalled) {
        if (QStyle *s = fusion())
            QApplication::setStyle(s);
        fusionInstalled = true;
    }
    // The palette goes first: the sheet then repolishes every widget, and
    // the palettes it gives the widgets its rules match (and their children)
    // are worked out from the application palette as it is at that moment.
    QApplication::setPalette(stylePalette(resolved));
    qApp->setStyleSheet(styleSheet(resolved));
    currentName = resolved;
    static MdiAreaColourer *colourer = nullptr;
    if (!colourer) {
        colourer = new MdiAreaColourer(qApp);
        qApp->installEventFilter(colourer);
    }
    for (QWidget *w : QApplication::allWidgets())
        if (auto *area = qobject_cast<QMdiArea *>(w))
            area->setBackground(mdiBrush());
    for (QWidget *w : QApplication::topLevelWidgets())
        w->update();
    return resolved;
}

QString currentStyleName()
{
    return currentName;
}

StyleChoice chooseStyle(const QString &wanted, QString &designName, bool documentOpen, QWidget *parent)
{
    if (documentOpen) {
        showInfo(parent, QStringLiteral("Luk alle dokumenter og prøv igen!"));
        return StyleChoice::DocumentOpen;
    }
    const QString current = designName.isEmpty() ? defaultStyleName() : designName;
    if (wanted.trimmed().compare(current.trimmed(), Qt::CaseInsensitive) == 0)
        return StyleChoice::Unchanged;
    applyStyle(wanted);
    designName = wanted;
    return StyleChoice::Applied;
}

} // namespace taglund::ui
