#include "core/text/paths.h"

#include <QDir>
#include <QFileInfo>

namespace taglund {

namespace {
constexpr QChar sep()
{
#ifdef Q_OS_WIN
    return u'\\';
#else
    return u'/';
#endif
}
bool isSep(QChar c) { return c == u'/' || c == u'\\'; }
} // namespace

QString normalSeparators(const QString &path)
{
    QString out;
    out.reserve(path.size());
    for (qsizetype i = 0; i < path.size(); ++i) {
        QChar c = path[i];
        if (isSep(c)) {
#ifdef Q_OS_WIN
            // Keep the leading pair of a network path (\\server\share).
            if (i == 1 && isSep(path[0]) && out.size() == 1) {
                out += sep();
                continue;
            }
#endif
            if (!out.isEmpty() && out.back() == sep())
                continue;
            out += sep();
        } else {
            out += c;
        }
    }
    return out;
}

QString joinPath(const QString &base, const QString &rel)
{
    if (base.isEmpty())
        return normalSeparators(rel);
    if (rel.isEmpty())
        return normalSeparators(base);
    return normalSeparators(base + sep() + rel);
}

QString withoutTrailingSeparator(const QString &path)
{
    QString p = normalSeparators(path);
    while (p.size() > 1 && p.back() == sep() && !(p.size() == 3 && p[1] == u':'))
        p.chop(1);
    return p;
}

QString withTrailingSeparator(const QString &path)
{
    QString p = normalSeparators(path);
    if (p.isEmpty() || p.back() != sep())
        p += sep();
    return p;
}

QString fileNameOf(const QString &path)
{
    qsizetype i = path.size() - 1;
    while (i >= 0 && !isSep(path[i]))
        --i;
    return path.mid(i + 1);
}

QString folderOf(const QString &path)
{
    qsizetype i = path.size() - 1;
    while (i >= 0 && !isSep(path[i]))
        --i;
    return i < 0 ? QString() : normalSeparators(path.left(i + 1));
}

QString extensionOf(const QString &path)
{
    const QString name = fileNameOf(path);
    qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot);
}

bool samePath(const QString &a, const QString &b)
{
    if (a.isEmpty() || b.isEmpty())
        return a.isEmpty() && b.isEmpty();
    const QString ca = QDir::cleanPath(QFileInfo(QDir::fromNativeSeparators(a)).absoluteFilePath());
    const QString cb = QDir::cleanPath(QFileInfo(QDir::fromNativeSeparators(b)).absoluteFilePath());
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return ca.compare(cb, Qt::CaseInsensitive) == 0;
#else
    return ca == cb;
#endif
}

QString installRoot()
{
    const QString env = qEnvironmentVariable("TAGLUND_ROOT");
    if (!env.trimmed().isEmpty())
        return withoutTrailingSeparator(env);
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\Taglund");
#else
    return QStringLiteral("/var/opt/Taglund");
#endif
}

bool isSafeFileName(const QString &name)
{
    if (name.trimmed().isEmpty() || name == u"." || name == u"..")
        return false;
    for (QChar c : name)
        if (c == u'/' || c == u'\\' || c == u':' || c.unicode() < 0x20)
            return false;
    return true;
}

} // namespace taglund
