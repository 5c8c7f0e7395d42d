// What the options box's buttons do: opening it from the settings, each
// page's "Gem", the extension list and the style.
#include "core/model/mainoptions.h"
#include "app/options/egenskabsform.h"
#include "app/options/egenskabshost.h"
#include "platform/fileassoc.h"
#include "ui/questions.h"
#include "ui/styles.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

namespace taglund {

namespace {
enum Page { Placeringer, VisElementer, Andre, Filtyper, Design };
}

void TEgenskabsform::vis()
{
    TMainOptions &o = m_host.egenskaber();
    m_loading = true;
    (o.filboksPlacering ? m_filboksHoejre : m_filboksVenstre)->setChecked(true);
    (o.htmlboksPlacering ? m_htmlHoejre : m_htmlVenstre)->setChecked(true);
    m_ftp->setChecked(o.visFtpFunktioner);
    m_autoSeneste->setChecked(o.autoSenesteFM);
    m_autoFold->setChecked(m_host.structureAutoFold());
    m_genaabn->setChecked(o.openDokumenter);
    m_vis = TVisElementer::fromOptions(o);
    for (int j = 0; j < int(m_visBoxes.size()); ++j)
        m_visBoxes[size_t(j)]->setChecked(m_vis.ticked(TVisElementer::Boks(j)));
    m_alwaysDS->setChecked(o.AlwaysDS);
    const QString current = ui::resolveStyleName(o.designName);
    for (int i = 0; i < m_styles->count(); ++i)
        if (m_styles->item(i)->data(Qt::UserRole).toString() == current)
            m_styles->setCurrentRow(i);
    m_loading = false;
    show();
    raise();
    activateWindow();
}

void TEgenskabsform::showEvent(QShowEvent *e)
{
    for (int page : {Placeringer, VisElementer, Andre})
        m_gem[size_t(page)]->setEnabled(false);
    QDialog::showEvent(e);
}

void TEgenskabsform::gemPlaceringer()
{
    TMainOptions &o = m_host.egenskaber();
    o.filboksPlacering = m_filboksHoejre->isChecked() ? 1 : 0;
    o.htmlboksPlacering = m_htmlHoejre->isChecked() ? 1 : 0;
    m_host.placeHtmlPanel(o.htmlboksPlacering != 0);
    m_gem[Placeringer]->setEnabled(false);
}

void TEgenskabsform::gemVisElementer()
{
    m_vis.toOptions(m_host.egenskaber());
    m_host.applyShownElements();
    m_gem[VisElementer]->setEnabled(false);
}

void TEgenskabsform::gemAndre()
{
    TMainOptions &o = m_host.egenskaber();
    o.autoSenesteFM = m_autoSeneste->isChecked();
    o.openDokumenter = m_genaabn->isChecked();
    // Without reopening, the list of the last exit has no use left.
    if (!o.openDokumenter && QFile::exists(m_host.dokumentFil()))
        QFile::remove(m_host.dokumentFil());
    m_host.setStructureAutoFold(m_autoFold->isChecked());
    o.visFtpFunktioner = m_ftp->isChecked();
    m_host.applyShownElements();
    m_gem[Andre]->setEnabled(false);
}

void TEgenskabsform::gemFiltyper()
{
    m_host.egenskaber().AlwaysDS = m_alwaysDS->isChecked();
    m_gem[Filtyper]->setEnabled(false);
}

void TEgenskabsform::testOgGem()
{
    QListWidgetItem *item = m_styles->currentItem();
    if (!item)
        return;
    ui::chooseStyle(item->data(Qt::UserRole).toString(), m_host.egenskaber().designName, m_host.documentOpen(),
                    this);
}

void TEgenskabsform::fillFiltyper()
{
    const int current = m_liste->indexOfTopLevelItem(m_liste->currentItem());
    m_liste->clear();
    for (const TFiltypeRaekke &r : m_filtyper.rows())
        new QTreeWidgetItem(m_liste, {r.ext, r.registered ? QStringLiteral("Ja") : QStringLiteral("Nej")});
    if (current >= 0 && current < m_liste->topLevelItemCount())
        m_liste->setCurrentItem(m_liste->topLevelItem(current));
    m_liste->clearSelection();
}

void TEgenskabsform::saveFiltyper()
{
    QString error;
    if (!m_filtyper.save(m_host.filtypeFil(), &error))
        ui::showError(this, QStringLiteral("Filen \"%1\" kan ikke gemmes.\r%2").arg(m_host.filtypeFil(), error));
}

void TEgenskabsform::filtypeClicked()
{
    const int row = m_liste->indexOfTopLevelItem(m_liste->currentItem());
    if (row < 0 || row >= m_filtyper.rows().size())
        return;
    m_registrerEdit->clear();
    m_fjernEdit->clear();
    const TFiltypeRaekke &r = m_filtyper.rows()[row];
    (r.registered ? m_fjernEdit : m_registrerEdit)->setText(r.ext);
}

void TEgenskabsform::indfoer()
{
    const QString message = m_filtyper.indfoer(m_nyType->text());
    if (!message.isEmpty()) {
        ui::showInfo(this, message);
        return;
    }
    saveFiltyper();
    fillFiltyper();
    m_nyType->clear();
}

// The row marked is the one holding the field's extension: the field may
// have been edited after a row was clicked. A write the desktop refused is
// said, and the row keeps its mark.
void TEgenskabsform::setRegistration(bool on)
{
    QLineEdit *field = on ? m_registrerEdit : m_fjernEdit;
    const QString ext = field->text();
    FileAssociations &desktop = FileAssociations::instance();
    if (!(on ? desktop.registerType(ext, m_host.programFolder()) : desktop.unregisterType(ext))) {
        ui::showError(this, on ? TFiltypeListe::IkkeRegistreret : TFiltypeListe::IkkeFjernet);
        return;
    }
    m_filtyper.setRegistered(m_filtyper.indexOf(ext), on);
    field->clear();
    saveFiltyper();
    fillFiltyper();
    ui::showInfo(this, on ? TFiltypeListe::Registreret : TFiltypeListe::Fjernet);
}

void TEgenskabsform::sletValgte()
{
    const QString message = m_filtyper.sletValgte(m_liste->indexOfTopLevelItem(m_liste->currentItem()));
    if (!message.isEmpty())
        ui::showInfo(this, message);
    saveFiltyper();
    fillFiltyper();
    m_registrerEdit->clear();
    m_fjernEdit->clear();
}

} // namespace taglund
