#pragma once
#include <functional>

namespace taglund {

// Marks the engine busy, with the busy cursor, for one tree read or check.
class BusyScope {
public:
    BusyScope(bool &busy, const std::function<void(bool)> &onBusy) : m_busy(busy), m_onBusy(onBusy)
    {
        m_busy = true;
        if (m_onBusy)
            m_onBusy(true);
    }
    ~BusyScope()
    {
        m_busy = false;
        if (m_onBusy)
            m_onBusy(false);
    }
    BusyScope(const BusyScope &) = delete;
    BusyScope &operator=(const BusyScope &) = delete;

private:
    bool &m_busy;
    const std::function<void(bool)> &m_onBusy;
};

} // namespace taglund
