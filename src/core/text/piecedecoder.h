#pragma once
#include "core/text/textfile.h"

#include <QByteArray>
#include <QString>

namespace taglund {

// A document's bytes turned into the editor's text a piece at a time, each
// piece ending after a line feed, so that a large file is never held whole
// as characters beside the document it goes into. The pieces joined equal
// the whole file decoded, its separators masked and its breaks made the
// editor's own; the line-end style and the masking are decided for the
// whole file.
class TPieceDecoder
{
public:
    // `bytes` must outlive the decoder; `encoding` is one the bytes were
    // found to be in (its byte-order mark, if any, is skipped).
    TPieceDecoder(const QByteArray &bytes, TextEncoding encoding, qsizetype pieceBytes = 1 << 20);

    bool atEnd() const { return m_at >= m_bytes.size(); }
    QString next();     // about pieceBytes of the file, up to and including a line feed
    QString rest();     // everything not yet read, as one piece
    // How far through the file, for a progress figure.
    int percentRead() const;

    LineEnd lineEnd() const { return m_ends.style(); }
    // False when the file holds the stand-ins itself (see maskSeparators).
    bool masked() const { return !m_clash; }

private:
    QString take(qsizetype end);
    qsizetype cutAfter(qsizetype from) const;

    const QByteArray &m_bytes;
    TextEncoding m_encoding;
    qsizetype m_piece;
    qsizetype m_at;
    bool m_separators = false;
    bool m_clash = false;
    TextFile::LineEndCount m_ends;
};

} // namespace taglund
