#pragma once
#include "structures/strukturikoner.h"

#include <QGroupBox>
#include <QList>
#include <QPair>

class QButtonGroup;
class QToolButton;

namespace taglund {

// The constructor's row of ten icon buttons. Its caption names the chosen
// icon ("Element ikon: Grøn bog").
class TIkonVaelger : public QGroupBox {
    Q_OBJECT
public:
    using Knap = QPair<QString, int>;  // caption, icon digit
    explicit TIkonVaelger(QWidget *parent = nullptr);

    // The info set's buttons in their fixed order, and the object set's.
    static const QList<Knap> &infoKnapper();
    static const QList<Knap> &objektKnapper();

    void setKnapper(TIkonSet set, const QList<Knap> &knapper);
    // Chooses the first button that shows the icon, without a click.
    void vaelgIkon(int index);
    int ikon() const { return m_ikon; }
    QToolButton *knap(int position) const;

signals:
    void ikonValgt(int index);  // the user clicked a button

private:
    void choose(int position);

    QButtonGroup *m_group;
    QList<QToolButton *> m_buttons;
    QList<Knap> m_knapper;
    int m_ikon = 0;
};

} // namespace taglund
