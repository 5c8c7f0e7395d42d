#include "core/recovery/gendanner.h"
#include "core/text/filefacts.h"
#include "core/docarea.h"
#include "core/model/programpaths.h"
#include "core/programhost.h"
#include "core/recovery/gendanskriver.h"
#include "core/text/paths.h"
#include "ui/questions.h"

#include <QMainWindow>
#include <QTextDocument>

namespace taglund {

TGendanner::TGendanner(TProgramHost *host, QObject *parent)
    : QObject(parent), m_host(host), m_session(gendanMappe(host->paths().brugerdir))
{
    m_ur.start();
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &TGendanner::tick);
    QString error;
    if (m_session.aabn(&error)) {
        m_skriver = std::make_unique<TGendanSkriver>(m_session.mappe());
        connect(m_skriver.get(), &TGendanSkriver::fejl, this, &TGendanner::skriverFejl, Qt::QueuedConnection);
        connect(m_skriver.get(), &TGendanSkriver::skrevet, this, [this] { m_fejlVist = false; }, Qt::QueuedConnection);
    } else {
        skriverFejl(error);
    }
    host->addSubsystem(this);
}

TGendanner::~TGendanner()
{
    // Whatever is queued reaches the disk; the copies stay for the next
    // start unless afslutNormalt removed them.
    m_skriver.reset();
}

void TGendanner::setIntervaller(const TGendanIntervaller &iv)
{
    m_plan.setIntervaller(iv);
    planlaeg();
}

void TGendanner::skriverFejl(const QString &tekst)
{
    // One line in the status bar, not a box per attempt; editing goes on
    // and the next due copy tries again.
    if (m_fejlVist)
        return;
    m_fejlVist = true;
    m_host->setStatus(5, kFejlTekst.arg(tekst));
}

void TGendanner::decorateWindow(Twinform *w)
{
    m_docs[w->DocNo] = w;
    connect(w->text().document(), &QTextDocument::contentsChanged, this, [this, w = QPointer<Twinform>(w)] {
        if (w)
            documentChanged(w);
    });
    connect(w, &Twinform::modifiedChanged, this, &TGendanner::modifiedChanged);
}

void TGendanner::documentChanged(Twinform *w)
{
    m_plan.aendret(w->DocNo, nu());
    planlaeg();
}

void TGendanner::modifiedChanged(Twinform *w, bool modified)
{
    if (!modified)
        documentSaved(w);
}

void TGendanner::documentSaved(Twinform *w)
{
    m_plan.glem(w->DocNo);
    if (m_skriver)
        m_skriver->fjern(w->DocNo);
    planlaeg();
}

void TGendanner::documentClosed(Twinform *w)
{
    m_plan.lukket(w->DocNo);
    m_docs.erase(w->DocNo);
    if (m_skriver)
        m_skriver->fjern(w->DocNo);
    planlaeg();
}

bool TGendanner::venter(Twinform *w) const
{
    return w && m_plan.venter(w->DocNo);
}

void TGendanner::planlaeg()
{
    const qint64 t = m_plan.naeste();
    if (t < 0 || !m_skriver) {
        m_timer.stop();
        return;
    }
    m_timer.start(int(std::clamp<qint64>(t - nu(), 0, 24 * 3600 * 1000)));
}

void TGendanner::tick()
{
    const QList<int> due = m_plan.forfaldne(nu());
    for (int noegle : due) {
        auto it = m_docs.find(noegle);
        Twinform *w = it == m_docs.end() ? nullptr : it->second.data();
        if (!w) {
            m_plan.lukket(noegle);
            continue;
        }
        if (w->text().Modified())
            kopier(w);
        else
            documentSaved(w);
    }
    planlaeg();
}

void TGendanner::kopier(Twinform *w)
{
    if (!m_skriver)
        return;
    TGendanPost meta;
    meta.original = w->Filnavn;
    meta.caption = w->CapNavn;
    meta.docExt = w->DocExt;
    meta.encoding = w->encoding;
    meta.tid = QDateTime::currentDateTimeUtc();
    // The snapshot is taken here; encoding and writing happen on the writer's thread.
    if (w->isRich() && Twinform::rtfWriter)
        m_skriver->skrivRtf(w->DocNo, meta, Twinform::rtfWriter(w->text().document()));
    else
        m_skriver->skriv(w->DocNo, meta, w->text().document()->toRawText());
    m_plan.kopieret(w->DocNo, nu());
}

void TGendanner::kopierAlleNu()
{
    m_timer.stop();
    for (const auto &[noegle, w] : m_docs)
        if (w && w->text().Modified())
            kopier(w);
    if (m_skriver)
        m_skriver->vent();
}

void TGendanner::afslutNormalt()
{
    m_timer.stop();
    m_skriver.reset();
    m_session.fjernAlt();
}

int TGendanner::tilbydGendannelse()
{
    TForladteKopier forladte;
    forladte.find(gendanMappe(m_host->paths().brugerdir), m_session.mappe());
    if (forladte.fund().isEmpty() && forladte.noter().isEmpty())
        return 0;
    QList<ui::TGendanRaekke> raekker;
    for (const TGendanFund &f : forladte.fund())
        raekker.append({gendanNavn(f.post), f.post.original.isEmpty() ? QString() : folderOf(f.post.original),
                        f.post.tid, f.bemaerkning});
    const ui::TGendanSvar svar = m_vaelger ? m_vaelger(raekker, forladte.noter())
                                           : ui::TGendanform::spoerg(m_host->mainWindow(), raekker, forladte.noter());
    if (svar.valg == ui::TGendanSvar::Valg::Slet) {
        forladte.fjern(svar.valgte);
        return 0;
    }
    if (svar.valg != ui::TGendanSvar::Valg::Gendan)
        return 0;
    QList<int> gendannet;
    const int fejlFoer = m_skriver ? m_skriver->antalFejl() : 0;
    for (int i : svar.valgte)
        if (i >= 0 && i < forladte.fund().size() && gendan(forladte, i))
            gendannet.append(i);
    // The old copies go only once this program holds copies of its own.
    if (m_skriver) {
        m_skriver->vent();
        if (m_skriver->antalFejl() == fejlFoer)
            forladte.fjern(gendannet);
    }
    return int(gendannet.size());
}

bool TGendanner::gendan(const TForladteKopier &forladte, int i)
{
    const TGendanFund &f = forladte.fund()[i];
    TDokumentOmraade *docs = m_host->documents();
    Twinform *w = nullptr;
    if (!f.post.original.isEmpty()) {
        w = docs->findByPath(f.post.original);
        if (!w) {
            docs->klicheName.clear();
            w = docs->makeWindow(f.post.original, QString());
        }
    }
    // A new document, or one whose file can no longer be opened: a new
    // document of its kind holds the text, to be saved under a name.
    if (!w) {
        docs->klicheName.clear();
        w = docs->makeWindow(QString(), f.post.docExt);
    }
    if (!w)
        return false;
    QString error;
    if (!w->loadFile(f.sti, &error)) {
        ui::showError(m_host->mainWindow(),
                      QStringLiteral("Kopien af %1 kunne ikke indlæses:\r%2").arg(gendanNavn(f.post), error));
        return false;
    }
    w->encoding = f.post.encoding;
    // The copy was read, but the document is its original: a save there is
    // what "Gendan" chose (the box said when the file had changed since).
    w->diskStamp = w->Filnavn.isEmpty() ? FileFacts::Stamp{} : FileFacts::stampOf(w->Filnavn);
    w->text().setModified(true);
    docs->activate(w);
    kopier(w);
    return true;
}

} // namespace taglund
