#include "highlight/hlintern.h"
#include "highlight/hlregler.h"

namespace taglund {

namespace {

// The CSS state: inside a comment, how deep in braces (selectors outside,
// declarations inside; @media adds a level), and after a property's ":".
constexpr int kKommentar = 1;
constexpr int kDybdeSkift = 1;
constexpr int kDybdeMaske = 3 << kDybdeSkift;
constexpr int kVaerdi = 8;

bool isIdentChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'-' || c == u'_';
}

bool isSelectorChar(QChar c)
{
    return isIdentChar(c) || QStringView(u".#:*[]=>+~()\"'^$|@%").contains(c);
}

} // namespace

int scanCss(QStringView line, int from, int to, int state, TSpans &out, bool declarationsOnly)
{
    hl::Emitter udsend(out);
    const int end = to < 0 ? int(line.size()) : std::min(to, int(line.size()));
    bool comment = state & kKommentar;
    int depth = (state & kDybdeMaske) >> kDybdeSkift;
    bool value = state & kVaerdi;
    if (declarationsOnly && depth == 0)
        depth = 1;
    auto pack = [&] {
        return (comment ? kKommentar : 0) | (std::min(depth, 3) << kDybdeSkift) | (value ? kVaerdi : 0);
    };

    int i = from;
    while (i < end) {
        if (comment) {
            const int close = int(line.mid(i, end - i).indexOf(u"*/"));
            if (close < 0) {
                udsend(i, end - i, TKategori::Kommentar);
                return pack();
            }
            udsend(i, close + 2, TKategori::Kommentar);
            i += close + 2;
            comment = false;
            continue;
        }
        const QChar c = line[i];
        if (hl::startsAt(line, i, u"/*") && i + 1 < end) {
            comment = true;
            udsend(i, 2, TKategori::Kommentar);
            i += 2;
            continue;
        }
        if (c.isSpace()) {
            ++i;
            continue;
        }
        if (c == u'{') {
            ++depth;
            value = false;
            ++i;
            continue;
        }
        if (c == u'}') {
            depth = std::max(0, depth - 1);
            value = false;
            ++i;
            continue;
        }
        if (c == u';') {
            value = false;
            ++i;
            continue;
        }
        if ((c == u'"' || c == u'\'') && (depth > 0 || value)) {
            int j = i + 1;
            while (j < end && line[j] != c)
                j += line[j] == u'\\' ? 2 : 1;
            j = std::min(end, j + 1);
            udsend(i, j - i, TKategori::Streng);
            i = j;
            continue;
        }
        if (c == u'@') {
            int j = i + 1;
            while (j < end && isIdentChar(line[j]))
                ++j;
            udsend(i, j - i, TKategori::Noegleord);
            // What follows an at-rule up to its "{" or ";" reads like a value.
            value = true;
            i = j;
            continue;
        }
        if (value) {
            if (c.isDigit() || (c == u'.' && i + 1 < end && line[i + 1].isDigit())
                || ((c == u'-' || c == u'+') && i + 1 < end && (line[i + 1].isDigit() || line[i + 1] == u'.'))
                || (c == u'#' && i + 1 < end && line[i + 1].isLetterOrNumber())) {
                int j = i + 1;
                while (j < end && (line[j].isLetterOrNumber() || line[j] == u'.' || line[j] == u'%'))
                    ++j;
                udsend(i, j - i, TKategori::Tal);
                i = j;
                continue;
            }
            if (c == u'!') {
                int j = i + 1;
                while (j < end && line[j].isSpace())
                    ++j;
                while (j < end && line[j].isLetter())
                    ++j;
                udsend(i, j - i, TKategori::Noegleord);
                i = j;
                continue;
            }
            int j = i + 1;
            while (j < end && isIdentChar(line[j]))
                ++j;
            i = j;
            continue;
        }
        if (depth == 0) {
            int j = i;
            while (j < end && isSelectorChar(line[j]) && !hl::startsAt(line, j, u"/*"))
                ++j;
            if (j == i)
                ++j;
            else
                udsend(i, j - i, TKategori::Selektor);
            i = j;
            continue;
        }
        if (isIdentChar(c)) {
            int j = i + 1;
            while (j < end && isIdentChar(line[j]))
                ++j;
            int k = j;
            while (k < end && line[k].isSpace())
                ++k;
            // Inside @media a rule's selector may hold ":" too ("a:hover {").
            const QStringView after = line.mid(k, end - k);
            const qsizetype brace = after.indexOf(u'{'), stop = after.indexOf(u';');
            const bool selector = brace >= 0 && (stop < 0 || brace < stop);
            if (k < end && line[k] == u':' && !selector) {
                udsend(i, j - i, TKategori::Egenskab);
                value = true;
                i = k + 1;
                continue;
            }
            int s = j;
            while (s < end && isSelectorChar(line[s]))
                ++s;
            udsend(i, s - i, selector || depth > 1 ? TKategori::Selektor : TKategori::Egenskab);
            i = s;
            continue;
        }
        if (c == u':') {
            value = true;
            ++i;
            continue;
        }
        if (isSelectorChar(c) && depth > 0) {
            int s = i + 1;
            while (s < end && isSelectorChar(line[s]))
                ++s;
            udsend(i, s - i, TKategori::Selektor);
            i = s;
            continue;
        }
        ++i;
    }
    return pack();
}

} // namespace taglund
