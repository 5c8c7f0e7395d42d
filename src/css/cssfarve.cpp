#include "css/cssfarve.h"

namespace taglund::CssFarve {

const std::vector<Swatch> &swatches()
{
    static const std::vector<Swatch> s = {
        {QStringLiteral("Sort"), QColor(0x00, 0x00, 0x00)},      {QStringLiteral("Grå"), QColor(0x80, 0x80, 0x80)},
        {QStringLiteral("Kastanje"), QColor(0x80, 0x00, 0x00)},  {QStringLiteral("Oliven"), QColor(0x80, 0x80, 0x00)},
        {QStringLiteral("Grøn"), QColor(0x00, 0x80, 0x00)},      {QStringLiteral("Turkis"), QColor(0x00, 0x80, 0x80)},
        {QStringLiteral("Mørk blå"), QColor(0x00, 0x00, 0x80)},  {QStringLiteral("Mørk lilla"), QColor(0x80, 0x00, 0x80)},
        {QStringLiteral("Hvid"), QColor(0xFF, 0xFF, 0xFF)},      {QStringLiteral("Sølv grå"), QColor(0xC0, 0xC0, 0xC0)},
        {QStringLiteral("Rød"), QColor(0xFF, 0x00, 0x00)},       {QStringLiteral("Gul"), QColor(0xFF, 0xFF, 0x00)},
        {QStringLiteral("Lime"), QColor(0x00, 0xFF, 0x00)},      {QStringLiteral("Cyan"), QColor(0x00, 0xFF, 0xFF)},
        {QStringLiteral("Blå"), QColor(0x00, 0x00, 0xFF)},       {QStringLiteral("Magenta"), QColor(0xFF, 0x00, 0xFF)},
    };
    return s;
}

namespace {
bool isHex(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
}
} // namespace

QString Get16Tal(const QString &text)
{
    QString s = text;
    if (s.isEmpty())
        s = QStringLiteral("#");
    else if (s.at(0) < u'#')
        s.prepend(u'#');
    QString out;
    out.reserve(s.size());
    for (QChar c : s)
        if (c == u'#' || isHex(c))
            out += c;
    return out;
}

std::optional<QColor> GetFarve(const QString &text)
{
    if (text.size() != 7)
        return std::nullopt;
    int rgb[3];
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        const QStringView pair = QStringView(text).mid(1 + 2 * i, 2);
        if (!isHex(pair[0]) || !isHex(pair[1]))
            return std::nullopt;
        rgb[i] = pair.toInt(&ok, 16);
        if (!ok)
            return std::nullopt;
    }
    return QColor(rgb[0], rgb[1], rgb[2]);
}

QString tekst(const QColor &c)
{
    return QStringLiteral("#%1%2%3")
        .arg(c.red(), 2, 16, QChar(u'0'))
        .arg(c.green(), 2, 16, QChar(u'0'))
        .arg(c.blue(), 2, 16, QChar(u'0'))
        .toUpper();
}

} // namespace taglund::CssFarve
