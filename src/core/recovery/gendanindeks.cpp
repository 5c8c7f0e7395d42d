#include "core/recovery/gendanindeks.h"

namespace taglund::GendanIndeks {

namespace {

const QString kHoved = QStringLiteral("Taglund gendannelse 1");
constexpr int kLinjerPrPost = 11;

QString tidTekst(const QDateTime &t)
{
    return t.isValid() ? t.toUTC().toString(Qt::ISODateWithMs) : QString();
}

// A path on this system may hold a line break; the index keeps one value per line.
QString ind(QString s)
{
    return s.replace(u'%', QStringLiteral("%25")).replace(u'\r', QStringLiteral("%0D")).replace(u'\n', QStringLiteral("%0A"));
}

QString ud(const QString &s)
{
    if (!s.contains(u'%'))
        return s;
    QString r;
    r.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QStringView code = QStringView(s).mid(i + 1, 2);
        if (s[i] == u'%' && code == u"25") {
            r += u'%';
            i += 2;
        } else if (s[i] == u'%' && code == u"0D") {
            r += u'\r';
            i += 2;
        } else if (s[i] == u'%' && code == u"0A") {
            r += u'\n';
            i += 2;
        } else {
            r += s[i];
        }
    }
    return r;
}

bool tal(const QString &s, qint64 &out)
{
    bool ok = false;
    out = s.trimmed().toLongLong(&ok);
    return ok;
}

} // namespace

QStringList linjer(const QList<TGendanPost> &poster)
{
    QStringList l{kHoved, QString::number(poster.size())};
    for (const TGendanPost &p : poster) {
        l << p.kopi << ind(p.original) << ind(p.caption) << ind(p.docExt) << QString::number(int(p.encoding))
          << QString::number(p.rich ? 1 : 0) << tidTekst(p.tid) << QString::number(p.kopiStoerrelse)
          << QString::number(p.originalTid) << QString::number(p.originalStoerrelse) << QStringLiteral("-");
    }
    return l;
}

QList<TGendanPost> laes(const QStringList &l, bool *beskadiget)
{
    QList<TGendanPost> poster;
    bool skade = true;
    qint64 antal = 0;
    if (l.size() >= 2 && l[0] == kHoved && tal(l[1], antal) && antal >= 0) {
        skade = false;
        for (qint64 i = 0; i < antal; ++i) {
            const qsizetype at = 2 + i * kLinjerPrPost;
            if (at + kLinjerPrPost > l.size()) {
                skade = true;
                break;
            }
            TGendanPost p;
            p.kopi = l[at];
            p.original = ud(l[at + 1]);
            p.caption = ud(l[at + 2]);
            p.docExt = ud(l[at + 3]);
            qint64 enc = 0, rich = 0;
            p.tid = QDateTime::fromString(l[at + 6], Qt::ISODateWithMs);
            // The copy's file name comes from disk: it may only name a file in its own folder.
            const bool navnOk = !p.kopi.isEmpty() && !p.kopi.contains(u'/') && !p.kopi.contains(u'\\')
                                && p.kopi != u"." && p.kopi != u"..";
            if (!navnOk || !tal(l[at + 4], enc) || enc < 0 || enc > int(TextEncoding::Utf16BE)
                || !tal(l[at + 5], rich) || !p.tid.isValid() || !tal(l[at + 7], p.kopiStoerrelse)
                || !tal(l[at + 8], p.originalTid) || !tal(l[at + 9], p.originalStoerrelse)
                || l[at + 10] != u"-") {
                skade = true;
                break;
            }
            p.encoding = TextEncoding(enc);
            p.rich = rich != 0;
            poster.append(p);
        }
    }
    if (beskadiget)
        *beskadiget = skade;
    return poster;
}

bool gem(const QString &path, const QList<TGendanPost> &poster, QString *error)
{
    const QString tekst = linjer(poster).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    return TextFile::writeBytes(path, TextFile::encode(tekst, TextEncoding::Utf8Bom), error);
}

bool hent(const QString &path, QList<TGendanPost> &poster, bool *beskadiget)
{
    QStringList l;
    if (!TextFile::readLines(path, l))
        return false;
    poster = laes(l, beskadiget);
    return true;
}

} // namespace taglund::GendanIndeks
