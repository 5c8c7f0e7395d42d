#pragma once
#include "core/subsystem.h"
#include "ftp/ftpforbindelse.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>

namespace taglund {

class TFtpBar;
class TFtpEgenskaberForm;
class TFtpUpload;
class TProgramHost;
struct TFtpResultat;

// FTP upload: the current connection (read from "ftpegenskaber.txt" at
// start, written at shutdown), the settings box "FTP egenskaber" (made on
// first use), the FTP bar of every document window (shown while
// "visFtpFunktioner" is on) and the one upload that may run at a time.
class TFtpKommandoer : public QObject, public TSubsystem {
    Q_OBJECT
public:
    TFtpKommandoer(TProgramHost *host, QObject *parent = nullptr);
    ~TFtpKommandoer() override;

    // "Upload fil til server" of a document window: the named document
    // itself, saved first when it is modified (after asking); an untitled
    // document is saved and uploaded on the next click.
    void uploadDocument(Twinform *w);
    // Uploads a file (the file box's current file) if it exists; the status
    // goes to the active document's information field.
    void uploadFile(const QString &path);
    // "Sæt ftp egenskaber": the box modally; "Anvend" writes the settings file.
    bool saetEgenskaber();
    // Shows or hides the FTP bar of every open document window.
    void setBarsShown(bool on);

    bool busy() const;
    TFtpForbindelse forbindelse() const;
    TFtpEgenskaberForm *egenskaberForm();  // made on first use
    TFtpBar *barOf(Twinform *w) const;
    TFtpUpload *upload() const { return m_upload; }
    // Writes "ftpegenskaber.txt" (the shutdown step).
    bool gemEgenskaber();

    void start() override;
    void decorateWindow(Twinform *w) override;
    void documentActivated(Twinform *w) override;

private:
    void uploadTo(const QString &path, Twinform *target);
    void onStatus(const QString &line);
    void onFinished(const TFtpResultat &r);
    void updateButtons();
    bool askForSettings();

    TProgramHost *m_host;
    TFtpEgenskaber m_egenskaber;  // while the box is not made
    QPointer<TFtpEgenskaberForm> m_box;
    TFtpUpload *m_upload;
    QList<QPointer<TFtpBar>> m_bars;
    QPointer<TFtpBar> m_target;   // where the running upload reports
};

} // namespace taglund
