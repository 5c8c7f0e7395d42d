#pragma once
#include <QList>
#include <map>

namespace taglund {

// How often copies are taken, in milliseconds.
struct TGendanIntervaller {
    qint64 pause = 2000;        // after typing stops
    qint64 minAfstand = 30000;  // at most one copy per document this often
    qint64 maxVent = 60000;     // typing that never pauses is copied after this long anyway
};

// When each document's next copy falls due. Pure bookkeeping over a clock
// the caller passes in, so the rules are tested without waiting.
class TGendanPlan {
public:
    explicit TGendanPlan(TGendanIntervaller iv = {}) : m_iv(iv) {}

    void setIntervaller(TGendanIntervaller iv) { m_iv = iv; }
    const TGendanIntervaller &intervaller() const { return m_iv; }

    // The text of a document changed.
    void aendret(int noegle, qint64 nu);
    // A copy of it was taken now.
    void kopieret(int noegle, qint64 nu);
    // Saved or back as it was: nothing waits, but the last copy's time still counts.
    void glem(int noegle);
    // Closed: forgotten entirely.
    void lukket(int noegle);

    // The documents whose copy is due at `nu`.
    QList<int> forfaldne(qint64 nu) const;
    // When the next copy falls due, -1 when none waits.
    qint64 naeste() const;
    bool venter(int noegle) const;

private:
    struct Doc {
        bool aendret = false;
        qint64 foersteAendring = -1;   // first change not in a copy
        qint64 sidsteAendring = -1;
        qint64 sidsteKopi = -1;
    };
    qint64 forfald(const Doc &d) const;

    TGendanIntervaller m_iv;
    std::map<int, Doc> m_docs;
};

} // namespace taglund
