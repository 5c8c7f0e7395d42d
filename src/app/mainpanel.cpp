#include "app/mainpanel.h"
#include "core/commandregistry.h"
#include "app/filetypecommands.h"
#include "app/fontpanel.h"
#include "app/maincommands.h"
#include "app/mainform.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace taglund {

TMainPanel::TMainPanel(Tmainform *main) : QToolBar(QStringLiteral("Hovedpanelet"), main), m_main(main)
{
    setObjectName(QStringLiteral("Hovedpanelet"));
    setAccessibleName(QStringLiteral("Hovedpanelet"));
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(18, 18));

    m_body = new QWidget(this);
    auto *groups = new QHBoxLayout(m_body);
    groups->setContentsMargins(0, 1, 0, 1);
    groups->setSpacing(3);

    // Run group.
    QBoxLayout *run = group(groups);
    QHBoxLayout *r = row(run);
    addCommand(r, "ARedigerAndet", QStyle::SP_FileDialogContentsView);
    addCommand(r, "AAktiverScript", QStyle::SP_MediaPlay);
    r = row(run);
    addCommand(r, "AGem", QStyle::SP_DialogSaveButton);
    addCommand(r, "AGemSom", QStyle::SP_DriveFDIcon);

    // Document group.
    // Room beyond the narrowest layout goes to the type box and the search field.
    QBoxLayout *doc = group(groups, false, 2);
    r = row(doc);
    r->addWidget(main->part<TFiltypeKommandoer>()->typeBoxButton());
    QComboBox *typeBox = main->part<TFiltypeKommandoer>()->typeBox();
    typeBox->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    typeBox->setMaximumWidth(260);
    r->addWidget(typeBox, 1);
    r = row(doc);
    addCommand(r, "ANyt", QStyle::SP_FileIcon);
    addCommand(r, "AHent", QStyle::SP_DialogOpenButton);
    addCommand(r, "ALukDokument", QStyle::SP_DialogCloseButton);
    // The bookmarks share the row; showing the chosen one is a button only.
    if (!main->commands()->contains(QStringLiteral("AVisBogmaerke")))
        main->commands()->add(QStringLiteral("AVisBogmaerke"), QStringLiteral("Vis valgte bogmærke"), {}, {});
    addCommand(r, "ABogmaerker", QStyle::SP_FileDialogDetailedView);
    addCommand(r, "AIndsaetBogmaerke", QStyle::SP_ArrowDown);
    addCommand(r, "AVisBogmaerke", QStyle::SP_ArrowForward);

    // Search group.
    QBoxLayout *search = group(groups, false, 1);
    r = row(search);
    if (QToolButton *send = addCommand(r, "ASendSoegefelt", QStyle::SP_ArrowRight))
        send->installEventFilter(this);
    m_find = new QLineEdit(m_body);
    m_find->setObjectName(QStringLiteral("findEdit"));
    m_find->setToolTip(QStringLiteral("Søgefelt"));
    m_find->setAccessibleName(QStringLiteral("Søgefelt"));
    m_find->setMinimumWidth(120);
    m_find->setMaximumWidth(240);
    r->addWidget(m_find, 1);
    addCommand(r, "AGoogle", QStyle::SP_FileDialogContentsView, Qt::ToolButtonTextBesideIcon);
    addCommand(r, "AYouTube", QStyle::SP_MediaPlay, Qt::ToolButtonTextBesideIcon);
    connect(m_find, &QLineEdit::returnPressed, this, [this] { m_main->part<TMainKommandoer>()->searchFieldEntered(); });
    r = row(search);
    struct InfoButton {
        const char *hint;
        const char *structure;
    };
    for (const InfoButton &b : {InfoButton{"Information: Program", "Information"}, InfoButton{"Information: Html", "Html5"},
                                InfoButton{"Information: Asp", "ASP"}, InfoButton{"Information: CSS", "CSS"},
                                InfoButton{"Information: JavaScript", "JavaScript"},
                                InfoButton{"Information: Vb Script", "VBS"}}) {
        const QString hint = QString::fromUtf8(b.hint);
        addInfo(r, hint, QString::fromUtf8(b.structure), true, hint.mid(QStringLiteral("Information: ").size()));
    }

    // Box group: its windows join the program one by one.
    QBoxLayout *boxes = group(groups);
    m_font = new TFontpanel(main);
    r = row(boxes);
    addCommand(r, "AStrukturkonstruktoeren", QStyle::SP_DirIcon);
    addCommand(r, "AFilboksen", QStyle::SP_DirOpenIcon);
    addCommand(r, "AOrdbog", QStyle::SP_FileDialogDetailedView);
    r->addWidget(m_font->sizeBox());
    r->addWidget(m_font->hentFont());
    addInfo(r, QStringLiteral("Information: Fontpanel"), QStringLiteral("Fontpanel"), false);
    r = row(boxes);
    addCommand(r, "ACssGruppeboks", QStyle::SP_FileDialogListView);
    addCommand(r, "ACssBoksen", QStyle::SP_FileDialogInfoView);
    addCommand(r, "AMusikFilm", QStyle::SP_MediaVolume);
    r->addWidget(m_font->nameBox(), 1);

    QBoxLayout *last = group(groups, true);
    addInfo(row(last), QStringLiteral("Information: Redskabspanel"), QStringLiteral("Hovedpanelet"), false);
    addWidget(m_body);
}

QBoxLayout *TMainPanel::group(QHBoxLayout *groups, bool last, int stretch)
{
    auto *g = new QVBoxLayout;
    g->setSpacing(0);
    g->setContentsMargins(0, 0, 0, 0);
    groups->addLayout(g, stretch);
    // Each group's rows line up with the others' from the top.
    g->setAlignment(Qt::AlignTop);
    if (!last) {
        auto *line = new QFrame(m_body);
        line->setFrameShape(QFrame::VLine);
        line->setFrameShadow(QFrame::Sunken);
        groups->addWidget(line);
    }
    return g;
}

QHBoxLayout *TMainPanel::row(QBoxLayout *group)
{
    auto *r = new QHBoxLayout;
    r->setSpacing(0);
    r->setContentsMargins(0, 0, 0, 0);
    r->setAlignment(Qt::AlignLeft);
    group->addLayout(r);
    return r;
}

QToolButton *TMainPanel::addCommand(QHBoxLayout *row, const char *name, QStyle::StandardPixmap icon,
                                    Qt::ToolButtonStyle look)
{
    const QString key = QString::fromLatin1(name);
    QAction *a = m_main->commands()->action(key);
    if (!a)
        return nullptr;
    if (a->icon().isNull())
        a->setIcon(style()->standardIcon(icon));
    if (a->toolTip().isEmpty() || a->toolTip() == a->text().remove(u'&'))
        a->setToolTip(a->text());
    auto *b = new QToolButton(m_body);
    b->setObjectName(key);
    b->setDefaultAction(a);
    b->setAutoRaise(true);
    b->setIconSize(iconSize());
    b->setToolButtonStyle(look);
    // An icon button, or one whose caption others share ("Søg"), is known
    // by its hint.
    b->setAccessibleName(a->toolTip().isEmpty() ? a->text() : a->toolTip());
    row->addWidget(b);
    return b;
}

QToolButton *TMainPanel::addInfo(QHBoxLayout *row, const QString &hint, const QString &structure, bool fromField,
                                 const QString &caption)
{
    auto *b = new QToolButton(m_body);
    b->setAutoRaise(true);
    b->setToolTip(hint);
    b->setStatusTip(hint);
    b->setAccessibleName(hint);
    if (caption.isEmpty()) {
        b->setIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation));
        b->setIconSize(iconSize());
    } else {
        b->setText(caption);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        // Six captions side by side: the styles give them narrow margins.
        b->setProperty("compact", true);
    }
    // The program buttons look up the search field's text; the panels' own
    // buttons their own entry.
    const QString entry = fromField ? QString() : structure;
    const QString name = fromField ? structure : QStringLiteral("Information");
    connect(b, &QToolButton::clicked, this, [this, name, entry, fromField] {
        m_main->HelpInfo(name, fromField ? m_find->text() : entry);
    });
    row->addWidget(b);
    return b;
}

QToolButton *TMainPanel::commandButton(const QString &name) const
{
    return m_body->findChild<QToolButton *>(name);
}

bool TMainPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter) {
        auto *b = qobject_cast<QToolButton *>(watched);
        if (b && b->isEnabled())
            emit sendHovered();
    }
    return QToolBar::eventFilter(watched, event);
}

} // namespace taglund
