#include "core/docarea.h"
#include "core/model/mainoptions.h"
#include "core/model/programpaths.h"
#include "core/text/charsetdecision.h"
#include "core/text/filefacts.h"
#include "core/text/paths.h"
#include "ui/dokumentikon.h"
#include "ui/questions.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QPointer>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTabBar>
#include <QVBoxLayout>

namespace taglund {

namespace {

// A '&' in a tab text would turn into a keyboard mnemonic.
QString tabLabel(const QString &cap)
{
    QString t = cap;
    return t.replace(u'&', QStringLiteral("&&"));
}

QMdiSubWindow *subWindowOf(Twinform *w)
{
    return w ? qobject_cast<QMdiSubWindow *>(w->parentWidget()) : nullptr;
}

} // namespace

TDokumentOmraade::TDokumentOmraade(TDokumentHost *host, QWidget *parent) : QWidget(parent), m_host(host)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_tabs = new QTabBar(this);
    m_tabs->setObjectName(QStringLiteral("Dokumentfaner"));
    m_tabs->setAccessibleName(QStringLiteral("Dokumenter"));
    m_tabs->setExpanding(false);
    m_tabs->setDocumentMode(true);
    m_tabs->setUsesScrollButtons(true);
    m_tabs->setElideMode(Qt::ElideNone);
    layout->addWidget(m_tabs);
    m_mdi = new QMdiArea(this);
    m_mdi->setAccessibleName(QStringLiteral("Dokumentområde"));
    m_mdi->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    layout->addWidget(m_mdi, 1);

    connect(m_tabs, &QTabBar::tabBarClicked, this, [this](int i) {
        if (i >= 0) {
            m_tabs->setCurrentIndex(i);
            tcChange();
        }
    });
    connect(m_mdi, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow *s) {
        auto *w = s ? qobject_cast<Twinform *>(s->widget()) : nullptr;
        if (w)
            activated(w);
        else if (m_windows.isEmpty())
            m_host->documentActivated(nullptr);
    });
}

Twinform *TDokumentOmraade::activeWin() const
{
    QMdiSubWindow *s = m_mdi->activeSubWindow();
    if (!s)
        s = m_mdi->currentSubWindow();
    auto *w = s ? qobject_cast<Twinform *>(s->widget()) : nullptr;
    return m_windows.contains(w) ? w : nullptr;
}

Twinform *TDokumentOmraade::findByPath(const QString &path) const
{
    for (Twinform *w : m_windows)
        if (!w->Filnavn.isEmpty() && samePath(w->Filnavn, path))
            return w;
    return nullptr;
}

Twinform *TDokumentOmraade::findByCaption(const QString &capNavn) const
{
    for (Twinform *w : m_windows)
        if (w->CapNavn == capNavn)
            return w;
    return nullptr;
}

void TDokumentOmraade::processEvents()
{
    QCoreApplication::processEvents();
}

Twinform *TDokumentOmraade::makeWindow(const QString &filnavn, const QString &newExt)
{
    docFilnavn = filnavn;
    if (filnavn.isEmpty())
        docExt = newExt;
    Twinform::Oprettelse o;
    // Every window takes a number of its own, whichever way it was opened.
    o.DocNo = ++NewCount;
    o.Filnavn = filnavn.isEmpty() ? QString() : QFileInfo(filnavn).absoluteFilePath();
    o.DocExt = docExt;
    o.fontName = m_host->options().bogstavName;
    o.fontSize = m_host->options().bogstavSize;
    auto *w = new Twinform(o);

    QString error;
    // Only regular files are read: a pipe would wait for ever, a device never end.
    if (!o.Filnavn.isEmpty() && !(error = FileFacts::notRegularReason(o.Filnavn)).isEmpty()) {
        ui::showError(window(), tr("Filen %1 kunne ikke åbnes:\r%2").arg(o.Filnavn, error));
        delete w;
        return nullptr;
    }
    if (!o.Filnavn.isEmpty() && QFileInfo::exists(o.Filnavn)) {
        bool progressShown = false;
        w->loadProgress = [this, &progressShown, name = fileNameOf(o.Filnavn)](int percent) {
            progressShown = true;
            m_host->setStatus(5, tr("Indlæser %1 ... %2%").arg(name).arg(percent));
        };
        QPointer<Twinform> alive(w);
        const bool loaded = w->loadFile(o.Filnavn, &error);
        if (progressShown)
            m_host->setStatus(5, QString());
        if (!alive)
            return nullptr;   // gone while it loaded: nothing more to say
        w->loadProgress = nullptr;
        if (!loaded) {
            ui::showError(window(), tr("Filen %1 kunne ikke åbnes:\r%2").arg(o.Filnavn, error));
            delete w;
            return nullptr;
        }
    } else if (o.Filnavn.isEmpty() && !klicheName.isEmpty() && QFileInfo::exists(klicheName)) {
        if (!w->loadTemplate(klicheName, &error))
            ui::showError(window(), tr("Klicheen %1 kunne ikke åbnes:\r%2").arg(klicheName, error));
        klicheName.clear();
    }

    m_host->decorateWindow(w);
    m_windows.append(w);
    w->closeRequest = [this](Twinform *win) { return askOnClose(win); };
    connect(w, &Twinform::closed, this, &TDokumentOmraade::windowClosed);
    connect(w, &Twinform::caretMeasured, this, [this](Twinform *win) {
        if (win == activeWin()) {
            m_host->setStatus(2, QString::number(win->LinieAntal));
            m_host->setStatus(4, QString::number(win->posX) + u',' + QString::number(win->posY + 1));
        }
    });
    connect(w, &Twinform::modifiedChanged, this, [this] { emit documentsChanged(); });

    QMdiSubWindow *sub = m_mdi->addSubWindow(w);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowTitle(w->windowTitle());
    // Each document shows the icon of its kind, in its window and its tab.
    const QIcon icon = ui::documentIcon(w->Filnavn.isEmpty() ? w->DocExt : extensionOf(w->Filnavn));
    w->setWindowIcon(icon);
    sub->setWindowIcon(icon);
    InsertTab(w->CapNavn);
    m_tabs->setTabIcon(m_tabs->count() - 1, icon);
    sub->showMaximized();
    m_mdi->setActiveSubWindow(sub);
    w->opstart = false;
    activated(w);
    w->editorWidget()->setFocus();
    emit documentsChanged();
    return w;
}

void TDokumentOmraade::activate(Twinform *w)
{
    if (QMdiSubWindow *s = subWindowOf(w)) {
        if (s->isMinimized())
            s->showMaximized();
        m_mdi->setActiveSubWindow(s);
    }
}

void TDokumentOmraade::activated(Twinform *w)
{
    m_host->documentActivated(w);
    w->XYinfo();
    if (!w->Filnavn.isEmpty())
        m_host->skiftDir(w->Filnavn);
    fokusTab(w->CapNavn);
    emit documentsChanged();
}

Twinform *TDokumentOmraade::newFromType(const QString &pattern, bool fromTemplate)
{
    const QString ext = pattern.mid(1);
    if (!fromTemplate) {
        klicheName.clear();
        return makeWindow(QString(), ext);
    }
    const QString tpl = joinPath(m_host->paths().klichedir, QStringLiteral("\\kliche") + ext);
    klicheName = tpl;
    if (QFileInfo::exists(tpl))
        return makeWindow(QString(), ext);

    // No template yet: make an empty one and open it for writing.
    klicheName.clear();
    QDir().mkpath(m_host->paths().klichedir);
    QFile f(tpl);
    if (!f.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        ui::showError(window(), tr("Klicheen %1 kunne ikke oprettes:\r%2").arg(tpl, f.errorString()));
        return nullptr;
    }
    f.close();
    Twinform *w = makeWindow(tpl, ext);
    if (w)
        m_host->skiftDir(tpl);
    ui::showInfo(window(), QStringLiteral("Der fandtes ikke nogen kliche til filtypen.\rDen er nu oprettet.\r"
                                          "Skriv klicheen og gem filen."));
    return w;
}

bool TDokumentOmraade::mayOverwrite(Twinform *w, const QString &path)
{
    const FileFacts::Stamp now = FileFacts::stampOf(path);
    const QString name = fileNameOf(path);
    if (now.exists && samePath(path, w->Filnavn) && now != w->diskStamp
        && !ui::askYesNo(window(), QStringLiteral("Filen ") + name
                                       + QStringLiteral(" er ændret af et andet program, efter at den blev hentet.\r"
                                                        "Skal den overskrives?")))
        return false;
    // Even a user the system lets write anything is asked first.
    if (FileFacts::isWriteProtected(path)
        && !ui::askYesNo(window(), QStringLiteral("Filen ") + name
                                       + QStringLiteral(" er skrivebeskyttet.\rSkal den overskrives alligevel?")))
        return false;
    return true;
}

bool TDokumentOmraade::writeDocument(Twinform *w, const QString &path)
{
    // Pictures and tables the RTF reader could not keep are lost by a save:
    // the user hears of it once, before the first save, and may say no.
    if (w->isRich() && !w->rtfTab.isEmpty() && !w->rtfTabGodkendt) {
        if (!ui::askYesNo(window(), QStringLiteral("Dokumentet ") + w->CapNavn + QStringLiteral(" indeholder ")
                                        + w->rtfTab.join(QStringLiteral(" og "))
                                        + QStringLiteral(", som ikke kan gemmes.\rDe går tabt, hvis dokumentet gemmes."
                                                         "\rSkal det gemmes alligevel?")))
            return false;
        w->rtfTabGodkendt = true;
    }
    if (!mayOverwrite(w, path))
        return false;
    // A page declaring a charset too small for its text is not written unasked.
    if (!w->isRich() && !settleDeclaredCharset(w->text(), w->DocExt, w->encoding,
                                               [this](const QString &q) { return ui::askYesNo(window(), q); }))
        return false;
    TextEncoding used = TextEncoding::Cp1252;
    const QByteArray bytes = w->contentBytes(&used);
    QString error;
    if (!TextFile::writeBytes(path, bytes, &error)) {
        ui::showError(window(), tr("Filen %1 kunne ikke gemmes:\r%2").arg(path, error));
        return false;
    }
    w->encoding = used;
    w->diskStamp = FileFacts::stampOf(path);
    return true;
}

bool TDokumentOmraade::Gem(Twinform *w)
{
    if (!w)
        w = activeWin();
    if (!w)
        return false;
    if (w->Filnavn.isEmpty())
        return GemSomDokument(w);
    if (!writeDocument(w, w->Filnavn))
        return false;
    w->text().setModified(false);
    w->DocExt = extensionOf(w->Filnavn);
    m_host->setStatus(5, QStringLiteral("Filen: ") + w->Filnavn + QStringLiteral(" er gemt!"));
    m_host->documentSaved(w);
    emit documentsChanged();
    return true;
}

bool TDokumentOmraade::GemSomDokument(Twinform *w)
{
    if (!w)
        w = activeWin();
    if (!w)
        return false;
    if (m_host->fileboxServesAsSaveBox()) {
        // The user confirms in the file box; nothing is written now.
        m_host->armFileboxSave(w, true);
        return false;
    }
    const QString title = QStringLiteral("Gem dokument som");
    QString folder = m_host->fileboxFolder();
    if (folder.isEmpty())
        folder = w->Filnavn.isEmpty() ? m_host->paths().dokumentdir : folderOf(w->Filnavn);
    const QString proposed = w->Filnavn.isEmpty() ? QStringLiteral("IkkeNavngivet") + w->DocExt : w->Filnavn;
    const QString filter = w->DocExt.isEmpty() ? QStringLiteral("Alle filer (*.*)")
                                               : QStringLiteral("Filtype (*") + w->DocExt + u')';
    QString name;
    if (ui::Script *s = ui::script()) {
        name = s->saveFileName ? s->saveFileName(title, proposed) : QString();
    } else {
        name = QFileDialog::getSaveFileName(window(), title, joinPath(folder, fileNameOf(proposed)), filter,
                                            nullptr, QFileDialog::DontConfirmOverwrite);
    }
    if (name.isEmpty())
        return false;
    return saveAsTo(w, name);
}

bool TDokumentOmraade::GemSom(const QString &chosen, Twinform *w)
{
    if (!w)
        w = activeWin();
    if (!w || chosen.isEmpty())
        return false;
    return saveAsTo(w, chosen);
}

bool TDokumentOmraade::saveAsTo(Twinform *w, QString name)
{
    if (extensionOf(name).isEmpty())
        name += w->DocExt;
    name = QFileInfo(name).absoluteFilePath();
    if (!w->Filnavn.isEmpty() && samePath(name, w->Filnavn))
        return Gem(w);
    if (QFileInfo::exists(name)) {
        if (!ui::askQuestion(window(), {QStringLiteral("Filen ") + fileNameOf(name) + QStringLiteral(" eksisterer allerede!"),
                                        QStringLiteral("Skal den overskrives?")}))
            return false;
        // Another window showing that file would go on showing stale text.
        if (!lukDokument(name, w))
            return false;
    }
    if (!writeDocument(w, name))
        return false;
    const QString old = w->CapNavn;
    w->skiftNavn(name);
    RenameTab(old, w->CapNavn);
    if (QMdiSubWindow *s = subWindowOf(w))
        s->setWindowTitle(w->windowTitle());
    w->text().setModified(false);
    tcChange();
    w->text().SetFocus();
    emit documentsChanged();
    return true;
}

bool TDokumentOmraade::lukDokument(const QString &path, Twinform *except)
{
    for (Twinform *w : std::as_const(m_windows)) {
        if (w != except && !w->Filnavn.isEmpty() && samePath(w->Filnavn, path)) {
            QPointer<Twinform> guard(w);
            subWindowOf(w)->close();
            processEvents();
            return guard.isNull() || !m_windows.contains(w);
        }
    }
    return true;
}

bool TDokumentOmraade::askOnClose(Twinform *w)
{
    if (!m_host->mayCloseDocument(w))
        return false;
    bool accept = true;
    if (w->text().Modified()) {
        activate(w);
        switch (ui::askYesNoAnswer(window(), QStringLiteral("Skal documentet ") + w->CapNavn + QStringLiteral(" gemmes?"))) {
        case ui::Answer::Ja:
            // A "Ja" never loses the document: if the save did not happen
            // (cancelled, refused, failed) the window stays open.
            accept = Gem(w);
            ProgramLukkes = false;
            if (!accept)
                m_saveFailedInClose = true;
            break;
        case ui::Answer::Nej:
            break;
        case ui::Answer::Ingen:
            accept = false;
            if (QMdiSubWindow *s = subWindowOf(w))
                s->showMinimized();
            break;
        }
    }
    if (m_host->options().autoSenesteFM && !w->Filnavn.isEmpty())
        m_host->documentClosing(w);
    return accept;
}

void TDokumentOmraade::showAnotherThan(Twinform *w)
{
    // A minimised maximised window takes the others out of their maximised
    // state; the most recently used other one comes forward maximised, and
    // the tab strip marks the window the caption names.
    const QList<QMdiSubWindow *> order = m_mdi->subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto it = order.crbegin(); it != order.crend(); ++it) {
        auto *other = qobject_cast<Twinform *>((*it)->widget());
        if (other && other != w && m_windows.contains(other)) {
            (*it)->showMaximized();
            m_mdi->setActiveSubWindow(*it);
            fokusTab(other->CapNavn);
            return;
        }
    }
}

void TDokumentOmraade::windowClosed(Twinform *w)
{
    m_windows.removeAll(w);
    m_host->setStatus(2, QString());
    m_host->setStatus(4, QString());
    CloseTab(w->CapNavn);
    m_host->documentClosed(w);
    if (m_windows.isEmpty())
        m_host->documentActivated(nullptr);
    emit documentsChanged();
}

void TDokumentOmraade::LukDokument()
{
    Twinform *w = activeWin();
    if (!w)
        return;
    subWindowOf(w)->close();
    processEvents();
    // A window whose question went unanswered stays minimised where it is,
    // and another one takes its place.
    if (m_windows.contains(w)) {
        if (QMdiSubWindow *s = subWindowOf(w); s && s->isMinimized())
            showAnotherThan(w);
        return;
    }
    if (!ProgramLukkes) {
        SetTCindex();
        tcChange();
    }
}

bool TDokumentOmraade::LukAlle()
{
    // A close-all started from inside another (a question box's event loop) is refused.
    if (m_lukAlleRunning)
        return false;
    for (Twinform *w : std::as_const(m_windows))
        if (!m_host->mayCloseDocument(w))
            return false;   // an engine is still reading it; the user can close again after
    m_lukAlleRunning = true;
    ProgramLukkes = true;
    m_saveFailedInClose = false;
    const QString listFile = m_host->paths().dokumentfil;

    // Untitled documents first, the last made first.
    const QList<Twinform *> all = m_windows;
    for (auto it = all.crbegin(); it != all.crend(); ++it) {
        Twinform *w = *it;
        if (!m_windows.contains(w) || !w->Filnavn.isEmpty())
            continue;
        subWindowOf(w)->close();
        processEvents();
        if (!ProgramLukkes) {
            m_lukAlleRunning = false;
            return false;
        }
    }
    if (m_windows.isEmpty()) {
        QFile::remove(listFile);
        m_lukAlleRunning = false;
        return ProgramLukkes;
    }
    QStringList reopen;
    while (!m_windows.isEmpty() && !m_saveFailedInClose) {
        Twinform *w = activeWin();
        if (!w)
            w = m_windows.last();
        // One path a line: a name holding a line break cannot be listed.
        if (!w->Filnavn.isEmpty() && !w->Filnavn.contains(u'\n') && !w->Filnavn.contains(u'\r'))
            reopen.append(w->Filnavn);
        subWindowOf(w)->close();
        processEvents();
    }
    QString error;
    if (!TextFile::writeLines(listFile, reopen, &error))
        ui::showError(window(), tr("Listen over åbne dokumenter %1 kunne ikke gemmes:\r%2").arg(listFile, error));
    m_lukAlleRunning = false;
    return ProgramLukkes && !m_saveFailedInClose;
}

void TDokumentOmraade::checkFilesOnDisk()
{
    // The questions below activate the main window again when they close.
    if (m_checkingDisk || m_lukAlleRunning)
        return;
    m_checkingDisk = true;
    const QList<Twinform *> all = m_windows;
    for (Twinform *w : all) {
        if (!m_windows.contains(w) || w->Filnavn.isEmpty())
            continue;
        const FileFacts::Stamp now = FileFacts::stampOf(w->Filnavn);
        if (!now.exists || now == w->diskStamp || now == w->reloadDeclined)
            continue;
        QString q = QStringLiteral("Filen ") + fileNameOf(w->Filnavn)
                    + QStringLiteral(" er ændret af et andet program.\rSkal den hentes igen?");
        if (w->text().Modified())
            q += QStringLiteral("\rDine ændringer i dokumentet går da tabt.");
        activate(w);
        const bool ja = ui::askYesNo(window(), q);
        if (!m_windows.contains(w))
            continue;
        if (ja)
            reload(w);
        else
            w->reloadDeclined = now;
    }
    m_checkingDisk = false;
}

bool TDokumentOmraade::reload(Twinform *w)
{
    const int caret = w->text().SelStart();
    QString error;
    if (!w->loadFile(w->Filnavn, &error)) {
        ui::showError(window(), tr("Filen %1 kunne ikke hentes igen:\r%2").arg(w->Filnavn, error));
        return false;
    }
    w->reloadDeclined = {};
    w->text().setSelStart(std::min(caret, w->text().Length()));
    w->XYinfo();
    emit documentsChanged();
    return true;
}

void TDokumentOmraade::InsertTab(const QString &cap)
{
    const int i = m_tabs->addTab(tabLabel(cap));
    m_tabs->setTabData(i, cap);
    m_tabs->setAccessibleTabName(i, cap);
    m_tabs->setCurrentIndex(i);
}

static int tabIndexOf(QTabBar *tabs, const QString &cap)
{
    for (int i = 0; i < tabs->count(); ++i)
        if (tabs->tabData(i).toString() == cap)
            return i;
    return -1;
}

void TDokumentOmraade::RenameTab(const QString &oldText, const QString &newText)
{
    const int i = tabIndexOf(m_tabs, oldText);
    if (i < 0)
        return;
    m_tabs->setTabText(i, tabLabel(newText));
    m_tabs->setTabData(i, newText);
    m_tabs->setAccessibleTabName(i, newText);
}

void TDokumentOmraade::SetTCindex()
{
    if (Twinform *w = activeWin())
        fokusTab(w->CapNavn);
}

void TDokumentOmraade::CloseTab(const QString &cap)
{
    const int i = tabIndexOf(m_tabs, cap);
    if (i >= 0)
        m_tabs->removeTab(i);
}

void TDokumentOmraade::fokusTab(const QString &cap)
{
    const int i = tabIndexOf(m_tabs, cap);
    if (i >= 0 && i != m_tabs->currentIndex()) {
        QSignalBlocker block(m_tabs);
        m_tabs->setCurrentIndex(i);
    }
}

void TDokumentOmraade::tcChange()
{
    const int i = m_tabs->currentIndex();
    if (i < 0)
        return;
    Twinform *w = findByCaption(m_tabs->tabData(i).toString());
    if (!w)
        return;
    if (!w->Filnavn.isEmpty())
        m_host->skiftDir(w->Filnavn);
    activate(w);
}

} // namespace taglund
