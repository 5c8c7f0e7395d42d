#include "core/mainpanel.h"
#include "core/commandregistry.h"
#include "core/filetypecommands.h"
#include "core/fontpanel.h"
#include "core/maincommands.h"
#include "core/mainform.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>

namespace taglund {

TMainPanel::TMainPanel(Tmainform *main) : QToolBar(QStringLiteral("Hovedpanelet"), main), m_main(main)
{
    setObjectName(QStringLiteral("Hovedpanelet"));
    setAccessibleName(QStringLiteral("Hovedpanelet"));
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(18, 18));
    setToolButtonStyle(Qt::ToolButtonIconOnly);

    // Run group.
    addCommand("ARedigerAndet", QStyle::SP_FileDialogContentsView);
    addCommand("AAktiverScript", QStyle::SP_MediaPlay);
    addCommand("AGem", QStyle::SP_DialogSaveButton);
    addCommand("AGemSom", QStyle::SP_DriveFDIcon);
    addSeparator();

    // Document group.
    addWidget(main->filtyper()->typeBoxButton());
    addWidget(main->filtyper()->typeBox());
    addCommand("ANyt", QStyle::SP_FileIcon);
    addCommand("AHent", QStyle::SP_DialogOpenButton);
    addCommand("ALukDokument", QStyle::SP_DialogCloseButton);
    addSeparator();

    // Search group.
    addCommand("ASendSoegefelt", QStyle::SP_ArrowRight);
    m_find = new QLineEdit(this);
    m_find->setObjectName(QStringLiteral("findEdit"));
    m_find->setToolTip(QStringLiteral("Søgefelt"));
    m_find->setAccessibleName(QStringLiteral("Søgefelt"));
    m_find->setMinimumWidth(140);
    m_find->setMaximumWidth(200);
    addWidget(m_find);
    struct InfoButton {
        const char *hint;
        const char *structure;
    };
    for (const InfoButton &b : {InfoButton{"Information: Program", "Information"}, InfoButton{"Information: Html", "Html5"},
                                InfoButton{"Information: Asp", "ASP"}, InfoButton{"Information: CSS", "CSS"},
                                InfoButton{"Information: JavaScript", "JavaScript"},
                                InfoButton{"Information: Vb Script", "VBS"}}) {
        const QString hint = QString::fromUtf8(b.hint);
        const QString structure = QString::fromUtf8(b.structure);
        QAction *a = addAction(hint.mid(QStringLiteral("Information: ").size()));
        a->setToolTip(hint);
        a->setStatusTip(hint);
        connect(a, &QAction::triggered, this, [this, structure] { m_main->HelpInfo(structure, m_find->text()); });
        if (auto *btn = qobject_cast<QToolButton *>(widgetForAction(a))) {
            btn->setToolButtonStyle(Qt::ToolButtonTextOnly);
            btn->setAccessibleName(hint);
        }
    }
    addCommand("AGoogle", QStyle::SP_FileDialogContentsView);
    addCommand("AYouTube", QStyle::SP_MediaPlay);
    connect(m_find, &QLineEdit::returnPressed, this, [this] { m_main->egneKommandoer()->searchFieldEntered(); });
    addSeparator();

    // Box group: its windows join the program one by one.
    addCommand("AStrukturkonstruktoeren", QStyle::SP_DirIcon);
    addCommand("AFilboksen", QStyle::SP_DirOpenIcon);
    addCommand("AOrdbog", QStyle::SP_FileDialogDetailedView);
    m_font = new TFontpanel(main);
    addWidget(m_font->sizeBox());
    addWidget(m_font->hentFont());
    QAction *fontInfo = addAction(style()->standardIcon(QStyle::SP_MessageBoxQuestion), QString());
    fontInfo->setToolTip(QStringLiteral("Information: Fontpanel"));
    connect(fontInfo, &QAction::triggered, this,
            [this] { m_main->HelpInfo(QStringLiteral("Information"), QStringLiteral("Fontpanel")); });
    if (QWidget *w = widgetForAction(fontInfo))
        w->setAccessibleName(QStringLiteral("Information: Fontpanel"));
    addCommand("ACssGruppeboks", QStyle::SP_FileDialogListView);
    addCommand("ACssBoksen", QStyle::SP_FileDialogInfoView);
    addCommand("AMusikFilm", QStyle::SP_MediaVolume);
    addWidget(m_font->nameBox());
    addSeparator();

    QAction *info = addAction(style()->standardIcon(QStyle::SP_MessageBoxInformation), QString());
    info->setToolTip(QStringLiteral("Information: Redskabspanel"));
    info->setStatusTip(QStringLiteral("Information: Redskabspanel"));
    connect(info, &QAction::triggered, this, [this] { m_main->HelpInfo(QStringLiteral("Information"), QStringLiteral("Hovedpanelet")); });
    if (QWidget *w = widgetForAction(info))
        w->setAccessibleName(QStringLiteral("Information: Redskabspanel"));
}

void TMainPanel::addCommand(const char *name, QStyle::StandardPixmap icon)
{
    QAction *a = m_main->commands()->action(QString::fromLatin1(name));
    if (!a)
        return;
    if (a->icon().isNull())
        a->setIcon(style()->standardIcon(icon));
    if (a->toolTip().isEmpty() || a->toolTip() == a->text().remove(u'&'))
        a->setToolTip(a->text());
    addAction(a);
    // An icon button is known by its hint.
    if (QWidget *w = widgetForAction(a))
        w->setAccessibleName(a->toolTip().isEmpty() ? a->text() : a->toolTip());
}

} // namespace taglund
