// Drives, the user's folders, the trash and the tree walks on Linux.
#include "platform/drives.h"
#include "platform/filetree.h"
#include "platform/specialfolders.h"
#include "platform/trash.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace taglund::platform;

namespace {

void write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

class ScopedEnv {
public:
    ScopedEnv(const char *name, const QString &value) : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name))
    {
        qputenv(name, QFile::encodeName(value));
    }
    ~ScopedEnv()
    {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char *m_name;
    bool m_had;
    QByteArray m_old;
};

} // namespace

class TstFilesystem : public QObject {
    Q_OBJECT
private slots:
    void mounts_data()
    {
        QTest::addColumn<QString>("root");
        QTest::addColumn<QString>("fs");
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("listed");
        QTest::newRow("root") << "/" << "ext4" << DriveKind::Fixed << true;
        QTest::newRow("home on its own") << "/home" << "xfs" << DriveKind::Fixed << true;
        QTest::newRow("usb stick") << "/media/anna/USB" << "vfat" << DriveKind::Removable << true;
        QTest::newRow("usb below run") << "/run/media/anna/KORT" << "exfat" << DriveKind::Removable << true;
        QTest::newRow("disc") << "/media/anna/CD" << "iso9660" << DriveKind::CdRom << true;
        QTest::newRow("network") << "/srv/net" << "nfs4" << DriveKind::Remote << true;
        QTest::newRow("samba") << "/mnt/deling" << "cifs" << DriveKind::Remote << true;
        QTest::newRow("ram") << "/media/anna/ram" << "tmpfs" << DriveKind::RamDisk << true;
        QTest::newRow("system tmpfs") << "/run" << "tmpfs" << DriveKind::RamDisk << false;
        QTest::newRow("boot") << "/boot" << "ext4" << DriveKind::Fixed << false;
        QTest::newRow("none") << "" << "" << DriveKind::None << false;
    }
    void mounts()
    {
        QFETCH(QString, root);
        QFETCH(QString, fs);
        QFETCH(int, kind);
        QFETCH(bool, listed);
        QCOMPARE(classifyMount(root, fs, "/home/anna"), kind);
        QCOMPARE(isUserMount(root, fs, "/home/anna"), listed);
    }

    void drivesOfThisMachine()
    {
        const QList<TDrev> drives = userDrives();
        QVERIFY(!drives.isEmpty());
        QCOMPARE(drives.first().root, QStringLiteral("/"));
        QVERIFY(drives.first().capacity > 0);
        QTemporaryDir dir;
        const TDrev d = driveOf(dir.path());
        QVERIFY(!d.root.isEmpty());
        QVERIFY(dir.path().startsWith(d.root));
        QCOMPARE(driveOf(dir.filePath("findes/ikke")).kind, DriveKind::None);
    }

    void userFolders_data()
    {
        QTest::addColumn<QString>("config");
        QTest::addColumn<QStringList>("folders");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("expected");
        QTest::newRow("named in the file") << "XDG_DOCUMENTS_DIR=\"$HOME/Dokumenter\"\n" << QStringList{"Dokumenter", "Documents"}
                                           << int(UserFolder::Documents) << "Dokumenter";
        QTest::newRow("default when not named") << "" << QStringList{"Desktop"} << int(UserFolder::Desktop) << "Desktop";
        QTest::newRow("absolute path") << "XDG_MUSIC_DIR=\"$ABS/musik\"\n" << QStringList{"musik"} << int(UserFolder::Music)
                                       << "musik";
        QTest::newRow("missing folder fails") << "XDG_PICTURES_DIR=\"$HOME/Billeder\"\n" << QStringList{}
                                              << int(UserFolder::Pictures) << "";
        QTest::newRow("switched off") << "XDG_VIDEOS_DIR=\"$HOME/\"\n" << QStringList{"Videos"} << int(UserFolder::Videos)
                                      << "";
        QTest::newRow("comment ignored") << "# XDG_DOWNLOAD_DIR=\"$HOME/x\"\n" << QStringList{"Downloads", "x"}
                                         << int(UserFolder::Downloads) << "Downloads";
    }
    void userFolders()
    {
        QFETCH(QString, config);
        QFETCH(QStringList, folders);
        QFETCH(int, role);
        QFETCH(QString, expected);
        QTemporaryDir home;
        for (const QString &f : folders)
            QDir().mkpath(home.filePath(f));
        const QString file = home.filePath("user-dirs.dirs");
        write(file, QString(config).replace("$ABS", home.path()).toUtf8());
        QCOMPARE(userFolderFrom(UserFolder(role), file, home.path()),
                 expected.isEmpty() ? QString() : home.filePath(expected));
    }

    // The trash is a temporary one: the home folder and data folder are
    // moved for the test, so the user's own trash is never touched.
    void trash()
    {
        QTemporaryDir dir;
        ScopedEnv home("HOME", dir.filePath("home"));
        ScopedEnv data("XDG_DATA_HOME", dir.filePath("home/.local/share"));
        QDir().mkpath(dir.filePath("home/.local/share"));
        QCOMPARE(TPapirkurv::homeTrashFolder(), dir.filePath("home/.local/share/Trash"));
        write(dir.filePath("work/a.txt"), "12345");
        write(dir.filePath("work/X/b"), "12");
        write(dir.filePath("ude/vigtig"), "V");
        QVERIFY(QFile::link(dir.filePath("ude"), dir.filePath("work/X/link")));
        QVERIFY(TPapirkurv::send(dir.filePath("work/a.txt")));
        QVERIFY(TPapirkurv::send(dir.filePath("work/X")));
        QString why;
        QVERIFY(!TPapirkurv::send(dir.filePath("work/borte"), &why));
        QVERIFY(!why.isEmpty());
        TPapirkurv kurv;
        QCOMPARE(kurv.folder(), dir.filePath("home/.local/share/Trash"));
        const TPapirkurv::Indhold c = kurv.count();
        QCOMPARE(c.elementer, 2);
        QCOMPARE(c.bytes, 5 + 2 + qint64(dir.filePath("ude").toUtf8().size()));
        QCOMPARE(QDir(kurv.folder() + "/info").entryList(QDir::Files).size(), 2);
        write(kurv.folder() + "/directorysizes", "x");
        QVERIFY(kurv.empty());
        QCOMPARE(kurv.count().elementer, 0);
        QVERIFY(QDir(kurv.folder() + "/files").isEmpty());
        QVERIFY(QDir(kurv.folder() + "/info").isEmpty());
        QVERIFY(!QFile::exists(kurv.folder() + "/directorysizes"));
        QVERIFY(QFile::exists(dir.filePath("ude/vigtig")));
    }

    void treeWalks()
    {
        QTemporaryDir dir;
        write(dir.filePath("t/a"), "1234");
        write(dir.filePath("t/.h"), "1");
        write(dir.filePath("t/U/b"), "12");
        QVERIFY(QFile::link(dir.filePath("t"), dir.filePath("t/U/op")));   // a loop
        TreeCount c;
        int calls = 0;
        QVERIFY(countTree(dir.filePath("t"), c, [&](const TreeCount &) { ++calls; }));
        QCOMPARE(c.files, 4);
        QCOMPARE(c.folders, 1);
        QCOMPARE(calls, 1);
        QVERIFY(isSameOrInside(dir.filePath("t/U"), dir.filePath("t")));
        QVERIFY(isSameOrInside(dir.filePath("t/U/op"), dir.filePath("t")));   // resolved through the link
        QVERIFY(isSameOrInside(dir.filePath("t/U/ny/mappe"), dir.filePath("t")));
        QVERIFY(!isSameOrInside(dir.filePath("tt"), dir.filePath("t")));
        QVERIFY(!renameNoReplace(dir.filePath("t/a"), dir.filePath("t/.h")));
        QVERIFY(renameNoReplace(dir.filePath("t/a"), dir.filePath("t/A")));
        QVERIFY(removeTree(dir.filePath("t")));
        QVERIFY(!entryExists(dir.filePath("t")));
    }
};

QTEST_MAIN(TstFilesystem)
#include "tst_filesystem.moc"
