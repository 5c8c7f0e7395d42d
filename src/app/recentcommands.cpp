#include "app/recentcommands.h"
#include "core/commandregistry.h"
#include "app/mainform.h"
#include "core/text/paths.h"
#include "app/types/reopenmenu.h"

#include <QAction>
#include <QMenu>

namespace taglund {

TSenesteKommandoer::TSenesteKommandoer(Tmainform *main) : QObject(main), m_main(main)
{
    main->addSubsystem(this);
    main->addShutdownStep(TShutdownStep::RecentLists, [this] { GemReopenFiler(); });
    setupRecentFiles(m_filer, main->paths().optdir);
    setupRecentFolders(m_mapper, main->paths().optdir);
    auto *c = main->commands();
    // While closing documents inserts them on its own, the insert commands are off.
    auto canInsert = [this] {
        Twinform *w = m_main->activeWin();
        return !m_main->options().autoSenesteFM && w && !w->Filnavn.isEmpty();
    };
    c->add(QStringLiteral("ASenesteFiler"), QStringLiteral("Seneste filer"), {}, [] {});
    c->add(QStringLiteral("ASenesteMapper"), QStringLiteral("Seneste mapper"), {}, [] {});
    c->add(QStringLiteral("AIndsaetSenesteFiler"), QStringLiteral("Indsæt i seneste filer"), {},
           [this] {
               if (Twinform *w = m_main->activeWin())
                   insertDocumentFile(m_filer, w->Filnavn, w->CapNavn);
           },
           canInsert);
    c->add(QStringLiteral("AIndsaetSenesteMapper"), QStringLiteral("Indsæt i seneste mapper"), {},
           [this] {
               if (Twinform *w = m_main->activeWin())
                   insertDocumentFolder(m_mapper, w->Filnavn);
           },
           canInsert);
}

void TSenesteKommandoer::attachMenus()
{
    auto *c = m_main->commands();
    m_filerMenu = new QMenu(m_main);
    m_filerMenu->setAccessibleName(QStringLiteral("Seneste filer"));
    c->action(QStringLiteral("ASenesteFiler"))->setMenu(m_filerMenu);
    TReopenMenu *files = makeRecentFilesMenu(m_filer, m_filerMenu, this);
    files->onKlik = [this](QAction *, const QString &path) { m_main->openwin(path, extensionOf(path)); };

    m_mapperMenu = new QMenu(m_main);
    m_mapperMenu->setAccessibleName(QStringLiteral("Seneste mapper"));
    c->action(QStringLiteral("ASenesteMapper"))->setMenu(m_mapperMenu);
    TReopenMenu *folders = makeRecentFoldersMenu(m_mapper, m_mapperMenu, this);
    folders->onKlik = [this](QAction *, const QString &path) { emit folderChosen(path); };
}

void TSenesteKommandoer::HentReopenFiler()
{
    m_filer.HentReopenFiler();
    m_mapper.HentReopenFiler();
}

void TSenesteKommandoer::GemReopenFiler()
{
    m_filer.GemReopenFiler();
    m_mapper.GemReopenFiler();
}

void TSenesteKommandoer::documentClosing(Twinform *w)
{
    insertDocumentFile(m_filer, w->Filnavn, w->CapNavn);
    insertDocumentFolder(m_mapper, w->Filnavn);
}

} // namespace taglund
