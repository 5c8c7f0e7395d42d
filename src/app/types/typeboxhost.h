#pragma once
#include <QString>
#include <functional>

class QComboBox;

namespace taglund {

class TDokTypeForm;
struct TypeBoxState;

// What the file-type box and the document-type box need from the main
// window. Any callback may be left empty.
struct TTypeBoxHost {
    // The file-type list changed: rebuild the derived lists in edit mode.
    std::function<void()> derivedListsChanged;
    // A new document of the pattern ("*.html"), from its template when asked.
    std::function<void(const QString &pattern, bool fraKliche)> nytDokument;
    // "Indfør filtype" in the document-type box: show the file-type box.
    std::function<void()> visFiltypeboks;
};

// Puts a rebuild of the derived lists into the widgets that show them: the
// type box, the find-in-files choice and the document-type box (each may be
// null; the last two only change in edit mode).
void applyTypeBoxState(const TypeBoxState &state, bool editMode, QComboBox *typeBox, QComboBox *findChoice,
                       TDokTypeForm *dokTypeBox);

} // namespace taglund
