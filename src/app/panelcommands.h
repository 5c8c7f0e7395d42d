#pragma once
#include <QObject>

namespace taglund {

class Tmainform;

// The panel switches of the main window; the main tool panel's
// "Send til søgefeltet" button also sends when the mouse enters it. The
// switches for panels and bars that are not part of the program yet stay
// disabled in their menus.
class TPanelKommandoer : public QObject {
    Q_OBJECT
public:
    explicit TPanelKommandoer(Tmainform *main);

    // Once the main tool panel exists: its start state and its hover send.
    void attachPanel();

private:
    Tmainform *m_main;
};

} // namespace taglund
