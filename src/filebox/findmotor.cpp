#include "filebox/findmotor.h"
#include "core/rtf/rtfreader.h"
#include "core/text/charsetdecision.h"
#include "core/text/paths.h"
#include "core/text/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextDocument>
#include <cstring>

namespace taglund {

namespace {

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

bool isBreak(QChar c)
{
    const char16_t u = c.unicode();
    return u == u'\n' || u == u'\r' || u == 0x2028 || u == 0x2029;
}

// Every break as one '\n': one character per caret position.
QString flatten(QStringView t)
{
    QString out;
    out.reserve(t.size());
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c == u'\r' && i + 1 < t.size() && t[i + 1] == u'\n')
            continue;
        out.append(isBreak(c) ? QChar(u'\n') : c);
    }
    return out;
}

// Characters outside ASCII that compare equal to an ASCII letter when letter
// case is ignored (the Kelvin sign and the long s, in Qt's tables). A byte
// search for an ASCII text must not miss them.
struct FoldRisk {
    QChar tegn;
    char16_t ascii;      // the lower-case letter it matches
    QByteArray utf8;
    int cp1252 = -1;     // the byte that decodes to it, if any
};

const QList<FoldRisk> &foldRisks()
{
    static const QList<FoldRisk> risks = [] {
        QList<FoldRisk> out;
        for (char32_t u = 0x80; u <= 0xFFFF; ++u) {
            if (u >= 0xD800 && u <= 0xDFFF)
                continue;
            const QChar c{char16_t(u)};
            const QChar cand[] = {c.toCaseFolded(), c.toLower(), c.toUpper()};
            for (QChar f : cand) {
                if (f.unicode() >= 0x80 || !f.isLetter())
                    continue;
                const char16_t lower = QChar(f).toLower().unicode();
                const QChar ascii(lower);
                if (QStringView(&c, 1).compare(QStringView(&ascii, 1), Qt::CaseInsensitive) != 0)
                    continue;
                FoldRisk r{c, lower, QString(c).toUtf8(), -1};
                for (int b = 0x80; b <= 0xFF; ++b)
                    if (TextFile::decodeSettings(QByteArray(1, char(b))).text == QString(c))
                        r.cp1252 = b;
                out.append(r);
                break;
            }
        }
        return out;
    }();
    return risks;
}

bool startsWithUtf16Mark(const QByteArray &b)
{
    return b.size() >= 2 && ((uchar(b[0]) == 0xFF && uchar(b[1]) == 0xFE) || (uchar(b[0]) == 0xFE && uchar(b[1]) == 0xFF));
}

bool contains(const QByteArray &hay, const QByteArray &needle)
{
    return memmem(hay.constData(), size_t(hay.size()), needle.constData(), size_t(needle.size())) != nullptr;
}

// The line around index i, between the breaks that enclose it.
struct LineCache {
    qsizetype start = 0;
    qsizetype end = -1;
    QString text;

    const QString &at(QStringView t, qsizetype i)
    {
        if (i < start || i >= end) {
            qsizetype s = i;
            while (s > 0 && !isBreak(t[s - 1]))
                --s;
            qsizetype e = i;
            while (e < t.size() && !isBreak(t[e]))
                ++e;
            start = s;
            end = e;
            text = t.sliced(s, e - s).toString();
        }
        return text;
    }
};

} // namespace

TFindMoenster::TFindMoenster(const QString &tekst, FindOptions valg)
    : m_needle(toEditorBreaks(tekst)), m_valg(valg),
      m_matcher(m_needle, valg.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive)
{
    m_breaks = m_needle.contains(u'\n') || m_needle.contains(QChar(0x2028)) || m_needle.contains(QChar(0x2029));
    m_ascii = !m_needle.isEmpty();
    for (QChar c : m_needle)
        if (c.unicode() >= 0x80 || c.unicode() == 0)
            m_ascii = false;
    if (!m_ascii)
        return;
    m_bytes = m_needle.toLatin1();
    if (!m_valg.matchCase) {
        m_bytes = m_bytes.toLower();
        std::vector<TFoldSoeg::Extra> extra;
        for (const FoldRisk &r : foldRisks()) {
            extra.push_back({r.tegn.unicode(), char(r.ascii)});
            if (m_bytes.contains(char(r.ascii)))
                m_foldRisk = true;
        }
        // Qt's matcher folds every character through its tables; an ASCII
        // needle needs only the ASCII letters and the few that fold to them.
        m_fold = TFoldSoeg(m_bytes, std::move(extra));
        m_brugFold = true;
    }
}

qsizetype TFindMoenster::naeste(QStringView tekst, qsizetype from, std::optional<QChar> foer) const
{
    if (m_needle.isEmpty())
        return -1;
    qsizetype at = from;
    const qsizetype n = m_needle.size();
    while (true) {
        at = m_brugFold ? m_fold.indexIn(tekst, at) : m_matcher.indexIn(tekst, at);
        if (at < 0)
            return -1;
        if (!m_valg.wholeWord)
            return at;
        QChar before;
        if (at == from && foer)
            before = *foer;
        else if (at > 0)
            before = tekst[at - 1];
        const QChar after = at + n < tekst.size() ? tekst[at + n] : QChar();
        if (!isWordChar(before) && !isWordChar(after))
            return at;
        ++at;
    }
}

bool TFindMoenster::kanIndeholde(const QByteArray &bytes) const
{
    if (!m_ascii || m_breaks || startsWithUtf16Mark(bytes))
        return true;
    if (m_valg.matchCase)
        return contains(bytes, m_bytes);
    if (m_fold.indexIn(bytes.constData(), bytes.size(), 0) >= 0)
        return true;
    if (m_foldRisk) {
        for (const FoldRisk &r : foldRisks()) {
            if (!m_bytes.contains(char(r.ascii)))
                continue;
            if (contains(bytes, r.utf8) || (r.cp1252 >= 0 && bytes.contains(char(r.cp1252))))
                return true;
        }
    }
    return false;
}

QList<TFundRaekke> findITekst(const TFindMoenster &m, QStringView tekst, const QString &dokument)
{
    QList<TFundRaekke> rows;
    if (m.tom())
        return rows;
    if (m.harLinjeskift()) {
        // Only a flattened text can match a break in the text searched for.
        const QString flat = flatten(tekst);
        LineCache line;
        for (qsizetype h = m.naeste(flat, 0); h >= 0; h = m.naeste(flat, h + m.laengde()))
            rows.append({dokument, int(h), line.at(flat, h)});
        return rows;
    }
    // The text keeps its CR LF pairs: a hit's caret offset is its index less
    // the pairs before it. A hit never starts or ends inside a pair.
    qsizetype counted = 0;
    qsizetype pairs = 0;
    LineCache line;
    for (qsizetype h = m.naeste(tekst, 0); h >= 0; h = m.naeste(tekst, h + m.laengde())) {
        pairs += tekst.sliced(counted, h - counted).count(u"\r\n");
        counted = h;
        rows.append({dokument, int(h - pairs), line.at(tekst, h)});
    }
    return rows;
}

TErstatResultat erstatITekst(const TFindMoenster &m, QStringView tekst, const QString &erstat,
                             const QString &dokument)
{
    TErstatResultat r;
    if (m.tom())
        return r;
    QString flatHolder;
    if (m.harLinjeskift()) {
        flatHolder = flatten(tekst);
        tekst = flatHolder;
    }
    const QString ny = toEditorBreaks(erstat);
    const qsizetype lenF = m.laengde();
    // The changed text up to where the search goes on: its last line is the
    // start of the line of the next hit that follows at once.
    QString out;
    qsizetype lineStartInOut = 0;
    qsizetype at = 0;
    qsizetype counted = 0;
    qsizetype pairs = 0;
    qsizetype delta = 0;
    auto appendOut = [&](QStringView piece) {
        qsizetype lastBreak = -1;
        for (QChar b : {QChar(u'\n'), QChar(u'\r'), QChar(0x2028), QChar(0x2029)})
            lastBreak = std::max(lastBreak, piece.lastIndexOf(b));
        if (lastBreak >= 0)
            lineStartInOut = out.size() + lastBreak + 1;
        out.append(piece);
    };
    while (true) {
        // After a replacement the character before the search start is
        // whatever the walk has written, not the original text's.
        std::optional<QChar> foer;
        if (at > 0)
            foer = out.isEmpty() ? QChar() : out.back();
        const qsizetype h = m.naeste(tekst, at, foer);
        if (h < 0)
            break;
        if (!m.harLinjeskift())
            pairs += tekst.sliced(counted, h - counted).count(u"\r\n");
        counted = h;
        appendOut(tekst.sliced(at, h - at));
        const qsizetype pos = h - pairs + delta;
        r.aendringer.append({int(pos), int(lenF)});
        // The line as it stands once this hit is replaced: what was written
        // before it on the line, the replacement, and the rest still unchanged.
        QString lineText = out.sliced(lineStartInOut);
        const qsizetype nb = ny.indexOf(u'\n');
        if (nb >= 0) {
            lineText += ny.left(nb);
        } else {
            qsizetype e = h + lenF;
            while (e < tekst.size() && !isBreak(tekst[e]))
                ++e;
            lineText += ny + tekst.sliced(h + lenF, e - h - lenF).toString();
        }
        appendOut(ny);
        r.raekker.append({dokument, int(pos), lineText});
        delta += ny.size() - lenF;
        at = h + lenF;
        counted = at;
    }
    return r;
}

QList<TFundRaekke> soegDokument(TDocText &doc, const QString &navn, const TFindMoenster &m, const QString *erstat)
{
    if (m.tom())
        return {};
    const int caret = doc.SelStart();
    const QString text = doc.Text();
    if (!erstat)
        return findITekst(m, text, navn);
    const TErstatResultat r = erstatITekst(m, text, *erstat, navn);
    for (const TErstatning &e : r.aendringer) {
        doc.setSelStart(e.position);
        doc.setSelLength(e.laengde);
        doc.setSelText(*erstat);
    }
    doc.setSelStart(caret);
    return r.raekker;
}

namespace {

TFilUdfald laesBytes(const QString &path, QByteArray &bytes)
{
    const QFileInfo fi(path);
    if (!fi.isFile())
        return TFilUdfald::Ulaeselig;
    if (fi.size() > kStoersteFil)
        return TFilUdfald::ForStor;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return TFilUdfald::Ulaeselig;
    bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return TFilUdfald::Ulaeselig;
    if (bytes.size() > kStoersteFil)
        return TFilUdfald::ForStor;
    // UTF-16 text is full of NULs; its mark tells it from a binary file.
    if (!startsWithUtf16Mark(bytes)
        && memchr(bytes.constData(), 0, size_t(std::min(bytes.size(), kBinaerGraense))) != nullptr)
        return TFilUdfald::Binaer;
    return TFilUdfald::Laest;
}

bool erRtf(const QString &path)
{
    return path.endsWith(QStringLiteral(".rtf"), Qt::CaseInsensitive);
}

bool tekstAf(const QString &path, const QByteArray &bytes, QString &tekst)
{
    if (erRtf(path)) {
        // As the document window holds it: the text of the formatted document.
        QTextDocument doc;
        if (!readRichDocument(bytes, &doc).readable)
            return false;
        tekst = doc.toRawText();
        return true;
    }
    // Plain ASCII reads the same under every rule the reader has; Qt's own
    // conversion is the fast way there.
    if (QtPrivate::isAscii(QLatin1StringView(bytes.constData(), bytes.size())))
        tekst = QString::fromLatin1(bytes);
    else
        tekst = decodeDeclaredDocument(bytes, extensionOf(path)).text;
    return true;
}

} // namespace

TFilUdfald laesTekst(const QString &path, QString &tekst)
{
    QByteArray bytes;
    const TFilUdfald u = laesBytes(path, bytes);
    if (u != TFilUdfald::Laest)
        return u;
    return tekstAf(path, bytes, tekst) ? TFilUdfald::Laest : TFilUdfald::Ulaeselig;
}

TFilUdfald soegFil(const QString &path, const TFindMoenster &m, QList<TFundRaekke> &raekker)
{
    QByteArray bytes;
    const TFilUdfald u = laesBytes(path, bytes);
    if (u != TFilUdfald::Laest)
        return u;
    if (!erRtf(path) && !m.kanIndeholde(bytes))
        return TFilUdfald::Laest;
    QString tekst;
    if (!tekstAf(path, bytes, tekst))
        return TFilUdfald::Ulaeselig;
    raekker += findITekst(m, tekst, path);
    return TFilUdfald::Laest;
}

bool passerFilter(const QString &filnavn, const QString &filter)
{
    if (filter.isEmpty() || filter == QStringLiteral("*.*") || filter == QStringLiteral("*"))
        return true;
    if (filter.startsWith(QStringLiteral("*.")) && !filter.mid(2).contains(u'*') && !filter.mid(2).contains(u'?'))
        return filnavn.endsWith(filter.mid(1), Qt::CaseInsensitive);
    const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(filter),
                                QRegularExpression::CaseInsensitiveOption);
    return re.match(filnavn).hasMatch();
}

namespace {

void listFiles(const QString &mappe, const QString &filter, bool undermapper, QStringList &out)
{
    QDir dir(mappe);
    const QFileInfoList files = dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System,
                                                  QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &fi : files)
        if (passerFilter(fi.fileName(), filter))
            out.append(fi.filePath());
    if (!undermapper)
        return;
    // Hidden folders stay out, as they stay out of the file box's list.
    const QFileInfoList dirs = dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &fi : dirs)
        if (!fi.isSymLink())
            listFiles(fi.filePath(), filter, true, out);
}

} // namespace

TMappeSoegning::TMappeSoegning(const QString &mappe, const QString &filter, bool undermapper, const TFindMoenster &m)
    : m_moenster(m)
{
    m_findes = !mappe.isEmpty() && QFileInfo(mappe).isDir();
    if (m_findes && !m.tom())
        listFiles(QDir::cleanPath(mappe), filter, undermapper, m_filer);
}

bool TMappeSoegning::naeste(QList<TFundRaekke> &raekker)
{
    if (faerdig())
        return false;
    if (soegFil(m_filer[m_naeste++], m_moenster, raekker) != TFilUdfald::Laest)
        ++m_sprunget;
    return true;
}

void TMappeSoegning::resten(QList<TFundRaekke> &raekker)
{
    while (naeste(raekker)) {
    }
}

} // namespace taglund
