#pragma once
#include "structures/struktur.h"

#include <QObject>
#include <QString>
#include <QStringList>

namespace taglund {

// The check boxes and icon choice of the constructor's "Informationsstruktur" tab.
struct TInfoValg {
    bool autoGem = true;
    bool sorter = false;
    bool autoNavn = true;
    bool ensTekst = true;
    int ikonIndex = 0;
};

// The same for the "Objektstruktur" tab.
struct TObjektValg {
    bool autoGem = true;
    bool sorter = false;
    int ikonIndex1 = 0;
};

// What Enter in the "Tekst" box of the information tab led to.
enum class TEnterSvar { Intet, FokusFilnavn, Indsat, Redigeret };

// The structure constructor without its window: every step on the folders
// and files of the user's structures, and the two structures being edited.
// Messages and questions go through the shared boxes, so tests script them.
class TStrukturWorkshop : public QObject {
    Q_OBJECT
public:
    // programdir holds "HTML" with the page design files; infodir is the
    // "Struktur" folder, scriptdir the "Script" folder.
    TStrukturWorkshop(const QString &programdir, const QString &infodir, const QString &scriptdir,
                      QObject *parent = nullptr);

    QString strukturDir() const { return m_strukturDir; }
    QString objektStrukturDir() const { return m_objektStrukturDir; }
    QString objektfile() const { return m_objektfile; }
    QString newObjektfile() const { return m_newObjektfile; }

    // The lists of the first tab.
    void scanInfo();
    void loadObjektListe();
    const QStringList &infoStrukturer() const { return m_infoListe; }
    const QStringList &objektStrukturer() const { return m_objektListe; }
    const QStringList &newSL() const { return m_newSL; }

    // Whole structures. Each returns true when it did what was asked.
    bool opretInfo(const QString &name);
    bool opretObjekt(const QString &name);
    bool aabnInfo(const QString &name);
    bool aabnObjekt(const QString &name);
    bool sletInfo(const QString &name);
    bool sletObjekt(const QString &name);
    bool konverter(const QString &name);

    // The information structure on the second tab.
    TStruktur &info() { return m_info; }
    QString strukturName() const { return m_strukturName; }
    bool infoObjectIcons() const;  // "VBS" shows the object icon set
    bool infoOpen() const { return !m_info.Strukturfile.isEmpty(); }
    QString infoLabel() const;
    TInfoValg valg;

    QString konstruerFilnavn() const;               // "Fn"
    QString infTekst(const QString &filnavn) const; // "Inf"
    // The page a file name stands for, or empty when it cannot be one.
    QString sideSti(const QString &filnavn) const;
    bool indsaetInfo(const QString &tekst, const QString &filnavn);
    bool opretFil(const QString &tekst, const QString &filnavn);
    bool redigerInfo(const QString &tekst, const QString &filnavn);
    TEnterSvar enterITekst(const QString &tekst, const QString &filnavn, bool insertAktiv);
    TEnterSvar enterIFilnavn(const QString &tekst, const QString &filnavn, bool insertAktiv);

    // The object structure on the third tab.
    TStruktur &objekt() { return m_objekt; }
    QString objektNavn() const { return m_objektNavn; }
    bool objektOpen() const { return !m_objekt.Strukturfile.isEmpty(); }
    TObjektValg valg1;

    // Fields 1 to 4 of a payload, "" where absent.
    static QStringList visFelter(const QString &payload);
    // Box 1, then "|" + each of boxes 2 to 4 that is not empty, then the extra fields.
    static QString objektPayload(const QStringList &bokse, const QStringList &ekstra = {});
    bool indsaetObjekt(const QString &tekst, const QStringList &bokse);
    bool redigerObjekt(const QString &tekst, const QStringList &bokse);

    // Shared by both trees.
    bool sletElement(TStruktur &t);
    bool sorterAlfabetisk(TStruktur &t);
    bool gem(TStruktur &t);
    // Before a modified tree is replaced (another structure, reload, the
    // window closes): asks whether to save it. False: leave things as they are.
    bool maaForlade(TStruktur &t);
    bool genindlaesInfo();
    bool genindlaesObjekt();

signals:
    void infoListeAendret();    // an information structure was made or removed
    void objektListeAendret();  // a user object structure was made or removed
    void infoAabnet();          // another information structure (or none) is on the second tab
    void objektAabnet();

private:
    void message(const QString &text) const;
    bool nameRefused(const QString &name, const QString &missing) const;
    bool infoNameInUse(const QString &name) const;
    bool makeInfoFolders(const QString &name, QString *folder);
    void copyDesign(const QString &htmlmappe) const;
    bool finish(TStruktur &t, bool sorter, bool autoGem);
    bool writeUserList();
    bool openInfo(const QString &name);
    bool openObjekt(const QString &name);
    void closeInfo();
    void closeObjekt();

    QString m_programdir;
    QString m_strukturDir;
    QString m_objektStrukturDir;
    QString m_objektfile;
    QString m_newObjektfile;
    QStringList m_infoListe;
    QStringList m_objektListe;
    QStringList m_newSL;
    TStruktur m_info;
    TStruktur m_objekt;
    QString m_strukturName;
    QString m_objektNavn;
};

} // namespace taglund
