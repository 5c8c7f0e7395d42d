#include "core/model/filetypes.h"
#include "core/model/openroute.h"
#include "core/model/reopenfiler.h"
#include "core/text/textfile.h"
#include "app/types/doktypeform.h"
#include "app/types/filtypeform.h"
#include "app/types/reopenmenu.h"
#include "platform/desktopshell.h"
#include "support/testsupport.h"
#include "ui/questions.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

using namespace taglund;

namespace {

using A = ui::Answer;

// Answers the question boxes for one test and records what they asked.
struct Answers {
    ui::Script script;
    explicit Answers(QList<A> answers = {})
    {
        script.answers = answers;
        ui::setScript(&script);
    }
    ~Answers() { ui::setScript(nullptr); }
};

QStringList column(QTreeWidget *list, int col)
{
    QStringList out;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        out << list->topLevelItem(i)->text(col);
    return out;
}

// Opening files the way the main window does, reduced to its tabs.
struct Openwin {
    const TFiltypeliste &liste;
    FakeDesktopShell shell;
    QStringList paths;   // what the document windows show
    QStringList tabs;
    int NewCount = 0;

    void open(const QString &path)
    {
        OpenDecision d = decideOpen(path, {}, paths.contains(path),
                                    [this](const QString &e) { return liste.isItTextfile(e); });
        if (d.route == OpenRoute::AskIfText)
            d = d.answered(ui::askQuestion(nullptr, d.question));
        if (d.route == OpenRoute::Shell)
            shell.openFile(path, "open", {}, QFileInfo(path).absolutePath());
        if (!d.makesWindow())
            return;
        paths << path;
        tabs << QString::number(++NewCount) + ". " + QFileInfo(path).fileName();
    }
};

} // namespace

class TestTypeBoxes : public QObject {
    Q_OBJECT
private slots:
    void fileTypeBoxShowsTheList()
    {
        test::TempRoot root;
        TFiltypeliste liste;
        liste.makeTypeliste();
        TFiltypeForm form(liste, root.file("typeliste.txt"), {});
        QCOMPARE(form.windowTitle(), QString("Filtypeboksen"));
        QCOMPARE(form.liste()->topLevelItemCount(), 12);
        QCOMPARE(form.liste()->topLevelItem(9)->text(0), QString("Power Shell"));
        QCOMPARE(form.liste()->topLevelItem(9)->checkState(0), Qt::Unchecked);
        QVERIFY(!form.gemOgLukKnap()->isEnabled());
        form.liste()->topLevelItem(9)->setCheckState(0, Qt::Checked);   // a tick is a change
        QVERIFY(form.gemOgLukKnap()->isEnabled());
        QStringList names;
        for (QPushButton *b : form.findChildren<QPushButton *>())
            names << b->accessibleName();
        names.sort();
        QCOMPARE(names, (QStringList{"Annuller", "Gem og luk", "Indfør i listen", "Slet", "Standard"}));
    }

    void addingATypeToTheBox_data()
    {
        QTest::addColumn<QString>("navn");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("pattern");   // "" when nothing is added
        QTest::addColumn<int>("messages");
        QTest::newRow("x.tpl") << "Skabelon" << "x.tpl" << "*.tpl" << 0;
        QTest::newRow(".html") << "Side" << ".html" << "*.html" << 0;
        QTest::newRow("all files") << "Alle" << "*.*" << "*.*" << 0;
        QTest::newRow("no name") << "  " << "txt" << "" << 0;
        QTest::newRow("no pattern") << "Navn" << "" << "" << 0;
        QTest::newRow("nothing after the dot") << "Navn" << "x." << "" << 1;
    }
    void addingATypeToTheBox()
    {
        QFETCH(QString, navn);
        QFETCH(QString, typed);
        QFETCH(QString, pattern);
        QFETCH(int, messages);
        Answers answers;
        TFiltypeliste liste;
        liste.setTyper({{"A", "*.a", true}});
        TFiltypeForm form(liste, {}, {});
        form.tekstFelt()->setText(navn);
        form.typeFelt()->setText(typed);
        QTest::keyClick(form.typeFelt(), Qt::Key_Return);   // Enter in the pattern field adds
        QCOMPARE(answers.script.messages.size(), messages);
        if (pattern.isEmpty()) {
            QCOMPARE(form.liste()->topLevelItemCount(), 1);
            QVERIFY(!form.gemOgLukKnap()->isEnabled());
            return;
        }
        QCOMPARE(form.boxTyper().last(), (TFiltype{navn, pattern, true}));
        QVERIFY(form.tekstFelt()->text().isEmpty());
        QVERIFY(form.typeFelt()->text().isEmpty());
        QVERIFY(form.gemOgLukKnap()->isEnabled());
        QCOMPARE(liste.antal(), 1);   // only "Gem og luk" hands it on
    }

    void movingTypes()
    {
        TFiltypeliste liste;
        liste.setTyper({{"A", "*.a", true}, {"B", "*.b", true}, {"C", "*.c", false}});
        TFiltypeForm form(liste, {}, {});
        QTreeWidget *list = form.liste();
        list->setCurrentItem(list->topLevelItem(0));
        QVERIFY(!form.opAction()->isEnabled());
        QVERIFY(form.nedAction()->isEnabled());
        form.flytNed();
        form.flytNed();
        QCOMPARE(column(list, 0), (QStringList{"B", "C", "A"}));
        QVERIFY(form.opAction()->isEnabled());
        QVERIFY(!form.nedAction()->isEnabled());
        form.flytNed();   // no place to go
        form.flytOp();
        QCOMPARE(column(list, 0), (QStringList{"B", "A", "C"}));
        QCOMPARE(form.boxTyper()[2], (TFiltype{"C", "*.c", false}));   // ticks travel with their rows
        QVERIFY(form.gemOgLukKnap()->isEnabled());
    }

    void deletingATypeAsks()
    {
        TFiltypeliste liste;
        liste.setTyper({{"A", "*.a", true}, {"B", "*.b", true}});
        TFiltypeForm form(liste, {}, {});
        Answers answers({A::Nej, A::Ja});
        form.liste()->setCurrentItem(nullptr);
        form.slet();
        QCOMPARE(answers.script.messages, QStringList{"Der er ikke valgt en filtype!"});
        form.liste()->setCurrentItem(form.liste()->topLevelItem(1));
        form.slet();
        QCOMPARE(form.liste()->topLevelItemCount(), 2);
        form.slet();
        QCOMPARE(column(form.liste(), 0), QStringList{"A"});
        QCOMPARE(answers.script.asked.first(), QString("Skal filtypen:\nB\nslettes permanent?"));
    }

    void saveAndClose()
    {
        test::TempRoot root;
        const QString file = root.file("typeliste.txt");
        TFiltypeliste liste;
        QVERIFY(liste.HentTypeliste(file));
        int rebuilt = 0;
        TFiltypeForm form(liste, file, {[&] { ++rebuilt; }, {}, {}});
        form.show();
        form.liste()->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
        form.gemOgLuk();
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QVERIFY(!form.isVisible());
        QCOMPARE(rebuilt, 1);
        QCOMPARE(liste.typeBoxEntries().size(), 10);
        QVERIFY(test::readAll(file).startsWith("Hjemmeside\r\n*.html\r\n0\r\n"));
    }

    void cancelKeepsChangesInTheBoxOnly()
    {
        test::TempRoot root;
        const QString file = root.file("typeliste.txt");
        TFiltypeliste liste;
        QVERIFY(liste.HentTypeliste(file));
        const QByteArray before = test::readAll(file);
        TFiltypeForm form(liste, file, {});
        form.show();
        form.tekstFelt()->setText("Markdown");
        form.typeFelt()->setText("md");
        form.indfoerIListen();
        form.reject();
        QCOMPARE(test::readAll(file), before);
        QVERIFY(!liste.isItTextfile(".md"));
        form.show();
        QCOMPARE(form.liste()->topLevelItemCount(), 13);
    }

    void failedSaveKeepsEverything()
    {
        test::TempRoot root;
        TFiltypeliste liste;
        liste.makeTypeliste();
        int rebuilt = 0;
        TFiltypeForm form(liste, root.file("ingen/mappe/typeliste.txt"), {[&] { ++rebuilt; }, {}, {}});
        form.show();
        form.tekstFelt()->setText("Markdown");
        form.typeFelt()->setText("md");
        form.indfoerIListen();
        Answers answers;
        form.gemOgLuk();
        QCOMPARE(answers.script.messages.size(), 1);
        QVERIFY(answers.script.messages[0].startsWith("Filtypelisten kunne ikke gemmes"));
        QVERIFY(form.isVisible());
        QCOMPARE(form.liste()->topLevelItemCount(), 13);
        QCOMPARE(liste.antal(), 12);
        QCOMPARE(rebuilt, 0);
    }

    void standardRestoresTheDefaults()
    {
        test::TempRoot root;
        const QString file = root.file("typeliste.txt");
        TFiltypeliste liste;
        liste.setTyper({{"Kun", "*.kun", true}});
        QVERIFY(liste.GemTypeliste(file));
        int rebuilt = 0;
        TFiltypeForm form(liste, file, {[&] { ++rebuilt; }, {}, {}});
        form.liste()->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
        Answers answers({A::Nej, A::Ja});
        form.standard();
        QCOMPARE(liste.antal(), 1);
        form.standard();
        QCOMPARE(answers.script.asked.last(),
                 QString("Der vil muligvist blive fjernet typer, der er indført senere!\nSkal standardlisten hentes alligevel?"));
        QCOMPARE(liste.typer(), TFiltypeliste::standardTyper());
        QCOMPARE(form.liste()->topLevelItemCount(), 12);
        QVERIFY(!form.gemOgLukKnap()->isEnabled());
        QCOMPARE(rebuilt, 1);
        QStringList lines;
        QVERIFY(TextFile::readLines(file, lines));
        QCOMPARE(lines.size(), 36);
    }

    void addedTypeOpensAsADocument()
    {
        test::TempRoot root;
        const QString file = root.file("typeliste.txt");
        TFiltypeliste liste;
        QVERIFY(liste.HentTypeliste(file));
        TFiltypeForm form(liste, file, {});
        form.tekstFelt()->setText("Skabelon");
        form.typeFelt()->setText("x.tpl");
        form.indfoerIListen();
        form.gemOgLuk();
        QVERIFY(test::readAll(file).endsWith("Skabelon\r\n*.tpl\r\n1\r\n"));

        Answers answers({A::Nej});
        Openwin openwin{liste, {}, {}, {}, 0};
        openwin.open(root.file("a.tpl"));
        openwin.open(root.file("a.tpl"));
        QCOMPARE(openwin.tabs, QStringList{"1. a.tpl"});
        QVERIFY(answers.script.asked.isEmpty());

        openwin.open(root.file("notes.md"));
        QCOMPARE(answers.script.asked,
                 QStringList{"Filtypen .md er ukendt.\nEr det en tekstfil, der kan åbnes til redigering?"});
        QCOMPARE(openwin.tabs.size(), 1);

        // "Ja" makes a window that takes its own number.
        answers.script.answers = {A::Ja};
        openwin.open(root.file("notes.md"));
        openwin.open(root.file("b.html"));
        QCOMPARE(openwin.tabs, (QStringList{"1. a.tpl", "2. notes.md", "3. b.html"}));

        openwin.open(root.file("film.MP4"));
        openwin.open(root.file("x.url"));
        QCOMPARE(openwin.shell.calls.size(), 1);
        QCOMPARE(openwin.shell.calls[0].target, root.file("film.MP4"));
        QCOMPARE(openwin.shell.calls[0].workingFolder, root.path());
        QCOMPARE(openwin.tabs.size(), 3);
    }

    void documentTypeBoxRows()
    {
        test::TempRoot root;
        TFiltypeliste liste;
        liste.makeTypeliste();
        TDokTypeForm box(liste, root.file("filtyper.txt"), {});
        QCOMPARE(box.windowTitle(), QString("Dokumenterne kan åbnes med eller uden kliche"));
        QCOMPARE(box.accepterKnap()->text(), QString("Åben valgte filtype"));
        QCOMPARE(box.liste()->topLevelItemCount(), 11);
        QCOMPARE(box.liste()->headerItem()->text(0), QString("Dokument type"));
        QVERIFY(!column(box.liste(), 1).contains("*.ps1"));

        liste.setTyper({{"Alle", "*.*", true}, {"Side", "*.html", true}});
        TDokTypeForm small(liste, {}, {});
        QCOMPARE(column(small.liste(), 1), QStringList{"*.html"});
    }

    void documentTypeBoxSettings_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QList<bool>>("ticks");
        const QSize design(420, 380);
        QTest::newRow("missing") << QByteArray() << design << QList<bool>{false, false, false};
        QTest::newRow("size and ticks") << QByteArray("500\r\n300\r\n0\r\n1\r\n") << QSize(500, 300)
                                        << QList<bool>{false, true, false};
        QTest::newRow("short") << QByteArray("500\r\n") << design << QList<bool>{false, false, false};
        QTest::newRow("size too small") << QByteArray("5\r\n3\r\n1\r\n") << design << QList<bool>{true, false, false};
    }
    void documentTypeBoxSettings()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, size);
        QFETCH(QList<bool>, ticks);
        test::TempRoot root;
        const QString file = root.file("filtyper.txt");
        if (!bytes.isEmpty())
            test::writeAll(file, bytes);
        TFiltypeliste liste;
        liste.setTyper({{"A", "*.a", true}, {"B", "*.b", true}, {"C", "*.c", true}});
        TDokTypeForm box(liste, file, {});
        QCOMPARE(box.size(), size);
        QList<bool> got;
        for (const TFiltype &t : box.rows())
            got << t.valgt;
        QCOMPARE(got, ticks);
    }

    void choosingAType()
    {
        test::TempRoot root;
        const QString file = root.file("filtyper.txt");
        TFiltypeliste liste;
        liste.setTyper({{"A", "*.a", true}, {"B", "*.b", true}});
        QList<std::pair<QString, bool>> made;
        int shown = 0;
        TTypeBoxHost host{{}, [&](const QString &p, bool k) { made.append({p, k}); }, [&] { ++shown; }};
        TDokTypeForm box(liste, file, host);
        box.liste()->topLevelItem(1)->setCheckState(0, Qt::Checked);
        box.liste()->setCurrentItem(box.liste()->topLevelItem(1));

        QTimer::singleShot(0, box.accepterKnap(), &QPushButton::click);
        box.nytDokument();
        QCOMPARE(made, (QList<std::pair<QString, bool>>{{"*.b", true}}));
        // Closing wrote the size, the ticks and the type of each tick.
        QCOMPARE(test::readAll(file), QString("%1\r\n%2\r\n0\r\n1\r\nA (*.a)\r\nB (*.b)\r\n")
                                          .arg(box.width())
                                          .arg(box.height())
                                          .toLatin1());

        QTimer::singleShot(0, &box, &QDialog::reject);
        QVERIFY(!box.vaelg());

        QTimer::singleShot(0, &box, [&] {
            QTreeWidget *l = box.liste();
            l->setCurrentItem(l->topLevelItem(0));
            emit l->itemDoubleClicked(l->topLevelItem(0), 0);
        });
        const std::optional<TFiltype> chosen = box.vaelg();
        QVERIFY(chosen);
        QCOMPARE(chosen->monster, QString("*.a"));
        QVERIFY(!chosen->valgt);

        box.indfoerKnap()->click();
        QCOMPARE(shown, 1);

        box.setTexts("Skab en tekstfil af valgte type", "Skab tekstfil");
        QCOMPARE(box.accepterKnap()->accessibleName(), QString("Skab tekstfil"));
        box.restoreTexts();
        QCOMPARE(box.windowTitle(), TDokTypeForm::standardTitel());
    }

    void derivedListsReachTheWidgets()
    {
        TFiltypeliste liste;
        liste.setTyper({{"A", "*.a", true}, {"Alle", "*.*", true}, {"C", "*.c", true}});
        QComboBox typeBox, findChoice;
        typeBox.addItems({"Alle (*.*)"});
        TDokTypeForm box(liste, {}, {});
        box.liste()->topLevelItem(0)->setCheckState(0, Qt::Checked);
        const TypeBoxState s = LoadFiltypeBoxe(liste, {"Alle (*.*)"}, 0, TypeBoxMode::Edit);
        applyTypeBoxState(s, true, &typeBox, &findChoice, &box);
        QCOMPARE(typeBox.count(), 3);
        QCOMPARE(typeBox.currentText(), QString("Alle (*.*)"));
        QCOMPARE(findChoice.currentIndex(), 1);
        QCOMPARE(typeBox.maxVisibleItems(), 3);
        QCOMPARE(column(box.liste(), 1), (QStringList{"*.a", "*.c"}));
        QCOMPARE(box.liste()->topLevelItem(0)->checkState(0), Qt::Unchecked);   // rebuilt rows start unticked

        const TypeBoxState empty = LoadFiltypeBoxe(TFiltypeliste(), {}, 0, TypeBoxMode::Start);
        applyTypeBoxState(empty, false, &typeBox, nullptr, nullptr);
        QCOMPARE(typeBox.count(), 0);
        QCOMPARE(typeBox.currentIndex(), -1);
    }

    void recentFilesMenu()
    {
        test::TempRoot root;
        TReopenFiler files;
        setupRecentFiles(files, root.path());
        QMenu menu;
        TReopenMenu *adapter = makeRecentFilesMenu(files, &menu, &menu);
        QStringList clicked;
        adapter->onKlik = [&](QAction *, const QString &path) { clicked << path; };
        QCOMPARE(menu.title(), QString("Seneste filer"));
        QCOMPARE(menu.actions().size(), 2);
        QCOMPARE(menu.actions()[0]->text(), QString("Ingen dokumenter"));
        QVERIFY(menu.actions()[1]->isSeparator());

        test::writeAll(root.file("a.html"), "x");
        test::writeAll(root.file("b.html"), "x");
        insertDocumentFile(files, root.file("a.html"), "1. a.html");
        insertDocumentFile(files, root.file("b.html"), "2. b.html");
        adapter->opdater();
        QStringList texts;
        for (QAction *a : menu.actions())
            texts << (a->isSeparator() ? "-" : a->text());
        QCOMPARE(texts, (QStringList{"Filliste", "-", " b.html", " a.html", "-", "Slet listen"}));
        QCOMPARE(menu.actions()[2]->statusTip(), root.file("b.html"));

        menu.actions()[3]->trigger();
        QCOMPARE(clicked, QStringList{root.file("a.html")});
        QFile::remove(root.file("b.html"));
        menu.actions()[2]->trigger();   // gone: removed, nothing opened
        QCOMPARE(clicked.size(), 1);
        QCOMPARE(files.Antal(), 1);

        adapter->opdater();
        menu.actions().last()->trigger();   // "Slet listen"
        QCOMPARE(files.Antal(), 0);
        adapter->opdater();
        QCOMPARE(menu.actions().size(), 2);
        QCOMPARE(menu.actions()[0]->text(), QString("Ingen dokumenter"));

        TReopenFiler folders;
        setupRecentFolders(folders, root.path());
        QMenu folderMenu;
        TReopenMenu *fa = makeRecentFoldersMenu(folders, &folderMenu, &folderMenu);
        QCOMPARE(fa->foersteItem()->text(), QString("Ingen mapper"));
        insertDocumentFolder(folders, root.file("a.html"));
        fa->opdater();
        QCOMPARE(fa->foersteItem()->text(), QString("Mapper"));
    }
};

QTEST_MAIN(TestTypeBoxes)
#include "tst_typeboxes.moc"
