#pragma once
#include "core/subsystem.h"
#include "core/model/reopenfiler.h"

#include <QObject>

class QMenu;

namespace taglund {

class Tmainform;
class TReopenMenu;
class Twinform;

// The recent files and recent folders of the "Fil" menu.
class TSenesteKommandoer : public QObject, public TSubsystem {
    Q_OBJECT
public:
    explicit TSenesteKommandoer(Tmainform *main);

    // Start step: set the list files in the settings folder and load them.
    void HentReopenFiler();
    void start() override { HentReopenFiler(); }
    // Shutdown step.
    void GemReopenFiler();
    // A named document closes (with automatic insertion on).
    void documentClosing(Twinform *w) override;
    // Puts the submenus into the actions the menu shows them with.
    void attachMenus();

    TReopenFiler &filer() { return m_filer; }
    TReopenFiler &mapper() { return m_mapper; }

signals:
    // A recent folder was chosen: the file box shows it once it exists.
    void folderChosen(const QString &folder);

private:
    Tmainform *m_main;
    TReopenFiler m_filer;
    TReopenFiler m_mapper;
    QMenu *m_filerMenu = nullptr;
    QMenu *m_mapperMenu = nullptr;
};

} // namespace taglund
