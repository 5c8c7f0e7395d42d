#include "core/text/doctext.h"
#include "html/infotag.h"

namespace taglund {

namespace {

bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}
bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}
bool letterDigitUnderscore(QChar c)
{
    return isAsciiLetter(c) || isAsciiDigit(c) || c == u'_';
}
bool letterDigit(QChar c)
{
    return isAsciiLetter(c) || isAsciiDigit(c);
}
bool cssChar(QChar c)
{
    return isAsciiLetter(c) || c == u'-' || c == u'@';
}

} // namespace

// The run of word characters ending at the caret joined to the run starting
// there; line breaks are never word characters, so the word stays on the
// caret's line.
QString Tinfotag::findWord(bool (*isWordChar)(QChar), bool useSelection) const
{
    if (!m_editor)
        return {};
    const TDocText &d = *m_editor;
    if (useSelection && d.SelLength() > 0)
        return d.SelText();
    const int caret = d.SelStart();
    int from = caret;
    while (from > 0 && isWordChar(d.CharAt(from - 1)))
        --from;
    int to = caret;
    while (to < d.Length() && isWordChar(d.CharAt(to)))
        ++to;
    return d.TextRange(from, to);
}

QString Tinfotag::FindOrd() const
{
    return findWord(letterDigitUnderscore, true);
}
QString Tinfotag::FindOrdJs() const
{
    return findWord(letterDigitUnderscore, true);
}
QString Tinfotag::FindOrdAsp() const
{
    return findWord(letterDigit, true);
}
QString Tinfotag::FindOrdAttribut() const
{
    return findWord(isAsciiLetter, false);
}
QString Tinfotag::FindOrdCSS() const
{
    return findWord(cssChar, true);
}

} // namespace taglund
