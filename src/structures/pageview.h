#pragma once
#include <QString>
#include <QUrl>
#include <functional>

class QWidget;

namespace taglund {

// What the viewer needs of the page view on its right: go to an address and
// hear back when a page is shown, a navigation starts, a link is under the
// mouse, or a page asks for a new window.
class TPageView {
public:
    virtual ~TPageView() = default;
    virtual QWidget *widget() = 0;
    virtual void navigate(const QUrl &url) = 0;
    virtual void reload() = 0;
    virtual QUrl url() const = 0;
    virtual QString title() const = 0;
    virtual void focus() = 0;
    virtual bool isWebEngine() const = 0;

    std::function<void(const QUrl &)> onPageShown;     // title changed or load finished
    std::function<void()> onNavigationStarted;
    std::function<void(const QString &)> onLinkHovered; // "" when the mouse left the link
    std::function<void(const QUrl &)> onNewWindow;      // served in this same view
    std::function<void(bool)> onLoadFinished;
};

// The web view when the program is built with Qt WebEngine, otherwise a
// plain rich-text browser.
TPageView *createPageView(QWidget *parent);

} // namespace taglund
