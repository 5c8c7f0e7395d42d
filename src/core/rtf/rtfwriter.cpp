#include "core/rtf/rtfwriter.h"

#include "core/rtf/rtfreader.h"
#include "core/text/cp1252.h"
#include "core/text/textfile.h"

#include <QHash>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>
#include <algorithm>
#include <cmath>

namespace taglund {

namespace {

bool isBulletStyle(QTextListFormat::Style s)
{
    return s == QTextListFormat::ListDisc || s == QTextListFormat::ListCircle || s == QTextListFormat::ListSquare;
}

const char *numberingWord(QTextListFormat::Style s)
{
    switch (s) {
    case QTextListFormat::ListLowerAlpha: return "\\pnlcltr";
    case QTextListFormat::ListUpperAlpha: return "\\pnucltr";
    case QTextListFormat::ListLowerRoman: return "\\pnlcrm";
    case QTextListFormat::ListUpperRoman: return "\\pnucrm";
    default: return "\\pndec";
    }
}

int twips(double pixels)
{
    return int(std::lround(pixels * twipsPerPixel));
}

class Writer {
public:
    explicit Writer(const QTextDocument *doc) : m_doc(doc) {}
    QByteArray run();

private:
    QString family(const QTextCharFormat &f) const;
    double pointSize(const QTextCharFormat &f) const;
    int fontIndex(const QString &name);
    int colorIndex(const QBrush &brush);
    void collect();
    void header();
    void paragraph(const QTextBlock &b, bool last);
    void listMarker(const QTextBlock &b, QTextList *list);
    void charProps(const QTextCharFormat &f);
    void text(const QString &s);
    void word(const char *w) { m_out += w; }
    void word(const char *w, int n)
    {
        m_out += w;
        m_out += QByteArray::number(n);
    }

    const QTextDocument *m_doc;
    QByteArray m_out;
    QStringList m_fonts;
    QHash<QString, int> m_fontIndex;
    QList<QColor> m_colors;
    QHash<QRgb, int> m_colorIndex;
    int m_symbolFont = -1;
};

QString Writer::family(const QTextCharFormat &f) const
{
    const QStringList families = f.fontFamilies().toStringList();
    if (!families.isEmpty() && !families.first().isEmpty())
        return families.first();
    return m_doc->defaultFont().family();
}

double Writer::pointSize(const QTextCharFormat &f) const
{
    if (f.hasProperty(QTextFormat::FontPointSize) && f.fontPointSize() > 0)
        return f.fontPointSize();
    if (f.hasProperty(QTextFormat::FontPixelSize) && f.intProperty(QTextFormat::FontPixelSize) > 0)
        return f.intProperty(QTextFormat::FontPixelSize) * 0.75;
    const double p = m_doc->defaultFont().pointSizeF();
    if (p > 0)
        return p;
    const int px = m_doc->defaultFont().pixelSize();
    return px > 0 ? px * 0.75 : 12.0;
}

int Writer::fontIndex(const QString &name)
{
    auto it = m_fontIndex.constFind(name);
    if (it != m_fontIndex.constEnd())
        return *it;
    const int idx = int(m_fonts.size());
    m_fonts.append(name);
    m_fontIndex.insert(name, idx);
    return idx;
}

int Writer::colorIndex(const QBrush &brush)
{
    if (brush.style() == Qt::NoBrush)
        return 0;
    const QRgb rgb = brush.color().rgb();
    auto it = m_colorIndex.constFind(rgb);
    if (it != m_colorIndex.constEnd())
        return *it;
    m_colors.append(brush.color());
    const int idx = int(m_colors.size());  // index 0 is "automatic"
    m_colorIndex.insert(rgb, idx);
    return idx;
}

void Writer::collect()
{
    fontIndex(m_doc->defaultFont().family());
    bool bullets = false;
    for (QTextBlock b = m_doc->begin(); b.isValid(); b = b.next()) {
        fontIndex(family(b.charFormat()));
        colorIndex(b.charFormat().foreground());
        colorIndex(b.charFormat().background());
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            fontIndex(family(f));
            colorIndex(f.foreground());
            colorIndex(f.background());
        }
        if (QTextList *l = b.textList(); l && isBulletStyle(l->format().style()))
            bullets = true;
    }
    if (bullets)
        m_symbolFont = fontIndex(QStringLiteral("Symbol"));
}

void Writer::header()
{
    m_out += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n{\\fonttbl";
    for (int i = 0; i < m_fonts.size(); ++i) {
        word("{\\f", i);
        word(i == m_symbolFont ? "\\ftech\\fcharset2 " : "\\fnil\\fcharset0 ");
        text(QString(m_fonts[i]).remove(u';'));
        m_out += ";}";
    }
    m_out += "}\r\n{\\colortbl ;";
    for (const QColor &c : m_colors) {
        word("\\red", c.red());
        word("\\green", c.green());
        word("\\blue", c.blue());
        m_out += ';';
    }
    m_out += "}\r\n\\viewkind4\r\n";
}

void Writer::charProps(const QTextCharFormat &f)
{
    word("\\f", fontIndex(family(f)));
    word("\\fs", std::max(2, int(std::lround(pointSize(f) * 2))));
    if (f.fontWeight() >= QFont::DemiBold)
        word("\\b");
    if (f.fontItalic())
        word("\\i");
    if (f.fontUnderline())
        word("\\ul");
    if (f.fontStrikeOut())
        word("\\strike");
    if (int c = colorIndex(f.foreground()))
        word("\\cf", c);
    if (int c = colorIndex(f.background()))
        word("\\highlight", c);
    if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        word("\\super");
    else if (f.verticalAlignment() == QTextCharFormat::AlignSubScript)
        word("\\sub");
    m_out += ' ';
}

void Writer::text(const QString &s)
{
    static const char hex[] = "0123456789abcdef";
    for (QChar qc : s) {
        const char16_t c = qc.unicode();
        if (c == u'\\' || c == u'{' || c == u'}') {
            m_out += '\\';
            m_out += char(c);
        } else if (c == u'\t') {
            m_out += "\\tab ";
        } else if (c == 0x2028 || c == 0x2029) {
            m_out += "\\line ";
        } else if (c < 0x20 || c == 0x7F || c == 0xFFFC) {
            // Control characters and object marks (images) have no RTF text form.
        } else if (c < 0x80) {
            m_out += char(c);
        } else if (int b = Cp1252::byteFor(c); b >= 0x80) {
            m_out += "\\'";
            m_out += hex[b >> 4];
            m_out += hex[b & 15];
        } else {
            // \uN takes a signed 16-bit number; '?' is what readers without
            // Unicode show instead.
            word("\\u", int(int16_t(c)));
            m_out += '?';
        }
    }
}

void Writer::listMarker(const QTextBlock &b, QTextList *list)
{
    const QTextListFormat lf = list->format();
    if (isBulletStyle(lf.style())) {
        word("{\\pntext\\f", m_symbolFont);
        m_out += "\\'b7\\tab}{\\*\\pn\\pnlvlblt";
        word("\\pnf", m_symbolFont);
        m_out += "\\pnindent0{\\pntxtb\\'b7}}";
        return;
    }
    const int f = fontIndex(family(b.charFormat()));
    word("{\\pntext\\f", f);
    m_out += ' ';
    text(list->itemText(b));
    m_out += "\\tab}{\\*\\pn\\pnlvlbody";
    word("\\pnf", f);
    word("\\pnindent0\\pnstart", 1);
    m_out += numberingWord(lf.style());
    m_out += "{\\pntxta .}}";
}

void Writer::paragraph(const QTextBlock &b, bool last)
{
    const QTextBlockFormat bf = b.blockFormat();
    word("\\pard");
    const Qt::Alignment a = bf.alignment() & Qt::AlignHorizontal_Mask;
    if (a & Qt::AlignJustify)
        word("\\qj");
    else if (a & Qt::AlignHCenter)
        word("\\qc");
    else if (a & Qt::AlignRight)
        word("\\qr");
    else
        word("\\ql");
    QTextList *list = b.textList();
    // Qt indents lists and HTML-indented blocks by whole steps besides the
    // margin; in RTF it is all left indent.
    int steps = bf.indent() + (list ? list->format().indent() : 0);
    const double left = bf.leftMargin() + steps * m_doc->indentWidth();
    if (int v = twips(bf.textIndent()))
        word("\\fi", v);
    if (int v = twips(left))
        word("\\li", v);
    if (int v = twips(bf.rightMargin()))
        word("\\ri", v);
    if (int v = twips(bf.topMargin()))
        word("\\sb", v);
    if (int v = twips(bf.bottomMargin()))
        word("\\sa", v);
    if (list)
        listMarker(b, list);
    // Runs start with '{', which ends the last control word: no delimiter.
    for (auto it = b.begin(); !it.atEnd(); ++it) {
        const QTextFragment fr = it.fragment();
        m_out += '{';
        charProps(fr.charFormat());
        text(fr.text());
        m_out += '}';
    }
    if (!last) {
        // The mark's own format gives an empty line its height.
        m_out += '{';
        charProps(b.charFormat());
        m_out += "\\par}";
    }
    m_out += "\r\n";
}

QByteArray Writer::run()
{
    collect();
    header();
    for (QTextBlock b = m_doc->begin(); b.isValid(); b = b.next())
        paragraph(b, !b.next().isValid());
    m_out += "}\r\n";
    return m_out;
}

} // namespace

QByteArray writeRtf(const QTextDocument *doc)
{
    Writer w(doc);
    return w.run();
}

bool saveRtfFile(const QString &path, const QTextDocument *doc, QString *error)
{
    return TextFile::writeBytes(path, writeRtf(doc), error);
}

} // namespace taglund
