#include "script/winscript.h"

#include "core/text/doctext.h"
#include "script/scripttext.h"
#include "structures/struktur.h"

#include <QElapsedTimer>
#include <exception>

namespace taglund {

using namespace ScriptText;

namespace {

bool same(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The document's logical lines: a line break in Text() is CR LF, while a
// soft break inside a paragraph is a lone LF and stays part of its line.
QStringList logicalLines(const TDocText &doc)
{
    QStringList lines = doc.Text().split(QStringLiteral("\r\n"));
    for (QString &l : lines)
        l.replace(u'\n', u' ');
    return lines;
}

} // namespace

TwinScript::TwinScript()
{
    clearRegister();
}

// --- Registry ---------------------------------------------------------------

void TwinScript::clearRegister()
{
    m_variabler.clear();
    m_objekter.clear();
    m_objekter.push_back({QStringLiteral("wscript"), QStringLiteral("wscript")});
    m_objekter.push_back({QStringLiteral("scripting"), QStringLiteral("scripting")});
}

void TwinScript::clearLists()
{
    m_info.clear();
    m_objekter.clear();
    m_variabler.clear();
}

QString TwinScript::findInRec(const QString &S) const
{
    for (const TRegRow &r : m_objekter)
        if (same(r.name, S))
            return r.type;
    return QString();
}

QString TwinScript::findVariable(const QString &name) const
{
    for (const TRegRow &r : m_variabler)
        if (same(r.name, name))
            return r.type;
    return QString();
}

namespace {

// "d.item(k) = 1" assigns to a member, not to a variable named so.
bool isPlainName(const QString &name)
{
    for (QChar c : name)
        if (c == u'.' || c == u'(' || c == u')' || c == u'"' || c == u' ')
            return false;
    return !name.isEmpty();
}

} // namespace

void TwinScript::registerObject()
{
    if (!isPlainName(m_rec.Obj) || m_rec.Objekt.isEmpty() || !findInRec(m_rec.Obj).isEmpty())
        return;
    m_objekter.push_back({m_rec.Obj, m_rec.Objekt});
}

void TwinScript::registerVariable()
{
    if (!isPlainName(m_rec.Obj) || m_rec.VariabelValue.isEmpty())
        return;
    for (int i = 0; i < m_variabler.size(); ++i) {
        const TRegRow &r = m_variabler.at(i);
        if (same(r.name, m_rec.Obj) && (r.type == m_rec.VariabelValue || r.type == QLatin1String("function"))) {
            m_variabler.remove(i);
            break;
        }
    }
    m_variabler.push_back({m_rec.Obj, m_rec.VariabelValue});
}

// --- Values structure -------------------------------------------------------

void TwinScript::setStrukturValues(const TStruktur *s)
{
    m_values = s;
    valuesReloaded();
}

void TwinScript::valuesReloaded()
{
    m_indexDirty = true;
    m_globalNode = -1;
    m_valueNode = -1;
    rebuildIndexIfStale();
}

void TwinScript::rebuildIndexIfStale()
{
    // A structure changed behind our back must not leave the current nodes
    // pointing at other entries than they were found on.
    const int count = m_values ? m_values->Count() : 0;
    if (!m_indexDirty && count == m_indexCount)
        return;
    m_index.build(m_values);
    m_indexCount = count;
    m_indexDirty = false;
    m_globalNode = -1;
    m_valueNode = -1;
}

bool TwinScript::findSection(const QString &name)
{
    m_globalNode = -1;
    const int s = m_index.section(name);
    if (s < 0)
        return false;
    m_objektIndex = m_index.node(s).icon;
    m_globalNode = m_index.valid(s + 1) ? s + 1 : -1;
    m_sectionEnd = m_index.membersEnd(s);
    m_rec.PreObjekt = name;
    return true;
}

bool TwinScript::findMember(const QString &name)
{
    if (!m_index.valid(m_globalNode))
        return false;
    int start = m_globalNode;
    if (m_index.node(start).icon >= 0 && m_index.node(start).icon < 4 && same(m_rec.PreObjekt, name) && start > 0)
        --start;
    // A member of another object that happens to share the name is no member of this one.
    const int m = m_index.firstFrom(name, start, m_sectionEnd);
    if (m < 0)
        return false;
    m_funktionsTekst = m_index.node(m).parentText;
    m_rec.Metode = name;
    m_globalNode = m;
    m_metodeIndex = m_index.node(m).icon;
    return true;
}

bool TwinScript::findValueSection(const QString &name)
{
    const int s = m_index.firstFrom(name, 0);
    if (s < 0) {
        m_valueNode = -1;
        return false;
    }
    m_valueNode = m_index.valid(s + 1) ? s + 1 : -1;
    m_valueEnd = m_index.membersEnd(s);
    return m_valueNode >= 0;
}

bool TwinScript::findValueMember(const QString &name)
{
    if (!m_index.valid(m_valueNode))
        return false;
    const int m = m_index.firstFrom(name, m_valueNode, m_valueEnd);
    if (m < 0)
        return false;
    m_valueNode = m;
    return true;
}

QString TwinScript::valueType() const
{
    return memberReturnType(m_valueNode);
}

QString TwinScript::memberReturnType(int node) const
{
    if (!m_index.valid(node) || !m_index.node(node).hasData)
        return QString();
    return typeName(typeCode(m_index.node(node).payload.section(u'|', 0, 0)));
}

QString TwinScript::functionType(const QString &expression)
{
    try {
        const QStringList parts = splitAt(expression, u'.');
        if (parts.size() == 1) {
            if (findValueSection(QStringLiteral("Funktioner")) && findValueMember(parts.at(0)))
                return valueType();
            return QString();
        }
        if (parts.size() == 2) {
            const QString type = findInRec(parts.at(0));
            if (!type.isEmpty() && findValueSection(type) && findValueMember(parts.at(1)))
                return valueType();
        }
        return QString();
    } catch (const std::exception &) {
        failure();
        return QString();
    }
}

bool TwinScript::analyseSignature()
{
    if (!m_index.valid(m_globalNode))
        return false;
    const TValuesIndex::Node &member = m_index.node(m_globalNode);
    if (!member.hasData) {
        message(QStringLiteral("Fejl: Manglende data i kontrolstrukturen."));
        return false;
    }
    m_aDef = member.payload.split(u'|');
    m_returnIndex = typeCode(m_aDef.at(0));
    const QString returnName = typeName(m_returnIndex);
    // Parameter codes are plain decimal numbers; "?" stands for any type.
    auto codesOf = [](const QString &field, QList<int> &codes) {
        codes.clear();
        if (field == QLatin1String("-"))
            return true;
        for (const QString &f : field.split(u',')) {
            bool ok = false;
            const int c = (f.trimmed() == QLatin1String("?") ? QStringLiteral("0") : f.trimmed()).toInt(&ok);
            if (!ok)
                return false;
            codes << c;
        }
        return true;
    };
    const bool hasRequired = m_aDef.size() > 1;
    const bool hasOptional = m_aDef.size() > 2;
    QString requiredField = hasRequired ? m_aDef.at(1).trimmed() : QString();
    if (requiredField == QLatin1String("?"))
        requiredField = QStringLiteral("0");
    QList<int> required, optional;
    if ((hasRequired && !codesOf(requiredField, required)) || (hasOptional && !codesOf(m_aDef.at(2).trimmed(), optional))) {
        message(QStringLiteral("Fejl: Indlæsning af metodeværdier."));
        return false;
    }
    const int nRequired = int(required.size());
    const int nOptional = int(optional.size());
    if (hasRequired) {
        if ((m_rec.ParamCount < nRequired || m_rec.ParamCount > nRequired + nOptional) && requiredField != QLatin1String("0")) {
            m_rec.Info = QStringLiteral("Kontroller for parameterfejl.");
            return false;
        }
    } else if (m_rec.ParamCount > 0) {
        m_rec.Info = QStringLiteral("Parameterfejl");
        return false;
    }
    auto names = [](const QList<int> &codes) {
        QStringList n;
        for (int c : codes)
            n << typeName(c);
        return n.join(u',');
    };
    if (nRequired > 0) {
        m_rec.Paratype = (nRequired == 1 ? QStringLiteral("Parametertype: ") : QStringLiteral("Parametertyper: "))
            + names(required);
        if (hasOptional)
            m_rec.Paratype += QStringLiteral(" [") + names(optional) + u']';
    } else if (m_rec.ParamCount > 0) {
        // A member with only optional parameters takes them; saying it has
        // none would contradict the count check just passed.
        m_rec.Paratype = nOptional > 0
            ? (nOptional == 1 ? QStringLiteral("Parametertype: [") : QStringLiteral("Parametertyper: [")) + names(optional) + u']'
            : QStringLiteral("Metode uden parameter.");
    }
    m_rec.ReturnVal = returnName;
    if (isObjectCode(m_returnIndex)) {
        m_rec.Objekt = returnName;
        return true;
    }
    if (m_linjeTekst.count(u'=') == 1)
        m_rec.VariabelValue = returnName;
    return true;
}

bool TwinScript::analyseParameters()
{
    m_paraArray.clear();
    if (m_rec.ParamCount <= 0)
        return true;
    try {
        for (const QString &raw : splitParameterList(m_rec.Parametre)) {
            const QString p = raw.trimmed();
            QString type = expressionType(p, splitAt(p, u'&'));
            if (type.isEmpty())
                type = findVariable(p);
            if (type.isEmpty()) {
                if (!findInRec(p).isEmpty())
                    type = QStringLiteral("object");
                else if (!p.contains(u'&')) {
                    type = QStringLiteral("?");
                    m_rec.Information = QStringLiteral("Parametre blev ikke analyseret.");
                } else
                    type = QStringLiteral("string");
            }
            m_paraArray << type;
        }
        return true;
    } catch (const std::exception &) {
        failure();
        m_paraArray.clear();
        return false;
    }
}

QString TwinScript::expressionType(const QString &expression, const QStringList &parts)
{
    if (isNumberExpression(expression))
        return QStringLiteral("number");
    QStringList p;
    for (const QString &s : parts)
        p << s.trimmed();
    if (p.size() > 1) {
        for (const QString &s : p)
            if (!isConcatToken(s))
                return QString();
        return QStringLiteral("string");
    }
    if (p.size() != 1)
        return QString();
    const QString &one = p.first();
    if (same(one, QStringLiteral("true")) || same(one, QStringLiteral("false")))
        return QStringLiteral("boolean");
    if (isStringToken(one))
        return QStringLiteral("string");
    const QString f = functionType(one);
    return f.isEmpty() ? findVariable(one) : f;
}

bool TwinScript::isNumberExpression(const QString &text) const
{
    for (QChar ch : text) {
        if (ch == u' ' || ch.isDigit() || ch == u'.' || ch == u'*' || ch == u'+' || ch == u'-' || ch == u'/' || ch == u'^')
            continue;
        const QChar l = ch.toLower();
        if (l >= u'a' && l <= u'z' && findVariable(QString(l)) == QLatin1String("number"))
            continue;
        return false;
    }
    return true;
}

bool TwinScript::isTextValue(const QString &t)
{
    static const QStringList textTypes{QStringLiteral("string"), QStringLiteral("number"), QStringLiteral("date")};
    if (textTypes.contains(functionType(t)))
        return true;
    if (isNumberLiteral(t))
        return true;
    return textTypes.contains(findVariable(t));
}

bool TwinScript::isConcatToken(const QString &t)
{
    return isStringToken(t) || t == QLatin1String("&") || t == QLatin1String("&_") || same(t, QStringLiteral("vbcrlf"))
        || isTextValue(t);
}

QString TwinScript::elementType(const QString &member)
{
    const QString m = member.toLower();
    if (m == QLatin1String("drives")) {
        m_rec.PreObjekt = QStringLiteral("filesystemobject");
        return QStringLiteral("drive");
    }
    if (m == QLatin1String("subfolders")) {
        m_rec.PreObjekt = QStringLiteral("folder");
        return QStringLiteral("folder");
    }
    if (m == QLatin1String("files")) {
        m_rec.PreObjekt = QStringLiteral("folder");
        return QStringLiteral("file");
    }
    if (m == QLatin1String("environment"))
        m_rec.VariabelValue = QStringLiteral("string");
    else if (m == QLatin1String("keys"))
        m_rec.VariabelValue = QStringLiteral("key");
    else if (m == QLatin1String("items")) {
        m_rec.PreObjekt = QStringLiteral("WMI");
        return QStringLiteral("item");
    }
    return QString();
}

// --- Pass -------------------------------------------------------------------

void TwinScript::message(const QString &text)
{
    if (m_busy) {
        if (m_shown.contains(text))
            return;
        m_shown.insert(text);
    }
    if (OnMessage)
        OnMessage(text);
}

void TwinScript::failure()
{
    message(QStringLiteral("Der opstod en fejl."));
}

bool TwinScript::registerAll(int toLinjeNo)
{
    // A key handled while the owner repaints must not start a second pass
    // over the state the first one is still using.
    if (m_busy || !Editor)
        return false;
    m_busy = true;
    m_cancel = false;
    m_shown.clear();
    rebuildIndexIfStale();
    const QStringList lines = logicalLines(*Editor);
    clearRegister();
    m_info.clear();
    const int count = int(lines.size());
    if (OnProgress)
        OnProgress(0, count);
    const int last = toLinjeNo < 0 ? count - 1 : std::min(toLinjeNo, count - 1);
    QElapsedTimer sincePump;
    sincePump.start();
    bool completed = true;
    for (int i = 0; i <= last; ++i) {
        if (toLinjeNo >= 0)
            m_info.clear();
        if (lines.at(i).size() > 1) {
            try {
                analyseText(lines, i);
            } catch (const std::exception &) {
                message(QStringLiteral("Scriptet kan ikke analyseres."));
            }
        }
        if (OnProgress)
            OnProgress(i + 1, count);
        if (OnPump && sincePump.elapsed() >= 40) {
            sincePump.restart();
            if (!OnPump() || m_cancel) {
                completed = false;
                break;
            }
        }
        if (m_cancel) {
            completed = false;
            break;
        }
    }
    m_lines = nullptr;
    m_busy = false;
    return completed;
}

void TwinScript::analyseText(const QStringList &lines, int index)
{
    if (index < 0 || index >= lines.size())
        return;
    rebuildIndexIfStale();
    m_lines = &lines;
    analyseLine(index);
    m_lines = nullptr;
}

} // namespace taglund
