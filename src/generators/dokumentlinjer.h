#pragma once
#include <QObject>
#include <QString>

class QLineEdit;
class QMenu;
class QTabWidget;
class QToolBar;
class QWidget;

namespace taglund {

class TGeneratorKommandoer;
class Twinform;

// The snippet bars of one document window, below the bar of its kind: for
// HTML documents the tools, codes and boxes bars, shown as separate bars or
// as the tab book "Html-bogen" (with the page "Andet" and its search field
// while the main tool panel is hidden); for the other kinds the one bar of
// their kind.
class TDokumentLinjer : public QObject {
    Q_OBJECT
public:
    enum Linje { Redskaber, Bokse, Koder };

    TDokumentLinjer(Twinform *w, TGeneratorKommandoer *k);

    static bool isHtml(const QString &docExt);
    Twinform *window() const { return m_win; }

    // The HTML bars as the book, or as bars each shown by its own setting.
    void setBook(bool on);
    bool showsBook() const { return m_bookShown; }
    QTabWidget *book() const { return m_book; }
    // An HTML bar (null for other kinds), or the one bar of another kind.
    QToolBar *bar(Linje which) const;
    QToolBar *kindBar() const { return m_kindBar; }
    // "Redskaber", "Bokse", "Koder": false when the book is shown (nothing changes).
    bool toggle(Linje which);

    // The page "Andet" is in the book only while the main tool panel is hidden.
    void setAndetShown(bool on);
    bool andetShown() const;
    // The search field of the page "Andet" (null for other kinds).
    QLineEdit *soegefelt() const { return m_find; }

private:
    QToolBar *newBar(const QString &name);
    QMenu *menu(const char *id);
    void addInfo(QToolBar *bar, const QString &entry);
    void addCommand(QToolBar *bar, const char *name, const QString &caption = {});
    void addMenuButton(QToolBar *bar, const char *menuId, const QString &caption, const char *command = nullptr);
    void buildTools();
    void buildCodes();
    void buildBoxes();
    void buildAndet();
    void buildKindBar(const QString &ext);
    void addVbsMenus(QToolBar *bar, bool functions);
    void fitBook();

    Twinform *m_win;
    TGeneratorKommandoer *m_k;
    QToolBar *m_bars[3] = {nullptr, nullptr, nullptr};
    QToolBar *m_kindBar = nullptr;
    QTabWidget *m_book = nullptr;
    QWidget *m_pages[3] = {nullptr, nullptr, nullptr};
    QWidget *m_andet = nullptr;
    QLineEdit *m_find = nullptr;
    bool m_bookShown = false;
};

} // namespace taglund
