#include "filebox/findform.h"
#include "core/docarea.h"
#include "core/model/programpaths.h"
#include "core/programhost.h"
#include "core/text/paths.h"
#include "core/text/textfile.h"
#include "core/winform.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace taglund {

namespace {

QPushButton *knapMed(const QString &caption, const QString &hint, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    if (!hint.isEmpty())
        b->setToolTip(hint);
    return b;
}

QString udenSkraastreg(QString path)
{
    while (path.size() > 1 && path.endsWith(u'/'))
        path.chop(1);
    return path;
}

} // namespace

Tfindform::Tfindform(TProgramHost *host, QWidget *parent) : QWidget(parent, Qt::Tool), m_host(host)
{
    setWindowTitle(QStringLiteral("Findboksen"));
    setObjectName(QStringLiteral("Findboksen"));
    optfil = joinPath(host->paths().optdir, QStringLiteral("\\findoptions.txt"));
    byg();
    connect(host->documents(), &TDokumentOmraade::documentsChanged, this, &Tfindform::opdaterKnapper);
    opdaterKnapper();
}

void Tfindform::byg()
{
    auto *top = new QVBoxLayout(this);

    auto *felter = new QGridLayout;
    auto makeHistory = [&](int row, const QString &label, const QString &rydHint) {
        auto *l = new QLabel(label, this);
        auto *box = new QComboBox(this);
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setAccessibleName(label);
        box->setMinimumContentsLength(24);
        l->setBuddy(box);
        auto *ryd = new QToolButton(this);
        ryd->setText(QStringLiteral("#"));
        ryd->setToolTip(rydHint);
        ryd->setAccessibleName(rydHint);
        connect(ryd, &QToolButton::clicked, box, [box] {
            const QString text = box->currentText();
            box->clear();
            box->setEditText(text);
        });
        felter->addWidget(l, row, 0);
        felter->addWidget(box, row, 1);
        felter->addWidget(ryd, row, 2);
        return box;
    };
    m_soeg = makeHistory(0, QStringLiteral("Søg efter"), QStringLiteral("Ryd find- listen"));
    m_erstat = makeHistory(1, QStringLiteral("Erstat med"), QStringLiteral("Ryd erstat-listen"));
    connect(m_soeg, &QComboBox::editTextChanged, this, &Tfindform::opdaterKnapper);
    top->addLayout(felter);

    auto *valgRaekke = new QHBoxLayout;
    auto *egenskaber = new QGroupBox(QStringLiteral("Søgeegenskaber"), this);
    auto *eg = new QVBoxLayout(egenskaber);
    m_heleOrd = new QCheckBox(QStringLiteral("Kun hele ord"), egenskaber);
    m_storeSmaa = new QCheckBox(QStringLiteral("Forskel på store og små bogstaver"), egenskaber);
    eg->addWidget(m_heleOrd);
    eg->addWidget(m_storeSmaa);
    valgRaekke->addWidget(egenskaber);

    auto *typer = new QGroupBox(QStringLiteral("Filtype filter"), this);
    auto *ty = new QHBoxLayout(typer);
    m_filtype = new QComboBox(typer);
    m_filtype->setAccessibleName(QStringLiteral("Filtype filter"));
    m_alleTyper = new QCheckBox(typer);
    m_alleTyper->setToolTip(QStringLiteral("Søg i alle filtyper: *.*"));
    connect(m_alleTyper, &QCheckBox::toggled, m_filtype, &QWidget::setDisabled);
    ty->addWidget(m_filtype, 1);
    ty->addWidget(m_alleTyper);
    valgRaekke->addWidget(typer);
    top->addLayout(valgRaekke);

    auto *mappe = new QGroupBox(QStringLiteral("Søgemappe"), this);
    auto *mg = new QGridLayout(mappe);
    m_mappeFelt = new QLineEdit(mappe);
    m_mappeFelt->setReadOnly(true);
    m_mappeFelt->setAccessibleName(QStringLiteral("Søgemappe"));
    auto *vaelg = new QToolButton(mappe);
    vaelg->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    vaelg->setToolTip(QStringLiteral("Vælg mappe der skal søges i"));
    connect(vaelg, &QToolButton::clicked, this, &Tfindform::vaelgMappe);
    m_undermapper = new QCheckBox(QStringLiteral("Søg i undermapper"), mappe);
    mg->addWidget(m_mappeFelt, 0, 0);
    mg->addWidget(vaelg, 0, 1);
    mg->addWidget(m_undermapper, 1, 0, 1, 2);
    top->addWidget(mappe);

    auto *handlinger = new QHBoxLayout;
    auto add = [&](QLayout *lay, const QString &caption, const QString &hint, void (Tfindform::*slot)()) {
        QPushButton *b = knapMed(caption, hint, this);
        connect(b, &QPushButton::clicked, this, slot);
        lay->addWidget(b);
        m_knapper.append(b);
        return b;
    };
    QPushButton *find = knapMed(QStringLiteral("Find i åbne dokumenter"), {}, this);
    connect(find, &QPushButton::clicked, this, [this] { findIAabneDokumenter(false); });
    QPushButton *erstat = knapMed(QStringLiteral("Erstat i åbne dokumenter"), {}, this);
    connect(erstat, &QPushButton::clicked, this, [this] { findIAabneDokumenter(true); });
    m_knapper << find << erstat;
    handlinger->addWidget(find);
    handlinger->addWidget(erstat);
    add(handlinger, QStringLiteral("Find i bibliotek"), QStringLiteral("Find i alle filer i valgte bibliotek"),
        &Tfindform::findIMappe);
    top->addLayout(handlinger);

    auto *fremdrift = new QHBoxLayout;
    m_fremdrift = new QProgressBar(this);
    m_fremdrift->setAccessibleName(QStringLiteral("Søgning i mappe"));
    m_stop = knapMed(QStringLiteral("Stop"), QStringLiteral("Stop søgningen i mappen"), this);
    connect(m_stop, &QPushButton::clicked, this, &Tfindform::stop);
    fremdrift->addWidget(m_fremdrift, 1);
    fremdrift->addWidget(m_stop);
    m_fremdrift->hide();
    m_stop->hide();
    top->addLayout(fremdrift);

    m_liste = new QTreeWidget(this);
    m_liste->setColumnCount(3);
    m_liste->setHeaderLabels({QStringLiteral("Dokument"), QStringLiteral("Position"), QStringLiteral("Tekst")});
    m_liste->setRootIsDecorated(false);
    m_liste->setUniformRowHeights(true);
    m_liste->setSelectionMode(QAbstractItemView::SingleSelection);
    m_liste->setAccessibleName(QStringLiteral("Fundne"));
    m_liste->header()->setStretchLastSection(true);
    connect(m_liste, &QTreeWidget::itemDoubleClicked, this, [this] { visValgte(); });
    connect(m_liste, &QTreeWidget::itemSelectionChanged, this, &Tfindform::opdaterKnapper);
    top->addWidget(m_liste, 1);

    auto *bund = new QHBoxLayout;
    m_fundne = new QLabel(QStringLiteral("Fundne: 0"), this);
    m_sprunget = new QLabel(this);
    bund->addWidget(m_fundne);
    bund->addWidget(m_sprunget, 1);
    add(bund, QStringLiteral("Åben alle"), QStringLiteral("Åben alle i listen viste dokumenter"), &Tfindform::aabenAlle);
    add(bund, QStringLiteral("Vis valgte"), QStringLiteral("Vis den i listen valgte fil"), &Tfindform::visValgte);
    add(bund, QStringLiteral("Fjern valgte"), QStringLiteral("Fjern det i listen valgte element"), &Tfindform::fjernValgte);
    add(bund, QStringLiteral("Slet alt"), QStringLiteral("Fjern alle fundne elementer"), &Tfindform::sletAlt);
    auto *info = new QToolButton(this);
    info->setIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation));
    info->setToolTip(QStringLiteral("Information: Findboksen"));
    connect(info, &QToolButton::clicked, this,
            [this] { m_host->HelpInfo(QStringLiteral("Information"), QStringLiteral("Findboksen")); });
    bund->addWidget(info);
    QPushButton *luk = knapMed(QStringLiteral("Luk"), {}, this);
    connect(luk, &QPushButton::clicked, this, &QWidget::close);
    bund->addWidget(luk);
    top->addLayout(bund);
    resize(620, 520);
}

QPushButton *Tfindform::knap(const QString &caption) const
{
    for (QPushButton *b : m_knapper)
        if (b->text() == caption)
            return b;
    return caption == QStringLiteral("Stop") ? m_stop : nullptr;
}

void Tfindform::opdaterKnapper()
{
    const bool tekst = !m_soeg->currentText().isEmpty();
    const bool dokumenter = !m_host->documents()->windows().isEmpty();
    const bool raekker = m_liste->topLevelItemCount() > 0;
    const bool valgt = !m_liste->selectedItems().isEmpty();
    const bool fri = !m_soeger;
    auto set = [this](const char *caption, bool on) {
        if (QPushButton *b = knap(QString::fromUtf8(caption)))
            b->setEnabled(on);
    };
    set("Find i åbne dokumenter", fri && dokumenter && tekst);
    set("Erstat i åbne dokumenter", fri && dokumenter && tekst);
    set("Find i bibliotek", fri && tekst);
    set("Åben alle", fri && raekker);
    set("Vis valgte", fri && valgt);
    set("Fjern valgte", fri && valgt);
    set("Slet alt", fri && raekker);
}

void Tfindform::vis()
{
    if (opstart) {
        laesIndstillinger();
        if (filboksMappe)
            setMappe(filboksMappe());
        opstart = false;
    }
    show();
    raise();
    activateWindow();
    opdaterKnapper();
}

void Tfindform::laesIndstillinger()
{
    SettingsReader r = SettingsReader::fromFile(optfil);
    int top = 0;
    int left = 0;
    if (r.number(top) && r.number(left))
        move(left, top);
    bool under = false;
    if (r.flag(under))
        m_undermapper->setChecked(under);
}

bool Tfindform::gemIndstillinger()
{
    if (opstart)
        return true;
    return SettingsWriter().number(pos().y()).number(pos().x()).flag(m_undermapper->isChecked()).save(optfil);
}

void Tfindform::setMappe(const QString &folder)
{
    if (folder.isEmpty())
        return;
    Mappe = udenSkraastreg(folder);
    if (!Mappe.endsWith(u'/'))
        Mappe += u'/';
    m_mappeFelt->setText(Mappe);
}

void Tfindform::vaelgMappe()
{
    const QString chosen = QFileDialog::getExistingDirectory(this, QStringLiteral("Vælg søgebibliotek"), Mappe);
    if (!chosen.isEmpty())
        setMappe(chosen);
}

void Tfindform::fyldFiltyper(const QStringList &entries, int selected, int visible)
{
    m_filtype->clear();
    m_filtype->addItems(entries);
    if (visible > 0)
        m_filtype->setMaxVisibleItems(visible);
    setFiltypeIndex(selected);
}

void Tfindform::setFiltypeIndex(int i)
{
    if (i >= 0 && i < m_filtype->count())
        m_filtype->setCurrentIndex(i);
}

QString Tfindform::filter() const
{
    if (m_alleTyper->isChecked())
        return QStringLiteral("*.*");
    // "Hjemmeside (*.html)": the pattern stands in the last parentheses.
    const QString t = m_filtype->currentText();
    const qsizetype open = t.lastIndexOf(u'(');
    const qsizetype close = t.lastIndexOf(u')');
    if (open < 0 || close <= open)
        return QStringLiteral("*.*");
    return t.mid(open + 1, close - open - 1);
}

FindOptions Tfindform::valg() const
{
    FindOptions o;
    o.wholeWord = m_heleOrd->isChecked();
    o.matchCase = m_storeSmaa->isChecked();
    return o;
}

void Tfindform::husk(QComboBox *box)
{
    const QString t = box->currentText();
    if (!t.isEmpty() && box->findText(t, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0) {
        box->addItem(t);
        box->setEditText(t);
    }
}

void Tfindform::tilfoej(const QList<TFundRaekke> &rows)
{
    QList<QTreeWidgetItem *> items;
    items.reserve(rows.size());
    for (const TFundRaekke &r : rows) {
        auto *it = new QTreeWidgetItem({r.dokument, QString::number(r.position), r.tekst});
        it->setData(1, Qt::UserRole, r.position);
        items.append(it);
    }
    m_liste->addTopLevelItems(items);
}

void Tfindform::opdaterFundne()
{
    m_fundne->setText(QStringLiteral("Fundne: %1").arg(m_liste->topLevelItemCount()));
    opdaterKnapper();
}

QList<TFundRaekke> Tfindform::raekker() const
{
    QList<TFundRaekke> out;
    for (int i = 0; i < m_liste->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *it = m_liste->topLevelItem(i);
        out.append({it->text(0), it->data(1, Qt::UserRole).toInt(), it->text(2)});
    }
    return out;
}

void Tfindform::findIAabneDokumenter(bool erstat)
{
    if (m_soeger)
        return;
    husk(m_soeg);
    husk(m_erstat);
    m_liste->clear();
    m_sprunget->clear();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    FTekst = m_soeg->currentText();
    if (FTekst.isEmpty())
        return opdaterFundne();
    RTekst = m_erstat->currentText();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const TFindMoenster m(FTekst, valg());
    QList<TFundRaekke> rows;
    for (Twinform *w : m_host->documents()->windows()) {
        const QString navn = w->Filnavn.isEmpty() ? w->CapNavn : w->Filnavn;
        rows += soegDokument(w->text(), navn, m, erstat ? &RTekst : nullptr);
        if (erstat)
            w->XYinfo();
    }
    tilfoej(rows);
    // A later "Vis valgte" selects what now stands at each hit.
    if (erstat)
        FTekst = RTekst;
    QApplication::restoreOverrideCursor();
    opdaterFundne();
}

void Tfindform::findIMappe()
{
    if (m_soeger || !QFileInfo(Mappe).isDir())
        return;
    m_liste->clear();
    m_sprunget->clear();
    FTekst = m_soeg->currentText();
    if (FTekst.isEmpty())
        return opdaterFundne();
    RTekst = m_erstat->currentText();
    husk(m_soeg);
    husk(m_erstat);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    TMappeSoegning s(Mappe, filter(), m_undermapper->isChecked(), TFindMoenster(FTekst, valg()));
    m_soeger = true;
    m_stoppet = false;
    opdaterKnapper();
    m_fremdrift->setRange(0, std::max(1, s.filerIalt()));
    m_fremdrift->setValue(0);
    m_fremdrift->show();
    m_stop->show();
    // The walk runs here, a file at a time; between files the windows
    // repaint and "Stop" can be pressed.
    QPointer<Tfindform> self(this);
    QElapsedTimer sidenVis;
    sidenVis.start();
    QList<TFundRaekke> rows;
    int sidenVisFiler = 0;
    while (!m_stoppet && s.naeste(rows)) {
        if (++sidenVisFiler < 64 && sidenVis.elapsed() < 40)
            continue;
        sidenVisFiler = 0;
        tilfoej(rows);
        rows.clear();
        m_fremdrift->setValue(s.filerSoegt());
        m_fundne->setText(QStringLiteral("Fundne: %1").arg(m_liste->topLevelItemCount()));
        QCoreApplication::processEvents();
        if (!self) {
            QApplication::restoreOverrideCursor();
            return;
        }
        sidenVis.restart();
    }
    tilfoej(rows);
    m_soeger = false;
    m_fremdrift->hide();
    m_stop->hide();
    QStringList noter;
    if (m_stoppet)
        noter << QStringLiteral("Søgningen blev stoppet efter %1 af %2 filer.").arg(s.filerSoegt()).arg(s.filerIalt());
    if (s.sprunget() == 1)
        noter << QStringLiteral("1 fil blev sprunget over (ulæselig, binær eller over 50 MB).");
    else if (s.sprunget() > 1)
        noter << QStringLiteral("%1 filer blev sprunget over (ulæselige, binære eller over 50 MB).").arg(s.sprunget());
    m_sprunget->setText(noter.join(u' '));
    QApplication::restoreOverrideCursor();
    opdaterFundne();
}

void Tfindform::stop()
{
    m_stoppet = true;
}

Twinform *Tfindform::dokumentAf(QTreeWidgetItem *item, bool *fjernet)
{
    *fjernet = false;
    const QString dokument = item->text(0);
    if (QFileInfo(dokument).isFile())
        return m_host->openwin(dokument, extensionOf(dokument));
    if (Twinform *w = m_host->documents()->findByCaption(dokument)) {
        m_host->documents()->activate(w);
        return w;
    }
    delete item;
    *fjernet = true;
    return nullptr;
}

void Tfindform::visFund(Twinform *w, int position)
{
    TDocText &t = w->text();
    t.setSelStart(position);
    t.setSelLength(int(toEditorBreaks(FTekst).size()));
    m_host->documents()->activate(w);
    t.SetFocus();
    t.ScrollToCaret();
    w->XYinfo();
}

void Tfindform::visValgte()
{
    const QList<QTreeWidgetItem *> sel = m_liste->selectedItems();
    if (sel.isEmpty())
        return;
    QTreeWidgetItem *item = sel.first();
    const int position = item->data(1, Qt::UserRole).toInt();
    bool fjernet = false;
    // Only the row's own document is touched: when it cannot be opened,
    // whichever document is active keeps its caret.
    if (Twinform *w = dokumentAf(item, &fjernet))
        visFund(w, position);
    opdaterFundne();
}

void Tfindform::aabenAlle()
{
    QPointer<Twinform> sidste;
    int sidstePosition = 0;
    for (int i = 0; i < m_liste->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = m_liste->topLevelItem(i);
        const int position = item->data(1, Qt::UserRole).toInt();
        bool fjernet = false;
        Twinform *w = dokumentAf(item, &fjernet);
        if (fjernet)
            break;
        if (w) {
            sidste = w;
            sidstePosition = position;
        }
    }
    if (sidste)
        visFund(sidste, sidstePosition);
    opdaterFundne();
}

void Tfindform::fjernValgte()
{
    qDeleteAll(m_liste->selectedItems());
    opdaterFundne();
}

void Tfindform::sletAlt()
{
    m_liste->clear();
    m_soeg->setEditText(QString());
    m_erstat->setEditText(QString());
    m_sprunget->clear();
    opdaterFundne();
}

} // namespace taglund
