#include "app/mainmenu.h"
#include "core/commandregistry.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace taglund {

const QList<TMenuRow> &mainMenuRows()
{
    static const QList<TMenuRow> rows = {
        {"Fil", nullptr, "ANyt", "Nyt dokument...", "Ctrl+N"},
        {"Fil", nullptr, "AHent", "Hent dokument...", "Ctrl+O"},
        {"Fil", nullptr, "", "", ""},
        {"Fil", nullptr, "ASenesteFiler", "Seneste filer", ""},
        {"Fil", nullptr, "AIndsaetSenesteFiler", "Indsæt i seneste filer", ""},
        {"Fil", nullptr, "ASenesteMapper", "Seneste mapper", ""},
        {"Fil", nullptr, "AIndsaetSenesteMapper", "Indsæt i seneste mapper", ""},
        {"Fil", nullptr, "", "", ""},
        {"Fil", nullptr, "AGem", "Gem", "Ctrl+S"},
        {"Fil", nullptr, "AGemSom", "Gem som...", "Ctrl+Alt+S"},
        {"Fil", nullptr, "", "", ""},
        {"Fil", nullptr, "AUdskriv", "Udskriv dokument...", ""},
        {"Fil", nullptr, "AFiltyper", "Bestem filtyper...", "F11"},
        {"Fil", nullptr, "AEgenskaber", "Egenskaber...", ""},
        {"Fil", nullptr, "", "", ""},
        {"Fil", nullptr, "ALukProgram", "Luk program", "Ctrl+Q"},

        {"Rediger", nullptr, "AFortryd", "Annuller", "Ctrl+Z"},
        {"Rediger", nullptr, "", "", ""},
        {"Rediger", nullptr, "AKlip", "Klip", "Ctrl+X"},
        {"Rediger", nullptr, "AKopier", "Kopier", "Ctrl+C"},
        {"Rediger", nullptr, "ASaetInd", "Sæt ind", "Ctrl+V"},
        {"Rediger", nullptr, "AVaelgAlt", "Vælg alt", "Ctrl+A"},
        {"Rediger", nullptr, "ASlet", "Slet", "Del"},

        {"Søg", nullptr, "AFind", "Find i dokument...", ""},
        {"Søg", nullptr, "AErstat", "Erstat tekst i dokument...", ""},
        {"Søg", nullptr, "", "", ""},
        {"Søg", nullptr, "AFindFiler", "Find i dokumenter...", "F10"},

        {"Programelementer", "Html elementer", "AHtmlPanelet", "Html panelet", ""},
        {"Programelementer", "Html elementer", "ARedskaber", "Redskaber", ""},
        {"Programelementer", "Html elementer", "ABokse", "Bokse", ""},
        {"Programelementer", "Html elementer", "AKoder", "Koder", ""},
        {"Programelementer", "Html elementer", "AMusikFilm", "Musik og film", ""},
        {"Programelementer", nullptr, "ACssBoksen", "CSS boksen", ""},
        {"Programelementer", nullptr, "ACssGruppeboks", "CSS gruppeboks", ""},
        {"Programelementer", nullptr, "", "", ""},
        {"Programelementer", nullptr, "AScriptboksen", "Scriptboksen", ""},
        {"Programelementer", nullptr, "", "", ""},
        {"Programelementer", nullptr, "AProjektbog", "Projektbog", ""},
        {"Programelementer", nullptr, "AOrdbog", "Ordbog", ""},
        {"Programelementer", nullptr, "ABogmaerker", "Bogmærker", ""},
        {"Programelementer", nullptr, "ADosboksen", "Dosboksen", ""},
        {"Programelementer", nullptr, "AStrukturkonstruktoeren", "Strukturkonstruktøren", ""},
        {"Programelementer", nullptr, "", "", ""},
        {"Programelementer", nullptr, "AFilboksen", "Filboksen", ""},
        {"Programelementer", nullptr, "AHovedpanelet", "Hovedpanelet", ""},
        {"Programelementer", nullptr, "AWebpanel", "Webpanel", ""},
        {"Programelementer", nullptr, "", "", ""},
        {"Programelementer", nullptr, "AWindowApplets", "Window applets", ""},
        {"Programelementer", nullptr, "AWmiBoksen", "WMI boksen", ""},

        {"Kodeskrivningsfunktioner", nullptr, "AIndsaetSlutkode", "Indsæt slutkode", "Ctrl+K"},
        {"Kodeskrivningsfunktioner", nullptr, "ASendSoegefelt", "Send til søgefeltet", "Ctrl+G"},
        {"Kodeskrivningsfunktioner", nullptr, "AVisAktuelleKode", "Vis aktuelle kode", "Ctrl+Ins"},
        {"Kodeskrivningsfunktioner", nullptr, "", "", ""},
        {"Kodeskrivningsfunktioner", nullptr, "AHtmlInformation", "Html information", "Ctrl+Alt+H"},
        {"Kodeskrivningsfunktioner", nullptr, "AAspInformation", "ASP information", "Ctrl+Alt+A"},
        {"Kodeskrivningsfunktioner", nullptr, "ACssInformation", "Css information", "Ctrl+Alt+C"},
        {"Kodeskrivningsfunktioner", nullptr, "AJsInformation", "JavaScript information", "Ctrl+Alt+J"},
        {"Kodeskrivningsfunktioner", nullptr, "AScriptInformation", "Script information", "Ctrl+Alt+V"},
        {"Kodeskrivningsfunktioner", nullptr, "", "", ""},
        {"Kodeskrivningsfunktioner", nullptr, "AKontroller", "Kontroller dokumentet", "Ctrl+T"},
        {"Kodeskrivningsfunktioner", nullptr, "AAktiverScript", "Aktiver scriptet", "F9"},
        {"Kodeskrivningsfunktioner", nullptr, "", "", ""},
        {"Kodeskrivningsfunktioner", nullptr, "AIndsaetBogmaerke", "Indsæt bogmærke", "Ctrl+M"},
        {"Kodeskrivningsfunktioner", nullptr, "AGemListen", "Gem listen", "Ctrl+R"},
        {"Kodeskrivningsfunktioner", nullptr, "AHentListen", "Hent listen", "Ctrl+H"},
        {"Kodeskrivningsfunktioner", nullptr, "", "", ""},
        {"Kodeskrivningsfunktioner", nullptr, "AUdskrivHtml", "Udskriv som html", ""},

        {"Vindue", nullptr, "APaaStribe", "På stribe", ""},
        {"Vindue", nullptr, "AHorisontalt", "Horisontalt", ""},
        {"Vindue", nullptr, "AVertikalt", "Vertikalt", ""},
        {"Vindue", nullptr, "", "", ""},
        {"Vindue", nullptr, "ALukDokument", "Luk dokument", "Ctrl+L"},
        {"Vindue", nullptr, "ALukAlle", "Luk alle", ""},
        {"Vindue", nullptr, "", "", ""},
        {"Vindue", nullptr, "ADokInfo", "Dokument information...", ""},
        {"Vindue", nullptr, "", "", ""},
        {"Vindue", nullptr, "AFarvekode", "Farvelæg koden", ""},
        {"Vindue", nullptr, "ALinjenumre", "Linjenumre", ""},

        {"VbScript", nullptr, "AVbsAlt", "Alt", "Ctrl+Alt+Q"},
        {"VbScript", nullptr, "AVbsLinje", "Linje", "Ctrl+Alt+W"},

        {"Information", nullptr, "AInfoProgram", "Program...", "F1"},
        {"Information", nullptr, "AInfoGenveje", "Genvejstaster...", "F2"},
        {"Information", nullptr, "AInfoHtml", "Html...", "F3"},
        {"Information", nullptr, "AInfoAsp", "ASP...", "F4"},
        {"Information", nullptr, "AInfoCss", "CSS...", "F5"},
        {"Information", nullptr, "AInfoJs", "JavaScript...", "F6"},
        {"Information", nullptr, "AInfoVbs", "VbScript...", "F7"},
        {"Information", nullptr, "AInfoEksempler", "Eksempler...", "F8"},
        {"Information", nullptr, "", "", ""},
        {"Information", nullptr, "AOm", "Om Taglund...", ""},
        {"Information", nullptr, "", "", ""},
        {"Information", nullptr, "AHjemmesiden", "Hjemmesiden...", ""},
        {"Information", nullptr, "AKritik", "Kritik og mangler...", ""},
    };
    return rows;
}

void buildMainMenu(QMenuBar *bar, TCommandRegistry *commands)
{
    QMenu *menu = nullptr;
    QMenu *sub = nullptr;
    QString menuName, subName;
    for (const TMenuRow &r : mainMenuRows()) {
        const QString m = QString::fromUtf8(r.menu);
        if (!menu || m != menuName) {
            menu = bar->addMenu(m);
            menu->setAccessibleName(m);
            menuName = m;
            sub = nullptr;
            subName.clear();
        }
        QMenu *target = menu;
        if (r.submenu) {
            const QString s = QString::fromUtf8(r.submenu);
            if (!sub || s != subName) {
                sub = menu->addMenu(s);
                sub->setAccessibleName(s);
                subName = s;
            }
            target = sub;
        } else {
            sub = nullptr;
            subName.clear();
        }
        const QString name = QString::fromLatin1(r.name);
        if (name.isEmpty()) {
            target->addSeparator();
            continue;
        }
        QAction *a = commands->action(name);
        if (!a)
            a = commands->add(name, QString::fromUtf8(r.caption), QKeySequence(QString::fromLatin1(r.shortcut)), {});
        target->addAction(a);
    }
}

} // namespace taglund
