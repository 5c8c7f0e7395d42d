// The file box window's controls: tool bar and its menus, path tabs,
// function column, list with its context menu, the two bottom panels, and
// the commands with their shortcuts.
#include "core/text/paths.h"
#include "filebox/openfilform.h"
#include "filebox/treeliste.h"
#include "ui/questions.h"

#include <QAbstractItemDelegate>
#include <QAction>
#include <QDialog>
#include <QDir>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace taglund {

void Topenfilform::byg()
{
    auto *top = new QVBoxLayout(this);
    top->setContentsMargins(2, 2, 2, 2);
    m_liste = new TFilListe(this, this);
    m_faner = new TStiFaner(this, this);
    bygHandlinger();

    auto *bar = new QToolBar(this);
    auto knap = [&](QStyle::StandardPixmap icon, const QString &hint, QMenu *menu = nullptr) {
        auto *b = new QToolButton(bar);
        b->setIcon(style()->standardIcon(icon));
        b->setToolTip(hint);
        if (menu) {
            b->setMenu(menu);
            b->setPopupMode(QToolButton::MenuButtonPopup);
        }
        bar->addWidget(b);
        return b;
    };
    auto *infoMenu = new QMenu(this);
    infoMenu->addAction(handling(QStringLiteral("Drevinformation")));
    infoMenu->addAction(handling(QStringLiteral("Vis egenskaber")));
    infoMenu->addSeparator();
    infoMenu->addAction(handling(QStringLiteral("Åben i Stifinder")));
    connect(knap(QStyle::SP_MessageBoxInformation, QStringLiteral("Information: Filboksen"), infoMenu),
            &QToolButton::clicked, this, [this] {
                if (m_vaert.helpInfo)
                    m_vaert.helpInfo(QStringLiteral("Information"), QStringLiteral("Filboksen"));
            });
    m_drev = new QMenu(this);
    connect(m_drev, &QMenu::aboutToShow, this, &Topenfilform::opdaterDrevMenu);
    connect(knap(QStyle::SP_DriveHDIcon, QStringLiteral("Knap: Opdater drev Menu: Vælg drev"), m_drev),
            &QToolButton::clicked, this, [this] {
                opdaterDrevMenu();
                m_drev->popup(mapToGlobal(QPoint(0, 0)));
            });
    m_special = new QMenu(this);
    bygSpecialMenu();
    auto *special = knap(QStyle::SP_DirHomeIcon, QStringLiteral("Private og delte mapper"), m_special);
    special->setPopupMode(QToolButton::InstantPopup);
    connect(knap(QStyle::SP_BrowserReload, QStringLiteral("Opdater strukturen til aktuelle struktur")),
            &QToolButton::clicked, this, [this] {
                if (m_vaert.vis)
                    m_vaert.vis();
                funk->makeStruktur2(funk->Grundmappe, false, true);
            });
    const QStyle::StandardPixmap hi[] = {QStyle::SP_MediaSkipBackward, QStyle::SP_ArrowBack, QStyle::SP_ArrowForward,
                                         QStyle::SP_MediaSkipForward};
    const char *const hh[] = {"Gå til første mappe", "Gå til foregående mappe", "Gå til næste mappe",
                              "Gå til sidste mappe"};
    void (TMakeStrukturer::*steps[])() = {&TMakeStrukturer::mappeFirst, &TMakeStrukturer::mappeTilbage,
                                          &TMakeStrukturer::mappeFrem, &TMakeStrukturer::mappeLast};
    for (int i = 0; i < 4; ++i) {
        m_historik[i] = knap(hi[i], QString::fromUtf8(hh[i]));
        m_historik[i]->setEnabled(false);
        connect(m_historik[i], &QToolButton::clicked, funk, steps[i]);
    }
    top->addWidget(bar);

    m_faner->setExpanding(false);
    connect(m_faner, &QTabBar::tabBarClicked, this, [this](int i) {
        if (i < 0)
            return;
        funk->makeStruktur2(faneMappe(i), true, true);
    });
    top->addWidget(m_faner);

    auto *midt = new QHBoxLayout;
    midt->addWidget(bygFunktioner());
    m_liste->setHeaderHidden(true);
    m_liste->setContextMenuPolicy(Qt::CustomContextMenu);
    auto *kontekst = new QMenu(this);
    const char *const punkter[] = {"Kopier", "Klip", "Sæt ind", "", "Slet", "Omdøb", "Slet permanent", "",
                                   "Marker alt", "Marker ingen", "Inverter", "", "Tøm papirkurv"};
    for (const char *p : punkter)
        *p ? (void)kontekst->addAction(handling(QString::fromUtf8(p))) : (void)kontekst->addSeparator();
    connect(m_liste, &QWidget::customContextMenuRequested, this, [this, kontekst](const QPoint &p) {
        // A right-button press selects the entry under the mouse.
        const int before = m_kontrol->selected();
        funk->getFocusFilDirectory(p.x(), p.y());
        if (m_kontrol->selected() != before || funk->IsSelectedDirectory())
            funk->infoStruktur2();
        valgSkiftet();
        kontekst->popup(m_liste->viewport()->mapToGlobal(p));
    });
    connect(m_liste, &QTreeWidget::itemClicked, this, [this] { funk->infoStruktur2(); });
    connect(m_liste, &QTreeWidget::itemSelectionChanged, this, &Topenfilform::opdaterHandlinger);
    connect(m_liste, &QTreeWidget::itemDoubleClicked, this, [this] { dobbeltklik(); });
    connect(m_liste->itemDelegate(), &QAbstractItemDelegate::closeEditor, this,
            [this](QWidget *, QAbstractItemDelegate::EndEditHint hint) {
                QTreeWidgetItem *it = m_liste->currentItem();
                if (!it)
                    return;
                if (hint == QAbstractItemDelegate::RevertModelCache)
                    it->setText(0, OldNodeTekst);
                else
                    omdoebAfsluttet(it);
            });
    m_liste->installEventFilter(this);
    midt->addWidget(m_liste, 1);
    top->addLayout(midt, 1);

    m_bund = new QStackedWidget(this);
    auto panel = [this](QLineEdit *&felt, bool gem) {
        auto *w = new QWidget(m_bund);
        auto *l = new QHBoxLayout(w);
        l->setContentsMargins(0, 0, 0, 0);
        auto *label = new QLabel(QStringLiteral("Filnavn"), w);
        felt = new QLineEdit(w);
        felt->setReadOnly(!gem);
        felt->setAccessibleName(gem ? QStringLiteral("Gem som filnavn") : QStringLiteral("Filnavn"));
        label->setBuddy(felt);
        auto *luk = new QPushButton(QStringLiteral("Luk"), w);
        luk->setToolTip(QStringLiteral("Luk boksen"));
        connect(luk, &QPushButton::clicked, this, &QWidget::close);
        auto *handl = new QPushButton(gem ? QStringLiteral("Gem") : QStringLiteral("Rediger"), w);
        if (gem) {
            connect(handl, &QPushButton::clicked, this, &Topenfilform::gem);
            connect(felt, &QLineEdit::returnPressed, this, &Topenfilform::gem);
        } else {
            connect(handl, &QPushButton::clicked, this, &Topenfilform::rediger);
        }
        l->addWidget(label);
        l->addWidget(felt, 1);
        l->addWidget(luk);
        l->addWidget(handl);
        m_bund->addWidget(w);
    };
    panel(m_navnFelt, false);
    panel(m_gemFelt, true);
    top->addWidget(m_bund);
}

QWidget *Topenfilform::bygFunktioner()
{
    auto *kolonne = new QWidget(this);
    auto *lay = new QVBoxLayout(kolonne);
    lay->setContentsMargins(0, 0, 0, 0);
    auto gruppe = [&](const QString &titel, const QList<QAction *> &actions) {
        auto *g = new QGroupBox(titel, kolonne);
        auto *gl = new QGridLayout(g);
        gl->setContentsMargins(2, 2, 2, 2);
        for (int i = 0; i < actions.size(); ++i) {
            auto *b = new QToolButton(g);
            b->setDefaultAction(actions[i]);
            b->setToolButtonStyle(Qt::ToolButtonTextOnly);
            gl->addWidget(b, i / 3, i % 3);
        }
        lay->addWidget(g);
    };
    auto h = [this](const char *c) { return handling(QString::fromUtf8(c)); };
    gruppe(QStringLiteral("Funktioner"), {h("Udskriv filnavn"), h("Kør i program"), h("Vis billede")});
    gruppe(QStringLiteral("Filboks funktioner"),
           {h("Kopier"), h("Klip"), h("Sæt ind"), h("Slet"), h("Omdøb"), h("Slet permanent"), h("Marker alt"),
            h("Marker ingen"), h("Inverter"), h("Ny mappe"), h("Ny tekstfil"), h("Filtype information")});
    auto mappeKnap = [this](const QString &caption, const QString &folder) {
        auto *a = new QAction(caption, this);
        connect(a, &QAction::triggered, this, [this, folder] { specialMappe(folder, false, true); });
        return a;
    };
    gruppe(QStringLiteral("Mapper"),
           {mappeKnap(QStringLiteral("Dokumenter"), m_vaert.dokumentdir),
            mappeKnap(QStringLiteral("Scripteksempler"), m_vaert.programdir + QStringLiteral("Scripteksempler")),
            mappeKnap(QStringLiteral("Klicheer"), m_vaert.klichedir)});
    gruppe(QStringLiteral("Det kreative"), {h("Html filmliste"), h("Html musikliste"), h("Html billedliste")});
    auto *aaben = new QToolButton(kolonne);
    aaben->setDefaultAction(h("Åben funktion"));
    auto *gemF = new QToolButton(kolonne);
    gemF->setDefaultAction(h("Gem funktion"));
    lay->addWidget(aaben);
    lay->addWidget(gemF);
    lay->addStretch(1);
    return kolonne;
}

void Topenfilform::bygHandlinger()
{
    auto add = [this](const QString &caption, const QKeySequence &key, std::function<void()> f,
                      const QString &hint = {}) {
        auto *a = new QAction(caption, this);
        if (!key.isEmpty())
            a->setShortcut(key);
        if (!hint.isEmpty())
            a->setToolTip(hint);
        // The box's keys act only while the focus is inside it: Del in the
        // editor never deletes a file, and Ctrl+M, D and R stay the editor's.
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(a, &QAction::triggered, this, [this, f] {
            f();
            opdaterHandlinger();
        });
        addAction(a);
        m_handlinger.insert(caption, a);
        return a;
    };
    add(QStringLiteral("Rediger"), QKeySequence(Qt::CTRL | Qt::Key_R), [this] { rediger(); });
    add(QStringLiteral("Marker alt"), QKeySequence(Qt::CTRL | Qt::Key_A), [this] {
        funk->SelectMapperFiler(1);
        valgSkiftet();
    });
    add(QStringLiteral("Marker ingen"), QKeySequence(Qt::CTRL | Qt::Key_I), [this] {
        funk->SelectMapperFiler(2);
        valgSkiftet();
    });
    add(QStringLiteral("Inverter"), {}, [this] {
        funk->SelectMapperFiler(3);
        valgSkiftet();
    });
    add(QStringLiteral("Åben i Stifinder"), {}, [this] {
        if (m_vaert.aabnIStifinder)
            m_vaert.aabnIStifinder(funk->Grundmappe);
    });
    add(QStringLiteral("Ny mappe"), QKeySequence(Qt::CTRL | Qt::Key_M),
        [this] { nyMappeErOprettet = funk->NyMappe(funk->Grundmappe); });
    add(QStringLiteral("Ny tekstfil"), {}, [this] { nyTekstfil(); });
    add(QStringLiteral("Omdøb"), QKeySequence(Qt::Key_F2), [this] { funk->editSelected(); });
    QAction *sletA = add(QStringLiteral("Slet"), QKeySequence(Qt::CTRL | Qt::Key_D), [this] { this->slet(true); });
    sletA->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_D), QKeySequence(Qt::Key_Delete)});
    add(QStringLiteral("Slet permanent"), QKeySequence(Qt::SHIFT | Qt::Key_Delete), [this] { this->slet(false); });
    add(QStringLiteral("Mappeegenskaber"), {}, [this] { funk->showMappeInfo(); });
    add(QStringLiteral("Filegenskaber"), {}, [this] { funk->showFileInfo(funk->Filnavn); });
    add(QStringLiteral("Vis egenskaber"), {}, [this] {
        funk->Filnavn.isEmpty() ? funk->showMappeInfo() : funk->showFileInfo(funk->Filnavn);
    });
    add(QStringLiteral("Drevinformation"), {}, [this] { funk->showDriveInfo(funk->Grundmappe); });
    add(QStringLiteral("Kopier"), QKeySequence(Qt::CTRL | Qt::Key_C), [this] { kopier(false); });
    add(QStringLiteral("Klip"), QKeySequence(Qt::CTRL | Qt::Key_X), [this] { kopier(true); });
    add(QStringLiteral("Sæt ind"), QKeySequence(Qt::CTRL | Qt::Key_V), [this] { saetInd(); });
    add(QStringLiteral("Tøm papirkurv"), {}, [this] { funk->EmptyRecycleBin(true, funk->Grundmappe); });
    add(QStringLiteral("Kør i program"), QKeySequence(Qt::CTRL | Qt::Key_P), [this] {
        if (m_vaert.koerIProgram && !funk->Filnavn.isEmpty())
            m_vaert.koerIProgram(funk->Filnavn);
    });
    add(QStringLiteral("Vis billede"), QKeySequence(Qt::CTRL | Qt::Key_B), [this] { visBillede(); });
    add(QStringLiteral("Åben funktion"), {}, [this] { aabenFunktion(); });
    add(QStringLiteral("Gem funktion"), {}, [this] { gemFunktion(); }, QStringLiteral("Aktiver gem dokument funktion"));
    add(QStringLiteral("Udskriv filnavn"), {}, [this] {
        if (!QFileInfo(funk->Filnavn).isFile()) {
            ui::showInfo(this, QStringLiteral("Der skal være valgt en fil!"));
            return;
        }
        if (m_vaert.udskrivFilnavn)
            m_vaert.udskrivFilnavn(fileNameOf(funk->Filnavn));
    }, QStringLiteral("Indsæt valgte filnavn i dokumentet"));
    add(QStringLiteral("Html filmliste"), {}, [this] { afspilningsliste(1); });
    add(QStringLiteral("Html musikliste"), {}, [this] { afspilningsliste(2); });
    add(QStringLiteral("Html billedliste"), {}, [this] { afspilningsliste(3); });
    add(QStringLiteral("Filtype information"), {}, [this] { filtypeInformation(); },
        QStringLiteral("Hvis der er information om valgte filtype vises den."));
}

void Topenfilform::opdaterDrevMenu()
{
    m_drev->clear();
    for (const TDrevPunkt &d : funk->makeDrevTekstMenu()) {
        QAction *a = m_drev->addAction(d.caption);
        connect(a, &QAction::triggered, this, [this, root = d.root] { funk->drevTekstKlik(root); });
    }
}

void Topenfilform::bygSpecialMenu()
{
    m_seneste = m_special->addMenu(QStringLiteral("Seneste mapper"));
    connect(m_seneste, &QMenu::aboutToShow, this, [this] {
        m_seneste->clear();
        const QStringList mapper = m_vaert.senesteMapper ? m_vaert.senesteMapper() : QStringList();
        m_seneste->addAction(mapper.isEmpty() ? QStringLiteral("Ingen mapper") : QStringLiteral("Mapper"))->setEnabled(false);
        for (const QString &m : mapper)
            connect(m_seneste->addAction(m), &QAction::triggered, this, [this, m] { visMappe(m); });
    });
    connect(m_special->addAction(QStringLiteral("Indsæt i Seneste mapper")), &QAction::triggered, this, [this] {
        if (m_vaert.indsaetSenesteMappe)
            m_vaert.indsaetSenesteMappe(funk->Grundmappe);
    });
    auto punkt = [this](QMenu *m, const QString &caption, std::function<QString()> folder, bool historik, bool reload) {
        connect(m->addAction(caption), &QAction::triggered, this,
                [this, folder, historik, reload] { specialMappe(folder(), historik, reload); });
    };
    punkt(m_special, QStringLiteral("OneDrive"), [this] {
        const QString f = TVarProp::join(QDir::homePath(), QStringLiteral("OneDrive"));
        if (QFileInfo(f).isDir())
            return f;
        ui::showInfo(this, QStringLiteral("Mappen blev ikke fundet."));
        return QString();
    }, true, true);
    punkt(m_special, QStringLiteral("Skrivebord"), [this] { return funk->GetMyDesktop(); }, false, true);
    punkt(m_special, QStringLiteral("Dokumenter"), [this] { return funk->GetMyDocuments(); }, true, true);
    punkt(m_special, QStringLiteral("Billeder"), [this] { return funk->GetMyPictures(); }, false, true);
    punkt(m_special, QStringLiteral("Musik"), [this] { return funk->GetMyMusic(); }, false, true);
    punkt(m_special, QStringLiteral("Videoer"), [this] { return funk->GetMyVideo(); }, false, true);
    punkt(m_special, QStringLiteral("Favoritter"), [this] { return funk->GetMyFavorit(); }, true, false);
    punkt(m_special, QStringLiteral("Kontakter"), [this] { return funk->GetMyKontakter(funk->Brugernavn); }, true, false);
    punkt(m_special, QStringLiteral("Overførsler"), [this] { return funk->GetMyDownLoad(funk->Brugernavn); }, true, false);
    punkt(m_special, QStringLiteral("Startmenu"), [this] { return funk->GetStartMenuPrograms(); }, true, false);
    punkt(m_special, QStringLiteral("AppData"), [this] { return funk->GetMyApp(); }, true, false);
    QMenu *delte = m_special->addMenu(QStringLiteral("Delte mapper"));
    punkt(delte, QStringLiteral("Dokumenter"), [this] { return funk->GetCommonDocuments(); }, false, true);
    punkt(delte, QStringLiteral("Billeder"), [this] { return funk->GetCommonPictures(); }, false, true);
    punkt(delte, QStringLiteral("Musik"), [this] { return funk->GetCommonMusic(); }, false, true);
    punkt(delte, QStringLiteral("Videoer"), [this] { return funk->GetCommonVideo(); }, false, true);
}

void Topenfilform::nyTekstfil()
{
    const QList<QPair<QString, QString>> typer = m_vaert.filtyper ? m_vaert.filtyper() : QList<QPair<QString, QString>>();
    QDialog box(this);
    box.setWindowTitle(QStringLiteral("Skab en tekstfil af valgte type"));
    auto *lay = new QVBoxLayout(&box);
    auto *liste = new QListWidget(&box);
    liste->setAccessibleName(QStringLiteral("Dokument type"));
    for (const auto &t : typer)
        liste->addItem(t.first + QStringLiteral(" (") + t.second + u')');
    if (liste->count())
        liste->setCurrentRow(0);
    lay->addWidget(liste);
    auto *knapper = new QDialogButtonBox(&box);
    knapper->addButton(QStringLiteral("Skab tekstfil"), QDialogButtonBox::AcceptRole);
    knapper->addButton(QStringLiteral("Annuller"), QDialogButtonBox::RejectRole);
    connect(knapper, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    connect(knapper, &QDialogButtonBox::rejected, &box, &QDialog::reject);
    connect(liste, &QListWidget::itemDoubleClicked, &box, &QDialog::accept);
    lay->addWidget(knapper);
    if (box.exec() != QDialog::Accepted || liste->currentRow() < 0)
        return;
    const auto &t = typer[liste->currentRow()];
    if (funk->SkrivTekstfil(t.first + t.second.mid(1), 0))
        funk->editSelected();
}

} // namespace taglund
