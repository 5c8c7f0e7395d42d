#pragma once
#include "core/subsystem.h"
#include "app/commands/commandhost.h"

#include <QObject>
#include <QPointer>

class QMenu;

namespace taglund {

class Tmainform;
class TFindForm;
class TPrintForm;
class THtmlUdskriftForm;
class Twinform;

// The main window's own commands: editing the focused field, find and
// replace, running and editing the active script, printing, the HTML output
// box, the search field and web searches, arranging windows, the text
// context menu and the about box.
class TMainKommandoer : public QObject, public TSubsystem, public TCommandHost {
    Q_OBJECT
public:
    explicit TMainKommandoer(Tmainform *main);

    TDocText *activeText() const override;
    QWidget *hostWindow() const override;
    QString activeFileName() const override;
    void caretChanged() override;
    QString programFolder() const override;
    QFont documentFont() const override;
    void helpInfo(const QString &structure, const QString &entry) override;

    // "Aktiver scriptet" (verb "open") and "Rediger dokumentet i andet program" ("edit").
    void runActive(const QString &verb);
    // Enter in the main search field.
    void searchFieldEntered();
    void activeDocumentChanged();
    void documentActivated(Twinform *) override { activeDocumentChanged(); }
    void decorateWindow(Twinform *w) override { addContextMenu(w); }
    // The context menu of a document's text.
    void addContextMenu(Twinform *w);

    TFindForm *findBox();
    // "Html udskrift", made at first use.
    THtmlUdskriftForm *htmlBox();
    TFindForm *replaceBox();

private:
    void registerCommands();
    void tile(Qt::Orientation o);
    void showAbout();
    void runCommandBox();

    Tmainform *m_main;
    QPointer<TFindForm> m_find;
    QPointer<TFindForm> m_replace;
    QPointer<TPrintForm> m_print;
    QPointer<THtmlUdskriftForm> m_htmlBox;
};

} // namespace taglund
