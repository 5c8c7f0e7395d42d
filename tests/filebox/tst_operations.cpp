// The file operations over a temporary tree, one row per case: the tree
// before, the commands, the answers the boxes get, and the tree (with the
// trash's top level as "kurv:") and every question and message after.
#include "filboks_test.h"
#include "support/testsupport.h"

using namespace taglund;
using namespace taglund::test;

namespace {

const QString kKopier = QStringLiteral("Kopiering af elementer:Skal valgte elementer kopieres?");
const QString kFlyt = QStringLiteral("Flytning af elementer:Skal valgte elementer flyttes?");
const QString kSlet = QStringLiteral("Sletning af elementer:Skal valgte elementer Slettes?");
const QString kKopiSpm = QStringLiteral("Kildemappe er undermappe til destignationsmappen.\nSkal der oprettes en kopi?");
const QString kMappeFindes = QStringLiteral("Mappen eksisterer.\nSkal alle elementer overskrives?");

QString overskriv(const QString &name)
{
    return QStringLiteral("Skal filen\n") + name + QStringLiteral("\noverskrives?");
}

QString html(const QString &first = QString())
{
    QStringList lines = THandlinger::skabelon(QStringLiteral(".html"));
    if (!first.isEmpty())
        lines.prepend(first);
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

} // namespace

class TstOperations : public QObject {
    Q_OBJECT
private slots:
    void operations_data();
    void operations();
    void onlyWhatWasAskedIsDeleted();
    void commandDuringProgressIsRefused();
    void droppedPathsKeepTheirFolders();
    void progressTexts();
    void openSelected();
    void playListPages_data();
    void playListPages();
};

void TstOperations::operations_data()
{
    QTest::addColumn<QStringList>("tree");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("answers");
    QTest::addColumn<QString>("choices");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QStringList>("results");

    const QStringList none;

    // Copy and cut.
    QTest::newRow("copy file into folder")
        << QStringList{"a.txt=A", "sub/"} << QStringList{"vælg a.txt", "kopier", "vælg sub", "sæt ind"} << "Ja" << ""
        << QStringList{"a.txt=A", "sub/", "sub/a.txt=A"} << QStringList{kKopier} << none << QStringList{"1", "1"};
    QTest::newRow("copy with nothing selected")
        << QStringList{"a.txt=A"} << QStringList{"vælg", "kopier"} << "" << ""
        << QStringList{"a.txt=A"} << none << QStringList{"Der er ikke valgt elementer til kopiering."} << QStringList{"0"};
    QTest::newRow("file into its own folder refused")
        << QStringList{"a.txt=A"} << QStringList{"vælg a.txt", "kopier", "sæt ind"} << "" << ""
        << QStringList{"a.txt=A"} << none << QStringList{"Kildemappe og destignationsmappe er samme mappe."}
        << QStringList{"1", "0"};
    QTest::newRow("folder into its parent makes X (1)")
        << QStringList{"X/f.txt=F"} << QStringList{"vælg X", "kopier", "vælg", "sæt ind"} << "Ja Ja" << ""
        << QStringList{"X/", "X/f.txt=F", "X (1)/", "X (1)/f.txt=F"} << QStringList{kKopiSpm, kKopier} << none
        << QStringList{"1", "1"};
    QTest::newRow("copies mode answered Nej")
        << QStringList{"X/"} << QStringList{"vælg X", "kopier", "vælg", "sæt ind"} << "Nej" << ""
        << QStringList{"X/"} << QStringList{kKopiSpm} << none << QStringList{"1", "0"};
    QTest::newRow("copies mode never overwrites a file with itself")
        << QStringList{"X/", "a.txt=A"} << QStringList{"vælg a.txt,X", "kopier", "vælg", "sæt ind"} << "Ja Ja" << ""
        << QStringList{"X/", "X (1)/", "a Kopi (1).txt=A", "a.txt=A"} << QStringList{kKopiSpm, kKopier} << none
        << QStringList{"2", "2"};
    QTest::newRow("cut moves and empties the register")
        << QStringList{"a.txt=A", "b.txt=B", "sub/"}
        << QStringList{"vælg a.txt,b.txt", "klip", "vælg sub", "sæt ind", "vælg sub", "sæt ind"} << "Ja" << ""
        << QStringList{"sub/", "sub/a.txt=A", "sub/b.txt=B", "kurv:a.txt=A", "kurv:b.txt=B"} << QStringList{kFlyt}
        << none << QStringList{"2", "2", "0"};
    QTest::newRow("cut folder moves it whole")
        << QStringList{"X/f=F", "X/.skjult=S", "d/"} << QStringList{"vælg X", "klip", "vælg d", "sæt ind"} << "Ja" << ""
        << QStringList{"d/", "d/X/", "d/X/.skjult=S", "d/X/f=F", "kurv:X/"} << QStringList{kFlyt} << none
        << QStringList{"1", "1"};
    QTest::newRow("copy pasted twice")
        << QStringList{"a.txt=A", "s1/", "s2/"}
        << QStringList{"vælg a.txt", "kopier", "vælg s1", "sæt ind", "vælg s2", "sæt ind"} << "Ja Ja" << ""
        << QStringList{"a.txt=A", "s1/", "s1/a.txt=A", "s2/", "s2/a.txt=A"} << QStringList{kKopier, kKopier} << none
        << QStringList{"1", "1", "1"};
    QTest::newRow("a new copy clears the cut")
        << QStringList{"a.txt=A", "s1/"} << QStringList{"vælg a.txt", "klip", "kopier", "vælg s1", "sæt ind"} << "Ja" << ""
        << QStringList{"a.txt=A", "s1/", "s1/a.txt=A"} << QStringList{kKopier} << none << QStringList{"1", "1", "1"};
    QTest::newRow("confirmation Nej copies nothing")
        << QStringList{"a.txt=A", "s1/"} << QStringList{"vælg a.txt", "kopier", "vælg s1", "sæt ind"} << "Nej" << ""
        << QStringList{"a.txt=A", "s1/"} << QStringList{kKopier} << none << QStringList{"1", "0"};
    QTest::newRow("folder into its own subtree refused")
        << QStringList{"X/Y/"} << QStringList{"vælg X", "klip", "vis X", "vælg Y", "sæt ind"} << "" << ""
        << QStringList{"X/", "X/Y/"} << none
        << QStringList{"En mappe kan ikke kopieres eller flyttes ind i sig selv\reller i en af sine egne undermapper:\r$ROOT/X"}
        << QStringList{"1", "0"};

    // Conflicts.
    const QStringList three{"a.txt=A", "b.txt=B", "c.txt=C", "d/b.txt=gl", "d/c.txt=gl"};
    const QStringList pasteThree{"vælg a.txt,b.txt,c.txt", "kopier", "vælg d", "sæt ind"};
    const QString box = QStringLiteral("Hvad skal der gøres:Der eksisterer 2 filer med samme navn. b.txt,c.txt");
    const QStringList src{"a.txt=A", "b.txt=B", "c.txt=C"};
    QTest::newRow("conflicts: Opret kopier")
        << three << pasteThree << "Ja Ja" << "3"
        << src + QStringList{"d/", "d/a.txt=A", "d/b Kopi (1).txt=B", "d/b.txt=gl", "d/c Kopi (1).txt=C", "d/c.txt=gl"}
        << QStringList{kKopier, box} << none << QStringList{"3", "3"};
    QTest::newRow("conflicts: Overskriv ingen")
        << three << pasteThree << "Ja Ja" << "0" << src + QStringList{"d/", "d/a.txt=A", "d/b.txt=gl", "d/c.txt=gl"}
        << QStringList{kKopier, box} << none << QStringList{"3", "1"};
    QTest::newRow("conflicts: Overskriv alle")
        << three << pasteThree << "Ja Ja" << "1" << src + QStringList{"d/", "d/a.txt=A", "d/b.txt=B", "d/c.txt=C"}
        << QStringList{kKopier, box} << none << QStringList{"3", "3"};
    QTest::newRow("conflicts: Spørg hver gang")
        << three << pasteThree << "Ja Ja Ja Nej" << "2" << src + QStringList{"d/", "d/a.txt=A", "d/b.txt=B", "d/c.txt=gl"}
        << QStringList{kKopier, box, overskriv("b.txt"), overskriv("c.txt")} << none << QStringList{"3", "2"};
    QTest::newRow("conflict box closed without Forsæt")
        << three << pasteThree << "Ja Nej" << "1" << src + QStringList{"d/", "d/a.txt=A", "d/b.txt=gl", "d/c.txt=gl"}
        << QStringList{kKopier, box} << none << QStringList{"3", "1"};
    QTest::newRow("move: one conflict answered Nej stays")
        << QStringList{"a.txt=A", "b.txt=B", "d/b.txt=gl"} << QStringList{"vælg a.txt,b.txt", "klip", "vælg d", "sæt ind"}
        << "Ja Nej" << "" << QStringList{"b.txt=B", "d/", "d/a.txt=A", "d/b.txt=gl", "kurv:a.txt=A"}
        << QStringList{kFlyt, overskriv("b.txt")} << none << QStringList{"2", "1"};
    QTest::newRow("move: folder exists answered Nej")
        << QStringList{"X/f=ny", "d/X/f=gl"} << QStringList{"vælg X", "klip", "vælg d", "sæt ind"} << "Ja Nej" << ""
        << QStringList{"X/", "X/f=ny", "d/", "d/X/", "d/X/f=gl"} << QStringList{kFlyt, kMappeFindes} << none
        << QStringList{"1", "0"};
    QTest::newRow("folder exists answered Ja merges")
        << QStringList{"X/f=ny", "X/g=G", "d/X/f=gl", "d/X/h=H"} << QStringList{"vælg X", "kopier", "vælg d", "sæt ind"}
        << "Ja Ja" << ""
        << QStringList{"X/", "X/f=ny", "X/g=G", "d/", "d/X/", "d/X/f=ny", "d/X/g=G", "d/X/h=H"}
        << QStringList{kKopier, kMappeFindes} << none << QStringList{"1", "1"};

    // Links are elements of their own.
    QTest::newRow("a link is copied as a link")
        << QStringList{"X/lnk->../ude", "ude/v=V", "d/"} << QStringList{"vælg X", "kopier", "vælg d", "sæt ind"} << "Ja" << ""
        << QStringList{"X/", "X/lnk->ude", "d/", "d/X/", "d/X/lnk->ude", "ude/", "ude/v=V"} << QStringList{kKopier}
        << none << QStringList{"1", "1"};
    QTest::newRow("a link back up the tree ends")
        << QStringList{"X/f=F", "X/igen->../X", "d/"} << QStringList{"vælg X", "kopier", "vælg d", "sæt ind"} << "Ja" << ""
        << QStringList{"X/", "X/f=F", "X/igen->X", "d/", "d/X/", "d/X/f=F", "d/X/igen->X"} << QStringList{kKopier} << none
        << QStringList{"1", "1"};

    // Delete.
    QTest::newRow("delete to the trash")
        << QStringList{"a.txt=A", "X/f=F", "bliver"} << QStringList{"vælg a.txt,X", "slet"} << "Ja" << ""
        << QStringList{"bliver", "kurv:X/", "kurv:a.txt=A"} << QStringList{kSlet} << none << QStringList{"2"};
    QTest::newRow("delete answered Nej")
        << QStringList{"a.txt=A"} << QStringList{"vælg a.txt", "slet"} << "Nej" << ""
        << QStringList{"a.txt=A"} << QStringList{kSlet} << none << QStringList{"0"};
    QTest::newRow("delete with nothing selected")
        << QStringList{"a.txt=A"} << QStringList{"vælg", "slet permanent"} << "" << ""
        << QStringList{"a.txt=A"} << none << QStringList{"Der er ikke valgt elementer til sletning."} << QStringList{"0"};
    QTest::newRow("delete permanently never follows a link")
        << QStringList{"X/lnk->../ude", "ude/vigtig=V"} << QStringList{"vælg X", "slet permanent"} << "Ja" << ""
        << QStringList{"ude/", "ude/vigtig=V"} << QStringList{kSlet} << none << QStringList{"1"};
    QTest::newRow("delete the shown folder's link to a folder")
        << QStringList{"ude/v=V", "til->ude"} << QStringList{"vælg til", "slet permanent"} << "Ja" << ""
        << QStringList{"ude/", "ude/v=V"} << QStringList{kSlet} << none << QStringList{"1"};

    // New folder, rename, new text file.
    QTest::newRow("two new folders")
        << QStringList{} << QStringList{"ny mappe", "ny mappe"} << "" << "" << QStringList{"Ny mappe/", "Ny mappe (1)/"}
        << none << none << QStringList{"Ny mappe", "Ny mappe (1)"};
    QTest::newRow("new folder beside a file of that name")
        << QStringList{"Ny mappe=x"} << QStringList{"ny mappe"} << "" << "" << QStringList{"Ny mappe=x", "Ny mappe (1)/"}
        << none << none << QStringList{"Ny mappe (1)"};
    QTest::newRow("rename keeps the extension")
        << QStringList{"rapport.txt=R"} << QStringList{"omdøb rapport.txt|noter"} << "" << "" << QStringList{"noter.txt=R"}
        << none << none << QStringList{"noter.txt"};
    QTest::newRow("rename to an existing name")
        << QStringList{"noter.txt=N", "rapport.txt=R"} << QStringList{"omdøb rapport.txt|noter"} << "" << ""
        << QStringList{"noter (1).txt=R", "noter.txt=N"} << none << none << QStringList{"noter (1).txt"};
    QTest::newRow("rename case only")
        << QStringList{"brev.txt=b"} << QStringList{"omdøb brev.txt|Brev.txt"} << "" << "" << QStringList{"Brev.txt=b"}
        << none << none << QStringList{"Brev.txt"};
    QTest::newRow("rename case only onto another file")
        << QStringList{"Brev.txt=B", "brev.txt=b"} << QStringList{"omdøb brev.txt|Brev.txt"} << "" << ""
        << QStringList{"Brev (1).txt=b", "Brev.txt=B"} << none << none << QStringList{"Brev (1).txt"};
    QTest::newRow("rename a folder onto an existing one")
        << QStringList{"A/", "B/b"} << QStringList{"omdøb B|A"} << "" << "" << QStringList{"A/", "A (1)/", "A (1)/b"}
        << none << none << QStringList{"A (1)"};
    for (const char *bad : {"a/b", "a\\b", ".", "..", "", "tab\there", "ny\nlinje"}) {
        QTest::addRow("rename refused: %s", bad)
            << QStringList{"a.txt=A"} << QStringList{QStringLiteral("omdøb a.txt|") + QString::fromUtf8(bad)} << "" << ""
            << QStringList{"a.txt=A"} << none << none << QStringList{"a.txt"};
    }
    QTest::newRow("rename unchanged")
        << QStringList{"a.txt=A"} << QStringList{"omdøb a.txt|a.txt"} << "" << "" << QStringList{"a.txt=A"} << none << none
        << QStringList{"a.txt"};
    QTest::newRow("new html file beside one of that name")
        << QStringList{"side.html=x"} << QStringList{"tekstfil side.html"} << "" << ""
        << QStringList{"side (1).html=" + html(), "side.html=x"} << none << none << QStringList{"side (1).html"};
    QTest::newRow("new asp file")
        << QStringList{} << QStringList{"tekstfil s.asp"} << "" << ""
        << QStringList{"s.asp=" + html("<%@LANGUAGE=\"VBSCRIPT\" CODEPAGE=\"1252\"%>")} << none << none
        << QStringList{"s.asp"};
    QTest::newRow("new wsf file")
        << QStringList{} << QStringList{"tekstfil j.wsf"} << "" << ""
        << QStringList{"j.wsf=<job id=\"\">\r\n<script language=\"VBScript\">\r\n\r\n</script>\r\n</job>\r\n"} << none << none
        << QStringList{"j.wsf"};
    QTest::newRow("new text file of another type is empty")
        << QStringList{} << QStringList{"tekstfil noter.txt", "tekstfil STOR.HTML"} << "" << ""
        << QStringList{"STOR.HTML", "noter.txt"} << none << none << QStringList{"noter.txt", "STOR.HTML"};

    // The trash.
    const QString kurv = QStringLiteral("Papirkurven indeholder 1 element: 1 bytes (1 bytes)\nSkal papirkurven tømmes?\n"
                                        "Elementerne slettes permanent.");
    QTest::newRow("empty the trash")
        << QStringList{"a.txt=A", "b"} << QStringList{"vælg a.txt", "slet", "tøm"} << "Ja Ja" << "" << QStringList{"b"}
        << QStringList{kSlet, kurv} << none << QStringList{"1", "1"};
    QTest::newRow("empty the trash answered Nej")
        << QStringList{"a.txt=A"} << QStringList{"vælg a.txt", "slet", "tøm"} << "Ja Nej" << ""
        << QStringList{"kurv:a.txt=A"} << QStringList{kSlet, kurv} << none << QStringList{"1", "0"};
    QTest::newRow("empty trash asks nothing")
        << QStringList{} << QStringList{"tøm"} << "" << "" << QStringList{} << none << QStringList{"Papirkurven er tom."}
        << QStringList{"1"};
}

void TstOperations::operations()
{
    QFETCH(QStringList, tree);
    QFETCH(QStringList, steps);
    QFETCH(QString, answers);
    QFETCH(QString, choices);
    QFETCH(QStringList, after);
    QFETCH(QStringList, asked);
    QFETCH(QStringList, messages);
    QFETCH(QStringList, results);

    Filboks fb;
    makeTree(fb.root, tree);
    fb.svar(answers);
    for (const QChar c : choices)
        fb.dialoger.konfliktValg << TKonfliktValg(c.digitValue());
    fb.vis(QString());
    QStringList got;
    for (const QString &step : steps) {
        const QString arg = step.section(u' ', 1);
        if (step.startsWith(QStringLiteral("vælg"))) {
            QVERIFY2(fb.vaelg(arg.split(u',', Qt::SkipEmptyParts)), qPrintable(step));
        } else if (step.startsWith(QLatin1String("vis "))) {
            fb.funk.makeStruktur2(fb.path(arg), true, true);
        } else if (step == QLatin1String("kopier") || step == QLatin1String("klip")) {
            got << QString::number(fb.funk.CopyElementer(step == QLatin1String("klip")));
        } else if (step == QStringLiteral("sæt ind")) {
            got << QString::number(fb.funk.PasteElementer());
        } else if (step.startsWith(QLatin1String("slet"))) {
            got << QString::number(fb.funk.DeleteElementer(step == QLatin1String("slet")));
        } else if (step == QLatin1String("ny mappe")) {
            QVERIFY(fb.funk.NyMappe(fb.funk.Grundmappe));
            got << fb.liste.text(fb.liste.editing);
        } else if (step.startsWith(QStringLiteral("omdøb "))) {
            const QString oldName = arg.section(u'|', 0, 0), newName = arg.section(u'|', 1);
            QVERIFY(fb.vaelg({oldName}));
            got << fb.funk.RenameNode(fb.liste.selected(), oldName, newName, false);
        } else if (step.startsWith(QLatin1String("tekstfil "))) {
            QVERIFY(fb.funk.SkrivTekstfil(arg, 0));
            QCOMPARE(fb.liste.text(fb.liste.selected()), QFileInfo(fb.funk.Filnavn).fileName());
            got << QFileInfo(fb.funk.Filnavn).fileName();
        } else if (step == QStringLiteral("tøm")) {
            got << QString::number(int(fb.funk.EmptyRecycleBin(true, fb.funk.Grundmappe)));
        } else {
            QFAIL(qPrintable("unknown step " + step));
        }
    }
    QCOMPARE(fb.tilstand(), after);
    QCOMPARE(fb.script.asked, asked);
    QStringList expectedMessages;
    for (QString m : messages)
        expectedMessages << m.replace(QLatin1String("$ROOT"), fb.root);
    QCOMPARE(fb.script.messages, expectedMessages);
    QCOMPARE(got, results);
    QVERIFY(!fb.dialoger.aaben);
    QVERIFY(!fb.funk.optaget());
    // The list always shows the disk as it is.
    QStringList listed = QDir(fb.funk.Grundmappe).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    QStringList shown = fb.texts();
    std::sort(listed.begin(), listed.end());
    std::sort(shown.begin(), shown.end());
    QCOMPARE(shown, listed);
}

// "Slet permanent" deletes what the question listed, even when the list's
// selection changes while the question is open.
void TstOperations::onlyWhatWasAskedIsDeleted()
{
    Filboks fb;
    makeTree(fb.root, {"a.txt=A", "b.txt=B"});
    fb.vis(QString());
    QVERIFY(fb.vaelg({"a.txt"}));
    fb.svar(QStringLiteral("Ja"));
    fb.dialoger.underBekraeft = [&] { fb.liste.setSelected(1, true); };
    QCOMPARE(fb.funk.DeleteElementer(false), 1);
    QCOMPARE(fb.dialoger.bekraeftelser.first().filer, QStringList{"a.txt"});
    QCOMPARE(fb.dialoger.bekraeftelser.first().destination, QStringLiteral("Ingen: Elementerne slettes permanent."));
    QCOMPARE(snapshot(fb.root), QStringList{"b.txt=B"});
}

// Pending events during the progress window may try other commands; they
// are refused, and the running paste ends as it would have.
void TstOperations::commandDuringProgressIsRefused()
{
    Filboks fb;
    makeTree(fb.root, {"a.txt=A", "b.txt=B", "d/", "e/"});
    fb.vis(QString());
    QVERIFY(fb.vaelg({"a.txt", "b.txt"}));
    QCOMPARE(fb.funk.CopyElementer(true), 2);
    QVERIFY(fb.vaelg({"d"}));
    fb.svar(QStringLiteral("Ja Ja"));
    QList<int> inner;
    fb.dialoger.underVejs = [&] {
        if (!inner.isEmpty())
            return;
        inner << fb.funk.PasteElementer() << fb.funk.DeleteElementer(false) << fb.funk.CopyElementer(false)
              << int(fb.funk.NyMappe(fb.root));
        fb.funk.makeStruktur2(fb.path("e"), true, true);
    };
    QCOMPARE(fb.funk.PasteElementer(), 2);
    QCOMPARE(inner, (QList<int>{0, 0, 0, 0}));
    QCOMPARE(fb.script.messages.size(), 4);
    QVERIFY(fb.script.messages.first().startsWith(QLatin1String("Filboksen er i gang med en anden handling.")));
    QCOMPARE(fb.funk.Grundmappe, fb.root);
    QCOMPARE(snapshot(fb.path("d")), (QStringList{"a.txt=A", "b.txt=B"}));
    QVERIFY(!QFileInfo::exists(fb.path("Ny mappe")));
}

// A drop registers each path whole, however long, and a file is copied
// from its own folder even when the dropped files come from several.
void TstOperations::droppedPathsKeepTheirFolders()
{
    Filboks fb;
    const QString longName = QString(120, u'l');
    const QString deep = longName + u'/' + longName + u'/' + longName;
    makeTree(fb.root, {deep + QStringLiteral("/dyb.txt=D"), "x/a.txt=A", "y/b.txt=B", "maal/"});
    QVERIFY(fb.path(deep + QStringLiteral("/dyb.txt")).size() > 255);
    fb.vis(QStringLiteral("maal"));
    fb.funk.InitRegister();
    QVERIFY(fb.funk.RegisterElements(fb.path("x/a.txt")));
    QVERIFY(fb.funk.RegisterElements(fb.path(deep + QStringLiteral("/dyb.txt"))));
    QVERIFY(fb.funk.RegisterElements(fb.path("y/b.txt")));
    QVERIFY(!fb.funk.RegisterElements(fb.path("findes/ikke")));
    fb.vaelg({});
    fb.svar(QStringLiteral("Ja"));
    QCOMPARE(fb.funk.PasteElementer(false), 3);
    QCOMPARE(snapshot(fb.path("maal")), (QStringList{"a.txt=A", "b.txt=B", "dyb.txt=D"}));
    QCOMPARE(fb.script.messages, QStringList{});
}

void TstOperations::progressTexts()
{
    QCOMPARE(TInformation::kopierInfoTekst(1, 1, 1536), QStringLiteral("Der kopieres 1 fil fra 1 mappe: 1,50 KB"));
    QCOMPARE(TInformation::kopierInfoTekst(1200, 3, 512), QStringLiteral("Der kopieres 1.200 filer fra 3 mapper: 512 bytes"));
    QCOMPARE(TInformation::sletInfoTekst(1, 10), QStringLiteral("Der slettes 1 element: 10 bytes"));
    QCOMPARE(TInformation::sletInfoTekst(2, 4096), QStringLiteral("Der slettes 2 elementer: 4,00 KB"));
    Filboks fb;
    makeTree(fb.root, {"X/a=12345", "X/Y/b=1", "c=123", "d/"});
    fb.vis(QString());
    QVERIFY(fb.vaelg({"X", "c"}));
    fb.funk.CopyElementer();
    fb.vaelg({"d"});
    fb.svar(QStringLiteral("Ja"));
    QCOMPARE(fb.funk.PasteElementer(), 2);
    QCOMPARE(fb.dialoger.infoTekster,
             (QStringList{"Kopiering forberedes", "Der kopieres 3 filer fra 2 mapper: 9 bytes"}));
    QCOMPARE(fb.dialoger.totalProcent, 0);   // reset when done
    QCOMPARE(fb.dialoger.aabninger, 1);
}

void TstOperations::openSelected()
{
    Filboks fb;
    makeTree(fb.root, {"a.txt", "b.html", "sub/"});
    fb.vis(QString());
    QStringList opened;
    fb.funk.setAabner([&](const QString &p) { opened << QFileInfo(p).fileName(); });
    QVERIFY(fb.vaelg({"sub", "a.txt", "b.html"}));
    QCOMPARE(fb.funk.OpenElementer(), 2);
    QCOMPARE(opened, (QStringList{"a.txt", "b.html"}));
}

QTEST_MAIN(TstOperations)
// A play list lists every selected entry whose name has an extension (a
// folder "x.old" too), in list order, in a new page in the shown folder.
void TstOperations::playListPages_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("selected");
    QTest::addColumn<QString>("golden");
    QTest::newRow("music") << 2 << QStringList{"a.mp3", "b.ogg"} << "musikliste.html";
    QTest::newRow("films with a folder") << 1 << QStringList{"x.old", "film.mp4", "noext"} << "filmliste.html";
    QTest::newRow("pictures") << 3 << QStringList{"p.png"} << "billedliste.html";
}

void TstOperations::playListPages()
{
    QFETCH(int, type);
    QFETCH(QStringList, selected);
    QFETCH(QString, golden);
    static const char *const names[] = {"", "Film_afspilningsliste.html", "Musik_afspilningsliste.html",
                                        "Billed_afspilningsliste.html"};
    Filboks fb;
    makeTree(fb.root, {"a.mp3=", "b.ogg=", "film.mp4=", "noext=", "p.png=", "x.old/"});
    test::writeAll(fb.path(QString::fromLatin1(names[type])), "taken");
    fb.vis(QString());
    QVERIFY(fb.vaelg(selected));
    QVERIFY(fb.funk.SkrivTekstfil(QString::fromLatin1(names[type]), type));
    // The name taken already is kept; the new page gets a free one and is selected.
    QCOMPARE(test::readAll(fb.path(QString::fromLatin1(names[type]))), QByteArray("taken"));
    QCOMPARE(fb.liste.text(fb.liste.selected()), QFileInfo(fb.funk.Filnavn).fileName());
    QVERIFY(fb.funk.Filnavn.endsWith(" (1).html"));
    const QByteArray page = test::readAll(fb.funk.Filnavn);
    QByteArray expected = test::readAll(QFINDTESTDATA("golden/" + golden));
    QVERIFY(!expected.isEmpty());
    expected.replace("$BASE", (fb.root + u'/').toUtf8());
    expected.replace("\r\n", "\n").replace("\n", "\r\n");
    QCOMPARE(QString::fromUtf8(page), QString::fromUtf8(expected));
}

#include "tst_operations.moc"
