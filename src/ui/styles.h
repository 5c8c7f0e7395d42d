#pragma once
#include <QColor>
#include <QPalette>
#include <QString>
#include <QStringList>

class QWidget;

namespace taglund::ui {

// The colours of one named visual style. The palette carries the colours
// Qt's Fusion style paints with; the rest go into the style sheet for the
// parts Fusion takes from nowhere else (menu bar, tool bars, tab strip,
// status bar, headers, the document area behind the windows).
struct TStyleColours {
    QColor window, windowText;
    QColor base, alternateBase, text, placeholder;
    QColor button, buttonTop, buttonText;
    QColor highlight, highlightedText;
    QColor link, linkVisited;
    QColor toolTip, toolTipText;
    QColor chrome, chromeTop, chromeText;      // menu bar, tool bars, dock titles
    QColor hover, hoverText;                   // a control under the mouse
    QColor menu, menuText, menuSelected, menuSelectedText;
    QColor tab, tabText, tabSelected, tabSelectedText;
    QColor header, headerText;
    QColor status, statusText;
    QColor border;
    QColor mdiArea;
    QColor disabledText;
    bool dark = false;
};

// The name the stored style name means when it is empty or names no style.
QString defaultStyleName();          // "Sky"
// The platform's plain look: Fusion with its own colours, no style sheet.
QString plainStyleName();            // "Standard"

// Every style the user can choose, as stored in the settings: the twelve
// named styles, then the plain one.
QStringList styleNames();
// A readable caption for lists ("Amethyst Kamri" for AMETHYSTKAMRI).
QString styleCaption(const QString &name);

// The list's own spelling of a stored name (letter case ignored); an empty
// or unknown name gives "SKY", since "Sky" is the default.
QString resolveStyleName(const QString &stored);
bool isPlainStyle(const QString &name);

// Colours, palette and style sheet of a named style (after resolving the
// name). The plain style has no colours of its own: nullptr.
const TStyleColours *styleColours(const QString &name);
QPalette stylePalette(const QString &name);
QString styleSheet(const QString &name);

// Applies the style to the whole application and repaints every window.
// Returns the name actually applied (resolved).
QString applyStyle(const QString &name);
// The name last applied by applyStyle (empty before the first call).
QString currentStyleName();

// The options box's choice of a style. While a document is open nothing
// changes and "Luk alle dokumenter og prøv igen!" is shown. Otherwise the
// style is applied when it differs (ignoring case) from `designName`, which
// then holds the chosen name.
enum class StyleChoice { Applied, Unchanged, DocumentOpen };
StyleChoice chooseStyle(const QString &wanted, QString &designName, bool documentOpen, QWidget *parent);

} // namespace taglund::ui
