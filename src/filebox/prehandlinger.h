#pragma once
#include "filebox/information.h"

#include <QElapsedTimer>
#include <functional>
#include <memory>

namespace taglund {

// Opening, filling and closing the progress window "Kopierer".
class TPrehandlinger : public TInformation {
    Q_OBJECT
public:
    explicit TPrehandlinger(QObject *parent = nullptr);
    ~TPrehandlinger() override;

    // Takes no ownership. Without one the engine makes the real window on first use.
    void setFremdriftsVindue(TFremdriftsVindue *v) { m_vindue = v; }
    // The main window's task-bar progress, in percent.
    void setOpgaveFremdrift(std::function<void(int)> f) { m_opgave = std::move(f); }

protected:
    TFremdriftsVindue *vindue() override;
    // Resets the window and the counters and shows it; `info` is the first text.
    void aabnFremdrift(const QString &info, int taelleMax);
    void lukFremdrift();
    // After an element: the overall share, percent text and remaining count.
    void elementFaerdig(qint64 bytes);
    // While a file is copied: its own share.
    void filFremdrift(qint64 done, qint64 total);
    void holdVinduerILive() override;

private:
    TFremdriftsVindue *m_vindue = nullptr;
    std::unique_ptr<TFremdriftsVindue> m_eget;
    std::function<void(int)> m_opgave;
    QElapsedTimer m_sidst;
    int m_filProcent = -1;
};

} // namespace taglund
