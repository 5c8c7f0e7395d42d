// Programs that really die: a child process runs a document area with the
// recovery engine and the signal catcher, types into a document, and is
// killed; this process then finds and restores what it left.
#include "core/recovery/gendanindeks.h"
#include "core/recovery/gendanner.h"
#include "core/recovery/gendanskriver.h"
#include "core/text/paths.h"
#include "platform/signalcatcher.h"
#include "support/testhost.h"
#include "support/testsupport.h"
#include "tst_recoverysupport.h"
#include "ui/questions.h"

#include <QDir>
#include <QProcess>
#include <QtTest>
#include <cstdio>

using namespace taglund;

namespace {

const char *const kBarn = "TAGLUND_GENDAN_BARN";
const char *const kTekst = "TAGLUND_GENDAN_TEKST";

// What the main window does when the desktop or `kill` ends it: a fresh
// copy of every modified document, the main settings, no questions, exit 0.
void afslutUdefra(test::TestHost &host, TGendanner &gendanner)
{
    gendanner.kopierAlleNu();
    host.options().save(host.paths().optfil);
    QCoreApplication::exit(0);
}

// The child: opens the file named in the environment (a new document when
// empty), types the text, prints the document's text as hex, and runs.
int barn(int argc, char **argv)
{
    QApplication app(argc, argv);
    int rc = 0;
    {
        test::TestHost host;
        auto *gendanner = new TGendanner(&host, &host);
        platform::SignalCatcher signaler;
        QObject::connect(&signaler, &platform::SignalCatcher::caught, &host,
                         [&] { afslutUdefra(host, *gendanner); });
        host.show();
        const QString fil = qEnvironmentVariable(kBarn);
        Twinform *w = host.openwin(fil == u"-" ? QString() : fil, QStringLiteral("*.html"));
        test::typeText(w->editorWidget(), qEnvironmentVariable(kTekst));
        std::printf("%s\n", w->text().Text().toUtf8().toHex().constData());
        std::fflush(stdout);
        rc = app.exec();
    }
    return rc;
}

struct Barn {
    QProcess p;
    QString tekst;   // the child's document text, as Text() gives it

    bool start(const QString &fil, const QString &skriv)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(kBarn, fil.isEmpty() ? QStringLiteral("-") : fil);
        env.insert(kTekst, skriv);
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start(QCoreApplication::applicationFilePath(), {});
        if (!p.waitForStarted(30000))
            return false;
        QElapsedTimer t;
        t.start();
        while (!p.canReadLine() && t.elapsed() < 60000)
            p.waitForReadyRead(1000);
        if (!p.canReadLine())
            return false;
        tekst = QString::fromUtf8(QByteArray::fromHex(p.readLine().trimmed()));
        return true;
    }
    ~Barn()
    {
        if (p.state() != QProcess::NotRunning) {
            p.kill();
            p.waitForFinished();
        }
    }
};

QString gendanRod(const test::TempRoot &root)
{
    return root.file(QStringLiteral("Tester/gendan"));
}

// The copies below the recovery folder whose bytes are the text, written as a copy writes it.
int kopierMed(const QString &rod, const QString &tekst)
{
    int n = 0;
    for (const QFileInfo &s : QDir(rod).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QList<TGendanPost> poster;
        GendanIndeks::hent(joinPath(s.absoluteFilePath(), QString::fromLatin1(GendanIndeks::kFilnavn)), poster);
        for (const TGendanPost &p : poster)
            if (test::readAll(joinPath(s.absoluteFilePath(), p.kopi)) == "\xEF\xBB\xBF" + tekst.toUtf8())
                ++n;
    }
    return n;
}

const QString kSkrevet = QStringLiteral("Første linje\nÆØÅ æøå é\n€ og ŵ, ŷ");

} // namespace

class TestRecoveryProcess : public QObject {
    Q_OBJECT
private slots:
    void killedProgramLosesNothing()
    {
        test::TempRoot root;
        const QString side = root.file(QStringLiteral("side.html"));
        test::writeAll(side, "<p>gl\xE6" "de</p>\r\n");
        Barn b;
        QVERIFY(b.start(side, kSkrevet));
        QVERIFY(b.tekst.contains(QStringLiteral("Første linje\r\nÆØÅ æøå é\r\n€ og ŵ, ŷ")));
        // Past the pause after typing, the copy is on disk; then the power goes.
        QTRY_COMPARE_WITH_TIMEOUT(kopierMed(gendanRod(root), b.tekst), 1, 30000);
        b.p.kill();
        QVERIFY(b.p.waitForFinished(30000));

        ui::Script script;
        ui::setScript(&script);
        test::TestHost host;
        TGendanner gendanner(&host);
        QList<ui::TGendanRaekke> vist;
        gendanner.setVaelger([&](const QList<ui::TGendanRaekke> &r, const QStringList &) {
            vist = r;
            return ui::TGendanSvar{ui::TGendanSvar::Valg::Gendan, {0}};
        });
        QCOMPARE(gendanner.tilbydGendannelse(), 1);
        QCOMPARE(vist.value(0).navn, QStringLiteral("side.html"));
        Twinform *w = host.documents()->findByPath(side);
        QVERIFY(w);
        QVERIFY(w->text().Modified());
        QCOMPARE(w->text().Text(), b.tekst);
        QVERIFY(host.documents()->Gem(w));
        QCOMPARE(test::readAll(side), TextFile::encode(b.tekst, TextEncoding::Utf8Bom));
        ui::setScript(nullptr);
    }

    void terminatedProgramWritesSettingsAndCopy()
    {
        test::TempRoot root;
        Barn b;
        QVERIFY(b.start(QString(), kSkrevet));
        // At once, before any pause: the copy must come from the signal.
        b.p.terminate();
        QVERIFY(b.p.waitForFinished(60000));
        QCOMPARE(b.p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(b.p.exitCode(), 0);
        QVERIFY(QFileInfo::exists(root.file(QStringLiteral("Tester/options/mainoptions.txt"))));
        QCOMPARE(kopierMed(gendanRod(root), b.tekst), 1);
    }

    void secondProgramNeverTakesTheFirstOnes()
    {
        test::TempRoot root;
        Barn foerste;
        QVERIFY(foerste.start(QString(), QStringLiteral("mit")));
        QTRY_COMPARE_WITH_TIMEOUT(kopierMed(gendanRod(root), foerste.tekst), 1, 30000);

        test::TestHost host;
        bool spurgt = false;
        {
            TGendanner anden(&host);
            anden.setVaelger([&](const QList<ui::TGendanRaekke> &, const QStringList &) {
                spurgt = true;
                return ui::TGendanSvar{ui::TGendanSvar::Valg::Slet, {0}};
            });
            QCOMPARE(anden.tilbydGendannelse(), 0);
            QVERIFY(!spurgt);
            anden.afslutNormalt();
        }
        QCOMPARE(kopierMed(gendanRod(root), foerste.tekst), 1);
        // Once the first is gone its copy is offered.
        foerste.p.kill();
        QVERIFY(foerste.p.waitForFinished(30000));
        TGendanner tredje(&host);
        tredje.setVaelger([&](const QList<ui::TGendanRaekke> &r, const QStringList &) {
            spurgt = r.size() == 1;
            return ui::TGendanSvar{};
        });
        tredje.tilbydGendannelse();
        QVERIFY(spurgt);
    }
};

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsSet(kBarn))
        return barn(argc, argv);
    QApplication app(argc, argv);
    TestRecoveryProcess t;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&t, argc, argv);
}

#include "tst_recoveryprocess.moc"
