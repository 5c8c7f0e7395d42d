#pragma once
#include "core/text/textfile.h"

#include <QString>
#include <QStringView>
#include <functional>

namespace taglund {

class TDocText;

// Which declarations a document kind can carry: pages name their charset in
// a <meta> element (or an XML declaration), style sheets in "@charset",
// XML files (".wsf", ".xml") in their XML declaration. Scripts and plain
// text carry none.
enum class TCharsetKind { Html, Css, Xml, None };
TCharsetKind charsetKindFor(const QString &ext);

// Where the document names its charset: the name as written and its place
// in the text, so that it can be replaced.
struct TCharsetDeclaration {
    QString name;        // lower case
    qsizetype at = -1;   // index of the name in the text; -1 without a declaration
    qsizetype length = 0;
    bool found() const { return at >= 0; }
};
// Only the start of the text is read: a declaration further down is not
// honoured by browsers either.
TCharsetDeclaration findCharsetDeclaration(QStringView text, TCharsetKind kind);

// The encoding a declared name stands for. Only the names we write exactly
// are known: UTF-8, and Windows-1252 with its aliases (browsers read
// "iso-8859-1" and "us-ascii" as Windows-1252).
bool encodingForCharset(const QString &name, TextEncoding *out);

// What a save writes. Without a known declaration: the old rule (the
// encoding the document was read in, UTF-8 with a mark when Windows-1252
// cannot hold the text). A byte-order mark the file was read with wins over
// a declaration, as it does in browsers. Otherwise the declared encoding,
// and `ask` when the text holds characters it cannot encode.
struct TCharsetDecision {
    TextEncoding encoding = TextEncoding::Cp1252;
    bool declared = false;
    bool ask = false;
};
TCharsetDecision decideCharset(const QString &declared, const QString &text, TextEncoding readAs);
// The same for a document's text and extension.
TCharsetDecision decideDocumentCharset(const QString &text, const QString &ext, TextEncoding readAs);

// Reading: a byte-order mark first; then a declaration at the start of the
// file; then the old rule. A page declared UTF-8 whose bytes are not UTF-8
// is read by the old rule, so no byte turns into a replacement character.
DecodedText decodeDeclaredDocument(const QByteArray &bytes, const QString &ext);
// The encoding that reading decides on, without decoding.
TextEncoding declaredDocumentEncoding(QByteArrayView bytes, const QString &ext);

// One replacement in a document, in caret offsets (a line break is one position).
struct TCharsetEdit {
    int pos = 0;
    int length = 0;
    QString text;
};
// Every character Windows-1252 cannot hold as "&#N;" (N the code point),
// last first so that applying them in order keeps the offsets right.
std::vector<TCharsetEdit> characterReferenceEdits(const QString &crlfText);

// Before a plain document is written: when its declared encoding cannot hold
// its text, asks (through `ask`, a "Ja"/"Nej" question) whether to write
// the characters as references (pages only) or to save as UTF-8 with the
// declaration changed to "utf-8", and makes that change in the document.
// False when both answers were "Nej": nothing may be written.
bool settleDeclaredCharset(TDocText &doc, const QString &ext, TextEncoding readAs,
                           const std::function<bool(const QString &question)> &ask);

} // namespace taglund
