#include "core/rtf/rtfparserimpl.h"

namespace taglund::rtfdetail {

void Parser::listTextChar(char32_t c)
{
    if (m_listTextKind != RtfListKind::None)
        return;
    if (c >= '0' && c <= '9')
        m_listTextKind = RtfListKind::Decimal;
    else if (c >= 'a' && c <= 'z')
        m_listTextKind = RtfListKind::LowerAlpha;
    else if (c >= 'A' && c <= 'Z')
        m_listTextKind = RtfListKind::UpperAlpha;
}

void Parser::commitFont()
{
    if (m_fontNo >= 0) {
        QString name = m_fontName;
        name += m_codePages.decode(m_fontBytes, RtfCodePages::codePageForCharset(m_fontCharset));
        name = name.trimmed();
        if (!name.isEmpty() && m.fonts.find(m_fontNo) == m.fonts.end())
            m.fonts.emplace(m_fontNo, RtfFont{name, m_fontCharset});
        m_cacheFont = INT_MIN;
    }
    m_fontNo = -1;
    m_fontBytes.clear();
    m_fontName.clear();
}

int Parser::codePageOf(const RtfCharProps &p)
{
    const int font = p.font < 0 ? m.defaultFont : p.font;
    if (font != m_cacheFont) {
        m_cacheFont = font;
        m_cacheCodePage = m_ansiCodePage;
        auto it = m.fonts.find(font);
        if (it != m.fonts.end()) {
            const int cp = RtfCodePages::codePageForCharset(it->second.charset);
            if (cp)
                m_cacheCodePage = cp;
        }
    }
    return m_cacheCodePage;
}

void Parser::startRunIfChanged()
{
    const RtfCharProps &p = top().ch;
    if (!(p == m_runProps)) {
        closeRun();
        m_runProps = p;
    }
}

void Parser::addByte(unsigned char b)
{
    if (b == 0x7F)
        return;  // DEL is a control character like the ones below blank
    startRunIfChanged();
    if (b < 0x80 && m_bytes.isEmpty()) {
        m.text += QChar(b);
        return;
    }
    const int cp = codePageOf(m_runProps);
    if (cp != m_bytesCodePage)
        flushBytes();
    m_bytesCodePage = cp;
    m_bytes.append(char(b));
}

void Parser::addChar(char32_t c)
{
    // Control characters and the object mark have no place in the text;
    // a paragraph separator inside a paragraph becomes a line break.
    if ((c < 0x20 && c != u'\t') || c == 0xFFFC || c == 0x7F)
        return;
    if (c == 0x2029)
        c = 0x2028;
    startRunIfChanged();
    flushBytes();
    if (c > 0xFFFF) {
        m.text += QChar(QChar::highSurrogate(c));
        m.text += QChar(QChar::lowSurrogate(c));
    } else {
        m.text += QChar(char16_t(c));
    }
}

void Parser::flushBytes()
{
    if (m_bytes.isEmpty())
        return;
    QString s = m_codePages.decode(m_bytes, m_bytesCodePage);
    m_bytes.clear();
    // A code page may decode a byte to a control character; keep them out.
    for (QChar ch : s) {
        const char16_t u = ch.unicode();
        if ((u >= 0x20 && u != 0x7F) || u == u'\t')
            m.text += ch;
    }
}

void Parser::closeRun()
{
    flushBytes();
    if (m.text.size() > m_runStart) {
        m.runs.push_back({int(m.text.size()), intern(m_runProps)});
        m_runStart = int(m.text.size());
    }
}

int Parser::intern(const RtfCharProps &p)
{
    auto it = m_formatIndex.find(p);
    if (it != m_formatIndex.end())
        return it->second;
    const int idx = int(m.formats.size());
    m.formats.push_back(p);
    m_formatIndex.emplace(p, idx);
    return idx;
}

RtfListKind Parser::listKind(const RtfParaProps &p) const
{
    if (p.pn != RtfListKind::None)
        return p.pn;
    if (m_listTextSeen)
        return m_listTextKind == RtfListKind::None ? RtfListKind::Bullet : m_listTextKind;
    return p.ls > 0 ? RtfListKind::Bullet : RtfListKind::None;
}

void Parser::pushParagraph(const State &s)
{
    RtfPara p;
    p.textEnd = int(m.text.size());
    p.runEnd = int(m.runs.size());
    p.props = s.para;
    p.markFormat = intern(s.ch);
    p.list = listKind(s.para);
    m.paras.push_back(p);
    m_paraStart = p.textEnd;
    m_listTextSeen = false;
    m_listTextKind = RtfListKind::None;
}

void Parser::endParagraph()
{
    closeRun();
    pushParagraph(top());
}

} // namespace taglund::rtfdetail
