#pragma once
#include <QStyle>
#include <QToolBar>

class QAction;
class QBoxLayout;
class QHBoxLayout;
class QLineEdit;
class QToolButton;

namespace taglund {

class TFontpanel;
class Tmainform;

// "Hovedpanelet": the main tool panel with its run, document, search and box
// groups, each a few rows of buttons, and its information button. Its
// buttons are the registry's commands, so each one is enabled exactly when
// its command is.
class TMainPanel : public QToolBar {
    Q_OBJECT
public:
    explicit TMainPanel(Tmainform *main);
    QLineEdit *findEdit() const { return m_find; }
    TFontpanel *fontPanel() const { return m_font; }
    // The button of a registered command, or null.
    QToolButton *commandButton(const QString &name) const;

signals:
    // The mouse entered "Send til søgefeltet" while it was enabled.
    void sendHovered();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QHBoxLayout *row(QBoxLayout *group);
    QBoxLayout *group(QHBoxLayout *groups, bool last = false, int stretch = 0);
    QToolButton *addCommand(QHBoxLayout *row, const char *name, QStyle::StandardPixmap icon,
                            Qt::ToolButtonStyle look = Qt::ToolButtonIconOnly);
    QToolButton *addInfo(QHBoxLayout *row, const QString &hint, const QString &structure, bool fromField,
                         const QString &caption = {});

    Tmainform *m_main;
    QLineEdit *m_find = nullptr;
    TFontpanel *m_font = nullptr;
    QWidget *m_body = nullptr;
};

} // namespace taglund
