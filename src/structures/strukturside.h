#pragma once
#include <QString>
#include <QStringList>

// The information page a new entry gets, and the rules for the names the
// constructor turns into files and folders.
namespace taglund::StrukturSide {

// The text as it may stand in a page: <, >, & and " as entities, and every
// character Windows-1252 cannot hold as &#N; (the page is written in it).
QString escapeHtml(const QString &text);

// The sixteen lines of a new page titled title (escaped here).
QStringList pageLines(const QString &title);
// Writes the page whole or not at all; false with the system's reason.
bool writePage(const QString &path, const QString &title, QString *error = nullptr);

// A pasted line break must not split a tree or data line: each becomes a blank.
QString oneLine(const QString &text);

enum class NameKind { Structure, Page };
// Why a name typed by the user cannot be a structure folder or page file,
// as a Danish message; empty when it can. An empty name is the caller's
// business (each place has its own message for it).
QString nameProblem(const QString &name, NameKind kind);

} // namespace taglund::StrukturSide
