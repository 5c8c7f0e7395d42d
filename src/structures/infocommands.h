#pragma once
#include "core/subsystem.h"
#include "structures/infoform.h"
#include "structures/structurehost.h"

#include <QObject>
#include <QPointer>

namespace taglund {

class TProgramHost;
class Tinfoform;

// Information: `HelpInfo` and the commands of the "Information" menu. Every
// information button of the program ends in the structure viewer here.
class TInfoKommandoer : public QObject, public TSubsystem, public TStructureHost {
    Q_OBJECT
public:
    TInfoKommandoer(TProgramHost *host, QObject *parent);

    // Shows the structure viewer on the structure at the entry ("" for its start).
    void HelpInfo(const QString &structure, const QString &entry);
    Tinfoform *viewer();
    bool viewerMade() const { return m_viewer != nullptr; }
    void saveSettings();
    // "Sammenfold/Udfold automatisk": the viewer's when it is made, else its
    // settings file, which it reads when it is.
    bool autoFold() const;
    void setAutoFold(bool on);
    // TSubsystem: documents of the kinds that have one get the structure
    // panel; a saved document reloads the viewer's page being edited as it.
    void decorateWindow(Twinform *w) override;
    void documentSaved(Twinform *w) override;

    QString programdir() const override;
    QString infodir() const override;
    QString strukturdir() const override;
    QString optdir() const override;
    void openDocument(const QString &path) override;
    QString activeDocumentPath() const override;
    TDocText *activeDocText() override;
    void closeActiveDocument() override;
    void setFindText(const QString &text) override;
    QString jsObjektName() const override;
    void setJsObjektName(const QString &name) override;

private:
    TProgramHost *m_main;
    QPointer<Tinfoform> m_viewer;
};

} // namespace taglund
