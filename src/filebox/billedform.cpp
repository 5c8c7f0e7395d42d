#include "filebox/billedform.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace taglund {

Tbilledform::Tbilledform(QWidget *parent) : QWidget(parent, Qt::Tool)
{
    setWindowTitle(QStringLiteral("Billede"));
    auto *lay = new QVBoxLayout(this);
    m_billede = new QLabel(this);
    m_billede->setAlignment(Qt::AlignCenter);
    m_billede->setMinimumSize(1, 1);
    lay->addWidget(m_billede, 1);
    auto *status = new QHBoxLayout;
    const char *const labels[] = {"Bredde", "Højde", "Navn"};
    for (int i = 0; i < 3; ++i) {
        status->addWidget(new QLabel(QString::fromUtf8(labels[i]), this));
        m_panel[i] = new QLabel(this);
        m_panel[i]->setAccessibleName(QString::fromUtf8(labels[i]));
        status->addWidget(m_panel[i], i == 2 ? 1 : 0);
    }
    lay->addLayout(status);
}

bool Tbilledform::vis(const QString &path)
{
    QPixmap p(path);
    if (p.isNull())
        return false;
    m_pixmap = p;
    m_panel[0]->setText(QString::number(p.width()));
    m_panel[1]->setText(QString::number(p.height()));
    m_panel[2]->setText(QFileInfo(path).fileName());
    resize(std::clamp(p.width() + 32, 486, 800), std::clamp(p.height() + 32, 333, 600));
    tegn();
    show();
    raise();
    return true;
}

QString Tbilledform::panel(int i) const
{
    return i >= 0 && i < 3 ? m_panel[i]->text() : QString();
}

void Tbilledform::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    tegn();
}

void Tbilledform::tegn()
{
    if (!m_pixmap.isNull())
        m_billede->setPixmap(m_pixmap.scaled(m_billede->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

} // namespace taglund
