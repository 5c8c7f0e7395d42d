// The structure constructor's engine on a copy of a small install: each
// golden case names an operation, the answers given to its questions, and a
// folder holding what it must change (changes.txt), the bytes of every file
// it writes (files/), and the questions and messages shown (dialog.txt).
// TAGLUND_REGOLD=1 writes the folders from what the engine does.
#include "konstruktoerhelp.h"
#include "core/text/paths.h"
#include "strukturtesthelp.h"
#include "structures/strukturlib.h"
#include "structures/strukturside.h"
#include "structures/strukturworkshop.h"
#include "ui/questions.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

using namespace taglund;
using namespace taglund::test;
using A = ui::Answer;

namespace {

using Op = std::function<void(TStrukturWorkshop &)>;

void pick(TStruktur &s, const QString &text)
{
    TStrukturNode *n = byText(s, text);
    QVERIFY2(n, qPrintable(text));
    s.select(n);
}

struct GoldenCase {
    const char *name;
    QList<A> answers;
    Op op;
    Op prepare = {};  // runs before the snapshot
};

const QList<GoldenCase> &goldenCases()
{
    static const QList<GoldenCase> cases{
        {"opret", {}, [](TStrukturWorkshop &w) { w.opretInfo("Minstruktur"); }},
        {"opret_css_afvist", {}, [](TStrukturWorkshop &w) { w.opretInfo("css"); }},
        {"indsaet_autonavn_enstekst", {},
         [](TStrukturWorkshop &w) {
             w.aabnInfo("Syv");
             w.enterITekst("Window", "Window", true);
         }},
        {"indsaet_sorteret_autogem", {},
         [](TStrukturWorkshop &w) {
             w.aabnInfo("Syv");
             w.valg.sorter = true;
             w.valg.ikonIndex = 3;
             w.indsaetInfo("Alfa", "Alfa");
         }},
        {"fn_nummer", {},
         [](TStrukturWorkshop &w) {
             w.aabnInfo("Syv");
             w.valg.ensTekst = false;
             w.enterITekst("Ny side", "", true);
         }},
        {"fn_optaget", {},
         [](TStrukturWorkshop &w) {
             w.aabnInfo("Syv");
             w.valg.ensTekst = false;
             w.enterITekst("Ny side", "", true);
         },
         [](TStrukturWorkshop &w) {
             writeAll(joinPath(w.strukturDir(), "Syv/tekstfiler/dokument7.html"), "optaget\r\n");
         }},
        {"indsaet_side_findes", {},
         [](TStrukturWorkshop &w) {
             w.aabnInfo("Syv");
             w.indsaetInfo("Side1", "Side1");
         }},
        {"indsaet_tegn_escaped", {},
         [](TStrukturWorkshop &w) {
             w.aabnInfo("Syv");
             w.valg.ensTekst = false;
             w.indsaetInfo(QString::fromUtf8("a<b & \"c\" \u03a9 \U0001F600 æ"), "escape");
         }},
        {"omdoeb_ja", {A::Ja},
         [](TStrukturWorkshop &w) {
             w.aabnInfo("Syv");
             pick(w.info(), "Side5");
             w.redigerInfo("Side fem", "Fem");
         }},
        {"omdoeb_nej", {A::Nej},
         [](TStrukturWorkshop &w) {
             w.aabnInfo("Syv");
             pick(w.info(), "Side5");
             w.redigerInfo("Side fem", "Fem");
         }},
        {"omdoeb_kun_bogstavstoerrelse", {},
         [](TStrukturWorkshop &w) {
             w.aabnInfo("Syv");
             pick(w.info(), "Side5");
             w.redigerInfo("Side5", "side5");
         }},
        {"omdoeb_delt_side", {A::Ja},
         [](TStrukturWorkshop &w) {
             w.aabnInfo("Syv");
             pick(w.info(), "Igen tre");
             w.valg.ikonIndex = 3;
             w.redigerInfo("Igen tre", "Tre");
         }},
        {"omdoeb_til_eksisterende", {},
         [](TStrukturWorkshop &w) {
             w.aabnInfo("Syv");
             pick(w.info(), "Side5");
             w.redigerInfo("Side5", "Side1");
         }},
        {"slet_beskyttet", {}, [](TStrukturWorkshop &w) { w.sletInfo("Programmet"); }},
        {"slet_tilladt", {A::Ja}, [](TStrukturWorkshop &w) { w.sletInfo("Html5"); }},
        {"slet_fortrudt", {A::Nej}, [](TStrukturWorkshop &w) { w.sletInfo("Html5"); }},
        {"slet_ingen_valgt", {}, [](TStrukturWorkshop &w) { w.sletInfo(""); }},
        {"slet_element_delt_side", {A::Ja},
         [](TStrukturWorkshop &w) {
             w.aabnInfo("Syv");
             pick(w.info(), "Side3");
             w.sletElement(w.info());
             w.gem(w.info());
         }},
        {"konverter", {}, [](TStrukturWorkshop &w) { w.konverter("Mine"); }},
        {"konverter_navn_findes", {}, [](TStrukturWorkshop &w) { w.konverter("html5"); }},
        {"opret_objekt", {},
         [](TStrukturWorkshop &w) {
             w.opretObjekt("Egen");
             w.indsaetObjekt("Def", {"Definition", "", "Tredje", ""});
         }},
        {"opret_objekt_afvist_par", {}, [](TStrukturWorkshop &w) { w.opretObjekt("window"); }},
        {"slet_objekt_indbygget", {}, [](TStrukturWorkshop &w) { w.sletObjekt("ASP"); }},
        {"slet_objekt", {A::Ja}, [](TStrukturWorkshop &w) { w.sletObjekt("Mine"); }},
        {"rediger_objekt_ekstra_felter", {},
         [](TStrukturWorkshop &w) {
             w.aabnObjekt("Mine");
             pick(w.objekt(), "Document");
             w.valg1.ikonIndex1 = 2;
             w.redigerObjekt("Document", {"Ny\r\ndefinition", "document.body", "a", "b"});
         }},
    };
    return cases;
}

// Paths in messages are shown below "<rod>", the install root.
QString dialogText(const ui::Script &s, const QString &root)
{
    QStringList out;
    for (const QString &q : s.asked)
        out << QStringLiteral("? ") + QString(q).replace(u'\n', QStringLiteral(" / "));
    for (const QString &m : s.messages)
        out << QStringLiteral("! ") + QString(m).replace(u'\r', QStringLiteral(" / "));
    return out.join(u'\n').replace(QDir::toNativeSeparators(root), QStringLiteral("<rod>")) + u'\n';
}

} // namespace

class TestStrukturWorkshop : public QObject {
    Q_OBJECT
    QTemporaryDir m_home;

    struct Install {
        TempRoot root;
        QString program = root.file("Program");
        Install() { copyTree(konstruktoerData("base"), program); }
        std::unique_ptr<TStrukturWorkshop> workshop() const
        {
            return std::make_unique<TStrukturWorkshop>(withTrailingSeparator(program), joinPath(program, "Struktur"),
                                                       withTrailingSeparator(joinPath(program, "Script")));
        }
    };

private slots:
    void initTestCase()
    {
        // Pages sent to the recycle bin land in a bin of our own.
        qputenv("HOME", QFile::encodeName(m_home.path()));
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.filePath("share")));
        QDir().mkpath(m_home.filePath("share"));
        QLocale::setDefault(QLocale(QLocale::Danish, QLocale::Denmark));
    }

    void golden_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < goldenCases().size(); ++i)
            QTest::newRow(goldenCases()[i].name) << i;
    }

    void golden()
    {
        QFETCH(int, index);
        const GoldenCase &c = goldenCases()[index];
        Install in;
        auto w = in.workshop();
        if (c.prepare)
            c.prepare(*w);
        const auto before = snapshot(in.program);
        ui::Script script;
        script.answers = c.answers;
        ui::setScript(&script);
        c.op(*w);
        ui::setScript(nullptr);
        const auto after = snapshot(in.program);
        const QStringList changed = changes(before, after);
        const QString dialog = dialogText(script, in.root.path());

        const QString dir = konstruktoerData(c.name);
        if (qEnvironmentVariableIsSet("TAGLUND_REGOLD")) {
            QDir(dir).removeRecursively();
            writeAll(dir + "/changes.txt", (changed.join(u'\n') + u'\n').toUtf8());
            writeAll(dir + "/dialog.txt", dialog.toUtf8());
            for (const QString &line : changed)
                if (!line.startsWith(u'-') && !line.endsWith(u'/'))
                    writeAll(dir + "/files/" + line.mid(2), after.value(line.mid(2)));
        }
        QCOMPARE(changed.join(u'\n') + u'\n', QString::fromUtf8(readAll(dir + "/changes.txt")));
        QCOMPARE(dialog, QString::fromUtf8(readAll(dir + "/dialog.txt")));
        for (const QString &line : changed)
            if (!line.startsWith(u'-') && !line.endsWith(u'/'))
                QCOMPARE(after.value(line.mid(2)), readAll(dir + "/files/" + line.mid(2)));
    }

    // A name typed by the user never reaches outside its folder, for any of
    // the places a name becomes a path.
    void namesStayInTheirFolder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("why");
        QTest::newRow("slash") << "a/b" << "/ eller \\";
        QTest::newRow("backslash") << "a\\b" << "/ eller \\";
        QTest::newRow("dotdot") << ".." << "\"..\"";
        QTest::newRow("dotdot inside") << "x..y" << "\"..\"";
        QTest::newRow("leading blank") << " x" << "mellemrum";
        QTest::newRow("trailing blank") << "x " << "mellemrum";
        QTest::newRow("only blanks") << "   " << "mellemrum";
        QTest::newRow("tab") << "a\tb" << "styretegn";
        QTest::newRow("windows chars") << "a?b" << ": * ? \" < > |";
        QTest::newRow("not cp1252") << QString::fromUtf8("a\u03a9") << "ikke kan gemme";
    }

    void namesStayInTheirFolder()
    {
        QFETCH(QString, name);
        QFETCH(QString, why);
        Install in;
        auto w = in.workshop();
        w->aabnInfo("Syv");
        pick(w->info(), "Side5");
        w->valg.ensTekst = false;
        const auto before = snapshot(in.program);
        ui::Script script;
        script.answers = {A::Ja, A::Ja, A::Ja};
        ui::setScript(&script);
        QVERIFY(!w->opretInfo(name));
        QVERIFY(!w->opretObjekt(name));
        QVERIFY(!w->indsaetInfo("Tekst", name));
        QVERIFY(!w->opretFil("Tekst", name));
        QVERIFY(!w->redigerInfo("Side5", name));
        ui::setScript(nullptr);
        QCOMPARE(script.asked, QStringList());
        QCOMPARE(script.messages.size(), 5);
        for (const QString &m : script.messages)
            QVERIFY2(m.contains(why), qPrintable(m));
        QCOMPARE(changes(before, snapshot(in.program)), QStringList());
        QCOMPARE(w->info().Count(), 7);
    }

    void escapingOfPageTexts_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("escaped");
        QTest::newRow("markup") << "<b>&\"" << "&lt;b&gt;&amp;&quot;";
        QTest::newRow("danish stays") << QString::fromUtf8("æøå €") << QString::fromUtf8("æøå €");
        QTest::newRow("greek") << QString::fromUtf8("\u03a9") << "&#937;";
        QTest::newRow("outside bmp") << QString::fromUtf8("\U0001F600") << "&#128512;";
        QTest::newRow("line break") << "a\r\nb" << "a b";
    }

    void escapingOfPageTexts()
    {
        QFETCH(QString, title);
        QFETCH(QString, escaped);
        const QStringList lines = StrukturSide::pageLines(title);
        QCOMPARE(lines.size(), 16);
        QCOMPARE(lines[3], "<title>" + escaped + "</title>");
        QCOMPARE(lines[11], "<div class=\"overskrift\">" + escaped + "</div>");
    }

    void unwritablePageInsertsNothing()
    {
        Install in;
        auto w = in.workshop();
        w->aabnInfo("Syv");
        // The pages folder is a file: nothing can be written into it.
        const QString pages = joinPath(in.program, "Struktur/Syv/tekstfiler");
        QVERIFY(QDir(pages).removeRecursively());
        writeAll(pages, "ikke en mappe");
        ui::Script script;
        ui::setScript(&script);
        QVERIFY(!w->indsaetInfo("Window", "Window"));
        ui::setScript(nullptr);
        QCOMPARE(script.messages.size(), 1);
        QVERIFY2(script.messages[0].startsWith("Siden "), qPrintable(script.messages[0]));
        QVERIFY(script.messages[0].contains("kunne ikke skrives"));
        QCOMPARE(w->info().Count(), 7);
        QVERIFY(!w->info().Modified());
    }

    void failedRenameChangesNothing()
    {
        Install in;
        auto w = in.workshop();
        w->aabnInfo("Syv");
        pick(w->info(), "Side5");
        const QString tooLong(300, u'x');  // no file system holds a name this long
        ui::Script script;
        script.answers = {A::Ja};
        ui::setScript(&script);
        QVERIFY(!w->redigerInfo("Side fem", tooLong));
        ui::setScript(nullptr);
        QCOMPARE(script.messages.size(), 1);
        QVERIFY(script.messages[0].contains("kunne ikke omdøbes"));
        QCOMPARE(w->info().Selected()->text, QString("Side5"));
        QCOMPARE(w->info().SelectedData(), QString("Side5"));
        QVERIFY(QFileInfo::exists(joinPath(in.program, "Struktur/Syv/tekstfiler/Side5.html")));
    }

    void editNeedsAFileName()
    {
        Install in;
        auto w = in.workshop();
        w->aabnInfo("Syv");
        pick(w->info(), "Side5");
        ui::Script script;
        ui::setScript(&script);
        QVERIFY(!w->redigerInfo("Side fem", ""));
        // Delete and the two entry commands do nothing without a selection.
        w->info().select(nullptr);
        QVERIFY(!w->sletElement(w->info()));
        QVERIFY(!w->redigerInfo("Side fem", "Fem"));
        QVERIFY(!w->redigerObjekt("x", {"y"}));
        ui::setScript(nullptr);
        QCOMPARE(script.messages, QStringList{"Der mangler et filnavn!"});
        QCOMPARE(script.asked, QStringList());
        QCOMPARE(w->info().Count(), 7);
    }

    // A modified tree is never dropped without asking: Ja saves it first,
    // Nej drops it, closing the box leaves it open and modified.
    void leavingAModifiedTreeAsks_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("how");  // 0 open another, 1 reload, 2 close
        QTest::addColumn<bool>("left");
        QTest::addColumn<bool>("saved");
        for (int how = 0; how < 3; ++how) {
            const QByteArray h = QByteArray::number(how);
            QTest::newRow("ja " + h) << int(A::Ja) << how << true << true;
            QTest::newRow("nej " + h) << int(A::Nej) << how << true << false;
            QTest::newRow("ingen " + h) << int(A::Ingen) << how << false << false;
        }
    }

    void leavingAModifiedTreeAsks()
    {
        QFETCH(int, answer);
        QFETCH(int, how);
        QFETCH(bool, left);
        QFETCH(bool, saved);
        Install in;
        auto w = in.workshop();
        w->aabnInfo("Syv");
        w->valg.autoGem = false;
        QVERIFY(w->indsaetInfo("Ny", "Ny"));
        QVERIFY(w->info().Modified());
        ui::Script script;
        script.answers = {A(answer)};
        ui::setScript(&script);
        bool done = false;
        switch (how) {
        case 0: done = w->aabnInfo("Html5"); break;
        case 1: done = w->genindlaesInfo(); break;
        default: done = w->maaForlade(w->info()); break;
        }
        ui::setScript(nullptr);
        QCOMPARE(script.asked, QStringList{QString::fromUtf8("Strukturen Syv er ændret.\nSkal ændringerne gemmes først?")});
        QCOMPARE(done, left);
        const QByteArray tree = readAll(joinPath(in.program, "Struktur/Syv/struktur.txt"));
        QCOMPARE(tree.contains("Ny\r\n"), saved);
        if (!left) {
            QCOMPARE(w->strukturName(), QString("Syv"));
            QVERIFY(w->info().Modified());
        }
    }

    void sortedInsertWithoutAutoGemStaysUnsaved()
    {
        Install in;
        auto w = in.workshop();
        w->aabnInfo("Syv");
        w->valg.sorter = true;
        w->valg.autoGem = false;
        const QByteArray before = readAll(joinPath(in.program, "Struktur/Syv/struktur.txt"));
        QVERIFY(w->indsaetInfo("Alfa", "Alfa"));
        QVERIFY(w->info().Modified());
        QCOMPARE(readAll(joinPath(in.program, "Struktur/Syv/struktur.txt")), before);
    }

    void listsFollowTheChanges()
    {
        Install in;
        auto w = in.workshop();
        QCOMPARE(w->infoStrukturer(), (QStringList{"CSS", "Html5", "Programmet", "Syv"}));
        QCOMPARE(w->objektStrukturer(), (QStringList{"HTML koder", "ASP", "Mine"}));
        QSignalSpy info(w.get(), &TStrukturWorkshop::infoListeAendret);
        QSignalSpy objekt(w.get(), &TStrukturWorkshop::objektListeAendret);
        QVERIFY(w->opretInfo("Minstruktur"));
        QVERIFY(w->opretObjekt("Bbb"));
        QCOMPARE(info.count(), 1);
        QCOMPARE(objekt.count(), 1);
        QCOMPARE(w->infoLabel(), QString("Strukturnavn: Minstruktur. Antal items: 0"));
        QCOMPARE(w->newSL(), (QStringList{"Bbb", "Mine"}));
        QVERIFY(w->infoStrukturer().contains("Minstruktur"));
        // What the viewer's menu and the document windows' menu then show.
        const auto menu = StrukturLib::userInformationMenu(w->infoStrukturer());
        QStringList captions;
        for (const auto &item : menu)
            captions << item.caption;
        QCOMPARE(captions, (QStringList{"Minstruktur", "Programmet", "Syv"}));
        QCOMPARE(StrukturLib::userObjectStructures(w->objektStrukturDir()), (QStringList{"Bbb", "Mine"}));
    }

    void objectFieldsShownAgain()
    {
        // Boxes 1 and 3 filled: shown again, the third box's text is in the second.
        const QString payload = TStrukturWorkshop::objektPayload({"En", "", "Tre", ""});
        QCOMPARE(payload, QString("En|Tre"));
        QCOMPARE(TStrukturWorkshop::visFelter(payload), (QStringList{"En", "Tre", "", ""}));
        QCOMPARE(TStrukturWorkshop::visFelter("a|b|c|d|e"), (QStringList{"a", "b", "c", "d"}));
    }
};

QTEST_MAIN(TestStrukturWorkshop)
#include "tst_strukturworkshop.moc"
