#include "structures/pageview.h"

#include <QWebEngineNewWindowRequest>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace taglund {

namespace {

class TWebPageView : public TPageView {
public:
    explicit TWebPageView(QWidget *parent) : m_view(new QWebEngineView(parent))
    {
        m_view->setAccessibleName(QStringLiteral("Informationsside"));
        QWebEnginePage *page = m_view->page();
        // Information pages link each other and their design files locally.
        page->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
        // Pages open other pages with window.open; the request comes back to this view.
        page->settings()->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, true);
        QObject::connect(page, &QWebEnginePage::loadStarted, m_view, [this] {
            if (onNavigationStarted)
                onNavigationStarted();
        });
        QObject::connect(page, &QWebEnginePage::titleChanged, m_view, [this] {
            if (onPageShown)
                onPageShown(m_view->url());
        });
        QObject::connect(page, &QWebEnginePage::loadFinished, m_view, [this](bool ok) {
            // A page without a title of its own still counts as shown.
            if (onPageShown)
                onPageShown(m_view->url());
            if (onLoadFinished)
                onLoadFinished(ok);
        });
        QObject::connect(page, &QWebEnginePage::linkHovered, m_view, [this](const QString &url) {
            if (onLinkHovered)
                onLinkHovered(url);
        });
        QObject::connect(page, &QWebEnginePage::newWindowRequested, m_view,
                         [this](QWebEngineNewWindowRequest &request) {
                             if (onNewWindow)
                                 onNewWindow(request.requestedUrl());
                         });
    }

    ~TWebPageView() override
    {
        // The view may outlive this wrapper by a moment; its signals must not reach it.
        QObject::disconnect(m_view->page(), nullptr, m_view, nullptr);
    }

    QWidget *widget() override { return m_view; }
    void navigate(const QUrl &url) override { m_view->setUrl(url); }
    // Past the cache: a page is read again because its files changed.
    void reload() override { m_view->page()->triggerAction(QWebEnginePage::ReloadAndBypassCache); }
    QUrl url() const override { return m_view->url(); }
    QString title() const override { return m_view->title(); }
    void focus() override { m_view->setFocus(); }
    bool isWebEngine() const override { return true; }

private:
    QWebEngineView *m_view;
};

} // namespace

TPageView *createPageView(QWidget *parent)
{
    return new TWebPageView(parent);
}

} // namespace taglund
