#include "generators/skemagenerator.h"
#include "core/text/textfile.h"

#include <QFileInfo>

namespace taglund {

namespace {

void normaliserTael(QString &field, const QString &tom, const QString &standard)
{
    if (field.isEmpty())
        field = tom;
    else if (taelVaerdi(field) < 0)
        field = standard;
}

int tael(const QString &field)
{
    return std::max(0, taelVaerdi(field));
}

void raekker(TKodeLinjer &out, int antal, int celler, const QString &celle, bool enLinje)
{
    for (int r = 0; r < antal; ++r) {
        if (enLinje) {
            out.append({QStringLiteral("<tr>") + celle.repeated(celler) + QStringLiteral("</tr>")});
            continue;
        }
        out.append({QStringLiteral("<tr>")});
        for (int c = 0; c < celler; ++c)
            out.append({celle});
        out.append({QStringLiteral("</tr>")});
    }
}

void sektion(TKodeLinjer &out, const QString &antal, bool wrapper, const QString &tag, const QString &celleTag,
             const TSkemaValg &v, int celler)
{
    if (antal == u"0")
        return;
    if (wrapper)
        out.append({u'<' + tag + u'>'});
    const QString tekst = v.udskrivTekstCheck ? QStringLiteral("XXX") : QString();
    raekker(out, tael(antal), celler, u'<' + celleTag + u'>' + tekst + QStringLiteral("</") + celleTag + u'>',
            v.udskrivCheck);
    if (wrapper)
        out.append({QStringLiteral("</") + tag + u'>'});
}

// A count line read from the file: empty or one to three digits is kept; a
// longer number gives the field's first value; anything else ends the reading.
bool laesTael(SettingsReader &r, QString &field, const QString &standard)
{
    if (!r.ok())
        return false;
    QString t;
    if (!r.text(t))
        return false;
    t = t.trimmed();
    if (t.isEmpty() || taelVaerdi(t) >= 0) {
        field = t;
        return true;
    }
    bool number = false;
    t.toLongLong(&number);
    if (!number)
        return false;
    field = standard;
    return true;
}

} // namespace

void normaliserSkema(TSkemaValg &v)
{
    const TSkemaValg d;
    normaliserTael(v.theadEdit, QStringLiteral("0"), d.theadEdit);
    normaliserTael(v.tbodyEdit, QStringLiteral("0"), d.tbodyEdit);
    normaliserTael(v.tfootEdit, QStringLiteral("0"), d.tfootEdit);
    normaliserTael(v.colEdit, QStringLiteral("0"), d.colEdit);
    normaliserTael(v.kolonnerEdit, QStringLiteral("1"), d.kolonnerEdit);
    if (v.kolonnerEdit == u"0")
        v.kolonnerEdit = QStringLiteral("1");
}

TKodeLinjer skemaLinjer(TSkemaValg &v)
{
    normaliserSkema(v);
    const int celler = std::max(1, tael(v.kolonnerEdit));
    TKodeLinjer out;
    out.append({v.tableStyle1 ? QStringLiteral("<table class=\"\">") : QStringLiteral("<table>")});
    if (!v.captionEdit.isEmpty())
        out.append({QStringLiteral("<caption>") + htmlText(v.captionEdit) + QStringLiteral("</caption>")});
    if (v.colEdit != u"0") {
        QString col = QStringLiteral("<col");
        if (v.colSpanCheck)
            col += QStringLiteral(" span=\"\"");
        if (v.colStyleCheck)
            col += QStringLiteral(" style=\"") + (v.colStyle1 ? QStringLiteral("background-color: #;") : QString())
                   + u'"';
        col += u'>';
        out.append({QStringLiteral("<colgroup>")});
        for (int i = tael(v.colEdit); i > 0; --i)
            out.append({col});
        out.append({QStringLiteral("</colgroup>")});
    }
    sektion(out, v.theadEdit, v.theadCheck, QStringLiteral("thead"), QStringLiteral("th"), v, celler);
    sektion(out, v.tbodyEdit, v.tbodyCheck, QStringLiteral("tbody"), QStringLiteral("td"), v, celler);
    sektion(out, v.tfootEdit, v.tfootCheck, QStringLiteral("tfoot"), QStringLiteral("td"), v, celler);
    out.append({QStringLiteral("</table>"), false});
    return out;
}

TKodeLinjer skemaCssLinjer(const TSkemaValg &v)
{
    TKodeLinjer out;
    if (v.cssCheck)
        out.append({QStringLiteral("<style type=\"text/css\">")});
    if (!v.captionEdit.isEmpty())
        out.append({QStringLiteral("caption{}")});
    if (v.theadCheck)
        out.append({QStringLiteral("thead{}")});
    if (v.tbodyCheck)
        out.append({QStringLiteral("tbody{}")});
    if (v.tfootCheck)
        out.append({QStringLiteral("tfoot{}")});
    if (!v.theadEdit.isEmpty() && v.theadEdit != u"0") {
        out.append({QStringLiteral("table,th,td{}")});
        out.append({QStringLiteral("th,td{}")});
    } else {
        out.append({QStringLiteral("table,td{}")});
    }
    out.append({QStringLiteral("th{}")});
    out.append({QStringLiteral("td{}")});
    if (v.cssCheck)
        out.append({QStringLiteral("</style>"), false});
    return out;
}

TSkemaIndstillinger laesSkemaIndstillinger(const QString &path)
{
    TSkemaIndstillinger s;
    if (!QFileInfo::exists(path))
        return s;
    SettingsReader r = SettingsReader::fromFile(path);
    TSkemaValg &v = s.valg;
    const TSkemaValg d;
    (void)(r.number(s.top) && r.number(s.left) && r.flag(v.theadCheck) && r.flag(v.tbodyCheck)
           && r.flag(v.tfootCheck) && r.flag(v.tableStyle1) && r.flag(v.colSpanCheck) && r.flag(v.colStyleCheck)
           && r.flag(v.colStyle1) && r.flag(v.udskrivCheck) && r.flag(v.udskrivTekstCheck) && r.flag(v.cssCheck)
           && laesTael(r, v.theadEdit, d.theadEdit) && laesTael(r, v.tbodyEdit, d.tbodyEdit)
           && laesTael(r, v.tfootEdit, d.tfootEdit) && laesTael(r, v.kolonnerEdit, d.kolonnerEdit)
           && laesTael(r, v.colEdit, d.colEdit));
    return s;
}

QStringList skemaIndstillingsLinjer(const TSkemaIndstillinger &s)
{
    const TSkemaValg &v = s.valg;
    SettingsWriter w;
    w.number(s.top).number(s.left).flag(v.theadCheck).flag(v.tbodyCheck).flag(v.tfootCheck).flag(v.tableStyle1)
        .flag(v.colSpanCheck).flag(v.colStyleCheck).flag(v.colStyle1).flag(v.udskrivCheck).flag(v.udskrivTekstCheck)
        .flag(v.cssCheck).text(v.theadEdit).text(v.tbodyEdit).text(v.tfootEdit).text(v.kolonnerEdit).text(v.colEdit);
    return w.lines();
}

bool gemSkemaIndstillinger(const QString &path, const TSkemaIndstillinger &s, QString *error)
{
    return TextFile::writeLines(path, skemaIndstillingsLinjer(s), error);
}

} // namespace taglund
