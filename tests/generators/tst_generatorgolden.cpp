// The table and list generators: each case folder holds the box's values
// (felter.txt) and the document they write into an empty document (ud.txt,
// "|" marks the caret); "efter." values are the fields as writing leaves them.
#include "core/text/doctext.h"
#include "core/text/textfile.h"
#include "generators/kodelinjer.h"
#include "generators/listegenerator.h"
#include "generators/skemagenerator.h"
#include "html/infotag.h"

#include <QDir>
#include <QTextDocument>
#include <QtTest>

using namespace taglund;

namespace {

QString caseDir(const QString &kind)
{
    return QDir(QStringLiteral(TAGLUND_TESTDATA)).filePath(kind);
}

QString readCase(const QString &folder, const QString &file)
{
    QByteArray bytes;
    if (!TextFile::readBytes(QDir(folder).filePath(file), bytes))
        return {};
    QString t = TextFile::decodeDocument(bytes).text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (t.endsWith(u'\n'))
        t.chop(1);
    return t;
}

QHash<QString, QString> felter(const QString &folder)
{
    QHash<QString, QString> f;
    for (const QString &line : readCase(folder, QStringLiteral("felter.txt")).split(u'\n', Qt::SkipEmptyParts))
        f.insert(line.section(u'=', 0, 0), line.section(u'=', 1));
    return f;
}

void addCases(const QString &kind)
{
    QTest::addColumn<QString>("folder");
    const QDir dir(caseDir(kind));
    const QStringList names = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    QVERIFY(!names.isEmpty());
    for (const QString &n : names)
        QTest::newRow(qPrintable(n)) << dir.filePath(n);
}

// Writes lines into an empty document and shows the caret as "|".
QString written(const TKodeLinjer &lines)
{
    QTextDocument doc;
    TDocText text(&doc);
    Tinfotag writer;
    writer.setEditor(&text);
    skrivLinjer(writer, lines);
    QString t = text.Text();
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return t.insert(text.SelStart(), u'|');
}

bool flag(const QHash<QString, QString> &f, const QString &key, bool standard)
{
    return f.contains(key) ? f.value(key) == u"1" : standard;
}

} // namespace

class TestGeneratorGolden : public QObject {
    Q_OBJECT
private slots:
    void skema_data() { addCases(QStringLiteral("skema")); }
    void skema()
    {
        QFETCH(QString, folder);
        const auto f = felter(folder);
        TSkemaValg v;
        QHash<QString, QString *> texts = {{"kolonnerEdit", &v.kolonnerEdit}, {"captionEdit", &v.captionEdit},
                                           {"theadEdit", &v.theadEdit},       {"tbodyEdit", &v.tbodyEdit},
                                           {"tfootEdit", &v.tfootEdit},       {"colEdit", &v.colEdit}};
        for (auto it = texts.begin(); it != texts.end(); ++it)
            if (f.contains(it.key()))
                *it.value() = f.value(it.key());
        const QHash<QString, bool *> flags = {
            {"tableStyle1", &v.tableStyle1},     {"theadCheck", &v.theadCheck},
            {"tbodyCheck", &v.tbodyCheck},       {"tfootCheck", &v.tfootCheck},
            {"colSpanCheck", &v.colSpanCheck},   {"colStyleCheck", &v.colStyleCheck},
            {"colStyle1", &v.colStyle1},         {"udskrivCheck", &v.udskrivCheck},
            {"udskrivTekstCheck", &v.udskrivTekstCheck}, {"cssCheck", &v.cssCheck}};
        for (auto it = flags.begin(); it != flags.end(); ++it)
            *it.value() = flag(f, it.key(), *it.value());

        const QString skriv = f.value(QStringLiteral("skriv"));
        const TKodeLinjer lines = skriv == u"css" ? skemaCssLinjer(v) : skemaLinjer(v);
        QCOMPARE(written(lines), readCase(folder, QStringLiteral("ud.txt")));
        for (auto it = texts.begin(); it != texts.end(); ++it)
            if (f.contains(QStringLiteral("efter.") + it.key()))
                QCOMPARE(*it.value(), f.value(QStringLiteral("efter.") + it.key()));
    }

    void liste_data() { addCases(QStringLiteral("liste")); }
    void liste()
    {
        QFETCH(QString, folder);
        const auto f = felter(folder);
        TListeValg v;
        v.listeType = f.value(QStringLiteral("listeType"), QStringLiteral("0")).toInt();
        if (f.contains(QStringLiteral("listeAntalEdit")))
            v.listeAntalEdit = f.value(QStringLiteral("listeAntalEdit"));
        if (f.contains(QStringLiteral("listeOptgroupEdit")))
            v.listeOptgroupEdit = f.value(QStringLiteral("listeOptgroupEdit"));
        v.listeStyleKodeCheck = flag(f, QStringLiteral("listeStyleKodeCheck"), true);
        v.listeStyleSelCheck = flag(f, QStringLiteral("listeStyleSelCheck"), true);

        const QString skriv = f.value(QStringLiteral("skriv"));
        TKodeLinjer lines;
        if (skriv == u"optgroup")
            lines = optgroupLinjer(v);
        else if (skriv == u"css")
            lines = listeCssLinjer(v);
        else
            lines = listeLinjer(v);
        QCOMPARE(written(lines), readCase(folder, QStringLiteral("ud.txt")));
        if (f.contains(QStringLiteral("efter.listeAntalEdit")))
            QCOMPARE(v.listeAntalEdit, f.value(QStringLiteral("efter.listeAntalEdit")));
        if (f.contains(QStringLiteral("efter.listeOptgroupEdit")))
            QCOMPARE(v.listeOptgroupEdit, f.value(QStringLiteral("efter.listeOptgroupEdit")));
    }

    void htmlText_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << "Priser 2024" << "Priser 2024";
        QTest::newRow("angle brackets") << "<b>x</b>" << "&lt;b&gt;x&lt;/b&gt;";
        QTest::newRow("lone ampersand") << "A & B" << "A &amp; B";
        QTest::newRow("named reference kept") << "&nbsp;x" << "&nbsp;x";
        QTest::newRow("numeric references kept") << "&#8364; &#x20AC;" << "&#8364; &#x20AC;";
        QTest::newRow("unfinished reference") << "&nbsp x" << "&amp;nbsp x";
        QTest::newRow("ampersand at the end") << "x&" << "x&amp;";
    }
    void htmlText()
    {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QCOMPARE(taglund::htmlText(typed), expected);
    }
};

QTEST_MAIN(TestGeneratorGolden)
#include "tst_generatorgolden.moc"
