#pragma once
#include "filebox/grundfunktioner.h"

namespace taglund {

// Kept free for searches over a folder tree; the search window has its own
// engine, so nothing here is used by the layers above.
class TSearchHandlinger : public TGrundfunktioner {
    Q_OBJECT
public:
    explicit TSearchHandlinger(QObject *parent = nullptr) : TGrundfunktioner(parent) {}
};

} // namespace taglund
