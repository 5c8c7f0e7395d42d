#pragma once
// Reading and writing the analyser's case folders: a script, the options of
// the pass, and the expected explanation rows and registries.
#include "core/text/doctext.h"
#include "core/text/paths.h"
#include "core/text/textfile.h"
#include "script/winscript.h"
#include "structures/struktur.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTextDocument>

namespace taglund::test {

inline QString shippedScriptDir()
{
    return joinPath(sourceDataDir(), "Program", "Script");
}

// Loads name + "Struktur.txt" / name + "Data.txt" of a folder.
inline bool loadPair(TStruktur &s, const QString &dir, const QString &name)
{
    s.Strukturfile = joinPath(dir, name + "Struktur.txt");
    s.Datafile = joinPath(dir, name + "Data.txt");
    s.DataOn = true;
    return s.HentStruktur() && s.Count() > 0;
}

// The outcome of a pass in the case files' text form:
//   [rader]      icon TAB text
//   [objekter]   name TAB type
//   [variabler]  name TAB type
//   [beskeder]   message
inline QStringList outcomeLines(const TwinScript &a, const QStringList &messages)
{
    QStringList out{QStringLiteral("[rader]")};
    for (const TInfoRow &r : a.infoBox())
        out << QString::number(r.icon) + u'\t' + r.text;
    out << QStringLiteral("[objekter]");
    for (const TRegRow &r : a.ObjektDis())
        out << r.name + u'\t' + r.type;
    out << QStringLiteral("[variabler]");
    for (const TRegRow &r : a.VariabelDis())
        out << r.name + u'\t' + r.type;
    if (!messages.isEmpty()) {
        out << QStringLiteral("[beskeder]");
        out << messages;
    }
    return out;
}

struct CaseOptions {
    int linje = -1;
    bool kunFejl = false;
    bool ikkeNonAna = false;
};

inline CaseOptions readOptions(const QString &file)
{
    CaseOptions o;
    QStringList lines;
    if (!TextFile::readLines(file, lines))
        return o;
    for (const QString &l : lines) {
        const QString key = l.section(u'=', 0, 0).trimmed();
        const QString value = l.section(u'=', 1).trimmed();
        if (key == QLatin1String("linje"))
            o.linje = value.toInt();
        else if (key == QLatin1String("kunfejl"))
            o.kunFejl = value == QLatin1String("1");
        else if (key == QLatin1String("ikkenonana"))
            o.ikkeNonAna = value == QLatin1String("1");
    }
    return o;
}

// Runs a case folder: script.vbs with case.txt's options, against the
// folder's own values structure when it has one, else the shipped one.
inline QStringList runCase(const QString &folder, const TStruktur &shipped)
{
    TStruktur own;
    const TStruktur *values = &shipped;
    if (QFileInfo::exists(joinPath(folder, "ValuesStruktur.txt"))) {
        loadPair(own, folder, "Values");
        values = &own;
    }
    QStringList script;
    TextFile::readLines(joinPath(folder, "script.vbs"), script);
    QTextDocument doc;
    doc.setPlainText(script.join(u'\n'));
    TDocText text(&doc);
    const CaseOptions o = readOptions(joinPath(folder, "case.txt"));
    TwinScript a;
    QStringList messages;
    a.OnMessage = [&messages](const QString &m) { messages << m; };
    a.setStrukturValues(values);
    a.Editor = &text;
    a.KunFejlInfo = o.kunFejl;
    a.IkkeNonAna = o.ikkeNonAna;
    a.registerAll(o.linje);
    return outcomeLines(a, messages);
}

// Compares with the folder's expected.txt; with TAGLUND_REGEN_GOLDEN set the
// actual outcome is written there instead (to be reviewed before committing).
inline QString compareWithExpected(const QString &file, const QStringList &actual)
{
    if (qEnvironmentVariableIsSet("TAGLUND_REGEN_GOLDEN")) {
        TextFile::writeLines(file, actual);
        return QString();
    }
    QStringList expected;
    if (!TextFile::readLines(file, expected))
        return file + " mangler";
    while (!expected.isEmpty() && expected.last().isEmpty())
        expected.removeLast();
    for (int i = 0; i < std::max(expected.size(), actual.size()); ++i) {
        const QString e = expected.value(i, "<intet>");
        const QString a = actual.value(i, "<intet>");
        if (e != a)
            return QString("%1, linje %2:\n  ventet: %3\n  fik:    %4").arg(QFileInfo(file).fileName()).arg(i + 1).arg(e, a);
    }
    return QString();
}

} // namespace taglund::test
