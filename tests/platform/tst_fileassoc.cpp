#include "platform/fileassoc.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace taglund;

namespace {

struct Launch {
    QString program;
    QStringList arguments;
};

// The user's data and configuration folders moved into a temporary folder
// for one test, so the real home folder is never written.
class XdgHome {
public:
    XdgHome() : m_oldData(qgetenv("XDG_DATA_HOME")), m_oldConfig(qgetenv("XDG_CONFIG_HOME"))
    {
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir.filePath("share")));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.filePath("config")));
    }
    // An empty variable counts as unset, so the old state comes back either way.
    ~XdgHome()
    {
        qputenv("XDG_DATA_HOME", m_oldData);
        qputenv("XDG_CONFIG_HOME", m_oldConfig);
    }
    // Whether the system really looks where this object points it.
    bool inPlace() const
    {
        return m_dir.isValid()
               && QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation) == applications()
               && QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/mimeapps.list"
                      == mimeapps();
    }
    QString root() const { return m_dir.path(); }
    QString applications() const { return m_dir.filePath("share/applications"); }
    QString mimeapps() const { return m_dir.filePath("config/mimeapps.list"); }

private:
    QTemporaryDir m_dir;
    QByteArray m_oldData, m_oldConfig;
};

// The system's associations with the helper program replaced: nothing is
// started, each start is recorded.
struct RecordingXdg {
    XdgFileAssociations assoc{"/opt/taglund/taglund"};
    QList<Launch> launches;
    bool toolInstalled = true;

    RecordingXdg()
    {
        assoc.setLauncher([this](const QString &p, const QStringList &a) {
            launches.append({p, a});
            return true;
        });
        assoc.setFinder([this](const QString &name) {
            return toolInstalled && name == "update-desktop-database" ? "/usr/bin/" + name : QString();
        });
    }
};

QString readText(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

void writeText(const QString &path, const QString &text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text.toUtf8());
}

// A desktop entry as group -> key -> value, values exactly as written.
QMap<QString, QMap<QString, QString>> readEntry(const QString &path)
{
    QMap<QString, QMap<QString, QString>> groups;
    QString group;
    for (const QString &line : readText(path).split(u'\n', Qt::SkipEmptyParts)) {
        if (line.startsWith(u'['))
            group = line.mid(1, line.size() - 2);
        else if (line.contains(u'='))
            groups[group][line.section(u'=', 0, 0)] = line.section(u'=', 1);
    }
    return groups;
}

const QString kExisting = "# chosen by hand\n"
                          "[Added Associations]\n"
                          "image/png=viewer.desktop;\n"
                          "\n"
                          "[Default Applications]\n"
                          "image/png=viewer.desktop\n"
                          "application/pdf=reader.desktop\n"
                          "\n"
                          "[Removed Associations]\n"
                          "text/plain=old.desktop;\n";

} // namespace

class TestFileAssociations : public QObject {
    Q_OBJECT
private slots:
    void record_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("extension") << 0 << ".html" << ".htmlFile";
        QTest::newRow("type") << 1 << ".htmlFile" << "Åbnes med Taglund";
        QTest::newRow("icon") << 2 << ".htmlFile\\DefaultIcon" << "C:\\Taglund\\Taglund.ico";
        QTest::newRow("open verb") << 3 << ".htmlFile\\shell\\open" << "Åbn med Tagvaerk";
        QTest::newRow("open icon") << 4 << ".htmlFile\\shell\\open\\DefaultIcon" << "C:\\Taglund\\Taglund.ico";
        QTest::newRow("command") << 5 << ".htmlFile\\shell\\open\\command"
                                 << "C:\\Taglund\\Taglund.exe \"%1\"";
    }
    void record()
    {
        QFETCH(int, index);
        QFETCH(QString, key);
        QFETCH(QString, value);
        const QList<TAssociationKey> r = associationRecord(".html", "C:\\Taglund");
        QCOMPARE(r.size(), 6);
        QCOMPARE(r[index].key, key);
        QCOMPARE(r[index].value, value);
    }

    void recordFollowsItsArguments()
    {
        // The extension goes in as typed and the folder as given, spaces and all.
        const QList<TAssociationKey> r = associationRecord(".HTM", "D:\\Mine programmer\\Tag");
        QCOMPARE(r[0].key, QString(".HTM"));
        QCOMPARE(r[0].value, QString(".HTMFile"));
        QCOMPARE(r[2].value, QString("D:\\Mine programmer\\Tag\\Taglund.ico"));
        QCOMPARE(r[5].key, QString(".HTMFile\\shell\\open\\command"));
        QCOMPARE(r[5].value, QString("D:\\Mine programmer\\Tag\\Taglund.exe \"%1\""));
    }

    void fakeRoundTripLeavesOtherTypes()
    {
        FakeFileAssociations fake;
        // Names that merely begin like ".htm" are other types.
        const QMap<QString, QString> others{{".html", ".htmlFile"},
                                            {".htmlFile", "x"},
                                            {".htmlFile\\DefaultIcon", "y"},
                                            {".htmx", "z"}};
        fake.keys = others;
        QVERIFY(fake.registerType(".htm", "C:\\T"));
        QCOMPARE(fake.keys.size(), others.size() + 6);
        for (const TAssociationKey &k : associationRecord(".htm", "C:\\T"))
            QCOMPARE(fake.keys.value(k.key), k.value);
        QVERIFY(fake.unregisterType(".htm"));
        QCOMPARE(fake.keys, others);
        QCOMPARE(fake.notifications, (QStringList{"changed", "changed"}));
    }

    void fakeFailingKey_data()
    {
        QTest::addColumn<QString>("failing");
        QTest::addColumn<QStringList>("written");   // by their index in the record
        QTest::newRow("none") << "" << QStringList{"0", "1", "2", "3", "4", "5"};
        QTest::newRow("extension key") << ".html" << QStringList{"1", "2", "3", "4", "5"};
        QTest::newRow("type key") << ".htmlFile" << QStringList{"0"};
        QTest::newRow("icon") << ".htmlFile\\DefaultIcon" << QStringList{"0", "1", "3", "4", "5"};
        QTest::newRow("open verb") << ".htmlFile\\shell\\open" << QStringList{"0", "1", "2"};
        QTest::newRow("command") << ".htmlFile\\shell\\open\\command" << QStringList{"0", "1", "2", "3", "4"};
    }
    void fakeFailingKey()
    {
        QFETCH(QString, failing);
        QFETCH(QStringList, written);
        FakeFileAssociations fake;
        if (!failing.isEmpty())
            fake.failing = {failing};
        QCOMPARE(fake.registerType(".html", "C:\\T"), failing.isEmpty());
        const QList<TAssociationKey> r = associationRecord(".html", "C:\\T");
        QStringList present;
        for (int i = 0; i < r.size(); ++i) {
            if (fake.keys.contains(r[i].key))
                present.append(QString::number(i));
        }
        QCOMPARE(present, written);
        QCOMPARE(fake.keys.size(), written.size());
        // Callers carry on after a partial write, so the desktop still hears of it.
        QCOMPARE(fake.notifications.size(), 1);
    }

    void instanceCanBeReplaced()
    {
        FakeFileAssociations fake;
        {
            ScopedFileAssociations scoped(&fake);
            QCOMPARE(&FileAssociations::instance(), static_cast<FileAssociations *>(&fake));
            QVERIFY(FileAssociations::instance().registerType(".css", "C:\\T"));
        }
        QVERIFY(dynamic_cast<XdgFileAssociations *>(&FileAssociations::instance()));
        QCOMPARE(fake.keys.value(".css"), QString(".cssFile"));
    }

    void desktopFileNames_data()
    {
        QTest::addColumn<QString>("ext");
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << ".html" << "taglund-html.desktop";
        QTest::newRow("capitals kept") << ".HTM" << "taglund-HTM.desktop";
        QTest::newRow("dash and underscore kept") << ".my-ext_2" << "taglund-my-ext_2.desktop";
        QTest::newRow("inner dot") << ".tar.gz" << "taglund-tar_gz.desktop";
        QTest::newRow("plus signs") << ".c++" << "taglund-c__.desktop";
        QTest::newRow("letters outside ASCII") << ".æø" << "taglund-__.desktop";
        QTest::newRow("space") << ".a b" << "taglund-a_b.desktop";
    }
    void desktopFileNames()
    {
        QFETCH(QString, ext);
        QFETCH(QString, name);
        QCOMPARE(XdgFileAssociations::desktopFileName(ext), name);
    }

    void xdgRegisterWritesEntryAndDefault()
    {
        XdgHome home;
        QVERIFY(home.inPlace());
        writeText(home.mimeapps(), kExisting);
        RecordingXdg x;
        x.assoc.setExecutable("/opt/Tag lund/taglund");
        QVERIFY(x.assoc.registerType(".html", "/opt/Tag lund"));

        const auto entry = readEntry(home.applications() + "/taglund-html.desktop");
        const auto main = entry.value("Desktop Entry");
        QCOMPARE(main.value("Type"), QString("Application"));
        QCOMPARE(main.value("Name"), QString("Taglund"));
        QCOMPARE(main.value("GenericName"), QString("Åbnes med Taglund"));
        QCOMPARE(main.value("Comment"), QString("Åbnes med Taglund"));
        QCOMPARE(main.value("Icon"), QString("/opt/Tag lund/Taglund.ico"));
        QCOMPARE(main.value("Exec"), QString("\"/opt/Tag lund/taglund\" %f"));
        QCOMPARE(main.value("NoDisplay"), QString("true"));
        QCOMPARE(main.value("MimeType").split(u';', Qt::SkipEmptyParts), QStringList{"text/html"});
        QCOMPARE(entry.value("Desktop Action open").value("Name"), QString("Åbn med Tagvaerk"));

        // Our default joins the others; nothing else in the file moves.
        QString expected = kExisting;
        expected.replace("application/pdf=reader.desktop\n",
                         "application/pdf=reader.desktop\ntext/html=taglund-html.desktop\n");
        QCOMPARE(readText(home.mimeapps()), expected);

        QCOMPARE(x.launches.size(), 1);
        QCOMPARE(x.launches[0].program, QString("/usr/bin/update-desktop-database"));
        QCOMPARE(x.launches[0].arguments, QStringList{home.applications()});

        QVERIFY(x.assoc.unregisterType(".html"));
        QVERIFY(!QFile::exists(home.applications() + "/taglund-html.desktop"));
        QCOMPARE(readText(home.mimeapps()), kExisting);
        QCOMPARE(x.launches.size(), 2);
    }

    void xdgDefaultsWithoutAFile_data()
    {
        QTest::addColumn<QString>("before");   // "" for no mimeapps.list at all
        QTest::addColumn<QString>("after");
        QTest::newRow("no file") << "" << "[Default Applications]\ntext/html=taglund-html.desktop\n";
        QTest::newRow("no such section") << "[Added Associations]\nimage/png=v.desktop;"
                                         << "[Added Associations]\nimage/png=v.desktop;\n\n"
                                            "[Default Applications]\ntext/html=taglund-html.desktop\n";
        QTest::newRow("replaces the old default in place")
            << "[Default Applications]\nimage/png=v.desktop\ntext/html = firefox.desktop;\nx/y=z.desktop\n"
            << "[Default Applications]\nimage/png=v.desktop\ntext/html=taglund-html.desktop\nx/y=z.desktop\n";
        QTest::newRow("section twice: the first gets it")
            << "[Default Applications]\na/b=c.desktop\n\n[Default Applications]\nd/e=f.desktop\n"
            << "[Default Applications]\na/b=c.desktop\ntext/html=taglund-html.desktop\n\n"
               "[Default Applications]\nd/e=f.desktop\n";
    }
    void xdgDefaultsWithoutAFile()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        XdgHome home;
        QVERIFY(home.inPlace());
        if (!before.isEmpty())
            writeText(home.mimeapps(), before);
        RecordingXdg x;
        QVERIFY(x.assoc.registerType(".html", "/opt/taglund"));
        QCOMPARE(readText(home.mimeapps()), after);
    }

    void xdgUnregisterTakesOnlyOurs_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        const QString other = "[Default Applications]\nimage/png=v.desktop\n";
        QTest::newRow("ours") << other + "text/html=taglund-html.desktop\n" << other;
        QTest::newRow("someone else's") << other + "text/html=firefox.desktop\n"
                                        << other + "text/html=firefox.desktop\n";
        QTest::newRow("ours among others") << other + "text/html=firefox.desktop;taglund-html.desktop;\n"
                                           << other + "text/html=firefox.desktop;\n";
        QTest::newRow("a name that only begins like ours")
            << other + "text/html=taglund-html.desktop.bak\n" << other + "text/html=taglund-html.desktop.bak\n";
        QTest::newRow("another extension's entry") << other + "text/html=taglund-htm.desktop\n"
                                                   << other + "text/html=taglund-htm.desktop\n";
        QTest::newRow("outside the defaults") << "[Added Associations]\ntext/html=taglund-html.desktop;\n"
                                              << "[Added Associations]\ntext/html=taglund-html.desktop;\n";
    }
    void xdgUnregisterTakesOnlyOurs()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        XdgHome home;
        QVERIFY(home.inPlace());
        writeText(home.applications() + "/taglund-html.desktop", "[Desktop Entry]\n");
        writeText(home.applications() + "/taglund-htm.desktop", "[Desktop Entry]\n");
        writeText(home.mimeapps(), before);
        RecordingXdg x;
        QVERIFY(x.assoc.unregisterType(".html"));
        QCOMPARE(readText(home.mimeapps()), after);
        QVERIFY(!QFile::exists(home.applications() + "/taglund-html.desktop"));
        QVERIFY(QFile::exists(home.applications() + "/taglund-htm.desktop"));
    }

    void xdgExecQuoting_data()
    {
        // As the file holds them: the argument's quoting escapes first, then
        // the value's backslash escape doubles every backslash once more.
        QTest::addColumn<QString>("executable");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << "/opt/t/taglund" << "\"/opt/t/taglund\" %f";
        QTest::newRow("double quote") << "/opt/a\"b/t" << "\"/opt/a\\\\\"b/t\" %f";
        QTest::newRow("dollar") << "/opt/a$b/t" << "\"/opt/a\\\\$b/t\" %f";
        QTest::newRow("backquote") << "/opt/a`b/t" << "\"/opt/a\\\\`b/t\" %f";
        QTest::newRow("backslash") << "/opt/a\\b/t" << "\"/opt/a\\\\\\\\b/t\" %f";
        QTest::newRow("percent") << "/opt/100%/t" << "\"/opt/100%%/t\" %f";
        QTest::newRow("single quote and semicolon") << "/opt/it's;x/t" << "\"/opt/it's;x/t\" %f";
    }
    void xdgExecQuoting()
    {
        QFETCH(QString, executable);
        QFETCH(QString, exec);
        XdgHome home;
        QVERIFY(home.inPlace());
        RecordingXdg x;
        x.assoc.setExecutable(executable);
        QVERIFY(x.assoc.registerType(".html", "/opt/t"));
        const auto entry = readEntry(home.applications() + "/taglund-html.desktop");
        QCOMPARE(entry.value("Desktop Entry").value("Exec"), exec);
        QCOMPARE(entry.value("Desktop Action open").value("Exec"), exec);
    }

    // Also: without update-desktop-database nothing is started, and that is no failure.
    void xdgRunsTheRunningProgramByDefault()
    {
        const QString self = QCoreApplication::applicationFilePath();
        if (self.contains(QRegularExpression("[\"`$\\\\%\n]")))
            QSKIP("this test program's path needs escaping");
        XdgHome home;
        QVERIFY(home.inPlace());
        RecordingXdg x;
        x.toolInstalled = false;
        x.assoc.setExecutable(QString());
        QVERIFY(x.assoc.registerType(".css", "/opt/t"));
        const auto entry = readEntry(home.applications() + "/taglund-css.desktop");
        QCOMPARE(entry.value("Desktop Entry").value("Exec"), "\"" + self + "\" %f");
        QCOMPARE(entry.value("Desktop Entry").value("MimeType"), QString("text/css;"));
        QVERIFY(x.assoc.unregisterType(".css"));
        QVERIFY(x.launches.isEmpty());
    }

    void xdgRefusesOddExtensions_data()
    {
        QTest::addColumn<QString>("ext");
        QTest::addColumn<bool>("removable");   // whether taking it away is still tried
        QTest::newRow("empty") << "" << false;
        QTest::newRow("only a dot") << "." << false;
        QTest::newRow("no dot") << "html" << false;
        QTest::newRow("climbs out") << "../x" << false;
        QTest::newRow("slash") << ".a/b" << false;
        QTest::newRow("backslash") << ".a\\b" << false;
        QTest::newRow("NUL") << QString(".a") + QChar(u'\0') + "b" << false;
        // Unknown to the MIME database: its type would be the catch-all for
        // every unknown file. An entry left from before may still go.
        QTest::newRow("unknown type") << ".zqxjvwk" << true;
    }
    void xdgRefusesOddExtensions()
    {
        QFETCH(QString, ext);
        QFETCH(bool, removable);
        XdgHome home;
        QVERIFY(home.inPlace());
        RecordingXdg x;
        QVERIFY(!x.assoc.registerType(ext, "/opt/t"));
        QVERIFY(!QFile::exists(home.mimeapps()));
        QVERIFY(QDir(home.applications()).isEmpty());
        QCOMPARE(QDir(home.root()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList());
        QVERIFY(x.launches.isEmpty());
        QCOMPARE(x.assoc.unregisterType(ext), removable);
        QCOMPARE(x.launches.size(), removable ? 1 : 0);
        QCOMPARE(QFile::exists(home.mimeapps()), false);
    }

    void xdgFailedWritesSayNo()
    {
        XdgHome home;
        QVERIFY(home.inPlace());
        RecordingXdg x;
        // A file where the applications folder should be: no entry, and so no default naming it.
        writeText(home.applications(), "x");
        QVERIFY(!x.assoc.registerType(".html", "/opt/t"));
        QVERIFY(!QFile::exists(home.mimeapps()));
        QVERIFY(QFile::remove(home.applications()));
        // A folder where mimeapps.list should be.
        QVERIFY(QDir().mkpath(home.mimeapps()));
        QVERIFY(!x.assoc.registerType(".html", "/opt/t"));
        QVERIFY(!x.assoc.unregisterType(".html"));
    }
};

QTEST_GUILESS_MAIN(TestFileAssociations)
#include "tst_fileassoc.moc"
