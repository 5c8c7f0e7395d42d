#include "filebox/prehandlinger.h"

#include "filebox/dialogforms.h"

#include <QCoreApplication>
#include <QLocale>

namespace taglund {

TPrehandlinger::TPrehandlinger(QObject *parent) : TInformation(parent) {}

TPrehandlinger::~TPrehandlinger() = default;

TFremdriftsVindue *TPrehandlinger::vindue()
{
    if (!m_vindue) {
        m_eget = std::make_unique<TKopiererForm>();
        m_vindue = m_eget.get();
    }
    return m_vindue;
}

void TPrehandlinger::aabnFremdrift(const QString &info, int taelleMax)
{
    FTotalBytes = 0;
    FBytesDone = 0;
    FAntalElementer = 0;
    FAntalMapper = 1;
    m_filProcent = -1;
    TFremdriftsVindue *v = vindue();
    v->setFilProcent(0);
    v->setTotalProcent(0);
    if (m_opgave)
        m_opgave(0);
    v->setInfo(info);
    v->setProcentTekst(QStringLiteral("0%"));
    v->setRestTekst(QString());
    v->setNotits(QString());
    v->setStatus(0, QStringLiteral("Indlæste mapper"));
    v->setStatus(1, QString());
    v->setTaelleMax(taelleMax);
    v->setTaelle(0);
    v->aabn();
    m_sidst.start();
    QCoreApplication::processEvents();
}

void TPrehandlinger::lukFremdrift()
{
    TFremdriftsVindue *v = vindue();
    v->setFilProcent(0);
    v->setTotalProcent(0);
    if (m_opgave)
        m_opgave(0);
    v->luk();
}

void TPrehandlinger::elementFaerdig(qint64 bytes)
{
    FBytesDone += bytes;
    const int pct = FTotalBytes <= 0 ? 100 : int(qMin<qint64>(100, FBytesDone * 100 / FTotalBytes));
    FAntalElementer = qMax(0, FAntalElementer - 1);
    TFremdriftsVindue *v = vindue();
    v->setTotalProcent(pct);
    v->setProcentTekst(QString::number(pct) + u'%');
    v->setRestTekst(QLocale().toString(FAntalElementer));
    if (m_opgave)
        m_opgave(pct);
    holdVinduerILive();
}

void TPrehandlinger::filFremdrift(qint64 done, qint64 total)
{
    const int pct = total <= 0 ? 100 : int((done * 100 + total / 2) / total);
    if (pct == m_filProcent)
        return;
    m_filProcent = pct;
    vindue()->setFilProcent(pct);
    holdVinduerILive();
}

// Handling every pending event after every small file would cost more than
// the copy itself; a few times a second keeps the windows painted.
void TPrehandlinger::holdVinduerILive()
{
    if (m_sidst.isValid() && m_sidst.elapsed() < 40)
        return;
    m_sidst.restart();
    QCoreApplication::processEvents();
}

} // namespace taglund
