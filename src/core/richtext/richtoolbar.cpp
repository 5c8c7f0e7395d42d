#include "core/richtext/richtoolbar.h"

#include <QAction>
#include <QActionGroup>
#include <QColorDialog>
#include <QFontDialog>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QToolBar>

namespace taglund {

TRichToolbar::TRichToolbar(QWidget *shortcutScope, QObject *parent)
    : QObject(parent), m_scope(shortcutScope)
{
    m_margin = make(QStringLiteral("Margin"));
    m_bullet = make(QStringLiteral("Prik"), QKeySequence(Qt::CTRL | Qt::Key_P), true);
    m_bold = make(QStringLiteral("Fed"), QKeySequence(Qt::CTRL | Qt::Key_B), true);
    m_italic = make(QStringLiteral("Kursiv"), QKeySequence(Qt::CTRL | Qt::Key_I), true);
    m_underline = make(QStringLiteral("Understreg"), QKeySequence(Qt::CTRL | Qt::Key_U), true);
    m_left = make(QStringLiteral("Venstrestil"), {}, true);
    m_center = make(QStringLiteral("Centrer"), {}, true);
    m_right = make(QStringLiteral("Højrestil"), {}, true);
    m_color = make(QStringLiteral("Vælg farve"));
    m_font = make(QStringLiteral("Vælg font"));
    m_alignGroup = new QActionGroup(this);
    for (QAction *a : {m_left, m_center, m_right})
        m_alignGroup->addAction(a);
    m_left->setChecked(true);

    m_chooseColor = [](const QColor &current, QWidget *parent) {
        return QColorDialog::getColor(current, parent, QStringLiteral("Vælg farve"));
    };
    m_chooseFont = [](const QFont &current, QWidget *parent) -> std::optional<QFont> {
        bool ok = false;
        const QFont f = QFontDialog::getFont(&ok, current, parent, QStringLiteral("Vælg font"));
        return ok ? std::optional<QFont>(f) : std::nullopt;
    };

    connect(m_margin, &QAction::triggered, this, [this] {
        m_target.setMargin();
        done();
    });
    connect(m_bullet, &QAction::triggered, this, [this](bool on) {
        m_target.setBullet(on);
        done();
    });
    connect(m_bold, &QAction::triggered, this, [this](bool on) {
        m_target.setBold(on);
        done();
    });
    connect(m_italic, &QAction::triggered, this, [this](bool on) {
        m_target.setItalic(on);
        done();
    });
    connect(m_underline, &QAction::triggered, this, [this](bool on) {
        m_target.setUnderline(on);
        done();
    });
    connect(m_left, &QAction::triggered, this, [this] {
        m_target.setAlignment(Qt::AlignLeft);
        done();
    });
    connect(m_center, &QAction::triggered, this, [this] {
        m_target.setAlignment(Qt::AlignHCenter);
        done();
    });
    connect(m_right, &QAction::triggered, this, [this] {
        m_target.setAlignment(Qt::AlignRight);
        done();
    });
    connect(m_color, &QAction::triggered, this, &TRichToolbar::pickColor);
    connect(m_font, &QAction::triggered, this, &TRichToolbar::pickFont);
    updateEnabled();
}

TRichToolbar::~TRichToolbar() = default;

QAction *TRichToolbar::make(const QString &text, const QKeySequence &key, bool checkable)
{
    auto *a = new QAction(text, this);
    a->setCheckable(checkable);
    if (!key.isEmpty()) {
        a->setShortcut(key);
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        a->setToolTip(QStringLiteral("%1 (%2)").arg(text, key.toString(QKeySequence::NativeText)));
    }
    if (m_scope)
        m_scope->addAction(a);
    return a;
}

void TRichToolbar::addTo(QToolBar *bar, QToolBar *second)
{
    // Beside a docked HTML panel one row is too narrow for every caption;
    // with a second bar the paragraph buttons and the two choosers go there.
    for (QAction *a : {m_margin, m_bullet, m_bold, m_italic, m_underline, m_left, m_center, m_right, m_color, m_font}) {
        QToolBar *target = second && (a == m_left || a == m_center || a == m_right || a == m_color || a == m_font)
                               ? second
                               : bar;
        target->addAction(a);
        if (QWidget *w = target->widgetForAction(a))
            w->setAccessibleName(a->text());
    }
}

void TRichToolbar::attach(QTextEdit *editor)
{
    m_target.attach(editor, [this] { updateFromCaret(); });
    updateEnabled();
    updateFromCaret();
}

void TRichToolbar::attach(QPlainTextEdit *editor)
{
    m_target.attach(editor);
    updateEnabled();
    updateFromCaret();
}

void TRichToolbar::detach()
{
    m_target.detach();
    updateEnabled();
}

void TRichToolbar::updateEnabled()
{
    const bool any = m_target.isAttached();
    const bool rich = m_target.isRich();
    for (QAction *a : {m_margin, m_bullet, m_left, m_center, m_right})
        a->setEnabled(rich);
    for (QAction *a : {m_bold, m_italic, m_underline, m_color, m_font})
        a->setEnabled(any);
}

void TRichToolbar::updateFromCaret()
{
    if (!m_target.isAttached())
        return;
    const TCaretFormat f = m_target.caret();
    m_bold->setChecked(f.bold);
    m_italic->setChecked(f.italic);
    m_underline->setChecked(f.underline);
    m_bullet->setChecked(f.bullet);
    if (f.alignment & Qt::AlignHCenter)
        m_center->setChecked(true);
    else if (f.alignment & Qt::AlignRight)
        m_right->setChecked(true);
    else
        m_left->setChecked(true);
}

void TRichToolbar::done()
{
    updateFromCaret();
    if (QWidget *e = m_target.editor())
        e->setFocus();
    emit formatChanged();
}

void TRichToolbar::pickColor()
{
    if (!m_target.isAttached())
        return;
    const QColor c = m_chooseColor(m_target.caret().color, m_target.editor());
    if (!c.isValid())
        return;
    m_target.setColor(c);
    done();
}

void TRichToolbar::pickFont()
{
    if (!m_target.isAttached())
        return;
    const TCaretFormat f = m_target.caret();
    QFont current(f.family);
    if (f.pointSize > 0)
        current.setPointSizeF(f.pointSize);
    current.setBold(f.bold);
    current.setItalic(f.italic);
    current.setUnderline(f.underline);
    const std::optional<QFont> chosen = m_chooseFont(current, m_target.editor());
    if (!chosen)
        return;
    m_target.setFont(*chosen);
    done();
}

} // namespace taglund
