#include "core/rtf/rtfkeywords.h"

#include <algorithm>
#include <array>

namespace taglund {

namespace {

struct Entry {
    std::string_view word;
    RtfKw kind;
    char16_t symbol;
};

constexpr Entry table[] = {
    // Destinations whose content is no part of the text.
    {"annotation", RtfKw::SkipDest, 0}, {"atnauthor", RtfKw::SkipDest, 0},
    {"atndate", RtfKw::SkipDest, 0}, {"atnid", RtfKw::SkipDest, 0},
    {"atnref", RtfKw::SkipDest, 0}, {"atrfend", RtfKw::SkipDest, 0},
    {"atrfstart", RtfKw::SkipDest, 0}, {"author", RtfKw::SkipDest, 0},
    {"bkmkend", RtfKw::SkipDest, 0}, {"bkmkstart", RtfKw::SkipDest, 0},
    {"buptim", RtfKw::SkipDest, 0}, {"colorschememapping", RtfKw::SkipDest, 0},
    {"comment", RtfKw::SkipDest, 0}, {"creatim", RtfKw::SkipDest, 0},
    {"datastore", RtfKw::SkipDest, 0}, {"doccomm", RtfKw::SkipDest, 0},
    {"docvar", RtfKw::SkipDest, 0}, {"falt", RtfKw::SkipDest, 0},
    {"filetbl", RtfKw::SkipDest, 0}, {"fldinst", RtfKw::SkipDest, 0},
    {"footer", RtfKw::SkipDest, 0}, {"footerf", RtfKw::SkipDest, 0},
    {"footerl", RtfKw::SkipDest, 0}, {"footerr", RtfKw::SkipDest, 0},
    {"footnote", RtfKw::SkipDest, 0}, {"ftncn", RtfKw::SkipDest, 0},
    {"ftnsep", RtfKw::SkipDest, 0}, {"ftnsepc", RtfKw::SkipDest, 0},
    {"generator", RtfKw::SkipDest, 0}, {"header", RtfKw::SkipDest, 0},
    {"headerf", RtfKw::SkipDest, 0}, {"headerl", RtfKw::SkipDest, 0},
    {"headerr", RtfKw::SkipDest, 0}, {"info", RtfKw::SkipDest, 0},
    {"keywords", RtfKw::SkipDest, 0}, {"latentstyles", RtfKw::SkipDest, 0},
    {"levelnumbers", RtfKw::SkipDest, 0}, {"leveltext", RtfKw::SkipDest, 0},
    {"listoverridetable", RtfKw::SkipDest, 0}, {"listtable", RtfKw::SkipDest, 0},
    {"nonshppict", RtfKw::SkipDest, 0}, {"objclass", RtfKw::SkipDest, 0},
    {"objdata", RtfKw::SkipDest, 0}, {"objname", RtfKw::SkipDest, 0},
    {"operator", RtfKw::SkipDest, 0}, {"panose", RtfKw::SkipDest, 0},
    {"pgdsctbl", RtfKw::SkipDest, 0}, {"picprop", RtfKw::SkipDest, 0},
    {"pict", RtfKw::SkipDest, 0}, {"pnseclvl", RtfKw::SkipDest, 0},
    {"printim", RtfKw::SkipDest, 0}, {"private", RtfKw::SkipDest, 0},
    {"revtbl", RtfKw::SkipDest, 0}, {"revtim", RtfKw::SkipDest, 0},
    {"rsidtbl", RtfKw::SkipDest, 0}, {"rxe", RtfKw::SkipDest, 0},
    {"shpinst", RtfKw::SkipDest, 0}, {"stylesheet", RtfKw::SkipDest, 0},
    {"subject", RtfKw::SkipDest, 0}, {"tc", RtfKw::SkipDest, 0},
    {"template", RtfKw::SkipDest, 0}, {"themedata", RtfKw::SkipDest, 0},
    {"title", RtfKw::SkipDest, 0}, {"txe", RtfKw::SkipDest, 0},
    {"userprops", RtfKw::SkipDest, 0}, {"xe", RtfKw::SkipDest, 0},
    {"xmlnstbl", RtfKw::SkipDest, 0},
    {"colortbl", RtfKw::ColorTable, 0}, {"fonttbl", RtfKw::FontTable, 0},
    {"listtext", RtfKw::ListText, 0}, {"pntext", RtfKw::ListText, 0},
    {"pn", RtfKw::Pn, 0}, {"fldrslt", RtfKw::FieldResult, 0},
    {"ud", RtfKw::Ud, 0}, {"upr", RtfKw::Upr, 0},
    // Document.
    {"rtf", RtfKw::Rtf, 0}, {"ansi", RtfKw::Ansi, 0}, {"mac", RtfKw::Mac, 0},
    {"pc", RtfKw::Pc, 0}, {"pca", RtfKw::Pca, 0}, {"ansicpg", RtfKw::AnsiCpg, 0},
    {"deff", RtfKw::Deff, 0}, {"uc", RtfKw::Uc, 0}, {"u", RtfKw::U, 0},
    {"bin", RtfKw::Bin, 0},
    {"fcharset", RtfKw::FCharset, 0}, {"red", RtfKw::Red, 0},
    {"green", RtfKw::Green, 0}, {"blue", RtfKw::Blue, 0},
    // Character.
    {"plain", RtfKw::Plain, 0}, {"f", RtfKw::F, 0}, {"fs", RtfKw::Fs, 0},
    {"b", RtfKw::B, 0}, {"i", RtfKw::I, 0},
    {"ul", RtfKw::Ul, 0}, {"uld", RtfKw::Ul, 0}, {"uldash", RtfKw::Ul, 0},
    {"uldashd", RtfKw::Ul, 0}, {"uldashdd", RtfKw::Ul, 0}, {"uldb", RtfKw::Ul, 0},
    {"ulhwave", RtfKw::Ul, 0}, {"ulldash", RtfKw::Ul, 0}, {"ulth", RtfKw::Ul, 0},
    {"ulthd", RtfKw::Ul, 0}, {"ulthdash", RtfKw::Ul, 0}, {"ulthdashd", RtfKw::Ul, 0},
    {"ulthdashdd", RtfKw::Ul, 0}, {"ulthldash", RtfKw::Ul, 0}, {"ululdbwave", RtfKw::Ul, 0},
    {"ulw", RtfKw::Ul, 0}, {"ulwave", RtfKw::Ul, 0},
    {"ulnone", RtfKw::UlNone, 0}, {"strike", RtfKw::Strike, 0},
    {"striked", RtfKw::StrikeD, 0}, {"cf", RtfKw::Cf, 0}, {"cb", RtfKw::Cb, 0},
    {"highlight", RtfKw::Highlight, 0}, {"chcbpat", RtfKw::ChCbPat, 0},
    {"super", RtfKw::Super, 0}, {"sub", RtfKw::Sub, 0},
    {"nosupersub", RtfKw::NoSuperSub, 0}, {"up", RtfKw::Up, 0}, {"dn", RtfKw::Dn, 0},
    // Paragraph.
    {"pard", RtfKw::Pard, 0}, {"ql", RtfKw::Ql, 0}, {"qc", RtfKw::Qc, 0},
    {"qr", RtfKw::Qr, 0}, {"qj", RtfKw::Qj, 0}, {"qd", RtfKw::Qj, 0},
    {"fi", RtfKw::Fi, 0}, {"li", RtfKw::Li, 0}, {"lin", RtfKw::Li, 0},
    {"ri", RtfKw::Ri, 0}, {"rin", RtfKw::Ri, 0}, {"sa", RtfKw::Sa, 0},
    {"sb", RtfKw::Sb, 0}, {"ls", RtfKw::Ls, 0}, {"ilvl", RtfKw::Ilvl, 0},
    {"pnlvlblt", RtfKw::PnLvlBlt, 0}, {"pnlvlbody", RtfKw::PnLvlBody, 0},
    {"pnlvl", RtfKw::PnLvl, 0}, {"pndec", RtfKw::PnDec, 0},
    {"pnlcltr", RtfKw::PnLcltr, 0}, {"pnucltr", RtfKw::PnUcltr, 0},
    {"pnlcrm", RtfKw::PnLcrm, 0}, {"pnucrm", RtfKw::PnUcrm, 0},
    // Breaks.
    {"par", RtfKw::Par, 0}, {"sect", RtfKw::Sect, 0}, {"line", RtfKw::Line, 0},
    {"tab", RtfKw::Tab, 0}, {"cell", RtfKw::Cell, 0}, {"nestcell", RtfKw::Cell, 0},
    {"row", RtfKw::Row, 0}, {"chftn", RtfKw::ChFtn, 0},
    // One character each.
    {"bullet", RtfKw::Symbol, 0x2022}, {"emdash", RtfKw::Symbol, 0x2014},
    {"emspace", RtfKw::Symbol, 0x2003}, {"endash", RtfKw::Symbol, 0x2013},
    {"enspace", RtfKw::Symbol, 0x2002}, {"ldblquote", RtfKw::Symbol, 0x201C},
    {"lquote", RtfKw::Symbol, 0x2018}, {"ltrmark", RtfKw::Symbol, 0x200E},
    {"qmspace", RtfKw::Symbol, 0x2005}, {"rdblquote", RtfKw::Symbol, 0x201D},
    {"rquote", RtfKw::Symbol, 0x2019}, {"rtlmark", RtfKw::Symbol, 0x200F},
    {"zwbo", RtfKw::Symbol, 0x200B}, {"zwj", RtfKw::Symbol, 0x200D},
    {"zwnj", RtfKw::Symbol, 0x200C},
};

constexpr std::size_t tableSize = sizeof(table) / sizeof(table[0]);

// Sorted once; a lookup is then a binary search with no allocation.
const std::array<Entry, tableSize> &sorted()
{
    static const std::array<Entry, tableSize> s = [] {
        std::array<Entry, tableSize> a{};
        std::copy(std::begin(table), std::end(table), a.begin());
        std::sort(a.begin(), a.end(), [](const Entry &x, const Entry &y) { return x.word < y.word; });
        return a;
    }();
    return s;
}

} // namespace

RtfKeyword rtfKeyword(std::string_view word)
{
    const auto &s = sorted();
    auto it = std::lower_bound(s.begin(), s.end(), word,
                               [](const Entry &e, std::string_view w) { return e.word < w; });
    if (it == s.end() || it->word != word)
        return {};
    return {it->kind, it->symbol};
}

} // namespace taglund
