#pragma once
#include <QColor>
#include <QString>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace taglund {

// What the RTF parser hands to the document builder: the text of every
// paragraph in one string, cut into runs of one character format each.
// Keeping this flat (no QTextDocument calls while parsing) is what keeps a
// large file fast and lets a damaged file be refused before the document is
// touched.

// Character properties as RTF states them; fonts and colours are still
// table numbers here.
struct RtfCharProps {
    int font = -1;        // font number, -1 = the table's default font
    int halfPoints = 24;  // \fs, in half points
    int fg = 0;           // colour table index, 0 = automatic
    int bg = 0;           // colour table index, 0 = none
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int8_t vertical = 0;  // 1 superscript, -1 subscript
    bool operator==(const RtfCharProps &) const = default;
};

enum class RtfListKind : uint8_t { None, Bullet, Decimal, LowerAlpha, UpperAlpha, LowerRoman, UpperRoman };

// Paragraph properties; lengths in twips.
struct RtfParaProps {
    int8_t align = 0;     // 0 left, 1 centre, 2 right, 3 justify
    int fi = 0, li = 0, ri = 0, sb = 0, sa = 0;
    int ls = 0, ilvl = 0; // list override and level (\ls, \ilvl)
    RtfListKind pn = RtfListKind::None;  // from an old-style \pn group
    bool operator==(const RtfParaProps &) const = default;
};

struct RtfRun {
    int end;     // offset in RtfModel::text just past the run
    int format;  // index into RtfModel::formats
};

struct RtfPara {
    int textEnd;        // offset in text just past the paragraph
    int runEnd;         // index in runs just past the paragraph's last run
    RtfParaProps props;
    int markFormat;     // format of the paragraph mark (an empty line's size)
    RtfListKind list;   // None when the paragraph is not a list item
};

struct RtfFont {
    QString name;
    int charset = 0;
};

struct RtfModel {
    QString text;
    std::vector<RtfRun> runs;
    std::vector<RtfPara> paras;
    std::vector<RtfCharProps> formats;
    std::unordered_map<int, RtfFont> fonts;
    int defaultFont = 0;
    std::vector<QColor> colors;  // an invalid colour is "automatic"
    bool damaged = false;        // unbalanced braces, cut short, text after the end
};

} // namespace taglund
