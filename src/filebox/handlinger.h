#pragma once
#include "filebox/filecopy.h"
#include "filebox/filmappeinfo.h"

#include <functional>

namespace taglund {

// The file box engine: the one object the file box window creates. The
// file operations live here; everything below is reached through it.
class THandlinger : public TFilMappeInfo {
    Q_OBJECT
public:
    explicit THandlinger(QObject *parent = nullptr);
    ~THandlinger() override;

    // The copy register: folders by full path, files by full path (each
    // keeps its own folder, which matters for files dropped from outside).
    QStringList FCopyListe1;
    QStringList FCopyFiler;
    QString SourceMappe;
    QString SourceDirectory;
    // The registered files' names, as the confirmation box lists them.
    QStringList copyListe2() const;
    bool registerTomt() const { return FCopyListe1.isEmpty() && FCopyFiler.isEmpty(); }
    // The last "Kopier"/"Klip" was "Klip" and nothing has pasted it yet.
    bool klipAfterCopy() const { return FSletAfterCopy; }

    QStringList FDeleteListe1;
    QStringList FDeleteListe2;

    // "Kopier" (klip false) and "Klip" (klip true): registers the selection.
    int CopyElementer(bool klip = false);
    void InitRegister();
    bool RegisterElements(const QString &path);
    // "Sæt ind": a move when `sletAfterCopy`. The count of pasted elements,
    // 0 when nothing was done, -1 when an element failed.
    int PasteElementer(bool sletAfterCopy, int sourceStruktur = 0);
    // Pastes as the last "Kopier"/"Klip" asked.
    int PasteElementer() { return PasteElementer(FSletAfterCopy); }
    int DeleteElementer(bool tilPapirkurven);
    bool sletFil(const QString &aFilename, bool toPapirkurv);
    bool NyMappe(const QString &aDirectory);
    // The entry's text after in-place editing ended. Call it after the
    // editor has closed: the list is rebuilt.
    QString RenameNode(int entry, const QString &oldNodeName, const QString &newNodeName, bool nyMappe);
    // Type 0: a new text file from the template of its extension in Grundmappe;
    // 1-3: the play-list page of the selected films, music or pictures.
    bool SkrivTekstfil(const QString &aFilename, int aFiltype);
    void SelectMapperFiler(int actionNumber);
    int OpenElementer();
    bool EmptyRecycleBin(bool Confirm, const QString &aDrive);

    // How documents are opened (the program's open-by-type).
    void setAabner(std::function<void(const QString &path)> open) { m_aabn = std::move(open); }
    // The trash "Tøm papirkurv" empties (the home trash unless set).
    void setPapirkurvMappe(const QString &folder) { m_papirkurv = folder; }
    // An operation is running (its progress window is open).
    bool optaget() const { return FOptaget; }

    // The template lines of a new text file by its extension.
    static QStringList skabelon(const QString &extS);

protected:
    struct Udfald {
        QList<TKopiFejl> fejl;
        bool afbrudt = false;   // a target-side fault: nothing more is tried
    };
    bool afvisHvisOptaget();
    void kopierIndhold(const QString &source, const QString &target, Udfald &u);
    bool kopierEn(const QString &source, const QString &target, Udfald &u);
    int kopierFilerne(const QString &dest, bool kopiTilstand, Udfald &u);
    int kopierMapperne(const QString &dest, bool kopiTilstand, Udfald &u);
    static QString fejlTekst(const QString &head, const QList<TKopiFejl> &fejl);
    void genopbyg(const QString &gammelForaelder);

private:
    std::function<void(const QString &)> m_aabn;
    QString m_papirkurv;
};

} // namespace taglund
