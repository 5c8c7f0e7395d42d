#pragma once
#include "core/subsystem.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

class QComboBox;

namespace taglund {

class TProgramHost;
class Tfindform;

// The file box subsystem's commands: "Find i dokumenter..." and its box
// "Findboksen" (made on first use; its settings written at shutdown).
class TFilboksKommandoer : public QObject, public TSubsystem {
    Q_OBJECT
public:
    TFilboksKommandoer(TProgramHost *host, QObject *parent = nullptr);
    ~TFilboksKommandoer() override;

    Tfindform *findBoks();
    // "Find i dokumenter...".
    void visFindBoks();
    // The find box's folder follows the file box's selection folder.
    void filboksMappeSkiftet(const QString &bibmappe);
    // The shutdown step: the find box's settings, when it was shown.
    void gemIndstillinger();

    // The main window's type box (hint "Nye dokumenter er af valgte type"),
    // which the find box's file-type choice copies; null when there is none.
    QComboBox *typeBoks() const;

private:
    void fyldFiltyper();

    TProgramHost *m_host;
    QPointer<Tfindform> m_find;
    QString m_bibmappe;
};

} // namespace taglund
