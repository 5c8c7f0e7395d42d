#pragma once
#include "filebox/dialoger.h"
#include "ui/questions.h"

#include <QList>
#include <functional>

namespace taglund {

// The file box's boxes without windows, for tests and tools. Answers come
// from the question boxes' script (ui::setScript) when one is set, so one
// list of answers serves every box in the order they ask; without a script
// every box is answered "Ja". The progress window only remembers.
class TStilleDialoger : public TFilDialoger, public TFremdriftsVindue, public TEgenskabsVisning {
public:
    // The conflict box's choices, one per use; the box's own choice when empty.
    QList<TKonfliktValg> konfliktValg;
    // What the boxes were asked and shown.
    QList<TBekraeftelse> bekraeftelser;
    QStringList infoTekster;
    bool aaben = false;
    int aabninger = 0;
    int totalProcent = 0;
    int filProcent = 0;
    // Called on every progress step, and while the confirmation box is
    // open, as pending events would be.
    std::function<void()> underVejs;
    std::function<void()> underBekraeft;
    // The property window.
    TFilEgenskaber fil;
    TMappeEgenskaber mappe;
    TDrevEgenskaber drev;
    int side = -1;   // 0 Fil, 1 Drev, 2 Mappe; -1 closed

    bool bekraeft(const TBekraeftelse &b) override
    {
        bekraeftelser << b;
        if (underBekraeft)
            underBekraeft();
        return svar(b.caption + u':' + b.spoergsmaal);
    }
    bool konflikt(const QString &label, const QStringList &navne, TKonfliktValg &valg) override
    {
        if (!konfliktValg.isEmpty())
            valg = konfliktValg.takeFirst();
        return svar(QStringLiteral("Hvad skal der gøres:") + label + u' ' + navne.join(u','));
    }

    void aabn() override { aaben = true; ++aabninger; }
    void luk() override { aaben = false; }
    void setInfo(const QString &t) override { infoTekster << t; }
    void setFilProcent(int p) override { filProcent = p; step(); }
    void setTotalProcent(int p) override { totalProcent = p; step(); }
    void setProcentTekst(const QString &) override {}
    void setRestTekst(const QString &) override {}
    void setNotits(const QString &) override {}
    void setTaelleMax(int) override {}
    void setTaelle(int) override {}
    void setStatus(int, const QString &) override {}

    void visFil(const TFilEgenskaber &e) override { fil = e; side = 0; }
    void visMappe(const TMappeEgenskaber &e) override { mappe = e; side = 2; }
    void opdaterMappe(const QString &s, const QString &i) override { mappe.storrelse = s; mappe.indeholder = i; }
    void visDrev(const TDrevEgenskaber &e) override { drev = e; side = 1; }
    void lukEgenskaber() override { side = -1; }

private:
    static bool svar(const QString &asked)
    {
        ui::Script *s = ui::script();
        if (!s)
            return true;
        s->asked << asked;
        return !s->answers.isEmpty() && s->answers.takeFirst() == ui::Answer::Ja;
    }
    void step()
    {
        if (aaben && underVejs)
            underVejs();
    }
};

} // namespace taglund
