#pragma once
#include <QChar>
#include <QString>

namespace taglund {

// Where the caret stands relative to the tags around it.
enum TCursorPos { cpNone = 0, cpInside = 1, cpBetween = 2, cpInsideEnd = 3 };

struct TPosData {
    TCursorPos CurPos = cpNone;
    QString Attribut;   // cpInside: the attribute whose quoted value holds the caret
    QString cssKode;    // cpInside: the CSS property before the nearest ":" left of the caret
    QString Tag;        // the element name found
    int PosIndex = 0;   // the caret as an index into Text() (a line break counts two)
    QChar LastChar = QChar(u' ');  // the character before the caret
};

} // namespace taglund
