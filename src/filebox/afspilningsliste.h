#pragma once
#include <QString>
#include <QStringList>

namespace taglund {

// The page a play list of the file box writes: the files `items` (names
// without folder, in list order) played or shown from the folder `base`
// (which ends with its separator). `type` is 1 films, 2 music, 3 pictures.
QStringList afspilningsside(int type, const QString &base, const QStringList &items);

} // namespace taglund
