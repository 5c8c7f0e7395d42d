#include "highlight/kodevisning.h"
#include "highlight/linjemargen.h"
#include "core/text/formatchange.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

namespace taglund {

namespace {

constexpr char kProperty[] = "taglundKodeVisning";

// The size the document has in a file with CR LF line ends, as the window
// measured it when it chose to stop splitting lines.
qsizetype fileSize(const QTextDocument *doc)
{
    return qsizetype(doc->characterCount()) + doc->blockCount();
}

bool hasTags(TSprog s)
{
    return s == TSprog::Html || s == TSprog::Asp || s == TSprog::Wsf;
}

} // namespace

TKodeVisning::TKodeVisning(QPlainTextEdit *editor, const QString &ext, const TTagSet &noEndTag)
    : QObject(editor->document()), m_editor(editor), m_text(editor->document()), m_sprog(sprogFor(ext)),
      m_skema(TFarveSkema::forPalette(editor->palette())), m_partner(m_text, noEndTag)
{
    m_valg.farver = false;
    m_valg.linjenumre = false;
    m_forStor = fileSize(editor->document()) > kFarveGraense;
    editor->setProperty(kProperty, QVariant::fromValue<QObject *>(this));
    editor->installEventFilter(this);
    m_tagTimer.setSingleShot(true);
    m_tagTimer.setInterval(40);
    connect(&m_tagTimer, &QTimer::timeout, this, &TKodeVisning::findMatch);
    m_farveTimer.setInterval(0);
    connect(&m_farveTimer, &QTimer::timeout, this, &TKodeVisning::farvMere);
    connect(editor->verticalScrollBar(), &QScrollBar::valueChanged, this, &TKodeVisning::farvSynlige);
    connect(editor, &QPlainTextEdit::cursorPositionChanged, this, &TKodeVisning::caretMoved);
    connect(editor->document(), &QTextDocument::contentsChange, this, &TKodeVisning::contentsChanged);
}

TKodeVisning::~TKodeVisning() = default;

TKodeVisning *TKodeVisning::of(QPlainTextEdit *editor)
{
    return editor ? qobject_cast<TKodeVisning *>(editor->property(kProperty).value<QObject *>()) : nullptr;
}

void TKodeVisning::setValg(const TVisningsValg &valg)
{
    m_valg = valg;
    const bool colour = valg.farver && !m_forStor && m_sprog != TSprog::Ingen;
    if (colour && !m_farver) {
        m_farver = lavFarver(m_sprog, m_editor->document());
        // What is on screen first, the rest while the program is idle.
        m_farver->start(synligeBlokke());
        m_farver->setSkema(m_skema);
        if (!m_farver->alleFarvet())
            m_farveTimer.start();
    } else if (!colour && m_farver) {
        m_farveTimer.stop();
        delete m_farver;
    }
    if (valg.linjenumre && !m_margen) {
        m_margen = new TLinjeMargen(m_editor);
        m_margen->setSkema(m_skema);
    } else if (!valg.linjenumre && m_margen) {
        m_margen->detach();
        delete m_margen;
    }
    m_match = {};
    // The partner of the tag at the caret may lie at the end of the page;
    // it is looked for once the window is on screen, as after a caret move.
    if (valg.farver && !m_forStor && hasTags(m_sprog))
        m_tagTimer.start();
    applyMarks();
}

void TKodeVisning::caretMoved()
{
    if (!m_valg.farver)
        return;
    // The current line moves at once; the partner is looked for when the caret rests.
    if (!m_forStor && hasTags(m_sprog))
        m_tagTimer.start();
    applyMarks();
}

int TKodeVisning::synligeBlokke() const
{
    // Every paragraph is at least one line, so the top paragraph's number is
    // at most the scroll bar's value.
    const int lines = m_editor->viewport()->height() / std::max(1, m_editor->fontMetrics().lineSpacing()) + 1;
    const int top = std::max(m_editor->verticalScrollBar()->value(), m_editor->textCursor().blockNumber());
    return top + 2 * lines + 50;
}

void TKodeVisning::farvSynlige()
{
    if (m_farver && m_farveTimer.isActive())
        m_farver->farvTil(synligeBlokke());
}

void TKodeVisning::farvMere()
{
    if (!m_farver || m_farver->alleFarvet()) {
        m_farveTimer.stop();
        return;
    }
    // Pieces of about four milliseconds keep keys and painting answered.
    QElapsedTimer clock;
    clock.start();
    m_farver->farvTil(m_farver->foersteVentende() + m_farveStykke);
    const qint64 ms = clock.elapsed();
    if (ms < 2)
        m_farveStykke = std::min(m_farveStykke * 2, 8192);
    else if (ms > 6)
        m_farveStykke = std::max(m_farveStykke / 2, 16);
}

void TKodeVisning::contentsChanged(int pos, int removed, int added)
{
    if (onlyFormatsChanging(m_editor->document()))
        return;
    m_partner.edit(pos, removed, added);
    if (m_match.here.valid())
        m_match = {};
    if (!m_forStor && fileSize(m_editor->document()) > kFarveGraense) {
        // Pasted past the limit: colouring a document this size would cost every key.
        m_forStor = true;
        m_tagTimer.stop();
        m_farveTimer.stop();
        if (m_farver) {
            m_farver->venterEfter(0);   // not coloured once more before it goes
            m_farver->deleteLater();
        }
        m_farver = nullptr;
    } else if (m_farver && added >= kStorRettelse) {
        // A reload or a large paste is coloured as an opened page is: what
        // is on screen at once, the rest while the program is idle.
        m_farver->venterEfter(synligeBlokke());
        m_farveTimer.start();
    }
}

void TKodeVisning::markNow()
{
    m_tagTimer.stop();
    if (m_valg.farver && !m_forStor && hasTags(m_sprog))
        findMatch();
}

void TKodeVisning::findMatch()
{
    m_match = m_partner.find(m_editor->textCursor().position());
    applyMarks();
}

void TKodeVisning::applyMarks()
{
    // The current line is marked from its start, so typing along it leaves
    // the marks as they are: changing them repaints the whole editor.
    QTextCursor lineStart = m_editor->textCursor();
    lineStart.clearSelection();
    const QTextBlock b = lineStart.block();
    if (const QTextLayout *l = b.layout(); l && l->lineCount() > 1) {
        const QTextLine tl = l->lineForTextPosition(lineStart.positionInBlock());
        if (tl.isValid())
            lineStart.setPosition(b.position() + tl.textStart());
    }
    const Marks now{m_valg.farver, m_valg.farver ? lineStart.position() : -1, m_match.here.start, m_match.partner.start,
                    m_skema.moerk};
    if (now == m_marks && m_editor->extraSelections().size() == m_antalMarks)
        return;
    m_marks = now;
    QList<QTextEdit::ExtraSelection> marks;
    if (m_valg.farver) {
        QTextEdit::ExtraSelection line;
        line.format.setBackground(m_skema.linjeMarkering);
        line.format.setProperty(QTextFormat::FullWidthSelection, true);
        line.cursor = lineStart;
        marks << line;
        if (m_match.found()) {
            for (const TTagPartner::Tag &t : {m_match.here, m_match.partner}) {
                QTextEdit::ExtraSelection tag;
                tag.format.setBackground(m_skema.tagMarkering);
                tag.cursor = QTextCursor(m_editor->document());
                tag.cursor.setPosition(t.start);
                tag.cursor.setPosition(t.end, QTextCursor::KeepAnchor);
                marks << tag;
            }
        }
    }
    m_editor->setExtraSelections(marks);
    m_antalMarks = int(marks.size());
}

void TKodeVisning::updateSkema()
{
    const TFarveSkema s = TFarveSkema::forPalette(m_editor->palette());
    if (s.moerk == m_skema.moerk)
        return;
    m_skema = s;
    if (m_farver)
        m_farver->setSkema(s);
    if (m_margen)
        m_margen->setSkema(s);
    applyMarks();
}

bool TKodeVisning::eventFilter(QObject *o, QEvent *e)
{
    if (o == m_editor && (e->type() == QEvent::PaletteChange || e->type() == QEvent::StyleChange))
        updateSkema();
    return QObject::eventFilter(o, e);
}

} // namespace taglund
