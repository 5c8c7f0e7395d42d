#include "css/cssfelter.h"

#include "css/cssfarve.h"
#include "html/infotag.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QRegularExpressionValidator>
#include <QToolButton>

namespace taglund {

namespace {
QIcon swatchIcon(const QColor &c)
{
    QPixmap pm(16, 12);
    pm.fill(c.isValid() ? c : QColor(Qt::transparent));
    QPainter p(&pm);
    p.setPen(Qt::gray);
    p.drawRect(0, 0, 15, 11);
    return QIcon(pm);
}

QString labelName(const QString &label)
{
    QString n = label.trimmed();
    if (n.endsWith(u':'))
        n.chop(1);
    return n;
}
} // namespace

const QStringList &rammeTyper()
{
    static const QStringList t = {"none", "hidden", "dotted", "dashed", "solid", "double", "groove",
                                  "ridge", "inset", "outset", "initial", "inherit"};
    return t;
}

TFarveFelt::TFarveFelt(QString *target, const QString &hint, QWidget *parent)
    : QWidget(parent), m_target(target)
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    m_edit = new QLineEdit(this);
    m_edit->setToolTip(hint);
    m_edit->setMaximumWidth(90);
    m_selector = new QComboBox(this);
    m_selector->setToolTip(QStringLiteral("Sidst valgte farve"));
    m_selector->addItem(swatchIcon(QColor()), QStringLiteral("Valgt farve"));
    m_selector->setItemData(0, QStringLiteral("Sidst valgte farve"), Qt::ToolTipRole);
    for (const CssFarve::Swatch &s : CssFarve::swatches()) {
        m_selector->addItem(swatchIcon(s.color), s.hint, s.color);
        m_selector->setItemData(m_selector->count() - 1, s.hint, Qt::ToolTipRole);
    }
    row->addWidget(m_edit);
    row->addWidget(m_selector);

    connect(m_selector, &QComboBox::activated, this, [this](int i) {
        if (i <= 0)
            return;
        const QColor c = m_selector->itemData(i).value<QColor>();
        setValgt(c);
        m_selector->setCurrentIndex(0);
        m_edit->setText(Tinfotag::GetColor(c));
        m_edit->setFocus();
    });
    connect(m_edit, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (m_normaliserer)
            return;
        const QString s = CssFarve::Get16Tal(text);
        if (s != text) {
            m_normaliserer = true;
            m_edit->setText(s);
            m_edit->setCursorPosition(int(s.size()));
            m_normaliserer = false;
        }
        *m_target = s;
        if (const std::optional<QColor> c = CssFarve::GetFarve(s))
            setValgt(*c);
    });
    vis();
}

void TFarveFelt::setValgt(const QColor &c)
{
    m_valgt = c;
    m_selector->setItemIcon(0, swatchIcon(c));
}

void TFarveFelt::vis()
{
    if (m_edit->text() != *m_target)
        m_edit->setText(*m_target);
    else if (const std::optional<QColor> c = CssFarve::GetFarve(*m_target))
        setValgt(*c);
}

TFeltBygger::TFeltBygger(QGridLayout *grid, std::function<void(const QString &)> info)
    : m_grid(grid), m_info(std::move(info))
{
}

void TFeltBygger::put(QWidget *w)
{
    m_grid->addWidget(w, m_row, m_col++);
}

QLineEdit *TFeltBygger::tal(const QString &label, QString *target, bool fortegn)
{
    QLineEdit *e = tekst(label, target);
    e->setValidator(new QRegularExpressionValidator(
        QRegularExpression(fortegn ? QStringLiteral("-?[0-9]*") : QStringLiteral("[0-9]*")), e));
    e->setMaximumWidth(70);
    return e;
}

QLineEdit *TFeltBygger::tekst(const QString &label, QString *target, const QString &hint)
{
    nyRaekke();
    put(new QLabel(label, m_grid->parentWidget()));
    auto *e = new QLineEdit(*target, m_grid->parentWidget());
    if (!hint.isEmpty())
        e->setToolTip(hint);
    else
        e->setAccessibleName(labelName(label));  // no caption or hint of its own
    QObject::connect(e, &QLineEdit::textChanged, e, [target](const QString &t) { *target = t; });
    m_vis.push_back([e, target] {
        if (e->text() != *target)
            e->setText(*target);
    });
    put(e);
    return e;
}

void TFeltBygger::talFire(const QString &label, std::array<QString, 4> *target)
{
    nyRaekke();
    put(new QLabel(label, m_grid->parentWidget()));
    auto *holder = new QWidget(m_grid->parentWidget());
    auto *row = new QHBoxLayout(holder);
    row->setContentsMargins(0, 0, 0, 0);
    static const char *const sider[] = {"top", "right", "bottom", "left"};
    for (int i = 0; i < 4; ++i) {
        auto *e = new QLineEdit((*target)[size_t(i)], holder);
        e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), e));
        e->setMaximumWidth(40);
        e->setAccessibleName(labelName(label) + u' ' + QLatin1String(sider[i]));
        QObject::connect(e, &QLineEdit::textChanged, e, [target, i](const QString &t) { (*target)[size_t(i)] = t; });
        m_vis.push_back([e, target, i] {
            if (e->text() != (*target)[size_t(i)])
                e->setText((*target)[size_t(i)]);
        });
        row->addWidget(e);
    }
    put(holder);
}

QComboBox *TFeltBygger::valg(const QString &label, const QStringList &entries, QString *target)
{
    nyRaekke();
    put(new QLabel(label, m_grid->parentWidget()));
    auto *c = new QComboBox(m_grid->parentWidget());
    c->addItems(entries);
    c->setAccessibleName(labelName(label));
    c->setCurrentIndex(std::max(0, int(entries.indexOf(*target))));
    QObject::connect(c, &QComboBox::currentTextChanged, c, [target](const QString &t) { *target = t; });
    m_vis.push_back([c, target] { c->setCurrentIndex(std::max(0, c->findText(*target))); });
    put(c);
    return c;
}

TFarveFelt *TFeltBygger::farve(const QString &label, QString *target, const QString &hint)
{
    nyRaekke();
    put(new QLabel(label, m_grid->parentWidget()));
    auto *f = new TFarveFelt(target, hint, m_grid->parentWidget());
    m_vis.push_back([f] { f->vis(); });
    put(f);
    return f;
}

QCheckBox *TFeltBygger::flag(const QString &caption, bool *target, const QString &hint, bool ny)
{
    if (ny)
        nyRaekke();
    auto *b = new QCheckBox(caption, m_grid->parentWidget());
    b->setChecked(*target);
    if (!hint.isEmpty())
        b->setToolTip(hint);
    QObject::connect(b, &QCheckBox::toggled, b, [target](bool on) { *target = on; });
    m_vis.push_back([b, target] { b->setChecked(*target); });
    if (ny) {
        m_grid->addWidget(b, m_row, 0, 1, 2);
        m_col = 2;
    } else {
        put(b);
    }
    return b;
}

QCheckBox *TFeltBygger::medtag(bool *target)
{
    m_col = 2;
    return flag(QStringLiteral("Medtag"), target, QStringLiteral("Medtag"), false);
}

QToolButton *TFeltBygger::nulstil(const QString &hint, std::function<void()> action)
{
    m_col = 3;
    auto *b = new QToolButton(m_grid->parentWidget());
    b->setText(QStringLiteral("<"));
    b->setToolTip(hint);
    b->setAccessibleName(hint.isEmpty() ? QStringLiteral("Nulstil") : hint);
    QObject::connect(b, &QToolButton::clicked, b, [this, action] {
        action();
        vis();
    });
    put(b);
    return b;
}

QToolButton *TFeltBygger::info(const QString &egenskab)
{
    m_col = 4;
    auto *b = new QToolButton(m_grid->parentWidget());
    b->setText(QStringLiteral("?"));
    b->setToolTip(QStringLiteral("Information: ") + egenskab);
    QObject::connect(b, &QToolButton::clicked, b, [this, egenskab] { m_info(egenskab); });
    put(b);
    return b;
}

void TFeltBygger::overskrift(const QString &text)
{
    nyRaekke();
    auto *l = new QLabel(QStringLiteral("<b>") + text.toHtmlEscaped() + QStringLiteral("</b>"), m_grid->parentWidget());
    l->setAccessibleName(text);
    m_grid->addWidget(l, m_row, 0, 1, 5);
}

void TFeltBygger::vis()
{
    for (auto &f : m_vis)
        f();
}

} // namespace taglund
