#include "structures/pageview.h"

#include <QTextBrowser>

namespace taglund {

namespace {

// Without Qt WebEngine the pages are shown as rich text: enough to read the
// information, without scripts or full style sheets.
class TTextPageView : public TPageView {
public:
    explicit TTextPageView(QWidget *parent) : m_view(new QTextBrowser(parent))
    {
        m_view->setAccessibleName(QStringLiteral("Informationsside"));
        m_view->setOpenExternalLinks(false);
        QObject::connect(m_view, &QTextBrowser::sourceChanged, m_view, [this](const QUrl &url) {
            if (onPageShown)
                onPageShown(url);
            if (onLoadFinished)
                onLoadFinished(true);
        });
        QObject::connect(m_view, qOverload<const QUrl &>(&QTextBrowser::highlighted), m_view,
                         [this](const QUrl &url) {
                             if (onLinkHovered)
                                 onLinkHovered(url.toString());
                         });
    }

    ~TTextPageView() override { QObject::disconnect(m_view, nullptr, m_view, nullptr); }

    QWidget *widget() override { return m_view; }
    void navigate(const QUrl &url) override
    {
        if (onNavigationStarted)
            onNavigationStarted();
        m_view->setSource(url);
    }
    void reload() override { m_view->reload(); }
    QUrl url() const override { return m_view->source(); }
    QString title() const override { return m_view->documentTitle(); }
    void focus() override { m_view->setFocus(); }
    bool isWebEngine() const override { return false; }

private:
    QTextBrowser *m_view;
};

} // namespace

TPageView *createPageView(QWidget *parent)
{
    return new TTextPageView(parent);
}

} // namespace taglund
