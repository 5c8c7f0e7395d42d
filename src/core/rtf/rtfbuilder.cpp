#include "core/rtf/rtfbuilder.h"

#include "core/rtf/rtfreader.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <algorithm>

namespace taglund {

namespace {

QTextListFormat::Style listStyle(RtfListKind k)
{
    switch (k) {
    case RtfListKind::Decimal: return QTextListFormat::ListDecimal;
    case RtfListKind::LowerAlpha: return QTextListFormat::ListLowerAlpha;
    case RtfListKind::UpperAlpha: return QTextListFormat::ListUpperAlpha;
    case RtfListKind::LowerRoman: return QTextListFormat::ListLowerRoman;
    case RtfListKind::UpperRoman: return QTextListFormat::ListUpperRoman;
    default: return QTextListFormat::ListDisc;
    }
}

class Builder {
public:
    Builder(const RtfModel &m) : m(m), m_formats(m.formats.size()), m_made(m.formats.size(), false) {}

    const QTextCharFormat &charFormat(int idx)
    {
        if (!m_made[idx]) {
            m_formats[idx] = makeCharFormat(m.formats[idx]);
            m_made[idx] = true;
        }
        return m_formats[idx];
    }

    QTextBlockFormat blockFormat(const RtfParaProps &p) const
    {
        QTextBlockFormat b;
        static constexpr Qt::Alignment aligns[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight,
                                                   Qt::AlignJustify};
        b.setAlignment(aligns[std::clamp<int>(p.align, 0, 3)]);
        if (p.fi)
            b.setTextIndent(p.fi / twipsPerPixel);
        if (p.li)
            b.setLeftMargin(p.li / twipsPerPixel);
        if (p.ri)
            b.setRightMargin(p.ri / twipsPerPixel);
        if (p.sb)
            b.setTopMargin(p.sb / twipsPerPixel);
        if (p.sa)
            b.setBottomMargin(p.sa / twipsPerPixel);
        return b;
    }

private:
    QColor color(int idx) const
    {
        if (idx <= 0 || idx >= int(m.colors.size()))
            return {};
        return m.colors[idx];
    }

    QTextCharFormat makeCharFormat(const RtfCharProps &p) const
    {
        QTextCharFormat f;
        auto font = m.fonts.find(p.font < 0 ? m.defaultFont : p.font);
        if (font != m.fonts.end())
            f.setFontFamilies(QStringList{font->second.name});
        // Word's range: 1 to 1638 points.
        f.setFontPointSize(std::clamp(p.halfPoints, 2, 3276) / 2.0);
        if (p.bold)
            f.setFontWeight(QFont::Bold);
        if (p.italic)
            f.setFontItalic(true);
        if (p.underline)
            f.setFontUnderline(true);
        if (p.strike)
            f.setFontStrikeOut(true);
        if (QColor c = color(p.fg); c.isValid())
            f.setForeground(c);
        if (QColor c = color(p.bg); c.isValid())
            f.setBackground(c);
        if (p.vertical > 0)
            f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
        else if (p.vertical < 0)
            f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
        return f;
    }

    const RtfModel &m;
    std::vector<QTextCharFormat> m_formats;
    std::vector<bool> m_made;
};

} // namespace

void buildDocument(const RtfModel &model, QTextDocument *doc)
{
    const bool undo = doc->isUndoRedoEnabled();
    doc->setUndoRedoEnabled(false);  // loading is not an edit, and clears the history
    doc->clear();

    Builder b(model);
    QTextCursor c(doc);
    c.beginEditBlock();
    int textPos = 0;
    int run = 0;
    QTextList *list = nullptr;
    RtfListKind listKind = RtfListKind::None;
    RtfParaProps listProps;

    for (std::size_t i = 0; i < model.paras.size(); ++i) {
        const RtfPara &p = model.paras[i];
        const QTextBlockFormat bf = b.blockFormat(p.props);
        const QTextCharFormat &mark = b.charFormat(p.markFormat);
        if (i == 0) {
            c.setBlockFormat(bf);
            c.setBlockCharFormat(mark);
        } else {
            c.insertBlock(bf, mark);
        }
        for (; run < p.runEnd; ++run) {
            const RtfRun &r = model.runs[run];
            c.insertText(model.text.mid(textPos, r.end - textPos), b.charFormat(r.format));
            textPos = r.end;
        }
        textPos = p.textEnd;

        if (p.list == RtfListKind::None) {
            list = nullptr;
            continue;
        }
        // Consecutive items of one kind, list and level make one list.
        const bool same = list && listKind == p.list && listProps.ls == p.props.ls &&
                          listProps.ilvl == p.props.ilvl && listProps.li == p.props.li;
        if (same) {
            list->add(c.block());
        } else {
            QTextListFormat lf;
            lf.setStyle(listStyle(p.list));
            // The paragraph's own margins place the text; the bullet sits in them.
            lf.setIndent(0);
            list = c.createList(lf);
            listKind = p.list;
            listProps = p.props;
        }
    }
    c.endEditBlock();
    doc->setUndoRedoEnabled(undo);
    doc->setModified(false);
}

} // namespace taglund
