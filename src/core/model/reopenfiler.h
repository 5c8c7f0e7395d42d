#pragma once
#include <QList>
#include <QObject>
#include <QString>

namespace taglund {

// What a recent list remembers: files, folders or anything else.
enum class TItemtype { itFil, itBibliotek, itAndet };

struct TReopenRec {
    QString Caption;
    QString Filnavn;
    bool operator==(const TReopenRec &o) const = default;
};

// One item the recent list puts into its submenu, from index `MenuStartNr` on.
struct TReopenMenuItem {
    enum class Kind { Entry, Separator, DeleteAll };
    Kind kind = Kind::Entry;
    QString caption;
    QString hint;
    int imageIndex = -1;
    int entryIndex = -1;       // Entry: the entry it stands for
    bool breakBefore = false;  // start a new menu column before it
};

// A list of recently used files or folders, newest first, with its list file
// (maximum, count, then caption and path per entry). Widget-free: the menu is
// described by MakeMenu and built by a thin adapter.
class TReopenFiler : public QObject {
    Q_OBJECT
public:
    explicit TReopenFiler(QObject *parent = nullptr);

    // Entries in use, newest first.
    const QList<TReopenRec> &Ropen() const { return m_ropen; }
    int Antal() const { return int(m_ropen.size()); }

    int Filantal() const { return m_filantal; }
    // A maximum below 1 is refused; a smaller maximum drops the oldest entries.
    void setFilantal(int n);
    TItemtype Itemtype() const { return m_itemtype; }
    void setItemtype(TItemtype t) { m_itemtype = t; }
    int MenuStartNr() const { return m_menuStartNr; }
    void setMenuStartNr(int n) { m_menuStartNr = qMax(0, n); }
    int ImageStartNr() const { return m_imageStartNr; }
    void setImageStartNr(int n) { m_imageStartNr = n; }
    bool OnlyOneImageIndex() const { return m_onlyOneImage; }
    void setOnlyOneImageIndex(bool on) { m_onlyOneImage = on; }
    int BreakNr() const { return m_breakNr; }
    void setBreakNr(int n) { m_breakNr = qMax(0, n); }
    bool MedMenuStreg() const { return m_medMenuStreg; }
    void setMedMenuStreg(bool on) { m_medMenuStreg = on; }
    QString DeleteItemCap() const { return m_deleteCap; }
    void setDeleteItemCap(const QString &c) { m_deleteCap = c; }
    QString DeleteItemHint() const { return m_deleteHint; }
    void setDeleteItemHint(const QString &h) { m_deleteHint = h; }
    QString Itemfile() const { return m_itemfile; }
    void setItemfile(const QString &f) { m_itemfile = f; }

    // Adds an entry at the top. A list of files takes only an existing file;
    // a path already listed moves to the top instead of being listed twice.
    void InsertItem(const QString &path, const QString &caption);
    void DeleteItem(const QString &path);
    void DeleteItemByCaption(const QString &caption);
    void DeleteItemAt(int index);
    void DeleteAllItems();
    // Forgets every entry and the list file itself.
    void DeleteItemFile();
    QString GetCaption(int index) const;

    // The submenu from `MenuStartNr` on: `imageIndex` 0 or more gives every
    // entry that icon.
    QList<TReopenMenuItem> MakeMenu(int imageIndex = -1) const;

    // A click on the submenu item at `menuPosition`: the path to open, or
    // empty when the entry's file or folder is gone (the entry is then removed).
    QString Klik(int menuPosition);

    bool GemReopenFiler(QString *error = nullptr) const;
    void HentReopenFiler();

    // The caption of a document's entry: its `CapNavn` without the leading
    // digits and the first "." ("3. index.html" gives " index.html").
    static QString captionFromCapNavn(const QString &capNavn);
    // The caption of a folder's entry: the folder's last name.
    static QString folderCaption(const QString &path);

signals:
    void changed();

private:
    int indexOfPath(const QString &path) const;
    bool stillThere(const QString &path) const;

    QList<TReopenRec> m_ropen;
    int m_filantal = 10;
    TItemtype m_itemtype = TItemtype::itFil;
    int m_menuStartNr = 0;
    int m_imageStartNr = 0;
    bool m_onlyOneImage = false;
    int m_breakNr = 0;
    bool m_medMenuStreg = false;
    QString m_deleteCap;
    QString m_deleteHint;
    QString m_itemfile;
};

// Closing a named document (with automatic insertion on) and "Indsæt i
// seneste filer/mapper": the file with its caption from `capNavn`, and its
// folder (with its trailing separator) with the folder's last name.
void insertDocumentFile(TReopenFiler &files, const QString &filnavn, const QString &capNavn);
void insertDocumentFolder(TReopenFiler &folders, const QString &filnavn);

// The two lists of the main window, set up as the program uses them.
void setupRecentFiles(TReopenFiler &files, const QString &optdir);
void setupRecentFolders(TReopenFiler &folders, const QString &optdir);

} // namespace taglund
