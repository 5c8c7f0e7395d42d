#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QtTest>
#include <sys/stat.h>

using namespace taglund;

// The install step that copies data/ below the install root.
class TestInstall : public QObject {
    Q_OBJECT

    static bool install(const QString &source, const QString &root)
    {
        QProcess p;
        p.start("cmake", {"-DSOURCE=" + source, "-DROOT=" + root,
                          "-P", QStringLiteral(TAGLUND_SOURCE_DIR "/cmake/InstallData.cmake")});
        return p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    }

private slots:
    void neverOverwritesWhatTheUserChanged()
    {
        QTemporaryDir src, root;
        test::writeAll(src.filePath("Program/Dir/Html/a.txt"), "one\r\n");
        test::writeAll(src.filePath("Program/Dir/Html/b.txt"), "two\r\n");
        test::writeAll(src.filePath("Program/Klicheer/.gitkeep"), "");
        test::writeAll(src.filePath("Program/Struktur/Mit træ/x.txt"), "x");
        QVERIFY(install(src.path(), root.path() + "/Taglund"));
        const QString r = root.path() + "/Taglund";
        QCOMPARE(test::readAll(r + "/Program/Dir/Html/a.txt"), QByteArray("one\r\n"));
        QVERIFY(QDir(r + "/Program/Klicheer").exists());
        QVERIFY(!QFile::exists(r + "/Program/Klicheer/.gitkeep"));
        QCOMPARE(test::readAll(r + "/Program/Struktur/Mit træ/x.txt"), QByteArray("x"));
        struct stat st {};
        QCOMPARE(stat(QFile::encodeName(r).constData(), &st), 0);
        QCOMPARE(st.st_mode & 07777, mode_t(01777));

        // The user edits a.txt; a new release changes both files.
        test::writeAll(r + "/Program/Dir/Html/a.txt", "mine\r\n");
        test::writeAll(src.filePath("Program/Dir/Html/a.txt"), "one, new\r\n");
        test::writeAll(src.filePath("Program/Dir/Html/b.txt"), "two, new\r\n");
        QVERIFY(install(src.path(), r));
        QCOMPARE(test::readAll(r + "/Program/Dir/Html/a.txt"), QByteArray("mine\r\n"));
        QCOMPARE(test::readAll(r + "/Program/Dir/Html/b.txt"), QByteArray("two, new\r\n"));

        // A deleted file comes back.
        QFile::remove(r + "/Program/Dir/Html/b.txt");
        QVERIFY(install(src.path(), r));
        QCOMPARE(test::readAll(r + "/Program/Dir/Html/b.txt"), QByteArray("two, new\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
