// The structure library: folders, names, lists, menus and the text rules of
// the document window's structure panels.
#include "core/text/doctext.h"
#include "core/text/paths.h"
#include "ui/questions.h"
#include "structures/ordkorrektion.h"
#include "structures/strukturlib.h"
#include "structures/strukturtesthelp.h"

#include <QTextDocument>
#include <QtTest>

using namespace taglund;
using namespace taglund::test;

namespace {
void makeTree(TStrukturTree &tree, const QStringList &lines)
{
    StrukturCodec::parseTree(lines, tree);
}
} // namespace

class TestStrukturLib : public QObject {
    Q_OBJECT
    QTemporaryDir m_tmp;

private slots:
    void names_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("base");
        QTest::newRow("plain") << "CSS" << true << "CSS";
        QTest::newRow("extension") << "CSS.txt" << true << "CSS";
        QTest::newRow("Danish and blanks") << "Mine øvelser 2" << true << "Mine øvelser 2";
        QTest::newRow("slash") << "a/b" << false << "b";
        QTest::newRow("backslash") << "..\\x" << false << "x";
        QTest::newRow("dot dot") << ".." << false << ".";
        QTest::newRow("dot dot inside") << "a..b" << false << "a.";
        QTest::newRow("blanks only") << "   " << false << "   ";
        QTest::newRow("empty") << "" << false << "";
        QTest::newRow("control character") << "a\tb" << false << "a\tb";
        QTest::newRow("colon") << "c:x" << false << "c:x";
    }
    void names()
    {
        QFETCH(QString, name);
        QFETCH(bool, valid);
        QFETCH(QString, base);
        QCOMPARE(StrukturLib::isValidName(name), valid);
        QCOMPARE(StrukturLib::baseName(name), base);
        TStruktur s;
        s.Strukturfile = "unchanged";
        const bool set = StrukturLib::setupInformation(s, m_tmp.path(), name);
        QCOMPARE(set, valid);
        if (!set)
            QCOMPARE(s.Strukturfile, QString("unchanged"));
        else
            QVERIFY(QFileInfo(s.Strukturfile).absolutePath().startsWith(m_tmp.path()));
        QCOMPARE(StrukturLib::setupObject(s, m_tmp.path(), name), valid);
    }

    void informationPaths()
    {
        const StrukturLib::InfoPaths p = StrukturLib::informationPaths("/p/Struktur", "CSS.txt");
        QCOMPARE(p.folder, normalSeparators("/p/Struktur/CSS"));
        QCOMPARE(p.strukturfile, normalSeparators("/p/Struktur/CSS/struktur.txt"));
        QCOMPARE(p.datafile, normalSeparators("/p/Struktur/CSS/data.txt"));
        QCOMPARE(p.mappe, normalSeparators("/p/Struktur/CSS/tekstfiler"));
        QCOMPARE(p.infomappe, normalSeparators("/p/Struktur/CSS/tekstfiler/"));
        QCOMPARE(p.htmlmappe, normalSeparators("/p/Struktur/CSS/tekstfiler/Design og funktioner/"));
        QCOMPARE(p.billedmappe, normalSeparators("/p/Struktur/CSS/Billeder/"));
        TStruktur s;
        QVERIFY(StrukturLib::setupObject(s, "/p/Script/", "HTML koder"));
        QCOMPARE(s.Strukturfile, normalSeparators("/p/Script/HTML koderStruktur.txt"));
        QCOMPARE(s.Datafile, normalSeparators("/p/Script/HTML koderData.txt"));
        QVERIFY(s.DataOn);
        QVERIFY(s.Infomappe.isEmpty());
    }

    void listsInformationFolders()
    {
        const QString dir = m_tmp.filePath("Struktur");
        for (QString d : {"Information", "Mine", "CSS", "Gammel.bak", "Øvelser"})
            QDir().mkpath(dir + "/" + d);
        writeAll(dir + "/noter.txt", "x");
        writeAll(dir + "/LÆSMIG", "x");
        QCOMPARE(StrukturLib::informationStructures(dir),
                 (QStringList{"CSS", "Information", "Mine", "Øvelser"}));
        QCOMPARE(StrukturLib::informationStructures(m_tmp.filePath("none")), QStringList());
    }

    void userInformationMenu_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("only built-in") << QStringList{"CSS", "Html5", "ASP", "JavaScript", "Information", "VBS",
                                                      "Eksempler"}
                                       << QStringList{"Ingen strukturer"};
        QTest::newRow("built-in in other case") << QStringList{"css", "vbs"} << QStringList{"Ingen strukturer"};
        QTest::newRow("Programmet is a user structure") << QStringList{"Information", "Programmet", "Mine"}
                                                        << QStringList{"Programmet", "Mine"};
        QTest::newRow("empty folder") << QStringList{} << QStringList{"Ingen strukturer"};
    }
    void userInformationMenu()
    {
        QFETCH(QStringList, names);
        QFETCH(QStringList, captions);
        const auto items = StrukturLib::userInformationMenu(names);
        QStringList got;
        for (const auto &i : items) {
            got << i.caption;
            const bool placeholder = i.caption == "Ingen strukturer";
            QCOMPARE(i.active, !placeholder);
            QCOMPARE(i.hint, placeholder ? QString("Der kan laves strukturer i strukturkonstruktøren!")
                                         : QString("Informationsstruktur"));
        }
        QCOMPARE(got, captions);
    }

    void objectLists()
    {
        const QString dir = m_tmp.filePath("Script");
        QDir().mkpath(dir);
        QCOMPARE(StrukturLib::userObjectStructures(dir), QStringList());
        QCOMPARE(StrukturLib::userObjectMenu({}).first().caption, QString("Ingen strukturer"));
        writeAll(dir + "/_strukturliste.txt", crlf({"HTML koder", "", "ASP", "String"}));
        writeAll(dir + "/_newStrukturliste.txt", crlf({"zeta", "Alfa", "beta"}));
        QCOMPARE(StrukturLib::builtinObjectStructures(dir), (QStringList{"HTML koder", "ASP", "String"}));
        QCOMPARE(StrukturLib::userObjectStructures(dir), (QStringList{"Alfa", "beta", "zeta"}));
        const auto menu = StrukturLib::userObjectMenu(StrukturLib::userObjectStructures(dir));
        QCOMPARE(menu.size(), 3);
        QCOMPARE(menu[0].hint, QString("Objektstruktur"));
    }

    void protection_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("css") << "css" << "Den anvendes til CSS information.";
        QTest::newRow("Programmet") << "Programmet" << "Den anvendes til program information.";
        QTest::newRow("Information") << "INFORMATION" << "Den anvendes til HTML information.";
        QTest::newRow("Eksempler") << "Eksempler" << "Den anvendes til komponenteksempler.";
        QTest::newRow("JavaScript") << "javascript" << "Den anvendes til JavaScript information.";
        QTest::newRow("Html5 may go") << "Html5" << "";
        QTest::newRow("VBS may go") << "VBS" << "";
    }
    void protection()
    {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QCOMPARE(StrukturLib::protectionReason(name), reason);
    }

    void accelerators_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("all");
        QTest::addColumn<QString>("leading");
        QTest::newRow("none") << "Mine" << "Mine" << "Mine";
        QTest::newRow("leading") << "&Mine" << "Mine" << "Mine";
        QTest::newRow("inside") << "Mi&ne" << "Mine" << "Mi&ne";
        QTest::newRow("several") << "&M&ine" << "Mine" << "M&ine";
    }
    void accelerators()
    {
        QFETCH(QString, caption);
        QFETCH(QString, all);
        QFETCH(QString, leading);
        QCOMPARE(StrukturLib::withoutAccelerators(caption), all);
        QCOMPARE(StrukturLib::withoutLeadingAccelerator(caption), leading);
    }

    void payload_data()
    {
        QTest::addColumn<QString>("payload");
        QTest::addColumn<QString>("definition");
        QTest::addColumn<QString>("syntax");
        QTest::newRow("one field") << "Vinduet" << "Vinduet" << "";
        QTest::newRow("two") << "Viser|alert(x)" << "Viser" << "alert(x)";
        QTest::newRow("four") << "D|a|b|c" << "D" << "a\r\nb\r\nc";
        QTest::newRow("more than four") << "D|a|b|c|d" << "D" << "a\r\nb\r\nc";
        QTest::newRow("empty") << "" << "" << "";
        QTest::newRow("empty definition") << "|x" << "" << "x";
    }
    void payload()
    {
        QFETCH(QString, payload);
        QFETCH(QString, definition);
        QFETCH(QString, syntax);
        const auto f = StrukturLib::splitPayload(payload);
        QCOMPARE(f.definition, definition);
        QCOMPARE(f.syntax, syntax);
    }

    void currentWord_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("found");
        // 0 document, 1 document.getElementById(), 2 GETELEMENTBYID(id), 3 getElementsByName(n),
        // 4 getElementById(x), 5 æble_1
        QTest::newRow("word then brackets, any case") << "getElementById" << -1 << 2;
        QTest::newRow("after the selected one") << "getElementById" << 2 << 4;
        QTest::newRow("wraps round") << "getElementById" << 4 << 2;
        QTest::newRow("word in the middle is no match") << "getElementBy" << -1 << 2;
        QTest::newRow("node 0 selected starts at node 0") << "document" << 0 << 0;
        QTest::newRow("nothing") << "window" << 3 << -1;
        QTest::newRow("Danish letters and underscore") << "Æble_1" << -1 << 5;
        QTest::newRow("empty word") << "" << -1 << -1;
    }
    void currentWord()
    {
        QFETCH(QString, word);
        QFETCH(int, selected);
        QFETCH(int, found);
        TStrukturTree tree;
        makeTree(tree, {"document", "\tdocument.getElementById()", "\tGETELEMENTBYID(id)", "\tgetElementsByName(n)",
                        "\tgetElementById(x)", "\tæble_1"});
        QCOMPARE(StrukturLib::findCurrentWord(tree, word, selected), found);
    }

    void caseCorrection_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("replaced");
        QTest::newRow("two words and punctuation") << "msgbox (wscript.echo) x" << "MsgBox (WScript.echo) x" << 2;
        QTest::newRow("already right") << "MsgBox" << "MsgBox" << 0;
        QTest::newRow("digits are word characters") << "str2 STR2" << "Str2 Str2" << 2;
        QTest::newRow("Danish letters split words") << "msgboxæmsgbox" << "MsgBoxæMsgBox" << 2;
        QTest::newRow("line breaks copied") << "dim\r\nmsgbox" << "Dim\r\nMsgBox" << 2;
        QTest::newRow("empty") << "" << "" << 0;
    }
    void caseCorrection()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QFETCH(int, replaced);
        TStrukturTree tree;
        makeTree(tree, {"VBS", "\tMsgBox", "\tWScript", "\t\tStr2", "\tDim"});
        int n = -1;
        QCOMPARE(StrukturLib::correctCase(text, tree, &n), expected);
        QCOMPARE(n, replaced);
    }

    void caseCorrectionInDocument_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("result");
        QTest::newRow("selection corrected") << "x = msgbox(wscript)\nend" << 4 << 15
                                             << "x = MsgBox(WScript)\r\nend" << int(OrdKorrektion::Rettet);
        QTest::newRow("nothing selected") << "msgbox" << 0 << 0 << "msgbox" << int(OrdKorrektion::IngenTekst);
        QTest::newRow("nothing to change") << "foo bar" << 0 << 7 << "foo bar" << int(OrdKorrektion::Uaendret);
        QTest::newRow("across a line break") << "msgbox\nwscript" << 0 << 14 << "MsgBox\r\nWScript"
                                             << int(OrdKorrektion::Rettet);
    }
    void caseCorrectionInDocument()
    {
        QFETCH(QString, text);
        QFETCH(int, from);
        QFETCH(int, length);
        QFETCH(QString, expected);
        QFETCH(int, result);
        const QString infodir = m_tmp.filePath("ko/Struktur");
        QDir().mkpath(infodir + "/VBS");
        writeAll(infodir + "/VBS/struktur.txt", crlf({"VBS", "\tMsgBox", "\tWScript"}));
        QTextDocument d;
        d.setPlainText(text);
        TDocText doc(&d);
        doc.setSelStart(from);
        doc.setSelLength(length);
        QCOMPARE(int(korrigerOrd(doc, infodir, "VBS")), result);
        QCOMPARE(doc.Text(), expected);
        QCOMPARE(doc.SelStart(), from);
        if (result == int(OrdKorrektion::Rettet))
            QCOMPARE(doc.SelLength(), 0);
        QVERIFY2(!QFileInfo::exists(infodir + "/VBS/data.txt"), "the correction reads the tree only");
    }

    void correctionMessage()
    {
        ui::Script script;
        ui::setScript(&script);
        QTextDocument d;
        d.setPlainText("msgbox");
        TDocText doc(&d);
        korrigerOrdKommando(nullptr, doc, m_tmp.filePath("nowhere"), "VBS");
        doc.setSelLength(6);
        korrigerOrdKommando(nullptr, doc, m_tmp.filePath("nowhere"), "VBS");
        ui::setScript(nullptr);
        QCOMPARE(script.messages, QStringList{"Der skal vælges en tekst!"});
        QCOMPARE(doc.Text(), QString("msgbox"));
    }
};

QTEST_MAIN(TestStrukturLib)
#include "tst_strukturlib.moc"
