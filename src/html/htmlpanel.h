#pragma once
#include "html/kodepanel.h"

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QSplitter;
class QTableWidget;
class QToolButton;

namespace taglund {

// The HTML panel's widgets over TKodePanel: category buttons, search box,
// the four lists with their popups and type-ahead, global buttons and the
// auto-code box. Every change of the panel's state is mirrored by refresh().
class THtmlPanel : public QWidget {
    Q_OBJECT
public:
    THtmlPanel(Tinfotag &engine, THtmlPanelHost &host, QWidget *parent = nullptr);

    TKodePanel &panel() { return m_panel; }
    // Shows the lists as the panel holds them (after getKode and the like).
    void refresh();
    // A document window became active (its win_autoKode) or closed (false).
    void setAutoKode(bool on);
    // After every key and mouse release in an HTML document's editor.
    void getKode();
    QTableWidget *table(TKodePanel::Liste which) const { return m_tables[which]; }
    QLineEdit *kodeEdit() const { return m_kodeEdit; }
    QCheckBox *autokodeCheck() const { return m_autokode; }
    // Between the element and between lists (left) and the attribute lists.
    QSplitter *columns() const { return m_columns; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QTableWidget *makeTable(TKodePanel::Liste which);
    void popup(TKodePanel::Liste which, const QPoint &at);
    void updateWriteButton();

    Tinfotag &m_engine;
    THtmlPanelHost &m_host;
    TKodePanel m_panel;
    QTableWidget *m_tables[4] = {};
    QLineEdit *m_kodeEdit = nullptr;
    QToolButton *m_write = nullptr;
    QCheckBox *m_autokode = nullptr;
    QSplitter *m_columns = nullptr;
    bool m_refreshing = false;
};

} // namespace taglund
