#pragma once
#include <QByteArray>
#include <QString>
#include <functional>

namespace taglund {

// Why a copy failed: the element, a Danish reason, and whether the fault lay
// in the source (the file could not be read; the next element may still go)
// or in the target (full or read-only drive; the next element would fail too).
struct TKopiFejl {
    QString element;
    QString aarsag;
    bool iKilden = false;
};

// Bytes of the current file copied so far, and its size.
using TKopiFremdrift = std::function<void(qint64 done, qint64 total)>;

// The one routine every copy of the file box goes through (paste, move,
// drops, new text files). The data goes in chunks into a hidden temporary
// name in the target folder; only when it is complete, its size checked and
// the permissions and times of the source set, is it renamed to `target`.
// A failure removes the temporary file, so an existing target and the
// source are never touched. A symbolic link is copied as a link.
// `size` receives the source's size as listed.
bool kopierFil(const QString &source, const QString &target, const TKopiFremdrift &fremdrift = {},
               TKopiFejl *fejl = nullptr, qint64 *size = nullptr);

// Writes `bytes` as a new file the same way. With `replace` false an
// existing element of that name is never replaced (the write fails).
bool skrivNyFil(const QByteArray &bytes, const QString &target, bool replace, TKopiFejl *fejl = nullptr);

// Gives a copied folder the permissions and times of its source (after its
// contents are in, so a read-only source does not lock its copy).
void kopierMappeEgenskaber(const QString &source, const QString &target);

} // namespace taglund
