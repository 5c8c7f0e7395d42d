#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace taglund::test {

TempRoot::TempRoot()
    : m_previous(qgetenv("TAGLUND_ROOT")), m_hadPrevious(qEnvironmentVariableIsSet("TAGLUND_ROOT"))
{
    qputenv("TAGLUND_ROOT", QFile::encodeName(m_dir.path()));
}

TempRoot::~TempRoot()
{
    if (m_hadPrevious)
        qputenv("TAGLUND_ROOT", m_previous);
    else
        qunsetenv("TAGLUND_ROOT");
}

QString TempRoot::file(const QString &rel) const
{
    return QDir(m_dir.path()).filePath(rel);
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

QString sourceDataDir()
{
    const QString env = qEnvironmentVariable("TAGLUND_DATA");
    return env.isEmpty() ? QStringLiteral(TAGLUND_SOURCE_DIR "/data") : env;
}

MarkedText parseMarked(const QString &marked)
{
    MarkedText m;
    m.plain = marked;
    m.caret = int(m.plain.indexOf(u'|'));
    if (m.caret >= 0) {
        m.plain.remove(m.caret, 1);
        return m;
    }
    m.caret = int(m.plain.indexOf(u'['));
    if (m.caret < 0) {
        m.caret = 0;
        return m;
    }
    m.length = int(m.plain.indexOf(u']')) - m.caret - 1;
    m.plain.remove(u'[').remove(u']');
    return m;
}

} // namespace taglund::test
