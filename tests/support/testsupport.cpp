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

} // namespace taglund::test
