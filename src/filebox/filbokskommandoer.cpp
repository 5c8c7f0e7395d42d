#include "filebox/filbokskommandoer.h"
#include "core/commandregistry.h"
#include "core/model/filetypes.h"
#include "core/model/mainoptions.h"
#include "core/model/programpaths.h"
#include "core/programhost.h"
#include "core/text/textfile.h"
#include "core/docarea.h"
#include "core/text/doctext.h"
#include "core/winform.h"
#include "filebox/findform.h"
#include "filebox/openfilform.h"
#include "platform/desktopshell.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QDockWidget>
#include <QFileInfo>
#include <QMainWindow>
#include <QTimer>

namespace taglund {

namespace {

const QString kTypeBoksHint = QStringLiteral("Nye dokumenter er af valgte type");

} // namespace

TFilboksKommandoer::TFilboksKommandoer(TProgramHost *host, QObject *parent) : QObject(parent), m_host(host)
{
    host->addSubsystem(this);
    host->commands()->add(QStringLiteral("AFindFiler"), QStringLiteral("Find i dokumenter..."),
                          QKeySequence(Qt::Key_F10), [this] { visFindBoks(); }, {},
                          QStringLiteral("Find i dokumenter"));
    host->commands()->add(QStringLiteral("AFilboksen"), QStringLiteral("Filboksen"), {}, [this] { visFilboks(); },
                          [this] { return !m_filboks || !m_filboks->isVisible(); });
    host->addShutdownStep(TShutdownStep::FileBox, [this] { gemIndstillinger(); });
}

TFilboksKommandoer::~TFilboksKommandoer() = default;

QComboBox *TFilboksKommandoer::typeBoks() const
{
    if (!m_host->mainWindow())
        return nullptr;
    for (QComboBox *c : m_host->mainWindow()->findChildren<QComboBox *>())
        if (c->toolTip() == kTypeBoksHint)
            return c;
    return nullptr;
}

Tfindform *TFilboksKommandoer::findBoks()
{
    if (m_find)
        return m_find;
    m_find = new Tfindform(m_host, m_host->mainWindow());
    m_find->filboksMappe = [this] {
        return m_bibmappe.isEmpty() ? m_host->paths().dokumentdir : m_bibmappe;
    };
    fyldFiltyper();
    if (QComboBox *typer = typeBoks()) {
        // Choosing a type in the type box chooses it here too; a rebuilt
        // type box (the file-type list changed) is copied again.
        connect(typer, &QComboBox::currentIndexChanged, m_find, &Tfindform::setFiltypeIndex);
        auto refill = [this] { QTimer::singleShot(0, this, &TFilboksKommandoer::fyldFiltyper); };
        connect(typer->model(), &QAbstractItemModel::rowsInserted, m_find, refill);
        connect(typer->model(), &QAbstractItemModel::rowsRemoved, m_find, refill);
        connect(typer->model(), &QAbstractItemModel::modelReset, m_find, refill);
    }
    return m_find;
}

void TFilboksKommandoer::fyldFiltyper()
{
    if (!m_find)
        return;
    if (QComboBox *typer = typeBoks()) {
        if (typer->count() == 0)
            return;
        QStringList entries;
        for (int i = 0; i < typer->count(); ++i)
            entries << typer->itemText(i);
        m_find->fyldFiltyper(entries, typer->currentIndex(), typer->maxVisibleItems());
        return;
    }
    // Without a type box (a program composed without the file types) the
    // list file gives the same entries.
    TFiltypeliste liste;
    QStringList flat;
    if (TextFile::readLines(m_host->paths().typelisteNavn, flat))
        liste.setFlatListe(flat);
    else
        liste.setTyper(TFiltypeliste::standardTyper());
    const QStringList entries = liste.typeBoxEntries();
    if (entries.isEmpty())
        return;
    const int index = m_host->options().filtypeBoxItemIndex;
    m_find->fyldFiltyper(entries, index >= 0 && index < entries.size() ? index : 0, int(entries.size()));
}

void TFilboksKommandoer::visFindBoks()
{
    findBoks()->vis();
}

void TFilboksKommandoer::filboksMappeSkiftet(const QString &bibmappe)
{
    m_bibmappe = bibmappe;
    if (m_find && !m_find->opstart)
        m_find->setMappe(bibmappe);
}

void TFilboksKommandoer::gemIndstillinger()
{
    if (m_filboks)
        m_filboks->gemIndstillinger(m_filboks->isVisible());
    if (m_find)
        m_find->gemIndstillinger();
}

} // namespace taglund

namespace taglund {

Topenfilform *TFilboksKommandoer::filboks()
{
    if (m_filboks)
        return m_filboks;
    TFilboksVaert v;
    v.openDokument = [this](const QString &path) { m_host->openwin(path, QFileInfo(path).suffix().prepend(u'.')); };
    v.koerIProgram = [](const QString &path) { DesktopShell::instance().openFile(path); };
    v.aabnIStifinder = [](const QString &folder) { DesktopShell::instance().openFolder(folder); };
    v.helpInfo = [this](const QString &s, const QString &e) { m_host->HelpInfo(s, e); };
    v.status = [this](const QString &t) { m_host->setStatus(5, t); };
    v.gemSom = [this](const QString &path) {
        Twinform *w = m_gemDokument ? m_gemDokument.data() : m_host->activeWin();
        if (w && m_host->documents()->GemSom(path, w))
            saveFulgt(w);
    };
    v.aktivtDokument = [this](QString *filnavn) {
        Twinform *w = m_host->activeWin();
        if (w && filnavn)
            *filnavn = w->Filnavn;
        return w != nullptr;
    };
    v.udskrivFilnavn = [this](const QString &name) {
        if (Twinform *w = m_host->activeWin()) {
            w->text().setSelText(name);
            w->XYinfo();
        }
    };
    v.senesteMapper = [this] { return m_senesteMapper ? m_senesteMapper() : QStringList(); };
    v.indsaetSenesteMappe = [this](const QString &f) {
        if (m_indsaetSenesteMappe)
            m_indsaetSenesteMappe(f);
    };
    v.filtyper = [this] {
        TFiltypeliste liste;
        QStringList flat;
        if (TextFile::readLines(m_host->paths().typelisteNavn, flat))
            liste.setFlatListe(flat);
        else
            liste.setTyper(TFiltypeliste::standardTyper());
        QList<QPair<QString, QString>> out;
        for (const TFiltype &t : liste.dokumentTyper())
            out.append({t.navn, t.monster});
        return out;
    };
    v.vis = [this] { visFilboks(); };
    v.programdir = m_host->paths().programdir;
    v.dokumentdir = m_host->paths().dokumentdir;
    v.klichedir = m_host->paths().klichedir;
    m_filboks = new Topenfilform(v, m_host->paths().optdir, m_host->paths().brugernavn, m_host->mainWindow());
    connect(m_filboks, &Topenfilform::bibmappeSkiftet, this, &TFilboksKommandoer::filboksMappeSkiftet);
    connect(m_filboks, &Topenfilform::lukket, this, [this] {
        if (m_dock)
            m_dock->hide();
        m_host->commands()->scheduleUpdate();
    });
    m_bibmappe = m_filboks->funk->Bibmappe;
    return m_filboks;
}

bool TFilboksKommandoer::indlejret()
{
    return filboks()->indlejret;
}

void TFilboksKommandoer::setIndlejret(bool on)
{
    Topenfilform *b = filboks();
    const bool shown = b->isVisible();
    b->indlejret = on;
    if (shown)
        visFilboks();
}

void TFilboksKommandoer::visFilboks()
{
    Topenfilform *b = filboks();
    QMainWindow *main = m_host->mainWindow();
    if (b->indlejret && main) {
        if (!m_dock) {
            m_dock = new QDockWidget(QStringLiteral("Filboksen"), main);
            m_dock->setObjectName(QStringLiteral("FilboksDock"));
        }
        if (m_dock->widget() != b) {
            b->setWindowFlags(Qt::Widget);
            m_dock->setWidget(b);
        }
        main->addDockWidget(m_host->options().filboksPlacering == 1 ? Qt::RightDockWidgetArea : Qt::LeftDockWidgetArea,
                            m_dock);
        m_dock->show();
    } else {
        if (m_dock && m_dock->widget() == b) {
            m_dock->setWidget(nullptr);
            m_dock->hide();
        }
        b->setParent(main, Qt::Tool);
    }
    b->foersteVisning();
    b->show();
    b->raise();
    b->opdaterHandlinger();
    m_host->commands()->scheduleUpdate();
}

void TFilboksKommandoer::foersteVisning()
{
    Topenfilform *b = filboks();
    if (b->indlejret || b->synlig)
        visFilboks();
}

void TFilboksKommandoer::skiftDir(const QString &path)
{
    if (!path.isEmpty() && QFileInfo(path).isFile())
        filboks()->skiftDir(path);
}

bool TFilboksKommandoer::fileboxServesAsSaveBox() const
{
    return m_filboks && m_filboks->isVisible();
}

void TFilboksKommandoer::armFileboxSave(Twinform *w, bool showBox)
{
    Topenfilform *b = filboks();
    m_gemDokument = w;
    if (showBox)
        visFilboks();
    b->gemFunktion();
}

QString TFilboksKommandoer::fileboxFolder() const
{
    return m_filboks && !m_filboks->opstart ? m_filboks->funk->Grundmappe : QString();
}

void TFilboksKommandoer::visSenesteMappe(const QString &folder)
{
    visFilboks();
    m_filboks->visMappe(folder);
}

void TFilboksKommandoer::visSenesteFilsMappe(const QString &path)
{
    if (m_filboks && !m_filboks->opstart)
        m_filboks->visFilsMappe(path);
}

void TFilboksKommandoer::setSenesteMapper(std::function<QStringList()> list, std::function<void(const QString &)> insert)
{
    m_senesteMapper = std::move(list);
    m_indsaetSenesteMappe = std::move(insert);
}

void TFilboksKommandoer::documentActivated(Twinform *w)
{
    if (w && !w->Filnavn.isEmpty())
        skiftDir(w->Filnavn);
    if (m_filboks)
        m_filboks->opdaterHandlinger();
}

void TFilboksKommandoer::documentSaved(Twinform *w)
{
    saveFulgt(w);
}

void TFilboksKommandoer::saveFulgt(Twinform *w)
{
    // Only once the file is written does the box follow it: the list is
    // read again, so the new file is there and selected.
    if (!m_filboks || m_filboks->opstart || !w || w->Filnavn.isEmpty() || !QFileInfo(w->Filnavn).isFile())
        return;
    m_filboks->efterGemSom();
    m_filboks->skiftDir(w->Filnavn);
}

} // namespace taglund
