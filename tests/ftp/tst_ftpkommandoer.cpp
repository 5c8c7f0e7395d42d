// The FTP command object in a program: the bar on document windows, uploads
// from a document and from a path, the settings box during an upload, and
// the settings at shutdown. Uploads go to a real server on the loopback address.
#include "core/docarea.h"
#include "core/winform.h"
#include "ftp/ftpbar.h"
#include "ftp/ftpegenskaberform.h"
#include "ftp/ftpkommandoer.h"
#include "ftp/ftpupload.h"
#include "ftpserver.h"
#include "support/testhost.h"
#include "support/testsupport.h"
#include "ui/questions.h"

#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>
#include <QTimer>
#include <QtTest>

using namespace taglund;
using namespace taglund::test;

namespace {

// Answers the settings box once it is shown modally: fills it, then accepts or refuses.
void answerBox(std::function<void(TFtpEgenskaberForm *)> fill, bool accept)
{
    auto *timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, timer, [timer, fill, accept] {
        auto *box = qobject_cast<TFtpEgenskaberForm *>(QApplication::activeModalWidget());
        if (!box)
            return;
        timer->deleteLater();
        if (fill)
            fill(box);
        accept ? box->accept() : box->reject();
    });
    timer->start(20);
}

} // namespace

class TestFtpKommandoer : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void barFollowsOption();
    void uploadFromDocumentWindow();
    void withoutDocumentsSuccessIsAMessage();
    void failureIsNeverSuccess();
    void incompleteSettingsAskFirst();
    void untitledDocumentIsSavedFirst();
    void modifiedDocumentIsSavedAfterAsking();
    void closingTheDocumentDuringAnUpload();
    void passwordOnlyStoredWhenTicked();

private:
    void makeProgram(bool withSettings);
    QString localFile(const QString &name, const QByteArray &bytes);
    void waitIdle();

    std::unique_ptr<TempRoot> m_root;
    std::unique_ptr<TestHost> m_host;
    TFtpKommandoer *m_cmd = nullptr;
    std::unique_ptr<FtpServer> m_server;
    ui::Script m_script;
};

void TestFtpKommandoer::init()
{
    m_root = std::make_unique<TempRoot>();
    m_server = std::make_unique<FtpServer>();
    QVERIFY(m_server->start(true));
    m_script = {};
    ui::setScript(&m_script);
}

void TestFtpKommandoer::cleanup()
{
    m_host.reset();
    m_cmd = nullptr;
    m_server.reset();
    ui::setScript(nullptr);
    m_root.reset();
}

void TestFtpKommandoer::makeProgram(bool withSettings)
{
    m_host = std::make_unique<TestHost>();
    m_host->options().visFtpFunktioner = true;
    if (withSettings) {
        TFtpEgenskaber e;
        e.forbindelse.host = QStringLiteral("127.0.0.1");
        e.forbindelse.port = QString::number(m_server->port());
        e.forbindelse.brugernavn = FtpServer::user();
        e.forbindelse.password = FtpServer::password();
        e.forbindelse.gemPassword = true;
        QVERIFY(e.write(m_host->paths().optdir));
    }
    m_cmd = new TFtpKommandoer(m_host.get(), m_host.get());
    m_cmd->start();
}

QString TestFtpKommandoer::localFile(const QString &name, const QByteArray &bytes)
{
    const QString path = m_root->file(QStringLiteral("lokal/") + name);
    writeAll(path, bytes);
    return path;
}

void TestFtpKommandoer::waitIdle()
{
    QTRY_VERIFY_WITH_TIMEOUT(!m_cmd->busy(), 30000);
}

void TestFtpKommandoer::barFollowsOption()
{
    makeProgram(true);
    m_host->options().visFtpFunktioner = false;
    Twinform *w = m_host->openwin(localFile(QStringLiteral("a.txt"), "a"));
    QVERIFY(w);
    TFtpBar *bar = m_cmd->barOf(w);
    QVERIFY(bar);
    QVERIFY(bar->isHidden());
    QVERIFY(!bar->infoShown());
    m_host->options().visFtpFunktioner = true;
    m_cmd->documentActivated(w);
    QVERIFY(!bar->isHidden());
    bar->infoAction()->trigger();
    QVERIFY(bar->infoShown());
    bar->infoAction()->trigger();
    QVERIFY(!bar->infoShown());
    m_cmd->setBarsShown(false);
    QVERIFY(bar->isHidden());
}

void TestFtpKommandoer::uploadFromDocumentWindow()
{
    makeProgram(true);
    Twinform *w = m_host->openwin(localFile(QStringLiteral("side.html"), "<p>a</p>\r\n"));
    QVERIFY(w);
    TFtpBar *bar = m_cmd->barOf(w);
    bar->setInfoShown(true);
    bar->addInfo(QStringLiteral("fra sidst"));
    bar->uploadAction()->trigger();
    QVERIFY(m_cmd->busy());
    QVERIFY(!bar->uploadAction()->isEnabled());
    m_host->commands()->updateAll();
    QVERIFY(!m_host->commands()->action(QStringLiteral("AFtpUpload"))->isEnabled());
    waitIdle();
    QVERIFY(bar->uploadAction()->isEnabled());
    QCOMPARE(readAll(m_server->root() + QStringLiteral("/side.html")), QByteArray("<p>a</p>\n"));
    const QStringList lines = bar->infoField()->toPlainText().split(u'\n');
    QVERIFY(!lines.contains(QStringLiteral("fra sidst")));  // emptied at the start
    QVERIFY(lines.first().startsWith(QStringLiteral("Forbinder til")));
    QVERIFY(lines.contains(ftpUploaded()));
    QCOMPARE(lines.last(), ftpAfsluttet());
    QVERIFY(m_script.messages.isEmpty());  // the field told it all
}

void TestFtpKommandoer::withoutDocumentsSuccessIsAMessage()
{
    makeProgram(true);
    m_cmd->uploadFile(localFile(QStringLiteral("billede.png"), QByteArray("\x89PNG\r\n\x1a\n", 8)));
    QVERIFY(m_cmd->busy());
    waitIdle();
    QCOMPARE(m_script.messages, QStringList{ftpUploaded()});
    QCOMPARE(readAll(m_server->root() + QStringLiteral("/billede.png")), QByteArray("\x89PNG\r\n\x1a\n", 8));
    // A path that is no file uploads nothing.
    m_cmd->uploadFile(m_root->file(QStringLiteral("findes-ikke.txt")));
    QVERIFY(!m_cmd->busy());
}

void TestFtpKommandoer::failureIsNeverSuccess()
{
    makeProgram(true);
    TFtpForbindelse c = m_cmd->forbindelse();
    c.password = QStringLiteral("forkert");
    m_cmd->egenskaberForm()->setForbindelse(c);
    Twinform *w = m_host->openwin(localFile(QStringLiteral("a.txt"), "a"));
    m_cmd->barOf(w)->setInfoShown(true);
    m_cmd->uploadDocument(w);
    waitIdle();
    QCOMPARE(m_script.messages.size(), 1);
    QVERIFY2(m_script.messages[0].startsWith(QStringLiteral("Serveren afviste brugernavn eller password")),
             qPrintable(m_script.messages[0]));
    QVERIFY(!m_cmd->barOf(w)->infoField()->toPlainText().contains(ftpUploaded()));
    QVERIFY(!QFile::exists(m_server->root() + QStringLiteral("/a.txt")));
}

void TestFtpKommandoer::incompleteSettingsAskFirst()
{
    makeProgram(false);
    const QString file = localFile(QStringLiteral("b.txt"), "b");
    // Refused: nothing happens.
    answerBox({}, false);
    m_cmd->uploadFile(file);
    QVERIFY(!m_cmd->busy());
    QVERIFY(m_script.messages.isEmpty());
    QVERIFY(!QFile::exists(TFtpEgenskaber::fileName(m_host->paths().optdir)));
    // Accepted with everything filled in: the settings are written and the file goes.
    const quint16 port = m_server->port();
    answerBox([port](TFtpEgenskaberForm *box) {
        TFtpForbindelse c;
        c.host = QStringLiteral("127.0.0.1");
        c.port = QString::number(port);
        c.brugernavn = FtpServer::user();
        c.password = FtpServer::password();
        box->setForbindelse(c);
    }, true);
    m_cmd->uploadFile(file);
    QVERIFY(QFile::exists(TFtpEgenskaber::fileName(m_host->paths().optdir)));
    waitIdle();
    QCOMPARE(m_script.messages, QStringList{ftpUploaded()});
    // With all five values there, no box is shown (it would wait forever).
    m_script.messages.clear();
    m_cmd->uploadFile(file);
    waitIdle();
    QCOMPARE(m_script.messages, QStringList{ftpUploaded()});
}

void TestFtpKommandoer::untitledDocumentIsSavedFirst()
{
    makeProgram(true);
    const QString target = m_root->file(QStringLiteral("lokal/ny.txt"));
    QDir().mkpath(QFileInfo(target).path());
    m_script.saveFileName = [target](const QString &, const QString &) { return target; };
    Twinform *w = m_host->openwin(QString(), QStringLiteral("*.txt"));
    QVERIFY(w && w->Filnavn.isEmpty());
    w->text().setText(QStringLiteral("ny tekst"));
    m_cmd->barOf(w)->uploadAction()->trigger();
    QVERIFY(!m_cmd->busy());
    QCOMPARE(w->Filnavn, target);
    QVERIFY(!QFile::exists(m_server->root() + QStringLiteral("/ny.txt")));
    m_cmd->barOf(w)->uploadAction()->trigger();
    waitIdle();
    QCOMPARE(readAll(m_server->root() + QStringLiteral("/ny.txt")), QByteArray("ny tekst"));
}

void TestFtpKommandoer::modifiedDocumentIsSavedAfterAsking()
{
    makeProgram(true);
    const QString file = localFile(QStringLiteral("c.txt"), "gammel\r\n");
    Twinform *w = m_host->openwin(file);
    w->text().setText(QStringLiteral("ny\r\n"));
    QVERIFY(w->text().Modified());
    m_script.answers = {ui::Answer::Ingen};  // the question closed: nothing happens
    m_cmd->uploadDocument(w);
    QVERIFY(!m_cmd->busy());
    m_script.answers = {ui::Answer::Ja};
    m_cmd->uploadDocument(w);
    waitIdle();
    QCOMPARE(m_script.asked.size(), 2);
    QVERIFY(!w->text().Modified());
    QCOMPARE(readAll(m_server->root() + QStringLiteral("/c.txt")), QByteArray("ny\n"));
}

void TestFtpKommandoer::closingTheDocumentDuringAnUpload()
{
    QTcpServer silent;
    QVERIFY(silent.listen(QHostAddress::LocalHost, 0));
    makeProgram(true);
    TFtpForbindelse c = m_cmd->forbindelse();
    c.port = QString::number(silent.serverPort());
    m_cmd->egenskaberForm()->setForbindelse(c);
    Twinform *w = m_host->openwin(localFile(QStringLiteral("d.txt"), "d"));
    QPointer<TFtpBar> bar = m_cmd->barOf(w);
    bar->setInfoShown(true);
    m_cmd->uploadDocument(w);
    QVERIFY(m_cmd->busy());
    QTest::qWait(200);
    QPointer<Twinform> gone(w);
    w->close();
    QTRY_VERIFY(!gone);
    QVERIFY(!bar);
    m_cmd->upload()->cancel();
    waitIdle();
    QCOMPARE(m_script.messages.size(), 1);
    QVERIFY(m_script.messages[0].startsWith(QStringLiteral("Overførslen blev afbrudt")));
}

void TestFtpKommandoer::passwordOnlyStoredWhenTicked()
{
    makeProgram(true);
    TFtpForbindelse c = m_cmd->forbindelse();
    c.gemPassword = false;
    m_cmd->egenskaberForm()->setForbindelse(c);
    m_host->runShutdownSteps();
    QStringList lines;
    QVERIFY(TextFile::readLines(TFtpEgenskaber::fileName(m_host->paths().optdir), lines));
    QCOMPARE(lines.size(), 8);
    QCOMPARE(lines[5], QString());
    QCOMPARE(lines[7], QStringLiteral("0"));
    // After a restart the password is gone, so an upload asks for it first.
    m_host.reset();
    makeProgram(false);
    QVERIFY(!m_cmd->forbindelse().komplet());
    QCOMPARE(m_cmd->forbindelse().host, QStringLiteral("127.0.0.1"));
}

QTEST_MAIN(TestFtpKommandoer)
#include "tst_ftpkommandoer.moc"
