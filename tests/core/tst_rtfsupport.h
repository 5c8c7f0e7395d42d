#pragma once
// Shared by the RTF tests: views of a document that make two documents
// comparable (their text, their formatting runs, their paragraphs).

#include <QColor>
#include <QString>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

namespace rtftest {

// Paragraphs joined by '\n'; a soft line break stays U+2028.
inline QString plainText(const QTextDocument &doc)
{
    QStringList lines;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        lines << b.text();
    return lines.join(u'\n');
}

inline QString colorName(const QBrush &b)
{
    return b.style() == Qt::NoBrush ? QString() : b.color().name();
}

inline QString family(const QTextCharFormat &f)
{
    const QStringList fams = f.fontFamilies().toStringList();
    return fams.isEmpty() ? QString() : fams.first();
}

// One line per stretch of text with one look: text, then the properties a
// reader of the document sees. Adjacent fragments that look the same are
// merged, so two documents that differ only in how Qt split them compare equal.
inline QString describe(const QTextCharFormat &f)
{
    QStringList p;
    p << (f.fontWeight() >= QFont::DemiBold ? "b" : "-") << (f.fontItalic() ? "i" : "-")
      << (f.fontUnderline() ? "u" : "-") << (f.fontStrikeOut() ? "s" : "-")
      << QString::number(f.fontPointSize()) << colorName(f.foreground()) << colorName(f.background())
      << family(f) << QString::number(int(f.verticalAlignment()));
    return p.join(u'|');
}

inline QStringList formatRuns(const QTextDocument &doc)
{
    QStringList out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        QString last;
        QString text;
        auto flush = [&] {
            if (!text.isEmpty())
                out << text + u'\t' + last;
            text.clear();
        };
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QString d = describe(it.fragment().charFormat());
            if (d != last)
                flush();
            last = d;
            text += it.fragment().text();
        }
        flush();
        out << QStringLiteral("¶");
    }
    return out;
}

inline QString describe(const QTextBlock &b)
{
    const QTextBlockFormat f = b.blockFormat();
    QString list = QStringLiteral("-");
    if (QTextList *l = b.textList())
        list = QString::number(int(l->format().style()));
    return QStringLiteral("%1|fi%2|li%3|ri%4|sb%5|sa%6|list%7")
        .arg(int(f.alignment() & Qt::AlignHorizontal_Mask))
        .arg(f.textIndent())
        .arg(f.leftMargin())
        .arg(f.rightMargin())
        .arg(f.topMargin())
        .arg(f.bottomMargin())
        .arg(list);
}

inline QStringList paragraphs(const QTextDocument &doc)
{
    QStringList out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        out << describe(b);
    return out;
}

// The format of the character at the first occurrence of `probe`.
inline QTextCharFormat formatAt(const QTextDocument &doc, const QString &probe, bool *found = nullptr)
{
    const QTextCursor c = doc.find(probe, 0, QTextDocument::FindCaseSensitively);
    if (found)
        *found = !c.isNull();
    if (c.isNull())
        return {};
    QTextCursor at(const_cast<QTextDocument *>(&doc));
    at.setPosition(c.selectionStart() + 1);
    return at.charFormat();
}

inline QTextBlock blockAt(const QTextDocument &doc, const QString &probe)
{
    const QTextCursor c = doc.find(probe, 0, QTextDocument::FindCaseSensitively);
    return c.isNull() ? QTextBlock() : c.block();
}

} // namespace rtftest
