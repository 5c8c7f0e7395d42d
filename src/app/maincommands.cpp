#include "app/maincommands.h"
#include "app/commands/runcommand.h"
#include "core/commandregistry.h"
#include "app/commands/findform.h"
#include "app/commands/htmludskriftform.h"
#include "app/commands/printform.h"
#include "app/mainform.h"
#include "app/mainpanel.h"
#include "core/model/commandtext.h"
#include "core/text/paths.h"
#include "filebox/grundmetoder.h"
#include "html/htmludskrivning.h"
#include "platform/desktopshell.h"
#include "ui/errorinfo.h"
#include "ui/questions.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace taglund {

namespace {

// The edit menu works on whichever text field has the focus.
template <typename F>
void onFocusedText(F f)
{
    QWidget *w = QApplication::focusWidget();
    if (auto *l = qobject_cast<QLineEdit *>(w))
        f(l, nullptr, nullptr);
    else if (auto *p = qobject_cast<QPlainTextEdit *>(w))
        f(nullptr, p, nullptr);
    else if (auto *t = qobject_cast<QTextEdit *>(w))
        f(nullptr, nullptr, t);
}

} // namespace

TMainKommandoer::TMainKommandoer(Tmainform *main) : QObject(main), m_main(main)
{
    main->addSubsystem(this);
    registerCommands();
}

TDocText *TMainKommandoer::activeText() const
{
    Twinform *w = m_main->activeWin();
    return w ? &w->text() : nullptr;
}

QWidget *TMainKommandoer::hostWindow() const { return m_main; }

QString TMainKommandoer::activeFileName() const
{
    Twinform *w = m_main->activeWin();
    return w ? w->Filnavn : QString();
}

void TMainKommandoer::caretChanged()
{
    if (Twinform *w = m_main->activeWin())
        w->XYinfo();
}

QString TMainKommandoer::programFolder() const { return m_main->paths().programdir; }

QFont TMainKommandoer::documentFont() const
{
    return QFont(m_main->options().bogstavName, m_main->options().bogstavSize);
}

void TMainKommandoer::helpInfo(const QString &structure, const QString &entry)
{
    m_main->HelpInfo(structure, entry);
}

void TMainKommandoer::registerCommands()
{
    auto *c = m_main->commands();
    auto docOpen = [this] { return m_main->activeWin() != nullptr; };
    c->add(QStringLiteral("AFortryd"), QStringLiteral("Annuller"), QKeySequence::Undo, [] {
        onFocusedText([](QLineEdit *l, QPlainTextEdit *p, QTextEdit *t) {
            if (l) l->undo();
            if (p) p->undo();
            if (t) t->undo();
        });
    });
    c->add(QStringLiteral("AKlip"), QStringLiteral("Klip"), QKeySequence::Cut, [] {
        onFocusedText([](QLineEdit *l, QPlainTextEdit *p, QTextEdit *t) {
            if (l) l->cut();
            if (p) p->cut();
            if (t) t->cut();
        });
    });
    c->add(QStringLiteral("AKopier"), QStringLiteral("Kopier"), QKeySequence::Copy, [] {
        onFocusedText([](QLineEdit *l, QPlainTextEdit *p, QTextEdit *t) {
            if (l) l->copy();
            if (p) p->copy();
            if (t) t->copy();
        });
    });
    c->add(QStringLiteral("ASaetInd"), QStringLiteral("Sæt ind"), QKeySequence::Paste, [] {
        onFocusedText([](QLineEdit *l, QPlainTextEdit *p, QTextEdit *t) {
            if (l) l->paste();
            if (p) p->paste();
            if (t) t->paste();
        });
    });
    c->add(QStringLiteral("AVaelgAlt"), QStringLiteral("Vælg alt"), QKeySequence::SelectAll, [] {
        onFocusedText([](QLineEdit *l, QPlainTextEdit *p, QTextEdit *t) {
            if (l) l->selectAll();
            if (p) p->selectAll();
            if (t) t->selectAll();
        });
    });
    // "Slet" is the Delete key: hand it to whatever has the focus.
    QAction *slet = c->add(QStringLiteral("ASlet"), QStringLiteral("Slet"), {}, [] {
        if (QWidget *w = QApplication::focusWidget()) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
            QCoreApplication::sendEvent(w, &press);
        }
    });
    slet->setShortcut(QKeySequence(Qt::Key_Delete));
    slet->setShortcutContext(Qt::WidgetShortcut);   // shown in the menu, never stealing the key

    c->add(QStringLiteral("AFind"), QStringLiteral("Find i dokument..."), {}, [this] { findBox()->show(); }, docOpen);
    c->add(QStringLiteral("AErstat"), QStringLiteral("Erstat tekst i dokument..."), {}, [this] { replaceBox()->show(); },
           docOpen);
    c->add(QStringLiteral("AUdskriv"), QStringLiteral("Udskriv dokument..."), {}, [this] {
        if (!m_print)
            m_print = new TPrintForm(this, m_main);
        m_print->execute();
    }, docOpen);
    c->add(QStringLiteral("AAktiverScript"), QStringLiteral("Aktiver scriptet"), QKeySequence(Qt::Key_F9),
           [this] { runActive(QStringLiteral("open")); }, docOpen);
    c->add(QStringLiteral("ARedigerAndet"), QStringLiteral("Rediger dokumentet i andet program"), {},
           [this] { runActive(QStringLiteral("edit")); }, docOpen);
    c->add(QStringLiteral("ADosboksen"), QStringLiteral("Dosboksen"), {}, [this] { runCommandBox(); });
    c->add(QStringLiteral("APaaStribe"), QStringLiteral("På stribe"), {},
           [this] { m_main->documents()->mdiArea()->cascadeSubWindows(); }, docOpen);
    c->add(QStringLiteral("AHorisontalt"), QStringLiteral("Horisontalt"), {}, [this] { tile(Qt::Vertical); }, docOpen);
    c->add(QStringLiteral("AVertikalt"), QStringLiteral("Vertikalt"), {}, [this] { tile(Qt::Horizontal); }, docOpen);
    c->add(QStringLiteral("AOm"), QStringLiteral("Om Taglund..."), {}, [this] { showAbout(); });
    c->add(QStringLiteral("AHjemmesiden"), QStringLiteral("Hjemmesiden..."), {},
           [] { QDesktopServices::openUrl(CommandText::homePageUrl()); });
    c->add(QStringLiteral("AKritik"), QStringLiteral("Kritik og mangler..."), {},
           [] { QDesktopServices::openUrl(CommandText::feedbackUrl()); });
    c->add(QStringLiteral("AUdskrivHtml"), QStringLiteral("Udskriv som html"), {}, [this] {
        if (Twinform *w = m_main->activeWin())
            udskrivSomHtml(*htmlBox(), m_main, w->Filnavn, m_main->options().bogstavName, m_main->options().bogstavSize,
                           &TGrundMetoder::erDetEnEgnetFil);
    }, docOpen, QStringLiteral("Udskriv aktuelle tekst dokument som html"));
    auto udskift = [this](bool gendan) {
        return [this, gendan] {
            if (Twinform *w = m_main->activeWin(); w && !udskiftMarkering(w->text(), gendan))
                ui::showInfo(m_main, ingenMarkeringTekst());
        };
    };
    c->add(QStringLiteral("AUdskift"), QStringLiteral("Udskift"), {}, udskift(false), docOpen,
           QStringLiteral("Udskift alle html kodetegn (<>) i valgte tekst"));
    c->add(QStringLiteral("AAnnuller"), QStringLiteral("Annuller"), {}, udskift(true), docOpen,
           QStringLiteral("Anuller udskiftning af html kodetegn: < og >"));
    c->add(QStringLiteral("AGoogle"), QStringLiteral("Søg"), {},
           [this] { QDesktopServices::openUrl(CommandText::googleSearchUrl(m_main->findText())); }, {},
           QStringLiteral("Søg på Google"));
    c->add(QStringLiteral("AYouTube"), QStringLiteral("Søg"), {},
           [this] { QDesktopServices::openUrl(CommandText::youTubeSearchUrl(m_main->findText())); }, {},
           QStringLiteral("Søg på YouTube"));
}

THtmlUdskriftForm *TMainKommandoer::htmlBox()
{
    if (!m_htmlBox)
        m_htmlBox = new THtmlUdskriftForm(this, m_main);
    return m_htmlBox;
}

TFindForm *TMainKommandoer::findBox()
{
    if (!m_find)
        m_find = new TFindForm(TFindForm::Mode::Find, this, m_main);
    return m_find;
}

TFindForm *TMainKommandoer::replaceBox()
{
    if (!m_replace)
        m_replace = new TFindForm(TFindForm::Mode::Replace, this, m_main);
    return m_replace;
}

void TMainKommandoer::activeDocumentChanged()
{
    if (m_find)
        m_find->activeDocumentChanged();
    if (m_replace)
        m_replace->activeDocumentChanged();
    if (m_htmlBox)
        m_htmlBox->activeDocumentChanged();
}

void TMainKommandoer::runActive(const QString &verb)
{
    Twinform *w = m_main->activeWin();
    if (!w)
        return;
    if (w->Filnavn.isEmpty() || w->text().Modified())
        m_main->documents()->Gem(w);
    if (w->Filnavn.isEmpty() || extensionOf(w->Filnavn).isEmpty())
        return;
    const int result = DesktopShell::instance().openFile(w->Filnavn, verb, {}, folderOf(w->Filnavn));
    if (result <= 32)
        ui::ErrorInfo(result, m_main);
}

void TMainKommandoer::searchFieldEntered()
{
    using CommandText::SearchFieldCommand;
    const SearchFieldCommand cmd = CommandText::parseSearchFieldCommand(m_main->findText());
    const QString name = cmd == SearchFieldCommand::RunScript ? QStringLiteral("AAktiverScript")
                         : cmd == SearchFieldCommand::WriteHtml ? QStringLiteral("AUdskrivHtml")
                                                                : QString();
    if (name.isEmpty())
        return;
    m_main->commands()->updateAll();
    if (QAction *a = m_main->commands()->action(name); a && a->isEnabled())
        a->trigger();
}

void TMainKommandoer::tile(Qt::Orientation o)
{
    QMdiArea *mdi = m_main->documents()->mdiArea();
    const auto subs = mdi->subWindowList();
    if (subs.isEmpty())
        return;
    const QRect area = mdi->viewport()->rect();
    const int n = int(subs.size());
    for (int i = 0; i < n; ++i) {
        QMdiSubWindow *s = subs[i];
        s->showNormal();
        if (o == Qt::Vertical) {
            const int h = area.height() / n;
            s->setGeometry(0, i * h, area.width(), h);
        } else {
            const int wdt = area.width() / n;
            s->setGeometry(i * wdt, 0, wdt, area.height());
        }
    }
}

void TMainKommandoer::showAbout()
{
    QDialog box(m_main);
    box.setWindowTitle(QStringLiteral("Om Taglund"));
    box.setAccessibleName(QStringLiteral("Om Taglund"));
    auto *layout = new QVBoxLayout(&box);
    auto *text = new QLabel(QStringLiteral("<h2>Taglund</h2><p>Editor til hjemmesider og scripts: HTML5, ASP, CSS, "
                                           "JavaScript, VBScript, Windows Script Files, batch og PowerShell.</p>"
                                           "<p>Version %1</p>")
                                .arg(QStringLiteral(TAGLUND_VERSION)),
                            &box);
    text->setWordWrap(true);
    text->setAccessibleName(QStringLiteral("Om Taglund"));
    layout->addWidget(text);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
    buttons->button(QDialogButtonBox::Ok)->setAccessibleName(QStringLiteral("OK"));
    connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    layout->addWidget(buttons);
    if (!ui::script())
        box.exec();
}

void TMainKommandoer::runCommandBox()
{
    QDialog box(m_main);
    box.setWindowTitle(QStringLiteral("Kommandoboksen"));
    box.setAccessibleName(QStringLiteral("Kommandoboksen"));
    auto *layout = new QVBoxLayout(&box);
    auto *label = new QLabel(QStringLiteral("Kommando"), &box);
    auto *field = new QLineEdit(&box);
    field->setAccessibleName(QStringLiteral("Kommando"));
    label->setBuddy(field);
    layout->addWidget(label);
    layout->addWidget(field);
    auto *buttons = new QDialogButtonBox(&box);
    QPushButton *koer = buttons->addButton(QStringLiteral("Kør"), QDialogButtonBox::AcceptRole);
    QPushButton *luk = buttons->addButton(QStringLiteral("Luk"), QDialogButtonBox::RejectRole);
    QPushButton *info = buttons->addButton(QStringLiteral("Information"), QDialogButtonBox::HelpRole);
    koer->setDefault(true);
    layout->addWidget(buttons);
    connect(koer, &QPushButton::clicked, &box, [this, field] {
        if (!field->text().trimmed().isEmpty())
            runCommand(CommandText::commandBoxRun(field->text(), CommandText::installedPrograms()), m_main);
    });
    connect(luk, &QPushButton::clicked, &box, &QDialog::reject);
    connect(info, &QPushButton::clicked, &box,
            [this] { m_main->HelpInfo(QStringLiteral("Information"), QStringLiteral("Kommandoboksen")); });
    box.resize(420, box.sizeHint().height());
    box.exec();
}

void TMainKommandoer::addContextMenu(Twinform *w)
{
    QWidget *ed = w->editorWidget();
    ed->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ed, &QWidget::customContextMenuRequested, w, [w, ed](const QPoint &at) {
        QMenu menu(ed);
        QAction *split = menu.addAction(QStringLiteral("Linier opdeles"));
        split->setCheckable(true);
        split->setChecked(w->splitLines());
        QAction *plain = menu.addAction(QStringLiteral("Simpel tekstformat"));
        plain->setCheckable(true);
        plain->setChecked(!w->isRich());
        plain->setEnabled(false);
        menu.addSeparator();
        if (auto *p = qobject_cast<QPlainTextEdit *>(ed)) {
            QMenu *std = p->createStandardContextMenu();
            menu.addActions(std->actions());
            std->setParent(&menu);
        } else if (auto *t = qobject_cast<QTextEdit *>(ed)) {
            QMenu *std = t->createStandardContextMenu();
            menu.addActions(std->actions());
            std->setParent(&menu);
        }
        if (menu.exec(ed->mapToGlobal(at)) == split)
            w->setSplitLines(!w->splitLines());
    });
}

} // namespace taglund
