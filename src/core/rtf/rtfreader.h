#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

class QTextDocument;

namespace taglund {

struct RtfReadResult {
    bool readable = false;  // the document now holds what the file holds
    bool damaged = false;   // the file was malformed; what could be read was read
    QString error;          // Danish message when nothing was readable
};

// Replaces the document's content with the RTF's text and formatting, in
// the standard Qt properties (QTextCharFormat font families, point size,
// weight, italic, underline, strike-out, foreground and background;
// QTextBlockFormat alignment, margins and text indent in pixels at 96 dpi,
// one pixel being 15 twips; list items in QTextLists). When nothing at all
// is readable the document is left as it was.
RtfReadResult readRtf(const QByteArray &bytes, QTextDocument *doc);

// A ".rtf" document: RTF when the bytes are RTF, otherwise their plain text
// (a renamed text file still opens, with nothing lost).
RtfReadResult readRichDocument(const QByteArray &bytes, QTextDocument *doc);

// readRichDocument in the shape of the document window's reader hook: true
// when the document holds the file, else false with the message in *error.
bool readRichText(const QByteArray &bytes, QTextDocument *doc, QString *error);

// The same for a file; a file that cannot be read gives the system's error text.
RtfReadResult loadRtfFile(const QString &path, QTextDocument *doc);

// What an RTF holds that the reader does not keep, so a save would drop it:
// "billeder" (pictures, objects, drawings) and "tabeller" (tables), in that
// order; empty when nothing is lost.
QStringList rtfLostOnSave(const QByteArray &bytes);

// Pixels on a QTextBlockFormat and twips in RTF: 1440 twips an inch, 96 pixels an inch.
constexpr double twipsPerPixel = 15.0;

} // namespace taglund
