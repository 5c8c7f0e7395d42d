// Scriptboksen through real document windows: typing help, closing lines,
// the member popup, the passes, and what happens when the document goes.
#include "core/commandregistry.h"
#include "core/docarea.h"
#include "core/text/textfile.h"
#include "script/scriptkommandoer.h"
#include "script/vbsform.h"
#include "support/testhost.h"
#include "support/testsupport.h"
#include "ui/questions.h"

#include <QAction>
#include <QDir>
#include <QListWidget>
#include <QtTest>

using namespace taglund;
using namespace taglund::test;

class TestVbsBox : public QObject {
    Q_OBJECT
    std::unique_ptr<TempRoot> m_root;
    std::unique_ptr<TestHost> m_host;
    std::unique_ptr<TScriptKommandoer> m_cmd;
    ui::Script m_ui;

    Twinform *openScript(const QString &name, const QString &text = QString())
    {
        const QString path = m_root->file(name);
        TextFile::writeLines(path, text.isEmpty() ? QStringList() : text.split(u'\n'));
        Twinform *w = m_host->openwin(path);
        QCoreApplication::processEvents();
        return w;
    }
    QStringList members() const
    {
        QStringList out;
        QListWidget *l = m_cmd->box()->memberList();
        for (int i = 0; i < l->count(); ++i)
            out << l->item(i)->text();
        return out;
    }
    QStringList infoTexts() const
    {
        QStringList out;
        for (const TInfoRow &r : m_cmd->box()->analyser().infoBox())
            out << r.text;
        return out;
    }
    void type(Twinform *w, const QString &text) { QTest::keyClicks(w->editorWidget(), text); }
    void enter(Twinform *w) { QTest::keyClick(w->editorWidget(), Qt::Key_Return); }

private slots:
    void init()
    {
        m_root = std::make_unique<TempRoot>();
        ui::setScript(&m_ui);
        m_ui = ui::Script();
        m_host = std::make_unique<TestHost>();
        const QString from = joinPath(sourceDataDir(), "Program", "Script");
        QDir().mkpath(m_host->paths().strukturdir);
        for (const char *f : {"scriptStruktur.txt", "scriptData.txt", "ValuesStruktur.txt", "ValuesData.txt"})
            QFile::copy(joinPath(from, f), joinPath(m_host->paths().strukturdir, f));
        m_host->options().AlwaysDS = true;
        m_cmd = std::make_unique<TScriptKommandoer>(m_host.get());
        m_host->show();
    }
    void cleanup()
    {
        m_cmd.reset();
        m_host.reset();
        ui::setScript(nullptr);
        m_root.reset();
    }

    void scenarioThroughTheWindows()
    {
        Twinform *w = openScript("admin.vbs");
        QVERIFY(w);
        QVERIFY(w->doScript);
        QVERIFY(m_cmd->box()->isVisible());
        QCOMPARE(m_cmd->box()->boundDocument(), w);

        type(w, "Set fso = CreateObject(\"Scripting.FileSystemObject\")");
        enter(w);
        QVERIFY(m_cmd->box()->analyser().ObjektDis().contains(TRegRow{"fso", "filesystemobject"}));
        type(w, "fso.");
        QCOMPARE(m_cmd->box()->objektType(), QString("filesystemobject"));
        QVERIFY2(members().contains("GetFolder"), qPrintable(members().join(", ")));

        m_cmd->box()->analyser().clearLists();
        m_host->commands()->action("AVbsAlt")->trigger();
        QVERIFY(m_cmd->box()->analyser().ObjektDis().contains(TRegRow{"fso", "filesystemobject"}));
        QVERIFY(m_ui.messages.isEmpty());
    }

    void closingLines_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");  // the document after Enter, caret marked "|"
        QTest::newRow("if") << "If x = 1 Then" << "If x = 1 Then\n|\nEnd If\n";
        QTest::newRow("three-word if") << "If x Then" << "If x Then\n|";
        QTest::newRow("word cleared by a space") << "If x = 1 Then " << "If x = 1 Then \n|";
        QTest::newRow("for") << "For i = 1 To 5" << "For i = 1 To 5\n|\nNext\n";
        QTest::newRow("five words, not for") << "x = a + b" << "x = a + b\n|";
        QTest::newRow("do while") << "Do While x < 3" << "Do While x < 3\n|\nLoop\n";
        QTest::newRow("sub") << "Sub Vis(a)" << "Sub Vis(a)\n|\nEnd Sub\n";
    }
    void closingLines()
    {
        QFETCH(QString, typed);
        QFETCH(QString, text);
        Twinform *w = openScript("blok.vbs");
        type(w, typed);
        enter(w);
        const MarkedText expected = parseMarked(text);
        QCOMPARE(w->text().Text().replace("\r\n", "\n"), expected.plain);
        QCOMPARE(w->text().SelStart(), expected.caret);
    }

    void dotInsideQuotesDoesNothing()
    {
        Twinform *w = openScript("tekst.vbs");
        type(w, "Set fso = CreateObject(\"Scripting.FileSystemObject\")");
        enter(w);
        type(w, "x = \"fso.");
        QVERIFY(members().isEmpty());
        QVERIFY(m_cmd->box()->objektType().isEmpty());
        type(w, "\" & ukendt.");
        QCOMPARE(infoTexts(), QStringList{"Ukendt objekt: ukendt"});
    }

    void backspaceFollowsTheWord()
    {
        Twinform *w = openScript("ord.vbs");
        type(w, "abc");
        QCOMPARE(m_cmd->box()->ordSkrevet().ord(), QString("abc"));
        QTest::keyClick(w->editorWidget(), Qt::Key_Backspace);
        QCOMPARE(m_cmd->box()->ordSkrevet().ord(), QString("ab"));
        QTest::keyClick(w->editorWidget(), Qt::Key_Backspace);
        QTest::keyClick(w->editorWidget(), Qt::Key_Backspace);
        QTest::keyClick(w->editorWidget(), Qt::Key_Backspace);  // nothing left to drop
        QCOMPARE(m_cmd->box()->ordSkrevet().ord(), QString());
    }

    // A line the editor wraps is still one line of the script.
    void wrappedLinesAreOneLine()
    {
        Twinform *w = openScript("lang.vbs", "s = \"" + QString(600, u'x') + "\"\nn = 5");
        w->setSplitLines(true);
        QVERIFY(w->text().LineCount() > 2);
        m_host->commands()->action("AVbsAlt")->trigger();
        QVERIFY2(infoTexts().contains("Linje: 2"), qPrintable(infoTexts().join(" / ")));
        QCOMPARE(m_cmd->box()->analyser().VariabelDis().size(), 2);
    }

    void closingTheDocumentUnbinds()
    {
        Twinform *w = openScript("luk.vbs", "Set d = CreateObject(\"Scripting.Dictionary\")");
        m_host->commands()->action("AVbsAlt")->trigger();
        QVERIFY(m_cmd->box()->analyser().ObjektDis().size() > 2);
        m_host->documents()->LukAlle();
        QCoreApplication::processEvents();
        QVERIFY(!m_cmd->box()->boundDocument());
        QVERIFY(m_cmd->box()->analyser().ObjektDis().isEmpty());
        QVERIFY(m_cmd->box()->analyser().infoBox().isEmpty());
        Q_UNUSED(w);
    }

    void settingsFileRoundTrip()
    {
        TvbsForm *box = m_cmd->box();
        box->setStorFont(false);
        box->resize(700, 520);
        m_host->runShutdownSteps();
        QStringList lines;
        QVERIFY(TextFile::readLines(joinPath(m_host->paths().optdir, "vbsUnit.txt"), lines));
        QCOMPARE(lines.size(), 9);
        QCOMPARE(lines.at(6), QString("700"));
        QCOMPARE(lines.at(8), QString("0"));
        // A damaged file keeps what was read before the damage.
        TextFile::writeLines(joinPath(m_host->paths().optdir, "vbsUnit.txt"), {"10", "20", "x"});
        const TVbsSettings s = TVbsSettings::read(m_host->paths().optdir);
        QCOMPARE(s.top, 10);
        QCOMPARE(s.left, 20);
        QCOMPARE(s.leftWidth, TVbsSettings().leftWidth);
    }

    void missingStructureIsTold()
    {
        QFile::remove(joinPath(m_host->paths().strukturdir, "ValuesData.txt"));
        m_cmd->box()->Opdater();
        QVERIFY(m_ui.messages.contains("Der mangler en strukturfil."));
        QCOMPARE(m_cmd->box()->valuesStruktur().Count(), 0);
        QCOMPARE(m_cmd->box()->analyser().functionType("len"), QString());
    }
};

QTEST_MAIN(TestVbsBox)
#include "tst_vbsbox.moc"
