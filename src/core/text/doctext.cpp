#include "core/text/doctext.h"

#include <QAbstractTextDocumentLayout>
#include <QElapsedTimer>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>

namespace taglund {

namespace {

constexpr int kFullLayoutLimit = 4 * 1024 * 1024;

bool isBreak(QChar c)
{
    return c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
}

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

// Raw editor text (paragraph separators) to Text() form.
QString withCrLf(const QString &raw)
{
    QString out;
    out.reserve(raw.size() + raw.size() / 20 + 8);
    for (QChar c : raw) {
        if (c == QChar::ParagraphSeparator)
            out += QStringLiteral("\r\n");
        else if (c == QChar::LineSeparator)
            out += u'\n';
        else
            out += c;
    }
    return out;
}

} // namespace


QString maskSeparators(const QString &text, bool *masked)
{
    const bool has = text.contains(QChar::LineSeparator) || text.contains(QChar::ParagraphSeparator);
    const bool clash = text.contains(QChar(kLineStandIn)) || text.contains(QChar(kParagraphStandIn));
    if (masked)
        *masked = !clash;
    if (!has || clash)
        return text;
    QString out = text;
    out.replace(QChar::LineSeparator, QChar(kLineStandIn));
    out.replace(QChar::ParagraphSeparator, QChar(kParagraphStandIn));
    return out;
}

QString unmaskSeparators(const QString &text)
{
    if (!text.contains(QChar(kLineStandIn)) && !text.contains(QChar(kParagraphStandIn)))
        return text;
    QString out = text;
    out.replace(QChar(kLineStandIn), QChar::LineSeparator);
    out.replace(QChar(kParagraphStandIn), QChar::ParagraphSeparator);
    return out;
}

QString toEditorBreaks(QString text)
{
    if (!text.contains(u'\r'))
        return text;
    // The text only gets shorter, so it is rewritten where it stands.
    QChar *p = text.data();
    const qsizetype n = text.size();
    qsizetype o = 0;
    for (qsizetype i = 0; i < n; ++i) {
        if (p[i] == u'\r') {
            p[o++] = u'\n';
            if (i + 1 < n && p[i + 1] == u'\n')
                ++i;
        } else {
            p[o++] = p[i];
        }
    }
    text.truncate(o);
    return text;
}

TDocText::TDocText(QTextDocument *doc, TCaretHost *host)
    : m_doc(doc), m_host(host), m_ownCursor(doc)
{
    // contentsChanged, not contentsChange: the latter only comes from a
    // document that has a layout, and engines use documents without one.
    m_watch = QObject::connect(doc, &QTextDocument::contentsChanged, doc, [this] { ++m_revision; });
    // The line table follows edits paragraph by paragraph. Only documents
    // with a layout report where they changed, and only they split lines.
    m_blockWatch = QObject::connect(doc, &QTextDocument::contentsChange, doc,
                                    [this](int pos, int, int added) { blocksChanged(pos, added); });
}

TDocText::~TDocText()
{
    QObject::disconnect(m_watch);
    QObject::disconnect(m_blockWatch);
}

QTextCursor TDocText::cursor() const
{
    return m_host ? m_host->caret() : m_ownCursor;
}

void TDocText::apply(const QTextCursor &c)
{
    if (m_host)
        m_host->setCaret(c);
    else
        m_ownCursor = c;
}

bool TDocText::splitting() const
{
    return m_host && m_host->splitsLines();
}

int TDocText::Length() const
{
    return std::max(0, m_doc->characterCount() - 1);
}

QString TDocText::Text() const
{
    if (m_textRevision != m_revision || m_textCache.isNull()) {
        m_textCache = withCrLf(m_doc->toRawText());
        m_textRevision = m_revision;
    }
    return m_textCache;
}

void TDocText::setText(const QString &text)
{
    QTextCursor c(m_doc);
    c.beginEditBlock();
    c.select(QTextCursor::Document);
    c.insertText(toEditorBreaks(text));
    c.endEditBlock();
    c.setPosition(0);
    apply(c);
    m_doc->setModified(true);
}

int TDocText::SelStart() const
{
    return cursor().selectionStart();
}

void TDocText::setSelStart(int pos)
{
    QTextCursor c = cursor();
    c.setPosition(std::clamp(pos, 0, Length()));
    apply(c);
}

int TDocText::SelLength() const
{
    QTextCursor c = cursor();
    return c.selectionEnd() - c.selectionStart();
}

void TDocText::setSelLength(int len)
{
    QTextCursor c = cursor();
    const int start = c.selectionStart();
    c.setPosition(start);
    c.setPosition(std::clamp(start + std::max(0, len), 0, Length()), QTextCursor::KeepAnchor);
    apply(c);
}

QString TDocText::SelText() const
{
    return withCrLf(cursor().selectedText());
}

void TDocText::setSelText(const QString &text)
{
    QTextCursor c = cursor();
    c.insertText(toEditorBreaks(text));
    c.clearSelection();
    apply(c);
}

void TDocText::syncTable() const
{
    const bool split = splitting();
    const int stamp = m_host ? m_host->layoutStamp() : 0;
    const size_t blocks = size_t(m_doc->blockCount());
    if (m_tableBuilt && m_tableSplit == split && m_tableLayoutStamp == stamp && m_lines.size() == blocks)
        return;
    m_lines.assign(blocks, 0);
    m_prefix.assign(blocks + 1, 0);
    m_prefixValid = 0;
    m_tableSplit = split;
    m_tableLayoutStamp = stamp;
    m_tableBuilt = true;
}

void TDocText::blocksChanged(int pos, int added)
{
    if (!m_tableBuilt)
        return;
    const int count = m_doc->blockCount();
    const QTextBlock first = m_doc->findBlock(pos);
    if (!first.isValid()) {
        m_tableBuilt = false;
        return;
    }
    const int f = first.blockNumber();
    QTextBlock last = m_doc->findBlock(pos + added);
    const int lastNew = last.isValid() ? last.blockNumber() : count - 1;
    // The paragraphs f..lastNew now stand where f..f + oldSpan - 1 stood.
    const int newSpan = lastNew - f + 1;
    const int oldSpan = newSpan - (count - int(m_lines.size()));
    if (oldSpan < 1 || f + oldSpan > int(m_lines.size())) {
        m_tableBuilt = false;
        return;
    }
    auto at = m_lines.begin() + f;
    if (newSpan >= oldSpan) {
        std::fill(at, at + oldSpan, 0);
        m_lines.insert(at + oldSpan, size_t(newSpan - oldSpan), 0);
    } else {
        m_lines.erase(at + newSpan, at + oldSpan);
        std::fill(m_lines.begin() + f, m_lines.begin() + f + newSpan, 0);
    }
    m_prefix.resize(size_t(count) + 1);
    m_prefixValid = std::min(m_prefixValid, f);
}

// The editor drops the layout of paragraphs it re-lays out later (their line
// count stays what it was); reading their lines needs the layout back.
static void layOut(QTextDocument *doc, const QTextBlock &b)
{
    if (b.isValid() && b.layout() && b.layout()->lineCount() == 0 && doc->characterCount() <= kFullLayoutLimit)
        doc->documentLayout()->blockBoundingRect(b);
}

int TDocText::blockLines(int i, const QTextBlock &b, bool force) const
{
    if (m_lines[size_t(i)] > 0)
        return m_lines[size_t(i)];
    if (!b.isVisible())
        return 1;
    QTextLayout *l = b.layout();
    if (!l)
        return 1;
    // Beyond a few megabytes a paragraph the editor has not laid out yet (it
    // lays out what is scrolled into view) counts as one line: laying out
    // all of them would freeze the window for seconds.
    if (l->lineCount() == 0 && force && m_doc->characterCount() <= kFullLayoutLimit)
        m_doc->documentLayout()->blockBoundingRect(b);
    if (l->lineCount() == 0)
        return 1;
    m_lines[size_t(i)] = l->lineCount();
    return m_lines[size_t(i)];
}

// Makes the running count exact up to paragraph `toBlock` (the count before
// it), laying out what it needs; stops early once the deadline has passed or
// the count has gone past line `pastLine`.
bool TDocText::extendPrefix(int toBlock, qint64 deadlineNs, int pastLine) const
{
    syncTable();
    toBlock = std::min(toBlock, int(m_lines.size()));
    if (m_prefixValid >= toBlock)
        return true;
    QElapsedTimer clock;
    if (deadlineNs >= 0)
        clock.start();
    // Paragraphs whose count is known need no visit: after an edit only the
    // edited ones are looked up, and the rest is a sum.
    QTextBlock b;
    int at = -1;   // the number of b
    for (int i = m_prefixValid; i < toBlock; ++i) {
        int n = m_lines[size_t(i)];
        if (n <= 0) {
            b = at == i - 1 && b.isValid() ? b.next() : m_doc->findBlockByNumber(i);
            at = i;
            if (!b.isValid())
                return true;
            n = blockLines(i, b, true);
        }
        m_prefix[size_t(i) + 1] = m_prefix[size_t(i)] + n;
        m_prefixValid = i + 1;
        if (pastLine >= 0 && m_prefix[size_t(i) + 1] > pastLine)
            return true;
        if (deadlineNs >= 0 && (i & 15) == 0 && clock.nsecsElapsed() > deadlineNs)
            return m_prefixValid >= toBlock;
    }
    return true;
}

int TDocText::prefixAt(int block) const
{
    extendPrefix(block);
    return m_prefix[size_t(block)];
}

int TDocText::LineCount() const
{
    if (!splitting())
        return m_doc->blockCount();
    syncTable();
    return prefixAt(int(m_lines.size()));
}

int TDocText::LineCountSoFar() const
{
    if (!splitting())
        return m_doc->blockCount();
    syncTable();
    int total = m_prefix[size_t(m_prefixValid)];
    for (size_t i = size_t(m_prefixValid); i < m_lines.size(); ++i)
        total += std::max(1, m_lines[i]);
    return total;
}

bool TDocText::LayoutComplete() const
{
    if (!splitting())
        return true;
    syncTable();
    return m_prefixValid >= int(m_lines.size());
}

bool TDocText::LayOutSome(int budgetMs)
{
    if (!splitting())
        return true;
    syncTable();
    return extendPrefix(int(m_lines.size()), qint64(budgetMs) * 1000000) && LayoutComplete();
}

bool TDocText::place(int line, LinePlace &out) const
{
    int blockNo = line;
    int sub = 0;
    if (splitting()) {
        syncTable();
        if (line < 0)
            return false;
        // Lay out only as far as the line asked for.
        const int blocks = int(m_lines.size());
        if (m_prefix[size_t(m_prefixValid)] <= line)
            extendPrefix(blocks, -1, line);
        if (line >= m_prefix[size_t(m_prefixValid)])
            return false;
        // The block whose range of lines holds this one.
        const auto begin = m_prefix.begin(), end = m_prefix.begin() + m_prefixValid + 1;
        blockNo = int(std::upper_bound(begin, end, line) - begin) - 1;
        sub = line - m_prefix[size_t(blockNo)];
    } else if (line < 0 || line >= m_doc->blockCount()) {
        return false;
    }
    const QTextBlock b = m_doc->findBlockByNumber(blockNo);
    if (splitting())
        layOut(m_doc, b);
    out.blockStart = b.position();
    const int blockLen = b.length() - 1;
    if (!splitting() || !b.layout() || b.layout()->lineCount() <= 1) {
        out.start = 0;
        out.length = blockLen;
        out.lastInBlock = true;
        return true;
    }
    const QTextLine tl = b.layout()->lineAt(sub);
    out.start = tl.textStart();
    out.length = std::min(tl.textLength(), blockLen - out.start);
    out.lastInBlock = sub == b.layout()->lineCount() - 1;
    if (out.lastInBlock)
        out.length = blockLen - out.start;
    return true;
}

QString TDocText::Line(int i) const
{
    LinePlace p;
    if (!place(i, p))
        return {};
    const QTextBlock b = m_doc->findBlock(p.blockStart);
    return withCrLf(b.text().mid(p.start, p.length));
}

QStringList TDocText::Lines() const
{
    QStringList out;
    const int n = LineCount();
    out.reserve(n);
    for (int i = 0; i < n; ++i)
        out.append(Line(i));
    return out;
}

void TDocText::replaceRange(int from, int to, const QString &text)
{
    QTextCursor c(m_doc);
    c.setPosition(from);
    c.setPosition(to, QTextCursor::KeepAnchor);
    c.insertText(toEditorBreaks(text));
}

void TDocText::setLine(int i, const QString &text)
{
    LinePlace p;
    if (!place(i, p))
        return;
    const int from = p.blockStart + p.start;
    replaceRange(from, from + p.length, text);
}

void TDocText::insertLine(int i, const QString &text)
{
    const int count = LineCount();
    if (i < 0 || i > count)
        return;
    if (i == count) {
        if (Length() == 0)
            replaceRange(0, 0, text);
        else
            replaceRange(Length(), Length(), QStringLiteral("\n") + text);
        return;
    }
    const int at = LineIndex(i);
    replaceRange(at, at, text + QStringLiteral("\n"));
}

void TDocText::deleteLine(int i)
{
    LinePlace p;
    if (!place(i, p))
        return;
    int from = p.blockStart + p.start;
    int to = from + p.length;
    if (p.lastInBlock) {
        if (to < Length())
            ++to;              // the line break after it
        else if (from > 0 && p.start == 0)
            --from;            // the last line: take the break before it
    }
    replaceRange(from, to, QString());
}

int TDocText::LineIndex(int i) const
{
    LinePlace p;
    if (!place(i, p))
        return -1;
    return p.blockStart + p.start;
}

int TDocText::LineFromChar(int pos) const
{
    pos = std::clamp(pos, 0, Length());
    const QTextBlock b = m_doc->findBlock(pos);
    if (!splitting())
        return b.isValid() ? b.blockNumber() : m_doc->blockCount() - 1;
    if (!b.isValid())
        return std::max(0, LineCount() - 1);
    int line = prefixAt(b.blockNumber());
    layOut(m_doc, b);   // its own lines too
    if (splitting() && b.layout() && b.layout()->lineCount() > 1) {
        const QTextLine tl = b.layout()->lineForTextPosition(pos - b.position());
        if (tl.isValid())
            line += tl.lineNumber();
    }
    return line;
}

QPoint TDocText::CaretPos() const
{
    const int pos = cursor().position();
    const int y = LineFromChar(pos);
    const int start = LineIndex(y);
    return {start < 0 ? 0 : pos - start, y};
}

bool TDocText::Modified() const
{
    return m_doc->isModified();
}

void TDocText::setModified(bool m)
{
    m_doc->setModified(m);
}

int TDocText::FindText(const QString &what, int start, int length, FindOptions options) const
{
    if (what.isEmpty() || length <= 0)
        return -1;
    const int total = Length();
    start = std::clamp(start, 0, total);
    const int end = std::clamp(start + length, start, total);
    // Searching up asks many times in a row: the flattened text is made once
    // per revision of the document.
    if (m_flatRevision != m_revision || m_flatCache.isNull()) {
        m_flatCache = m_doc->toRawText();
        for (QChar &c : m_flatCache)
            if (isBreak(c))
                c = u'\n';
        m_flatRevision = m_revision;
    }
    const QString &hay = m_flatCache;
    const QString needle = toEditorBreaks(what);
    const Qt::CaseSensitivity cs = options.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    qsizetype at = start;
    while (true) {
        at = hay.indexOf(needle, at, cs);
        if (at < 0 || at + needle.size() > end)
            return -1;
        if (!options.wholeWord)
            return int(at);
        const bool before = at == 0 || !isWordChar(hay[at - 1]);
        const qsizetype after = at + needle.size();
        const bool afterOk = after >= hay.size() || !isWordChar(hay[after]);
        if (before && afterOk)
            return int(at);
        ++at;
    }
}

void TDocText::SetFocus()
{
    if (m_host)
        m_host->focusEditor();
}

void TDocText::ScrollToCaret()
{
    if (m_host)
        m_host->scrollToCaret();
}

QChar TDocText::CharAt(int pos) const
{
    if (pos < 0 || pos >= Length())
        return QChar(u'\0');
    const QChar c = m_doc->characterAt(pos);
    return isBreak(c) ? QChar(u'\n') : c;
}

int TDocText::TextIndexFromCaret(int pos) const
{
    pos = std::clamp(pos, 0, Length());
    const QTextBlock b = m_doc->findBlock(pos);
    return pos + (b.isValid() ? b.blockNumber() : m_doc->blockCount() - 1);
}

int TDocText::CaretFromTextIndex(int index) const
{
    if (index <= 0)
        return 0;
    // Find the last block whose start in Text() is at or before index.
    int lo = 0, hi = m_doc->blockCount() - 1;
    while (lo < hi) {
        const int mid = (lo + hi + 1) / 2;
        const int textStart = m_doc->findBlockByNumber(mid).position() + mid;
        if (textStart <= index)
            lo = mid;
        else
            hi = mid - 1;
    }
    const QTextBlock b = m_doc->findBlockByNumber(lo);
    const int inBlock = index - (b.position() + lo);
    return std::min(b.position() + std::min(inBlock, b.length() - 1), Length());
}

QString TDocText::TextRange(int from, int to) const
{
    from = std::clamp(from, 0, Length());
    to = std::clamp(to, from, Length());
    QTextCursor c(m_doc);
    c.setPosition(from);
    c.setPosition(to, QTextCursor::KeepAnchor);
    return withCrLf(c.selectedText());
}

int TDocText::Revision() const
{
    return m_revision;
}

} // namespace taglund
