#include "structures/strukturikonvalg.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QToolButton>

namespace taglund {

const QList<TIkonVaelger::Knap> &TIkonVaelger::infoKnapper()
{
    static const QList<Knap> k{
        {QStringLiteral("Objekt"), 4},       {QStringLiteral("Information"), 3},  {QStringLiteral("Grøn bog"), 0},
        {QStringLiteral("Rød bog"), 1},      {QStringLiteral("Egenskab"), 8},     {QStringLiteral("Eksempel"), 2},
        {QStringLiteral("Rød bog åben"), 7}, {QStringLiteral("Kategori"), 6},     {QStringLiteral("Metode"), 5},
        {QStringLiteral("Andet"), 9},
    };
    return k;
}

const QList<TIkonVaelger::Knap> &TIkonVaelger::objektKnapper()
{
    static const QList<Knap> k = [] {
        QList<Knap> out;
        const QStringList &names = ikonNavne(TIkonSet::Objekt);
        for (int i = 0; i < names.size(); ++i)
            out.append({names[i], i});
        return out;
    }();
    return k;
}

TIkonVaelger::TIkonVaelger(QWidget *parent) : QGroupBox(parent), m_group(new QButtonGroup(this))
{
    setToolTip(QStringLiteral("Vælg ikon til elementer"));
    m_group->setExclusive(true);
    auto *row = new QHBoxLayout(this);
    row->setSpacing(2);
    for (int i = 0; i < 10; ++i) {
        auto *b = new QToolButton(this);
        b->setCheckable(true);
        b->setAutoRaise(true);
        b->setIconSize(QSize(16, 16));
        m_group->addButton(b, i);
        m_buttons << b;
        row->addWidget(b);
    }
    row->addStretch();
    connect(m_group, &QButtonGroup::idClicked, this, [this](int position) {
        choose(position);
        emit ikonValgt(m_ikon);
    });
}

void TIkonVaelger::setKnapper(TIkonSet set, const QList<Knap> &knapper)
{
    m_knapper = knapper;
    for (int i = 0; i < m_buttons.size(); ++i) {
        const Knap k = knapper.value(i);
        m_buttons[i]->setIcon(strukturIkon(set, k.second));
        m_buttons[i]->setToolTip(k.first);
        m_buttons[i]->setAccessibleName(k.first);
    }
}

void TIkonVaelger::choose(int position)
{
    if (position < 0 || position >= m_knapper.size())
        return;
    m_buttons[position]->setChecked(true);
    m_ikon = m_knapper[position].second;
    setTitle(QStringLiteral("Element ikon: ") + m_knapper[position].first);
}

void TIkonVaelger::vaelgIkon(int index)
{
    for (int i = 0; i < m_knapper.size(); ++i)
        if (m_knapper[i].second == index) {
            choose(i);
            return;
        }
}

QToolButton *TIkonVaelger::knap(int position) const
{
    return m_buttons.value(position);
}

} // namespace taglund
