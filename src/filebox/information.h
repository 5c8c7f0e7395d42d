#pragma once
#include "filebox/spm.h"

namespace taglund {

// Counting files, folders and bytes before an operation, and its texts.
class TInformation : public TSpm {
    Q_OBJECT
public:
    explicit TInformation(QObject *parent = nullptr);

    // "Der kopieres 3 filer fra 1 mappe: 1,50 KB".
    static QString kopierInfoTekst(qint64 filer, qint64 mapper, qint64 bytes);
    // "Der slettes 2 elementer: 4,00 KB".
    static QString sletInfoTekst(int elementer, qint64 bytes);

protected:
    // Adds a folder's files and sub-folders to the counters, links never
    // followed; returns the bytes found, -1 when the folder could not be read.
    qint64 taelMappe(const QString &folder);
    // Adds one file (at least one byte); its size.
    qint64 taelFil(const QString &path);

    // Lets the windows repaint; the progress layer decides how often.
    virtual void holdVinduerILive() {}
    virtual TFremdriftsVindue *vindue() = 0;
};

} // namespace taglund
