#include "core/model/findreplace.h"

#include <QTextCursor>
#include <QTextDocument>

namespace taglund::FindReplace {

namespace {

int findDown(const TDocText &text, const QString &what, FindOptions options)
{
    const int from = text.SelStart() + text.SelLength();
    return text.FindText(what, from, text.Length() - from, options);
}

// The last hit wholly before the caret. Whether a hit lies wholly inside
// [s, caret] only gets truer as s moves left, so the last hit is found by
// halving the range instead of stepping from hit to hit, which would make a
// long document full of hits quadratic.
int findUp(const TDocText &text, const QString &what, FindOptions options)
{
    const int caret = text.SelStart();
    const int len = caretLength(what);
    if (caret < len)
        return -1;
    int lo = text.FindText(what, 0, caret, options);
    if (lo < 0)
        return -1;
    int hi = caret - len;
    while (lo < hi) {
        const int mid = lo + (hi - lo + 1) / 2;
        const int hit = text.FindText(what, mid, caret - mid, options);
        if (hit >= 0)
            lo = hit;
        else
            hi = mid - 1;
    }
    return lo;
}

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

// Where "Erstat alle" replaces, as offsets into the text before any change.
// Replacing one hit at a time and searching the live text again after each
// would copy the whole text once per hit; instead the hits are found in one
// snapshot under the same rules as FindText. The only place where the live
// text would differ is the character before a hit that directly follows the
// previous one: there it is the end of the inserted text (or, when nothing is
// inserted, whatever stood before the previous hit), and `before` carries it.
QList<int> replaceAllHits(const TDocText &text, const QString &what, const QString &with, FindOptions options)
{
    QList<int> hits;
    const QString needle = toEditorBreaks(what);
    if (needle.isEmpty())
        return hits;
    const QString hay = toEditorBreaks(text.Text());
    const QString insertedText = toEditorBreaks(with);
    const Qt::CaseSensitivity cs = options.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const qsizetype len = needle.size();
    qsizetype from = 0;
    QChar carried;   // character before `from` in the live text; null at the start
    bool carrying = false;
    qsizetype at = hay.indexOf(needle, from, cs);
    while (at >= 0) {
        const QChar before = (carrying && at == from) ? carried : (at > 0 ? hay[at - 1] : QChar());
        const qsizetype after = at + len;
        const bool whole = !isWordChar(before) && (after >= hay.size() || !isWordChar(hay[after]));
        if (options.wholeWord && !whole) {
            at = hay.indexOf(needle, at + 1, cs);
            continue;
        }
        hits.append(int(at));
        carried = insertedText.isEmpty() ? before : insertedText.back();
        carrying = true;
        from = after;
        at = hay.indexOf(needle, from, cs);
    }
    return hits;
}

void replaceAt(TDocText &text, int at, int length, const QString &with)
{
    text.setSelStart(at);
    text.setSelLength(length);
    text.setSelText(with);
}

} // namespace

int caretLength(const QString &text)
{
    return int(toEditorBreaks(text).size());
}

int findNext(const TDocText &text, const QString &what, FindOptions options, SearchDirection direction)
{
    if (what.isEmpty())
        return -1;
    return direction == SearchDirection::Down ? findDown(text, what, options) : findUp(text, what, options);
}

bool findAndSelect(TDocText &text, const QString &what, FindOptions options, SearchDirection direction)
{
    const int hit = findNext(text, what, options, direction);
    if (hit < 0)
        return false;
    text.SetFocus();
    text.setSelStart(hit);
    text.setSelLength(caretLength(what));
    text.ScrollToCaret();
    return true;
}

bool selectionIsHit(const TDocText &text, const QString &what, FindOptions options)
{
    const int len = caretLength(what);
    if (what.isEmpty() || text.SelLength() != len)
        return false;
    const int start = text.SelStart();
    return text.FindText(what, start, len, options) == start;
}

bool replaceNext(TDocText &text, const QString &what, const QString &with, FindOptions options)
{
    if (what.isEmpty())
        return false;
    if (selectionIsHit(text, what, options)) {
        text.setSelText(with);
        return true;
    }
    const int from = text.SelLength() > 0 ? text.SelStart() + text.SelLength() : 0;
    const int hit = text.FindText(what, from, text.Length() - from, options);
    if (hit < 0)
        return false;
    replaceAt(text, hit, caretLength(what), with);
    return true;
}

int replaceAll(TDocText &text, const QString &what, const QString &with, FindOptions options)
{
    const QList<int> hits = replaceAllHits(text, what, with, options);
    if (hits.isEmpty())
        return 0;
    const int len = caretLength(what);
    const int inserted = caretLength(with);
    // From the last hit back, so the offsets found in the snapshot stay
    // right; all of it is one undo step.
    QTextCursor block(text.document());
    block.beginEditBlock();
    for (qsizetype i = hits.size() - 1; i >= 0; --i)
        replaceAt(text, hits[i], len, with);
    block.endEditBlock();
    text.setSelStart(hits.last() + int(hits.size() - 1) * (inserted - len) + inserted);
    return int(hits.size());
}

} // namespace taglund::FindReplace
