#include "app/commands/htmludskriftform.h"

#include "app/commands/commandhost.h"
#include "core/text/paths.h"
#include "core/text/textfile.h"
#include "ui/questions.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

namespace taglund {

namespace {

QPushButton *button(const QString &caption, const QString &hint, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setAccessibleName(caption);
    b->setToolTip(hint);
    b->setStatusTip(hint);
    b->setAutoDefault(false);
    return b;
}

} // namespace

THtmlUdskriftForm::THtmlUdskriftForm(TCommandHost *host, QWidget *parent) : QDialog(parent), m_host(host)
{
    setWindowTitle(QStringLiteral("Html udskrift"));
    setAccessibleName(windowTitle());
    resize(720, 520);

    m_field = new TPlainEditor(this, this);
    m_field->setAccessibleName(QStringLiteral("Html udskrift"));
    m_text = std::make_unique<TDocText>(m_field->document(), m_field);

    m_true = button(QStringLiteral("True"), QStringLiteral("Opdel i linjer gør teksten læselig"), this);
    m_false = button(QStringLiteral("False"),
                     QStringLiteral("Opdel i linjer skal være False før udskrivning i dokument"), this);
    m_write = button(QStringLiteral("Udskriv"),
                     QStringLiteral("Skriv linjerne ind i det aktive dokument ved markøren"), this);
    auto *info = new QToolButton(this);
    const QString infoHint = QStringLiteral("Information: Omskriver tekstfiler til Html");
    info->setIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation));
    info->setToolTip(infoHint);
    info->setStatusTip(infoHint);
    info->setAccessibleName(infoHint);
    QPushButton *close = button(QStringLiteral("Luk boksen"), QStringLiteral("Luk boksen"), this);

    connect(m_true, &QPushButton::clicked, this, &THtmlUdskriftForm::splitOn);
    connect(m_false, &QPushButton::clicked, this, &THtmlUdskriftForm::splitOff);
    connect(m_write, &QPushButton::clicked, this, &THtmlUdskriftForm::writeToDocument);
    connect(info, &QToolButton::clicked, this, [this] {
        if (m_host)
            m_host->helpInfo(QStringLiteral("Information"), QStringLiteral("Omskriver tekstfiler til Html"));
    });
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_true);
    buttons->addWidget(m_false);
    buttons->addWidget(m_write);
    buttons->addStretch();
    buttons->addWidget(info);
    buttons->addWidget(close);

    m_progress = new QProgressBar(this);
    m_progress->setAccessibleName(QStringLiteral("Fremdrift"));
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setMaximumWidth(160);
    m_status = new QStatusBar(this);
    m_status->setAccessibleName(QStringLiteral("Statuslinje"));
    m_status->setSizeGripEnabled(false);
    m_status->addPermanentWidget(m_progress);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_field, 1);
    layout->addWidget(m_status);

    setSplitting(true);
}

THtmlUdskriftForm::~THtmlUdskriftForm()
{
    // The text operations watch the field's document: let go before it goes.
    m_text.reset();
}

QString THtmlUdskriftForm::filePath() const
{
    const QString folder = m_host ? m_host->programFolder() : QString();
    return folder.isEmpty() ? QString() : joinPath(folder, fileName());
}

bool THtmlUdskriftForm::splitting() const
{
    return m_field->splitsLines();
}

bool THtmlUdskriftForm::reload()
{
    if (m_host)
        m_field->setFont(m_host->documentFont());
    QString text;
    bool ok = true;
    const QString path = filePath();
    if (!path.isEmpty() && QFileInfo::exists(path)) {
        QByteArray bytes;
        QString error;
        if (TextFile::readBytes(path, bytes, &error)) {
            text = TextFile::splitLines(TextFile::decodeDocument(bytes).text).join(u'\n');
        } else {
            ui::showError(this, QStringLiteral("Filen ") + path + QStringLiteral(" kunne ikke læses.\r") + error);
            ok = false;
        }
    }
    m_field->setPlainText(text);
    m_text->setModified(false);
    return ok;
}

void THtmlUdskriftForm::showFile()
{
    reload();
    show();
    raise();
    activateWindow();
}

bool THtmlUdskriftForm::saveFile(QString *error)
{
    const QString path = filePath();
    if (path.isEmpty()) {
        if (error)
            *error = QStringLiteral("Programmappen er ikke kendt.");
        return false;
    }
    const QStringList lines = m_text->Lines();
    const QString all = lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    // HTML made from rich text may hold characters Windows-1252 lacks.
    const TextEncoding encoding = TextFile::encodingForSave(all, TextEncoding::Cp1252);
    return TextFile::writeBytes(path, TextFile::encode(all, encoding), error);
}

void THtmlUdskriftForm::setProgress(int percent)
{
    m_progress->setValue(std::clamp(percent, 0, 100));
}

void THtmlUdskriftForm::showStatus(const QString &text)
{
    m_status->showMessage(text);
}

void THtmlUdskriftForm::setSplitting(bool on)
{
    m_field->setSplitLines(on);
    updateButtons();
}

void THtmlUdskriftForm::splitOn()
{
    reload();
    setSplitting(true);
}

void THtmlUdskriftForm::splitOff()
{
    reload();
    setSplitting(false);
}

void THtmlUdskriftForm::activeDocumentChanged()
{
    updateButtons();
}

void THtmlUdskriftForm::updateButtons()
{
    const bool on = splitting();
    m_true->setEnabled(!on);
    m_false->setEnabled(on);
    m_write->setEnabled(!on && m_host && m_host->activeText());
}

int THtmlUdskriftForm::writeToDocument()
{
    TDocText *target = m_host ? m_host->activeText() : nullptr;
    if (!target || splitting())
        return 0;
    const QStringList lines = m_text->Lines();
    if (m_text->Length() == 0)
        return 0;
    QTextCursor undoStep(target->document());
    undoStep.beginEditBlock();
    for (const QString &line : lines)
        m_host->writeLine(line);
    undoStep.endEditBlock();
    m_host->caretChanged();
    return int(lines.size());
}

bool THtmlUdskriftForm::event(QEvent *e)
{
    // A dialog has no status bar of its own to take the long part of hints.
    if (e->type() == QEvent::StatusTip) {
        m_status->showMessage(static_cast<QStatusTipEvent *>(e)->tip());
        return true;
    }
    return QDialog::event(e);
}

void THtmlUdskriftForm::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    updateButtons();
}

} // namespace taglund
