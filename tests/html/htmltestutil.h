#pragma once
// Shared by the HTML engine tests: the small knowledge folders of the test
// data, case folders, and documents made from case files.
#include "core/text/doctext.h"
#include "core/text/textfile.h"
#include "html/infotag.h"

#include <QDir>
#include <QTextDocument>
#include <QtTest>
#include <memory>

namespace taglund::test {

inline QString dataDir(const QString &rel)
{
    return QDir(QStringLiteral(TAGLUND_TESTDATA)).filePath(rel);
}

inline TKnowledgeDirs knowledgeDirs()
{
    TKnowledgeDirs d;
    d.htmllistedir = dataDir(QStringLiteral("knowledge/Html/"));
    d.attributedir = dataDir(QStringLiteral("knowledge/Attributes/"));
    d.betweendir = dataDir(QStringLiteral("knowledge/Betweentags/"));
    d.valuedir = dataDir(QStringLiteral("knowledge/Values/"));
    return d;
}

inline bool loadTestKnowledge(Tinfotag &engine)
{
    engine.setDirs(knowledgeDirs());
    QString message;
    const bool ok = engine.LoadKnowledge(&message);
    if (!ok)
        qWarning("%s", qPrintable(message));
    return ok;
}

// A file of a case folder as text (empty when absent); line breaks kept.
inline QString caseText(const QString &folder, const QString &file)
{
    QByteArray bytes;
    if (!TextFile::readBytes(QDir(folder).filePath(file), bytes))
        return {};
    return TextFile::decodeDocument(bytes).text;
}

inline QStringList caseLines(const QString &folder, const QString &file)
{
    return TextFile::splitLines(caseText(folder, file));
}

// One data row per case folder below `kind`.
inline void addCaseRows(const QString &kind)
{
    QTest::addColumn<QString>("folder");
    QDir dir(dataDir(kind));
    const QStringList names = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    QVERIFY2(!names.isEmpty(), qPrintable(QStringLiteral("no cases in ") + dir.path()));
    for (const QString &n : names)
        QTest::newRow(qPrintable(n)) << dir.filePath(n);
}

// A document without an editor window.
struct TestDoc {
    QTextDocument doc;
    std::unique_ptr<TDocText> text;
    explicit TestDoc(const QString &content = {})
    {
        text = std::make_unique<TDocText>(&doc);
        text->setText(content);
        text->setModified(false);
    }
    // Caret and selection from a case folder's caret.txt (offset, optional length).
    void placeCaret(const QString &folder)
    {
        const QStringList c = caseLines(folder, QStringLiteral("caret.txt"));
        text->setSelStart(c.value(0).toInt());
        text->setSelLength(c.value(1).toInt());
    }
};

// The tree as indented lines: text, and with `withData` " [TagEnd] @Index {AttrListe}".
inline QStringList dumpTree(const TTagTree &tree, bool withData)
{
    QStringList out;
    std::vector<std::pair<int, int>> stack;
    if (!tree.isEmpty())
        stack.push_back({0, 0});
    while (!stack.empty()) {
        auto [id, depth] = stack.back();
        stack.pop_back();
        const TTagTree::Node &n = tree.node(id);
        QString line = QString(depth * 2, u' ') + tree.text(id);
        if (withData) {
            line += QStringLiteral(" [%1] @%2").arg(n.data.TagEnd).arg(n.data.Index);
            if (!n.data.AttrListe.isEmpty())
                line += QStringLiteral(" {") + n.data.AttrListe + u'}';
        }
        out << line;
        for (auto it = n.children.rbegin(); it != n.children.rend(); ++it)
            stack.push_back({*it, depth + 1});
    }
    return out;
}

} // namespace taglund::test
