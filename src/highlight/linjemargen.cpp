#include "highlight/linjemargen.h"

#include <QEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QPlainTextEdit>
#include <QTextBlock>

namespace taglund {

namespace {

// The editor's own answers about where its blocks are painted are protected;
// a member pointer named through a derived class reaches them without
// changing the editor class.
struct EditorAccess : QPlainTextEdit {
    static QTextBlock firstVisible(const QPlainTextEdit *e) { return (e->*(&EditorAccess::firstVisibleBlock))(); }
    static QRectF geometry(const QPlainTextEdit *e, const QTextBlock &b)
    {
        return (e->*(&EditorAccess::blockBoundingGeometry))(b);
    }
    static QPointF offset(const QPlainTextEdit *e) { return (e->*(&EditorAccess::contentOffset))(); }
    static void leftMargin(QPlainTextEdit *e, int left)
    {
        const auto set = static_cast<void (QAbstractScrollArea::*)(int, int, int, int)>(&EditorAccess::setViewportMargins);
        (e->*set)(left, 0, 0, 0);
    }
};

} // namespace

TLinjeMargen::TLinjeMargen(QPlainTextEdit *editor)
    : QWidget(editor), m_editor(editor), m_skema(TFarveSkema::forPalette(editor->palette()))
{
    setObjectName(QStringLiteral("linjemargen"));
    // The numbers are drawn, not read: the editor itself carries the text.
    setAccessibleName(QStringLiteral("Linjenumre"));
    connect(editor, &QPlainTextEdit::blockCountChanged, this, &TLinjeMargen::updateWidth);
    connect(editor, &QPlainTextEdit::updateRequest, this, [this](const QRect &r, int dy) {
        if (dy)
            scroll(0, dy);
        else
            update(0, r.y(), width(), r.height());
    });
    connect(editor, &QPlainTextEdit::cursorPositionChanged, this, &TLinjeMargen::caretMoved);
    editor->installEventFilter(this);
    updateWidth();
    place();
    show();
}

TLinjeMargen::~TLinjeMargen() = default;

void TLinjeMargen::detach()
{
    m_editor->removeEventFilter(this);
    EditorAccess::leftMargin(m_editor, 0);
}

// Only the rows of the paragraphs that stop and start being the current one
// are drawn again: a key press along a line redraws no number.
void TLinjeMargen::caretMoved()
{
    const int now = m_editor->textCursor().blockNumber();
    if (now == m_current)
        return;
    updateRow(m_current);
    updateRow(now);
    m_current = now;
}

void TLinjeMargen::updateRow(int blockNumber)
{
    const QTextBlock b = m_editor->document()->findBlockByNumber(blockNumber);
    if (!b.isValid())
        return;
    const QRectF r = EditorAccess::geometry(m_editor, b).translated(EditorAccess::offset(m_editor));
    update(QRectF(0, r.top(), width(), r.height()).toAlignedRect().intersected(rect()));
}

void TLinjeMargen::setSkema(const TFarveSkema &skema)
{
    m_skema = skema;
    update();
}

int TLinjeMargen::wantedWidth() const
{
    int digits = 1;
    for (int n = std::max(1, m_editor->blockCount()); n >= 10; n /= 10)
        ++digits;
    return 10 + m_editor->fontMetrics().horizontalAdvance(u'9') * std::max(digits, 2);
}

void TLinjeMargen::updateWidth()
{
    const int w = wantedWidth();
    if (w == m_width)
        return;
    m_width = w;
    EditorAccess::leftMargin(m_editor, w);
    place();
}

void TLinjeMargen::place()
{
    const QRect cr = m_editor->contentsRect();
    setGeometry(cr.left(), cr.top(), m_width, cr.height());
}

bool TLinjeMargen::eventFilter(QObject *o, QEvent *e)
{
    if (o == m_editor) {
        if (e->type() == QEvent::Resize)
            place();
        else if (e->type() == QEvent::FontChange)
            updateWidth();
    }
    return QWidget::eventFilter(o, e);
}

void TLinjeMargen::paintEvent(QPaintEvent *e)
{
    QPainter p(this);
    p.fillRect(e->rect(), m_editor->palette().color(QPalette::Base));
    p.fillRect(e->rect(), m_skema.margenBaggrund);
    p.setFont(m_editor->font());
    const int current = m_current = m_editor->textCursor().blockNumber();
    const int lineHeight = m_editor->fontMetrics().height();
    QTextBlock b = EditorAccess::firstVisible(m_editor);
    int number = b.blockNumber();
    qreal top = EditorAccess::geometry(m_editor, b).translated(EditorAccess::offset(m_editor)).top();
    while (b.isValid() && top <= e->rect().bottom()) {
        const qreal height = EditorAccess::geometry(m_editor, b).height();
        if (b.isVisible() && top + height >= e->rect().top()) {
            p.setPen(number == current ? m_skema.margenAktiv : m_skema.margenTekst);
            p.drawText(QRectF(0, top, m_width - 5, lineHeight), Qt::AlignRight | Qt::AlignVCenter,
                       QString::number(number + 1));
        }
        top += height;
        b = b.next();
        ++number;
    }
}

} // namespace taglund
