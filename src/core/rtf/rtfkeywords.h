#pragma once
#include <string_view>

namespace taglund {

// The control words the RTF parser acts on. Anything else is ignored, and
// an unknown word after \* makes its group a skipped destination.
enum class RtfKw {
    Unknown,
    // destinations
    FontTable, ColorTable, SkipDest, ListText, Pn, FieldResult, Ud, Upr,
    // document
    Rtf, Ansi, Mac, Pc, Pca, AnsiCpg, Deff, Uc, U, Bin,
    // font and colour tables
    FCharset, Red, Green, Blue,
    // character
    Plain, F, Fs, B, I, Ul, UlNone, Strike, StrikeD, Cf, Cb, Highlight, ChCbPat,
    Super, Sub, NoSuperSub, Up, Dn,
    // paragraph
    Pard, Ql, Qc, Qr, Qj, Fi, Li, Ri, Sa, Sb, Ls, Ilvl,
    // list kinds inside \pn
    PnLvlBlt, PnLvlBody, PnLvl, PnDec, PnLcltr, PnUcltr, PnLcrm, PnUcrm,
    // breaks and symbols
    Par, Sect, Line, Tab, Cell, Row, ChFtn,
    Symbol,  // a word that stands for one character (\emdash, \bullet, ...)
};

struct RtfKeyword {
    RtfKw kind = RtfKw::Unknown;
    char16_t symbol = 0;  // the character of an RtfKw::Symbol word
};

RtfKeyword rtfKeyword(std::string_view word);

} // namespace taglund
