#include "html/htmlcommands.h"
#include "appstart.h"
#include "app/mainform.h"
#include "html/infotag.h"
#include "core/text/textfile.h"
#include "support/testsupport.h"
#include "ui/questions.h"

#include "core/commandregistry.h"
#include <QDir>
#include <QLineEdit>
#include <QFile>
#include <QMdiArea>
#include <QMenu>
#include <QTabBar>
#include <QtTest>
#include <memory>

using namespace taglund;

namespace {

// A main window on a fresh install root, with scripted answers to its questions.
struct Fixture {
    test::TempRoot root;
    ui::Script script;
    std::unique_ptr<Tmainform> main;
    QStringList saveNames;   // answers of the save dialog, in order ("" = cancel)

    explicit Fixture(const QStringList &args = {})
    {
        ui::setScript(&script);
        script.saveFileName = [this](const QString &, const QString &) {
            return saveNames.isEmpty() ? QString() : saveNames.takeFirst();
        };
        main = std::make_unique<Tmainform>(QStringLiteral("/opt/taglund"), args);
        main->show();
        test::waitForStartFiles(*main);
        test::closeFilebox(*main);
    }
    ~Fixture()
    {
        main.reset();
        ui::setScript(nullptr);
    }
    TDokumentOmraade *docs() const { return main->documents(); }
    QString file(const QString &name) const { return root.file(name); }
    QStringList tabs() const
    {
        QStringList t;
        for (int i = 0; i < docs()->tabStrip()->count(); ++i)
            t << docs()->tabStrip()->tabData(i).toString();
        return t;
    }
    void type(Twinform *w, const QString &text) { QTest::keyClicks(w->editorWidget(), text); }
};

} // namespace

class TestDocuments : public QObject {
    Q_OBJECT
private slots:
    void captionsFollowNumbersAndSaves()
    {
        Fixture f;
        f.docs()->newFromType("*.html", false);
        f.docs()->newFromType("*.css", false);
        Twinform *w = f.docs()->newFromType("*.html", false);
        QCOMPARE(w->CapNavn, QString("3. Dokument (.html)"));
        QCOMPARE(w->DocExt, QString(".html"));
        f.type(w, "<p>");
        f.saveNames << f.file("side.html");
        QVERIFY(f.docs()->GemSomDokument(w));
        QCOMPARE(w->CapNavn, QString("3. side.html"));
        QCOMPARE(w->windowTitle(), QString("side.html"));
        QCOMPARE(f.tabs(), (QStringList{"1. Dokument (.html)", "2. Dokument (.css)", "3. side.html"}));
        QVERIFY(!w->text().Modified());
        QCOMPARE(test::readAll(f.file("side.html")), QByteArray("<p>"));
        QCOMPARE(f.main->statusText(4), QString("3,1"));
    }

    void saveAsAddsTheExtension()
    {
        Fixture f;
        Twinform *w = f.docs()->newFromType("*.asp", false);
        f.saveNames << f.file("script");
        QVERIFY(f.docs()->GemSomDokument(w));
        QCOMPARE(w->Filnavn, f.file("script.asp"));
        QVERIFY(QFile::exists(f.file("script.asp")));
    }

    // In the real main window: "Gem som..." with the file box shown puts the
    // box in save mode, and Enter in its name field saves there.
    void saveAsThroughTheVisibleFilebox()
    {
        Fixture f;
        auto *fb = f.main->part<TFilboksKommandoer>();
        fb->visSenesteMappe(f.root.path());
        Twinform *w = f.docs()->newFromType("*.html", false);
        f.type(w, "<p>ny</p>");
        f.main->commands()->updateAll();
        f.main->commands()->action(QStringLiteral("AGemSom"))->trigger();
        QVERIFY(w->Filnavn.isEmpty());
        Topenfilform *box = fb->filboks();
        QCOMPARE(box->windowTitle(), QString("Gem dokument"));
        box->gemFelt()->setText("fra-boksen");
        QTest::keyClick(box->gemFelt(), Qt::Key_Return);
        QCOMPARE(w->Filnavn, f.file("fra-boksen.html"));
        QCOMPARE(test::readAll(w->Filnavn), QByteArray("<p>ny</p>"));
        QVERIFY(!w->text().Modified());
    }

    // A folder from "Seneste mapper" opens in the file box, which comes into
    // view for it, not in a file dialog.
    void recentFolderOpensInTheFilebox()
    {
        Fixture f;
        QVERIFY(QDir(f.root.path()).mkdir("sider"));
        const QString page = f.file("sider/a.html");
        QFile out(page);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write("<p>");
        out.close();
        QVERIFY(f.main->openwin(page));
        f.main->commands()->updateAll();
        f.main->commands()->action(QStringLiteral("AIndsaetSenesteMapper"))->trigger();
        QVERIFY(f.docs()->lukDokument(page));
        QMenu *menu = f.main->commands()->action(QStringLiteral("ASenesteMapper"))->menu();
        QVERIFY(menu);
        emit menu->aboutToShow();
        QAction *entry = nullptr;
        for (QAction *a : menu->actions())
            if (a->text().contains("sider"))
                entry = a;
        QVERIFY2(entry, "the folder is in the recent-folder menu");
        entry->trigger();
        Topenfilform *box = f.main->part<TFilboksKommandoer>()->filboks();
        QVERIFY(box->isVisible());
        QCOMPARE(box->funk->Grundmappe, f.file("sider"));
    }

    void cancelledSaveLeavesItUntitled()
    {
        Fixture f;
        Twinform *w = f.docs()->newFromType("*.html", false);
        f.type(w, "x");
        f.saveNames << "";
        QVERIFY(!f.docs()->Gem(w));
        QVERIFY(w->Filnavn.isEmpty());
        QVERIFY(w->text().Modified());
        QCOMPARE(w->CapNavn, QString("1. Dokument (.html)"));
    }

    void overwriteAsksAndNejWritesNothing()
    {
        Fixture f;
        test::writeAll(f.file("x.html"), "old");
        Twinform *w = f.docs()->newFromType("*.html", false);
        f.type(w, "new");
        f.saveNames << f.file("x.html") << f.file("x.html");
        f.script.answers << ui::Answer::Nej << ui::Answer::Ja;
        QVERIFY(!f.docs()->GemSomDokument(w));
        QCOMPARE(f.script.asked.last(), QString("Filen x.html eksisterer allerede!\nSkal den overskrives?"));
        QCOMPARE(test::readAll(f.file("x.html")), QByteArray("old"));
        QVERIFY(f.docs()->GemSomDokument(w));
        QCOMPARE(test::readAll(f.file("x.html")), QByteArray("new"));
    }

    // Paths differ by case on this file system: saving as a.html must not touch A.html.
    void saveAsOtherCaseIsAnotherFile()
    {
        Fixture f;
        test::writeAll(f.file("A.html"), "upper");
        Twinform *w = f.main->openwin(f.file("A.html"));
        f.type(w, "lower ");
        f.saveNames << f.file("a.html");
        QVERIFY(f.docs()->GemSomDokument(w));
        QCOMPARE(test::readAll(f.file("A.html")), QByteArray("upper"));
        QCOMPARE(test::readAll(f.file("a.html")), QByteArray("lower upper"));
        QCOMPARE(w->CapNavn, QString("1. a.html"));
    }

    void savedBytes_data()
    {
        QTest::addColumn<QByteArray>("onDisk");   // empty: a new document
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("saved");
        QTest::newRow("cp1252 with cr lf") << QByteArray() << QString::fromUtf8("æ€\nb")
                                           << QByteArray("\xE6\x80\r\nb");
        QTest::newRow("utf8 stays utf8") << QByteArray("\xC3\xA6") << "x" << QByteArray("x\xC3\xA6");
        QTest::newRow("utf8 mark kept") << QByteArray("\xEF\xBB\xBF" "a") << "b" << QByteArray("\xEF\xBB\xBF" "ba");
        QTest::newRow("utf16 kept") << QByteArray("\xFF\xFE" "a\0", 4) << "b" << QByteArray("\xFF\xFE" "b\0a\0", 6);
        QTest::newRow("beyond cp1252") << QByteArray("a") << QString::fromUtf8("☃")
                                       << QByteArray("\xEF\xBB\xBF\xE2\x98\x83" "a");
        // A file keeps the line ends it was written with.
        QTest::newRow("lf file keeps lf") << QByteArray("a\nb\n") << "" << QByteArray("a\nb\n");
    }
    void savedBytes()
    {
        QFETCH(QByteArray, onDisk);
        QFETCH(QString, typed);
        QFETCH(QByteArray, saved);
        Fixture f;
        Twinform *w = nullptr;
        if (onDisk.isEmpty()) {
            w = f.docs()->newFromType("*.txt", false);
            f.saveNames << f.file("out.txt");
        } else {
            test::writeAll(f.file("out.txt"), onDisk);
            w = f.main->openwin(f.file("out.txt"));
            QVERIFY(!w->text().Modified());
        }
        w->text().setSelStart(0);
        w->text().setSelText(typed);
        QVERIFY(f.docs()->Gem(w));
        QCOMPARE(test::readAll(f.file("out.txt")), saved);
        if (!onDisk.isEmpty())
            QCOMPARE(f.main->statusText(5), "Filen: " + f.file("out.txt") + " er gemt!");
    }

    void failedWriteKeepsTheDocument()
    {
        Fixture f;
        Twinform *w = f.docs()->newFromType("*.html", false);
        f.type(w, "keep me");
        f.saveNames << f.file("missing-folder/x.html");
        QVERIFY(!f.docs()->GemSomDokument(w));
        QVERIFY(w->Filnavn.isEmpty());
        QVERIFY(w->text().Modified());
        QCOMPARE(f.script.messages.size(), 1);
        QVERIFY(f.script.messages.first().startsWith("Filen "));
    }

    void unreadableFileOpensNothing()
    {
        Fixture f;
        QDir().mkpath(f.file("folder.html"));
        QVERIFY(f.docs()->makeWindow(f.file("folder.html"), QString()) == nullptr);
        QVERIFY(f.docs()->windows().isEmpty());
        QCOMPARE(f.script.messages.size(), 1);
        // The number is used up all the same: no two windows ever share one.
        Twinform *w = f.docs()->newFromType("*.html", false);
        QCOMPARE(w->DocNo, 2);
    }

    void openingTwiceSelectsTheWindow()
    {
        Fixture f;
        test::writeAll(f.file("a.html"), "a");
        Twinform *a = f.main->openwin(f.file("a.html"));
        f.docs()->newFromType("*.html", false);
        QCOMPARE(f.main->openwin(f.file("a.html")), a);
        QCOMPARE(f.docs()->windows().size(), 2);
        QCOMPARE(f.docs()->activeWin(), a);
    }

    void templates()
    {
        Fixture f;
        const QString tplDir = f.main->paths().klichedir;
        // Missing: created empty, opened as a named document, with the message.
        Twinform *t = f.docs()->newFromType("*.css", true);
        QVERIFY(t);
        QCOMPARE(t->Filnavn, QDir(tplDir).filePath("kliche.css"));
        QCOMPARE(f.script.messages.last(), QString("Der fandtes ikke nogen kliche til filtypen.\rDen er nu oprettet.\r"
                                                   "Skriv klicheen og gem filen."));
        // Present: loaded into an untitled, unmodified document.
        test::writeAll(QDir(tplDir).filePath("kliche.html"), "<!DOCTYPE html>\r\n");
        Twinform *w = f.docs()->newFromType("*.html", true);
        QVERIFY(w->Filnavn.isEmpty());
        QCOMPARE(w->text().Text(), QString("<!DOCTYPE html>\r\n"));
        QVERIFY(!w->text().Modified());
        QVERIFY(f.docs()->klicheName.isEmpty());
    }

    void templateFolderThatCannotBeMade()
    {
        Fixture f;
        // A file where the template folder should be.
        QDir().mkpath(f.main->paths().programdir);
        test::writeAll(f.main->paths().klichedir, "not a folder");
        QVERIFY(f.docs()->newFromType("*.js", true) == nullptr);
        QCOMPARE(f.script.messages.size(), 1);
        QVERIFY(!f.script.messages.first().contains("Den er nu oprettet"));
    }

    void closeAllWithJaStopsAfterTheSavedOne()
    {
        Fixture f;
        Twinform *a = f.docs()->newFromType("*.html", false);
        Twinform *b = f.docs()->newFromType("*.html", false);
        Twinform *c = f.docs()->newFromType("*.html", false);
        f.type(a, "a");
        f.type(b, "b");
        f.type(c, "c");
        // The last made is asked first.
        f.script.answers << ui::Answer::Ja;
        f.saveNames << f.file("c.html");
        QVERIFY(!f.docs()->LukAlle());
        QCOMPARE(f.script.asked, QStringList{"Skal documentet 3. Dokument (.html) gemmes?"});
        QCOMPARE(test::readAll(f.file("c.html")), QByteArray("c"));
        QCOMPARE(f.docs()->windows(), (QList<Twinform *>{a, b}));
    }

    void jaWithCancelledSaveKeepsTheWindow()
    {
        Fixture f;
        Twinform *a = f.docs()->newFromType("*.html", false);
        Twinform *b = f.docs()->newFromType("*.html", false);
        f.type(a, "a");
        f.type(b, "b");
        f.script.answers << ui::Answer::Ja;
        f.saveNames << "";
        QVERIFY(!f.main->lukProgram());
        QCOMPARE(f.docs()->windows(), (QList<Twinform *>{a, b}));
        QVERIFY(b->text().Modified());
        QVERIFY(!QFile::exists(f.main->paths().optfil));
    }

    void exitWithNejClosesAllAndRemembersNamedOnes()
    {
        Fixture f;
        test::writeAll(f.file("one.html"), "1");
        test::writeAll(f.file("two.html"), "2");
        Twinform *one = f.main->openwin(f.file("one.html"));
        Twinform *two = f.main->openwin(f.file("two.html"));
        Twinform *untitled = f.docs()->newFromType("*.html", false);
        f.type(one, "x");
        f.type(untitled, "y");
        Q_UNUSED(two);
        f.script.answers << ui::Answer::Nej << ui::Answer::Nej;
        f.docs()->activate(two);
        QVERIFY(f.main->lukProgram());
        QVERIFY(f.docs()->windows().isEmpty());
        QCOMPARE(test::readAll(f.file("one.html")), QByteArray("1"));
        QStringList reopen;
        QVERIFY(TextFile::readLines(f.main->paths().dokumentfil, reopen));
        QCOMPARE(reopen, (QStringList{f.file("two.html"), f.file("one.html")}));
        QStringList options;
        QVERIFY(TextFile::readLines(f.main->paths().optfil, options));
        QCOMPARE(options.size(), 37);
        QVERIFY(test::readAll(f.main->paths().optfil).endsWith("\r\n"));
    }

    // "Ja" for a named document during exit: everything closes, but the program stays.
    void exitWithJaOnNamedDocumentStaysOpen()
    {
        Fixture f;
        test::writeAll(f.file("one.html"), "1");
        test::writeAll(f.file("two.html"), "2");
        Twinform *one = f.main->openwin(f.file("one.html"));
        f.main->openwin(f.file("two.html"));
        f.type(one, "x");
        f.script.answers << ui::Answer::Ja;
        QVERIFY(!f.main->lukProgram());
        QVERIFY(f.docs()->windows().isEmpty());
        QCOMPARE(test::readAll(f.file("one.html")), QByteArray("x1"));
        QVERIFY(!QFile::exists(f.main->paths().optfil));
    }

    void closeAllWithNothingNamedDeletesTheList()
    {
        Fixture f;
        test::writeAll(f.main->paths().dokumentfil, "old\r\n");
        f.docs()->newFromType("*.html", false);
        QVERIFY(f.docs()->LukAlle());
        QVERIFY(!QFile::exists(f.main->paths().dokumentfil));
    }

    void unansweredQuestionMinimisesAndKeeps()
    {
        Fixture f;
        Twinform *w = f.docs()->newFromType("*.html", false);
        f.type(w, "z");
        f.script.answers << ui::Answer::Ingen;
        f.docs()->LukDokument();
        QCOMPARE(f.docs()->windows(), QList<Twinform *>{w});
        QVERIFY(w->parentWidget()->isMinimized());
        QVERIFY(w->text().Modified());
    }

    void overwritingAFileOpenElsewhereClosesThatWindow()
    {
        Fixture f;
        test::writeAll(f.file("b.html"), "b");
        Twinform *b = f.main->openwin(f.file("b.html"));
        Twinform *w = f.docs()->newFromType("*.html", false);
        f.type(w, "new");
        f.saveNames << f.file("b.html");
        f.script.answers << ui::Answer::Ja;
        QPointer<Twinform> guard(b);
        QVERIFY(f.docs()->GemSomDokument(w));
        QCOMPARE(f.docs()->windows(), QList<Twinform *>{w});
        QCOMPARE(test::readAll(f.file("b.html")), QByteArray("new"));
    }

    // Large files load a piece at a time and open with unsplit lines.
    void hugeFileLoadsWholeAndSavesUnchanged()
    {
        Fixture f;
        QByteArray page;
        for (int i = 0; page.size() < 5 * 1024 * 1024; ++i)
            page += "<p>" + QByteArray::number(i) + " \xE6\xF8\xE5 lorem ipsum dolor sit amet</p>\r\n";
        test::writeAll(f.file("big.html"), page);
        Twinform *w = f.main->openwin(f.file("big.html"));
        QVERIFY(w);
        QVERIFY(!w->splitLines());
        QVERIFY(!w->text().Modified());
        QCOMPARE(w->text().LineCount(), page.count('\n') + 1);
        w->text().setModified(true);
        QVERIFY(f.docs()->Gem(w));
        QCOMPARE(test::readAll(f.file("big.html")), page);
    }

    // While the HTML engine reads a document (its progress lets events run),
    // neither closing it nor closing all may pull it away underneath.
    void documentBeingReadCannotClose()
    {
        Fixture f;
        Twinform *w = f.docs()->newFromType("*.html", false);
        w->text().setText(QStringLiteral("<html>\r\n<body><p>x</p></body>\r\n</html>"));
        w->text().setModified(false);
        Tinfotag &engine = f.main->part<THtmlKommandoer>()->taginf();
        engine.setEditor(&w->text());
        bool tried = false, lukAlle = true;
        int windowsDuring = -1;
        engine.OnProgress = [&](int percent) {
            if (percent != 0 || tried)
                return;
            tried = true;
            f.docs()->LukDokument();
            lukAlle = f.docs()->LukAlle();
            windowsDuring = int(f.docs()->windows().size());
        };
        QVERIFY(engine.ReadStructure());
        engine.OnProgress = nullptr;
        QVERIFY(tried);
        QCOMPARE(windowsDuring, 1);
        QVERIFY(!lukAlle);
        QVERIFY(engine.tree()->count() > 1);
        // Once the reading is over the document closes as usual.
        QVERIFY(f.docs()->LukAlle());
        QCOMPARE(int(f.docs()->windows().size()), 0);
    }

    void statusBarShowsTheCaret()
    {
        Fixture f;
        test::writeAll(f.file("s.txt"), "ab\r\ncd");
        Twinform *w = f.main->openwin(f.file("s.txt"));
        w->text().setSelStart(3);
        w->XYinfo();
        QCOMPARE(f.main->statusText(1), QString("Linier"));
        QCOMPARE(f.main->statusText(2), QString("2"));
        QCOMPARE(f.main->statusText(3), QString("Pos"));
        QCOMPARE(f.main->statusText(4), QString("0,2"));
        QCOMPARE(w->CharAntal, 6 - 1);
        QCOMPARE(w->editorWidget()->accessibleName(), QString("1. s.txt"));
    }
};

QTEST_MAIN(TestDocuments)
#include "tst_documents.moc"
