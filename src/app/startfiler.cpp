#include "app/startfiler.h"
#include "core/text/filefacts.h"
#include "core/text/textfile.h"

#include <QDir>
#include <QFileInfo>

namespace taglund {

namespace {

// Why a name from the command line cannot be opened; empty when it can.
QString whyNotOpenable(const QString &name)
{
    const QFileInfo fi(name);
    if (!fi.exists())
        return QStringLiteral("findes ikke");
    if (fi.isDir())
        return QStringLiteral("er en mappe");
    if (!FileFacts::isRegularFile(name))
        return QStringLiteral("er ikke en almindelig fil");
    return {};
}

// A line of the document list that can name a document: a full path without
// control characters, in a folder that exists. A listed file that is gone
// still opens, as an empty document of that name.
bool isListablePath(const QString &line)
{
    if (!QDir::isAbsolutePath(line))
        return false;
    for (QChar c : line)
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() <= 0x9F) || c == QChar::ReplacementCharacter)
            return false;
    const QFileInfo fi(line);
    return !fi.isDir() && QFileInfo(fi.absolutePath()).isDir();
}

} // namespace

QStringList openCommandLine(const QStringList &arguments, const std::function<void(const QString &)> &open)
{
    QStringList notOpened;
    for (QString arg : arguments) {
        if (arg.size() >= 2 && arg.startsWith(u'"') && arg.endsWith(u'"'))
            arg = arg.mid(1, arg.size() - 2);
        if (arg.isEmpty())
            continue;
        if (const QString why = whyNotOpenable(arg); !why.isEmpty())
            notOpened << arg + QStringLiteral(": ") + why;
        else
            open(QFileInfo(arg).absoluteFilePath());
    }
    return notOpened;
}

int openDocumentList(const QString &listFile, const std::function<void(const QString &)> &open)
{
    QStringList list;
    int skipped = 0;
    if (!TextFile::readLines(listFile, list))
        return 0;
    for (const QString &f : std::as_const(list)) {
        if (f.trimmed().isEmpty())
            continue;
        if (isListablePath(f))
            open(f);
        else
            ++skipped;
    }
    return skipped;
}

} // namespace taglund
