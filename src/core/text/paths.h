#pragma once
#include <QString>

namespace taglund {

// One way to join the install tree's paths. Both '\' and '/' are accepted as
// separators in either part; the result uses the platform's separator, never
// doubles one, and ends with a separator exactly when the last part does.
QString joinPath(const QString &base, const QString &rel);
template <typename... Rest>
QString joinPath(const QString &base, const QString &rel, const Rest &...rest)
{
    return joinPath(joinPath(base, rel), rest...);
}

// The path with both separators turned into the platform's and no doubled ones.
QString normalSeparators(const QString &path);
// The path with a trailing separator removed (not from a bare root such as "/").
QString withoutTrailingSeparator(const QString &path);
QString withTrailingSeparator(const QString &path);

// File name without folder, and the folder with its trailing separator.
QString fileNameOf(const QString &path);
QString folderOf(const QString &path);
// Extension with its dot ("" when none); the dot must come after the last separator.
QString extensionOf(const QString &path);

// Two paths name the same file: compared absolute and cleaned, letter case
// ignored only on file systems that ignore it themselves.
bool samePath(const QString &a, const QString &b);

// The fixed install root: C:\Taglund on Windows, /var/opt/Taglund elsewhere;
// the environment variable TAGLUND_ROOT overrides it.
QString installRoot();

// A name read from a document or typed by the user may only name a file
// inside the folder it is looked up in.
bool isSafeFileName(const QString &name);

} // namespace taglund
