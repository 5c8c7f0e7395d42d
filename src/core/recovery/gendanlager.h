#pragma once
#include "core/recovery/gendanindeks.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QLockFile;

namespace taglund {

// The user's recovery folder below the install root: "<root>/<login>/gendan".
// Copies never lie beside the page, as a web folder gets published.
QString gendanMappe(const QString &brugerdir);
// The name the box shows for a copy: the file's name, or the caption of a new document.
QString gendanNavn(const TGendanPost &p);

// This program's own session folder inside the recovery folder, locked by
// a lock file holding the process id for as long as the program runs, so
// another program of the same user never takes these copies for its own.
class TGendanSession {
public:
    explicit TGendanSession(QString gendanMappe);
    ~TGendanSession();   // releases the lock; copies stay for the next start
    TGendanSession(const TGendanSession &) = delete;
    TGendanSession &operator=(const TGendanSession &) = delete;

    // Makes and locks a new session folder. False with the reason when the
    // folder cannot be made (read-only or full disk).
    bool aabn(QString *error = nullptr);
    bool erAaben() const { return m_laas != nullptr; }
    QString mappe() const { return m_mappe; }
    // A normal end: every copy, the index and the lock go, then the folder.
    void fjernAlt();

    static constexpr auto kLaasNavn = "laas";

private:
    QString m_rod;
    QString m_mappe;
    std::unique_ptr<QLockFile> m_laas;
};

// One copy a program that did not end normally left behind.
struct TGendanFund {
    TGendanPost post;
    QString sti;                  // the copy's full path
    QString bemaerkning;          // about the original on disk; empty when it is as it was
    int session = 0;
};

// The copies of programs that are no longer running. Each of their session
// folders is locked by this object while it decides about them, so two
// programs starting together never offer the same copies.
class TForladteKopier {
public:
    TForladteKopier();
    ~TForladteKopier();   // releases the sessions it holds

    // Every session folder below gendanMappe except `egen` whose lock is not
    // held by a live program. Empty sessions are cleared away.
    void find(const QString &gendanMappe, const QString &egen = QString());
    const QList<TGendanFund> &fund() const { return m_fund; }
    // Copies the index names that cannot be offered, one sentence each.
    const QStringList &noter() const { return m_noter; }

    // The copy's bytes as written. False with a reason when it cannot be read.
    bool laes(int i, QByteArray &bytes, QString *error = nullptr) const;
    // The copies have been restored or discarded: their files go and their
    // sessions' indexes are written without them; a session with nothing
    // left to offer goes entirely.
    void fjern(const QList<int> &valgte);
    void frigiv();

    static inline const QString kAendret = QStringLiteral("Filen er ændret siden kopien blev taget");
    static inline const QString kForsvundet = QStringLiteral("Filen findes ikke længere");

private:
    struct Session;
    std::vector<std::unique_ptr<Session>> m_sessioner;
    QList<TGendanFund> m_fund;
    QStringList m_noter;
};

} // namespace taglund
