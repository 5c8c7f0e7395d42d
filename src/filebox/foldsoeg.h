#pragma once
#include <QByteArray>
#include <QStringView>
#include <array>
#include <vector>

namespace taglund {

// Search for an ASCII text with letter case ignored, without folding a copy
// of the text first: Horspool's skip over folded characters. In UTF-16 text
// the few characters outside ASCII that fold to an ASCII letter (`extra`,
// e.g. the Kelvin sign as 'k') match too, as they do in Qt's own compare.
class TFoldSoeg {
public:
    struct Extra {
        char16_t tegn;
        char ascii;   // lower case
    };
    TFoldSoeg() = default;
    TFoldSoeg(const QByteArray &needle, std::vector<Extra> extra);

    qsizetype indexIn(const char *hay, qsizetype n, qsizetype from) const;
    qsizetype indexIn(QStringView hay, qsizetype from) const;

private:
    uchar fold(char16_t c) const;

    QByteArray m_needle;   // lower case
    std::array<qsizetype, 256> m_skip{};
    std::vector<Extra> m_extra;   // sorted by tegn
};

} // namespace taglund
