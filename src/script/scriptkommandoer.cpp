#include "script/scriptkommandoer.h"

#include "core/commandregistry.h"
#include "core/model/mainoptions.h"
#include "core/programhost.h"
#include "core/winform.h"
#include "script/vbsform.h"

#include <QKeyEvent>
#include <QMainWindow>
#include <QTextBlock>
#include <QTextDocument>

namespace taglund {

namespace {

bool isScriptDocument(const Twinform *w)
{
    const QString ext = w->DocExt.toLower();
    return ext == QLatin1String(".vbs") || ext == QLatin1String(".wsf");
}

bool isModifierKey(int key)
{
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta
        || key == Qt::Key_AltGr || key == Qt::Key_CapsLock || key == Qt::Key_NumLock;
}

} // namespace

TScriptKommandoer::TScriptKommandoer(TProgramHost *host, QObject *parent) : QObject(parent), m_host(host)
{
    host->addSubsystem(this);
    TCommandRegistry *c = host->commands();
    const auto docOpen = [this] { return m_host->activeWin() != nullptr; };
    c->add(QStringLiteral("AScriptboksen"), QStringLiteral("Scriptboksen"), {}, [this] {
        TvbsForm *b = box();
        b->show();
        b->raise();
        if (Twinform *w = m_host->activeWin(); w && w->doScript)
            b->bind(w);
    }, [this] { return m_box.isNull() || !m_box->isVisible(); });
    c->add(QStringLiteral("AVbsAlt"), QStringLiteral("Alt"), QKeySequence(QStringLiteral("Ctrl+Alt+Q")), [this] {
        if (Twinform *w = m_host->activeWin()) {
            showBound(w);
            m_box->RegistrerAlt();
        }
    }, docOpen, QStringLiteral("Registrer hele scriptet: Ctrl+Alt+Q"));
    c->add(QStringLiteral("AVbsLinje"), QStringLiteral("Linje"), QKeySequence(QStringLiteral("Ctrl+Alt+W")), [this] {
        if (Twinform *w = m_host->activeWin()) {
            showBound(w);
            m_box->RegistrerLinje();
        }
    }, docOpen, QStringLiteral("Registrer aktuelle linje: Ctrl+Alt+W"));
    host->addShutdownStep(TShutdownStep::VBScriptBox, [this] {
        if (m_box)
            m_box->saveSettings();
    });
}

TScriptKommandoer::~TScriptKommandoer()
{
    delete m_box;
}

TvbsForm *TScriptKommandoer::box()
{
    if (!m_box)
        m_box = new TvbsForm(m_host, m_host->mainWindow());
    return m_box;
}

void TScriptKommandoer::showBound(Twinform *w)
{
    TvbsForm *b = box();
    if (!b->isVisible())
        b->show();
    b->bind(w);
}

void TScriptKommandoer::aktiverScript(Twinform *w)
{
    if (!w)
        return;
    w->doScript = true;
    m_host->options().DocScript = true;
    showBound(w);
}

void TScriptKommandoer::decorateWindow(Twinform *w)
{
    if (isScriptDocument(w))
        w->doScript = m_host->options().AlwaysDS;
    if (QWidget *ed = w->editorWidget())
        ed->installEventFilter(this);
}

void TScriptKommandoer::documentActivated(Twinform *w)
{
    if (!w)
        return;
    m_host->options().DocScript = w->doScript;
    if (w->doScript)
        showBound(w);
    else if (m_box && m_box->boundDocument() != w)
        m_box->bind(nullptr);
}

void TScriptKommandoer::documentClosing(Twinform *w)
{
    if (m_box)
        m_box->documentClosing(w);
}

void TScriptKommandoer::documentClosed(Twinform *w)
{
    if (m_typingIn == w) {
        m_pending.clear();
        m_typingIn = nullptr;
    }
    if (m_box)
        m_box->documentClosed(w);
}

bool TScriptKommandoer::helps(Twinform *w) const
{
    return w && w->doScript && m_host->options().DocScript && m_box && m_box->isVisible()
        && m_box->boundDocument() == w;
}

bool TScriptKommandoer::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() != QEvent::KeyPress)
        return false;
    // The key is noted before the editor handles it and acted on once the
    // key is released, when the editor has broken the line or typed the letter.
    auto *k = static_cast<QKeyEvent *>(e);
    Twinform *w = nullptr;
    for (QObject *p = o; p && !w; p = p->parent())
        w = qobject_cast<Twinform *>(p);
    if (!helps(w) || isModifierKey(k->key()))
        return false;
    if (k->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        if (!(k->modifiers() & Qt::AltModifier))  // AltGr types letters
            return false;
    TDocText &t = w->text();
    Typed typed;
    typed.key = k->key();
    typed.ch = k->text().size() == 1 ? k->text().at(0) : QChar();
    typed.caretBefore = t.SelStart();
    typed.blockBefore = t.document()->findBlock(t.SelStart()).blockNumber();
    if (m_typingIn != w)
        m_pending.clear();
    m_typingIn = w;
    m_pending.push_back(typed);
    return false;
}

void TScriptKommandoer::caretReleased(Twinform *w)
{
    if (w != m_typingIn || m_pending.isEmpty())
        return;
    const QList<Typed> keys = m_pending;
    m_pending.clear();
    for (const Typed &k : keys)
        if (helps(w))
            handle(w, k);
}

void TScriptKommandoer::handle(Twinform *w, const Typed &k)
{
    (void)w;
    if (k.key == Qt::Key_Return || k.key == Qt::Key_Enter)
        m_box->typedEnter(k.blockBefore);
    else if (k.key == Qt::Key_Backspace)
        m_box->typedBackspace();
    else if (!k.ch.isNull() && k.ch.isPrint())
        m_box->typedText(k.ch, k.caretBefore);
    else
        m_box->typedOther();
}

} // namespace taglund
