#pragma once
#include <QByteArray>
#include <QString>
#include <map>
#include <memory>

class QStringDecoder;

namespace taglund {

// Turns the 8-bit text of an RTF file (raw bytes and \'hh escapes) into
// characters, in the code page the file declares with \ansicpg or a font's
// \fcharset. Windows-1252 goes through our own table; other code pages use
// the platform's converters when it has them, else fall back to 1252 so no
// byte is ever dropped.
class RtfCodePages {
public:
    RtfCodePages();
    ~RtfCodePages();
    RtfCodePages(const RtfCodePages &) = delete;
    RtfCodePages &operator=(const RtfCodePages &) = delete;

    QString decode(const QByteArray &bytes, int codePage);

    // The Windows code page a font's \fcharset stands for; 0 means "the
    // document's \ansicpg".
    static int codePageForCharset(int charset);

private:
    QStringDecoder *decoderFor(int codePage);
    std::map<int, std::unique_ptr<QStringDecoder>> m_decoders;
};

} // namespace taglund
