#pragma once
#include <QString>
#include <QStringList>

namespace taglund {

// Every path below the install root, fixed once at start. Folder values
// marked "ends with a separator" keep their trailing separator, as the rest
// of the program joins file names straight onto them.
struct TProgramPaths {
    QString Dir;            // the executable's folder, no trailing separator
    QString ikonDir;        // Dir + ikoner, ends with a separator
    QString rodDir;         // the install root itself
    QString brugernavn;     // login name, "Bruger" when it cannot be read
    QString brugerdir;
    QString ProjektDir;
    QString ProjektFil;
    QString dokumentdir;
    QString optdir;
    QString billedIkondir;  // ends with a separator
    QString ikonForklaringer;
    QString typelisteNavn;
    QString optfil;
    QString webFilename;
    QString webGruppefil;
    QString webLagerfil;
    QString dokumentfil;
    QString programdir;     // root + Program, ends with a separator
    QString billeddir;      // ends with a separator
    QString ordbogBib;      // ends with a separator
    QString ordbogDir;      // ends with a separator
    QString ordbogMappe;    // ends with a separator
    QString infodir;        // no trailing separator
    QString strukturdir;    // ends with a separator
    QString klichedir;      // no trailing separator
    QString htmllistedir;   // ends with a separator
    QString attributedir;   // ends with a separator
    QString betweendir;     // ends with a separator
    QString valuedir;       // ends with a separator

    // Computes every value; nothing is created.
    static TProgramPaths compute(const QString &root, const QString &loginName, const QString &exeDir);
    // The folders made at start when missing. Failures are silent: later
    // reads and writes in them fail where they happen.
    QStringList foldersCreatedAtStart() const;
    void createFolders() const;
    // The homepage list file of a group ("" for none).
    QString webFileFor(const QString &gruppenavn) const;
};

} // namespace taglund
