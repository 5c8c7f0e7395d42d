#include "highlight/hlregler.h"
#include "highlight/hlintern.h"

#include <QHash>
#include <QSet>

namespace taglund {

namespace {

using hl::Emitter;

QStringList words(const char *list)
{
    return QString::fromLatin1(list).split(u' ', Qt::SkipEmptyParts);
}

TSprogRegler javaScript()
{
    TSprogRegler r;
    r.noegleord = words("break case catch class const continue debugger default delete do else export extends "
                        "finally for function if import in instanceof let new return super switch this throw try "
                        "typeof var void while with yield async await of static get set null undefined true false "
                        "NaN Infinity");
    r.linjeKommentar = {QStringLiteral("//")};
    r.blokStart = QStringLiteral("/*");
    r.blokSlut = QStringLiteral("*/");
    r.strengTegn = QStringLiteral("\"'");
    r.escape = u'\\';
    r.flerlinjeStreng = u'`';
    return r;
}

TSprogRegler vbScript()
{
    TSprogRegler r;
    r.noegleord = words("and as boolean byref byval call case class const dim do each else elseif empty end eqv "
                        "erase error exit explicit false for function get goto if imp in is let loop me mod new "
                        "next not nothing null on option or preserve private property public randomize redim "
                        "resume select set step stop sub then to true until wend while with xor");
    r.ordCase = Qt::CaseInsensitive;
    r.linjeKommentar = {QStringLiteral("'")};
    r.ordKommentar = {QStringLiteral("rem")};
    r.strengTegn = QStringLiteral("\"");
    r.dobbeltCitat = true;
    return r;
}

TSprogRegler batch()
{
    TSprogRegler r;
    r.noegleord = words("echo set if else goto call exit for in do not exist defined errorlevel setlocal endlocal "
                        "pause cd chdir md mkdir rd rmdir del erase copy xcopy move ren rename start shift cls "
                        "title pushd popd type choice equ neq lss leq gtr geq nul off on enabledelayedexpansion");
    r.ordCase = Qt::CaseInsensitive;
    r.linjeKommentar = {QStringLiteral("::")};
    r.ordKommentar = {QStringLiteral("rem")};
    r.strengTegn = QStringLiteral("\"");
    r.batchVariabler = true;
    r.batchEtiketter = true;
    return r;
}

TSprogRegler powerShell()
{
    TSprogRegler r;
    r.noegleord = words("begin break catch class continue data do dynamicparam else elseif end enum exit filter "
                        "finally for foreach function if in param process return switch throw trap try until "
                        "using while -eq -ne -gt -ge -lt -le -like -notlike -match -notmatch -replace -contains "
                        "-notcontains -in -notin -and -or -not -xor -is -isnot -as -join -split -f");
    r.ordCase = Qt::CaseInsensitive;
    r.linjeKommentar = {QStringLiteral("#")};
    r.blokStart = QStringLiteral("<#");
    r.blokSlut = QStringLiteral("#>");
    r.strengTegn = QStringLiteral("\"'");
    r.escape = u'`';
    r.herStrengStart = QStringLiteral("@");
    r.variabelTegn = u'$';
    r.cmdlets = true;
    return r;
}

// The keyword lists as sets, folded when the language ignores case.
const QSet<QString> &keywordSet(const TSprogRegler &r)
{
    static QHash<const TSprogRegler *, QSet<QString>> sets;
    auto it = sets.find(&r);
    if (it == sets.end()) {
        QSet<QString> s;
        for (const QString &w : r.noegleord)
            s.insert(r.ordCase == Qt::CaseInsensitive ? w.toLower() : w);
        it = sets.insert(&r, s);
    }
    return it.value();
}

bool isWordStart(QChar c)
{
    return c.isLetter() || c == u'_';
}

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}


// States of the script scanner.
enum KodeState { KodeNormal = 0, KodeBlok = 1, KodeFlerlinje = 2, KodeHerDobbelt = 3, KodeHerEnkelt = 4 };

// Where the string opened by `quote` at `open` ends (after its closing quote),
// or -1 when it does not end before `end`.
int stringEnd(const TSprogRegler &r, QStringView line, int open, int end, QChar quote)
{
    for (int i = open + 1; i < end; ++i) {
        const QChar c = line[i];
        if (!r.escape.isNull() && c == r.escape) {
            ++i;
            continue;
        }
        if (c == quote) {
            if (r.dobbeltCitat && i + 1 < end && line[i + 1] == quote) {
                ++i;
                continue;
            }
            return i + 1;
        }
    }
    return -1;
}

bool atStatementStart(QStringView line, int from, int i)
{
    for (int j = from; j < i; ++j)
        if (!line[j].isSpace() && line[j] != u'@')
            return false;
    return true;
}

} // namespace

TSprog sprogFor(const QString &ext)
{
    static const QHash<QString, TSprog> kinds = {
        {".html", TSprog::Html}, {".htm", TSprog::Html},       {".xhtml", TSprog::Html},
        {".shtml", TSprog::Html}, {".hta", TSprog::Html},      {".xml", TSprog::Html},
        {".asp", TSprog::Asp},    {".inc", TSprog::Asp},       {".asa", TSprog::Asp},
        {".css", TSprog::Css},    {".js", TSprog::JavaScript}, {".json", TSprog::JavaScript},
        {".vbs", TSprog::VbScript}, {".wsf", TSprog::Wsf},     {".bat", TSprog::Batch},
        {".cmd", TSprog::Batch},  {".ps1", TSprog::PowerShell}, {".psm1", TSprog::PowerShell},
    };
    return kinds.value(ext.toLower(), TSprog::Ingen);
}

const TSprogRegler &reglerFor(TSprog sprog)
{
    static const TSprogRegler js = javaScript(), vbs = vbScript(), bat = batch(), ps = powerShell(), none;
    switch (sprog) {
    case TSprog::JavaScript:
        return js;
    case TSprog::VbScript:
    case TSprog::Asp:
    case TSprog::Wsf:
        return vbs;
    case TSprog::Batch:
        return bat;
    case TSprog::PowerShell:
        return ps;
    default:
        return none;
    }
}

int scanKode(const TSprogRegler &r, QStringView line, int from, int to, int state, TSpans &out)
{
    Emitter udsend(out);
    const int end = to < 0 ? int(line.size()) : std::min(to, int(line.size()));
    int i = from;
    auto rest = [&](int at) { return line.mid(at, end - at); };

    if (state == KodeBlok) {
        const int close = int(rest(i).indexOf(r.blokSlut));
        if (close < 0) {
            udsend(i, end - i, TKategori::Kommentar);
            return KodeBlok;
        }
        udsend(i, close + int(r.blokSlut.size()), TKategori::Kommentar);
        i += close + int(r.blokSlut.size());
    } else if (state == KodeFlerlinje) {
        const int close = stringEnd(r, line, i - 1, end, r.flerlinjeStreng);
        if (close < 0) {
            udsend(i, end - i, TKategori::Streng);
            return KodeFlerlinje;
        }
        udsend(i, close - i, TKategori::Streng);
        i = close;
    } else if (state == KodeHerDobbelt || state == KodeHerEnkelt) {
        // A here-string ends only with its closing mark at the start of a line.
        const QString mark = state == KodeHerDobbelt ? QStringLiteral("\"@") : QStringLiteral("'@");
        if (i != 0 || !rest(i).startsWith(mark)) {
            udsend(i, end - i, TKategori::Streng);
            return state;
        }
        udsend(i, 2, TKategori::Streng);
        i += 2;
    }

    const QSet<QString> &keywords = keywordSet(r);
    while (i < end) {
        const QChar c = line[i];
        if (c.isSpace()) {
            ++i;
            continue;
        }
        if (!r.blokStart.isEmpty() && rest(i).startsWith(r.blokStart)) {
            const int close = int(line.mid(i + r.blokStart.size(), end - i - r.blokStart.size()).indexOf(r.blokSlut));
            if (close < 0) {
                udsend(i, end - i, TKategori::Kommentar);
                return KodeBlok;
            }
            const int len = int(r.blokStart.size()) + close + int(r.blokSlut.size());
            udsend(i, len, TKategori::Kommentar);
            i += len;
            continue;
        }
        bool comment = false;
        for (const QString &lc : r.linjeKommentar)
            comment = comment || rest(i).startsWith(lc);
        for (const QString &w : r.ordKommentar)
            comment = comment
                      || (rest(i).startsWith(w, Qt::CaseInsensitive) && (i + w.size() >= end || !isWordChar(line[i + w.size()]))
                          && (i == from || !isWordChar(line[i - 1])) && atStatementStart(line, from, i));
        if (comment) {
            udsend(i, end - i, TKategori::Kommentar);
            return KodeNormal;
        }
        if (r.batchEtiketter && c == u':' && atStatementStart(line, from, i) && i + 1 < end && isWordChar(line[i + 1])) {
            udsend(i, end - i, TKategori::Etiket);
            return KodeNormal;
        }
        if (!r.herStrengStart.isEmpty() && c == u'@' && i + 1 < end && (line[i + 1] == u'"' || line[i + 1] == u'\'')
            && rest(i + 2).trimmed().isEmpty()) {
            udsend(i, end - i, TKategori::Streng);
            return line[i + 1] == u'"' ? KodeHerDobbelt : KodeHerEnkelt;
        }
        if (r.strengTegn.contains(c)) {
            const int close = stringEnd(r, line, i, end, c);
            const int stop = close < 0 ? end : close;
            udsend(i, stop - i, TKategori::Streng);
            i = stop;
            continue;
        }
        if (!r.flerlinjeStreng.isNull() && c == r.flerlinjeStreng) {
            const int close = stringEnd(r, line, i, end, c);
            if (close < 0) {
                udsend(i, end - i, TKategori::Streng);
                return KodeFlerlinje;
            }
            udsend(i, close - i, TKategori::Streng);
            i = close;
            continue;
        }
        if (!r.variabelTegn.isNull() && c == r.variabelTegn && i + 1 < end
            && (isWordStart(line[i + 1]) || line[i + 1] == u'{')) {
            int j = i + 1;
            if (line[j] == u'{') {
                const int close = int(rest(j).indexOf(u'}'));
                j = close < 0 ? end : j + close + 1;
            } else {
                while (j < end && (isWordChar(line[j]) || line[j] == u':'))
                    ++j;
            }
            udsend(i, j - i, TKategori::Variabel);
            i = j;
            continue;
        }
        if (r.batchVariabler && (c == u'%' || c == u'!')) {
            int j = i + 1;
            if (c == u'%' && j < end && line[j] == u'%') {
                j = std::min(end, j + 2);                 // %%i
            } else if (c == u'%' && j < end && (line[j].isDigit() || line[j] == u'~' || line[j] == u'*')) {
                while (j < end && (line[j] == u'~' || line[j].isLetter()))
                    ++j;
                j = std::min(end, j + 1);                 // %1, %~dp0, %*
            } else {
                const int close = int(rest(j).indexOf(c));
                bool name = close > 0;
                for (int k = j; name && k < j + close; ++k)
                    name = !line[k].isSpace();
                if (!name) {
                    ++i;
                    continue;
                }
                j += close + 1;                           // %navn%, !navn!
            }
            udsend(i, j - i, TKategori::Variabel);
            i = j;
            continue;
        }
        if (c.isDigit() && (i == from || !isWordChar(line[i - 1]))) {
            int j = i + 1;
            while (j < end && (line[j].isLetterOrNumber() || line[j] == u'.'))
                ++j;
            udsend(i, j - i, TKategori::Tal);
            i = j;
            continue;
        }
        if (r.cmdlets && c == u'-' && i + 1 < end && isWordStart(line[i + 1]) && (i == from || line[i - 1].isSpace())) {
            int j = i + 1;
            while (j < end && isWordChar(line[j]))
                ++j;
            const QString w = line.mid(i, j - i).toString().toLower();
            udsend(i, j - i, keywords.contains(w) ? TKategori::Noegleord : TKategori::Attribut);
            i = j;
            continue;
        }
        if (isWordStart(c)) {
            int j = i + 1;
            bool dashed = false;
            while (j < end && (isWordChar(line[j])
                               || (r.cmdlets && line[j] == u'-' && j + 1 < end && isWordStart(line[j + 1])))) {
                dashed = dashed || line[j] == u'-';
                ++j;
            }
            const QStringView w = line.mid(i, j - i);
            const bool key = keywords.contains(r.ordCase == Qt::CaseInsensitive ? w.toString().toLower() : w.toString());
            udsend(i, j - i, key ? TKategori::Noegleord : dashed ? TKategori::Funktion : TKategori::Normal);
            i = j;
            continue;
        }
        ++i;
    }
    return KodeNormal;
}

} // namespace taglund
