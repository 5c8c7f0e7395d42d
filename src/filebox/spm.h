#pragma once
#include "filebox/dialoger.h"
#include "filebox/searchhandlinger.h"

#include <memory>

namespace taglund {

// The confirmation and conflict boxes of copy, move and delete.
class TSpm : public TSearchHandlinger {
    Q_OBJECT
public:
    explicit TSpm(QObject *parent = nullptr);
    ~TSpm() override;

    // Takes no ownership. Without one the engine makes the real boxes on first use.
    void setDialoger(TFilDialoger *d) { m_dialoger = d; }
    TFilDialoger *dialoger();

    // The conflict box keeps the user's last choice for its next use.
    TKonfliktValg sidsteKonfliktValg() const { return m_konfliktValg; }

protected:
    bool spoergBekraeft(const TBekraeftelse &b);
    // "Der eksisterer n fil(er) med samme navn." over the names.
    bool spoergKonflikt(const QStringList &navne, TKonfliktValg &valg);
    // The question box ("Spørgemål"): true on "Ja".
    static bool spoerg(const QStringList &lines);

private:
    TFilDialoger *m_dialoger = nullptr;
    std::unique_ptr<TFilDialoger> m_egne;
    TKonfliktValg m_konfliktValg = TKonfliktValg::OverskrivIngen;
};

} // namespace taglund
