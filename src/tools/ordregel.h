#pragma once
#include <QString>

namespace taglund {

class TDocText;

// The word at the caret as the dictionary and "Send til søgefeltet" see it:
// the text (`ordS`), where it starts (`startpos`, a caret offset) and how
// long it is (`selL`).
struct TOrdFund {
    QString ord;
    int startpos = 0;
    int selL = 0;
};

// A word is made of "-", digits, the letters A-Z and a-z, and Æ Ø Å æ ø å.
bool erOrdtegn(QChar c);

// `FindOrd`: the selected text (less one final blank) when something is
// selected; otherwise the word characters on both sides of the caret on its
// own line.
TOrdFund FindOrd(const TDocText &text);

} // namespace taglund
