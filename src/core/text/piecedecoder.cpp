#include "core/text/piecedecoder.h"
#include "core/text/doctext.h"

#include <algorithm>

namespace taglund {

namespace {

bool isUtf16(TextEncoding e)
{
    return e == TextEncoding::Utf16LE || e == TextEncoding::Utf16BE;
}

char16_t unitAt(QByteArrayView b, qsizetype i, bool littleEndian)
{
    const auto lo = static_cast<unsigned char>(b[i + (littleEndian ? 0 : 1)]);
    const auto hi = static_cast<unsigned char>(b[i + (littleEndian ? 1 : 0)]);
    return char16_t(lo | (hi << 8));
}

QByteArray utf8Of(char16_t c)
{
    return QString(QChar(c)).toUtf8();
}

// Whether the text holds the separators and the stand-ins, read from the
// bytes so that the text need not be decoded twice. Windows-1252 holds
// neither: no byte of it stands for them.
void findSeparators(QByteArrayView text, TextEncoding e, bool *separators, bool *standIns)
{
    *separators = *standIns = false;
    if (isUtf16(e)) {
        const bool le = e == TextEncoding::Utf16LE;
        for (qsizetype i = 0; i + 1 < text.size(); i += 2) {
            const char16_t c = unitAt(text, i, le);
            *separators |= c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
            *standIns |= c == kLineStandIn || c == kParagraphStandIn;
        }
    } else if (e != TextEncoding::Cp1252) {
        *separators = text.contains(utf8Of(QChar::LineSeparator)) || text.contains(utf8Of(QChar::ParagraphSeparator));
        *standIns = text.contains(utf8Of(kLineStandIn)) || text.contains(utf8Of(kParagraphStandIn));
    }
}

} // namespace

TPieceDecoder::TPieceDecoder(const QByteArray &bytes, TextEncoding encoding, qsizetype pieceBytes)
    : m_bytes(bytes), m_encoding(encoding), m_piece(std::max<qsizetype>(1, pieceBytes)),
      m_at(std::min(bytes.size(), TextFile::textStartFor(encoding)))
{
    findSeparators(QByteArrayView(m_bytes).sliced(m_at), m_encoding, &m_separators, &m_clash);
}

// Just after the first line feed at or beyond `from`, or the end. In every
// encoding we read, a line feed is found by its bytes alone: UTF-8 never
// uses 0x0A inside a character, and UTF-16 is searched unit by unit.
qsizetype TPieceDecoder::cutAfter(qsizetype from) const
{
    const qsizetype n = m_bytes.size();
    if (from >= n)
        return n;
    if (!isUtf16(m_encoding)) {
        const qsizetype lf = m_bytes.indexOf('\n', from);
        return lf < 0 ? n : lf + 1;
    }
    const bool le = m_encoding == TextEncoding::Utf16LE;
    const qsizetype start = TextFile::textStartFor(m_encoding);
    for (qsizetype i = from + (from - start) % 2; i + 1 < n; i += 2)
        if (unitAt(m_bytes, i, le) == u'\n')
            return i + 2;
    return n;
}

QString TPieceDecoder::take(qsizetype end)
{
    QString text = TextFile::decodeText(QByteArrayView(m_bytes).sliced(m_at, end - m_at), m_encoding);
    m_at = end;
    m_ends.add(text);
    if (m_separators && !m_clash) {
        text.replace(QChar::LineSeparator, QChar(kLineStandIn));
        text.replace(QChar::ParagraphSeparator, QChar(kParagraphStandIn));
    }
    return toEditorBreaks(std::move(text));
}

QString TPieceDecoder::next()
{
    if (atEnd())
        return {};
    // At least one byte further, so that a piece is never empty.
    return take(cutAfter(m_at + m_piece - 1));
}

QString TPieceDecoder::rest()
{
    return atEnd() ? QString() : take(m_bytes.size());
}

int TPieceDecoder::percentRead() const
{
    return m_bytes.isEmpty() ? 100 : int(m_at * 100 / m_bytes.size());
}

} // namespace taglund
