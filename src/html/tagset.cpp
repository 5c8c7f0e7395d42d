#include "html/tagset.h"

#include "core/text/textfile.h"

#include <algorithm>

namespace taglund {

namespace {
bool lessNoCase(const QString &a, const QString &b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}
} // namespace

bool TTagSet::Load(const QString &Fname, QString *error)
{
    QStringList lines;
    if (!TextFile::readLines(Fname, lines, error)) {
        m_entries.clear();
        return false;
    }
    setEntries(lines);
    return true;
}

void TTagSet::setEntries(const QStringList &lines)
{
    m_entries.assign(lines.begin(), lines.end());
    // A stable sort keeps the first of several case variants in front, and
    // unique then drops the later ones.
    std::stable_sort(m_entries.begin(), m_entries.end(), lessNoCase);
    auto last = std::unique(m_entries.begin(), m_entries.end(), [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseInsensitive) == 0;
    });
    m_entries.erase(last, m_entries.end());
}

bool TTagSet::contains(const QString &name) const
{
    auto it = std::lower_bound(m_entries.begin(), m_entries.end(), name, lessNoCase);
    return it != m_entries.end() && QString::compare(*it, name, Qt::CaseInsensitive) == 0;
}

QStringList TTagSet::entries() const
{
    return QStringList(m_entries.begin(), m_entries.end());
}

} // namespace taglund
