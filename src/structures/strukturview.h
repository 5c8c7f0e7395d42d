#pragma once
#include "structures/strukturikoner.h"

#include <QHash>
#include <QList>
#include <QTreeWidget>

namespace taglund {

class TStruktur;
struct TStrukturNode;

// The tree widget that shows a TStruktur. It holds no state of its own
// beyond the items: selection and expansion live in the store's nodes.
class TStrukturView : public QTreeWidget {
    Q_OBJECT
public:
    explicit TStrukturView(QWidget *parent = nullptr);

    void setStruktur(TStruktur *s);
    TStruktur *struktur() const { return m_struktur; }
    void setIkonSet(TIkonSet set);
    TIkonSet ikonSet() const { return m_set; }

    // Press and release move nodes (the constructor's "Arranger elementer").
    void setDragMoves(bool on) { m_dragMoves = on; }
    bool dragMoves() const { return m_dragMoves; }
    // A node is expanded when the user selects it.
    void setAutoExpand(bool on) { m_autoExpand = on; }
    bool autoExpand() const { return m_autoExpand; }

    TStrukturNode *nodeAt(const QPoint &pos) const;
    QTreeWidgetItem *itemOf(const TStrukturNode *node) const { return m_items.value(node); }
    void MusDown(int x, int y);
    void MusUp(int x, int y, bool somGrundnode);

signals:
    void nodeActivated(TStrukturNode *node);      // click, Enter or Space
    void nodeSelected(TStrukturNode *node);       // the user moved the selection
    void nodeDoubleClicked(TStrukturNode *node);

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    void rebuild();
    void syncSelection();
    void syncExpansion();
    TStrukturNode *nodeOf(QTreeWidgetItem *item) const;

    TStruktur *m_struktur = nullptr;
    TIkonSet m_set = TIkonSet::Info;
    QList<QIcon> m_icons;
    QHash<const TStrukturNode *, QTreeWidgetItem *> m_items;
    bool m_syncing = false;
    bool m_dragMoves = false;
    bool m_autoExpand = false;
};

} // namespace taglund
