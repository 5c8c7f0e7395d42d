// Every menu item of the document bars, written on a small document through
// the menus the one builder makes: the text it leaves and where the caret ends.
#include "core/commandregistry.h"
#include "core/text/doctext.h"
#include "core/text/paths.h"
#include "generators/kodelinjer.h"
#include "generators/snippetcatalogue.h"
#include "generators/snippetmenu.h"
#include "html/infotag.h"
#include "support/testsupport.h"

#include <QAction>
#include <QMenu>
#include <QTextDocument>
#include <QWidget>
#include <QtTest>
#include <map>

using namespace taglund;
using namespace taglund::test;

namespace {

// The document every item is written on: the caret on an empty line
// between two lines of text; attributes go into a start tag instead (the
// tag reader reads only documents that begin with a tag).
const QString kTom = QStringLiteral("ab\n|\ncd");
const QString kTag = QStringLiteral("<p>\n<div |>\n</p>");

// What the items leave, written out by hand: the catalogue's data is checked
// against these, not against itself.
const std::map<QString, QString> &handSkrevet()
{
    static const std::map<QString, QString> m = {
        // Pairs: caret between the parts.
        {"Struktur > <aside></aside>", "ab\n<aside>|</aside>\ncd"},
        {"Struktur > <summary></summary>", "ab\n<summary>|</summary>\ncd"},
        {"Tekst > Overskrifter > <h1></h1>", "ab\n<h1>|</h1>\ncd"},
        {"Tekst > Overskrifter > <h6></h6>", "ab\n<h6>|</h6>\ncd"},
        {"Tekst > Formatering >  <b></b>", "ab\n<b>|</b>\ncd"},
        {"Tekst > Formatering > <strong></strong>", "ab\n<strong>|</strong>\ncd"},
        {"Tekst > Formatering > <u></u>", "ab\n<u>|</u>\ncd"},
        {"Tekst > Indhold > <bdo dir=\"\"></bdo>", "ab\n<bdo dir=\"\">|</bdo>\ncd"},
        {"Tekst > Indhold > <blockquote></blockquote>", "ab\n<blockquote>|</blockquote>\ncd"},
        {"Tekst > Indhold > <var></var>", "ab\n<var>|</var>\ncd"},
        {"Tekst > <p></p>", "ab\n<p>|</p>\ncd"},
        {"Links > <a href=\"\"></a>", "ab\n<a href=\"|\"></a>\ncd"},
        {"Links > <a href=\"\" target=\"\"></a>", "ab\n<a href=\"|\" target=\"\"></a>\ncd"},
        {"Links > <a download=\"\"></a>", "ab\n<a download=\"|\"></a>\ncd"},
        {"Links > Med target > <a href=\"\" target=\"_blank\"></a>", "ab\n<a href=\"|\" target=\"_blank\"></a>\ncd"},
        {"Links > Med target > <a href=\"\" target=\"_top\"></a>", "ab\n<a href=\"|\" target=\"_top\"></a>\ncd"},
        {"Links > Med target > <a href=\"\" target=\"Framenamne\"></a>",
         "ab\n<a href=\"|\" target=\"Framename\"></a>\ncd"},
        {"Links > Link til eksterne dokumenter > <link rel=\"stylesheet\" type=\"text/css\" href=\"\">",
         "ab\n<link rel=\"stylesheet\" type=\"text/css\" href=\"|\">\ncd"},
        {"Links > Link til eksterne dokumenter > <script type=\"text/javascript\" src=\"\"></script>",
         "ab\n<script type=\"text/javascript\" src=\"|\"></script>\ncd"},
        {"Links > <nav></nav> ", "ab\n<nav>|</nav>\ncd"},
        {"Form > Form > <form action=\"\" method=\"post\"></form>", "ab\n<form action=\"|\" method=\"post\"></form>\ncd"},
        {"Form > Select > <optgroup label=\"\"></optgroup>", "ab\n<optgroup label=\"|\"></optgroup>\ncd"},
        {"Form > Textarea > <textarea rows=\"\" cols=\"\"></textarea>",
         "ab\n<textarea rows=\"|\" cols=\"\"></textarea>\ncd"},
        {"Form > <input type=\"\">", "ab\n<input type=\"|\">\ncd"},
        {"Form > <meter></meter>", "ab\n<meter>|</meter>\ncd"},
        {"Medie > Audio > <audio src=\"\" controls></audio>", "ab\n<audio src=\"|\" controls></audio>\ncd"},
        {"Medie > Video > <source src=\"\" type=\"\">", "ab\n<source src=\"|\" type=\"\">\ncd"},
        {"Medie > Canvas > <canvas id=\"\" height=\"\" width=\"\"></canvas>",
         "ab\n<canvas id=\"|\" height=\"\" width=\"\"></canvas>\ncd"},
        {"Medie > Img > <img src=\"\" alt=\"\" usemap=\"#\">", "ab\n<img src=\"|\" alt=\"\" usemap=\"#\">\ncd"},
        {"Medie > Img > <area shape=\"\" coords=\"\" href=\"\" alt=\"\">",
         "ab\n<area shape=\"|\" coords=\"\" href=\"\" alt=\"\">\ncd"},
        {"Medie > Object > <param name=\"\" value=\"\">", "ab\n<param name=\"|\" value=\"\">\ncd"},
        {"Medie > <video></video>", "ab\n<video>|</video>\ncd"},
        {"Skema > Colgroup > <colgroup><col span=\"\" style=\"\"></colgroup>",
         "ab\n<colgroup><col span=\"|\" style=\"\"></colgroup>\ncd"},
        {"Skema > <table></table>", "ab\n<table>|</table>\ncd"},
        {"Skema > <td></td>", "ab\n<td>|</td>\ncd"},
        {"Lister > Ordnet liste > <ol type=\"\" start=\"\"></ol>", "ab\n<ol type=\"|\" start=\"\"></ol>\ncd"},
        {"Lister > <li></li>", "ab\n<li>|</li>\ncd"},
        // Singles: caret after.
        {"Tekst > <br>", "ab\n<br>|\ncd"},
        {"Tekst > <wbr>", "ab\n<wbr>|\ncd"},
        {"Form > <keygen>", "ab\n<keygen>|\ncd"},
        {"Form > <textarea></textarea>", "ab\n<textarea></textarea>|\ncd"},
        {"Form > Input > <input type=\"radio\">", "ab\n<input type=\"radio\">|\ncd"},
        {"Form > Input > <input type=\"datetime-local\">", "ab\n<input type=\"datetime-local\">|\ncd"},
        {"Form > Input > <input type=\"week\">", "ab\n<input type=\"week\">|\ncd"},
        {"Medie > <track>", "ab\n<track>|\ncd"},
        {"Skema > <col>", "ab\n<col>|\ncd"},
        {"Tegn > Mellemrum", "ab\n&nbsp;|\ncd"},
        {"Tegn > Større end", "ab\n&gt;|\ncd"},
        {"Tegn > Mindre end", "ab\n&lt;|\ncd"},
        {"Tegn > Ampersant", "ab\n&amp;|\ncd"},
        // Texts: caret after.
        {"VbScript objekter > Network", "ab\nSet Network = CreateObject(\"WScript.Network\")|\ncd"},
        {"VbScript objekter > WSHController", "ab\nSet Controller = WScript.CreateObject(\"WSHController\")|\ncd"},
        {"VbScript objekter > Folder", "ab\nSet Folder = fso.GetFolder(foldername) |\ncd"},
        {"VbScript objekter > TextStream", "ab\nSet TextStream = fso.OpenTextFile(filename,IOmode,doCreate)|\ncd"},
        {"WScript.Echo > WScript.Echo ", "ab\nWScript.Echo |\ncd"},
        {"WScript.Echo > brugerRespons = MsgBox(Spm,4+32,\"Spørgsmål\")",
         "ab\nbrugerRespons = MsgBox(Spm,4+32,\"Spørgsmål\")|\ncd"},
        {"WScript.Echo > Ny Linje: VbCrLf ", "ab\n& VbCrLf &|\ncd"},
        // Return blocks: caret on the empty middle line.
        {"Struktur > <article></article>", "ab\n<article>\n|\n</article>\ncd"},
        {"Form > <form></form>", "ab\n<form>\n|\n</form>\ncd"},
        {"Medie > Audio > <audio controls></audio>", "ab\n<audio controls>\n|\n</audio>\ncd"},
        {"Medie > Canvas > <script></script>", "ab\n<script>\n|\n</script>\ncd"},
        {"Attributter > Script-koder: <script><script>", "ab\n<script>\n|\n</script>\ncd"},
        {"VbScript strukturer > If ... End If", "ab\nIf BETINGELSE Then\n|\nEnd If\ncd"},
        {"VbScript strukturer > For ... To .... Step ... Next", "ab\nFor VAR = VÆRDI To VÆRDI Step VÆRDI\n|\nNext\ncd"},
        {"VbScript strukturer > Public > Property Let ... End Property",
         "ab\nPublic Property Let PROPERTYNAVN(VALUE)\n|\nEnd Property\ncd"},
        {"VbScript strukturer > Private > Sub ... End Sub", "ab\nPrivate Sub PROCEDURENAVN\n|\nEnd Sub\ncd"},
        {"VbScript strukturer > Select Case ... End Select", "ab\nSelect Case VARIABEL\nCase VÆRDI\n|\nEnd Select\ncd"},
        // CSS selector blocks end their last line too.
        {"Vis css selectorer > Class selector: .CLASS{}", "ab\n.CLASS{\n|\n}\n\ncd"},
        {"Vis css selectorer > Html kode selector: ELEMENT{}", "ab\nELEMENT{\n|\n}\n\ncd"},
        // A block, then a pair on its empty line.
        {"Struktur > <details><summary></summary></details>", "ab\n<details>\n<summary>|</summary>\n</details>\ncd"},
        {"Struktur > <figure><figcaption></figcaption><figure>",
         "ab\n<figure>\n<figcaption>|</figcaption>\n</figure>\ncd"},
        // Open-end blocks: caret on a new line after the block.
        {"JavaScript strukturer > if...", "ab\nif (BETINGELSE){\n\n}\n|\ncd"},
        {"JavaScript strukturer > do...while...", "ab\ndo{\n\n}\nwhile (BETINGELSE)\n|\ncd"},
        {"JavaScript strukturer > switch...",
         "ab\nswitch (VARIABEL){\ncase VÆRDI: \nKODE;\nbreak;\ncase VÆRDI: \nKODE;\nbreak;\ndefault:\nKODE;\n}\n|\ncd"},
        {"JavaScript strukturer > function...", "ab\nfunction(kommaAdskilteParametre){\n\n}\n|\ncd"},
        // Attributes: into the start tag at the caret.
        {"Attributter > Indsæt style-attribut", "<p>\n<div style=\"|\">\n</p>"},
        {"Attributter > Indsæt onclick-event", "<p>\n<div onclick=\"|\">\n</p>"},
        // Information items write nothing.
        {"Vis css selectorer > Farve information...", "help:CSS|CSS Colors"},
        {"Vis css selectorer > Boksmodellen...", "help:CSS|Boksmodellen"},
        {"Funktioner > Kommunikation > Popup", "help:VBS|Popup"},
        {"Funktioner > Date_Time funktioner", "help:VBS|Date_Time funktioner"},
    };
    return m;
}

QString joined(const QString &a, const QString &b)
{
    return a.isEmpty() ? b : a + QStringLiteral(" > ") + b;
}

// What the item leaves by its kind's rule, from its own table row.
QString efterRegel(const TSnippet &s)
{
    const QString a = u8(s.a), b = u8(s.b);
    const QString ud = QStringLiteral("ab\n%1\ncd");
    switch (s.kind) {
    case TSnippetKind::Pair:
        return ud.arg(a + u'|' + b);
    case TSnippetKind::Single:
    case TSnippetKind::Text:
        return ud.arg(a + u'|');
    case TSnippetKind::Block:
    case TSnippetKind::CaseBlock:
        return ud.arg(a + QStringLiteral("\n|\n") + b);
    case TSnippetKind::CssBlock:
        return ud.arg(a + QStringLiteral("\n|\n") + b + u'\n');
    case TSnippetKind::OpenBlock:
        return ud.arg(a + QStringLiteral("\n|"));
    case TSnippetKind::BlockPair:
        return ud.arg(a + u'\n' + u8(s.c) + u'|' + u8(s.d) + u'\n' + b);
    case TSnippetKind::Attribute:
        return QStringLiteral("<p>\n<div ") + a + QStringLiteral("=\"|\">\n</p>");
    case TSnippetKind::Help:
        return QStringLiteral("help:") + a + u'|' + b;
    case TSnippetKind::VbsEntry:
        return QStringLiteral("help:VBS|") + a;
    case TSnippetKind::Command:
    case TSnippetKind::Separator:
        break;
    }
    return {};
}

} // namespace

class TestSnippetCatalogue : public QObject {
    Q_OBJECT

private:
    QWidget m_owner;
    TCommandRegistry *m_commands = nullptr;
    std::unique_ptr<QTextDocument> m_doc;
    std::unique_ptr<TDocText> m_text;
    Tinfotag m_writer;
    QStringList m_help;
    std::map<QString, QAction *> m_actions;  // every item of the built menus by its path

    void collect(QMenu *menu, const QString &path)
    {
        for (QAction *a : menu->actions()) {
            if (a->isSeparator())
                continue;
            const QString caption = QString(a->text()).replace(QStringLiteral("&&"), QStringLiteral("&"));
            if (a->menu()) {
                collect(a->menu(), joined(path, caption));
                continue;
            }
            const QString key = joined(path, caption);
            QVERIFY2(!m_actions.count(key), qPrintable(QStringLiteral("two items named ") + key));
            m_actions[key] = a;
        }
    }

    // Sets the document from a marked text and returns what an action left.
    QString run(QAction *a, const QString &start)
    {
        const MarkedText m = parseMarked(start);
        m_text->setText(QString(m.plain).replace(u'\n', QStringLiteral("\r\n")));
        m_text->setSelStart(m.caret);
        m_text->setSelLength(m.length);
        m_help.clear();
        a->trigger();
        if (!m_help.isEmpty())
            return QStringLiteral("help:") + m_help.join(u',');
        QString t = m_text->Text();
        t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        return t.insert(m_text->SelStart() + 0, u'|');
    }

private slots:
    void initTestCase()
    {
        m_commands = new TCommandRegistry(&m_owner);
        m_commands->add(QStringLiteral("AUdskift"), QStringLiteral("Udskift"), {}, [] {});
        m_doc = std::make_unique<QTextDocument>();
        m_text = std::make_unique<TDocText>(m_doc.get());
        m_writer.setDirs(TKnowledgeDirs::fromProgramDir(joinPath(sourceDataDir(), QStringLiteral("Program\\"))));
        QString message;
        QVERIFY2(m_writer.LoadKnowledge(&message), qPrintable(message));
        m_writer.setEditor(m_text.get());
        // Items with a shortcut are program commands, as the generators register them.
        for (const TSnippetMenu &m : snippetMenus())
            for (const TSnippet &s : m.items)
                if (*s.command)
                    m_commands->add(u8(s.command), u8(s.caption), QKeySequence(u8(s.shortcut)),
                                    [this, item = &s] { writeSnippet(m_writer, *item); });
        TSnippetHandlers h;
        h.write = [this](const TSnippet &s) { writeSnippet(m_writer, s); };
        h.help = [this](const QString &s, const QString &e) { m_help << s + u'|' + e; };
        h.vbsEntry = [this](const QString &e) { m_help << QStringLiteral("VBS|") + e; };
        h.commands = m_commands;
        for (const TSnippetMenu &m : snippetMenus()) {
            QMenu *menu = buildSnippetMenu(m, &m_owner, h);
            collect(menu, u8(m.id));
            QCOMPARE(menu->title(), u8(m.id));
        }
    }

    // The rows come from the catalogue's tables; every one must be in the
    // built menus, and its result must follow its kind's rule and, where
    // one is written by hand, equal that.
    void everyItem_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("regel");
        int rows = 0;
        for (const TSnippetMenu &m : snippetMenus()) {
            for (const TSnippet &s : m.items) {
                if (s.kind == TSnippetKind::Separator || s.kind == TSnippetKind::Command)
                    continue;
                QString path = u8(m.id);
                for (const QString &sub : u8(s.sub).split(u'/', Qt::SkipEmptyParts))
                    path = joined(path, sub);
                path = joined(path, u8(s.caption));
                const QString start = s.kind == TSnippetKind::Attribute ? kTag : kTom;
                QTest::newRow(qPrintable(path)) << path << start << efterRegel(s);
                ++rows;
            }
        }
        QVERIFY(rows > 200);
    }

    void everyItem()
    {
        QFETCH(QString, path);
        QFETCH(QString, start);
        QFETCH(QString, regel);
        QVERIFY2(m_actions.count(path), "not in the built menus");
        const QString got = run(m_actions.at(path), start);
        QCOMPARE(got, regel);
        const auto hand = handSkrevet().find(path);
        if (hand != handSkrevet().end())
            QCOMPARE(got, hand->second);
    }

    // The hand-written column names real items, across every menu and kind.
    void handWrittenCoverage()
    {
        QVERIFY(handSkrevet().size() >= 60);
        QSet<QString> menus;
        for (const auto &[path, expected] : handSkrevet()) {
            QVERIFY2(m_actions.count(path), qPrintable(QStringLiteral("no such item: ") + path));
            menus.insert(path.section(QStringLiteral(" > "), 0, 0));
        }
        for (const TSnippetMenu &m : snippetMenus())
            QVERIFY2(menus.contains(u8(m.id)), m.id);
    }

    void commandItems()
    {
        // A command of the program is the registry's own action; one that is
        // not part of the program is left out rather than shown dead.
        QVERIFY(m_actions.count(QStringLiteral("Tegn > Udskift")));
        QCOMPARE(m_actions.at(QStringLiteral("Tegn > Udskift")), m_commands->action(QStringLiteral("AUdskift")));
        QVERIFY(!m_actions.count(QStringLiteral("Tegn > Annuller")));
    }

    void hints()
    {
        QCOMPARE(m_actions.at(QStringLiteral("Attributter > Indsæt id-attribut"))->shortcut(),
                 QKeySequence(QStringLiteral("Ctrl+Alt+I")));
        QCOMPARE(m_actions.at(QStringLiteral("Tegn > Mellemrum"))->toolTip(),
                 QStringLiteral("Udskriver et ekstra mellemrum"));
    }

    void writingElsewhere_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("expected");
        QTest::newRow("a selection is replaced") << "Tekst > <p></p>" << "x [hej] y" << "x <p>|</p> y";
        QTest::newRow("a block replaces its line") << "Form > <form></form>" << "ab\nx|yz" << "ab\n<form>\n|\n</form>";
        QTest::newRow("a block on the last line") << "Form > <select></select>" << "|" << "<select>\n|\n</select>";
        QTest::newRow("open block at the end") << "JavaScript strukturer > while..." << "|"
                                               << "while (BETINGELSE){\n\n}\n|";
        QTest::newRow("attribute after a blank") << "Attributter > Indsæt class-attribut" << "<p |>"
                                                 << "<p class=\"|\">";
        QTest::newRow("attribute right after the name") << "Attributter > Indsæt id-attribut" << "<p|>"
                                                        << "<p id=\"|\">";
        QTest::newRow("attribute outside a tag writes nothing") << "Attributter > Indsæt id-attribut" << "ab |cd"
                                                                << "ab |cd";
    }

    void writingElsewhere()
    {
        QFETCH(QString, path);
        QFETCH(QString, start);
        QFETCH(QString, expected);
        QVERIFY(m_actions.count(path));
        QCOMPARE(run(m_actions.at(path), start), expected);
    }

    void noDocumentWritesNothing()
    {
        m_writer.setEditor(nullptr);
        for (const TSnippetMenu &m : snippetMenus())
            for (const TSnippet &s : m.items)
                QVERIFY(!writeSnippet(m_writer, s));
        m_writer.setEditor(m_text.get());
    }
};

QTEST_MAIN(TestSnippetCatalogue)
#include "tst_snippetcatalogue.moc"
