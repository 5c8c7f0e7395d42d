#pragma once
#include "filebox/mapper.h"
#include "filebox/strukturliste.h"

#include <QStringList>

namespace taglund {

// The engine's state. Paths use "/" and never end with one, except the
// root folder "/" itself (which stands where a drive root "C:" would).
class TVarProp : public TMapper {
    Q_OBJECT
public:
    explicit TVarProp(QObject *parent = nullptr);

    TListeKontrol *Struktur2 = nullptr;   // set once by the window
    QString Grundmappe;
    QString OldGrundmappe;
    QString Bibmappe;
    QString Filnavn;
    QString Dirmappe;                      // no folder tree here: always ""
    QString Brugernavn;                    // set once by the window
    int antalGrundmapper = 0;
    int antalGrundfiler = 0;

    // `name` in `folder`, with exactly one separator between.
    static QString join(const QString &folder, const QString &name);
    // The folder that holds `path` ("/" for an element of the root).
    static QString parentOf(const QString &path);

signals:
    void onDirectoryChange(const QString &dDir, const QString &fDir, const QString &gDir, const QString &fName);
    // The history buttons: first, back, forward, last.
    void historyButtons(bool first, bool back, bool forward, bool last);

protected:
    void raiseDirectoryChange();

    // Listing buffers: four lines per element.
    QStringList FMappeListe;
    QStringList FFilListe;
    // Folder history and its cursor (-1 while empty).
    QStringList mappeSL;
    int mappeIndex = -1;
    // An operation in progress.
    qint64 FTotalBytes = 0;
    qint64 FBytesDone = 0;
    int FAntalElementer = 0;
    int FAntalMapper = 1;
    // A paste deletes its sources after copying (a move).
    bool FSletAfterCopy = false;
    // A paste or delete is running; pending events may not start another
    // command or change the shown folder under it.
    bool FOptaget = false;
};

} // namespace taglund
