#include "highlight/farver.h"

#include "core/text/formatchange.h"

#include <QPalette>
#include <QTextBlock>

namespace taglund {

namespace {

struct Farve {
    TKategori k;
    const char *lys;
    const char *moerk;
    bool fed = false;
    bool kursiv = false;
};

// Chosen for contrast on white and on the dark styles' near-black bases.
constexpr Farve kFarver[] = {
    {TKategori::Tag, "#1f4e9e", "#82b1f5"},     {TKategori::Attribut, "#a3411a", "#f2a774"},
    {TKategori::Vaerdi, "#1a7f37", "#98d89b"},  {TKategori::Kommentar, "#5c636b", "#a7b0b9", false, true},
    {TKategori::Entitet, "#a0179e", "#e9a3e6"}, {TKategori::Doctype, "#6f42a8", "#c7a6ee"},
    {TKategori::Noegleord, "#0033b3", "#86aefc", true}, {TKategori::Streng, "#067d17", "#a8d8a6"},
    {TKategori::Tal, "#1750eb", "#f3c86f"},     {TKategori::Variabel, "#871094", "#dba6e9"},
    {TKategori::Selektor, "#7d3c98", "#e2b4ff"}, {TKategori::Egenskab, "#0f5e9c", "#86d1c9"},
    {TKategori::AspMarke, "#8a3b00", "#ffd866", true}, {TKategori::Funktion, "#00627a", "#66d9e2"},
    {TKategori::Etiket, "#8a5a00", "#ffcb6b", true},
};

TFarveSkema build(bool moerk)
{
    TFarveSkema s;
    s.moerk = moerk;
    for (int k = 0; k < kKategoriAntal; ++k)
        s.formater[size_t(k)].setProperty(kKategoriProperty, k);
    for (const Farve &f : kFarver) {
        QTextCharFormat &fmt = s.formater[size_t(f.k)];
        fmt.setForeground(QColor(QLatin1String(moerk ? f.moerk : f.lys)));
        if (f.fed)
            fmt.setFontWeight(QFont::Bold);
        if (f.kursiv)
            fmt.setFontItalic(true);
    }
    if (moerk) {
        s.formater[size_t(TKategori::AspMarke)].setBackground(QColor("#4a3f10"));
        s.linjeMarkering = QColor(255, 255, 255, 22);
        s.tagMarkering = QColor(120, 170, 255, 80);
        s.margenTekst = QColor("#8a8f98");
        s.margenAktiv = QColor("#e6e6e6");
        s.margenBaggrund = QColor(255, 255, 255, 12);
    } else {
        s.formater[size_t(TKategori::AspMarke)].setBackground(QColor("#fff1a8"));
        s.linjeMarkering = QColor(0, 60, 160, 16);
        s.tagMarkering = QColor(60, 120, 230, 60);
        s.margenTekst = QColor("#8c8c8c");
        s.margenAktiv = QColor("#202020");
        s.margenBaggrund = QColor(0, 0, 0, 10);
    }
    return s;
}

} // namespace

TFarveSkema TFarveSkema::lyst()
{
    static const TFarveSkema s = build(false);
    return s;
}

TFarveSkema TFarveSkema::moerkt()
{
    static const TFarveSkema s = build(true);
    return s;
}

TFarveSkema TFarveSkema::forPalette(const QPalette &p)
{
    return p.color(QPalette::Base).lightness() < 128 ? moerkt() : lyst();
}

TFarver::TFarver(TSprog sprog, QTextDocument *doc) : QSyntaxHighlighter(doc), m_sprog(sprog), m_skema(TFarveSkema::lyst())
{
    // Connected after Qt's own pass over each change, so it runs when that is over.
    if (doc)
        m_efterPassage = connect(doc, &QTextDocument::contentsChange, this, [this] {
            if (m_kunDenneRettelse)
                m_fremad = m_kunDenneRettelse = false;
        });
}

TFarver::~TFarver()
{
    disconnect(m_efterPassage);
    // Qt's destructor would clear the formats as an ordinary change, seen by
    // listeners while this part of the object is already gone. Cleared here,
    // the change is marked as formats only, which they skip.
    if (QTextDocument *doc = document()) {
        TFormatOnlyScope scope(doc);
        setDocument(nullptr);
    }
}

void TFarver::venterEfter(int blok)
{
    m_fremad = m_kunDenneRettelse = true;
    m_stop = blok;
}

void TFarver::setSkema(const TFarveSkema &skema)
{
    if (skema.moerk == m_skema.moerk)
        return;
    m_skema = skema;
    if (document()) {
        TFormatOnlyScope scope(document());
        rehighlight();
    }
}

void TFarver::start(int blokke)
{
    if (!document())
        return;
    // Also ends the full pass Qt would make once the event loop runs.
    TFormatOnlyScope scope(document());
    m_fremad = true;
    m_stop = blokke;
    rehighlight();
    m_fremad = false;
}

int TFarver::foersteVentende() const
{
    const QTextDocument *doc = document();
    if (!doc)
        return 0;
    // Waiting paragraphs are the end of the document: search for the first.
    int lo = 0, hi = doc->blockCount();
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (doc->findBlockByNumber(mid).userState() == kVenter)
            hi = mid;
        else
            lo = mid + 1;
    }
    return lo;
}

bool TFarver::alleFarvet() const
{
    return !document() || foersteVentende() >= document()->blockCount();
}

void TFarver::farvTil(int blok)
{
    const int first = foersteVentende();
    if (!document() || first >= blok || first >= document()->blockCount())
        return;
    TFormatOnlyScope scope(document());
    m_fremad = true;
    m_stop = blok;
    // Goes on from paragraph to paragraph while their states change: up to
    // `blok`, where the next one still waits.
    rehighlightBlock(document()->findBlockByNumber(first));
    m_fremad = false;
}

void TFarver::highlightBlock(const QString &text)
{
    // Edits colour only what is coloured already; start and farvTil colour
    // up to their stop.
    const bool afterWaiting = previousBlockState() == kVenter;
    const bool wait = afterWaiting || (m_fremad ? currentBlock().blockNumber() >= m_stop
                                                : currentBlockState() == kVenter);
    if (wait) {
        setCurrentBlockState(kVenter);
        return;
    }
    m_spans.clear();
    const int state = scan(text, std::max(0, previousBlockState()), m_spans);
    for (const TSpan &s : m_spans)
        setFormat(s.start, s.length, m_skema.formater[size_t(s.kategori)]);
    setCurrentBlockState(state);
}

int THtmlFarver::scan(QStringView line, int state, TSpans &out)
{
    return scanHtml(sprog(), line, state, out);
}

int TCssFarver::scan(QStringView line, int state, TSpans &out)
{
    return scanCss(line, 0, -1, state, out);
}

int TScriptFarver::scan(QStringView line, int state, TSpans &out)
{
    return scanKode(m_regler, line, 0, -1, state, out);
}

TFarver *lavFarver(TSprog sprog, QTextDocument *doc)
{
    switch (sprog) {
    case TSprog::Html:
    case TSprog::Asp:
    case TSprog::Wsf:
        return new THtmlFarver(sprog, doc);
    case TSprog::Css:
        return new TCssFarver(doc);
    case TSprog::JavaScript:
    case TSprog::VbScript:
    case TSprog::Batch:
    case TSprog::PowerShell:
        return new TScriptFarver(sprog, doc);
    case TSprog::Ingen:
        break;
    }
    return nullptr;
}

} // namespace taglund
