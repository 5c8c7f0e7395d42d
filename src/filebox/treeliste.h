#pragma once
#include "filebox/strukturliste.h"

#include <QIcon>
#include <functional>

class QTreeWidget;
class QTreeWidgetItem;

namespace taglund {

// Binds a tree widget, used as a flat multi-select list with in-place
// editing, to the engine. The entry's record and image travel in the item.
class TTreeListe : public TListeKontrol {
public:
    // Sets the tree up as the file list (no expand buttons, no lines, no sorting).
    explicit TTreeListe(QTreeWidget *tree);

    // The picture of an image index; without one entries have no icon.
    void setIconProvider(std::function<QIcon(int image)> provider) { m_icons = std::move(provider); }

    void clear() override;
    int add(const QString &text, int image, const StrukturRec &rec) override;
    int count() const override;
    QString text(int i) const override;
    void setText(int i, const QString &text) override;
    int image(int i) const override;
    StrukturRec rec(int i) const override;
    void setRec(int i, const StrukturRec &rec) override;
    bool isSelected(int i) const override;
    void setSelected(int i, bool on) override;
    int current() const override;
    void setCurrent(int i) override;
    int itemAt(const QPoint &p) const override;
    void startEdit(int i) override;

    QTreeWidget *tree() const { return m_tree; }

private:
    QTreeWidgetItem *item(int i) const;

    QTreeWidget *m_tree;
    std::function<QIcon(int)> m_icons;
};

} // namespace taglund
