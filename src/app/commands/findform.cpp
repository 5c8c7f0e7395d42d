#include "app/commands/findform.h"

#include "app/commands/commandhost.h"
#include "core/text/doctext.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include "ui/controls.h"

namespace taglund {

namespace {

QLineEdit *field(const QString &name, QWidget *parent)
{
    auto *f = new QLineEdit(parent);
    f->setAccessibleName(name);
    f->setMinimumWidth(240);
    return f;
}

QCheckBox *option(const QString &caption, QWidget *parent)
{
    auto *c = new QCheckBox(caption, parent);
    c->setAccessibleName(caption);
    return c;
}

} // namespace

TFindForm::TFindForm(Mode mode, TCommandHost *host, QWidget *parent)
    : QDialog(parent), m_mode(mode), m_host(host)
{
    const bool replacing = mode == Mode::Replace;
    const QString title = replacing ? QStringLiteral("Erstat tekst i dokument") : QStringLiteral("Find i dokument");
    setWindowTitle(title);
    setAccessibleName(title);
    setModal(false);

    auto *grid = new QGridLayout;
    auto *searchLabel = new QLabel(QStringLiteral("Søg efter:"), this);
    m_search = field(QStringLiteral("Søg efter"), this);
    searchLabel->setBuddy(m_search);
    grid->addWidget(searchLabel, 0, 0);
    grid->addWidget(m_search, 0, 1);
    if (replacing) {
        auto *replaceLabel = new QLabel(QStringLiteral("Erstat med:"), this);
        m_replace = field(QStringLiteral("Erstat med"), this);
        replaceLabel->setBuddy(m_replace);
        grid->addWidget(replaceLabel, 1, 0);
        grid->addWidget(m_replace, 1, 1);
    }

    m_wholeWord = option(QStringLiteral("Kun hele ord"), this);
    m_matchCase = option(QStringLiteral("Forskel på store og små bogstaver"), this);
    auto *options = new QVBoxLayout;
    options->addWidget(m_wholeWord);
    options->addWidget(m_matchCase);

    auto *lower = new QHBoxLayout;
    lower->addLayout(options);
    if (!replacing) {
        auto *direction = new QGroupBox(QStringLiteral("Retning"), this);
        direction->setAccessibleName(direction->title());
        m_up = new QRadioButton(QStringLiteral("Op"), direction);
        m_down = new QRadioButton(QStringLiteral("Ned"), direction);
        m_up->setAccessibleName(m_up->text());
        m_down->setAccessibleName(m_down->text());
        m_down->setChecked(true);
        auto *dl = new QHBoxLayout(direction);
        dl->addWidget(m_up);
        dl->addWidget(m_down);
        lower->addWidget(direction);
    }
    lower->addStretch();

    auto *left = new QVBoxLayout;
    left->addLayout(grid);
    left->addLayout(lower);
    left->addStretch();

    auto *buttons = new QVBoxLayout;
    m_find = ui::namedButton(QStringLiteral("Find næste"), this);
    m_find->setDefault(true);
    buttons->addWidget(m_find);
    connect(m_find, &QPushButton::clicked, this, &TFindForm::findNext);
    if (replacing) {
        m_replaceOne = ui::namedButton(QStringLiteral("Erstat"), this);
        m_replaceAll = ui::namedButton(QStringLiteral("Erstat alle"), this);
        buttons->addWidget(m_replaceOne);
        buttons->addWidget(m_replaceAll);
        connect(m_replaceOne, &QPushButton::clicked, this, &TFindForm::replaceNext);
        connect(m_replaceAll, &QPushButton::clicked, this, &TFindForm::replaceAll);
    }
    QPushButton *close = ui::namedButton(QStringLiteral("Luk"), this);
    buttons->addWidget(close);
    buttons->addStretch();
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    connect(m_search, &QLineEdit::textChanged, this, &TFindForm::updateButtons);
    updateButtons();
}

FindOptions TFindForm::options() const
{
    FindOptions o;
    o.wholeWord = m_wholeWord->isChecked();
    o.matchCase = m_matchCase->isChecked();
    return o;
}

SearchDirection TFindForm::direction() const
{
    return m_up && m_up->isChecked() ? SearchDirection::Up : SearchDirection::Down;
}

TDocText *TFindForm::document() const
{
    return m_host ? m_host->activeText() : nullptr;
}

void TFindForm::activeDocumentChanged()
{
    updateButtons();
}

void TFindForm::updateButtons()
{
    const bool usable = !m_search->text().isEmpty() && document();
    m_find->setEnabled(usable);
    if (m_replaceOne) {
        m_replaceOne->setEnabled(usable);
        m_replaceAll->setEnabled(usable);
    }
}

bool TFindForm::findNext()
{
    TDocText *text = document();
    if (!text || m_search->text().isEmpty())
        return false;
    const bool found = FindReplace::findAndSelect(*text, m_search->text(), options(), direction());
    if (found)
        m_host->caretChanged();
    return found;
}

bool TFindForm::replaceNext()
{
    TDocText *text = document();
    if (!text || !m_replace)
        return false;
    const bool replaced = FindReplace::replaceNext(*text, m_search->text(), m_replace->text(), options());
    if (replaced)
        m_host->caretChanged();
    return replaced;
}

int TFindForm::replaceAll()
{
    TDocText *text = document();
    if (!text || !m_replace)
        return 0;
    const int count = FindReplace::replaceAll(*text, m_search->text(), m_replace->text(), options());
    if (count > 0)
        m_host->caretChanged();
    return count;
}

} // namespace taglund
