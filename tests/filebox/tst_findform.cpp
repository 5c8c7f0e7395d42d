// "Findboksen" in a program with real document windows: searching and
// replacing in open documents, going to hits, the folder search with its
// progress, skipped files and "Stop", its settings file, and the command
// "Find i dokumenter...".
#include "core/commandregistry.h"
#include "core/docarea.h"
#include "core/text/textfile.h"
#include "core/winform.h"
#include "filebox/filbokskommandoer.h"
#include "filebox/findform.h"
#include "support/testhost.h"
#include "support/testsupport.h"
#include "ui/questions.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

using namespace taglund;
using namespace taglund::test;

class TstFindForm : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void threeDocumentsWithCrLfEveryRowSelectsItsHit();
    void replaceWithNothingDeletesEveryHit();
    void goneDocumentRowIsRemovedAndNoOtherDocumentMoves();
    void openAllPutsTheCaretInTheLastRowsDocument();
    void folderSearchReportsSkippedFilesAndKeepsSettings();
    void stopEndsTheFolderSearch();
    void buttonsFollowTheirPreconditions();
    void commandShowsTheBoxWithTheFileTypes();

private:
    QString file(const QString &name, const QByteArray &bytes);
    void search(const QString &what, bool replace = false, const QString &with = {});
    void selectRow(int i);

    std::unique_ptr<TempRoot> m_root;
    std::unique_ptr<TestHost> m_host;
    TFilboksKommandoer *m_cmd = nullptr;
    Tfindform *m_box = nullptr;
    ui::Script m_script;
};

void TstFindForm::init()
{
    m_root = std::make_unique<TempRoot>();
    m_script = {};
    ui::setScript(&m_script);
    m_host = std::make_unique<TestHost>();
    m_cmd = new TFilboksKommandoer(m_host.get(), m_host.get());
    m_host->show();
    m_box = m_cmd->findBoks();
}

void TstFindForm::cleanup()
{
    m_host.reset();
    ui::setScript(nullptr);
    m_root.reset();
}

QString TstFindForm::file(const QString &name, const QByteArray &bytes)
{
    const QString path = m_root->file("docs/" + name);
    writeAll(path, bytes);
    return path;
}

void TstFindForm::search(const QString &what, bool replace, const QString &with)
{
    m_box->soegFelt()->setEditText(what);
    m_box->erstatFelt()->setEditText(with);
    m_box->findIAabneDokumenter(replace);
}

void TstFindForm::selectRow(int i)
{
    m_box->liste()->clearSelection();
    m_box->liste()->topLevelItem(i)->setSelected(true);
}

void TstFindForm::threeDocumentsWithCrLfEveryRowSelectsItsHit()
{
    const QList<QByteArray> contents = {
        "<p>tag</p>\r\n<b>Tag og tag</b>\r\n",
        "\r\n\r\nf\xe6rdig TAG\r\nslut",
        "ingen\r\nhits\r\ntag",
    };
    for (int i = 0; i < contents.size(); ++i)
        QVERIFY(m_host->openwin(file(QString("d%1.txt").arg(i), contents[i]), ".txt"));
    Twinform *untitled = m_host->openwin(QString(), "*.html");
    untitled->text().setText("a tag\r\ntag");

    search("tag");
    const QList<TFundRaekke> rows = m_box->raekker();
    int expected = 2;  // the untitled document
    for (const QByteArray &c : contents)
        expected += int(QString::fromLatin1(c).count("tag", Qt::CaseInsensitive));
    QCOMPARE(rows.size(), expected);
    QCOMPARE(m_box->fundneLabel()->text(), QString("Fundne: %1").arg(expected));
    QCOMPARE(rows[1].tekst, QString("<b>Tag og tag</b>"));
    QCOMPARE(rows[2].tekst, rows[1].tekst);
    QCOMPARE(rows[3].tekst, QString("f\u00e6rdig TAG"));
    QCOMPARE(rows.last().dokument, untitled->CapNavn);

    for (int i = 0; i < rows.size(); ++i) {
        selectRow(i);
        m_box->visValgte();
        Twinform *w = m_host->activeWin();
        QVERIFY(w);
        QCOMPARE(w->Filnavn.isEmpty() ? w->CapNavn : w->Filnavn, rows[i].dokument);
        QCOMPARE(w->text().SelStart(), rows[i].position);
        QCOMPARE(w->text().SelText().toLower(), QString("tag"));
        QCOMPARE(w->text().Line(w->text().LineFromChar(rows[i].position)), rows[i].tekst);
    }
    QCOMPARE(m_box->raekker().size(), expected);  // going to hits removes nothing
}

void TstFindForm::replaceWithNothingDeletesEveryHit()
{
    Twinform *w = m_host->openwin(file("r.txt", "ab ab\r\nab\r\n"), ".txt");
    w->text().setSelStart(3);
    search("ab", true, QString());
    QCOMPARE(w->text().Text(), QString(" \r\n\r\n"));
    QVERIFY(w->text().Modified());
    QList<int> positions;
    for (const TFundRaekke &r : m_box->raekker())
        positions << r.position;
    QCOMPARE(positions, QList<int>({0, 1, 2}));
    QCOMPARE(w->text().SelStart(), 3);
    // Going to a hit selects what stands there now: nothing.
    QCOMPARE(m_box->FTekst, QString());
    selectRow(1);
    m_box->visValgte();
    QCOMPARE(w->text().SelStart(), 1);
    QCOMPARE(w->text().SelLength(), 0);
    QCOMPARE(m_box->soegFelt()->count(), 1);
    QCOMPARE(m_box->erstatFelt()->count(), 0);   // an empty replacement is not remembered

    // A replacement holding the text searched for ends.
    Twinform *v = m_host->openwin(file("s.txt", "a a\r\na"), ".txt");
    w->text().setModified(false);
    m_host->documents()->lukDokument(w->Filnavn);
    search("a", true, "aa");
    QCOMPARE(v->text().Text(), QString("aa aa\r\naa"));
    QCOMPARE(m_box->raekker().size(), 3);
    selectRow(2);
    m_box->visValgte();
    QCOMPARE(v->text().SelText(), QString("aa"));
}

void TstFindForm::goneDocumentRowIsRemovedAndNoOtherDocumentMoves()
{
    const QString path = file("gone.txt", "x tag");
    m_host->openwin(path, ".txt");
    Twinform *other = m_host->openwin(file("other.txt", "nothing here"), ".txt");
    search("tag");
    QCOMPARE(m_box->raekker().size(), 1);
    m_host->documents()->lukDokument(path);
    QVERIFY(QFile::rename(path, path + ".bak"));
    other->text().setSelStart(4);
    other->text().setSelLength(2);
    selectRow(0);
    m_box->visValgte();
    QCOMPARE(m_box->raekker().size(), 0);
    QCOMPARE(m_box->fundneLabel()->text(), QString("Fundne: 0"));
    QCOMPARE(m_host->activeWin(), other);
    QCOMPARE(other->text().SelStart(), 4);
    QCOMPARE(other->text().SelLength(), 2);
}

void TstFindForm::openAllPutsTheCaretInTheLastRowsDocument()
{
    const QString a = file("a.txt", "tag\r\n");
    const QString b = file("b.txt", "\r\n  tag");
    m_box->setMappe(m_root->file("docs"));
    m_box->alleTyperBoks()->setChecked(true);
    m_box->soegFelt()->setEditText("tag");
    m_box->findIMappe();
    QCOMPARE(m_box->raekker().size(), 2);
    QVERIFY(m_host->documents()->windows().isEmpty());
    m_box->aabenAlle();
    QCOMPARE(m_host->documents()->windows().size(), 2);
    Twinform *w = m_host->activeWin();
    QCOMPARE(w->Filnavn, b);
    QCOMPARE(w->text().SelStart(), 3);
    QCOMPARE(w->text().SelText(), QString("tag"));
    QVERIFY(m_host->documents()->findByPath(a));
}

void TstFindForm::folderSearchReportsSkippedFilesAndKeepsSettings()
{
    file("1.html", "<b>ord</b>");
    file("2.txt", "ord");
    file("3.html", QByteArray("ord\0", 4));
    file("4.html", "ORD og ord");
    file("under/5.html", "ord");
    writeAll(m_host->paths().optdir + "/findoptions.txt", "120\r\n40\r\n");
    m_cmd->filboksMappeSkiftet(m_root->file("docs"));
    m_box->fyldFiltyper({"Hjemmeside (*.html)", "Tekstfil (*.txt)"}, 0, 2);
    m_box->vis();
    QCOMPARE(m_box->pos(), QPoint(40, 120));
    QCOMPARE(m_box->Mappe, m_root->file("docs") + "/");
    QVERIFY(!m_box->undermapperBoks()->isChecked());

    m_box->soegFelt()->setEditText("ord");
    m_box->heleOrdBoks()->setChecked(true);
    m_box->storeSmaaBoks()->setChecked(true);
    m_box->findIMappe();
    QStringList docs;
    for (const TFundRaekke &r : m_box->raekker())
        docs << QFileInfo(r.dokument).fileName() + ":" + QString::number(r.position);
    QCOMPARE(docs, QStringList({"1.html:3", "4.html:7"}));
    QCOMPARE(m_box->sprungetLabel()->text(),
             QString("1 fil blev sprunget over (ulæselig, binær eller over 50 MB)."));

    m_box->undermapperBoks()->setChecked(true);
    m_box->findIMappe();
    QCOMPARE(m_box->raekker().size(), 3);
    QCOMPARE(m_box->raekker().last().dokument, m_root->file("docs/under/5.html"));

    // A folder that does not exist changes nothing.
    m_box->setMappe(m_root->file("nowhere"));
    m_box->findIMappe();
    QCOMPARE(m_box->raekker().size(), 3);

    m_box->move(70, 90);
    m_host->runShutdownSteps();
    QStringList lines;
    QVERIFY(TextFile::readLines(m_host->paths().optdir + "/findoptions.txt", lines));
    QCOMPARE(lines, QStringList({QString::number(m_box->pos().y()), QString::number(m_box->pos().x()), "1"}));
}

void TstFindForm::stopEndsTheFolderSearch()
{
    for (int i = 0; i < 3000; ++i)
        file(QString("many/f%1.txt").arg(i, 4, 10, QChar('0')), "tag\r\n");
    m_box->setMappe(m_root->file("docs/many"));
    m_box->alleTyperBoks()->setChecked(true);
    m_box->soegFelt()->setEditText("tag");
    QTimer::singleShot(0, m_box, [this] {
        QVERIFY(m_box->soeger());
        QVERIFY(!m_box->knap("Find i bibliotek")->isEnabled());
        m_box->stop();
    });
    m_box->findIMappe();
    QVERIFY(!m_box->soeger());
    const int found = int(m_box->raekker().size());
    QVERIFY(found > 0);
    QVERIFY(found < 3000);
    QCOMPARE(m_box->sprungetLabel()->text(), QString("Søgningen blev stoppet efter %1 af 3000 filer.").arg(found));
}

void TstFindForm::buttonsFollowTheirPreconditions()
{
    auto enabled = [this](const char *caption) { return m_box->knap(QString::fromUtf8(caption))->isEnabled(); };
    m_box->soegFelt()->setEditText("x");
    QVERIFY(!enabled("Find i åbne dokumenter"));
    QVERIFY(enabled("Find i bibliotek"));
    m_host->openwin(file("x.txt", "x x"), ".txt");
    m_box->opdaterKnapper();
    QVERIFY(enabled("Find i åbne dokumenter"));
    QVERIFY(enabled("Erstat i åbne dokumenter"));
    m_box->soegFelt()->setEditText(QString());
    QVERIFY(!enabled("Find i åbne dokumenter"));
    QVERIFY(!enabled("Find i bibliotek"));
    search("x");
    QVERIFY(enabled("Åben alle"));
    QVERIFY(enabled("Slet alt"));
    QVERIFY(!enabled("Vis valgte"));
    selectRow(0);
    QVERIFY(enabled("Vis valgte"));
    m_box->fjernValgte();
    QCOMPARE(m_box->fundneLabel()->text(), QString("Fundne: 1"));
    m_box->sletAlt();
    QCOMPARE(m_box->raekker().size(), 0);
    QCOMPARE(m_box->soegFelt()->currentText(), QString());
    QVERIFY(!enabled("Åben alle"));
}

void TstFindForm::commandShowsTheBoxWithTheFileTypes()
{
    QAction *a = m_host->commands()->action("AFindFiler");
    QVERIFY(a);
    QCOMPARE(a->text(), QString("Find i dokumenter..."));
    QCOMPARE(a->shortcut(), QKeySequence(Qt::Key_F10));
    // Never shown: the shutdown leaves no settings file.
    m_host->runShutdownSteps();
    QVERIFY(!QFile::exists(m_host->paths().optdir + "/findoptions.txt"));

    a->trigger();
    QVERIFY(m_box->isVisible());
    QCOMPARE(m_box->filtypeValg()->count(), 11);
    QCOMPARE(m_box->filtypeValg()->itemText(0), QString("Hjemmeside (*.html)"));
    QCOMPARE(m_box->filter(), QString("*.html"));
    m_box->alleTyperBoks()->setChecked(true);
    QCOMPARE(m_box->filter(), QString("*.*"));
    // The folder follows the file box once shown.
    m_cmd->filboksMappeSkiftet("/tmp");
    QCOMPARE(m_box->Mappe, QString("/tmp/"));
    m_host->runShutdownSteps();
    QVERIFY(QFile::exists(m_host->paths().optdir + "/findoptions.txt"));
}

QTEST_MAIN(TstFindForm)
#include "tst_findform.moc"
