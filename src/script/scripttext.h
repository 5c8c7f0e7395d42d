#pragma once
#include <QString>
#include <QStringList>

// The text rules the VBScript analyser reads lines by: type codes and their
// names, the ways a line is split, and the token tests that need no
// registry. Everything here is a pure function of its arguments.
namespace taglund::ScriptText {

// Code 250 is "no type" (a "-" signature field) and has the empty name, as
// has every code outside the table.
constexpr int kIngenType = 250;
QString typeName(int code);
// True for the codes the table names (250 included).
bool isKnownTypeCode(int code);
// A signature field read as a type code: "-" gives 250; otherwise its
// digits taken together, and a field without digits gives 0.
int typeCode(const QString &field);
// Codes from 50 up are object types.
inline bool isObjectCode(int code) { return code >= 50; }

// Splits at c, double quotes not considered. An occurrence at the first
// position is dropped; every later one ends a part. With n above 0 at most
// n splits are made. Parts are trimmed; a last part that is empty before
// trimming is not added, empty parts elsewhere stay.
QStringList splitAt(const QString &text, QChar c, int n = 0);
// As splitAt, but occurrences inside double quotes do not split; parts are
// not trimmed and empty parts are dropped.
QStringList splitOutsideQuotes(const QString &text, QChar c);
// Counts c outside double quotes.
int countOutsideQuotes(const QString &text, QChar c);

// The words of a side of a line: split at blanks outside double quotes and
// outside brackets (a ")" ends the bracket state even when nested), words
// trimmed, empty words dropped.
struct Words {
    QStringList words;
    int quotes = 0;    // every double quote
    int brackets = 0;  // "(" and ")" outside double quotes
};
Words splitWords(const QString &text);

// The parameters written in brackets after a call's name.
struct CallParts {
    QString name;        // the text before the first "("
    QString parametre;   // after it, up to a final ")"
    int count = 0;       // 1 + commas outside quotes, 0 when nothing stands between the brackets
    bool hasBracket = false;
};
CallParts splitParametre(const QString &call);

// Parameters split at commas outside double quotes; a quote stays part of
// its parameter. An empty parameter between two commas counts, an empty
// text after the last comma does not.
QStringList splitParameterList(const QString &parametre);

// The text up to its first "(" or ")".
QString beforeBracket(const QString &text);

bool isStringToken(const QString &t);
bool isNumberLiteral(const QString &t);
// A name a call may have: only the letters a to z and ".".
bool isCallName(const QString &name);

} // namespace taglund::ScriptText
