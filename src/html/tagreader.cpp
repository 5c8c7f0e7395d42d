#include "core/text/doctext.h"
#include "core/text/paths.h"
#include "html/busyscope.h"
#include "html/infotag.h"
#include "core/text/formatchange.h"
#include "html/structurereader.h"

#include <QAbstractTextDocumentLayout>
#include <QPlainTextDocumentLayout>
#include <QTextDocument>
#include <algorithm>
#include <climits>

namespace taglund {

namespace {

// Up to this length a document is scanned from the caret without limit;
// above it a scan that walks further than kScanBudget characters asks the
// document's tag index instead.
constexpr int kSmallDocument = 64 * 1024;
constexpr int kScanBudget = 1024;

bool isQuote(QChar c)
{
    return c == u'"' || c == u'\'';
}

} // namespace

Tinfotag::Tinfotag() = default;

Tinfotag::~Tinfotag()
{
    QObject::disconnect(m_watch);
}

void Tinfotag::setEditor(TDocText *editor)
{
    if (editor == m_editor)
        return;
    QObject::disconnect(m_watch);
    m_index.clear();
    m_mirror.clear();
    m_mirrorRefused = false;
    m_editor = editor;
    if (!editor)
        return;
    // A document reports its edits only once it has a layout. A document
    // without an editor window gets the plain one, which places lines only
    // when asked.
    QTextDocument *doc = editor->document();
    if (!doc->findChild<QAbstractTextDocumentLayout *>(QString(), Qt::FindDirectChildrenOnly))
        doc->setDocumentLayout(new QPlainTextDocumentLayout(doc));
    m_watch = QObject::connect(editor->document(), &QTextDocument::contentsChange, editor->document(),
                               [this](int pos, int removed, int added) {
                                   if (!m_editor || onlyFormatsChanging(m_editor->document()))
                                       return;
                                   m_mirror.edit(*m_editor, pos, removed, added);
                                   if (m_index.built())
                                       m_index.edit(*m_editor, m_noEnd, pos, removed, added, &m_mirror);
                               });
}

static bool loadInto(TTagSet &set, const QString &Fname, QString *error, int &generation)
{
    ++generation;
    return set.Load(Fname, error);
}

bool Tinfotag::LoadNosluttagliste(const QString &Fname, QString *error)
{
    return loadInto(m_noEnd, Fname, error, m_listGeneration);
}
bool Tinfotag::LoadTagliste(const QString &Fname, QString *error)
{
    return loadInto(m_withEnd, Fname, error, m_listGeneration);
}
bool Tinfotag::LoadAlletagliste(const QString &Fname, QString *error)
{
    return loadInto(m_all, Fname, error, m_listGeneration);
}
bool Tinfotag::LoadUAttributliste(const QString &Fname, QString *error)
{
    return loadInto(m_noValue, Fname, error, m_listGeneration);
}
bool Tinfotag::LoadExcludeliste(const QString &Fname, QString *error)
{
    return loadInto(m_exclude, Fname, error, m_listGeneration);
}

bool Tinfotag::LoadKnowledge(QString *message)
{
    using Loader = bool (Tinfotag::*)(const QString &, QString *);
    const struct {
        const QString &dir;
        const char *file;
        Loader load;
    } steps[] = {
        {m_dirs.htmllistedir, "UdenSlutkode.txt", &Tinfotag::LoadNosluttagliste},
        {m_dirs.htmllistedir, "MedSlutkode.txt", &Tinfotag::LoadTagliste},
        {m_dirs.htmllistedir, "AlleKoder.txt", &Tinfotag::LoadAlletagliste},
        {m_dirs.attributedir, "_undtagelser.txt", &Tinfotag::LoadUAttributliste},
        {m_dirs.htmllistedir, "Ekskluderet.txt", &Tinfotag::LoadExcludeliste},
    };
    for (const auto &s : steps) {
        const QString path = joinPath(s.dir, QString::fromLatin1(s.file));
        QString error;
        if (!(this->*s.load)(path, &error)) {
            if (message)
                *message = QStringLiteral("Filen \"%1\" kan ikke åbnes.\r%2").arg(path, error);
            return false;
        }
    }
    return true;
}

void Tinfotag::ensureTagIndex()
{
    if (!m_index.isFor(*m_editor, m_listGeneration)) {
        m_index.build(*m_editor, m_noEnd, &m_mirror);
        m_index.stamp(m_listGeneration);
    }
}

// Scans left from the caret counting end tags against start tags of
// elements that take an end tag; openAt is the "<" where the balance first
// drops below zero (-1 when it never does). False when the budget ran out
// before the question was settled.
bool Tinfotag::betweenScan(TDocScanner &d, int caret, int budget, int &openAt) const
{
    int balance = 0;
    int steps = 0;
    openAt = -1;
    for (int j = caret - 1; j >= 0; --j) {
        if (++steps > budget)
            return false;
        if (d.at(j) != u'<')
            continue;
        if (d.at(j + 1) == u'/') {
            ++balance;
        } else {
            const QString name = d.readName(j + 1);
            steps += int(name.size());
            if (!m_noEnd.contains(name))
                --balance;
        }
        if (balance == -1) {
            openAt = j;
            return true;
        }
    }
    return true;
}

// Inside a start tag: the attribute whose quoted value holds the caret and
// the CSS property before the nearest colon, scanning left to the "<".
void Tinfotag::attributeScan(TDocScanner &d, int caret, int open)
{
    int css = 0;  // 0 looking for ":", 1 collecting the property, 2 done
    bool inAttribute = false;
    for (int j = caret - 1; j > open; --j) {
        const QChar c = d.at(j);
        const bool blank = TagScan::isBlank(c);
        if (css == 1) {
            if (isQuote(c) || c == u';' || blank)
                css = 2;
            else
                PosData.cssKode.prepend(c);
        } else if (css == 0 && c == u':') {
            css = 1;
        }
        if (inAttribute) {
            if (blank)
                return;
            PosData.Attribut.prepend(c);
        }
        if (isQuote(c)) {
            if (d.at(j - 1) != u'=')
                return;
            inAttribute = true;
            --j;  // over the "="
        }
    }
}

QString Tinfotag::GetTag()
{
    PosData = TPosData();
    if (!m_editor)
        return {};
    const TDocText &d = *m_editor;
    const int length = d.Length();
    const int caret = std::clamp(d.SelStart(), 0, length);
    // A large document is read from a copy kept in step with its edits.
    // A document whose characters its blocks do not all show (rich text with
    // tables) cannot be copied; it is not tried again on every key.
    if (length > kSmallDocument && !m_mirrorRefused && !m_mirror.isFor(d)) {
        m_mirror.build(d);
        m_mirrorRefused = !m_mirror.built();
    }
    TDocScanner scan(d, TDocScanner::Leftwards, &m_mirror);
    PosData.PosIndex = d.TextIndexFromCaret(caret);
    if (caret > 0)
        PosData.LastChar = scan.at(caret - 1);
    // The reader only works on documents that begin with "<" (a text of one
    // character, or of one line break as CR LF, is long enough to refuse).
    // (The start of a document read where it lies is one lookup, not a window.)
    const QChar first = scan.readsMirror() ? scan.at(0) : d.CharAt(0);
    const bool longerThanOne = length >= 2 || (length == 1 && first == u'\n');
    if (longerThanOne && first != u'<')
        return {};
    if (caret == 0)
        return {};

    const int budget = length <= kSmallDocument ? INT_MAX : kScanBudget;
    // The nearest "<" left of the caret, and whether a ">" lies between.
    int open = -1;
    bool closed = false;
    bool settled = false;
    for (int j = caret - 1, steps = 0; j >= 0; --j) {
        if (++steps > budget)
            break;
        const QChar c = scan.at(j);
        if (c == u'<') {
            open = j;
            settled = true;
            break;
        }
        if (c == u'>')
            closed = true;
        if (j == 0)
            settled = true;
    }
    if (!settled) {
        ensureTagIndex();
        open = m_index.lastOpenBefore(caret);
        closed = m_index.anyCloseIn(open + 1, caret - 1);
    }

    if (open >= 0 && !closed) {
        if (open == length - 1) {
            PosData.CurPos = cpInside;
        } else if (scan.at(open + 1) == u'/') {
            PosData.CurPos = cpInsideEnd;
            PosData.Tag = scan.readName(open + 2);
        } else {
            PosData.CurPos = cpInside;
            PosData.Tag = scan.readName(open + 1);
            attributeScan(scan, caret, open);
        }
        return PosData.Tag;
    }

    int element = -1;
    if (!betweenScan(scan, caret, budget, element)) {
        ensureTagIndex();
        element = m_index.openElementBefore(caret);
    }
    if (element >= 0) {
        PosData.CurPos = cpBetween;
        PosData.Tag = scan.readName(element + 1);
    }
    return PosData.Tag;
}

bool Tinfotag::ReadStructure(int strukturNo)
{
    if (m_busy)
        return false;
    if (!m_editor) {
        if (OnProgress) {
            OnProgress(0);
            OnProgress(100);
        }
        return false;
    }
    // Busy, and the text copied, before the first progress report lets
    // events run: the document may change, close or stop being the active
    // one meanwhile, and the tree must still be that of document strukturNo.
    BusyScope scope(m_busy, OnBusy);
    const QString text = m_editor->Text();
    if (OnProgress)
        OnProgress(0);
    m_tree.clear();
    TStructureReader reader({m_exclude, m_noEnd, m_withEnd}, OnProgress);
    const bool complete = reader.read(text);
    m_tree.setNodes(reader.takeNodes(), strukturNo);
    if (complete && OnProgress)
        OnProgress(100);
    return true;
}

void Tinfotag::GotoTag(int node)
{
    if (!m_editor || node < 0 || node >= m_tree.count())
        return;
    TDocText &d = *m_editor;
    if (node == 0) {
        d.setSelStart(0);
        d.setSelLength(0);
        d.ScrollToCaret();
        return;
    }
    const TTagTree::Node &n = m_tree.node(node);
    const QString tag = n.name;
    const int length = (KontrolMode == 4 && n.data.TagEnd == 3) ? 2 : int(tag.size());
    const int from = d.CaretFromTextIndex(std::max(0, n.data.Index));
    const int found = d.FindText(u'<' + tag, from, d.Length() - from);
    d.setSelStart(found >= 0 ? found + 1 : 0);
    d.setSelLength(length);
    d.ScrollToCaret();
}

} // namespace taglund
