#include "core/model/openroute.h"

#include "core/model/filetypes.h"
#include "core/text/paths.h"

namespace taglund {

bool isShellExtension(const QString &lowerExt)
{
    static const QStringList exts = {
        // programs and media
        QStringLiteral(".exe"), QStringLiteral(".mp3"), QStringLiteral(".mp4"), QStringLiteral(".m4v"),
        QStringLiteral(".avi"), QStringLiteral(".mov"), QStringLiteral(".wmv"), QStringLiteral(".mpg"),
        QStringLiteral(".ts"), QStringLiteral(".m4a"), QStringLiteral(".wpl"),
        // pictures and databases
        QStringLiteral(".bmp"), QStringLiteral(".jpg"), QStringLiteral(".ico"), QStringLiteral(".gif"),
        QStringLiteral(".png"), QStringLiteral(".jpeg"), QStringLiteral(".tif"), QStringLiteral(".tiff"),
        QStringLiteral(".emf"), QStringLiteral(".wmf"), QStringLiteral(".mdb"),
    };
    return exts.contains(lowerExt);
}

bool isIgnoredExtension(const QString &lowerExt)
{
    static const QStringList exts = {
        QStringLiteral(".dfs"), QStringLiteral(".opt"), QStringLiteral(".opx"),
        QStringLiteral(".dll"), QStringLiteral(".ocx"), QStringLiteral(".url"),
    };
    return exts.contains(lowerExt);
}

OpenDecision OpenDecision::answered(bool ja) const
{
    if (route != OpenRoute::AskIfText)
        return *this;
    OpenDecision d = *this;
    d.route = ja ? OpenRoute::DocumentWindow : OpenRoute::Nothing;
    d.question.clear();
    return d;
}

OpenDecision decideOpen(const QString &path, const QString &pattern, bool windowShowsPath,
                        const std::function<bool(const QString &ext)> &isItTextfile)
{
    OpenDecision d;
    if (path.isEmpty()) {
        d.route = OpenRoute::NewDocument;
        d.docExt = pattern.mid(1);
        return d;
    }
    d.ext = extensionOf(path).toLower();
    if (isShellExtension(d.ext)) {
        d.route = OpenRoute::Shell;
    } else if (isIgnoredExtension(d.ext)) {
        d.route = OpenRoute::Nothing;
    } else if (windowShowsPath) {
        d.route = OpenRoute::BringToFront;
    } else if (isBuiltInTextExtension(d.ext) || (isItTextfile && isItTextfile(d.ext))) {
        d.route = OpenRoute::DocumentWindow;
    } else {
        d.route = OpenRoute::AskIfText;
        // A name without an extension would leave the question naming nothing.
        d.question = {d.ext.isEmpty() ? QStringLiteral("Filen ") + fileNameOf(path) + QStringLiteral(" har ingen filtype.")
                                      : QStringLiteral("Filtypen ") + d.ext + QStringLiteral(" er ukendt."),
                      QStringLiteral("Er det en tekstfil, der kan åbnes til redigering?")};
    }
    return d;
}

} // namespace taglund
