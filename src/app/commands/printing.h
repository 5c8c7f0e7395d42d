#pragma once
#include "core/model/commandtext.h"

#include <QString>

class QPrinter;
class QTextDocument;

namespace taglund::Printing {

inline const QString PrintFailedMessage = QStringLiteral("Dokumentet kunne ikke udskrives.");

// Prints a copy of the document inside the margins of `settings` (measured
// from the paper's edges), wrapping long lines and breaking pages between
// lines, in black on white whatever the screen's style. A printer receives
// one job per copy, each with an empty title, and pending window events are
// handled after each; a printer that writes a file gets every copy in that
// one file. False with a Danish text in `error` when nothing could be printed.
bool printDocument(const QTextDocument &source, QPrinter &printer, const CommandText::TPrintSettings &settings,
                   QString *error = nullptr);

// Prints the document as a PDF file on A4 paper. The file is written beside
// its final name and only then takes that name, so a failure leaves any
// earlier file of that name as it was.
bool printToPdf(const QTextDocument &source, const QString &path, const CommandText::TPrintSettings &settings,
                QString *error = nullptr);

} // namespace taglund::Printing
