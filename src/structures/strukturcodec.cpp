#include "structures/strukturcodec.h"

#include "core/text/textfile.h"

namespace taglund::StrukturCodec {

namespace {
bool isIndent(QChar c) { return c == u'\t' || c == u' '; }
} // namespace

void parseTree(const QStringList &lines, TStrukturTree &tree, TreeReport *report)
{
    tree.clear();
    TreeReport r;
    int previous = -1;
    for (const QString &line : lines) {
        int depth = 0;
        while (depth < line.size() && isIndent(line[depth]))
            ++depth;
        const int wanted = previous < 0 ? 0 : depth;
        const int placed = previous < 0 ? 0 : std::min(wanted, previous + 1);
        if (wanted > placed)
            ++r.tooDeep;
        tree.appendAtDepth(placed, line.mid(depth));
        previous = placed;
    }
    if (report)
        *report = r;
}

QStringList treeLines(const TStrukturTree &tree)
{
    QStringList out;
    out.reserve(tree.count());
    for (TStrukturNode *n : tree.preorder()) {
        int depth = 0;
        for (const TStrukturNode *p = n->parent; p; p = p->parent)
            ++depth;
        out << QString(depth, u'\t') + n->text;
    }
    return out;
}

void setData(TStrukturNode &node, int icon, const QString &payload)
{
    icon = std::clamp(icon, 0, 9);
    node.data = QString::number(icon) + payload;
    node.hasData = true;
    node.icon = icon;
}

void clearData(TStrukturNode &node)
{
    node.data.clear();
    node.hasData = false;
    node.icon = -1;
}

int applyData(TStrukturTree &tree, const QStringList &lines)
{
    int madeUp = 0;
    const auto &order = tree.preorder();
    for (size_t i = 0; i < order.size(); ++i) {
        TStrukturNode &n = *order[i];
        const QString line = i < size_t(lines.size()) ? lines[qsizetype(i)] : QString();
        if (!line.isEmpty() && line[0] >= u'0' && line[0] <= u'9') {
            n.data = line;
            n.hasData = true;
            n.icon = line[0].unicode() - u'0';
        } else {
            setData(n, 0, n.text);
            ++madeUp;
        }
    }
    return madeUp;
}

QStringList dataLines(const TStrukturTree &tree)
{
    QStringList out;
    out.reserve(tree.count());
    for (TStrukturNode *n : tree.preorder())
        out << (n->hasData && !n->data.isEmpty() ? n->data : QStringLiteral("0"));
    return out;
}

QStringList generatedDataLines(const TStrukturTree &tree)
{
    QStringList out;
    out.reserve(tree.count());
    for (TStrukturNode *n : tree.preorder())
        out << QStringLiteral("0") + n->text;
    return out;
}

QString storablePayload(const QString &payload)
{
    QString s = payload;
    s.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    s.replace(u'\r', u' ');
    s.replace(u'\n', u' ');
    return s;
}

QString storableText(const QString &text)
{
    QString s = storablePayload(text);
    qsizetype i = 0;
    while (i < s.size() && isIndent(s[i]))
        ++i;
    return s.mid(i);
}

bool readTreeFile(const QString &path, TStrukturTree &tree, TreeReport *report, QString *error)
{
    QStringList lines;
    if (!TextFile::readLines(path, lines, error)) {
        tree.clear();
        return false;
    }
    parseTree(lines, tree, report);
    return true;
}

} // namespace taglund::StrukturCodec
