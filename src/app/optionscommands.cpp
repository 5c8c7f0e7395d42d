#include "app/optionscommands.h"
#include "core/commandregistry.h"
#include "ftp/ftpkommandoer.h"
#include "generators/generatorkommandoer.h"
#include "html/htmlcommands.h"
#include "structures/infocommands.h"
#include "app/mainform.h"
#include "app/mainpanel.h"
#include "app/options/egenskabsform.h"
#include "core/text/paths.h"

namespace taglund {

TEgenskabsKommandoer::TEgenskabsKommandoer(Tmainform *main) : QObject(main), m_main(main)
{
    main->commands()->add(QStringLiteral("AEgenskaber"), QStringLiteral("Egenskaber..."), {}, [this] { box()->vis(); });
}

TEgenskabsform *TEgenskabsKommandoer::box()
{
    if (!m_box)
        m_box = new TEgenskabsform(*this, m_main);
    return m_box;
}

TMainOptions &TEgenskabsKommandoer::egenskaber() { return m_main->options(); }

QString TEgenskabsKommandoer::filtypeFil() const
{
    return joinPath(m_main->paths().optdir, QStringLiteral("\\standardFiltyper.txt"));
}

QString TEgenskabsKommandoer::dokumentFil() const { return m_main->paths().dokumentfil; }
QString TEgenskabsKommandoer::programFolder() const { return m_main->paths().Dir; }
bool TEgenskabsKommandoer::documentOpen() const { return m_main->activeWin() != nullptr; }
void TEgenskabsKommandoer::placeHtmlPanel(bool right) { m_main->part<THtmlKommandoer>()->placePanel(right); }

void TEgenskabsKommandoer::applyShownElements()
{
    // The web panel and the projects notebook read the same settings once
    // they are part of the program.
    if (TMainPanel *p = m_main->mainPanel())
        p->setVisible(m_main->options().visHovedlinje);
    if (auto *g = m_main->part<TGeneratorKommandoer>())
        g->anvendHtmlLinjer();
    if (auto *f = m_main->part<TFtpKommandoer>())
        f->setBarsShown(m_main->options().visFtpFunktioner);
    m_main->commands()->scheduleUpdate();
}

bool TEgenskabsKommandoer::structureAutoFold() const { return m_main->part<TInfoKommandoer>()->autoFold(); }
void TEgenskabsKommandoer::setStructureAutoFold(bool on) { m_main->part<TInfoKommandoer>()->setAutoFold(on); }

void TEgenskabsKommandoer::HelpInfo(const QString &structure, const QString &entry)
{
    m_main->HelpInfo(structure, entry);
}

} // namespace taglund
