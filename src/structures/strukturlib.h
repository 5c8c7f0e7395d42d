#pragma once
#include "structures/strukturtree.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace taglund {
class TStruktur;
}

// Where the structures live, which of them the program itself needs, and the
// text rules the document window's structure panels apply to them.
namespace taglund::StrukturLib {

// The folders below the program folder.
QString informationFolder(const QString &programdir);  // "Struktur"
QString objectFolder(const QString &programdir);       // "Script"

// A structure or page name must name something inside its folder: not empty
// or only blanks, no "/", "\", ":", "..", no control characters.
bool isValidName(const QString &name);
QString invalidNameMessage(const QString &name);

// "CSS.txt" and "x/CSS" both name the structure "CSS".
QString baseName(const QString &name);

struct InfoPaths {
    QString folder;        // the structure's folder
    QString strukturfile;  // folder + "struktur.txt"
    QString datafile;      // folder + "data.txt"
    QString mappe;         // pages folder without trailing separator (the search folder)
    QString infomappe;     // pages folder with trailing separator
    QString htmlmappe;     // design folder inside the pages folder
    QString billedmappe;   // images folder
};
InfoPaths informationPaths(const QString &infodir, const QString &name);

// Sets the store up for the information structure / object structure of that
// name (DataOn as given). False, with the store untouched, for a name that
// would leave its folder.
bool setupInformation(TStruktur &s, const QString &infodir, const QString &name, bool dataOn = true);
bool setupObject(TStruktur &s, const QString &scriptdir, const QString &name);
QString objectTreeFile(const QString &scriptdir, const QString &name);  // name + "Struktur.txt"
QString objectDataFile(const QString &scriptdir, const QString &name);  // name + "Data.txt"

// The information structures: the sub-folders of the "Struktur" folder whose
// names have no extension, by name.
QStringList informationStructures(const QString &infodir);

// The seven information structures with buttons of their own in the viewer.
const QStringList &builtinInformationNames();
bool isBuiltinInformation(const QString &name);
// Why an information structure may not be deleted; empty when it may.
QString protectionReason(const QString &name);

// The list files in the "Script" folder.
QString builtinListFile(const QString &scriptdir);  // "_strukturliste.txt"
QString userListFile(const QString &scriptdir);     // "_newStrukturliste.txt"
QStringList builtinObjectStructures(const QString &scriptdir);
QStringList userObjectStructures(const QString &scriptdir);  // sorted

// The entries of a drop-down of structures.
struct MenuItem {
    QString caption;
    QString hint;
    bool active = true;  // false for the "Ingen strukturer" placeholder
};
QList<MenuItem> userInformationMenu(const QStringList &informationNames);
QList<MenuItem> userObjectMenu(const QStringList &userObjectNames);
QString withoutAccelerators(const QString &caption);      // every "&" removed
QString withoutLeadingAccelerator(const QString &caption); // a leading "&" removed

// An object entry's payload split at "|": field 1 is the definition, fields
// 2 to 4 joined by CR LF the syntax.
struct PayloadFields {
    QString definition;
    QString syntax;
};
PayloadFields splitPayload(const QString &payload);

// The current-word search: a node matches when the lower-cased word stands at
// the start of the node's text lower-cased and kept to 0-9, "_", a-z, å, æ, ø.
QString wordMatchKey(const QString &text);
// The node index of the first match after the selected index (from node 0
// when selected is -1 or 0), wrapping round once; -1 when none matches.
int findCurrentWord(const TStrukturTree &tree, const QString &word, int selected);

// Runs of 0-9, A-Z, a-z are words; each takes the letter case of the first
// node whose text equals it ignoring case but differs in case. Everything else
// is copied. replaced counts the words changed.
QString correctCase(const QString &text, const TStrukturTree &tree, int *replaced = nullptr);

} // namespace taglund::StrukturLib
