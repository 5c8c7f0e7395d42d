#include "filebox/varprop.h"

namespace taglund {

TVarProp::TVarProp(QObject *parent) : TMapper(parent) {}

QString TVarProp::join(const QString &folder, const QString &name)
{
    if (folder.endsWith(u'/'))
        return folder + name;
    return folder + u'/' + name;
}

QString TVarProp::parentOf(const QString &path)
{
    const int slash = path.lastIndexOf(u'/');
    if (slash <= 0)
        return QStringLiteral("/");
    return path.left(slash);
}

void TVarProp::raiseDirectoryChange()
{
    emit onDirectoryChange(Dirmappe, Bibmappe, Grundmappe, Filnavn);
}

} // namespace taglund
