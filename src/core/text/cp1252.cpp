#include "core/text/cp1252.h"

namespace taglund::Cp1252 {

namespace {
// 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr char16_t high[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
} // namespace

char16_t charFor(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return high[byte - 0x80];
    return byte;
}

int byteFor(char32_t ch)
{
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return int(ch);
    for (int i = 0; i < 32; ++i)
        if (high[i] == ch)
            return 0x80 + i;
    return -1;
}

QString decode(QByteArrayView bytes)
{
    // Latin-1 is the code page except 80..9F; fix those afterwards.
    QString out = QString::fromLatin1(bytes);
    QChar *d = out.data();
    const qsizetype n = out.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = d[i].unicode();
        if (c >= 0x80 && c <= 0x9F)
            d[i] = QChar(high[c - 0x80]);
    }
    return out;
}

QByteArray encode(const QString &text, bool *lossless)
{
    QByteArray out;
    out.reserve(text.size());
    bool ok = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char16_t c = text[i].unicode();
        int b = (c < 0x80) ? c : byteFor(c);
        if (b < 0) {
            ok = false;
            out.append('?');
            // A surrogate pair is one character and becomes one '?'.
            if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
                ++i;
        } else {
            out.append(char(b));
        }
    }
    if (lossless)
        *lossless = ok;
    return out;
}

bool canEncode(const QString &text)
{
    for (QChar c : text)
        if (c.unicode() >= 0x80 && byteFor(c.unicode()) < 0)
            return false;
    return true;
}

} // namespace taglund::Cp1252
