#include "script/vbsform.h"

#include "core/commandregistry.h"
#include "core/model/mainoptions.h"
#include "core/model/programpaths.h"
#include "core/programhost.h"
#include "core/text/paths.h"
#include "core/winform.h"
#include "script/infomodel.h"
#include "structures/strukturlib.h"
#include "structures/strukturview.h"
#include "ui/questions.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolBar>
#include <QVBoxLayout>

namespace taglund {

namespace {

QWidget *column(QWidget *parent)
{
    auto *w = new QWidget(parent);
    auto *l = new QVBoxLayout(w);
    l->setContentsMargins(2, 2, 2, 2);
    l->setSpacing(3);
    return w;
}

QPushButton *hinted(const QString &caption, const QString &hint, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setToolTip(hint);
    return b;
}

} // namespace

TvbsForm::TvbsForm(TProgramHost *host, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), m_host(host)
{
    setWindowTitle(QStringLiteral("VbScript"));
    setMinimumSize(640, 500);
    m_settings = TVbsSettings::read(host->paths().optdir);
    build();
    setStorFont(m_settings.storFont);
    applySwitches();
    loadStructures(true);
    m_ana.setStrukturValues(&m_values);
    m_ana.Struktur = &m_struktur;
    m_ana.OnMessage = [this](const QString &text) { ui::showInfo(this, text); };
    m_ana.OnProgress = [this](int pos, int max) {
        m_bar->setMaximum(std::max(max, 1));
        m_bar->setValue(pos);
    };
    m_ana.OnPump = [this] {
        // Let the box repaint while a long pass runs; a key or a close
        // handled here cannot start a second pass (the analyser refuses)
        // and a closed document stops this one.
        refreshLists();
        QCoreApplication::processEvents();
        return !m_doc.isNull();
    };
    move(std::max(0, m_settings.left), std::max(0, m_settings.top));
    resize(std::max(640, m_settings.width), std::max(500, m_settings.height));
}

TvbsForm::~TvbsForm()
{
    m_ana.cancel();
    m_ana.Editor = nullptr;
}

void TvbsForm::build()
{
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 4, 4, 4);
    m_split = new QSplitter(Qt::Horizontal, this);
    buildLeft(m_split);
    buildMiddle(m_split);
    buildRight(m_split);
    m_split->setSizes({std::max(80, m_settings.leftWidth), 300, std::max(80, m_settings.rightWidth)});
    outer->addWidget(m_split, 1);
    outer->addWidget(buildBottom());
}

void TvbsForm::buildLeft(QSplitter *split)
{
    QWidget *left = column(split);
    m_bar = new QProgressBar(left);
    m_bar->setTextVisible(false);
    m_bar->setMaximumHeight(12);
    m_bar->setAccessibleName(QStringLiteral("Fremdrift"));
    left->layout()->addWidget(m_bar);
    m_leftSplit = new QSplitter(Qt::Vertical, left);
    auto table = [this](TRegistryModel *model, const QString &name) {
        auto *v = new QTableView(m_leftSplit);
        v->setModel(model);
        v->setAccessibleName(name);
        v->verticalHeader()->hide();
        v->horizontalHeader()->setStretchLastSection(true);
        v->setSelectionBehavior(QAbstractItemView::SelectRows);
        v->setEditTriggers(QAbstractItemView::NoEditTriggers);
        return v;
    };
    m_objModel = new TRegistryModel(&m_ana.ObjektDis(), QStringLiteral("Objekt"), QStringLiteral("Struktur objekt"), this);
    m_varModel = new TRegistryModel(&m_ana.VariabelDis(), QStringLiteral("Emne"), QStringLiteral("Værdi"), this);
    m_objView = table(m_objModel, QStringLiteral("Objekter"));
    m_varView = table(m_varModel, QStringLiteral("Variabler"));
    m_leftSplit->setSizes({300, std::max(60, m_settings.variableHeight)});
    left->layout()->addWidget(m_leftSplit);
}

void TvbsForm::buildMiddle(QSplitter *split)
{
    QWidget *middle = column(split);
    auto *l = static_cast<QVBoxLayout *>(middle->layout());
    m_objEdit = new QLineEdit(middle);
    m_objEdit->setReadOnly(true);
    m_objEdit->setAccessibleName(QStringLiteral("Objekttype"));
    l->addWidget(m_objEdit);
    m_middleSplit = new QSplitter(Qt::Vertical, middle);
    m_box = new QListWidget(m_middleSplit);
    m_box->setAccessibleName(QStringLiteral("Medlemmer"));
    QWidget *lower = column(m_middleSplit);
    auto *buttons = new QHBoxLayout;
    auto *linje = hinted(QStringLiteral("Linje"), QStringLiteral("Registrer aktuelle linje: Ctrl+Alt+W"), lower);
    auto *alt = hinted(QStringLiteral("Alt"), QStringLiteral("Registrer hele scriptet: Ctrl+Alt+Q"), lower);
    m_kunFejl = new QCheckBox(QStringLiteral("!"), lower);
    m_kunFejl->setToolTip(QStringLiteral("Vis kun information angående linjer med fejl eller eventuelle fejl"));
    buttons->addWidget(linje);
    buttons->addWidget(alt);
    buttons->addWidget(m_kunFejl);
    buttons->addStretch();
    lower->layout()->addItem(buttons);
    m_infoModel = new TInfoModel(&m_ana.infoBox(), this);
    m_infoView = new QListView(lower);
    m_infoView->setModel(m_infoModel);
    m_infoView->setAccessibleName(QStringLiteral("Linjeinformation"));
    m_infoView->setUniformItemSizes(true);
    m_infoView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lower->layout()->addWidget(m_infoView);
    m_middleSplit->setSizes({200, std::max(80, m_settings.infoHeight)});
    l->addWidget(m_middleSplit, 1);

    connect(linje, &QPushButton::clicked, this, &TvbsForm::RegistrerLinje);
    connect(alt, &QPushButton::clicked, this, &TvbsForm::RegistrerAlt);
    connect(m_kunFejl, &QCheckBox::toggled, this, [this](bool on) {
        m_host->options().visKunFejl = on;
        m_ana.KunFejlInfo = on;
    });
    connect(m_box, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *it) { chooseMember(it->text()); });
    connect(m_infoView, &QListView::doubleClicked, this,
            [this](const QModelIndex &i) { chooseMember(i.data(Qt::DisplayRole).toString()); });
    m_box->installEventFilter(this);
    m_infoView->installEventFilter(this);
}

void TvbsForm::buildRight(QSplitter *split)
{
    QWidget *right = column(split);
    auto *l = static_cast<QVBoxLayout *>(right->layout());
    auto *wordRow = new QHBoxLayout;
    m_wordEdit = new QLineEdit(right);
    m_wordEdit->setReadOnly(true);
    m_wordEdit->setAccessibleName(QStringLiteral("Aktuelle ord"));
    m_wordFind = hinted(QStringLiteral("Find"), QStringLiteral("Find aktuelle begreb fra dokumentet i strukturen"), right);
    wordRow->addWidget(m_wordEdit, 1);
    wordRow->addWidget(m_wordFind);
    l->addLayout(wordRow);

    m_tree = new TStrukturView(right);
    m_tree->setIkonSet(TIkonSet::Objekt);
    m_tree->setStruktur(&m_struktur);
    m_tree->setAccessibleName(QStringLiteral("script"));
    l->addWidget(m_tree, 3);
    l->addWidget(new QLabel(QStringLiteral("Definition"), right));
    m_definition = new QPlainTextEdit(right);
    m_definition->setReadOnly(true);
    m_definition->setAccessibleName(QStringLiteral("Definition"));
    l->addWidget(m_definition, 1);
    l->addWidget(new QLabel(QStringLiteral("Syntax | Eksempel"), right));
    m_syntax = new QPlainTextEdit(right);
    m_syntax->setReadOnly(true);
    m_syntax->setAccessibleName(QStringLiteral("Syntax | Eksempel"));
    l->addWidget(m_syntax, 1);

    auto *bar = new QToolBar(right);
    QAction *opdater = bar->addAction(QStringLiteral("Opdater"));
    opdater->setToolTip(QStringLiteral("Opdater strukturen hvis den er forandret"));
    QAction *naeste = bar->addAction(QStringLiteral("Næste"));
    naeste->setToolTip(QStringLiteral("Gå videre til næste punkt med samme tekst"));
    QAction *udfold = bar->addAction(QStringLiteral("+"));
    udfold->setToolTip(QStringLiteral("Udfold strukturen"));
    QAction *sammenfold = bar->addAction(QStringLiteral("-"));
    sammenfold->setToolTip(QStringLiteral("Sammenfold strukturen"));
    l->addWidget(bar);

    auto *entryRow = new QHBoxLayout;
    m_entryEdit = new QLineEdit(right);
    m_entryEdit->setReadOnly(true);
    m_entryEdit->setAccessibleName(QStringLiteral("Valgte punkt"));
    m_entryFind = hinted(QStringLiteral("Find"), QStringLiteral("Information om aktuelle strukturpunkt"), right);
    m_entryFind->setEnabled(false);
    entryRow->addWidget(m_entryEdit, 1);
    entryRow->addWidget(m_entryFind);
    l->addLayout(entryRow);
    auto *searchRow = new QHBoxLayout;
    m_search = new QLineEdit(right);
    m_search->setAccessibleName(QStringLiteral("Søg i strukturen"));
    auto *searchFind = hinted(QStringLiteral("Find"), QStringLiteral("Find indførte begreb i strukturen"), right);
    searchRow->addWidget(m_search, 1);
    searchRow->addWidget(searchFind);
    l->addLayout(searchRow);

    connect(opdater, &QAction::triggered, this, &TvbsForm::Opdater);
    connect(naeste, &QAction::triggered, this, [this] {
        const int i = ScriptBox::nextSameText(m_struktur.tree(), m_struktur.getTheSelectedIndex());
        if (i >= 0) {
            ScriptBox::showNode(m_struktur, i);
            showEntry(m_struktur.Selected());
        }
    });
    connect(udfold, &QAction::triggered, this, [this] { m_struktur.expandAll(); });
    connect(sammenfold, &QAction::triggered, this, [this] { m_struktur.collapseAll(); });
    connect(m_tree, &TStrukturView::nodeActivated, this, &TvbsForm::showEntry);
    connect(m_tree, &TStrukturView::nodeSelected, this, &TvbsForm::showEntry);
    connect(m_tree, &TStrukturView::nodeDoubleClicked, this, [this](TStrukturNode *n) {
        if (n)
            writeAtCaret(n->text);
    });
    connect(m_wordFind, &QPushButton::clicked, this, [this] { searchTree(m_wordEdit->text()); });
    connect(searchFind, &QPushButton::clicked, this, [this] { searchTree(m_search->text()); });
    connect(m_search, &QLineEdit::returnPressed, this, [this] { searchTree(m_search->text()); });
    connect(m_entryFind, &QPushButton::clicked, this, [this] {
        if (TStrukturNode *n = m_struktur.Selected())
            m_host->HelpInfo(QStringLiteral("VBS"), n->text);
    });
    m_wordFind->installEventFilter(this);
    m_entryFind->installEventFilter(this);
    m_tree->installEventFilter(this);
}

QWidget *TvbsForm::buildBottom()
{
    auto *bottom = new QWidget(this);
    auto *l = new QHBoxLayout(bottom);
    l->setContentsMargins(2, 2, 2, 2);
    l->addWidget(new QLabel(QStringLiteral("Funktioner:"), bottom));
    m_script = new QCheckBox(QStringLiteral("Script"), bottom);
    m_folg = new QCheckBox(QStringLiteral("Struktur"), bottom);
    m_popup = new QCheckBox(QStringLiteral("Popup"), bottom);
    m_storFont = new QCheckBox(QStringLiteral("Stor font"), bottom);
    m_storFont->setToolTip(QStringLiteral("Vælg mellem stor eller lille fontstørrelse"));
    auto *info = new QPushButton(QStringLiteral("?"), bottom);
    info->setToolTip(QStringLiteral("Information: Scriptboksen"));
    info->setAccessibleName(QStringLiteral("Information: Scriptboksen"));
    auto *egenskab = new QPushButton(QStringLiteral("..."), bottom);
    egenskab->setToolTip(QStringLiteral("Bestem egenskab angående scriptfunktion"));
    egenskab->setAccessibleName(QStringLiteral("Bestem egenskab angående scriptfunktion"));
    auto *rens = hinted(QStringLiteral("Rens lister"), QStringLiteral("Rens alle lister for information"), bottom);
    m_visLinjer = new QCheckBox(QStringLiteral("Vis linjer"), bottom);
    m_visLinjer->setToolTip(QStringLiteral("Linjer der ikke analyseres vises i linjeinformationen"));
    for (QWidget *w : std::initializer_list<QWidget *>{m_script, m_folg, m_popup, m_storFont, info, egenskab, rens, m_visLinjer})
        l->addWidget(w);
    l->addStretch();

    connect(m_script, &QCheckBox::toggled, this, [this](bool on) {
        m_host->options().DocScript = on;
        if (Twinform *w = m_host->activeWin())
            w->doScript = on;
    });
    connect(m_folg, &QCheckBox::toggled, this, [this](bool on) { m_host->options().autoFocus = on; });
    connect(m_popup, &QCheckBox::toggled, this, [this](bool on) {
        m_host->options().autoPop = on;
        m_box->clear();
        m_objEdit->clear();
    });
    connect(m_storFont, &QCheckBox::toggled, this, &TvbsForm::setStorFont);
    connect(m_visLinjer, &QCheckBox::toggled, this, [this](bool on) {
        m_host->options().ikkeAnalyseret = !on;
        m_ana.IkkeNonAna = !on;
    });
    connect(info, &QPushButton::clicked, this,
            [this] { m_host->HelpInfo(QStringLiteral("Information"), QStringLiteral("Scriptboksen")); });
    connect(egenskab, &QPushButton::clicked, this, [this] {
        QAction *a = m_host->commands() ? m_host->commands()->action(QStringLiteral("AEgenskaber")) : nullptr;
        if (!a)
            return;
        a->trigger();
        // The options box holds "Åben dokumenterne med scriptfunktion" on its page "Filtyper".
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (!top->isVisible() || top == this)
                continue;
            for (QTabWidget *tabs : top->findChildren<QTabWidget *>())
                for (int i = 0; i < tabs->count(); ++i)
                    if (tabs->tabText(i) == QLatin1String("Filtyper"))
                        tabs->setCurrentIndex(i);
        }
    });
    connect(rens, &QPushButton::clicked, this, &TvbsForm::RensLister);
    return bottom;
}

void TvbsForm::applySwitches()
{
    const TMainOptions &o = m_host->options();
    const QSignalBlocker b1(m_script), b2(m_folg), b3(m_popup), b4(m_kunFejl), b5(m_visLinjer);
    m_script->setChecked(o.DocScript);
    m_folg->setChecked(o.autoFocus);
    m_popup->setChecked(o.autoPop);
    m_kunFejl->setChecked(o.visKunFejl);
    m_visLinjer->setChecked(!o.ikkeAnalyseret);
    m_ana.KunFejlInfo = o.visKunFejl;
    m_ana.IkkeNonAna = o.ikkeAnalyseret;
}

void TvbsForm::loadStructures(bool tellMissing)
{
    const QString dir = m_host->paths().strukturdir;
    bool missing = false;
    for (auto [s, name] : {std::pair<TStruktur *, const char *>{&m_struktur, "script"}, {&m_values, "Values"}}) {
        StrukturLib::setupObject(*s, dir, QString::fromLatin1(name));
        if (!QFileInfo(s->Strukturfile).isFile() || !QFileInfo(s->Datafile).isFile()) {
            s->Clear();
            missing = true;
            continue;
        }
        s->HentStruktur();
    }
    if (missing && tellMissing)
        ui::showInfo(this, QStringLiteral("Der mangler en strukturfil."));
}

// --- Binding ------------------------------------------------------------

void TvbsForm::bind(Twinform *w)
{
    if (m_doc == w)
        return;
    m_ana.cancel();
    m_doc = w;
    m_ord.clear();
    m_writer.setEditor(w ? &w->text() : nullptr);
    m_ana.Editor = nullptr;
    if (m_script) {
        const QSignalBlocker b(m_script);
        m_script->setChecked(m_host->options().DocScript);
    }
}

void TvbsForm::documentClosing(Twinform *w)
{
    if (w && w == m_doc)
        m_ana.cancel();
}

void TvbsForm::documentClosed(Twinform *w)
{
    if (!w || (w != m_doc && !m_doc.isNull()))
        return;
    m_ana.cancel();
    m_ana.Editor = nullptr;
    m_writer.setEditor(nullptr);
    m_doc = nullptr;
    RensLister();
}

// --- Passes --------------------------------------------------------------

void TvbsForm::runPass(int toLine)
{
    if (m_doc.isNull() || m_ana.busy())
        return;
    m_ana.Editor = &m_doc->text();
    QApplication::setOverrideCursor(Qt::BusyCursor);
    m_ana.registerAll(toLine);
    QApplication::restoreOverrideCursor();
    m_ana.Editor = nullptr;
    refreshLists();
}

void TvbsForm::RegistrerAlt()
{
    runPass(-1);
}

void TvbsForm::RegistrerLinje()
{
    runPass(caretLine());
}

int TvbsForm::caretLine() const
{
    if (m_doc.isNull())
        return -1;
    TDocText &t = m_doc->text();
    return t.document()->findBlock(t.SelStart()).blockNumber();
}

void TvbsForm::refreshLists()
{
    m_infoModel->reset();
    m_objModel->reset();
    m_varModel->reset();
}

// --- Typing help -----------------------------------------------------------

void TvbsForm::typedText(QChar c, int caretBefore)
{
    if (m_doc.isNull())
        return;
    if (c == u' ') {
        m_ord.clear();
    } else if (c == u'.') {
        TDocText &t = m_doc->text();
        const int caret = t.SelStart();
        const QTextBlock block = t.document()->findBlock(caret);
        const int column = caret - block.position() - 1;  // before the dot
        const QString word = ScriptBox::lastWord(block.text(), column);
        if (!word.isEmpty() && ScriptBox::outsideQuotes(block.text(), column))
            InsertOrdS(word);
        m_ord.clear();
    } else if (ScriptBox::growsWord(c)) {
        m_ord.letter(c, caretBefore);
        if (m_folg->isChecked()) {
            const int i = ScriptBox::findWord(m_struktur.tree(), m_ord.ord(), -1);
            if (i >= 0) {
                m_struktur.select(m_struktur.Node(i));
                showEntry(m_struktur.Selected());
            }
        }
    } else
        m_ord.clear();
    m_wordEdit->setText(m_ord.ord());
}

void TvbsForm::typedEnter(int endedLine)
{
    InsertObject(endedLine);
    m_ord.clear();
    m_wordEdit->clear();
}

void TvbsForm::typedBackspace()
{
    if (m_doc.isNull())
        return;
    m_ord.backspace(m_doc->text().SelStart());
    m_wordEdit->setText(m_ord.ord());
}

void TvbsForm::typedOther()
{
    m_ord.clear();
    m_wordEdit->clear();
}

void TvbsForm::InsertObject(int lineIndex)
{
    if (m_doc.isNull() || lineIndex < 0)
        return;
    TDocText &t = m_doc->text();
    if (!m_ord.isEmpty()) {
        const QTextBlock ended = t.document()->findBlockByNumber(lineIndex);
        const QString closing = ended.isValid() ? ScriptBox::closingLine(ended.text()) : QString();
        if (!closing.isEmpty()) {
            // The caret stands at the start of the line Enter made: an empty
            // line and the closing line go in front of it, the caret stays.
            const int p = t.SelStart();
            t.setSelText(QStringLiteral("\r\n") + closing + QStringLiteral("\r\n"));
            t.setSelStart(p);
            return;
        }
    }
    runPass(lineIndex);
}

void TvbsForm::InsertOrdS(const QString &word)
{
    m_ana.clearInfo();
    const QString type = m_ana.findInRec(word);
    if (!type.isEmpty()) {
        m_objEdit->setText(type);
        if (m_folg->isChecked())
            findStrukturNode(type);
        if (m_popup->isChecked())
            LoadBox(type);
        else
            focusDocument();
    } else {
        m_ana.addInfo(QStringLiteral("Ukendt objekt: ") + word, 10);
        m_objEdit->clear();
        m_wordEdit->clear();
        m_box->clear();
        m_struktur.collapseAll();
        focusDocument();
    }
    m_infoModel->reset();
}

void TvbsForm::LoadBox(const QString &type)
{
    m_box->clear();
    for (const ScriptBox::Member &m : ScriptBox::members(m_struktur.tree(), type))
        m_box->addItem(new QListWidgetItem(strukturIkon(TIkonSet::Objekt, m.icon), m.text));
    if (m_box->count() > 0) {
        m_box->setCurrentRow(0);
        m_box->setFocus();
        m_ord.clear();
    }
}

void TvbsForm::chooseMember(const QString &text)
{
    if (text.isEmpty())
        return;
    writeAtCaret(text);
    if (m_folg->isChecked()) {
        const int i = ScriptBox::findTypeNode(m_struktur.tree(), m_objEdit->text());
        if (i >= 0) {
            ScriptBox::showNode(m_struktur, i);
            showEntry(m_struktur.Selected());
        }
    }
    focusDocument();
}

void TvbsForm::writeAtCaret(const QString &text)
{
    if (m_doc.isNull())
        return;
    m_writer.setEditor(&m_doc->text());
    m_writer.UdskrivKoden(text);
}

void TvbsForm::focusDocument()
{
    if (!m_doc.isNull())
        m_doc->text().SetFocus();
}

// --- Structure --------------------------------------------------------------

void TvbsForm::findStrukturNode(const QString &text)
{
    const int i = ScriptBox::findNode(m_struktur.tree(), text);
    if (i < 0)
        return;
    ScriptBox::showNode(m_struktur, i);
    showEntry(m_struktur.Selected());
}

void TvbsForm::showEntry(TStrukturNode *n)
{
    m_entryFind->setEnabled(n != nullptr);
    if (!n) {
        m_definition->clear();
        m_syntax->clear();
        return;
    }
    const StrukturLib::PayloadFields f = StrukturLib::splitPayload(n->payload());
    m_definition->setPlainText(f.definition);
    m_syntax->setPlainText(f.syntax);
}

void TvbsForm::searchTree(const QString &word)
{
    if (word.trimmed().isEmpty())
        return;
    m_host->setFindText(word);
    const int i = ScriptBox::findWord(m_struktur.tree(), word, m_struktur.getTheSelectedIndex());
    if (i >= 0) {
        ScriptBox::showNode(m_struktur, i);
        showEntry(m_struktur.Selected());
    }
}

void TvbsForm::Opdater()
{
    const QString selected = m_struktur.Selected() ? m_struktur.Selected()->text : QString();
    m_ana.cancel();
    loadStructures(true);
    // The analyser copied the old structure; its current nodes go with it.
    m_ana.valuesReloaded();
    if (!selected.isEmpty())
        findStrukturNode(selected);
}

void TvbsForm::RensLister()
{
    m_ana.clearLists();
    refreshLists();
    m_objEdit->clear();
    m_search->clear();
    m_box->clear();
    m_struktur.collapseAll();
    m_definition->clear();
    m_syntax->clear();
    m_bar->setValue(0);
}

QString TvbsForm::objektType() const
{
    return m_objEdit->text();
}

QString TvbsForm::definitionText() const
{
    return m_definition->toPlainText();
}

QString TvbsForm::syntaxText() const
{
    return m_syntax->toPlainText();
}

void TvbsForm::setStorFont(bool on)
{
    m_settings.storFont = on;
    if (m_storFont->isChecked() != on) {
        const QSignalBlocker b(m_storFont);
        m_storFont->setChecked(on);
    }
    QFont f = font();
    f.setPointSize(on ? 10 : 8);
    for (QWidget *w : std::initializer_list<QWidget *>{m_objView, m_varView, m_box, m_infoView, m_objEdit, m_wordEdit,
                                                       m_entryEdit, m_search, m_tree, m_definition, m_syntax})
        w->setFont(f);
    m_infoModel->setFont(f);
    const int rowHeight = f.pointSize() + 20;
    for (QLineEdit *e : {m_objEdit, m_wordEdit, m_entryEdit, m_search})
        e->setFixedHeight(rowHeight);
}

bool TvbsForm::saveSettings(QString *error) const
{
    TVbsSettings s = m_settings;
    s.top = y();
    s.left = x();
    s.width = width();
    s.height = height();
    const QList<int> sizes = m_split->sizes();
    if (sizes.size() == 3) {
        s.leftWidth = sizes.at(0);
        s.rightWidth = sizes.at(2);
    }
    if (m_leftSplit->sizes().size() == 2)
        s.variableHeight = m_leftSplit->sizes().at(1);
    if (m_middleSplit->sizes().size() == 2)
        s.infoHeight = m_middleSplit->sizes().at(1);
    return s.write(m_host->paths().optdir, error);
}

bool TvbsForm::eventFilter(QObject *o, QEvent *e)
{
    if (o == m_wordFind && (e->type() == QEvent::Enter || e->type() == QEvent::Leave)) {
        // The button searches the word at the document's caret while the pointer is on it.
        if (e->type() == QEvent::Enter && !m_doc.isNull()) {
            m_writer.setEditor(&m_doc->text());
            m_wordEdit->setText(m_writer.FindOrdAttribut());
        } else if (e->type() == QEvent::Leave)
            m_wordEdit->clear();
    } else if (o == m_entryFind && (e->type() == QEvent::Enter || e->type() == QEvent::Leave)) {
        m_entryEdit->setText(e->type() == QEvent::Enter && m_struktur.Selected() ? m_struktur.Selected()->text : QString());
    } else if (e->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(e);
        const bool enter = k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
        if (enter && o == m_box && m_box->currentItem()) {
            chooseMember(m_box->currentItem()->text());
            return true;
        }
        if (enter && o == m_infoView && m_infoView->currentIndex().isValid()) {
            chooseMember(m_infoView->currentIndex().data().toString());
            return true;
        }
        if (enter && o == m_tree && m_struktur.Selected()) {
            writeAtCaret(m_struktur.Selected()->text);
            return true;
        }
    }
    return QWidget::eventFilter(o, e);
}

void TvbsForm::closeEvent(QCloseEvent *e)
{
    m_ana.cancel();
    e->accept();
}

} // namespace taglund
