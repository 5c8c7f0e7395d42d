#include "structures/strukturpaneler.h"
#include "core/winform.h"
#include "structures/jsobjektpanel.h"
#include "structures/ordkorrektion.h"
#include "structures/structurehost.h"
#include "structures/strukturpanel.h"

#include <QAction>
#include <QHBoxLayout>
#include <QPainter>
#include <QPixmap>
#include <QSplitter>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

namespace taglund {

namespace {

// A small icon of a word's first letters, for buttons that have no picture of their own.
QIcon letterIcon(const QString &letters, const QPalette &palette)
{
    QPixmap pm(22, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(palette.color(QPalette::Highlight));
    p.setBrush(palette.color(QPalette::Base));
    p.drawRoundedRect(QRectF(0.5, 0.5, 21, 15), 3, 3);
    QFont f = p.font();
    f.setPixelSize(10);
    f.setBold(true);
    p.setFont(f);
    p.setPen(palette.color(QPalette::Text));
    p.drawText(QRect(0, 0, 22, 16), Qt::AlignCenter, letters);
    return QIcon(pm);
}

const QStringList &panelKinds()
{
    static const QStringList k = {".html", ".asp", ".inc", ".js", ".vbs", ".wsf", ".asa", ".bat", ".ps1", ".css"};
    return k;
}
} // namespace

bool TDokumentPaneler::hasStructurePanel(const QString &docExt)
{
    return panelKinds().contains(docExt.toLower());
}

TDokumentPaneler::TDokumentPaneler(Twinform *w, TStructureHost *host, std::function<QString(TDocText &)> currentWord)
    : QObject(w), m_win(w), m_host(host)
{
    const QString ext = w->DocExt.toLower();
    // The side panel sits left of the text, hidden until asked for.
    m_side = new QWidget(w);
    auto *sideLayout = new QHBoxLayout(m_side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->setSpacing(0);
    m_panel = new TStrukturPanel(host, &w->text(), m_side);
    m_panel->setMinimumWidth(240);
    m_panel->setMaximumWidth(360);
    if (currentWord)
        m_panel->setCurrentWordFinder(std::move(currentWord));
    sideLayout->addWidget(m_panel);
    if (ext == u".js") {
        m_js = new TJsObjektPanel(m_panel, host, m_side);
        sideLayout->addWidget(m_js);
        connect(m_panel, &TStrukturPanel::javaScriptRequested, this, [this] {
            m_js->show();
            m_js->restoreRemembered();
        });
    }
    m_side->hide();
    w->splitter()->insertWidget(0, m_side);
    w->splitter()->setStretchFactor(0, 0);
    w->splitter()->setStretchFactor(1, 1);
    buildBar(ext);
}

void TDokumentPaneler::buildBar(const QString &ext)
{
    m_bar = m_win->documentBar();
    m_toggle = m_bar->addAction(m_win->style()->standardIcon(QStyle::SP_FileDialogListView), QString());
    m_toggle->setToolTip(TStrukturPanel::toggleHint(false));
    connect(m_toggle, &QAction::triggered, this, [this] { setPanelShown(!panelShown()); });
    if (QWidget *b = m_bar->widgetForAction(m_toggle))
        b->setAccessibleName(TStrukturPanel::toggleHint(false));

    // Icon buttons known by their hints: two such long captions side by
    // side would not fit a document window.
    auto addCorrection = [this](const QString &caption, const QString &structure) {
        QAction *a = m_bar->addAction(letterIcon(structure == u"VBS" ? QStringLiteral("Vb") : QStringLiteral("Asp"),
                                                 m_bar->palette()),
                                      caption);
        a->setToolTip(caption);
        a->setStatusTip(caption);
        if (QWidget *b = m_bar->widgetForAction(a))
            b->setAccessibleName(caption);
        connect(a, &QAction::triggered, this,
                [this, structure] { korrigerOrdKommando(m_win, m_win->text(), m_host->infodir(), structure); });
    };
    const bool vbs = ext == u".vbs" || ext == u".wsf";
    const bool asa = ext == u".asa";
    const bool html = ext == u".html" || ext == u".asp" || ext == u".inc";
    if (vbs || asa || html)
        addCorrection(QStringLiteral("Rediger ord i forhold til VbScript informationsstrukturen"), QStringLiteral("VBS"));
    if (asa || html)
        addCorrection(QStringLiteral("Rediger ord i forhold til ASP informationsstrukturen"), QStringLiteral("ASP"));
}

bool TDokumentPaneler::panelShown() const
{
    return m_side && m_side->isVisible();
}

void TDokumentPaneler::setPanelShown(bool on)
{
    if (!m_side)
        return;
    m_side->setVisible(on);
    if (m_js)
        m_js->setVisible(on);
    const QString hint = TStrukturPanel::toggleHint(on);
    m_toggle->setToolTip(hint);
    m_toggle->setIcon(m_win->style()->standardIcon(on ? QStyle::SP_DialogCloseButton : QStyle::SP_FileDialogListView));
    if (QWidget *b = m_bar->widgetForAction(m_toggle))
        b->setAccessibleName(hint);
    if (on && m_js)
        m_js->restoreRemembered();
}

} // namespace taglund
