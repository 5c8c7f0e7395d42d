#pragma once
#include <QChar>
#include <QStringList>
#include <QStringView>
#include <vector>

namespace taglund {

// What a stretch of a line is, for its colour.
enum class TKategori : quint8 {
    Normal,
    Tag,        // "<p", ">", "</p>" in pages
    Attribut,   // attribute names
    Vaerdi,     // attribute values
    Kommentar,
    Entitet,    // "&amp;", "&#228;"
    Doctype,    // "<!DOCTYPE html>", "<![CDATA["
    Noegleord,  // keywords of the script languages, CSS at-rules
    Streng,
    Tal,
    Variabel,   // "$navn", "%navn%", "%1"
    Selektor,   // CSS selectors
    Egenskab,   // CSS property names
    AspMarke,   // "<%", "%>"
    Funktion,   // PowerShell cmdlets
    Etiket,     // batch labels
};
constexpr int kKategoriAntal = int(TKategori::Etiket) + 1;

// One coloured stretch of a line.
struct TSpan {
    int start = 0;
    int length = 0;
    TKategori kategori = TKategori::Normal;
    bool operator==(const TSpan &o) const
    {
        return start == o.start && length == o.length && kategori == o.kategori;
    }
};
using TSpans = std::vector<TSpan>;

// The languages a document can be coloured as; chosen by its kind.
enum class TSprog { Ingen, Html, Asp, Css, JavaScript, VbScript, Wsf, Batch, PowerShell };
TSprog sprogFor(const QString &ext);

// How one script language is read: a small table per language, read by
// one scanner. Multi-line constructs are block comments and, for the
// languages that have them, strings that run over several lines.
struct TSprogRegler {
    QStringList noegleord;
    Qt::CaseSensitivity ordCase = Qt::CaseSensitive;
    QStringList linjeKommentar;        // "//", "'", "#", "::"
    QStringList ordKommentar;          // comment words that must stand alone: "rem"
    QString blokStart, blokSlut;       // "/*" "*/", "<#" "#>"
    QString strengTegn;                // quote characters of one-line strings
    QChar escape;                      // '\\', or none
    bool dobbeltCitat = false;         // "" inside a string is one quote (VBScript)
    QChar flerlinjeStreng;             // '`' in JavaScript: a string that may span lines
    QString herStrengStart;            // "@\"" in PowerShell; ends with "\"@" at a line start
    QChar variabelTegn;                // '$' in PowerShell
    bool batchVariabler = false;       // %navn%, %1, %%i, !navn!
    bool batchEtiketter = false;       // ":navn" at a line start
    bool cmdlets = false;              // Verb-Noun names, -Parameter
};

const TSprogRegler &reglerFor(TSprog sprog);

// The scanners: one line (or a part of it) in, the spans out, the state at
// the line end returned for the next line. State 0 is the plain start.
// `to` < 0 means the end of the line.
int scanKode(const TSprogRegler &r, QStringView line, int from, int to, int state, TSpans &out);
int scanCss(QStringView line, int from, int to, int state, TSpans &out, bool declarationsOnly = false);
int scanHtml(TSprog sprog, QStringView line, int state, TSpans &out);

} // namespace taglund
