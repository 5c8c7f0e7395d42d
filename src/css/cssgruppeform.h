#pragma once
#include "css/cssviden.h"

#include <QWidget>

class QSplitter;
class QTableWidget;
class QToolButton;

namespace taglund {

class TCssVaert;

// "css.txt": where the property browser stands and how wide its group list is.
struct TCssGruppeSettings {
    int top = 120;
    int left = 200;
    int height = 420;
    int width = 640;
    int panelWidth = 190;
    bool fraFil = false;  // false: centre on the main window

    static TCssGruppeSettings read(const QString &optdir);
    bool write(const QString &optdir) const;
    static QString fileName(const QString &optdir);
};

// The CSS property browser ("CSS gruppeboks"): the groups, the properties
// of the chosen group and the values of the chosen property, each list
// writing into the active document on a double-click.
class TCssGruppeForm : public QWidget {
    Q_OBJECT
public:
    explicit TCssGruppeForm(TCssVaert *vaert, QWidget *parent = nullptr);

    void LoadPropertyListe(const QString &gruppe);
    void LoadValueListe(const QString &egenskab);
    // Shows a property found in the lookup list; false with the message
    // "<word> blev ikke fundet." when the word, its group or its row is missing.
    bool visEgenskab(const QString &ord);

    // What a double-click on a row does.
    void egenskabValgt(const QString &egenskab);
    void vaerdiValgt(const QString &vaerdi);

    QTableWidget *grupper() const { return m_grupper; }
    QTableWidget *egenskaber() const { return m_egenskaber; }
    QTableWidget *vaerdier() const { return m_vaerdier; }
    QToolButton *egenskabsInfo() const { return m_egenskabsInfo; }
    QString aktuelEgenskab() const { return m_egenskab; }
    QString aktuelGruppe() const { return m_gruppe; }
    bool gemIndstillinger() const;

protected:
    void closeEvent(QCloseEvent *e) override;
    void showEvent(QShowEvent *e) override;

private:
    static QTableWidget *liste(const QString &caption, QWidget *parent);
    static void fyld(QTableWidget *t, const QStringList &rows);
    static int find(QTableWidget *t, const QString &text, Qt::CaseSensitivity cs);

    TCssVaert *m_vaert;
    TCssViden m_viden;
    QString m_gruppe;
    QString m_egenskab;
    QSplitter *m_split = nullptr;
    QTableWidget *m_grupper = nullptr;
    QTableWidget *m_egenskaber = nullptr;
    QTableWidget *m_vaerdier = nullptr;
    QToolButton *m_egenskabsInfo = nullptr;
    bool m_placeret = false;
};

} // namespace taglund
