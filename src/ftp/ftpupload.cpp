#include "ftp/ftpupload.h"

#include <QMetaObject>

namespace taglund {

TFtpUpload::TFtpUpload(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<TFtpResultat>("TFtpResultat");
}

TFtpUpload::~TFtpUpload()
{
    m_cancel = true;
    if (m_worker.joinable())
        m_worker.join();
}

bool TFtpUpload::start(const TFtpForbindelse &c, const QString &localFile)
{
    if (m_busy)
        return false;
    if (m_worker.joinable())
        m_worker.join();
    m_busy = true;
    m_cancel = false;
    m_file = localFile;
    emit started(localFile);
    m_worker = std::thread([this, c, localFile] {
        const TFtpResultat r = ftpUpload(
            c, localFile,
            [this](const QString &line) {
                QMetaObject::invokeMethod(this, [this, line] { emit status(line); }, Qt::QueuedConnection);
            },
            &m_cancel);
        QMetaObject::invokeMethod(this, [this, r] { ended(r); }, Qt::QueuedConnection);
    });
    return true;
}

void TFtpUpload::cancel()
{
    if (m_busy)
        m_cancel = true;
}

void TFtpUpload::ended(const TFtpResultat &result)
{
    if (m_worker.joinable())
        m_worker.join();
    m_busy = false;
    const QString file = m_file;
    emit finished(result, file);
}

} // namespace taglund
