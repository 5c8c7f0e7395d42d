#pragma once
// Helpers shared by the structure tests: a structure written from lines,
// and a one-line picture of a tree that a failing comparison shows plainly.
#include "structures/struktur.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

namespace taglund::test {

inline QByteArray crlf(const QStringList &lines)
{
    QByteArray out;
    for (const QString &l : lines) {
        for (QChar c : l)
            out.append(c.unicode() < 256 ? char(c.unicode()) : '?');
        out.append("\r\n");
    }
    return out;
}

// "text" per node in tree order, a '>' per level in front, data after '='.
inline QString dump(const TStrukturTree &tree)
{
    QStringList parts;
    for (TStrukturNode *n : tree.preorder()) {
        int depth = 0;
        for (auto *p = n->parent; p; p = p->parent)
            ++depth;
        QString s = QString(depth, u'>') + n->text;
        if (n->hasData)
            s += u'=' + n->data;
        parts << s;
    }
    return parts.join(u';');
}

inline TStrukturNode *byText(const TStruktur &s, const QString &text)
{
    for (TStrukturNode *n : s.tree().preorder())
        if (n->text == text)
            return n;
    return nullptr;
}

// An information structure in folder dir with the given tree and data lines
// (no data file when data is null).
inline void setupInfo(TStruktur &s, const QString &dir, const QStringList &tree, const QStringList *data)
{
    QDir().mkpath(dir + "/tekstfiler");
    writeAll(dir + "/struktur.txt", crlf(tree));
    if (data)
        writeAll(dir + "/data.txt", crlf(*data));
    else
        QFile::remove(dir + "/data.txt");
    s.Strukturfile = dir + "/struktur.txt";
    s.Datafile = dir + "/data.txt";
    s.Infomappe = dir + "/tekstfiler/";
    s.DataOn = true;
}

} // namespace taglund::test
