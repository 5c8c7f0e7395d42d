// Opening, measuring and typing in large documents, and typing while a
// recovery copy of the document is being written.
//   build/bench/docbench [FILE]   (without FILE: generated 1 MB and 50 MB pages, and a 10 MB page for the copies)
#include "core/recovery/gendanskriver.h"
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

// Key presses with no copy being written, then key presses while the
// writing thread encodes and writes a copy of the whole document.
static void measureCopies(const QString &path)
{
    Twinform::Oprettelse o;
    o.DocNo = 1;
    o.Filnavn = path;
    Twinform w(o);
    w.resize(1000, 700);
    w.show();
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

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc > 1) {
        measure(QString::fromLocal8Bit(argv[1]));
        measureCopies(QString::fromLocal8Bit(argv[1]));
        return 0;
    }
    QTemporaryDir dir;
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
    }
    return 0;
}
