#include "platform/specialfolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace taglund::platform {

namespace {

const char *keyOf(UserFolder role)
{
    switch (role) {
    case UserFolder::Desktop: return "XDG_DESKTOP_DIR";
    case UserFolder::Documents: return "XDG_DOCUMENTS_DIR";
    case UserFolder::Pictures: return "XDG_PICTURES_DIR";
    case UserFolder::Music: return "XDG_MUSIC_DIR";
    case UserFolder::Videos: return "XDG_VIDEOS_DIR";
    case UserFolder::Downloads: return "XDG_DOWNLOAD_DIR";
    case UserFolder::Templates: return "XDG_TEMPLATES_DIR";
    case UserFolder::PublicShare: return "XDG_PUBLICSHARE_DIR";
    }
    return "";
}

const char *defaultOf(UserFolder role)
{
    switch (role) {
    case UserFolder::Desktop: return "Desktop";
    case UserFolder::Documents: return "Documents";
    case UserFolder::Pictures: return "Pictures";
    case UserFolder::Music: return "Music";
    case UserFolder::Videos: return "Videos";
    case UserFolder::Downloads: return "Downloads";
    case UserFolder::Templates: return "Templates";
    case UserFolder::PublicShare: return "Public";
    }
    return "";
}

QString configHome()
{
    const QString x = qEnvironmentVariable("XDG_CONFIG_HOME");
    return x.startsWith(u'/') ? x : QDir::homePath() + QStringLiteral("/.config");
}

// A value is "$HOME/rel" or an absolute path, in double quotes; a value that
// is only "$HOME/" means the role is switched off.
QString valueFrom(const QString &file, const QString &key, const QString &home, bool &found)
{
    found = false;
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QTextStream in(&f);
    QString result;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(u'#') || !line.startsWith(key))
            continue;
        const int eq = line.indexOf(u'=');
        if (eq < 0 || line.left(eq).trimmed() != key)
            continue;
        QString v = line.mid(eq + 1).trimmed();
        if (v.size() >= 2 && v.startsWith(u'"') && v.endsWith(u'"'))
            v = v.mid(1, v.size() - 2);
        if (v.startsWith(QLatin1String("$HOME")))
            v = home + v.mid(5);
        else if (!v.startsWith(u'/'))
            continue;
        found = true;
        result = QDir::cleanPath(v);
    }
    return result;
}

} // namespace

QString userFolderFrom(UserFolder role, const QString &userDirsFile, const QString &home)
{
    bool found = false;
    QString path = valueFrom(userDirsFile, QString::fromLatin1(keyOf(role)), home, found);
    if (!found)
        path = QDir::cleanPath(home + u'/' + QString::fromLatin1(defaultOf(role)));
    if (path == QDir::cleanPath(home))
        return {};
    return QFileInfo(path).isDir() ? path : QString();
}

QString userFolder(UserFolder role)
{
    return userFolderFrom(role, configHome() + QStringLiteral("/user-dirs.dirs"), QDir::homePath());
}

QString dataHome()
{
    const QString x = qEnvironmentVariable("XDG_DATA_HOME");
    const QString path = x.startsWith(u'/') ? QDir::cleanPath(x) : QDir::homePath() + QStringLiteral("/.local/share");
    return QFileInfo(path).isDir() ? path : QString();
}

QString applicationsFolder()
{
    const QString data = dataHome();
    if (data.isEmpty())
        return {};
    const QString path = data + QStringLiteral("/applications");
    return QFileInfo(path).isDir() ? path : QString();
}

} // namespace taglund::platform
