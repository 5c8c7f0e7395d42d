#pragma once
#include "core/subsystem.h"
#include "html/infotag.h"
#include "html/kodepanel.h"
#include "html/kontrolform.h"

#include <QObject>
#include <QPointer>
#include <memory>

class QDockWidget;

namespace taglund {

class TProgramHost;
class THtmlPanel;
class Twinform;

// The HTML engine of the main window (`taginf`), the HTML panel docked at
// its side and the code check box, with their commands.
class THtmlKommandoer : public QObject, public TSubsystem, public THtmlPanelHost, public TKontrolHost {
    Q_OBJECT
public:
    THtmlKommandoer(TProgramHost *host, QObject *parent);
    ~THtmlKommandoer() override;

    // Start steps: load the five lists and fill the panel.
    void HentKoder();
    Tinfotag &taginf() { return m_taginf; }
    THtmlPanel *panel() const { return m_panel; }
    QDockWidget *dock() const { return m_dock; }

    // TSubsystem
    void start() override { HentKoder(); }
    void decorateWindow(Twinform *w) override;
    void documentActivated(Twinform *w) override;
    void documentClosed(Twinform *w) override;
    void caretReleased(Twinform *w) override;
    // A document may close only while no check or tree read is running on it.
    bool mayCloseDocument(Twinform *) const override { return !m_taginf.busy(); }
    // Docks the HTML panel at the right or the left of the documents.
    void placePanel(bool right);

    // THtmlPanelHost and TKontrolHost
    void HelpInfo(const QString &structure, const QString &entry) override;
    void showMessage(const QString &text) override;
    void setStatusText(const QString &text) override;
    void setFindText(const QString &text) override;
    bool documentOpen() const override;
    QString activeDocExt() const override;
    void setDocAutoKode(bool on) override;
    void focusDocument() override;
    int openDocumentCount() const override;
    int activeDocNo() const override;
    bool hasDocument(int docNo) const override;
    bool activateDocument(int docNo) override;

private:
    void registerCommands();
    Tkontrolform *kontrol();

    TProgramHost *m_main;
    Tinfotag m_taginf;
    QDockWidget *m_dock = nullptr;
    THtmlPanel *m_panel = nullptr;
    QPointer<Tkontrolform> m_kontrol;
};

} // namespace taglund
