#pragma once
#include <QString>

namespace taglund::platform {

// The user's own folders by the freedesktop user-directories file
// (user-dirs.dirs in the configuration folder), with the usual English
// defaults below the home folder when the file does not name one.
enum class UserFolder { Desktop, Documents, Pictures, Music, Videos, Downloads, Templates, PublicShare };

// The folder's path without a trailing separator, or "" when the role has
// no folder that exists. Never creates a folder.
QString userFolder(UserFolder role);

// The same lookup against a given user-dirs.dirs file and home folder, for tests.
QString userFolderFrom(UserFolder role, const QString &userDirsFile, const QString &home);

// The user's local application-data folder ($XDG_DATA_HOME, ~/.local/share)
// and the folder of the user's own program launchers in it; "" when missing.
QString dataHome();
QString applicationsFolder();

} // namespace taglund::platform
