// Reading and writing files on disk the way documents and settings are:
// line ends, owners and permissions, hard and symbolic links, files that are
// not regular files, and a disk that is full.
#include "core/text/filefacts.h"
#include "core/text/textfile.h"
#include "core/winform.h"
#include "support/testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <chrono>
#include <future>
#include <grp.h>
#include <pwd.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace taglund;

namespace {

struct stat statOf(const QString &path)
{
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st;
}

// A small file system of its own, so that it can be filled. Only the
// superuser may make one; without it the test says so and skips.
struct SmallDisk {
    QString dir;
    bool mounted = false;
    SmallDisk(const QString &where, int kilobytes) : dir(where)
    {
        QDir().mkpath(dir);
        const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k";
        mounted = ::mount("tmpfs", QFile::encodeName(dir).constData(), "tmpfs", 0, options.constData()) == 0;
    }
    ~SmallDisk()
    {
        if (mounted)
            ::umount2(QFile::encodeName(dir).constData(), MNT_DETACH);
    }
    // Writes a filler file until the disk refuses another byte.
    void fill()
    {
        QFile f(dir + "/fyld");
        if (!f.open(QIODevice::WriteOnly))
            return;
        const QByteArray block(1024, 'x');
        while (f.write(block) == block.size() && f.flush()) {
        }
    }
};

// Runs a read that must not wait on its file; a hang ends the test run.
bool readsWithin(const QString &path, QString *error)
{
    auto done = std::async(std::launch::async, [path, error] {
        QByteArray bytes;
        return TextFile::readBytes(path, bytes, error);
    });
    if (done.wait_for(std::chrono::seconds(5)) != std::future_status::ready)
        qFatal("Reading %s did not return within 5 seconds", qPrintable(path));
    return done.get();
}

} // namespace

class TestTextFileSafety : public QObject {
    Q_OBJECT
private slots:
    // A save writes the line ends the file was read with; a line typed in
    // gets them too. A file without any line break, like a new document, gets CR LF.
    void lineEndsSurviveASave_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("saved");
        QTest::newRow("LF script") << QByteArray("#!/bin/sh\necho hej\n") << QByteArray("ny\n#!/bin/sh\necho hej\n");
        QTest::newRow("CR LF page") << QByteArray("<p>\r\n</p>\r\n") << QByteArray("ny\r\n<p>\r\n</p>\r\n");
        QTest::newRow("lone CR") << QByteArray("a\rb\r") << QByteArray("ny\ra\rb\r");
        QTest::newRow("mostly LF") << QByteArray("a\nb\r\nc\nd\n") << QByteArray("ny\na\nb\nc\nd\n");
        QTest::newRow("no break") << QByteArray("abc") << QByteArray("ny\r\nabc");
        QTest::newRow("UTF-8 LF") << QByteArray("bl\xC3\xA5\n") << QByteArray("ny\nbl\xC3\xA5\n");
        QTest::newRow("UTF-16 LF") << QByteArray("\xFF\xFE" "a\0\n\0", 6) << QByteArray("\xFF\xFEn\0y\0\n\0a\0\n\0", 12);
    }
    void lineEndsSurviveASave()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, saved);
        QTemporaryDir dir;
        const QString path = dir.filePath("fil.txt");
        test::writeAll(path, file);
        Twinform::Oprettelse o;
        o.Filnavn = path;
        Twinform w(o);
        QString error;
        QVERIFY2(w.loadFile(path, &error), qPrintable(error));
        w.text().setSelStart(0);
        w.text().setSelText("ny\r");
        TextEncoding used = TextEncoding::Cp1252;
        QVERIFY(TextFile::writeBytes(path, w.contentBytes(&used), &error));
        QCOMPARE(test::readAll(path), saved);
    }

    void replacingKeepsOwnerGroupAndMode()
    {
        if (::geteuid() != 0)
            QSKIP("Giving a file to another user needs the superuser; this test runs as an ordinary user.");
        const passwd *nobody = ::getpwnam("nobody");
        QVERIFY(nobody);
        QTemporaryDir dir;
        const QString path = dir.filePath("side.html");
        test::writeAll(path, "gammel");
        QVERIFY(::chown(QFile::encodeName(path).constData(), nobody->pw_uid, nobody->pw_gid) == 0);
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0640) == 0);
        const ino_t before = statOf(path).st_ino;
        QString error;
        QVERIFY2(TextFile::writeBytes(path, "ny tekst", &error), qPrintable(error));
        const struct stat st = statOf(path);
        QCOMPARE(test::readAll(path), QByteArray("ny tekst"));
        QCOMPARE(st.st_uid, nobody->pw_uid);
        QCOMPARE(st.st_gid, nobody->pw_gid);
        QCOMPARE(st.st_mode & 07777, mode_t(0640));
        QVERIFY(st.st_ino != before);   // replaced, not overwritten: a reader never sees half of it
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"side.html"});
    }

    void modeIsKeptAndNewFilesFollowTheUmask()
    {
        QTemporaryDir dir;
        const QString kept = dir.filePath("kept.sh");
        test::writeAll(kept, "#!/bin/sh\n");
        ::chmod(QFile::encodeName(kept).constData(), 0751);
        QVERIFY(TextFile::writeBytes(kept, "#!/bin/sh\necho hej\n"));
        QCOMPARE(statOf(kept).st_mode & 07777, mode_t(0751));

        const mode_t old = ::umask(027);
        const QString fresh = dir.filePath("ny.txt");
        const bool ok = TextFile::writeBytes(fresh, "x");
        ::umask(old);
        QVERIFY(ok);
        QCOMPARE(statOf(fresh).st_mode & 07777, mode_t(0640));
    }

    void hardLinkedFileIsWrittenInPlace()
    {
        QTemporaryDir dir;
        const QString a = dir.filePath("a.txt");
        const QString b = dir.filePath("b.txt");
        test::writeAll(a, "gammel tekst");
        QVERIFY(::link(QFile::encodeName(a).constData(), QFile::encodeName(b).constData()) == 0);
        const ino_t inode = statOf(a).st_ino;
        QVERIFY(TextFile::writeBytes(a, "ny"));
        QCOMPARE(test::readAll(b), QByteArray("ny"));   // shorter: the old tail is gone
        QCOMPARE(statOf(a).st_ino, inode);
        QCOMPARE(statOf(b).st_nlink, nlink_t(2));
    }

    void symbolicLinkStaysALink()
    {
        QTemporaryDir dir;
        const QString real = dir.filePath("rigtig.txt");
        const QString link = dir.filePath("genvej.txt");
        test::writeAll(real, "gammel");
        QVERIFY(QFile::link(real, link));
        QVERIFY(TextFile::writeBytes(link, "ny"));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(test::readAll(real), QByteArray("ny"));
    }

    void writeProtection_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("protectedForUs");
        QTest::newRow("0444") << 0444 << true;
        QTest::newRow("0400") << 0400 << true;
        QTest::newRow("0644") << 0644 << false;
        // Only the group may write: not the owner, but the superuser, as someone may.
        QTest::newRow("0464") << 0464 << (::geteuid() != 0);
    }
    void writeProtection()
    {
        QFETCH(int, mode);
        QFETCH(bool, protectedForUs);
        QTemporaryDir dir;
        const QString path = dir.filePath("fil.txt");
        test::writeAll(path, "x");
        ::chmod(QFile::encodeName(path).constData(), mode_t(mode));
        QCOMPARE(FileFacts::isWriteProtected(path), protectedForUs);
        QVERIFY(!FileFacts::isWriteProtected(dir.filePath("mangler.txt")));
    }

    // Pipes and devices are refused at once, also behind a link, for reading
    // and for writing; the reason says what the file is.
    void specialFilesAreRefused_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("fifo") << "fifo" << "Det er en navngiven pipe (FIFO), ikke en almindelig fil.";
        QTest::newRow("link to fifo") << "fifolink" << "Det er en navngiven pipe (FIFO), ikke en almindelig fil.";
        QTest::newRow("link to /dev/zero") << "zero" << "Det er en tegnenhed, ikke en almindelig fil.";
        QTest::newRow("folder") << "folder" << "Det er en mappe.";
    }
    void specialFilesAreRefused()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString fifo = dir.filePath("rør");
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0644) == 0);
        QString path = dir.filePath(kind);
        if (kind == "fifo")
            path = fifo;
        else if (kind == "fifolink")
            QVERIFY(QFile::link(fifo, path));
        else if (kind == "zero")
            QVERIFY(QFile::link("/dev/zero", path));
        else
            QVERIFY(QDir().mkpath(path));
        QElapsedTimer t;
        t.start();
        QString error;
        QVERIFY(!readsWithin(path, &error));
        QCOMPARE(error, reason);
        QVERIFY(t.elapsed() < 1000);
        QVERIFY(!FileFacts::isRegularFile(path));
        error.clear();
        QVERIFY(!TextFile::writeBytes(path, "x", &error));
        QCOMPARE(error, reason);
    }

    // A full disk names its cause and leaves the old text whole, whether
    // the file is replaced or (having two names) written in place.
    void fullDiskKeepsTheOldText_data()
    {
        QTest::addColumn<bool>("hardLink");
        QTest::newRow("replaced") << false;
        QTest::newRow("hard link") << true;
    }
    void fullDiskKeepsTheOldText()
    {
        QFETCH(bool, hardLink);
        if (::geteuid() != 0)
            QSKIP("Making a small file system to fill needs the superuser; this test runs as an ordinary user.");
        QTemporaryDir dir;
        SmallDisk disk(dir.filePath("disk"), 128);
        if (!disk.mounted)
            QSKIP("This machine does not allow mounting a small file system.");
        const QString path = disk.dir + "/side.html";
        const QByteArray old(8000, 'g');
        test::writeAll(path, old);
        if (hardLink)
            QVERIFY(::link(QFile::encodeName(path).constData(), QFile::encodeName(disk.dir + "/andet.html").constData()) == 0);
        disk.fill();
        QString error;
        QVERIFY(!TextFile::writeBytes(path, QByteArray(200000, 'n'), &error));
        QCOMPARE(error, QString("Der er ikke mere plads på drevet."));
        QCOMPARE(test::readAll(path), old);
        QStringList expected{"fyld", "side.html"};
        if (hardLink)
            expected.prepend("andet.html");
        QCOMPARE(QDir(disk.dir).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
    }
};

QTEST_MAIN(TestTextFileSafety)
#include "tst_textfilesafety.moc"
