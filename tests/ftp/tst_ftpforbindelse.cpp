// The connection settings files, connection names, and the settings box.
#include "core/text/textfile.h"
#include "ftp/ftpegenskaberform.h"
#include "support/testsupport.h"
#include "ui/questions.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace taglund;
using namespace taglund::test;

namespace {

TFtpForbindelse sample(bool gemPassword)
{
    TFtpForbindelse c;
    c.host = QStringLiteral("ftp.eksempel.dk");
    c.port = QStringLiteral("2121");
    c.brugernavn = QStringLiteral("søren");
    c.password = QStringLiteral("hemmelig");
    c.mappe = QStringLiteral("/www");
    c.gemPassword = gemPassword;
    return c;
}

// Group and others may neither read, write nor enter.
const QFileDevice::Permissions othersMask = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup
                                            | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;

QStringList linesOf(const QString &path)
{
    QStringList lines;
    TextFile::readLines(path, lines);
    return lines;
}

} // namespace

class TestFtpForbindelse : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void names_data();
    void names();
    void settingsFile_data();
    void settingsFile();
    void settingsReadStopsAtFirstBadLine();
    void missingSettingsGiveDefaults();
    void connectionFiles();
    void komplet_data();
    void komplet();
    void boxSaveAsksBeforeOverwriting();
    void boxRefusesBadNames();
    void boxSelectAndDelete();

private:
    QTemporaryDir m_trash;
    std::unique_ptr<QTemporaryDir> m_opt;
    ui::Script m_script;
};

void TestFtpForbindelse::initTestCase()
{
    // Deleted connections go to a trash of the test's own.
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_trash.path()));
}

void TestFtpForbindelse::init()
{
    m_opt = std::make_unique<QTemporaryDir>();
    m_script = {};
    ui::setScript(&m_script);
}

void TestFtpForbindelse::cleanup()
{
    ui::setScript(nullptr);
}

void TestFtpForbindelse::names_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("ok");
    QTest::newRow("almindelig") << "Min server" << true;
    QTest::newRow("danske bogstaver") << "Sørens værtshotel" << true;
    QTest::newRow("punktum inde i") << "web.dk" << true;
    QTest::newRow("tom") << "" << false;
    QTest::newRow("blanke") << "   " << false;
    QTest::newRow("skråstreg") << "../options/mainoptions" << false;
    QTest::newRow("omvendt skråstreg") << "a\\b" << false;
    QTest::newRow("førende punktum") << ".skjult" << false;
    QTest::newRow("to punktummer") << ".." << false;
    QTest::newRow("tabulator") << "a\tb" << false;
    QTest::newRow("linjeskift") << "a\nb" << false;
    QTest::newRow("kolon") << "c:x" << false;
}

void TestFtpForbindelse::names()
{
    QFETCH(QString, name);
    QFETCH(bool, ok);
    QCOMPARE(FtpMappe::gyldigtNavn(name), ok);
    QString error;
    QCOMPARE(FtpMappe::save(m_opt->path(), name, sample(false), &error), ok);
    // Nothing is ever written outside the connection folder.
    QDir opt(m_opt->path());
    QStringList outside = opt.entryList(QDir::Files | QDir::Hidden);
    QVERIFY2(outside.isEmpty(), qPrintable(outside.join(u',')));
    QCOMPARE(FtpMappe::navne(m_opt->path()).size(), ok ? 1 : 0);
}

void TestFtpForbindelse::settingsFile_data()
{
    QTest::addColumn<bool>("gemPassword");
    QTest::addColumn<QString>("line6");
    QTest::newRow("password gemmes") << true << "hemmelig";
    QTest::newRow("password gemmes ikke") << false << "";
}

void TestFtpForbindelse::settingsFile()
{
    QFETCH(bool, gemPassword);
    QFETCH(QString, line6);
    TFtpEgenskaber e;
    e.top = 120;
    e.left = 340;
    e.forbindelse = sample(gemPassword);
    QVERIFY(e.write(m_opt->path()));
    const QString path = TFtpEgenskaber::fileName(m_opt->path());
    QCOMPARE(QFileInfo(path).fileName(), QStringLiteral("ftpegenskaber.txt"));
    QCOMPARE(linesOf(path), (QStringList{"120", "340", "ftp.eksempel.dk", "2121", "søren", line6, "/www",
                                         gemPassword ? "1" : "0"}));
    QVERIFY(QFile::permissions(path).testFlags(QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QCOMPARE(QFile::permissions(path) & othersMask, QFileDevice::Permissions());
    // Windows-1252, CR LF.
    QVERIFY(readAll(path).contains("s\xf8ren\r\n"));

    const TFtpEgenskaber back = TFtpEgenskaber::read(m_opt->path());
    QVERIFY(back.harPlacering);
    QCOMPARE(back.top, 120);
    QCOMPARE(back.left, 340);
    QCOMPARE(back.forbindelse.password, line6);
    QCOMPARE(back.forbindelse.komplet(), gemPassword);

    // A connection file: six lines, the password as above.
    QVERIFY(FtpMappe::save(m_opt->path(), QStringLiteral("Hjem"), sample(gemPassword)));
    const QString conn = FtpMappe::fileFor(m_opt->path(), QStringLiteral("Hjem"));
    QCOMPARE(linesOf(conn), (QStringList{"ftp.eksempel.dk", "2121", "søren", line6, "/www", gemPassword ? "1" : "0"}));
    QCOMPARE(QFile::permissions(conn) & othersMask, QFileDevice::Permissions());
    QCOMPARE(QFile::permissions(FtpMappe::folder(m_opt->path())) & othersMask, QFileDevice::Permissions());
}

void TestFtpForbindelse::settingsReadStopsAtFirstBadLine()
{
    const QString path = TFtpEgenskaber::fileName(m_opt->path());
    QVERIFY(TextFile::writeLines(path, {"10", "20", "vært", "99"}));
    const TFtpEgenskaber e = TFtpEgenskaber::read(m_opt->path());
    QCOMPARE(e.top, 10);
    QCOMPARE(e.forbindelse.host, QStringLiteral("vært"));
    QCOMPARE(e.forbindelse.port, QStringLiteral("99"));
    QCOMPARE(e.forbindelse.mappe, QStringLiteral("/"));

    QVERIFY(TextFile::writeLines(path, {"x", "20", "vært"}));
    const TFtpEgenskaber bad = TFtpEgenskaber::read(m_opt->path());
    QVERIFY(!bad.harPlacering);
    QVERIFY(bad.forbindelse.host.isEmpty());
}

void TestFtpForbindelse::missingSettingsGiveDefaults()
{
    const TFtpEgenskaber e = TFtpEgenskaber::read(m_opt->path());
    QVERIFY(!e.harPlacering);
    QCOMPARE(e.forbindelse, TFtpForbindelse());
    QCOMPARE(e.forbindelse.port, QStringLiteral("21"));
    QCOMPARE(e.forbindelse.mappe, QStringLiteral("/"));
    QVERIFY(!e.forbindelse.gemPassword);
}

void TestFtpForbindelse::connectionFiles()
{
    const QString opt = m_opt->path();
    TFtpForbindelse got;
    QString error;
    QVERIFY(!FtpMappe::load(opt, QStringLiteral("findes ikke"), got, &error));
    QCOMPARE(error, QStringLiteral("Filen blev ikke fundet."));
    QVERIFY(FtpMappe::save(opt, QStringLiteral("a"), sample(true)));
    QVERIFY(FtpMappe::save(opt, QStringLiteral("b"), sample(false)));
    writeAll(FtpMappe::folder(opt) + QStringLiteral("/noter.dat"), "x");
    QStringList names = FtpMappe::navne(opt);
    names.sort();
    QCOMPARE(names, (QStringList{"a", "b"}));
    QVERIFY(FtpMappe::load(opt, QStringLiteral("a"), got));
    QCOMPARE(got, sample(true));
}

void TestFtpForbindelse::komplet_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("ok");
    QTest::newRow("alt udfyldt") << "" << "" << true;
    QTest::newRow("ingen host") << "host" << "" << false;
    QTest::newRow("ingen port") << "port" << "" << false;
    QTest::newRow("port nul") << "port" << "0" << false;
    QTest::newRow("port for stor") << "port" << "70000" << false;
    QTest::newRow("ingen bruger") << "bruger" << "" << false;
    QTest::newRow("intet password") << "password" << "" << false;
    QTest::newRow("ingen mappe") << "mappe" << "" << false;
}

void TestFtpForbindelse::komplet()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(bool, ok);
    TFtpForbindelse c = sample(false);
    if (field == u"host")
        c.host = value;
    else if (field == u"port")
        c.port = value;
    else if (field == u"bruger")
        c.brugernavn = value;
    else if (field == u"password")
        c.password = value;
    else if (field == u"mappe")
        c.mappe = value;
    QCOMPARE(c.komplet(), ok);
}

void TestFtpForbindelse::boxSaveAsksBeforeOverwriting()
{
    TFtpEgenskaberForm box(m_opt->path());
    QVERIFY(QFileInfo(FtpMappe::folder(m_opt->path())).isDir());
    QCOMPARE(box.forbindelse(), TFtpForbindelse());

    box.gem();
    QCOMPARE(m_script.messages, QStringList{QStringLiteral("Der mangler et filnavn.")});

    box.setForbindelse(sample(false));
    box.setNavn(QStringLiteral("Hjem"));
    box.gem();
    QCOMPARE(box.listenavne(), QStringList{QStringLiteral("Hjem")});
    QVERIFY(m_script.asked.isEmpty());

    TFtpForbindelse other = sample(false);
    other.host = QStringLiteral("andet.dk");
    box.setForbindelse(other);
    m_script.answers = {ui::Answer::Nej};
    box.gem();
    QCOMPARE(m_script.asked, QStringList{QStringLiteral("Hjem\neksisterer allerede.\nSkal den overskrives?")});
    TFtpForbindelse stored;
    QVERIFY(FtpMappe::load(m_opt->path(), QStringLiteral("Hjem"), stored));
    QCOMPARE(stored.host, QStringLiteral("ftp.eksempel.dk"));

    m_script.answers = {ui::Answer::Ja};
    box.gem();
    QVERIFY(FtpMappe::load(m_opt->path(), QStringLiteral("Hjem"), stored));
    QCOMPARE(stored.host, QStringLiteral("andet.dk"));
}

void TestFtpForbindelse::boxRefusesBadNames()
{
    TFtpEgenskaberForm box(m_opt->path());
    box.setForbindelse(sample(true));
    box.setNavn(QStringLiteral("../ftpegenskaber"));
    box.gem();
    QCOMPARE(m_script.messages.size(), 1);
    QVERIFY(m_script.messages[0].startsWith(QStringLiteral("Navnet kan ikke bruges")));
    QVERIFY(!QFile::exists(TFtpEgenskaber::fileName(m_opt->path())));
    QVERIFY(box.listenavne().isEmpty());
}

void TestFtpForbindelse::boxSelectAndDelete()
{
    QVERIFY(FtpMappe::save(m_opt->path(), QStringLiteral("Arbejde"), sample(true)));
    TFtpEgenskaberForm box(m_opt->path());
    QCOMPARE(box.listenavne(), QStringList{QStringLiteral("Arbejde")});

    box.vaelg(QStringLiteral("Arbejde"));
    QCOMPARE(box.navn(), QStringLiteral("Arbejde"));
    QCOMPARE(box.forbindelse(), sample(true));

    box.vaelg(QStringLiteral("Væk"));
    QCOMPARE(m_script.messages.last(), QStringLiteral("Filen blev ikke fundet."));

    box.setNavn(QStringLiteral("Arbejde"));
    m_script.answers = {ui::Answer::Nej};
    box.slet();
    QCOMPARE(m_script.asked.last(), QStringLiteral("Skal forbindelsen:\nArbejde\nslettes til papirkurven?"));
    QVERIFY(FtpMappe::exists(m_opt->path(), QStringLiteral("Arbejde")));
    QCOMPARE(box.forbindelse(), sample(true));  // "Nej" changes nothing

    m_script.answers = {ui::Answer::Ja};
    box.slet();
    QVERIFY(!FtpMappe::exists(m_opt->path(), QStringLiteral("Arbejde")));
    QVERIFY(box.listenavne().isEmpty());
    QVERIFY(box.navn().isEmpty());
    TFtpForbindelse emptied;
    emptied.gemPassword = true;  // the option is not a field "Ny" empties
    QCOMPARE(box.forbindelse(), emptied);

    box.slet();
    QCOMPARE(m_script.messages.last(), QStringLiteral("Der mangler et forbindelsesnavn."));
    box.setNavn(QStringLiteral("Arbejde"));
    box.slet();
    QCOMPARE(m_script.messages.last(), QStringLiteral("Filen blev ikke fundet."));
}

QTEST_MAIN(TestFtpForbindelse)
#include "tst_ftpforbindelse.moc"
