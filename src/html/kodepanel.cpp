#include "html/kodepanel.h"

#include "html/infotag.h"
#include "html/knowledge.h"

namespace taglund {

TKodePanel::TKodePanel(Tinfotag &engine, THtmlPanelHost &host) : m_engine(engine), m_host(host)
{
    kodeliste.caption = QStringLiteral("Koder");
    betweenliste.caption = QStringLiteral("Mellem koder");
    attributliste.caption = QStringLiteral("Attributter");
    valueliste.caption = QStringLiteral("Attribut værdier");
}

TPanelList &TKodePanel::list(Liste which)
{
    switch (which) {
    case Koder:
        return kodeliste;
    case Mellem:
        return betweenliste;
    case Attributter:
        return attributliste;
    default:
        return valueliste;
    }
}

void TKodePanel::start()
{
    Koden = QStringLiteral("a");
    LoadKodeliste(0);
    LoadBetweenliste(Koden);
    LoadAttributliste(Koden);
    LoadValueliste(Koden, QStringLiteral("download"));
}

bool TKodePanel::loadRows(TPanelList &l, const QString &path)
{
    l.clear();
    return Knowledge::readList(path, l.rows);
}

void TKodePanel::LoadKodeliste(int index)
{
    const TListFile &f = kategoriFil(index);
    kodeliste.clear();
    if (isKategoriIndex(index)
        && loadRows(kodeliste, Knowledge::listFile(m_engine.dirs().htmllistedir,
                                                  QString::fromLatin1(f.file).chopped(4))))
        kodeliste.caption = QString::fromUtf8(f.caption);
}

void TKodePanel::LoadAttributliste(const QString &E)
{
    if (loadRows(attributliste, Knowledge::listFile(m_engine.dirs().attributedir, E)))
        attributliste.caption = u'<' + E;
}

void TKodePanel::LoadBetweenliste(const QString &E)
{
    loadRows(betweenliste, Knowledge::listFile(m_engine.dirs().betweendir, E));
    betweenliste.caption = u'<' + E + u'>';
}

void TKodePanel::LoadValueliste(const QString &E, const QString &A)
{
    // The values written next belong to this attribute, however the list
    // was reached (a click or the caret).
    Attributten = A;
    if (!loadRows(valueliste, Knowledge::valueFile(m_engine.dirs().valuedir, E, A)))
        return;
    valueliste.caption = u'<' + E + u' ' + A;
    if (!m_engine.UAttributliste().contains(A))
        valueliste.caption += QStringLiteral("=\"");
}

void TKodePanel::LoadGloballiste(int index)
{
    const TListFile &f = globalFil(index);
    attributliste.clear();
    if (isGlobalIndex(index)
        && loadRows(attributliste, Knowledge::listFile(m_engine.dirs().attributedir,
                                                      QString::fromLatin1(f.file).chopped(4))))
        attributliste.caption = QString::fromUtf8(f.caption);
}

void TKodePanel::click(Liste which, int row)
{
    TPanelList &l = list(which);
    l.current = (row >= 0 && row < l.rows.size()) ? row : -1;
    switch (which) {
    case Koder:
        if (l.current < 0)
            return;
        Koden = Knowledge::snippetName(l.currentText());
        LoadAttributliste(Koden);
        LoadBetweenliste(Koden);
        break;
    case Mellem:
        if (l.current < 0)
            return;
        Koden = Knowledge::snippetName(l.currentText());
        LoadAttributliste(Koden);
        break;
    case Attributter:
        valueliste.clear();
        if (!Koden.isEmpty() && l.current >= 0) {
            LoadValueliste(Koden, l.currentText());
        } else {
            Attributten.clear();
            valueliste.caption = QStringLiteral("Attribut værdier");
        }
        break;
    case Vaerdier:
        break;
    }
}

void TKodePanel::write(Liste which, int row)
{
    TPanelList &l = list(which);
    if (row < 0 || row >= l.rows.size() || !m_engine.Editor())
        return;
    const QString caption = l.rows[row];
    switch (which) {
    case Koder:
    case Mellem:
        m_engine.UdskrivKoder(caption, u'>', 1);
        break;
    case Attributter:
        m_engine.udskrivAttribut(caption);
        break;
    case Vaerdier:
        if (Knowledge::isValueHeading(caption)) {
            // A heading is never written; all but "CSS" hand the focus back.
            if (caption != u"CSS")
                m_host.focusDocument();
            return;
        }
        m_engine.udskrivAttValue(Attributten, caption);
        break;
    }
}

void TKodePanel::enter(Liste which, int row)
{
    if (which != Vaerdier)
        click(which, row);
    write(which, row);
    kodeBuffer = bufferStart(which);
}

void TKodePanel::showInformation(Liste which)
{
    m_host.HelpInfo(QStringLiteral("Html5"), which == Attributter ? Attributten : Koden);
}

void TKodePanel::sendToFindField(Liste which, int row)
{
    const QString caption = list(which).rows.value(row);
    m_host.setFindText((which == Attributter ? QStringLiteral("Html attribut ") : QStringLiteral("Html ")) + caption);
}

QString TKodePanel::bufferStart(Liste which) const
{
    return which == Koder ? QStringLiteral("<") : QString();
}

void TKodePanel::focusList(Liste which)
{
    kodeBuffer = bufferStart(which);
}

int TKodePanel::keyPress(Liste which, QChar key)
{
    if (key < u'a' || key > u'z') {
        kodeBuffer = bufferStart(which);
        return -1;
    }
    kodeBuffer += key;
    // Between rows begin with "<", the typed letters follow it.
    const qsizetype at = which == Mellem ? 1 : 0;
    TPanelList &l = list(which);
    for (int i = 0; i < l.rows.size(); ++i) {
        if (l.rows[i].indexOf(kodeBuffer) == at) {
            l.current = i;
            return i;
        }
    }
    kodeBuffer = bufferStart(which);
    return -1;
}

void TKodePanel::getKode()
{
    if (m_engine.autoKode)
        VisAktuelKode(m_engine.GetTag());
}

void TKodePanel::resetCaptions()
{
    betweenliste.caption = QStringLiteral("Mellemkoder");
    attributliste.caption = QStringLiteral("Attributter");
    valueliste.caption = QStringLiteral("Attribut værdier");
}

int TKodePanel::findRow(const TPanelList &l, const QString &prefix) const
{
    for (int i = 0; i < l.rows.size(); ++i)
        if (l.rows[i].startsWith(prefix, Qt::CaseInsensitive))
            return i;
    return -1;
}

void TKodePanel::VisAktuelKode(const QString &T)
{
    resetCaptions();
    const bool changed = T.compare(Koden, Qt::CaseInsensitive) != 0;
    if (changed) {
        Koden = T;
        kodeliste.caption = T;
        int row = findRow(kodeliste, Knowledge::snippetFor(T, m_engine.Nosluttagliste().contains(T)));
        if (row < 0)
            row = findRow(kodeliste, u'<' + T);
        if (row >= 0)
            kodeliste.current = row;
    }
    switch (m_engine.PosData.CurPos) {
    case cpInside: {
        betweenliste.clear();
        if (changed || attributliste.rows.isEmpty())
            LoadAttributliste(Koden);
        QString attribute = m_engine.PosData.Attribut;
        if (attribute.isEmpty())
            attribute = m_engine.FindOrdAttribut();
        if (!attribute.isEmpty())
            LoadValueliste(Koden, attribute);
        else
            valueliste.clear();
        break;
    }
    case cpBetween:
        attributliste.clear();
        valueliste.clear();
        betweenliste.clear();
        LoadBetweenliste(Koden);
        break;
    default:
        attributliste.clear();
        valueliste.clear();
        betweenliste.clear();
        break;
    }
}

void TKodePanel::SoegKode(const QString &text)
{
    if (!m_engine.autoKode)
        return;
    kodenFundet = false;
    resetCaptions();
    if (text.compare(Koden, Qt::CaseInsensitive) == 0)
        return;
    Koden = text;
    kodeliste.caption = text;
    const int row = findRow(kodeliste, Knowledge::snippetFor(text, m_engine.Nosluttagliste().contains(text)));
    if (row >= 0) {
        kodenFundet = true;
        click(Koder, row);
        return;
    }
    const int near = findRow(kodeliste, u'<' + text);
    if (near >= 0)
        kodeliste.current = near;
}

void TKodePanel::writeFound()
{
    if (!kodenFundet)
        return;
    m_engine.UdskrivKoder(kodeliste.currentText(), u'>', 1);
    kodenFundet = false;
    getKode();
    m_host.focusDocument();
}

bool TKodePanel::autokodeClicked(bool ticked)
{
    if (!ticked) {
        if (m_host.documentOpen())
            m_host.setDocAutoKode(false);
        m_engine.autoKode = false;
        return false;
    }
    if (!m_host.documentOpen()) {
        m_engine.autoKode = false;
        m_host.showMessage(QStringLiteral("Der er ingen åbne dokumenter."));
        return false;
    }
    const QString ext = m_host.activeDocExt();
    if (ext.compare(u".html", Qt::CaseInsensitive) != 0 && ext.compare(u".asp", Qt::CaseInsensitive) != 0
        && ext.compare(u".inc", Qt::CaseInsensitive) != 0) {
        m_engine.autoKode = false;
        m_host.showMessage(QStringLiteral("Dokumentet er ikke et html dokument."));
        return false;
    }
    m_engine.autoKode = true;
    m_host.setDocAutoKode(true);
    return true;
}

void TKodePanel::InsertSlutkode()
{
    const QString tag = m_engine.GetTag();
    if (tag.isEmpty()) {
        m_host.setStatusText(QStringLiteral("Der er ingen aktuel kode"));
        return;
    }
    if (m_engine.PosData.CurPos == cpBetween && !m_engine.UdskrivSlutkode())
        m_host.showMessage(QStringLiteral("Koden blev ikke fundet"));
}

void TKodePanel::FindHtml()
{
    if (!m_host.documentOpen() || m_host.activeDocExt() == u".css")
        return;
    const QString tag = m_engine.GetTag();
    if (tag.isEmpty())
        m_host.showMessage(QStringLiteral("Der er ikke nogen aktuel html-kode."));
    else
        VisAktuelKode(tag);
}

void TKodePanel::FindHtmlFromDocument(bool panelVisible)
{
    if (panelVisible)
        FindHtml();
    else
        m_host.showMessage(
            QStringLiteral("Html-panelet skal være aktiveret, før funktionen virker!\rProgramelementer/Html elementer/Html panelet"));
}

void TKodePanel::HtmlInfo()
{
    const QString tag = m_engine.GetTag();
    const TPosData &p = m_engine.PosData;
    if (p.CurPos == cpBetween || p.Attribut.isEmpty()) {
        m_host.HelpInfo(QStringLiteral("Html5"), tag);
        return;
    }
    const QString attribute = p.Attribut.toLower();
    if (attribute != u"style") {
        m_host.HelpInfo(QStringLiteral("Html5"), attribute);
        return;
    }
    const QString word = m_engine.FindOrdCSS();
    if (!word.isEmpty())
        m_host.HelpInfo(QStringLiteral("CSS"), word);
    else
        m_host.HelpInfo(QStringLiteral("Html5"), QStringLiteral("Globale Attributter"));
}

void TKodePanel::JsInfo()
{
    m_host.HelpInfo(QStringLiteral("JavaScript"), m_engine.FindOrdJs());
}

void TKodePanel::CssInfo()
{
    m_host.HelpInfo(QStringLiteral("CSS"), m_engine.FindOrdCSS());
}

void TKodePanel::AspInfo()
{
    m_host.HelpInfo(QStringLiteral("ASP"), m_engine.FindOrdAsp());
}

void TKodePanel::VbInfo()
{
    m_host.HelpInfo(QStringLiteral("VBS"), m_engine.FindOrd());
}

} // namespace taglund
