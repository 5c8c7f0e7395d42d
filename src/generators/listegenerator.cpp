#include "generators/listegenerator.h"
#include "core/text/textfile.h"

#include <QFileInfo>

namespace taglund {

namespace {

struct ListeType {
    const char *navn;
    const char *element;
    const char *start;
    const char *punkt;
    const char *slut;
    QList<const char *> css;
};

const ListeType &type(int i)
{
    static const ListeType typer[kListeTyper] = {
        {"Punktliste: ul", "ul", "<ul>", "<li></li>", "</ul>", {"ul{}", "ul li{}"}},
        {"Ordnet liste: ol", "ol", "<ol>", "<li></li>", "</ol>", {"ol{}", "ol li{}"}},
        {"Definitionsliste: dl", "dl", "<dl>", "<dt></dt><dd></dd>", "</dl>", {"dl{}", "dt{}", "dd{}"}},
        {"Valgliste: select", "select", "<select>", "<option value=\"\"></option>", "</select>",
         {"select{}", "select option{}", "optgroup{}", "optgroup option{}"}},
        {"Dataliste: datalist", "datalist", "<datalist id=\"\">", "<option value=\"\">", "</datalist>",
         {"datalist{}", "datalist option{}", "input{}"}},
    };
    return typer[i];
}

bool gyldigType(int t)
{
    return t >= 0 && t < kListeTyper;
}

int normaliserAntal(QString &field)
{
    if (taelVaerdi(field) < 0)
        field = QStringLiteral("0");
    return taelVaerdi(field);
}

// Start line, n item lines, end line; without items an empty line to type
// on between the tags, the caret returned to it.
TKodeLinjer omslut(const QString &start, const QString &punkt, const QString &slut, int n, bool slutMedSkift)
{
    TKodeLinjer out;
    if (n == 0) {
        out.append({start, true, true, false});
        out.append({QString()});
        out.append({slut, true, false, true});
        return out;
    }
    out.append({start});
    for (int i = 0; i < n; ++i)
        out.append({punkt});
    out.append({slut, slutMedSkift});
    return out;
}

} // namespace

QStringList listeTypeNavne()
{
    QStringList n;
    for (int i = 0; i < kListeTyper; ++i)
        n << QString::fromUtf8(type(i).navn);
    return n;
}

QString listeElement(int t)
{
    return gyldigType(t) ? QString::fromLatin1(type(t).element) : QString();
}

TKodeLinjer listeLinjer(TListeValg &v)
{
    const int n = normaliserAntal(v.listeAntalEdit);
    if (!gyldigType(v.listeType))
        return {};
    const ListeType &t = type(v.listeType);
    TKodeLinjer out;
    if (n != 0 && v.listeType == 4)
        out.append({QStringLiteral("<input list=\"\">")});
    out += omslut(QString::fromLatin1(t.start), QString::fromLatin1(t.punkt), QString::fromLatin1(t.slut), n, false);
    return out;
}

TKodeLinjer optgroupLinjer(TListeValg &v)
{
    const int n = normaliserAntal(v.listeOptgroupEdit);
    return omslut(QStringLiteral("<optgroup label=\"\">"), QStringLiteral("<option value=\"\"></option>"),
                  QStringLiteral("</optgroup>"), n, true);
}

TKodeLinjer listeCssLinjer(const TListeValg &v)
{
    TKodeLinjer out;
    if (v.listeStyleKodeCheck)
        out.append({QStringLiteral("<style type=\"text/css\">")});
    for (int i = 0; i < kListeTyper; ++i) {
        if (v.listeStyleSelCheck && i != v.listeType)
            continue;
        for (const char *rule : type(i).css)
            out.append({QString::fromLatin1(rule)});
    }
    if (v.listeStyleKodeCheck)
        out.append({QStringLiteral("</style>")});
    return out;
}

TListeIndstillinger laesListeIndstillinger(const QString &path)
{
    TListeIndstillinger s;
    if (!QFileInfo::exists(path))
        return s;
    SettingsReader r = SettingsReader::fromFile(path);
    TListeValg &v = s.valg;
    int t = 0;
    QString antal, optgroup;
    if (!(r.number(s.top) && r.number(s.left) && r.flag(v.listeStyleSelCheck) && r.flag(v.listeStyleKodeCheck)
          && r.number(t)))
        return s;
    // An index no type has keeps the first type.
    if (gyldigType(t))
        v.listeType = t;
    auto count = [&r](QString &field) {
        QString text;
        bool number = false;
        if (!r.text(text))
            return false;
        text = text.trimmed();
        if (text.isEmpty() || taelVaerdi(text) >= 0) {
            field = text;
            return true;
        }
        text.toLongLong(&number);
        if (number)
            field = QStringLiteral("0");
        return number;
    };
    (void)(count(v.listeAntalEdit) && count(v.listeOptgroupEdit));
    return s;
}

QStringList listeIndstillingsLinjer(const TListeIndstillinger &s)
{
    const TListeValg &v = s.valg;
    SettingsWriter w;
    w.number(s.top).number(s.left).flag(v.listeStyleSelCheck).flag(v.listeStyleKodeCheck)
        .number(gyldigType(v.listeType) ? v.listeType : 0).text(v.listeAntalEdit).text(v.listeOptgroupEdit);
    return w.lines();
}

bool gemListeIndstillinger(const QString &path, const TListeIndstillinger &s, QString *error)
{
    return TextFile::writeLines(path, listeIndstillingsLinjer(s), error);
}

} // namespace taglund
