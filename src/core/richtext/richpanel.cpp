#include "core/richtext/richpanel.h"

#include "core/richtext/colorgrid.h"
#include "core/richtext/fontsizes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QIntValidator>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextEdit>
#include <QToolButton>

namespace taglund {

namespace {

QStringList installedFonts()
{
    QStringList out;
    for (const QString &f : QFontDatabase::families())
        if (!QFontDatabase::isPrivateFamily(f))
            out << f;
    out.sort(Qt::CaseInsensitive);
    return out;
}

QString sizeText(double points)
{
    return QString::number(points);
}

} // namespace

TRichPanel::TRichPanel(QWidget *parent) : QWidget(parent)
{
    // The font and size controls on one row, the colours on the next: in
    // one row they do not fit beside a docked HTML panel.
    auto *rows = new QVBoxLayout(this);
    rows->setContentsMargins(2, 2, 2, 2);
    rows->setSpacing(2);
    auto *row = new QHBoxLayout;
    row->setSpacing(4);
    rows->addLayout(row);

    m_fontBox = new QComboBox(this);
    m_fontBox->setEditable(true);
    m_fontBox->setInsertPolicy(QComboBox::NoInsert);
    m_fontBox->addItems(installedFonts());
    m_fontBox->setMinimumContentsLength(18);
    m_fontBox->setAccessibleName(QStringLiteral("Fontnavn"));
    m_fontBox->setToolTip(QStringLiteral("Fontnavn"));
    m_fontBox->lineEdit()->setPlaceholderText(QStringLiteral("Fontnavn"));
    connect(m_fontBox, &QComboBox::textActivated, this, &TRichPanel::chooseFont);
    row->addWidget(m_fontBox);

    m_sizeBox = new QComboBox(this);
    m_sizeBox->setEditable(true);
    m_sizeBox->setInsertPolicy(QComboBox::NoInsert);
    m_sizeBox->setValidator(new QIntValidator(1, 1638, m_sizeBox));
    m_sizeBox->setMinimumContentsLength(3);
    m_sizeBox->setAccessibleName(QStringLiteral("Font størrelse"));
    m_sizeBox->setToolTip(QStringLiteral("Font størrelse"));
    connect(m_sizeBox, &QComboBox::textActivated, this, [this](const QString &t) {
        bool ok = false;
        const double v = t.toDouble(&ok);
        if (ok && v > 0)
            chooseSize(v);
    });
    row->addWidget(m_sizeBox);

    for (int points : {10, 12, 14, 16, 18, 20, 24, 36}) {
        auto *b = new QToolButton(this);
        b->setText(QString::number(points));
        b->setAccessibleName(b->text());
        connect(b, &QToolButton::clicked, this, [this, points] { chooseSizeButton(points); });
        row->addWidget(b);
        m_sizeButtons[points] = b;
    }

    // Shows that this window holds rich text; it is not a switch.
    m_richText = new QCheckBox(QStringLiteral("RichText"), this);
    m_richText->setChecked(true);
    m_richText->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_richText->setFocusPolicy(Qt::NoFocus);
    m_richText->setAccessibleName(m_richText->text());
    connect(m_richText, &QCheckBox::toggled, m_richText, [this](bool on) {
        if (!on)
            m_richText->setChecked(true);
    });
    row->addWidget(m_richText);

    m_grid = new TColorGrid(this);
    m_grid->setAccessibleName(QStringLiteral("Farver"));
    connect(m_grid, &TColorGrid::colorPicked, this, [this](int index, const QColor &) { chooseColor(index); });
    row->addStretch(1);
    auto *colours = new QHBoxLayout;
    colours->addWidget(m_grid);
    colours->addStretch(1);
    rows->addLayout(colours);
}

TRichPanel::~TRichPanel() = default;

void TRichPanel::attach(QTextEdit *editor)
{
    m_target.attach(editor, [this] { updateFromCaret(); });
    updateFromCaret();
}

void TRichPanel::attach(QPlainTextEdit *editor)
{
    m_target.attach(editor);
    updateFromCaret();
}

void TRichPanel::detach()
{
    m_target.detach();
}

QAbstractButton *TRichPanel::sizeButton(int points) const
{
    auto it = m_sizeButtons.find(points);
    return it == m_sizeButtons.end() ? nullptr : it->second;
}

void TRichPanel::fillSizes(const QString &family, double select)
{
    if (family != m_sizesFamily || m_sizeBox->count() == 0) {
        m_sizes = fontSizeList(family);
        m_sizesFamily = family;
        const QSignalBlocker block(m_sizeBox);
        m_sizeBox->clear();
        for (int s : m_sizes)
            m_sizeBox->addItem(QString::number(s));
    }
    showSize(select);
}

void TRichPanel::showSize(double points)
{
    const QSignalBlocker block(m_sizeBox);
    const int i = m_sizeBox->findText(sizeText(points));
    if (i >= 0)
        m_sizeBox->setCurrentIndex(i);
    else
        m_sizeBox->setEditText(sizeText(points));
}

void TRichPanel::selectFont(const QString &family, double size)
{
    const QSignalBlocker block(m_fontBox);
    const int i = m_fontBox->findText(family, Qt::MatchFixedString);
    if (i >= 0)
        m_fontBox->setCurrentIndex(i);
    else
        m_fontBox->setEditText(family);
    fillSizes(family, sizeToSelect(fontSizeList(family), size));
}

void TRichPanel::updateFromCaret()
{
    if (!m_target.isAttached())
        return;
    const TCaretFormat f = m_target.caret();
    {
        const QSignalBlocker block(m_fontBox);
        const int i = m_fontBox->findText(f.family, Qt::MatchFixedString);
        if (i >= 0)
            m_fontBox->setCurrentIndex(i);
        else
            m_fontBox->setEditText(f.family);
    }
    fillSizes(f.family, f.pointSize);
    m_grid->setForegroundIndex(gridIndexOf(f.color));
    m_grid->setBackgroundIndex(gridColorCount - 1);
}

void TRichPanel::chooseFont(const QString &family)
{
    const QString name = family.trimmed();
    if (name.isEmpty() || !m_target.isAttached())
        return;
    const double keep = m_target.caret().pointSize;
    const double size = sizeToSelect(fontSizeList(name), keep);
    m_target.setFamily(name, size != keep ? size : 0);
    fillSizes(name, size);
    if (QWidget *e = m_target.editor())
        e->setFocus();
    emit formatChanged();
}

void TRichPanel::chooseSize(double points)
{
    if (points <= 0 || !m_target.isAttached())
        return;
    m_target.setSize(points);
    showSize(points);
    if (QWidget *e = m_target.editor())
        e->setFocus();
    emit formatChanged();
}

void TRichPanel::chooseSizeButton(int points)
{
    // The box shows the size only when it lists it; the size applies anyway.
    if (m_sizes.contains(points)) {
        const QSignalBlocker block(m_sizeBox);
        m_sizeBox->setCurrentIndex(m_sizes.indexOf(points));
    }
    if (!m_target.isAttached())
        return;
    m_target.setSize(points);
    emit formatChanged();
}

void TRichPanel::chooseColor(int gridIndex)
{
    if (gridIndex < 0 || gridIndex >= gridColorCount)
        return;
    m_grid->setForegroundIndex(gridIndex);
    m_grid->setBackgroundIndex(gridColorCount - 1);
    if (!m_target.isAttached())
        return;
    m_target.setColor(gridColors()[gridIndex]);
    emit formatChanged();
}

} // namespace taglund
