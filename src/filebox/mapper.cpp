#include "filebox/mapper.h"

#include "platform/specialfolders.h"
#include "ui/questions.h"

#include <QDir>
#include <QFileInfo>

namespace taglund {

using platform::UserFolder;
using platform::userFolder;

TMapper::TMapper(QObject *parent) : QObject(parent) {}

QString TMapper::found(const QString &path, const char *failure)
{
    if (!path.isEmpty() && QFileInfo(path).isDir())
        return path;
    ui::showError(nullptr, QString::fromUtf8(failure));
    return {};
}

QString TMapper::GetMyDesktop()
{
    return found(userFolder(UserFolder::Desktop), "Kunne ikke finde skrivebordsmappen.");
}

QString TMapper::GetMyDocuments()
{
    return found(userFolder(UserFolder::Documents), "Kunne ikke finde dokumentmappen.");
}

QString TMapper::GetMyPictures()
{
    return found(userFolder(UserFolder::Pictures), "Kunne ikke finde billedmappen.");
}

QString TMapper::GetMyMusic()
{
    return found(userFolder(UserFolder::Music), "Kunne ikke finde musikmappen.");
}

QString TMapper::GetMyVideo()
{
    return found(userFolder(UserFolder::Videos), "Kunne ikke finde videomappen.");
}

// The desktops here keep bookmarks, not a folder of favourites.
QString TMapper::GetMyFavorit()
{
    return found(QString(), "Kunne ikke finde favoritmappen.");
}

QString TMapper::GetMyApp()
{
    return found(platform::dataHome(), "Kunne ikke finde programmappen.");
}

QString TMapper::GetStartMenuPrograms()
{
    return found(platform::applicationsFolder(), "Kunne ikke finde startmenumappen.");
}

// There are no folders shared by all users by convention; the roles fail.
QString TMapper::GetCommonDocuments()
{
    return found(QString(), "Kunne ikke finde dokumentmappen for alle brugere.");
}

QString TMapper::GetCommonPictures()
{
    return found(QString(), "Kunne ikke finde billedmappen for alle brugere.");
}

QString TMapper::GetCommonMusic()
{
    return found(QString(), "Kunne ikke finde musikmappen for alle brugere.");
}

QString TMapper::GetCommonVideo()
{
    return found(QString(), "Kunne ikke finde videomappen for alle brugere.");
}

// The user's folder is the home folder; the name only matters when it is
// someone else's, whose home is looked for beside ours.
static QString homeOf(const QString &user)
{
    const QString home = QDir::homePath();
    if (user.isEmpty() || QFileInfo(home).fileName() == user)
        return home;
    return QFileInfo(home).path() + u'/' + user;
}

QString TMapper::GetMyDownLoad(const QString &TheUsername)
{
    const QString home = homeOf(TheUsername);
    if (home == QDir::homePath()) {
        const QString xdg = userFolder(UserFolder::Downloads);
        if (!xdg.isEmpty())
            return xdg;
    }
    const QString path = home + QStringLiteral("/Downloads");
    return QFileInfo(path).isDir() ? path : rodMappe();
}

QString TMapper::GetMyKontakter(const QString &TheUsername)
{
    const QString path = homeOf(TheUsername) + QStringLiteral("/Contacts");
    return QFileInfo(path).isDir() ? path : rodMappe();
}

} // namespace taglund
