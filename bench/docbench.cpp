// Opening, measuring and typing in large documents.
//   build/bench/docbench [FILE]   (without FILE: generated 1 MB and 50 MB pages)
#include "core/winform.h"
#include "core/text/textfile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

using namespace taglund;

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
    Twinform::Oprettelse o;
    o.DocNo = 1;
    o.Filnavn = path;
    Twinform w(o);
    w.resize(1000, 700);
    w.show();
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

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc > 1) {
        measure(QString::fromLocal8Bit(argv[1]));
        return 0;
    }
    QTemporaryDir dir;
    const QByteArray line = "<p class=\"x\">Lorem ipsum dolor sit amet, consectetur adipiscing elit, sed do eiusmod.</p>\r\n";
    for (int mb : {1, 50}) {
        QByteArray page;
        page.reserve(mb * 1000000 + line.size());
        while (page.size() < mb * 1000000)
            page += line;
        const QString f = dir.filePath(QString("page%1mb.html").arg(mb));
        TextFile::writeBytes(f, page);
        measure(f);
    }
    return 0;
}
