#pragma once
// A small program for subsystem tests: a main window with a real document
// area and command registry, paths below the test's install root, and the
// host calls recorded. Header-only; tests using it link taglund_core.
#include "core/commandregistry.h"
#include "core/docarea.h"
#include "core/model/mainoptions.h"
#include "core/model/programpaths.h"
#include "core/programhost.h"
#include "core/subsystem.h"
#include "core/text/paths.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>
#include <array>
#include <functional>
#include <map>
#include <vector>

namespace taglund::test {

class TestHost : public QMainWindow, public TProgramHost, public TDokumentHost {
public:
    TestHost()
    {
        m_paths = TProgramPaths::compute(installRoot(), QStringLiteral("Tester"),
                                         QCoreApplication::applicationDirPath());
        m_paths.createFolders();
        m_docs = new TDokumentOmraade(this, this);
        setCentralWidget(m_docs);
        m_commands = new TCommandRegistry(this);
        resize(1080, 862);
    }
    ~TestHost() override { hide(); }

    // Recorded calls.
    QStringList helpCalls;        // "structure|entry"
    std::array<QString, 5> status;
    QString find;

    QMainWindow *mainWindow() override { return this; }
    const TProgramPaths &paths() const override { return m_paths; }
    TMainOptions &options() override { return m_options; }
    TDokumentOmraade *documents() const override { return m_docs; }
    TCommandRegistry *commands() const override { return m_commands; }
    Twinform *activeWin() const override { return m_docs->activeWin(); }
    Twinform *openwin(const QString &path, const QString &extOrPattern = QString()) override
    {
        if (path.isEmpty())
            return m_docs->makeWindow(QString(), extOrPattern.isEmpty() ? QStringLiteral(".html")
                                                                        : QString(extOrPattern).remove(u'*'));
        if (Twinform *w = m_docs->findByPath(path)) {
            m_docs->activate(w);
            return w;
        }
        return m_docs->makeWindow(path, QString());
    }
    void HelpInfo(const QString &structure, const QString &entry) override
    {
        helpCalls << structure + u'|' + entry;
        if (m_help)
            m_help(structure, entry);
    }
    void setStatus(int panel, const QString &text) override
    {
        if (panel >= 1 && panel <= 5)
            status[size_t(panel - 1)] = text;
    }
    QString statusText(int panel) const override
    {
        return panel >= 1 && panel <= 5 ? status[size_t(panel - 1)] : QString();
    }
    QString findText() const override { return find; }
    void setFindText(const QString &text) override { find = text; }
    QMenu *menu(const QString &caption) const override
    {
        for (QAction *a : menuBar()->actions())
            if (a->menu() && a->text() == caption)
                return a->menu();
        return nullptr;
    }
    void addSubsystem(TSubsystem *s) override { m_subsystems.push_back(s); }
    void addShutdownStep(TShutdownStep step, std::function<void()> save) override
    {
        m_shutdown.emplace(step, std::move(save));
    }
    void setHelpProvider(HelpProvider provider) override { m_help = std::move(provider); }
    void setWordFinder(WordFinder finder) override { m_word = std::move(finder); }
    QString currentWord(TDocText &text) const override { return m_word ? m_word(text) : QString(); }

    // Runs the registered shutdown steps in their order.
    void runShutdownSteps()
    {
        for (auto &[step, save] : m_shutdown)
            save();
    }

    // TDokumentHost: hand the document events to the subsystems.
    void documentActivated(Twinform *w) override
    {
        for (TSubsystem *s : m_subsystems)
            s->documentActivated(w);
        m_commands->scheduleUpdate();
    }
    void documentClosing(Twinform *w) override
    {
        for (TSubsystem *s : m_subsystems)
            s->documentClosing(w);
    }
    void documentClosed(Twinform *w) override
    {
        for (TSubsystem *s : m_subsystems)
            s->documentClosed(w);
    }
    void documentSaved(Twinform *w) override
    {
        for (TSubsystem *s : m_subsystems)
            s->documentSaved(w);
    }
    void decorateWindow(Twinform *w) override
    {
        for (TSubsystem *s : m_subsystems)
            s->decorateWindow(w);
        QObject::connect(w, &Twinform::keyReleased, this, [this](Twinform *x) {
            for (TSubsystem *s : m_subsystems)
                s->caretReleased(x);
        });
        QObject::connect(w, &Twinform::mouseReleased, this, [this](Twinform *x) {
            for (TSubsystem *s : m_subsystems)
                s->caretReleased(x);
        });
    }
    bool mayCloseDocument(Twinform *w) const override
    {
        for (TSubsystem *s : m_subsystems)
            if (!s->mayCloseDocument(w))
                return false;
        return true;
    }

private:
    TProgramPaths m_paths;
    TMainOptions m_options;
    TDokumentOmraade *m_docs = nullptr;
    TCommandRegistry *m_commands = nullptr;
    std::vector<TSubsystem *> m_subsystems;
    std::multimap<TShutdownStep, std::function<void()>> m_shutdown;
    HelpProvider m_help;
    WordFinder m_word;
};

} // namespace taglund::test
