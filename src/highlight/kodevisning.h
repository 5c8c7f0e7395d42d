#pragma once
#include "core/text/doctext.h"
#include "highlight/farver.h"
#include "highlight/linjemargen.h"
#include "highlight/tagpartner.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <memory>

class QPlainTextEdit;

namespace taglund {

class TLinjeMargen;

// What the user switched on ("Farvelæg koden", "Linjenumre").
struct TVisningsValg {
    bool farver = true;
    bool linjenumre = true;
};

// The display additions of one plain document: its colouring by kind, the
// line-number gutter, the current line and the matching tag. They change
// nothing in the text. A document larger than kFarveGraense is not
// coloured and gets no tag marks; its gutter stays.
class TKodeVisning : public QObject {
    Q_OBJECT
public:
    static constexpr int kFarveGraense = 4 * 1024 * 1024;
    // A change adding this many characters is coloured lazily, as at opening.
    static constexpr int kStorRettelse = 64 * 1024;

    // Lives as long as the editor's document. `noEndTag` must outlive it.
    TKodeVisning(QPlainTextEdit *editor, const QString &ext, const TTagSet &noEndTag);
    ~TKodeVisning() override;

    void setValg(const TVisningsValg &valg);
    const TVisningsValg &valg() const { return m_valg; }
    TSprog sprog() const { return m_sprog; }
    TFarver *farver() const { return m_farver; }
    TLinjeMargen *margen() const { return m_margen; }
    bool forStor() const { return m_forStor; }

    // The tag mark waits until the caret rests; tests and the benchmark
    // take it at once.
    void markNow();
    const TTagPartner::Match &match() const { return m_match; }

    static TKodeVisning *of(QPlainTextEdit *editor);

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void caretMoved();
    void contentsChanged(int pos, int removed, int added);
    void findMatch();
    void applyMarks();
    void updateSkema();
    int synligeBlokke() const;
    void farvSynlige();
    void farvMere();

    QPlainTextEdit *m_editor;
    TDocText m_text;            // reads only: for the tag index
    TSprog m_sprog;
    TVisningsValg m_valg;
    TFarveSkema m_skema;
    QPointer<TFarver> m_farver;
    QPointer<TLinjeMargen> m_margen;
    TTagPartner m_partner;
    TTagPartner::Match m_match;
    // What the editor's marks show now.
    struct Marks {
        bool on = false;
        int line = -1, here = -1, partner = -1;
        bool moerk = false;
        bool operator==(const Marks &) const = default;
    };
    Marks m_marks;
    int m_antalMarks = 0;
    QTimer m_tagTimer;
    // Colours the rest of a large page while the program is idle.
    QTimer m_farveTimer;
    int m_farveStykke = 256;
    bool m_forStor = false;
};

} // namespace taglund
