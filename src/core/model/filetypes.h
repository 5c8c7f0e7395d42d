#pragma once
#include <QList>
#include <QString>
#include <QStringList>

namespace taglund {

// One file type: its display name, its pattern ("*.html" or "*.*") and
// whether it is offered in the type box and the document-type box.
struct TFiltype {
    QString navn;
    QString monster;
    bool valgt = true;

    // The text the type box and the find-in-files choice show: "Hjemmeside (*.html)".
    QString boxTekst() const { return navn + QStringLiteral(" (") + monster + u')'; }
    // The extension a new document of this type gets: the pattern without its "*".
    QString docExt() const { return monster.mid(1); }
    bool operator==(const TFiltype &o) const = default;
};

// The user's list of file types, kept as the flat list of texts the program
// works with: three entries per type (name, pattern, "1"/"0"), in list order.
class TFiltypeliste {
public:
    // The twelve types a first start writes, and "Standard" restores.
    static QList<TFiltype> standardTyper();

    // Loads the list file; when it is missing, the defaults are made and
    // written at once. A file that exists but cannot be read leaves the file
    // alone and works with the defaults in memory. False (with the reason)
    // when reading or the first write failed.
    bool HentTypeliste(const QString &path, QString *error = nullptr);
    bool GemTypeliste(const QString &path, QString *error = nullptr) const;
    // The defaults, in memory only.
    void makeTypeliste();

    const QStringList &flatListe() const { return m_flat; }
    // An incomplete last type (line count not a multiple of three) is dropped.
    void setFlatListe(const QStringList &flat);
    QList<TFiltype> typer() const;
    void setTyper(const QList<TFiltype> &typer);
    int antal() const { return int(m_flat.size() / 3); }
    bool isEmpty() const { return m_flat.isEmpty(); }

    // Some type's pattern is "*" followed by the extension (with its dot), ignoring case.
    bool isItTextfile(const QString &ext) const;

    // The ticked types as the type box and the find-in-files choice list them.
    QStringList typeBoxEntries() const;
    // The ticked types a new document can have: every ticked type but "*.*".
    QList<TFiltype> dokumentTyper() const;

private:
    QStringList m_flat;
};

// Extensions that always open as documents, whatever the list says.
const QStringList &builtInTextExtensions();
bool isBuiltInTextExtension(const QString &ext);

// The pattern "Indfør i listen" stores for what the user typed: "*.*" stays,
// anything else keeps only what follows its last "." behind "*." (html,
// .html and x.html all give "*.html"). Empty when no usable extension is
// left: nothing after the last ".", or a character a pattern cannot hold.
QString normaliseTypePattern(const QString &typed);

// The derived lists, rebuilt in start mode (type box only, at start) or in
// edit mode (after the list changed; every list).
enum class TypeBoxMode { Start, Edit };

struct TypeBoxState {
    QStringList typeBox;            // one entry per ticked type
    QStringList findChoice;         // edit mode: the same entries for find in files
    QList<TFiltype> dokumentRows;   // edit mode: rows of the document-type box, unticked
    int selected = -1;              // entry to select in the type box, -1 when empty
    int filtypeBoxItemIndex = 0;    // the remembered index after the rebuild
    int visibleItems = 0;           // edit mode: show every entry without scrolling
    // The type-box button makes documents of the selected type: off while empty.
    bool buttonEnabled() const { return !typeBox.isEmpty(); }
};

// `LoadFiltypeBoxe`: `previousEntries` is what the type box held before the
// rebuild and `itemIndex` the remembered index into it. A remembered index
// outside the new entries (-1 or too large) selects entry 0.
TypeBoxState LoadFiltypeBoxe(const TFiltypeliste &liste, const QStringList &previousEntries, int itemIndex,
                             TypeBoxMode mode);

// "filtyper.txt": the document-type box's size, then one tick per row.
struct TFiltyperSettings {
    bool harStoerrelse = false;
    int bredde = 0;
    int hoejde = 0;
    QList<bool> afkrydset;
    // The type of each ticked row ("Hjemmeside (*.html)"), written after the
    // ticks so a tick finds its type again when the list of types changed
    // since; files without them are read by row, as they always were.
    QStringList typer;

    // A missing or short file: no size, and as many ticks as were read.
    static TFiltyperSettings hent(const QString &path);
    bool gem(const QString &path, QString *error = nullptr) const;
    // The ticks for `rows` rows: as read where both reach, unticked after that.
    QList<bool> ticksFor(int rows) const;
    // The ticks for these rows: by type when the file names them, else by row.
    QList<bool> ticksFor(const QList<TFiltype> &rows) const;
};

} // namespace taglund
