#pragma once
#include "filebox/foldsoeg.h"
#include "core/text/doctext.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringMatcher>
#include <QStringView>
#include <optional>

namespace taglund {

// One hit: the document (a path, or the caption of a document never saved),
// the hit's caret offset (a line break counts as one position), and the
// whole line that holds it.
struct TFundRaekke {
    QString dokument;
    int position = 0;
    QString tekst;
    bool operator==(const TFundRaekke &o) const = default;
};

// The text searched for, with the two options of the find box. Matching is
// the document windows' own (TDocText::FindText): letter case folded unless
// asked otherwise, whole words bounded by anything but letters, digits and "_".
class TFindMoenster {
public:
    TFindMoenster(const QString &tekst, FindOptions valg);

    bool tom() const { return m_needle.isEmpty(); }
    const QString &tekst() const { return m_needle; }
    FindOptions valg() const { return m_valg; }
    // Length in caret units (a line break in the text searched for is one).
    int laengde() const { return int(m_needle.size()); }
    bool harLinjeskift() const { return m_breaks; }

    // First hit at index `from` or later in `tekst`, or -1. `foer`, when
    // given, stands for the character before `from` in the whole-word test
    // (what a replace walk has written there; a null character for none).
    qsizetype naeste(QStringView tekst, qsizetype from, std::optional<QChar> foer = {}) const;

    // False only when the bytes of a text file (read as Windows-1252 or
    // UTF-8, with or without a UTF-8 mark) cannot hold a hit: lets a folder
    // search pass over most files without decoding them.
    bool kanIndeholde(const QByteArray &bytes) const;

private:
    QString m_needle;    // line breaks as '\n'
    FindOptions m_valg;
    QStringMatcher m_matcher;
    bool m_breaks = false;
    bool m_ascii = false;
    QByteArray m_bytes;  // the ASCII needle, lower case without match case
    bool m_foldRisk = false;  // holds a letter a non-ASCII character folds to
    TFoldSoeg m_fold;         // an ASCII needle without match case
    bool m_brugFold = false;
};

// Every hit in a text whose line breaks are CR LF, LF, lone CR, U+2028 or
// U+2029 (a file's text, or Text() of a document): positions in caret units.
QList<TFundRaekke> findITekst(const TFindMoenster &m, QStringView tekst, const QString &dokument);

// What a replace walk does: the rows and the edits, in document order, each
// edit at a caret offset of the text as changed by the edits before it.
struct TErstatning {
    int position = 0;
    int laengde = 0;
};
struct TErstatResultat {
    QList<TFundRaekke> raekker;
    QList<TErstatning> aendringer;
};
// The walk of "Erstat i åbne dokumenter": each hit is replaced and the
// search goes on after the replacement, so a replacement that holds the
// text searched for ends. Rows give the place in the changed text.
TErstatResultat erstatITekst(const TFindMoenster &m, QStringView tekst, const QString &erstat,
                             const QString &dokument);

// Searches one open document through its text operations; with `erstat`
// every hit is replaced there. The caret is put back where it was.
QList<TFundRaekke> soegDokument(TDocText &doc, const QString &navn, const TFindMoenster &m,
                                const QString *erstat = nullptr);

// Reading a file for a folder search.
enum class TFilUdfald { Laest, Ulaeselig, Binaer, ForStor };
constexpr qint64 kStoersteFil = 50LL * 1024 * 1024;
constexpr qsizetype kBinaerGraense = 8 * 1024;

// The text of a file as a document window holds it: plain files decoded by
// the document reader's rules, RTF files as their text; line breaks as read.
TFilUdfald laesTekst(const QString &path, QString &tekst);
// Searches one file; rows carry its full path.
TFilUdfald soegFil(const QString &path, const TFindMoenster &m, QList<TFundRaekke> &raekker);

// "*.*" takes every file; "*.html" the files with that extension (letter case ignored).
bool passerFilter(const QString &filnavn, const QString &filter);

// The search of every file of a folder, a file at a time, so that the box
// can show progress and stop between files. The files are listed when the
// search is made; sub-folders only when asked (symbolic links to folders
// are never followed, so a link loop cannot trap the walk).
class TMappeSoegning {
public:
    TMappeSoegning(const QString &mappe, const QString &filter, bool undermapper, const TFindMoenster &m);

    bool mappeFindes() const { return m_findes; }
    int filerIalt() const { return int(m_filer.size()); }
    int filerSoegt() const { return m_naeste; }
    // Files passed over: unreadable, binary (a NUL in the first 8 KB) or over 50 MB.
    int sprunget() const { return m_sprunget; }
    bool faerdig() const { return m_naeste >= m_filer.size(); }
    // Searches the next file and appends its rows; false when none was left.
    bool naeste(QList<TFundRaekke> &raekker);
    // Everything that is left.
    void resten(QList<TFundRaekke> &raekker);

private:
    TFindMoenster m_moenster;
    QStringList m_filer;
    int m_naeste = 0;
    int m_sprunget = 0;
    bool m_findes = false;
};

} // namespace taglund
