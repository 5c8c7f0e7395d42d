// Where the program is put together: each part is made once, in the order
// the start runs its steps (file types, recent lists, the structure viewer's
// help, the main window's commands, the HTML engine and panel, ...), and
// before the menus are built, so every command a menu names exists. A part
// registers its commands and joins the document events as it is made, so
// adding a subsystem is one line here.
#include "app/docbarcommands.h"
#include "app/filetypecommands.h"
#include "app/maincommands.h"
#include "app/mainform.h"
#include "app/optionscommands.h"
#include "app/panelcommands.h"
#include "app/recentcommands.h"
#include "core/recovery/gendanner.h"
#include "css/csskommandoer.h"
#include "filebox/filbokskommandoer.h"
#include "ftp/ftpkommandoer.h"
#include "generators/generatorkommandoer.h"
#include "highlight/farvekommandoer.h"
#include "html/htmlcommands.h"
#include "script/scriptkommandoer.h"
#include "script/vbsform.h"
#include "structures/infocommands.h"
#include "structures/infoform.h"
#include "structures/strukturkommandoer.h"
#include "tools/ordbogkommandoer.h"

namespace taglund {

void composeProgram(Tmainform *main)
{
    // Recovery hears of every document window from the first one on.
    new TGendanner(main, main);
    new TFiltypeKommandoer(main);
    new TSenesteKommandoer(main);
    new TStrukturKommandoer(main, main);
    auto *info = new TInfoKommandoer(main, main);
    new TMainKommandoer(main);
    auto *html = new THtmlKommandoer(main, main);
    new TOrdbogKommandoer(main, main);
    new TPanelKommandoer(main);
    new TEgenskabsKommandoer(main);
    // The document bars: the program's buttons after the structure panel's,
    // the snippet bars below them, the CSS button on the bars it finds.
    new TDokumentKnapper(main, main);
    new TGeneratorKommandoer(main, &html->taginf(), main);
    new TFtpKommandoer(main, main);
    new TFilboksKommandoer(main, main);
    auto *css = new TCssKommandoer(main, main);
    // A preview shows the rewritten style sheet, never the cached one.
    css->setPreviewAabner([info](const QString &s, const QString &e) { info->viewer()->HelpInfoFresh(s, e); });
    new TScriptKommandoer(main, main);
    new TFarveKommandoer(main, main);
}

} // namespace taglund
