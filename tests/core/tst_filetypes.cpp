#include "core/model/docinfo.h"
#include "core/model/filetypes.h"
#include "core/text/textfile.h"
#include "support/testsupport.h"

#include <QDir>
#include <QtTest>

using namespace taglund;

namespace {

TFiltypeliste listeAf(const QList<TFiltype> &typer)
{
    TFiltypeliste l;
    l.setTyper(typer);
    return l;
}

QList<TFiltype> treTyper()
{
    return {{"Hjemmeside", "*.html", true}, {"Alle", "*.*", true}, {"Skjult", "*.ps1", false},
            {"Tekstfil", "*.txt", true}};
}

} // namespace

class TestFiletypes : public QObject {
    Q_OBJECT
private slots:
    void firstStartWritesDefaults()
    {
        test::TempRoot root;
        const QString file = root.file("typeliste.txt");
        TFiltypeliste liste;
        QVERIFY(liste.HentTypeliste(file));

        QStringList lines;
        QVERIFY(TextFile::readLines(file, lines));
        QCOMPARE(lines.size(), 36);
        QVERIFY(test::readAll(file).startsWith("Hjemmeside\r\n*.html\r\n1\r\nASP\r\n"));
        const int ps = int(lines.indexOf("Power Shell"));
        QCOMPARE(ps, 27);
        QCOMPARE(lines[ps + 1], QString("*.ps1"));
        QCOMPARE(lines[ps + 2], QString("0"));

        const QStringList box = liste.typeBoxEntries();
        QCOMPARE(box.size(), 11);
        QCOMPARE(box.first(), QString("Hjemmeside (*.html)"));
        QVERIFY(!box.contains("Power Shell (*.ps1)"));
        QCOMPARE(liste.dokumentTyper().size(), 11);
    }

    void existingFileIsRead_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("navne");
        QTest::addColumn<QStringList>("boks");
        QTest::newRow("two types") << QByteArray("A\r\n*.a\r\n1\r\nB\r\n*.b\r\n0\r\n") << QStringList{"A", "B"}
                                   << QStringList{"A (*.a)"};
        QTest::newRow("incomplete last type") << QByteArray("A\r\n*.a\r\n1\r\nB\r\n*.b\r\n") << QStringList{"A"}
                                              << QStringList{"A (*.a)"};
        QTest::newRow("utf8 mark, lf") << QByteArray("\xEF\xBB\xBFS\xC3\xB8g\n*.s\n1\n") << QStringList{"Søg"}
                                       << QStringList{"Søg (*.s)"};
        QTest::newRow("empty file") << QByteArray() << QStringList{} << QStringList{};
    }
    void existingFileIsRead()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, navne);
        QFETCH(QStringList, boks);
        test::TempRoot root;
        const QString file = root.file("typeliste.txt");
        test::writeAll(file, bytes);
        TFiltypeliste liste;
        QVERIFY(liste.HentTypeliste(file));
        QStringList got;
        for (const TFiltype &t : liste.typer())
            got << t.navn;
        QCOMPARE(got, navne);
        QCOMPARE(liste.typeBoxEntries(), boks);
        QCOMPARE(test::readAll(file), bytes);   // reading never rewrites the user's file
    }

    void unreadableFileIsLeftAlone()
    {
        test::TempRoot root;
        const QString file = root.file("typeliste.txt");
        QVERIFY(QDir().mkpath(file));   // a folder where the file belongs cannot be read
        TFiltypeliste liste;
        QString error;
        QVERIFY(!liste.HentTypeliste(file, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(liste.antal(), 12);
        QVERIFY(QFileInfo(file).isDir());
    }

    void failedFirstWriteKeepsDefaultsInMemory()
    {
        test::TempRoot root;
        TFiltypeliste liste;
        QVERIFY(!liste.HentTypeliste(root.file("mangler/typeliste.txt")));
        QCOMPARE(liste.typer(), TFiltypeliste::standardTyper());
    }

    void valuesStayOneLineEach()
    {
        TFiltypeliste liste = listeAf({{"To\r\nlinjer", "*.a\nb", true}});
        QCOMPARE(liste.flatListe(), (QStringList{"To  linjer", "*.a b", "1"}));
        test::TempRoot root;
        QVERIFY(liste.GemTypeliste(root.file("t.txt")));
        TFiltypeliste igen;
        QVERIFY(igen.HentTypeliste(root.file("t.txt")));
        QCOMPARE(igen.antal(), 1);
    }

    void isItTextfile_data()
    {
        QTest::addColumn<QString>("ext");
        QTest::addColumn<bool>("text");
        QTest::newRow("listed") << ".html" << true;
        QTest::newRow("case ignored") << ".HTML" << true;
        QTest::newRow("unticked counts too") << ".ps1" << true;
        QTest::newRow("added type") << ".tpl" << true;
        QTest::newRow("not listed") << ".md" << false;
        QTest::newRow("no extension") << "" << false;
        QTest::newRow("without dot") << "html" << false;
    }
    void isItTextfile()
    {
        QFETCH(QString, ext);
        QFETCH(bool, text);
        QList<TFiltype> typer = treTyper();
        typer.append({"Skabelon", "*.TPL", true});
        QCOMPARE(listeAf(typer).isItTextfile(ext), text);
    }

    void builtInExtensions_data()
    {
        QTest::addColumn<QString>("ext");
        QTest::addColumn<bool>("builtIn");
        for (const char *e : {".asp", ".bat", ".html", ".inc", ".js", ".vbs", ".css", ".txt", ".wsf", ".xml", ".rtf",
                              ".asa", ".ps1", ".xsd"})
            QTest::newRow(e) << QString(e) << true;
        QTest::newRow("upper case") << ".XSD" << true;
        QTest::newRow("htm") << ".htm" << false;
        QTest::newRow("md") << ".md" << false;
        QTest::newRow("empty") << "" << false;
    }
    void builtInExtensions()
    {
        QFETCH(QString, ext);
        QFETCH(bool, builtIn);
        QCOMPARE(isBuiltInTextExtension(ext), builtIn);
    }

    void patternNormalisation_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("bare") << "html" << "*.html";
        QTest::newRow("dot") << ".html" << "*.html";
        QTest::newRow("name") << "x.html" << "*.html";
        QTest::newRow("pattern") << "*.tpl" << "*.tpl";
        QTest::newRow("last dot wins") << "a.tar.gz" << "*.gz";
        QTest::newRow("all files") << "*.*" << "*.*";
        QTest::newRow("all files, blanks") << "  *.*  " << "*.*";
        QTest::newRow("star") << "*" << "*.*";
        QTest::newRow("nothing after dot") << "x." << "";
        QTest::newRow("only dot") << "." << "";
        QTest::newRow("separator") << "a/b" << "";
        QTest::newRow("wildcard inside") << "*.h?ml" << "";
    }
    void patternNormalisation()
    {
        QFETCH(QString, typed);
        QFETCH(QString, pattern);
        QCOMPARE(normaliseTypePattern(typed), pattern);
    }

    void typeBoxIndexRule_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("previous");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("remembered");
        const QStringList none;
        const int start = int(TypeBoxMode::Start), edit = int(TypeBoxMode::Edit);
        // treTyper() gives three entries: Hjemmeside, Alle, Tekstfil.
        QTest::newRow("start, in range") << start << none << 2 << 2 << 2;
        QTest::newRow("start, index 5 of three") << start << none << 5 << 0 << 0;
        QTest::newRow("start, index -1") << start << none << -1 << 0 << 0;
        QTest::newRow("edit, text moved")
            << edit << QStringList{"X (*.x)", "Tekstfil (*.txt)"} << 1 << 2 << 2;
        QTest::newRow("edit, text in other case")
            << edit << QStringList{"ALLE (*.*)"} << 0 << 1 << 1;
        QTest::newRow("edit, text gone") << edit << QStringList{"X (*.x)", "Y (*.y)"} << 1 << 0 << 0;
        QTest::newRow("edit, index beyond old box") << edit << QStringList{"Alle (*.*)"} << 4 << 0 << 0;
    }
    void typeBoxIndexRule()
    {
        QFETCH(int, mode);
        QFETCH(QStringList, previous);
        QFETCH(int, index);
        QFETCH(int, selected);
        QFETCH(int, remembered);
        const TypeBoxState s = LoadFiltypeBoxe(listeAf(treTyper()), previous, index, TypeBoxMode(mode));
        QCOMPARE(s.typeBox, (QStringList{"Hjemmeside (*.html)", "Alle (*.*)", "Tekstfil (*.txt)"}));
        QCOMPARE(s.selected, selected);
        QCOMPARE(s.filtypeBoxItemIndex, remembered);
        QVERIFY(s.buttonEnabled());
    }

    void editModeFillsEveryList()
    {
        const TypeBoxState s = LoadFiltypeBoxe(listeAf(treTyper()), {}, 0, TypeBoxMode::Edit);
        QCOMPARE(s.findChoice, s.typeBox);
        QCOMPARE(s.visibleItems, 3);
        // "*.*" is offered in the type box but cannot be a new document's type.
        QCOMPARE(s.dokumentRows, (QList<TFiltype>{{"Hjemmeside", "*.html", false}, {"Tekstfil", "*.txt", false}}));

        const TypeBoxState start = LoadFiltypeBoxe(listeAf(treTyper()), {}, 0, TypeBoxMode::Start);
        QVERIFY(start.findChoice.isEmpty());
        QVERIFY(start.dokumentRows.isEmpty());
    }

    void emptyTypeBox_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("remembered");
        QTest::newRow("start keeps the index") << int(TypeBoxMode::Start) << 3;
        QTest::newRow("edit forgets it") << int(TypeBoxMode::Edit) << -1;
    }
    void emptyTypeBox()
    {
        QFETCH(int, mode);
        QFETCH(int, remembered);
        const TypeBoxState s =
            LoadFiltypeBoxe(listeAf({{"Skjult", "*.ps1", false}}), {"A (*.a)"}, 3, TypeBoxMode(mode));
        QVERIFY(s.typeBox.isEmpty());
        QCOMPARE(s.selected, -1);
        QCOMPARE(s.filtypeBoxItemIndex, remembered);
        QVERIFY(!s.buttonEnabled());
    }

    void filtyperSettings_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("size");
        QTest::addColumn<QList<bool>>("ticks");
        using L = QList<bool>;
        QTest::newRow("complete") << QByteArray("400\r\n300\r\n1\r\n0\r\n1\r\n") << true << L{true, false, true, false};
        QTest::newRow("size only") << QByteArray("400\r\n300\r\n") << true << L{false, false, false, false};
        QTest::newRow("width only") << QByteArray("400\r\n") << false << L{false, false, false, false};
        QTest::newRow("more ticks than rows") << QByteArray("1\r\n2\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n") << true
                                              << L{true, true, true, true};
        QTest::newRow("stops at a non-number") << QByteArray("400\r\n300\r\n1\r\nx\r\n1\r\n") << true
                                               << L{true, false, false, false};
        QTest::newRow("size not a number") << QByteArray("bred\r\n300\r\n1\r\n") << false
                                           << L{false, false, false, false};
        QTest::newRow("negative size") << QByteArray("-4\r\n300\r\n1\r\n") << false << L{true, false, false, false};
        QTest::newRow("empty") << QByteArray() << false << L{false, false, false, false};
    }
    void filtyperSettings()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, size);
        QFETCH(QList<bool>, ticks);
        test::TempRoot root;
        test::writeAll(root.file("filtyper.txt"), bytes);
        const TFiltyperSettings s = TFiltyperSettings::hent(root.file("filtyper.txt"));
        QCOMPARE(s.harStoerrelse, size);
        QCOMPARE(s.ticksFor(4), ticks);
    }

    void filtyperRoundTrip()
    {
        test::TempRoot root;
        TFiltyperSettings s;
        s.bredde = 510;
        s.hoejde = 260;
        s.afkrydset = {false, true};
        QVERIFY(s.gem(root.file("filtyper.txt")));
        QCOMPARE(test::readAll(root.file("filtyper.txt")), QByteArray("510\r\n260\r\n0\r\n1\r\n"));
        const TFiltyperSettings igen = TFiltyperSettings::hent(root.file("filtyper.txt"));
        QVERIFY(igen.harStoerrelse);
        QCOMPARE(igen.bredde, 510);
        QCOMPARE(igen.afkrydset, s.afkrydset);
        QVERIFY(!TFiltyperSettings::hent(root.file("mangler.txt")).harStoerrelse);
    }

    void docTypeNames_data()
    {
        QTest::addColumn<QString>("ext");
        QTest::addColumn<QString>("name");
        QTest::newRow("txt") << ".txt" << "Tekst";
        QTest::newRow("html") << ".html" << "Hjemmeside";
        QTest::newRow("wsf") << ".wsf" << "Window Script File";
        QTest::newRow("ps1") << ".ps1" << "Powershell script";
        QTest::newRow("exact case") << ".HTML" << "ukendt";
        QTest::newRow("other") << ".md" << "ukendt";
        QTest::newRow("none") << "" << "ukendt";
    }
    void docTypeNames()
    {
        QFETCH(QString, ext);
        QFETCH(QString, name);
        QCOMPARE(docTypeName(ext), name);
    }

    void docInfo()
    {
        test::TempRoot root;
        const QString file = root.file("side.html");
        test::writeAll(file, QByteArray(1234, 'x'));
        const QLocale da(QLocale::Danish, QLocale::Denmark);
        const DocFileFacts facts = DocFileFacts::of(file);
        QVERIFY(facts.exists);
        const QString date = da.toString(QFileInfo(file).lastModified().date(), QLocale::ShortFormat);
        QCOMPARE(docInfoText(file, ".html", facts, da),
                 "Filnavn: side.html\rMappe: " + QDir::toNativeSeparators(root.path()) + QDir::separator()
                     + "\rSidst modificeret: " + date + "\rDokumenttype: Hjemmeside\rFilstørelse: 1234 bytes\r");

        QCOMPARE(docInfoText(root.file("væk.txt"), ".txt", DocFileFacts::of(root.file("væk.txt")), da), QString());
        QCOMPARE(docInfoText("", ".css", DocFileFacts::of(""), da), QString("Ingen information.\rMulig type: .css"));
    }
};

QTEST_GUILESS_MAIN(TestFiletypes)
#include "tst_filetypes.moc"
