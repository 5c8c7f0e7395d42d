// "Filboksen" in a program with real document windows: opening by
// double-click, the box as the save-as panel of an untitled document,
// copying into a sub-folder, keys that act only inside the box, and the
// settings file. The host forwards the main window's file box calls to the
// command object exactly as the main window does.
#include "core/docarea.h"
#include "core/text/textfile.h"
#include "core/winform.h"
#include "filboks_test.h"
#include "filebox/filbokskommandoer.h"
#include "filebox/openfilform.h"
#include "support/testhost.h"
#include "support/testsupport.h"

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>

using namespace taglund;
using namespace taglund::test;

namespace {

class FilboksHost : public TestHost {
public:
    TFilboksKommandoer *fb = nullptr;
    void skiftDir(const QString &path) override { fb->skiftDir(path); }
    bool fileboxServesAsSaveBox() const override { return fb->fileboxServesAsSaveBox(); }
    void armFileboxSave(Twinform *w, bool showBox) override { fb->armFileboxSave(w, showBox); }
    QString fileboxFolder() const override { return fb->fileboxFolder(); }
};

} // namespace

class TstFilboksForm : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void firstStartDefaults();
    void doubleClickOpensTheDocument();
    void untitledDocumentSavedThroughTheBox();
    void copyIntoASubFolder();
    void deleteKeyActsOnlyInsideTheBox();

private:
    int entry(const QString &name) const;
    void select(const QString &name);

    std::unique_ptr<TempRoot> m_root;
    std::unique_ptr<ScopedEnv> m_home;
    std::unique_ptr<FilboksHost> m_host;
    TFilboksKommandoer *m_cmd = nullptr;
    Topenfilform *m_box = nullptr;
    TStilleDialoger m_stille;
    ui::Script m_script;
    QString m_dir;
};

void TstFilboksForm::init()
{
    m_root = std::make_unique<TempRoot>();
    m_home = std::make_unique<ScopedEnv>("XDG_DATA_HOME", m_root->file("share"));
    m_script = {};
    ui::setScript(&m_script);
    m_stille = {};
    m_host = std::make_unique<FilboksHost>();
    m_cmd = new TFilboksKommandoer(m_host.get(), m_host.get());
    m_host->fb = m_cmd;
    m_host->show();
    m_box = m_cmd->filboks();
    m_box->funk->setDialoger(&m_stille);
    m_box->funk->setFremdriftsVindue(&m_stille);
    m_dir = m_root->file("mappe");
    makeTree(m_dir, {"a.txt=alfa", "under/", "b.html=<p>"});
}

void TstFilboksForm::cleanup()
{
    m_host.reset();
    ui::setScript(nullptr);
    m_home.reset();
    m_root.reset();
}

int TstFilboksForm::entry(const QString &name) const
{
    for (int i = 0; i < m_box->liste()->topLevelItemCount(); ++i)
        if (m_box->liste()->topLevelItem(i)->text(0) == name)
            return i;
    return -1;
}

void TstFilboksForm::select(const QString &name)
{
    const int i = entry(name);
    QVERIFY(i >= 0);
    m_box->funk->Struktur2->selectOnly(i);
    m_box->funk->infoStruktur2();
}

void TstFilboksForm::firstStartDefaults()
{
    QCOMPARE(m_box->size(), QSize(400, 508));
    QCOMPARE(m_box->pos(), QPoint(20, 20));
    QCOMPARE(m_box->funk->Grundmappe, QString("C:"));
    QVERIFY(m_box->indlejret);
    QCOMPARE(m_box->windowTitle(), QString("Åben dokument"));
    QVERIFY(m_host->commands()->action("AFilboksen"));
    m_host->commands()->action("AFilboksen")->trigger();
    QVERIFY(m_box->isVisible());
    m_cmd->visSenesteMappe(m_dir);
    m_host->runShutdownSteps();
    QStringList lines;
    QVERIFY(TextFile::readLines(m_host->paths().optdir + "/opentekstfil.txt", lines));
    QCOMPARE(lines.size(), 7);
    QCOMPARE(lines[4], m_dir);
    QCOMPARE(lines.mid(5), QStringList({"1", "1"}));
}

void TstFilboksForm::doubleClickOpensTheDocument()
{
    m_cmd->visSenesteMappe(m_dir);
    QCOMPARE(m_box->funk->Grundmappe, m_dir);
    QCOMPARE(m_box->faner()->tabText(m_box->faner()->count() - 1), QString("mappe"));
    QTreeWidgetItem *it = m_box->liste()->topLevelItem(entry("a.txt"));
    const QRect r = m_box->liste()->visualItemRect(it);
    QTest::mouseClick(m_box->liste()->viewport(), Qt::LeftButton, {}, r.center());
    QCOMPARE(m_box->navnFelt()->text(), QString("a.txt"));
    QTest::mouseDClick(m_box->liste()->viewport(), Qt::LeftButton, {}, r.center());
    QVERIFY(m_host->activeWin());
    QCOMPARE(m_host->activeWin()->Filnavn, m_dir + "/a.txt");
    QCOMPARE(m_host->activeWin()->text().Text(), QString("alfa"));
    // Double-clicking a folder enters it.
    const QRect f = m_box->liste()->visualItemRect(m_box->liste()->topLevelItem(entry("under")));
    QTest::mouseClick(m_box->liste()->viewport(), Qt::LeftButton, {}, f.center());
    QTest::mouseDClick(m_box->liste()->viewport(), Qt::LeftButton, {}, f.center());
    QCOMPARE(m_box->funk->Grundmappe, m_dir + "/under");
}

void TstFilboksForm::untitledDocumentSavedThroughTheBox()
{
    m_cmd->visSenesteMappe(m_dir);
    Twinform *w = m_host->openwin(QString(), "*.html");
    w->text().setText("<p>ny</p>");
    QVERIFY(m_cmd->fileboxServesAsSaveBox());
    QVERIFY(!m_host->documents()->GemSomDokument(w));   // nothing written yet
    QCOMPARE(m_box->windowTitle(), QString("Gem dokument"));
    QCOMPARE(m_box->gemFelt()->text(), QString("IkkeNavngivet"));
    QVERIFY(!QFile::exists(m_dir + "/IkkeNavngivet.html"));
    // Enter with an empty field does nothing.
    m_box->gemFelt()->clear();
    QTest::keyClick(m_box->gemFelt(), Qt::Key_Return);
    QVERIFY(w->Filnavn.isEmpty());
    m_box->gemFelt()->setText("side");
    QTest::keyClick(m_box->gemFelt(), Qt::Key_Return);
    QCOMPARE(w->Filnavn, m_dir + "/side.html");
    QCOMPARE(readAll(w->Filnavn), QByteArray("<p>ny</p>"));
    // The box stays the save panel until "Åben funktion"; its list holds the new file.
    QCOMPARE(m_box->windowTitle(), QString("Gem dokument"));
    QVERIFY(entry("side.html") >= 0);
    QCOMPARE(m_box->funk->Filnavn, w->Filnavn);
}

void TstFilboksForm::copyIntoASubFolder()
{
    m_cmd->visSenesteMappe(m_dir);
    const int before = m_box->liste()->topLevelItemCount();
    select("a.txt");
    m_box->handling("Kopier")->trigger();
    QCOMPARE(m_host->status[4], QString("Der blev kopieret 1 element."));
    QVERIFY(m_box->handling("Sæt ind")->isEnabled());
    select("under");
    m_script.answers = {ui::Answer::Ja};
    m_box->handling("Sæt ind")->trigger();
    QCOMPARE(readAll(m_dir + "/under/a.txt"), QByteArray("alfa"));
    QCOMPARE(m_host->status[4], QString("Der blev indsat 1 element."));
    QCOMPARE(m_stille.bekraeftelser.size(), 1);
    // The list is read again from the disk and still shows the folder.
    QCOMPARE(m_box->funk->Grundmappe, m_dir);
    QCOMPARE(m_box->liste()->topLevelItemCount(), before);
    QVERIFY(QFile::exists(m_dir + "/a.txt"));
}

void TstFilboksForm::deleteKeyActsOnlyInsideTheBox()
{
    m_cmd->visSenesteMappe(m_dir);
    Twinform *w = m_host->openwin(m_dir + "/b.html", ".html");
    select("a.txt");
    m_host->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_host.get()));
    w->editorWidget()->setFocus();
    QTRY_VERIFY(w->editorWidget()->hasFocus());
    for (auto key : {QKeyCombination(Qt::Key_Delete), QKeyCombination(Qt::ShiftModifier, Qt::Key_Delete),
                     QKeyCombination(Qt::ControlModifier, Qt::Key_D), QKeyCombination(Qt::ControlModifier, Qt::Key_M)})
        QTest::keyClick(w->editorWidget(), key.key(), key.keyboardModifiers());
    QVERIFY(QFile::exists(m_dir + "/a.txt"));
    QVERIFY(!QFileInfo::exists(m_dir + "/Ny mappe"));
    QVERIFY(m_stille.bekraeftelser.isEmpty());

    // Inside the box the same key deletes (permanently, after "Ja").
    m_box->activateWindow();
    m_box->liste()->setFocus();
    QTRY_VERIFY(m_box->liste()->hasFocus());
    select("a.txt");
    m_script.answers = {ui::Answer::Ja};
    QTest::keyClick(m_box->liste(), Qt::Key_Delete, Qt::ShiftModifier);
    QVERIFY(!QFile::exists(m_dir + "/a.txt"));
    QCOMPARE(m_host->status[4], QString("Der blev slettet 1 element."));
}

QTEST_MAIN(TstFilboksForm)
#include "tst_filboksform.moc"
