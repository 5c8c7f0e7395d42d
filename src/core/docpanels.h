#pragma once
#include <QObject>
#include <QPointer>
#include <functional>

class QAction;
class QSplitter;
class QToolBar;

namespace taglund {

class TCommandRegistry;
class TDocText;
class TJsObjektPanel;
class TStructureHost;
class TStrukturPanel;
class Twinform;

// What a document window shows beside its text: its type's tool bar with the
// structure panel button (and, for scripts, the word-case corrections), and
// the structure panel itself with the JavaScript object panel of ".js" files;
// the batch and VBScript bars' run buttons; and for any other plain document
// the general tool bar.
// The snippet menus of the bars join them as they become part of the program.
class TDokumentPaneler : public QObject {
    Q_OBJECT
public:
    // `currentWord` is the HTML engine's word finder for the structure panel's search.
    // `commands`: the main window's, for the commands the bars share with it.
    TDokumentPaneler(Twinform *w, TStructureHost *host, std::function<QString(TDocText &)> currentWord,
                     TCommandRegistry *commands = nullptr);

    TStrukturPanel *strukturPanel() const { return m_panel; }
    TJsObjektPanel *jsPanel() const { return m_js; }
    QToolBar *bar() const { return m_bar; }
    QAction *toggleAction() const { return m_toggle; }
    void setPanelShown(bool on);
    bool panelShown() const;

    // The document kinds that have a structure panel button on their bar.
    static bool hasStructurePanel(const QString &docExt);

private:
    QToolBar *newBar();
    void buildBar(const QString &ext);
    void buildGeneralBar();

    Twinform *m_win;
    TStructureHost *m_host;
    TCommandRegistry *m_commands;
    QToolBar *m_bar = nullptr;
    QAction *m_toggle = nullptr;
    QWidget *m_side = nullptr;
    TStrukturPanel *m_panel = nullptr;
    TJsObjektPanel *m_js = nullptr;
};

} // namespace taglund
