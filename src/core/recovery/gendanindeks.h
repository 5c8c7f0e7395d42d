#pragma once
#include "core/text/textfile.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace taglund {

// One recovery copy as its session's index names it.
struct TGendanPost {
    QString kopi;              // file name of the copy inside its session folder
    QString original;          // the document's full path; empty for a new document
    QString caption;           // CapNavn when the copy was taken
    QString docExt;            // extension with its dot
    TextEncoding encoding = TextEncoding::Cp1252;   // the encoding a save writes in
    bool rich = false;         // the copy is RTF; otherwise UTF-8 text with a mark
    QDateTime tid;             // when the copy was taken
    qint64 kopiStoerrelse = 0; // bytes of the copy, so a short one is noticed
    qint64 originalTid = -1;   // the original's modification time (ms since 1970 UTC) at the copy, -1 without one
    qint64 originalStoerrelse = -1;

    friend bool operator==(const TGendanPost &, const TGendanPost &) = default;
};

// The index file of a session folder: a first line naming the format, the
// number of copies, then eleven lines per copy in a fixed order. It is
// written as UTF-8 with a byte-order mark, so paths Windows-1252 cannot hold
// survive, and always through the atomic replace of the text-file module.
namespace GendanIndeks {

inline constexpr auto kFilnavn = "indeks.txt";

QStringList linjer(const QList<TGendanPost> &poster);
// The copies read before the first damaged line; *beskadiget says whether
// the index ended early.
QList<TGendanPost> laes(const QStringList &linjer, bool *beskadiget = nullptr);

bool gem(const QString &path, const QList<TGendanPost> &poster, QString *error = nullptr);
// False when the file is missing or unreadable.
bool hent(const QString &path, QList<TGendanPost> &poster, bool *beskadiget = nullptr);

} // namespace GendanIndeks

} // namespace taglund
