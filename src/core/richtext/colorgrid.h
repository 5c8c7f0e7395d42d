#pragma once
#include <QColor>
#include <QWidget>
#include <array>

class QToolButton;

namespace taglund {

// The rich-text panel's 16-colour grid. A click picks the text colour; the
// cell of the text colour is marked "FG" and the background cell "BG" ("FB"
// when they are the same cell). Every cell is a button named by its colour.
class TColorGrid : public QWidget {
    Q_OBJECT
public:
    explicit TColorGrid(QWidget *parent = nullptr);

    int foregroundIndex() const { return m_fg; }
    int backgroundIndex() const { return m_bg; }
    // -1 leaves no cell marked (a colour the grid does not have).
    void setForegroundIndex(int index);
    void setBackgroundIndex(int index);
    QToolButton *cell(int index) const;

signals:
    // The user picked a cell.
    void colorPicked(int index, const QColor &color);

private:
    void updateMarks();

    std::array<QToolButton *, 16> m_cells{};
    int m_fg = 0;
    int m_bg = 15;
};

} // namespace taglund
