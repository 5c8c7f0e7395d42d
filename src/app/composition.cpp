// Where the program is put together: each part is made once, in the order
// the start runs its steps (file types, recent lists, the structure viewer's
// help, the main window's commands, the HTML engine and panel, ...). A part
// registers its commands and joins the document events as it is made, so
// adding a subsystem is one line here.
#include "app/docbarcommands.h"
#include "app/filetypecommands.h"
#include "app/maincommands.h"
#include "app/mainform.h"
#include "app/optionscommands.h"
#include "app/panelcommands.h"
#include "app/recentcommands.h"
#include "html/htmlcommands.h"
#include "structures/infocommands.h"
#include "tools/ordbogkommandoer.h"

namespace taglund {

void composeProgram(Tmainform *main)
{
    new TFiltypeKommandoer(main);
    new TSenesteKommandoer(main);
    new TInfoKommandoer(main, main);
    new TMainKommandoer(main);
    new THtmlKommandoer(main, main);
    new TOrdbogKommandoer(main, main);
    new TPanelKommandoer(main);
    new TEgenskabsKommandoer(main);
    new TDokumentlinjer(main, main);
}

} // namespace taglund
