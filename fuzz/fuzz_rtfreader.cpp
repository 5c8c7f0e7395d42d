// Feeds arbitrary bytes to the RTF reader. Besides crashes, hangs, leaks and
// undefined behaviour, it checks that whatever was read writes out as RTF
// that reads back, undamaged, to the same text.

#include "core/rtf/rtfreader.h"
#include "core/rtf/rtfwriter.h"

#include <QGuiApplication>
#include <QTextDocument>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // QTextDocument needs a GUI application; one for the whole run.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_rtfreader";
    static char *argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // No copy: a read past the input's end lands outside the fuzzer's buffer
    // and is reported.
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QTextDocument doc;
    const taglund::RtfReadResult r = taglund::readRtf(bytes, &doc);
    if (!r.readable)
        return 0;
    QTextDocument back;
    const taglund::RtfReadResult again = taglund::readRtf(taglund::writeRtf(&doc), &back);
    if (!again.readable || again.damaged || back.toPlainText() != doc.toPlainText() ||
        back.blockCount() != doc.blockCount()) {
        std::fprintf(stderr, "RTF written from a read document does not read back the same\n");
        std::abort();
    }
    return 0;
}
