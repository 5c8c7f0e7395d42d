#pragma once
#include <QList>
#include <QString>

namespace taglund {

class Tinfotag;
struct TSnippet;

// One line a generator writes with the code writer's line writer: the line
// replaces the caret's line; `newLine` ends it with a line break,
// `defCursPos` marks the caret after it and `setCursPos` returns there.
struct TKodeLinje {
    QString text;
    bool newLine = true;
    bool defCursPos = false;
    bool setCursPos = false;

    bool operator==(const TKodeLinje &) const = default;
};
using TKodeLinjer = QList<TKodeLinje>;

// Writes the lines one by one at the caret of the writer's document.
void skrivLinjer(Tinfotag &writer, const TKodeLinjer &lines);

// Writes a catalogue item that writes text; false for the others.
bool writeSnippet(Tinfotag &writer, const TSnippet &s);

// Text the user typed, made safe as HTML text: "<" and ">" always, "&"
// unless it already begins a character reference the user wrote.
QString htmlText(const QString &typed);

// A count field's text as the generators read it: at most this many digits,
// so a slip of the finger cannot write a table of a million rows.
constexpr int kMaxTaelCifre = 3;
constexpr int kMaxTael = 999;
// The number of a count text, or -1 when it is not 1 to 3 digits.
int taelVaerdi(const QString &text);

} // namespace taglund
