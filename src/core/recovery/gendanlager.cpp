#include "core/recovery/gendanlager.h"
#include "core/text/paths.h"
#include "platform/filelock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

namespace taglund {

QString gendanMappe(const QString &brugerdir)
{
    return joinPath(brugerdir, QStringLiteral("gendan"));
}

QString gendanNavn(const TGendanPost &p)
{
    return p.original.isEmpty() ? p.caption : fileNameOf(p.original);
}

namespace {

std::unique_ptr<QLockFile> laasFor(const QString &mappe)
{
    auto l = std::make_unique<QLockFile>(joinPath(mappe, QString::fromLatin1(TGendanSession::kLaasNavn)));
    // A lock is only ever stale because its program is gone, never because it is old.
    l->setStaleLockTime(0);
    return l;
}

// A lock file whose process id was lost (a power cut before it reached the
// disk) is never stale by its contents; it belongs to a dead program when no
// live one holds the system's lock on it.
bool tagUlaeseligLaas(QLockFile &laas, const QString &mappe)
{
    qint64 pid = 0;
    QString vaert, program;
    const QString sti = joinPath(mappe, QString::fromLatin1(TGendanSession::kLaasNavn));
    if (laas.error() != QLockFile::LockFailedError || laas.getLockInfo(&pid, &vaert, &program)
        || platform::fileLockHeld(sti))
        return false;
    QFile::remove(sti);
    return laas.tryLock(0);
}

} // namespace

TGendanSession::TGendanSession(QString gendanMappe) : m_rod(std::move(gendanMappe)) {}

TGendanSession::~TGendanSession() = default;

bool TGendanSession::aabn(QString *error)
{
    if (m_laas)
        return true;
    const QString navn = QString::number(QCoreApplication::applicationPid()) + u'-'
                         + QString::number(QDateTime::currentMSecsSinceEpoch());
    const QString mappe = joinPath(m_rod, navn);
    if (!QDir().mkpath(mappe)) {
        if (error)
            *error = QStringLiteral("Mappen %1 kan ikke oprettes").arg(mappe);
        return false;
    }
    auto laas = laasFor(mappe);
    if (!laas->tryLock(0)) {
        if (error)
            *error = laas->error() == QLockFile::PermissionError
                         ? QStringLiteral("Der er ikke adgang til at skrive i %1").arg(mappe)
                         : QStringLiteral("Låsefilen i %1 kan ikke oprettes").arg(mappe);
        QDir(mappe).removeRecursively();
        return false;
    }
    m_mappe = mappe;
    m_laas = std::move(laas);
    return true;
}

void TGendanSession::fjernAlt()
{
    if (!m_laas)
        return;
    QDir d(m_mappe);
    const QString laasNavn = QString::fromLatin1(kLaasNavn);
    // The index first: a copy without its index line is never offered.
    d.remove(QString::fromLatin1(GendanIndeks::kFilnavn));
    for (const QString &f : d.entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (f != laasNavn)
            d.remove(f);
    m_laas->unlock();
    m_laas.reset();
    d.removeRecursively();
}

struct TForladteKopier::Session {
    QString mappe;
    std::unique_ptr<QLockFile> laas;
    QList<TGendanPost> tilbage;   // the copies still offered
};

TForladteKopier::TForladteKopier() = default;

TForladteKopier::~TForladteKopier()
{
    frigiv();
}

void TForladteKopier::find(const QString &rod, const QString &egen)
{
    frigiv();
    const QFileInfoList mapper = QDir(rod).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &fi : mapper) {
        const QString mappe = fi.absoluteFilePath();
        if (!egen.isEmpty() && samePath(mappe, egen))
            continue;
        // A program starting this moment makes its folder just before it
        // locks it; until it has an index there is nothing in it to offer.
        if (!QFileInfo::exists(joinPath(mappe, QString::fromLatin1(TGendanSession::kLaasNavn)))
            && !QFileInfo::exists(joinPath(mappe, QString::fromLatin1(GendanIndeks::kFilnavn)))
            && fi.lastModified().secsTo(QDateTime::currentDateTime()) < 60)
            continue;
        auto laas = laasFor(mappe);
        // Held by a live program (or not ours to take): its copies are not offered.
        if (!laas->tryLock(0) && !tagUlaeseligLaas(*laas, mappe))
            continue;
        const QString indeks = joinPath(mappe, QString::fromLatin1(GendanIndeks::kFilnavn));
        QList<TGendanPost> poster;
        bool beskadiget = false;
        const bool harIndeks = GendanIndeks::hent(indeks, poster, &beskadiget);
        if (harIndeks && beskadiget)
            m_noter << QStringLiteral("Oversigten over kopierne i %1 er beskadiget; kun de kopier den nåede at nævne kan gendannes.")
                           .arg(mappe);
        auto s = std::make_unique<Session>();
        s->mappe = mappe;
        s->laas = std::move(laas);
        for (const TGendanPost &p : std::as_const(poster)) {
            const QString sti = joinPath(mappe, p.kopi);
            const QFileInfo ki(sti);
            QFile f(sti);
            if (!ki.exists()) {
                m_noter << QStringLiteral("Kopien af %1 mangler og kan ikke gendannes.").arg(gendanNavn(p));
                continue;
            }
            if (!ki.isFile() || !f.open(QIODevice::ReadOnly)) {
                m_noter << QStringLiteral("Kopien af %1 kan ikke læses og kan ikke gendannes.").arg(gendanNavn(p));
                continue;
            }
            if (ki.size() != p.kopiStoerrelse) {
                m_noter << QStringLiteral("Kopien af %1 er ufuldstændig og kan ikke gendannes.").arg(gendanNavn(p));
                continue;
            }
            TGendanFund fund;
            fund.post = p;
            fund.sti = sti;
            fund.session = int(m_sessioner.size());
            if (!p.original.isEmpty()) {
                const QFileInfo oi(p.original);
                if (!oi.exists()) {
                    if (p.originalTid >= 0)
                        fund.bemaerkning = kForsvundet;
                } else if (p.originalTid < 0 || oi.lastModified().toMSecsSinceEpoch() != p.originalTid
                           || oi.size() != p.originalStoerrelse) {
                    fund.bemaerkning = kAendret;
                }
            }
            s->tilbage.append(p);
            m_fund.append(fund);
        }
        if (s->tilbage.isEmpty() && !beskadiget) {
            // Nothing to offer: a program that ended before it had a copy to
            // make, or whose copies are gone. Its folder is cleared away; a
            // damaged one stays where the note says, for the user to look at.
            s->laas->unlock();
            QDir(mappe).removeRecursively();
            continue;
        }
        m_sessioner.push_back(std::move(s));
    }
}

bool TForladteKopier::laes(int i, QByteArray &bytes, QString *error) const
{
    if (i < 0 || i >= m_fund.size())
        return false;
    if (!TextFile::readBytes(m_fund[i].sti, bytes, error))
        return false;
    if (bytes.size() != m_fund[i].post.kopiStoerrelse) {
        if (error)
            *error = QStringLiteral("Kopien er ufuldstændig");
        return false;
    }
    return true;
}

void TForladteKopier::fjern(const QList<int> &valgte)
{
    std::vector<bool> roert(m_sessioner.size(), false);
    for (int i : valgte) {
        if (i < 0 || i >= m_fund.size())
            continue;
        const TGendanFund &f = m_fund[i];
        Session &s = *m_sessioner[size_t(f.session)];
        if (s.tilbage.removeAll(f.post) > 0)
            roert[size_t(f.session)] = true;
    }
    for (size_t n = 0; n < m_sessioner.size(); ++n) {
        if (!roert[n])
            continue;
        Session &s = *m_sessioner[n];
        if (s.tilbage.isEmpty()) {
            s.laas->unlock();
            QDir(s.mappe).removeRecursively();
            continue;
        }
        // The index without them first, then their files: a copy is never
        // named by an index after its file went.
        if (!GendanIndeks::gem(joinPath(s.mappe, QString::fromLatin1(GendanIndeks::kFilnavn)), s.tilbage))
            continue;
        for (int i : valgte)
            if (i >= 0 && i < m_fund.size() && size_t(m_fund[i].session) == n)
                QFile::remove(m_fund[i].sti);
    }
}

void TForladteKopier::frigiv()
{
    for (auto &s : m_sessioner)
        if (s->laas)
            s->laas->unlock();
    m_sessioner.clear();
    m_fund.clear();
    m_noter.clear();
}

} // namespace taglund
