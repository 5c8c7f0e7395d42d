#pragma once
#include <QStyle>
#include <QToolBar>

class QLineEdit;

namespace taglund {

class TFontpanel;
class Tmainform;

// "Hovedpanelet": the main tool panel with its run, document, search and box
// groups and its information button. Its buttons are the registry's commands,
// so each one is enabled exactly when its command is.
class TMainPanel : public QToolBar {
    Q_OBJECT
public:
    explicit TMainPanel(Tmainform *main);
    QLineEdit *findEdit() const { return m_find; }
    TFontpanel *fontPanel() const { return m_font; }

private:
    void addCommand(const char *name, QStyle::StandardPixmap icon);

    Tmainform *m_main;
    QLineEdit *m_find = nullptr;
    TFontpanel *m_font = nullptr;
};

} // namespace taglund
