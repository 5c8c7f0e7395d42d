#include "app/commands/commandhost.h"

#include "core/text/doctext.h"

namespace taglund {

void TCommandHost::writeLine(const QString &line)
{
    if (TDocText *text = activeText())
        text->setSelText(line + QStringLiteral("\r\n"));
}

} // namespace taglund
