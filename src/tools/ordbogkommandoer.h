#pragma once
#include "core/subsystem.h"

#include <QObject>

namespace taglund {

class TProgramHost;

// The dictionary's commands. So far "Send til søgefeltet": the word at the
// active document's caret, by the dictionary's word rule, into the search
// field in use.
class TOrdbogKommandoer : public QObject, public TSubsystem {
    Q_OBJECT
public:
    TOrdbogKommandoer(TProgramHost *host, QObject *parent);

    void sendTilSoegefeltet();

private:
    TProgramHost *m_host;
};

} // namespace taglund
