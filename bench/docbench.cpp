// Opening, measuring and typing in large documents, typing while a
// recovery copy of the document is being written, and the same with the
// code coloured and without.
//   build/bench/docbench [FILE]   (without FILE: generated 1 MB and 50 MB pages, a 10 MB page for the
//                                  copies and a 1 MB page of mixed HTML, CSS and script for the colouring)
//   build/bench/docbench --colour [FILE]
//                                 only the colouring figures (without FILE: the generated 1 MB mixed page)
//   build/bench/docbench --open FILE
//                                 one document opened in a process of its own: time to its window, to
//                                 ready, to the full line count, a key press, and the peak memory. The
//                                 run without FILE does this for a 2.5 MB mixed page and the 50 MB page.
//                                 Last, the time Qt's text document alone takes to hold the same text:
//                                 the floor under "ready" while documents are held in it.
#include "core/recovery/gendanskriver.h"
#include "core/winform.h"
#include "core/text/charsetdecision.h"
#include "core/text/piecedecoder.h"
#include "core/text/textfile.h"
#include "highlight/farver.h"
#include "highlight/kodevisning.h"
#include "html/tagset.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

using namespace taglund;

// A document window for the file, made and shown as the program does it.
static std::unique_ptr<Twinform> shownWindow(const QString &path)
{
    Twinform::Oprettelse o;
    o.DocNo = 1;
    o.Filnavn = path;
    auto w = std::make_unique<Twinform>(o);
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    w->resize(1000, 700);
    w->show();
    return w;
}

static void measure(const QString &path)
{
    QElapsedTimer t;
    t.start();
    {
        QByteArray bytes;
        TextFile::readBytes(path, bytes);
        const qint64 read = t.elapsed();
        const DecodedText d = TextFile::decodeDocument(bytes);
        const qint64 decode = t.elapsed();
        const QString editor = toEditorBreaks(d.text);
        std::printf("%-12s read %lld ms, decode %lld ms, breaks %lld ms\n", qPrintable(QFileInfo(path).fileName()),
                    read, decode - read, t.elapsed() - decode);
    }
    t.restart();
    const std::unique_ptr<Twinform> window = shownWindow(path);
    Twinform &w = *window;
    QString error;
    if (!w.loadFile(path, &error)) {
        std::printf("cannot read %s: %s\n", qPrintable(path), qPrintable(error));
        return;
    }
    QCoreApplication::processEvents();
    const qint64 load = t.elapsed();
    t.restart();
    w.text().setSelStart(w.text().Length() / 2);
    w.XYinfo();
    const qint64 measureFirst = t.elapsed();
    t.restart();
    const int keys = 20;
    for (int i = 0; i < keys; ++i)
        QTest::keyClick(w.editorWidget(), Qt::Key_A);
    const double perKey = double(t.elapsed()) / keys;
    t.restart();
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(w.editorWidget(), Qt::Key_PageDown);
    const double perPage = double(t.elapsed()) / 10;
    std::printf("%-12s %9.1f MB  open %6lld ms  first caret measure %6lld ms  key %7.2f ms  page down %7.2f ms  lines %d\n",
                qPrintable(QFileInfo(path).fileName()), double(QFileInfo(path).size()) / 1e6, load, measureFirst,
                perKey, perPage, w.LinieAntal);
}

// Key presses with no copy being written, then key presses while the
// writing thread encodes and writes a copy of the whole document.
static void measureCopies(const QString &path)
{
    const std::unique_ptr<Twinform> window = shownWindow(path);
    Twinform &w = *window;
    QString error;
    if (!w.loadFile(path, &error))
        return;
    QCoreApplication::processEvents();
    w.text().setSelStart(w.text().Length() / 2);
    QTemporaryDir dir;
    TGendanSkriver writer(dir.path());
    TGendanPost meta;
    meta.original = path;
    meta.docExt = QStringLiteral(".html");
    qint64 plainNs = 0, copyNs = 0, snapshotNs = 0;
    int plainKeys = 0, copyKeys = 0;
    const int rounds = 5;
    // Each phase types on a line of its own, as a line's length changes the
    // cost of a key; the phase without copies types as many keys as the
    // phase before it did while its copy was written.
    int line = 0;
    auto freshLine = [&] {
        line += 1000;
        w.text().setSelStart(w.text().LineIndex(std::min(line, w.text().LineCount() - 1)));
    };
    for (int r = 0; r < rounds; ++r) {
        freshLine();
        QElapsedTimer t;
        t.start();
        QString snapshot = w.text().document()->toRawText();
        snapshotNs += t.nsecsElapsed();
        const int before = writer.antalKopier();
        meta.tid = QDateTime::currentDateTimeUtc();
        writer.skriv(1, meta, snapshot);
        snapshot.clear();
        t.restart();
        int n = 0;
        for (; writer.antalKopier() == before; ++n)
            QTest::keyClick(w.editorWidget(), Qt::Key_B);
        copyNs += t.nsecsElapsed();
        copyKeys += n;
        freshLine();
        t.restart();
        for (int i = 0; i < n; ++i)
            QTest::keyClick(w.editorWidget(), Qt::Key_A);
        plainNs += t.nsecsElapsed();
        plainKeys += n;
    }
    const double plain = double(plainNs) / plainKeys / 1e6;
    const double copying = copyKeys ? double(copyNs) / copyKeys / 1e6 : 0;
    std::printf("%-12s %9.1f MB  key without copies %7.2f ms  key while a copy is written %7.2f ms (%d keys, %.2fx)"
                "  snapshot %6.1f ms  copy %6.1f ms\n",
                qPrintable(QFileInfo(path).fileName()), double(QFileInfo(path).size()) / 1e6, plain, copying, copyKeys,
                plain > 0 ? copying / plain : 0.0, double(snapshotNs) / rounds / 1e6, double(copyNs) / rounds / 1e6);
}

// Opening a page and typing in it, with colouring (and the current line and
// matching tag) on and off. Each figure is the median of several runs.
static void measureColouring(const QString &path)
{
    TTagSet noEnd;
    noEnd.setEntries(TTagPartner::builtInNoEndTags());
    struct Figures {
        double open, full, key, startTag, endTag;
    };
    auto run = [&](bool colour) {
        QElapsedTimer t;
        t.start();
        const std::unique_ptr<Twinform> window = shownWindow(path);
        Twinform &w = *window;
        QString error;
        w.loadFile(path, &error);
        if (colour)
            (new TKodeVisning(w.plainEditor(), QStringLiteral(".html"), noEnd))->setValg({true, true});
        QCoreApplication::processEvents();
        Figures f{};
        f.open = double(t.nsecsElapsed()) / 1e6;
        // The rest of the page is coloured while the program is idle.
        if (TKodeVisning *v = TKodeVisning::of(w.plainEditor()); v && v->farver()) {
            while (!v->farver()->alleFarvet())
                QCoreApplication::processEvents();
            f.full = double(t.nsecsElapsed()) / 1e6;
        }
        w.text().setSelStart(w.text().LineIndex(w.text().LineCount() / 2) + 1);
        QCoreApplication::processEvents();
        const int keys = 20;
        t.restart();
        for (int i = 0; i < keys; ++i) {
            QTest::keyClick(w.editorWidget(), Qt::Key_A);
            QCoreApplication::processEvents();
        }
        f.key = double(t.nsecsElapsed()) / 1e6 / keys;
        if (TKodeVisning *v = TKodeVisning::of(w.plainEditor())) {
            // The worst start tag looks for its end tag through the whole page;
            // an end tag finds its start tag in the index.
            w.text().setSelStart(w.text().FindText(QStringLiteral("<body"), 0, w.text().Length()) + 2);
            t.restart();
            v->markNow();
            f.startTag = double(t.nsecsElapsed()) / 1e6;
            w.text().setSelStart(w.text().FindText(QStringLiteral("</body"), 0, w.text().Length()) + 2);
            t.restart();
            v->markNow();
            f.endTag = double(t.nsecsElapsed()) / 1e6;
        }
        return f;
    };
    auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    std::vector<double> open[2], key[2], startTag, endTag, full;
    for (int i = 0; i < 5; ++i) {
        for (int colour = 0; colour < 2; ++colour) {
            const Figures f = run(colour);
            open[colour].push_back(f.open);
            key[colour].push_back(f.key);
            if (colour) {
                full.push_back(f.full);
                startTag.push_back(f.startTag);
                endTag.push_back(f.endTag);
            }
        }
    }
    const double o0 = median(open[0]), o1 = median(open[1]), k0 = median(key[0]), k1 = median(key[1]);
    std::printf("%-12s %9.1f MB  uncoloured: open %7.1f ms  key %6.2f ms\n", qPrintable(QFileInfo(path).fileName()),
                double(QFileInfo(path).size()) / 1e6, o0, k0);
    std::printf("%-12s %9.1f MB  coloured:   open %7.1f ms  key %6.2f ms  (open %.2fx, key %.2fx)"
                "  coloured in full %.1f ms  matching tag: start tag %.2f ms, end tag %.2f ms\n",
                qPrintable(QFileInfo(path).fileName()), double(QFileInfo(path).size()) / 1e6, o1, k1, o1 / o0,
                k1 / k0, median(full), median(startTag), median(endTag));
}

// A page of the usual mix: a style sheet, paragraphs with links and
// entities, comments, and script blocks.
static QByteArray mixedPage(int bytes)
{
    QByteArray page = "<!DOCTYPE html>\r\n<html lang=\"da\">\r\n<head>\r\n<meta charset=\"utf-8\">\r\n<style>\r\n"
                      "body { margin: 0; font-family: sans-serif; }\r\n.nav > li a:hover { color: #c00; }\r\n"
                      "</style>\r\n</head>\r\n<body>\r\n";
    const QByteArray block =
        "<div class=\"kort\" style=\"padding: 4px\">\r\n"
        "  <h2>Overskrift &amp; mere</h2>\r\n"
        "  <p>Lorem ipsum <a href=\"side.html#top\">dolor</a> sit amet, <b>consectetur</b> adipiscing.</p>\r\n"
        "  <!-- en kommentar -->\r\n"
        "  <script>\r\n  var n = 10; /* tal */ if (n > 2) { document.title = \"x\"; }\r\n  </script>\r\n"
        "</div>\r\n";
    while (page.size() < bytes)
        page += block;
    return page + "</body>\r\n</html>\r\n";
}

static double peakMemoryMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

// As the program opens a document: the window on screen, then the text read
// into it; ready once the first screen is drawn and a key is answered; the
// full line count of a page whose lines are split needs every paragraph laid out.
static void measureOpen(const QString &path)
{
    QElapsedTimer t;
    t.start();
    const std::unique_ptr<Twinform> window = shownWindow(path);
    Twinform &w = *window;
    QCoreApplication::processEvents();
    const double shown = double(t.nsecsElapsed()) / 1e6;
    QString error;
    if (!w.loadFile(path, &error)) {
        std::printf("cannot read %s: %s\n", qPrintable(path), qPrintable(error));
        return;
    }
    w.editorWidget()->repaint();
    QTest::keyClick(w.editorWidget(), Qt::Key_Right);
    QCoreApplication::processEvents();
    const double ready = double(t.nsecsElapsed()) / 1e6;
    const int lines = w.text().LineCount();
    const double full = double(t.nsecsElapsed()) / 1e6;
    std::vector<double> keys;
    for (int i = 0; i < 21; ++i) {
        t.restart();
        QTest::keyClick(w.editorWidget(), Qt::Key_A);
        QCoreApplication::processEvents();
        keys.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(keys.begin(), keys.end());
    std::printf("%-16s %6.1f MB  %s  window %6.1f ms  ready %7.1f ms  full line count %7.1f ms (%d lines)"
                "  key %5.2f ms  peak memory %6.1f MiB\n",
                qPrintable(QFileInfo(path).fileName()), double(QFileInfo(path).size()) / 1e6,
                w.splitLines() ? "split  " : "unsplit", shown, ready, full, lines, keys[keys.size() / 2],
                peakMemoryMiB());

    QByteArray bytes;
    TextFile::readBytes(path, bytes);
    TPieceDecoder pieces(bytes, declaredDocumentEncoding(bytes, QFileInfo(path).suffix()));
    const QString text = pieces.rest();
    QTextDocument bare;
    bare.setUndoRedoEnabled(false);
    t.restart();
    bare.setPlainText(text);
    std::printf("%-16s Qt's text document alone holds the text in %7.1f ms\n",
                qPrintable(QFileInfo(path).fileName()), double(t.nsecsElapsed()) / 1e6);
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc > 2 && qstrcmp(argv[1], "--open") == 0) {
        measureOpen(QString::fromLocal8Bit(argv[2]));
        return 0;
    }
    QTemporaryDir dir;
    const QString mixed = dir.filePath(QStringLiteral("farver1mb.html"));
    TextFile::writeBytes(mixed, mixedPage(1000000));
    if (argc > 1 && qstrcmp(argv[1], "--colour") == 0) {
        measureColouring(argc > 2 ? QString::fromLocal8Bit(argv[2]) : mixed);
        return 0;
    }
    if (argc > 1) {
        measure(QString::fromLocal8Bit(argv[1]));
        measureCopies(QString::fromLocal8Bit(argv[1]));
        measureColouring(QString::fromLocal8Bit(argv[1]));
        return 0;
    }
    measureColouring(mixed);
    const QString real = dir.filePath(QStringLiteral("side2,5mb.html"));
    TextFile::writeBytes(real, mixedPage(2500000));
    std::fflush(stdout);
    QProcess::execute(QCoreApplication::applicationFilePath(), {QStringLiteral("--open"), real});
    const QByteArray line = "<p class=\"x\">Lorem ipsum dolor sit amet, consectetur adipiscing elit, sed do eiusmod.</p>\r\n";
    for (int mb : {1, 50, 10}) {
        QByteArray page;
        page.reserve(mb * 1000000 + line.size());
        while (page.size() < mb * 1000000)
            page += line;
        const QString f = dir.filePath(QString("page%1mb.html").arg(mb));
        TextFile::writeBytes(f, page);
        if (mb == 10)
            measureCopies(f);
        else
            measure(f);
        if (mb == 50) {
            std::fflush(stdout);
            QProcess::execute(QCoreApplication::applicationFilePath(), {QStringLiteral("--open"), f});
        }
    }
    return 0;
}
