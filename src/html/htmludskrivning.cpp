#include "html/htmludskrivning.h"

#include <QTextCursor>
#include <QTextDocument>

namespace taglund {

void fyldHtmlLinjer(TDocText &field, const QStringList &lines)
{
    QTextCursor step(field.document());
    step.beginEditBlock();
    field.setText(lines.join(QStringLiteral("\r\n")));
    step.endEditBlock();
    field.setSelStart(0);
    field.setSelLength(0);
}

bool udskiftMarkering(TDocText &text, bool gendan)
{
    if (text.SelLength() <= 0)
        return false;
    const int start = text.SelStart();
    const QString sel = text.SelText();
    const QString result = gendan ? gendanSpecialtegn(sel) : udskiftSpecialtegn(sel);
    text.setSelText(result);
    text.setSelStart(start);
    text.setSelLength(int(toEditorBreaks(result).size()));
    return true;
}

} // namespace taglund
