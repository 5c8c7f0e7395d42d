// Times the VBScript analyser: every file given (or, without files, a
// generated 5,000-line administrative script) is analysed whole, and its
// lines, explanation rows, rows with an error and the time are printed,
// with lines per second. Target: a 5,000-line pass under one second.
//   build/bench/vbsbench [FILE...]
#include "core/text/doctext.h"
#include "core/text/paths.h"
#include "core/text/textfile.h"
#include "script/winscript.h"
#include "structures/struktur.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextDocument>
#include <cstdio>

using namespace taglund;

namespace {

QString valuesFolder()
{
    const QString data = qEnvironmentVariable("TAGLUND_DATA");
    if (!data.isEmpty())
        return joinPath(data, "Program", "Script");
    return joinPath(QStringLiteral(TAGLUND_SOURCE_DIR), "data", "Program", "Script");
}

// A script of blocks like the ones administrators write, repeated with fresh names.
QString generatedScript(int lines)
{
    const QStringList block = {
        "' Blok %1",
        "Set fso%1 = CreateObject(\"Scripting.FileSystemObject\")",
        "Set sh%1 = CreateObject(\"WScript.Shell\")",
        "Set d%1 = CreateObject(\"Scripting.Dictionary\")",
        "sti%1 = \"C:\\Data\\Mappe%1\"",
        "antal%1 = 0",
        "If fso%1.FolderExists(sti%1) Then",
        "    Set mappe%1 = fso%1.GetFolder(sti%1)",
        "    For Each f%1 In mappe%1.Files",
        "        navn%1 = LCase(f%1.Name)",
        "        If Len(navn%1) > 4 Then",
        "            antal%1 = antal%1 + 1",
        "            d%1.Add navn%1, f%1.Size",
        "        End If",
        "    Next",
        "End If",
        "WScript.Echo \"Filer: \" & antal%1",
        "Function Stor%1(x)",
        "    Stor%1 = UCase(x)",
        "End Function",
    };
    QStringList out;
    for (int n = 0; out.size() < lines; ++n)
        for (const QString &l : block) {
            if (out.size() >= lines)
                break;
            out << QString(l).replace(QStringLiteral("%1"), QString::number(n));
        }
    return out.join(u'\n');
}

void run(const QString &label, const QString &text, const TStruktur &values)
{
    QTextDocument doc;
    doc.setPlainText(text);
    TDocText editor(&doc);
    TwinScript a;
    a.setStrukturValues(&values);
    a.Editor = &editor;
    QElapsedTimer t;
    t.start();
    a.registerAll(-1);
    const double ms = double(t.nsecsElapsed()) / 1e6;
    const int lines = doc.blockCount();
    int errors = 0;
    for (const TInfoRow &r : a.infoBox())
        errors += r.icon == 10 ? 1 : 0;
    std::printf("%s: %d linjer, %d forklaringsrækker, %d med fejl, %.1f ms, %.0f linjer/s\n", qPrintable(label), lines,
                int(a.infoBox().size()), errors, ms, ms > 0 ? lines / (ms / 1000.0) : 0.0);
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    TStruktur values;
    values.Strukturfile = joinPath(valuesFolder(), "ValuesStruktur.txt");
    values.Datafile = joinPath(valuesFolder(), "ValuesData.txt");
    values.DataOn = true;
    if (!values.HentStruktur()) {
        std::fprintf(stderr, "Værdistrukturen kunne ikke læses: %s\n", qPrintable(values.Strukturfile));
        return 1;
    }
    const QStringList files = app.arguments().mid(1);
    if (files.isEmpty()) {
        run(QStringLiteral("genereret script"), generatedScript(5000), values);
        return 0;
    }
    int rc = 0;
    for (const QString &f : files) {
        QStringList lines;
        QString error;
        if (!TextFile::readLines(f, lines, &error)) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(f), qPrintable(error));
            rc = 1;
            continue;
        }
        run(QFileInfo(f).fileName(), lines.join(u'\n'), values);
    }
    return rc;
}
