#include "structures/infoviewer.h"

#include "core/text/paths.h"
#include "core/text/textfile.h"
#include "structures/structurehost.h"
#include "structures/strukturlib.h"
#include "ui/questions.h"

#include <QDir>
#include <QFileInfo>

namespace taglund {

const QList<TStrukturKnap> &infoStrukturKnapper()
{
    static const QList<TStrukturKnap> knapper{
        {QStringLiteral("Program"), QStringLiteral("Vis program informations struktur"),
         QStringLiteral("Information"), QStringLiteral("Taglund")},
        {QStringLiteral("HTML"), QStringLiteral("Vis HTML informations struktur"), QStringLiteral("Html5"),
         QStringLiteral("Html5")},
        {QStringLiteral("Eksempler"), QStringLiteral("Vis struktur med eksempler"), QStringLiteral("Eksempler"),
         QString()},
        {QStringLiteral("ASP"), QStringLiteral("Vis ASP informationsstruktur"), QStringLiteral("ASP"),
         QStringLiteral("ASP")},
        {QStringLiteral("CSS"), QStringLiteral("Vis CSS informations struktur"), QStringLiteral("CSS"),
         QStringLiteral("CSS")},
        {QStringLiteral("JavaScript"), QStringLiteral("Vis JavaScript informations struktur"),
         QStringLiteral("JavaScript"), QStringLiteral("Information")},
        {QStringLiteral("VbScript"), QStringLiteral("Vis VbScript informationsstruktur"), QStringLiteral("VBS"),
         QStringLiteral("Information")},
    };
    return knapper;
}

namespace {
bool sameFile(const QString &a, const QString &b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    return normalSeparators(a).compare(normalSeparators(b), Qt::CaseInsensitive) == 0
           || samePath(normalSeparators(a), normalSeparators(b));
}

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

bool containsWholeWord(const QString &hay, const QString &word)
{
    qsizetype from = 0;
    while ((from = hay.indexOf(word, from, Qt::CaseInsensitive)) >= 0) {
        const qsizetype end = from + word.size();
        const bool startOk = from == 0 || !isWordChar(hay[from - 1]) || !isWordChar(word.front());
        const bool endOk = end >= hay.size() || !isWordChar(hay[end]) || !isWordChar(word.back());
        if (startOk && endOk)
            return true;
        ++from;
    }
    return false;
}
} // namespace

TInfoViewer::TInfoViewer(TStructureHost *host, QObject *parent) : QObject(parent), m_host(host)
{
    m_struktur.DataOn = true;
}

void TInfoViewer::message(const QString &text) const
{
    ui::showInfo(nullptr, text);
}

void TInfoViewer::HelpInfo(const QString &sName, const QString &S)
{
    m_searchText = S;
    emit searchTextChanged(S);
    if (!StrukturLib::isValidName(sName)) {
        message(StrukturLib::invalidNameMessage(sName));
        m_naviKlikket = false;
        return;
    }
    m_strukturnavn = sName;
    if (m_newNavn.compare(m_strukturnavn, Qt::CaseInsensitive) != 0 || m_struktur.Strukturfile.isEmpty())
        LoadStruktur();
    goToInfo(S);
    emit focusPageRequested();
}

void TInfoViewer::LoadStruktur()
{
    m_objectIcons = m_strukturnavn.compare(QStringLiteral("VBS"), Qt::CaseInsensitive) == 0;
    emit iconSetChanged(m_objectIcons);
    const QString infodir = m_host ? m_host->infodir() : QString();
    if (StrukturLib::setupInformation(m_struktur, infodir, m_strukturnavn)) {
        m_mappe = StrukturLib::informationPaths(infodir, m_strukturnavn).mappe;
        m_struktur.HentStruktur();
    } else {
        m_mappe.clear();
        m_struktur.Strukturfile.clear();
        m_struktur.Clear();
    }
    // Remember what is loaded, whoever asked for it, so the next HelpInfo
    // knows whether it must load.
    m_newNavn = m_strukturnavn;
    emit captionChanged(m_strukturnavn);
    emit countChanged(m_struktur.Count());
}

void TInfoViewer::selectNode(TStrukturNode *node)
{
    m_struktur.select(node);
    m_struktur.makeVisible(node);
    m_struktur.setExpanded(node, true);
}

bool TInfoViewer::goToInfo(const QString &openNodetekst)
{
    emit showRequested();
    if (m_struktur.Count() == 0)
        return false;
    const QString wanted = openNodetekst.isEmpty() ? m_struktur.Node(0)->text : openNodetekst;
    for (TStrukturNode *n : m_struktur.tree().preorder()) {
        if (n->text.compare(wanted, Qt::CaseInsensitive) == 0) {
            selectNode(n);
            showPageOf(n);
            return true;
        }
    }
    selectNode(m_struktur.Node(0));
    showPageOf(m_struktur.Node(0));
    return false;
}

void TInfoViewer::showSelectedPage()
{
    showPageOf(m_struktur.Selected());
}

void TInfoViewer::showPageOf(TStrukturNode *node)
{
    const QString page = m_struktur.pageOf(node);
    if (page.isEmpty() || sameFile(page, m_hjemmeside))
        return;  // nothing new will be shown
    navigate(QUrl::fromLocalFile(QFileInfo(page).absoluteFilePath()));
}

void TInfoViewer::navigate(const QUrl &url)
{
    if (!url.isValid())
        return;
    m_navigated = true;
    emit navigateRequested(url);
}

QString TInfoViewer::localPath(const QUrl &url) const
{
    return url.isLocalFile() ? normalSeparators(url.toLocalFile()) : QString();
}

void TInfoViewer::pageShown(const QUrl &url)
{
    const QString local = localPath(url);
    emit addressChanged(local.isEmpty() ? url.toString() : fileNameOf(local));
    // Pages of different structures often share a file name: the full path
    // tells whether this page is already handled.
    const QString key = local.isEmpty() ? url.toString() : local;
    if (key.isEmpty() || key.compare(m_oldUrl, Qt::CaseInsensitive) == 0 || sameFile(key, m_oldUrl))
        return;
    m_oldUrl = key;
    if (m_autoEdit && m_host && sameFile(m_host->activeDocumentPath(), m_hjemmeside))
        m_host->closeActiveDocument();
    m_hjemmeside = local;

    if (m_naviKlikket) {
        m_naviKlikket = false;
    } else {
        // Only a page of the loaded structure can name an entry of it.
        const bool ours = !local.isEmpty() && sameFile(folderOf(local), m_struktur.Infomappe);
        // The entry asked for keeps the selection when it names this page;
        // otherwise the first entry naming it is chosen.
        QString entry;
        TStrukturNode *sel = m_struktur.Selected();
        if (ours && sel && sel->hasData && sel->payload() == QFileInfo(local).completeBaseName())
            entry = sel->text;
        else if (ours)
            entry = m_struktur.getNodeTekst(local);
        if (!entry.isEmpty()) {
            int row = -1;
            for (int i = 0; i < m_history.size(); ++i)
                if (m_history[i].entry.compare(entry, Qt::CaseInsensitive) == 0
                    && m_history[i].structure.compare(m_strukturnavn, Qt::CaseInsensitive) == 0)
                    row = i;
            if (row < 0) {
                m_history.append({entry, m_strukturnavn});
                row = int(m_history.size()) - 1;
            }
            m_urlIndex = row;
        }
    }
    emit historyChanged();
    if (m_autoEdit && m_host && QFileInfo(m_hjemmeside).isFile())
        m_host->openDocument(m_hjemmeside);
}

void TInfoViewer::navigationStarted()
{
    m_globalUrl.clear();
}

void TInfoViewer::linkHovered(const QString &url)
{
    m_globalUrl.clear();
    const QUrl u(url, QUrl::TolerantMode);
    if (!url.isEmpty() && u.isValid() && !u.scheme().isEmpty())
        m_globalUrl = url;
    emit statusTextChanged(m_globalUrl);
}

void TInfoViewer::newWindowRequested(const QUrl &requested)
{
    if (requested.isValid() && !requested.isEmpty())
        navigate(requested);
    else if (!m_globalUrl.isEmpty())
        navigate(QUrl(m_globalUrl));
}

void TInfoViewer::goToStruktur(int aIndex)
{
    if (aIndex < 0 || aIndex >= m_history.size())
        return;
    m_urlIndex = aIndex;
    const THistorikRaekke row = m_history[aIndex];
    m_naviKlikket = true;
    m_navigated = false;
    HelpInfo(row.structure, row.entry);
    // No page change will come to consume the flag when the page was already
    // shown (or the entry has none): the next change is not history navigation.
    if (!m_navigated)
        m_naviKlikket = false;
    emit historyChanged();
}

bool TInfoViewer::canFirst() const
{
    return m_history.size() >= 2 && m_urlIndex > 0;
}
bool TInfoViewer::canBack() const
{
    return m_urlIndex > 0;
}
bool TInfoViewer::canForward() const
{
    return m_urlIndex < m_history.size() - 1;
}
bool TInfoViewer::canLast() const
{
    return m_history.size() >= 2 && m_urlIndex < m_history.size() - 1;
}
void TInfoViewer::first()
{
    if (canFirst())
        goToStruktur(0);
}
void TInfoViewer::back()
{
    if (canBack())
        goToStruktur(std::max(m_urlIndex - 1, 0));
}
void TInfoViewer::forward()
{
    if (canForward())
        goToStruktur(std::min(m_urlIndex + 1, int(m_history.size()) - 1));
}
void TInfoViewer::last()
{
    if (canLast())
        goToStruktur(int(m_history.size()) - 1);
}

void TInfoViewer::clearHistory()
{
    m_history.clear();
    m_urlIndex = -1;
    emit historyChanged();
}

QUrl TInfoViewer::searchUrl(const QString &term)
{
    return QUrl::fromEncoded(QByteArrayLiteral("https://www.google.com/search?q=") + QUrl::toPercentEncoding(term),
                             QUrl::StrictMode);
}

QUrl TInfoViewer::addressTarget(const QString &text) const
{
    if (text.isEmpty())
        return {};
    if (isSafeFileName(text) && !m_struktur.Infomappe.isEmpty()) {
        const QString page = joinPath(m_struktur.Infomappe, text);
        if (QFileInfo(page).isFile())
            return QUrl::fromLocalFile(QFileInfo(page).absoluteFilePath());
    }
    return searchUrl(text);
}

QUrl TInfoViewer::resultTarget(const QString &name) const
{
    if (!isSafeFileName(name) || m_struktur.Infomappe.isEmpty())
        return {};
    return QUrl::fromLocalFile(QFileInfo(joinPath(m_struktur.Infomappe, name + QStringLiteral(".html"))).absoluteFilePath());
}

TInfoViewer::SearchResult TInfoViewer::search(const QString &text) const
{
    SearchResult r;
    if (m_mappe.isEmpty() || !QFileInfo(m_mappe).isDir()) {
        r.message = QStringLiteral("Filerne blev ikke fundet.");
        return r;
    }
    if (text.isEmpty()) {
        r.message = QStringLiteral("Der mangler en søgetekst.");
        return r;
    }
    const QFileInfoList files = QDir(m_mappe).entryInfoList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &fi : files) {
        QByteArray bytes;
        if (!TextFile::readBytes(fi.filePath(), bytes))
            continue;
        if (containsWholeWord(TextFile::decodeDocument(bytes).text, text))
            r.names << fi.completeBaseName();
    }
    return r;
}

bool TInfoViewer::searchNext(const QString &text)
{
    const int count = m_struktur.Count();
    if (text.isEmpty() || count == 0)
        return false;
    const int selected = m_struktur.getTheSelectedIndex();
    const int start = selected < 0 ? 0 : (selected + 1) % count;
    for (int k = 0; k < count; ++k) {
        TStrukturNode *n = m_struktur.Node((start + k) % count);
        if (n->text.compare(text, Qt::CaseInsensitive) == 0) {
            selectNode(n);
            showPageOf(n);
            return true;
        }
    }
    return false;
}

void TInfoViewer::rediger(TRedigerValg valg)
{
    const bool pageExists = !m_hjemmeside.isEmpty() && QFileInfo(m_hjemmeside).isFile();
    if (valg == TRedigerValg::Hjemmeside) {
        if (!pageExists) {
            message(QStringLiteral("Filen blev ikke fundet."));
            return;
        }
        if (m_host)
            m_host->openDocument(m_hjemmeside);
        return;
    }
    if (!pageExists)
        return;
    const QString design = joinPath(folderOf(m_hjemmeside), QStringLiteral("Design og funktioner"));
    if (!QFileInfo(design).isDir())
        return;
    const QString file =
        joinPath(design, valg == TRedigerValg::Stylesheet ? QStringLiteral("design.css") : QStringLiteral("funktioner.js"));
    if (!QFileInfo(file).isFile()) {
        message(QStringLiteral("Filen blev ikke fundet."));
        return;
    }
    if (m_host)
        m_host->openDocument(file);
}

} // namespace taglund
