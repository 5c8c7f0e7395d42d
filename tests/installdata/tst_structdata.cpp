// The shipped structures: every structure the program opens by name is there,
// its two files agree line for line, every entry's page exists and links only
// to files that exist, and the object structures keep the layout their
// readers (the structure panel, the VBScript box and its analyser) rely on.
#include "core/text/paths.h"
#include "core/text/textfile.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QtTest>

using namespace taglund;

namespace {

struct Node {
    int depth = 0;
    QString text;
    QString data; // the whole data line, icon digit first
    int icon() const { return data.isEmpty() ? -1 : data.at(0).digitValue(); }
    QString payload() const { return data.mid(1); }
};

QString programDir() { return QDir(test::sourceDataDir()).filePath("Program"); }
QString infoDir(const QString &name) { return joinPath(programDir(), "Struktur", name); }
QString scriptDir() { return joinPath(programDir(), "Script"); }

// A structure as its two files give it; `problems` collects what a reader
// would trip over, so one run reports every fault of a structure.
QList<Node> readStructure(const QString &treeFile, const QString &dataFile, QStringList &problems)
{
    QList<Node> nodes;
    for (const QString &file : {treeFile, dataFile}) {
        QByteArray bytes;
        if (!TextFile::readBytes(file, bytes)) {
            problems << file + ": kan ikke læses";
            return nodes;
        }
        if (bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
            problems << file + ": har byte-order mark";
        if (!bytes.isEmpty() && !bytes.endsWith("\r\n"))
            problems << file + ": sidste linje slutter ikke med CR LF";
        if (bytes.count('\n') != bytes.count("\r\n") || bytes.count('\r') != bytes.count("\r\n"))
            problems << file + ": linjeskift der ikke er CR LF";
    }
    QStringList tree, data;
    TextFile::readLines(treeFile, tree);
    TextFile::readLines(dataFile, data);
    if (tree.size() != data.size())
        problems << QString("%1 har %2 linjer, %3 har %4").arg(treeFile).arg(tree.size()).arg(dataFile).arg(data.size());
    int previous = -1;
    for (int i = 0; i < tree.size(); ++i) {
        Node n;
        const QString &line = tree.at(i);
        while (n.depth < line.size() && (line.at(n.depth) == '\t' || line.at(n.depth) == ' '))
            ++n.depth;
        n.text = line.mid(n.depth);
        if (n.text.trimmed().isEmpty())
            problems << QString("%1 linje %2: tom tekst").arg(treeFile).arg(i + 1);
        if (n.depth > previous + 1)
            problems << QString("%1 linje %2: springer et niveau over").arg(treeFile).arg(i + 1);
        previous = n.depth;
        n.data = i < data.size() ? data.at(i) : QString();
        if (n.data.isEmpty() || !n.data.at(0).isDigit())
            problems << QString("%1 linje %2: begynder ikke med et ikoncifer").arg(dataFile).arg(i + 1);
        nodes << n;
    }
    return nodes;
}

QList<Node> readInfo(const QString &name, QStringList &problems)
{
    return readStructure(joinPath(infoDir(name), "struktur.txt"), joinPath(infoDir(name), "data.txt"), problems);
}

QList<Node> readObjects(const QString &name, QStringList &problems)
{
    return readStructure(joinPath(scriptDir(), name + "Struktur.txt"), joinPath(scriptDir(), name + "Data.txt"), problems);
}

// The viewer's lookup: the first entry in tree order whose text equals, ignoring case.
int findEntry(const QList<Node> &nodes, const QString &text)
{
    for (int i = 0; i < nodes.size(); ++i)
        if (nodes.at(i).text.compare(text, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

// A structure name with an extension ("CSS.txt") names the folder without it.
QString folderName(const QString &structure)
{
    const int dot = structure.lastIndexOf('.');
    return dot > 0 ? structure.left(dot) : structure;
}

const QStringList infoStructures = {"Information", "Html5", "CSS", "JavaScript", "VBS", "ASP", "Eksempler", "Programmet"};

QStringList pagesOf(const QString &name)
{
    return QDir(joinPath(infoDir(name), "tekstfiler")).entryList({"*.html"}, QDir::Files, QDir::Name);
}

const QRegularExpression linkRe(QStringLiteral("(?:href|src)=\"([^\"]*)\""));

QString failures(const QStringList &problems)
{
    return problems.mid(0, 25).join('\n') + (problems.size() > 25 ? QString("\n... %1 i alt").arg(problems.size()) : QString());
}

void addInfoRows()
{
    QTest::addColumn<QString>("structure");
    for (const QString &s : infoStructures)
        QTest::newRow(s.toUtf8()) << s;
}

} // namespace

class TestStructData : public QObject {
    Q_OBJECT
private slots:
    void structureFiles_data() { addInfoRows(); }
    void structureFiles()
    {
        QFETCH(QString, structure);
        QStringList problems;
        const QList<Node> nodes = readInfo(structure, problems);
        QVERIFY2(!nodes.isEmpty(), qPrintable(structure + " er tom"));
        QCOMPARE(nodes.first().depth, 0);

        const QString pages = joinPath(infoDir(structure), "tekstfiler");
        QSet<QString> named;
        for (const Node &n : nodes) {
            const QString page = n.payload();
            if (!isSafeFileName(page) || page.contains('.') || page.trimmed() != page)
                problems << QString("%1: sidenavnet \"%2\" kan ikke bruges").arg(n.text, page);
            else if (!QFileInfo::exists(joinPath(pages, page + ".html")))
                problems << QString("%1: siden %2.html mangler").arg(n.text, page);
            named.insert(page.toLower());
        }
        QSet<QString> onDisk;
        for (const QString &file : pagesOf(structure)) {
            const QString page = file.chopped(5).toLower();
            if (onDisk.contains(page))
                problems << file + ": findes i flere udgaver, der kun adskiller sig ved store og små bogstaver";
            onDisk.insert(page);
            if (!named.contains(page))
                problems << file + ": ingen elementer viser siden";
        }
        for (const char *design : {"design.css", "funktioner.js"}) {
            const QByteArray shipped = test::readAll(joinPath(pages, "Design og funktioner", design));
            if (shipped.isEmpty() || shipped != test::readAll(joinPath(programDir(), "HTML", design)))
                problems << QString(design) + " i Design og funktioner er ikke skabelonen fra HTML";
        }
        if (!QFileInfo(joinPath(infoDir(structure), "Billeder")).isDir())
            problems << "mappen Billeder mangler";
        QVERIFY2(problems.isEmpty(), qPrintable(failures(problems)));
    }

    void pages_data() { addInfoRows(); }
    void pages()
    {
        QFETCH(QString, structure);
        const QString folder = joinPath(infoDir(structure), "tekstfiler");
        const QString root = QDir(infoDir(structure)).canonicalPath();
        QStringList problems;
        for (const QString &file : pagesOf(structure)) {
            const QByteArray bytes = test::readAll(joinPath(folder, file));
            for (char undefined : {'\x81', '\x8D', '\x8F', '\x90', '\x9D'})
                if (bytes.contains(undefined))
                    problems << file + ": byte der ikke findes i Windows-1252";
            // UTF-8 bytes in a page that declares Windows-1252 show as two odd characters each.
            for (qsizetype i = 0; i + 1 < bytes.size(); ++i)
                if (uchar(bytes.at(i)) == 0xC3 && uchar(bytes.at(i + 1)) >= 0x80 && uchar(bytes.at(i + 1)) <= 0xBF) {
                    problems << file + ": UTF-8-tekst i en Windows-1252-side";
                    break;
                }
            const QString html = TextFile::decodeSettings(bytes).text;
            for (const char *required : {"<meta http-equiv=\"content-type\" content=\"text/html; charset=windows-1252\">",
                                         "<link rel=\"stylesheet\" type=\"text/css\" href=\"Design og funktioner/design.css\">",
                                         "<script type=\"text/javascript\" src=\"Design og funktioner/funktioner.js\"></script>"})
                if (!html.contains(QLatin1String(required)))
                    problems << file + ": mangler " + QLatin1String(required);
            if (!QRegularExpression("<title>[^<]+</title>").match(html).hasMatch())
                problems << file + ": mangler en titel";
            for (auto it = linkRe.globalMatch(html); it.hasNext();) {
                QString target = it.next().captured(1);
                if (target.startsWith("http:") || target.startsWith("https:") || target.startsWith("mailto:") || target.startsWith('#'))
                    continue;
                target = QUrl::fromPercentEncoding(target.section('#', 0, 0).section('?', 0, 0).replace("&amp;", "&").toUtf8());
                const QFileInfo resolved(QDir(folder).filePath(target));
                if (!resolved.exists())
                    problems << QString("%1: linket %2 fører ingen steder hen").arg(file, target);
                else if (!resolved.canonicalFilePath().startsWith(root + '/'))
                    problems << QString("%1: linket %2 fører ud af strukturen").arg(file, target);
            }
        }
        QVERIFY2(problems.isEmpty(), qPrintable(failures(problems)));
    }

    // The pages are checked by an HTML5 checker where one is installed; the
    // only remark allowed is the one about the spaces in the template's own
    // "Design og funktioner" address.
    void pagesAreValidHtml_data() { addInfoRows(); }
    void pagesAreValidHtml()
    {
        QFETCH(QString, structure);
        const QString tidy = QStandardPaths::findExecutable("tidy");
        if (tidy.isEmpty())
            QSKIP("tidy er ikke installeret");
        QStringList args = {"-q", "-e", "-win1252"};
        const QString folder = joinPath(infoDir(structure), "tekstfiler");
        for (const QString &file : pagesOf(structure))
            args << joinPath(folder, file);
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(tidy, args);
        QVERIFY(p.waitForFinished(120000));
        QStringList remarks;
        for (const QString &line : QString::fromLocal8Bit(p.readAll()).split('\n', Qt::SkipEmptyParts))
            if (!line.contains("illegal characters found in URI") && !line.contains("escaping malformed URI reference"))
                remarks << line;
        QVERIFY2(p.exitCode() < 2, qPrintable(failures(remarks)));
        QVERIFY2(remarks.isEmpty(), qPrintable(failures(remarks)));
    }

    // Every entry a caller opens by name. Collected from the program's
    // information buttons, menus and boxes; an empty entry opens node 0.
    void helpEntries_data()
    {
        QTest::addColumn<QString>("structure");
        QTest::addColumn<QString>("entry");
        const QList<QPair<QString, QStringList>> table = {
            {"Information", {"", "Taglund", "Programmets genvejstaster", "Hovedpanelet", "Fontpanel", "Html panelet",
                             "Webpanelet", "Projektbogen", "Ikonbokse", "Vis elementer", "Hovedfunktioner",
                             "Kommandoboksen", "Js", "Asa", "Bat", "Bokslinjen", "Css", "Kode redskabslinjen", "Vbs",
                             "Wsf", "Asp", "Inc", "Html redskabslinjen", "Omskriver tekstfiler til Html", "Filboksen",
                             "Html-bogen", "Scriptboksen", "Egenskabsboksen", "Kontrolboksen", "Ny struktur",
                             "Flyt struktur", "Informationsstruktur", "Objektstruktur", "Skema", "Liste", "Links",
                             "Css egenskaber", "Flex spalter", "Flex spalter med bredde", "Layout", "Medie boksen",
                             "Musik og film", "Tegnkoder", "Ikonboksen", "Tekstboksen", "Css boksen",
                             "CSS gruppeboksen", "html", "rtf", "Findboksen", "Ordbogen", "Grupper", "Indfør element",
                             "Rediger element", "Administrer grupper", "Bogmærker", "Window applets", "WMI boksen"}},
            {"Html5", {"", "Html5", "Globale Attributter", "thead", "tbody", "tfoot", "td", "class", "caption", "col",
                       "colgroup", "style", "ul", "ol", "dl", "select", "datalist", "optgroup", "name", "href", "br",
                       "link", "script", "section", "blockquote", "nav", "p", "div", "span", "pre", "target", "audio",
                       "video", "img", "src", "controls", "autoplay", "loop", "muted", "preload", "width", "height",
                       "poster", "alt", "title", "fieldset", "a", "download", "onclick", "id"}},
            {"CSS", {"", "CSS", "CSS Colors", "CSS Selectors", "CSS Units", "Boksmodellen", "CSS kontainer",
                     "CSS rulletekst", "CSS Starwars", "CSS Artikel", "flex", "box-sizing", "display", "border-style",
                     "border-width", "border-radius", "border-color", "border", "box-shadow", "background-color",
                     "color", "margin", "padding", "position", "width", "height", "top", "left", "font-size",
                     "margin-left", "padding-top", "padding-bottom", "border-top", "border-right", "border-bottom",
                     "border-left", "perspective", "perspective-origin", "transform", "text-align",
                     "animation-duration", "animation-iteration-count", "animation-timing-function", "@keyframes",
                     "column-width", "column-count", "column-gap", "column-fill", "column-rule-style",
                     "column-rule-color", "column-rule-width", "font-weight", "font-style", "margin-bottom",
                     "column-span"}},
            {"CSS.txt", {"CSS Selectors", "CSS Units", "CSS Colors", "@keyframes", "@media"}},
            {"JavaScript", {"", "Information", "getElementById", "String", "Window"}},
            {"VBS", {"", "Information", "Kommunikation", "InputBox", "MsgBox", "Popup", "Echo", "Array funktioner",
                     "String funktioner", "Date_Time funktioner", "Matematiske funktioner", "Konverterings funktioner",
                     "Formaterings funktioner", "Andre funktioner", "WScript", "FileSystemObject"}},
            {"ASP", {"", "ASP", "Response", "Request"}},
            {"Eksempler", {""}},
        };
        for (const auto &[structure, entries] : table)
            for (const QString &entry : entries)
                QTest::newRow(qPrintable(structure + " / " + (entry.isEmpty() ? "(første)" : entry))) << structure << entry;
    }
    void helpEntries()
    {
        QFETCH(QString, structure);
        QFETCH(QString, entry);
        QStringList problems;
        const QList<Node> nodes = readInfo(folderName(structure), problems);
        QVERIFY2(!nodes.isEmpty(), qPrintable(failures(problems)));
        const int i = entry.isEmpty() ? 0 : findEntry(nodes, entry);
        QVERIFY2(i >= 0, qPrintable(QString("%1 har intet element %2").arg(structure, entry)));
        const QString page = joinPath(infoDir(folderName(structure)), "tekstfiler", nodes.at(i).payload() + ".html");
        QVERIFY2(QFileInfo::exists(page), qPrintable(page + " mangler"));
    }

    // The word-case correction copies the letter case of these nodes.
    void caseCorrectionNodes_data()
    {
        QTest::addColumn<QString>("structure");
        QTest::addColumn<QString>("text");
        for (const char *t : {"MsgBox", "WScript", "InputBox", "CreateObject", "FileSystemObject", "UCase"})
            QTest::newRow(t) << "VBS" << t;
        for (const char *t : {"Response", "Write", "Request", "QueryString", "Server", "HTMLEncode"})
            QTest::newRow(t) << "ASP" << t;
    }
    void caseCorrectionNodes()
    {
        QFETCH(QString, structure);
        QFETCH(QString, text);
        QStringList problems;
        const QList<Node> nodes = readInfo(structure, problems);
        const int i = findEntry(nodes, text);
        QVERIFY2(i >= 0, qPrintable(text + " mangler"));
        QCOMPARE(nodes.at(i).text, text);
    }

    void objectStructures_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *n : {"HTML koder", "ASP", "CSS", "WScript", "Scripting", "VbScript", "script", "batch", "Values",
                              "String", "Number", "Math", "Date", "Array", "Boolean", "RegExp", "Global", "Window",
                              "Navigator", "Screen", "History", "Location", "Document", "Element", "Attr",
                              "Events objekter", "classList", "HTMLCollection", "NamedNodeMap", "NodeList"})
            QTest::newRow(n) << n;
    }
    void objectStructures()
    {
        QFETCH(QString, name);
        QStringList problems;
        const QList<Node> nodes = readObjects(name, problems);
        QVERIFY2(problems.isEmpty(), qPrintable(failures(problems)));
        QVERIFY(!nodes.isEmpty());
        QCOMPARE(nodes.first().depth, 0);
        QStringList listed;
        QVERIFY(TextFile::readLines(joinPath(scriptDir(), "_strukturliste.txt"), listed));
        QVERIFY2(listed.contains(name), qPrintable(name + " står ikke i _strukturliste.txt"));
        if (name != "Values") { // the analyser's signatures are checked on their own below
            for (const Node &n : nodes)
                if (n.payload().split('|').size() > 4)
                    problems << n.text + ": mere end fire felter";
        }
        QVERIFY2(problems.isEmpty(), qPrintable(failures(problems)));
    }

    void structureLists()
    {
        QStringList listed;
        QVERIFY(TextFile::readLines(joinPath(scriptDir(), "_strukturliste.txt"), listed));
        QSet<QString> seen;
        for (const QString &name : listed) {
            QVERIFY2(!seen.contains(name.toLower()), qPrintable(name + " står to gange"));
            seen.insert(name.toLower());
            QVERIFY2(isSafeFileName(name + "Struktur.txt"), qPrintable(name));
            QVERIFY2(QFileInfo::exists(joinPath(scriptDir(), name + "Struktur.txt")), qPrintable(name + "Struktur.txt mangler"));
            QVERIFY2(QFileInfo::exists(joinPath(scriptDir(), name + "Data.txt")), qPrintable(name + "Data.txt mangler"));
        }
        // Every shipped pair is listed, and no two files differ only in letter case.
        QSet<QString> files;
        for (const QString &file : QDir(scriptDir()).entryList(QDir::Files)) {
            QVERIFY2(!files.contains(file.toLower()), qPrintable(file));
            files.insert(file.toLower());
            if (file.endsWith("Struktur.txt"))
                QVERIFY2(seen.contains(file.chopped(12).toLower()), qPrintable(file + " står ikke i _strukturliste.txt"));
        }
        const QFileInfo user(joinPath(scriptDir(), "_newStrukturliste.txt"));
        QVERIFY(user.exists());
        QCOMPARE(user.size(), 0);
    }

    // The analyser takes a section to be the first node in tree order with an
    // icon below 3 and the section's name, and a member to be the first node
    // of the member's name after it; a member that shares a section's name and
    // comes first would send every lookup into the wrong section.
    void valuesLookups_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("member");
        QTest::addColumn<QString>("returnCode");
        QTest::newRow("fso from scripting") << "scripting" << "filesystemobject" << "100";
        QTest::newRow("dictionary from scripting") << "scripting" << "dictionary" << "99";
        QTest::newRow("shell from wscript") << "wscript" << "shell" << "55";
        QTest::newRow("network from wscript") << "wscript" << "network" << "54";
        QTest::newRow("controller") << "wshcontroller" << "wshcontroller" << "98";
        QTest::newRow("getfolder") << "filesystemobject" << "getfolder" << "106";
        QTest::newRow("getdrive") << "filesystemobject" << "getdrive" << "102";
        QTest::newRow("opentextfile") << "filesystemobject" << "opentextfile" << "101";
        QTest::newRow("drives") << "filesystemobject" << "drives" << "103";
        QTest::newRow("folder files") << "folder" << "files" << "105";
        QTest::newRow("subfolders") << "folder" << "subfolders" << "107";
        QTest::newRow("arguments") << "wscript" << "arguments" << "51";
        QTest::newRow("named arguments") << "arguments" << "named" << "52";
        QTest::newRow("echo takes anything") << "wscript" << "echo" << "-";
        QTest::newRow("readline") << "textstream" << "readline" << "1";
        QTest::newRow("shell exec") << "shell" << "exec" << "57";
        // An object-making function must give no type of its own, or a Set
        // line never goes on to read the class name in its first parameter.
        QTest::newRow("createobject") << "Funktioner" << "createobject" << "-";
        QTest::newRow("msgbox") << "Funktioner" << "msgbox" << "2";
        QTest::newRow("len") << "Funktioner" << "len" << "2";
        QTest::newRow("now") << "Funktioner" << "now" << "4";
    }
    void valuesLookups()
    {
        QFETCH(QString, section);
        QFETCH(QString, member);
        QFETCH(QString, returnCode);
        QStringList problems;
        const QList<Node> nodes = readObjects("Values", problems);
        QVERIFY2(problems.isEmpty(), qPrintable(failures(problems)));
        int s = -1;
        for (int i = 0; i < nodes.size() && nodes.at(i).text != "Stop"; ++i)
            if (nodes.at(i).icon() >= 0 && nodes.at(i).icon() < 3 && nodes.at(i).text == section) {
                s = i;
                break;
            }
        QVERIFY2(s >= 0, qPrintable(section + " findes ikke før Stop"));
        QVERIFY2(nodes.at(s).depth == 0, qPrintable(section + " findes først som et medlem, ikke som sektion"));
        int m = -1;
        for (int i = s + 1; i < nodes.size() && nodes.at(i).text != "Stop"; ++i)
            if (nodes.at(i).text == member) {
                m = i;
                break;
            }
        QVERIFY2(m >= 0, qPrintable(member + " findes ikke efter " + section));
        int owner = m;
        while (nodes.at(owner).depth > 0)
            --owner;
        QCOMPARE(nodes.at(owner).text, section);
        QCOMPARE(nodes.at(m).payload().section('|', 0, 0), returnCode);
    }

    void valuesLayout()
    {
        QStringList problems;
        const QList<Node> nodes = readObjects("Values", problems);
        QVERIFY2(problems.isEmpty(), qPrintable(failures(problems)));
        QCOMPARE(nodes.first().text, QString("Word"));
        QCOMPARE(nodes.last().text, QString("Stop"));
        QCOMPARE(nodes.last().depth, 0);
        const QRegularExpression signature(R"(^(-|\d+)\|(-|\?|\d+(,\d+)*)(\|\d+(,\d+)*)?$)");
        bool inWords = false;
        for (int i = 0; i < nodes.size(); ++i) {
            const Node &n = nodes.at(i);
            if (n.text.compare("stop", Qt::CaseInsensitive) == 0 && i != nodes.size() - 1)
                problems << QString("linje %1: Stop før slutningen afbryder alle søgninger").arg(i + 1);
            if (n.depth == 0)
                inWords = n.text == "Word";
            else if (!inWords && n.icon() <= 3 && !signature.match(n.payload()).hasMatch())
                problems << QString("%1: signaturen \"%2\" kan ikke læses").arg(n.text, n.payload());
            if (n.text != n.text.toLower() && n.depth > 0 && !n.text.endsWith("funktioner") && n.text != "Kommunikation")
                problems << n.text + ": skrives med små bogstaver, som scriptets linjer læses";
        }
        QVERIFY2(problems.isEmpty(), qPrintable(failures(problems)));
    }

    // The VBScript box lists an object's members from the "script" node whose
    // text is the object's type name, and its functions menu selects these groups.
    void scriptStructure_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("objectType");
        for (const char *t : {"wscript", "shell", "network", "filesystemobject", "folder", "file", "drive",
                              "textstream", "dictionary", "arguments"})
            QTest::newRow(t) << t << true;
        for (const char *t : {"Kommunikation", "InputBox", "MsgBox", "Popup", "Echo", "Array funktioner",
                              "String funktioner", "Date_Time funktioner", "Matematiske funktioner",
                              "Konverterings funktioner", "Formaterings funktioner", "Andre funktioner"})
            QTest::newRow(t) << t << false;
    }
    void scriptStructure()
    {
        QFETCH(QString, text);
        QFETCH(bool, objectType);
        QStringList problems;
        const QList<Node> nodes = readObjects("script", problems);
        const int i = findEntry(nodes, text);
        QVERIFY2(i >= 0, qPrintable(text + " mangler i script"));
        if (!objectType)
            return;
        QCOMPARE(nodes.at(i).text, text);
        QCOMPARE(nodes.at(i).icon(), 0);
        int members = 0;
        for (int c = i + 1; c < nodes.size() && nodes.at(c).depth > nodes.at(i).depth; ++c)
            if (nodes.at(c).depth == nodes.at(i).depth + 1 && nodes.at(c).icon() <= 2)
                ++members;
        QVERIFY2(members > 0, qPrintable(text + " har ingen medlemmer"));
    }

    // Where the tag knowledge and the CSS lists are installed, every name they
    // offer has its page: the panels open the information by these names.
    void knowledgeCovered_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("structure");
        QTest::addColumn<int>("step");
        QTest::newRow("elements") << "Dir/Html/AlleKoder.txt" << "Html5" << 1;
        QTest::newRow("global attributes") << "Dir/Attributes/_globaleAttributter.txt" << "Html5" << 1;
        QTest::newRow("global events") << "Dir/Attributes/_globaleEvents.txt" << "Html5" << 1;
        QTest::newRow("css properties") << "Dir/alleCssProp.txt" << "CSS" << 2;
    }
    void knowledgeCovered()
    {
        QFETCH(QString, list);
        QFETCH(QString, structure);
        QFETCH(int, step);
        QStringList names;
        if (!TextFile::readLines(joinPath(programDir(), list), names))
            QSKIP("listen er ikke installeret");
        QStringList problems;
        const QList<Node> nodes = readInfo(structure, problems);
        for (int i = 0; i < names.size(); i += step) {
            QString name = names.at(i).trimmed();
            if (name.endsWith('/')) // the self-closing spelling "br/" is the element br
                name.chop(1);
            if (!name.isEmpty() && findEntry(nodes, name) < 0)
                problems << names.at(i);
        }
        QVERIFY2(problems.isEmpty(), qPrintable(structure + " mangler: " + failures(problems)));
    }
};

QTEST_GUILESS_MAIN(TestStructData)
#include "tst_structdata.moc"
