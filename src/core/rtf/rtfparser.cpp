#include "core/rtf/rtfparser.h"

#include "core/rtf/rtfparserimpl.h"

#include <algorithm>

namespace taglund {

namespace rtfdetail {

namespace {

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isDestination(RtfKw k)
{
    switch (k) {
    case RtfKw::FontTable: case RtfKw::ColorTable: case RtfKw::SkipDest: case RtfKw::ListText:
    case RtfKw::Pn: case RtfKw::FieldResult: case RtfKw::Ud: case RtfKw::Upr:
        return true;
    default:
        return false;
    }
}

} // namespace

RtfModel Parser::run()
{
    if (m_size >= 3 && QByteArrayView(m_data, 3) == "\xEF\xBB\xBF")
        m_pos = 3;
    while (m_pos < m_size && (m_data[m_pos] == ' ' || m_data[m_pos] == '\t' || m_data[m_pos] == '\r' ||
                              m_data[m_pos] == '\n'))
        ++m_pos;
    while (m_pos < m_size) {
        const char c = m_data[m_pos];
        switch (c) {
        case '{':
            ++m_pos;
            openGroup();
            break;
        case '}':
            ++m_pos;
            closeGroup();
            break;
        case '\\':
            ++m_pos;
            if (m_pos >= m_size)
                break;
            if (isLetter(m_data[m_pos]))
                controlWord();
            else
                controlSymbol();
            break;
        case '\r':
        case '\n':
            ++m_pos;
            break;
        default:
            ++m_pos;
            textByte(static_cast<unsigned char>(c));
            break;
        }
    }

    flushBytes();
    closeRun();
    const bool untouchedSinceClose = m_closed && m.text.size() == m_textAtClose;
    pushParagraph(untouchedSinceClose ? m_final : top());
    if (!m_closed || m_stack.size() > 1 || m_overflow > 0)
        m.damaged = true;
    return std::move(m);
}

void Parser::openGroup()
{
    m_skipChars = 0;
    m_star = false;
    if (m_stack.size() >= maxDepth) {
        ++m_overflow;
        return;
    }
    State s = top();
    s.uprChild = s.upr;
    s.upr = false;
    if (s.uprChild) {
        // The 8-bit alternative of \upr is skipped; its \*\ud sibling is read.
        s.uprDest = s.dest;
        s.dest = Dest::Skip;
    }
    m_stack.push_back(s);
}

void Parser::closeGroup()
{
    m_skipChars = 0;
    m_star = false;
    if (m_overflow > 0) {
        --m_overflow;
        return;
    }
    if (m_stack.size() <= 1) {
        m.damaged = true;  // a '}' that closes nothing
        return;
    }
    const State closing = m_stack.back();
    m_stack.pop_back();
    State &parent = top();
    if (closing.dest == Dest::FontTable)
        commitFont();
    if (closing.dest == Dest::Pn && parent.dest != Dest::Pn) {
        RtfListKind kind = m_pnBullet ? RtfListKind::Bullet : m_pnStyle;
        if (kind != RtfListKind::None)
            parent.para.pn = kind;
    }
    if (m_stack.size() == 1) {
        if (m_closed)
            m.damaged = true;  // a second document group after the first
        m_closed = true;
        flushBytes();
        m_final = closing;
        m_textAtClose = m.text.size();
    }
}

void Parser::controlWord()
{
    char buf[32];
    std::size_t len = 0;
    std::size_t total = 0;
    while (m_pos < m_size && isLetter(m_data[m_pos])) {
        if (len < sizeof buf)
            buf[len++] = m_data[m_pos];
        ++total;
        ++m_pos;
    }
    bool negative = false;
    if (m_pos + 1 < m_size && m_data[m_pos] == '-' && isDigit(m_data[m_pos + 1])) {
        negative = true;
        ++m_pos;
    }
    bool hasParam = false;
    long long value = 0;
    while (m_pos < m_size && isDigit(m_data[m_pos])) {
        hasParam = true;
        if (value < 100000000000LL)
            value = value * 10 + (m_data[m_pos] - '0');
        ++m_pos;
    }
    if (m_pos < m_size && m_data[m_pos] == ' ')
        ++m_pos;
    if (negative)
        value = -value;
    const int param = int(std::clamp<long long>(value, INT_MIN + 1LL, INT_MAX));
    // Words longer than any real one are unknown, not cut to a known prefix.
    word(total > len ? std::string_view() : std::string_view(buf, len), hasParam, param);
}

void Parser::controlSymbol()
{
    const char c = m_data[m_pos++];
    if (c == '\'') {
        int value = -1;
        for (int k = 0; k < 2 && m_pos < m_size; ++k) {
            const int h = hexValue(m_data[m_pos]);
            if (h < 0)
                break;
            value = (value < 0 ? 0 : value * 16) + h;
            ++m_pos;
        }
        if (m_skipChars > 0) {
            --m_skipChars;
            return;
        }
        if (value < 0)
            return;
        const unsigned char b = static_cast<unsigned char>(value);
        switch (top().dest) {
        case Dest::Text:
            if (b >= 0x20 || b == '\t')
                addByte(b);
            break;
        case Dest::FontTable:
            m_fontBytes.append(char(b));
            break;
        case Dest::ListText:
            listTextChar(b);
            break;
        default:
            break;
        }
        return;
    }
    if (c == '*') {
        m_star = true;
        return;
    }
    if (m_skipChars > 0) {
        --m_skipChars;
        return;
    }
    switch (c) {
    case '\\':
    case '{':
    case '}':
        textByte(static_cast<unsigned char>(c));
        break;
    case '~':
        if (top().dest == Dest::Text)
            addChar(0x00A0);
        break;
    case '-':
        if (top().dest == Dest::Text)
            addChar(0x00AD);
        break;
    case '_':
        if (top().dest == Dest::Text)
            addChar(0x2011);
        break;
    case '\r':
    case '\n':
        if (top().dest == Dest::Text)
            endParagraph();
        break;
    default:
        break;
    }
}

void Parser::textByte(unsigned char b)
{
    if (m_skipChars > 0) {
        --m_skipChars;
        return;
    }
    State &s = top();
    switch (s.dest) {
    case Dest::Text:
        if (b == '\t')
            addChar(u'\t');
        else if (b >= 0x20)
            addByte(b);
        break;
    case Dest::FontTable:
        if (b == ';')
            commitFont();
        else
            m_fontBytes.append(char(b));
        break;
    case Dest::ColorTable:
        if (b == ';') {
            m.colors.push_back(m_colorSet ? QColor(m_rgb[0], m_rgb[1], m_rgb[2]) : QColor());
            m_rgb[0] = m_rgb[1] = m_rgb[2] = 0;
            m_colorSet = false;
        }
        break;
    case Dest::ListText:
        listTextChar(b);
        break;
    default:
        break;
    }
}

void Parser::word(std::string_view w, bool hasParam, int param)
{
    const bool star = m_star;
    m_star = false;
    const RtfKeyword k = rtfKeyword(w);

    if (m_skipChars > 0) {
        // A control word standing in for a \u character is skipped whole,
        // binary data included.
        --m_skipChars;
        if (k.kind == RtfKw::Bin)
            m_pos += std::min<qsizetype>(std::max(param, 0), m_size - m_pos);
        return;
    }

    State &s = top();
    if (k.kind == RtfKw::Bin) {
        // Binary data is never text, wherever it stands; a count past the
        // end of the file only means the file was cut short.
        const qsizetype want = std::max(param, 0);
        if (want > m_size - m_pos)
            m.damaged = true;
        m_pos += std::min<qsizetype>(want, m_size - m_pos);
        return;
    }
    if (star && !isDestination(k.kind)) {
        s.dest = Dest::Skip;
        return;
    }
    switch (k.kind) {
    case RtfKw::FontTable:
        if (s.dest != Dest::Skip)
            s.dest = Dest::FontTable;
        return;
    case RtfKw::ColorTable:
        if (s.dest != Dest::Skip) {
            s.dest = Dest::ColorTable;
            m_colorSet = false;
        }
        return;
    case RtfKw::SkipDest:
        s.dest = Dest::Skip;
        return;
    case RtfKw::ListText:
        if (s.dest == Dest::Text) {
            s.dest = Dest::ListText;
            m_listTextSeen = true;
        } else {
            s.dest = Dest::Skip;
        }
        return;
    case RtfKw::Pn:
        if (s.dest == Dest::Text) {
            s.dest = Dest::Pn;
            m_pnBullet = false;
            m_pnStyle = RtfListKind::None;
        } else if (s.dest != Dest::Pn) {
            s.dest = Dest::Skip;
        }
        return;
    case RtfKw::FieldResult:
        return;  // the field's visible result is ordinary text
    case RtfKw::Ud:
        if (s.uprChild)
            s.dest = s.uprDest;
        else
            s.dest = Dest::Skip;
        s.uprChild = false;
        return;
    case RtfKw::Upr:
        s.upr = true;
        return;
    case RtfKw::Uc:
        s.uc = std::clamp(hasParam ? param : 1, 0, 1 << 20);
        return;
    case RtfKw::U:
        unicode(param);
        return;
    default:
        break;
    }

    switch (s.dest) {
    case Dest::Text:
        textWord(k, hasParam, param);
        break;
    case Dest::FontTable:
        if (k.kind == RtfKw::F) {
            commitFont();
            m_fontNo = param;
            m_fontCharset = 0;
        } else if (k.kind == RtfKw::FCharset) {
            m_fontCharset = param;
        }
        break;
    case Dest::ColorTable:
        if (k.kind == RtfKw::Red || k.kind == RtfKw::Green || k.kind == RtfKw::Blue) {
            const int idx = k.kind == RtfKw::Red ? 0 : k.kind == RtfKw::Green ? 1 : 2;
            m_rgb[idx] = std::clamp(param, 0, 255);
            m_colorSet = true;
        }
        break;
    case Dest::Pn:
        pnWord(k.kind);
        break;
    default:
        break;
    }
}

void Parser::unicode(int param)
{
    State &s = top();
    m_skipChars = s.uc;
    long long cp = param;
    if (cp < 0)
        cp += 65536;
    if (cp < 0 || cp > 0x10FFFF)
        return;
    switch (s.dest) {
    case Dest::Text:
        addChar(char32_t(cp));
        break;
    case Dest::FontTable: {
        m_fontName += m_codePages.decode(m_fontBytes, RtfCodePages::codePageForCharset(m_fontCharset));
        m_fontBytes.clear();
        const char32_t c32 = char32_t(cp);
        m_fontName += QString::fromUcs4(&c32, 1);
        break;
    }
    case Dest::ListText:
        listTextChar(char32_t(cp));
        break;
    default:
        break;
    }
}

void Parser::textWord(const RtfKeyword &k, bool hasParam, int param)
{
    State &s = top();
    const bool on = !hasParam || param != 0;
    switch (k.kind) {
    case RtfKw::Ansi: m_ansiCodePage = 1252; m_cacheFont = INT_MIN; break;
    case RtfKw::Mac: m_ansiCodePage = 10000; m_cacheFont = INT_MIN; break;
    case RtfKw::Pc: m_ansiCodePage = 437; m_cacheFont = INT_MIN; break;
    case RtfKw::Pca: m_ansiCodePage = 850; m_cacheFont = INT_MIN; break;
    case RtfKw::AnsiCpg:
        if (param > 0) {
            m_ansiCodePage = param;
            m_cacheFont = INT_MIN;
        }
        break;
    case RtfKw::Deff:
        m.defaultFont = param;
        m_cacheFont = INT_MIN;
        break;
    case RtfKw::Plain: s.ch = RtfCharProps(); break;
    case RtfKw::F: s.ch.font = hasParam ? param : 0; break;
    case RtfKw::Fs: s.ch.halfPoints = hasParam ? param : 24; break;
    case RtfKw::B: s.ch.bold = on; break;
    case RtfKw::I: s.ch.italic = on; break;
    case RtfKw::Ul: s.ch.underline = on; break;
    case RtfKw::UlNone: s.ch.underline = false; break;
    case RtfKw::Strike: case RtfKw::StrikeD: s.ch.strike = on; break;
    case RtfKw::Cf: s.ch.fg = std::max(param, 0); break;
    case RtfKw::Cb: case RtfKw::Highlight: case RtfKw::ChCbPat: s.ch.bg = std::max(param, 0); break;
    case RtfKw::Super: s.ch.vertical = 1; break;
    case RtfKw::Sub: s.ch.vertical = -1; break;
    case RtfKw::NoSuperSub: s.ch.vertical = 0; break;
    case RtfKw::Up: s.ch.vertical = (!hasParam || param > 0) ? 1 : 0; break;
    case RtfKw::Dn: s.ch.vertical = (!hasParam || param > 0) ? -1 : 0; break;
    case RtfKw::Pard: s.para = RtfParaProps(); break;
    case RtfKw::Ql: s.para.align = 0; break;
    case RtfKw::Qc: s.para.align = 1; break;
    case RtfKw::Qr: s.para.align = 2; break;
    case RtfKw::Qj: s.para.align = 3; break;
    case RtfKw::Fi: s.para.fi = std::clamp(param, -maxTwips, maxTwips); break;
    case RtfKw::Li: s.para.li = std::clamp(param, -maxTwips, maxTwips); break;
    case RtfKw::Ri: s.para.ri = std::clamp(param, -maxTwips, maxTwips); break;
    case RtfKw::Sa: s.para.sa = std::clamp(param, 0, maxTwips); break;
    case RtfKw::Sb: s.para.sb = std::clamp(param, 0, maxTwips); break;
    case RtfKw::Ls: s.para.ls = std::max(param, 0); break;
    case RtfKw::Ilvl: s.para.ilvl = std::clamp(param, 0, 8); break;
    case RtfKw::Par: case RtfKw::Sect: case RtfKw::Cell: endParagraph(); break;
    case RtfKw::Row:
        if (m.text.size() > m_paraStart || !m_bytes.isEmpty())
            endParagraph();
        break;
    case RtfKw::Line: addChar(0x2028); break;
    case RtfKw::Tab: addChar(u'\t'); break;
    case RtfKw::ChFtn:
        for (QChar digit : QString::number(++m_footnotes))
            addChar(digit.unicode());
        break;
    case RtfKw::Symbol: addChar(k.symbol); break;
    default: break;
    }
}

void Parser::pnWord(RtfKw k)
{
    switch (k) {
    case RtfKw::PnLvlBlt: m_pnBullet = true; break;
    case RtfKw::PnLvlBody: case RtfKw::PnLvl:
        if (m_pnStyle == RtfListKind::None)
            m_pnStyle = RtfListKind::Decimal;
        break;
    case RtfKw::PnDec: m_pnStyle = RtfListKind::Decimal; break;
    case RtfKw::PnLcltr: m_pnStyle = RtfListKind::LowerAlpha; break;
    case RtfKw::PnUcltr: m_pnStyle = RtfListKind::UpperAlpha; break;
    case RtfKw::PnLcrm: m_pnStyle = RtfListKind::LowerRoman; break;
    case RtfKw::PnUcrm: m_pnStyle = RtfListKind::UpperRoman; break;
    default: break;
    }
}

} // namespace rtfdetail

bool looksLikeRtf(const QByteArray &bytes)
{
    qsizetype i = 0;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        i = 3;
    while (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' || bytes[i] == '\n'))
        ++i;
    return QByteArrayView(bytes).sliced(i).startsWith("{\\rtf");
}

RtfModel parseRtf(const QByteArray &bytes)
{
    rtfdetail::Parser p(bytes);
    return p.run();
}

} // namespace taglund
