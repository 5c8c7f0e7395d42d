#include "highlight/hlintern.h"
#include "highlight/hlregler.h"

namespace taglund {

namespace {

// The state a page line ends in, packed into the block state:
//   bits 0-2  where the scanner is (text, inside a tag, comment, script or
//             style body, a declaration such as <!DOCTYPE ...>)
//   bits 3-4  which tag is being read, or whose body this is
//   bits 5-6  inside a quoted attribute value, and which quote
//   bit  7    that value is a style attribute (read as CSS)
//   bits 9-12 the state of the script or CSS scanner inside
//   bit  13   inside an ASP block "<% ... %>"
enum Mode { Text, Tag, Comment, Script, Style, Decl };
enum Kind { Plain, ScriptJs, ScriptVbs, StyleSheet };

struct HtmlState {
    int mode = Text;
    int kind = Plain;
    int quote = 0;  // 0, 1 = '"', 2 = '\''
    bool styleAttr = false;
    int inner = 0;
    bool asp = false;

    static HtmlState unpack(int s)
    {
        HtmlState h;
        if (s < 0)
            return h;
        h.mode = s & 7;
        h.kind = (s >> 3) & 3;
        h.quote = (s >> 5) & 3;
        h.styleAttr = s & 0x80;
        h.inner = (s >> 9) & 15;
        h.asp = s & (1 << 13);
        return h;
    }
    int pack() const
    {
        return mode | (kind << 3) | (quote << 5) | (styleAttr ? 0x80 : 0) | ((inner & 15) << 9) | (asp ? 1 << 13 : 0);
    }
};

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'-' || c == u'_' || c == u':' || c == u'.';
}

int indexFrom(QStringView line, QStringView what, int from, Qt::CaseSensitivity cs = Qt::CaseSensitive)
{
    return int(line.indexOf(what, from, cs));
}

// The nearest of several stops after `from`, or the line's end.
int nearest(std::initializer_list<int> at, int n)
{
    int best = n;
    for (int a : at)
        if (a >= 0 && a < best)
            best = a;
    return best;
}

int entityEnd(QStringView line, int at)
{
    const int n = int(line.size());
    int j = at + 1;
    if (j < n && line[j] == u'#') {
        ++j;
        if (j < n && (line[j] == u'x' || line[j] == u'X'))
            ++j;
        const int digits = j;
        while (j < n && line[j].isLetterOrNumber())
            ++j;
        if (j == digits)
            return -1;
    } else {
        if (j >= n || !line[j].isLetter())
            return -1;
        while (j < n && line[j].isLetterOrNumber())
            ++j;
    }
    return j < n && line[j] == u';' ? j + 1 : -1;
}

} // namespace

int scanHtml(TSprog sprog, QStringView line, int state, TSpans &out)
{
    hl::Emitter udsend(out);
    HtmlState h = HtmlState::unpack(state);
    const bool aspBlocks = sprog == TSprog::Asp;
    const TSprogRegler &vbs = reglerFor(TSprog::VbScript);
    const TSprogRegler &js = reglerFor(TSprog::JavaScript);
    const int n = int(line.size());
    auto aspAt = [&](int from) { return aspBlocks ? indexFrom(line, u"<%", from) : -1; };
    QString lastAttr;  // the attribute whose value follows

    int i = 0;
    while (i < n) {
        if (h.asp) {
            const int close = indexFrom(line, u"%>", i);
            scanKode(vbs, line, i, close < 0 ? n : close, 0, out);
            if (close < 0)
                break;
            udsend(close, 2, TKategori::AspMarke);
            i = close + 2;
            h.asp = false;
            continue;
        }
        if (aspBlocks && hl::startsAt(line, i, u"<%")) {
            const int len = i + 2 < n && (line[i + 2] == u'=' || line[i + 2] == u'@') ? 3 : 2;
            udsend(i, len, TKategori::AspMarke);
            i += len;
            h.asp = true;
            continue;
        }
        switch (h.mode) {
        case Comment:
        case Decl: {
            const int close = h.mode == Comment ? indexFrom(line, u"-->", i) : indexFrom(line, u">", i);
            const int stop = nearest({close, aspAt(i)}, n);
            const int end = stop == close ? close + (h.mode == Comment ? 3 : 1) : stop;
            udsend(i, end - i, h.mode == Comment ? TKategori::Kommentar : TKategori::Doctype);
            if (stop == close)
                h.mode = Text;
            i = end;
            break;
        }
        case Script:
        case Style: {
            const int endTag = indexFrom(line, h.mode == Script ? u"</script" : u"</style", i, Qt::CaseInsensitive);
            const int cdata = indexFrom(line, u"<![CDATA[", i);
            const int cdataEnd = indexFrom(line, u"]]>", i);
            const int stop = nearest({endTag, aspAt(i), cdata, cdataEnd}, n);
            if (h.mode == Style)
                h.inner = scanCss(line, i, stop, h.inner, out);
            else
                h.inner = scanKode(h.kind == ScriptVbs ? vbs : js, line, i, stop, h.inner, out);
            i = stop;
            if (stop == n)
                break;
            if (stop == cdata || stop == cdataEnd) {
                const int len = stop == cdata ? 9 : 3;
                udsend(stop, len, TKategori::Doctype);
                i += len;
            } else if (stop == endTag) {
                h.mode = Text;
                h.kind = Plain;
                h.inner = 0;
            }
            break;
        }
        case Tag: {
            if (h.quote) {
                const QChar q = h.quote == 1 ? u'"' : u'\'';
                const int close = indexFrom(line, QStringView(&q, 1), i);
                const int stop = nearest({close, aspAt(i)}, n);
                if (h.styleAttr)
                    h.inner = scanCss(line, i, stop, h.inner, out, true);
                else
                    udsend(i, stop - i, TKategori::Vaerdi);
                if (stop == close) {
                    udsend(close, 1, TKategori::Vaerdi);
                    const QStringView value = line.mid(i, close - i);
                    if ((lastAttr == u"language" || lastAttr == u"type") && h.kind == ScriptJs
                        && value.contains(u"vbscript", Qt::CaseInsensitive))
                        h.kind = ScriptVbs;
                    h.quote = 0;
                    h.styleAttr = false;
                    h.inner = 0;
                    i = close + 1;
                } else {
                    i = stop;
                }
                break;
            }
            const QChar c = line[i];
            if (c == u'>') {
                udsend(i, 1, TKategori::Tag);
                ++i;
                h.mode = h.kind == ScriptJs || h.kind == ScriptVbs ? Script : h.kind == StyleSheet ? Style : Text;
                if (h.mode == Text)
                    h.kind = Plain;
                h.inner = 0;
            } else if (c == u'/' && i + 1 < n && line[i + 1] == u'>') {
                udsend(i, 2, TKategori::Tag);
                i += 2;
                h.mode = Text;
                h.kind = Plain;
            } else if (c == u'=') {
                ++i;
                while (i < n && line[i].isSpace())
                    ++i;
                if (i < n && (line[i] == u'"' || line[i] == u'\'')) {
                    udsend(i, 1, TKategori::Vaerdi);
                    h.quote = line[i] == u'"' ? 1 : 2;
                    h.styleAttr = lastAttr == u"style";
                    h.inner = 0;
                    ++i;
                } else {
                    int j = i;
                    while (j < n && !line[j].isSpace() && line[j] != u'>' && !hl::startsAt(line, j, u"<%"))
                        ++j;
                    udsend(i, j - i, TKategori::Vaerdi);
                    if ((lastAttr == u"language" || lastAttr == u"type") && h.kind == ScriptJs
                        && line.mid(i, j - i).contains(u"vbscript", Qt::CaseInsensitive))
                        h.kind = ScriptVbs;
                    i = j;
                }
            } else if (c == u'<') {
                // A tag left open: the next one begins here.
                h.mode = Text;
                h.kind = Plain;
            } else if (isNameChar(c)) {
                int j = i + 1;
                while (j < n && isNameChar(line[j]))
                    ++j;
                udsend(i, j - i, TKategori::Attribut);
                lastAttr = line.mid(i, j - i).toString().toLower();
                i = j;
            } else {
                ++i;
            }
            break;
        }
        default: {  // Text
            int j = i;
            while (j < n && line[j] != u'<' && line[j] != u'&')
                ++j;
            i = j;
            if (i >= n || (aspBlocks && hl::startsAt(line, i, u"<%")))
                break;
            if (line[i] == u'&') {
                const int end = entityEnd(line, i);
                if (end > 0) {
                    udsend(i, end - i, TKategori::Entitet);
                    i = end;
                } else {
                    ++i;
                }
                break;
            }
            if (hl::startsAt(line, i, u"<!--")) {
                udsend(i, 4, TKategori::Kommentar);
                i += 4;
                h.mode = Comment;
            } else if (hl::startsAt(line, i, u"<![CDATA[")) {
                udsend(i, 9, TKategori::Doctype);
                i += 9;
            } else if (hl::startsAt(line, i, u"<!") || hl::startsAt(line, i, u"<?")) {
                udsend(i, 2, TKategori::Doctype);
                i += 2;
                h.mode = Decl;
            } else {
                const bool endTag = i + 1 < n && line[i + 1] == u'/';
                const int nameAt = i + (endTag ? 2 : 1);
                if (nameAt < n && line[nameAt].isLetter()) {
                    int k = nameAt;
                    while (k < n && isNameChar(line[k]))
                        ++k;
                    const QStringView name = line.mid(nameAt, k - nameAt);
                    udsend(i, k - i, TKategori::Tag);
                    h.mode = Tag;
                    h.kind = endTag ? Plain
                             : name.compare(u"script", Qt::CaseInsensitive) == 0 ? ScriptJs
                             : name.compare(u"style", Qt::CaseInsensitive) == 0  ? StyleSheet
                                                                                   : Plain;
                    i = k;
                } else {
                    ++i;
                }
            }
            break;
        }
        }
    }
    return h.pack();
}

} // namespace taglund
