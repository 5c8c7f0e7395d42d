#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace taglund {

// How a text file's bytes are turned into characters. Settings files are
// always written as Cp1252; documents keep the encoding they were read in.
enum class TextEncoding { Cp1252, Utf8, Utf8Bom, Utf16LE, Utf16BE };

// How a document's file ends its lines. New documents and settings files
// use CR LF; a document read from a file keeps the style it was written in.
enum class LineEnd { CrLf, Lf, Cr };

struct DecodedText {
    QString text;          // line breaks as found in the file
    TextEncoding encoding = TextEncoding::Cp1252;
};

namespace TextFile {

// Decoding honours a UTF-8 or UTF-16 byte-order mark; without one the bytes
// are Windows-1252.
DecodedText decodeSettings(const QByteArray &bytes);
// Documents: as settings, except that bytes without a mark which are valid
// UTF-8 and hold non-ASCII characters are read as UTF-8 (no character lost).
DecodedText decodeDocument(const QByteArray &bytes);
// The encoding decodeDocument reads the bytes in, without decoding them.
TextEncoding documentEncodingOf(QByteArrayView bytes);
// Where the text starts after the byte-order mark the encoding implies.
qsizetype textStartFor(TextEncoding encoding);
// Bytes after the mark, as characters; UTF-16 takes whole units only.
QString decodeText(QByteArrayView text, TextEncoding encoding);
QByteArray encode(const QString &text, TextEncoding encoding);
// The encoding a document is written in: the one it was read in, unless
// Windows-1252 cannot hold its text, in which case UTF-8 with a mark.
TextEncoding encodingForSave(const QString &text, TextEncoding readAs);

// Splits on CR LF, LF or lone CR. A final line break does not make an empty last line.
QStringList splitLines(const QString &text);
// Every line break as CR LF.
QString toCrLf(const QString &text);
// The style most of the text's line breaks use; CR LF when it has none.
LineEnd lineEndOf(const QString &text);
// The same counted piece by piece; a piece must not end between CR and LF.
struct LineEndCount {
    qsizetype crlf = 0, lf = 0, cr = 0;
    void add(QStringView text);
    LineEnd style() const;
};
// A text whose line breaks are CR LF, with them written in the given style.
QString withLineEnd(const QString &crlfText, LineEnd style);

// Reads the whole file. False with the system's error text when it cannot be
// read; a pipe, a device or a folder is refused without being opened.
bool readBytes(const QString &path, QByteArray &bytes, QString *error = nullptr);
// Writes the whole file through a temporary file and an atomic rename, so a
// failed write (full disk, read-only folder) leaves the old file as it was.
// The file keeps its owner, group and permissions; a file with several names
// (hard links) is written in place so that every name sees the new text.
bool writeBytes(const QString &path, const QByteArray &bytes, QString *error = nullptr);

// Settings and list files: whole file, one value per line.
bool readLines(const QString &path, QStringList &lines, QString *error = nullptr);
// Lines joined by CR LF, each line ended by CR LF, Windows-1252 without a
// mark; UTF-8 with a mark when a line holds a character Windows-1252 lacks.
bool writeLines(const QString &path, const QStringList &lines, QString *error = nullptr);

} // namespace TextFile

// Reads a settings file value by value in its fixed order. The first missing
// line or non-numeric number line makes it fail, and it stays failed: callers
// keep what they read before that point.
class SettingsReader {
public:
    explicit SettingsReader(QStringList lines) : m_lines(std::move(lines)) {}
    static SettingsReader fromFile(const QString &path);

    bool text(QString &out);
    bool number(int &out);
    bool flag(bool &out);   // any non-zero number is yes
    bool ok() const { return m_ok; }
    int position() const { return m_pos; }
    bool atEnd() const { return m_pos >= m_lines.size(); }

private:
    QStringList m_lines;
    int m_pos = 0;
    bool m_ok = true;
};

class SettingsWriter {
public:
    SettingsWriter &text(const QString &v);
    SettingsWriter &number(int v);
    SettingsWriter &flag(bool v);
    const QStringList &lines() const { return m_lines; }
    bool save(const QString &path, QString *error = nullptr) const;

private:
    QStringList m_lines;
};

} // namespace taglund
