#include "filebox/handlinger.h"
#include "filebox/afspilningsliste.h"

#include "platform/filetree.h"
#include "platform/trash.h"
#include "ui/questions.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <cstdio>
#include <sys/stat.h>

namespace taglund {

namespace {

// Guards an operation that hands control to pending events while it runs.
struct Optaget {
    bool &flag;
    explicit Optaget(bool &f) : flag(f) { flag = true; }
    ~Optaget() { flag = false; }
};

bool gyldigtNavn(const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (const QChar c : name)
        if (c == u'/' || c == u'\\' || c.unicode() < 0x20 || c.unicode() == 0x7f)
            return false;
    return true;
}

} // namespace

THandlinger::THandlinger(QObject *parent)
    : TFilMappeInfo(parent), m_papirkurv(platform::TPapirkurv::homeTrashFolder())
{
}

THandlinger::~THandlinger() = default;

bool THandlinger::afvisHvisOptaget()
{
    if (!FOptaget)
        return false;
    ui::showInfo(nullptr, QStringLiteral("Filboksen er i gang med en anden handling.\rVent til den er færdig."));
    return true;
}

QStringList THandlinger::copyListe2() const
{
    QStringList names;
    for (const QString &p : FCopyFiler)
        names << getLastDirectory(p);
    return names;
}

int THandlinger::CopyElementer(bool klip)
{
    if (afvisHvisOptaget())
        return 0;
    InitRegister();
    // A new copy always replaces the cut flag, so a later paste of copied
    // elements can never move them.
    FSletAfterCopy = false;
    if (!Struktur2 || Struktur2->selected() < 0) {
        ui::showInfo(nullptr, QStringLiteral("Der er ikke valgt elementer til kopiering."));
        return 0;
    }
    SourceMappe = Grundmappe;
    SourceDirectory = Bibmappe;
    int n = 0;
    for (int i = 0; i < Struktur2->count(); ++i) {
        if (!Struktur2->isSelected(i))
            continue;
        ++n;
        const StrukturRec r = Struktur2->rec(i);
        if (r.erMappe())
            FCopyListe1 << r.mappe;
        else
            FCopyFiler << r.filnavn;
    }
    FSletAfterCopy = klip;
    return n;
}

void THandlinger::InitRegister()
{
    FCopyListe1.clear();
    FCopyFiler.clear();
    FSletAfterCopy = false;
}

bool THandlinger::RegisterElements(const QString &path)
{
    const QString p = path.size() > 1 && path.endsWith(u'/') ? path.chopped(1) : path;
    const QFileInfo fi(p);
    if (fi.isDir())
        FCopyListe1 << p;
    else if (platform::entryExists(p))
        FCopyFiler << p;
    else
        return false;
    SourceMappe = parentOf(p);
    SourceDirectory = SourceMappe;
    return true;
}

bool THandlinger::sletFil(const QString &aFilename, bool toPapirkurv)
{
    if (!platform::entryExists(aFilename))
        return false;
    if (toPapirkurv)
        return platform::TPapirkurv::send(aFilename);
    return platform::removeTree(aFilename);
}

void THandlinger::genopbyg(const QString &gammelForaelder)
{
    if (!QFileInfo(Grundmappe).isDir())
        Grundmappe = gammelForaelder;
    makeStruktur2(Grundmappe, false, true);
}

int THandlinger::DeleteElementer(bool tilPapirkurven)
{
    if (afvisHvisOptaget())
        return 0;
    FDeleteListe1.clear();
    FDeleteListe2.clear();
    if (!Struktur2 || Struktur2->selected() < 0) {
        ui::showInfo(nullptr, QStringLiteral("Der er ikke valgt elementer til sletning."));
        return 0;
    }
    TBekraeftelse b;
    for (int i = 0; i < Struktur2->count(); ++i) {
        if (!Struktur2->isSelected(i))
            continue;
        const StrukturRec r = Struktur2->rec(i);
        if (r.erMappe()) {
            FDeleteListe1 << r.mappe;
            b.mapper << getLastDirectory(r.mappe);
        } else {
            FDeleteListe2 << r.filnavn;
            b.filer << getLastDirectory(r.filnavn);
        }
    }
    b.caption = QStringLiteral("Sletning af elementer");
    b.spoergsmaal = QStringLiteral("Skal valgte elementer Slettes?");
    b.ikon = TBekraeftelse::Slet;
    b.kilde = getSelectedMappe();
    b.destination = tilPapirkurven ? QStringLiteral("Papirkurv") : QStringLiteral("Ingen: Elementerne slettes permanent.");
    if (!spoergBekraeft(b))
        return 0;

    // From here on only what the question listed is deleted, whatever the
    // list shows by now.
    const QStringList mapper = FDeleteListe1, filer = FDeleteListe2;
    const QString foraelder = parentOf(Grundmappe);
    int resultat = 0;
    QString fejl;
    {
        Optaget guard(FOptaget);
        aabnFremdrift(QStringLiteral("Sletning forberedes"), int(mapper.size()));
        QList<qint64> andele;
        for (const QString &m : mapper) {
            struct stat st;
            const bool link = ::lstat(QFile::encodeName(m).constData(), &st) == 0 && S_ISLNK(st.st_mode);
            andele << (link ? qMax<qint64>(1, taelFil(m)) : qMax<qint64>(0, taelMappe(m)));
            vindue()->setTaelle(int(andele.size()));
        }
        for (const QString &f : filer)
            andele << qMax<qint64>(1, taelFil(f));
        FAntalElementer = int(mapper.size() + filer.size());
        vindue()->setInfo(sletInfoTekst(FAntalElementer, FTotalBytes));
        vindue()->setRestTekst(QLocale().toString(FAntalElementer));

        const QStringList alle = mapper + filer;
        for (int i = 0; i < alle.size(); ++i) {
            QString hvorfor;
            bool ok;
            if (tilPapirkurven) {
                ok = platform::TPapirkurv::send(alle[i], &hvorfor);
            } else {
                QString hvilket;
                ok = platform::removeTree(alle[i], &hvilket, &hvorfor);
                if (!ok && hvilket != alle[i])
                    hvorfor = hvilket + QStringLiteral(": ") + hvorfor;
            }
            if (!ok) {
                fejl = alle[i] + u'\r' + hvorfor;
                break;
            }
            elementFaerdig(andele.value(i));
        }
        lukFremdrift();
        resultat = fejl.isEmpty() ? int(alle.size()) : -1;
    }
    if (!fejl.isEmpty())
        ui::showInfo(nullptr, QStringLiteral("Der er opstået en fejl.\r\rKunne ikke slettes:\r") + fejl);
    genopbyg(foraelder);
    return resultat;
}

bool THandlinger::NyMappe(const QString &aDirectory)
{
    if (afvisHvisOptaget())
        return false;
    // Any element of the name blocks a folder, not only another folder.
    const QString path = makeUniqueElement(join(aDirectory, QStringLiteral("Ny mappe")));
    if (!QDir().mkdir(path)) {
        ui::showInfo(nullptr, QStringLiteral("Der kunne ikke oprettes en ny mappe.\rDer opstod en fejl."));
        return false;
    }
    makeStruktur2(aDirectory, false, true);
    if (Struktur2) {
        for (int i = 0; i < Struktur2->count(); ++i) {
            if (Struktur2->rec(i).erMappe() && Struktur2->rec(i).mappe == path) {
                Struktur2->selectOnly(i);
                infoStruktur2();
                Struktur2->startEdit(i);
                break;
            }
        }
    }
    return true;
}

QString THandlinger::RenameNode(int entry, const QString &oldNodeName, const QString &newNodeName, bool nyMappe)
{
    if (FOptaget)
        return oldNodeName;
    if (!nyMappe && newNodeName == oldNodeName)
        return oldNodeName;
    if (!gyldigtNavn(newNodeName))
        return oldNodeName;
    const QString base = Grundmappe;
    const QString oldPath = join(base, oldNodeName);
    const bool mappe = QFileInfo(oldPath).isDir();
    QString newPath = join(base, newNodeName);
    if (!mappe) {
        const QString oldExt = extOf(oldNodeName);
        if (extOf(newNodeName).isEmpty() && !oldExt.isEmpty())
            newPath += oldExt;
    }
    if (newPath == oldPath)
        return oldNodeName;
    // A new name that only differs by case is another name here; a file
    // system that ignores case reports the same element for both, and that
    // is the one case where the target may "exist".
    const bool sammeElement = platform::sameEntry(oldPath, newPath);
    if (!sammeElement && platform::entryExists(newPath))
        newPath = mappe ? makeUniqueElement(newPath) : makeUniqueFil(newPath);
    const bool ok = sammeElement
                        ? ::rename(QFile::encodeName(oldPath).constData(), QFile::encodeName(newPath).constData()) == 0
                        : platform::renameNoReplace(oldPath, newPath);
    if (!ok)
        return oldNodeName;
    // The list is rebuilt so the entry moves to its place in the order.
    makeStruktur2(Grundmappe, false, true);
    if (Struktur2) {
        for (int i = 0; i < Struktur2->count(); ++i) {
            const StrukturRec r = Struktur2->rec(i);
            if ((mappe && r.erMappe() && r.mappe == newPath) || (!mappe && r.filnavn == newPath)) {
                Struktur2->selectOnly(i);
                infoStruktur2();
                break;
            }
        }
    }
    Q_UNUSED(entry);
    return getLastDirectory(newPath);
}

QStringList THandlinger::skabelon(const QString &extS)
{
    const QStringList html{"<!DOCTYPE html>", "<html>", "<head>", "<title></title>", "</head>",
                           "<body>", "", "</body>", "</html>"};
    if (extS == QLatin1String(".html"))
        return html;
    if (extS == QLatin1String(".asp"))
        return QStringList{"<%@LANGUAGE=\"VBSCRIPT\" CODEPAGE=\"1252\"%>"} + html;
    if (extS == QLatin1String(".wsf"))
        return {"<job id=\"\">", "<script language=\"VBScript\">", "", "</script>", "</job>"};
    return {};
}

bool THandlinger::SkrivTekstfil(const QString &aFilename, int aFiltype)
{
    if (FOptaget || aFiltype < 0 || aFiltype > 3 || !gyldigtNavn(aFilename))
        return false;
    QStringList lines;
    if (aFiltype == 0) {
        lines = skabelon(extOf(aFilename));
    } else {
        // Every selected entry whose name has an extension, folders too.
        QStringList items;
        if (Struktur2)
            for (int i = 0; i < Struktur2->count(); ++i)
                if (Struktur2->isSelected(i) && !extOf(Struktur2->text(i)).isEmpty())
                    items << Struktur2->text(i);
        lines = afspilningsside(aFiltype, join(Grundmappe, QString()), items);
    }
    QByteArray bytes;
    for (const QString &l : lines)
        bytes += l.toUtf8() + "\r\n";
    // The name is chosen free, and the write never replaces what another
    // program may have put there in the meantime.
    for (int attempt = 0; attempt < 5; ++attempt) {
        const QString target = makeUniqueFil(join(Grundmappe, aFilename));
        TKopiFejl fejl;
        if (skrivNyFil(bytes, target, false, &fejl)) {
            makeStruktur2(Grundmappe, false, true);
            Filnavn = target;
            const QString name = getLastDirectory(target);
            if (Struktur2)
                for (int i = 0; i < Struktur2->count(); ++i)
                    if (Struktur2->text(i) == name && !Struktur2->rec(i).erMappe()) {
                        Struktur2->selectOnly(i);
                        break;
                    }
            return true;
        }
        // Only a name taken since it was chosen is worth another try.
        if (!platform::entryExists(target))
            return false;
    }
    return false;
}

void THandlinger::SelectMapperFiler(int actionNumber)
{
    if (!Struktur2 || Struktur2->count() == 0)
        return;
    const int n = Struktur2->count();
    if (actionNumber == 3 && Struktur2->selectedCount() == n)
        actionNumber = 2;
    for (int i = 0; i < n; ++i) {
        switch (actionNumber) {
        case 1: Struktur2->setSelected(i, true); break;
        case 2: Struktur2->setSelected(i, false); break;
        case 3: Struktur2->setSelected(i, !Struktur2->isSelected(i)); break;
        default: return;
        }
    }
    if (actionNumber == 2)
        Filnavn.clear();
}

int THandlinger::OpenElementer()
{
    if (!Struktur2 || !m_aabn)
        return 0;
    QStringList paths;
    for (int i = 0; i < Struktur2->count(); ++i) {
        const StrukturRec r = Struktur2->rec(i);
        if (Struktur2->isSelected(i) && !r.erMappe() && QFileInfo(r.filnavn).isFile())
            paths << r.filnavn;
    }
    for (const QString &p : std::as_const(paths))
        m_aabn(p);
    return int(paths.size());
}

bool THandlinger::EmptyRecycleBin(bool Confirm, const QString &aDrive)
{
    Q_UNUSED(aDrive);   // one home trash serves every drive here
    if (afvisHvisOptaget())
        return false;
    platform::TPapirkurv kurv(m_papirkurv);
    const platform::TPapirkurv::Indhold indhold = kurv.count();
    if (indhold.elementer == 0) {
        ui::showInfo(nullptr, QStringLiteral("Papirkurven er tom."));
        return true;
    }
    if (Confirm) {
        const QString antal = indhold.elementer == 1 ? QStringLiteral("1 element")
                                                     : QLocale().toString(indhold.elementer) + QStringLiteral(" elementer");
        if (!spoerg({QStringLiteral("Papirkurven indeholder ") + antal + QStringLiteral(": ") + getSizeTekst(indhold.bytes),
                     QStringLiteral("Skal papirkurven tømmes?"),
                     QStringLiteral("Elementerne slettes permanent.")}))
            return false;
    }
    QString fejl;
    if (!kurv.empty(&fejl)) {
        ui::showError(nullptr, QStringLiteral("Papirkurven kunne ikke tømmes.\r") + fejl);
        return false;
    }
    return true;
}

QString THandlinger::fejlTekst(const QString &head, const QList<TKopiFejl> &fejl)
{
    QString t = head + QStringLiteral("\r\rKunne ikke kopieres:");
    const int vist = qMin<int>(int(fejl.size()), 5);
    for (int i = 0; i < vist; ++i)
        t += u'\r' + fejl[i].element + QStringLiteral(" (") + fejl[i].aarsag + u')';
    if (fejl.size() > vist)
        t += QStringLiteral("\rog ") + QString::number(fejl.size() - vist) + QStringLiteral(" flere.");
    return t;
}

} // namespace taglund
