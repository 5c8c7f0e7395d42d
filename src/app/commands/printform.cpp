#include "app/commands/printform.h"

#include "app/commands/commandhost.h"
#include "app/commands/printing.h"
#include "core/text/doctext.h"
#include "core/text/paths.h"
#include "ui/questions.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>
#include "ui/controls.h"

namespace taglund {

namespace {

QString pdfProposal(const QString &documentFile)
{
    if (documentFile.isEmpty())
        return joinPath(QDir::homePath(), QStringLiteral("IkkeNavngivet.pdf"));
    const QString ext = extensionOf(documentFile);
    return documentFile.left(documentFile.size() - ext.size()) + QStringLiteral(".pdf");
}

} // namespace

TPrintForm::TPrintForm(TCommandHost *host, QWidget *parent) : QDialog(parent), m_host(host)
{
    setWindowTitle(QStringLiteral("Udskriv dokument"));
    setAccessibleName(windowTitle());
    setModal(true);

    auto *margins = new QGroupBox(QStringLiteral("Margen i centimeter"), this);
    margins->setAccessibleName(margins->title());
    auto *marginForm = new QFormLayout(margins);
    m_left = numberField(QStringLiteral("Venstre"), true);
    m_right = numberField(QStringLiteral("Højre"), true);
    m_top = numberField(QStringLiteral("Top"), true);
    m_bottom = numberField(QStringLiteral("Bund"), true);
    marginForm->addRow(QStringLiteral("Venstre"), m_left);
    marginForm->addRow(QStringLiteral("Højre"), m_right);
    marginForm->addRow(QStringLiteral("Top"), m_top);
    marginForm->addRow(QStringLiteral("Bund"), m_bottom);

    auto *action = new QGroupBox(QStringLiteral("Aktion"), this);
    action->setAccessibleName(action->title());
    auto *actionForm = new QFormLayout(action);
    m_copies = numberField(QStringLiteral("Kopiantal"), false);
    m_target = new QComboBox(action);
    m_target->setAccessibleName(QStringLiteral("Printer"));
    m_target->setMinimumContentsLength(18);
    actionForm->addRow(QStringLiteral("Kopiantal"), m_copies);
    actionForm->addRow(QStringLiteral("Printer"), m_target);

    auto *groups = new QHBoxLayout;
    groups->addWidget(margins);
    groups->addWidget(action, 1);

    QPushButton *standard = ui::namedButton(QStringLiteral("Standard"), this);
    QPushButton *cancel = ui::namedButton(QStringLiteral("Annuller"), this);
    m_print = ui::namedButton(QStringLiteral("Print"), this);
    m_print->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(standard);
    buttons->addStretch();
    buttons->addWidget(cancel);
    buttons->addWidget(m_print);
    connect(standard, &QPushButton::clicked, this, &TPrintForm::restoreStandard);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_print, &QPushButton::clicked, this, &TPrintForm::print);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(buttons);

    restoreStandard();
    refreshPrinters();
}

QLineEdit *TPrintForm::numberField(const QString &name, bool allowComma)
{
    auto *f = new QLineEdit(this);
    f->setAccessibleName(name);
    f->setMaximumWidth(80);
    // Typed or pasted, anything but digits (and "," in a margin) goes at once.
    connect(f, &QLineEdit::textChanged, f, [f, allowComma](const QString &text) {
        const QString kept = allowComma ? CommandText::filterMarginField(text) : CommandText::filterCopiesField(text);
        if (kept != text) {
            f->setText(kept);
            f->setCursorPosition(int(kept.size()));
        }
    });
    return f;
}

void TPrintForm::restoreStandard()
{
    const CommandText::TPrintFieldTexts standard;
    m_left->setText(standard.left);
    m_right->setText(standard.right);
    m_top->setText(standard.top);
    m_bottom->setText(standard.bottom);
    m_copies->setText(standard.copies);
}

void TPrintForm::refreshPrinters()
{
    const QString chosen = m_target->currentText();
    m_target->clear();
    const QString standard = QPrinterInfo::defaultPrinterName();
    QStringList names = QPrinterInfo::availablePrinterNames();
    if (names.removeAll(standard) > 0)
        names.prepend(standard);
    m_target->addItems(names);
    m_target->addItem(pdfTarget());
    const int again = m_target->findText(chosen);
    m_target->setCurrentIndex(again >= 0 ? again : 0);
}

bool TPrintForm::execute()
{
    m_printed = false;
    refreshPrinters();
    exec();
    return m_printed;
}

void TPrintForm::print()
{
    const auto settings = CommandText::readPrintFields(m_left->text(), m_right->text(), m_top->text(),
                                                       m_bottom->text(), m_copies->text());
    if (!settings) {
        ui::showInfo(this, CommandText::MissingValueMessage);
        return;
    }
    if (!m_host || !m_host->activeText()) {
        reject();
        return;
    }
    m_printed = printTo(*settings);
    if (m_printed)
        accept();
}

bool TPrintForm::printTo(const CommandText::TPrintSettings &settings)
{
    const QTextDocument &doc = *m_host->activeText()->document();
    QString error;
    if (m_target->currentText() == pdfTarget()) {
        const QString title = QStringLiteral("Gem udskrift som PDF");
        const QString proposed = pdfProposal(m_host->activeFileName());
        QString path;
        if (ui::Script *s = ui::script())
            path = s->saveFileName ? s->saveFileName(title, proposed) : QString();
        else
            path = QFileDialog::getSaveFileName(this, title, proposed, QStringLiteral("PDF-filer (*.pdf)"), nullptr,
                                                QFileDialog::DontConfirmOverwrite);
        if (path.isEmpty())
            return false;
        if (extensionOf(path).isEmpty())
            path += QStringLiteral(".pdf");
        if (QFileInfo::exists(path)
            && !ui::askQuestion(this, {QStringLiteral("Filen ") + fileNameOf(path) + QStringLiteral(" eksisterer allerede!"),
                                       QStringLiteral("Skal den overskrives?")}))
            return false;
        if (Printing::printToPdf(doc, path, settings, &error))
            return true;
    } else {
        QPrinter printer(QPrinterInfo::printerInfo(m_target->currentText()), QPrinter::HighResolution);
        if (Printing::printDocument(doc, printer, settings, &error))
            return true;
    }
    ui::showError(this, error);
    return false;
}

} // namespace taglund
