#pragma once
#include <QIcon>
#include <QObject>
#include <QString>
#include <functional>

class QAction;
class QMenu;

namespace taglund {

class TReopenFiler;

// Shows a recent list in its submenu: a fixed first item and a separator,
// then the entries, rebuilt each time the submenu opens.
class TReopenMenu : public QObject {
    Q_OBJECT
public:
    // `tomTekst` is the first item's caption while the list is empty
    // ("Ingen dokumenter"), `fuldTekst` while it has entries ("Filliste").
    TReopenMenu(TReopenFiler &liste, QMenu *menu, const QString &tomTekst, const QString &fuldTekst,
                QObject *parent = nullptr);

    // Called with the clicked item and the entry's path (`FOnKlik`).
    std::function<void(QAction *item, const QString &path)> onKlik;
    // The icon for an icon index; entries have none without it.
    std::function<QIcon(int index)> ikon;

    // Rebuilds the submenu now (it also does so whenever it opens).
    void opdater();
    QAction *foersteItem() const { return m_first; }

private:
    void klik(QAction *item);

    TReopenFiler &m_liste;
    QMenu *m_menu;
    QString m_tom;
    QString m_fuld;
    QAction *m_first = nullptr;
};

// The main window's two submenus: "Seneste filer" ("Filer", "Ingen dokumenter",
// "Filliste") and "Seneste mapper" ("Mapper", "Ingen mapper", "Mapper").
TReopenMenu *makeRecentFilesMenu(TReopenFiler &liste, QMenu *menu, QObject *parent = nullptr);
TReopenMenu *makeRecentFoldersMenu(TReopenFiler &liste, QMenu *menu, QObject *parent = nullptr);

} // namespace taglund
