#pragma once
#include <QString>

namespace taglund {

// "info.txt": where the viewer stands and how wide its tree panel is.
struct TInfoSettings {
    int top = 8;
    int left = 8;
    int width = 810;
    int height = 610;
    int panelWidth = 250;
    bool autoExpand = false;  // expand a node when it is selected

    // Defaults when the file is missing or damaged.
    static TInfoSettings read(const QString &optdir);
    bool write(const QString &optdir) const;
    static QString fileName(const QString &optdir);
};

// "urlboks1.txt": the history box's size.
struct TUrlboksSettings {
    int width = 420;
    int height = 320;

    static TUrlboksSettings read(const QString &optdir);
    bool write(const QString &optdir) const;
    static QString fileName(const QString &optdir);
};

} // namespace taglund
