#include "core/richbars.h"
#include "core/richtext/richpanel.h"
#include "core/richtext/richtoolbar.h"
#include "core/rtf/rtfreader.h"
#include "core/rtf/rtfwriter.h"
#include "core/winform.h"

#include <QToolBar>
#include <QVBoxLayout>

namespace taglund {

void installRtfSupport()
{
    Twinform::rtfReader = readRichText;
    Twinform::rtfWriter = [](const QTextDocument *doc) { return writeRtf(doc); };
}

QToolBar *addRichBars(Twinform *w)
{
    TRichEditor *ed = w->richEditor();
    if (!ed)
        return nullptr;
    auto *bar = new QToolBar(w);
    bar->setAccessibleName(QStringLiteral("Rich text værktøjslinje"));
    bar->setIconSize(QSize(16, 16));
    auto *second = new QToolBar(w);
    second->setAccessibleName(QStringLiteral("Rich text afsnit"));
    second->setIconSize(QSize(16, 16));
    auto *tools = new TRichToolbar(w, w);
    tools->addTo(bar, second);
    tools->attach(ed);
    w->barArea()->addWidget(bar);
    w->barArea()->addWidget(second);
    auto *panel = new TRichPanel(w);
    panel->attach(ed);
    panel->selectFont(w->fontNameDoc, w->fontSizeDoc);
    w->barArea()->addWidget(panel);
    QObject::connect(w, &Twinform::caretMeasured, panel, [panel] { panel->updateFromCaret(); });
    QObject::connect(panel, &TRichPanel::formatChanged, w, [w] { w->XYinfo(); });
    QObject::connect(tools, &TRichToolbar::formatChanged, w, [w] { w->XYinfo(); });
    return bar;
}

} // namespace taglund
