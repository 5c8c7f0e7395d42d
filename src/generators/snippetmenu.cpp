#include "generators/snippetmenu.h"
#include "core/commandregistry.h"
#include "generators/snippetcatalogue.h"

#include <QAction>
#include <QHash>
#include <QMenu>

namespace taglund {

namespace {

// A caption shown as written: an ampersand is not a mnemonic here.
QString shownCaption(const QString &caption)
{
    return QString(caption).replace(u'&', QStringLiteral("&&"));
}

QMenu *submenu(QMenu *top, QHash<QString, QMenu *> &subs, const QString &path)
{
    if (path.isEmpty())
        return top;
    if (QMenu *m = subs.value(path))
        return m;
    const qsizetype cut = path.lastIndexOf(u'/');
    QMenu *parent = cut < 0 ? top : submenu(top, subs, path.left(cut));
    const QString caption = cut < 0 ? path : path.mid(cut + 1);
    QMenu *m = parent->addMenu(shownCaption(caption));
    m->setAccessibleName(caption);
    m->setToolTipsVisible(true);
    subs.insert(path, m);
    return m;
}

} // namespace

QMenu *buildSnippetMenu(const TSnippetMenu &menu, QWidget *parent, const TSnippetHandlers &h)
{
    auto *top = new QMenu(u8(menu.id), parent);
    top->setAccessibleName(u8(menu.id));
    top->setToolTipsVisible(true);
    QHash<QString, QMenu *> subs;
    for (const TSnippet &s : menu.items) {
        QMenu *target = submenu(top, subs, u8(s.sub));
        if (s.kind == TSnippetKind::Separator) {
            target->addSeparator();
            continue;
        }
        const QString command = u8(s.kind == TSnippetKind::Command ? s.a : s.command);
        if (!command.isEmpty()) {
            // A command that is not part of the program is left out, not shown dead.
            if (QAction *a = h.commands ? h.commands->action(command) : nullptr)
                target->addAction(a);
            continue;
        }
        QAction *a = target->addAction(shownCaption(u8(s.caption)));
        if (*s.hint) {
            a->setToolTip(u8(s.hint));
            a->setStatusTip(u8(s.hint));
        }
        const TSnippet *item = &s;
        switch (s.kind) {
        case TSnippetKind::Help:
            QObject::connect(a, &QAction::triggered, top, [h, item] {
                if (h.help)
                    h.help(u8(item->a), u8(item->b));
            });
            break;
        case TSnippetKind::VbsEntry:
            QObject::connect(a, &QAction::triggered, top, [h, item] {
                if (h.vbsEntry)
                    h.vbsEntry(u8(item->a));
            });
            break;
        default:
            QObject::connect(a, &QAction::triggered, top, [h, item] {
                if (h.write)
                    h.write(*item);
            });
            break;
        }
    }
    return top;
}

} // namespace taglund
