#include "generators/kodelinjer.h"
#include "generators/snippetcatalogue.h"
#include "html/infotag.h"

#include <QRegularExpression>

namespace taglund {

void skrivLinjer(Tinfotag &writer, const TKodeLinjer &lines)
{
    for (const TKodeLinje &l : lines)
        writer.InsertLine(l.text, l.newLine, l.defCursPos, l.setCursPos);
}

namespace {

// A return block: the first lines with breaks, the last of them marking the
// return point; an empty line; the closing line; back to the mark.
void returBlok(Tinfotag &w, const QStringList &start, const QString &slut, bool slutMedLinjeskift)
{
    for (qsizetype i = 0; i < start.size(); ++i)
        w.InsertLine(start[i], true, i + 1 == start.size(), false);
    w.InsertLine(QString(), true, false, false);
    w.InsertLine(slut, slutMedLinjeskift, false, true);
}

} // namespace

bool writeSnippet(Tinfotag &w, const TSnippet &s)
{
    if (!w.Editor())
        return false;
    const QString a = u8(s.a), b = u8(s.b);
    switch (s.kind) {
    case TSnippetKind::Pair:
        w.UdskrivKode(a, b);
        return true;
    case TSnippetKind::Single:
        w.UdskrivKode(a, QString());
        return true;
    case TSnippetKind::Text:
        w.UdskrivKoden(a);
        return true;
    case TSnippetKind::Block:
        returBlok(w, {a}, b, false);
        return true;
    case TSnippetKind::CssBlock:
        returBlok(w, {a}, b, true);
        return true;
    case TSnippetKind::CaseBlock:
        returBlok(w, a.split(u'\n'), b, false);
        return true;
    case TSnippetKind::OpenBlock: {
        const QStringList lines = a.split(u'\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const bool last = i + 1 == lines.size();
            w.InsertLine(lines[i], true, last, last);
        }
        return true;
    }
    case TSnippetKind::BlockPair:
        returBlok(w, {a}, b, false);
        w.UdskrivKode(u8(s.c), u8(s.d));
        return true;
    case TSnippetKind::Attribute:
        w.udskrivAttribut(a);
        return true;
    case TSnippetKind::Help:
    case TSnippetKind::VbsEntry:
    case TSnippetKind::Command:
    case TSnippetKind::Separator:
        break;
    }
    return false;
}

QString htmlText(const QString &typed)
{
    static const QRegularExpression reference(QStringLiteral("&(#[0-9]{1,7}|#[xX][0-9a-fA-F]{1,6}|[A-Za-z][A-Za-z0-9]{1,31});"));
    QString out;
    out.reserve(typed.size());
    for (qsizetype i = 0; i < typed.size(); ++i) {
        const QChar c = typed[i];
        if (c == u'<')
            out += QStringLiteral("&lt;");
        else if (c == u'>')
            out += QStringLiteral("&gt;");
        else if (c == u'&' && !reference.match(typed, i, QRegularExpression::NormalMatch,
                                                     QRegularExpression::AnchorAtOffsetMatchOption).hasMatch())
            out += QStringLiteral("&amp;");
        else
            out += c;
    }
    return out;
}

int taelVaerdi(const QString &text)
{
    if (text.isEmpty() || text.size() > kMaxTaelCifre)
        return -1;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return -1;
    return text.toInt();
}

} // namespace taglund
