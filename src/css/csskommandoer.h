#pragma once
#include "core/subsystem.h"
#include "css/cssvaert.h"
#include "html/infotag.h"

#include <QObject>
#include <QPointer>
#include <functional>

namespace taglund {

class TCssBoksForm;
class TCssGruppeForm;
class TProgramHost;

// The CSS subsystem's commands: "CSS boksen" (ACssBoksen), "CSS gruppeboks"
// (ACssGruppeboks) and the document bars' "Find i Css gruppeboksen". It owns
// both windows, made on first use, and writes through its own code writer
// bound to the active document for each write.
class TCssKommandoer : public QObject, public TSubsystem, public TCssVaert {
    Q_OBJECT
public:
    TCssKommandoer(TProgramHost *host, QObject *parent = nullptr);
    ~TCssKommandoer() override;

    TCssBoksForm *cssBoks();
    TCssGruppeForm *gruppeboks();
    void visCssBoks();
    void visGruppeboks();
    // The document bars' button: the CSS property at the caret in the browser.
    void findCssEgenskab();

    // Opens the preview page past the cache. The structure viewer provides
    // it; without one the preview goes through the host's HelpInfo.
    void setPreviewAabner(std::function<void(const QString &structure, const QString &entry)> f)
    {
        m_previewAabner = std::move(f);
    }

    // TSubsystem
    void decorateWindow(Twinform *w) override;

    // TCssVaert
    QString programdir() const override;
    QString optdir() const override;
    QWidget *hovedvindue() const override;
    bool harDokument() const override;
    void skrivLinjer(const TCssLinjer &linjer) override;
    void skrivEgenskab(const QString &egenskab) override;
    void skrivVaerdi(const QString &egenskab, const QString &vaerdi) override;
    void hjaelp(const QString &struktur, const QString &entry) override;
    void visPreview(const QString &entry) override;

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    template <typename F>
    void medSkriver(F f);

    TProgramHost *m_host;
    Tinfotag m_skriver;
    QPointer<TCssBoksForm> m_boks;
    QPointer<TCssGruppeForm> m_gruppe;
    std::function<void(const QString &, const QString &)> m_previewAabner;
};

} // namespace taglund
