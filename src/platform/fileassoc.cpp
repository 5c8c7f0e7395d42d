#include "platform/fileassoc.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

namespace taglund {

namespace {

FileAssociations *g_associations = nullptr;

const QString kDefaultsSection = QStringLiteral("[Default Applications]");

bool isBelow(const QString &key, const QString &parent)
{
    return key.startsWith(parent + u'\\');
}

// The general escapes of a desktop entry string value.
QString escapeDesktopValue(const QString &value)
{
    QString out;
    out.reserve(value.size());
    for (const QChar c : value) {
        switch (c.unicode()) {
        case u'\\': out += QStringLiteral("\\\\"); break;
        case u'\n': out += QStringLiteral("\\n"); break;
        case u'\t': out += QStringLiteral("\\t"); break;
        case u'\r': out += QStringLiteral("\\r"); break;
        default: out += c;
        }
    }
    return out;
}

// One quoted Exec argument. The launcher undoes the string escapes before
// it reads the quotes, so the result still goes through escapeDesktopValue;
// a lone "%" would be read as a field code.
QString quoteExecArgument(const QString &argument)
{
    QString out(u'"');
    for (const QChar c : argument) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            out += u'\\';
        else if (c == u'%')
            out += u'%';
        out += c;
    }
    return out + u'"';
}

bool writeWhole(const QString &path, const QByteArray &bytes)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    if (f.write(bytes) != bytes.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

// The lines of mimeapps.list as they stand; a missing file has none, an
// unreadable one is an error (writing over it would lose the user's choices).
bool readLines(const QString &path, QStringList *lines)
{
    lines->clear();
    if (!QFileInfo::exists(path))
        return true;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QString text = QString::fromUtf8(f.readAll());
    if (text.isEmpty())
        return true;
    *lines = text.split(u'\n');
    if (lines->last().isEmpty())
        lines->removeLast();
    return true;
}

bool writeLines(const QString &path, const QStringList &lines)
{
    return writeWhole(path, (lines.join(u'\n') + u'\n').toUtf8());
}

bool isSectionHeader(const QString &trimmed)
{
    return trimmed.startsWith(u'[') && trimmed.endsWith(u']');
}

// The key of an entry line, "" for blank lines and comments.
QString entryKey(const QString &trimmed)
{
    if (trimmed.isEmpty() || trimmed.startsWith(u'#'))
        return {};
    const qsizetype eq = trimmed.indexOf(u'=');
    return eq <= 0 ? QString() : trimmed.left(eq).trimmed();
}

QString entryValue(const QString &trimmed)
{
    return trimmed.mid(trimmed.indexOf(u'=') + 1).trimmed();
}

// Makes `desktop` the one default for `mime`, leaving every other line alone.
void setDefault(QStringList &lines, const QString &mime, const QString &desktop)
{
    const QString entry = mime + u'=' + desktop;
    bool inDefaults = false;
    bool found = false;
    qsizetype sections = 0;
    qsizetype insertAt = -1;   // after the last entry of the first such section
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString t = lines[i].trimmed();
        if (isSectionHeader(t)) {
            inDefaults = t == kDefaultsSection;
            if (inDefaults && sections++ == 0)
                insertAt = i + 1;
            continue;
        }
        if (!inDefaults)
            continue;
        if (entryKey(t) == mime) {
            lines[i] = entry;
            found = true;
        } else if (sections == 1 && !t.isEmpty()) {
            insertAt = i + 1;
        }
    }
    if (found)
        return;
    if (insertAt >= 0) {
        lines.insert(insertAt, entry);
        return;
    }
    if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
        lines.append(QString());
    lines.append(kDefaultsSection);
    lines.append(entry);
}

// Takes `desktop` out of every default it is named in. Once its file is
// gone such a default points nowhere, whichever MIME type it is for; the
// other programs a line lists stay as they were. Returns whether anything changed.
bool dropDefaults(QStringList &lines, const QString &desktop)
{
    bool inDefaults = false;
    bool changed = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString t = lines[i].trimmed();
        if (isSectionHeader(t)) {
            inDefaults = t == kDefaultsSection;
            continue;
        }
        const QString key = entryKey(t);
        if (!inDefaults || key.isEmpty())
            continue;
        QStringList apps = entryValue(t).split(u';', Qt::SkipEmptyParts);
        for (QString &a : apps)
            a = a.trimmed();
        if (apps.removeAll(desktop) == 0)
            continue;
        changed = true;
        if (apps.isEmpty())
            lines.removeAt(i--);
        else
            lines[i] = key + u'=' + apps.join(u';') + u';';
    }
    return changed;
}

QString mimeappsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/mimeapps.list");
}

} // namespace

QList<TAssociationKey> associationRecord(const QString &ext, const QString &programDir)
{
    const QString type = ext + QStringLiteral("File");
    const QString icon = programDir + QStringLiteral("\\Taglund.ico");
    // Only the file is quoted. A bare program path with spaces still starts,
    // as the shell tries ever longer prefixes of it until one is a program.
    const QString command = programDir + QStringLiteral("\\Taglund.exe") + QStringLiteral(" \"%1\"");
    return {
        {ext, type},
        {type, QStringLiteral("Åbnes med Taglund")},
        {type + QStringLiteral("\\DefaultIcon"), icon},
        {type + QStringLiteral("\\shell\\open"), QStringLiteral("Åbn med Tagvaerk")},
        {type + QStringLiteral("\\shell\\open\\DefaultIcon"), icon},
        {type + QStringLiteral("\\shell\\open\\command"), command},
    };
}

FileAssociations &FileAssociations::instance()
{
    if (g_associations)
        return *g_associations;
    static XdgFileAssociations system;
    return system;
}

void FileAssociations::setInstance(FileAssociations *a)
{
    g_associations = a;
}

bool FakeFileAssociations::registerType(const QString &ext, const QString &programDir)
{
    bool all = true;
    QStringList refused;
    for (const TAssociationKey &k : associationRecord(ext, programDir)) {
        const bool belowRefused = std::any_of(refused.cbegin(), refused.cend(),
                                              [&](const QString &r) { return isBelow(k.key, r); });
        if (belowRefused || failing.contains(k.key)) {
            refused.append(k.key);
            all = false;
            continue;
        }
        keys.insert(k.key, k.value);
    }
    notifications.append(QStringLiteral("changed"));
    return all;
}

bool FakeFileAssociations::unregisterType(const QString &ext)
{
    bool all = true;
    for (const QString &root : {ext, ext + QStringLiteral("File")}) {
        // A tree whose top cannot be opened cannot be deleted either.
        if (failing.contains(root)) {
            all = false;
            continue;
        }
        for (auto it = keys.begin(); it != keys.end();) {
            if (it.key() == root || isBelow(it.key(), root))
                it = keys.erase(it);
            else
                ++it;
        }
    }
    notifications.append(QStringLiteral("changed"));
    return all;
}

XdgFileAssociations::XdgFileAssociations(const QString &executable)
    : m_executable(executable),
      m_launch([](const QString &program, const QStringList &arguments) {
          return QProcess::startDetached(program, arguments);
      }),
      m_find([](const QString &name) { return QStandardPaths::findExecutable(name); })
{
}

QString XdgFileAssociations::desktopFileName(const QString &ext)
{
    QString name = ext.startsWith(u'.') ? ext.mid(1) : ext;
    for (QChar &c : name) {
        const char16_t u = c.unicode();
        const bool plain = (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9')
                           || u == u'_' || u == u'-';
        if (!plain)
            c = u'_';
    }
    return QStringLiteral("taglund-") + name + QStringLiteral(".desktop");
}

bool XdgFileAssociations::isUsableExtension(const QString &ext)
{
    return ext.size() > 1 && ext.startsWith(u'.') && !ext.contains(u'/') && !ext.contains(u'\\')
           && !ext.contains(QChar(u'\0'));
}

bool XdgFileAssociations::registerType(const QString &ext, const QString &programDir)
{
    if (!isUsableExtension(ext))
        return false;
    const QMimeType mime = QMimeDatabase().mimeTypeForFile(QStringLiteral("x") + ext, QMimeDatabase::MatchExtension);
    // An extension the MIME database does not know comes back as the
    // catch-all binary type; claiming that would hand every unknown file to us.
    if (!mime.isValid() || mime.isDefault())
        return false;
    const QString executable = m_executable.isEmpty() ? QCoreApplication::applicationFilePath() : m_executable;
    if (executable.isEmpty())
        return false;

    const QString apps = QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
    const QString desktop = desktopFileName(ext);
    const QString exec = escapeDesktopValue(quoteExecArgument(executable) + QStringLiteral(" %f"));
    const QString entry = QStringLiteral("[Desktop Entry]\n"
                                         "Type=Application\n"
                                         "Name=Taglund\n"
                                         "GenericName=Åbnes med Taglund\n"
                                         "Comment=Åbnes med Taglund\n")
                          + QStringLiteral("Icon=") + escapeDesktopValue(programDir + QStringLiteral("/Taglund.ico"))
                          + QStringLiteral("\nExec=") + exec
                          + QStringLiteral("\nNoDisplay=true\nMimeType=") + mime.name()
                          + QStringLiteral(";\nActions=open;\n\n[Desktop Action open]\nName=Åbn med Tagvaerk\nExec=")
                          + exec + u'\n';
    if (!QDir().mkpath(apps) || !writeWhole(apps + u'/' + desktop, entry.toUtf8()))
        return false;

    // The default goes in only once the entry it names is there.
    const QString list = mimeappsPath();
    QStringList lines;
    bool ok = readLines(list, &lines);
    if (ok) {
        setDefault(lines, mime.name(), desktop);
        ok = QDir().mkpath(QFileInfo(list).absolutePath()) && writeLines(list, lines);
    }
    notifyDesktop(apps);
    return ok;
}

bool XdgFileAssociations::unregisterType(const QString &ext)
{
    if (!isUsableExtension(ext))
        return false;
    const QString apps = QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
    const QString desktop = desktopFileName(ext);
    const QString entryPath = apps + u'/' + desktop;
    bool ok = !QFileInfo::exists(entryPath) || QFile::remove(entryPath);

    const QString list = mimeappsPath();
    QStringList lines;
    if (!readLines(list, &lines))
        ok = false;
    else if (dropDefaults(lines, desktop) && !writeLines(list, lines))
        ok = false;
    notifyDesktop(apps);
    return ok;
}

void XdgFileAssociations::notifyDesktop(const QString &applicationsFolder)
{
    // Without the tool the desktop rereads the folder on its own, later.
    const QString tool = m_find(QStringLiteral("update-desktop-database"));
    if (!tool.isEmpty())
        m_launch(tool, {applicationsFolder});
}

} // namespace taglund
