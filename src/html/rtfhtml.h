#pragma once
#include <QColor>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QTextDocument;

namespace taglund {

// What the converter needs to know of a text: its logical lines (paragraphs,
// and the soft line breaks inside them), each with its paragraph's alignment
// and first-line indent and its characters in runs of one format.
struct THtmlFormat {
    QString font;
    double size = 10;
    QColor colour = Qt::black;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const THtmlFormat &) const = default;
};

struct THtmlLinje {
    enum Align { Left, Right, Center };
    Align align = Left;
    int indent = 0;         // pixels, written without a unit
    QString text;
    // Runs over `text`: each ends at `end` (exclusive). An empty line has one
    // run of length 0: the format of its line end.
    struct Run {
        int end;
        THtmlFormat format;
    };
    std::vector<Run> runs;
    const THtmlFormat &formatAt(int i) const;
};

// A plain text in one font and size, black, left-aligned without indent.
std::vector<THtmlLinje> htmlLinjerFraTekst(const QString &text, const QString &fontName, double fontSize);
// The paragraphs of a rich document (as the RTF reader builds it).
std::vector<THtmlLinje> htmlLinjerFraDokument(const QTextDocument &doc);

using THtmlFremdrift = std::function<void(int percent)>;

// The HTML lines for the text: paragraph elements with alignment, indent,
// font, size and colour; font elements where a character's font, size or
// colour differs from its paragraph's; <b>, <i>, <u> inside the lines; "<br>"
// for line ends; runs of blanks kept with "&nbsp;". "<", ">" and "&" are
// escaped, and characters Windows-1252 lacks become "&#N;".
QStringList RTF_HTML(const std::vector<THtmlLinje> &linjer, const THtmlFremdrift &fremdrift = {});

struct TRtfHtmlResultat {
    bool ok = false;
    QString fejl;         // the system's error text when the file could not be read
    QStringList linjer;
};
// Reads the file (RTF when its bytes are RTF, otherwise plain text in the
// given font) and converts it.
TRtfHtmlResultat RTF_HTML(const QString &sourceFilename, const QString &fontName, double fontSize,
                          const THtmlFremdrift &fremdrift = {});

// "Udskift" and "Annuller": the angle brackets of a text to and from their
// character references. Only whole references inside the text are undone.
QString udskiftSpecialtegn(const QString &text);
QString gendanSpecialtegn(const QString &text);

} // namespace taglund
