#include "highlight/farvekommandoer.h"

#include "core/commandregistry.h"
#include "core/docarea.h"
#include "core/model/programpaths.h"
#include "core/programhost.h"
#include "core/text/paths.h"
#include "core/text/textfile.h"
#include "core/winform.h"
#include "ui/questions.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>

namespace taglund {

namespace {

const QString kFarvekode = QStringLiteral("AFarvekode");
const QString kLinjenumre = QStringLiteral("ALinjenumre");

} // namespace

QString TVisningsFil::path(const QString &optdir)
{
    return joinPath(optdir, QStringLiteral("farvekode.txt"));
}

TVisningsValg TVisningsFil::read(const QString &optdir)
{
    TVisningsValg v;
    SettingsReader r = SettingsReader::fromFile(path(optdir));
    bool flag = false;
    if (r.flag(flag))
        v.farver = flag;
    if (r.flag(flag))
        v.linjenumre = flag;
    return v;
}

bool TVisningsFil::write(const QString &optdir, const TVisningsValg &valg, QString *error)
{
    return SettingsWriter().flag(valg.farver).flag(valg.linjenumre).save(path(optdir), error);
}

TFarveKommandoer::TFarveKommandoer(TProgramHost *host, QObject *parent) : QObject(parent), m_host(host)
{
    host->addSubsystem(this);
    TCommandRegistry *r = host->commands();
    TCommandRegistry::Command farver;
    farver.name = kFarvekode;
    farver.caption = QStringLiteral("Farvelæg koden");
    farver.hint = QStringLiteral("Farvelæg koden|Farver efter dokumentets art, den aktuelle linje og det "
                                 "tilsvarende tag markeres");
    farver.checkable = true;
    farver.checked = [this] { return m_valg.farver; };
    farver.execute = [this] {
        TVisningsValg v = m_valg;
        v.farver = !v.farver;
        setValg(v);
    };
    r->add(farver);
    TCommandRegistry::Command numre;
    numre.name = kLinjenumre;
    numre.caption = QStringLiteral("Linjenumre");
    numre.hint = QStringLiteral("Linjenumre|Vis linjenumre i dokumenternes venstre kant");
    numre.checkable = true;
    numre.checked = [this] { return m_valg.linjenumre; };
    numre.execute = [this] {
        TVisningsValg v = m_valg;
        v.linjenumre = !v.linjenumre;
        setValg(v);
    };
    r->add(numre);
}

TFarveKommandoer::~TFarveKommandoer() = default;

void TFarveKommandoer::start()
{
    m_valg = TVisningsFil::read(m_host->paths().optdir);
    loadNoEndTags();
    addToMenu();
    m_host->commands()->scheduleUpdate();
}

void TFarveKommandoer::loadNoEndTags()
{
    // The tag reader's own list, so a pair here is a pair there.
    if (!m_noEnd.Load(joinPath(m_host->paths().htmllistedir, QStringLiteral("UdenSlutkode.txt"))) || m_noEnd.count() == 0)
        m_noEnd.setEntries(TTagPartner::builtInNoEndTags());
}

void TFarveKommandoer::addToMenu()
{
    if (m_inMenu)
        return;
    QMenu *menu = m_host->menu(QStringLiteral("Vindue"));
    if (!menu)
        return;
    // The main menu's table already places them.
    if (menu->actions().contains(m_host->commands()->action(kFarvekode))) {
        m_inMenu = true;
        return;
    }
    menu->addSeparator();
    menu->addAction(m_host->commands()->action(kFarvekode));
    menu->addAction(m_host->commands()->action(kLinjenumre));
    m_inMenu = true;
}

TKodeVisning *TFarveKommandoer::visning(Twinform *w)
{
    return w ? TKodeVisning::of(w->plainEditor()) : nullptr;
}

void TFarveKommandoer::decorateWindow(Twinform *w)
{
    // Rich documents are never coloured, and have no plain editor to number.
    if (!w || w->isRich() || !w->plainEditor())
        return;
    if (m_noEnd.count() == 0)
        loadNoEndTags();
    auto *v = new TKodeVisning(w->plainEditor(), w->DocExt, m_noEnd);
    v->setValg(m_valg);
}

void TFarveKommandoer::documentSaved(Twinform *w)
{
    TKodeVisning *v = visning(w);
    if (!v || v->sprog() == sprogFor(w->DocExt))
        return;
    v->setValg({false, false});
    delete v;
    decorateWindow(w);
}

void TFarveKommandoer::setValg(const TVisningsValg &valg)
{
    m_valg = valg;
    for (Twinform *w : m_host->documents()->windows())
        if (TKodeVisning *v = visning(w))
            v->setValg(valg);
    QString error;
    if (!TVisningsFil::write(m_host->paths().optdir, valg, &error))
        ui::showError(m_host->mainWindow(), QStringLiteral("Filen farvekode.txt kunne ikke gemmes.\r") + error);
    m_host->commands()->scheduleUpdate();
}

} // namespace taglund
