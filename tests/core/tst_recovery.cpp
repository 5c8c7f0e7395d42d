// The recovery engine without the program: index format, timing rules, the
// writer, the copies left by programs that died, and the engine over a test
// host's real document area.
#include "core/recovery/gendanindeks.h"
#include "core/recovery/gendanlager.h"
#include "core/recovery/gendanner.h"
#include "core/recovery/gendanplan.h"
#include "core/recovery/gendanskriver.h"
#include "core/richbars.h"
#include "core/text/paths.h"
#include "support/testhost.h"
#include "tst_recoverysupport.h"
#include "support/testsupport.h"
#include "ui/questions.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QtTest>

using namespace taglund;

namespace {

const TGendanIntervaller kHurtig{50, 300, 600};

TGendanPost post(const QString &kopi, const QString &original)
{
    TGendanPost p;
    p.kopi = kopi;
    p.original = original;
    p.caption = QStringLiteral("1. ") + fileNameOf(original);
    p.docExt = QStringLiteral(".html");
    p.tid = QDateTime(QDate(2024, 3, 1), QTime(12, 30, 5, 250), Qt::UTC);
    p.kopiStoerrelse = 12;
    return p;
}

QString indeksSti(const QString &mappe)
{
    return joinPath(mappe, QString::fromLatin1(GendanIndeks::kFilnavn));
}

QList<TGendanPost> indeks(const QString &mappe)
{
    QList<TGendanPost> p;
    GendanIndeks::hent(indeksSti(mappe), p);
    return p;
}

// A session folder as a program that has died leaves it: its lock names a
// process that no longer runs.
QString doedSession(const QString &rod, const QString &navn, const QList<QPair<TGendanPost, QByteArray>> &kopier)
{
    const QString mappe = joinPath(rod, navn);
    QDir().mkpath(mappe);
    QProcess p;
    p.start(QStringLiteral("true"));
    p.waitForStarted();
    const qint64 pid = p.processId();
    p.waitForFinished();
    test::writeAll(joinPath(mappe, QStringLiteral("laas")),
                   QByteArray::number(pid) + "\ntaglund\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    QList<TGendanPost> poster;
    for (auto [p2, bytes] : kopier) {
        test::writeAll(joinPath(mappe, p2.kopi), bytes);
        p2.kopiStoerrelse = bytes.size();
        poster << p2;
    }
    GendanIndeks::gem(indeksSti(mappe), poster);
    return mappe;
}

struct Program {
    test::TestHost host;
    TGendanner *gendanner;
    Program() : gendanner(new TGendanner(&host, &host))
    {
        gendanner->setIntervaller(kHurtig);
        host.show();
    }
    Twinform *aabn(const QString &path) { return host.openwin(path); }
    void skriv(Twinform *w, const QString &tekst) { test::typeText(w->editorWidget(), tekst); }
    // Waits until the document's change is in a copy on disk.
    bool kopieret(Twinform *w)
    {
        if (!QTest::qWaitFor([&] { return !gendanner->venter(w); }, 5000))
            return false;
        gendanner->skriver()->vent();
        return true;
    }
};

} // namespace

class TestRecovery : public QObject {
    Q_OBJECT
private slots:
    void indexKeepsEveryField_data()
    {
        QTest::addColumn<QString>("original");
        QTest::addColumn<QString>("caption");
        QTest::newRow("named") << "/home/ærø/side.html" << "1. side.html";
        QTest::newRow("new document") << "" << "3. Dokument (.html)";
        QTest::newRow("outside Windows-1252") << "/srv/ŵeb/ŷ.css" << "2. ŷ.css";
        QTest::newRow("line break and percent in path") << "/tmp/a\nb%0A\r.txt" << "4. a%b";
    }
    void indexKeepsEveryField()
    {
        QFETCH(QString, original);
        QFETCH(QString, caption);
        test::TempRoot root;
        TGendanPost a = post(QStringLiteral("kopi1-1.html"), original);
        a.caption = caption;
        a.encoding = TextEncoding::Utf16LE;
        a.rich = true;
        a.originalTid = 1700000000123;
        a.originalStoerrelse = 77;
        const TGendanPost b = post(QStringLiteral("kopi2-2.html"), QStringLiteral("/x/y.html"));
        const QString sti = root.file(QStringLiteral("indeks.txt"));
        QVERIFY(GendanIndeks::gem(sti, {a, b}));
        QList<TGendanPost> laest;
        bool skade = true;
        QVERIFY(GendanIndeks::hent(sti, laest, &skade));
        QVERIFY(!skade);
        QCOMPARE(laest.size(), 2);
        QCOMPARE(laest[0], a);
        QCOMPARE(laest[1], b);
    }

    void damagedIndexKeepsWhatCameBefore_data()
    {
        QTest::addColumn<int>("linje");      // line replaced, -1: cut after it
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<int>("hele");       // entries still read
        QTest::newRow("unknown format") << 0 << "noget andet" << 0;
        QTest::newRow("count not a number") << 1 << "to" << 0;
        QTest::newRow("cut in the second entry") << -1 << "15" << 1;
        QTest::newRow("copy outside its folder") << 13 << "../../.bashrc" << 1;
        QTest::newRow("encoding out of range") << 6 << "9" << 0;
        QTest::newRow("time unreadable") << 8 << "igår" << 0;
        QTest::newRow("end mark missing") << 23 << "x" << 1;
    }
    void damagedIndexKeepsWhatCameBefore()
    {
        QFETCH(int, linje);
        QFETCH(QString, tekst);
        QFETCH(int, hele);
        QStringList l = GendanIndeks::linjer({post("a.html", "/a.html"), post("b.html", "/b.html")});
        if (linje < 0)
            l = l.mid(0, tekst.toInt());
        else
            l[linje] = tekst;
        bool skade = false;
        QCOMPARE(GendanIndeks::laes(l, &skade).size(), hele);
        QVERIFY(skade);
    }

    void copiesFallDue_data()
    {
        // Events "c<ms>" change, "r<from>-<to>" a change every second, "k<ms>" copy
        // taken, "g" saved; then the next due time with the program's intervals.
        QTest::addColumn<QString>("haendelser");
        QTest::addColumn<qint64>("forfald");
        QTest::newRow("nothing changed") << "" << qint64(-1);
        QTest::newRow("a pause after typing") << "c1000 c1500" << qint64(3500);
        QTest::newRow("typing that never pauses") << "r0-70000" << qint64(60000);
        QTest::newRow("held back by the last copy") << "c0 k2000 c3000" << qint64(32000);
        QTest::newRow("never pausing after a copy") << "c0 k2000 r3000-70000" << qint64(63000);
        QTest::newRow("saved: nothing waits") << "c0 g" << qint64(-1);
        QTest::newRow("saved, then typed again") << "c0 k2000 g c5000" << qint64(32000);
    }
    void copiesFallDue()
    {
        QFETCH(QString, haendelser);
        QFETCH(qint64, forfald);
        TGendanPlan plan;
        for (const QString &h : haendelser.split(u' ', Qt::SkipEmptyParts)) {
            if (h[0] == u'c') {
                plan.aendret(7, h.mid(1).toLongLong());
            } else if (h[0] == u'r') {
                const QStringList fra = h.mid(1).split(u'-');
                for (qint64 t = fra[0].toLongLong(); t <= fra[1].toLongLong(); t += 1000)
                    plan.aendret(7, t);
            } else if (h[0] == u'k') {
                plan.kopieret(7, h.mid(1).toLongLong());
            } else {
                plan.glem(7);
            }
        }
        QCOMPARE(plan.naeste(), forfald);
        if (forfald >= 0) {
            QVERIFY(plan.forfaldne(forfald - 1).isEmpty());
            QCOMPARE(plan.forfaldne(forfald), QList<int>{7});
        }
    }

    void writerReplacesCopiesWhole()
    {
        test::TempRoot root;
        const QString mappe = root.file("s");
        QDir().mkpath(mappe);
        TGendanSkriver s(mappe);
        TGendanPost meta = post(QString(), root.file("side.html"));
        // The editor's raw text: paragraph and line separators.
        const QString raa = QStringLiteral("første ŵ\u2029x\u2028y\u2029");
        s.skriv(1, meta, QStringLiteral("første"));
        s.skriv(2, meta, QStringLiteral("anden"));
        s.vent();
        const QString foerste = indeks(mappe).value(0).kopi;
        s.skriv(1, meta, raa);
        s.skriv(1, meta, raa);   // unchanged: not written again
        s.vent();
        QCOMPARE(s.antalKopier(), 3);
        const QList<TGendanPost> p = indeks(mappe);
        QCOMPARE(p.size(), 2);
        QVERIFY(p[0].kopi != foerste);
        QVERIFY(!QFile::exists(joinPath(mappe, foerste)));
        QCOMPARE(test::readAll(joinPath(mappe, p[0].kopi)), QByteArray("\xEF\xBB\xBF") + QString("første ŵ\r\nx\ny\r\n").toUtf8());
        s.fjern(2);
        s.vent();
        QCOMPARE(indeks(mappe).size(), 1);
        QCOMPARE(QDir(mappe).entryList(QDir::Files).size(), 2);   // the index and one copy
    }

    void failedWriteKeepsTheOlderCopy()
    {
        test::TempRoot root;
        const QString mappe = root.file("s");
        QDir().mkpath(mappe);
        TGendanSkriver s(mappe);
        QSignalSpy fejl(&s, &TGendanSkriver::fejl);
        const TGendanPost meta = post(QString(), root.file("side.html"));
        s.skriv(1, meta, QStringLiteral("god"));
        s.vent();
        // The index cannot be replaced: the new copy must not be named, the old one stays.
        const QByteArray gammelt = test::readAll(indeksSti(mappe));
        QFile::remove(indeksSti(mappe));
        QDir().mkpath(joinPath(indeksSti(mappe), QStringLiteral("x")));
        s.skriv(1, meta, QStringLiteral("ny"));
        s.vent();
        QCOMPARE(s.antalFejl(), 1);
        QDir(indeksSti(mappe)).removeRecursively();
        test::writeAll(indeksSti(mappe), gammelt);
        const QList<TGendanPost> p = indeks(mappe);
        QCOMPARE(QDir(mappe).entryList(QDir::Files).size(), 2);
        QCOMPARE(test::readAll(joinPath(mappe, p.value(0).kopi)), QByteArray("\xEF\xBB\xBFgod"));
        QTRY_COMPARE(fejl.size(), 1);
    }

    void onlyCopiesOfDeadProgramsAreOffered()
    {
        test::TempRoot root;
        const QString rod = root.file("gendan");
        const QString side = root.file("side.html");
        test::writeAll(side, "original");
        doedSession(rod, "doed", {{post("k1.html", side), "kopi"}});
        const QString levende = joinPath(rod, "levende");
        QDir().mkpath(levende);
        QLockFile laas(joinPath(levende, "laas"));
        QVERIFY(laas.tryLock(0));
        GendanIndeks::gem(indeksSti(levende), {post("k2.html", root.file("anden.html"))});
        test::writeAll(joinPath(levende, "k2.html"), "123456789012");
        doedSession(rod, "tom", {});
        // Power cut before the lock's contents reached the disk.
        const QString tomLaas = doedSession(rod, "tomlaas", {{post("k3.html", root.file("tredje.html")), "kopi"}});
        test::writeAll(joinPath(tomLaas, "laas"), QByteArray());

        TForladteKopier f;
        f.find(rod);
        QCOMPARE(f.fund().size(), 2);
        QCOMPARE(f.fund()[0].post.original, side);
        QCOMPARE(f.fund()[1].post.original, root.file("tredje.html"));
        QVERIFY(!QFileInfo::exists(joinPath(rod, "tom")));   // nothing to offer: cleared away
        // While one program decides about them, a second never sees them.
        TForladteKopier anden;
        anden.find(rod);
        QVERIFY(anden.fund().isEmpty());
    }

    void copiesThatCannotBeOfferedAreNoted()
    {
        test::TempRoot root;
        const QString rod = root.file("gendan");
        const QString aendret = root.file("aendret.html");
        const QString uroert = root.file("uroert.html");
        test::writeAll(aendret, "x");
        test::writeAll(uroert, "y");
        TGendanPost a = post("a.html", aendret);
        TGendanPost b = post("b.html", uroert);
        b.originalTid = QFileInfo(uroert).lastModified().toMSecsSinceEpoch();
        b.originalStoerrelse = 1;
        a.originalTid = b.originalTid - 5000;
        a.originalStoerrelse = 1;
        TGendanPost borte = post("c.html", root.file("borte.html"));
        borte.originalTid = 1;
        const QString mappe = doedSession(rod, "d", {{a, "A"}, {b, "B"}, {borte, "C"}, {post("mangler.html", "/m.html"), "M"}});
        QFile::remove(joinPath(mappe, "mangler.html"));
        // Cut short behind the index's back.
        TGendanPost kort = post("kort.html", "/k.html");
        QList<TGendanPost> p = indeks(mappe);
        kort.kopiStoerrelse = 100;
        test::writeAll(joinPath(mappe, "kort.html"), "abc");
        GendanIndeks::gem(indeksSti(mappe), p << kort);

        TForladteKopier f;
        f.find(rod);
        QCOMPARE(f.fund().size(), 3);
        QCOMPARE(f.fund()[0].bemaerkning, TForladteKopier::kAendret);
        QCOMPARE(f.fund()[1].bemaerkning, QString());
        QCOMPARE(f.fund()[2].bemaerkning, TForladteKopier::kForsvundet);
        QCOMPARE(f.noter(), QStringList({"Kopien af m.html mangler og kan ikke gendannes.",
                                         "Kopien af k.html er ufuldstændig og kan ikke gendannes."}));
        // Discarding one rewrites the index with the copies still offered;
        // discarding the rest clears the folder.
        f.fjern({1});
        QCOMPARE(indeks(mappe).size(), 2);
        QVERIFY(!QFile::exists(joinPath(mappe, "b.html")));
        f.fjern({0, 2});
        QVERIFY(!QFileInfo::exists(mappe));
    }

    void engineCopiesModifiedDocumentsOnly()
    {
        test::TempRoot root;
        ui::Script script;
        ui::setScript(&script);
        const QString side = root.file("side.html");
        test::writeAll(side, "a\r\n");
        Program p;
        Twinform *w = p.aabn(side);
        p.skriv(w, "bø\nŵ");
        QVERIFY(p.kopieret(w));
        const QString mappe = p.gendanner->sessionMappe();
        QList<TGendanPost> i = indeks(mappe);
        QCOMPARE(i.size(), 1);
        QCOMPARE(i[0].original, side);
        QCOMPARE(test::readAll(joinPath(mappe, i[0].kopi)), "\xEF\xBB\xBF" + w->text().Text().toUtf8());
        // Saved: the copy goes.
        QVERIFY(p.host.documents()->Gem(w));
        p.gendanner->skriver()->vent();
        QCOMPARE(indeks(mappe).size(), 0);
        // A new document closed with "Nej": its copy goes with it.
        Twinform *ny = p.host.openwin(QString(), "*.css");
        p.skriv(ny, "x");
        QVERIFY(p.kopieret(ny));
        QCOMPARE(indeks(mappe).value(0).caption, ny->CapNavn);
        script.answers = {ui::Answer::Nej};
        p.host.documents()->LukDokument();
        p.gendanner->skriver()->vent();
        QCOMPARE(indeks(mappe).size(), 0);
        p.gendanner->afslutNormalt();
        QVERIFY(!QFileInfo::exists(mappe));
        ui::setScript(nullptr);
    }

    void failingDiskGivesOneStatusLine()
    {
        test::TempRoot root;
        Program p;
        Twinform *w = p.host.openwin(QString(), "*.html");
        const QString mappe = p.gendanner->sessionMappe();
        QDir(mappe).removeRecursively();
        test::writeAll(mappe, "in the way");
        for (int n = 0; n < 3; ++n) {
            p.skriv(w, "tekst");
            p.gendanner->kopierAlleNu();
            QCoreApplication::processEvents();
        }
        QCOMPARE(p.gendanner->skriver()->antalFejl(), 3);
        QVERIFY(p.host.status[4].startsWith("Der kan ikke tages kopier til gendannelse ("));
        p.host.status[4].clear();
        p.skriv(w, "mere");
        p.gendanner->kopierAlleNu();
        QCoreApplication::processEvents();
        QCOMPARE(p.host.status[4], QString());   // said once, not again and again
        QCOMPARE(w->text().Text(), "tekstteksttekstmere");
        QFile::remove(mappe);
    }

    void restoreOpensModifiedUnderItsOwnName()
    {
        test::TempRoot root;
        ui::Script script;
        ui::setScript(&script);
        installRtfSupport();
        const QString side = root.file("side.txt");
        // Windows-1252 on disk; the restored text holds a character it cannot.
        test::writeAll(side, "gl\xE6" "de\r\n");
        QString forventet;
        {
            Program a;
            Twinform *w = a.aabn(side);
            QCOMPARE(w->encoding, TextEncoding::Cp1252);
            a.skriv(w, "Æble\nŵ\n");
            Twinform *ny = a.host.openwin(QString(), "*.css");
            a.skriv(ny, "p { }");
            // A rich document is copied as RTF, so its formatting comes back too.
            Twinform *rig = a.host.openwin(QString(), "*.rtf");
            a.skriv(rig, "fed");
            QTextCursor c(rig->text().document());
            c.select(QTextCursor::Document);
            QTextCharFormat fed;
            fed.setFontWeight(QFont::Bold);
            c.mergeCharFormat(fed);
            QVERIFY(a.kopieret(w));
            QVERIFY(a.kopieret(ny));
            QVERIFY(a.kopieret(rig));
            QVERIFY(test::readAll(joinPath(a.gendanner->sessionMappe(), indeks(a.gendanner->sessionMappe()).value(2).kopi))
                        .startsWith("{\\rtf"));
            forventet = w->text().Text();
            // The program dies here: no normal end.
        }
        Program b;
        QList<ui::TGendanRaekke> vist;
        b.gendanner->setVaelger([&](const QList<ui::TGendanRaekke> &r, const QStringList &) {
            vist = r;
            return ui::TGendanSvar{ui::TGendanSvar::Valg::Gendan, {0, 1, 2}};
        });
        QCOMPARE(b.gendanner->tilbydGendannelse(), 3);
        QCOMPARE(vist.size(), 3);
        QCOMPARE(vist[0].navn, "side.txt");
        QCOMPARE(QDir::cleanPath(vist[0].mappe), QDir::cleanPath(root.path()));
        QVERIFY(vist[1].navn.endsWith(". Dokument (.css)"));
        Twinform *rig = b.host.documents()->windows().value(2);
        QVERIFY(rig && rig->isRich() && rig->text().Modified());
        QCOMPARE(rig->text().Text(), "fed");
        QCOMPARE(QTextCursor(rig->text().document()).charFormat().fontWeight(), int(QFont::Bold));
        Twinform *w = b.host.documents()->findByPath(side);
        QVERIFY(w);
        QVERIFY(w->text().Modified());
        QCOMPARE(w->text().Text(), forventet);
        QVERIFY(b.host.documents()->Gem(w));
        // Saved where it belongs, in the encoding a save picks for this text.
        QCOMPARE(test::readAll(side), "\xEF\xBB\xBF" + forventet.toUtf8());
        // Only this program's session is left; its copies of the new documents stay until they are saved.
        b.gendanner->skriver()->vent();
        QCOMPARE(QDir(root.file(QStringLiteral("Tester/gendan"))).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 1);
        QCOMPARE(indeks(b.gendanner->sessionMappe()).size(), 2);
        ui::setScript(nullptr);
    }

    void laterKeepsAndDeleteDiscards()
    {
        test::TempRoot root;
        const QString rod = root.file(QStringLiteral("Tester/gendan"));
        doedSession(rod, "d", {{post("a.html", root.file("a.html")), "A"}, {post("b.html", root.file("b.html")), "B"}});
        for (auto valg : {ui::TGendanSvar::Valg::Senere, ui::TGendanSvar::Valg::Slet}) {
            Program p;
            p.gendanner->setVaelger([&](const QList<ui::TGendanRaekke> &, const QStringList &) {
                return ui::TGendanSvar{valg, {1}};
            });
            QCOMPARE(p.gendanner->tilbydGendannelse(), 0);
            QVERIFY(p.host.documents()->windows().isEmpty());
            p.gendanner->afslutNormalt();
        }
        TForladteKopier f;
        f.find(rod);
        QCOMPARE(f.fund().size(), 1);
        QCOMPARE(f.fund()[0].post.kopi, "a.html");
    }
};

QTEST_MAIN(TestRecovery)
#include "tst_recovery.moc"
