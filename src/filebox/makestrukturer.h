#pragma once
#include "filebox/grundmetoder.h"

#include <QList>

namespace taglund {

// One item of the drive menu.
struct TDrevPunkt {
    QString caption;   // label + " (" + mount point + ")", or "Diskdrev(" ... ")"
    int image = 0;
    QString root;      // what choosing the item shows
};

// Building the file list of a folder, the folder history, the drive menu.
class TMakeStrukturer : public TGrundMetoder {
    Q_OBJECT
public:
    explicit TMakeStrukturer(QObject *parent = nullptr);

    void makeStruktur2(const QString &aDirectory, bool insertMSL, bool reload);

    void mappeFirst();
    void mappeTilbage();
    void mappeFrem();
    void mappeLast();
    QStringList historik() const { return mappeSL; }
    int historikIndex() const { return mappeIndex; }

    QList<TDrevPunkt> makeDrevTekstMenu() const;
    void drevTekstKlik(const QString &root);
    // The root of the first drive the menu offers ("/" when it offers none).
    QString foersteDrev() const;

    // The image of a file entry by its name's extension.
    static int billedIndeks(const QString &name);
    static constexpr int mappeBillede = 1;

protected:
    // Fills the two buffers from the folder: visible folders and files,
    // each group by name ignoring case.
    void listMappe(const QString &folder);
    void updateHistoryButtons();

private:
    enum class Retning { Tilbage, Frem };
    void step(int start, Retning r);
};

} // namespace taglund
