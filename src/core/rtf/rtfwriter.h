#pragma once
#include <QByteArray>
#include <QString>

class QTextDocument;

namespace taglund {

// The document as RTF that word processors open with the same text, fonts,
// sizes, colours, bold/italic/underline/strike-out, alignment, indents,
// spacing and bullets, and that readRtf reads back to the same document.
// Pure 7-bit output: \'hh for Windows-1252 characters, \uN? for the rest.
QByteArray writeRtf(const QTextDocument *doc);

// Writes the file whole through a temporary file, so a failed write leaves
// the old file as it was; false with the system's error text.
bool saveRtfFile(const QString &path, const QTextDocument *doc, QString *error = nullptr);

} // namespace taglund
