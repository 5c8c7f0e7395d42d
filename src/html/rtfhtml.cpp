#include "html/rtfhtml.h"

#include "core/rtf/rtfparser.h"
#include "core/rtf/rtfreader.h"
#include "core/text/cp1252.h"
#include "core/text/doctext.h"
#include "core/text/textfile.h"
#include "html/infotag.h"

#include <QTextBlock>
#include <QTextDocument>
#include <cmath>

namespace taglund {

namespace {

THtmlFormat formatOf(const QTextCharFormat &f, const QFont &fallback)
{
    THtmlFormat h;
    const QStringList families = f.fontFamilies().toStringList();
    h.font = families.isEmpty() ? fallback.family() : families.first();
    h.size = f.fontPointSize() > 0 ? f.fontPointSize() : fallback.pointSizeF();
    // No colour of its own is the automatic colour: black on paper.
    h.colour = f.foreground().style() == Qt::NoBrush ? QColor(Qt::black) : f.foreground().color();
    h.bold = f.fontWeight() > QFont::Medium;
    h.italic = f.fontItalic();
    h.underline = f.fontUnderline();
    return h;
}

THtmlLinje::Align alignOf(Qt::Alignment a)
{
    const Qt::Alignment h = a & Qt::AlignHorizontal_Mask;
    if (h & Qt::AlignHCenter)
        return THtmlLinje::Center;
    if (h & (Qt::AlignRight | Qt::AlignTrailing))
        return THtmlLinje::Right;
    return THtmlLinje::Left;
}

QString sizeText(double size)
{
    return QString::number(std::round(size * 100) / 100, 'g', 6);
}

QString alignText(THtmlLinje::Align a)
{
    switch (a) {
    case THtmlLinje::Right:
        return QStringLiteral("; text-align: right; font-family: ");
    case THtmlLinje::Center:
        return QStringLiteral("; text-align: center; font-family: ");
    case THtmlLinje::Left:
        break;
    }
    return QStringLiteral("; text-align: left; font-family: ");
}

struct Style {
    bool b = false, i = false, u = false;
    bool operator==(const Style &) const = default;
};

// The converter's state while one text is written.
class Converter {
public:
    QStringList out;

    void run(const std::vector<THtmlLinje> &lines, const THtmlFremdrift &progress)
    {
        report(progress, 5);
        if (!lines.empty()) {
            const THtmlLinje &first = lines.front();
            const THtmlFormat &f = first.formatAt(0);
            openParagraph(first, f);
            openFont(f);
            styleChange(styleOf(f));
        }
        report(progress, 10);
        const int count = int(lines.size());
        for (int k = 0; k < count; ++k) {
            const THtmlLinje &line = lines[size_t(k)];
            // Each line end before a line is one break; there is none before the first.
            if (k > 0)
                ++m_breaks;
            if (!line.text.isEmpty()) {
                const THtmlFormat &f = line.formatAt(0);
                if (!m_divOpen || line.align != m_paraAlign || line.indent != m_paraIndent)
                    openParagraph(line, f);
                writeChars(line);
            }
            report(progress, k * 100 / count);
        }
        closeInline();
        flush();
        if (m_spanOpen)
            out << QStringLiteral("</span>");
        if (m_divOpen)
            out << QStringLiteral("</div>");
        report(progress, 100);
    }

private:
    static Style styleOf(const THtmlFormat &f) { return {f.bold, f.italic, f.underline}; }
    static void report(const THtmlFremdrift &p, int percent)
    {
        if (p)
            p(percent);
    }

    void writeChars(const THtmlLinje &line)
    {
        const QString &t = line.text;
        for (int i = 0; i < t.size(); ++i) {
            const THtmlFormat &f = line.formatAt(i);
            if (f.font != m_font || f.size != m_size || f.colour != m_colour)
                openFont(f);
            if (m_breaks > 0) {
                closeInline();
                flush();
                m_style = {};
            }
            if (styleOf(f) != m_style)
                styleChange(styleOf(f));
            char32_t ch = t[i].unicode();
            if (t[i].isHighSurrogate() && i + 1 < t.size() && t[i + 1].isLowSurrogate()) {
                ch = QChar::surrogateToUcs4(t[i], t[i + 1]);
                ++i;
            }
            append(ch);
        }
    }

    void append(char32_t ch)
    {
        switch (ch) {
        case u'<':
            m_pending += QStringLiteral("&lt;");
            return;
        case u'>':
            m_pending += QStringLiteral("&gt;");
            return;
        case u'&':
            m_pending += QStringLiteral("&amp;");
            return;
        case u'\t':
            m_pending += u'\t';
            return;
        case 0xFFFC:  // an embedded object has no text
            return;
        default:
            break;
        }
        if (ch < 0x20 || (ch >= 0xD800 && ch < 0xE000))
            return;
        if (Cp1252::byteFor(ch) < 0 || (ch >= 0x80 && ch < 0xA0))
            m_pending += QStringLiteral("&#%1;").arg(uint(ch));
        else
            m_pending += QChar(char16_t(ch));
    }

    void styleChange(Style s)
    {
        closeInline();
        if (s.b)
            m_pending += QStringLiteral("<b>");
        if (s.i)
            m_pending += QStringLiteral("<i>");
        if (s.u)
            m_pending += QStringLiteral("<u>");
        m_style = s;
    }

    void closeInline()
    {
        if (m_style.u)
            m_pending += QStringLiteral("</u>");
        if (m_style.i)
            m_pending += QStringLiteral("</i>");
        if (m_style.b)
            m_pending += QStringLiteral("</b>");
        m_style = {};
    }

    // Writes the pending text as one line. The text after a line end starts
    // a line, where a leading blank would vanish in the browser.
    void flush()
    {
        const bool breaks = m_breaks > 0;
        for (; m_breaks > 0; --m_breaks)
            m_pending += QStringLiteral("<br>");
        if (m_pending.isEmpty())
            return;
        QString &t = m_pending;
        if (m_lineStart) {
            // Tags written before the blank do not count.
            int i = 0;
            while (i < t.size() && t[i] == u'<') {
                const int close = int(t.indexOf(u'>', i));
                if (close < 0)
                    break;
                i = close + 1;
            }
            if (i < t.size() && t[i] == u' ')
                t.replace(i, 1, QStringLiteral("&nbsp;"));
        }
        QString done;
        done.reserve(t.size() + 16);
        int run = 0;
        for (QChar c : t) {
            if (c == u' ') {
                done += run % 2 == 1 ? QStringLiteral("&nbsp;") : QStringLiteral(" ");
                ++run;
            } else {
                done += c;
                run = 0;
            }
        }
        out << done;
        t.clear();
        m_lineStart = breaks;
    }

    void openParagraph(const THtmlLinje &line, const THtmlFormat &f)
    {
        closeInline();
        flush();
        if (m_spanOpen) {
            out << QStringLiteral("</span>");
            m_spanOpen = false;
        }
        if (m_divOpen)
            out << QStringLiteral("</div>");
        out << QStringLiteral("<div style=\"margin-left: ") + QString::number(line.indent) + alignText(line.align)
                   + u'\'' + f.font + u'\'' + QStringLiteral("; font-size: ") + sizeText(f.size)
                   + QStringLiteral("pt; color: ") + Tinfotag::GetColor(f.colour) + QStringLiteral(";\">");
        m_divOpen = true;
        m_lineStart = true;
        m_paraAlign = line.align;
        m_paraIndent = line.indent;
        m_paraFont = m_font = f.font;
        m_paraSize = m_size = f.size;
        m_paraColour = m_colour = f.colour;
    }

    void openFont(const THtmlFormat &f)
    {
        closeInline();
        flush();
        if (m_spanOpen) {
            out << QStringLiteral("</span>");
            m_spanOpen = false;
        }
        QString style;
        if (f.font != m_paraFont)
            style += QStringLiteral("font-family: '") + f.font + QStringLiteral("';");
        if (f.size != m_paraSize)
            style += QStringLiteral("font-size: ") + sizeText(f.size) + QStringLiteral("pt;");
        if (f.colour != m_paraColour)
            style += QStringLiteral("color: ") + Tinfotag::GetColor(f.colour) + u';';
        if (!style.isEmpty()) {
            out << QStringLiteral("<span style=\"") + style + QStringLiteral("\">");
            m_spanOpen = true;
        }
        m_font = f.font;
        m_size = f.size;
        m_colour = f.colour;
    }

    QString m_pending;
    int m_breaks = 0;
    bool m_lineStart = true;
    bool m_divOpen = false;
    bool m_spanOpen = false;
    Style m_style;
    THtmlLinje::Align m_paraAlign = THtmlLinje::Left;
    int m_paraIndent = 0;
    QString m_paraFont, m_font;
    double m_paraSize = 0, m_size = 0;
    QColor m_paraColour, m_colour;
};

} // namespace

const THtmlFormat &THtmlLinje::formatAt(int i) const
{
    static const THtmlFormat none;
    for (const Run &r : runs)
        if (i < r.end)
            return r.format;
    return runs.empty() ? none : runs.back().format;
}

std::vector<THtmlLinje> htmlLinjerFraTekst(const QString &text, const QString &fontName, double fontSize)
{
    THtmlFormat f;
    f.font = fontName;
    f.size = fontSize;
    std::vector<THtmlLinje> lines;
    const QStringList split = text.isEmpty() ? QStringList() : TextFile::splitLines(text);
    lines.reserve(size_t(split.size()));
    for (const QString &s : split) {
        THtmlLinje l;
        l.text = s;
        l.runs.push_back({int(s.size()), f});
        lines.push_back(std::move(l));
    }
    return lines;
}

std::vector<THtmlLinje> htmlLinjerFraDokument(const QTextDocument &doc)
{
    std::vector<THtmlLinje> lines;
    const QFont fallback = doc.defaultFont();
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const QTextBlockFormat bf = b.blockFormat();
        THtmlLinje proto;
        proto.align = alignOf(bf.alignment());
        proto.indent = std::max(0, int(std::lround(bf.leftMargin() + bf.textIndent())));
        THtmlLinje cur = proto;
        auto endLine = [&] {
            if (cur.runs.empty())
                cur.runs.push_back({0, formatOf(b.charFormat(), fallback)});
            lines.push_back(std::move(cur));
            cur = proto;
        };
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment frag = it.fragment();
            const THtmlFormat f = formatOf(frag.charFormat(), fallback);
            const QString text = frag.text();
            // A soft line break inside the paragraph ends a logical line too.
            const QStringList parts = text.split(QChar::LineSeparator);
            for (int p = 0; p < parts.size(); ++p) {
                if (p > 0)
                    endLine();
                if (parts[p].isEmpty())
                    continue;
                cur.text += parts[p];
                if (!cur.runs.empty() && cur.runs.back().format == f)
                    cur.runs.back().end = int(cur.text.size());
                else
                    cur.runs.push_back({int(cur.text.size()), f});
            }
        }
        endLine();
    }
    // A document's last paragraph mark makes no line of its own.
    if (lines.size() == 1 && lines.front().text.isEmpty())
        lines.clear();
    return lines;
}

QStringList RTF_HTML(const std::vector<THtmlLinje> &linjer, const THtmlFremdrift &fremdrift)
{
    Converter c;
    c.run(linjer, fremdrift);
    return c.out;
}

TRtfHtmlResultat RTF_HTML(const QString &sourceFilename, const QString &fontName, double fontSize,
                          const THtmlFremdrift &fremdrift)
{
    TRtfHtmlResultat r;
    QByteArray bytes;
    if (!TextFile::readBytes(sourceFilename, bytes, &r.fejl))
        return r;
    if (looksLikeRtf(bytes)) {
        QTextDocument doc;
        const RtfReadResult read = readRtf(bytes, &doc);
        if (!read.readable) {
            r.fejl = read.error;
            return r;
        }
        r.linjer = RTF_HTML(htmlLinjerFraDokument(doc), fremdrift);
    } else {
        r.linjer = RTF_HTML(htmlLinjerFraTekst(TextFile::decodeDocument(bytes).text, fontName, fontSize), fremdrift);
    }
    r.ok = true;
    return r;
}

QString udskiftSpecialtegn(const QString &text)
{
    QString s = text;
    s.replace(u'<', QStringLiteral("&lt;"));
    s.replace(u'>', QStringLiteral("&gt;"));
    return s;
}

QString gendanSpecialtegn(const QString &text)
{
    QString s = text;
    s.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    s.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    return s;
}

} // namespace taglund
