#pragma once
#include "core/text/doctext.h"

#include <QString>

namespace taglund {

enum class SearchDirection { Down, Up };

// Find and replace in one document, through the document text operations only.
// Offsets are caret offsets (a line break is one position). Nothing here shows
// anything: a miss leaves the document and its selection as they were.
namespace FindReplace {

// Length in caret offsets of a sought or inserted text (CR LF counts once).
int caretLength(const QString &text);

// The next hit without touching the selection, or -1.
// Down: from the end of the selection to the end of the document.
// Up: the last hit lying wholly before the caret (SelStart).
int findNext(const TDocText &text, const QString &what, FindOptions options, SearchDirection direction);

// Finds the next hit and, on a hit, gives the editor the focus, selects the
// hit and scrolls to it. False (and nothing changed) when there is none or
// the sought text is empty.
bool findAndSelect(TDocText &text, const QString &what, FindOptions options, SearchDirection direction);

// True when the selection is exactly one hit of `what` under the options.
bool selectionIsHit(const TDocText &text, const QString &what, FindOptions options);

// "Erstat": replaces the selection when it is itself a hit (so the hit a
// find just showed is the one replaced); otherwise the next hit after the
// selection, or from the start of the document when nothing is selected.
// The caret ends after the inserted text. False when nothing was replaced.
bool replaceNext(TDocText &text, const QString &what, const QString &with, FindOptions options);

// "Erstat alle": from the start of the document, each further search starting
// just after the text the previous replacement inserted, so a replacement
// that contains the sought text never makes it loop. One undo step.
// Returns the number of replacements; an empty sought text replaces nothing.
int replaceAll(TDocText &text, const QString &what, const QString &with, FindOptions options);

} // namespace FindReplace

} // namespace taglund
