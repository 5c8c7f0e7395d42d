#pragma once
#include <QObject>

namespace taglund {

class Tmainform;

// The panel switches of the main window and the search field's
// "Send til søgefeltet". The switches for panels and bars that are not part
// of the program yet stay disabled in their menus.
class TPanelKommandoer : public QObject {
    Q_OBJECT
public:
    explicit TPanelKommandoer(Tmainform *main);

    // Once the main tool panel exists: its start state and its hover send.
    void attachPanel();
    // "Send til søgefeltet": the word at the active document's caret into
    // the search field in use.
    void sendTilSoegefeltet();

private:
    Tmainform *m_main;
};

} // namespace taglund
