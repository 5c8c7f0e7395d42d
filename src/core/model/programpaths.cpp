#include "core/model/programpaths.h"
#include "core/text/paths.h"

#include <QDir>

namespace taglund {

TProgramPaths TProgramPaths::compute(const QString &root, const QString &loginName, const QString &exeDir)
{
    TProgramPaths p;
    p.Dir = withoutTrailingSeparator(exeDir);
    p.ikonDir = joinPath(p.Dir, QStringLiteral("\\ikoner\\"));
    p.rodDir = withoutTrailingSeparator(root);
    p.brugernavn = loginName.trimmed().isEmpty() ? QStringLiteral("Bruger") : loginName.trimmed();
    p.brugerdir = joinPath(p.rodDir, p.brugernavn);
    p.ProjektDir = joinPath(p.brugerdir, QStringLiteral("\\Projekter"));
    p.ProjektFil = joinPath(p.ProjektDir, QStringLiteral("\\Projekter.txt"));
    p.dokumentdir = joinPath(p.brugerdir, QStringLiteral("\\Dokumenter"));
    p.optdir = joinPath(p.brugerdir, QStringLiteral("\\options"));
    p.billedIkondir = joinPath(p.optdir, QStringLiteral("\\Ikonfiler\\"));
    p.ikonForklaringer = joinPath(p.billedIkondir, QStringLiteral("Forklaringer"));
    p.typelisteNavn = joinPath(p.optdir, QStringLiteral("\\typeliste.txt"));
    p.optfil = joinPath(p.optdir, QStringLiteral("\\mainoptions.txt"));
    p.webFilename = p.webFileFor(QString());
    p.webGruppefil = joinPath(p.optdir, QStringLiteral("\\webgruppe.txt"));
    p.webLagerfil = joinPath(p.optdir, QStringLiteral("\\webLager.txt"));
    p.dokumentfil = joinPath(p.optdir, QStringLiteral("\\dokumenter.txt"));
    p.programdir = joinPath(p.rodDir, QStringLiteral("\\Program\\"));
    p.billeddir = joinPath(p.programdir, QStringLiteral("Billeder\\"));
    p.ordbogBib = joinPath(p.programdir, QStringLiteral("Ordbog\\"));
    p.ordbogDir = joinPath(p.ordbogBib, QStringLiteral("Normal\\"));
    p.ordbogMappe = joinPath(p.ordbogDir, QStringLiteral("Forklaringer\\"));
    p.infodir = joinPath(p.programdir, QStringLiteral("Struktur"));
    p.strukturdir = joinPath(p.programdir, QStringLiteral("Script\\"));
    p.klichedir = joinPath(p.programdir, QStringLiteral("Klicheer"));
    p.htmllistedir = joinPath(p.programdir, QStringLiteral("Dir\\Html\\"));
    p.attributedir = joinPath(p.programdir, QStringLiteral("Dir\\Attributes\\"));
    p.betweendir = joinPath(p.programdir, QStringLiteral("Dir\\Betweentags\\"));
    p.valuedir = joinPath(p.programdir, QStringLiteral("Dir\\Values\\"));
    return p;
}

QString TProgramPaths::webFileFor(const QString &gruppenavn) const
{
    if (gruppenavn.isEmpty())
        return joinPath(optdir, QStringLiteral("\\webliste.txt"));
    return joinPath(optdir, QStringLiteral("\\webliste ") + gruppenavn + QStringLiteral(".txt"));
}

QStringList TProgramPaths::foldersCreatedAtStart() const
{
    return {rodDir,    brugerdir, ProjektDir, dokumentdir, optdir,     billedIkondir,
            ikonForklaringer, ordbogBib, ordbogDir, ordbogMappe};
}

void TProgramPaths::createFolders() const
{
    for (const QString &f : foldersCreatedAtStart())
        QDir().mkpath(f);
}

} // namespace taglund
