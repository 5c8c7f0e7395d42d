#pragma once
#include "core/subsystem.h"
#include "highlight/kodevisning.h"
#include "html/tagset.h"

#include <QObject>
#include <QString>

namespace taglund {

class TProgramHost;

// The settings file of the display switches, "farvekode.txt" in the
// options folder: line 1 colouring (with the current line and matching
// tag), line 2 line numbers, each "1" or "0". Missing lines keep the
// defaults (both on).
struct TVisningsFil {
    static QString path(const QString &optdir);
    static TVisningsValg read(const QString &optdir);
    static bool write(const QString &optdir, const TVisningsValg &valg, QString *error = nullptr);
};

// Colouring, line numbers, current line and matching tag for every plain
// document window: attached by kind when a window is made, switched by
// "Farvelæg koden" and "Linjenumre" in the menu "Vindue".
class TFarveKommandoer : public QObject, public TSubsystem {
    Q_OBJECT
public:
    TFarveKommandoer(TProgramHost *host, QObject *parent);
    ~TFarveKommandoer() override;

    void start() override;
    void decorateWindow(Twinform *w) override;
    // Saved under another kind ("Gem som" from .txt to .html): coloured anew.
    void documentSaved(Twinform *w) override;

    const TVisningsValg &valg() const { return m_valg; }
    void setValg(const TVisningsValg &valg);
    static TKodeVisning *visning(Twinform *w);

private:
    void addToMenu();
    void loadNoEndTags();

    TProgramHost *m_host;
    TVisningsValg m_valg;
    TTagSet m_noEnd;
    bool m_inMenu = false;
};

} // namespace taglund
