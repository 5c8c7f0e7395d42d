#pragma once
#include "core/subsystem.h"
#include "core/winform.h"

#include <QObject>
#include <QPointer>

class QKeyEvent;

namespace taglund {

class TProgramHost;
class TvbsForm;
class Twinform;

// The script analysis subsystem: "Scriptboksen" (made on first use), the
// VbScript menu's "Alt" and "Linje", script assistance for ".vbs" and
// ".wsf" documents, and the typing help handed from their editors.
class TScriptKommandoer : public QObject, public TSubsystem {
    Q_OBJECT
public:
    TScriptKommandoer(TProgramHost *host, QObject *parent = nullptr);
    ~TScriptKommandoer() override;

    // The box, made now when it was not yet.
    TvbsForm *box();
    TvbsForm *boxIfMade() const { return m_box; }
    // Script assistance on for a document: the box is shown and bound to it.
    void aktiverScript(Twinform *w);

    void decorateWindow(Twinform *w) override;
    void documentActivated(Twinform *w) override;
    void documentClosing(Twinform *w) override;
    void documentClosed(Twinform *w) override;
    void caretReleased(Twinform *w) override;

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    struct Typed {
        int key = 0;
        QChar ch;
        int caretBefore = 0;
        int blockBefore = 0;
    };
    void showBound(Twinform *w);
    bool helps(Twinform *w) const;
    void handle(Twinform *w, const Typed &k);

    TProgramHost *m_host;
    QPointer<TvbsForm> m_box;
    QPointer<Twinform> m_typingIn;
    QList<Typed> m_pending;
};

} // namespace taglund
