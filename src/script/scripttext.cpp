#include "script/scripttext.h"

namespace taglund::ScriptText {

namespace {

struct TypeEntry {
    int code;
    const char *name;
};
constexpr TypeEntry kTypes[] = {
    {0, "?"},         {1, "string"},          {2, "number"},           {3, "boolean"},
    {4, "date"},      {5, "array"},           {6, "keyvalue"},         {7, "itemvalue"},
    {8, "key"},       {9, "?"},               {10, "keys"},            {50, "object"},
    {51, "arguments"}, {52, "named"},         {53, "unnamed"},         {54, "network"},
    {55, "shell"},    {56, "environment"},    {57, "exec"},            {96, "createshortcut"},
    {97, "createscript"}, {98, "wshcontroller"}, {99, "dictionary"},   {100, "filesystemobject"},
    {101, "textstream"}, {102, "drive"},      {103, "drives"},         {104, "file"},
    {105, "files"},   {106, "folder"},        {107, "subfolders"},     {111, "item"},
    {112, "items"},
};

} // namespace

QString typeName(int code)
{
    for (const TypeEntry &t : kTypes)
        if (t.code == code)
            return QString::fromLatin1(t.name);
    return QString();
}

bool isKnownTypeCode(int code)
{
    if (code == kIngenType)
        return true;
    for (const TypeEntry &t : kTypes)
        if (t.code == code)
            return true;
    return false;
}

int typeCode(const QString &field)
{
    if (field.trimmed() == QLatin1String("-"))
        return kIngenType;
    // Digits taken together; a field of absurd length must not overflow.
    qint64 code = 0;
    bool any = false;
    for (QChar ch : field) {
        if (ch >= u'0' && ch <= u'9') {
            any = true;
            code = code * 10 + (ch.unicode() - u'0');
            if (code > 1000000)
                return 0;
        }
    }
    return any ? int(code) : 0;
}

QStringList splitAt(const QString &text, QChar c, int n)
{
    QStringList parts;
    int start = 0;
    int splits = 0;
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) != c)
            continue;
        if (i == 0) {
            start = 1;
            continue;
        }
        if (n > 0 && splits >= n)
            break;
        parts << text.mid(start, i - start).trimmed();
        start = i + 1;
        ++splits;
    }
    const QString last = text.mid(start);
    if (!last.isEmpty())
        parts << last.trimmed();
    return parts;
}

QStringList splitOutsideQuotes(const QString &text, QChar c)
{
    QStringList parts;
    bool inside = false;
    int start = 0;
    for (int i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch == u'"')
            inside = !inside;
        else if (ch == c && !inside) {
            if (i > 0 && i > start)
                parts << text.mid(start, i - start);
            start = i + 1;
        }
    }
    if (start < text.size())
        parts << text.mid(start);
    return parts;
}

int countOutsideQuotes(const QString &text, QChar c)
{
    int n = 0;
    bool inside = false;
    for (QChar ch : text) {
        if (ch == u'"')
            inside = !inside;
        else if (ch == c && !inside)
            ++n;
    }
    return n;
}

Words splitWords(const QString &text)
{
    Words w;
    bool inQuote = false;
    bool inBracket = false;
    QString cur;
    auto flush = [&] {
        const QString t = cur.trimmed();
        if (!t.isEmpty())
            w.words << t;
        cur.clear();
    };
    for (QChar ch : text) {
        if (ch == u'"') {
            ++w.quotes;
            inQuote = !inQuote;
        } else if (!inQuote && (ch == u'(' || ch == u')')) {
            ++w.brackets;
            inBracket = ch == u'(';
        }
        if (ch == u' ' && !inQuote && !inBracket) {
            flush();
            continue;
        }
        cur += ch;
    }
    flush();
    return w;
}

CallParts splitParametre(const QString &call)
{
    CallParts p;
    const int open = int(call.indexOf(u'('));
    if (open < 0) {
        p.name = call;
        return p;
    }
    p.hasBracket = true;
    p.name = call.left(open);
    QString inner = call.mid(open + 1);
    if (inner.endsWith(u')'))
        inner.chop(1);
    p.parametre = inner;
    p.count = inner.trimmed().isEmpty() ? 0 : 1 + countOutsideQuotes(inner, u',');
    return p;
}

QStringList splitParameterList(const QString &parametre)
{
    QStringList out;
    bool inside = false;
    QString cur;
    for (QChar ch : parametre) {
        if (ch == u'"')
            inside = !inside;
        if (ch == u',' && !inside) {
            out << cur;
            cur.clear();
            continue;
        }
        cur += ch;
    }
    if (!cur.isEmpty())
        out << cur;
    return out;
}

QString beforeBracket(const QString &text)
{
    for (int i = 0; i < text.size(); ++i)
        if (text.at(i) == u'(' || text.at(i) == u')')
            return text.left(i);
    return text;
}

bool isStringToken(const QString &t)
{
    if (t.isEmpty())
        return false;
    if (t.size() >= 2 && t.startsWith(u'"') && t.endsWith(u'"'))
        return true;
    return t == QLatin1String("&") || t.compare(QLatin1String("vbcrlf"), Qt::CaseInsensitive) == 0;
}

bool isNumberLiteral(const QString &t)
{
    for (QChar ch : t) {
        if (ch == u' ')
            continue;
        if (!(ch.isDigit() || ch == u'.' || ch == u'*' || ch == u'+' || ch == u'-' || ch == u'/' || ch == u'^'))
            return false;
    }
    return true;
}

bool isCallName(const QString &name)
{
    for (QChar ch : name)
        if (!((ch >= u'a' && ch <= u'z') || (ch >= u'A' && ch <= u'Z') || ch == u'.'))
            return false;
    return true;
}

} // namespace taglund::ScriptText
