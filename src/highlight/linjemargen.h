#pragma once
#include "highlight/farver.h"

#include <QWidget>

class QPlainTextEdit;

namespace taglund {

// The line-number gutter at the left edge of a plain editor. It paints only
// the visible lines and measures its width from the line count, so it costs
// the same on a huge document as on a small one.
class TLinjeMargen : public QWidget {
    Q_OBJECT
public:
    explicit TLinjeMargen(QPlainTextEdit *editor);
    ~TLinjeMargen() override;
    // Gives the editor its full width back before the gutter is deleted
    // (not needed when the editor itself goes).
    void detach();
    void setSkema(const TFarveSkema &skema);
    int wantedWidth() const;
    QSize sizeHint() const override { return {wantedWidth(), 0}; }

protected:
    void paintEvent(QPaintEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void updateWidth();
    void place();
    void caretMoved();
    void updateRow(int blockNumber);

    QPlainTextEdit *m_editor;
    TFarveSkema m_skema;
    int m_width = 0;
    int m_current = -1;   // the paragraph whose number is drawn as the current one
};

} // namespace taglund
