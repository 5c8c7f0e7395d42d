#include "css/csskommandoer.h"

#include "core/commandregistry.h"
#include "core/model/programpaths.h"
#include "core/programhost.h"
#include "core/winform.h"
#include "css/cssboksform.h"
#include "css/cssgruppeform.h"
#include "ui/questions.h"

#include <QAction>
#include <QEvent>
#include <QMainWindow>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

namespace taglund {

namespace {
const QString findHint = QStringLiteral("Find aktuelle css-begreb i Css-boksen");

bool harCssBjaelke(const QString &ext)
{
    static const QStringList k = {".css", ".html", ".htm", ".asp", ".inc"};
    return k.contains(ext.toLower());
}
} // namespace

TCssKommandoer::TCssKommandoer(TProgramHost *host, QObject *parent) : QObject(parent), m_host(host)
{
    host->addSubsystem(this);
    TCommandRegistry *r = host->commands();
    r->add(QStringLiteral("ACssBoksen"), QStringLiteral("CSS boksen"), QKeySequence(), [this] { visCssBoks(); },
           [this] { return !m_boks || !m_boks->isVisible(); }, QStringLiteral("Boks til design af forskellige elementer"));
    r->add(QStringLiteral("ACssGruppeboks"), QStringLiteral("CSS gruppeboks"), QKeySequence(),
           [this] { visGruppeboks(); }, [this] { return !m_gruppe || !m_gruppe->isVisible(); },
           QStringLiteral("Boks med grupperede css egenskaber"));
    r->add(QStringLiteral("AFindICssGruppeboksen"), QStringLiteral("Find i Css gruppeboksen"), QKeySequence(),
           [this] { findCssEgenskab(); }, [this] { return m_host->activeWin() != nullptr; }, findHint);
}

TCssKommandoer::~TCssKommandoer()
{
    // The host may be half gone by now: the closing boxes must not ask it for anything.
    for (QWidget *w : {static_cast<QWidget *>(m_boks), static_cast<QWidget *>(m_gruppe)})
        if (w)
            w->removeEventFilter(this);
    delete m_boks;
    delete m_gruppe;
}

TCssBoksForm *TCssKommandoer::cssBoks()
{
    if (!m_boks) {
        m_boks = new TCssBoksForm(this, m_host->mainWindow());
        m_boks->installEventFilter(this);
    }
    return m_boks;
}

TCssGruppeForm *TCssKommandoer::gruppeboks()
{
    if (!m_gruppe) {
        m_gruppe = new TCssGruppeForm(this, m_host->mainWindow());
        m_gruppe->installEventFilter(this);
    }
    return m_gruppe;
}

bool TCssKommandoer::eventFilter(QObject *o, QEvent *e)
{
    // "CSS boksen" and "CSS gruppeboks" are enabled while their box is hidden.
    if (e->type() == QEvent::Hide || e->type() == QEvent::Show)
        m_host->commands()->scheduleUpdate();
    return QObject::eventFilter(o, e);
}

void TCssKommandoer::visCssBoks()
{
    TCssBoksForm *b = cssBoks();
    if (!b->isVisible()) {
        QWidget *main = m_host->mainWindow();
        b->move(main->geometry().center() - b->rect().center());
    }
    b->show();
    b->raise();
    b->activateWindow();
    m_host->commands()->scheduleUpdate();
}

void TCssKommandoer::visGruppeboks()
{
    TCssGruppeForm *g = gruppeboks();
    g->show();
    g->raise();
    m_host->commands()->scheduleUpdate();
}

void TCssKommandoer::decorateWindow(Twinform *w)
{
    if (!harCssBjaelke(w->DocExt))
        return;
    // On the CSS bar of a style sheet, the tools bar of a page, or the
    // window's plain document bar; a window without any gets a bar of its own.
    QToolBar *bar = nullptr;
    const QList<QToolBar *> bars = w->findChildren<QToolBar *>();
    for (const char *navn : {"Css linjen", "Redskabslinjen", "Dokumentlinje"}) {
        for (QToolBar *b : bars)
            if (!bar && b->accessibleName() == QLatin1String(navn))
                bar = b;
    }
    if (!bar) {
        bar = new QToolBar(w);
        bar->setAccessibleName(QStringLiteral("Dokumentlinje"));
        w->barArea()->addWidget(bar);
    }
    QAction *a = bar->addAction(w->style()->standardIcon(QStyle::SP_FileDialogContentsView),
                                QStringLiteral("Find i Css gruppeboksen"));
    a->setToolTip(findHint);
    a->setStatusTip(findHint);
    if (QWidget *b = bar->widgetForAction(a))
        b->setAccessibleName(QStringLiteral("Find i Css gruppeboksen"));
    connect(a, &QAction::triggered, this, [this] { findCssEgenskab(); });
}

void TCssKommandoer::findCssEgenskab()
{
    TCssGruppeForm *g = gruppeboks();
    if (!g->isVisible())
        visGruppeboks();
    Twinform *w = m_host->activeWin();
    if (!w)
        return;
    QString ord;
    m_skriver.setEditor(&w->text());
    if (w->win_autoKode) {
        m_skriver.GetTag();
        ord = m_skriver.PosData.cssKode;
    }
    if (ord.isEmpty())
        ord = m_skriver.FindOrdCSS();
    m_skriver.setEditor(nullptr);
    if (ord.size() < 2) {
        ui::showInfo(g, QStringLiteral("Der er ikke nogen aktuel css-egenskab."));
        return;
    }
    g->visEgenskab(ord);
    w->text().SetFocus();
}

template <typename F>
void TCssKommandoer::medSkriver(F f)
{
    Twinform *w = m_host->activeWin();
    if (!w)
        return;
    // Bound only while writing: a document closed later leaves nothing behind.
    m_skriver.setEditor(&w->text());
    f();
    m_skriver.setEditor(nullptr);
}

QString TCssKommandoer::programdir() const
{
    return m_host->paths().programdir;
}

QString TCssKommandoer::optdir() const
{
    return m_host->paths().optdir;
}

QWidget *TCssKommandoer::hovedvindue() const
{
    return m_host->mainWindow();
}

bool TCssKommandoer::harDokument() const
{
    return m_host->activeWin() != nullptr;
}

void TCssKommandoer::skrivLinjer(const TCssLinjer &linjer)
{
    medSkriver([&] {
        for (qsizetype i = 0; i < linjer.lines.size(); ++i) {
            const bool sidste = i + 1 == linjer.lines.size();
            m_skriver.InsertLine(linjer.lines[i], !(sidste && linjer.lastWithoutBreak), false, false);
        }
    });
}

void TCssKommandoer::skrivEgenskab(const QString &egenskab)
{
    medSkriver([&] { m_skriver.UdskrivKoder(egenskab + QStringLiteral(": "), u' ', 1); });
}

void TCssKommandoer::skrivVaerdi(const QString &egenskab, const QString &vaerdi)
{
    medSkriver([&] { m_skriver.udskrivCssValue(egenskab, vaerdi); });
}

void TCssKommandoer::hjaelp(const QString &struktur, const QString &entry)
{
    m_host->HelpInfo(struktur, entry);
}

void TCssKommandoer::visPreview(const QString &entry)
{
    if (m_previewAabner)
        m_previewAabner(QStringLiteral("CSS"), entry);
    else
        m_host->HelpInfo(QStringLiteral("CSS"), entry);
}

} // namespace taglund
