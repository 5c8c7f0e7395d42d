#pragma once
// A real FTP server on the loopback address for one test: pyftpdlib on a
// free port over a temporary folder, stopped when the object goes.
#include <QElapsedTimer>
#include <QHostAddress>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

namespace taglund::test {

inline quint16 freeLoopbackPort()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0))
        return 0;
    return probe.serverPort();
}

class FtpServer {
public:
    static QString user() { return QStringLiteral("tester"); }
    static QString password() { return QStringLiteral("hemmelig"); }

    // Starts the server and waits (at most ten seconds) until it greets.
    bool start(bool writable)
    {
        if (!m_dir.isValid())
            return false;
        for (int attempt = 0; attempt < 3; ++attempt) {
            m_port = freeLoopbackPort();
            QStringList args = {QStringLiteral("-m"), QStringLiteral("pyftpdlib"), QStringLiteral("-i"),
                                QStringLiteral("127.0.0.1"), QStringLiteral("-p"), QString::number(m_port),
                                QStringLiteral("-d"), m_dir.path(), QStringLiteral("-u"), user(),
                                QStringLiteral("-P"), password()};
            if (writable)
                args << QStringLiteral("-w");
            m_proc.setStandardOutputFile(QProcess::nullDevice());
            m_proc.setStandardErrorFile(QProcess::nullDevice());
            m_proc.start(QStringLiteral("/usr/bin/python3"), args);
            if (!m_proc.waitForStarted(5000))
                return false;
            if (greets())
                return true;
            stop();
        }
        return false;
    }
    void stop()
    {
        if (m_proc.state() != QProcess::NotRunning) {
            m_proc.terminate();
            if (!m_proc.waitForFinished(5000)) {
                m_proc.kill();
                m_proc.waitForFinished(2000);
            }
        }
    }
    ~FtpServer() { stop(); }

    quint16 port() const { return m_port; }
    QString root() const { return m_dir.path(); }

private:
    bool greets()
    {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 10000 && m_proc.state() == QProcess::Running) {
            QTcpSocket s;
            s.connectToHost(QHostAddress::LocalHost, m_port);
            if (s.waitForConnected(500) && s.waitForReadyRead(2000) && s.readAll().startsWith("220"))
                return true;
            QTest::qWait(100);
        }
        return false;
    }

    QTemporaryDir m_dir;
    QProcess m_proc;
    quint16 m_port = 0;
};

} // namespace taglund::test
