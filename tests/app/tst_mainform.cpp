#include "core/commandregistry.h"
#include "appstart.h"
#include "app/mainform.h"
#include "core/text/textfile.h"
#include "support/testsupport.h"
#include "ui/questions.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QtTest>
#include <memory>

using namespace taglund;

namespace {

struct Start {
    ui::Script script;
    std::unique_ptr<Tmainform> main;
    explicit Start(const QStringList &args = {})
    {
        ui::setScript(&script);
        main = std::make_unique<Tmainform>(QStringLiteral("/opt/taglund"), args);
        main->show();
        test::waitForStartFiles(*main);
    }
    ~Start()
    {
        main.reset();
        ui::setScript(nullptr);
    }
    QStringList captions() const
    {
        QStringList c;
        for (Twinform *w : main->documents()->windows())
            c << w->CapNavn;
        return c;
    }
};

QStringList foldersBelow(const QString &root)
{
    QStringList made;
    QDirIterator it(root, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        made.append(QDir(root).relativeFilePath(it.next()));
    made.sort();
    return made;
}

} // namespace

class TestMainform : public QObject {
    Q_OBJECT
private slots:
    void firstStartAndExit()
    {
        test::TempRoot root;
        QStringList written;
        {
            Start s;
            const QString user = s.main->paths().brugernavn;
            QCOMPARE(s.main->windowTitle(), user);
            QCOMPARE(s.main->size(), QSize(1080, 862));
            const QRect screen = s.main->screen()->availableGeometry();
            QVERIFY(qAbs(s.main->geometry().center().x() - screen.center().x()) <= 2);
            for (const QString &f : {user, user + "/Projekter", user + "/Dokumenter", user + "/options",
                                     user + "/options/Ikonfiler", user + "/options/Ikonfiler/Forklaringer",
                                     QString("Program/Ordbog"), QString("Program/Ordbog/Normal"),
                                     QString("Program/Ordbog/Normal/Forklaringer")})
                QVERIFY2(foldersBelow(root.path()).contains(f), qPrintable(f));
            QVERIFY(s.main->lukProgram());
            QVERIFY(TextFile::readLines(s.main->paths().optfil, written));
            QVERIFY(!test::readAll(s.main->paths().optfil).contains("\n\n"));
        }
        QCOMPARE(written.size(), 37);
        const QList<QPair<int, QString>> expected = {{1, "Sky"}, {2, "1080"}, {3, "862"}, {6, "10"},
                                                     {7, "Courier New"}, {22, "1"}, {23, "1"}, {25, "1"},
                                                     {31, "1"}, {32, "1"}, {33, "1"}};
        for (const auto &[line, value] : expected)
            QCOMPARE(written[line - 1], value);
    }

    void nextStartRestoresTheWindow()
    {
        test::TempRoot root;
        QString optfil;
        {
            Start s;
            s.main->resize(900, 700);
            s.main->move(120, 80);
            optfil = s.main->paths().optfil;
            QVERIFY(s.main->lukProgram());
        }
        Start again;
        QCOMPARE(again.main->size(), QSize(900, 700));
        QCOMPARE(again.main->frameGeometry().topLeft(), QPoint(120, 80));
    }

    void shortSettingsKeepWhatWasRead()
    {
        test::TempRoot root;
        const QString user = Start().main->paths().brugernavn;   // makes the folders
        TMainOptions o;
        o.designName = "WINTER";
        o.pWidth = 700;
        o.visOrdbog = true;
        o.brugernavn = user;
        TextFile::writeLines(root.file(user + "/options/mainoptions.txt"), o.lines().mid(0, 20));
        Start s;
        QCOMPARE(s.main->options().designName, QString("Sky"));
        QCOMPARE(s.main->size(), QSize(1080, 862));
        QVERIFY(s.main->options().visOrdbog);
    }

    void commandLineOpensFilesInOrder()
    {
        test::TempRoot root;
        test::writeAll(root.file("index.html"), "<html>");
        test::writeAll(root.file("my page.css"), "p{}");
        Start s({"\"" + root.file("index.html") + "\"", root.file("missing.html"), root.file("my page.css")});
        QCOMPARE(s.captions(), (QStringList{"1. index.html", "2. my page.css"}));
        QCOMPARE(s.script.messages, QStringList{"Disse filer kunne ikke åbnes:\r" + root.file("missing.html") + ": findes ikke"});
    }

    void reopenListAtStart()
    {
        test::TempRoot root;
        test::writeAll(root.file("a.html"), "a");
        QString user;
        {
            Start s;
            user = s.main->paths().brugernavn;
            s.main->options().openDokumenter = true;
            s.main->openwin(root.file("a.html"));
            s.main->openwin(root.file("gone.html"));   // named, never saved
            s.script.answers << ui::Answer::Nej;
            QVERIFY(s.main->lukProgram());
        }
        Start s;
        QCOMPARE(s.captions().size(), 2);
        QVERIFY(s.captions().contains("1. a.html") || s.captions().contains("2. a.html"));
        Twinform *gone = s.main->documents()->findByPath(root.file("gone.html"));
        QVERIFY(gone);
        QCOMPARE(gone->text().Text(), QString());
    }

    void droppedFilesOpen()
    {
        test::TempRoot root;
        test::writeAll(root.file("d.js"), "x");
        Start s;
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(root.file("d.js")), QUrl::fromLocalFile(root.file("none.js"))});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(s.main.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(s.main.get(), &drop);
        QCOMPARE(s.captions(), QStringList{"1. d.js"});
    }

    void commandsFollowTheDocuments()
    {
        test::TempRoot root;
        Start s;
        auto *cmds = s.main->commands();
        cmds->updateAll();
        QVERIFY(!cmds->action("AGem")->isEnabled());
        QVERIFY(!cmds->action("ALukDokument")->isEnabled());
        Twinform *w = s.main->openwin(QString(), "*.html");
        QTest::keyClicks(w->editorWidget(), "x");
        cmds->updateAll();
        QVERIFY(cmds->action("AGem")->isEnabled());
        QVERIFY(cmds->action("AGemSom")->isEnabled());
        QCOMPARE(cmds->action("AGemSom")->shortcut(), QKeySequence("Ctrl+Alt+S"));
        QCOMPARE(cmds->action("ALukDokument")->shortcut(), QKeySequence("Ctrl+L"));
        QCOMPARE(cmds->action("ALukProgram")->shortcut(), QKeySequence("Ctrl+Q"));
    }
};

QTEST_MAIN(TestMainform)
#include "tst_mainform.moc"
