// How one line of a script is classified, analysed and explained.
#include "script/scripttext.h"
#include "script/winscript.h"

namespace taglund {

using namespace ScriptText;

namespace {

bool same(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

void TwinScript::clearLinjeRec()
{
    m_rec = TlinjeRecord();
    m_paraArray.clear();
    m_funktionsTekst.clear();
    m_metodeIndex = -1;
    m_objektIndex = -1;
    m_ikkeAnalyseret = false;
}

void TwinScript::splitWordsInto(const QString &text, QStringList &words)
{
    clearLinjeRec();
    const Words w = splitWords(text);
    words = w.words;
    m_rec.GaseCount = w.quotes;
    m_rec.ParentesCount = w.brackets;
}

void TwinScript::analyseLine(int i)
{
    m_linjeTekst = m_lines->at(i).trimmed();
    if (m_linjeTekst.isEmpty() || m_linjeTekst.startsWith(u'<') || m_linjeTekst.startsWith(u'\''))
        return;
    clearLinjeRec();
    m_recErUdskrevet = false;
    m_ifType = false;
    m_linjeNummer = i + 1;
    m_LTekst.clear();
    m_VTekst.clear();
    m_HTekst.clear();
    m_LOrd.clear();
    m_VOrd.clear();
    m_HOrd.clear();
    m_LTekstPara.clear();
    m_firstWord.clear();

    if (m_linjeTekst.startsWith(u'=')) {
        m_rec.Info = QStringLiteral("Der mangler noget på venstre side af lighedstegnet.");
        writeLinjeRec();
        return;
    }
    m_linjeTekst = m_linjeTekst.toLower();
    m_splitS = splitAt(m_linjeTekst, u' ');
    if (m_splitS.isEmpty())
        return;
    const QString first = m_splitS.first();
    m_firstWord = first;
    if ((first == QLatin1String("set") && m_splitS.size() == 1) || m_index.isSkippedWord(first)) {
        m_ikkeAnalyseret = true;
        writeLinjeRec();
        return;
    }

    QStringList parts;
    const bool alone = m_splitS.size() == 1;
    if (first == QLatin1String("do") || first == QLatin1String("loop")) {
        if (alone)
            m_rec.Information = first == QLatin1String("do") ? QStringLiteral("Indleder et loop.")
                                                             : QStringLiteral("Loop: Afslutter eller forsætter et loop.");
        else if (!loopCondition())
            m_rec.Info = QStringLiteral("Der er noget galt med formuleringen.");
        writeLinjeRec();
        return;
    }
    if (first == QLatin1String("next")) {
        m_rec.Information = QStringLiteral("Next: Afslutter eller forsætter et loop.");
        writeLinjeRec();
        return;
    }
    if (first == QLatin1String("else")) {
        m_rec.Information = QStringLiteral("Else: Hvis betingelse ikke er opfyldt.");
        writeLinjeRec();
        return;
    }
    if (first == QLatin1String("end")) {
        m_rec.Information = alone ? QStringLiteral("End: Afslutning på blok.")
                                  : QStringLiteral("End : Afslutning på ") + m_splitS.at(1) + QStringLiteral("-blok.");
        writeLinjeRec();
        return;
    }
    if (first == QLatin1String("case")) {
        m_rec.Information = QStringLiteral("Case: Hvis betingelse så udfør...");
        writeLinjeRec();
        return;
    }
    if (first == QLatin1String("while") || first == QLatin1String("wend")) {
        m_rec.Information = QStringLiteral("Anvend hellere Do...Loop i stedet.");
        writeLinjeRec();
        return;
    }
    if (first == QLatin1String("on")) {
        if (m_linjeTekst == QLatin1String("on error resume next")) {
            m_rec.Emne = m_linjeTekst;
            m_rec.Information = QStringLiteral("Springer eventuelle fejl over.");
        } else
            m_ikkeAnalyseret = true;
        writeLinjeRec();
        return;
    }
    if (first == QLatin1String("if") || first == QLatin1String("elseif")) {
        parts << m_linjeTekst;
        m_ifType = true;
    } else
        parts = splitAt(m_linjeTekst, u'=', 1);

    // The sides of the line.
    if (parts.size() == 2) {
        m_VTekst = parts.at(0);
        m_HTekst = parts.at(1);
        splitWordsInto(m_VTekst, m_VOrd);
        if (m_rec.ParentesCount % 2) {
            m_rec.ParentesError = true;
            writeLinjeRec();
            return;
        }
        m_recV = m_rec;
        splitWordsInto(m_HTekst, m_HOrd);
        if (m_rec.ParentesCount % 2) {
            m_rec.ParentesError = true;
            writeLinjeRec();
            return;
        }
        m_recH = m_rec;
    } else if (parts.size() == 1) {
        m_LTekst = parts.at(0).trimmed();
        splitWordsInto(m_LTekst, m_LOrd);
        if (m_rec.ParentesCount % 2) {
            m_rec.ParentesError = true;
            writeLinjeRec();
            return;
        }
        // A call written without brackets: its parameters follow the name.
        if (m_LOrd.size() > 1 && (m_LOrd.first().count(u'.') == 1 || m_LOrd.first() == QLatin1String("msgbox"))) {
            m_LTekstPara = m_LOrd.mid(1).join(QString());
            m_rec.Parametre = m_LTekstPara;
            m_rec.ParamCount = 1 + countOutsideQuotes(m_LTekstPara, u',');
            m_LOrd = QStringList{m_LOrd.first()};
        }
    } else
        return;

    if (parts.size() == 1) {
        analyseStatement();
        if (m_rec.Info.isEmpty()) {
            if (!m_rec.Obj.isEmpty() && !m_rec.VariabelValue.isEmpty())
                registerVariable();
            else if (!m_rec.Objekt.isEmpty() && !m_rec.PreObjekt.isEmpty())
                registerObject();
        }
    } else if (m_VTekst.isEmpty() || m_HTekst.isEmpty()) {
        clearLinjeRec();
        m_rec.Info = QStringLiteral("Der synes at være noget galt med linjen.");
        writeLinjeRec();
    } else if (!m_VTekst.contains(u'.') && m_recH.GaseCount == 2 && isStringToken(m_HTekst)) {
        m_rec.Obj = m_VTekst;
        m_rec.VariabelValue = QStringLiteral("string");
        registerVariable();
        writeLinjeRec();
    } else if (first == QLatin1String("set")) {
        analyseSet();
        // A line with an error introduces nothing.
        if (m_rec.Info.isEmpty() && !m_rec.Objekt.isEmpty() && !m_rec.PreObjekt.isEmpty())
            registerObject();
        writeLinjeRec();
    } else {
        analyseAssignment();
        if (m_rec.Info.isEmpty()) {
            if (!m_rec.Objekt.isEmpty() && !m_rec.PreObjekt.isEmpty())
                registerObject();
            else if (!m_rec.Obj.isEmpty() && !m_rec.VariabelValue.isEmpty())
                registerVariable();
        }
    }
}

bool TwinScript::loopCondition()
{
    QString line = m_linjeTekst;
    line.replace(u'(', u' ').replace(u')', u' ');
    const QStringList parts = line.split(u' ');
    if (parts.size() < 2 || (parts.at(1) != QLatin1String("until") && parts.at(1) != QLatin1String("while")))
        return false;
    m_rec.Information = QStringLiteral("Betingelse: ") + parts.mid(2).join(QString());
    return true;
}

void TwinScript::analyseStatement()
{
    const int n = int(m_LOrd.size());
    if (n == 2 && m_LOrd.at(0) == QLatin1String("function")) {
        const QString name = beforeBracket(m_LOrd.at(1)).trimmed();
        m_rec.Obj = name;
        const int here = m_linjeNummer - 1;
        if (here < m_lines->size() - 1) {
            QString ret;
            for (int j = here + 1; j < m_lines->size(); ++j) {
                // Indented body lines are the rule, so the line is trimmed
                // before its first word is taken.
                const QStringList words = splitAt(m_lines->at(j).trimmed(), u' ');
                if (words.isEmpty())
                    continue;
                if (same(words.first(), QStringLiteral("end")))
                    break;
                if (same(words.first(), name)) {
                    QStringList rest;
                    for (int k = 2; k < words.size(); ++k)
                        rest << words.at(k).trimmed();
                    ret = rest.join(QString());
                    break;
                }
            }
            if (!ret.isEmpty()) {
                QString type = expressionType(ret, splitAt(ret, u'&'));
                if (type.isEmpty())
                    type = m_rec.ReturnVal;
                m_rec.VariabelValue = type.isEmpty() ? QStringLiteral("function") : type;
            }
            writeLinjeRec();
            return;
        }
    }
    if (n == 2 && m_LOrd.at(0) == QLatin1String("sub")) {
        m_rec.Obj = beforeBracket(m_LOrd.at(1)).trimmed();
        m_rec.VariabelValue = QStringLiteral("Sub");
        writeLinjeRec();
        return;
    }
    if (n == 5 && m_LOrd.at(1) == QLatin1String("each")) {
        m_rec.Obj = m_LOrd.at(2);
        const QStringList parts = splitAt(m_LOrd.at(4), u'.');
        QString call;
        if (parts.size() == 1) {
            const QString type = findInRec(parts.at(0));
            call = parts.at(0) + u'.' + type;
            m_rec.Objekt = elementType(type);
        } else if (!parts.isEmpty()) {
            m_rec.Objekt = elementType(parts.last());
            call = m_LOrd.at(4);
        }
        if (m_rec.Objekt.isEmpty())
            analyseCall(call);
        writeLinjeRec();
        return;
    }
    if (m_ifType && !m_LOrd.isEmpty() && m_LOrd.last() == QLatin1String("then")) {
        if (n == 5) {
            const QString cond = m_LOrd.mid(1, 3).join(QString()).trimmed();
            if (analyseCondition(cond)) {
                clearLinjeRec();
                m_rec.Emne = cond;
                m_rec.VariabelValue = QStringLiteral("Boolean");
            } else
                m_rec.Emne = cond;
            writeLinjeRec();
            return;
        }
        if (n == 3) {
            analyseCall(m_LOrd.at(1));
            writeLinjeRec();
            return;
        }
    }
    if (n == 3 && m_LOrd.at(0) == QLatin1String("select") && m_LOrd.at(1) == QLatin1String("case")) {
        const QString word = m_LOrd.at(2);
        const QString type = findVariable(word);
        m_rec.Information = type.isEmpty() ? QStringLiteral("Variablen \"") + word + QStringLiteral("\" blev ikke fundet.")
                                           : word + QStringLiteral(": ") + type;
        writeLinjeRec();
        return;
    }
    const QString obj = m_rec.Obj;
    for (int k = 0; k < n; ++k) {
        // Each word is explained on its own; what an earlier word's lookup
        // left in the record does not belong to the next one.
        if (k > 0) {
            clearLinjeRec();
            m_rec.Obj = obj;
        }
        const QString &w = m_LOrd.at(k);
        if (analyseCall(w)) {
            m_rec.Info.clear();
            m_rec.Emne = w;
            writeLinjeRec();
        } else {
            const QString type = findVariable(w);
            if (!type.isEmpty()) {
                m_rec.Info.clear();
                m_rec.Information.clear();  // the failed lookup as a call says nothing about a variable
                m_rec.Emne = w;
                m_rec.VariabelValue = type;
                writeLinjeRec();
            }
        }
    }
}

void TwinScript::analyseSet()
{
    m_rec.Obj = m_VOrd.value(1);
    if (m_VOrd.size() != 2) {
        m_rec.Info = QStringLiteral("Der synes at være noget galt på venstre side af lighedstegnet.");
        return;
    }
    const QString obj = m_rec.Obj;
    const QString call = m_HOrd.value(0);
    if (!analyseCall(call) || !m_rec.Objekt.isEmpty() || m_rec.ParamCount <= 0)
        return;
    // An object-making function: the class name in its first parameter says what it makes.
    m_rec.Obj.clear();
    m_rec.Emne = call;
    writeLinjeRec();
    m_rec.Obj = obj;
    const QString firstParam = splitParameterList(m_rec.Parametre).value(0).trimmed();
    const QStringList pieces = splitAt(firstParam, u'"');
    if (pieces.size() != 1) {
        m_rec.Info = QStringLiteral("Linjen blev ikke forstået.");
        return;
    }
    QString cls = pieces.first();
    m_rec.Parametre.clear();
    m_rec.Paratype.clear();
    m_rec.VariabelValue.clear();
    m_rec.ParamCount = 0;
    m_paraArray.clear();
    m_rec.Emne = cls;
    if (cls == QLatin1String("wshcontroller"))
        cls = QStringLiteral("wshcontroller.wshcontroller");
    if (analyseCall(cls)) {
        m_rec.Objekt = m_rec.Metode;
        m_rec.Metode.clear();
    } else if (m_rec.Info.isEmpty())
        m_rec.Info = QStringLiteral("Der synes at være fejl i linjen.");
}

void TwinScript::analyseAssignment()
{
    const QString left = m_VOrd.value(0);
    m_rec.Obj = left;
    const int nV = int(m_VOrd.size());
    if (nV == 1) {
        const int dots = int(left.count(u'.'));
        if (dots == 1) {
            if (!analyseCall(left)) {
                clearLinjeRec();
                m_rec.Emne = m_VTekst;
                m_rec.Info = QStringLiteral("Emnet synes ikke korrekt.");
                writeLinjeRec();
                return;
            }
            m_rec.Emne = m_VTekst;
            writeLinjeRec();
            return;
        }
        if (dots > 1) {
            m_rec.Info = QStringLiteral("Linjen blev ikke behandlet.");
            writeLinjeRec();
            return;
        }
        if (analyseCondition(m_HTekst)) {
            m_rec.Info.clear();
            m_rec.Emne = m_linjeTekst;
            if (!m_recErUdskrevet)
                writeLinjeRec();
            return;
        }
        QString R;
        for (int k = 0; k < m_HOrd.size(); ++k) {
            const QString &w = m_HOrd.at(k);
            clearLinjeRec();
            m_rec.Obj = left;
            m_rec.Emne = w;
            QString t = findVariable(w);
            if (!t.isEmpty()) {
                m_rec.VariabelValue = t;
                R = t;
                writeLinjeRec();
                continue;
            }
            t = findVariable(beforeBracket(w));
            if (!t.isEmpty()) {
                // An array element or a function's result: its type is not known.
                m_rec.VariabelValue = (t == QLatin1String("array") || t == QLatin1String("function")) ? QStringLiteral("?") : t;
                R = m_rec.VariabelValue;
                writeLinjeRec();
                continue;
            }
            if (analyseCall(w)) {
                m_rec.Info.clear();
                writeLinjeRec();
                continue;
            }
            if (k == 0) {
                const QString e = expressionType(m_HTekst, m_HOrd);
                if (!e.isEmpty()) {
                    if (m_rec.ParamCount > 0)
                        analyseParameters();
                    clearLinjeRec();
                    m_rec.Obj = left;
                    m_rec.VariabelValue = e;
                    writeLinjeRec();
                    return;
                }
            }
            const QString e = expressionType(w, QStringList{w});
            if (!e.isEmpty()) {
                m_rec.Info.clear();
                m_rec.VariabelValue = e;
                R = e;
                continue;
            }
            if (m_rec.Information == QLatin1String("Emnet blev ikke fundet.")) {
                m_rec.PreObjekt.clear();
                writeLinjeRec();
                continue;
            }
            if (!m_rec.Info.isEmpty()) {
                if (!m_HTekst.contains(u'&'))
                    writeLinjeRec();
                else {
                    m_rec.VariabelValue = QStringLiteral("string");
                    if (R != QLatin1String("string"))
                        writeLinjeRec();
                }
                return;
            }
        }
        if (!R.isEmpty())
            m_rec.VariabelValue = R;
        return;
    }
    if (nV == 2 && m_VOrd.at(0) == QLatin1String("for")) {
        m_rec.Obj = m_VOrd.at(1);
        QStringList start, end, step;
        QStringList *into = &start;
        for (const QString &w : std::as_const(m_HOrd)) {
            if (w == QLatin1String("to"))
                into = &end;
            else if (w == QLatin1String("step"))
                into = &step;
            else
                *into << w;
        }
        if (!start.isEmpty() && !end.isEmpty()) {
            m_rec.Information = QStringLiteral("Genneløbes fra ") + start.join(QString()) + QStringLiteral(" til ")
                + end.join(QString());
            if (!step.isEmpty())
                m_rec.Information += QStringLiteral(" Step: ") + step.join(QString());
        } else
            m_rec.Info = QStringLiteral("Der synes at være fejl i formuleringen.");
        writeLinjeRec();
        return;
    }
    if (nV == 2)
        return;
    m_ikkeAnalyseret = true;
    writeLinjeRec();
}

bool TwinScript::analyseCondition(const QString &text)
{
    const QString t = text.trimmed();
    if (same(t, QStringLiteral("true")) || same(t, QStringLiteral("false"))) {
        m_rec.VariabelValue = QStringLiteral("boolean");
        return true;
    }
    auto count = [&t](QChar c) { return std::max<int>(0, int(splitOutsideQuotes(t, c).size()) - 1); };
    const int eq = count(u'='), gt = count(u'>'), lt = count(u'<');
    const bool valid = (eq == 1 && gt == 0 && lt == 0) || (eq == 1 && gt == 1 && lt == 0) || (eq == 1 && gt == 0 && lt == 1)
        || (eq == 0 && gt == 1 && lt == 0) || (eq == 0 && gt == 0 && lt == 1) || (eq == 0 && gt == 1 && lt == 1);
    if (!valid)
        return false;
    // Operands: a comparison character ends the operand before it, the next
    // one is passed over, the one after that ends an operand again.
    QStringList operands;
    QString cur;
    bool ends = true;
    for (QChar ch : t) {
        if (ch == u'<' || ch == u'=' || ch == u'>') {
            if (ends) {
                operands << cur.trimmed();
                cur.clear();
            }
            ends = !ends;
            continue;
        }
        cur += ch;
    }
    if (!cur.trimmed().isEmpty())
        operands << cur.trimmed();
    if (operands.size() != 2)
        return false;
    for (const QString &op : std::as_const(operands)) {
        if (isStringToken(op) || isNumberExpression(op) || same(op, QStringLiteral("true")) || same(op, QStringLiteral("false")))
            continue;
        const QString name = beforeBracket(op);
        auto bracketFrom = [&op](int from) {
            for (int k = from; k < op.size(); ++k)
                if (op.at(k) == u'(' || op.at(k) == u')')
                    return k;
            return -1;
        };
        const int b = bracketFrom(0);
        if (b >= 0) {
            const int e = bracketFrom(b + 1);
            m_rec.Parametre = e < 0 ? op.mid(b + 1) : op.mid(b + 1, e - b - 1);
            m_rec.ParamCount = m_rec.Parametre.trimmed().isEmpty() ? 0 : 1 + int(m_rec.Parametre.count(u','));
        } else {
            m_rec.Parametre.clear();
            m_rec.ParamCount = 0;
        }
        if (analyseCall(name)) {
            // The call's own rows; what it returns is not what the line assigns.
            const QString obj = m_rec.Obj;
            m_rec.Obj.clear();
            m_rec.VariabelValue.clear();
            writeLinjeRec();
            clearLinjeRec();
            m_rec.Obj = obj;
        } else if (findVariable(op).isEmpty()) {
            m_rec.Info = QStringLiteral("Eventuel fejl: ") + op;
            return false;
        }
    }
    m_rec.Parametre.clear();
    m_rec.ParamCount = 0;
    m_paraArray.clear();
    m_rec.VariabelValue = QStringLiteral("boolean");
    return true;
}

bool TwinScript::analyseCall(const QString &name)
{
    m_rec.PreObjekt.clear();
    m_rec.Metode.clear();
    m_metodeIndex = -1;
    m_objektIndex = -1;
    if (name.size() <= 1)
        return false;
    QString n = name;
    if (m_rec.Parametre.isEmpty() && name.contains(QLatin1String(")."))) {
        // A chain through a call's result ("fso.getfolder(p).files"): the
        // members are looked up one after another; only the last one's
        // parameters count.
        n.clear();
        QString group;
        int depth = 0;
        for (QChar ch : name) {
            if (ch == u'(') {
                if (depth++ == 0)
                    group.clear();
                else
                    group += ch;
            } else if (ch == u')') {
                if (depth > 0 && --depth > 0)
                    group += ch;
            } else if (depth > 0)
                group += ch;
            else
                n += ch;
        }
        if (name.trimmed().endsWith(u')')) {
            m_rec.Parametre = group;
            m_rec.ParamCount = group.trimmed().isEmpty() ? 0 : 1 + countOutsideQuotes(group, u',');
        }
    } else if (m_rec.Parametre.isEmpty()) {
        const CallParts cp = splitParametre(name);
        n = cp.name;
        m_rec.Parametre = cp.parametre;
        m_rec.ParamCount = cp.count;
    }
    n = n.trimmed().toLower();
    if (n.isEmpty() || !isCallName(n))
        return false;
    const QStringList parts = n.split(u'.');
    if (parts.size() == 1) {
        findSection(QStringLiteral("Funktioner"));
        if (!findMember(n)) {
            m_rec.Information = QStringLiteral("Emnet blev ikke fundet.");
            m_rec.PreObjekt.clear();
            return false;
        }
    } else if (parts.size() == 2) {
        QString section = findInRec(parts.at(0));
        if (section.isEmpty())
            section = parts.at(0);
        if (!findSection(section)) {
            m_rec.Info = QStringLiteral("Preobjektet blev ikke fundet.");
            return false;
        }
        if (!findMember(parts.at(1))) {
            m_rec.Information = QStringLiteral("Emnet blev ikke fundet.");
            return false;
        }
    } else if (!resolveChain(parts)) {
        if (m_rec.Info.isEmpty())
            m_rec.Info = QStringLiteral("Metodeanalysen blev ikke gennemført.");
        return false;
    }
    if (analyseSignature()) {
        analyseParameters();
        return true;
    }
    // A specific finding of the signature check says more than the generic text.
    if (m_rec.Info.isEmpty())
        m_rec.Info = QStringLiteral("Metodeanalysen blev ikke gennemført.");
    return false;
}

// "a.b.c": each member before the last must give an object type, whose
// section holds the next member.
bool TwinScript::resolveChain(const QStringList &parts)
{
    QString type = findInRec(parts.first());
    if (type.isEmpty())
        type = parts.first();
    for (int k = 1; k < parts.size() - 1; ++k) {
        if (!findSection(type) || !findMember(parts.at(k)))
            return false;
        const int code = typeCode(m_index.node(m_globalNode).payload.section(u'|', 0, 0));
        if (!isObjectCode(code) || code == kIngenType || typeName(code).isEmpty())
            return false;
        type = typeName(code);
    }
    if (!findSection(type)) {
        m_rec.Info = QStringLiteral("Preobjektet blev ikke fundet.");
        return false;
    }
    if (!findMember(parts.last())) {
        m_rec.Information = QStringLiteral("Emnet blev ikke fundet.");
        return false;
    }
    return true;
}

void TwinScript::addRow(const QString &text, int icon)
{
    m_info.push_back({text, icon});
}

void TwinScript::writeLinjeRec()
{
    const int before = int(m_info.size());
    if (m_ikkeAnalyseret) {
        if (!IkkeNonAna) {
            if (!m_info.isEmpty() && !m_recErUdskrevet)
                addRow(QString(), -1);
            addRow(QString::number(m_linjeNummer) + QStringLiteral(": Ikke analyseret."), 9);
            m_recErUdskrevet = true;
        }
        return;
    }
    const bool hasError = !m_rec.Info.isEmpty() || m_rec.ParentesError;
    if (KunFejlInfo && !hasError)
        return;
    if (m_info.size() > 1 && !m_recErUdskrevet && !m_info.last().text.isEmpty())
        addRow(QString(), -1);
    if (!m_recErUdskrevet)
        addRow(QStringLiteral("Linje: ") + QString::number(m_linjeNummer), 9);
    else
        addRow(QString(), -1);
    if (!m_rec.Emne.isEmpty())
        addRow(QStringLiteral("Emne: ") + m_rec.Emne, 8);
    const QString bracketWarning = QStringLiteral("Der er måske noget galt med parenteserne.");
    if (KunFejlInfo) {
        if (!m_rec.Info.isEmpty())
            addRow(m_rec.Info, 10);
        if (!m_rec.Information.isEmpty())
            addRow(m_rec.Information, 11);
        if (m_rec.ParentesError)
            addRow(bracketWarning, 10);
    } else {
        if (!m_rec.Information.isEmpty())
            addRow(m_rec.Information, 11);
        if (!m_rec.Info.isEmpty())
            addRow(m_rec.Info, 10);
        if (m_rec.ParentesError)
            addRow(bracketWarning, 10);
        const bool preWaits = !m_rec.PreObjekt.isEmpty() && m_rec.Objekt == QLatin1String("object");
        if (!m_rec.PreObjekt.isEmpty() && !preWaits) {
            switch (m_objektIndex) {
            case 1:
                addRow(QStringLiteral("PreProperty: ") + m_rec.PreObjekt, 1);
                break;
            case 2:
                addRow(QStringLiteral("VbScript: ") + m_funktionsTekst, 8);
                break;
            default:
                addRow(QStringLiteral("PreObjekt: ") + m_rec.PreObjekt, 0);
            }
        }
        if (!m_rec.Objekt.isEmpty()) {
            addRow(QStringLiteral("Objekt: ") + m_rec.Objekt, 0);
            if (!m_rec.Obj.isEmpty())
                addRow(QStringLiteral("Objektinstans: ") + m_rec.Obj, 0);
        }
        if (!m_rec.Metode.isEmpty()) {
            if (preWaits)
                addRow(QStringLiteral("PreObjekt: ") + m_rec.PreObjekt, m_objektIndex);
            static const char *const kinds[] = {"Objekt: ", "Property: ", "Function: ", "Sub: "};
            if (m_metodeIndex >= 0 && m_metodeIndex <= 3)
                addRow(QString::fromUtf8(kinds[m_metodeIndex]) + m_rec.Metode, m_metodeIndex);
            else
                addRow(QStringLiteral("Metode: ") + m_rec.Metode, -1);
        }
        if (!m_rec.ReturnVal.isEmpty())
            addRow(QStringLiteral("Returneringsværdi: ") + m_rec.ReturnVal, -1);
        if (!m_rec.Paratype.isEmpty())
            addRow(u'*' + m_rec.Paratype, -1);
        if (!m_paraArray.isEmpty())
            addRow(QStringLiteral("*Indførte: ") + m_paraArray.join(u','), -1);
        if (!m_rec.Parametre.isEmpty())
            addRow(QStringLiteral("Parametre: ") + m_rec.Parametre, -1);
        if (m_rec.ParamCount > 0)
            addRow(QStringLiteral("Antal: ") + QString::number(m_rec.ParamCount), -1);
        if (!m_rec.Obj.isEmpty()) {
            if (!m_rec.VariabelValue.isEmpty()) {
                addRow(QStringLiteral("*Variabel: ") + m_rec.Obj, -1);
                addRow(QStringLiteral("*Værdi: ") + m_rec.VariabelValue, -1);
            } else if (m_rec.Objekt.isEmpty())
                addRow(QStringLiteral("Obj: ") + m_rec.Obj, -1);
        } else if (!m_rec.VariabelValue.isEmpty())
            addRow(QStringLiteral("Værdi: ") + m_rec.VariabelValue, -1);
    }
    if (m_info.size() > before)
        m_recErUdskrevet = true;
}

} // namespace taglund
