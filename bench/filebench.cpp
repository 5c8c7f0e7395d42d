// Times the file box engine's paste against `cp -r` on the same tree: a
// folder of 10,000 small files and one 1 GB file. Target: within 1.5x of cp.
// FILEBENCH_SMALL and FILEBENCH_BIG_MB change the sizes; FILEBENCH_DIR the
// folder the trees are made in (default: the system's temporary folder).
#include "filebox/handlinger.h"
#include "filebox/stilledialoger.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <unistd.h>

using namespace taglund;

namespace {

int envInt(const char *name, int fallback)
{
    bool ok = false;
    const int v = qEnvironmentVariableIntValue(name, &ok);
    return ok && v > 0 ? v : fallback;
}

bool makeSource(const QString &src, int small, int bigMb)
{
    const QString folder = src + QStringLiteral("/smaa");
    if (!QDir().mkpath(folder))
        return false;
    QByteArray text(1000, 'a');
    for (int i = 0; i < small; ++i) {
        QFile f(folder + QStringLiteral("/fil%1.txt").arg(i, 5, 10, QLatin1Char('0')));
        if (!f.open(QIODevice::WriteOnly))
            return false;
        text[i % text.size()] = char('a' + i % 26);
        f.write(text.left(200 + i % 800));
    }
    QFile big(src + QStringLiteral("/stor.bin"));
    if (!big.open(QIODevice::WriteOnly))
        return false;
    QByteArray chunk(1 << 20, 0);
    for (int i = 0; i < chunk.size(); ++i)
        chunk[i] = char((i * 2654435761u) >> 24);
    for (int mb = 0; mb < bigMb; ++mb) {
        chunk[mb % chunk.size()] = char(mb);
        if (big.write(chunk) != chunk.size())
            return false;
    }
    return true;
}

double timeCp(const QString &src, const QString &dst)
{
    QDir(dst).removeRecursively();
    QDir().mkpath(dst);
    // Neither copy pays for writing back what the one before left in memory.
    ::sync();
    QElapsedTimer t;
    t.start();
    const int rc = QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-r"), src, dst});
    const double s = t.nsecsElapsed() / 1e9;
    return rc == 0 ? s : -1;
}

double timeEngine(const QString &src, const QString &dst)
{
    QDir(dst).removeRecursively();
    QDir().mkpath(dst);
    TListeModel liste;
    TStilleDialoger boxes;
    THandlinger funk;
    funk.Struktur2 = &liste;
    funk.setDialoger(&boxes);
    funk.setFremdriftsVindue(&boxes);
    funk.makeStruktur2(dst, true, true);
    funk.InitRegister();
    if (!funk.RegisterElements(src))
        return -1;
    ::sync();
    QElapsedTimer t;
    t.start();
    const int n = funk.PasteElementer(false);
    const double s = t.nsecsElapsed() / 1e9;
    return n == 1 ? s : -1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int small = envInt("FILEBENCH_SMALL", 10000);
    const int bigMb = envInt("FILEBENCH_BIG_MB", 1024);
    const QString base = qEnvironmentVariable("FILEBENCH_DIR", QDir::tempPath());
    QTemporaryDir dir(base + QStringLiteral("/filebench-XXXXXX"));
    if (!dir.isValid()) {
        std::fprintf(stderr, "filebench: cannot make a folder in %s\n", qPrintable(base));
        return 1;
    }
    const QString src = dir.filePath(QStringLiteral("kilde"));
    std::printf("filebench: %d small files and one %d MB file in %s\n", small, bigMb, qPrintable(dir.path()));
    if (!makeSource(src, small, bigMb)) {
        std::fprintf(stderr, "filebench: cannot write the source tree\n");
        return 1;
    }
    double cp = 1e9, engine = 1e9;
    // Alternating which goes first, the best of each counts.
    for (int round = 0; round < 3; ++round) {
        double c = 0, e = 0;
        if (round % 2 == 0) {
            c = timeCp(src, dir.filePath(QStringLiteral("cp")));
            e = timeEngine(src, dir.filePath(QStringLiteral("motor")));
        } else {
            e = timeEngine(src, dir.filePath(QStringLiteral("motor")));
            c = timeCp(src, dir.filePath(QStringLiteral("cp")));
        }
        if (c < 0 || e < 0) {
            std::fprintf(stderr, "filebench: a copy failed\n");
            return 1;
        }
        std::printf("round %d: cp -r %.3f s, engine %.3f s\n", round + 1, c, e);
        cp = std::min(cp, c);
        engine = std::min(engine, e);
        QDir(dir.filePath(QStringLiteral("cp"))).removeRecursively();
        QDir(dir.filePath(QStringLiteral("motor"))).removeRecursively();
    }
    std::printf("cp -r: %.3f s\nengine: %.3f s\n", cp, engine);
    std::printf("ratio %.2f (engine / cp, target at most 1.50)\n", engine / cp);
    return 0;
}
