#include "app/dokumentvaert.h"
#include "app/mainform.h"
#include "core/commandregistry.h"
#include "core/subsystem.h"
#include "filebox/filbokskommandoer.h"

namespace taglund {

const TProgramPaths &TDokumentVaert::paths() const { return m_main->paths(); }
TMainOptions &TDokumentVaert::options() { return m_main->options(); }
void TDokumentVaert::setStatus(int panel, const QString &text) { m_main->setStatus(panel, text); }

void TDokumentVaert::documentActivated(Twinform *w)
{
    for (TSubsystem *s : m_subsystems)
        s->documentActivated(w);
    m_main->commands()->scheduleUpdate();
}

void TDokumentVaert::documentClosing(Twinform *w)
{
    for (TSubsystem *s : m_subsystems)
        s->documentClosing(w);
}

void TDokumentVaert::documentClosed(Twinform *w)
{
    for (TSubsystem *s : m_subsystems)
        s->documentClosed(w);
}

void TDokumentVaert::documentSaved(Twinform *w)
{
    for (TSubsystem *s : m_subsystems)
        s->documentSaved(w);
}

bool TDokumentVaert::mayCloseDocument(Twinform *w) const
{
    for (TSubsystem *s : m_subsystems)
        if (!s->mayCloseDocument(w))
            return false;
    return true;
}

void TDokumentVaert::decorateWindow(Twinform *w)
{
    for (TSubsystem *s : m_subsystems)
        s->decorateWindow(w);
    auto released = [this](Twinform *x) {
        for (TSubsystem *s : m_subsystems)
            s->caretReleased(x);
    };
    QObject::connect(w, &Twinform::keyReleased, m_main, released);
    QObject::connect(w, &Twinform::mouseReleased, m_main, released);
}

void TDokumentVaert::skiftDir(const QString &path)
{
    if (auto *f = m_main->part<TFilboksKommandoer>())
        f->skiftDir(path);
}

bool TDokumentVaert::fileboxServesAsSaveBox() const
{
    auto *f = m_main->part<TFilboksKommandoer>();
    return f && f->fileboxServesAsSaveBox();
}

void TDokumentVaert::armFileboxSave(Twinform *w, bool showBox)
{
    if (auto *f = m_main->part<TFilboksKommandoer>())
        f->armFileboxSave(w, showBox);
}

QString TDokumentVaert::fileboxFolder() const
{
    auto *f = m_main->part<TFilboksKommandoer>();
    return f ? f->fileboxFolder() : QString();
}

} // namespace taglund
