#pragma once
#include "app/options/egenskabshost.h"

#include <QObject>
#include <QPointer>

namespace taglund {

class Tmainform;
class TEgenskabsform;

// "Egenskaber...": the options box, made on first use, and the places in
// the main window where its settings take effect.
class TEgenskabsKommandoer : public QObject, public TEgenskabsHost {
    Q_OBJECT
public:
    explicit TEgenskabsKommandoer(Tmainform *main);
    TEgenskabsform *box();

    TMainOptions &egenskaber() override;
    QString filtypeFil() const override;
    QString dokumentFil() const override;
    QString programFolder() const override;
    bool documentOpen() const override;
    void placeHtmlPanel(bool right) override;
    void applyShownElements() override;
    bool structureAutoFold() const override;
    void setStructureAutoFold(bool on) override;
    void HelpInfo(const QString &structure, const QString &entry) override;

private:
    Tmainform *m_main;
    QPointer<TEgenskabsform> m_box;
};

} // namespace taglund
