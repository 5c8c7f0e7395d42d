#pragma once
#include <QString>

namespace taglund {

// The VBScript box's settings file "vbsUnit.txt" in the options folder:
// nine lines, read when the box is made and written at shutdown.
struct TVbsSettings {
    int top = 100;
    int left = 100;
    int leftWidth = 200;      // the registry lists
    int rightWidth = 260;     // the structure
    int variableHeight = 150; // the variable registry
    int infoHeight = 260;     // the explanation list
    int width = 900;
    int height = 600;
    bool storFont = true;

    static QString fileName(const QString &optdir);
    // A damaged file leaves the values read before the damage and the
    // defaults for the rest.
    static TVbsSettings read(const QString &optdir);
    bool write(const QString &optdir, QString *error = nullptr) const;
};

} // namespace taglund
