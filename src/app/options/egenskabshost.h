#pragma once
#include <QString>

namespace taglund {

struct TMainOptions;

// What the options box needs of the main window: the settings it edits and
// the places where a stored setting takes effect.
class TEgenskabsHost {
public:
    virtual ~TEgenskabsHost() = default;
    virtual TMainOptions &egenskaber() = 0;
    // The file of the extension list ("standardFiltyper.txt").
    virtual QString filtypeFil() const = 0;
    // The reopen list ("dokumenter.txt").
    virtual QString dokumentFil() const = 0;
    // The executable's folder, which the association names.
    virtual QString programFolder() const = 0;
    virtual bool documentOpen() const = 0;

    // "Html panelet" docked at the right (true) or left.
    virtual void placeHtmlPanel(bool right) = 0;
    // Shows the panels and bars as the settings now say.
    virtual void applyShownElements() = 0;
    virtual bool structureAutoFold() const = 0;
    virtual void setStructureAutoFold(bool on) = 0;
    virtual void HelpInfo(const QString &structure, const QString &entry) = 0;
};

} // namespace taglund
