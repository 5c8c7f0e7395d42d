// The structure viewer's state machine, fed page events the way the web view
// sends them: HelpInfo, the title handler, history, search and editing.
#include "structures/fakehost.h"
#include "structures/infosettings.h"
#include "structures/infoviewer.h"
#include "ui/questions.h"

#include <QSignalSpy>
#include <QtTest>

using namespace taglund;
using namespace taglund::test;

namespace {
// The "web view": every navigation is shown at once, as a page load would.
struct Browser {
    explicit Browser(TInfoViewer &v) : viewer(v)
    {
        QObject::connect(&v, &TInfoViewer::navigateRequested, &v, [this](const QUrl &u) {
            visits << u;
            if (live)
                viewer.pageShown(u);
        });
    }
    TInfoViewer &viewer;
    QList<QUrl> visits;
    bool live = true;
    QString lastFile() const { return visits.isEmpty() ? QString() : fileNameOf(visits.last().toLocalFile()); }
};

QStringList rows(const TInfoViewer &v)
{
    QStringList out;
    for (const auto &r : v.history())
        out << r.structure + ":" + r.entry;
    return out;
}
} // namespace

class TestInfoLogic : public QObject {
    Q_OBJECT
    QTemporaryDir m_tmp;
    std::unique_ptr<FakeHost> m_host;
    ui::Script m_script;

private slots:
    void initTestCase()
    {
        m_host = std::make_unique<FakeHost>(m_tmp.path());
        m_host->addInfo("T", {"Alpha", "\tBeta", "\tGamma", "\t\tDelta", "\tEpsilon"},
                        {"0alpha", "1beta", "2gamma", "3delta", "4beta"}, {"alpha", "beta", "gamma", "delta"});
        m_host->addInfo("U", {"Uroot", "\tBeta", "\tInformation"}, {"0uroot", "1ubeta", "3Information"},
                        {"uroot", "ubeta", "Information"});
        m_host->addInfo("Information", {"Information", "\tTaglund"}, {"3Information", "0Taglund"},
                        {"Information", "Taglund"});
        writeAll(m_host->page("T", "alpha"), "<html><body>Ord findes: tabel, ikke tabeller. CSS-regel</body></html>");
        writeAll(m_host->page("T", "gamma"), "<p>tabeller og <b>Tabel</b></p>");
        writeAll(joinPath(m_host->infodir(), "T", "tekstfiler", "Design og funktioner", "design.css"), "p{}");
        ui::setScript(&m_script);
    }
    void cleanupTestCase() { ui::setScript(nullptr); }
    void init() { m_script = {}; }

    void helpInfoShowsTheEntry()
    {
        TInfoViewer v(m_host.get());
        Browser b(v);
        QSignalSpy caption(&v, &TInfoViewer::captionChanged);
        QSignalSpy count(&v, &TInfoViewer::countChanged);
        QSignalSpy shown(&v, &TInfoViewer::showRequested);
        v.HelpInfo("T.txt", "BETA");
        QCOMPARE(caption.last().first().toString(), QString("T.txt"));
        QCOMPARE(count.last().first().toInt(), 5);
        QVERIFY(shown.count() >= 1);
        QCOMPARE(v.struktur().Selected()->text, QString("Beta"));
        QVERIFY(v.struktur().Selected()->expanded);
        QCOMPARE(b.visits.size(), 1);
        QCOMPARE(b.visits.last(), QUrl::fromLocalFile(m_host->page("T", "beta")));
        QCOMPARE(v.hjemmeside(), normalSeparators(m_host->page("T", "beta")));
        QCOMPARE(rows(v), QStringList{"T.txt:Beta"});
        QCOMPARE(v.urlIndex(), 0);
        QCOMPARE(v.searchText(), QString("BETA"));

        // A repeat neither navigates nor adds a row.
        v.HelpInfo("t.TXT", "beta");
        QCOMPARE(b.visits.size(), 1);
        QCOMPARE(rows(v), QStringList{"T.txt:Beta"});
        QCOMPARE(count.size(), 1);  // not reloaded either

        v.HelpInfo("T.txt", "gamma");
        v.HelpInfo("U", "Beta");
        QCOMPARE(rows(v), (QStringList{"T.txt:Beta", "T.txt:Gamma", "U:Beta"}));
        QCOMPARE(v.urlIndex(), 2);

        // Back returns without adding rows; forward and the ends follow.
        QVERIFY(v.canBack() && v.canFirst() && !v.canForward() && !v.canLast());
        v.back();
        QCOMPARE(b.lastFile(), QString("gamma.html"));
        QCOMPARE(v.urlIndex(), 1);
        QCOMPARE(v.struktur().Selected()->text, QString("Gamma"));
        v.first();
        QCOMPARE(b.lastFile(), QString("beta.html"));
        QCOMPARE(v.urlIndex(), 0);
        QVERIFY(!v.canBack() && !v.canFirst() && v.canForward() && v.canLast());
        v.last();
        QCOMPARE(b.lastFile(), QString("ubeta.html"));
        QCOMPARE(v.urlIndex(), 2);
        QCOMPARE(v.newNavn(), QString("U"));
        QCOMPARE(rows(v).size(), 3);
        QVERIFY(!v.naviKlikket());
    }

    void entryLookup_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("page");
        QTest::newRow("empty is node 0") << "" << true << "Alpha" << "alpha.html";
        QTest::newRow("ignoring case") << "dELTA" << true << "Delta" << "delta.html";
        QTest::newRow("unknown shows node 0") << "Zeta" << false << "Alpha" << "alpha.html";
        QTest::newRow("several entries name one page") << "Epsilon" << true << "Epsilon" << "beta.html";
    }
    void entryLookup()
    {
        QFETCH(QString, entry);
        QFETCH(bool, found);
        QFETCH(QString, selected);
        QFETCH(QString, page);
        TInfoViewer v(m_host.get());
        Browser b(v);
        v.setStrukturnavn("T");
        v.LoadStruktur();
        QCOMPARE(v.goToInfo(entry), found);
        QCOMPARE(v.struktur().Selected()->text, selected);
        QCOMPARE(b.lastFile(), page);
    }

    void missingStructure()
    {
        TInfoViewer v(m_host.get());
        Browser b(v);
        QSignalSpy caption(&v, &TInfoViewer::captionChanged);
        v.HelpInfo("Findes ikke", "x");
        QCOMPARE(v.struktur().Count(), 0);
        QVERIFY(b.visits.isEmpty());
        QCOMPARE(caption.last().first().toString(), QString("Findes ikke"));
        QVERIFY(!v.goToInfo("x"));
    }

    void refusedNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("parent folder") << "..";
        QTest::newRow("path") << "../Struktur/T";
        QTest::newRow("backslash") << "a\\T";
        QTest::newRow("blanks") << "   ";
        QTest::newRow("control") << QString("T\x01");
    }
    void refusedNames()
    {
        QFETCH(QString, name);
        TInfoViewer v(m_host.get());
        Browser b(v);
        v.HelpInfo(name, "");
        QCOMPARE(m_script.messages.size(), 1);
        QVERIFY(m_script.messages.first().startsWith("Navnet"));
        QVERIFY(b.visits.isEmpty());
        QCOMPARE(v.strukturnavn(), QString("Information"));
    }

    // Loading by name directly (as the constructor does) must count as loaded.
    void loadStrukturRemembersTheName()
    {
        TInfoViewer v(m_host.get());
        Browser b(v);
        v.HelpInfo("Information", "Taglund");
        v.setStrukturnavn("U");
        v.LoadStruktur();
        QCOMPARE(v.newNavn(), QString("U"));
        v.HelpInfo("Information", "Taglund");
        QCOMPARE(v.struktur().Selected()->text, QString("Taglund"));
        QCOMPARE(v.struktur().Count(), 2);
    }

    // Two structures with a page of the same file name are two pages.
    void samePageNameInTwoStructures()
    {
        m_host->addInfo("V", {"Information"}, {"3Information"}, {"Information"});
        TInfoViewer v(m_host.get());
        Browser b(v);
        v.HelpInfo("Information", "Information");
        v.HelpInfo("V", "Information");
        QCOMPARE(b.visits.size(), 2);
        QCOMPARE(rows(v), (QStringList{"Information:Information", "V:Information"}));
        QCOMPARE(v.hjemmeside(), normalSeparators(m_host->page("V", "Information")));
        QCOMPARE(v.oldUrl(), normalSeparators(m_host->page("V", "Information")));
    }

    // History navigation to the page already shown brings no page change; the
    // flag must not linger and swallow the next real visit.
    void naviKlikketClearedWithoutNewPage()
    {
        TInfoViewer v(m_host.get());
        Browser b(v);
        v.HelpInfo("T", "Beta");
        v.HelpInfo("T", "Epsilon");  // same page as Beta: no new page, no row
        QCOMPARE(rows(v), QStringList{"T:Beta"});
        v.goToStruktur(0);
        QVERIFY(!v.naviKlikket());
        v.HelpInfo("T", "Gamma");
        QCOMPARE(rows(v), (QStringList{"T:Beta", "T:Gamma"}));
        QCOMPARE(v.urlIndex(), 1);
    }

    void historyRowsPerStructure()
    {
        TInfoViewer v(m_host.get());
        Browser b(v);
        v.HelpInfo("T", "Beta");
        v.HelpInfo("T", "Gamma");
        v.HelpInfo("T", "Beta");
        QCOMPARE(rows(v), (QStringList{"T:Beta", "T:Gamma"}));
        QCOMPARE(v.urlIndex(), 0);
        v.HelpInfo("U", "Beta");
        QCOMPARE(rows(v), (QStringList{"T:Beta", "T:Gamma", "U:Beta"}));
        v.clearHistory();
        QCOMPARE(v.urlIndex(), -1);
        QVERIFY(!v.canBack() && !v.canForward() && !v.canFirst() && !v.canLast());
        // A page that no entry names (a link followed inside a page) adds no row.
        v.pageShown(QUrl("https://example.invalid/side"));
        QVERIFY(v.history().isEmpty());
        QCOMPARE(v.hjemmeside(), QString());
    }

    void treeClicksShowPages()
    {
        TInfoViewer v(m_host.get());
        Browser b(v);
        v.HelpInfo("T", "");
        v.struktur().select(byText(v.struktur(), "Delta"));
        v.showSelectedPage();
        QCOMPARE(b.lastFile(), QString("delta.html"));
        QCOMPARE(rows(v), (QStringList{"T:Alpha", "T:Delta"}));
    }

    void search_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("whole word in two pages") << "tabel" << QStringList{"alpha", "gamma"};
        QTest::newRow("inside a longer word only") << "tabe" << QStringList{};
        QTest::newRow("ignoring case") << "TABELLER" << QStringList{"alpha", "gamma"};
        QTest::newRow("tags are searched too") << "body" << QStringList{"alpha", "beta", "delta"};
        QTest::newRow("word with hyphen") << "css-regel" << QStringList{"alpha"};
        QTest::newRow("regex characters are plain") << "p>" << QStringList{"beta", "delta", "gamma"};
    }
    void search()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, names);
        TInfoViewer v(m_host.get());
        Browser b(v);
        v.HelpInfo("T", "");
        const auto r = v.search(text);
        QCOMPARE(r.message, QString());
        QCOMPARE(r.names, names);
        if (!names.isEmpty())
            QCOMPARE(v.resultTarget(names.first()), QUrl::fromLocalFile(m_host->page("T", names.first())));
    }

    void searchMessages()
    {
        TInfoViewer v(m_host.get());
        v.HelpInfo("T", "");
        QCOMPARE(v.search("").message, QString("Der mangler en søgetekst."));
        v.HelpInfo("Findes ikke", "");
        QCOMPARE(v.search("x").message, QString("Filerne blev ikke fundet."));
    }

    void searchNext_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("selected");
        QTest::newRow("forward") << "Alpha" << "gamma" << true << "Gamma";
        QTest::newRow("wraps to the start") << "Delta" << "alpha" << true << "Alpha";
        QTest::newRow("no node keeps the selection") << "Beta" << "Zeta" << false << "Beta";
        QTest::newRow("nothing selected starts at 0") << "" << "alpha" << true << "Alpha";
    }
    void searchNext()
    {
        QFETCH(QString, start);
        QFETCH(QString, text);
        QFETCH(bool, found);
        QFETCH(QString, selected);
        TInfoViewer v(m_host.get());
        Browser b(v);
        v.setStrukturnavn("T");
        v.LoadStruktur();
        v.struktur().select(byText(v.struktur(), start));
        QCOMPARE(v.searchNext(text), found);
        QCOMPARE(v.struktur().Selected()->text, selected);
    }

    void searchAddress_data()
    {
        QTest::addColumn<QString>("term");
        QTest::addColumn<QByteArray>("query");
        QTest::newRow("plain") << "flexbox" << QByteArray("q=flexbox");
        QTest::newRow("blank and ampersand") << "a&b c" << QByteArray("q=a%26b%20c");
        QTest::newRow("plus hash question") << "c++ #x?y=1" << QByteArray("q=c%2B%2B%20%23x%3Fy%3D1");
        QTest::newRow("Danish") << "æble" << QByteArray("q=%C3%A6ble");
    }
    void searchAddress()
    {
        QFETCH(QString, term);
        QFETCH(QByteArray, query);
        const QUrl u = TInfoViewer::searchUrl(term);
        QVERIFY(u.isValid());
        QCOMPARE(u.query(QUrl::FullyEncoded).toLatin1(), query);
        QCOMPARE(u.fragment(), QString());
    }

    void addressBox()
    {
        TInfoViewer v(m_host.get());
        v.HelpInfo("T", "");
        QCOMPARE(v.addressTarget("gamma.html"), QUrl::fromLocalFile(m_host->page("T", "gamma")));
        QCOMPARE(v.addressTarget("../../U/tekstfiler/ubeta.html").host(), QString("www.google.com"));
        QCOMPARE(v.addressTarget("findes.html").host(), QString("www.google.com"));
        QVERIFY(v.addressTarget("").isEmpty());
    }

    void links()
    {
        TInfoViewer v(m_host.get());
        Browser b(v);
        b.live = false;
        QSignalSpy status(&v, &TInfoViewer::statusTextChanged);
        v.linkHovered("https://example.invalid/a b");
        QCOMPARE(v.globalUrl(), QString("https://example.invalid/a b"));
        QCOMPARE(status.last().first().toString(), v.globalUrl());
        v.linkHovered("");
        QCOMPARE(v.globalUrl(), QString());
        v.linkHovered("file:///x/y.html");
        v.newWindowRequested(QUrl());
        QCOMPARE(b.visits.last(), QUrl("file:///x/y.html"));
        v.newWindowRequested(QUrl("file:///x/z.html"));
        QCOMPARE(b.visits.last(), QUrl("file:///x/z.html"));
        v.navigationStarted();
        QCOMPARE(v.globalUrl(), QString());
        v.newWindowRequested(QUrl());
        QCOMPARE(b.visits.size(), 2);
    }

    void editing_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("valg");
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QString>("message");
        QTest::newRow("page") << "Beta" << int(TRedigerValg::Hjemmeside) << "beta.html" << "";
        QTest::newRow("style sheet") << "Beta" << int(TRedigerValg::Stylesheet) << "design.css" << "";
        QTest::newRow("missing script") << "Beta" << int(TRedigerValg::Javascript) << "" << "Filen blev ikke fundet.";
        QTest::newRow("no page shown") << "" << int(TRedigerValg::Hjemmeside) << "" << "Filen blev ikke fundet.";
        QTest::newRow("no design folder") << "Uroot" << int(TRedigerValg::Stylesheet) << "" << "";
    }
    void editing()
    {
        QFETCH(QString, entry);
        QFETCH(int, valg);
        QFETCH(QString, opened);
        QFETCH(QString, message);
        m_host->opened.clear();
        QDir(joinPath(m_host->infodir(), "U", "tekstfiler", "Design og funktioner")).removeRecursively();
        TInfoViewer v(m_host.get());
        Browser b(v);
        if (!entry.isEmpty())
            v.HelpInfo(entry == "Uroot" ? "U" : "T", entry);
        v.rediger(TRedigerValg(valg));
        QCOMPARE(m_host->opened.isEmpty() ? QString() : fileNameOf(m_host->opened.last()), opened);
        QCOMPARE(m_script.messages.isEmpty() ? QString() : m_script.messages.last(), message);
    }

    void autoEditFollowsThePage()
    {
        m_host->opened.clear();
        m_host->closed.clear();
        m_host->activePath.clear();
        TInfoViewer v(m_host.get());
        Browser b(v);
        v.setAutoEdit(true);
        v.HelpInfo("T", "Beta");
        QCOMPARE(m_host->opened, QStringList{normalSeparators(m_host->page("T", "beta"))});
        v.HelpInfo("T", "Gamma");
        QCOMPARE(m_host->closed, QStringList{normalSeparators(m_host->page("T", "beta"))});
        QCOMPARE(m_host->opened.last(), normalSeparators(m_host->page("T", "gamma")));
        // A document that is not the shown page is never closed.
        m_host->activePath = "/andet/dokument.html";
        v.HelpInfo("T", "Delta");
        QCOMPARE(m_host->closed.size(), 1);
    }

    void settingsFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QList<int>>("expected");
        QTest::newRow("missing") << QByteArray() << QList<int>{8, 8, 810, 610, 250, 0};
        QTest::newRow("complete") << QByteArray("20\r\n30\r\n900\r\n700\r\n300\r\n1\r\n")
                                  << QList<int>{20, 30, 900, 700, 300, 1};
        QTest::newRow("no expand line") << QByteArray("20\r\n30\r\n900\r\n700\r\n300\r\n")
                                        << QList<int>{20, 30, 900, 700, 300, 0};
        QTest::newRow("short") << QByteArray("20\r\n30\r\n") << QList<int>{8, 8, 810, 610, 250, 0};
        QTest::newRow("not a number") << QByteArray("20\r\nx\r\n900\r\n700\r\n300\r\n1\r\n")
                                      << QList<int>{8, 8, 810, 610, 250, 0};
        QTest::newRow("zero width") << QByteArray("20\r\n30\r\n0\r\n700\r\n300\r\n1\r\n")
                                    << QList<int>{8, 8, 810, 610, 250, 0};
    }
    void settingsFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QList<int>, expected);
        QTemporaryDir opt;
        if (!bytes.isEmpty())
            writeAll(TInfoSettings::fileName(opt.path()), bytes);
        const TInfoSettings s = TInfoSettings::read(opt.path());
        QCOMPARE((QList<int>{s.top, s.left, s.width, s.height, s.panelWidth, int(s.autoExpand)}), expected);
        QVERIFY(s.write(opt.path()));
        const TInfoSettings again = TInfoSettings::read(opt.path());
        QCOMPARE((QList<int>{again.top, again.left, again.width, again.height, again.panelWidth,
                             int(again.autoExpand)}),
                 expected);
    }

    void urlboksSettings()
    {
        QTemporaryDir opt;
        QCOMPARE(TUrlboksSettings::read(opt.path()).width, 420);
        TUrlboksSettings s;
        s.width = 500;
        s.height = 300;
        QVERIFY(s.write(opt.path()));
        QCOMPARE(readAll(TUrlboksSettings::fileName(opt.path())), QByteArray("500\r\n300\r\n"));
        writeAll(TUrlboksSettings::fileName(opt.path()), "500\r\n");
        QCOMPARE(TUrlboksSettings::read(opt.path()).height, 320);
    }
};

QTEST_MAIN(TestInfoLogic)
#include "tst_infologic.moc"
