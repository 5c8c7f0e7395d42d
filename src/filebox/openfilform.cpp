#include "filebox/openfilform.h"
#include "core/text/paths.h"
#include "core/text/textfile.h"
#include "filebox/billedform.h"
#include "filebox/treeliste.h"
#include "ui/questions.h"

#include <QAbstractItemDelegate>
#include <QAction>
#include <QDir>
#include <QDrag>
#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QStackedWidget>
#include <QStorageInfo>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace taglund {

namespace {

const char *const kTraekMime = "application/x-taglund-filboks";

// Where a folder lies: two folders on one file system are "the same drive".
QString drevAf(const QString &folder)
{
    return QStorageInfo(folder).rootPath();
}

} // namespace

// --- the list and the tabs -------------------------------------------------

TFilListe::TFilListe(Topenfilform *box, QWidget *parent) : QTreeWidget(parent), m_box(box)
{
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDropIndicatorShown(true);
    setAccessibleName(QStringLiteral("Filer og mapper"));
}

bool TFilListe::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    const QString before = index.data().toString();
    if (!QTreeWidget::edit(index, trigger, event))
        return false;
    m_box->OldNodeTekst = before;
    return true;
}

void TFilListe::startDrag(Qt::DropActions)
{
    if (selectedItems().isEmpty())
        return;
    m_box->startTraek();
    auto *drag = new QDrag(this);
    auto *data = new QMimeData;
    data->setData(QString::fromLatin1(kTraekMime), QByteArray("1"));
    drag->setMimeData(data);
    drag->setPixmap(style()->standardIcon(selectedItems().size() > 1 ? QStyle::SP_FileDialogListView
                                                                   : QStyle::SP_FileIcon).pixmap(24));
    drag->exec(Qt::CopyAction | Qt::MoveAction);
    m_box->sourceDir.clear();
    m_box->destDir.clear();
}

void TFilListe::dragEnterEvent(QDragEnterEvent *e)
{
    if (m_box->accepterTraek(e) || e->mimeData()->hasUrls())
        e->acceptProposedAction();
    else
        e->ignore();
}

void TFilListe::dragMoveEvent(QDragMoveEvent *e)
{
    if (m_box->accepterTraek(e) || e->mimeData()->hasUrls())
        e->acceptProposedAction();
    else
        e->ignore();
}

void TFilListe::dropEvent(QDropEvent *e)
{
    if (m_box->accepterTraek(e)) {
        e->acceptProposedAction();
        m_box->slipPaaListe(e->position().toPoint(), e->mimeData());
    } else if (e->mimeData()->hasUrls()) {
        QStringList paths;
        for (const QUrl &u : e->mimeData()->urls())
            if (u.isLocalFile())
                paths << u.toLocalFile();
        e->acceptProposedAction();
        QTimer::singleShot(0, m_box, [box = m_box, paths] { box->slipUdefra(paths); });
    }
}

TStiFaner::TStiFaner(Topenfilform *box, QWidget *parent) : QTabBar(parent), m_box(box)
{
    setAcceptDrops(true);
    setAccessibleName(QStringLiteral("Sti"));
}

void TStiFaner::dragEnterEvent(QDragEnterEvent *e)
{
    m_box->accepterTraek(e) ? e->acceptProposedAction() : e->ignore();
}

void TStiFaner::dragMoveEvent(QDragMoveEvent *e)
{
    m_box->accepterTraek(e) && tabAt(e->position().toPoint()) >= 0 ? e->acceptProposedAction() : e->ignore();
}

void TStiFaner::dropEvent(QDropEvent *e)
{
    const int tab = tabAt(e->position().toPoint());
    if (!m_box->accepterTraek(e) || tab < 0)
        return e->ignore();
    e->acceptProposedAction();
    m_box->slipPaaFane(tab, e->mimeData());
}

void TStiFaner::mousePressEvent(QMouseEvent *e)
{
    // A press on the tabs clears the list's selection, so that a paste
    // afterwards goes into the folder shown.
    if (e->button() == Qt::LeftButton && m_box->funk->Struktur2 && m_box->funk->Struktur2->selectedCount() > 0) {
        m_box->funk->SelectMapperFiler(2);
        m_box->funk->infoStruktur2();
    }
    QTabBar::mousePressEvent(e);
}

// --- the window -------------------------------------------------------------

Topenfilform::Topenfilform(const TFilboksVaert &vaert, const QString &optdir, const QString &brugernavn, QWidget *parent)
    : QWidget(parent, Qt::Tool), m_vaert(vaert)
{
    setObjectName(QStringLiteral("Filboksen"));
    optFilnavn = joinPath(optdir, QStringLiteral("\\opentekstfil.txt"));
    funk = new THandlinger(this);
    funk->Brugernavn = brugernavn;
    funk->setAabner([this](const QString &path) { openDokument(path); });
    byg();
    m_kontrol = new TTreeListe(m_liste);
    // Renaming starts only through "Omdøb" and "Ny mappe"; a double-click opens.
    m_liste->setEditTriggers(QAbstractItemView::NoEditTriggers);
    funk->Struktur2 = m_kontrol;
    connect(funk, &TVarProp::onDirectoryChange, this,
            [this](const QString &, const QString &, const QString &gDir, const QString &) { mappeSkiftet(gDir); });
    connect(funk, &TVarProp::historyButtons, this, [this](bool a, bool b, bool c, bool d) {
        const bool on[] = {a, b, c, d};
        for (int i = 0; i < 4; ++i)
            m_historik[i]->setEnabled(on[i]);
    });
    laesIndstillinger();
    setWindowTitle(QStringLiteral("Åben dokument"));
    gemMode(false);
    setAcceptDrops(true);
    resize(gemtStoerrelse);
    move(gemtPlacering);
    opdaterHandlinger();
}

bool Topenfilform::eventFilter(QObject *o, QEvent *e)
{
    if (o == m_liste && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            dobbeltklik();
            return true;
        }
    }
    return QWidget::eventFilter(o, e);
}

void Topenfilform::closeEvent(QCloseEvent *e)
{
    QWidget::closeEvent(e);
    emit lukket();
}

Topenfilform::~Topenfilform()
{
    funk->Struktur2 = nullptr;
    delete m_kontrol;
}

void Topenfilform::laesIndstillinger()
{
    funk->Grundmappe = QStringLiteral("C:");
    SettingsReader r = SettingsReader::fromFile(optFilnavn);
    int w = 0, h = 0, x = 0, y = 0;
    QString grund;
    if (r.number(w) && r.number(h))
        gemtStoerrelse = QSize(w, h);
    if (r.number(x) && r.number(y))
        gemtPlacering = QPoint(x, y);
    if (r.text(grund))
        funk->Grundmappe = grund;
    r.flag(indlejret) && r.flag(synlig);
}

bool Topenfilform::gemIndstillinger(bool erSynlig)
{
    synlig = erSynlig;
    return SettingsWriter()
        .number(width())
        .number(height())
        .number(pos().x())
        .number(pos().y())
        .text(funk->Grundmappe)
        .flag(indlejret)
        .flag(synlig)
        .save(optFilnavn);
}

void Topenfilform::foersteVisning()
{
    if (!opstart)
        return;
    // "C:" from a first start stands for the root of the system here.
    QString start = funk->Grundmappe;
    if (!QFileInfo(start).isDir())
        start = QDir::homePath();
    funk->makeStruktur2(start, true, true);
    opstart = false;
}

void Topenfilform::mappeSkiftet(const QString &gDir)
{
    opdaterFaner();
    if (QFileInfo(gDir).isDir())
        QDir::setCurrent(gDir);
    valgSkiftet();
}

void Topenfilform::opdaterFaner()
{
    const QSignalBlocker block(m_faner);
    while (m_faner->count())
        m_faner->removeTab(0);
    stiArray = funk->Grundmappe.split(u'/');
    if (funk->Grundmappe.startsWith(u'/'))
        stiArray[0] = QStringLiteral("/");
    for (const QString &part : stiArray)
        if (!part.isEmpty())
            m_faner->addTab(part);
    m_faner->setCurrentIndex(m_faner->count() - 1);
    emit bibmappeSkiftet(funk->Bibmappe);
}

QString Topenfilform::faneMappe(int tab) const
{
    QStringList parts;
    for (const QString &p : stiArray)
        if (!p.isEmpty())
            parts << p;
    parts = parts.mid(0, tab + 1);
    if (!parts.isEmpty() && parts[0] == QStringLiteral("/"))
        return QDir::cleanPath(QStringLiteral("/") + parts.mid(1).join(u'/'));
    return parts.join(u'/');
}

void Topenfilform::valgSkiftet()
{
    mayCopy = funk->canCopy();
    mayDoIt = funk->canDoIt();
    const QString navn = funk->Filnavn.isEmpty() ? QString() : fileNameOf(funk->Filnavn);
    (boxType == 1 ? m_gemFelt : m_navnFelt)->setText(navn);
    opdaterHandlinger();
}

void Topenfilform::dobbeltklik()
{
    if (!funk->Filnavn.isEmpty())
        rediger();
    else
        funk->udfoldFilDirectory();
}

void Topenfilform::rediger()
{
    if (funk->Filnavn.isEmpty())
        return;
    if (m_kontrol->selectedCount() == 1)
        openDokument(funk->Filnavn);
    else
        funk->OpenElementer();
}

void Topenfilform::openDokument(const QString &path)
{
    if (QFileInfo(path).isFile() && m_vaert.openDokument)
        m_vaert.openDokument(path);
}

void Topenfilform::rapport(const QString &prefix, int antal)
{
    if (antal <= 0 || !m_vaert.status)
        return;
    m_vaert.status(prefix + (antal == 1 ? QStringLiteral("1 element.") : QString::number(antal) + QStringLiteral(" elementer.")));
}

void Topenfilform::kopier(bool klip)
{
    klipAfterCopy = klip;
    const int n = funk->CopyElementer(klip);
    rapport(klip ? QStringLiteral("Der blev klippet ") : QStringLiteral("Der blev kopieret "), n);
    opdaterHandlinger();
}

void Topenfilform::saetInd()
{
    const bool flyt = klipAfterCopy;
    const int n = funk->PasteElementer(flyt);
    if (flyt && n > 0)
        klipAfterCopy = false;
    rapport(flyt ? QStringLiteral("Der blev flyttet ") : QStringLiteral("Der blev indsat "), n);
    opdaterHandlinger();
}

void Topenfilform::slet(bool tilPapirkurv)
{
    const int n = funk->DeleteElementer(tilPapirkurv);
    if (n > 0)
        opdaterFaner();
    valgSkiftet();
    rapport(QStringLiteral("Der blev slettet "), n);
}

// --- calls from the main window --------------------------------------------

void Topenfilform::skiftDir(const QString &path)
{
    const QFileInfo fi(path);
    if (path.isEmpty() || !fi.isFile())
        return;
    if (opstart)
        foersteVisning();
    funk->makeStruktur2(fi.absolutePath(), true, false);
    Filnavnet = fi.fileName();
    funk->selectFile(fi.absoluteFilePath());
    m_navnFelt->setText(Filnavnet);
    m_gemFelt->setText(Filnavnet);
    valgSkiftet();
}

void Topenfilform::visMappe(const QString &folder)
{
    funk->makeStruktur2(QDir::cleanPath(folder), true, false);
}

void Topenfilform::visFilsMappe(const QString &path)
{
    funk->makeStruktur2(QFileInfo(path).absolutePath(), false, false);
}

void Topenfilform::efterGemSom()
{
    funk->makeStruktur2(funk->Grundmappe, false, true);
}

void Topenfilform::gemMode(bool gem)
{
    boxType = gem ? 1 : 0;
    setWindowTitle(gem ? QStringLiteral("Gem dokument") : QStringLiteral("Åben dokument"));
    m_bund->setCurrentIndex(boxType);
    opdaterHandlinger();
}

void Topenfilform::gemFunktion()
{
    QString filnavn;
    if (!m_vaert.aktivtDokument || !m_vaert.aktivtDokument(&filnavn))
        return;
    Filnavnet = filnavn.isEmpty() ? QStringLiteral("IkkeNavngivet") : filnavn;
    gemMode(true);
    m_gemFelt->setText(fileNameOf(Filnavnet));
    m_gemFelt->setFocus();
}

void Topenfilform::aabenFunktion()
{
    gemMode(false);
}

void Topenfilform::gem()
{
    const QString name = m_gemFelt->text().trimmed();
    if (name.isEmpty())
        return;
    Filnavnet = TVarProp::join(funk->Grundmappe, name);
    if (m_vaert.gemSom)
        m_vaert.gemSom(Filnavnet);
}

// --- drags ------------------------------------------------------------------

void Topenfilform::startTraek()
{
    sourceDir = funk->Bibmappe;
    funk->CopyElementer(false);
}

bool Topenfilform::accepterTraek(const QDropEvent *e) const
{
    return e->mimeData()->hasFormat(QString::fromLatin1(kTraekMime)) && !sourceDir.isEmpty()
        && QFileInfo(sourceDir).isDir();
}

void Topenfilform::slipPaaListe(const QPoint &viewportPos, const QMimeData *)
{
    destDir = funk->getFocusFilDirectory(viewportPos.x(), viewportPos.y());
    klipAfterCopy = drevAf(sourceDir) == drevAf(destDir);
    const int n = funk->PasteElementer(klipAfterCopy);
    rapport(klipAfterCopy ? QStringLiteral("Der blev flyttet ") : QStringLiteral("Der blev indsat "), n);
    valgSkiftet();
}

void Topenfilform::slipPaaFane(int tab, const QMimeData *)
{
    destDir = faneMappe(tab);
    funk->makeStruktur2(destDir, false, true);
    klipAfterCopy = drevAf(sourceDir) == drevAf(destDir);
    const int n = funk->PasteElementer(klipAfterCopy);
    if (n <= 0)
        funk->makeStruktur2(funk->OldGrundmappe, false, true);
    rapport(klipAfterCopy ? QStringLiteral("Der blev flyttet ") : QStringLiteral("Der blev indsat "), n);
    valgSkiftet();
}

void Topenfilform::slipUdefra(const QStringList &paths)
{
    funk->InitRegister();
    bool any = false;
    for (const QString &p : paths)
        any = funk->RegisterElements(p) || any;
    if (any)
        funk->PasteElementer(false);
    valgSkiftet();
}

// --- commands ---------------------------------------------------------------

QAction *Topenfilform::handling(const QString &caption) const
{
    return m_handlinger.value(caption);
}

void Topenfilform::opdaterHandlinger()
{
    if (m_handlinger.isEmpty())
        return;
    const int n = m_kontrol ? m_kontrol->count() : 0;
    const int valgte = m_kontrol ? m_kontrol->selectedCount() : 0;
    const bool fil = !funk->Filnavn.isEmpty();
    auto set = [this](const char *c, bool on) {
        if (QAction *a = m_handlinger.value(QString::fromUtf8(c)))
            a->setEnabled(on);
    };
    set("Rediger", fil);
    set("Marker alt", valgte < n);
    set("Marker ingen", valgte > 0);
    set("Inverter", n > 0);
    set("Åben i Stifinder", !funk->Grundmappe.isEmpty());
    set("Omdøb", mayDoIt);
    set("Slet", mayDoIt);
    set("Slet permanent", mayDoIt);
    set("Mappeegenskaber", !fil && valgte > 0);
    set("Filegenskaber", fil);
    set("Vis egenskaber", valgte > 0);
    set("Kopier", mayCopy);
    set("Klip", mayDoIt);
    set("Sæt ind", !funk->registerTomt());
    set("Kør i program", fil);
    set("Vis billede", fil);
    set("Åben funktion", boxType == 1);
    set("Gem funktion", boxType == 0 && isVisible() && m_vaert.aktivtDokument && m_vaert.aktivtDokument(nullptr));
    set("Html filmliste", fil);
    set("Html musikliste", fil);
    set("Html billedliste", fil);
}

void Topenfilform::omdoebAfsluttet(QTreeWidgetItem *item)
{
    const int i = m_liste->indexOfTopLevelItem(item);
    const QString ny = item->text(0);
    const bool nyMappe = nyMappeErOprettet;
    nyMappeErOprettet = false;
    // The engine rebuilds the list, so it runs once the editor has closed.
    QTimer::singleShot(0, this, [this, i, ny, nyMappe, old = OldNodeTekst] {
        const QString result = funk->RenameNode(i, old, ny, nyMappe);
        if (i >= 0 && i < m_kontrol->count() && m_kontrol->text(i) != result)
            m_kontrol->setText(i, result);
        valgSkiftet();
    });
}

void Topenfilform::specialMappe(const QString &folder, bool historik, bool reload)
{
    if (!folder.isEmpty())
        funk->makeStruktur2(folder, historik, reload);
}

void Topenfilform::visBillede()
{
    if (!TGrundMetoder::erDetEnBilledfil(TGrundMetoder::extOf(funk->Filnavn))) {
        ui::showInfo(this, QStringLiteral("Filtypen kan ikke vises."));
        return;
    }
    auto *b = findChild<Tbilledform *>();
    if (!b)
        b = new Tbilledform(this);
    b->vis(funk->Filnavn);
}

void Topenfilform::filtypeInformation()
{
    if (funk->Filnavn.isEmpty()) {
        ui::showInfo(this, QStringLiteral("Der er ikke valgt en fil."));
        return;
    }
    const QString ext = TGrundMetoder::extOf(funk->Filnavn).toLower();
    static const QStringList kendte = {".asp", ".bat", ".html", ".inc", ".js", ".vbs", ".css", ".wsf", ".asa", ".rtf"};
    if (kendte.contains(ext) && m_vaert.helpInfo)
        m_vaert.helpInfo(QStringLiteral("Information"), ext.mid(1));
    else if (TGrundMetoder::erDetEnBilledfil(ext))
        ui::showInfo(this, QStringLiteral("Valgte fil er en billedfil."));
    else if (TGrundMetoder::erDetEnTekstfil(ext))
        ui::showInfo(this, QStringLiteral("Valgte fil er en tekstfil."));
    else
        ui::showInfo(this, QStringLiteral("Der er ingen information om filtypen."));
}

void Topenfilform::afspilningsliste(int type)
{
    const QString ext = TGrundMetoder::extOf(funk->Filnavn);
    static const char *const navne[] = {"", "Film_afspilningsliste.html", "Musik_afspilningsliste.html",
                                        "Billed_afspilningsliste.html"};
    static const char *const slags[] = {"", " en videofil, der kan afspilles i Html-Browser?",
                                        " en musikfil, der kan afspilles i Html-Browser?",
                                        " en billedfil, der kan afspilles i Html-Browser?"};
    const bool passer = type == 1   ? TGrundMetoder::erDetEnVideofil(ext)
                        : type == 2 ? TGrundMetoder::erDetEnMusikfil(ext)
                                    : TGrundMetoder::erDetEnBilledfil(ext);
    if (!passer
        && ui::askQuestionAnswer(this, {QString(), QStringLiteral("Er filtypen ") + ext + QString::fromUtf8(slags[type])})
               == ui::Answer::Nej)
        return;
    funk->SkrivTekstfil(QString::fromUtf8(navne[type]), type);
}

} // namespace taglund
