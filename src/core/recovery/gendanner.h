#pragma once
#include "core/recovery/gendanlager.h"
#include "core/recovery/gendanplan.h"
#include "core/subsystem.h"
#include "ui/gendanform.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>

namespace taglund {

class TGendanSkriver;
class TProgramHost;

// Keeps a recovery copy of every modified document, so no edit is lost when
// the program, the desktop session or the machine dies, and offers the
// copies a program that did not end normally left behind.
//
// It hears about documents as a subsystem: each new window's text changes
// reach documentChanged, a save or a return to the saved text removes the
// copy, and so does closing (after "Nej" to the save question). A copy is
// taken as a snapshot on this thread a moment after typing pauses and
// written by TGendanSkriver on its own thread.
class TGendanner : public QObject, public TSubsystem {
    Q_OBJECT
public:
    using Vaelger = std::function<ui::TGendanSvar(const QList<ui::TGendanRaekke> &, const QStringList &noter)>;

    TGendanner(TProgramHost *host, QObject *parent = nullptr);
    ~TGendanner() override;

    // At first show, before any file opens: offers the copies of programs
    // that ended without "Luk program" in "Gendan dokumenter". Returns how
    // many documents were restored.
    int tilbydGendannelse();
    // "Luk program" closed every document: this program's copies all go.
    void afslutNormalt();
    // The program is being ended from outside (SIGTERM, SIGHUP): a fresh
    // copy of every modified document is on disk when this returns.
    void kopierAlleNu();

    // Tests and benchmarks: shorter intervals, an answer instead of the box.
    void setIntervaller(const TGendanIntervaller &iv);
    void setVaelger(Vaelger v) { m_vaelger = std::move(v); }
    QString sessionMappe() const { return m_session.mappe(); }
    TGendanSkriver *skriver() const { return m_skriver.get(); }
    // Whether the document's change still waits for its copy.
    bool venter(Twinform *w) const;

    static inline const QString kFejlTekst =
        QStringLiteral("Der kan ikke tages kopier til gendannelse (%1). Husk selv at gemme dine dokumenter.");

    // The document's text changed.
    void documentChanged(Twinform *w);

    void decorateWindow(Twinform *w) override;
    void documentSaved(Twinform *w) override;
    void documentClosed(Twinform *w) override;

private:
    void modifiedChanged(Twinform *w, bool modified);
    void tick();
    void planlaeg();
    void kopier(Twinform *w);
    bool gendan(const TForladteKopier &forladte, int i);
    void skriverFejl(const QString &tekst);
    qint64 nu() const { return m_ur.elapsed(); }

    TProgramHost *m_host;
    TGendanSession m_session;
    std::unique_ptr<TGendanSkriver> m_skriver;
    TGendanPlan m_plan;
    QTimer m_timer;
    QElapsedTimer m_ur;
    std::map<int, QPointer<Twinform>> m_docs;
    Vaelger m_vaelger;
    bool m_fejlVist = false;
};

} // namespace taglund
