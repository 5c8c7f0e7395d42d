#include "script/vbssettings.h"

#include "core/text/paths.h"
#include "core/text/textfile.h"

namespace taglund {

QString TVbsSettings::fileName(const QString &optdir)
{
    return joinPath(optdir, QStringLiteral("vbsUnit.txt"));
}

TVbsSettings TVbsSettings::read(const QString &optdir)
{
    TVbsSettings s;
    SettingsReader r = SettingsReader::fromFile(fileName(optdir));
    // Each value is taken only when it reads; the first bad line ends the reading.
    int v = 0;
    for (int *field : {&s.top, &s.left, &s.leftWidth, &s.rightWidth, &s.variableHeight, &s.infoHeight, &s.width,
                       &s.height}) {
        if (!r.number(v))
            return s;
        *field = v;
    }
    bool big = s.storFont;
    if (r.flag(big))
        s.storFont = big;
    return s;
}

bool TVbsSettings::write(const QString &optdir, QString *error) const
{
    return SettingsWriter()
        .number(top).number(left).number(leftWidth).number(rightWidth).number(variableHeight).number(infoHeight)
        .number(width).number(height).flag(storFont)
        .save(fileName(optdir), error);
}

} // namespace taglund
