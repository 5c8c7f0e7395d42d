#include "script/scriptbox.h"

#include "structures/struktur.h"

#include <QStringList>
#include <algorithm>

namespace taglund::ScriptBox {

QString closingLine(const QString &line)
{
    const QStringList words = line.trimmed().toLower().split(u' ', Qt::SkipEmptyParts);
    if (words.isEmpty())
        return QString();
    const QString &first = words.first();
    if (words.size() > 3 && first == QLatin1String("if") && words.last() == QLatin1String("then"))
        return QStringLiteral("End If");
    if (first == QLatin1String("function"))
        return QStringLiteral("End Function");
    if (first == QLatin1String("sub"))
        return QStringLiteral("End Sub");
    if (first == QLatin1String("class"))
        return QStringLiteral("End Class");
    if (first == QLatin1String("do")) {
        if (words.size() == 1)
            return QStringLiteral("Loop While");
        if (words.at(1).startsWith(QLatin1String("until")) || words.at(1).startsWith(QLatin1String("while")))
            return QStringLiteral("Loop");
        return QString();
    }
    if (words.size() > 4 && first == QLatin1String("for"))
        return QStringLiteral("Next");
    if (words.size() <= 4 && first == QLatin1String("select"))
        return QStringLiteral("End Select");
    return QString();
}

static bool nameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

QString lastWord(const QString &line, int column)
{
    int end = std::clamp(column, 0, int(line.size()));
    int start = end;
    while (start > 0 && nameChar(line.at(start - 1)))
        --start;
    return line.mid(start, end - start);
}

bool outsideQuotes(const QString &line, int column)
{
    return line.left(std::clamp(column, 0, int(line.size()))).count(u'"') % 2 == 0;
}

bool growsWord(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c.isDigit() || c == u'(' || c == u')';
}

void TOrdSkrevet::letter(QChar c, int caretBefore)
{
    if (m_ord.isEmpty())
        m_startpos = caretBefore;
    m_ord += c;
    m_selL = int(m_ord.size());
}

void TOrdSkrevet::backspace(int caretAfter)
{
    if (m_ord.isEmpty() || m_selL <= 0)
        return;
    if (caretAfter != m_startpos + m_selL - 1)
        return;
    m_ord.chop(1);
    --m_selL;
}

void TOrdSkrevet::clear()
{
    m_ord.clear();
    m_selL = 0;
}

QList<Member> members(const TStrukturTree &tree, const QString &type)
{
    QList<Member> out;
    for (const TStrukturNode *n : tree.preorder()) {
        if (n->childCount() == 0 || n->icon < 0 || n->icon > 2 || n->text.compare(type, Qt::CaseInsensitive) != 0)
            continue;
        for (int c = 0; c < n->childCount(); ++c) {
            const TStrukturNode *m = n->child(c);
            if (m->icon >= 0 && m->icon <= 2)
                out.push_back({m->text, m->icon});
        }
        if (!out.isEmpty())
            break;
    }
    return out;
}

int findNode(const TStrukturTree &tree, const QString &text)
{
    const auto &order = tree.preorder();
    for (int i = 0; i < int(order.size()); ++i)
        if (order[size_t(i)]->text.compare(text, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int findTypeNode(const TStrukturTree &tree, const QString &text)
{
    const auto &order = tree.preorder();
    for (int i = 0; i < int(order.size()); ++i) {
        const TStrukturNode *n = order[size_t(i)];
        if ((n->icon == 1 || n->icon == 2) && n->text.compare(text, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int nextSameText(const TStrukturTree &tree, int selected)
{
    const int count = tree.count();
    if (selected < 0 || selected >= count)
        return -1;
    const QString text = tree.node(selected)->text;
    for (int k = 1; k <= count; ++k) {
        const int i = (selected + k) % count;
        if (i != selected && tree.node(i)->text == text)
            return i;
    }
    return -1;
}

QString letterKey(const QString &text)
{
    QString key;
    for (QChar c : text.toLower())
        if (c >= u'a' && c <= u'z')
            key += c;
    return key;
}

int findWord(const TStrukturTree &tree, const QString &word, int selected)
{
    const QString key = letterKey(word);
    const int count = tree.count();
    if (key.isEmpty() || count == 0)
        return -1;
    const int from = selected < 0 ? -1 : selected;
    for (int k = 1; k <= count; ++k) {
        const int i = (from + k) % count;
        if (letterKey(tree.node(i)->text).startsWith(key))
            return i;
    }
    return -1;
}

void showNode(TStruktur &s, int index)
{
    TStrukturNode *n = s.Node(index);
    if (!n)
        return;
    s.collapseAll();
    s.makeVisible(n);
    s.setExpanded(n, true);
    s.select(n);
}

} // namespace taglund::ScriptBox
