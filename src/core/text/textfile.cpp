#include "core/text/textfile.h"
#include "core/text/cp1252.h"
#include "core/text/filefacts.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace taglund {

namespace {

bool startsWith(QByteArrayView b, std::initializer_list<unsigned char> mark)
{
    if (b.size() < qsizetype(mark.size()))
        return false;
    qsizetype i = 0;
    for (unsigned char m : mark)
        if (static_cast<unsigned char>(b[i++]) != m)
            return false;
    return true;
}

QString fromUtf16(QByteArrayView b, bool littleEndian)
{
    QString s;
    const qsizetype n = b.size() / 2;
    s.resize(n);
    for (qsizetype i = 0; i < n; ++i) {
        auto lo = static_cast<unsigned char>(b[2 * i + (littleEndian ? 0 : 1)]);
        auto hi = static_cast<unsigned char>(b[2 * i + (littleEndian ? 1 : 0)]);
        s[i] = QChar(char16_t(lo | (hi << 8)));
    }
    return s;
}

QByteArray toUtf16(const QString &s, bool littleEndian)
{
    QByteArray b;
    b.reserve(s.size() * 2 + 2);
    auto put = [&](char16_t c) {
        if (littleEndian) {
            b.append(char(c & 0xFF));
            b.append(char(c >> 8));
        } else {
            b.append(char(c >> 8));
            b.append(char(c & 0xFF));
        }
    };
    put(0xFEFF);
    for (QChar c : s)
        put(c.unicode());
    return b;
}

bool isValidUtf8WithNonAscii(QByteArrayView b)
{
    const auto *p = reinterpret_cast<const unsigned char *>(b.constData());
    const qsizetype n = b.size();
    qsizetype i = 0;
    while (i < n && p[i] < 0x80)
        ++i;
    if (i == n)
        return false;   // plain ASCII reads the same either way
    return b.sliced(i).isValidUtf8();
}

} // namespace

namespace TextFile {

qsizetype textStartFor(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8Bom:
        return 3;
    case TextEncoding::Utf16LE:
    case TextEncoding::Utf16BE:
        return 2;
    case TextEncoding::Cp1252:
    case TextEncoding::Utf8:
        break;
    }
    return 0;
}

QString decodeText(QByteArrayView text, TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Cp1252:
        return Cp1252::decode(text);
    case TextEncoding::Utf8:
    case TextEncoding::Utf8Bom:
        return QString::fromUtf8(text);
    case TextEncoding::Utf16LE:
        return fromUtf16(text, true);
    case TextEncoding::Utf16BE:
        return fromUtf16(text, false);
    }
    return Cp1252::decode(text);
}

namespace {
TextEncoding markedEncodingOf(QByteArrayView bytes)
{
    if (startsWith(bytes, {0xEF, 0xBB, 0xBF}))
        return TextEncoding::Utf8Bom;
    if (startsWith(bytes, {0xFF, 0xFE}))
        return TextEncoding::Utf16LE;
    if (startsWith(bytes, {0xFE, 0xFF}))
        return TextEncoding::Utf16BE;
    return TextEncoding::Cp1252;
}

DecodedText decodeAs(QByteArrayView bytes, TextEncoding encoding)
{
    const qsizetype start = std::min(bytes.size(), textStartFor(encoding));
    return {decodeText(bytes.sliced(start), encoding), encoding};
}
} // namespace

DecodedText decodeSettings(const QByteArray &bytes)
{
    return decodeAs(bytes, markedEncodingOf(bytes));
}

TextEncoding documentEncodingOf(QByteArrayView bytes)
{
    const TextEncoding marked = markedEncodingOf(bytes);
    if (marked == TextEncoding::Cp1252 && isValidUtf8WithNonAscii(bytes))
        return TextEncoding::Utf8;
    return marked;
}

DecodedText decodeDocument(const QByteArray &bytes)
{
    return decodeAs(bytes, documentEncodingOf(bytes));
}

QByteArray encode(const QString &text, TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Cp1252:
        return Cp1252::encode(text);
    case TextEncoding::Utf8:
        return text.toUtf8();
    case TextEncoding::Utf8Bom:
        return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    case TextEncoding::Utf16LE:
        return toUtf16(text, true);
    case TextEncoding::Utf16BE:
        return toUtf16(text, false);
    }
    return Cp1252::encode(text);
}

TextEncoding encodingForSave(const QString &text, TextEncoding readAs)
{
    if (readAs == TextEncoding::Cp1252 && !Cp1252::canEncode(text))
        return TextEncoding::Utf8Bom;
    return readAs;
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            lines.append(text.mid(start, i - start));
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

QString toCrLf(const QString &text)
{
    QString out;
    out.reserve(text.size() + text.size() / 16);
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        QChar c = text[i];
        if (c == u'\r') {
            out += QStringLiteral("\r\n");
            if (i + 1 < n && text[i + 1] == u'\n')
                ++i;
        } else if (c == u'\n') {
            out += QStringLiteral("\r\n");
        } else {
            out += c;
        }
    }
    return out;
}

void LineEndCount::add(QStringView text)
{
    const char16_t *p = text.utf16();
    const char16_t *const end = p + text.size();
    for (; p < end; ++p) {
        if (*p > u'\r')
            continue;
        if (*p == u'\r') {
            if (p + 1 < end && p[1] == u'\n') {
                ++crlf;
                ++p;
            } else {
                ++cr;
            }
        } else if (*p == u'\n') {
            ++lf;
        }
    }
}

LineEnd LineEndCount::style() const
{
    if (lf > crlf && lf >= cr)
        return LineEnd::Lf;
    if (cr > crlf && cr > lf)
        return LineEnd::Cr;
    return LineEnd::CrLf;
}

LineEnd lineEndOf(const QString &text)
{
    LineEndCount count;
    count.add(text);
    return count.style();
}

QString withLineEnd(const QString &crlfText, LineEnd style)
{
    if (style == LineEnd::CrLf)
        return crlfText;
    QString out = crlfText;
    out.replace(QStringLiteral("\r\n"), style == LineEnd::Lf ? QStringLiteral("\n") : QStringLiteral("\r"));
    return out;
}

bool readBytes(const QString &path, QByteArray &bytes, QString *error)
{
    return FileFacts::readWhole(path, bytes, error);
}

bool writeBytes(const QString &path, const QByteArray &bytes, QString *error)
{
    return FileFacts::writeWhole(path, bytes, error);
}

bool readLines(const QString &path, QStringList &lines, QString *error)
{
    QByteArray bytes;
    if (!readBytes(path, bytes, error))
        return false;
    lines = splitLines(decodeSettings(bytes).text);
    return true;
}

bool writeLines(const QString &path, const QStringList &lines, QString *error)
{
    QString text;
    for (const QString &l : lines) {
        text += l;
        text += QStringLiteral("\r\n");
    }
    // Windows-1252 keeps the files readable as they always were; a line it
    // cannot hold (a path like "Łódź.html") would come back as "?", so such
    // a file is written as UTF-8 with a mark, which reading honours.
    if (!Cp1252::canEncode(text))
        return writeBytes(path, encode(text, TextEncoding::Utf8Bom), error);
    return writeBytes(path, Cp1252::encode(text), error);
}

} // namespace TextFile

SettingsReader SettingsReader::fromFile(const QString &path)
{
    QStringList lines;
    if (!TextFile::readLines(path, lines)) {
        SettingsReader r({});
        r.m_ok = false;
        return r;
    }
    return SettingsReader(lines);
}

bool SettingsReader::text(QString &out)
{
    if (!m_ok || m_pos >= m_lines.size())
        return m_ok = false;
    out = m_lines[m_pos++];
    return true;
}

bool SettingsReader::number(int &out)
{
    if (!m_ok || m_pos >= m_lines.size())
        return m_ok = false;
    bool ok = false;
    int v = m_lines[m_pos].trimmed().toInt(&ok);
    if (!ok)
        return m_ok = false;
    ++m_pos;
    out = v;
    return true;
}

bool SettingsReader::flag(bool &out)
{
    int v = 0;
    if (!number(v))
        return false;
    out = v != 0;
    return true;
}

SettingsWriter &SettingsWriter::text(const QString &v)
{
    // A value is one line: a stray line break would shift every later value.
    QString one = v;
    one.replace(u'\r', u' ').replace(u'\n', u' ');
    m_lines.append(one);
    return *this;
}

SettingsWriter &SettingsWriter::number(int v)
{
    m_lines.append(QString::number(v));
    return *this;
}

SettingsWriter &SettingsWriter::flag(bool v)
{
    m_lines.append(v ? QStringLiteral("1") : QStringLiteral("0"));
    return *this;
}

bool SettingsWriter::save(const QString &path, QString *error) const
{
    return TextFile::writeLines(path, m_lines, error);
}

} // namespace taglund
