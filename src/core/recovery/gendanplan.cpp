#include "core/recovery/gendanplan.h"

#include <algorithm>

namespace taglund {

void TGendanPlan::aendret(int noegle, qint64 nu)
{
    Doc &d = m_docs[noegle];
    if (!d.aendret)
        d.foersteAendring = nu;
    d.aendret = true;
    d.sidsteAendring = nu;
}

void TGendanPlan::kopieret(int noegle, qint64 nu)
{
    Doc &d = m_docs[noegle];
    d.aendret = false;
    d.foersteAendring = -1;
    d.sidsteKopi = nu;
}

void TGendanPlan::glem(int noegle)
{
    auto it = m_docs.find(noegle);
    if (it != m_docs.end()) {
        it->second.aendret = false;
        it->second.foersteAendring = -1;
    }
}

void TGendanPlan::lukket(int noegle)
{
    m_docs.erase(noegle);
}

qint64 TGendanPlan::forfald(const Doc &d) const
{
    if (!d.aendret)
        return -1;
    qint64 t = std::min(d.sidsteAendring + m_iv.pause, d.foersteAendring + m_iv.maxVent);
    if (d.sidsteKopi >= 0)
        t = std::max(t, d.sidsteKopi + m_iv.minAfstand);
    return t;
}

QList<int> TGendanPlan::forfaldne(qint64 nu) const
{
    QList<int> ud;
    for (const auto &[noegle, d] : m_docs) {
        const qint64 t = forfald(d);
        if (t >= 0 && t <= nu)
            ud.append(noegle);
    }
    return ud;
}

qint64 TGendanPlan::naeste() const
{
    qint64 first = -1;
    for (const auto &[noegle, d] : m_docs) {
        const qint64 t = forfald(d);
        if (t >= 0 && (first < 0 || t < first))
            first = t;
    }
    return first;
}

bool TGendanPlan::venter(int noegle) const
{
    auto it = m_docs.find(noegle);
    return it != m_docs.end() && it->second.aendret;
}

} // namespace taglund
