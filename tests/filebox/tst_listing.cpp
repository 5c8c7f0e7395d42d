// The folder model and the list: size texts, classification, unique names,
// listing order, history, selection and the tree-widget binding.
#include "filebox/treeliste.h"
#include "filboks_test.h"

#include <QSignalSpy>
#include <QTreeWidget>

using namespace taglund;
using namespace taglund::test;

class TstListing : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Danish, QLocale::Denmark)); }

    void sizeText_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QString>("full");
        QTest::addColumn<QString>("kort");
        QTest::newRow("0") << qint64(0) << "0 bytes (0 bytes)" << "0 bytes";
        QTest::newRow("512") << qint64(512) << "512 bytes (512 bytes)" << "512 bytes";
        QTest::newRow("999") << qint64(999) << "999 bytes (999 bytes)" << "999 bytes";
        QTest::newRow("1000 by digits") << qint64(1000) << "0,98 KB (1.000 bytes)" << "0,98 KB";
        QTest::newRow("1536") << qint64(1536) << "1,50 KB (1.536 bytes)" << "1,50 KB";
        QTest::newRow("5 GB") << qint64(5000000000) << "4,66 GB (5.000.000.000 bytes)" << "4,66 GB";
        QTest::newRow("13 digits") << qint64(1099511627776) << "1,00 TB (1.099.511.627.776 bytes)" << "1.024,00 GB";
    }
    void sizeText()
    {
        QFETCH(qint64, bytes);
        QFETCH(QString, full);
        QFETCH(QString, kort);
        QCOMPARE(TGrundMetoder::getSizeTekst(bytes), full);
        QCOMPARE(TGrundMetoder::getKortSizeTekst(bytes), kort);
    }

    void classification_data()
    {
        QTest::addColumn<QString>("ext");
        QTest::addColumn<QString>("sets");   // B billed, M musik, V video, E egnet, T tekst
        QTest::addColumn<int>("image");
        QTest::newRow("upper html") << ".HTML" << "T" << 23;
        QTest::newRow("mixed jpg") << ".JpG" << "B" << 3;
        QTest::newRow("txt") << ".txt" << "ET" << 6;
        QTest::newRow("rtf") << ".rtf" << "ET" << 20;
        QTest::newRow("ps1") << ".ps1" << "T" << 26;
        QTest::newRow("mp3") << ".mp3" << "M" << 4;
        QTest::newRow("m4v") << ".m4v" << "V" << 8;
        QTest::newRow("htm none") << ".htm" << "" << 2;
        QTest::newRow("jpeg none") << ".jpeg" << "" << 2;
        QTest::newRow("wav none") << ".wav" << "" << 13;
        QTest::newRow("no extension") << "" << "" << 2;
    }
    void classification()
    {
        QFETCH(QString, ext);
        QFETCH(QString, sets);
        QFETCH(int, image);
        QString got;
        if (TGrundMetoder::erDetEnBilledfil(ext)) got += u'B';
        if (TGrundMetoder::erDetEnMusikfil(ext)) got += u'M';
        if (TGrundMetoder::erDetEnVideofil(ext)) got += u'V';
        if (TGrundMetoder::erDetEnEgnetFil(ext)) got += u'E';
        if (TGrundMetoder::erDetEnTekstfil(ext)) got += u'T';
        QCOMPARE(got, sets);
        QCOMPARE(TMakeStrukturer::billedIndeks(QStringLiteral("navn") + ext), image);
    }

    void uniqueNames_data()
    {
        QTest::addColumn<QStringList>("tree");
        QTest::addColumn<QString>("kind");   // mappe, fil, element
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("expected");
        QTest::newRow("free folder") << QStringList{} << "mappe" << "X" << "" << "X";
        QTest::newRow("X to X (3)") << QStringList{"X/", "X (1)/", "X (2)/"} << "mappe" << "X" << "" << "X (3)";
        QTest::newRow("folder ignores files") << QStringList{"X"} << "mappe" << "X" << "" << "X";
        QTest::newRow("Kopi keeps extension") << QStringList{"a.b.txt"} << "fil" << "a.b.txt" << " Kopi" << "a.b Kopi (1).txt";
        QTest::newRow("brev (1)") << QStringList{"brev.txt"} << "fil" << "brev.txt" << "" << "brev (1).txt";
        QTest::newRow("next free") << QStringList{"brev.txt", "brev Kopi (1).txt"} << "fil" << "brev.txt" << " Kopi" << "brev Kopi (2).txt";
        QTest::newRow("case differs") << QStringList{"Brev.txt"} << "fil" << "brev.txt" << "" << "brev.txt";
        QTest::newRow("element counts files") << QStringList{"Ny mappe"} << "element" << "Ny mappe" << "" << "Ny mappe (1)";
    }
    void uniqueNames()
    {
        QFETCH(QStringList, tree);
        QFETCH(QString, kind);
        QFETCH(QString, name);
        QFETCH(QString, word);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        makeTree(dir.path(), tree);
        const QString p = dir.path() + u'/' + name;
        const QString got = kind == QLatin1String("mappe") ? TGrundMetoder::makeUniqueMappe(p, word)
                            : kind == QLatin1String("fil") ? TGrundMetoder::makeUniqueFil(p, word)
                                                           : TGrundMetoder::makeUniqueElement(p);
        QCOMPARE(got, dir.path() + u'/' + expected);
    }

    void lastDirectory_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("last");
        QTest::newRow("root") << "/" << "/";
        QTest::newRow("nested") << "/home/data/Web" << "Web";
        QTest::newRow("no separator") << "Web" << "Web";
        QTest::newRow("mount point") << "/media/anna/USB" << "USB";
    }
    void lastDirectory()
    {
        QFETCH(QString, path);
        QFETCH(QString, last);
        QCOMPARE(TGrundMetoder::getLastDirectory(path), last);
    }

    // Folders first, then files, each by name ignoring case; hidden names
    // never; a link to a folder as a folder, a broken link as a file.
    void listing_data()
    {
        QTest::addColumn<QStringList>("tree");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("filnavn");
        QTest::newRow("folders only, nothing selected") << QStringList{"b/", "A/"} << QStringList{"A", "b"} << "" << "";
        QTest::newRow("folder and file: folder selected")
            << QStringList{"z.txt", "m/"} << QStringList{"m", "z.txt"} << "m" << "";
        QTest::newRow("files only: first file") << QStringList{"b.txt", "a.txt", "A.txt"}
                                                << QStringList{"A.txt", "a.txt", "b.txt"} << "A.txt" << "A.txt";
        QTest::newRow("hidden skipped") << QStringList{".skjult/", ".profil", "synlig.txt"}
                                        << QStringList{"synlig.txt"} << "synlig.txt" << "synlig.txt";
        QTest::newRow("links") << QStringList{"mappe/", "til->mappe", "brudt->intet", "fil.txt"}
                               << QStringList{"mappe", "til", "brudt", "fil.txt"} << "mappe" << "";
        QTest::newRow("empty") << QStringList{} << QStringList{} << "" << "";
    }
    void listing()
    {
        QFETCH(QStringList, tree);
        QFETCH(QStringList, listed);
        QFETCH(QString, selected);
        QFETCH(QString, filnavn);
        Filboks fb;
        makeTree(fb.root, tree);
        QSignalSpy changes(&fb.funk, &TVarProp::onDirectoryChange);
        fb.vis(QString());
        QCOMPARE(fb.texts(), listed);
        const int sel = fb.liste.selected();
        QCOMPARE(sel < 0 ? QString() : fb.liste.text(sel), selected);
        QCOMPARE(fb.funk.Filnavn, filnavn.isEmpty() ? QString() : fb.path(filnavn));
        QCOMPARE(fb.funk.Bibmappe, fb.root);
        QCOMPARE(changes.size(), 1);
        QCOMPARE(changes.first().at(2).toString(), fb.root);
        int folders = 0;
        for (int i = 0; i < fb.liste.count(); ++i) {
            const StrukturRec r = fb.liste.rec(i);
            QCOMPARE(r.mappe, r.erMappe() ? fb.path(fb.liste.text(i)) : fb.root);
            QCOMPARE(r.filnavn, r.erMappe() ? QString() : fb.path(fb.liste.text(i)));
            folders += r.erMappe() ? 1 : 0;
        }
        QCOMPARE(fb.funk.antalGrundmapper, folders);
        QCOMPARE(fb.funk.antalGrundfiler, fb.liste.count() - folders);
    }

    // Steps: "vis X" shows a folder by entering it, "slet X" removes it
    // outside the program, "tilbage", "frem", "først", "sidst" move in the history.
    void history_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("history");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("buttons");   // first/back, forward/last as 0/1
        QTest::newRow("three shown") << QStringList{"vis A", "vis B", "vis C"} << QStringList{"A", "B", "C"} << 2 << "C" << "10";
        QTest::newRow("back twice") << QStringList{"vis A", "vis B", "vis C", "tilbage", "tilbage"}
                                    << QStringList{"A", "B", "C"} << 0 << "A" << "01";
        QTest::newRow("back at start stays") << QStringList{"vis A", "tilbage"} << QStringList{"A"} << 0 << "A" << "00";
        QTest::newRow("vanished folder dropped") << QStringList{"vis A", "vis B", "vis C", "slet B", "tilbage"}
                                                 << QStringList{"A", "C"} << 0 << "A" << "01";
        QTest::newRow("never cut") << QStringList{"vis A", "vis B", "tilbage", "vis D"}
                                   << QStringList{"A", "B", "D"} << 2 << "D" << "10";
        QTest::newRow("first and last") << QStringList{"vis A", "vis B", "vis C", "først", "frem", "sidst"}
                                        << QStringList{"A", "B", "C"} << 2 << "C" << "10";
        QTest::newRow("first skips vanished") << QStringList{"vis A", "vis B", "vis C", "slet A", "først"}
                                              << QStringList{"B", "C"} << 0 << "B" << "01";
        QTest::newRow("last skips vanished") << QStringList{"vis A", "vis B", "vis C", "tilbage", "tilbage", "slet C", "sidst"}
                                             << QStringList{"A", "B"} << 1 << "B" << "10";
        QTest::newRow("same folder again is a new entry") << QStringList{"vis A", "vis B", "vis A"}
                                                          << QStringList{"A", "B", "A"} << 2 << "A" << "10";
    }
    void history()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, history);
        QFETCH(int, cursor);
        QFETCH(QString, shown);
        QFETCH(QString, buttons);
        Filboks fb;
        makeTree(fb.root, {"A/", "B/", "C/", "D/"});
        QString lastButtons;
        connect(&fb.funk, &TVarProp::historyButtons, this, [&](bool first, bool, bool, bool last) {
            lastButtons = QString::number(int(first)) + QString::number(int(last));
        });
        for (const QString &s : steps) {
            const QString arg = s.section(u' ', 1);
            if (s.startsWith(QLatin1String("vis ")))
                fb.vis(arg);
            else if (s.startsWith(QLatin1String("slet ")))
                QVERIFY(QDir(fb.path(arg)).removeRecursively());
            else if (s == QLatin1String("tilbage"))
                fb.funk.mappeTilbage();
            else if (s == QLatin1String("frem"))
                fb.funk.mappeFrem();
            else if (s == QStringLiteral("først"))
                fb.funk.mappeFirst();
            else if (s == QLatin1String("sidst"))
                fb.funk.mappeLast();
        }
        QStringList got;
        for (const QString &p : fb.funk.historik())
            got << QFileInfo(p).fileName();
        QCOMPARE(got, history);
        QCOMPARE(fb.funk.historikIndex(), cursor);
        QCOMPARE(fb.funk.Grundmappe, fb.path(shown));
        QCOMPARE(lastButtons, buttons);
    }

    void sameFolderWithoutReloadChangesNothing()
    {
        Filboks fb;
        makeTree(fb.root, {"A/", "a/x.txt"});
        fb.vis(QStringLiteral("A"));
        QSignalSpy changes(&fb.funk, &TVarProp::onDirectoryChange);
        fb.funk.makeStruktur2(fb.path(QStringLiteral("A")), true, false);
        QCOMPARE(changes.size(), 0);
        QCOMPARE(fb.funk.historik().size(), 1);
        // A name that differs by case is another folder here.
        fb.funk.makeStruktur2(fb.path(QStringLiteral("a")), true, false);
        QCOMPARE(fb.funk.Grundmappe, fb.path(QStringLiteral("a")));
        QCOMPARE(fb.funk.OldGrundmappe, fb.path(QStringLiteral("A")));
        // A folder that does not exist is never shown.
        fb.funk.makeStruktur2(fb.path(QStringLiteral("findes ikke")), true, true);
        QCOMPARE(fb.funk.Grundmappe, fb.path(QStringLiteral("a")));
    }

    void selectionBookkeeping()
    {
        Filboks fb;
        makeTree(fb.root, {"sub/", "a.txt", "b.txt"});
        fb.vis(QString());
        QVERIFY(fb.vaelg({"sub"}));
        QCOMPARE(fb.funk.Bibmappe, fb.path("sub"));
        QVERIFY(fb.funk.Filnavn.isEmpty());
        QVERIFY(fb.funk.IsSelectedDirectory());
        QCOMPARE(fb.funk.getSelectedMappe(), fb.root);
        QVERIFY(fb.vaelg({"sub", "b.txt"}));
        QCOMPARE(fb.funk.Filnavn, fb.path("b.txt"));
        QCOMPARE(fb.funk.Bibmappe, fb.root);
        QVERIFY(fb.vaelg({}));
        QVERIFY(!fb.funk.canCopy());
        QCOMPARE(fb.funk.Bibmappe, fb.root);
        fb.funk.selectFile(fb.path("a.txt"));
        QCOMPARE(fb.liste.selectedCount(), 1);
        QCOMPARE(fb.liste.text(fb.liste.selected()), QStringLiteral("a.txt"));
        // Over a file entry: the shown folder, and the entry is selected.
        QCOMPARE(fb.funk.getFocusFilDirectory(3, 2 * TListeModel::rowHeight + 5), fb.root);
        QCOMPARE(fb.liste.text(fb.liste.selected()), QStringLiteral("b.txt"));
        QCOMPARE(fb.funk.getFocusFilDirectory(3, 5), fb.path("sub"));
        QCOMPARE(fb.funk.Bibmappe, fb.path("sub"));
        // Over empty space: the shown folder; the selection stays.
        QCOMPARE(fb.funk.getFocusFilDirectory(3, 50 * TListeModel::rowHeight), fb.root);
        QCOMPARE(fb.liste.text(fb.liste.selected()), QStringLiteral("sub"));
    }

    void enteringFolders()
    {
        Filboks fb;
        makeTree(fb.root, {"sub/inde.txt", "gone/"});
        fb.vis(QString());
        QVERIFY(fb.vaelg({"sub"}));
        fb.funk.udfoldFilDirectory();
        QCOMPARE(fb.funk.Grundmappe, fb.path("sub"));
        QCOMPARE(fb.funk.historik().size(), 2);
        fb.funk.mappeTilbage();
        QVERIFY(fb.vaelg({"gone"}));
        QVERIFY(QDir(fb.path("gone")).removeRecursively());
        fb.funk.udfoldFilDirectory();
        QCOMPARE(fb.script.messages,
                 QStringList{QStringLiteral("Mappen eller drevet eksisterer ikke.\rStrukturene vil blive genindlæst.")});
        QCOMPARE(fb.funk.Grundmappe, fb.funk.foersteDrev());
    }

    void selectionCommands_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<int>("action");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("all") << QStringList{"a"} << 1 << QStringList{"a", "b", "c"};
        QTest::newRow("none") << QStringList{"a", "b"} << 2 << QStringList{};
        QTest::newRow("invert") << QStringList{"a"} << 3 << QStringList{"b", "c"};
        QTest::newRow("invert all selected") << QStringList{"a", "b", "c"} << 3 << QStringList{};
    }
    void selectionCommands()
    {
        QFETCH(QStringList, before);
        QFETCH(int, action);
        QFETCH(QStringList, after);
        Filboks fb;
        makeTree(fb.root, {"a", "b", "c"});
        fb.vis(QString());
        QVERIFY(fb.vaelg(before));
        fb.funk.SelectMapperFiler(action);
        QStringList got;
        for (int i = 0; i < fb.liste.count(); ++i)
            if (fb.liste.isSelected(i))
                got << fb.liste.text(i);
        QCOMPARE(got, after);
    }

    // The user's folders come from the user-directories file; a role this
    // system lacks, or a folder that is missing, fails with its own text.
    void specialFolders_data()
    {
        QTest::addColumn<QString>("role");
        QTest::addColumn<QString>("expected");   // below the home folder; "" fails
        QTest::addColumn<QString>("message");
        QTest::newRow("documents named") << "dokumenter" << "Dokumenter" << "";
        QTest::newRow("desktop default") << "skrivebord" << "Desktop" << "";
        QTest::newRow("pictures missing") << "billeder" << "" << "Kunne ikke finde billedmappen.";
        QTest::newRow("favourites lacking") << "favoritter" << "" << "Kunne ikke finde favoritmappen.";
        QTest::newRow("shared videos lacking") << "delte videoer" << "" << "Kunne ikke finde videomappen for alle brugere.";
        QTest::newRow("application data") << "appdata" << ".local/share" << "";
        QTest::newRow("downloads fall back to the root") << "overførsler" << "/" << "";
        QTest::newRow("contacts") << "kontakter" << "Contacts" << "";
    }
    void specialFolders()
    {
        QFETCH(QString, role);
        QFETCH(QString, expected);
        QFETCH(QString, message);
        Filboks fb;
        ScopedEnv config("XDG_CONFIG_HOME", fb.home + QStringLiteral("/.config"));
        makeTree(fb.home, {".config/user-dirs.dirs=XDG_DOCUMENTS_DIR=\"$HOME/Dokumenter\"\n"
                           "XDG_PICTURES_DIR=\"$HOME/Billeder\"\n",
                           "Dokumenter/", "Desktop/", "Contacts/"});
        QString got;
        if (role == QStringLiteral("dokumenter")) got = fb.funk.GetMyDocuments();
        else if (role == QStringLiteral("skrivebord")) got = fb.funk.GetMyDesktop();
        else if (role == QStringLiteral("billeder")) got = fb.funk.GetMyPictures();
        else if (role == QStringLiteral("favoritter")) got = fb.funk.GetMyFavorit();
        else if (role == QStringLiteral("delte videoer")) got = fb.funk.GetCommonVideo();
        else if (role == QStringLiteral("appdata")) got = fb.funk.GetMyApp();
        else if (role == QStringLiteral("overførsler")) got = fb.funk.GetMyDownLoad(QStringLiteral("home"));
        else if (role == QStringLiteral("kontakter")) got = fb.funk.GetMyKontakter(QStringLiteral("home"));
        const QString want = expected.isEmpty() ? QString()
                             : expected.startsWith(u'/') ? expected
                                                         : fb.home + u'/' + expected;
        QCOMPARE(got, want);
        QCOMPARE(fb.script.messages, message.isEmpty() ? QStringList{} : QStringList{message});
    }

    // The window's list: the same engine over a real tree widget.
    void treeWidgetBinding()
    {
        Filboks fb;
        makeTree(fb.root, {"sub/", "a.html", "b.txt"});
        QTreeWidget tree;
        TTreeListe liste(&tree);
        liste.setIconProvider([](int image) { return image == 1 ? QIcon() : QIcon(); });
        fb.funk.Struktur2 = &liste;
        fb.funk.makeStruktur2(fb.root, true, true);
        QCOMPARE(tree.topLevelItemCount(), 3);
        QCOMPARE(tree.topLevelItem(1)->text(0), QStringLiteral("a.html"));
        QCOMPARE(liste.image(1), 23);
        QCOMPARE(liste.rec(2).filnavn, fb.path("b.txt"));
        QVERIFY(liste.isSelected(0));
        tree.clearSelection();
        tree.topLevelItem(2)->setSelected(true);
        tree.setCurrentItem(tree.topLevelItem(2), 0, QItemSelectionModel::NoUpdate);
        fb.funk.infoStruktur2();
        QCOMPARE(fb.funk.Filnavn, fb.path("b.txt"));
        QCOMPARE(fb.funk.CopyElementer(), 1);
        QCOMPARE(fb.funk.copyListe2(), QStringList{"b.txt"});
    }
};

QTEST_MAIN(TstListing)
#include "tst_listing.moc"
