#pragma once
#include "core/docarea.h"

#include <vector>

namespace taglund {

class Tmainform;
class TSubsystem;

// What the document area asks of the program: the paths, settings and
// status bar of the main window, and the document events handed on to
// every subsystem in the order they joined.
class TDokumentVaert : public TDokumentHost {
public:
    explicit TDokumentVaert(Tmainform *main) : m_main(main) {}

    void addSubsystem(TSubsystem *s) { m_subsystems.push_back(s); }
    const std::vector<TSubsystem *> &subsystems() const { return m_subsystems; }

    const TProgramPaths &paths() const override;
    TMainOptions &options() override;
    void setStatus(int panel, const QString &text) override;
    void documentActivated(Twinform *w) override;
    void documentClosing(Twinform *w) override;
    void documentClosed(Twinform *w) override;
    void documentSaved(Twinform *w) override;
    bool mayCloseDocument(Twinform *w) const override;
    void decorateWindow(Twinform *w) override;
    // The file box follows documents; while it is visible it is the save-as
    // panel, and otherwise the save dialog starts in its folder.
    void skiftDir(const QString &path) override;
    bool fileboxServesAsSaveBox() const override;
    void armFileboxSave(Twinform *w, bool showBox) override;
    QString fileboxFolder() const override;

private:
    Tmainform *m_main;
    std::vector<TSubsystem *> m_subsystems;
};

} // namespace taglund
