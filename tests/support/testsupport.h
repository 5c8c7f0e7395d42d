#pragma once
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace taglund::test {

// A fresh install root for one test: TAGLUND_ROOT points at an empty
// temporary folder for as long as the object lives.
class TempRoot {
public:
    TempRoot();
    ~TempRoot();
    QString path() const { return m_dir.path(); }
    QString file(const QString &rel) const;

private:
    QTemporaryDir m_dir;
    QByteArray m_previous;
    bool m_hadPrevious;
};

QByteArray readAll(const QString &path);
void writeAll(const QString &path, const QByteArray &bytes);
// A test text with its caret marked "|" or its selection marked "[...]":
// the text without the marks, and the caret and selection length as
// indexes into it.
struct MarkedText {
    QString plain;
    int caret = 0;
    int length = 0;
};
MarkedText parseMarked(const QString &marked);

// The repository's data/ folder (installation data), for tests that need the shipped files.
QString sourceDataDir();

} // namespace taglund::test
