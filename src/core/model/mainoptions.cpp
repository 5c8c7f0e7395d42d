#include "core/model/mainoptions.h"
#include "core/text/textfile.h"

#include <QFileInfo>

namespace taglund {

void TMainOptions::applyDefaults()
{
    designName = QStringLiteral("Sky");
    bogstavName = QStringLiteral("Courier New");
    bogstavSize = 10;
    pWidth = 1080;
    pHeight = 862;
    pTop = 60;
    pLeft = 400;
    autoSenesteFM = false;
    anvendOrd = false;
    gruppenavn.clear();
    filboksPlacering = 0;
    htmlboksPlacering = 1;
    visHtmlpanel = false;
    visHtmlbog = true;
    visBokslinjen = false;
    visKodelinjen = false;
    visRedskabslinjen = false;
    visWebpanel = false;
    visProjektbogen = false;
    visHovedlinje = true;
    DocScript = true;
    autoPop = true;
    autoFocus = true;
    usedDefaults = true;
}

void TMainOptions::read(const QStringList &lines)
{
    SettingsReader r(lines);
    usedDefaults = false;
    const bool complete = r.text(designName) && r.number(pWidth) && r.number(pHeight) && r.number(pTop)
        && r.number(pLeft) && r.number(bogstavSize) && r.text(bogstavName) && r.number(filtypeBoxItemIndex)
        && r.text(brugernavn) && r.flag(autoSenesteFM) && r.flag(anvendOrd) && r.text(jsObjektName)
        && r.flag(visHtmlpanel) && r.flag(visOrdbog) && r.flag(visFtpFunktioner) && r.flag(visBokslinjen)
        && r.flag(visKodelinjen) && r.flag(visRedskabslinjen) && r.text(gruppenavn) && r.flag(visWebpanel)
        && r.number(filboksPlacering) && r.number(htmlboksPlacering) && r.flag(visHtmlbog)
        && r.flag(openDokumenter) && r.flag(visHovedlinje) && r.number(htmlBogIndex) && r.flag(visProjektbogen)
        && r.text(ProjektNavn) && r.number(projektbogSide) && r.flag(udskrivStraks) && r.flag(DocScript)
        && r.flag(autoPop) && r.flag(autoFocus) && r.flag(AlwaysDS) && r.flag(storFont) && r.flag(visKunFejl)
        && r.flag(ikkeAnalyseret);
    if (!complete)
        applyDefaults();
}

void TMainOptions::load(const QString &path)
{
    QStringList lines;
    if (!QFileInfo::exists(path) || !TextFile::readLines(path, lines)) {
        applyDefaults();
        return;
    }
    read(lines);
}

QStringList TMainOptions::lines() const
{
    SettingsWriter w;
    w.text(designName).number(pWidth).number(pHeight).number(pTop).number(pLeft).number(bogstavSize)
        .text(bogstavName).number(filtypeBoxItemIndex).text(brugernavn).flag(autoSenesteFM).flag(anvendOrd)
        .text(jsObjektName).flag(visHtmlpanel).flag(visOrdbog).flag(visFtpFunktioner).flag(visBokslinjen)
        .flag(visKodelinjen).flag(visRedskabslinjen).text(gruppenavn).flag(visWebpanel)
        .number(filboksPlacering).number(htmlboksPlacering).flag(visHtmlbog).flag(openDokumenter)
        .flag(visHovedlinje).number(htmlBogIndex).flag(visProjektbogen).text(ProjektNavn)
        .number(projektbogSide).flag(udskrivStraks).flag(DocScript).flag(autoPop).flag(autoFocus)
        .flag(AlwaysDS).flag(storFont).flag(visKunFejl).flag(ikkeAnalyseret);
    return w.lines();
}

bool TMainOptions::save(const QString &path, QString *error) const
{
    return TextFile::writeLines(path, lines(), error);
}

} // namespace taglund
