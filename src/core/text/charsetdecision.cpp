#include "core/text/charsetdecision.h"
#include "core/text/cp1252.h"
#include "core/text/doctext.h"

#include <QSet>
#include <algorithm>

namespace taglund {

namespace {

// Browsers look for a declaration in the first kilobyte; pages with a long
// comment or script before <head> still deserve theirs.
constexpr qsizetype kDeclarationReach = 16 * 1024;

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\f';
}

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'-' || c == u'_' || c == u'.' || c == u':';
}

bool matchesAt(QStringView text, qsizetype at, QStringView word)
{
    return at >= 0 && at + word.size() <= text.size()
           && text.mid(at, word.size()).compare(word, Qt::CaseInsensitive) == 0;
}

TCharsetDeclaration declarationAt(QStringView text, qsizetype from, qsizetype end)
{
    while (from < end && isBlank(text[from]))
        ++from;
    qsizetype to = from;
    while (to < end && isNameChar(text[to]))
        ++to;
    if (to == from)
        return {};
    return {text.mid(from, to - from).toString().toLower(), from, to - from};
}

// An attribute of a tag: its name and where its value stands.
struct Attribute {
    QStringView name;
    qsizetype valueAt = -1;
    qsizetype valueEnd = -1;
};

// Reads the attributes of the tag whose name ends at `pos`; returns the
// index after the closing ">" (or the end).
template <typename Visit>
qsizetype readAttributes(QStringView text, qsizetype pos, Visit visit)
{
    const qsizetype n = text.size();
    while (pos < n) {
        while (pos < n && (isBlank(text[pos]) || text[pos] == u'/'))
            ++pos;
        if (pos >= n || text[pos] == u'>')
            return pos + 1;
        Attribute a;
        const qsizetype nameAt = pos;
        while (pos < n && !isBlank(text[pos]) && text[pos] != u'=' && text[pos] != u'>' && text[pos] != u'/')
            ++pos;
        a.name = text.mid(nameAt, pos - nameAt);
        qsizetype look = pos;
        while (look < n && isBlank(text[look]))
            ++look;
        if (look < n && text[look] == u'=') {
            pos = look + 1;
            while (pos < n && isBlank(text[pos]))
                ++pos;
            if (pos < n && (text[pos] == u'"' || text[pos] == u'\'')) {
                const QChar quote = text[pos];
                a.valueAt = pos + 1;
                qsizetype close = text.indexOf(quote, a.valueAt);
                if (close < 0)
                    close = n;
                a.valueEnd = close;
                pos = close + 1;
            } else {
                a.valueAt = pos;
                while (pos < n && !isBlank(text[pos]) && text[pos] != u'>')
                    ++pos;
                a.valueEnd = pos;
            }
        }
        if (visit(a))
            return -1;
    }
    return n;
}

TCharsetDeclaration xmlDeclaration(QStringView text)
{
    qsizetype at = 0;
    if (!text.isEmpty() && text[0] == QChar(0xFEFF))
        at = 1;
    if (!matchesAt(text, at, u"<?xml"))
        return {};
    const qsizetype end = text.indexOf(u"?>", at);
    if (end < 0)
        return {};
    TCharsetDeclaration found;
    readAttributes(text.first(end), at + 5, [&](const Attribute &a) {
        if (a.valueAt >= 0 && a.name.compare(u"encoding", Qt::CaseInsensitive) == 0) {
            found = declarationAt(text, a.valueAt, a.valueEnd);
            return true;
        }
        return false;
    });
    return found;
}

TCharsetDeclaration cssDeclaration(QStringView text)
{
    qsizetype at = 0;
    if (!text.isEmpty() && text[0] == QChar(0xFEFF))
        at = 1;
    // Only at the very start, written exactly so, does the rule count.
    if (!text.mid(at).startsWith(u"@charset \""))
        return {};
    const qsizetype from = at + 10;
    const qsizetype close = text.indexOf(u'"', from);
    if (close < 0)
        return {};
    return declarationAt(text, from, close);
}

TCharsetDeclaration metaDeclaration(QStringView text)
{
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (text[i] != u'<')
            continue;
        if (matchesAt(text, i, u"<!--")) {
            // A commented-out declaration declares nothing.
            const qsizetype close = text.indexOf(u"-->", i + 4);
            if (close < 0)
                return {};
            i = close + 2;
            continue;
        }
        if (!matchesAt(text, i + 1, u"meta") || i + 5 >= n
            || !(isBlank(text[i + 5]) || text[i + 5] == u'/' || text[i + 5] == u'>'))
            continue;
        TCharsetDeclaration found;
        const qsizetype next = readAttributes(text, i + 5, [&](const Attribute &a) {
            if (a.valueAt < 0)
                return false;
            if (a.name.compare(u"charset", Qt::CaseInsensitive) == 0) {
                found = declarationAt(text, a.valueAt, a.valueEnd);
                return found.found();
            }
            if (a.name.compare(u"content", Qt::CaseInsensitive) == 0) {
                const QStringView value = text.mid(a.valueAt, a.valueEnd - a.valueAt);
                const qsizetype c = value.indexOf(u"charset", 0, Qt::CaseInsensitive);
                if (c < 0)
                    return false;
                qsizetype p = c + 7;
                while (p < value.size() && isBlank(value[p]))
                    ++p;
                if (p >= value.size() || value[p] != u'=')
                    return false;
                ++p;
                while (p < value.size() && (isBlank(value[p]) || value[p] == u'"' || value[p] == u'\''))
                    ++p;
                found = declarationAt(text, a.valueAt + p, a.valueEnd);
                return found.found();
            }
            return false;
        });
        if (found.found())
            return found;
        if (next < 0 || next >= n)
            return {};
        i = next - 1;
    }
    return {};
}

} // namespace

TCharsetKind charsetKindFor(const QString &ext)
{
    static const QSet<QString> pages = {".html", ".htm", ".asp", ".inc", ".asa", ".shtml", ".xhtml", ".php", ".hta"};
    static const QSet<QString> xml = {".xml", ".wsf", ".svg", ".xsl", ".xslt", ".rss"};
    const QString e = ext.toLower();
    if (pages.contains(e))
        return TCharsetKind::Html;
    if (e == u".css")
        return TCharsetKind::Css;
    if (xml.contains(e))
        return TCharsetKind::Xml;
    return TCharsetKind::None;
}

TCharsetDeclaration findCharsetDeclaration(QStringView text, TCharsetKind kind)
{
    text = text.first(std::min(text.size(), kDeclarationReach));
    switch (kind) {
    case TCharsetKind::Html: {
        const TCharsetDeclaration x = xmlDeclaration(text);
        return x.found() ? x : metaDeclaration(text);
    }
    case TCharsetKind::Css:
        return cssDeclaration(text);
    case TCharsetKind::Xml:
        return xmlDeclaration(text);
    case TCharsetKind::None:
        break;
    }
    return {};
}

bool encodingForCharset(const QString &name, TextEncoding *out)
{
    static const QSet<QString> utf8 = {"utf-8", "utf8", "unicode-1-1-utf-8"};
    static const QSet<QString> cp1252 = {"windows-1252", "cp1252", "x-cp1252", "iso-8859-1", "iso8859-1",
                                         "iso_8859-1", "latin1", "l1", "us-ascii", "ascii", "ansi_x3.4-1968"};
    const QString n = name.trimmed().toLower();
    TextEncoding e;
    if (utf8.contains(n))
        e = TextEncoding::Utf8;
    else if (cp1252.contains(n))
        e = TextEncoding::Cp1252;
    else
        return false;
    if (out)
        *out = e;
    return true;
}

TCharsetDecision decideCharset(const QString &declared, const QString &text, TextEncoding readAs)
{
    const bool marked = readAs == TextEncoding::Utf8Bom || readAs == TextEncoding::Utf16LE
                        || readAs == TextEncoding::Utf16BE;
    TextEncoding wanted;
    if (marked || !encodingForCharset(declared, &wanted))
        return {TextFile::encodingForSave(text, readAs), false, false};
    if (wanted == TextEncoding::Cp1252)
        return {wanted, true, !Cp1252::canEncode(text)};
    return {wanted, true, false};
}

TCharsetDecision decideDocumentCharset(const QString &text, const QString &ext, TextEncoding readAs)
{
    return decideCharset(findCharsetDeclaration(text, charsetKindFor(ext)).name, text, readAs);
}

TextEncoding declaredDocumentEncoding(QByteArrayView bytes, const QString &ext)
{
    const TextEncoding plain = TextFile::documentEncodingOf(bytes);
    const bool marked = plain == TextEncoding::Utf8Bom || plain == TextEncoding::Utf16LE
                        || plain == TextEncoding::Utf16BE;
    const TCharsetKind kind = charsetKindFor(ext);
    if (marked || kind == TCharsetKind::None)
        return plain;
    // Declarations are ASCII, so the bytes read as Latin-1 show them at the
    // same places whatever the real encoding.
    const QString head = QString::fromLatin1(bytes.first(std::min(bytes.size(), kDeclarationReach)));
    TextEncoding wanted;
    if (!encodingForCharset(findCharsetDeclaration(head, kind).name, &wanted) || wanted == plain)
        return plain;
    if (wanted == TextEncoding::Cp1252)
        return TextEncoding::Cp1252;
    if (bytes.isValidUtf8())
        return TextEncoding::Utf8;
    return plain;
}

DecodedText decodeDeclaredDocument(const QByteArray &bytes, const QString &ext)
{
    const TextEncoding encoding = declaredDocumentEncoding(bytes, ext);
    const qsizetype start = std::min(bytes.size(), TextFile::textStartFor(encoding));
    return {TextFile::decodeText(QByteArrayView(bytes).sliced(start), encoding), encoding};
}

std::vector<TCharsetEdit> characterReferenceEdits(const QString &crlfText)
{
    std::vector<TCharsetEdit> edits;
    int breaks = 0;
    const qsizetype n = crlfText.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = crlfText[i];
        if (c == u'\r' && i + 1 < n && crlfText[i + 1] == u'\n') {
            ++breaks;
            continue;
        }
        char32_t code = c.unicode();
        int length = 1;
        if (c.isHighSurrogate() && i + 1 < n && crlfText[i + 1].isLowSurrogate()) {
            code = QChar::surrogateToUcs4(c, crlfText[i + 1]);
            length = 2;
        }
        if (Cp1252::byteFor(code) < 0)
            edits.push_back({int(i) - breaks, length, QStringLiteral("&#%1;").arg(quint32(code))});
        i += length - 1;
    }
    std::reverse(edits.begin(), edits.end());
    return edits;
}

namespace {

void applyEdits(TDocText &doc, const std::vector<TCharsetEdit> &edits)
{
    int caret = doc.SelStart();
    int shift = 0;
    for (const TCharsetEdit &e : edits) {
        doc.setSelStart(e.pos);
        doc.setSelLength(e.length);
        doc.setSelText(e.text);
        if (e.pos < caret)
            shift += int(e.text.size()) - e.length;
    }
    doc.setSelStart(caret + shift);
}

QString firstUnheld(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t code = text[i].unicode();
        int length = 1;
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            code = QChar::surrogateToUcs4(text[i], text[i + 1]);
            length = 2;
        }
        if (Cp1252::byteFor(code) < 0)
            return text.mid(i, length);
        i += length - 1;
    }
    return QString();
}

} // namespace

bool settleDeclaredCharset(TDocText &doc, const QString &ext, TextEncoding readAs,
                           const std::function<bool(const QString &question)> &ask)
{
    const QString text = doc.Text();
    const TCharsetKind kind = charsetKindFor(ext);
    const TCharsetDeclaration decl = findCharsetDeclaration(text, kind);
    if (!decideCharset(decl.name, text, readAs).ask)
        return true;
    const QString why = QStringLiteral("Dokumentet erklærer tegnsættet %1, som ikke kan rumme alle dets tegn "
                                       "(for eksempel %2).\r")
                            .arg(decl.name, firstUnheld(text));
    if (kind == TCharsetKind::Html
        && ask(why + QStringLiteral("Skal de tegn skrives som tegnreferencer (&#N;)?"))) {
        applyEdits(doc, characterReferenceEdits(text));
        return true;
    }
    const QString utf8Question = QStringLiteral("Skal dokumentet gemmes som UTF-8, og erklæringen ændres til utf-8?");
    if (!ask(kind == TCharsetKind::Html ? utf8Question : why + utf8Question))
        return false;
    const int at = doc.CaretFromTextIndex(int(decl.at));
    applyEdits(doc, {{at, int(decl.length), QStringLiteral("utf-8")}});
    return true;
}

} // namespace taglund
