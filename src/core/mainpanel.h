#pragma once
#include <QStyle>
#include <QToolBar>

class QLineEdit;

namespace taglund {

class Tmainform;

// "Hovedpanelet": the main tool panel with its run, document, search and box
// groups and its information button. Its buttons are the registry's commands,
// so each one is enabled exactly when its command is.
class TMainPanel : public QToolBar {
    Q_OBJECT
public:
    explicit TMainPanel(Tmainform *main);
    QLineEdit *findEdit() const { return m_find; }

private:
    void addCommand(const char *name, QStyle::StandardPixmap icon);

    Tmainform *m_main;
    QLineEdit *m_find = nullptr;
};

} // namespace taglund
