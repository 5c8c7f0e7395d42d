#pragma once
// Copies shipped data into a test's install root.
#include "support/testsupport.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

namespace taglund::test {

inline bool copyTree(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString f = it.next();
        const QString target = to + f.mid(from.size());
        QDir().mkpath(QFileInfo(target).path());
        QFile::remove(target);
        if (!QFile::copy(f, target))
            return false;
    }
    return true;
}

// The CSS lists and the information structure "CSS" below root/Program.
inline bool installCss(const QString &root)
{
    const QString src = sourceDataDir() + "/Program/";
    const QString dst = root + "/Program/";
    QDir().mkpath(dst + "Dir");
    QFile::remove(dst + "Dir/alleCssProp.txt");
    return copyTree(src + "CSS", dst + "CSS") && copyTree(src + "Struktur/CSS", dst + "Struktur/CSS")
        && QFile::copy(src + "Dir/alleCssProp.txt", dst + "Dir/alleCssProp.txt");
}

} // namespace taglund::test
