#include "core/model/egenskaber.h"

#include "core/model/mainoptions.h"
#include "core/text/textfile.h"

namespace taglund {

QStringList TFiltypeListe::load(const QString &file)
{
    m_rows.clear();
    QStringList lines;
    if (!TextFile::readLines(file, lines))
        return {};
    QStringList refused;
    for (qsizetype i = 0; i + 1 < lines.size(); i += 2) {
        const QString message = indfoer(lines[i]);
        if (!message.isEmpty()) {
            refused << message;
            continue;
        }
        m_rows.last().registered = lines[i + 1] == u"Ja";
    }
    return refused;
}

bool TFiltypeListe::save(const QString &file, QString *error) const
{
    QStringList lines;
    for (const TFiltypeRaekke &r : m_rows)
        lines << r.ext << (r.registered ? QStringLiteral("Ja") : QStringLiteral("Nej"));
    return TextFile::writeLines(file, lines, error);
}

int TFiltypeListe::indexOf(const QString &ext) const
{
    for (int i = 0; i < m_rows.size(); ++i)
        if (m_rows[i].ext == ext)
            return i;
    return -1;
}

QString TFiltypeListe::indfoer(const QString &ext)
{
    if (indexOf(ext) >= 0)
        return AlleredeIndfoert;
    m_rows.append({ext, false});
    return {};
}

void TFiltypeListe::setRegistered(int row, bool on)
{
    if (row >= 0 && row < m_rows.size())
        m_rows[row].registered = on;
}

QString TFiltypeListe::sletValgte(int row)
{
    if (row < 0 || row >= m_rows.size())
        return {};
    if (m_rows[row].registered)
        return FjernFoerst;
    m_rows.removeAt(row);
    return {};
}

TVisElementer TVisElementer::fromOptions(TMainOptions &o)
{
    if (o.visHtmlbog) {
        o.visBokslinjen = false;
        o.visKodelinjen = false;
        o.visRedskabslinjen = false;
    }
    TVisElementer v;
    v.kodelinjen = o.visKodelinjen;
    v.bokslinjen = o.visBokslinjen;
    v.redskabslinjen = o.visRedskabslinjen;
    v.htmlbog = o.visHtmlbog;
    v.webpanel = o.visWebpanel;
    v.hovedlinje = o.visHovedlinje;
    v.projektbogen = o.visProjektbogen;
    return v;
}

void TVisElementer::toOptions(TMainOptions &o) const
{
    o.visKodelinjen = kodelinjen;
    o.visBokslinjen = bokslinjen;
    o.visRedskabslinjen = redskabslinjen;
    o.visHtmlbog = htmlbog;
    o.visWebpanel = webpanel;
    o.visHovedlinje = hovedlinje;
    o.visProjektbogen = projektbogen;
}

bool TVisElementer::ticked(Boks which) const
{
    switch (which) {
    case Kodelinjen: return kodelinjen;
    case Bokslinjen: return bokslinjen;
    case Redskabslinjen: return redskabslinjen;
    case Htmlbog: return htmlbog;
    case Webpanel: return webpanel;
    case Hovedlinje: return hovedlinje;
    case Projektbogen: return projektbogen;
    }
    return false;
}

void TVisElementer::tick(Boks which, bool on)
{
    bool *const boxes[] = {&kodelinjen, &bokslinjen, &redskabslinjen, &htmlbog, &webpanel, &hovedlinje, &projektbogen};
    *boxes[which] = on;
    if (!on)
        return;
    if (which == Htmlbog)
        kodelinjen = bokslinjen = redskabslinjen = false;
    else if (which == Kodelinjen || which == Bokslinjen || which == Redskabslinjen)
        htmlbog = false;
}

} // namespace taglund
