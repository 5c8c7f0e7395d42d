#include "core/rtf/rtfreader.h"

#include "core/rtf/rtfbuilder.h"
#include "core/rtf/rtfparser.h"
#include "core/text/doctext.h"
#include "core/text/textfile.h"

#include <QTextDocument>
#include <cctype>

namespace taglund {

RtfReadResult readRtf(const QByteArray &bytes, QTextDocument *doc)
{
    RtfReadResult r;
    if (!looksLikeRtf(bytes)) {
        r.error = QStringLiteral("Filen er ikke en RTF-fil.");
        return r;
    }
    const RtfModel model = parseRtf(bytes);
    r.damaged = model.damaged;
    if (model.damaged && model.text.isEmpty()) {
        r.error = QStringLiteral("Filen kan ikke læses: RTF-indholdet er ødelagt.");
        return r;
    }
    buildDocument(model, doc);
    r.readable = true;
    return r;
}

RtfReadResult readRichDocument(const QByteArray &bytes, QTextDocument *doc)
{
    if (looksLikeRtf(bytes))
        return readRtf(bytes, doc);
    RtfReadResult r;
    const bool undo = doc->isUndoRedoEnabled();
    doc->setUndoRedoEnabled(false);
    doc->setPlainText(toEditorBreaks(TextFile::decodeDocument(bytes).text));
    doc->setUndoRedoEnabled(undo);
    doc->setModified(false);
    r.readable = true;
    return r;
}

bool readRichText(const QByteArray &bytes, QTextDocument *doc, QString *error)
{
    const RtfReadResult r = readRichDocument(bytes, doc);
    if (!r.readable && error)
        *error = r.error;
    return r.readable;
}

RtfReadResult loadRtfFile(const QString &path, QTextDocument *doc)
{
    QByteArray bytes;
    QString error;
    if (!TextFile::readBytes(path, bytes, &error)) {
        RtfReadResult r;
        r.error = error;
        return r;
    }
    return readRichDocument(bytes, doc);
}

QStringList rtfLostOnSave(const QByteArray &bytes)
{
    if (!bytes.startsWith("{\\rtf"))
        return {};
    // Control words end at the first character that is not a letter.
    auto has = [&bytes](const char *word) {
        const QByteArray w = QByteArray("\\") + word;
        for (qsizetype at = bytes.indexOf(w); at >= 0; at = bytes.indexOf(w, at + 1)) {
            const qsizetype end = at + w.size();
            if (end >= bytes.size() || !std::isalpha(static_cast<unsigned char>(bytes[end])))
                return true;
        }
        return false;
    };
    QStringList lost;
    if (has("pict") || has("object") || has("shp"))
        lost << QStringLiteral("billeder");
    if (has("trowd"))
        lost << QStringLiteral("tabeller");
    return lost;
}

} // namespace taglund
