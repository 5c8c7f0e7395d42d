#include "app/mainform.h"
#include "app/filetypecommands.h"
#include "app/fontpanel.h"
#include "app/mainmenu.h"
#include "app/mainpanel.h"
#include "app/panelcommands.h"
#include "app/recentcommands.h"
#include "app/startfiler.h"
#include "core/commandregistry.h"
#include "core/model/openroute.h"
#include "core/richbars.h"
#include "core/recovery/gendanner.h"
#include "core/subsystem.h"
#include "filebox/filbokskommandoer.h"
#include "generators/generatorkommandoer.h"
#include "platform/signalcatcher.h"
#include "core/text/filefacts.h"
#include "core/text/paths.h"
#include "core/text/textfile.h"
#include "platform/desktopshell.h"
#include "platform/loginname.h"
#include "ui/questions.h"
#include "ui/styles.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QTimer>

namespace taglund {

Tmainform::Tmainform(const QString &exeDir, const QStringList &arguments, QWidget *parent)
    : QMainWindow(parent), m_arguments(arguments)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    setObjectName(QStringLiteral("Tmainform"));
    ui::setAnchorWindow(this);
    installRtfSupport();
    createPaths(exeDir);

    m_docs = new TDokumentOmraade(&m_vaert, this);
    setCentralWidget(m_docs);
    m_commands = new TCommandRegistry(this);
    buildStatusBar();
    registerCommands();
    buildMenus();
    connect(m_docs, &TDokumentOmraade::documentsChanged, m_commands, &TCommandRegistry::scheduleUpdate);
    connect(qApp, &QGuiApplication::applicationStateChanged, m_docs, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            QTimer::singleShot(0, m_docs, &TDokumentOmraade::checkFilesOnDisk);
    });

    loadMainSettings();
    m_panel->fontPanel()->fill();
    m_firstShow = true;
    // The file types, the recent lists, the tag knowledge and the HTML panel,
    // in the order the parts were made.
    for (TSubsystem *s : m_vaert.subsystems())
        s->start();
    setAcceptDrops(true);
    m_commands->updateAll();
    QCoreApplication::processEvents();
    QApplication::restoreOverrideCursor();
}

Tmainform::~Tmainform()
{
    // Docks and panels report their hiding to the command objects, which
    // ask this window; let that happen while the window is still whole,
    // not from the base class's destructor.
    hide();
    ui::setAnchorWindow(nullptr);
}

void Tmainform::createPaths(const QString &exeDir)
{
    m_paths = TProgramPaths::compute(installRoot(), platform::loginName(), exeDir);
    setWindowTitle(m_paths.brugernavn);
    m_options.brugernavn = m_paths.brugernavn;
    m_paths.createFolders();
}

void Tmainform::loadMainSettings()
{
    m_options.load(m_paths.optfil);
    // The style of line 1 shows at once, before the rest is read into place.
    ui::applyStyle(m_options.designName);
    QCoreApplication::processEvents();
    m_paths.webFilename = m_paths.webFileFor(m_options.gruppenavn);
    applyWindowSettings();
}

void Tmainform::applyWindowSettings()
{
    const int w = std::max(200, m_options.pWidth);
    const int h = std::max(150, m_options.pHeight);
    resize(w, h);
    if (m_options.usedDefaults) {
        if (QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen()) {
            const QRect a = s->availableGeometry();
            move(a.x() + (a.width() - w) / 2, a.y() + (a.height() - h) / 2);
        }
    } else {
        move(m_options.pLeft, m_options.pTop);
    }
}

void Tmainform::buildStatusBar()
{
    // The panels carry no fixed name: a reader reads what they show.
    for (int i = 0; i < 5; ++i) {
        auto *l = new QLabel(this);
        l->setObjectName(QStringLiteral("statuspanel%1").arg(i + 1));
        l->setMinimumWidth(i == 4 ? 200 : 48);
        l->setContentsMargins(4, 0, 4, 0);
        statusBar()->addWidget(l, i == 4 ? 1 : 0);
        m_panels[size_t(i)] = l;
    }
    m_panels[0]->setText(QStringLiteral("Linier"));
    m_panels[2]->setText(QStringLiteral("Pos"));
}

void Tmainform::setStatus(int panel, const QString &text)
{
    if (panel >= 1 && panel <= 5)
        m_panels[size_t(panel - 1)]->setText(text);
}

QString Tmainform::statusText(int panel) const
{
    return panel >= 1 && panel <= 5 ? m_panels[size_t(panel - 1)]->text() : QString();
}

bool Tmainform::event(QEvent *e)
{
    // Back from another program, which may have changed a document's file.
    if (e->type() == QEvent::WindowActivate)
        QTimer::singleShot(0, m_docs, &TDokumentOmraade::checkFilesOnDisk);
    // The long part of a hint goes to the fifth status panel.
    if (e->type() == QEvent::StatusTip) {
        setStatus(5, static_cast<QStatusTipEvent *>(e)->tip());
        return true;
    }
    return QMainWindow::event(e);
}

void Tmainform::registerCommands()
{
    auto docOpen = [this] { return activeWin() != nullptr; };
    auto *c = m_commands;
    c->add(QStringLiteral("AHent"), QStringLiteral("Hent dokument..."), QKeySequence(Qt::CTRL | Qt::Key_O),
           [this] { openFileDialog(); }, {}, QStringLiteral("Hent dokument"));
    c->add(QStringLiteral("AGem"), QStringLiteral("Gem"), QKeySequence(Qt::CTRL | Qt::Key_S), [this] { m_docs->Gem(); },
           [this] { return activeWin() && activeWin()->text().Modified(); }, QStringLiteral("Gem dokumentet"));
    c->add(QStringLiteral("AGemSom"), QStringLiteral("Gem som..."), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S),
           [this] { m_docs->GemSomDokument(); }, docOpen, QStringLiteral("Gem dokumentet under et nyt navn"));
    c->add(QStringLiteral("ALukDokument"), QStringLiteral("Luk dokument"), QKeySequence(Qt::CTRL | Qt::Key_L),
           [this] { m_docs->LukDokument(); }, docOpen, QStringLiteral("Luk dokumentet"));
    c->add(QStringLiteral("ALukAlle"), QStringLiteral("Luk alle"), {}, [this] { m_docs->LukAlle(); }, docOpen);
    c->add(QStringLiteral("ALukProgram"), QStringLiteral("Luk program"), QKeySequence(Qt::CTRL | Qt::Key_Q),
           [this] { close(); });
    composeProgram(this);
    // A desktop logging out or a `kill` ends the program without questions,
    // but not without its settings and copies of the unsaved documents.
    auto *catcher = new platform::SignalCatcher(this);
    connect(catcher, &platform::SignalCatcher::caught, this, [this] { afslutUdefra(); });
    connect(part<TSenesteKommandoer>(), &TSenesteKommandoer::folderChosen, this, [this](const QString &folder) {
        if (auto *f = part<TFilboksKommandoer>())
            f->visSenesteMappe(folder);
        else
            openFileDialog(folder);
    });
}

void Tmainform::buildMenus()
{
    buildMainMenu(menuBar(), m_commands);
    part<TSenesteKommandoer>()->attachMenus();
    m_panel = new TMainPanel(this);
    addToolBar(Qt::TopToolBarArea, m_panel);
    part<TPanelKommandoer>()->attachPanel();
}

void Tmainform::HelpInfo(const QString &structure, const QString &entry)
{
    if (m_help)
        m_help(structure, entry);
}

QString Tmainform::currentWord(TDocText &text) const
{
    return m_wordFinder ? m_wordFinder(text) : QString();
}

void Tmainform::addShutdownStep(TShutdownStep step, std::function<void()> save)
{
    m_shutdownSteps.emplace(step, std::move(save));
}

QLineEdit *Tmainform::findField() const
{
    // The Html book's page "Andet" has the field in use while the main
    // tool panel is hidden.
    if (auto *g = part<TGeneratorKommandoer>())
        if (QLineEdit *f = g->andetSoegefelt(activeWin()))
            return f;
    return m_panel->findEdit();
}

QString Tmainform::findText() const
{
    return findField()->text();
}

void Tmainform::setFindText(const QString &text)
{
    findField()->setText(text);
}

QMenu *Tmainform::menu(const QString &caption) const
{
    for (QAction *a : menuBar()->actions())
        if (a->menu() && a->text() == caption)
            return a->menu();
    return nullptr;
}

Twinform *Tmainform::openwin(const QString &path, const QString &extOrPattern)
{
    Twinform *open = path.isEmpty() ? nullptr : m_docs->findByPath(path);
    OpenDecision d = decideOpen(path, extOrPattern.isEmpty() ? QStringLiteral("*.html") : extOrPattern,
                                open != nullptr, [this](const QString &ext) { return part<TFiltypeKommandoer>()->isItTextfile(ext); });
    // A pipe or a device is no text whatever its name: the document area refuses it unasked.
    if (d.route == OpenRoute::AskIfText && !FileFacts::notRegularReason(path).isEmpty())
        d = d.answered(true);
    if (d.route == OpenRoute::AskIfText)
        d = d.answered(ui::askQuestion(this, d.question));
    switch (d.route) {
    case OpenRoute::NewDocument:
        m_docs->klicheName.clear();
        return m_docs->makeWindow(QString(), d.docExt);
    case OpenRoute::DocumentWindow:
        return m_docs->makeWindow(path, QString());
    case OpenRoute::BringToFront:
        m_docs->activate(open);
        return open;
    case OpenRoute::Shell:
        // Media and pictures: a failure of the shell is not reported.
        DesktopShell::instance().openFile(path, QStringLiteral("open"), {}, folderOf(path));
        return nullptr;
    case OpenRoute::Nothing:
    case OpenRoute::AskIfText:
        return nullptr;
    }
    return nullptr;
}

void Tmainform::openFileDialog(const QString &folder)
{
    const QStringList files = QFileDialog::getOpenFileNames(this, QStringLiteral("Åben fil til redigering"),
                                                            folder.isEmpty() ? m_paths.dokumentdir : folder,
                                                            QStringLiteral("Alle filer (*.*)"));
    for (const QString &f : files)
        if (QFileInfo::exists(f))
            openwin(f, extensionOf(f));
}

void Tmainform::showEvent(QShowEvent *e)
{
    QMainWindow::showEvent(e);
    if (m_firstShow) {
        m_firstShow = false;
        firstShow();
    }
}

void Tmainform::firstShow()
{
    // Documents a program that ended abnormally left unsaved come first, so
    // the files below never open over their recovered text.
    if (auto *g = part<TGendanner>())
        g->tilbydGendannelse();
    if (auto *f = part<TFilboksKommandoer>())
        f->foersteVisning();
    // A large file must not keep the window off the screen.
    m_startFilesPending = true;
    QTimer::singleShot(0, this, &Tmainform::openStartFiles);
}

void Tmainform::openStartFiles()
{
    if (!std::exchange(m_startFilesPending, false))
        return;
    const auto open = [this](const QString &f) { openwin(f, extensionOf(f)); };
    const QStringList notOpened = openCommandLine(m_arguments, open);
    if (!notOpened.isEmpty())
        ui::showError(this, QStringLiteral("Disse filer kunne ikke åbnes:\r") + notOpened.join(u'\r'));
    if (m_options.openDokumenter && QFileInfo::exists(m_paths.dokumentfil))
        if (const int skipped = openDocumentList(m_paths.dokumentfil, open))
            ui::showError(this, QStringLiteral("%1 linje(r) i %2 er ikke navne på dokumenter og blev sprunget over.")
                                    .arg(skipped)
                                    .arg(m_paths.dokumentfil));
}

void Tmainform::dragEnterEvent(QDragEnterEvent *e)
{
    if (e->mimeData()->hasUrls())
        e->acceptProposedAction();
}

void Tmainform::dropEvent(QDropEvent *e)
{
    for (const QUrl &u : e->mimeData()->urls()) {
        const QString f = u.toLocalFile();
        if (!f.isEmpty() && QFileInfo(f).isFile())
            openwin(f, extensionOf(f));
    }
    e->acceptProposedAction();
}

bool Tmainform::lukProgram()
{
    if (m_shutdownDone)
        return true;
    openStartFiles();   // so the document list written at the end keeps them
    if (!m_docs->LukAlle())
        return false;
    if (auto *g = part<TGendanner>())
        g->afslutNormalt();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    runShutdownSteps();
    QApplication::restoreOverrideCursor();
    m_shutdownDone = true;
    return true;
}

void Tmainform::runShutdownSteps()
{
    // The recent lists, then the windows that own settings files, in their fixed order.
    for (auto &[step, save] : m_shutdownSteps)
        save();
    saveMainSettings();
}

void Tmainform::afslutUdefra()
{
    if (m_shutdownDone)
        return;
    m_shutdownDone = true;
    // Every unsaved document gets a fresh copy; the open ones are listed
    // for reopening as a close-all would; then the settings as at "Luk program".
    if (auto *g = part<TGendanner>())
        g->kopierAlleNu();
    QStringList open;
    for (Twinform *w : m_docs->windows())
        // One path a line: a name holding a line break cannot be listed.
        if (!w->Filnavn.isEmpty() && !w->Filnavn.contains(u'\n') && !w->Filnavn.contains(u'\r'))
            open << w->Filnavn;
    TextFile::writeLines(m_paths.dokumentfil, open);
    runShutdownSteps();
    QCoreApplication::exit(0);
}

void Tmainform::saveMainSettings()
{
    const QRect g = normalGeometry().isValid() ? normalGeometry() : geometry();
    m_options.pWidth = g.width();
    m_options.pHeight = g.height();
    m_options.pTop = frameGeometry().top();
    m_options.pLeft = frameGeometry().left();
    QString error;
    // Not while the session ends around us (a signal): nobody would answer.
    if (!m_options.save(m_paths.optfil, &error) && !m_shutdownDone)
        ui::showError(this, QStringLiteral("Indstillingerne kunne ikke gemmes i %1:\r%2").arg(m_paths.optfil, error));
}

void Tmainform::closeEvent(QCloseEvent *e)
{
    if (lukProgram())
        e->accept();
    else
        e->ignore();
}

} // namespace taglund
