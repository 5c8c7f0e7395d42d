// htmlbench [--findings] [--carets] [FILE]: how the HTML engine's tree reading, checks and caret
// reading scale. Without FILE it generates pages of 10 KB, 5 MB and 10 MB.
#include "core/text/doctext.h"
#include "core/text/paths.h"
#include "core/text/textfile.h"
#include "html/infotag.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>
#include <algorithm>
#include <cstdio>
#include <ctime>

using namespace taglund;

namespace {

QString programDir()
{
    const QString installed = joinPath(installRoot(), QStringLiteral("Program/"));
    if (QFileInfo::exists(joinPath(installed, QStringLiteral("Dir/Html/AlleKoder.txt"))))
        return installed;
    // The source tree's copy of the knowledge base.
    return QFileInfo(QStringLiteral(__FILE__)).dir().filePath(QStringLiteral("../data/Program/"));
}

QString section(int n)
{
    return QStringLiteral(
               "<section id=\"s%1\" class=\"blok\">\r\n"
               "  <h2>Afsnit %1</h2>\r\n"
               "  <nav><ul><li><a href=\"#s%1\">Til toppen</a></li><li><a href=\"side%1.html\" "
               "target=\"_blank\">Side</a></li></ul></nav>\r\n"
               "  <p>Tekst med <b>fed</b>, <i>kursiv</i> og <span style=\"color: red\">farve</span>.<br>\r\n"
               "  Mere tekst <img src=\"billede%1.png\" alt=\"Billede\" width=\"20\"> og et link "
               "<a href=\"https://example.org/%1\">her</a>.</p>\r\n"
               "  <table><thead><tr><th>Navn</th><th>Værdi</th></tr></thead><tbody><tr><td>a</td><td>%1</td>"
               "</tr></tbody></table>\r\n"
               "  <form action=\"send.asp\" method=\"post\"><label for=\"f%1\">Felt</label><input id=\"f%1\" "
               "type=\"text\" name=\"felt\" required><select name=\"v\"><option value=\"1\">En</option>"
               "</select><button type=\"submit\">Send</button></form>\r\n"
               "</section>\r\n")
        .arg(n);
}

QString generatedPage(qint64 bytes)
{
    QString page = QStringLiteral(
        "<!DOCTYPE html>\r\n<html lang=\"da\">\r\n<head>\r\n<meta charset=\"utf-8\">\r\n<title>Prøve</title>\r\n"
        "<link rel=\"stylesheet\" href=\"design.css\">\r\n<style>\r\np { color: #333; }\r\n</style>\r\n"
        "<script>\r\nfunction f(a, b) { return a < b; }\r\n</script>\r\n</head>\r\n<body>\r\n");
    for (int n = 1; page.size() < bytes; ++n)
        page += section(n);
    return page + QStringLiteral("</body>\r\n</html>\r\n");
}

qint64 threadNs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

double msSince(const QElapsedTimer &t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

bool g_findings = false;
bool g_caretsOnly = false;  // --carets: only the caret readings, many rounds (for a profiler)

// With --findings: the nodes a check marked, with their remarks.
void printFindings(const Tinfotag &engine)
{
    const TTagTree &tree = *engine.tree();
    int shown = 0;
    for (int id : tree.preOrder()) {
        if (tree.node(id).remark.isEmpty() || ++shown > 40)
            continue;
        std::printf("    %s  (@%d)\n", qPrintable(tree.text(id)), tree.node(id).data.Index);
    }
}

void measure(const QString &label, const QString &text, const QString &file)
{
    Tinfotag engine;
    engine.setDirs(TKnowledgeDirs::fromProgramDir(programDir()));
    QString message;
    if (!engine.LoadKnowledge(&message)) {
        std::printf("%s\n", qPrintable(message));
        return;
    }
    QTextDocument doc;
    TDocText t(&doc);
    t.setText(text);
    engine.setEditor(&t);
    std::printf("== %s: %lld characters, %d lines\n", qPrintable(label), qlonglong(text.size()), t.LineCount());

    if (g_caretsOnly) {
        const int length = t.Length();
        QElapsedTimer all;
        all.start();
        for (int i = 0; i < 200000; ++i) {
            t.setSelStart(int(qint64(length) * (i % 1000) / 999));
            engine.GetTag();
        }
        std::printf("200000 GetTag      %10.2f ms\n", msSince(all));
        return;
    }
    QElapsedTimer timer;
    timer.start();
    engine.ReadStructure();
    const double read = msSince(timer);
    std::printf("ReadStructure      %10.2f ms  %d nodes\n", read, engine.tree()->count());

    double checks = 0;
    const struct {
        const char *name;
        int mode;
    } runs[] = {{"EndtagsKontrol", 1}, {"ForMangeEndtag", 4}, {"KodeKontrol", 2}, {"AttributeKontrol", 3}};
    for (const auto &r : runs) {
        timer.restart();
        const int found = engine.Kontrol(r.mode);
        const double ms = msSince(timer);
        checks += ms;
        std::printf("%-18s %10.2f ms  %d findings\n", r.name, ms, found);
        if (g_findings)
            printFindings(engine);
    }
    std::printf("tree + four checks %10.2f ms\n", read + checks);

    // A thousand carets spread evenly through the text. In a large document
    // the first reading copies the text, and the first that must look far
    // back builds the tag index, once (edits then keep both up to date); the
    // caret before the last end tags is such a place, so that cost is shown
    // on its own.
    const int length = t.Length();
    const qsizetype bodyEnd = text.lastIndexOf(QStringLiteral("</body>"), -1, Qt::CaseInsensitive);
    t.setSelStart(bodyEnd < 0 ? length : t.CaretFromTextIndex(int(bodyEnd)));
    timer.restart();
    engine.GetTag();
    std::printf("first GetTag       %10.4f ms%s\n", msSince(timer),
                engine.hasTagIndex() ? "  (copied the text, built the tag index)" : "");
    // Only the readings are timed, as wall time and as this thread's
    // processor time (which a shared machine's other work does not swell;
    // its clock costs about a microsecond a reading itself). Of three
    // rounds the quickest counts.
    double bestWall = 0, bestCpu = 0;
    for (int round = 0; round < 3; ++round) {
        qint64 wall = 0, cpu = 0;
        for (int i = 0; i < 1000; ++i) {
            t.setSelStart(int(qint64(length) * i / 999));
            const qint64 before = threadNs();
            timer.restart();
            engine.GetTag();
            wall += timer.nsecsElapsed();
            cpu += threadNs() - before;
        }
        const double w = double(wall) / 1e9, c = double(cpu) / 1e9;  // ms per reading
        bestWall = round == 0 ? w : std::min(bestWall, w);
        bestCpu = round == 0 ? c : std::min(bestCpu, c);
    }
    std::printf("GetTag mean        %10.4f ms wall, %.4f ms processor, over 1000 carets\n", bestWall, bestCpu);

    if (!file.isEmpty()) {
        const QString tidy = QStandardPaths::findExecutable(QStringLiteral("tidy"));
        if (!tidy.isEmpty()) {
            QProcess p;
            timer.restart();
            p.start(tidy, {QStringLiteral("-q"), QStringLiteral("-e"), file});
            p.waitForFinished(600000);
            std::printf("tidy -q -e         %10.2f ms\n", msSince(timer));
        }
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments();
    g_findings = args.removeAll(QStringLiteral("--findings")) > 0;
    g_caretsOnly = args.removeAll(QStringLiteral("--carets")) > 0;
    if (args.size() > 1) {
        QByteArray bytes;
        QString error;
        if (!TextFile::readBytes(args[1], bytes, &error)) {
            std::fprintf(stderr, "Filen kan ikke læses: %s\n", qPrintable(error));
            return 1;
        }
        measure(args[1], TextFile::decodeDocument(bytes).text, args[1]);
        return 0;
    }
    QTemporaryDir dir;
    for (const qint64 size : {qint64(10) * 1024, qint64(5) * 1024 * 1024, qint64(10) * 1024 * 1024}) {
        const QString page = generatedPage(size);
        const QString file = dir.filePath(QStringLiteral("side%1.html").arg(size));
        TextFile::writeBytes(file, page.toUtf8());
        measure(QStringLiteral("generated %1 KB page").arg(size / 1024), page, file);
    }
    return 0;
}
