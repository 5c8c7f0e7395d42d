#pragma once
// "Udskriv som html", "Udskift" and "Annuller" over the output box "Html
// udskrift" and a document's text. The box is a template argument so this
// engine needs nothing of the window that owns the box; any box with the
// output box's public calls will do (show, raise, activateWindow,
// textField(), text(), setProgress(int), saveFile(QString *)).
#include "core/text/doctext.h"
#include "core/text/paths.h"
#include "html/rtfhtml.h"
#include "ui/questions.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFont>
#include <functional>

namespace taglund {

// The lines replace whatever the field held, as one undo step.
void fyldHtmlLinjer(TDocText &field, const QStringList &lines);

// "Udskift" (gendan false) or "Annuller" (gendan true) on the selection: the
// result replaces it and is selected. False without a selection.
bool udskiftMarkering(TDocText &text, bool gendan);
inline QString ingenMarkeringTekst() { return QStringLiteral("Der skal vælges en tekst!"); }

// The whole command for the active document's file `filnavn`: refuses an
// unsaved document, asks about an extension `egnet` does not accept (every
// extension is asked about without it), converts into the box in the
// document font and saves the box's file. `omskrivTekst` is set while the
// conversion runs. True when the box holds the file's HTML.
template <class Box>
bool udskrivSomHtml(Box &box, QWidget *parent, const QString &filnavn, const QString &fontName, int fontSize,
                    const std::function<bool(const QString &ext)> &egnet = {}, bool *omskrivTekst = nullptr)
{
    if (filnavn.isEmpty() || !QFileInfo(filnavn).isFile()) {
        ui::showInfo(parent, QStringLiteral("Gem filen og prøv igen!"));
        return false;
    }
    const QString ext = extensionOf(filnavn);
    if (!(egnet && egnet(ext.toLower()))
        && !ui::askQuestion(parent, {QStringLiteral("Filtypen ") + ext + QStringLiteral(" er muligvist uegnet."),
                                     QStringLiteral("Er det en tekstfil, der kan omskrives til HTML?")}))
        return false;
    if (omskrivTekst)
        *omskrivTekst = true;
    box.show();
    box.raise();
    box.activateWindow();
    box.textField()->setFont(QFont(fontName, fontSize));
    fyldHtmlLinjer(box.text(), {});
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const TRtfHtmlResultat r = RTF_HTML(filnavn, fontName, fontSize, [&box](int p) {
        box.setProgress(p);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    if (omskrivTekst)
        *omskrivTekst = false;
    if (!r.ok) {
        ui::showError(parent, QStringLiteral("Filen ") + filnavn + QStringLiteral(" kunne ikke læses.\r") + r.fejl);
        return false;
    }
    fyldHtmlLinjer(box.text(), r.linjer);
    QString error;
    if (!box.saveFile(&error))
        ui::showError(parent, QStringLiteral("Html udskriften kunne ikke gemmes.\r") + error);
    return true;
}

} // namespace taglund
