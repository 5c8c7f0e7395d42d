#pragma once
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace taglund {

// The boxes the file operations open, reached through small interfaces so
// the engine runs without widgets: the file box window gives it the real
// boxes (TFilDialogForms), tests and tools a scripted stand-in.

// The confirmation box (copy, move, delete): "Ja" accepts.
struct TBekraeftelse {
    enum Ikon { Kopier, Flyt, Slet };
    QString caption;        // "Kopiering af elementer", ...
    QString spoergsmaal;    // "Skal valgte elementer kopieres?", ...
    Ikon ikon = Kopier;
    QString kilde;          // "Kildemappe:"
    QStringList filer;      // "Filer:"
    QStringList mapper;     // "Mapper:"
    QString destination;    // "Destignationsmappe:"
};

// The conflict box's choices, in the order the box shows them.
enum class TKonfliktValg { OverskrivIngen = 0, OverskrivAlle, SpoergHverGang, OpretKopier };

class TFilDialoger {
public:
    virtual ~TFilDialoger() = default;
    virtual bool bekraeft(const TBekraeftelse &b) = 0;
    // The conflict box "Hvad skal der gøres" over the names; `valg` comes in
    // as the last choice and goes out as the user's. True when left with "Forsæt".
    virtual bool konflikt(const QString &label, const QStringList &navne, TKonfliktValg &valg) = 0;
};

// The progress window "Kopierer". Not modal; the engine fills it.
class TFremdriftsVindue {
public:
    virtual ~TFremdriftsVindue() = default;
    virtual void aabn() = 0;                     // shown, busy cursor on
    virtual void luk() = 0;                      // hidden, bars reset, cursor back
    virtual void setInfo(const QString &t) = 0;  // the information label
    virtual void setFilProcent(int p) = 0;       // per-file bar
    virtual void setTotalProcent(int p) = 0;     // overall bar
    virtual void setProcentTekst(const QString &t) = 0;
    virtual void setRestTekst(const QString &t) = 0;   // remaining elements
    virtual void setNotits(const QString &t) = 0;
    virtual void setTaelleMax(int m) = 0;        // counting bar
    virtual void setTaelle(int v) = 0;
    virtual void setStatus(int panel, const QString &t) = 0;   // panels 0 and 1
};

// What the property window shows, filled by the engine's property layer.
struct TFilEgenskaber {
    QString navn, placering, storrelse, oprettet, aendret, aabnet, filtype, ikonFil;
    bool skrivebeskyttet = false;
    bool skjult = false;
    QString sti;   // the file "Anvend" works on
};
struct TMappeEgenskaber {
    QString navn, placering, storrelse, indeholder, oprettet;
};
struct TDrevEgenskaber {
    QString navn, ledig, anvendt, kapasitet, type, filsystem;
    int procent = 0;   // the used share
};

class TEgenskabsVisning {
public:
    virtual ~TEgenskabsVisning() = default;
    virtual void visFil(const TFilEgenskaber &e) = 0;
    virtual void visMappe(const TMappeEgenskaber &e) = 0;
    // During the folder count: the size and contents texts so far.
    virtual void opdaterMappe(const QString &storrelse, const QString &indeholder) = 0;
    virtual void visDrev(const TDrevEgenskaber &e) = 0;
    virtual void lukEgenskaber() = 0;
};

} // namespace taglund
