// Copies and moves that fail part way: a read-only target folder, a source
// file that cannot be read, and a target that fills up. Whatever fails,
// the sources and any existing target stay as they were, no half-written
// file is left, and the user is told in Danish which element failed.
#include "filboks_test.h"
#include "support/testsupport.h"

#include <QDirIterator>
#include <sys/fsuid.h>
#include <sys/mount.h>
#include <sys/stat.h>

using namespace taglund;
using namespace taglund::test;

namespace {

const QString kFejl = QStringLiteral("Der er opstået en fejl.\rElementer er muligvist slettede.");

// Permissions bind root only through another file-system identity: as root
// the test acts as "nobody" while the engine runs.
class SomAndenBruger {
public:
    SomAndenBruger() : m_root(geteuid() == 0)
    {
        if (m_root)
            setfsuid(65534);
    }
    ~SomAndenBruger()
    {
        if (m_root)
            setfsuid(0);
    }

private:
    bool m_root;
};

void openUp(const QString &root)
{
    ::chmod(QFile::encodeName(root).constData(), 0777);
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString p = it.next();
        ::chmod(QFile::encodeName(p).constData(), QFileInfo(p).isDir() ? 0777 : 0666);
    }
}

QStringList tempFiles(const QString &root)
{
    QStringList found;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString p = it.next();
        if (p.endsWith(QLatin1String(".taglund-kopi")))
            found << p;
    }
    return found;
}

} // namespace

class TstFaults : public QObject {
    Q_OBJECT
private slots:
    void faults_data();
    void faults();
    void copyRoutineKeepsTimesAndPermissions();
};

void TstFaults::faults_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("move");
    QTest::addColumn<QString>("element");   // what is pasted: the file c.txt or the folder X
    QTest::addColumn<QString>("failing");   // the element the message must name
    QTest::addColumn<QString>("reason");
    for (const bool move : {false, true}) {
        const char *op = move ? "move" : "copy";
        QTest::addRow("read-only target, file, %s", op) << "readonly" << move << "c.txt" << "maal/c.txt" << "Adgang nægtet.";
        QTest::addRow("read-only target, folder, %s", op) << "readonly" << move << "X" << "maal/X" << "Adgang nægtet.";
        QTest::addRow("unreadable file, %s", op) << "unreadable" << move << "c.txt" << "kilde/c.txt" << "Adgang nægtet.";
        QTest::addRow("unreadable file in folder, %s", op)
            << "unreadable" << move << "X" << "kilde/X/b.txt" << "Adgang nægtet.";
        QTest::addRow("target fills up, file, %s", op)
            << "full" << move << "c.txt" << "maal/c.txt" << "Der er ikke mere plads på drevet.";
        QTest::addRow("target fills up, folder, %s", op)
            << "full" << move << "X" << "maal/X/b.txt" << "Der er ikke mere plads på drevet.";
    }
}

void TstFaults::faults()
{
    QFETCH(QString, fault);
    QFETCH(bool, move);
    QFETCH(QString, element);
    QFETCH(QString, failing);
    QFETCH(QString, reason);

    Filboks fb;
    const QByteArray big(1 << 20, 'x');
    makeTree(fb.root, {"kilde/X/a.txt=A", "kilde/X/b.txt=B", "kilde/c.txt=C", "maal/c.txt=gammel"});
    if (fault == QLatin1String("full")) {
        if (geteuid() != 0)
            QSKIP("A full file system needs a small tmpfs, which only root may mount.");
        if (::mount("tmpfs", QFile::encodeName(fb.path("maal")).constData(), "tmpfs", 0, "size=256k") != 0)
            QSKIP("This machine refuses to mount a tmpfs.");
        makeTree(fb.root, {"maal/c.txt=gammel"});
        writeAll(fb.path("kilde/c.txt"), big);
        writeAll(fb.path("kilde/X/b.txt"), big);
    }
    openUp(fb.tmp.path());
    if (fault == QLatin1String("readonly"))
        ::chmod(QFile::encodeName(fb.path("maal")).constData(), 0555);
    if (fault == QLatin1String("unreadable")) {
        ::chmod(QFile::encodeName(fb.path("kilde/c.txt")).constData(), 0);
        ::chmod(QFile::encodeName(fb.path("kilde/X/b.txt")).constData(), 0);
    }
    const QStringList kildeFoer = snapshot(fb.path("kilde"));

    int result = 0;
    {
        SomAndenBruger nobody;
        fb.vis(QStringLiteral("kilde"));
        QVERIFY(fb.vaelg({element}));
        QCOMPARE(fb.funk.CopyElementer(move), 1);
        fb.funk.makeStruktur2(fb.path("maal"), true, true);
        fb.vaelg({});
        fb.svar(QStringLiteral("Ja Ja"));
        result = fb.funk.PasteElementer();
    }
    const QStringList maalEfter = snapshot(fb.path("maal"));
    const QStringList temps = tempFiles(fb.path("maal"));
    if (fault == QLatin1String("full"))
        ::umount(QFile::encodeName(fb.path("maal")).constData());
    openUp(fb.tmp.path());

    QCOMPARE(result, -1);
    QCOMPARE(snapshot(fb.path("kilde")), kildeFoer);
    QVERIFY(maalEfter.contains(QStringLiteral("c.txt=gammel")));
    QCOMPARE(temps, QStringList{});
    QCOMPARE(snapshot(fb.trash() + QStringLiteral("/files")), QStringList{});
    QCOMPARE(fb.script.messages.size(), 1);
    const QString message = fb.script.messages.first();
    QVERIFY2(message.startsWith(kFejl), qPrintable(message));
    QVERIFY2(message.contains(fb.path(failing) + QStringLiteral(" (") + reason + u')'), qPrintable(message));
    // Nothing is left to move: a later paste copies.
    QVERIFY(!fb.funk.klipAfterCopy());
    QVERIFY(!fb.dialoger.aaben);
}

void TstFaults::copyRoutineKeepsTimesAndPermissions()
{
    QTemporaryDir dir;
    const QString src = dir.filePath("kilde.sh"), dst = dir.filePath("kopi.sh");
    writeAll(src, QByteArray(3 * (8 << 20) + 17, 'k'));   // several chunks
    QVERIFY(QFile::setPermissions(src, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup));
    const QDateTime when = QDateTime(QDate(2001, 2, 3), QTime(4, 5, 6));
    {
        QFile f(src);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.setFileTime(when, QFileDevice::FileModificationTime));
    }
    writeAll(dst, "gammel");
    QList<qint64> steps;
    TKopiFejl fejl;
    QVERIFY(kopierFil(src, dst, [&](qint64 done, qint64) { steps << done; }, &fejl));
    QCOMPARE(QFileInfo(dst).size(), QFileInfo(src).size());
    QCOMPARE(QFileInfo(dst).lastModified(), when);
    QCOMPARE(QFile::permissions(dst), QFile::permissions(src));
    QVERIFY(steps.size() >= 4);
    QCOMPARE(steps.last(), QFileInfo(src).size());
    // A source that is gone fails without touching the target.
    QVERIFY(!kopierFil(dir.filePath("findes ikke"), dst, {}, &fejl));
    QVERIFY(fejl.iKilden);
    QCOMPARE(fejl.aarsag, QStringLiteral("Elementet findes ikke."));
    QCOMPARE(QFileInfo(dst).size(), QFileInfo(src).size());
    // A new file never replaces one that is there.
    QVERIFY(!skrivNyFil("ny", dst, false, &fejl));
    QCOMPARE(QFileInfo(dst).size(), QFileInfo(src).size());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Hidden | QDir::Files).size(), 2);
}

QTEST_MAIN(TstFaults)
#include "tst_faults.moc"
