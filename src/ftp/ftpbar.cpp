#include "ftp/ftpbar.h"

#include "core/winform.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QToolBar>
#include <QVBoxLayout>

namespace taglund {

namespace {

QAction *addButton(QToolBar *bar, const QString &caption, const QString &hint)
{
    QAction *a = bar->addAction(caption);
    a->setToolTip(hint);
    a->setStatusTip(hint);
    return a;
}

} // namespace

TFtpBar::TFtpBar(Twinform *w) : QWidget(w), m_win(w)
{
    setAccessibleName(QStringLiteral("FTP"));
    m_bar = new QToolBar(this);
    m_bar->setAccessibleName(QStringLiteral("FTP"));
    m_bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_upload = addButton(m_bar, QStringLiteral("Upload fil til server"),
                         QStringLiteral("Upload fil til FTP server: Anvender aktuelle forbindelse"));
    m_egenskaber = addButton(m_bar, QStringLiteral("Sæt ftp egenskaber"), QStringLiteral("Sæt ftp egenskaber"));
    m_info = addButton(m_bar, QStringLiteral("Vis/Skjul upload informationer"),
                       QStringLiteral("Vis/Skjul upload informationer"));

    m_field = new QPlainTextEdit(this);
    m_field->setReadOnly(true);
    m_field->setAccessibleName(QStringLiteral("Upload informationer"));
    m_field->setMaximumBlockCount(500);
    m_field->setFixedHeight(fontMetrics().lineSpacing() * 6 + 8);
    m_field->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_field->hide();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_bar);
    layout->addWidget(m_field);

    connect(m_upload, &QAction::triggered, this, [this] { emit uploadRequested(m_win); });
    connect(m_egenskaber, &QAction::triggered, this, &TFtpBar::egenskaberRequested);
    connect(m_info, &QAction::triggered, this, [this] { setInfoShown(!infoShown()); });
    w->barArea()->addWidget(this);
}

bool TFtpBar::infoShown() const
{
    return !m_field->isHidden();
}

void TFtpBar::setInfoShown(bool on)
{
    m_field->setVisible(on);
}

void TFtpBar::clearInfo()
{
    m_field->clear();
}

void TFtpBar::addInfo(const QString &line)
{
    m_field->appendPlainText(line);
}

} // namespace taglund
