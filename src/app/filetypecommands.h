#pragma once
#include "core/subsystem.h"
#include "core/model/filetypes.h"

#include <QObject>
#include <QPointer>

class QComboBox;
class QToolButton;

namespace taglund {

class Tmainform;
class TDokTypeForm;
class TFiltypeForm;

// The file types: the list, the type box on the main tool panel with its
// button, the document-type box ("Nyt dokument..."), the file-type box
// ("Bestem filtyper...") and "Dokument information...".
class TFiltypeKommandoer : public QObject, public TSubsystem {
    Q_OBJECT
public:
    explicit TFiltypeKommandoer(Tmainform *main);

    // Start step: load "typeliste.txt" (or write the defaults) and fill the type box.
    void HentTypeliste();
    void start() override { HentTypeliste(); }
    const TFiltypeliste &liste() const { return m_liste; }
    bool isItTextfile(const QString &ext) const { return m_liste.isItTextfile(ext); }

    QComboBox *typeBox() const { return m_typeBox; }
    QToolButton *typeBoxButton() const { return m_typeButton; }
    TDokTypeForm *dokTypeBox();
    TFiltypeForm *filtypeBox();

    void nytDokument();          // "Nyt dokument..."
    void nytAfValgteType();      // the type-box button
    void visDokumentInfo();      // "Dokument information..."

private:
    void registerCommands();
    void rebuild(bool editMode);

    Tmainform *m_main;
    TFiltypeliste m_liste;
    QComboBox *m_typeBox;
    QToolButton *m_typeButton;
    QPointer<TDokTypeForm> m_dokType;
    QPointer<TFiltypeForm> m_filtype;
};

} // namespace taglund
