#include "structures/infosettings.h"

#include "core/text/paths.h"
#include "core/text/textfile.h"

namespace taglund {

QString TInfoSettings::fileName(const QString &optdir)
{
    return joinPath(optdir, QStringLiteral("info.txt"));
}

TInfoSettings TInfoSettings::read(const QString &optdir)
{
    TInfoSettings s;
    SettingsReader r = SettingsReader::fromFile(fileName(optdir));
    TInfoSettings got;
    // A window placed from half a file is worse than the default place.
    if (!(r.number(got.top) && r.number(got.left) && r.number(got.width) && r.number(got.height)
          && r.number(got.panelWidth)))
        return s;
    if (got.width <= 0 || got.height <= 0 || got.panelWidth <= 0)
        return s;
    bool expand = false;
    got.autoExpand = r.flag(expand) && expand;
    return got;
}

bool TInfoSettings::write(const QString &optdir) const
{
    return SettingsWriter().number(top).number(left).number(width).number(height).number(panelWidth)
        .flag(autoExpand).save(fileName(optdir));
}

QString TUrlboksSettings::fileName(const QString &optdir)
{
    return joinPath(optdir, QStringLiteral("urlboks1.txt"));
}

TUrlboksSettings TUrlboksSettings::read(const QString &optdir)
{
    TUrlboksSettings s;
    SettingsReader r = SettingsReader::fromFile(fileName(optdir));
    TUrlboksSettings got;
    if (r.number(got.width) && r.number(got.height) && got.width > 0 && got.height > 0)
        return got;
    return s;
}

bool TUrlboksSettings::write(const QString &optdir) const
{
    return SettingsWriter().number(width).number(height).save(fileName(optdir));
}

} // namespace taglund
