#pragma once
#include <QPixmap>
#include <QWidget>

class QLabel;
class QStatusBar;

namespace taglund {

// "Billede": shows a picture file scaled to fit, with its width, height and
// name in the status panels. A file that cannot be loaded is not shown.
class Tbilledform : public QWidget {
    Q_OBJECT
public:
    explicit Tbilledform(QWidget *parent);
    bool vis(const QString &path);
    QString panel(int i) const;

protected:
    void resizeEvent(QResizeEvent *e) override;

private:
    void tegn();

    QLabel *m_billede;
    QLabel *m_panel[3];
    QPixmap m_pixmap;
};

} // namespace taglund
