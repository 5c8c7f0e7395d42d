// Times the program's start: making the main window (paths, settings, file
// types, recent lists, tag knowledge, panels) and its first show, over a
// fresh install root with the shipped knowledge base. Prints the median of
// several starts in one process.
#include "app/mainform.h"
#include "ui/appsetup.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace taglund;

namespace {

bool copyTree(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    return QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-r"), from + QStringLiteral("/."), to}) == 0;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ui::setUpApplication(app);
    QTemporaryDir root;
    qputenv("TAGLUND_ROOT", root.path().toLocal8Bit());
    const QString data = qEnvironmentVariable("TAGLUND_DATA", QStringLiteral(TAGLUND_SOURCE_DIR "/data"));
    if (!copyTree(data, root.path())) {
        std::fprintf(stderr, "kunne ikke kopiere %s\n", qPrintable(data));
        return 1;
    }
    std::vector<double> made, shown;
    for (int i = 0; i < 7; ++i) {
        QElapsedTimer t;
        t.start();
        auto *w = new Tmainform(QCoreApplication::applicationDirPath(), {});
        made.push_back(t.nsecsElapsed() / 1e6);
        w->show();
        QCoreApplication::processEvents();
        shown.push_back(t.nsecsElapsed() / 1e6);
        w->lukProgram();
        delete w;
        QCoreApplication::processEvents();
    }
    std::printf("main window made:          %8.1f ms (median of %zu)\n", median(made), made.size());
    std::printf("start to first show:       %8.1f ms (median of %zu)\n", median(shown), shown.size());
    return 0;
}
