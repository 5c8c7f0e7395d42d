// Opening and saving through the program against files that other programs
// touch, that are not regular files, that belong to someone else, and
// against damaged start-up lists.
#include "app/mainform.h"
#include "appstart.h"
#include "core/text/textfile.h"
#include "html/htmlcommands.h"
#include "html/htmlpanel.h"
#include "support/testhost.h"
#include "support/testsupport.h"
#include "ui/questions.h"

#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>

#include <atomic>
#include <chrono>
#include <memory>
#include <pwd.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace taglund;

namespace {

struct Fixture {
    test::TempRoot root;
    ui::Script script;
    std::unique_ptr<Tmainform> main;

    explicit Fixture(const QStringList &args = {}) { start(args); }
    ~Fixture() { stop(); }
    void start(const QStringList &args = {})
    {
        ui::setScript(&script);
        main = std::make_unique<Tmainform>(QStringLiteral("/opt/taglund"), args);
        main->show();
        test::waitForStartFiles(*main);
    }
    void stop()
    {
        main.reset();
        ui::setScript(nullptr);
    }
    TDokumentOmraade *docs() const { return main->documents(); }
    QString file(const QString &name) const { return root.file(name); }
    QStringList captions() const
    {
        QStringList c;
        for (Twinform *w : docs()->windows())
            c << w->CapNavn;
        return c;
    }
    void type(Twinform *w, const QString &text) { QTest::keyClicks(w->editorWidget(), text); }
    // The main window comes back from another program.
    void activateMain()
    {
        QEvent e(QEvent::WindowActivate);
        QCoreApplication::sendEvent(main.get(), &e);
        QCoreApplication::processEvents();
    }
};

// Another program writes the file: the shell, in place.
void otherProgramWrites(const QString &path, const QByteArray &bytes)
{
    // The clock the file system stamps with moves in steps of a few milliseconds.
    QThread::msleep(30);
    QProcess sh;
    sh.start("/bin/sh", {"-c", "printf '%s' \"$1\" > \"$2\"", "sh", QString::fromLatin1(bytes), path});
    QVERIFY(sh.waitForFinished(5000));
    QCOMPARE(sh.exitCode(), 0);
}

// Ends the test run when the program waits on a file for more than ten seconds.
class Watchdog {
public:
    explicit Watchdog(const char *what) : m_what(what)
    {
        m_thread = std::thread([this] {
            for (int i = 0; i < 200 && !m_done; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            if (!m_done)
                qFatal("%s did not come back within ten seconds", m_what);
        });
    }
    ~Watchdog()
    {
        m_done = true;
        m_thread.join();
    }

private:
    const char *m_what;
    std::atomic<bool> m_done{false};
    std::thread m_thread;
};

// Sanitizers make Qt's text layout several times slower; without them the
// bound is one second.
#if defined(__SANITIZE_ADDRESS__)
constexpr qint64 kBoundMs = 4000;
#else
constexpr qint64 kBoundMs = 1000;
#endif

mode_t modeOf(const QString &path)
{
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_mode & 07777;
}

// The script records a question's line breaks as "\n".
const QString changedQuestion = "Filen side.html er ændret af et andet program, efter at den blev hentet.\n"
                                "Skal den overskrives?";

} // namespace

class TestOpenSave : public QObject {
    Q_OBJECT
private slots:
    // Two programs on one file: the shell, and a second program with its own
    // document area, each writing the file after this one read it.
    void changeOnDiskAsksBeforeOverwriting_data()
    {
        QTest::addColumn<QString>("other");
        QTest::newRow("nobody else") << "";
        QTest::newRow("shell, new length") << "shell longer";
        QTest::newRow("shell, same length") << "shell same";
        QTest::newRow("second editor") << "editor";
    }
    void changeOnDiskAsksBeforeOverwriting()
    {
        QFETCH(QString, other);
        Fixture f;
        const QString path = f.file("side.html");
        test::writeAll(path, "<p>a</p>\n");
        Twinform *w = f.main->openwin(path);
        QVERIFY(w);
        f.type(w, "x");
        QByteArray theirs;
        if (other == "shell longer") {
            theirs = "<p>andet program</p>\n";
            otherProgramWrites(path, theirs);
        } else if (other == "shell same") {
            theirs = "<p>b</p>\n";
            otherProgramWrites(path, theirs);
        } else if (other == "editor") {
            QThread::msleep(30);
            test::TestHost second;
            Twinform *w2 = second.openwin(path);
            QVERIFY(w2);
            QTest::keyClicks(w2->editorWidget(), "y");
            QVERIFY(second.documents()->Gem(w2));
            theirs = "y<p>a</p>\n";
            QCOMPARE(test::readAll(path), theirs);
        }
        if (other.isEmpty()) {
            QVERIFY(f.docs()->Gem(w));
            QCOMPARE(f.script.asked, QStringList{});
        } else {
            f.script.answers << ui::Answer::Nej;
            QVERIFY(!f.docs()->Gem(w));
            QCOMPARE(f.script.asked, QStringList{changedQuestion});
            QCOMPARE(test::readAll(path), theirs);
            QVERIFY(w->text().Modified());
            f.script.answers << ui::Answer::Ja;
            QVERIFY(f.docs()->Gem(w));
            QCOMPARE(f.script.asked.size(), 2);
        }
        QCOMPARE(test::readAll(path), QByteArray("x<p>a</p>\n"));
        // Our own save is no change by another program.
        f.type(w, "z");
        QVERIFY(f.docs()->Gem(w));
        QCOMPARE(f.script.asked.size(), other.isEmpty() ? 0 : 2);
    }

    void reloadIsOfferedWhenTheMainWindowIsActivated_data()
    {
        QTest::addColumn<bool>("modified");
        QTest::addColumn<int>("answer");
        QTest::newRow("unchanged here, Ja") << false << int(ui::Answer::Ja);
        QTest::newRow("typed in, Ja") << true << int(ui::Answer::Ja);
        QTest::newRow("typed in, Nej") << true << int(ui::Answer::Nej);
    }
    void reloadIsOfferedWhenTheMainWindowIsActivated()
    {
        QFETCH(bool, modified);
        QFETCH(int, answer);
        Fixture f;
        const QString path = f.file("side.html");
        test::writeAll(path, "<p>a</p>\r\n");
        Twinform *w = f.main->openwin(path);
        if (modified)
            f.type(w, "x");
        f.activateMain();
        QCOMPARE(f.script.asked, QStringList{});   // nothing changed yet

        otherProgramWrites(path, "<p>nyt</p>\r\n");
        f.script.answers << ui::Answer(answer);
        f.activateMain();
        QString q = "Filen side.html er ændret af et andet program.\nSkal den hentes igen?";
        if (modified)
            q += "\nDine ændringer i dokumentet går da tabt.";
        QCOMPARE(f.script.asked, QStringList{q});
        f.activateMain();
        QCOMPARE(f.script.asked.size(), 1);   // one offer per change
        if (ui::Answer(answer) == ui::Answer::Ja) {
            QCOMPARE(w->text().Text(), QString("<p>nyt</p>\r\n"));
            QVERIFY(!w->text().Modified());
            f.type(w, "y");
            QVERIFY(f.docs()->Gem(w));   // the reloaded file is no foreign change
            QCOMPARE(f.script.asked.size(), 1);
        } else {
            QCOMPARE(w->text().Text(), QString("x<p>a</p>\r\n"));
            // Not reloaded: a save still asks before overwriting.
            f.script.answers << ui::Answer::Nej;
            QVERIFY(!f.docs()->Gem(w));
            QCOMPARE(f.script.asked.last(), changedQuestion);
        }
    }

    void writeProtectedFileAsksFirst()
    {
        Fixture f;
        const QString path = f.file("laast.txt");
        test::writeAll(path, "gammel");
        ::chmod(QFile::encodeName(path).constData(), 0444);
        Twinform *w = f.main->openwin(path);
        f.type(w, "ny ");
        f.script.answers << ui::Answer::Nej << ui::Answer::Ja;
        QVERIFY(!f.docs()->Gem(w));
        const QString q = "Filen laast.txt er skrivebeskyttet.\nSkal den overskrives alligevel?";
        QCOMPARE(f.script.asked, QStringList{q});
        QCOMPARE(test::readAll(path), QByteArray("gammel"));
        QVERIFY(f.docs()->Gem(w));
        QCOMPARE(f.script.asked, (QStringList{q, q}));
        QCOMPARE(test::readAll(path), QByteArray("ny gammel"));
        QCOMPARE(modeOf(path), mode_t(0444));
    }

    void saveKeepsOwnerLinksAndLineEnds()
    {
        if (::geteuid() != 0)
            QSKIP("Files of another user need the superuser to make; this test runs as an ordinary user.");
        const passwd *nobody = ::getpwnam("nobody");
        QVERIFY(nobody);
        Fixture f;
        const QString path = f.file("script.sh");
        const QString second = f.file("samme.sh");
        test::writeAll(path, "#!/bin/sh\necho hej\n");
        QVERIFY(::chown(QFile::encodeName(path).constData(), nobody->pw_uid, nobody->pw_gid) == 0);
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0640) == 0);
        QVERIFY(::link(QFile::encodeName(path).constData(), QFile::encodeName(second).constData()) == 0);
        f.script.answers << ui::Answer::Ja;   // ".sh" is no known text type
        Twinform *w = f.main->openwin(path);
        QVERIFY(w);
        QCOMPARE(f.script.asked, QStringList{"Filtypen .sh er ukendt.\nEr det en tekstfil, der kan åbnes til redigering?"});
        w->text().setSelStart(w->text().Length());
        w->text().setSelText("exit 0\r");
        QVERIFY(f.docs()->Gem(w));
        QCOMPARE(test::readAll(second), QByteArray("#!/bin/sh\necho hej\nexit 0\n"));
        struct stat st {};
        QVERIFY(::stat(QFile::encodeName(path).constData(), &st) == 0);
        QCOMPARE(st.st_uid, nobody->pw_uid);
        QCOMPARE(st.st_gid, nobody->pw_gid);
        QCOMPARE(st.st_mode & 07777, mode_t(0640));
        QCOMPARE(st.st_nlink, nlink_t(2));
    }

    void unknownTypeQuestionNamesTheFile()
    {
        Fixture f;
        test::writeAll(f.file("Makefile"), "all:\n\techo\n");
        f.script.answers << ui::Answer::Nej;
        QVERIFY(!f.main->openwin(f.file("Makefile")));
        QCOMPARE(f.script.asked,
                 QStringList{"Filen Makefile har ingen filtype.\nEr det en tekstfil, der kan åbnes til redigering?"});
    }

    // A pipe or a device never opens, whichever way it is named; the
    // message names it.
    void specialFilesAreNotOpened_data()
    {
        QTest::addColumn<QString>("route");
        QTest::addColumn<QString>("name");
        for (const char *route : {"open", "command line", "document list"})
            for (const char *name : {"rør.txt", "nul.txt", "rør"})
                QTest::newRow(qPrintable(QString("%1: %2").arg(route, name))) << route << name;
    }
    void specialFilesAreNotOpened()
    {
        QFETCH(QString, route);
        QFETCH(QString, name);
        test::TempRoot root;
        const QString path = root.file(name);
        if (name.startsWith("rør"))
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0644) == 0);
        else
            QVERIFY(QFile::link("/dev/zero", path));
        const QString reason = name.startsWith("rør") ? "Det er en navngiven pipe (FIFO), ikke en almindelig fil."
                                                      : "Det er en tegnenhed, ikke en almindelig fil.";
        const QString opened = "Filen " + path + " kunne ikke åbnes:\r" + reason;
        Watchdog watch("Opening a pipe or a device");
        ui::Script script;
        ui::setScript(&script);
        if (route == "open") {
            Tmainform main("/opt/taglund", {});
            main.show();
            test::waitForStartFiles(main);
            QVERIFY(!main.openwin(path, extensionOf(path)));
            QCOMPARE(main.documents()->windows().size(), 0);
            QCOMPARE(script.messages, QStringList{opened});
        } else if (route == "command line") {
            Tmainform main("/opt/taglund", {path});
            main.show();
            test::waitForStartFiles(main);
            QCOMPARE(main.documents()->windows().size(), 0);
            QCOMPARE(script.messages, QStringList{"Disse filer kunne ikke åbnes:\r" + path + ": er ikke en almindelig fil"});
        } else {
            {
                Tmainform first("/opt/taglund", {});
                first.options().openDokumenter = true;
                QVERIFY(first.lukProgram());
                TextFile::writeLines(first.paths().dokumentfil, {path});
            }
            Tmainform main("/opt/taglund", {});
            main.show();
            test::waitForStartFiles(main);
            QCOMPARE(main.documents()->windows().size(), 0);
            QCOMPARE(script.messages, QStringList{opened});
        }
        QCOMPARE(script.asked, QStringList{});   // never asked whether a pipe is text
        ui::setScript(nullptr);
    }

    void commandLineNamesWhatItCannotOpen()
    {
        test::TempRoot root;
        test::writeAll(root.file("x y.html"), "a");
        test::writeAll(root.file("citat\"tegn.html"), "b");
        QDir().mkpath(root.file("mappe"));
        Fixture f({"\"" + root.file("x y.html") + "\"", root.file("citat\"tegn.html"), root.file("mangler.html"),
                   root.file("mappe")});
        QCOMPARE(f.captions(), (QStringList{"1. x y.html", "2. citat\"tegn.html"}));
        QCOMPARE(f.script.messages, QStringList{"Disse filer kunne ikke åbnes:\r" + root.file("mangler.html")
                                                + ": findes ikke\r" + root.file("mappe") + ": er en mappe"});
    }

    // Random bytes in the document list: no question per line, one message,
    // and the good lines still open (a deleted file as an empty document).
    void damagedDocumentListIsSkippedWithOneMessage()
    {
        Fixture f;
        f.main->options().openDokumenter = true;
        QVERIFY(f.main->lukProgram());
        const QString list = f.main->paths().dokumentfil;
        f.stop();
        test::writeAll(f.file("god.html"), "god");
        QRandomGenerator random(2024);
        QByteArray bytes;
        for (int i = 0; i < 65536; ++i)
            bytes.append(char(random.bounded(256)));
        bytes += "\r\n" + QFile::encodeName(f.file("god.html")) + "\r\n" + QFile::encodeName(f.file("slettet.html"))
                 + "\r\n" + QFile::encodeName(f.file("ingen mappe/x.html")) + "\r\n" + QFile::encodeName(f.root.path())
                 + "\r\nrelativ.html\r\n";
        test::writeAll(list, bytes);
        f.start();
        QCOMPARE(f.captions(), (QStringList{"1. god.html", "2. slettet.html"}));
        QCOMPARE(f.script.asked, QStringList{});
        QCOMPARE(f.script.messages.size(), 1);
        QVERIFY2(f.script.messages.first().contains(" linje(r) i " + list + " er ikke navne på dokumenter og blev sprunget over."),
                 qPrintable(f.script.messages.first()));
    }

    void listsAndSettingsThatCannotBeWrittenSaySo()
    {
        Fixture f;
        test::writeAll(f.file("ok.html"), "ok");
        test::writeAll(f.file("to\nlinjer.html"), "to");
        f.main->openwin(f.file("to\nlinjer.html"));
        f.main->openwin(f.file("ok.html"));
        QVERIFY(f.docs()->LukAlle());
        QStringList listed;
        QVERIFY(TextFile::readLines(f.main->paths().dokumentfil, listed));
        QCOMPARE(listed, QStringList{f.file("ok.html")});   // a broken name does not split into two entries

        // Both files stand where a folder is: neither can be written.
        QFile::remove(f.main->paths().dokumentfil);
        QVERIFY(QDir().mkpath(f.main->paths().dokumentfil));
        QVERIFY(QDir().mkpath(f.main->paths().optfil));
        f.main->openwin(f.file("ok.html"));
        QVERIFY(f.main->lukProgram());
        QCOMPARE(f.script.messages,
                 (QStringList{"Listen over åbne dokumenter " + f.main->paths().dokumentfil + " kunne ikke gemmes:\rDet er en mappe.",
                              "Indstillingerne kunne ikke gemmes i " + f.main->paths().optfil + ":\rDet er en mappe."}));
    }

    // Lines far longer than a window: opening and reading the tag at the
    // caret stay under a second.
    void longLinesStayQuick_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::newRow("1 MB without a break point") << QByteArray(1 << 20, 'x');
        QTest::newRow("100,000 nested elements") << QByteArray("<b>").repeated(100000) + "x" + QByteArray("</b>").repeated(100000);
    }
    void longLinesStayQuick()
    {
        QFETCH(QByteArray, page);
        Fixture f;
        const QString path = f.file("lang.html");
        test::writeAll(path, page);
        QElapsedTimer t;
        t.start();
        Twinform *w = f.main->openwin(path);
        QVERIFY(w);
        QCoreApplication::processEvents();
        const qint64 opening = t.elapsed();
        auto *html = f.main->part<THtmlKommandoer>();
        QVERIFY(html && html->panel());
        html->taginf().autoKode = true;
        w->win_autoKode = true;
        t.restart();
        w->text().setSelStart(w->text().Length() / 2);
        emit w->keyReleased(w);
        w->XYinfo();
        QCoreApplication::processEvents();
        const qint64 reading = t.elapsed();
        qDebug("opening %lld ms, caret reading %lld ms", opening, reading);
        QVERIFY2(opening < kBoundMs, qPrintable(QString("opening took %1 ms").arg(opening)));
        QVERIFY2(reading < kBoundMs, qPrintable(QString("the caret reading took %1 ms").arg(reading)));
        QCOMPARE(w->text().LineCount(), 1);   // one line as the operations count it, exactly
        QCOMPARE(w->text().Text().size(), page.size());
    }
};

QTEST_MAIN(TestOpenSave)
#include "tst_opensave.moc"
