#include "core/richtext/plainpaste.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace taglund {

namespace {

void makeClipboardPlain(const QFont &documentFont)
{
    QPlainTextEdit scratch;
    scratch.setFont(documentFont);
    scratch.paste();
    if (scratch.document()->isEmpty())
        return;
    // Copying from the scratch editor would put HTML on the clipboard again;
    // its plain text alone is what goes back.
    QGuiApplication::clipboard()->setText(scratch.toPlainText());
}

} // namespace

void pasteFromWebPage(QTextEdit *editor, const QFont &documentFont)
{
    if (!editor || !editor->canPaste())
        return;
    makeClipboardPlain(documentFont);
    editor->paste();
}

void pasteFromWebPage(QPlainTextEdit *editor, const QFont &documentFont)
{
    if (!editor || !editor->canPaste())
        return;
    makeClipboardPlain(documentFont);
    editor->paste();
}

} // namespace taglund
