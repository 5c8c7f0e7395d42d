// Uploads against a real FTP server on the loopback address.
#include "ftp/ftpupload.h"
#include "ftpserver.h"
#include "support/testsupport.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>

using namespace taglund;
using namespace taglund::test;

Q_DECLARE_METATYPE(taglund::TFtpFejl)

namespace {

struct Outcome {
    TFtpResultat result;
    QStringList lines;
    bool ended = false;
};

Outcome upload(const TFtpForbindelse &c, const QString &file, int limitMs = 30000)
{
    TFtpUpload up;
    Outcome o;
    QObject::connect(&up, &TFtpUpload::status, [&o](const QString &l) { o.lines << l; });
    QObject::connect(&up, &TFtpUpload::finished, [&o](const TFtpResultat &r, const QString &) {
        o.result = r;
        o.ended = true;
    });
    if (!up.start(c, file))
        return o;
    QElapsedTimer t;
    t.start();
    while (!o.ended && t.elapsed() < limitMs)
        QTest::qWait(20);
    return o;
}

TFtpForbindelse connection(quint16 port, const QString &mappe = QStringLiteral("/"))
{
    TFtpForbindelse c;
    c.host = QStringLiteral("127.0.0.1");
    c.port = QString::number(port);
    c.brugernavn = FtpServer::user();
    c.password = FtpServer::password();
    c.mappe = mappe;
    return c;
}

// `wanted` appear in `lines` in this order (each as the start of a line).
bool inOrder(const QStringList &lines, const QStringList &wanted, QString *missing)
{
    int at = 0;
    for (const QString &w : wanted) {
        while (at < lines.size() && !lines[at].startsWith(w))
            ++at;
        if (at == lines.size()) {
            *missing = w;
            return false;
        }
        ++at;
    }
    return true;
}

QByteArray pngBytes()
{
    QImage img(37, 23, QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            img.setPixel(x, y, qRgba(x * 7, y * 11, (x * y) & 0xff, 200));
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "PNG");
    return bytes;
}

} // namespace

class TestFtpUpload : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void textArrivesWithServerLineEnds();
    void pictureArrivesByteIdentical();
    void statusLinesInOrder();
    void intoSubfolderWithOddName();
    void failures_data();
    void failures();
    void cancelWhileServerIsSilent();
    void destroyedWhileRunning();
    void oneAtATime();
    void transferType_data();
    void transferType();

private:
    QTemporaryDir m_local;
};

void TestFtpUpload::initTestCase()
{
    QVERIFY(m_local.isValid());
    if (!QFile::exists(QStringLiteral("/usr/bin/python3")))
        QSKIP("python3 with pyftpdlib is needed for the FTP tests");
}

void TestFtpUpload::textArrivesWithServerLineEnds()
{
    FtpServer server;
    QVERIFY(server.start(true));
    const QString file = m_local.filePath(QStringLiteral("side.html"));
    writeAll(file, "<p>Hej</p>\r\n<p>Linje to</p>\r\n");
    const Outcome o = upload(connection(server.port()), file);
    QVERIFY(o.ended);
    QVERIFY2(o.result.ok(), qPrintable(o.result.besked));
    QVERIFY2(o.lines.contains(QStringLiteral("TYPE A")), qPrintable(o.lines.join(u'\n')));
    QCOMPARE(readAll(server.root() + QStringLiteral("/side.html")), QByteArray("<p>Hej</p>\n<p>Linje to</p>\n"));
    QVERIFY(o.lines.contains(QStringLiteral("TYPE A")));
}

void TestFtpUpload::pictureArrivesByteIdentical()
{
    FtpServer server;
    QVERIFY(server.start(true));
    const QByteArray png = pngBytes();
    QVERIFY(png.contains("\r\n"));  // what an ASCII transfer would damage
    const QString file = m_local.filePath(QStringLiteral("billede.png"));
    writeAll(file, png);
    // A second upload replaces the file of the same name.
    writeAll(server.root() + QStringLiteral("/billede.png"), "gammel");
    const Outcome o = upload(connection(server.port()), file);
    QVERIFY2(o.result.ok(), qPrintable(o.result.besked));
    QCOMPARE(readAll(server.root() + QStringLiteral("/billede.png")), png);
    QVERIFY(o.lines.contains(QStringLiteral("TYPE I")));
}

void TestFtpUpload::statusLinesInOrder()
{
    FtpServer server;
    QVERIFY(server.start(true));
    QDir(server.root()).mkpath(QStringLiteral("web"));
    const QString file = m_local.filePath(QStringLiteral("status.txt"));
    writeAll(file, QByteArray(200000, 'x'));
    const Outcome o = upload(connection(server.port(), QStringLiteral("/web")), file);
    QVERIFY2(o.result.ok(), qPrintable(o.result.besked));
    QString missing;
    QVERIFY2(inOrder(o.lines,
                     {QStringLiteral("Forbinder til 127.0.0.1 port"), QStringLiteral("220"),
                      QStringLiteral("USER tester"), QStringLiteral("PASS ****"), QStringLiteral("230"),
                      QStringLiteral("CWD /web"), QStringLiteral("250"), QStringLiteral("STOR status.txt"),
                      QStringLiteral("Sendt 200000 af 200000 bytes"), QStringLiteral("226"), ftpUploaded()},
                     &missing),
             qPrintable(missing + QStringLiteral(" missing in:\n") + o.lines.join(u'\n')));
    QCOMPARE(o.lines.last(), ftpAfsluttet());
    QCOMPARE(o.lines.count(ftpUploaded()), 1);
    for (const QString &l : o.lines)
        QVERIFY2(!l.contains(FtpServer::password()), qPrintable(l));
    QCOMPARE(readAll(server.root() + QStringLiteral("/web/status.txt")).size(), 200000);
}

void TestFtpUpload::intoSubfolderWithOddName()
{
    FtpServer server;
    QVERIFY(server.start(true));
    QDir(server.root()).mkpath(QStringLiteral("mine sider/100% æble"));
    const QString file = m_local.filePath(QStringLiteral("navn med #.txt"));
    writeAll(file, "x\r\n");
    const Outcome o = upload(connection(server.port(), QStringLiteral("/mine sider/100% æble")), file);
    QVERIFY2(o.result.ok(), qPrintable(o.result.besked + u'\n' + o.lines.join(u'\n')));
    QVERIFY(QFile::exists(server.root() + QStringLiteral("/mine sider/100% æble/navn med #.txt")));
}

void TestFtpUpload::failures_data()
{
    QTest::addColumn<bool>("running");
    QTest::addColumn<bool>("writable");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("mappe");
    QTest::addColumn<TFtpFejl>("fejl");
    QTest::addColumn<QString>("words");

    QTest::newRow("forkert password") << true << true << QStringLiteral("forkert") << QStringLiteral("/")
                                      << TFtpFejl::Login << QStringLiteral("Serveren afviste brugernavn eller password");
    QTest::newRow("mappe findes ikke") << true << true << FtpServer::password() << QStringLiteral("/findesikke")
                                       << TFtpFejl::Mappe << QStringLiteral("Serveren afviste skift til mappen");
    QTest::newRow("server kører ikke") << false << true << FtpServer::password() << QStringLiteral("/")
                                       << TFtpFejl::Forbindelse
                                       << QStringLiteral("Der kunne ikke skabes forbindelse til serveren");
    QTest::newRow("ingen skriveret") << true << false << FtpServer::password() << QStringLiteral("/")
                                     << TFtpFejl::Gem << QStringLiteral("Serveren afviste at gemme filen");
}

void TestFtpUpload::failures()
{
    QFETCH(bool, running);
    QFETCH(bool, writable);
    QFETCH(QString, password);
    QFETCH(QString, mappe);
    QFETCH(TFtpFejl, fejl);
    QFETCH(QString, words);

    FtpServer server;
    quint16 port = freeLoopbackPort();
    if (running) {
        QVERIFY(server.start(writable));
        port = server.port();
    }
    const QString file = m_local.filePath(QStringLiteral("fejl.txt"));
    writeAll(file, "indhold\r\n");
    TFtpForbindelse c = connection(port, mappe);
    c.password = password;
    const Outcome o = upload(c, file);
    QVERIFY(o.ended);
    QCOMPARE(o.result.fejl, fejl);
    QVERIFY2(o.result.besked.startsWith(words), qPrintable(o.result.besked));
    // The client's own text follows the Danish words.
    QVERIFY(o.result.besked.section(u'\r', 1).size() > 3);
    QVERIFY(!o.lines.contains(ftpUploaded()));
    QCOMPARE(o.lines.last(), ftpAfsluttet());
    QVERIFY(o.lines.last(1 + 1).first().startsWith(QStringLiteral("Fejl: ") + words));
    if (running)
        QVERIFY(!QFile::exists(server.root() + QStringLiteral("/fejl.txt")));
}

void TestFtpUpload::cancelWhileServerIsSilent()
{
    // A server that accepts the connection and never greets: only a cancel ends it early.
    QTcpServer silent;
    QVERIFY(silent.listen(QHostAddress::LocalHost, 0));
    const QString file = m_local.filePath(QStringLiteral("stille.txt"));
    writeAll(file, "x");
    TFtpUpload up;
    Outcome o;
    connect(&up, &TFtpUpload::finished, this, [&o](const TFtpResultat &r, const QString &) {
        o.result = r;
        o.ended = true;
    });
    QVERIFY(up.start(connection(silent.serverPort()), file));
    QVERIFY(up.busy());
    QTest::qWait(300);
    QVERIFY(!o.ended);
    QElapsedTimer t;
    t.start();
    up.cancel();
    QTRY_VERIFY_WITH_TIMEOUT(o.ended, 10000);
    QVERIFY(t.elapsed() < 10000);
    QCOMPARE(o.result.fejl, TFtpFejl::Afbrudt);
    QVERIFY(!up.busy());
}

void TestFtpUpload::destroyedWhileRunning()
{
    QTcpServer silent;
    QVERIFY(silent.listen(QHostAddress::LocalHost, 0));
    const QString file = m_local.filePath(QStringLiteral("stille.txt"));
    writeAll(file, "x");
    int delivered = 0;
    QElapsedTimer t;
    {
        auto *up = new TFtpUpload;
        connect(up, &TFtpUpload::status, this, [&delivered] { ++delivered; });
        QVERIFY(up->start(connection(silent.serverPort()), file));
        QTest::qWait(200);
        t.start();
        delete up;
    }
    QVERIFY(t.elapsed() < 10000);
    const int before = delivered;
    QTest::qWait(200);  // nothing left to arrive for the destroyed object
    QCOMPARE(delivered, before);
}

void TestFtpUpload::oneAtATime()
{
    QTcpServer silent;
    QVERIFY(silent.listen(QHostAddress::LocalHost, 0));
    const QString file = m_local.filePath(QStringLiteral("stille.txt"));
    writeAll(file, "x");
    TFtpUpload up;
    QSignalSpy done(&up, &TFtpUpload::finished);
    QVERIFY(up.start(connection(silent.serverPort()), file));
    QVERIFY(!up.start(connection(silent.serverPort()), file));
    up.cancel();
    QVERIFY(done.wait(10000));
    QCOMPARE(done.size(), 1);
}

void TestFtpUpload::transferType_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("ascii");
    QTest::newRow("html") << "a.html" << QByteArray("<p>\r\n") << true;
    QTest::newRow("store bogstaver") << "A.CSS" << QByteArray("p{}") << true;
    QTest::newRow("vbscript") << "a.vbs" << QByteArray("x=1") << true;
    QTest::newRow("png") << "a.png" << QByteArray("\x89PNG\r\n") << false;
    QTest::newRow("zip") << "a.zip" << QByteArray("PK") << false;
    QTest::newRow("ingen endelse") << "README" << QByteArray("tekst") << false;
    QTest::newRow("utf-16 tekst") << "u.txt" << QByteArray("\xff\xfeh\0i\0", 6) << false;
}

void TestFtpUpload::transferType()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, ascii);
    const QString file = m_local.filePath(name);
    writeAll(file, bytes);
    QCOMPARE(overfoerselstype(file) == TFtpType::Ascii, ascii);
}

QTEST_MAIN(TestFtpUpload)
#include "tst_ftpupload.moc"
