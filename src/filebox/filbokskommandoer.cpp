#include "filebox/filbokskommandoer.h"
#include "core/commandregistry.h"
#include "core/model/filetypes.h"
#include "core/model/mainoptions.h"
#include "core/model/programpaths.h"
#include "core/programhost.h"
#include "core/text/textfile.h"
#include "filebox/findform.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QMainWindow>
#include <QTimer>

namespace taglund {

namespace {

const QString kTypeBoksHint = QStringLiteral("Nye dokumenter er af valgte type");

} // namespace

TFilboksKommandoer::TFilboksKommandoer(TProgramHost *host, QObject *parent) : QObject(parent), m_host(host)
{
    host->addSubsystem(this);
    host->commands()->add(QStringLiteral("AFindFiler"), QStringLiteral("Find i dokumenter..."),
                          QKeySequence(Qt::Key_F10), [this] { visFindBoks(); }, {},
                          QStringLiteral("Find i dokumenter"));
    host->addShutdownStep(TShutdownStep::FileBox, [this] { gemIndstillinger(); });
}

TFilboksKommandoer::~TFilboksKommandoer() = default;

QComboBox *TFilboksKommandoer::typeBoks() const
{
    if (!m_host->mainWindow())
        return nullptr;
    for (QComboBox *c : m_host->mainWindow()->findChildren<QComboBox *>())
        if (c->toolTip() == kTypeBoksHint)
            return c;
    return nullptr;
}

Tfindform *TFilboksKommandoer::findBoks()
{
    if (m_find)
        return m_find;
    m_find = new Tfindform(m_host, m_host->mainWindow());
    m_find->filboksMappe = [this] {
        return m_bibmappe.isEmpty() ? m_host->paths().dokumentdir : m_bibmappe;
    };
    fyldFiltyper();
    if (QComboBox *typer = typeBoks()) {
        // Choosing a type in the type box chooses it here too; a rebuilt
        // type box (the file-type list changed) is copied again.
        connect(typer, &QComboBox::currentIndexChanged, m_find, &Tfindform::setFiltypeIndex);
        auto refill = [this] { QTimer::singleShot(0, this, &TFilboksKommandoer::fyldFiltyper); };
        connect(typer->model(), &QAbstractItemModel::rowsInserted, m_find, refill);
        connect(typer->model(), &QAbstractItemModel::rowsRemoved, m_find, refill);
        connect(typer->model(), &QAbstractItemModel::modelReset, m_find, refill);
    }
    return m_find;
}

void TFilboksKommandoer::fyldFiltyper()
{
    if (!m_find)
        return;
    if (QComboBox *typer = typeBoks()) {
        if (typer->count() == 0)
            return;
        QStringList entries;
        for (int i = 0; i < typer->count(); ++i)
            entries << typer->itemText(i);
        m_find->fyldFiltyper(entries, typer->currentIndex(), typer->maxVisibleItems());
        return;
    }
    // Without a type box (a program composed without the file types) the
    // list file gives the same entries.
    TFiltypeliste liste;
    QStringList flat;
    if (TextFile::readLines(m_host->paths().typelisteNavn, flat))
        liste.setFlatListe(flat);
    else
        liste.setTyper(TFiltypeliste::standardTyper());
    const QStringList entries = liste.typeBoxEntries();
    if (entries.isEmpty())
        return;
    const int index = m_host->options().filtypeBoxItemIndex;
    m_find->fyldFiltyper(entries, index >= 0 && index < entries.size() ? index : 0, int(entries.size()));
}

void TFilboksKommandoer::visFindBoks()
{
    findBoks()->vis();
}

void TFilboksKommandoer::filboksMappeSkiftet(const QString &bibmappe)
{
    m_bibmappe = bibmappe;
    if (m_find && !m_find->opstart)
        m_find->setMappe(bibmappe);
}

void TFilboksKommandoer::gemIndstillinger()
{
    if (m_find)
        m_find->gemIndstillinger();
}

} // namespace taglund
