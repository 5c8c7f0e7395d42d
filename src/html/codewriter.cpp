#include "core/text/doctext.h"
#include "html/infotag.h"

#include <algorithm>

namespace taglund {

namespace {

// Caret positions taken by text once the editor has made its line breaks.
int caretLength(const QString &s)
{
    return int(toEditorBreaks(s).size());
}

struct CaretPlace {
    int pos;
    int column;
    QString line;
};

CaretPlace caretPlace(const TDocText &d)
{
    const QPoint p = d.CaretPos();
    return {d.SelStart(), p.x(), d.Line(p.y())};
}

QString elementText(const QString &start, const QStringList &lines, const QString &kode)
{
    QString t = start;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        t += u'\r' + lines[i];
        if (i + 1 < lines.size() && kode != u"pre")
            t += QStringLiteral("<br>");
    }
    return t + QStringLiteral("\r</") + kode + u'>';
}

// Lines wrapped in the element, caret after its end tag; no lines: an
// empty element with the caret between its tags.
void writeElement(TDocText &d, const QString &start, const QStringList &lines, const QString &kode)
{
    if (!lines.isEmpty()) {
        d.setSelText(elementText(start, lines, kode));
        return;
    }
    const int p = d.SelStart();
    d.setSelText(start + QStringLiteral("</") + kode + u'>');
    d.setSelStart(p + caretLength(start));
}

} // namespace

void Tinfotag::afterChange()
{
    m_editor->setModified(true);
    m_editor->SetFocus();
}

void Tinfotag::UdskrivKoden(const QString &S)
{
    if (!m_editor)
        return;
    m_editor->setSelText(S);
    afterChange();
}

void Tinfotag::UdskrivKode(const QString &S1, const QString &S2)
{
    if (!m_editor)
        return;
    const int p = m_editor->SelStart();
    m_editor->setSelText(S1 + S2);
    m_editor->setSelStart(p + caretLength(S1));
    afterChange();
}

void Tinfotag::UdskrivKoder(const QString &S, QChar CurGoto, int antal)
{
    if (!m_editor)
        return;
    const int p = m_editor->SelStart();
    int k = 0;
    int seen = 0;
    for (qsizetype i = 0; i < S.size(); ++i) {
        if (S[i] == CurGoto && ++seen == antal) {
            k = int(i) + 1;
            break;
        }
    }
    m_editor->setSelText(S);
    m_editor->setSelStart(p + caretLength(S.left(k)));
    m_editor->SetFocus();
}

void Tinfotag::UdskrivTekst(const QString &S1, const QString &S2, bool getCurpos, bool setCurpos,
                            bool newLine)
{
    if (!m_editor)
        return;
    m_editor->setSelText(S1);
    if (getCurpos)
        cursPos = m_editor->SelStart();
    m_editor->setSelText(newLine ? S2 + u'\r' : S2);
    if (setCurpos)
        m_editor->setSelStart(std::clamp(cursPos, 0, m_editor->Length()));
    afterChange();
}

bool Tinfotag::UdskrivSlutkode()
{
    if (!m_editor || PosData.CurPos != cpBetween || !m_withEnd.contains(PosData.Tag))
        return false;
    // The end tag goes in at the caret; a selection is left standing, not replaced.
    const int p = m_editor->SelStart();
    m_editor->setSelLength(0);
    m_editor->setSelText(QStringLiteral("</") + PosData.Tag + u'>');
    m_editor->setSelStart(p);
    return true;
}

void Tinfotag::udskrivAttribut(const QString &aAttribut)
{
    if (!m_editor)
        return;
    GetTag();
    if (PosData.Tag.isEmpty() || PosData.CurPos != cpInside)
        return;
    const CaretPlace c = caretPlace(*m_editor);
    if (c.line.size() <= 1 || c.column <= 1)
        return;
    const QString text = m_editor->CharAt(c.pos - 1) == u' ' ? aAttribut : u' ' + aAttribut;
    if (m_noValue.contains(aAttribut))
        UdskrivKoden(text);
    else
        UdskrivKoder(text + QStringLiteral("=\"\""), u'"', 1);
}

void Tinfotag::udskrivAttValue(const QString &aAttribut, const QString &aValue)
{
    if (!m_editor)
        return;
    const CaretPlace c = caretPlace(*m_editor);
    const QChar b1 = m_editor->CharAt(c.pos - 1);
    const QChar b2 = m_editor->CharAt(c.pos - 2);
    const QChar a1 = m_editor->CharAt(c.pos);
    bool direct = false;
    QString text = aValue;
    if (c.line.size() >= 2 && c.column >= 3) {
        if (m_noValue.contains(aValue)) {
            if (b1 != u' ')
                text.prepend(u' ');
            direct = true;
        } else {
            direct = b1 == u'=' || (b1 == u'"' && b2 == u'=');
            if (b1 == u'=')
                text.prepend(u'"');
            if (direct && a1 != u'"')
                text += u'"';
        }
    }
    if (!direct) {
        if (c.line.size() <= 1 || c.column <= 1)
            return;
        text = (b1 == u' ' ? QString() : QStringLiteral(" ")) + aAttribut + QStringLiteral("=\"") + aValue
               + u'"';
    }
    m_editor->setSelText(text);
    afterChange();
}

void Tinfotag::udskrivCssValue(const QString &aProp, const QString &aValue)
{
    if (!m_editor)
        return;
    const CaretPlace c = caretPlace(*m_editor);
    const QChar b1 = m_editor->CharAt(c.pos - 1);
    const QChar b2 = m_editor->CharAt(c.pos - 2);
    const bool onLine = c.line.size() >= 2 && c.column >= 2;
    QString text;
    if (onLine && b1 == u':')
        text = u' ' + aValue + u';';
    else if (onLine && b1 == u' ' && b2 == u':')
        text = aValue + u';';
    else
        text = aProp + QStringLiteral(": ") + aValue + u';';
    m_editor->setSelText(text);
    afterChange();
}

void Tinfotag::InsertLine(const QString &S, bool newLine, bool defCursPos, bool setCursPos)
{
    if (!m_editor)
        return;
    TDocText &d = *m_editor;
    if (d.SelLength() > 0)
        d.setSelText(QString());
    const QString s = newLine ? S + u'\r' : S;
    const int line = d.CaretPos().y();
    const int from = std::max(0, d.LineIndex(line));
    d.setLine(line, s);
    d.setSelStart(from + caretLength(s));
    if (defCursPos)
        cursPos = d.SelStart();
    if (setCursPos)
        d.setSelStart(std::clamp(cursPos, 0, d.Length()));
    afterChange();
}

void Tinfotag::udskrivExtern(const QString &S)
{
    if (!m_editor)
        return;
    TDocText &d = *m_editor;
    if (d.Length() == 0) {
        d.setLine(0, S);
        afterChange();
        return;
    }
    const int count = d.LineCount();
    for (int i = 0; i < count; ++i) {
        if (d.Line(i).contains(QStringLiteral("</title>"))) {
            d.insertLine(i + 1, S);
            afterChange();
            return;
        }
    }
}

void Tinfotag::InsKode(const QStringList &aTekst, const QString &aKode)
{
    if (!m_editor)
        return;
    const QString start = u'<' + aKode + u'>';
    writeElement(*m_editor, start, aTekst, aKode);
    afterChange();
}

void Tinfotag::InsFont(const TFontDesc &AFont, const QStringList &aTekst, const QString &aKode, bool aName,
                       bool aSize, bool aColor)
{
    if (!m_editor)
        return;
    QStringList parts;
    if (aName)
        parts << QStringLiteral("font-family: ") + AFont.family + u';';
    if (aSize)
        parts << QStringLiteral("font-size: %1pt;").arg(AFont.size);
    if (aColor)
        parts << QStringLiteral("color: ") + GetColor(AFont.color) + u';';
    const QString style = GetStyle(AFont.bold, AFont.italic);
    if (!style.isEmpty())
        parts << style;
    const QString start = u'<' + aKode + QStringLiteral(" style=\"") + parts.join(u' ') + QStringLiteral("\">");
    writeElement(*m_editor, start, aTekst, aKode);
    afterChange();
}

QString Tinfotag::GetStyle(bool bold, bool italic)
{
    if (bold && italic)
        return QStringLiteral("font-style: Italic; font-weight: bold;");
    if (bold)
        return QStringLiteral("font-weight: bold;");
    if (italic)
        return QStringLiteral("font-style: italic;");
    return {};
}

QString Tinfotag::GetColor(const QColor &color)
{
    return QStringLiteral("#%1%2%3")
        .arg(color.red(), 2, 16, QChar(u'0'))
        .arg(color.green(), 2, 16, QChar(u'0'))
        .arg(color.blue(), 2, 16, QChar(u'0'))
        .toUpper();
}

} // namespace taglund
