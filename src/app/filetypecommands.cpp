#include "app/filetypecommands.h"
#include "core/commandregistry.h"
#include "app/mainform.h"
#include "core/model/docinfo.h"
#include "core/text/paths.h"
#include "app/types/doktypeform.h"
#include "app/types/filtypeform.h"
#include "app/types/typeboxhost.h"
#include "ui/questions.h"

#include <QComboBox>
#include <QToolButton>

namespace taglund {

TFiltypeKommandoer::TFiltypeKommandoer(Tmainform *main) : QObject(main), m_main(main)
{
    main->addSubsystem(this);
    m_typeBox = new QComboBox(main);
    m_typeBox->setToolTip(QStringLiteral("Nye dokumenter er af valgte type"));
    m_typeBox->setAccessibleName(QStringLiteral("Nye dokumenter er af valgte type"));
    // A long type name is cut rather than widening the main tool panel.
    m_typeBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_typeBox->setMinimumContentsLength(8);
    m_typeButton = new QToolButton(main);
    m_typeButton->setToolTip(QStringLiteral("Åben dokument af bestemte type"));
    m_typeButton->setAccessibleName(QStringLiteral("Åben dokument af bestemte type"));
    m_typeButton->setIcon(m_typeButton->style()->standardIcon(QStyle::SP_FileIcon));
    connect(m_typeButton, &QToolButton::clicked, this, &TFiltypeKommandoer::nytAfValgteType);
    connect(m_typeBox, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0)
            m_main->options().filtypeBoxItemIndex = i;
    });
    registerCommands();
}

void TFiltypeKommandoer::registerCommands()
{
    auto *c = m_main->commands();
    c->add(QStringLiteral("ANyt"), QStringLiteral("Nyt dokument..."), QKeySequence(Qt::CTRL | Qt::Key_N),
           [this] { nytDokument(); }, {}, QStringLiteral("Nyt dokument"));
    c->add(QStringLiteral("AFiltyper"), QStringLiteral("Bestem filtyper..."), QKeySequence(Qt::Key_F11),
           [this] { filtypeBox()->vis(); }, {},
           QStringLiteral("Indfør de filtyper der skal angives i Filtypeboksen, Åbenboksen samt Søgeboksen: F8"));
    c->add(QStringLiteral("ADokInfo"), QStringLiteral("Dokument information..."), {}, [this] { visDokumentInfo(); },
           [this] { return m_main->activeWin() != nullptr; });
}

void TFiltypeKommandoer::HentTypeliste()
{
    QString error;
    // A missing list is rebuilt from the defaults; an unreadable one is left alone.
    m_liste.HentTypeliste(m_main->paths().typelisteNavn, &error);
    rebuild(false);
}

void TFiltypeKommandoer::rebuild(bool editMode)
{
    QStringList previous;
    for (int i = 0; i < m_typeBox->count(); ++i)
        previous << m_typeBox->itemText(i);
    const TypeBoxState state = LoadFiltypeBoxe(m_liste, previous, m_main->options().filtypeBoxItemIndex,
                                               editMode ? TypeBoxMode::Edit : TypeBoxMode::Start);
    applyTypeBoxState(state, editMode, m_typeBox, nullptr, editMode ? m_dokType.data() : nullptr);
    m_main->options().filtypeBoxItemIndex = state.filtypeBoxItemIndex;
    m_typeButton->setEnabled(state.buttonEnabled());
}

TDokTypeForm *TFiltypeKommandoer::dokTypeBox()
{
    if (!m_dokType) {
        TTypeBoxHost host;
        host.nytDokument = [this](const QString &pattern, bool fraKliche) {
            m_main->documents()->newFromType(pattern, fraKliche);
        };
        host.visFiltypeboks = [this] { filtypeBox()->vis(); };
        host.derivedListsChanged = [this] { rebuild(true); };
        m_dokType = new TDokTypeForm(m_liste, joinPath(m_main->paths().optdir, QStringLiteral("\\filtyper.txt")), host, m_main);
    }
    return m_dokType;
}

TFiltypeForm *TFiltypeKommandoer::filtypeBox()
{
    if (!m_filtype) {
        TTypeBoxHost host;
        host.derivedListsChanged = [this] { rebuild(true); };
        m_filtype = new TFiltypeForm(m_liste, m_main->paths().typelisteNavn, host, m_main);
    }
    return m_filtype;
}

void TFiltypeKommandoer::nytDokument()
{
    dokTypeBox()->nytDokument();
}

void TFiltypeKommandoer::nytAfValgteType()
{
    const int i = m_typeBox->currentIndex();
    const QList<TFiltype> ticked = [this] {
        QList<TFiltype> t;
        for (const TFiltype &f : m_liste.typer())
            if (f.valgt)
                t << f;
        return t;
    }();
    if (i < 0 || i >= ticked.size())
        return;
    m_main->documents()->newFromType(ticked[i].monster, true);
}

void TFiltypeKommandoer::visDokumentInfo()
{
    Twinform *w = m_main->activeWin();
    if (!w)
        return;
    ui::showInfo(m_main, docInfoText(w->Filnavn, w->DocExt, DocFileFacts::of(w->Filnavn)));
}

} // namespace taglund
