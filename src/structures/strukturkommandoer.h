#pragma once
#include "core/subsystem.h"
#include "structures/strukturform.h"

#include <QObject>
#include <QPointer>

namespace taglund {

class TProgramHost;

// The structure constructor's command "Strukturkonstruktøren" and its
// window, made the first time it is asked for. It keeps the viewer's menu of
// user structures and the document windows' menus of user object
// structures in step with what the constructor makes and removes.
// Deliberately without Q_OBJECT: its meta object would sit in the library's
// shared moc unit and pull the core into every program using the structures.
class TStrukturKommandoer : public QObject, public TSubsystem, public TKonstruktoerHost {
public:
    TStrukturKommandoer(TProgramHost *host, QObject *parent);

    Tstrukturform *form();
    bool formMade() const { return m_form != nullptr; }

    QString programdir() const override;
    QString infodir() const override;
    QString strukturdir() const override;
    void visIInformation(const QString &structure, const QString &entry) override;
    void helpInfo(const QString &structure, const QString &entry) override;
    void informationsstrukturerAendret() override;
    void objektstrukturerAendret() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TProgramHost *m_host;
    QPointer<Tstrukturform> m_form;
};

} // namespace taglund
