#pragma once
#include <QObject>
#include <QPointer>
#include <functional>

class QAction;
class QSplitter;
class QToolBar;

namespace taglund {

class TDocText;
class TJsObjektPanel;
class TStructureHost;
class TStrukturPanel;
class Twinform;

// What a document window of a kind with structures shows beside its text:
// the structure panel button on the document bar (and, for scripts, the
// word-case corrections), and the structure panel itself with the
// JavaScript object panel of ".js" files.
class TDokumentPaneler : public QObject {
    Q_OBJECT
public:
    // `currentWord` is the HTML engine's word finder for the structure panel's search.
    TDokumentPaneler(Twinform *w, TStructureHost *host, std::function<QString(TDocText &)> currentWord);

    TStrukturPanel *strukturPanel() const { return m_panel; }
    TJsObjektPanel *jsPanel() const { return m_js; }
    QToolBar *bar() const { return m_bar; }
    QAction *toggleAction() const { return m_toggle; }
    void setPanelShown(bool on);
    bool panelShown() const;

    // The document kinds that have a structure panel button on their bar.
    static bool hasStructurePanel(const QString &docExt);

private:
    void buildBar(const QString &ext);

    Twinform *m_win;
    TStructureHost *m_host;
    QToolBar *m_bar = nullptr;
    QAction *m_toggle = nullptr;
    QWidget *m_side = nullptr;
    TStrukturPanel *m_panel = nullptr;
    TJsObjektPanel *m_js = nullptr;
};

} // namespace taglund
