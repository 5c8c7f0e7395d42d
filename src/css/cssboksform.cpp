#include "css/cssboksform.h"

#include "css/cssfelter.h"
#include "css/csspreview.h"
#include "css/cssvaert.h"
#include "ui/controls.h"
#include "ui/questions.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace taglund {

TCssBoksForm::TCssBoksForm(TCssVaert *vaert, QWidget *parent) : QWidget(parent, Qt::Tool), m_vaert(vaert)
{
    setWindowTitle(QStringLiteral("Css boksen"));
    auto *top = new QVBoxLayout(this);
    m_tabs = new QTabWidget(this);
    m_tabs->addTab(side(bygKontainer()), QStringLiteral("Kontainer"));
    m_tabs->addTab(side(bygRulletekst()), QStringLiteral("Rulletekst"));
    m_tabs->addTab(side(bygStarwars()), QStringLiteral("Starwars rulletekst"));
    m_tabs->addTab(side(bygArtikel()), QStringLiteral("Artikelkolonne"));
    top->addWidget(m_tabs);
    auto *bund = new QHBoxLayout;
    addKnap(bund, QStringLiteral("Information"), QStringLiteral("Information angående CSS-boksen"),
            [this] { m_vaert->hjaelp(QStringLiteral("Information"), QStringLiteral("Css boksen")); });
    bund->addStretch();
    addKnap(bund, QStringLiteral("Luk boksen"), QStringLiteral("Luk boksen"), [this] { close(); });
    top->addLayout(bund);
    resize(820, 640);
}

TCssBoksForm::~TCssBoksForm() = default;

QWidget *TCssBoksForm::side(QWidget *content)
{
    auto *scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(content);
    return scroll;
}

TFeltBygger *TCssBoksForm::bygger(QGridLayout *grid)
{
    m_byggere.push_back(std::make_unique<TFeltBygger>(
        grid, [this](const QString &egenskab) { m_vaert->hjaelp(QStringLiteral("CSS"), egenskab); }));
    return m_byggere.back().get();
}

QPushButton *TCssBoksForm::lavKnap(const QString &caption, const QString &hint, std::function<void()> f)
{
    QPushButton *b = ui::namedButton(caption, this);
    if (!hint.isEmpty())
        b->setToolTip(hint);
    connect(b, &QPushButton::clicked, this, std::move(f));
    return b;
}

QPushButton *TCssBoksForm::addKnap(QLayout *l, const QString &caption, const QString &hint, std::function<void()> f)
{
    QPushButton *b = lavKnap(caption, hint, std::move(f));
    l->addWidget(b);
    return b;
}

QPushButton *TCssBoksForm::knap(const QString &captionOrHint) const
{
    QList<QWidget *> order{m_tabs->currentWidget(), const_cast<TCssBoksForm *>(this)};
    for (QWidget *w : order)
        for (QPushButton *b : w->findChildren<QPushButton *>())
            if (b->text() == captionOrHint || (b->toolTip() == captionOrHint && b->text().size() <= 1))
                return b;
    return nullptr;
}

void TCssBoksForm::vis()
{
    for (auto &b : m_byggere)
        b->vis();
    if (m_skyggeValg && m_skyggeValg->button(m_k.skyggeType))
        m_skyggeValg->button(m_k.skyggeType)->setChecked(true);
}

bool TCssBoksForm::dokumentAabent()
{
    if (m_vaert->harDokument())
        return true;
    ui::showInfo(this, CssBeskeder::ingenDokumenter());
    return false;
}

bool TCssBoksForm::gemOgVis(const TCssPreviewSide &s, const QStringList &lines)
{
    QString message;
    if (!CssPreview::gem(CssPreview::stilarkSti(m_vaert->programdir(), s), lines, &message)) {
        ui::showError(this, message);
        return false;
    }
    m_vaert->visPreview(s.entry);
    return true;
}

// ---- "Kontainer" ----------------------------------------------------

QWidget *TCssBoksForm::bygKontainer()
{
    auto *page = new QWidget;
    auto *v = new QVBoxLayout(page);
    auto *presets = new QHBoxLayout;
    static const char *const hints[] = {"Simpel tekstboks", "Simpel tekstboks med ramme",
                                        "Simpel tekstboks med skygge", "Simpel tekstboks med tekst definitioner",
                                        "Simpel tekstboks med positionsbestemmelse", "Simpel tekstboks med bokstype"};
    for (int n = 1; n <= 6; ++n)
        addKnap(presets, QString::number(n), QString::fromUtf8(hints[n - 1]), [this, n] {
            CssKontainer::preset(m_k, n);
            vis();
            preview();
        });
    presets->addStretch();
    v->addLayout(presets);

    auto *cols = new QGridLayout;
    v->addLayout(cols);
    int placed = 0;
    auto gruppe = [&](std::function<void(TFeltBygger &)> fields, const QString &knapTekst) {
        auto *box = new QGroupBox(page);
        auto *grid = new QGridLayout(box);
        TFeltBygger *b = bygger(grid);
        fields(*b);
        b->nyRaekke();
        grid->addWidget(lavKnap(knapTekst, QString(), [this, knapTekst] { udskrivGruppe(knapTekst); }),
                        b->raekke(), 0, 1, 5);
        cols->addWidget(box, placed / 2, placed % 2);
        ++placed;
    };
    const QStringList medtagIkke{QString::fromLatin1(kMedtagIkke)};

    gruppe([&](TFeltBygger &b) {
        b.flag(QStringLiteral("Bokstype"), &m_k.bokstype);
        b.valg(QStringLiteral("box-sizing: "), medtagIkke + QStringList{"border-box", "content-box", "initial", "inherit"},
               &m_k.boxSizing);
        b.info(QStringLiteral("box-sizing"));
        b.valg(QStringLiteral("display: "),
               medtagIkke + QStringList{"inline", "block", "flex", "inline-block", "inline-flex", "inline-table",
                                        "list-item", "run-in", "table", "table-caption", "table-column-group",
                                        "table-header-group", "table-footer-group", "table-row-group", "table-cell",
                                        "table-column", "table-row", "none", "initial", "inherit"},
               &m_k.display);
        b.info(QStringLiteral("display"));
    }, QStringLiteral("Udskriv bokstype"));

    gruppe([&](TFeltBygger &b) {
        b.flag(QStringLiteral("Ramme"), &m_k.ramme);
        b.info(QStringLiteral("border"));
        b.valg(QStringLiteral("border-style: "), rammeTyper(), &m_k.borderStyle);
        b.info(QStringLiteral("border-style"));
        b.tal(QStringLiteral("border-width: "), &m_k.borderWidth);
        b.nulstil(QString(), [this] { m_k.borderWidth = QStringLiteral("1"); });
        b.info(QStringLiteral("border-width"));
        b.tal(QStringLiteral("border-radius: "), &m_k.borderRadius);
        b.medtag(&m_k.medRadius);
        b.nulstil(QString(), [this] { m_k.borderRadius = QStringLiteral("7"); });
        b.info(QStringLiteral("border-radius"));
        b.farve(QStringLiteral("border-color: "), &m_k.borderColor);
        b.info(QStringLiteral("border-color"));
    }, QStringLiteral("Udskriv ramme"));

    gruppe([&](TFeltBygger &b) {
        b.flag(QStringLiteral("Boksskygge"), &m_k.skygge);
        b.info(QStringLiteral("box-shadow"));
        b.tal(QStringLiteral("h-shadow: "), &m_k.hShadow, true);
        b.nulstil(QStringLiteral("Sæt horisontal skygge til 0px"), [this] { m_k.hShadow = QStringLiteral("0"); });
        b.tal(QStringLiteral("v-shadow: "), &m_k.vShadow, true);
        b.nulstil(QStringLiteral("Sæt vertikal skygge til 0px"), [this] { m_k.vShadow = QStringLiteral("0"); });
        b.tal(QStringLiteral("blur: "), &m_k.blur);
        b.medtag(&m_k.medBlur);
        b.nulstil(QString(), [this] { m_k.blur = QStringLiteral("8"); });
        const QString hint = QStringLiteral("Skyggefarven kan indføres manuelt eller vælges fra farveboksen.");
        b.farve(QStringLiteral("Skyggefarve: "), &m_k.skyggeFarve, hint);
        b.farve(QStringLiteral("Lys skyggefarve: "), &m_k.lysSkyggeFarve, hint);
        b.overskrift(QStringLiteral("Bokstype"));
        b.nyRaekke();
        auto *valg = new QButtonGroup(b.grid()->parentWidget());
        const QStringList typer{QStringLiteral("Normal skygge"), QStringLiteral("Inset boks"), QStringLiteral("Outset boks")};
        auto *row = new QHBoxLayout;
        for (int i = 0; i < 3; ++i) {
            auto *r = new QRadioButton(typer[i], b.grid()->parentWidget());
            r->setChecked(m_k.skyggeType == i);
            valg->addButton(r, i);
            row->addWidget(r);
        }
        connect(valg, &QButtonGroup::idClicked, this, [this](int id) { m_k.skyggeType = id; });
        b.grid()->addLayout(row, b.raekke(), 0, 1, 5);
        m_skyggeValg = valg;
    }, QStringLiteral("Udskriv boksskygge"));

    gruppe([&](TFeltBygger &b) {
        b.flag(QStringLiteral("Baggrundsfarve"), &m_k.baggrund);
        b.farve(QStringLiteral("bg-color: "), &m_k.bgColor);
        b.info(QStringLiteral("background-color"));
    }, QStringLiteral("Udskriv baggrundsfarve"));

    gruppe([&](TFeltBygger &b) {
        b.flag(QStringLiteral("Tekst"), &m_k.tekst);
        b.farve(QStringLiteral("color: "), &m_k.color);
        b.info(QStringLiteral("color"));
        b.flag(QStringLiteral("text-align: justify"), &m_k.justify);
        b.flag(QStringLiteral("text-justify: distribute"), &m_k.distribute);
        b.tal(QStringLiteral("font-size:"), &m_k.fontSize);
        b.medtag(&m_k.medFontSize);
        b.nulstil(QString(), [this] { m_k.fontSize = QStringLiteral("14"); });
        b.info(QStringLiteral("font-size"));
    }, QStringLiteral("Udskriv tekstegenskaber"));

    gruppe([&](TFeltBygger &b) {
        b.flag(QStringLiteral("Margin og padding"), &m_k.marginPadding);
        b.talFire(QStringLiteral("magin: "), &m_k.margin);
        b.medtag(&m_k.medMargin);
        b.nulstil(QStringLiteral("Sæt alle margin værdier til første værdi"), [this] { CssKontainer::nulstilMargin(m_k); });
        b.info(QStringLiteral("margin"));
        b.talFire(QStringLiteral("padding: "), &m_k.padding);
        b.medtag(&m_k.medPadding);
        b.nulstil(QStringLiteral("Sæt alle margin værdier til første værdi"), [this] { CssKontainer::nulstilPadding(m_k); });
        b.info(QStringLiteral("padding"));
    }, QStringLiteral("Udskriv margin og padding"));

    gruppe([&](TFeltBygger &b) {
        b.flag(QStringLiteral("Position"), &m_k.position);
        b.valg(QStringLiteral("position: "),
               medtagIkke + QStringList{"static", "absolute", "fixed", "relative", "initial", "inherit"},
               &m_k.positionValg);
        b.info(QStringLiteral("position"));
        struct Felt {
            const char *label, *egenskab;
            QString *value;
            bool *med;
        };
        const Felt felter[] = {{"width: ", "width", &m_k.width, &m_k.medWidth},
                               {"height: ", "height", &m_k.height, &m_k.medHeight},
                               {"top:", "top", &m_k.top, &m_k.medTop},
                               {"left: ", "left", &m_k.left, &m_k.medLeft}};
        for (const Felt &f : felter) {
            b.tal(QString::fromLatin1(f.label), f.value);
            b.medtag(f.med);
            QString *value = f.value;
            bool *med = f.med;
            b.nulstil(QStringLiteral("Sæt værdi til 0"), [value, med] {
                *value = QStringLiteral("0");
                *med = false;
            });
            b.info(QString::fromLatin1(f.egenskab));
        }
    }, QStringLiteral("Udskriv position"));

    auto *frame = new QGroupBox(page);
    auto *fg = new QGridLayout(frame);
    TFeltBygger *fb = bygger(fg);
    fb->flag(QStringLiteral("Medtag style-kode"), &m_k.styleKode,
             QStringLiteral("Anbringes i head-afdelingen: <style>EGENSKABER</style>"));
    fb->tekst(QStringLiteral("Navn"), &m_k.navn, QStringLiteral("Selector der også anvendes i attribut class=\"\""));
    auto *navnInfo = new QToolButton(frame);
    navnInfo->setText(QStringLiteral("?"));
    navnInfo->setToolTip(QStringLiteral("Information: Navn"));
    connect(navnInfo, &QToolButton::clicked, this, [this] {
        ui::showInfo(this, QStringLiteral("Det er vigtigt, at hver css-definition har et specifikt unikt navn!"));
    });
    fg->addWidget(navnInfo, fb->raekke(), 4);
    fb->flag(QStringLiteral("Medtag class-name"), &m_k.classNavn, QStringLiteral("Fx: .kontainer{...}"));
    cols->addWidget(frame, placed / 2, placed % 2);

    auto *knapper = new QHBoxLayout;
    addKnap(knapper, QStringLiteral("Udskriv valgte"), QString(), [this] { udskrivValgte(); });
    addKnap(knapper, QStringLiteral("Preview"), QStringLiteral("Preview med valgte egenskaber"), [this] { preview(); });
    knapper->addStretch();
    v->addLayout(knapper);
    v->addStretch();
    return page;
}

void TCssBoksForm::udskrivGruppe(const QString &knap)
{
    if (!dokumentAabent())
        return;
    QStringList lines;
    bool tom = false;
    if (knap == u"Udskriv bokstype") {
        tom = CssKontainer::bokstypeTom(m_k);
        lines = CssKontainer::bokstype(m_k);
    } else if (knap == u"Udskriv ramme") {
        lines = CssKontainer::ramme(m_k);
    } else if (knap == u"Udskriv boksskygge") {
        lines << CssKontainer::boksskygge(m_k);
    } else if (knap == u"Udskriv baggrundsfarve") {
        lines << CssKontainer::baggrund(m_k);
    } else if (knap == u"Udskriv margin og padding") {
        tom = CssKontainer::marginPaddingTom(m_k);
        lines = CssKontainer::marginPadding(m_k);
    } else if (knap == u"Udskriv position") {
        tom = CssKontainer::positionTom(m_k);
        lines = CssKontainer::position(m_k);
    } else if (knap == u"Udskriv tekstegenskaber") {
        lines = CssKontainer::tekst(m_k);
    }
    if (tom) {
        ui::showInfo(this, CssBeskeder::intetAtUdskrive());
        return;
    }
    m_vaert->skrivLinjer({lines, false});
}

void TCssBoksForm::udskrivValgte()
{
    if (dokumentAabent())
        m_vaert->skrivLinjer(CssKontainer::udskrivValgte(m_k));
}

bool TCssBoksForm::preview()
{
    return gemOgVis(CssPreview::kontainer, CssKontainer::preview(m_k));
}

} // namespace taglund
