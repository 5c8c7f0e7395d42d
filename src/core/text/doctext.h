#pragma once
#include <QPoint>
#include <QString>
#include <QObject>
#include <QTextCursor>
#include <vector>

class QTextDocument;
class QTextBlock;

namespace taglund {

// The editor a TDocText works through: its caret and whether it splits long
// lines at the window edge. A document without an editor (tests, scratch
// documents) keeps its own caret and never splits.
class TCaretHost {
public:
    virtual ~TCaretHost() = default;
    virtual QTextCursor caret() const = 0;
    virtual void setCaret(const QTextCursor &c) = 0;
    virtual bool splitsLines() const = 0;
    virtual void focusEditor() {}
    virtual void scrollToCaret() {}
    // Changes whenever the laid-out lines may have changed without the text
    // changing (the window was resized, splitting switched).
    virtual int layoutStamp() const { return 0; }
};

struct FindOptions {
    bool wholeWord = false;
    bool matchCase = false;
};

// The document text operations: the one way every part of the program reads
// and changes a document's text.
//
// Offsets ("caret offsets") count a line break as ONE position; Text() writes
// each line break as CR LF. So a caret offset plus the number of line breaks
// before it is the index into Text() (TextIndexFromCaret does exactly that).
// A soft line break inside a paragraph (rich text only) appears in Text() as
// a single LF, which keeps that rule exact.
//
// Lines, LineCount, LineIndex, LineFromChar and CaretPos().y() count the
// lines as laid out: while the editor splits lines, a long paragraph is
// several lines.
class TDocText {
public:
    explicit TDocText(QTextDocument *doc, TCaretHost *host = nullptr);
    ~TDocText();
    TDocText(const TDocText &) = delete;
    TDocText &operator=(const TDocText &) = delete;

    QTextDocument *document() const { return m_doc; }

    QString Text() const;
    void setText(const QString &text);

    int SelStart() const;
    void setSelStart(int pos);
    int SelLength() const;
    void setSelLength(int len);
    QString SelText() const;
    void setSelText(const QString &text);

    int LineCount() const;
    // The line count without laying out what is not laid out yet: exact once
    // LayoutComplete(); until then a paragraph not laid out counts as one line.
    int LineCountSoFar() const;
    bool LayoutComplete() const;
    // Lays out paragraphs in order for about `budgetMs`; true when all are.
    bool LayOutSome(int budgetMs);
    QString Line(int i) const;
    QStringList Lines() const;
    void setLine(int i, const QString &text);
    // i == LineCount() appends; appending to an empty document fills its one empty line.
    void insertLine(int i, const QString &text);
    void deleteLine(int i);
    int LineIndex(int i) const;       // -1 when i is not a line
    int LineFromChar(int pos) const;  // pos is clamped into the text
    QPoint CaretPos() const;          // x = column, y = line, both from 0

    bool Modified() const;
    void setModified(bool m);

    // First occurrence lying wholly inside [start, start + length], or -1.
    int FindText(const QString &what, int start, int length, FindOptions options = {}) const;

    void SetFocus();
    void ScrollToCaret();

    // For scanners that must not copy the whole text on every call.
    int Length() const;                       // caret offsets 0..Length()
    QChar CharAt(int pos) const;              // a line break reads as '\n'; outside the text '\0'
    int TextIndexFromCaret(int pos) const;    // index into Text()
    int CaretFromTextIndex(int index) const;  // an index inside a CR LF maps to the break
    QString TextRange(int from, int to) const; // caret offsets, line breaks as CR LF
    int Revision() const;                     // changes with every change of the text

private:
    struct LinePlace {
        int blockStart;  // caret offset of the block
        int start;       // offset of the line inside its block
        int length;
        bool lastInBlock;
    };
    QTextCursor cursor() const;
    void apply(const QTextCursor &c);
    bool splitting() const;
    void syncTable() const;
    int blockLines(int i, const QTextBlock &b, bool force) const;
    bool extendPrefix(int toBlock, qint64 deadlineNs = -1, int pastLine = -1) const;
    int prefixAt(int block) const;
    void blocksChanged(int pos, int added);
    bool place(int line, LinePlace &out) const;
    void replaceRange(int from, int to, const QString &text);

    QTextDocument *m_doc;
    TCaretHost *m_host;
    QTextCursor m_ownCursor;
    // While lines are split: the laid-out lines of each paragraph (0: not
    // known yet), and the running count before each paragraph, exact up to
    // m_prefixValid. An edit forgets only the paragraphs it touched and the
    // running count from there on; a new width or splitting forgets all.
    // Nothing is laid out before someone asks for the lines it holds.
    mutable std::vector<int> m_lines;
    mutable std::vector<int> m_prefix;
    mutable int m_prefixValid = 0;
    mutable bool m_tableSplit = false;
    mutable int m_tableLayoutStamp = -1;
    mutable bool m_tableBuilt = false;
    int m_revision = 0;
    QMetaObject::Connection m_watch;
    QMetaObject::Connection m_blockWatch;
    mutable QString m_textCache;
    mutable int m_textRevision = -1;
    mutable QString m_flatCache;  // caret offsets: breaks as '\n', for FindText
    mutable int m_flatRevision = -1;
};

// Turns line breaks in text being inserted into the editor's own (one
// position per break): CR LF, LF and lone CR each make one break.
QString toEditorBreaks(QString text);   // in the string's own buffer when it is not shared

// The Unicode line and paragraph separators (U+2028, U+2029) in a file's
// text would become the editor's own line breaks and be saved as CR LF.
// While a document holds them they stand in as two private characters
// (U+F8E8, U+F8E9) the editor does not break on, and go back on save, so a
// text the user did not edit is saved as it was read. A text that already
// holds the stand-ins is left as it is (`masked` false).
inline constexpr char16_t kLineStandIn = 0xF8E8;
inline constexpr char16_t kParagraphStandIn = 0xF8E9;
QString maskSeparators(const QString &text, bool *masked = nullptr);
QString unmaskSeparators(const QString &text);
// The name of the document property that says its stand-ins mean separators.
inline const char *kSeparatorsMasked = "taglundSeparatorsMasked";

} // namespace taglund
