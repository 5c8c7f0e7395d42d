#include "css/csskontainer.h"

namespace taglund::CssKontainer {

namespace {
bool medtag(const QString &choice)
{
    return choice != QLatin1String(kMedtagIkke);
}

QString fire(const std::array<QString, 4> &v)
{
    return v[0] + QStringLiteral("px ") + v[1] + QStringLiteral("px ") + v[2] + QStringLiteral("px ") + v[3]
        + QStringLiteral("px;");
}

QString skygge(int h, int v, const TKontainerFelter &f, const QString &farve)
{
    QString s = QString::number(h) + QStringLiteral("px ") + QString::number(v) + QStringLiteral("px ");
    if (f.medBlur)
        s += f.blur + QStringLiteral("px ");
    return s + farve;
}
} // namespace

int offset(const QString &text)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok ? n : 0;
}

QStringList bokstype(const TKontainerFelter &f)
{
    QStringList out;
    if (medtag(f.boxSizing))
        out << QStringLiteral("box-sizing: ") + f.boxSizing + u';';
    if (medtag(f.display))
        out << QStringLiteral("display: ") + f.display + u';';
    return out;
}

QStringList ramme(const TKontainerFelter &f)
{
    QStringList out;
    if (f.borderStyle != QLatin1String(kIngenRamme))
        out << QStringLiteral("border: ") + f.borderWidth + QStringLiteral("px ") + f.borderStyle + u' '
                   + f.borderColor + u';';
    if (f.medRadius)
        out << QStringLiteral("border-radius: ") + f.borderRadius + QStringLiteral("px;");
    return out;
}

QString boksskygge(const TKontainerFelter &f)
{
    const int h = offset(f.hShadow);
    const int v = offset(f.vShadow);
    const QString main = skygge(h, v, f, f.skyggeFarve);
    QString value = main;
    if (f.skyggeType == TKontainerFelter::InsetBoks)
        value = main + QStringLiteral(" inset,") + skygge(-h, -v, f, f.lysSkyggeFarve) + QStringLiteral(" inset");
    else if (f.skyggeType == TKontainerFelter::OutsetBoks)
        value = main + u',' + skygge(-h, -v, f, f.lysSkyggeFarve);
    return QStringLiteral("box-shadow: ") + value + u';';
}

QString baggrund(const TKontainerFelter &f)
{
    return QStringLiteral("background-color: ") + f.bgColor + u';';
}

QStringList position(const TKontainerFelter &f)
{
    QStringList out;
    if (medtag(f.positionValg))
        out << QStringLiteral("position: ") + f.positionValg + u';';
    if (f.medWidth)
        out << QStringLiteral("width: ") + f.width + QStringLiteral("px;");
    if (f.medHeight)
        out << QStringLiteral("height: ") + f.height + QStringLiteral("px;");
    if (f.medTop)
        out << QStringLiteral("top: ") + f.top + QStringLiteral("px;");
    if (f.medLeft)
        out << QStringLiteral("left: ") + f.left + QStringLiteral("px;");
    return out;
}

QStringList marginPadding(const TKontainerFelter &f)
{
    QStringList out;
    if (f.medMargin)
        out << QStringLiteral("margin: ") + fire(f.margin);
    if (f.medPadding)
        out << QStringLiteral("padding: ") + fire(f.padding);
    return out;
}

QStringList tekst(const TKontainerFelter &f)
{
    QStringList out;
    if (f.justify)
        out << QStringLiteral("text-align: justify;");
    if (f.distribute)
        out << QStringLiteral("text-justify: distribute;");
    if (f.medFontSize)
        out << QStringLiteral("font-size: ") + f.fontSize + QStringLiteral("px;");
    out << QStringLiteral("color: ") + f.color + u';';
    return out;
}

QStringList valgteGrupper(const TKontainerFelter &f)
{
    QStringList out;
    if (f.bokstype)
        out << bokstype(f);
    if (f.ramme)
        out << ramme(f);
    if (f.skygge)
        out << boksskygge(f);
    if (f.baggrund)
        out << baggrund(f);
    if (f.position)
        out << position(f);
    if (f.marginPadding)
        out << marginPadding(f);
    if (f.tekst)
        out << tekst(f);
    return out;
}

TCssLinjer udskrivValgte(const TKontainerFelter &f)
{
    TCssLinjer out;
    if (f.styleKode)
        out.lines << QStringLiteral("<style type=\"text/css\">");
    if (f.classNavn)
        out.lines << u'.' + f.navn + u'{';
    out.lines << valgteGrupper(f);
    if (f.classNavn)
        out.lines << QStringLiteral("}");
    if (f.styleKode) {
        out.lines << QStringLiteral("</style>");
        out.lastWithoutBreak = true;
    }
    return out;
}

QStringList preview(const TKontainerFelter &f)
{
    return QStringList{QStringLiteral(".kontainer{")} + valgteGrupper(f) + QStringList{QStringLiteral("}")};
}

bool bokstypeTom(const TKontainerFelter &f)
{
    return !medtag(f.boxSizing) && !medtag(f.display);
}

bool marginPaddingTom(const TKontainerFelter &f)
{
    return !f.medMargin && !f.medPadding;
}

bool positionTom(const TKontainerFelter &f)
{
    return !medtag(f.positionValg) && !f.medWidth && !f.medHeight && !f.medTop && !f.medLeft;
}

void preset(TKontainerFelter &f, int n)
{
    if (n < 1 || n > 6)
        return;
    // 1: a plain text box.
    f.bokstype = f.ramme = f.skygge = f.baggrund = f.tekst = f.position = false;
    f.marginPadding = true;
    f.medMargin = f.medPadding = true;
    f.margin.fill(QStringLiteral("2"));
    f.padding.fill(QStringLiteral("2"));
    if (n >= 2) {
        f.ramme = true;
        f.borderStyle = QStringLiteral("solid");
        f.borderWidth = QStringLiteral("1");
        f.borderColor = QStringLiteral("#000000");
        f.medRadius = true;
        f.borderRadius = QStringLiteral("7");
        f.padding = {QStringLiteral("4"), QStringLiteral("4"), QStringLiteral("4"), QStringLiteral("6")};
    }
    if (n >= 3) {
        f.skygge = true;
        f.skyggeType = TKontainerFelter::NormalSkygge;
        f.hShadow = f.vShadow = QStringLiteral("4");
        f.medBlur = true;
        f.blur = QStringLiteral("8");
        f.skyggeFarve = QStringLiteral("#808080");
        f.lysSkyggeFarve = QStringLiteral("#C0C0C0");
    }
    if (n >= 4) {
        f.baggrund = true;
        f.bgColor = QStringLiteral("#EFFFEF");
        f.tekst = true;
        f.medFontSize = true;
        f.fontSize = QStringLiteral("16");
        f.color = QStringLiteral("#000080");
        f.justify = f.distribute = true;
    }
    if (n >= 5) {
        f.position = true;
        f.positionValg = QStringLiteral("relative");
        f.width = QStringLiteral("440");
        f.height = QStringLiteral("160");
        f.top = f.left = QStringLiteral("20");
        f.medWidth = f.medHeight = f.medTop = f.medLeft = true;
    }
    if (n >= 6) {
        f.bokstype = true;
        f.boxSizing = QStringLiteral("border-box");
        f.display = QStringLiteral("list-item");
        f.width = QStringLiteral("460");
        f.height = QStringLiteral("150");
        f.color = QStringLiteral("#008080");
    }
}

void nulstilMargin(TKontainerFelter &f)
{
    f.margin[1] = f.margin[2] = f.margin[3] = f.margin[0];
    if (f.margin[0] == u"0")
        f.medMargin = false;
}

void nulstilPadding(TKontainerFelter &f)
{
    f.padding[1] = f.padding[2] = f.padding[3] = f.padding[0];
    if (f.padding[0] == u"0")
        f.medPadding = false;
}

} // namespace taglund::CssKontainer
