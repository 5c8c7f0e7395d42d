#include "filebox/handlinger.h"

#include "platform/filetree.h"
#include "platform/trash.h"
#include "ui/questions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace taglund {

namespace {

const QString kFejl = QStringLiteral("Der er opstået en fejl.\rElementer er muligvist slettede.");

struct Optaget {
    bool &flag;
    explicit Optaget(bool &f) : flag(f) { flag = true; }
    ~Optaget() { flag = false; }
};

bool isLink(const QString &path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISLNK(st.st_mode);
}

} // namespace

bool THandlinger::kopierEn(const QString &source, const QString &target, Udfald &u)
{
    TKopiFejl fejl;
    qint64 size = 0;
    const bool ok = kopierFil(source, target, [this](qint64 done, qint64 total) { filFremdrift(done, total); }, &fejl,
                              &size);
    if (!ok) {
        u.fejl << fejl;
        if (!fejl.iKilden)
            u.afbrudt = true;
    }
    elementFaerdig(qMax<qint64>(1, size));
    return ok;
}

// Every element of the source folder, hidden ones and links included, goes
// to the same name in the target; existing files there are replaced, and
// existing folders are used as they are.
void THandlinger::kopierIndhold(const QString &source, const QString &target, Udfald &u)
{
    const QByteArray src = QFile::encodeName(source);
    DIR *d = ::opendir(src.constData());
    if (!d) {
        u.fejl << TKopiFejl{source, platform::systemError(errno), true};
        return;
    }
    // The kind of each entry comes with the listing; only file systems that
    // do not give it are asked once more.
    QList<std::pair<QString, bool>> entries;
    while (dirent *e = ::readdir(d)) {
        const char *n = e->d_name;
        if (n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0)))
            continue;
        bool isDir = e->d_type == DT_DIR;
        if (e->d_type == DT_UNKNOWN) {
            struct stat st;
            isDir = ::fstatat(::dirfd(d), n, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(st.st_mode);
        }
        entries.append({QFile::decodeName(n), isDir});
    }
    ::closedir(d);
    for (const auto &[name, isDir] : std::as_const(entries)) {
        if (u.afbrudt)
            return;
        const QString s = join(source, name), t = join(target, name);
        if (isDir) {
            if (!QFileInfo(t).isDir() && ::mkdir(QFile::encodeName(t).constData(), 0777) != 0) {
                u.fejl << TKopiFejl{t, platform::systemError(errno), false};
                u.afbrudt = true;
                return;
            }
            kopierIndhold(s, t, u);
        } else {
            kopierEn(s, t, u);
        }
    }
    kopierMappeEgenskaber(source, target);
}

int THandlinger::kopierMapperne(const QString &dest, bool kopiTilstand, Udfald &u)
{
    int kopieret = 0;
    for (const QString &mappe : std::as_const(FCopyListe1)) {
        if (u.afbrudt)
            break;
        QString target = join(dest, getLastDirectory(mappe));
        const int fejlFoer = int(u.fejl.size());
        if (isLink(mappe)) {
            // A link to a folder is pasted as the link itself.
            if (platform::entryExists(target)) {
                if (!kopiTilstand && !spoerg({QStringLiteral("Mappen eksisterer."), QStringLiteral("Skal alle elementer overskrives?")}))
                    continue;
                target = makeUniqueElement(target);
            }
            kopierEn(mappe, target, u);
        } else {
            if (kopiTilstand && platform::entryExists(target)) {
                target = makeUniqueElement(target);
                if (!QDir().mkdir(target)) {
                    u.fejl << TKopiFejl{target, QStringLiteral("Mappen kunne ikke oprettes."), false};
                    u.afbrudt = true;
                    break;
                }
            } else if (QFileInfo(target).isDir()) {
                if (!spoerg({QStringLiteral("Mappen eksisterer."), QStringLiteral("Skal alle elementer overskrives?")}))
                    continue;
            } else if (::mkdir(QFile::encodeName(target).constData(), 0777) != 0) {
                u.fejl << TKopiFejl{target, platform::systemError(errno), false};
                u.afbrudt = true;
                break;
            }
            kopierIndhold(mappe, target, u);
        }
        if (u.fejl.size() != fejlFoer)
            continue;   // a partly copied folder is never deleted
        ++kopieret;
        if (FSletAfterCopy) {
            QString hvorfor;
            if (!platform::TPapirkurv::send(mappe, &hvorfor))
                u.fejl << TKopiFejl{mappe, QStringLiteral("Kopieret, men kilden kunne ikke flyttes til papirkurven: ") + hvorfor, true};
        }
    }
    return kopieret;
}

int THandlinger::kopierFilerne(const QString &dest, bool kopiTilstand, Udfald &u)
{
    struct Plan {
        QString source, target;
    };
    QList<Plan> frie, konflikter;
    for (const QString &source : std::as_const(FCopyFiler)) {
        const QString target = join(dest, getLastDirectory(source));
        // A file is never copied onto itself: it gets a name of its own.
        if (kopiTilstand || platform::sameEntry(source, target))
            frie << Plan{source, makeUniqueFil(target, QStringLiteral(" Kopi"))};
        else if (platform::entryExists(target))
            konflikter << Plan{source, target};
        else
            frie << Plan{source, target};
    }
    QList<Plan> kopier = frie;
    if (konflikter.size() == 1) {
        const Plan &p = konflikter.first();
        if (spoerg({QStringLiteral("Skal filen"), getLastDirectory(p.target), QStringLiteral("overskrives?")}))
            kopier << p;
    } else if (konflikter.size() > 1) {
        QStringList navne;
        for (const Plan &p : std::as_const(konflikter))
            navne << getLastDirectory(p.target);
        TKonfliktValg valg;
        if (spoergKonflikt(navne, valg)) {
            for (const Plan &p : std::as_const(konflikter)) {
                switch (valg) {
                case TKonfliktValg::OverskrivIngen: break;
                case TKonfliktValg::OverskrivAlle: kopier << p; break;
                case TKonfliktValg::SpoergHverGang:
                    if (spoerg({QStringLiteral("Skal filen"), getLastDirectory(p.target), QStringLiteral("overskrives?")}))
                        kopier << p;
                    break;
                case TKonfliktValg::OpretKopier:
                    kopier << Plan{p.source, makeUniqueFil(p.target, QStringLiteral(" Kopi"))};
                    break;
                }
            }
        }
    }
    QStringList kopierede;
    for (const Plan &p : std::as_const(kopier)) {
        if (u.afbrudt)
            break;
        if (kopierEn(p.source, p.target, u))
            kopierede << p.source;
    }
    if (FSletAfterCopy && !kopierede.isEmpty()) {
        vindue()->setNotits(QStringLiteral("Sletter mapper/filer..."));
        for (qsizetype i = kopierede.size() - 1; i >= 0; --i) {
            QString hvorfor;
            if (!platform::TPapirkurv::send(kopierede[i], &hvorfor))
                u.fejl << TKopiFejl{kopierede[i], QStringLiteral("Kopieret, men kilden kunne ikke flyttes til papirkurven: ") + hvorfor, true};
        }
        vindue()->setNotits(QString());
    }
    vindue()->setFilProcent(0);
    vindue()->setTotalProcent(0);
    return int(kopierede.size());
}

int THandlinger::PasteElementer(bool sletAfterCopy, int sourceStruktur)
{
    Q_UNUSED(sourceStruktur);
    if (afvisHvisOptaget() || registerTomt())
        return 0;
    const QString foraelder = parentOf(Grundmappe);
    QString dest;
    if (Struktur2 && Struktur2->selected() >= 0)
        dest = Bibmappe;
    else if (QFileInfo(Grundmappe).isDir())
        dest = Grundmappe;
    if (dest.isEmpty() || !QFileInfo(dest).isDir()) {
        ui::showInfo(nullptr, QStringLiteral("Der er ikke valgt destignation."));
        return 0;
    }
    FSletAfterCopy = sletAfterCopy;
    if (SourceDirectory == dest) {
        ui::showInfo(nullptr, QStringLiteral("Kildemappe og destignationsmappe er samme mappe."));
        return 0;
    }
    for (const QString &m : std::as_const(FCopyListe1)) {
        if (!isLink(m) && platform::isSameOrInside(dest, m)) {
            ui::showInfo(nullptr, QStringLiteral("En mappe kan ikke kopieres eller flyttes ind i sig selv\reller i en af sine egne undermapper:\r") + m);
            return 0;
        }
    }
    bool kopiTilstand = false;
    if (SourceMappe == dest) {
        FSletAfterCopy = false;
        if (!spoerg({QStringLiteral("Kildemappe er undermappe til destignationsmappen."), QStringLiteral("Skal der oprettes en kopi?")}))
            return 0;
        kopiTilstand = true;
    }
    const bool flyt = FSletAfterCopy;
    TBekraeftelse b;
    b.caption = flyt ? QStringLiteral("Flytning af elementer") : QStringLiteral("Kopiering af elementer");
    b.spoergsmaal = flyt ? QStringLiteral("Skal valgte elementer flyttes?") : QStringLiteral("Skal valgte elementer kopieres?");
    b.ikon = flyt ? TBekraeftelse::Flyt : TBekraeftelse::Kopier;
    b.filer = copyListe2();
    for (const QString &m : std::as_const(FCopyListe1))
        b.mapper << getLastDirectory(m);
    b.kilde = SourceMappe;
    b.destination = dest;
    if (!spoergBekraeft(b))
        return 0;

    int resultat = 0;
    QString besked;
    {
        Optaget guard(FOptaget);
        aabnFremdrift(QStringLiteral("Kopiering forberedes"), int(FCopyListe1.size()));
        QString mangler;
        for (int i = 0; i < FCopyListe1.size() && mangler.isEmpty(); ++i) {
            const QString &m = FCopyListe1[i];
            if (!platform::entryExists(m))
                mangler = m;
            else if (isLink(m))
                taelFil(m);
            else
                taelMappe(m);
            vindue()->setTaelle(i + 1);
        }
        for (const QString &f : std::as_const(FCopyFiler))
            if (mangler.isEmpty() && taelFil(f) < 0)
                mangler = f;
        if (!mangler.isEmpty()) {
            lukFremdrift();
            besked = kFejl + QStringLiteral("\r\rFindes ikke længere:\r") + mangler;
            resultat = 0;
        } else {
            vindue()->setStatus(1, QLocale().toString(FAntalMapper));
            vindue()->setTaelle(int(FCopyListe1.size()));
            const qint64 filer = FAntalElementer;
            vindue()->setInfo(kopierInfoTekst(filer, FAntalMapper, FTotalBytes));
            vindue()->setRestTekst(QLocale().toString(FAntalElementer));
            Udfald u;
            int antal = kopierMapperne(dest, kopiTilstand, u);
            if (!u.afbrudt && !FCopyFiler.isEmpty())
                antal += kopierFilerne(dest, kopiTilstand, u);
            lukFremdrift();
            if (!u.fejl.isEmpty()) {
                besked = fejlTekst(kFejl, u.fejl);
                resultat = -1;
            } else {
                resultat = antal;
            }
        }
    }
    if (!besked.isEmpty())
        ui::showInfo(nullptr, besked);
    genopbyg(foraelder);
    // A move, and a paste that failed, leave no cut behind: a later paste
    // copies unless "Klip" is used again.
    if (flyt)
        InitRegister();
    if (resultat < 0)
        FSletAfterCopy = false;
    return resultat;
}

} // namespace taglund
