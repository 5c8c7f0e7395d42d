#pragma once
#include <QString>
#include <QStringList>

namespace taglund {

// The four knowledge folders below the program folder.
struct TKnowledgeDirs {
    QString htmllistedir;
    QString attributedir;
    QString betweendir;
    QString valuedir;

    // "Dir\Html\", "Dir\Attributes\", "Dir\Betweentags\", "Dir\Values\" below programdir.
    static TKnowledgeDirs fromProgramDir(const QString &programdir);
};

struct TListFile {
    const char *file;
    const char *caption;
};

// Element categories by the index the panel's category buttons pass (0..13).
constexpr int kKategoriCount = 14;
const TListFile &kategoriFil(int index);
// Global attribute and event files by global index (1..4).
const TListFile &globalFil(int index);
bool isKategoriIndex(int index);
bool isGlobalIndex(int index);

namespace Knowledge {

// The file folder + name + ".txt", or empty when the name (read from a
// document or typed) could lead outside the folder: empty, ".", "..", or
// holding a separator, ":" or a control character.
QString listFile(const QString &folder, const QString &name);

// A panel list: the file's lines in file order, unsorted, duplicates kept.
// False (lines empty) when the file does not exist or cannot be read.
bool readList(const QString &path, QStringList &lines);

// The value file of attribute A of element E: A_E.txt when it exists, else
// A.txt. Empty when neither exists (or a name is unsafe).
QString valueFile(const QString &valuedir, const QString &element, const QString &attribute);

// The element a snippet row writes: from the second character up to the
// first ">" (the whole rest without ">"); empty for one character or less.
QString snippetName(const QString &snippet);

// The snippet written for element T: "<T>" without end tag, else "<T></T>".
QString snippetFor(const QString &tag, bool withoutEndTag);

// A value entry beginning with two capital letters A-Z is a heading: shown,
// never written into a document.
bool isValueHeading(const QString &entry);

// An autonomous custom element's name (my-widget): it begins with a small
// letter a-z, holds a hyphen, has no capitals and none of the few reserved
// SVG and MathML names. Such elements are valid without being listed.
bool isCustomElement(const QString &name);

// A data-* attribute: valid on every element, so no list can hold them all.
bool isDataAttribute(const QString &name);

} // namespace Knowledge
} // namespace taglund
