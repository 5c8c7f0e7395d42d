#include "tools/ordregel.h"

#include "core/text/doctext.h"

namespace taglund {

bool erOrdtegn(QChar c)
{
    const char16_t u = c.unicode();
    if (u == u'-' || (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z'))
        return true;
    return u == u'Æ' || u == u'Ø' || u == u'Å' || u == u'æ' || u == u'ø' || u == u'å';
}

TOrdFund FindOrd(const TDocText &text)
{
    TOrdFund fund;
    if (text.SelLength() > 0) {
        fund.ord = text.SelText();
        if (fund.ord.endsWith(u' '))
            fund.ord.chop(1);
        fund.startpos = text.SelStart();
        fund.selL = int(fund.ord.size());
        return fund;
    }
    // A line break is no word character, so both walks stay on the caret's line.
    const int caret = text.SelStart();
    const int length = text.Length();
    int from = caret;
    while (from > 0 && erOrdtegn(text.CharAt(from - 1)))
        --from;
    int to = caret;
    while (to < length && erOrdtegn(text.CharAt(to)))
        ++to;
    for (int i = from; i < to; ++i)
        fund.ord += text.CharAt(i);
    fund.startpos = from;
    fund.selL = to - from;
    return fund;
}

} // namespace taglund
