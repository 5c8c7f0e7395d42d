#include "core/model/reopenfiler.h"
#include "core/text/textfile.h"
#include "support/testsupport.h"

#include <QDir>
#include <QSignalSpy>
#include <QtTest>

using namespace taglund;

namespace {

QString touch(const QString &path)
{
    test::writeAll(path, "x");
    return path;
}

QStringList paths(const TReopenFiler &l)
{
    QStringList out;
    for (const TReopenRec &r : l.Ropen())
        out << r.Filnavn;
    return out;
}

} // namespace

class TestReopenFiler : public QObject {
    Q_OBJECT
private slots:
    void elevenFilesKeepTheNewestTen()
    {
        test::TempRoot root;
        TReopenFiler files;
        setupRecentFiles(files, root.path());
        for (int i = 1; i <= 11; ++i) {
            const QString f = touch(root.file(QString("doc%1.html").arg(i)));
            insertDocumentFile(files, f, QString("%1. doc%1.html").arg(i));
        }
        QCOMPARE(files.Antal(), 10);
        QCOMPARE(files.Ropen().first().Filnavn, root.file("doc11.html"));
        QVERIFY(!paths(files).contains(root.file("doc1.html")));
        QVERIFY(files.GemReopenFiler());

        QStringList lines;
        QVERIFY(TextFile::readLines(root.file("reopen.txt"), lines));
        QCOMPARE(lines.size(), 22);
        QCOMPARE(lines[0], QString("10"));
        QCOMPARE(lines[1], QString("10"));
        QCOMPARE(lines[2], QString(" doc11.html"));
        QCOMPARE(lines[3], root.file("doc11.html"));
        QCOMPARE(lines[20], QString(" doc2.html"));
        for (int i = 2; i < 22; i += 2)
            QVERIFY(lines[i].startsWith(u' '));

        TReopenFiler again;
        setupRecentFiles(again, root.path());
        again.HentReopenFiler();
        QCOMPARE(again.Ropen(), files.Ropen());
    }

    void insertRules()
    {
        test::TempRoot root;
        const QString a = touch(root.file("a.txt"));
        const QString b = touch(root.file("b.txt"));
        const QString upperA = touch(root.file("A.txt"));
        TReopenFiler files;
        files.setItemtype(TItemtype::itFil);
        QSignalSpy spy(&files, &TReopenFiler::changed);

        files.InsertItem(root.file("mangler.txt"), "x");
        QCOMPARE(files.Antal(), 0);
        QCOMPARE(spy.count(), 0);

        files.InsertItem(a, " a");
        files.InsertItem(b, " b");
        files.InsertItem(a, " a igen");   // moves to the top, count stays
        QCOMPARE(paths(files), (QStringList{a, b}));
        QCOMPARE(files.GetCaption(0), QString(" a igen"));
        files.InsertItem(upperA, " A");   // differs only in case: both listed
        QCOMPARE(paths(files), (QStringList{upperA, a, b}));
        QCOMPARE(spy.count(), 4);
        QCOMPARE(files.GetCaption(7), QString());
        QCOMPARE(files.GetCaption(-1), QString());
    }

    void foldersIgnoreTheTrailingSeparator()
    {
        TReopenFiler folders;
        folders.setItemtype(TItemtype::itBibliotek);
        folders.InsertItem("/nowhere/site/", "site");   // folders need not exist
        folders.InsertItem("/nowhere/site", "site");
        QCOMPARE(folders.Antal(), 1);
        QCOMPARE(folders.Ropen().first().Filnavn, QString("/nowhere/site"));
        folders.DeleteItem("/nowhere/site/");
        QCOMPARE(folders.Antal(), 0);
    }

    void otherListsKeepDuplicates()
    {
        TReopenFiler other;
        other.setItemtype(TItemtype::itAndet);
        other.InsertItem("x", "1");
        other.InsertItem("x", "2");
        QCOMPARE(other.Antal(), 2);
    }

    void deleting()
    {
        TReopenFiler l;
        l.setItemtype(TItemtype::itAndet);
        for (const char *p : {"c", "b", "a"})
            l.InsertItem(p, QString("cap ") + p);
        QSignalSpy spy(&l, &TReopenFiler::changed);
        l.DeleteItem("nope");
        l.DeleteItemByCaption("nope");
        l.DeleteItemAt(3);
        l.DeleteItemAt(-1);
        QCOMPARE(spy.count(), 0);
        l.DeleteItemByCaption("cap b");
        QCOMPARE(paths(l), (QStringList{"a", "c"}));
        l.DeleteItemAt(0);
        QCOMPARE(paths(l), QStringList{"c"});
        l.DeleteItem("c");
        QCOMPARE(l.Antal(), 0);
        QCOMPARE(spy.count(), 3);
    }

    void smallerMaximumDropsTheOldest()
    {
        TReopenFiler l;
        l.setItemtype(TItemtype::itAndet);
        for (const char *p : {"d", "c", "b", "a"})
            l.InsertItem(p, p);
        l.setFilantal(0);
        QCOMPARE(l.Filantal(), 10);
        l.setFilantal(2);
        QCOMPARE(paths(l), (QStringList{"a", "b"}));
        l.InsertItem("z", "z");
        QCOMPARE(paths(l), (QStringList{"z", "a"}));
    }

    void loading_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("as written") << QByteArray("4\r\n2\r\n a\r\n/p/a\r\n b\r\n/p/b\r\n") << 4
                                    << QStringList{"/p/a", "/p/b"};
        QTest::newRow("single line") << QByteArray("5\r\n") << 10 << QStringList{};
        QTest::newRow("empty file") << QByteArray() << 10 << QStringList{};
        QTest::newRow("count beyond pairs") << QByteArray("10\r\n3\r\n a\r\n/p/a\r\n b\r\n") << 10
                                            << QStringList{"/p/a"};
        QTest::newRow("count beyond maximum") << QByteArray("1\r\n2\r\n a\r\n/p/a\r\n b\r\n/p/b\r\n") << 1
                                              << QStringList{"/p/a"};
        QTest::newRow("fewer than announced") << QByteArray("10\r\n1\r\n a\r\n/p/a\r\n b\r\n/p/b\r\n") << 10
                                              << QStringList{"/p/a"};
        QTest::newRow("negative count") << QByteArray("10\r\n-2\r\n a\r\n/p/a\r\n") << 10 << QStringList{};
        QTest::newRow("maximum zero") << QByteArray("0\r\n1\r\n a\r\n/p/a\r\n") << 10 << QStringList{};
        QTest::newRow("maximum not a number") << QByteArray("ti\r\n1\r\n a\r\n/p/a\r\n") << 10 << QStringList{};
        QTest::newRow("count not a number") << QByteArray("10\r\nen\r\n a\r\n/p/a\r\n") << 10 << QStringList{};
        QTest::newRow("cp1252 caption") << QByteArray("10\r\n1\r\n s\xF8g\r\n/p/s\xF8g\r\n") << 10
                                        << QStringList{QString::fromUtf8("/p/søg")};
    }
    void loading()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, maximum);
        QFETCH(QStringList, entries);
        test::TempRoot root;
        test::writeAll(root.file("reopen.txt"), bytes);
        TReopenFiler l;
        l.setItemtype(TItemtype::itFil);
        l.setItemfile(root.file("reopen.txt"));
        l.setFilantal(7);
        l.InsertItem(touch(root.file("old.txt")), "old");
        l.HentReopenFiler();
        QCOMPARE(l.Filantal(), maximum);
        QCOMPARE(paths(l), entries);
    }

    void missingFileKeepsTheMaximum()
    {
        test::TempRoot root;
        TReopenFiler l;
        l.setItemfile(root.file("reopen.txt"));
        l.setFilantal(7);
        l.HentReopenFiler();
        QCOMPARE(l.Filantal(), 7);
        QCOMPARE(l.Antal(), 0);
    }

    void clearedListSavesTenAndZero()
    {
        test::TempRoot root;
        TReopenFiler l;
        setupRecentFiles(l, root.path());
        l.InsertItem(touch(root.file("a.txt")), " a.txt");
        l.DeleteAllItems();
        QVERIFY(l.GemReopenFiler());
        QCOMPARE(test::readAll(root.file("reopen.txt")), QByteArray("10\r\n0\r\n"));
    }

    void listFileHandling()
    {
        test::TempRoot root;
        TReopenFiler l;
        setupRecentFolders(l, root.path());
        QCOMPARE(l.Itemfile(), root.file("reopendir.txt"));
        l.InsertItem(root.path(), "x");
        QVERIFY(l.GemReopenFiler());
        QVERIFY(QFileInfo::exists(root.file("reopendir.txt")));
        l.DeleteItemFile();
        QVERIFY(!QFileInfo::exists(root.file("reopendir.txt")));
        QCOMPARE(l.Antal(), 0);
        QVERIFY(l.GemReopenFiler());   // no file name: nothing written
        QVERIFY(!QFileInfo::exists(root.file("reopendir.txt")));

        l.setItemfile(root.file("ingen/mappe/reopendir.txt"));
        QString error;
        QVERIFY(!l.GemReopenFiler(&error));
        QVERIFY(!error.isEmpty());
    }

    void menuPlan()
    {
        TReopenFiler l;
        l.setItemtype(TItemtype::itAndet);
        l.setMenuStartNr(2);
        l.setImageStartNr(24);
        l.InsertItem("/p/c", "c");
        l.InsertItem("/p/b", "b");
        l.InsertItem("/p/a", "a");
        using K = TReopenMenuItem::Kind;

        QList<TReopenMenuItem> plan = l.MakeMenu();
        QCOMPARE(plan.size(), 3);
        QCOMPARE(plan[2].imageIndex, 26);
        QCOMPARE(plan[0].hint, QString("/p/a"));
        QCOMPARE(plan[1].entryIndex, 1);

        l.setMedMenuStreg(true);
        l.setDeleteItemCap("Slet listen");
        l.setDeleteItemHint("Start en ny liste");
        plan = l.MakeMenu(5);
        QCOMPARE(plan.size(), 5);
        QCOMPARE(plan[0].imageIndex, 5);
        QCOMPARE(plan[3].kind, K::Separator);
        QCOMPARE(plan[4].kind, K::DeleteAll);
        QCOMPARE(plan[4].caption, QString("Slet listen"));
        QCOMPARE(plan[4].hint, QString("Start en ny liste"));

        l.setOnlyOneImageIndex(true);
        QCOMPARE(l.MakeMenu().at(2).imageIndex, 24);

        l.setBreakNr(3);   // positions 2, 3, 4: a new column before position 3
        plan = l.MakeMenu();
        QCOMPARE((QList<bool>{plan[0].breakBefore, plan[1].breakBefore, plan[2].breakBefore}),
                 (QList<bool>{false, true, false}));

        l.DeleteAllItems();
        QVERIFY(l.MakeMenu().isEmpty());
    }

    void menuStopsAtAnEmptyPath()
    {
        test::TempRoot root;
        test::writeAll(root.file("r.txt"), "10\r\n3\r\n a\r\n/p/a\r\n tom\r\n\r\n c\r\n/p/c\r\n");
        TReopenFiler l;
        l.setItemfile(root.file("r.txt"));
        l.setMedMenuStreg(true);
        l.HentReopenFiler();
        QCOMPARE(l.Antal(), 3);
        const QList<TReopenMenuItem> plan = l.MakeMenu();
        QCOMPARE(plan.size(), 2);
        QCOMPARE(plan[1].kind, TReopenMenuItem::Kind::Separator);
    }

    void clicking()
    {
        test::TempRoot root;
        TReopenFiler l;
        setupRecentFiles(l, root.path());
        const QString a = touch(root.file("a.txt"));
        const QString b = touch(root.file("b.txt"));
        l.InsertItem(a, " a.txt");
        l.InsertItem(b, " b.txt");
        QCOMPARE(l.Klik(2), b);
        QCOMPARE(l.Klik(3), a);
        QCOMPARE(l.Klik(1), QString());   // the fixed part
        QCOMPARE(l.Klik(4), QString());
        QVERIFY(QFile::remove(b));
        QCOMPARE(l.Klik(2), QString());
        QCOMPARE(paths(l), QStringList{a});

        TReopenFiler folders;
        setupRecentFolders(folders, root.path());
        folders.InsertItem(root.file("gone") + "/", "gone");
        QCOMPARE(folders.Klik(2), QString());
        QCOMPARE(folders.Antal(), 0);
    }

    void captionFromCapNavn_data()
    {
        QTest::addColumn<QString>("capNavn");
        QTest::addColumn<QString>("caption");
        QTest::newRow("usual") << "3. index.html" << " index.html";
        QTest::newRow("two digits, dots in name") << "12. a.b.html" << " a.b.html";
        QTest::newRow("digits in the name stay") << "7. 2024.txt" << " 2024.txt";
        QTest::newRow("empty") << "" << "";
    }
    void captionFromCapNavn()
    {
        QFETCH(QString, capNavn);
        QFETCH(QString, caption);
        QCOMPARE(TReopenFiler::captionFromCapNavn(capNavn), caption);
    }

    void folderCaption_data()
    {
        QTest::addColumn<QString>("rel");     // below the temporary root; "" for the given absolute
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("caption");
        QTest::newRow("trailing separator") << "" << "/x/docs/" << "docs";
        QTest::newRow("no trailing separator") << "" << "/x/docs" << "docs";
        QTest::newRow("windows separators") << "" << "C:\\Taglund\\Bruger\\" << "Bruger";
        QTest::newRow("root") << "" << "/" << "";
        QTest::newRow("file in existing folder") << "site/index.html" << "" << "site";
        QTest::newRow("file in missing folder") << "" << "/ingen/mappe/index.html" << "";
    }
    void folderCaption()
    {
        QFETCH(QString, rel);
        QFETCH(QString, path);
        QFETCH(QString, caption);
        test::TempRoot root;
        if (!rel.isEmpty()) {
            QDir().mkpath(root.file("site"));
            path = root.file(rel);
        }
        QCOMPARE(TReopenFiler::folderCaption(path), caption);
    }

    void closingADocumentFillsBothLists()
    {
        test::TempRoot root;
        QDir().mkpath(root.file("site"));
        const QString f = touch(root.file("site/index.html"));
        TReopenFiler files, folders;
        setupRecentFiles(files, root.path());
        setupRecentFolders(folders, root.path());
        insertDocumentFile(files, f, "3. index.html");
        insertDocumentFolder(folders, f);
        insertDocumentFolder(folders, f);
        QCOMPARE(files.Ropen().first(), (TReopenRec{" index.html", f}));
        QCOMPARE(folders.Antal(), 1);
        QCOMPARE(folders.Ropen().first().Caption, QString("site"));
        QVERIFY(folders.Ropen().first().Filnavn.endsWith(QDir::separator()));
        insertDocumentFile(files, {}, "4. Dokument (.html)");
        QCOMPARE(files.Antal(), 1);
    }
};

QTEST_GUILESS_MAIN(TestReopenFiler)
#include "tst_reopenfiler.moc"
