#pragma once
#include "filebox/makestrukturer.h"

namespace taglund {

// What the window does with single entries: enter a folder, keep track of
// the selection, select one file, start renaming.
class TGrundfunktioner : public TMakeStrukturer {
    Q_OBJECT
public:
    explicit TGrundfunktioner(QObject *parent = nullptr);

    void udfoldFilDirectory();
    void infoStruktur2();
    void selectFile(const QString &aFilename);
    bool canCopy() const;
    bool canDoIt() const;
    // Starts in-place editing of the selected entry ("Omdøb").
    void editSelected();
    // Whether the selected file is a picture the viewer can show.
    bool erValgteEtBillede() const;
};

} // namespace taglund
