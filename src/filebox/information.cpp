#include "filebox/information.h"

#include "platform/filetree.h"

#include <QFile>
#include <QLocale>
#include <sys/stat.h>

namespace taglund {

TInformation::TInformation(QObject *parent) : TSpm(parent) {}

QString TInformation::kopierInfoTekst(qint64 filer, qint64 mapper, qint64 bytes)
{
    const QLocale loc;
    return QStringLiteral("Der kopieres ") + loc.toString(filer)
           + (filer == 1 ? QStringLiteral(" fil fra ") : QStringLiteral(" filer fra ")) + loc.toString(mapper)
           + (mapper == 1 ? QStringLiteral(" mappe: ") : QStringLiteral(" mapper: ")) + getKortSizeTekst(bytes);
}

QString TInformation::sletInfoTekst(int elementer, qint64 bytes)
{
    return QStringLiteral("Der slettes ") + QLocale().toString(elementer)
           + (elementer == 1 ? QStringLiteral(" element: ") : QStringLiteral(" elementer: ")) + getKortSizeTekst(bytes);
}

qint64 TInformation::taelMappe(const QString &folder)
{
    platform::TreeCount c;
    const qint64 mapperFoer = FAntalMapper;
    const bool ok = platform::countTree(folder, c, [&](const platform::TreeCount &sofar) {
        vindue()->setStatus(1, QLocale().toString(mapperFoer + sofar.folders));
        holdVinduerILive();
    });
    FAntalMapper += int(c.folders);
    FAntalElementer += int(c.files);
    FTotalBytes += c.bytes;
    return ok ? c.bytes : -1;
}

qint64 TInformation::taelFil(const QString &path)
{
    struct stat st;
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return -1;
    const qint64 size = qMax<qint64>(1, st.st_size);
    FTotalBytes += size;
    FAntalElementer += 1;
    return size;
}

} // namespace taglund
