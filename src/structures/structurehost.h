#pragma once
#include <QString>

namespace taglund {

class TDocText;

// What the structure windows need of the rest of the program. The main window
// implements it; tests use a small fake.
class TStructureHost {
public:
    virtual ~TStructureHost() = default;

    virtual QString programdir() const = 0;   // the shared "Program" folder
    virtual QString infodir() const = 0;      // the "Struktur" folder
    virtual QString strukturdir() const = 0;  // the "Script" folder
    virtual QString optdir() const = 0;       // the user's options folder

    // Opens a file the way every file is opened for the user (openwin).
    virtual void openDocument(const QString &path) = 0;
    // The active document window's file ("" while untitled or when none is
    // open) and its text operations (nullptr when none is open).
    virtual QString activeDocumentPath() const = 0;
    virtual TDocText *activeDocText() = 0;
    virtual void closeActiveDocument() = 0;

    // The main window's find box (findEdit).
    virtual void setFindText(const QString &text) = 0;
    // The remembered JavaScript object (jsObjektName of the main settings).
    virtual QString jsObjektName() const = 0;
    virtual void setJsObjektName(const QString &name) = 0;
};

} // namespace taglund
