#pragma once
#include "ftp/ftpforbindelse.h"

#include <QString>
#include <atomic>
#include <functional>

namespace taglund {

// How a file goes over the wire. Text goes in ASCII type, so the server
// stores it with its own line ends; anything else byte for byte.
enum class TFtpType { Ascii, Binaer };
// Text by its extension, and only if its first bytes hold no NUL (a UTF-16
// text file must not have its bytes rewritten).
TFtpType overfoerselstype(const QString &localFile);

enum class TFtpFejl { Ingen, Indstillinger, Fil, Forbindelse, Login, Mappe, Gem, Dataforbindelse, Tid, Afbrudt, Andet };

struct TFtpResultat {
    TFtpFejl fejl = TFtpFejl::Ingen;
    QString besked;  // Danish words, then the client's and the server's own text
    bool ok() const { return fejl == TFtpFejl::Ingen; }
};

// The line that ends every connection, whatever happened on it.
inline QString ftpAfsluttet() { return QStringLiteral("Disconnected."); }
// The line shown once the server confirmed the stored file.
inline QString ftpUploaded() { return QStringLiteral("Filen er uploaded til server."); }

// One upload on its own connection: connect and log in with the user name
// and password (given as options, never in the address), change to the
// server folder, store the file under its own name, disconnect. Active data
// connections, a 60-second limit on every server reply and no limit on the
// connect itself; `cancel` stops it at the next progress report. Every
// status text (the client's notes, the commands sent with the password
// masked, the server's replies, bytes sent) goes to `status` in order; the
// last is always "Disconnected.". Blocks: run it off the window thread.
TFtpResultat ftpUpload(const TFtpForbindelse &c, const QString &localFile,
                       const std::function<void(const QString &)> &status,
                       const std::atomic_bool *cancel = nullptr);

// The Danish words for a client failure.
QString ftpFejltekst(TFtpFejl fejl);

} // namespace taglund
