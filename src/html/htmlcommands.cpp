#include "html/htmlcommands.h"
#include "core/commandregistry.h"
#include "core/docarea.h"
#include "core/model/mainoptions.h"
#include "core/model/programpaths.h"
#include "core/programhost.h"
#include "core/text/paths.h"
#include "core/text/textfile.h"
#include "html/htmlpanel.h"
#include "ui/questions.h"

#include <QAction>
#include <QDockWidget>
#include <QSplitter>
#include <QMainWindow>

namespace taglund {

THtmlKommandoer::THtmlKommandoer(TProgramHost *host, QObject *parent) : QObject(parent), m_main(host)
{
    host->addSubsystem(this);
    host->setWordFinder([this](TDocText &) { return m_taginf.FindOrd(); });
    QMainWindow *main = host->mainWindow();
    m_taginf.setDirs(TKnowledgeDirs::fromProgramDir(host->paths().programdir));
    m_dock = new QDockWidget(QStringLiteral("Html panelet"), main);
    m_dock->setObjectName(QStringLiteral("Html panelet"));
    m_dock->setAccessibleName(QStringLiteral("Html panelet"));
    m_dock->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    registerCommands();
}

THtmlKommandoer::~THtmlKommandoer()
{
    m_taginf.setEditor(nullptr);
}

void THtmlKommandoer::registerCommands()
{
    auto *c = m_main->commands();
    auto docOpen = [this] { return m_main->activeWin() != nullptr; };
    // The panel's lists are shown from its model; a command that changes
    // the model shows the change at once.
    auto panelCall = [this](void (TKodePanel::*f)()) {
        return [this, f] {
            if (m_panel) {
                (m_panel->panel().*f)();
                m_panel->refresh();
            }
        };
    };
    c->add(QStringLiteral("AIndsaetSlutkode"), QStringLiteral("Indsæt slutkode"), QKeySequence(Qt::CTRL | Qt::Key_K),
           panelCall(&TKodePanel::InsertSlutkode), docOpen);
    c->add(QStringLiteral("AVisAktuelleKode"), QStringLiteral("Vis aktuelle kode"),
           QKeySequence(Qt::CTRL | Qt::Key_Insert), panelCall(&TKodePanel::FindHtml),
           [this] { return m_main->activeWin() && m_dock->isVisible(); });
    c->add(QStringLiteral("AHtmlInformation"), QStringLiteral("Html information"),
           QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_H), panelCall(&TKodePanel::HtmlInfo), docOpen);
    c->add(QStringLiteral("AAspInformation"), QStringLiteral("ASP information"),
           QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_A), panelCall(&TKodePanel::AspInfo), docOpen);
    c->add(QStringLiteral("ACssInformation"), QStringLiteral("Css information"),
           QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_C), panelCall(&TKodePanel::CssInfo), docOpen);
    c->add(QStringLiteral("AJsInformation"), QStringLiteral("JavaScript information"),
           QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_J), panelCall(&TKodePanel::JsInfo), docOpen);
    c->add(QStringLiteral("AScriptInformation"), QStringLiteral("Script information"),
           QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_V), panelCall(&TKodePanel::VbInfo), docOpen);
    c->add(QStringLiteral("AKontroller"), QStringLiteral("Kontroller dokumentet"), QKeySequence(Qt::CTRL | Qt::Key_T),
           [this] { kontrol()->aKodeKontrol(); }, docOpen);
    QAction *panelSwitch = c->add(QStringLiteral("AHtmlPanelet"), QStringLiteral("Html panelet"), {},
                                  [this] { m_dock->setVisible(!m_dock->isVisible()); });
    panelSwitch->setCheckable(true);
    connect(m_dock, &QDockWidget::visibilityChanged, panelSwitch, [this, panelSwitch](bool) {
        panelSwitch->setChecked(m_dock->isVisible());
        m_main->options().visHtmlpanel = m_dock->isVisible();
        m_main->commands()->scheduleUpdate();
    });
}

void THtmlKommandoer::HentKoder()
{
    QString message;
    // A missing list leaves the engine without knowledge; the rest of the program works on.
    if (!m_taginf.LoadKnowledge(&message) && !message.isEmpty())
        m_main->setStatus(5, message);
    m_panel = new THtmlPanel(m_taginf, *this, m_dock);
    m_dock->setWidget(m_panel);
    // Where the user put the divider between the lists, in a file of its own.
    const QString dividerFile = joinPath(m_main->paths().optdir, QStringLiteral("\\htmlpanel.txt"));
    SettingsReader r = SettingsReader::fromFile(dividerFile);
    int leftWidth = 0, rightWidth = 0;
    if (r.number(leftWidth) && r.number(rightWidth) && leftWidth > 40 && rightWidth > 40)
        m_panel->columns()->setSizes({leftWidth, rightWidth});
    connect(m_panel->columns(), &QSplitter::splitterMoved, this, [this, dividerFile] {
        const QList<int> sizes = m_panel->columns()->sizes();
        if (sizes.size() == 2)
            SettingsWriter().number(sizes[0]).number(sizes[1]).save(dividerFile);
    });
    const Qt::DockWidgetArea side = m_main->options().htmlboksPlacering ? Qt::RightDockWidgetArea : Qt::LeftDockWidgetArea;
    m_main->mainWindow()->addDockWidget(side, m_dock);
    // The documents keep most of the width; the panel can be dragged wider.
    m_main->mainWindow()->resizeDocks({m_dock}, {360}, Qt::Horizontal);
    m_dock->setVisible(m_main->options().visHtmlpanel);
}

void THtmlKommandoer::placePanel(bool right)
{
    const bool shown = m_dock->isVisible();
    m_main->mainWindow()->addDockWidget(right ? Qt::RightDockWidgetArea : Qt::LeftDockWidgetArea, m_dock);
    m_dock->setVisible(shown);
}

Tkontrolform *THtmlKommandoer::kontrol()
{
    if (!m_kontrol)
        m_kontrol = new Tkontrolform(m_taginf, *this, joinPath(m_main->paths().optdir, QStringLiteral("\\kontrol.txt")),
                                     m_main->mainWindow());
    return m_kontrol;
}

void THtmlKommandoer::decorateWindow(Twinform *w)
{
    const QString ext = w->DocExt.toLower();
    if (ext == u".html" || ext == u".asp" || ext == u".inc")
        w->win_autoKode = m_panel && m_taginf.autoKode;
}

void THtmlKommandoer::documentActivated(Twinform *w)
{
    m_taginf.setEditor(w ? &w->text() : nullptr);
    if (m_panel)
        m_panel->setAutoKode(w && w->win_autoKode);
}

void THtmlKommandoer::documentClosed(Twinform *w)
{
    Q_UNUSED(w);
    m_taginf.setEditor(nullptr);
    if (m_panel)
        m_panel->setAutoKode(false);
}

void THtmlKommandoer::caretReleased(Twinform *w)
{
    if (m_panel && w == m_main->activeWin() && w->win_autoKode)
        m_panel->getKode();
}

void THtmlKommandoer::HelpInfo(const QString &structure, const QString &entry) { m_main->HelpInfo(structure, entry); }
void THtmlKommandoer::showMessage(const QString &text) { ui::showInfo(m_main->mainWindow(), text); }
// The panel that shows "Pos" at start: the caret refresh leaves it alone,
// so the message stays readable.
void THtmlKommandoer::setStatusText(const QString &text) { m_main->setStatus(3, text); }
void THtmlKommandoer::setFindText(const QString &text) { m_main->setFindText(text); }
bool THtmlKommandoer::documentOpen() const { return m_main->activeWin() != nullptr; }

QString THtmlKommandoer::activeDocExt() const
{
    Twinform *w = m_main->activeWin();
    return w ? w->DocExt : QString();
}

void THtmlKommandoer::setDocAutoKode(bool on)
{
    if (Twinform *w = m_main->activeWin())
        w->win_autoKode = on;
}

void THtmlKommandoer::focusDocument()
{
    if (Twinform *w = m_main->activeWin())
        w->text().SetFocus();
}

int THtmlKommandoer::openDocumentCount() const { return int(m_main->documents()->windows().size()); }

int THtmlKommandoer::activeDocNo() const
{
    Twinform *w = m_main->activeWin();
    return w ? w->DocNo : -1;
}

bool THtmlKommandoer::hasDocument(int docNo) const
{
    for (Twinform *w : m_main->documents()->windows())
        if (w->DocNo == docNo)
            return true;
    return false;
}

bool THtmlKommandoer::activateDocument(int docNo)
{
    for (Twinform *w : m_main->documents()->windows())
        if (w->DocNo == docNo) {
            m_main->documents()->activate(w);
            return true;
        }
    return false;
}

} // namespace taglund
