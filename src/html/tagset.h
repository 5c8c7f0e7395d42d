#pragma once
#include <QString>
#include <QStringList>
#include <vector>

namespace taglund {

// A sorted list of names answering "is this name listed?" without regard to
// letter case. Of several entries differing only in case the first one read
// is kept. Membership is an exact whole-entry comparison: callers strip "<",
// "/" and attributes themselves.
class TTagSet {
public:
    // Replaces the whole content with the file's lines. False (content
    // cleared) with the system's error text when the file cannot be read.
    bool Load(const QString &Fname, QString *error = nullptr);
    void setEntries(const QStringList &lines);

    bool contains(const QString &name) const;
    int count() const { return int(m_entries.size()); }
    QStringList entries() const;

private:
    std::vector<QString> m_entries;  // ascending, compared case-insensitively
};

} // namespace taglund
