#include "core/model/filetypes.h"

#include "core/text/textfile.h"

#include <QFileInfo>

namespace taglund {

namespace {

QString flagText(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

bool isTicked(const QString &flag)
{
    return flag.trimmed() == u"1";
}

// A value is one line of the list file: a line break inside it would shift
// every type after it by a line.
QString oneLine(const QString &v)
{
    QString s = v;
    s.replace(u'\r', u' ').replace(u'\n', u' ');
    return s;
}

} // namespace

QList<TFiltype> TFiltypeliste::standardTyper()
{
    return {
        {QStringLiteral("Hjemmeside"), QStringLiteral("*.html"), true},
        {QStringLiteral("ASP"), QStringLiteral("*.asp"), true},
        {QStringLiteral("Includefile"), QStringLiteral("*.inc"), true},
        {QStringLiteral("ASA"), QStringLiteral("*.asa"), true},
        {QStringLiteral("StyleSheet"), QStringLiteral("*.css"), true},
        {QStringLiteral("JavaScript"), QStringLiteral("*.js"), true},
        {QStringLiteral("VB script"), QStringLiteral("*.vbs"), true},
        {QStringLiteral("Windows script files"), QStringLiteral("*.wsf"), true},
        {QStringLiteral("Batch"), QStringLiteral("*.bat"), true},
        {QStringLiteral("Power Shell"), QStringLiteral("*.ps1"), false},
        {QStringLiteral("Rich Text"), QStringLiteral("*.rtf"), true},
        {QStringLiteral("Tekstfil"), QStringLiteral("*.txt"), true},
    };
}

void TFiltypeliste::makeTypeliste()
{
    setTyper(standardTyper());
}

bool TFiltypeliste::HentTypeliste(const QString &path, QString *error)
{
    if (!QFileInfo::exists(path)) {
        makeTypeliste();
        return GemTypeliste(path, error);
    }
    QStringList lines;
    if (!TextFile::readLines(path, lines, error)) {
        // The file is there but unreadable: work with the defaults and leave
        // the user's file untouched, so nothing of it is lost.
        makeTypeliste();
        return false;
    }
    setFlatListe(lines);
    return true;
}

bool TFiltypeliste::GemTypeliste(const QString &path, QString *error) const
{
    return TextFile::writeLines(path, m_flat, error);
}

void TFiltypeliste::setFlatListe(const QStringList &flat)
{
    m_flat = flat.mid(0, flat.size() - flat.size() % 3);
    for (QString &v : m_flat)
        v = oneLine(v);
}

QList<TFiltype> TFiltypeliste::typer() const
{
    QList<TFiltype> out;
    out.reserve(antal());
    for (qsizetype i = 0; i + 2 < m_flat.size(); i += 3)
        out.append({m_flat[i], m_flat[i + 1], isTicked(m_flat[i + 2])});
    return out;
}

void TFiltypeliste::setTyper(const QList<TFiltype> &typer)
{
    m_flat.clear();
    m_flat.reserve(typer.size() * 3);
    for (const TFiltype &t : typer) {
        m_flat.append(oneLine(t.navn));
        m_flat.append(oneLine(t.monster));
        m_flat.append(flagText(t.valgt));
    }
}

bool TFiltypeliste::isItTextfile(const QString &ext) const
{
    if (ext.isEmpty())
        return false;
    const QString wanted = u'*' + ext;
    for (qsizetype i = 1; i < m_flat.size(); i += 3)
        if (m_flat[i].compare(wanted, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QStringList TFiltypeliste::typeBoxEntries() const
{
    QStringList out;
    for (const TFiltype &t : typer())
        if (t.valgt)
            out.append(t.boxTekst());
    return out;
}

QList<TFiltype> TFiltypeliste::dokumentTyper() const
{
    QList<TFiltype> out;
    for (TFiltype t : typer()) {
        if (!t.valgt || t.monster == u"*.*")
            continue;
        t.valgt = false;   // in the document-type box the tick means "from the template"
        out.append(t);
    }
    return out;
}

const QStringList &builtInTextExtensions()
{
    static const QStringList exts = {
        QStringLiteral(".asp"), QStringLiteral(".bat"), QStringLiteral(".html"), QStringLiteral(".inc"),
        QStringLiteral(".js"),  QStringLiteral(".vbs"), QStringLiteral(".css"),  QStringLiteral(".txt"),
        QStringLiteral(".wsf"), QStringLiteral(".xml"), QStringLiteral(".rtf"),  QStringLiteral(".asa"),
        QStringLiteral(".ps1"), QStringLiteral(".xsd"),
    };
    return exts;
}

bool isBuiltInTextExtension(const QString &ext)
{
    return builtInTextExtensions().contains(ext, Qt::CaseInsensitive);
}

QString normaliseTypePattern(const QString &typed)
{
    const QString t = typed.trimmed();
    if (t == u"*.*")
        return t;
    const QString ext = t.mid(t.lastIndexOf(u'.') + 1).trimmed();
    if (ext == u"*")
        return QStringLiteral("*.*");
    if (ext.isEmpty())
        return {};
    for (QChar c : ext)
        if (c == u'/' || c == u'\\' || c == u':' || c == u'*' || c == u'?' || c.unicode() < 0x20)
            return {};
    return QStringLiteral("*.") + ext;
}

TypeBoxState LoadFiltypeBoxe(const TFiltypeliste &liste, const QStringList &previousEntries, int itemIndex,
                             TypeBoxMode mode)
{
    TypeBoxState s;
    const bool edit = mode == TypeBoxMode::Edit;
    const QString noted = itemIndex >= 0 && itemIndex < previousEntries.size() ? previousEntries[itemIndex] : QString();

    s.typeBox = liste.typeBoxEntries();
    if (edit) {
        s.findChoice = s.typeBox;
        s.dokumentRows = liste.dokumentTyper();
    }

    s.filtypeBoxItemIndex = itemIndex;
    if (!s.typeBox.isEmpty()) {
        if (itemIndex >= 0 && itemIndex < s.typeBox.size()) {
            s.selected = itemIndex;
        } else {
            s.selected = 0;
            s.filtypeBoxItemIndex = 0;
        }
    }

    if (edit) {
        if (s.typeBox.isEmpty()) {
            s.filtypeBoxItemIndex = -1;
        } else {
            s.filtypeBoxItemIndex = 0;
            for (qsizetype i = 0; i < s.typeBox.size(); ++i)
                if (s.typeBox[i].compare(noted, Qt::CaseInsensitive) == 0) {
                    s.filtypeBoxItemIndex = int(i);
                    break;
                }
        }
        s.selected = s.filtypeBoxItemIndex;
        s.visibleItems = int(s.typeBox.size());
    }
    return s;
}

TFiltyperSettings TFiltyperSettings::hent(const QString &path)
{
    TFiltyperSettings s;
    if (!QFileInfo::exists(path))
        return s;
    SettingsReader r = SettingsReader::fromFile(path);
    int w = 0, h = 0;
    if (r.number(w) && r.number(h) && w > 0 && h > 0) {
        s.harStoerrelse = true;
        s.bredde = w;
        s.hoejde = h;
    }
    bool tick = false;
    while (r.ok() && !r.atEnd() && r.flag(tick))
        s.afkrydset.append(tick);
    // The types follow the ticks, one per tick; a file whose count differs
    // was not written whole and is read by row.
    QStringList lines;
    if (TextFile::readLines(path, lines)) {
        const QStringList rest = lines.mid(2 + s.afkrydset.size());
        if (rest.size() == s.afkrydset.size())
            s.typer = rest;
    }
    return s;
}

bool TFiltyperSettings::gem(const QString &path, QString *error) const
{
    SettingsWriter w;
    w.number(bredde).number(hoejde);
    for (bool t : afkrydset)
        w.flag(t);
    if (typer.size() == afkrydset.size())
        for (const QString &t : typer)
            w.text(t);
    return w.save(path, error);
}

QList<bool> TFiltyperSettings::ticksFor(const QList<TFiltype> &rows) const
{
    if (typer.isEmpty() || typer.size() != afkrydset.size())
        return ticksFor(int(rows.size()));
    QList<bool> out;
    for (const TFiltype &t : rows) {
        const qsizetype i = typer.indexOf(t.boxTekst());
        out.append(i >= 0 && afkrydset[i]);
    }
    return out;
}

QList<bool> TFiltyperSettings::ticksFor(int rows) const
{
    QList<bool> out;
    for (int i = 0; i < rows; ++i)
        out.append(i < afkrydset.size() && afkrydset[i]);
    return out;
}

} // namespace taglund
