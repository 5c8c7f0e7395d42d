#pragma once
#include "css/csskontainer.h"

#include <QString>

class QWidget;

namespace taglund {

// What the CSS windows need of the program: the folders, the active
// document's code writer, information pages and the preview.
class TCssVaert {
public:
    virtual ~TCssVaert() = default;

    virtual QString programdir() const = 0;
    virtual QString optdir() const = 0;
    virtual QWidget *hovedvindue() const = 0;

    // Whether a document is open to write into.
    virtual bool harDokument() const = 0;
    // Every line through InsertLine at the caret's line.
    virtual void skrivLinjer(const TCssLinjer &linjer) = 0;
    // Property + ": " at the caret, the caret after the blank.
    virtual void skrivEgenskab(const QString &egenskab) = 0;
    // The value, or the whole declaration, as the caret's place asks.
    virtual void skrivVaerdi(const QString &egenskab, const QString &vaerdi) = 0;

    virtual void hjaelp(const QString &struktur, const QString &entry) = 0;
    // Shows a page of structure "CSS" whose style sheet was just written,
    // reloaded past any cached copy of the sheet.
    virtual void visPreview(const QString &entry) = 0;
};

// The texts the CSS windows answer with.
namespace CssBeskeder {
inline QString ingenDokumenter() { return QStringLiteral("Der er ingen åbne dokumenter!"); }
inline QString intetAtUdskrive() { return QStringLiteral("Der er ikke noget at udskrive!"); }
} // namespace CssBeskeder

} // namespace taglund
