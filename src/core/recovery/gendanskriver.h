#pragma once
#include "core/recovery/gendanindeks.h"

#include <QByteArray>
#include <QMutex>
#include <QObject>
#include <QWaitCondition>
#include <deque>
#include <map>
#include <optional>

class QThread;

namespace taglund {

// Writes the copies of one session folder and its index on a thread of its
// own, so typing never waits on the disk. Jobs run in the order they were
// queued; a newer copy of a document replaces one still waiting. A copy is
// written whole under a new name, then the index is replaced to name it, and
// only then the older copy goes: whatever moment the program dies in, the
// index names complete copies.
class TGendanSkriver : public QObject {
    Q_OBJECT
public:
    explicit TGendanSkriver(QString mappe, QObject *parent = nullptr);
    ~TGendanSkriver() override;   // finishes the queued jobs, then stops

    // A copy of document `noegle` from the editor's raw text (paragraph
    // separators, as QTextDocument::toRawText gives it, the cheapest copy to
    // take on the user-interface thread): it is turned into the document
    // text's CR LF form here and written as UTF-8 with a mark, so no
    // character is lost whatever the document's own encoding.
    void skriv(int noegle, const TGendanPost &meta, const QString &raaTekst);
    // RTF is written as it is.
    void skrivRtf(int noegle, const TGendanPost &meta, const QByteArray &rtf);
    void fjern(int noegle);
    // Returns when every queued job is done.
    void vent();

    QString mappe() const { return m_mappe; }
    // Copies written so far (a copy whose bytes equal the last one is not written again).
    int antalKopier() const;
    // Jobs that failed so far (a full or read-only disk).
    int antalFejl() const;

signals:
    // Emitted from the writing thread; connect queued.
    void fejl(const QString &tekst);
    void skrevet(int noegle);

private:
    struct Job {
        enum class Art { Skriv, Fjern } art = Art::Skriv;
        int noegle = 0;
        TGendanPost meta;
        QString tekst;
        QByteArray bytes;
    };
    struct Gemt {
        TGendanPost post;
        size_t hash = 0;
    };
    void koe(Job job);
    void loekke();
    void udfoer(Job &job);
    bool gemIndeks(QString *error);
    void meldFejl(const QString &tekst);

    QString m_mappe;
    QThread *m_traad = nullptr;
    mutable QMutex m_mutex;
    QWaitCondition m_nyt;
    QWaitCondition m_faerdig;
    std::deque<Job> m_koe;
    bool m_stop = false;
    bool m_arbejder = false;
    int m_antal = 0;
    int m_fejl = 0;
    // Only the writing thread touches these.
    std::map<int, Gemt> m_gemt;
    int m_loebenr = 0;
};

} // namespace taglund
