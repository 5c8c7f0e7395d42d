#pragma once
#include "core/editor.h"
#include "core/text/doctext.h"
#include "core/text/filefacts.h"
#include "core/text/textfile.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

class QSplitter;
class QToolBar;
class QVBoxLayout;

namespace taglund {

class TPieceDecoder;

// One open document: its editor, its name and number, and its caret facts.
class Twinform : public QWidget, public TEditorEvents {
    Q_OBJECT
public:
    struct Oprettelse {
        int DocNo = 0;
        QString Filnavn;      // empty for a new document
        QString DocExt;       // used when Filnavn is empty
        QString fontName = QStringLiteral("Courier New");
        int fontSize = 10;
    };
    explicit Twinform(const Oprettelse &o, QWidget *parent = nullptr);
    ~Twinform() override;

    QString Filnavn;
    QString CapNavn;
    QString DocExt;
    int DocNo = 0;
    int LinieAntal = 0;
    int CharAntal = 0;
    int posX = 0;
    int posY = 0;
    bool doScript = false;
    bool win_autoKode = false;
    QString fontNameDoc;
    int fontSizeDoc = 10;
    bool opstart = true;
    bool musNede = false;
    // The encoding the document was read in; a save keeps it when it can.
    TextEncoding encoding = TextEncoding::Cp1252;
    // What the RTF file held that a save drops ("billeder", "tabeller"), and
    // whether the user has agreed to lose it.
    QStringList rtfTab;
    bool rtfTabGodkendt = false;
    // The line ends of the file it was read from; a save keeps them.
    LineEnd lineEnd = LineEnd::CrLf;
    // The file as it was when last read or written here; a save that finds
    // it different on disk asks before overwriting another program's work.
    FileFacts::Stamp diskStamp;
    // A change on disk the user chose not to reload; not offered again.
    FileFacts::Stamp reloadDeclined;

    TDocText &text() { return *m_text; }
    const TDocText &text() const { return *m_text; }
    bool isRich() const { return m_rich != nullptr; }
    QWidget *editorWidget() const;
    TPlainEditor *plainEditor() const { return m_plain; }
    TRichEditor *richEditor() const { return m_rich; }
    QVBoxLayout *barArea() const { return m_bars; }
    // The document's own tool bar ("Dokumentlinje"), made at first use at the
    // top of the bar area; subsystems add their buttons to it in turn.
    QToolBar *documentBar();
    bool hasDocumentBar() const { return m_docBar != nullptr; }
    // The side panels (left) and the editor share this splitter.
    QSplitter *splitter() const { return m_split; }

    // Reads Filnavn into the editor and clears Modified. False, with the
    // system's error text, when the file cannot be read.
    bool loadFile(const QString &path, QString *error);
    // Loads a template into an untitled document; it stays unmodified until typed in.
    bool loadTemplate(const QString &path, QString *error);
    // The bytes a save writes, and the encoding they are in.
    QByteArray contentBytes(TextEncoding *used) const;

    // After a save under a new name.
    void skiftNavn(const QString &newFile);
    // Measures the caret into LinieAntal, posX, posY, CharAntal and reports it.
    void XYinfo();
    void setSplitLines(bool on);
    bool splitLines() const;

    // Asked when the window is about to close; false keeps it open.
    std::function<bool(Twinform *)> closeRequest;
    // A file large enough to be read in pieces reports how far it has come.
    std::function<void(int percent)> loadProgress;
    // Readers and writers for rich documents, set by the rich-text module.
    static std::function<bool(const QByteArray &, QTextDocument *, QString *)> rtfReader;
    static std::function<QByteArray(const QTextDocument *)> rtfWriter;

signals:
    void caretMeasured(Twinform *w);
    void keyReleased(Twinform *w);
    void mouseReleased(Twinform *w);
    void modifiedChanged(Twinform *w, bool modified);
    void closed(Twinform *w);

protected:
    void closeEvent(QCloseEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void editorKeyPressed() override;
    void editorKeyReleased() override;
    void editorMouseReleased() override;
    void editorMouseDragged() override;

private:
    void buildEditor(bool rich);
    bool fillInSteps(TPieceDecoder &pieces);
    void setCaption(const QString &cap);
    void layOutMore();

    QVBoxLayout *m_bars = nullptr;
    QToolBar *m_docBar = nullptr;
    QSplitter *m_split = nullptr;
    TPlainEditor *m_plain = nullptr;
    TRichEditor *m_rich = nullptr;
    std::unique_ptr<TDocText> m_text;
    // Lays out the split lines a piece at a time while the program is idle,
    // so a large page is on screen at once and its line count follows.
    QTimer m_layoutTimer;
    int m_layoutTicks = 0;
    bool m_closedSignalled = false;
};

// "Dokument (.html)" captions and the like.
QString untitledCaption(int docNo, const QString &docExt);
QString namedCaption(int docNo, const QString &file);

} // namespace taglund
