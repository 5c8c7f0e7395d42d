#pragma once
#include "ftp/ftpklient.h"

#include <QObject>
#include <atomic>
#include <memory>
#include <thread>

namespace taglund {

// Runs one upload at a time on a worker thread, so the windows keep
// repainting and answering while the server is slow. Status lines and the
// end arrive as signals on the thread that owns the object; destroying it
// cancels a running upload and waits for it, and nothing it sent afterwards
// is delivered.
class TFtpUpload : public QObject {
    Q_OBJECT
public:
    explicit TFtpUpload(QObject *parent = nullptr);
    ~TFtpUpload() override;

    // False (and nothing starts) while an upload runs.
    bool start(const TFtpForbindelse &c, const QString &localFile);
    bool busy() const { return m_busy; }
    QString currentFile() const { return m_file; }
    // Asks the running upload to stop; it ends with TFtpFejl::Afbrudt.
    void cancel();

signals:
    void started(const QString &localFile);
    void status(const QString &line);
    // After the last status line ("Disconnected.").
    void finished(const TFtpResultat &result, const QString &localFile);

private:
    void ended(const TFtpResultat &result);

    std::thread m_worker;
    std::atomic_bool m_cancel{false};
    bool m_busy = false;
    QString m_file;
};

} // namespace taglund
