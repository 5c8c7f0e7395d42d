#include "html/kontrolform.h"

#include "core/text/doctext.h"
#include "core/text/textfile.h"
#include "html/checks.h"
#include "html/infotag.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QTreeView>
#include <QVBoxLayout>

namespace taglund {

Tkontrolform::Tkontrolform(Tinfotag &engine, TKontrolHost &host, const QString &settingsFile, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), m_engine(engine), m_host(host),
      m_settingsFile(settingsFile)
{
    setWindowTitle(QStringLiteral("Kontrolboksen"));
    setAccessibleName(windowTitle());
    setMinimumSize(285, 361);

    auto *bar = new QToolBar(this);
    // All nine buttons within the window's least width.
    bar->setIconSize(QSize(16, 16));
    auto add = [&](const char *name, QStyle::StandardPixmap icon, const QString &hint, auto slot) {
        QAction *a = bar->addAction(style()->standardIcon(icon), QString());
        a->setObjectName(QString::fromLatin1(name));
        a->setToolTip(hint);
        a->setStatusTip(hint);
        a->setIconText(hint);
        connect(a, &QAction::triggered, this, slot);
        if (QWidget *w = bar->widgetForAction(a))
            w->setAccessibleName(hint);
    };
    add("infoKnap", QStyle::SP_MessageBoxInformation, QStringLiteral("Information: Kontrolboksen"),
        [this] { m_host.HelpInfo(QStringLiteral("Information"), QStringLiteral("Kontrolboksen")); });
    add("readHtmlKnap", QStyle::SP_BrowserReload,
        QStringLiteral("Indlæs aktuelle side: Genindlæs struktur efter forandringer"), [this] { ReadHtmlStruktur(); });
    add("treeUdfoldKnap", QStyle::SP_ArrowDown, QStringLiteral("Udfold struktur"), [this] { m_tree->expandAll(); });
    add("treeSammenfoldKnap", QStyle::SP_ArrowUp, QStringLiteral("Sammenfold struktur"),
        [this] { m_tree->collapseAll(); });
    add("readAttributterKnap", QStyle::SP_FileDialogDetailedView,
        QStringLiteral("Vis kodernes attributter: Genindlæs struktur efter forandringer"), [this] { visAttributter(); });
    add("msKnap", QStyle::SP_DialogApplyButton,
        QStringLiteral("Kontroller manglende slutkoder: Genindlæs struktur efter forandringer"),
        [this] { kontrolMSlutkoder(); });
    add("fmSlutkoderKnap", QStyle::SP_DialogDiscardButton,
        QStringLiteral("Kontroller for for mange slutkoder: Genindlæs struktur efter forandringer "),
        [this] { kontrolFmSlutkoder(); });
    add("ukendteKoderKnap", QStyle::SP_MessageBoxQuestion,
        QStringLiteral("Kontroller for ukendte koder: Genindlæs struktur efter forandringer"), [this] { kontrolKoder(); });
    add("ukendteAttributterKnap", QStyle::SP_MessageBoxWarning,
        QStringLiteral("Kontroller for ukendte attributter: Genindlæs struktur efter forandringer"),
        [this] { kontrolAttributter(); });

    m_tree = new QTreeView(this);
    m_tree->setAccessibleName(QStringLiteral("Struktur"));
    m_tree->setHeaderHidden(true);
    m_tree->setUniformRowHeights(true);  // many thousand rows stay quick to scroll
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->setModel(m_engine.tree());
    auto go = [this](const QModelIndex &index) { KontrolGotoTag(m_engine.tree()->nodeOf(index)); };
    connect(m_tree, &QTreeView::clicked, this, go);
    connect(m_tree, &QTreeView::activated, this, go);

    m_progress = new QProgressBar(this);
    m_progress->setAccessibleName(QStringLiteral("Fremdrift"));
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    auto *status = new QStatusBar(this);
    status->setSizeGripEnabled(false);
    m_status = new QLabel(status);
    status->addWidget(m_status, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(m_tree, 1);
    layout->addWidget(m_progress);
    layout->addWidget(status);
    loadSettings();
}

void Tkontrolform::loadSettings()
{
    int top = 100, left = 100, width = 260, height = 370;
    SettingsReader r = SettingsReader::fromFile(m_settingsFile);
    // Stops at the first missing or non-numeric line; what was read stays.
    r.number(top) && r.number(left) && r.number(width) && r.number(height);
    move(left, top);
    resize(std::max(width, minimumWidth()), std::max(height, minimumHeight()));
}

void Tkontrolform::saveSettings() const
{
    SettingsWriter w;
    w.number(y()).number(x()).number(width()).number(height());
    w.save(m_settingsFile);
}

void Tkontrolform::closeEvent(QCloseEvent *event)
{
    saveSettings();
    QWidget::closeEvent(event);
}

QString Tkontrolform::statusText() const
{
    return m_status->text();
}

void Tkontrolform::setStatus(const QString &text)
{
    m_status->setText(text);
}

void Tkontrolform::aKodeKontrol()
{
    if (m_engine.busy() || m_host.activeDocNo() < 0)
        return;
    m_strukturNo = m_host.activeDocNo();
    show();
    raise();
    ReadHtmlStruktur();
}

void Tkontrolform::ReadHtmlStruktur()
{
    if (m_engine.busy())
        return;
    // The tree is always that of the document it was asked for first; a
    // re-read takes the active document and remembers it.
    const int docNo = m_host.activeDocNo();
    if (docNo < 0) {
        setStatus(kontrolSaetning(0, kIngenStruktur));
        return;
    }
    m_strukturNo = docNo;
    setStatus(QString());
    m_engine.KontrolMode = 0;
    m_engine.OnProgress = [this](int percent) {
        m_progress->setValue(percent);
        setStatus(QString::number(percent) + u'%');
        // Let the window repaint; keys and clicks wait for the reading.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    m_engine.OnBusy = [](bool on) {
        if (on)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QGuiApplication::restoreOverrideCursor();
    };
    m_engine.ReadStructure(docNo);
    m_engine.OnProgress = nullptr;
    if (m_engine.tree()->count() > 0)
        m_tree->expand(m_engine.tree()->indexOf(0));
}

void Tkontrolform::runCheck(int mode)
{
    if (m_engine.busy())
        return;
    // Checks annotate the tree already read; they never need the document,
    // but when the document it came from is gone there is nothing to check.
    int count = kIngenStruktur;
    if (m_host.hasDocument(m_strukturNo) && m_engine.tree()->strukturNo() == m_strukturNo)
        count = m_engine.Kontrol(mode);
    setStatus(kontrolSaetning(mode, count));
}

void Tkontrolform::KontrolGotoTag(int node)
{
    if (node < 0 || m_engine.busy() || !m_host.hasDocument(m_strukturNo))
        return;  // the document the tree was read from is closed
    if (m_host.activeDocNo() != m_strukturNo && !m_host.activateDocument(m_strukturNo))
        return;
    m_host.focusDocument();
    m_engine.GotoTag(node);
}

} // namespace taglund
