// Times the find box's folder search against `grep -c -F` on the same files.
//   findbench               2,000 generated text files (40 MB) in a temporary folder
//   findbench FOLDER TEXT   the files of FOLDER (not its sub-folders), searched for TEXT
// Each side runs once to warm the file cache, then the median of five runs
// is printed, first with letter case significant (as grep -F), then folded
// (as grep -F -i). Target: within 2x of grep.
#include "filebox/findmotor.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

using namespace taglund;

namespace {

const char *const kOrd[] = {
    "dokument", "mappe",   "filen",    "side",     "tekst",   "linje",   "element", "attribut", "værdi",
    "struktur", "skabelon", "kode",    "script",   "hjemmeside", "farve", "billede", "tabel",   "liste",
    "overskrift", "afsnit", "og",      "i",        "på",      "med",     "til",     "af",      "det",
    "en",       "er",      "som",      "for",      "den",     "at",      "der",     "ikke",    "<p>",
    "</p>",     "<div>",   "</div>",   "class=\"boks\"", "href=\"#\"", "søg", "find", "erstat", "gem",
};

// 2,000 files of about 20 KB: lines of words, CR LF; every tenth file holds the text a few times.
bool generate(const QString &folder, const QString &text)
{
    quint32 seed = 20261210;
    auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return seed >> 8;
    };
    const int words = int(sizeof kOrd / sizeof *kOrd);
    for (int f = 0; f < 2000; ++f) {
        QByteArray body;
        body.reserve(21000);
        int line = 0;
        while (body.size() < 20 * 1024) {
            const int n = 6 + int(next() % 10);
            for (int w = 0; w < n; ++w) {
                if (w)
                    body += ' ';
                body += kOrd[next() % words];
            }
            if (f % 10 == 0 && line % 50 == 7)
                body += ' ' + text.toUtf8();
            body += "\r\n";
            ++line;
        }
        QFile out(QDir(folder).filePath(QStringLiteral("side%1.html").arg(f, 4, 10, QLatin1Char('0'))));
        if (!out.open(QIODevice::WriteOnly) || out.write(body) != body.size())
            return false;
    }
    return true;
}

double median(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double timeEngine(const QString &folder, const QString &text, bool matchCase, qsizetype *rows)
{
    QList<double> times;
    for (int run = 0; run < 6; ++run) {
        QElapsedTimer t;
        t.start();
        FindOptions o;
        o.matchCase = matchCase;
        TMappeSoegning s(folder, QStringLiteral("*.*"), false, TFindMoenster(text, o));
        QList<TFundRaekke> found;
        s.resten(found);
        if (run)
            times << t.nsecsElapsed() / 1e9;
        *rows = found.size();
    }
    return median(times);
}

double timeGrep(const QStringList &files, const QString &text, bool matchCase, qint64 *lines)
{
    QStringList args{QStringLiteral("-c"), QStringLiteral("-F")};
    if (!matchCase)
        args << QStringLiteral("-i");
    args << QStringLiteral("--") << text << files;
    QList<double> times;
    for (int run = 0; run < 6; ++run) {
        QProcess grep;
        grep.setProcessChannelMode(QProcess::SeparateChannels);
        QElapsedTimer t;
        t.start();
        grep.start(QStringLiteral("grep"), args);
        grep.waitForFinished(-1);
        const QByteArray out = grep.readAllStandardOutput();
        if (run)
            times << t.nsecsElapsed() / 1e9;
        *lines = 0;
        for (const QByteArray &l : out.split('\n'))
            *lines += l.mid(l.lastIndexOf(':') + 1).toLongLong();
    }
    return median(times);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir tmp;
    QString folder;
    QString text;
    if (argc >= 3) {
        folder = QString::fromLocal8Bit(argv[1]);
        text = QString::fromLocal8Bit(argv[2]);
    } else {
        folder = tmp.path();
        text = QStringLiteral("Taglund");
        std::printf("generating 2000 files in %s\n", qPrintable(folder));
        if (!generate(folder, text)) {
            std::fprintf(stderr, "could not write the files\n");
            return 1;
        }
    }
    QStringList files;
    qint64 bytes = 0;
    for (const QFileInfo &fi : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name)) {
        files << fi.filePath();
        bytes += fi.size();
    }
    if (files.isEmpty()) {
        std::fprintf(stderr, "no files in %s\n", qPrintable(folder));
        return 1;
    }
    std::printf("%lld files, %.1f MB, text \"%s\"\n", qlonglong(files.size()), bytes / 1048576.0, qPrintable(text));

    qsizetype rows = 0;
    qint64 lines = 0;
    const double ours = timeEngine(folder, text, true, &rows);
    const double grep = timeGrep(files, text, true, &lines);
    std::printf("find i mappe (store/små skelnes): %.4f s, %lld rows\n", ours, qlonglong(rows));
    std::printf("grep -c -F:                       %.4f s, %lld lines\n", grep, qlonglong(lines));
    const double oursI = timeEngine(folder, text, false, &rows);
    const double grepI = timeGrep(files, text, false, &lines);
    std::printf("find i mappe (store/små ens):     %.4f s, %lld rows\n", oursI, qlonglong(rows));
    std::printf("grep -c -F -i:                    %.4f s, %lld lines\n", grepI, qlonglong(lines));
    std::printf("ratio %.2f (case folded: %.2f); target: within 2x of grep\n", ours / grep, oursI / grepI);
    return 0;
}
