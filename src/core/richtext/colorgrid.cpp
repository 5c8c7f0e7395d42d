#include "core/richtext/colorgrid.h"

#include "core/richtext/richformat.h"

#include <QGridLayout>
#include <QToolButton>

namespace taglund {

TColorGrid::TColorGrid(QWidget *parent) : QWidget(parent)
{
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(1);
    const auto &colors = gridColors();
    for (int i = 0; i < gridColorCount; ++i) {
        auto *b = new QToolButton(this);
        const QColor c = colors[i];
        const QColor ink = c.lightness() > 120 ? Qt::black : Qt::white;
        b->setStyleSheet(QStringLiteral("QToolButton { background-color: %1; color: %2; border: 1px solid #808080;"
                                        " font-size: 7pt; }")
                             .arg(c.name(), ink.name()));
        b->setFixedSize(22, 16);
        b->setAccessibleName(gridColorName(i));
        b->setToolTip(gridColorName(i));
        connect(b, &QToolButton::clicked, this, [this, i] {
            setForegroundIndex(i);
            emit colorPicked(i, gridColors()[i]);
        });
        grid->addWidget(b, i / 4, i % 4);
        m_cells[i] = b;
    }
    updateMarks();
}

QToolButton *TColorGrid::cell(int index) const
{
    return index >= 0 && index < gridColorCount ? m_cells[index] : nullptr;
}

void TColorGrid::setForegroundIndex(int index)
{
    m_fg = index >= 0 && index < gridColorCount ? index : -1;
    updateMarks();
}

void TColorGrid::setBackgroundIndex(int index)
{
    m_bg = index >= 0 && index < gridColorCount ? index : -1;
    updateMarks();
}

void TColorGrid::updateMarks()
{
    for (int i = 0; i < gridColorCount; ++i) {
        QString mark;
        if (i == m_fg && i == m_bg)
            mark = QStringLiteral("FB");
        else if (i == m_fg)
            mark = QStringLiteral("FG");
        else if (i == m_bg)
            mark = QStringLiteral("BG");
        m_cells[i]->setText(mark);
    }
}

} // namespace taglund
