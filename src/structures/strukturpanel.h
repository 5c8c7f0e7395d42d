#pragma once
#include "structures/struktur.h"

#include <QList>
#include <QWidget>
#include <functional>

class QMenu;
class QPlainTextEdit;
class QToolButton;

namespace taglund {

class TDocText;
class TStructureHost;
class TStrukturView;

// An item of the structure panel's drop-down of built-in object structures.
struct TObjektMenuPunkt {
    QString caption;
    QString hint;
    QString structure;  // empty for "JavaScript": the JavaScript object panel answers it
    bool expandTop = true;
};
const QList<TObjektMenuPunkt> &objektStrukturMenu();

// The document window's structure panel: one object structure as a tree, the
// selected entry's description fields, and the menus that choose the structure.
class TStrukturPanel : public QWidget {
    Q_OBJECT
public:
    TStrukturPanel(TStructureHost *host, TDocText *doc, QWidget *parent = nullptr);

    // Loads name + "Struktur.txt" and name + "Data.txt" from the "Script" folder.
    bool loadObjectStructure(const QString &name, bool expandTop = true);
    QString loadedName() const { return m_loaded; }

    // The word at the caret, from the HTML engine's word finder. Without
    // one the current-word search is off.
    void setCurrentWordFinder(std::function<QString(TDocText &)> finder);
    void searchCurrentWord();
    void insertEntry(TStrukturNode *node);
    void showFields(TStrukturNode *node);

    // The document bar's button that shows and hides the panel.
    static QString toggleHint(bool panelShown);

    TStruktur &struktur() { return m_struktur; }
    TStrukturView *tree() const { return m_tree; }
    QPlainTextEdit *definitionBox() const { return m_definition; }
    QPlainTextEdit *syntaxBox() const { return m_syntax; }
    QMenu *builtinMenu() const { return m_builtinMenu; }
    QMenu *userMenu() const { return m_userMenu; }
    QToolButton *searchButton() const { return m_search; }

signals:
    void javaScriptRequested();

private:
    void buildUserMenu();

    TStructureHost *m_host;
    TDocText *m_doc;
    TStruktur m_struktur;
    QString m_loaded;
    std::function<QString(TDocText &)> m_wordFinder;
    TStrukturView *m_tree;
    QPlainTextEdit *m_definition;
    QPlainTextEdit *m_syntax;
    QMenu *m_builtinMenu;
    QMenu *m_userMenu;
    QToolButton *m_search;
};

} // namespace taglund
