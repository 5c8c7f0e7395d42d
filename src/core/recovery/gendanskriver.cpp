#include "core/recovery/gendanskriver.h"
#include "core/text/paths.h"
#include "platform/threadpriority.h"

#include <QFile>
#include <QStringEncoder>
#include <QFileInfo>
#include <QHash>
#include <QThread>

namespace taglund {

namespace {

// The copy keeps the document's extension when it is a plain one, so the
// folder is readable by hand; anything else is ".txt".
QString kopiEndelse(const QString &docExt)
{
    if (docExt.size() < 2 || docExt.size() > 12 || docExt[0] != u'.')
        return QStringLiteral(".txt");
    for (qsizetype i = 1; i < docExt.size(); ++i)
        if (!(docExt[i].isLetterOrNumber() && docExt[i].unicode() < 128))
            return QStringLiteral(".txt");
    return docExt.toLower();
}

// The editor's raw text as the document text operations give it (a
// paragraph break is CR LF, a line break inside a paragraph a single LF),
// in UTF-8 with a mark, in one pass: a large document is not held a second
// time as UTF-16 on its way to the disk.
QByteArray utf8MedCrLf(const QString &raa)
{
    QStringEncoder enc(QStringEncoder::Utf8);
    QByteArray ud(3 + enc.requiredSpace(raa.size()) + raa.count(QChar::ParagraphSeparator), Qt::Uninitialized);
    char *d = ud.data();
    *d++ = '\xEF';
    *d++ = '\xBB';
    *d++ = '\xBF';
    const QChar *p = raa.constData();
    const QChar *end = p + raa.size();
    while (p < end) {
        const QChar *seg = p;
        while (p < end && *p != QChar::ParagraphSeparator && *p != QChar::LineSeparator)
            ++p;
        d = enc.appendToBuffer(d, QStringView(seg, p));
        if (p < end) {
            if (*p == QChar::ParagraphSeparator)
                *d++ = '\r';
            *d++ = '\n';
            ++p;
        }
    }
    ud.truncate(d - ud.constData());
    return ud;
}

} // namespace

TGendanSkriver::TGendanSkriver(QString mappe, QObject *parent) : QObject(parent), m_mappe(std::move(mappe))
{
    m_traad = QThread::create([this] { loekke(); });
    m_traad->setObjectName(QStringLiteral("gendan"));
    m_traad->start();
}

TGendanSkriver::~TGendanSkriver()
{
    {
        QMutexLocker lock(&m_mutex);
        m_stop = true;
        m_nyt.wakeAll();
    }
    m_traad->wait();
    delete m_traad;
}

void TGendanSkriver::skriv(int noegle, const TGendanPost &meta, const QString &tekst)
{
    Job j;
    j.noegle = noegle;
    j.meta = meta;
    j.meta.rich = false;
    j.tekst = tekst;
    koe(std::move(j));
}

void TGendanSkriver::skrivRtf(int noegle, const TGendanPost &meta, const QByteArray &rtf)
{
    Job j;
    j.noegle = noegle;
    j.meta = meta;
    j.meta.rich = true;
    j.bytes = rtf;
    koe(std::move(j));
}

void TGendanSkriver::fjern(int noegle)
{
    Job j;
    j.art = Job::Art::Fjern;
    j.noegle = noegle;
    koe(std::move(j));
}

void TGendanSkriver::koe(Job job)
{
    QMutexLocker lock(&m_mutex);
    // A copy still waiting is out of date once a newer one, or the removal, comes.
    std::erase_if(m_koe, [&](const Job &j) { return j.noegle == job.noegle && j.art == Job::Art::Skriv; });
    m_koe.push_back(std::move(job));
    m_nyt.wakeOne();
}

void TGendanSkriver::vent()
{
    QMutexLocker lock(&m_mutex);
    while (!m_koe.empty() || m_arbejder)
        m_faerdig.wait(&m_mutex);
}

int TGendanSkriver::antalKopier() const
{
    QMutexLocker lock(&m_mutex);
    return m_antal;
}

int TGendanSkriver::antalFejl() const
{
    QMutexLocker lock(&m_mutex);
    return m_fejl;
}

void TGendanSkriver::meldFejl(const QString &tekst)
{
    {
        QMutexLocker lock(&m_mutex);
        ++m_fejl;
    }
    emit fejl(tekst);
}

void TGendanSkriver::loekke()
{
    // A key press should not wait for a core the copy is using.
    platform::lowerThreadPriority();
    for (;;) {
        Job job;
        {
            QMutexLocker lock(&m_mutex);
            while (m_koe.empty() && !m_stop)
                m_nyt.wait(&m_mutex);
            if (m_koe.empty()) {
                m_faerdig.wakeAll();
                return;
            }
            job = std::move(m_koe.front());
            m_koe.pop_front();
            m_arbejder = true;
        }
        udfoer(job);
        QMutexLocker lock(&m_mutex);
        m_arbejder = false;
        if (m_koe.empty())
            m_faerdig.wakeAll();
    }
}

bool TGendanSkriver::gemIndeks(QString *error)
{
    QList<TGendanPost> poster;
    for (const auto &[noegle, g] : m_gemt)
        poster.append(g.post);
    return GendanIndeks::gem(joinPath(m_mappe, QString::fromLatin1(GendanIndeks::kFilnavn)), poster, error);
}

void TGendanSkriver::udfoer(Job &job)
{
    QString error;
    const auto gammel = m_gemt.find(job.noegle);
    if (job.art == Job::Art::Fjern) {
        if (gammel == m_gemt.end())
            return;
        const Gemt g = gammel->second;
        m_gemt.erase(gammel);
        if (!gemIndeks(&error)) {
            m_gemt.emplace(job.noegle, g);
            meldFejl(error);
            return;
        }
        QFile::remove(joinPath(m_mappe, g.post.kopi));
        return;
    }

    const QByteArray bytes = job.meta.rich ? job.bytes : utf8MedCrLf(job.tekst);
    job.tekst.clear();
    const size_t hash = qHash(bytes);
    if (gammel != m_gemt.end() && gammel->second.hash == hash && gammel->second.post.kopiStoerrelse == bytes.size()
        && gammel->second.post.original == job.meta.original && gammel->second.post.caption == job.meta.caption)
        return;

    TGendanPost p = job.meta;
    p.kopi = QStringLiteral("kopi%1-%2%3").arg(job.noegle).arg(++m_loebenr).arg(kopiEndelse(p.docExt));
    p.kopiStoerrelse = bytes.size();
    p.originalTid = -1;
    p.originalStoerrelse = -1;
    if (!p.original.isEmpty()) {
        const QFileInfo oi(p.original);
        if (oi.exists()) {
            p.originalTid = oi.lastModified().toMSecsSinceEpoch();
            p.originalStoerrelse = oi.size();
        }
    }
    const QString sti = joinPath(m_mappe, p.kopi);
    if (!TextFile::writeBytes(sti, bytes, &error)) {
        meldFejl(error);
        return;
    }
    std::optional<Gemt> foer;
    if (gammel != m_gemt.end())
        foer = gammel->second;
    m_gemt[job.noegle] = Gemt{p, hash};
    if (!gemIndeks(&error)) {
        if (foer)
            m_gemt[job.noegle] = *foer;
        else
            m_gemt.erase(job.noegle);
        QFile::remove(sti);
        meldFejl(error);
        return;
    }
    if (foer)
        QFile::remove(joinPath(m_mappe, foer->post.kopi));
    {
        QMutexLocker lock(&m_mutex);
        ++m_antal;
    }
    emit skrevet(job.noegle);
}

} // namespace taglund
