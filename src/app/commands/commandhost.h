#pragma once
#include <QFont>
#include <QString>

class QWidget;

namespace taglund {

class TDocText;

// What the main window gives the boxes of its commands: they never see the
// main window itself, only this.
class TCommandHost {
public:
    virtual ~TCommandHost() = default;

    // The active document's text, or nullptr while no document is open.
    virtual TDocText *activeText() const = 0;
    // The window the boxes and their messages belong to.
    virtual QWidget *hostWindow() const = 0;
    // The active document's file (`Filnavn`); empty while untitled or none.
    virtual QString activeFileName() const { return {}; }

    // After a command moved the caret or changed the text (the status bar's
    // caret information).
    virtual void caretChanged() {}

    // The shared program folder (`programdir`), where "htmlUdskrift.html" lies.
    virtual QString programFolder() const { return {}; }
    // The font of new documents (`bogstavName`, `bogstavSize`).
    virtual QFont documentFont() const { return QFont(QStringLiteral("Courier New"), 10); }

    // The HTML engine's line writer: writes one line at the caret of the
    // active document and leaves the caret at the start of the next line.
    // Without an engine the line is inserted at the caret with a line break.
    virtual void writeLine(const QString &line);

    // Opens the structure viewer on a structure and entry.
    virtual void helpInfo(const QString &structure, const QString &entry)
    {
        Q_UNUSED(structure);
        Q_UNUSED(entry);
    }
};

} // namespace taglund
