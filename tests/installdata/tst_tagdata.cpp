// Checks over the shipped tag knowledge (data/Program/Dir): the files must read
// back exactly as the program's settings module writes them, and the lists must
// agree with each other so the HTML panel and the code checks find what pages use.
#include "core/text/cp1252.h"
#include "core/text/paths.h"
#include "core/text/textfile.h"
#include "support/testsupport.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

using namespace taglund;

namespace {

QString knowledgeDir(const QString &folder)
{
    return QDir(test::sourceDataDir()).filePath(QStringLiteral("Program/Dir/") + folder);
}

QString listPath(const QString &folder, const QString &name)
{
    return QDir(knowledgeDir(folder)).filePath(name);
}

QStringList readList(const QString &folder, const QString &name)
{
    QStringList lines;
    TextFile::readLines(listPath(folder, name), lines);
    return lines;
}

QSet<QString> lowerSet(const QStringList &names)
{
    QSet<QString> out;
    for (const QString &n : names)
        out.insert(n.toLower());
    return out;
}

// The element a list row writes: from the second character up to the first ">".
QString snippetName(const QString &row)
{
    if (row.size() <= 1)
        return {};
    const int end = row.indexOf(u'>');
    return end < 0 ? row.mid(1) : row.mid(1, end - 1);
}

bool isHeading(const QString &entry)
{
    return entry.size() >= 2 && entry[0] >= u'A' && entry[0] <= u'Z' && entry[1] >= u'A' && entry[1] <= u'Z';
}

// The lookup the value list makes: attribute_element.txt first, then attribute.txt.
QString valueFileFor(const QString &attribute, const QString &element)
{
    const QString specific = listPath(QStringLiteral("Values"), attribute + u'_' + element + QStringLiteral(".txt"));
    if (QFileInfo::exists(specific))
        return specific;
    const QString general = listPath(QStringLiteral("Values"), attribute + QStringLiteral(".txt"));
    return QFileInfo::exists(general) ? general : QString();
}

const QStringList kFolders = {QStringLiteral("Html"), QStringLiteral("Attributes"),
                              QStringLiteral("Betweentags"), QStringLiteral("Values")};

// The void elements of the current standard.
const QStringList kVoid = {"area", "base", "br", "col", "embed", "hr", "img", "input",
                           "link", "meta", "source", "track", "wbr"};

} // namespace

class TestTagData : public QObject {
    Q_OBJECT

    QSet<QString> m_without, m_with, m_all, m_excluded;
    QHash<QString, QSet<QString>> m_attributes;

    // An element's attribute names in lower case, read once.
    const QSet<QString> &attributesOf(const QString &element)
    {
        auto it = m_attributes.find(element);
        if (it == m_attributes.end())
            it = m_attributes.insert(element, lowerSet(readList(QStringLiteral("Attributes"), element + QStringLiteral(".txt"))));
        return *it;
    }

private slots:
    void initTestCase();
    void fileBytes_data();
    void fileBytes();
    void engineList_data();
    void engineList();
    void engineListsAgree();
    void voidAndEndTagElements_data();
    void voidAndEndTagElements();
    void everyKnownElementHasAttributes();
    void elementFilesHoldGlobals();
    void snippetLists_data();
    void snippetLists();
    void containerBetweenLists_data();
    void containerBetweenLists();
    void valuesForAttribute_data();
    void valuesForAttribute();
    void valueFiles_data();
    void valueFiles();
    void attributesWithoutValue_data();
    void attributesWithoutValue();
    void realPages_data();
    void realPages();
};

void TestTagData::initTestCase()
{
    m_without = lowerSet(readList("Html", "UdenSlutkode.txt"));
    m_with = lowerSet(readList("Html", "MedSlutkode.txt"));
    m_all = lowerSet(readList("Html", "AlleKoder.txt"));
    m_excluded = lowerSet(readList("Html", "Ekskluderet.txt"));
    QVERIFY2(!m_all.isEmpty(), qPrintable("no knowledge base below " + test::sourceDataDir()));
}

void TestTagData::fileBytes_data()
{
    QTest::addColumn<QString>("path");
    int files = 0;
    for (const QString &folder : kFolders) {
        const QFileInfoList entries = QDir(knowledgeDir(folder)).entryInfoList(
            QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
        for (const QFileInfo &fi : entries) {
            QTest::newRow(qPrintable(folder + u'/' + fi.fileName())) << fi.filePath();
            ++files;
        }
    }
    QVERIFY(files > 100);
}

// Exactly the bytes the settings module writes for the lines it reads, so no
// file depends on a reader that is more forgiving than the program's.
void TestTagData::fileBytes()
{
    QFETCH(QString, path);
    const QString name = fileNameOf(path);
    QVERIFY2(name.endsWith(QStringLiteral(".txt")), "only .txt lists belong in the knowledge folders");
    QVERIFY2(isSafeFileName(name.chopped(4)), "unsafe file name");

    QByteArray bytes;
    QVERIFY(TextFile::readBytes(path, bytes));
    QVERIFY2(!bytes.isEmpty(), "empty list file");
    QVERIFY2(!bytes.startsWith("\xEF\xBB\xBF") && !bytes.startsWith("\xFF\xFE") && !bytes.startsWith("\xFE\xFF"),
             "byte-order mark");
    for (int i = 0; i < bytes.size(); ++i) {
        const uchar b = uchar(bytes[i]);
        if (b == '\r')
            QVERIFY2(i + 1 < bytes.size() && bytes[i + 1] == '\n', qPrintable(QString("lone CR at %1").arg(i)));
        else if (b == '\n')
            QVERIFY2(i > 0 && bytes[i - 1] == '\r', qPrintable(QString("bare LF at %1").arg(i)));
        else if (b < 0x20 || b == 0x7F || b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D)
            QFAIL(qPrintable(QString("byte 0x%1 at %2 is no Windows-1252 text").arg(b, 2, 16, QChar('0')).arg(i)));
    }
    QVERIFY2(bytes.endsWith("\r\n"), "last line not ended by CR LF");

    QStringList lines;
    QVERIFY(TextFile::readLines(path, lines));
    QTemporaryDir tmp;
    const QString copy = tmp.filePath("copy.txt");
    QVERIFY(TextFile::writeLines(copy, lines));
    QByteArray rewritten;
    QVERIFY(TextFile::readBytes(copy, rewritten));
    QCOMPARE(rewritten, bytes);
}

void TestTagData::engineList_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("file");
    QTest::newRow("UdenSlutkode") << "Html" << "UdenSlutkode.txt";
    QTest::newRow("MedSlutkode") << "Html" << "MedSlutkode.txt";
    QTest::newRow("AlleKoder") << "Html" << "AlleKoder.txt";
    QTest::newRow("Ekskluderet") << "Html" << "Ekskluderet.txt";
    QTest::newRow("_undtagelser") << "Attributes" << "_undtagelser.txt";
}

// The engine keeps these in sorted case-blind sets: a file already in that
// order with one entry per name loads without surprises, and an entry with
// blanks or "<" could never match a name read from a document.
void TestTagData::engineList()
{
    QFETCH(QString, folder);
    QFETCH(QString, file);
    QVERIFY2(QFileInfo::exists(listPath(folder, file)), "required at start-up");
    const QStringList lines = readList(folder, file);
    QVERIFY(!lines.isEmpty());
    for (int i = 0; i < lines.size(); ++i) {
        const QString &e = lines[i];
        QVERIFY2(!e.isEmpty() && !e.contains(u' ') && !e.contains(u'<') && !e.contains(u'>'),
                 qPrintable("entry \"" + e + "\""));
        if (i > 0)
            QVERIFY2(QString::compare(lines[i - 1], e, Qt::CaseInsensitive) < 0,
                     qPrintable(lines[i - 1] + " before " + e));
    }
}

void TestTagData::engineListsAgree()
{
    const QSet<QString> markers = {"!doctype", "!--", "%"};
    for (const QString &m : markers)
        QVERIFY2(m_without.contains(m), qPrintable(m));
    QStringList both, unknown;
    for (const QString &n : m_with) {
        if (m_without.contains(n))
            both << n;
        if (!m_all.contains(n))
            unknown << n;
    }
    for (const QString &n : m_without)
        if (!m_all.contains(n) && !n.startsWith(u'!') && !n.startsWith(u'%') && !n.startsWith(u'?'))
            unknown << n;
    QVERIFY2(both.isEmpty(), qPrintable("with and without end tag: " + both.join(", ")));
    QVERIFY2(unknown.isEmpty(), qPrintable("missing from AlleKoder.txt: " + unknown.join(", ")));
    for (const QString &n : m_all)
        QVERIFY2(m_with.contains(n) || m_without.contains(n), qPrintable(n + " has no end-tag rule"));
    for (const QString &n : m_excluded)
        QVERIFY2(m_all.contains(n), qPrintable("excluded but unknown: " + n));
    // The structure reader skips excluded names: an HTML element there would vanish from every check.
    for (const char *n : {"html", "head", "body", "div", "p", "a", "svg", "math", "script", "style", "title"})
        QVERIFY2(!m_excluded.contains(QString::fromLatin1(n)), n);
}

void TestTagData::voidAndEndTagElements_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("isVoid");
    for (const QString &v : kVoid)
        QTest::newRow(qPrintable(v)) << v << true;
    for (const char *n : {"a", "body", "div", "html", "li", "option", "p", "script", "span", "style",
                          "table", "td", "textarea", "title", "tr", "ul", "video", "svg", "math"})
        QTest::newRow(n) << QString::fromLatin1(n) << false;
}

void TestTagData::voidAndEndTagElements()
{
    QFETCH(QString, name);
    QFETCH(bool, isVoid);
    QVERIFY(m_all.contains(name));
    if (isVoid) {
        QVERIFY2(m_without.contains(name) && !m_with.contains(name), "void element must be without end tag");
        // "<br/>" gives the reader the name br/.
        QVERIFY2(m_without.contains(name + u'/') && m_all.contains(name + u'/'), "slashed form missing");
        // "<br />" gives the attribute scan the name "/".
        QCOMPARE(readList("Attributes", name + QStringLiteral(".txt")).constLast(), QStringLiteral("/"));
    } else {
        QVERIFY2(m_with.contains(name) && !m_without.contains(name), "element takes an end tag");
    }
}

void TestTagData::everyKnownElementHasAttributes()
{
    const QStringList all = readList("Html", "AlleKoder.txt");
    for (const QString &name : all) {
        if (name.endsWith(u'/')) {
            QVERIFY2(m_all.contains(name.chopped(1).toLower()), qPrintable(name + " slashes an unknown name"));
            continue;
        }
        QVERIFY2(isSafeFileName(name), qPrintable(name));
        const QString path = listPath("Attributes", name + QStringLiteral(".txt"));
        QVERIFY2(QFileInfo::exists(path), qPrintable("no attribute list for " + name));
        const QStringList attrs = readList("Attributes", name + QStringLiteral(".txt"));
        QVERIFY2(!attrs.isEmpty(), qPrintable(name));
        QSet<QString> seen;
        for (const QString &a : attrs) {
            QVERIFY2(!a.isEmpty() && !a.contains(u' ') && !a.contains(u'='),
                     qPrintable(name + ": \"" + a + "\""));
            QVERIFY2(!seen.contains(a.toLower()), qPrintable(name + ": " + a + " twice"));
            seen.insert(a.toLower());
        }
    }
}

// The attribute check reads only the element's own file (plus the form and
// media events), so every file must carry the global attributes and events.
void TestTagData::elementFilesHoldGlobals()
{
    const QStringList globals = readList("Attributes", "_globaleAttributter.txt");
    const QStringList events = readList("Attributes", "_globaleEvents.txt");
    QVERIFY(globals.contains("class") && globals.contains("id") && globals.contains("style"));
    QVERIFY(events.contains("onclick") && events.contains("onload"));
    const QSet<QString> eventSet = lowerSet(events);
    for (const char *file : {"_formEvents.txt", "_mediaEvents.txt"}) {
        const QStringList sub = readList("Attributes", QString::fromLatin1(file));
        QVERIFY2(!sub.isEmpty(), file);
        for (const QString &e : sub)
            QVERIFY2(eventSet.contains(e.toLower()), qPrintable(QString(file) + ": " + e));
    }
    for (const QString &row : readList("Html", "_Koder.txt")) {
        const QString name = snippetName(row);
        const QSet<QString> &attrs = attributesOf(name);
        for (const QString &g : globals + events)
            QVERIFY2(attrs.contains(g.toLower()), qPrintable(name + " lacks " + g));
    }
}

void TestTagData::snippetLists_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("file");
    const QStringList categories = {"_Koder.txt", "_grundkoder.txt", "_audioVideo.txt", "_billeder.txt",
                                    "_form.txt", "_formatering.txt", "_indhold.txt", "_links.txt",
                                    "_lists.txt", "_meta.txt", "_programmering.txt", "_frames.txt",
                                    "_tables.txt", "_tekst.txt"};
    for (const QString &c : categories)
        QTest::newRow(qPrintable("Html/" + c)) << "Html" << c;
    for (const QString &b : QDir(knowledgeDir("Betweentags")).entryList(QDir::Files, QDir::Name))
        QTest::newRow(qPrintable("Betweentags/" + b)) << "Betweentags" << b;
}

// Rows are written with the caret after the first ">", and the panel takes the
// element from the row: the two must agree with the end-tag lists.
void TestTagData::snippetLists()
{
    QFETCH(QString, folder);
    QFETCH(QString, file);
    QVERIFY2(QFileInfo::exists(listPath(folder, file)), "list missing");
    const QStringList rows = readList(folder, file);
    QVERIFY(!rows.isEmpty());
    if (folder == QStringLiteral("Betweentags")) {
        const QString owner = file.chopped(4).toLower();
        QVERIFY2(m_all.contains(owner), "between list of an unknown element");
        QVERIFY2(!kVoid.contains(owner), "a void element holds nothing");
    }
    QSet<QString> seen;
    for (const QString &row : rows) {
        const QString name = snippetName(row);
        QVERIFY2(row.startsWith(u'<') && !name.isEmpty(), qPrintable(row));
        QVERIFY2(!seen.contains(row), qPrintable(row + " twice"));
        seen.insert(row);
        if (name.startsWith(u'!')) {
            QVERIFY2(folder == QStringLiteral("Html") && row == QStringLiteral("<!DOCTYPE html>"), qPrintable(row));
            continue;
        }
        QVERIFY2(m_all.contains(name.toLower()), qPrintable(name + " is not in AlleKoder.txt"));
        const QString open = u'<' + name + u'>';
        const QString paired = open + QStringLiteral("</") + name + u'>';
        QVERIFY2(row == open || row == paired, qPrintable(row));
        if (kVoid.contains(name.toLower()))
            QCOMPARE(row, open);
        if (m_with.contains(name.toLower()))
            QCOMPARE(row, paired);
    }
}

void TestTagData::containerBetweenLists_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<QStringList>("children");
    QTest::newRow("html") << "html" << QStringList{"head", "body"};
    QTest::newRow("head") << "head" << QStringList{"title", "meta", "link", "style", "script", "base"};
    QTest::newRow("body") << "body" << QStringList{"div", "p", "header", "main", "footer", "table", "img"};
    QTest::newRow("table") << "table" << QStringList{"caption", "colgroup", "thead", "tbody", "tfoot", "tr"};
    QTest::newRow("thead") << "thead" << QStringList{"tr"};
    QTest::newRow("tbody") << "tbody" << QStringList{"tr"};
    QTest::newRow("tfoot") << "tfoot" << QStringList{"tr"};
    QTest::newRow("tr") << "tr" << QStringList{"td", "th"};
    QTest::newRow("ul") << "ul" << QStringList{"li"};
    QTest::newRow("ol") << "ol" << QStringList{"li"};
    QTest::newRow("menu") << "menu" << QStringList{"li"};
    QTest::newRow("dl") << "dl" << QStringList{"dt", "dd", "div"};
    QTest::newRow("select") << "select" << QStringList{"option", "optgroup"};
    QTest::newRow("optgroup") << "optgroup" << QStringList{"option"};
    QTest::newRow("datalist") << "datalist" << QStringList{"option"};
    QTest::newRow("picture") << "picture" << QStringList{"source", "img"};
    QTest::newRow("audio") << "audio" << QStringList{"source", "track"};
    QTest::newRow("video") << "video" << QStringList{"source", "track"};
    QTest::newRow("details") << "details" << QStringList{"summary", "p"};
    QTest::newRow("fieldset") << "fieldset" << QStringList{"legend", "input", "label"};
    QTest::newRow("figure") << "figure" << QStringList{"figcaption", "img"};
    QTest::newRow("colgroup") << "colgroup" << QStringList{"col"};
    QTest::newRow("ruby") << "ruby" << QStringList{"rt", "rp"};
    QTest::newRow("p") << "p" << QStringList{"a", "em", "strong", "span", "br", "img"};
    QTest::newRow("a") << "a" << QStringList{"span", "img", "div"};
    QTest::newRow("svg") << "svg" << QStringList{"g", "path", "circle", "defs", "use"};
    QTest::newRow("math") << "math" << QStringList{"mrow", "mi", "mo", "mn"};
}

void TestTagData::containerBetweenLists()
{
    QFETCH(QString, element);
    QFETCH(QStringList, children);
    const QStringList rows = readList("Betweentags", element + QStringLiteral(".txt"));
    QVERIFY2(!rows.isEmpty(), "no between list");
    QSet<QString> names;
    for (const QString &r : rows)
        names.insert(snippetName(r));
    for (const QString &c : children)
        QVERIFY2(names.contains(c), qPrintable(element + " should offer " + c));
    // Content models that forbid nesting: offering them would write invalid pages.
    if (element == QStringLiteral("p"))
        QVERIFY(!names.contains("div") && !names.contains("p") && !names.contains("table"));
    if (element == QStringLiteral("a"))
        QVERIFY(!names.contains("a") && !names.contains("button"));
    if (element == QStringLiteral("html"))
        QCOMPARE(rows.size(), 2);
}

void TestTagData::valuesForAttribute_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("attribute");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("file");
    // file: the value file the lookup must land on.
    QTest::newRow("type input") << "input" << "type" << QStringList{"text", "checkbox", "submit", "hidden", "datetime-local"} << "type_input.txt";
    QTest::newRow("type button") << "button" << "type" << QStringList{"submit", "reset", "button"} << "type_button.txt";
    QTest::newRow("type ol") << "ol" << "type" << QStringList{"1", "a", "A", "i", "I"} << "type_ol.txt";
    QTest::newRow("type li") << "li" << "type" << QStringList{"disc", "square", "1"} << "type_li.txt";
    QTest::newRow("type script") << "script" << "type" << QStringList{"module", "importmap"} << "type_script.txt";
    QTest::newRow("type source") << "source" << "type" << QStringList{"video/mp4", "image/webp"} << "type_source.txt";
    QTest::newRow("type embed general") << "embed" << "type" << QStringList{"application/pdf"} << "type.txt";
    QTest::newRow("dir") << "div" << "dir" << QStringList{"ltr", "rtl", "auto"} << "dir.txt";
    QTest::newRow("target") << "a" << "target" << QStringList{"_blank", "_self", "_parent", "_top"} << "target.txt";
    QTest::newRow("href") << "a" << "href" << QStringList{"#top"} << "href.txt";
    QTest::newRow("rel a") << "a" << "rel" << QStringList{"nofollow", "noopener", "noreferrer"} << "rel.txt";
    QTest::newRow("rel link") << "link" << "rel" << QStringList{"stylesheet", "icon", "preload"} << "rel_link.txt";
    QTest::newRow("method") << "form" << "method" << QStringList{"get", "post", "dialog"} << "method.txt";
    QTest::newRow("enctype") << "form" << "enctype" << QStringList{"multipart/form-data", "text/plain"} << "enctype.txt";
    QTest::newRow("formmethod") << "button" << "formmethod" << QStringList{"get", "post"} << "formmethod.txt";
    QTest::newRow("autocomplete form") << "form" << "autocomplete" << QStringList{"on", "off"} << "autocomplete_form.txt";
    QTest::newRow("autocomplete input") << "input" << "autocomplete" << QStringList{"on", "off", "email", "current-password"} << "autocomplete.txt";
    QTest::newRow("loading") << "img" << "loading" << QStringList{"lazy", "eager"} << "loading.txt";
    QTest::newRow("decoding") << "img" << "decoding" << QStringList{"sync", "async", "auto"} << "decoding.txt";
    QTest::newRow("fetchpriority") << "img" << "fetchpriority" << QStringList{"high", "low", "auto"} << "fetchpriority.txt";
    QTest::newRow("crossorigin") << "script" << "crossorigin" << QStringList{"anonymous", "use-credentials"} << "crossorigin.txt";
    QTest::newRow("preload") << "video" << "preload" << QStringList{"none", "metadata", "auto"} << "preload.txt";
    QTest::newRow("kind") << "track" << "kind" << QStringList{"subtitles", "captions", "chapters"} << "kind.txt";
    QTest::newRow("scope") << "th" << "scope" << QStringList{"row", "col", "rowgroup", "colgroup"} << "scope.txt";
    QTest::newRow("shape") << "area" << "shape" << QStringList{"rect", "circle", "poly", "default"} << "shape.txt";
    QTest::newRow("wrap") << "textarea" << "wrap" << QStringList{"soft", "hard"} << "wrap.txt";
    QTest::newRow("referrerpolicy") << "img" << "referrerpolicy" << QStringList{"no-referrer", "strict-origin-when-cross-origin"} << "referrerpolicy.txt";
    QTest::newRow("contenteditable") << "div" << "contenteditable" << QStringList{"true", "false", "plaintext-only"} << "contenteditable.txt";
    QTest::newRow("draggable") << "div" << "draggable" << QStringList{"true", "false"} << "draggable.txt";
    QTest::newRow("spellcheck") << "textarea" << "spellcheck" << QStringList{"true", "false"} << "spellcheck.txt";
    QTest::newRow("translate") << "p" << "translate" << QStringList{"yes", "no"} << "translate.txt";
    QTest::newRow("inputmode") << "input" << "inputmode" << QStringList{"numeric", "email"} << "inputmode.txt";
    QTest::newRow("enterkeyhint") << "input" << "enterkeyhint" << QStringList{"done", "search"} << "enterkeyhint.txt";
    QTest::newRow("hidden") << "p" << "hidden" << QStringList{"until-found"} << "hidden.txt";
    QTest::newRow("popover") << "div" << "popover" << QStringList{"auto", "manual"} << "popover.txt";
    QTest::newRow("shadowrootmode") << "template" << "shadowrootmode" << QStringList{"open", "closed"} << "shadowrootmode.txt";
    QTest::newRow("charset") << "meta" << "charset" << QStringList{"utf-8"} << "charset.txt";
    QTest::newRow("meta name") << "meta" << "name" << QStringList{"viewport", "description"} << "name_meta.txt";
    QTest::newRow("style") << "div" << "style" << QStringList{"CSS"} << "style.txt";
    QTest::newRow("lang") << "html" << "lang" << QStringList{"da", "en"} << "lang.txt";
    QTest::newRow("aria-hidden") << "svg" << "aria-hidden" << QStringList{"true", "false"} << "aria-hidden.txt";
}

// The panel only reaches a value list through an attribute row of the element,
// and it must land on the element-specific file where there is one.
void TestTagData::valuesForAttribute()
{
    QFETCH(QString, element);
    QFETCH(QString, attribute);
    QFETCH(QStringList, values);
    QFETCH(QString, file);
    QVERIFY2(readList("Attributes", element + QStringLiteral(".txt")).contains(attribute), "the element does not offer the attribute");
    const QString path = valueFileFor(attribute, element);
    QVERIFY2(!path.isEmpty(), "no value file");
    QCOMPARE(fileNameOf(path), file);
    QStringList lines;
    QVERIFY(TextFile::readLines(path, lines));
    for (const QString &v : values)
        QVERIFY2(lines.contains(v), qPrintable(file + " lacks " + v));
}

void TestTagData::valueFiles_data()
{
    QTest::addColumn<QString>("file");
    for (const QString &f : QDir(knowledgeDir("Values")).entryList(QDir::Files, QDir::Name))
        QTest::newRow(qPrintable(f)) << f;
}

void TestTagData::valueFiles()
{
    QFETCH(QString, file);
    const QStringList parts = file.chopped(4).split(u'_');
    QVERIFY2(parts.size() <= 2, "attribute or attribute_element");
    const QString attribute = parts[0];
    QStringList holders;
    if (parts.size() == 2) {
        QVERIFY2(m_all.contains(parts[1].toLower()), "element unknown");
        holders << parts[1];
    } else {
        holders = readList("Html", "AlleKoder.txt");
    }
    bool offered = false;
    for (const QString &h : holders)
        if (!h.endsWith(u'/') && attributesOf(h).contains(attribute.toLower()))
            offered = true;
    QVERIFY2(offered, "no attribute list offers this attribute, so the panel never shows the file");

    const QStringList lines = readList("Values", file);
    int writable = 0;
    for (const QString &v : lines) {
        QVERIFY2(!v.isEmpty() && v == v.trimmed(), qPrintable("entry \"" + v + "\""));
        QVERIFY2(!v.contains(u'"'), qPrintable(v + " would end the attribute value"));
        if (!isHeading(v))
            ++writable;
    }
    QVERIFY2(writable > 0, "only headings");
    QCOMPARE(QSet<QString>(lines.begin(), lines.end()).size(), lines.size());
}

void TestTagData::attributesWithoutValue_data()
{
    QTest::addColumn<QString>("attribute");
    QTest::addColumn<bool>("withoutValue");
    for (const char *a : {"/", "allowfullscreen", "async", "autofocus", "autoplay", "checked", "controls",
                          "default", "defer", "disabled", "hidden", "inert", "ismap", "itemscope", "loop",
                          "multiple", "muted", "nomodule", "novalidate", "open", "playsinline", "readonly",
                          "required", "reversed", "selected"})
        QTest::newRow(a) << QString::fromLatin1(a) << true;
    // These need a value; "download" may name the saved file.
    for (const char *a : {"href", "src", "class", "id", "download", "type", "value", "alt", "lang"})
        QTest::newRow(a) << QString::fromLatin1(a) << false;
}

void TestTagData::attributesWithoutValue()
{
    QFETCH(QString, attribute);
    QFETCH(bool, withoutValue);
    QCOMPARE(lowerSet(readList("Attributes", "_undtagelser.txt")).contains(attribute), withoutValue);
}

void TestTagData::realPages_data()
{
    QTest::addColumn<QString>("page");
    for (const QString &f : QDir(QStringLiteral(TAGLUND_TESTDATA "/pages")).entryList({"*.html"}, QDir::Files))
        QTest::newRow(qPrintable(f)) << QStringLiteral(TAGLUND_TESTDATA "/pages/") + f;
}

// Current HTML5 written the way large sites write it: every element and
// attribute must be known, so the checks find nothing on these pages. data-*
// attributes are open-ended and left to the checker.
void TestTagData::realPages()
{
    QFETCH(QString, page);
    QByteArray bytes;
    QVERIFY(TextFile::readBytes(page, bytes));
    const QString text = TextFile::decodeDocument(bytes).text;
    const QSet<QString> extraEvents = lowerSet(readList("Attributes", "_formEvents.txt") +
                                               readList("Attributes", "_mediaEvents.txt"));
    static const QRegularExpression tagRe(QStringLiteral(R"(<(/?)([A-Za-z][^\s/>]*)(/?)((?:[^>"']|"[^"]*"|'[^']*')*)>)"));
    static const QRegularExpression attrRe(QStringLiteral(R"(([^\s"'>/=]+|/)(?:\s*=\s*(?:"[^"]*"|'[^']*'|[^\s>]+))?)"));
    QStringList findings;
    int tags = 0;
    for (auto m = tagRe.globalMatch(text); m.hasNext();) {
        const auto t = m.next();
        const bool endTag = !t.captured(1).isEmpty();
        const QString name = t.captured(2) + t.captured(3);
        const QString lower = name.toLower();
        ++tags;
        if (m_excluded.contains(lower))
            continue;
        if (endTag) {
            if (!m_with.contains(lower) && !m_without.contains(lower))
                findings << "</" + name + ">";
            continue;
        }
        if (!m_all.contains(lower)) {
            findings << "<" + name + ">";
            continue;
        }
        if (name.endsWith(u'/'))
            continue;
        const QSet<QString> known = attributesOf(name) + extraEvents;
        for (auto a = attrRe.globalMatch(t.captured(4)); a.hasNext();) {
            const QString attr = a.next().captured(1).toLower();
            if (!attr.startsWith(QStringLiteral("data-")) && !known.contains(attr))
                findings << name + " " + attr;
        }
    }
    QVERIFY(tags > 50);
    QVERIFY2(findings.isEmpty(), qPrintable("unknown: " + findings.join(", ")));
}

QTEST_GUILESS_MAIN(TestTagData)
#include "tst_tagdata.moc"
