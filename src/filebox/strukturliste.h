#pragma once
#include <QPoint>
#include <QString>
#include <QVector>

namespace taglund {

// What every entry of the file list carries. `ID` even: a folder, odd: a file.
struct StrukturRec {
    QString mappe;     // folder entry: the folder's path; file entry: the folder that holds it
    QString filnavn;   // file entry: the file's path; "" for a folder
    qint32 ID = 0;

    bool erMappe() const { return ID % 2 == 0; }
};

// The list control the engine fills and reads: a flat multi-select list in
// the order the engine adds entries. The file box window binds a tree
// widget to it (TTreeListe); tests and headless tools use TListeModel.
class TListeKontrol {
public:
    virtual ~TListeKontrol() = default;

    virtual void clear() = 0;
    virtual int add(const QString &text, int image, const StrukturRec &rec) = 0;
    virtual int count() const = 0;
    virtual QString text(int i) const = 0;
    virtual void setText(int i, const QString &text) = 0;
    virtual int image(int i) const = 0;
    virtual StrukturRec rec(int i) const = 0;
    virtual void setRec(int i, const StrukturRec &rec) = 0;
    virtual bool isSelected(int i) const = 0;
    virtual void setSelected(int i, bool on) = 0;
    // The focused entry (the one clicked last), -1 for none.
    virtual int current() const = 0;
    virtual void setCurrent(int i) = 0;
    // The entry at a point of the list, -1 over empty space.
    virtual int itemAt(const QPoint &p) const = 0;
    // Starts in-place editing of an entry's text.
    virtual void startEdit(int i) = 0;

    // The selected entry: the focused one when it is selected, otherwise
    // the first selected, -1 when nothing is selected.
    int selected() const
    {
        const int c = current();
        if (c >= 0 && c < count() && isSelected(c))
            return c;
        for (int i = 0; i < count(); ++i)
            if (isSelected(i))
                return i;
        return -1;
    }
    int selectedCount() const
    {
        int n = 0;
        for (int i = 0; i < count(); ++i)
            n += isSelected(i) ? 1 : 0;
        return n;
    }
    // Selects exactly one entry and makes it the focused one.
    void selectOnly(int i)
    {
        for (int k = 0; k < count(); ++k)
            setSelected(k, k == i);
        setCurrent(i);
    }
};

// The list as plain data; rows are `rowHeight` pixels high for itemAt.
class TListeModel : public TListeKontrol {
public:
    struct Entry {
        QString text;
        int image = 0;
        StrukturRec rec;
        bool selected = false;
    };
    static constexpr int rowHeight = 20;

    void clear() override { m_entries.clear(); m_current = -1; editing = -1; }
    int add(const QString &text, int image, const StrukturRec &rec) override
    {
        m_entries.append({text, image, rec, false});
        return int(m_entries.size()) - 1;
    }
    int count() const override { return int(m_entries.size()); }
    QString text(int i) const override { return m_entries.value(i).text; }
    void setText(int i, const QString &text) override { if (valid(i)) m_entries[i].text = text; }
    int image(int i) const override { return m_entries.value(i).image; }
    StrukturRec rec(int i) const override { return m_entries.value(i).rec; }
    void setRec(int i, const StrukturRec &rec) override { if (valid(i)) m_entries[i].rec = rec; }
    bool isSelected(int i) const override { return valid(i) && m_entries[i].selected; }
    void setSelected(int i, bool on) override { if (valid(i)) m_entries[i].selected = on; }
    int current() const override { return m_current; }
    void setCurrent(int i) override { m_current = valid(i) ? i : -1; }
    int itemAt(const QPoint &p) const override
    {
        const int row = p.y() < 0 ? -1 : p.y() / rowHeight;
        return valid(row) ? row : -1;
    }
    void startEdit(int i) override { editing = i; }

    // The entry put into editing last (-1 for none).
    int editing = -1;

private:
    bool valid(int i) const { return i >= 0 && i < count(); }
    QVector<Entry> m_entries;
    int m_current = -1;
};

} // namespace taglund
