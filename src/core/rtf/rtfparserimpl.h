#pragma once
// The RTF parser's own types, shared by its two halves: rtfparser.cpp reads
// groups and control words, rtfparsertext.cpp collects the text and its runs.

#include "core/rtf/rtfcodepage.h"
#include "core/rtf/rtfkeywords.h"
#include "core/rtf/rtfmodel.h"

#include <QByteArray>
#include <climits>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace taglund::rtfdetail {

enum class Dest : uint8_t { Text, Skip, FontTable, ColorTable, ListText, Pn };

struct State {
    RtfCharProps ch;
    RtfParaProps para;
    Dest dest = Dest::Text;
    Dest uprDest = Dest::Text;  // what a child of \upr reads as once it names itself \ud
    int uc = 1;                 // fallback characters after each \u
    bool upr = false;           // children of this group are alternative versions
    bool uprChild = false;
};

// Deeper groups share their parent's state: a pathological file then costs
// neither stack nor unbounded memory, and its text is still read.
constexpr std::size_t maxDepth = 4096;

// Word's own limit for indents and spacing (22 inches); larger values would
// only make the layout absurd.
constexpr int maxTwips = 31680;

struct CharPropsHash {
    std::size_t operator()(const RtfCharProps &p) const
    {
        std::size_t h = std::size_t(p.font) * 1000003u;
        h ^= std::size_t(p.halfPoints) * 7919u;
        h ^= std::size_t(p.fg) * 131u + std::size_t(p.bg) * 65599u;
        h ^= (p.bold ? 1u : 0u) | (p.italic ? 2u : 0u) | (p.underline ? 4u : 0u) | (p.strike ? 8u : 0u);
        h ^= std::size_t(p.vertical + 1) << 4;
        return h;
    }
};

class Parser {
public:
    explicit Parser(const QByteArray &bytes)
        : m_data(bytes.constData()), m_size(bytes.size())
    {
        m_stack.reserve(64);
        m_stack.emplace_back();
        // The text is never longer than the file; growing it step by step
        // would copy a large document many times over.
        m.text.reserve(bytes.size());
    }

    RtfModel run();

private:
    State &top() { return m_stack.back(); }

    void openGroup();
    void closeGroup();
    void controlWord();
    void controlSymbol();
    void textByte(unsigned char b);
    void word(std::string_view w, bool hasParam, int param);
    void textWord(const RtfKeyword &k, bool hasParam, int param);
    void pnWord(RtfKw k);
    void unicode(int param);

    void addByte(unsigned char b);
    void addChar(char32_t c);
    void startRunIfChanged();
    void flushBytes();
    void closeRun();
    void endParagraph();
    void pushParagraph(const State &s);
    int intern(const RtfCharProps &p);
    int codePageOf(const RtfCharProps &p);
    RtfListKind listKind(const RtfParaProps &p) const;

    void commitFont();
    void listTextChar(char32_t c);

    const char *m_data;
    qsizetype m_size;
    qsizetype m_pos = 0;
    std::vector<State> m_stack;
    std::size_t m_overflow = 0;
    bool m_star = false;
    int m_skipChars = 0;
    int m_ansiCodePage = 1252;
    RtfCodePages m_codePages;
    RtfModel m;

    // The open run and its not yet decoded 8-bit text.
    RtfCharProps m_runProps;
    int m_runStart = 0;
    QByteArray m_bytes;
    int m_bytesCodePage = 1252;
    std::unordered_map<RtfCharProps, int, CharPropsHash> m_formatIndex;
    int m_cacheFont = INT_MIN;
    int m_cacheCodePage = 1252;

    // The paragraph being read.
    int m_paraStart = 0;
    bool m_listTextSeen = false;
    RtfListKind m_listTextKind = RtfListKind::None;
    bool m_pnBullet = false;
    RtfListKind m_pnStyle = RtfListKind::None;
    int m_footnotes = 0;

    // Table entries being read.
    int m_fontNo = -1;
    int m_fontCharset = 0;
    QByteArray m_fontBytes;
    QString m_fontName;
    int m_rgb[3] = {0, 0, 0};
    bool m_colorSet = false;

    // The outermost group's end: the last paragraph takes the properties in
    // effect there.
    bool m_closed = false;
    State m_final;
    qsizetype m_textAtClose = -1;
};

} // namespace taglund::rtfdetail
