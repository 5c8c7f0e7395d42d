#include "core/rtf/rtfcodepage.h"

#include "core/text/cp1252.h"

#include <QStringDecoder>

namespace taglund {

namespace {

const char *converterName(int codePage)
{
    switch (codePage) {
    case 437: return "IBM437";
    case 850: return "IBM850";
    case 852: return "IBM852";
    case 866: return "IBM866";
    case 874: return "windows-874";
    case 932: return "Shift_JIS";
    case 936: return "GBK";
    case 949: return "windows-949";
    case 950: return "Big5";
    case 1250: return "windows-1250";
    case 1251: return "windows-1251";
    case 1253: return "windows-1253";
    case 1254: return "windows-1254";
    case 1255: return "windows-1255";
    case 1256: return "windows-1256";
    case 1257: return "windows-1257";
    case 1258: return "windows-1258";
    case 10000: return "macintosh";
    case 65001: return "UTF-8";
    default: return nullptr;
    }
}

bool isCp1252(int codePage)
{
    // 0 (unset), US-ASCII and the symbol pseudo code page read as 1252.
    return codePage == 1252 || codePage <= 0 || codePage == 20127 || codePage == 42;
}

} // namespace

RtfCodePages::RtfCodePages() = default;
RtfCodePages::~RtfCodePages() = default;

int RtfCodePages::codePageForCharset(int charset)
{
    switch (charset) {
    case 77: return 10000;
    case 128: return 932;
    case 129: return 949;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 254: return 437;
    case 255: return 850;
    default: return 0;
    }
}

QStringDecoder *RtfCodePages::decoderFor(int codePage)
{
    auto it = m_decoders.find(codePage);
    if (it != m_decoders.end())
        return it->second.get();
    std::unique_ptr<QStringDecoder> d;
    if (const char *name = converterName(codePage)) {
        d = std::make_unique<QStringDecoder>(name, QStringConverter::Flag::Stateless);
        if (!d->isValid())
            d.reset();
    }
    QStringDecoder *raw = d.get();
    m_decoders.emplace(codePage, std::move(d));
    return raw;
}

QString RtfCodePages::decode(const QByteArray &bytes, int codePage)
{
    if (bytes.isEmpty())
        return {};
    if (!isCp1252(codePage)) {
        if (QStringDecoder *d = decoderFor(codePage)) {
            d->resetState();
            return d->decode(bytes);
        }
    }
    return Cp1252::decode(bytes);
}

} // namespace taglund
