// What a new user met in the built program: the HTML panel's two caret
// commands, values hidden from screen readers, a save question's Escape,
// settings files that lost characters, separators and RTF content changed
// on save, document-type ticks on the wrong type. Each through the real
// main window and files on disk.
#include "app/mainform.h"
#include "appstart.h"
#include "app/types/doktypeform.h"
#include "core/commandregistry.h"
#include "core/model/filetypes.h"
#include "core/text/textfile.h"
#include "html/htmlcommands.h"
#include "html/htmlpanel.h"
#include "support/testsupport.h"
#include "ui/appsetup.h"
#include "ui/questions.h"

#include <QAccessible>
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTabBar>
#include <QTableWidget>
#include <QtTest>
#include <memory>

using namespace taglund;

namespace {

void copyTree(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString f = it.next();
        const QString target = QDir(to).filePath(QDir(from).relativeFilePath(f));
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(f, target);
    }
}

struct Program {
    test::TempRoot root;
    ui::Script script;
    std::unique_ptr<Tmainform> main;
    explicit Program(bool knowledge = false)
    {
        if (knowledge)
            copyTree(test::sourceDataDir() + "/Program/Dir", root.path() + "/Program/Dir");
        ui::setScript(&script);
        main = std::make_unique<Tmainform>(QStringLiteral("/opt/taglund"), QStringList{});
        main->resize(1080, 862);
        main->show();
        test::waitForStartFiles(*main);
        QVERIFY(QTest::qWaitForWindowExposed(main.get()));
    }
    ~Program()
    {
        main.reset();
        ui::setScript(nullptr);
    }
    QString file(const QString &name) const { return root.file(name); }
    THtmlPanel *panel() const { return main->part<THtmlKommandoer>()->panel(); }
    // As the menus do: the update handlers have run before a command is chosen.
    void run(const char *command)
    {
        main->commands()->updateAll();
        main->commands()->action(QString::fromLatin1(command))->trigger();
    }
};

QString header(QTableWidget *t)
{
    return t->horizontalHeaderItem(0) ? t->horizontalHeaderItem(0)->text() : QString();
}

QString currentRowText(QTableWidget *t)
{
    return t->currentItem() ? t->currentItem()->text() : QString();
}

// The panel shows li as it should with the caret between <li> and </li>.
void verifyPanelShowsLi(THtmlPanel *p)
{
    QCOMPARE(p->panel().Koden, QString("li"));
    QVERIFY2(currentRowText(p->table(TKodePanel::Koder)).startsWith("<li"), qPrintable(currentRowText(p->table(TKodePanel::Koder))));
    QVERIFY2(header(p->table(TKodePanel::Mellem)).contains("li"), qPrintable(header(p->table(TKodePanel::Mellem))));
    QCOMPARE(p->table(TKodePanel::Attributter)->rowCount(), 0);
    QCOMPARE(p->table(TKodePanel::Vaerdier)->rowCount(), 0);
}

QAccessibleInterface *accessible(QWidget *w)
{
    return QAccessible::queryAccessibleInterface(w);
}

} // namespace

class TestNyBruger : public QObject {
    Q_OBJECT
private slots:
    // As the program starts: Danish strings, the naming filter, the icon.
    void initTestCase() { ui::setUpApplication(*qApp); }

    // Ctrl+Ins shows the element at the caret; with "Autokode" the panel
    // follows the caret moved by arrow keys.
    void visAktuelleKodeShowsTheCaretsElement()
    {
        Program p(true);
        p.run("AHtmlPanelet");
        QVERIFY(p.main->part<THtmlKommandoer>()->dock()->isVisible());
        Twinform *w = p.main->openwin(QString(), "*.html");
        w->text().setText("<ul><li>xyz</li></ul>");
        w->text().setSelStart(int(QString("<ul><li>x").size()));
        p.run("AVisAktuelleKode");
        verifyPanelShowsLi(p.panel());

        // Automatic: the caret walks into xyz from the end with the arrow keys.
        p.panel()->autokodeCheck()->click();
        QVERIFY(w->win_autoKode);
        w->text().setSelStart(int(QString("<ul><li>xyz</li></ul>").size()));
        w->editorWidget()->setFocus();
        for (int i = 0; i < 12; ++i)
            QTest::keyClick(w->editorWidget(), Qt::Key_Left);
        QCOMPARE(w->text().SelStart(), int(QString("<ul><li>xy").size()) - 1);
        verifyPanelShowsLi(p.panel());
    }

    // "Indsæt slutkode" without a current code says so where the caret
    // refresh leaves it standing.
    void noCurrentCodeMessageStays()
    {
        Program p(true);
        Twinform *w = p.main->openwin(QString(), "*.html");
        w->text().setText("bare tekst");
        w->text().setSelStart(3);
        w->editorWidget()->setFocus();
        p.main->commands()->updateAll();
        QTest::keyClick(w->editorWidget(), Qt::Key_K, Qt::ControlModifier);
        QCoreApplication::processEvents();
        w->XYinfo();
        QCOMPARE(p.main->statusText(3), QString("Der er ingen aktuel kode"));
    }

    // Every control of every window the program shows: buttons known by
    // caption or hint, labels by what they show now, combo boxes and fields
    // by their hint with their text as value.
    void everyWindowFollowsTheNamingRule()
    {
        Program p(true);
        p.run("AHtmlPanelet");
        for (const char *kind : {"*.html", "*.rtf", "*.js", "*.css", "*.vbs", "*.bat", "*.txt"})
            p.main->openwin(QString(), QString::fromLatin1(kind));
        p.main->documents()->Gem(p.main->activeWin());   // a status message
        for (const char *box : {"ACssBoksen", "ACssGruppeboks", "AStrukturkonstruktoeren", "AScriptboksen",
                                "ASkemaboks", "AListeboks", "AFind", "AErstat"})
            if (QAction *a = p.main->commands()->action(QString::fromLatin1(box)); a && a->isEnabled())
                a->trigger();
        QCoreApplication::processEvents();

        QStringList faults;
        for (QWidget *w : QApplication::allWidgets()) {
            if (!w->isVisible() || w->objectName().startsWith("qt_"))
                continue;
            QAccessibleInterface *a = accessible(w);
            if (!a)
                continue;
            const QString name = a->text(QAccessible::Name);
            const QString where = QString::fromLatin1(w->metaObject()->className()) + " in "
                                  + w->window()->windowTitle();
            if (auto *l = qobject_cast<QLabel *>(w)) {
                if (!l->text().isEmpty() && l->textFormat() != Qt::RichText && !Qt::mightBeRichText(l->text())
                    && name != QString(l->text()).remove(u'&'))
                    faults << where + ": label \"" + l->text() + "\" is named \"" + name + "\"";
            } else if (auto *c = qobject_cast<QComboBox *>(w)) {
                if (name.isEmpty() || (name == c->currentText() && name != c->toolTip()))
                    faults << where + ": combo box named by its value \"" + name + "\"";
                if (a->text(QAccessible::Value) != c->currentText())
                    faults << where + ": combo box \"" + name + "\" does not publish its text";
            } else if (auto *e = qobject_cast<QLineEdit *>(w)) {
                if (a->text(QAccessible::Value) != e->text() && e->echoMode() == QLineEdit::Normal)
                    faults << where + ": field \"" + name + "\" does not publish its text";
                if (auto *c = qobject_cast<QComboBox *>(e->parentWidget()); c && name == e->text() && !e->text().isEmpty())
                    faults << where + ": field of \"" + c->toolTip() + "\" named by its value";
            } else if (auto *b = qobject_cast<QAbstractButton *>(w)) {
                if (name.trimmed().isEmpty() && !qobject_cast<QTabBar *>(b->parentWidget()))
                    faults << where + ": nameless " + QString::fromLatin1(b->metaObject()->className());
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n")));
    }

    // At 1080 by 862 with the HTML panel docked every named control of an
    // RTF document's bars is on screen whole, and the panel's lists are wide
    // enough for their snippets.
    void richBarsFitBesideTheHtmlPanel()
    {
        Program p(true);
        p.run("AHtmlPanelet");
        Twinform *w = p.main->openwin(QString(), "*.rtf");
        QVERIFY(w && w->isRich());
        QCoreApplication::processEvents();
        QStringList hidden;
        const QRect area = w->rect();
        for (QWidget *c : w->findChildren<QWidget *>()) {
            auto *b = qobject_cast<QAbstractButton *>(c);
            if (!b || b->accessibleName().isEmpty() || b->objectName().startsWith("qt_"))
                continue;
            // A bar the settings hide (the FTP bar) is not clipped.
            bool barHidden = false;
            for (QWidget *a = b->parentWidget(); a && a != w; a = a->parentWidget())
                barHidden = barHidden || a->isHidden();
            if (barHidden)
                continue;
            const QRect r(b->mapTo(w, QPoint(0, 0)), b->size());
            if (!b->isVisible() || !area.contains(r))
                hidden << b->accessibleName();
        }
        QVERIFY2(hidden.isEmpty(), qPrintable(hidden.join(", ")));
        for (const char *name : {"Vælg farve", "Vælg font", "Fed", "Venstrestil"}) {
            bool found = false;
            for (QAbstractButton *b : w->findChildren<QAbstractButton *>())
                found = found || (b->accessibleName() == QString::fromUtf8(name) && b->isVisible());
            QVERIFY2(found, name);
        }
        THtmlPanel *panel = p.panel();
        QVERIFY2(panel->table(TKodePanel::Koder)->width() >= 180,
                 qPrintable(QString("list %1, panel %2, attributes %3")
                                .arg(panel->table(TKodePanel::Koder)->width())
                                .arg(panel->width())
                                .arg(panel->table(TKodePanel::Attributter)->width())));
        QVERIFY(panel->table(TKodePanel::Koder)->width() > panel->table(TKodePanel::Attributter)->width());
    }

    // Escape on the save question of "Luk dokument": the other document
    // stays maximised and the tab strip marks the window the caption names.
    void escapeOnSaveQuestionKeepsTheArrangement()
    {
        Program p;
        Twinform *first = p.main->openwin(QString(), "*.txt");
        Twinform *second = p.main->openwin(QString(), "*.txt");
        second->text().setText("ændret");
        p.script.answers = {ui::Answer::Ingen};
        p.run("ALukDokument");
        QCOMPARE(int(p.main->documents()->windows().size()), 2);
        QMdiArea *mdi = p.main->documents()->mdiArea();
        QCOMPARE(mdi->activeSubWindow()->widget(), first);
        QVERIFY(mdi->activeSubWindow()->isMaximized());
        QTabBar *tabs = p.main->documents()->tabStrip();
        QCOMPARE(tabs->tabData(tabs->currentIndex()).toString(), first->CapNavn);
    }

    // The document and reopen lists hold paths Windows-1252 cannot: they
    // come back whole, and reopening opens the file itself.
    void listFilesKeepEveryCharacter()
    {
        const QString name = QString::fromUtf8("Łódź.html");
        QString path;
        {
            Program p;
            path = p.file(name);
            test::writeAll(path, "<p>x</p>");
            p.main->options().openDokumenter = true;
            QVERIFY(p.main->openwin(path));
            QVERIFY(p.main->lukProgram());
            const QByteArray list = test::readAll(p.main->paths().dokumentfil);
            QVERIFY(list.startsWith("\xEF\xBB\xBF"));
            QStringList lines;
            QVERIFY(TextFile::readLines(p.main->paths().dokumentfil, lines));
            QCOMPARE(lines, QStringList{path});

            // A list of plain names stays Windows-1252 without a mark.
            QVERIFY(TextFile::writeLines(p.file("plain.txt"), {QString::fromUtf8("æøå")}));
            QCOMPARE(test::readAll(p.file("plain.txt")), QByteArray("\xE6\xF8\xE5\r\n"));

            // At the next start the document opens under its own name and no
            // stray file appears.
            p.main.reset();
            p.main = std::make_unique<Tmainform>(QStringLiteral("/opt/taglund"), QStringList{});
            p.main->show();
            test::waitForStartFiles(*p.main);
            QVERIFY(QTest::qWaitForWindowExposed(p.main.get()));
            QCOMPARE(int(p.main->documents()->windows().size()), 1);
            QCOMPARE(p.main->documents()->windows().first()->Filnavn, path);
            QCOMPARE(QDir(p.root.path()).entryList({"*.html"}), QStringList{name});
        }
    }

    // Line and paragraph separators in a file are saved as they were read,
    // and so are pasted ones.
    void separatorsSurviveASave()
    {
        Program p;
        const QString path = p.file("sep.txt");
        const QByteArray bytes = "a\xE2\x80\xA8" "b\xE2\x80\xA9" "c\r\nd";
        test::writeAll(path, bytes);
        Twinform *w = p.main->openwin(path);
        QCOMPARE(w->text().LineCount(), 2);
        w->text().setModified(true);
        QVERIFY(p.main->documents()->Gem(w));
        QCOMPARE(test::readAll(path), bytes);

        // Pasted into a new document.
        Twinform *n = p.main->openwin(QString(), "*.txt");
        QApplication::clipboard()->setText(QString::fromUtf8("x\u2028y"));
        n->plainEditor()->paste();
        QVERIFY(p.main->documents()->GemSom(p.file("paste.txt"), n));
        // A new document Windows-1252 cannot hold is written as UTF-8 with a mark.
        QCOMPARE(test::readAll(p.file("paste.txt")), QByteArray("\xEF\xBB\xBFx\xE2\x80\xA8y"));
    }

    // Ticks saved while the list of types was different find their types.
    void documentTypeTicksFollowTheirType()
    {
        test::TempRoot root;
        const QString file = root.file("filtyper.txt");
        TFiltyperSettings saved;
        saved.bredde = 420;
        saved.hoejde = 380;
        saved.afkrydset = {false, true};
        saved.typer = {"Hjemmeside (*.html)", "Stylesheet (*.css)"};
        QVERIFY(saved.gem(file));
        // Since then a type was put in front.
        const QList<TFiltype> rows = {{"JavaScript", "*.js", true}, {"Hjemmeside", "*.html", true},
                                      {"Stylesheet", "*.css", true}};
        QCOMPARE(TFiltyperSettings::hent(file).ticksFor(rows), (QList<bool>{false, false, true}));
        // A file from before, without the types, is read by row.
        test::writeAll(file, "420\r\n380\r\n0\r\n1\r\n");
        QCOMPARE(TFiltyperSettings::hent(file).ticksFor(rows), (QList<bool>{false, true, false}));
    }

    // An RTF with a picture and a table: the first save says what is lost
    // and "Nej" writes nothing.
    void rtfSaveWarnsOfLostContent()
    {
        Program p;
        const QString path = p.file("billede.rtf");
        const QByteArray rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Tekst\\par"
                               "{\\pict\\pngblip\\picw10\\pich10 89504e47}\\par"
                               "\\trowd\\cellx1000 A\\cell\\row}";
        test::writeAll(path, rtf);
        Twinform *w = p.main->openwin(path);
        QVERIFY(w && w->isRich());
        w->text().setModified(true);
        p.script.answers = {ui::Answer::Nej};
        QVERIFY(!p.main->documents()->Gem(w));
        QCOMPARE(test::readAll(path), rtf);
        QCOMPARE(p.script.asked.size(), 1);
        QVERIFY(p.script.asked[0].contains("billeder og tabeller"));
        QVERIFY(w->text().Modified());
        p.script.answers = {ui::Answer::Ja};
        QVERIFY(p.main->documents()->Gem(w));
        QVERIFY(p.main->documents()->Gem(w));
        QCOMPARE(p.script.asked.size(), 2);   // asked once more, then not again
    }
};

QTEST_MAIN(TestNyBruger)
#include "tst_nybruger.moc"
