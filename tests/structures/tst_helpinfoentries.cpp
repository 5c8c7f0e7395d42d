// Every HelpInfo call written in the program's code, and every built-in
// button of the viewer, must open an entry that the shipped data has.
#include "core/text/paths.h"
#include "structures/infoviewer.h"
#include "structures/struktur.h"
#include "structures/strukturlib.h"
#include "support/testsupport.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <QtTest>

using namespace taglund;

namespace {
struct Call {
    QString where;
    QString structure;
    QString entry;
};

// HelpInfo("A", "B") or helpInfo(...), with the literals plain, as
// QStringLiteral or as u"".
QList<QPair<QString, QString>> parseCalls(const QString &text, QList<int> *lines = nullptr)
{
    static const QRegularExpression re(
        QStringLiteral(R"re(\b[Hh]elpInfo\s*\(\s*(?:QStringLiteral\s*\(\s*|u)?"((?:[^"\\]|\\.)*)"\s*\)?\s*(?:_s\s*)?,)re"
                       R"re(\s*(?:QStringLiteral\s*\(\s*|u)?"((?:[^"\\]|\\.)*)"\s*\)?)re"));
    QList<QPair<QString, QString>> out;
    auto m = re.globalMatch(text);
    while (m.hasNext()) {
        const auto match = m.next();
        out.append({match.captured(1), match.captured(2)});
        if (lines)
            lines->append(int(text.left(match.capturedStart()).count(u'\n')) + 1);
    }
    return out;
}

QList<Call> callsInSources()
{
    QList<Call> calls;
    QDirIterator it(QStringLiteral(TAGLUND_SOURCE_DIR "/src"), {"*.cpp", "*.h"}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            continue;
        QList<int> lines;
        const auto found = parseCalls(QString::fromUtf8(f.readAll()), &lines);
        for (int i = 0; i < found.size(); ++i)
            calls.append({QFileInfo(path).fileName() + ":" + QString::number(lines[i]), found[i].first,
                          found[i].second});
    }
    return calls;
}
} // namespace

class TestHelpInfoEntries : public QObject {
    Q_OBJECT
    QString m_infodir;

private slots:
    void initTestCase()
    {
        m_infodir = joinPath(test::sourceDataDir(), "Program", "Struktur");
    }

    void entriesExist_data()
    {
        QTest::addColumn<QString>("structure");
        QTest::addColumn<QString>("entry");
        for (const TStrukturKnap &k : infoStrukturKnapper())
            QTest::addRow("button %s", qPrintable(k.caption)) << k.structure << k.entry;
        const QList<Call> calls = callsInSources();
        for (const Call &c : calls)
            QTest::addRow("%s %s/%s", qPrintable(c.where), qPrintable(c.structure), qPrintable(c.entry))
                << c.structure << c.entry;
    }
    void entriesExist()
    {
        QFETCH(QString, structure);
        QFETCH(QString, entry);
        if (!QFileInfo(joinPath(m_infodir, "Information", "struktur.txt")).isFile())
            QSKIP("the shipped \"Information\" structure is not there yet");
        TStruktur s;
        QVERIFY(StrukturLib::setupInformation(s, m_infodir, structure));
        QVERIFY2(s.HentStruktur(), qPrintable("no structure " + structure));
        QVERIFY(s.Count() > 0);
        TStrukturNode *hit = entry.isEmpty() ? s.Node(0) : nullptr;
        for (TStrukturNode *n : s.tree().preorder())
            if (!hit && n->text.compare(entry, Qt::CaseInsensitive) == 0)
                hit = n;
        QVERIFY2(hit, qPrintable(QString("no entry \"%1\" in %2").arg(entry, structure)));
        const QString page = s.pageOf(hit);
        QVERIFY2(!page.isEmpty() && QFileInfo(page).isFile(),
                 qPrintable(QString("entry \"%1\" of %2 has no page").arg(entry, structure)));
    }

    // The walk must see the calls in the forms the code writes them.
    void parsesCallForms_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("plain") << R"(HelpInfo("Information", "Filboksen");)" << QStringList{"Information/Filboksen"};
        QTest::newRow("QStringLiteral, host call")
            << R"(m_host->helpInfo(QStringLiteral("CSS"), QStringLiteral("CSS Units"));)"
            << QStringList{"CSS/CSS Units"};
        QTest::newRow("u literals over lines") << "viewer.HelpInfo(u\"Html5\",\n    u\"thead\")"
                                               << QStringList{"Html5/thead"};
        QTest::newRow("empty entry") << R"(HelpInfo("Eksempler", ""))" << QStringList{"Eksempler/"};
        QTest::newRow("variable entry is not a literal") << R"(HelpInfo("Html5", koden))" << QStringList{};
        QTest::newRow("declaration") << "void HelpInfo(const QString &s, const QString &e);" << QStringList{};
        QTest::newRow("two calls") << R"(HelpInfo("A", "b"); x(); HelpInfo("C", "d");)"
                                   << QStringList{"A/b", "C/d"};
    }
    void parsesCallForms()
    {
        QFETCH(QString, code);
        QFETCH(QStringList, found);
        QStringList got;
        for (const auto &c : parseCalls(code))
            got << c.first + "/" + c.second;
        QCOMPARE(got, found);
    }
};

QTEST_GUILESS_MAIN(TestHelpInfoEntries)
#include "tst_helpinfoentries.moc"
