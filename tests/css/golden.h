#pragma once
// Golden files: the expected lines of a case, one per line. Running a test
// with TAGLUND_UPDATE_GOLDEN=1 writes the files afresh for review.
#include <QFile>
#include <QStringList>
#include <QtTest>

namespace taglund::test {

inline QString goldenPath(const QString &name)
{
    return QStringLiteral(TAGLUND_TESTDATA "/golden/") + name + QStringLiteral(".txt");
}

inline bool compareGolden(const QString &name, const QStringList &actual)
{
    const QString path = goldenPath(name);
    if (qEnvironmentVariableIsSet("TAGLUND_UPDATE_GOLDEN")) {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            return false;
        f.write((actual.join(u'\n') + u'\n').toUtf8());
        return true;
    }
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        qWarning("golden file missing: %s", qPrintable(path));
        return false;
    }
    QStringList expected = QString::fromUtf8(f.readAll()).split(u'\n');
    if (!expected.isEmpty() && expected.last().isEmpty())
        expected.removeLast();
    if (expected == actual)
        return true;
    for (qsizetype i = 0; i < std::max(expected.size(), actual.size()); ++i) {
        const QString e = expected.value(i, QStringLiteral("<none>"));
        const QString a = actual.value(i, QStringLiteral("<none>"));
        if (e != a) {
            qWarning("%s line %d: expected \"%s\", got \"%s\"", qPrintable(name), int(i + 1), qPrintable(e),
                     qPrintable(a));
            break;
        }
    }
    return false;
}

} // namespace taglund::test
