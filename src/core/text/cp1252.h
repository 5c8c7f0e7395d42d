#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace taglund {

// Windows-1252 by our own table: every one of the 256 bytes maps to one
// character and back, so nothing read from a settings file is ever lost.
// The five bytes Windows leaves undefined (81, 8D, 8F, 90, 9D) map to the C1
// control characters of the same number, as Windows itself does.
namespace Cp1252 {
QString decode(QByteArrayView bytes);
// Characters the code page cannot hold become '?'; *lossless tells whether that happened.
QByteArray encode(const QString &text, bool *lossless = nullptr);
bool canEncode(const QString &text);
// The byte for one character, or -1 when the code page has none.
int byteFor(char32_t ch);
char16_t charFor(unsigned char byte);
}

} // namespace taglund
