#include "structures/strukturworkshop.h"

#include "core/text/paths.h"
#include "core/text/textfile.h"
#include "structures/strukturlib.h"
#include "structures/strukturside.h"
#include "ui/questions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace taglund {

namespace {
const QString kExists = QStringLiteral("Der eksisterer en struktur med samme navn.\rFind på et nyt navn.");
const QString kNoName = QStringLiteral("Der mangler et strukturnavn!");
const QString kNoFile = QStringLiteral("Der mangler et filnavn!");

bool ask(const QString &question)
{
    return ui::askQuestion(nullptr, {question});
}

QString entryText(const QString &tekst)
{
    return StrukturSide::oneLine(tekst).trimmed();
}

// A page renamed where only the letter case changes goes through a
// temporary name, so a file system that ignores case renames it too.
bool renamePage(const QString &from, const QString &to)
{
    if (from.compare(to, Qt::CaseInsensitive) != 0)
        return QFile::rename(from, to);
    const QString temp = from + QStringLiteral(".omdoeb~");
    if (!QFile::rename(from, temp))
        return false;
    if (QFile::rename(temp, to))
        return true;
    QFile::rename(temp, from);
    return false;
}
} // namespace

TStrukturWorkshop::TStrukturWorkshop(const QString &programdir, const QString &infodir, const QString &scriptdir,
                                     QObject *parent)
    : QObject(parent), m_programdir(programdir), m_strukturDir(infodir), m_objektStrukturDir(scriptdir)
{
    m_objektfile = StrukturLib::builtinListFile(scriptdir);
    m_newObjektfile = StrukturLib::userListFile(scriptdir);
    m_info.DataOn = true;
    m_objekt.DataOn = true;
    scanInfo();
    loadObjektListe();
}

void TStrukturWorkshop::message(const QString &text) const
{
    ui::showInfo(nullptr, text);
}

bool TStrukturWorkshop::nameRefused(const QString &name, const QString &missing) const
{
    if (name.isEmpty()) {
        message(missing);
        return true;
    }
    const QString problem = StrukturSide::nameProblem(name, StrukturSide::NameKind::Structure);
    if (!problem.isEmpty()) {
        message(problem);
        return true;
    }
    return false;
}

void TStrukturWorkshop::scanInfo()
{
    m_infoListe = StrukturLib::informationStructures(m_strukturDir);
}

void TStrukturWorkshop::loadObjektListe()
{
    m_newSL = StrukturLib::userObjectStructures(m_objektStrukturDir);
    m_objektListe = StrukturLib::builtinObjectStructures(m_objektStrukturDir) + m_newSL;
}

bool TStrukturWorkshop::infoNameInUse(const QString &name) const
{
    if (m_infoListe.contains(name, Qt::CaseInsensitive))
        return true;
    // Also what the list leaves out, so "css" is refused beside "CSS" on
    // every file system, and a file cannot be mistaken for a free name.
    const QStringList entries = QDir(m_strukturDir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    return entries.contains(name, Qt::CaseInsensitive);
}

bool TStrukturWorkshop::makeInfoFolders(const QString &name, QString *folder)
{
    const StrukturLib::InfoPaths p = StrukturLib::informationPaths(m_strukturDir, name);
    *folder = p.folder;
    QDir().mkpath(m_strukturDir);
    const bool ok = QDir(m_strukturDir).mkdir(name) && QDir().mkpath(p.htmlmappe) && QDir().mkpath(p.billedmappe);
    if (!ok) {
        if (QFileInfo(p.folder).isDir())
            QDir(p.folder).removeRecursively();
        message(QStringLiteral("Mappen %1 kunne ikke oprettes.").arg(p.folder));
        return false;
    }
    copyDesign(p.htmlmappe);
    return true;
}

void TStrukturWorkshop::copyDesign(const QString &htmlmappe) const
{
    for (const QString &f : {QStringLiteral("design.css"), QStringLiteral("funktioner.js")}) {
        const QString from = joinPath(m_programdir, QStringLiteral("HTML"), f);
        const QString to = joinPath(htmlmappe, f);
        if (!QFileInfo(from).isFile())
            continue;
        QFile::remove(to);
        QFile::copy(from, to);
    }
}

bool TStrukturWorkshop::opretInfo(const QString &name)
{
    const QString n = StrukturSide::oneLine(name);
    if (nameRefused(n, kNoName))
        return false;
    if (infoNameInUse(n)) {
        message(kExists);
        return false;
    }
    if (!maaForlade(m_info))
        return false;
    QString folder;
    if (!makeInfoFolders(n, &folder))
        return false;
    scanInfo();
    emit infoListeAendret();
    return openInfo(n);
}

bool TStrukturWorkshop::opretObjekt(const QString &name)
{
    const QString n = StrukturSide::oneLine(name);
    if (nameRefused(n, kNoName))
        return false;
    const QStringList files =
        QDir(m_objektStrukturDir).entryList(QDir::Files | QDir::NoDotAndDotDot | QDir::Hidden);
    if (m_objektListe.contains(n, Qt::CaseInsensitive)
        || files.contains(n + QStringLiteral("Struktur.txt"), Qt::CaseInsensitive)
        || files.contains(n + QStringLiteral("Data.txt"), Qt::CaseInsensitive)) {
        message(kExists);
        return false;
    }
    if (!maaForlade(m_objekt))
        return false;
    m_newSL.append(n);
    std::stable_sort(m_newSL.begin(), m_newSL.end(), strukturLess);
    if (!writeUserList()) {
        loadObjektListe();
        return false;
    }
    loadObjektListe();
    emit objektListeAendret();
    return openObjekt(n);
}

bool TStrukturWorkshop::writeUserList()
{
    QDir().mkpath(m_objektStrukturDir);
    QString error;
    if (TextFile::writeLines(m_newObjektfile, m_newSL, &error))
        return true;
    message(QStringLiteral("Listen %1 kunne ikke gemmes.\r%2").arg(m_newObjektfile, error));
    return false;
}

bool TStrukturWorkshop::aabnInfo(const QString &name)
{
    return !name.isEmpty() && maaForlade(m_info) && openInfo(name);
}

bool TStrukturWorkshop::openInfo(const QString &name)
{
    if (!StrukturLib::setupInformation(m_info, m_strukturDir, name)) {
        message(StrukturLib::invalidNameMessage(name));
        return false;
    }
    m_info.HentStruktur();
    m_strukturName = name;
    emit infoAabnet();
    return true;
}

bool TStrukturWorkshop::aabnObjekt(const QString &name)
{
    return !name.isEmpty() && maaForlade(m_objekt) && openObjekt(name);
}

bool TStrukturWorkshop::openObjekt(const QString &name)
{
    if (!StrukturLib::setupObject(m_objekt, m_objektStrukturDir, name)) {
        message(StrukturLib::invalidNameMessage(name));
        return false;
    }
    m_objekt.HentStruktur();
    m_objektNavn = name;
    emit objektAabnet();
    return true;
}

QString TStrukturWorkshop::infoLabel() const
{
    if (!infoOpen())
        return QStringLiteral("Strukturnavn: ");
    return QStringLiteral("Strukturnavn: %1. Antal items: %2").arg(m_strukturName).arg(m_info.Count());
}

bool TStrukturWorkshop::infoObjectIcons() const
{
    return m_strukturName.compare(QStringLiteral("VBS"), Qt::CaseInsensitive) == 0;
}

void TStrukturWorkshop::closeInfo()
{
    m_info.Clear();
    m_info.setModified(false);
    m_info.Strukturfile.clear();
    m_info.Datafile.clear();
    m_info.Infomappe.clear();
    m_info.Htmlmappe.clear();
    m_info.Billedmappe.clear();
    m_strukturName.clear();
    emit infoAabnet();
}

void TStrukturWorkshop::closeObjekt()
{
    m_objekt.Clear();
    m_objekt.setModified(false);
    m_objekt.Strukturfile.clear();
    m_objekt.Datafile.clear();
    m_objektNavn.clear();
    emit objektAabnet();
}

bool TStrukturWorkshop::sletInfo(const QString &name)
{
    if (name.isEmpty()) {
        message(QStringLiteral("Der er ikke valgt nogen struktur."));
        return false;
    }
    if (!StrukturLib::isValidName(name)) {
        message(StrukturLib::invalidNameMessage(name));
        return false;
    }
    const QString folder = joinPath(m_strukturDir, name);
    if (!QFileInfo(folder).isDir()) {
        message(folder + QStringLiteral(" blev ikke fundet!"));
        return false;
    }
    const QString reason = StrukturLib::protectionReason(name);
    if (!reason.isEmpty()) {
        message(QStringLiteral("Denne fil må ikke slettes!\r") + reason);
        return false;
    }
    if (!ask(QStringLiteral("Skal strukturen %1 slettes totalt?").arg(name)))
        return false;
    if (m_strukturName.compare(name, Qt::CaseInsensitive) == 0)
        closeInfo();
    const bool removed = QDir(folder).removeRecursively();
    scanInfo();
    emit infoListeAendret();
    if (!removed)
        message(QStringLiteral("Strukturen %1 kunne ikke slettes helt.").arg(name));
    return removed;
}

bool TStrukturWorkshop::sletObjekt(const QString &name)
{
    if (m_newSL.isEmpty()) {
        message(QStringLiteral("Der er ingen strukturer, der må slettes."));
        return false;
    }
    if (m_objektListe.isEmpty() || name.isEmpty())
        return false;
    const qsizetype at = [&] {
        for (qsizetype i = 0; i < m_newSL.size(); ++i)
            if (m_newSL[i].compare(name, Qt::CaseInsensitive) == 0)
                return i;
        return qsizetype(-1);
    }();
    if (at < 0 || !StrukturLib::isValidName(name)) {
        message(QStringLiteral("Strukturen %1 benyttes af programmet.\rDen må ikke slettes.").arg(name));
        return false;
    }
    if (!ask(QStringLiteral("Skal strukturen %1 slettes totalt?").arg(name)))
        return false;
    if (m_objektNavn.compare(name, Qt::CaseInsensitive) == 0)
        closeObjekt();
    QFile::remove(StrukturLib::objectDataFile(m_objektStrukturDir, name));
    QFile::remove(StrukturLib::objectTreeFile(m_objektStrukturDir, name));
    m_newSL.removeAt(at);
    writeUserList();
    loadObjektListe();
    emit objektListeAendret();
    return true;
}

bool TStrukturWorkshop::konverter(const QString &name)
{
    if (nameRefused(name, kNoName))
        return false;
    if (infoNameInUse(name)) {
        message(kExists);
        return false;
    }
    const QString source = StrukturLib::objectTreeFile(m_objektStrukturDir, name);
    if (!QFileInfo(source).isFile()) {
        message(source + QStringLiteral(" blev ikke fundet!"));
        return false;
    }
    if (!maaForlade(m_info))
        return false;
    QString folder;
    if (!makeInfoFolders(name, &folder))
        return false;
    const QString tree = StrukturLib::informationPaths(m_strukturDir, name).strukturfile;
    if (!QFile::copy(source, tree)) {
        QDir(folder).removeRecursively();
        message(QStringLiteral("Filen %1 kunne ikke kopieres.").arg(source));
        return false;
    }
    scanInfo();
    emit infoListeAendret();
    // Loading makes the data file: icon 0 and the text as page name.
    if (!openInfo(name))
        return false;
    QStringList missed;
    for (TStrukturNode *n : m_info.tree().preorder()) {
        const QString page = sideSti(n->payload());
        if (page.isEmpty()) {
            missed << n->text;
            continue;
        }
        if (!QFileInfo::exists(page) && !StrukturSide::writePage(page, n->payload()))
            missed << n->text;
    }
    if (!missed.isEmpty())
        message(QStringLiteral("Der kunne ikke skrives sider til disse elementer:\r") + missed.join(u'\r'));
    return true;
}

QString TStrukturWorkshop::sideSti(const QString &filnavn) const
{
    if (m_info.Infomappe.isEmpty() || filnavn.isEmpty()
        || !StrukturSide::nameProblem(filnavn, StrukturSide::NameKind::Page).isEmpty())
        return {};
    return joinPath(m_info.Infomappe, filnavn + QStringLiteral(".html"));
}

QString TStrukturWorkshop::konstruerFilnavn() const
{
    int n = m_info.Count();
    auto name = [&] { return QStringLiteral("dokument%1").arg(n); };
    while (QFileInfo::exists(sideSti(name())))
        ++n;
    return name();
}

QString TStrukturWorkshop::infTekst(const QString &filnavn) const
{
    const QString n = StrukturSide::oneLine(filnavn);
    if (n.isEmpty())
        return QStringLiteral("Der er ikke noget aktuelt filnavn!");
    const QString problem = StrukturSide::nameProblem(n, StrukturSide::NameKind::Page);
    if (!problem.isEmpty())
        return problem;
    const QString path = sideSti(n);
    const bool exists = !path.isEmpty() && QFileInfo::exists(path);
    return QStringLiteral("Filnavnet:\r%1.html\r%2")
        .arg(n, exists ? QStringLiteral("eksisterer allerede!") : QStringLiteral("eksisterer ikke!"));
}

bool TStrukturWorkshop::opretFil(const QString &tekst, const QString &filnavn)
{
    if (!infoOpen())
        return false;
    const QString t = entryText(tekst);
    const QString name = valg.ensTekst ? t : StrukturSide::oneLine(filnavn);
    if (name.isEmpty()) {
        message(kNoFile);
        return false;
    }
    const QString problem = StrukturSide::nameProblem(name, StrukturSide::NameKind::Page);
    if (!problem.isEmpty()) {
        message(problem);
        return false;
    }
    const QString path = sideSti(name);
    if (QFileInfo::exists(path)) {
        message(QStringLiteral("Filnavnet:\r%1\reksisterer allerede!").arg(path));
        return false;
    }
    QDir().mkpath(m_info.Infomappe);
    QString error;
    if (!StrukturSide::writePage(path, t.isEmpty() ? name : t, &error)) {
        message(QStringLiteral("Siden %1 kunne ikke skrives.\r%2").arg(path, error));
        return false;
    }
    return true;
}

bool TStrukturWorkshop::indsaetInfo(const QString &tekst, const QString &filnavn)
{
    const QString t = entryText(tekst);
    if (t.isEmpty() || !opretFil(t, filnavn))
        return false;
    const QString name = valg.ensTekst ? t : StrukturSide::oneLine(filnavn);
    m_info.NyNode(t, name, valg.ikonIndex, valg.sorter, valg.autoGem);
    return finish(m_info, valg.sorter, valg.autoGem);
}

bool TStrukturWorkshop::redigerInfo(const QString &tekst, const QString &filnavn)
{
    TStrukturNode *sel = m_info.Selected();
    const QString t = entryText(tekst);
    if (!sel || t.isEmpty())
        return false;
    const QString nyt = StrukturSide::oneLine(filnavn);
    if (nyt.isEmpty()) {
        message(kNoFile);
        return false;
    }
    const QString problem = StrukturSide::nameProblem(nyt, StrukturSide::NameKind::Page);
    if (!problem.isEmpty()) {
        message(problem);
        return false;
    }
    const QString gammelt = sel->payload();
    const QString nyPath = sideSti(nyt);
    const QString gammelPath = sideSti(gammelt);
    if (nyt.compare(gammelt, Qt::CaseInsensitive) != 0) {
        if (QFileInfo::exists(nyPath)) {
            message(QStringLiteral("Filnavnet:\r%1\reksisterer allerede!").arg(nyt));
            return false;
        }
        if (!ask(QStringLiteral("Der er indført et nyt filnavn, der ikke er anvendt iforvejen. "
                                "Skal det nye navn anvendes?")))
            return false;
    } else if (nyt != gammelt && QFileInfo::exists(nyPath) && !samePath(nyPath, gammelPath)) {
        // Only the case differs, yet a file system that keeps case holds both pages.
        message(QStringLiteral("Filnavnet:\r%1\reksisterer allerede!").arg(nyt));
        return false;
    }
    // The page moves first: when it cannot, the entry keeps naming it.
    if (nyt != gammelt && !gammelPath.isEmpty() && QFileInfo::exists(gammelPath)) {
        bool sharedElsewhere = false;
        for (TStrukturNode *n : m_info.tree().preorder())
            if (n != sel && n->hasData && n->payload() == gammelt)
                sharedElsewhere = true;
        const bool moved = sharedElsewhere ? QFile::copy(gammelPath, nyPath) : renamePage(gammelPath, nyPath);
        if (!moved) {
            message(QStringLiteral("Siden %1 kunne ikke omdøbes til %2.").arg(gammelPath, nyPath));
            return false;
        }
    }
    m_info.RedigerNode(t, nyt, valg.ikonIndex, valg.sorter, valg.autoGem);
    return finish(m_info, valg.sorter, valg.autoGem);
}

TEnterSvar TStrukturWorkshop::enterITekst(const QString &tekst, const QString &filnavn, bool insertAktiv)
{
    if (!valg.autoNavn && !valg.ensTekst)
        return TEnterSvar::FokusFilnavn;
    if (insertAktiv)
        return indsaetInfo(tekst, konstruerFilnavn()) ? TEnterSvar::Indsat : TEnterSvar::Intet;
    return redigerInfo(tekst, filnavn) ? TEnterSvar::Redigeret : TEnterSvar::Intet;
}

TEnterSvar TStrukturWorkshop::enterIFilnavn(const QString &tekst, const QString &filnavn, bool insertAktiv)
{
    if (valg.autoNavn || valg.ensTekst)
        return TEnterSvar::Intet;
    if (StrukturSide::oneLine(filnavn).isEmpty()) {
        message(QStringLiteral("Der mangler et filnavn."));
        return TEnterSvar::Intet;
    }
    if (insertAktiv && indsaetInfo(tekst, filnavn))
        return TEnterSvar::Indsat;
    return TEnterSvar::Intet;
}

QStringList TStrukturWorkshop::visFelter(const QString &payload)
{
    QStringList f = payload.split(u'|').mid(0, 4);
    while (f.size() < 4)
        f << QString();
    return f;
}

QString TStrukturWorkshop::objektPayload(const QStringList &bokse, const QStringList &ekstra)
{
    QString p = StrukturSide::oneLine(bokse.value(0));
    for (int i = 1; i < 4; ++i) {
        const QString b = StrukturSide::oneLine(bokse.value(i));
        if (!b.isEmpty())
            p += u'|' + b;
    }
    for (const QString &e : ekstra)
        p += u'|' + e;
    return p;
}

bool TStrukturWorkshop::indsaetObjekt(const QString &tekst, const QStringList &bokse)
{
    const QString t = entryText(tekst);
    if (!objektOpen() || t.isEmpty())
        return false;
    m_objekt.NyNode(t, objektPayload(bokse), valg1.ikonIndex1, valg1.sorter, valg1.autoGem);
    return finish(m_objekt, valg1.sorter, valg1.autoGem);
}

bool TStrukturWorkshop::redigerObjekt(const QString &tekst, const QStringList &bokse)
{
    TStrukturNode *sel = m_objekt.Selected();
    const QString t = entryText(tekst);
    if (!sel || t.isEmpty() || bokse.value(0).isEmpty())
        return false;
    // Fields the four boxes cannot show stay as they were read.
    const QStringList ekstra = sel->payload().split(u'|').mid(4);
    m_objekt.RedigerNode(t, objektPayload(bokse, ekstra), valg1.ikonIndex1, valg1.sorter, valg1.autoGem);
    return finish(m_objekt, valg1.sorter, valg1.autoGem);
}

bool TStrukturWorkshop::finish(TStruktur &t, bool sorter, bool autoGem)
{
    // A sorted change is saved too: "Auto gem" promises it. A change whose
    // save failed is reported; the entry itself is in the tree either way.
    if (autoGem && (sorter || t.Modified()))
        gem(t);
    return true;
}

bool TStrukturWorkshop::gem(TStruktur &t)
{
    if (t.GemStruktur())
        return true;
    if (!t.Strukturfile.isEmpty())
        message(QStringLiteral("Strukturen kunne ikke gemmes.\r%1").arg(t.lastError()));
    return false;
}

bool TStrukturWorkshop::sletElement(TStruktur &t)
{
    TStrukturNode *sel = t.Selected();
    if (!sel)
        return false;
    QString q;
    if (t.tree().indexOf(sel) == 0)
        q = QStringLiteral("Skal hele strukturen slettes?");
    else if (sel->childCount() > 0)
        q = QStringLiteral("Skal elementet %1 med underelementer slettes?").arg(sel->text);
    else
        q = QStringLiteral("Skal elementet %1 slettes?").arg(sel->text);
    if (!ask(q))
        return false;
    t.SletNode();
    return true;
}

bool TStrukturWorkshop::sorterAlfabetisk(TStruktur &t)
{
    if (t.Count() == 0 || !ask(QStringLiteral("Skal elementerne i strukturen sorteres alfabetisk?")))
        return false;
    t.AlphaSort();
    return true;
}

bool TStrukturWorkshop::maaForlade(TStruktur &t)
{
    if (!t.Modified() || t.Strukturfile.isEmpty())
        return true;
    const QString name = &t == &m_info ? m_strukturName : m_objektNavn;
    switch (ui::askQuestionAnswer(nullptr, {QStringLiteral("Strukturen %1 er ændret.").arg(name),
                                            QStringLiteral("Skal ændringerne gemmes først?")})) {
    case ui::Answer::Ja:
        return gem(t);
    case ui::Answer::Nej:
        return true;
    case ui::Answer::Ingen:
        break;
    }
    return false;
}

bool TStrukturWorkshop::genindlaesInfo()
{
    if (!infoOpen() || !maaForlade(m_info))
        return false;
    m_info.HentStruktur();
    emit infoAabnet();
    return true;
}

bool TStrukturWorkshop::genindlaesObjekt()
{
    if (!objektOpen() || !maaForlade(m_objekt))
        return false;
    m_objekt.HentStruktur();
    emit objektAabnet();
    return true;
}

} // namespace taglund
