#include "core/model/commandtext.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrlQuery>
#include <QtTest>

using namespace taglund;
using namespace taglund::CommandText;

namespace {

ProgramFinder finderOf(const QHash<QString, QString> &installed)
{
    return [installed](const QString &name) { return installed.value(name); };
}

const QHash<QString, QString> withTerminal = {{"x-terminal-emulator", "/usr/bin/x-terminal-emulator"},
                                              {"xterm", "/usr/bin/xterm"}};

} // namespace

class TestCommandText : public QObject {
    Q_OBJECT
private slots:
    void searchUrls_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("encodedValue");
        QTest::newRow("hash ampersand plus") << "c# & c++" << QByteArray("c%23%20%26%20c%2B%2B");
        QTest::newRow("danish letters") << QString::fromUtf8("æøå") << QByteArray("%C3%A6%C3%B8%C3%A5");
        QTest::newRow("url characters") << "a/b?c=d;e" << QByteArray("a%2Fb%3Fc%3Dd%3Be");
        QTest::newRow("percent and quotes") << "100% \"x\"" << QByteArray("100%25%20%22x%22");
        QTest::newRow("empty") << "" << QByteArray("");
    }
    void searchUrls()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, encodedValue);

        const QUrl google = googleSearchUrl(text);
        QVERIFY(google.isValid());
        QCOMPARE(google.toEncoded(), QByteArray("https://www.google.com/search?q=") + encodedValue);
        QCOMPARE(google.host(), QString::fromLatin1(SearchEngineHost));
        QCOMPARE(QUrlQuery(google).queryItemValue("q", QUrl::FullyDecoded), text);
        QCOMPARE(QUrlQuery(google).queryItems().size(), 1);

        const QUrl video = youTubeSearchUrl(text);
        QVERIFY(video.isValid());
        QCOMPARE(video.toEncoded(), QByteArray("https://www.youtube.com/results?search_query=") + encodedValue);
        QCOMPARE(QUrlQuery(video).queryItemValue("search_query", QUrl::FullyDecoded), text);
    }

    void makerPages()
    {
        QCOMPARE(homePageUrl().host(), QString::fromLatin1(HomeSiteHost));
        QCOMPARE(homePageUrl().path(), QStringLiteral("/"));
        QVERIFY(!homePageUrl().hasQuery());
        const QUrl feedback = feedbackUrl();
        QCOMPARE(feedback.host(), QString::fromLatin1(HomeSiteHost));
        QCOMPARE(feedback.path(), QStringLiteral("/sendmail.asp"));
        QCOMPARE(QUrlQuery(feedback).queryItemValue("strEmne"), QStringLiteral("Taglund"));
    }

    void centimetres_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<double>("value");
        QTest::newRow("decimal comma") << "2,5" << true << 2.5;
        QTest::newRow("whole") << "1" << true << 1.0;
        QTest::newRow("leading comma") << ",5" << true << 0.5;
        QTest::newRow("trailing comma") << "2," << true << 2.0;
        QTest::newRow("zero") << "0" << true << 0.0;
        QTest::newRow("blanks around") << " 1,5 " << true << 1.5;
        QTest::newRow("comma alone") << "," << false << 0.0;
        QTest::newRow("two commas") << "2,,5" << false << 0.0;
        QTest::newRow("two separate commas") << "1,2,3" << false << 0.0;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("blank") << "  " << false << 0.0;
        QTest::newRow("dot is no decimal mark") << "2.5" << false << 0.0;
        QTest::newRow("minus") << "-1" << false << 0.0;
        QTest::newRow("exponent") << "1e3" << false << 0.0;
    }
    void centimetres()
    {
        QFETCH(QString, field);
        QFETCH(bool, valid);
        QFETCH(double, value);
        const auto cm = parseCentimetres(field);
        QCOMPARE(cm.has_value(), valid);
        if (valid)
            QCOMPARE(*cm, value);
    }

    void copies_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("copies");   // 0: counts as empty
        QTest::newRow("one") << "1" << 1;
        QTest::newRow("leading zero") << "03" << 3;
        QTest::newRow("most") << "999" << 999;
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("too many") << "1000" << 0;
        QTest::newRow("overflowing") << "99999999999999999999" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("comma") << "1,5" << 0;
    }
    void copies()
    {
        QFETCH(QString, field);
        QFETCH(int, copies);
        const auto n = parseCopies(field);
        QCOMPARE(n.has_value(), copies > 0);
        if (n)
            QCOMPARE(*n, copies);
    }

    void printFields_data()
    {
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<bool>("valid");
        const TPrintFieldTexts d;
        QTest::newRow("standard") << QStringList{d.left, d.right, d.top, d.bottom, d.copies} << true;
        QTest::newRow("empty left") << QStringList{"", "1", "2", "1,5", "1"} << false;
        QTest::newRow("comma right") << QStringList{"2,5", ",", "2", "1,5", "1"} << false;
        QTest::newRow("double comma top") << QStringList{"2,5", "1", "2,,5", "1,5", "1"} << false;
        QTest::newRow("empty bottom") << QStringList{"2,5", "1", "2", "", "1"} << false;
        QTest::newRow("no copies") << QStringList{"2,5", "1", "2", "1,5", ""} << false;
        QTest::newRow("zero copies") << QStringList{"2,5", "1", "2", "1,5", "0"} << false;
    }
    void printFields()
    {
        QFETCH(QStringList, fields);
        QFETCH(bool, valid);
        const auto s = readPrintFields(fields[0], fields[1], fields[2], fields[3], fields[4]);
        QCOMPARE(s.has_value(), valid);
        if (valid) {
            QCOMPARE(s->left, 2.5);
            QCOMPARE(s->right, 1.0);
            QCOMPARE(s->top, 2.0);
            QCOMPARE(s->bottom, 1.5);
            QCOMPARE(s->copies, 1);
        }
    }

    void fieldFilters_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("margin");
        QTest::addColumn<QString>("copies");
        QTest::newRow("clean") << "2,5" << "2,5" << "25";
        QTest::newRow("letters") << "2a,5 cm" << "2,5" << "25";
        QTest::newRow("dot") << "1.5" << "15" << "15";
        QTest::newRow("signs") << "-+1" << "1" << "1";
        QTest::newRow("other digits") << QString::fromUtf8("٣4") << "4" << "4";
        QTest::newRow("pasted lines") << "1\r\n2" << "12" << "12";
    }
    void fieldFilters()
    {
        QFETCH(QString, typed);
        QFETCH(QString, margin);
        QFETCH(QString, copies);
        QCOMPARE(filterMarginField(typed), margin);
        QCOMPARE(filterCopiesField(typed), copies);
    }

    void dots_data()
    {
        QTest::addColumn<double>("cm");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("dots");
        QTest::newRow("2,5 at 600") << 2.5 << 600 << 591;
        QTest::newRow("1 at 600") << 1.0 << 600 << 236;
        QTest::newRow("2 at 600") << 2.0 << 600 << 472;
        QTest::newRow("1,5 at 600") << 1.5 << 600 << 354;
        QTest::newRow("an inch") << 2.54 << 600 << 600;
        QTest::newRow("2,5 at 300") << 2.5 << 300 << 295;
        QTest::newRow("2,5 at 72") << 2.5 << 72 << 71;
        QTest::newRow("none") << 0.0 << 1200 << 0;
        QTest::newRow("absurd") << 1e300 << 600 << 10000000;
    }
    void dots()
    {
        QFETCH(double, cm);
        QFETCH(int, dpi);
        QFETCH(int, dots);
        QCOMPARE(centimetresToDots(cm, dpi), dots);
    }

    void area_data()
    {
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("right");
        QTest::addColumn<int>("dpiX");
        QTest::addColumn<int>("dpiY");
        QTest::addColumn<QPoint>("unprintable");
        QTest::addColumn<QRect>("area");
        // A4 at 600 dpi is 4961 by 7016 dots; top 2 cm, bottom 1,5 cm throughout.
        QTest::newRow("standard margins") << 2.5 << 1.0 << 600 << 600 << QPoint(0, 0)
                                          << QRect(QPoint(591, 472), QPoint(4961 - 236 - 1, 7016 - 354 - 1));
        QTest::newRow("unprintable offset") << 2.5 << 1.0 << 600 << 600 << QPoint(100, 50)
                                            << QRect(QPoint(491, 422), QPoint(4961 - 236 - 100 - 1, 7016 - 354 - 50 - 1));
        QTest::newRow("unequal resolutions") << 2.5 << 1.0 << 600 << 300 << QPoint(0, 0)
                                             << QRect(QPoint(591, 236), QPoint(4961 - 236 - 1, 7016 - 177 - 1));
        QTest::newRow("margins wider than paper") << 15.0 << 10.0 << 600 << 600 << QPoint(0, 0) << QRect();
    }
    void area()
    {
        QFETCH(double, left);
        QFETCH(double, right);
        QFETCH(int, dpiX);
        QFETCH(int, dpiY);
        QFETCH(QPoint, unprintable);
        QFETCH(QRect, area);
        TPrintSettings m;
        m.left = left;
        m.right = right;
        QCOMPARE(printArea(m, dpiX, dpiY, QSize(4961, 7016), unprintable), area);
    }

    void runCommands_data()
    {
        QTest::addColumn<int>("kind");   // 0 batch bar, 1 cscript, 2 script by path, 3 command box
        QTest::addColumn<QString>("input");
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("tail");   // the last arguments, each one argument
        QTest::addColumn<QString>("folder");
        QTest::addColumn<int>("shellError");
        QTest::addColumn<QString>("message");

        const QStringList both = {"x-terminal-emulator", "xterm"};
        const QString term = "/usr/bin/x-terminal-emulator";
        QTest::newRow("batch with a blank") << 0 << "/home/u/my script.bat" << both << term
                                            << QStringList{"sh", "my script.bat"} << "/home/u" << -1 << "";
        QTest::newRow("other type runs as batch") << 0 << "/home/u/run.cmd" << both << term
                                                  << QStringList{"sh", "run.cmd"} << "/home/u" << -1 << "";
        QTest::newRow("dash name is no option") << 0 << "/home/u/-x.bat" << both << term
                                                << QStringList{"sh", "./-x.bat"} << "/home/u" << -1 << "";
        QTest::newRow("backslash folder") << 0 << "C:\\Taglund\\a b\\c.bat" << both << term
                                          << QStringList{"sh", "c.bat"} << "C:/Taglund/a b" << -1 << "";
        QTest::newRow("falls back to xterm") << 0 << "/tmp/a.bat" << QStringList{"xterm"} << "/usr/bin/xterm"
                                             << QStringList{"sh", "a.bat"} << "/tmp" << -1 << "";
        QTest::newRow("no terminal") << 0 << "/tmp/a.bat" << QStringList{} << "" << QStringList{} << "" << 31 << "";
        QTest::newRow("untitled") << 0 << "" << both << "" << QStringList{} << "" << -1 << SaveFirstMessage;
        QTest::newRow("powershell") << 0 << "/home/u/my job.PS1" << QStringList{"x-terminal-emulator", "pwsh"} << term
                                    << QStringList{"/usr/bin/pwsh", "-NoExit", "-ExecutionPolicy", "Unrestricted",
                                                   "/home/u/my job.PS1"}
                                    << "/home/u" << -1 << "";
        QTest::newRow("no powershell") << 0 << "/home/u/job.ps1" << both << "" << QStringList{} << "" << 31 << "";
        QTest::newRow("cscript") << 1 << "/home/u/my test.vbs" << both << term
                                 << QStringList{"cscript", "my test.vbs"} << "/home/u" << -1 << "";
        QTest::newRow("cscript untitled") << 1 << "" << both << "" << QStringList{} << "" << -1 << SaveFirstMessage;
        QTest::newRow("script by path") << 2 << "/w/WMI/a b.BAT" << both << term << QStringList{"sh", "a b.BAT"}
                                        << "/w/WMI" << -1 << "";
        QTest::newRow("command box") << 3 << "dir /w & echo \"c# & c++\"" << both << term
                                     << QStringList{"sh", "-c", "dir /w & echo \"c# & c++\""} << "" << -1 << "";
    }
    void runCommands()
    {
        QFETCH(int, kind);
        QFETCH(QString, input);
        QFETCH(QStringList, installed);
        QFETCH(QString, program);
        QFETCH(QStringList, tail);
        QFETCH(QString, folder);
        QFETCH(int, shellError);
        QFETCH(QString, message);
        QHash<QString, QString> paths;
        for (const QString &name : installed)
            paths.insert(name, "/usr/bin/" + name);
        const ProgramFinder find = finderOf(paths);
        TRunCommand run;
        switch (kind) {
        case 0: run = batchRun(input, find); break;
        case 1: run = cscriptRun(input, find); break;
        case 2: run = *scriptFileRun(input, find); break;
        default: run = commandBoxRun(input, find); break;
        }
        QCOMPARE(run.shellError, shellError);
        QCOMPARE(run.message, message);
        QCOMPARE(run.runnable(), shellError < 0 && message.isEmpty());
        if (!run.runnable())
            return;
        QCOMPARE(run.program, program);
        QCOMPARE(run.arguments.first(), QStringLiteral("-e"));
        QVERIFY(run.arguments.size() > tail.size());
        QCOMPARE(run.arguments.mid(run.arguments.size() - tail.size()), tail);
        QCOMPARE(QDir::fromNativeSeparators(run.workingFolder), folder);
    }

    void otherScriptsGoToTheShell()
    {
        QVERIFY(!scriptFileRun("/w/WMI/report.vbs", finderOf(withTerminal)).has_value());
        QVERIFY(!scriptFileRun("/w/WMI/bat", finderOf(withTerminal)).has_value());
    }

    // The built command lines really run: a stand-in terminal drops "-e" and
    // runs the rest, and the kept-open shell is one that ends at once.
    void commandsRunForReal()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString terminal = dir.filePath("fake-terminal");
        test::writeAll(terminal, "#!/bin/sh\nshift\nexec \"$@\"\n");
        QFile::setPermissions(terminal, QFile::permissions(terminal) | QFile::ExeOwner);
        const ProgramFinder find = finderOf({{"x-terminal-emulator", terminal}});
        const QString folder = dir.filePath("a folder");
        QVERIFY(QDir().mkpath(folder));
        test::writeAll(folder + "/my script.bat", "echo ran \"$0\" > marker.txt\n");

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("SHELL", "/bin/true");
        auto execute = [&](const TRunCommand &run) {
            QVERIFY(run.runnable());
            QProcess p;
            p.setProcessEnvironment(env);
            p.setWorkingDirectory(run.workingFolder.isEmpty() ? folder : run.workingFolder);
            p.start(run.program, run.arguments);
            QVERIFY(p.waitForFinished(10000));
            QCOMPARE(p.exitCode(), 0);
        };
        execute(batchRun(folder + "/my script.bat", find));
        QCOMPARE(test::readAll(folder + "/marker.txt"), QByteArray("ran my script.bat\n"));

        execute(commandBoxRun("printf '%s' 'c# & c++' > typed.txt", find));
        QCOMPARE(test::readAll(folder + "/typed.txt"), QByteArray("c# & c++"));
    }

    void searchFieldWords_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("command");
        const int none = int(SearchFieldCommand::None);
        const int run = int(SearchFieldCommand::RunScript);
        const int html = int(SearchFieldCommand::WriteHtml);
        QTest::newRow("go") << "go" << run;
        QTest::newRow("GO") << "GO" << run;
        QTest::newRow("kor") << QString::fromUtf8("kør") << run;
        QTest::newRow("KOR") << QString::fromUtf8("KØR") << run;
        QTest::newRow("blanks") << QString::fromUtf8(" Kør ") << run;
        QTest::newRow("omskriv") << "Omskriv" << html;
        QTest::newRow("html") << "HTML" << html;
        QTest::newRow("word inside text") << "go home" << none;
        QTest::newRow("kor without slash") << "kor" << none;
        QTest::newRow("other") << "table" << none;
        QTest::newRow("empty") << "" << none;
    }
    void searchFieldWords()
    {
        QFETCH(QString, text);
        QFETCH(int, command);
        QCOMPARE(int(parseSearchFieldCommand(text)), command);
    }
};

QTEST_GUILESS_MAIN(TestCommandText)
#include "tst_commandtext.moc"
