#pragma once
// Helpers of the structure constructor tests: a copy of the test install's
// "Program" folder, and what an operation changed in it.
#include "support/testsupport.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QStringList>

namespace taglund::test {

inline QString konstruktoerData(const QString &rel = QString())
{
    return QDir(QStringLiteral(TAGLUND_TESTDATA "/konstruktoer")).filePath(rel);
}

inline void copyTree(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString f = it.next();
        writeAll(QDir(to).filePath(QDir(from).relativeFilePath(f)), readAll(f));
    }
}

// Every folder (with a trailing "/") and file below root with its bytes.
inline QMap<QString, QByteArray> snapshot(const QString &root)
{
    QMap<QString, QByteArray> out;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString f = it.next();
        const QString rel = QDir(root).relativeFilePath(f);
        if (QFileInfo(f).isDir())
            out.insert(rel + u'/', QByteArray());
        else
            out.insert(rel, readAll(f));
    }
    return out;
}

// "+ path", "- path" and "~ path" lines, sorted by path.
inline QStringList changes(const QMap<QString, QByteArray> &before, const QMap<QString, QByteArray> &after)
{
    QStringList out;
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        if (!before.contains(it.key()))
            out << QStringLiteral("+ ") + it.key();
        else if (before.value(it.key()) != it.value())
            out << QStringLiteral("~ ") + it.key();
    }
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        if (!after.contains(it.key()))
            out << QStringLiteral("- ") + it.key();
    std::sort(out.begin(), out.end(), [](const QString &a, const QString &b) { return a.mid(2) < b.mid(2); });
    return out;
}

} // namespace taglund::test
