#pragma once
#include "core/subsystem.h"

#include <QObject>
#include <QString>

class QAction;
class QToolBar;

namespace taglund {

class TCommandRegistry;
class TProgramHost;
class Twinform;

// The commands every document bar shares with the main window: "Rediger i
// andet program", optionally "Kør skriptet", and the edit menu. They are the
// main window's own commands under the bars' captions, acting on the active
// document, which a click in its bar has just made this one.
// With `before`, they go in front of that action.
void addDocumentCommands(QToolBar *bar, TCommandRegistry *commands, bool withRun, QAction *before = nullptr);

// The run buttons of the batch and VBScript bars: they run the document's
// file as it lies on disk, from its own folder.
void addBatchRun(QToolBar *bar, Twinform *w);
void addCscriptRun(QToolBar *bar, Twinform *w);

// The program's own share of every document window: the rich-text bars with
// the document commands in front, the run buttons on the batch and VBScript
// bars, and the general tool bar of the other plain documents.
class TDokumentKnapper : public QObject, public TSubsystem {
    Q_OBJECT
public:
    TDokumentKnapper(TProgramHost *host, QObject *parent);
    void decorateWindow(Twinform *w) override;

private:
    TProgramHost *m_host;
};

} // namespace taglund
