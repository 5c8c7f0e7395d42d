#pragma once
#include "structures/strukturtree.h"

#include <QString>
#include <QStringList>

namespace taglund::StrukturCodec {

// What reading a tree file found besides the nodes.
struct TreeReport {
    int tooDeep = 0;  // lines more than one level deeper than the line before (attached one level deeper)
};

// Builds the tree from the tree file's lines: every leading TAB or blank is
// one level, the rest is the text; the first line is always a root.
void parseTree(const QStringList &lines, TStrukturTree &tree, TreeReport *report = nullptr);
QStringList treeLines(const TStrukturTree &tree);

// Gives node i data line i. A missing or empty line, or one whose first
// character is not a digit, reads as icon 0 with the node's text as payload,
// so one bad line never shifts the lines after it. Returns how many lines
// had to be made up that way.
int applyData(TStrukturTree &tree, const QStringList &lines);
// One line per node; "0" for a node without a data line.
QStringList dataLines(const TStrukturTree &tree);
// The data file generated for a tree without one: "0" + text per node.
QStringList generatedDataLines(const TStrukturTree &tree);

// Sets a node's data line from an icon and a payload.
void setData(TStrukturNode &node, int icon, const QString &payload);
void clearData(TStrukturNode &node);

// A text as it survives a round trip through the files: no line breaks
// (each becomes a blank), no leading TABs or blanks (they would read back as
// indentation).
QString storableText(const QString &text);
QString storablePayload(const QString &payload);

bool readTreeFile(const QString &path, TStrukturTree &tree, TreeReport *report = nullptr, QString *error = nullptr);

} // namespace taglund::StrukturCodec
