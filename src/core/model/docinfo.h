#pragma once
#include <QDateTime>
#include <QLocale>
#include <QString>

namespace taglund {

// What "Dokument information..." tells about a file on disk.
struct DocFileFacts {
    bool exists = false;
    QDateTime lastModified;
    qint64 size = 0;

    static DocFileFacts of(const QString &path);
};

// The type name shown for an extension; the comparison is exact, so ".HTML" is "ukendt".
QString docTypeName(const QString &ext);

// The message: five lines for a document with a file name (empty when the
// file is not on disk), or the untitled text with the document's extension.
// Lines end with "\r", the line break of message texts.
QString docInfoText(const QString &filnavn, const QString &docExt, const DocFileFacts &facts,
                    const QLocale &locale = QLocale());

} // namespace taglund
