// Reads a large RTF file into a QTextDocument and prints how long it took.
// Usage: rtfbench [file.rtf]; without a file a 5 MB document of mixed
// formatting (fonts, sizes, colours, escapes, lists, a picture) is made.

#include "core/rtf/rtfreader.h"
#include "core/rtf/rtfwriter.h"
#include "core/text/textfile.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTextDocument>
#include <cstdio>
#include <ctime>

using namespace taglund;

namespace {

QByteArray makeDocument(qsizetype target)
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman Times New Roman;}"
                     "{\\f2\\fmodern Courier New;}{\\f3\\fcharset2 Symbol;}}"
                     "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue0;\\red0\\green0\\blue255;}"
                     "{\\stylesheet{\\s0 Normal;}}{\\info{\\title Benchmark}}\r\n";
    rtf += "{\\pict\\pngblip " + QByteArray(4000, 'a') + "}\r\n";
    int n = 0;
    while (rtf.size() < target) {
        ++n;
        if (n % 7 == 0)
            rtf += "\\pard\\fi-360\\li720{\\pntext\\f3\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf3{\\pntxtb\\'b7}}";
        else
            rtf += (n % 3 == 0) ? "\\pard\\qc " : "\\pard\\ql\\sa120 ";
        rtf += "{\\f0\\fs20 Afsnit " + QByteArray::number(n) + " med almindelig tekst og }";
        rtf += "{\\b\\f1\\fs24\\cf1 fed r\\'f8d tekst}";
        rtf += "{\\i\\f2\\fs18 kursiv \\u945?\\u946?\\u947? og \\'e6\\'f8\\'e5}";
        rtf += "{\\ul\\cf3 understreget \\{ klammer \\} og \\\\ skr\\'e5streg}";
        rtf += " og lidt mere tekst uden formatering, s\\'e5 linjen bliver lang nok.\\par\r\n";
    }
    rtf += "}";
    return rtf;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QByteArray bytes;
    if (argc > 1) {
        QString error;
        if (!TextFile::readBytes(QString::fromLocal8Bit(argv[1]), bytes, &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
    } else {
        bytes = makeDocument(5 * 1024 * 1024);
    }

    QTextDocument doc;
    // Wall time, and the processor time that shows the cost on a busy machine.
    QElapsedTimer t;
    t.start();
    std::clock_t cpu = std::clock();
    const RtfReadResult r = readRtf(bytes, &doc);
    const qint64 readMs = t.elapsed();
    const double readCpuMs = double(std::clock() - cpu) * 1000.0 / CLOCKS_PER_SEC;
    if (!r.readable) {
        std::fprintf(stderr, "%s\n", qPrintable(r.error));
        return 1;
    }
    t.restart();
    cpu = std::clock();
    const QByteArray written = writeRtf(&doc);
    const qint64 writeMs = t.elapsed();
    const double writeCpuMs = double(std::clock() - cpu) * 1000.0 / CLOCKS_PER_SEC;

    std::printf("RTF-læsning: %.1f MB, %d afsnit, %lld ms (processortid %.0f ms)\n", bytes.size() / 1048576.0,
                doc.blockCount(), static_cast<long long>(readMs), readCpuMs);
    std::printf("RTF-skrivning: %.1f MB, %lld ms (processortid %.0f ms)\n", written.size() / 1048576.0,
                static_cast<long long>(writeMs), writeCpuMs);
    return 0;
}
