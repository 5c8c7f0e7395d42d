#pragma once
#include <QList>
#include <QWidget>

class QButtonGroup;
class QToolButton;

namespace taglund {

class TStructureHost;
class TStrukturPanel;

// A button of the JavaScript object panel.
struct TJsObjekt {
    QString category;
    QString caption;
    QString structure;
    QString remembered;  // kept as the main window's JavaScript object
};
const QList<TJsObjekt> &jsObjekter();

// The JavaScript object panel beside the structure panel: one button per
// object, in four categories that open and close.
class TJsObjektPanel : public QWidget {
    Q_OBJECT
public:
    TJsObjektPanel(TStrukturPanel *panel, TStructureHost *host, QWidget *parent = nullptr);

    // Loads the object structure of the remembered name and shows its button;
    // nothing while no name is remembered. For a ".js" document being opened
    // and for the structure panel's "JavaScript" item.
    void restoreRemembered();
    void choose(const TJsObjekt &objekt);

    void openAll();
    void closeAll();
    bool isCategoryOpen(const QString &category) const;
    QToolButton *button(const QString &caption) const;
    QToolButton *checkedButton() const;

private:
    struct Category {
        QString name;
        QToolButton *header;
        QWidget *body;
    };
    void setOpen(Category &c, bool open);

    TStrukturPanel *m_panel;
    TStructureHost *m_host;
    QList<Category> m_categories;
    QList<QToolButton *> m_buttons;
    QButtonGroup *m_group;
};

} // namespace taglund
