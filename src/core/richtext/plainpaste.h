#pragma once
#include <QFont>

class QPlainTextEdit;
class QTextEdit;

namespace taglund {

// "Indsæt fra hjemmeside": the clipboard goes through a hidden plain-text
// editor in the document font, is copied back to the clipboard as plain
// text, and is then pasted into the document, so a web page's markup never
// reaches a rich document. The clipboard keeps the plain text afterwards.
void pasteFromWebPage(QTextEdit *editor, const QFont &documentFont);
void pasteFromWebPage(QPlainTextEdit *editor, const QFont &documentFont);

} // namespace taglund
