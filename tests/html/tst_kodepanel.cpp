#include "htmltestutil.h"

#include "html/kodepanel.h"

using namespace taglund;
using namespace taglund::test;

namespace {

struct FakeHost : THtmlPanelHost {
    QStringList calls;
    bool open = true;
    QString ext = QStringLiteral(".html");
    void HelpInfo(const QString &s, const QString &e) override { calls << QStringLiteral("help %1|%2").arg(s, e); }
    void showMessage(const QString &t) override { calls << QStringLiteral("message ") + t; }
    void setStatusText(const QString &t) override { calls << QStringLiteral("status ") + t; }
    void setFindText(const QString &t) override { calls << QStringLiteral("find ") + t; }
    bool documentOpen() const override { return open; }
    QString activeDocExt() const override { return ext; }
    void setDocAutoKode(bool on) override { calls << QStringLiteral("docauto %1").arg(on); }
    void focusDocument() override { calls << QStringLiteral("focus"); }
};

// An engine on the test knowledge, a document with "|" as the caret, a panel.
struct Setup {
    Tinfotag engine;
    FakeHost host;
    TestDoc doc;
    TKodePanel panel{engine, host};
    explicit Setup(QString text = {})
    {
        QVERIFY(loadTestKnowledge(engine));
        const qsizetype bar = text.indexOf(u'|');
        // A caret offset counts a CR LF line break as one position.
        const int caret = bar < 0 ? 0 : int(toEditorBreaks(text.left(bar)).size());
        text.remove(u'|');
        doc.text->setText(text);
        doc.text->setSelStart(caret);
        engine.setEditor(doc.text.get());
        panel.start();
    }
};

} // namespace

class TestKodePanel : public QObject {
    Q_OBJECT
private slots:
    void startShowsElementA()
    {
        Setup s;
        QCOMPARE(s.panel.Koden, QStringLiteral("a"));
        QCOMPARE(s.panel.kodeliste.caption, QStringLiteral("Alle koder"));
        QCOMPARE(s.panel.kodeliste.rows.size(), 7);
        QCOMPARE(s.panel.kodeliste.rows.at(1), QString());  // the empty line is an empty row
        QCOMPARE(s.panel.attributliste.caption, QStringLiteral("<a"));
        QCOMPARE(s.panel.attributliste.rows, (QStringList{"href", "target", "download"}));
        QCOMPARE(s.panel.betweenliste.caption, QStringLiteral("<a>"));  // set although a.txt is missing
        QVERIFY(s.panel.betweenliste.rows.isEmpty());
        QCOMPARE(s.panel.valueliste.rows, QStringList{"fil.zip"});
        QCOMPARE(s.panel.valueliste.caption, QStringLiteral("<a download=\""));
        QCOMPARE(s.panel.Attributten, QStringLiteral("download"));
    }

    void typeAhead_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<QString>("element");  // whose between list is shown
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<QString>("buffer");
        QTest::newRow("elements d i x") << int(TKodePanel::Koder) << "a" << "dix" << QList<int>{3, 3, -1} << "<";
        QTest::newRow("elements d l") << int(TKodePanel::Koder) << "a" << "dl" << QList<int>{3, 4} << "<dl";
        QTest::newRow("between l") << int(TKodePanel::Mellem) << "ul" << "l" << QList<int>{0} << "l";
        QTest::newRow("between d d") << int(TKodePanel::Mellem) << "dl" << "dd" << QList<int>{0, 1} << "dd";
        QTest::newRow("attributes t a") << int(TKodePanel::Attributter) << "a" << "ta" << QList<int>{1, 1} << "ta";
        QTest::newRow("other key resets") << int(TKodePanel::Attributter) << "a" << "t1" << QList<int>{1, -1} << "";
        QTest::newRow("capital resets") << int(TKodePanel::Koder) << "a" << "dD" << QList<int>{3, -1} << "<";
        QTest::newRow("values f") << int(TKodePanel::Vaerdier) << "a" << "f" << QList<int>{0} << "f";
    }
    void typeAhead()
    {
        QFETCH(int, which);
        QFETCH(QString, element);
        QFETCH(QString, keys);
        QFETCH(QList<int>, rows);
        QFETCH(QString, buffer);
        Setup s;
        s.panel.LoadBetweenliste(element);
        const auto list = TKodePanel::Liste(which);
        s.panel.focusList(list);
        for (int i = 0; i < keys.size(); ++i)
            QCOMPARE(s.panel.keyPress(list, keys[i]), rows[i]);
        QCOMPARE(s.panel.kodeBuffer, buffer);
    }

    void clickSetsElement_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("koden");
        QTest::addColumn<QString>("attributeCaption");
        QTest::newRow("void element") << 2 << "br" << "<a";  // no br.txt: caption stays
        QTest::newRow("element with list") << 3 << "div" << "<div";
        QTest::newRow("empty row") << 1 << "" << "<a";
    }
    void clickSetsElement()
    {
        QFETCH(int, row);
        QFETCH(QString, koden);
        QFETCH(QString, attributeCaption);
        Setup s;
        s.panel.click(TKodePanel::Koder, row);
        QCOMPARE(s.panel.Koden, koden);
        QCOMPARE(s.panel.attributliste.caption, attributeCaption);
        QCOMPARE(s.panel.betweenliste.caption, u'<' + koden + u'>');
    }

    void elementValuesBeatGeneralOnes_data()
    {
        QTest::addColumn<QString>("element");
        QTest::addColumn<QString>("first");
        QTest::newRow("input has its own") << "input" << "TEKSTFELTER";
        QTest::newRow("button uses the general") << "button" << "submit";
    }
    void elementValuesBeatGeneralOnes()
    {
        QFETCH(QString, element);
        QFETCH(QString, first);
        Setup s;
        s.panel.Koden = element;
        s.panel.attributliste.rows = {QStringLiteral("type")};
        s.panel.click(TKodePanel::Attributter, 0);
        QCOMPARE(s.panel.Attributten, QStringLiteral("type"));
        QCOMPARE(s.panel.valueliste.rows.value(0), first);
        QCOMPARE(s.panel.valueliste.caption, QStringLiteral("<%1 type=\"").arg(element));
    }

    void valueHeadingsAreNotWritten()
    {
        Setup s(QStringLiteral("<input type=|>"));
        s.panel.LoadValueliste(QStringLiteral("input"), QStringLiteral("type"));
        s.panel.write(TKodePanel::Vaerdier, 0);  // TEKSTFELTER
        QCOMPARE(s.host.calls, QStringList{"focus"});
        s.panel.valueliste.rows = {QStringLiteral("CSS")};
        s.panel.write(TKodePanel::Vaerdier, 0);
        QCOMPARE(s.host.calls, QStringList{"focus"});  // nothing at all for CSS
        QCOMPARE(s.doc.text->Text(), QStringLiteral("<input type=>"));
        s.panel.LoadValueliste(QStringLiteral("input"), QStringLiteral("type"));
        s.panel.write(TKodePanel::Vaerdier, 1);
        QCOMPARE(s.doc.text->Text(), QStringLiteral("<input type=\"text\">"));
    }

    void autoCodeInsideValue()
    {
        Setup s(QStringLiteral("<p>\r\n<img src=\"|\">"));
        s.engine.autoKode = true;
        s.panel.getKode();
        QCOMPARE(s.panel.Koden, QStringLiteral("img"));
        QCOMPARE(s.panel.kodeliste.caption, QStringLiteral("img"));
        QCOMPARE(s.panel.attributliste.rows, (QStringList{"src", "alt", "width"}));
        QCOMPARE(s.panel.valueliste.rows, QStringList{"foto.jpg"});
        QCOMPARE(s.panel.valueliste.caption, QStringLiteral("<img src=\""));
        QVERIFY(s.panel.betweenliste.rows.isEmpty());
    }

    void autoCodeBetweenTags()
    {
        Setup s(QStringLiteral("<ul>\r\n|\r\n</ul>"));
        s.engine.autoKode = true;
        s.panel.getKode();
        QCOMPARE(s.panel.betweenliste.rows, QStringList{"<li></li>"});
        QCOMPARE(s.panel.betweenliste.caption, QStringLiteral("<ul>"));
        QVERIFY(s.panel.attributliste.rows.isEmpty());
        QVERIFY(s.panel.valueliste.rows.isEmpty());
        QCOMPARE(s.panel.kodeliste.current, -1);  // no "<ul" row in the category list
    }

    void autoCodeOffDoesNothing()
    {
        Setup s(QStringLiteral("<ul>|</ul>"));
        s.panel.getKode();
        QCOMPARE(s.panel.Koden, QStringLiteral("a"));
    }

    void valueFollowsTheAttributeAtTheCaret()
    {
        // A click chose href; the caret then moved into a type value.
        Setup s(QStringLiteral("<input type=\"|\">"));
        s.panel.Koden = QStringLiteral("a");
        s.panel.click(TKodePanel::Attributter, 0);
        QCOMPARE(s.panel.Attributten, QStringLiteral("href"));
        s.engine.autoKode = true;
        s.panel.getKode();
        QCOMPARE(s.panel.Attributten, QStringLiteral("type"));
        s.doc.text->setSelStart(12);  // back onto the "=": the whole attribute is not needed
        s.doc.text->setSelStart(13);
        s.panel.write(TKodePanel::Vaerdier, 1);
        QCOMPARE(s.doc.text->Text(), QStringLiteral("<input type=\"text\">"));
        // Away from the "=", the attribute written is the one whose values are shown.
        s.doc.text->setText(QStringLiteral("<input >"));
        s.doc.text->setSelStart(7);
        s.panel.write(TKodePanel::Vaerdier, 2);
        QCOMPARE(s.doc.text->Text(), QStringLiteral("<input type=\"checkbox\">"));
    }

    void autoCodeBox_data()
    {
        QTest::addColumn<bool>("open");
        QTest::addColumn<QString>("ext");
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("no document") << false << "" << false << QStringList{"message Der er ingen åbne dokumenter."};
        QTest::newRow("css document") << true << ".css" << false
                                      << QStringList{"message Dokumentet er ikke et html dokument."};
        QTest::newRow("html in capitals") << true << ".HTML" << true << QStringList{"docauto 1"};
        QTest::newRow("asp") << true << ".asp" << true << QStringList{"docauto 1"};
        QTest::newRow("inc") << true << ".inc" << true << QStringList{"docauto 1"};
        QTest::newRow("htm is not") << true << ".htm" << false
                                    << QStringList{"message Dokumentet er ikke et html dokument."};
    }
    void autoCodeBox()
    {
        QFETCH(bool, open);
        QFETCH(QString, ext);
        QFETCH(bool, ticked);
        QFETCH(QStringList, calls);
        Setup s;
        s.host.open = open;
        s.host.ext = ext;
        QCOMPARE(s.panel.autokodeClicked(true), ticked);
        QCOMPARE(s.engine.autoKode, ticked);
        QCOMPARE(s.host.calls, calls);
        s.host.calls.clear();
        QVERIFY(!s.panel.autokodeClicked(false));
        QVERIFY(!s.engine.autoKode);
    }

    void insertEndTag_data()
    {
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("missing end tag") << "<p>|" << "<p></p>" << QStringList{};
        QTest::newRow("no tag") << "|" << "" << QStringList{"status Der er ingen aktuel kode"};
        QTest::newRow("not a document tag") << "tekst|" << "tekst" << QStringList{"status Der er ingen aktuel kode"};
        QTest::newRow("element without end tag") << "<xyz>a|" << "<xyz>a"
                                                 << QStringList{"message Koden blev ikke fundet"};
        QTest::newRow("inside a start tag") << "<p |>" << "<p >" << QStringList{};
    }
    void insertEndTag()
    {
        QFETCH(QString, document);
        QFETCH(QString, result);
        QFETCH(QStringList, calls);
        Setup s(document);
        const int caret = s.doc.text->SelStart();
        s.panel.InsertSlutkode();
        QCOMPARE(s.doc.text->Text(), result);
        QCOMPARE(s.doc.text->SelStart(), caret);
        QCOMPARE(s.host.calls, calls);
    }

    void information_data()
    {
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("call");
        QTest::newRow("between") << "<p>te|kst" << "html" << "help Html5|p";
        QTest::newRow("in a start tag") << "<a |href=\"x\">" << "html" << "help Html5|a";
        QTest::newRow("in a value") << "<a HREF=\"x|\">" << "html" << "help Html5|href";
        QTest::newRow("in a style value") << "<p style=\"col|or: red\">" << "html" << "help CSS|color";
        QTest::newRow("style, no word") << "<p style=\"color: red; |\">" << "html" << "help Html5|Globale Attributter";
        QTest::newRow("javascript") << "<p>row_count|2" << "js" << "help JavaScript|row_count2";
        QTest::newRow("css") << "<p>border-top|-width" << "css" << "help CSS|border-top-width";
        QTest::newRow("asp") << "<p>row_count|2" << "asp" << "help ASP|count2";
        QTest::newRow("vbscript") << "<p>WScript|.Echo" << "vb" << "help VBS|WScript";
    }
    void information()
    {
        QFETCH(QString, document);
        QFETCH(QString, command);
        QFETCH(QString, call);
        Setup s(document);
        if (command == u"html")
            s.panel.HtmlInfo();
        else if (command == u"js")
            s.panel.JsInfo();
        else if (command == u"css")
            s.panel.CssInfo();
        else if (command == u"asp")
            s.panel.AspInfo();
        else
            s.panel.VbInfo();
        QCOMPARE(s.host.calls, QStringList{call});
    }

    void showCurrentCode()
    {
        Setup s(QStringLiteral("<ul>|"));
        s.panel.FindHtml();
        QCOMPARE(s.panel.Koden, QStringLiteral("ul"));
        QCOMPARE(s.panel.betweenliste.rows, QStringList{"<li></li>"});
        s.doc.text->setText(QStringLiteral("x"));
        s.panel.FindHtml();
        QCOMPARE(s.host.calls, QStringList{"message Der er ikke nogen aktuel html-kode."});
        s.host.calls.clear();
        s.host.ext = QStringLiteral(".css");
        s.panel.FindHtml();
        QVERIFY(s.host.calls.isEmpty());
        s.panel.FindHtmlFromDocument(false);
        QCOMPARE(s.host.calls.value(0), QStringLiteral("message Html-panelet skal være aktiveret, før funktionen "
                                                        "virker!\rProgramelementer/Html elementer/Html panelet"));
    }

    void searchBoxWritesFoundElement()
    {
        Setup s(QStringLiteral("<p>|</p>"));
        s.panel.SoegKode(QStringLiteral("li"));
        QVERIFY(!s.panel.kodenFundet);  // auto-code is off
        s.engine.autoKode = true;
        s.panel.SoegKode(QStringLiteral("LI"));
        QVERIFY(s.panel.kodenFundet);
        QCOMPARE(s.panel.kodeliste.current, 5);
        QCOMPARE(s.panel.Koden, QStringLiteral("li"));
        QVERIFY(s.panel.canWriteFound(QStringLiteral("LI")));
        QVERIFY(!s.panel.canWriteFound(QString()));
        s.panel.writeFound();
        QCOMPARE(s.doc.text->Text(), QStringLiteral("<p><li></li></p>"));
        QCOMPARE(s.doc.text->SelStart(), 7);
        QVERIFY(!s.panel.kodenFundet);
        QVERIFY(s.host.calls.contains(QStringLiteral("focus")));
        s.panel.SoegKode(QStringLiteral("d"));  // no snippet <d>: the first row beginning with <d
        QVERIFY(!s.panel.kodenFundet);
        QCOMPARE(s.panel.kodeliste.current, 3);
    }

    void popupsAndGlobals()
    {
        Setup s;
        s.panel.click(TKodePanel::Koder, 3);
        s.panel.showInformation(TKodePanel::Koder);
        s.panel.sendToFindField(TKodePanel::Koder, 3);
        s.panel.click(TKodePanel::Attributter, 1);
        s.panel.showInformation(TKodePanel::Attributter);
        s.panel.sendToFindField(TKodePanel::Attributter, 1);
        QCOMPARE(s.host.calls, (QStringList{"help Html5|div", "find Html <div></div>", "help Html5|class",
                                            "find Html attribut class"}));
        s.panel.LoadGloballiste(3);
        QCOMPARE(s.panel.attributliste.caption, QStringLiteral("Form events"));
        QCOMPARE(s.panel.attributliste.rows, (QStringList{"onsubmit", "onchange"}));
        s.panel.LoadGloballiste(9);
        QVERIFY(s.panel.attributliste.rows.isEmpty());
        s.panel.LoadKodeliste(14);
        QVERIFY(s.panel.kodeliste.rows.isEmpty());
        QCOMPARE(s.panel.kodeliste.caption, QStringLiteral("Alle koder"));
    }

    void writingWithoutDocument()
    {
        Setup s;
        s.engine.setEditor(nullptr);
        s.panel.write(TKodePanel::Koder, 0);
        s.panel.enter(TKodePanel::Attributter, 0);
        QCOMPARE(s.panel.Attributten, QStringLiteral("href"));
        QCOMPARE(s.panel.kodeBuffer, QString());
    }
};

QTEST_MAIN(TestKodePanel)
#include "tst_kodepanel.moc"
