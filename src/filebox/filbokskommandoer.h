#pragma once
#include "core/subsystem.h"
#include "filebox/openfilform.h"

#include <QDockWidget>

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>

class QComboBox;
class QDockWidget;

namespace taglund {

class TProgramHost;
class Tfindform;
class Topenfilform;
class Twinform;

// The file box subsystem: "Filboksen" (the file box engine's window,
// docked into the main window or floating) and "Find i dokumenter..." with
// "Findboksen". Both boxes are made on first use; their settings files are
// written at shutdown when they were made. The main window forwards its
// file box calls (skiftDir, the save-as panel, recent folders) here.
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

    Topenfilform *filboks();
    bool filboksLavet() const { return m_filboks != nullptr; }
    // "Filboksen": shows the box, docked at the side set for it when embedded.
    void visFilboks();
    // The main window's first show: the box is shown when it is embedded or
    // was visible at the last exit.
    void foersteVisning();
    // "Indlejr filboksen i programmet" of the options box.
    void setIndlejret(bool on);
    bool indlejret();

    // The main window's calls (TDokumentHost and the recent lists).
    void skiftDir(const QString &path);
    bool fileboxServesAsSaveBox() const;
    void armFileboxSave(Twinform *w, bool showBox);
    QString fileboxFolder() const;
    void visSenesteMappe(const QString &folder);
    void visSenesteFilsMappe(const QString &path);
    // The recent folders for the box's "Seneste mapper" menu, and adding one.
    void setSenesteMapper(std::function<QStringList()> list, std::function<void(const QString &)> insert);

    void documentActivated(Twinform *w) override;
    void documentSaved(Twinform *w) override;

    // The main window's type box (hint "Nye dokumenter er af valgte type"),
    // which the find box's file-type choice copies; null when there is none.
    QComboBox *typeBoks() const;

private:
    void fyldFiltyper();
    void saveFulgt(Twinform *w);

    TProgramHost *m_host;
    QPointer<Tfindform> m_find;
    QPointer<Topenfilform> m_filboks;
    QPointer<QDockWidget> m_dock;
    QPointer<Twinform> m_gemDokument;
    QString m_bibmappe;
    std::function<QStringList()> m_senesteMapper;
    std::function<void(const QString &)> m_indsaetSenesteMappe;
};

} // namespace taglund
