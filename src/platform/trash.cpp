#include "platform/trash.h"

#include "platform/filetree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace taglund::platform {

TPapirkurv::TPapirkurv() : m_folder(homeTrashFolder()) {}

TPapirkurv::TPapirkurv(const QString &folder) : m_folder(QDir::cleanPath(folder)) {}

QString TPapirkurv::homeTrashFolder()
{
    const QString x = qEnvironmentVariable("XDG_DATA_HOME");
    const QString data = x.startsWith(u'/') ? QDir::cleanPath(x) : QDir::homePath() + QStringLiteral("/.local/share");
    return data + QStringLiteral("/Trash");
}

bool TPapirkurv::send(const QString &path, QString *error)
{
    if (!entryExists(path)) {
        if (error)
            *error = QStringLiteral("Elementet findes ikke.");
        return false;
    }
    QFile f(path);
    if (f.moveToTrash())
        return true;
    if (error)
        *error = f.errorString();
    return false;
}

TPapirkurv::Indhold TPapirkurv::count() const
{
    Indhold result;
    const QDir files(m_folder + QStringLiteral("/files"));
    const QFileInfoList entries =
        files.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &fi : entries) {
        ++result.elementer;
        struct stat st;
        if (lstat(QFile::encodeName(fi.absoluteFilePath()).constData(), &st) != 0)
            continue;
        if (S_ISDIR(st.st_mode)) {
            TreeCount c;
            countTree(fi.absoluteFilePath(), c);
            result.bytes += c.bytes;
        } else {
            result.bytes += st.st_size;
        }
    }
    return result;
}

bool TPapirkurv::empty(QString *error)
{
    for (const char *sub : {"files", "info"}) {
        const QDir dir(m_folder + u'/' + QLatin1String(sub));
        if (!dir.exists())
            continue;
        const QStringList names =
            dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        for (const QString &name : names) {
            QString failed, why;
            if (!removeTree(dir.filePath(name), &failed, &why)) {
                if (error)
                    *error = failed + QStringLiteral(": ") + why;
                return false;
            }
        }
    }
    const QString sizes = m_folder + QStringLiteral("/directorysizes");
    if (entryExists(sizes) && !QFile::remove(sizes)) {
        if (error)
            *error = sizes;
        return false;
    }
    return true;
}

} // namespace taglund::platform
