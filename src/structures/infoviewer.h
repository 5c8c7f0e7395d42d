#pragma once
#include "structures/struktur.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>

namespace taglund {

class TStructureHost;

// A button of the viewer's tool bar that opens one of the built-in structures.
struct TStrukturKnap {
    QString caption;
    QString hint;
    QString structure;
    QString entry;  // empty: the structure's first entry
};
const QList<TStrukturKnap> &infoStrukturKnapper();

// One visited entry in the history.
struct THistorikRaekke {
    QString entry;
    QString structure;
};

enum class TRedigerValg { Hjemmeside, Stylesheet, Javascript };

// The structure viewer without its widgets: which structure is loaded, which
// page is shown, the history of visited entries and the commands on them.
// The window feeds it the web view's events and carries out its requests.
class TInfoViewer : public QObject {
    Q_OBJECT
public:
    explicit TInfoViewer(TStructureHost *host, QObject *parent = nullptr);

    TStruktur &struktur() { return m_struktur; }
    const TStruktur &struktur() const { return m_struktur; }

    // The whole program's way into the viewer.
    void HelpInfo(const QString &sName, const QString &S);
    void LoadStruktur();
    void setStrukturnavn(const QString &name) { m_strukturnavn = name; }
    bool goToInfo(const QString &openNodetekst);
    // The page of the selected node (a click, Enter or Space in the tree).
    void showSelectedPage();
    void goToStruktur(int aIndex);

    // The web view's events.
    void pageShown(const QUrl &url);
    void navigationStarted();
    void linkHovered(const QString &url);
    void newWindowRequested(const QUrl &requested);

    // History navigation.
    const QList<THistorikRaekke> &history() const { return m_history; }
    bool canFirst() const;
    bool canBack() const;
    bool canForward() const;
    bool canLast() const;
    void first();
    void back();
    void forward();
    void last();
    void clearHistory();

    // The address box: a page of the structure, otherwise a web search.
    QUrl addressTarget(const QString &text) const;
    static QUrl searchUrl(const QString &term);

    // The "Søg" page. An empty message means the search ran.
    struct SearchResult {
        QString message;
        QStringList names;
    };
    SearchResult search(const QString &text) const;
    QString searchText() const { return m_searchText; }
    void setSearchText(const QString &text) { m_searchText = text; }
    bool searchNext(const QString &text);
    QUrl resultTarget(const QString &name) const;

    void rediger(TRedigerValg valg);
    bool autoEdit() const { return m_autoEdit; }
    void setAutoEdit(bool on) { m_autoEdit = on; }

    bool objectIcons() const { return m_objectIcons; }

    // The state the window and the tests read.
    QString strukturnavn() const { return m_strukturnavn; }
    QString newNavn() const { return m_newNavn; }
    QString Mappe() const { return m_mappe; }
    QString hjemmeside() const { return m_hjemmeside; }
    QString oldUrl() const { return m_oldUrl; }
    QString globalUrl() const { return m_globalUrl; }
    int urlIndex() const { return m_urlIndex; }
    bool naviKlikket() const { return m_naviKlikket; }

signals:
    void showRequested();
    void focusPageRequested();
    void navigateRequested(const QUrl &url);
    void captionChanged(const QString &caption);
    void countChanged(int count);
    void iconSetChanged(bool objectIcons);
    void historyChanged();
    void addressChanged(const QString &text);
    void searchTextChanged(const QString &text);
    void statusTextChanged(const QString &text);

private:
    void showPageOf(TStrukturNode *node);
    void navigate(const QUrl &url);
    void selectNode(TStrukturNode *node);
    void message(const QString &text) const;
    QString localPath(const QUrl &url) const;

    TStructureHost *m_host;
    TStruktur m_struktur;
    QString m_strukturnavn = QStringLiteral("Information");
    QString m_newNavn = QStringLiteral("Information");
    QString m_mappe;
    QString m_hjemmeside;
    QString m_oldUrl;
    QString m_globalUrl;
    int m_urlIndex = -1;
    bool m_naviKlikket = false;
    bool m_navigated = false;  // a navigation was asked for since the flag was cleared
    bool m_autoEdit = false;
    bool m_objectIcons = false;
    QString m_searchText;
    QList<THistorikRaekke> m_history;
};

} // namespace taglund
