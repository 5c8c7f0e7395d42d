#pragma once
#include "filebox/varprop.h"

namespace taglund {

// Basic queries: drives, size texts, the selection, unique names and the
// classification of files by extension.
class TGrundMetoder : public TVarProp {
    Q_OBJECT
public:
    explicit TGrundMetoder(QObject *parent = nullptr);

    // Drive kind code of a drive root (a mount point); 0 for anything else.
    static int getDrevType(const QString &root);
    // The volume label of the drive that holds `path` ("" when it has none).
    static QString getDrevNavn(const QString &path);
    // "1,50 KB (1.536 bytes)": unit by the number of digits, the user's separators.
    static QString getSizeTekst(qint64 bytes);
    // The progress window's short form: no TB, no count in parentheses.
    static QString getKortSizeTekst(qint64 bytes);
    // The last component of a path; the root folder is itself.
    static QString getLastDirectory(const QString &aDirectory);

    bool IsSelectedDirectory() const;
    QString getSelectedMappe() const;
    QString getFocusFilDirectory(int X, int Y);
    void setSelectedDataMappe(const QString &aDirectory);
    void setSelectedDataFilnavn(const QString &aFilename);

    // `path` when no folder of that name exists, else path + word + " (n)".
    static QString makeUniqueMappe(const QString &path, const QString &word = QString());
    // `path` when no file of that name exists, else name + word + " (n)" + extension.
    static QString makeUniqueFil(const QString &path, const QString &word = QString());
    // As makeUniqueMappe, but any element of that name (file, folder, link) counts.
    static QString makeUniqueElement(const QString &path);

    static bool erDetEnBilledfil(const QString &extS);
    static bool erDetEnMusikfil(const QString &extS);
    static bool erDetEnVideofil(const QString &extS);
    static bool erDetEnEgnetFil(const QString &extS);
    static bool erDetEnTekstfil(const QString &extS);
    // The extension of a name with its dot, "" for none (a leading dot is a hidden name, not an extension).
    static QString extOf(const QString &name);
};

} // namespace taglund
