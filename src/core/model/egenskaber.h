#pragma once
#include <QList>
#include <QString>
#include <QStringList>

namespace taglund {

struct TMainOptions;

// The options box's list of extensions the user may associate with the
// program ("standardFiltyper.txt": per row the extension, then "Ja" or "Nej").
struct TFiltypeRaekke {
    QString ext;
    bool registered = false;
};

class TFiltypeListe {
public:
    static inline const QString AlleredeIndfoert = QStringLiteral("Filtypen er allerede indført.");
    static inline const QString FjernFoerst = QStringLiteral("Filtypen skal fjernes fra registreringen først.");
    static inline const QString Registreret = QStringLiteral("Filtypen er registreret!");
    static inline const QString Fjernet = QStringLiteral("Filtypen er fjernet fra registreringen!");
    static inline const QString IkkeRegistreret = QStringLiteral("Filtypen kunne ikke registreres.");
    static inline const QString IkkeFjernet = QStringLiteral("Filtypen kunne ikke fjernes fra registreringen.");

    // Two lines a row; each row joins by the rule of "Indfør", so a listed
    // duplicate is refused. Returns the refusals' messages in order. A file
    // that cannot be read ends the loading, keeping what was read.
    QStringList load(const QString &file);
    bool save(const QString &file, QString *error = nullptr) const;

    const QList<TFiltypeRaekke> &rows() const { return m_rows; }
    // "Indfør": a new unregistered row, unless a row holds exactly that
    // text. Empty on success, else the message to show.
    QString indfoer(const QString &ext);
    void setRegistered(int row, bool on);
    // The row holding exactly this extension, or -1.
    int indexOf(const QString &ext) const;
    // "Slet valgte": a registered row stays (the message says why).
    QString sletValgte(int row);

private:
    QList<TFiltypeRaekke> m_rows;
};

// The seven ticks of "Vis elementer". The three bar boxes and "Html-bogen"
// exclude each other: ticking a bar unticks the book, ticking the book
// unticks the bars.
struct TVisElementer {
    enum Boks { Kodelinjen, Bokslinjen, Redskabslinjen, Htmlbog, Webpanel, Hovedlinje, Projektbogen };
    bool kodelinjen = false, bokslinjen = false, redskabslinjen = false, htmlbog = false;
    bool webpanel = false, hovedlinje = true, projektbogen = false;

    // As the box opens: with the book on, the three bar settings are
    // switched off first, in the settings themselves.
    static TVisElementer fromOptions(TMainOptions &o);
    void toOptions(TMainOptions &o) const;
    void tick(Boks which, bool on);
    bool ticked(Boks which) const;
};

} // namespace taglund
