#pragma once
#include <QString>

class QToolBar;

namespace taglund {

class TCommandRegistry;
class Twinform;

// The commands every document bar shares with the main window: "Rediger i
// andet program", optionally "Kør skriptet", and the edit menu. They are the
// main window's own commands under the bars' captions, acting on the active
// document, which a click in its bar has just made this one.
void addDocumentCommands(QToolBar *bar, TCommandRegistry *commands, bool withRun);

// The run buttons of the batch and VBScript bars: they run the document's
// file as it lies on disk, from its own folder.
void addBatchRun(QToolBar *bar, Twinform *w);
void addCscriptRun(QToolBar *bar, Twinform *w);

} // namespace taglund
