#include "core/winform.h"
#include "core/plainlayout.h"
#include "core/rtf/rtfreader.h"
#include "core/text/charsetdecision.h"
#include "core/text/paths.h"
#include "core/text/piecedecoder.h"

#include <QCloseEvent>
#include <QElapsedTimer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QScrollBar>
#include <QSplitter>
#include <QToolBar>
#include <QVBoxLayout>
#include <future>

namespace taglund {

std::function<bool(const QByteArray &, QTextDocument *, QString *)> Twinform::rtfReader;

namespace {
constexpr qsizetype kSplitLimit = 4 * 1024 * 1024;
// A line longer than this, split at the window edge, costs the text layout
// minutes (it looks for break points again and again); such a document opens
// unsplit, where the line is laid out once.
constexpr qsizetype kLongLineLimit = 20000;

bool hasLineLongerThan(const QString &text, qsizetype limit)
{
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == u'\n' || c == u'\r') {
            if (i - start > limit)
                return true;
            start = i + 1;
        }
    }
    return n - start > limit;
}
} // namespace
std::function<QByteArray(const QTextDocument *)> Twinform::rtfWriter;

QString untitledCaption(int docNo, const QString &docExt)
{
    return QString::number(docNo) + QStringLiteral(". Dokument (") + docExt + u')';
}

QString namedCaption(int docNo, const QString &file)
{
    return QString::number(docNo) + QStringLiteral(". ") + fileNameOf(file);
}

Twinform::Twinform(const Oprettelse &o, QWidget *parent) : QWidget(parent)
{
    DocNo = o.DocNo;
    Filnavn = o.Filnavn;
    fontNameDoc = o.fontName;
    fontSizeDoc = o.fontSize;
    if (!Filnavn.isEmpty()) {
        CapNavn = namedCaption(DocNo, Filnavn);
        DocExt = extensionOf(Filnavn).toLower();
    } else {
        DocExt = o.DocExt;
        CapNavn = untitledCaption(DocNo, DocExt);
    }
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_bars = new QVBoxLayout;
    m_bars->setContentsMargins(0, 0, 0, 0);
    m_bars->setSpacing(0);
    layout->addLayout(m_bars);
    m_split = new QSplitter(Qt::Horizontal, this);
    m_split->setChildrenCollapsible(false);
    layout->addWidget(m_split, 1);
    buildEditor(DocExt.compare(QStringLiteral(".rtf"), Qt::CaseInsensitive) == 0);
    setCaption(CapNavn);
    m_layoutTimer.setInterval(0);
    connect(&m_layoutTimer, &QTimer::timeout, this, &Twinform::layOutMore);
    setAttribute(Qt::WA_DeleteOnClose);
}

Twinform::~Twinform()
{
    // The document text operations refer to the editor's document: drop them first.
    m_text.reset();
}

void Twinform::buildEditor(bool rich)
{
    QFont f(fontNameDoc, fontSizeDoc);
    f.setStyleHint(QFont::TypeWriter);
    QTextDocument *doc = nullptr;
    TCaretHost *host = nullptr;
    QWidget *ed = nullptr;
    if (rich) {
        m_rich = new TRichEditor(this, this);
        m_rich->setFont(f);
        doc = m_rich->document();
        host = m_rich;
        ed = m_rich;
    } else {
        m_plain = new TPlainEditor(this, this);
        doc = new QTextDocument(m_plain);
        doc->setDocumentLayout(new TPlainLayout(doc));
        m_plain->setDocument(doc);
        m_plain->setFont(f);
        host = m_plain;
        ed = m_plain;
    }
    doc->setDefaultFont(f);
    m_text = std::make_unique<TDocText>(doc, host);
    m_split->addWidget(ed);
    setFocusProxy(ed);
    connect(doc, &QTextDocument::modificationChanged, this, [this](bool m) { emit modifiedChanged(this, m); });
    connect(doc, &QTextDocument::contentsChanged, this, [this] { XYinfo(); });
}

QWidget *Twinform::editorWidget() const
{
    return m_rich ? static_cast<QWidget *>(m_rich) : static_cast<QWidget *>(m_plain);
}

void Twinform::setCaption(const QString &cap)
{
    setWindowTitle(cap);
    setAccessibleName(cap);
    editorWidget()->setAccessibleName(cap);
}

bool Twinform::loadFile(const QString &path, QString *error)
{
    QByteArray bytes;
    // Taken before reading: a change made while we read shows as a change.
    const FileFacts::Stamp stamp = FileFacts::stampOf(path);
    if (!TextFile::readBytes(path, bytes, error))
        return false;
    diskStamp = stamp;
    QTextDocument *doc = m_text->document();
    if (m_rich) {
        if (!rtfReader) {
            if (error)
                *error = tr("Rich text kan ikke læses i denne udgave af programmet.");
            return false;
        }
        if (!rtfReader(bytes, doc, error))
            return false;
        rtfTab = rtfLostOnSave(bytes);
    } else {
        encoding = declaredDocumentEncoding(bytes, extensionOf(path));
        // A huge file is decoded a piece at a time as it goes in, so its text
        // is never held whole beside the document.
        TPieceDecoder pieces(bytes, encoding);
        const bool huge = bytes.size() > kSplitLimit;
        const QString whole = huge ? QString() : pieces.rest();
        // Splitting the lines of a huge file at the window edge means laying
        // out every paragraph on each change; such files open unsplit
        // ("Linier opdeles" turns it back on). So do files with a very long line.
        if ((huge || hasLineLongerThan(whole, kLongLineLimit)) && m_plain->splitsLines())
            m_plain->setSplitLines(false);
        // The caret stays at the top while the text goes in: each change has
        // the caret measured, and at the end of the text that would lay out
        // every line before the window is even shown.
        QTextCursor top(doc);
        top.setKeepPositionOnInsert(true);
        m_plain->setTextCursor(top);
        if (huge) {
            if (!fillInSteps(pieces))
                return false;
        } else {
            doc->setPlainText(whole);
        }
        lineEnd = pieces.lineEnd();
        doc->setProperty(kSeparatorsMasked, pieces.masked());
    }
    doc->setModified(false);
    QTextCursor c(doc);
    c.setPosition(0);
    if (m_rich)
        m_rich->setTextCursor(c);
    else
        m_plain->setTextCursor(c);
    XYinfo();
    return true;
}

bool Twinform::fillInSteps(TPieceDecoder &pieces)
{
    // A huge file goes in a piece at a time, with the window's events handled
    // every few hundredths of a second, so the program keeps painting while
    // it loads. The next piece is decoded on a second thread while Qt takes
    // in the one before.
    QTextDocument *doc = m_text->document();
    QPointer<Twinform> alive(this);
    m_plain->setReadOnly(true);
    doc->setUndoRedoEnabled(false);
    doc->clear();
    auto decodeNext = [&pieces] { return pieces.next(); };
    std::future<QString> ahead = std::async(std::launch::async, decodeNext);
    QElapsedTimer sinceEvents;
    sinceEvents.start();
    for (;;) {
        const QString piece = ahead.get();
        const bool last = pieces.atEnd();
        const int percent = pieces.percentRead();
        if (!last)
            ahead = std::async(std::launch::async, decodeNext);
        QTextCursor c(doc);
        c.movePosition(QTextCursor::End);
        c.insertText(piece);
        if (last)
            break;
        if (sinceEvents.elapsed() < 40)
            continue;
        if (loadProgress)
            loadProgress(percent);
        // The window is not among the documents yet, so nothing the user
        // does meanwhile can save or change the half-read text.
        QCoreApplication::processEvents();
        sinceEvents.restart();
        if (!alive) {
            ahead.wait();
            return false;
        }
    }
    if (loadProgress)
        loadProgress(100);
    doc->setUndoRedoEnabled(true);
    m_plain->setReadOnly(false);
    return true;
}

bool Twinform::loadTemplate(const QString &path, QString *error)
{
    // Loaded like a file, but the document stays untitled.
    if (!loadFile(path, error))
        return false;
    diskStamp = {};
    return true;
}

QByteArray Twinform::contentBytes(TextEncoding *used) const
{
    if (m_rich && rtfWriter) {
        if (used)
            *used = TextEncoding::Cp1252;
        return rtfWriter(m_text->document());
    }
    QString t = m_text->Text();
    if (m_text->document()->property(kSeparatorsMasked).toBool())
        t = unmaskSeparators(t);
    const TextEncoding e = decideDocumentCharset(t, DocExt, encoding).encoding;
    if (used)
        *used = e;
    return TextFile::encode(TextFile::withLineEnd(t, lineEnd), e);
}

void Twinform::skiftNavn(const QString &newFile)
{
    Filnavn = newFile;
    CapNavn = namedCaption(DocNo, newFile);
    setWindowTitle(fileNameOf(newFile));
    setAccessibleName(CapNavn);
    editorWidget()->setAccessibleName(CapNavn);
    DocExt = extensionOf(newFile);
}

QToolBar *Twinform::documentBar()
{
    if (!m_docBar) {
        m_docBar = new QToolBar(this);
        m_docBar->setIconSize(QSize(22, 16));  // room for letter icons
        m_docBar->setAccessibleName(QStringLiteral("Dokumentlinje"));
        m_bars->insertWidget(0, m_docBar);
    }
    return m_docBar;
}

void Twinform::XYinfo()
{
    if (!m_text)
        return;
    const QPoint p = m_text->CaretPos();
    LinieAntal = m_text->LineCountSoFar();
    if (!m_text->LayoutComplete() && !m_layoutTimer.isActive())
        m_layoutTimer.start();
    posX = p.x();
    posY = p.y();
    // Length of Text() (two characters per break) without building it.
    CharAntal = m_text->Length() + (m_text->document()->blockCount() - 1) - posY;
    emit caretMeasured(this);
}

void Twinform::layOutMore()
{
    // A few milliseconds a turn keeps keys and painting answered at once.
    const bool done = !m_text || m_text->LayOutSome(4);
    if (done)
        m_layoutTimer.stop();
    if (m_text && (done || ++m_layoutTicks % 25 == 0))
        XYinfo();
}

void Twinform::setSplitLines(bool on)
{
    if (m_rich)
        m_rich->setSplitLines(on);
    else
        m_plain->setSplitLines(on);
    XYinfo();
}

bool Twinform::splitLines() const
{
    return m_rich ? m_rich->splitsLines() : m_plain->splitsLines();
}

void Twinform::closeEvent(QCloseEvent *e)
{
    if (closeRequest && !closeRequest(this)) {
        e->ignore();
        return;
    }
    e->accept();
    if (!m_closedSignalled) {
        m_closedSignalled = true;
        emit closed(this);
    }
}

void Twinform::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    XYinfo();
}

void Twinform::editorKeyPressed()
{
    XYinfo();
}

void Twinform::editorKeyReleased()
{
    emit keyReleased(this);
    XYinfo();
}

void Twinform::editorMouseReleased()
{
    musNede = false;
    emit mouseReleased(this);
    XYinfo();
}

void Twinform::editorMouseDragged()
{
    musNede = true;
    XYinfo();
}

} // namespace taglund
