#pragma once
#include <QObject>
#include <QString>

namespace taglund {

// Special folders. Each answers a path without a trailing separator; a
// folder the system does not have is reported in an error box with the
// lookup's own text and answered with "", so the command that asked stops.
class TMapper : public QObject {
    Q_OBJECT
public:
    explicit TMapper(QObject *parent = nullptr);

    QString GetMyDesktop();
    QString GetMyDocuments();
    QString GetMyPictures();
    QString GetMyMusic();
    QString GetMyVideo();
    QString GetMyFavorit();
    QString GetMyApp();
    QString GetStartMenuPrograms();
    QString GetCommonDocuments();
    QString GetCommonPictures();
    QString GetCommonMusic();
    QString GetCommonVideo();
    // These two never fail: the user's folder, or the root folder.
    QString GetMyDownLoad(const QString &TheUsername);
    QString GetMyKontakter(const QString &TheUsername);

    // The root every fallback ends in ("C:" elsewhere, "/" here).
    static QString rodMappe() { return QStringLiteral("/"); }

protected:
    QString found(const QString &path, const char *failure);
};

} // namespace taglund
