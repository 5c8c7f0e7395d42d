#include "filebox/makestrukturer.h"

#include "platform/drives.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <dirent.h>
#include <sys/stat.h>

namespace taglund {

TMakeStrukturer::TMakeStrukturer(QObject *parent) : TGrundMetoder(parent) {}

int TMakeStrukturer::billedIndeks(const QString &name)
{
    const QString e = extOf(name).toLower();
    auto is = [&](std::initializer_list<const char *> set) {
        return std::any_of(set.begin(), set.end(), [&](const char *s) { return e == QLatin1String(s); });
    };
    if (is({".rtf", ".docx"})) return 20;
    if (is({".vbs", ".wsf"})) return 21;
    if (is({".js"})) return 22;
    if (is({".html", ".asp", ".inc", ".asa"})) return 23;
    if (is({".css"})) return 24;
    if (is({".bat"})) return 25;
    if (is({".ps1"})) return 26;
    if (is({".txt", ".xml", ".xsd"})) return 6;
    if (erDetEnBilledfil(e)) return 3;
    if (is({".mp3"})) return 4;
    if (is({".m4a"})) return 10;
    if (is({".mp4"})) return 5;
    if (is({".m4v"})) return 8;
    if (is({".avi"})) return 9;
    if (is({".mpg"})) return 12;
    if (is({".wav"})) return 13;
    if (is({".exe"})) return 7;
    if (is({".lnk"})) return 11;
    if (is({".iss"})) return 14;
    if (is({".pas"})) return 18;
    return 2;
}

void TMakeStrukturer::listMappe(const QString &folder)
{
    FMappeListe.clear();
    FFilListe.clear();
    const QByteArray dir = QFile::encodeName(folder);
    DIR *d = opendir(dir.constData());
    if (!d)
        return;
    QStringList folders, files;
    while (dirent *e = readdir(d)) {
        // A name beginning with a dot is what "hidden" means here; it also
        // covers "." and "..".
        if (e->d_name[0] == '.')
            continue;
        const QString name = QFile::decodeName(e->d_name);
        const QByteArray full = dir + (dir.endsWith('/') ? "" : "/") + e->d_name;
        struct stat st;
        // A link to a folder is entered like a folder; a broken link is
        // listed as a file so it can still be deleted.
        bool isDir = false;
        if (e->d_type == DT_DIR)
            isDir = true;
        else if (e->d_type == DT_LNK || e->d_type == DT_UNKNOWN)
            isDir = ::stat(full.constData(), &st) == 0 && S_ISDIR(st.st_mode);
        (isDir ? folders : files).append(name);
    }
    closedir(d);
    auto byName = [](const QString &a, const QString &b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    };
    std::sort(folders.begin(), folders.end(), byName);
    std::sort(files.begin(), files.end(), byName);
    for (const QString &name : std::as_const(folders))
        FMappeListe << name << join(folder, name) << QString() << QStringLiteral("0");
    for (const QString &name : std::as_const(files))
        FFilListe << name << folder << join(folder, name) << QStringLiteral("1");
}

void TMakeStrukturer::updateHistoryButtons()
{
    const bool back = mappeIndex > 0;
    const bool fwd = mappeIndex >= 0 && mappeIndex < mappeSL.size() - 1;
    emit historyButtons(back, back, fwd, fwd);
}

void TMakeStrukturer::makeStruktur2(const QString &aDirectory, bool insertMSL, bool reload)
{
    if (FOptaget || aDirectory.isEmpty() || !QFileInfo(aDirectory).isDir())
        return;
    // Linux names differ by case: "Web" and "web" are two folders.
    if (!reload && aDirectory == Grundmappe)
        return;
    OldGrundmappe = Grundmappe;
    Filnavn.clear();
    Grundmappe = aDirectory;
    Bibmappe = Grundmappe;
    if (insertMSL) {
        mappeSL.append(Grundmappe);
        mappeIndex = int(mappeSL.size()) - 1;
    }
    updateHistoryButtons();
    FMappeListe.clear();
    FFilListe.clear();
    if (Struktur2)
        Struktur2->clear();
    listMappe(Grundmappe);
    if (Struktur2) {
        for (int i = 0; i + 3 < FMappeListe.size(); i += 4)
            Struktur2->add(FMappeListe[i], mappeBillede, {FMappeListe[i + 1], FMappeListe[i + 2], 0});
        for (int i = 0; i + 3 < FFilListe.size(); i += 4)
            Struktur2->add(FFilListe[i], billedIndeks(FFilListe[i]), {FFilListe[i + 1], FFilListe[i + 2], 1});
        if (!FFilListe.isEmpty()) {
            Struktur2->selectOnly(0);
            const StrukturRec r = Struktur2->rec(0);
            if (!r.erMappe())
                Filnavn = r.filnavn;
        }
    }
    antalGrundmapper = int(FMappeListe.size() / 4);
    antalGrundfiler = int(FFilListe.size() / 4);
    raiseDirectoryChange();
}

void TMakeStrukturer::step(int start, Retning r)
{
    int i = start;
    while (!mappeSL.isEmpty()) {
        if (i < 0 || i >= mappeSL.size()) {
            // Ran out in this direction: take the nearest existing one the other way.
            i = r == Retning::Tilbage ? 0 : int(mappeSL.size()) - 1;
            if (QFileInfo(mappeSL[i]).isDir())
                break;
            mappeSL.removeAt(i);
            continue;
        }
        if (QFileInfo(mappeSL[i]).isDir())
            break;
        mappeSL.removeAt(i);
        if (r == Retning::Tilbage)
            --i;
    }
    if (mappeSL.isEmpty()) {
        mappeIndex = -1;
        updateHistoryButtons();
        return;
    }
    mappeIndex = i;
    makeStruktur2(mappeSL[i], false, true);
}

void TMakeStrukturer::mappeTilbage()
{
    if (mappeIndex < 0 || mappeIndex == 0)
        return;
    step(mappeIndex - 1, Retning::Tilbage);
}

void TMakeStrukturer::mappeFrem()
{
    if (mappeIndex < 0 || mappeIndex >= mappeSL.size() - 1)
        return;
    step(mappeIndex + 1, Retning::Frem);
}

void TMakeStrukturer::mappeFirst()
{
    if (mappeIndex <= 0)
        return;
    step(0, Retning::Frem);
}

void TMakeStrukturer::mappeLast()
{
    if (mappeIndex < 0 || mappeIndex >= mappeSL.size() - 1)
        return;
    step(int(mappeSL.size()) - 1, Retning::Tilbage);
}

QList<TDrevPunkt> TMakeStrukturer::makeDrevTekstMenu() const
{
    using namespace platform;
    QList<TDrevPunkt> menu;
    for (const TDrev &d : userDrives()) {
        if (!QFileInfo(d.root).isDir())
            continue;
        const QString tag = QStringLiteral(" (") + d.root + u')';
        switch (d.kind) {
        case DriveKind::Removable: menu.append({d.label + tag, 2, d.root}); break;
        case DriveKind::Fixed: menu.append({d.label + tag, d.root == QLatin1String("/") ? 1 : 2, d.root}); break;
        case DriveKind::CdRom: menu.append({QStringLiteral("Diskdrev(") + d.root + u')', 12, d.root}); break;
        default: break;
        }
    }
    return menu;
}

void TMakeStrukturer::drevTekstKlik(const QString &root)
{
    makeStruktur2(root, false, true);
}

QString TMakeStrukturer::foersteDrev() const
{
    const QList<TDrevPunkt> menu = makeDrevTekstMenu();
    return menu.isEmpty() ? rodMappe() : menu.first().root;
}

} // namespace taglund
