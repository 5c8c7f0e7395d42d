#include "app/commands/printing.h"

#include "core/text/paths.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryFile>
#include <QTextDocument>
#include <QTextFrame>

#include <cstdio>
#include <memory>

namespace taglund::Printing {

namespace {

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

// Frame margins are given in screen pixels and scaled to the paint device
// by the layout; how much is measured rather than assumed.
qreal layoutScale(QPaintDevice *device)
{
    QTextDocument probe;
    probe.documentLayout()->setPaintDevice(device);
    probe.setDocumentMargin(0);
    QTextFrameFormat frame = probe.rootFrame()->frameFormat();
    frame.setLeftMargin(1000);
    probe.rootFrame()->setFrameFormat(frame);
    probe.setPageSize(QSizeF(1e7, 1e7));
    const qreal x = probe.documentLayout()->blockBoundingRect(probe.firstBlock()).left();
    return x > 0 ? x / 1000 : 1;
}

// The document laid out for the printer on whole sheets of paper, the
// margins being the root frame's: lines that do not fit above the bottom
// margin move whole to the next sheet, so no line is ever cut in two.
std::unique_ptr<QTextDocument> layoutFor(const QTextDocument &source, QPrinter &printer, QSize paper,
                                         const QMargins &margins)
{
    std::unique_ptr<QTextDocument> doc(source.clone());
    doc->documentLayout()->setPaintDevice(&printer);
    const qreal scale = layoutScale(&printer);
    QTextFrameFormat frame = doc->rootFrame()->frameFormat();
    frame.setLeftMargin(margins.left() / scale);
    frame.setRightMargin(margins.right() / scale);
    frame.setTopMargin(margins.top() / scale);
    frame.setBottomMargin(margins.bottom() / scale);
    frame.setPadding(0);
    frame.setBorder(0);
    doc->rootFrame()->setFrameFormat(frame);
    QTextOption option = doc->defaultTextOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    doc->setDefaultTextOption(option);
    doc->setPageSize(paper);
    return doc;
}

// `paperOrigin` is where the paper's corner lies in the painter's
// coordinates (the printable part's corner is the origin).
void drawPage(QPainter &painter, QTextDocument &doc, QPoint paperOrigin, QSize paper, int page)
{
    painter.save();
    const QRectF sheet(0, qreal(page) * paper.height(), paper.width(), paper.height());
    painter.translate(paperOrigin.x(), paperOrigin.y() - sheet.top());
    painter.setClipRect(sheet);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = sheet;
    // The screen's style may well write light text on dark ground; paper is white.
    context.palette.setColor(QPalette::Text, Qt::black);
    context.palette.setColor(QPalette::Base, Qt::white);
    doc.documentLayout()->draw(&painter, context);
    painter.restore();
}

bool printJob(QPrinter &printer, QTextDocument &doc, QPoint paperOrigin, QSize paper, int copies)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const int pages = std::max(1, doc.pageCount());
    bool first = true;
    for (int copy = 0; copy < copies; ++copy) {
        for (int page = 0; page < pages; ++page) {
            if (!first && !printer.newPage()) {
                painter.end();
                return false;
            }
            first = false;
            drawPage(painter, doc, paperOrigin, paper, page);
        }
    }
    return painter.end();
}

} // namespace

bool printDocument(const QTextDocument &source, QPrinter &printer, const CommandText::TPrintSettings &settings,
                   QString *error)
{
    // The painter's origin is the corner of the printable part of the paper.
    printer.setFullPage(false);
    printer.setDocName(QString());
    const QPageLayout layout = printer.pageLayout();
    const QRect paper = layout.fullRectPixels(printer.resolution());
    const QRect printable = layout.paintRectPixels(printer.resolution());
    const QPoint unprintable = printable.topLeft() - paper.topLeft();
    const QRect area = CommandText::printArea(settings, printer.logicalDpiX(), printer.logicalDpiY(), paper.size(),
                                              unprintable);
    if (area.isEmpty()) {
        setError(error, CommandText::MarginsTooLargeMessage);
        return false;
    }
    // The area in the paper's own coordinates gives the four margins.
    const QRect onPaper = area.translated(unprintable);
    const QMargins margins(onPaper.left(), onPaper.top(), paper.width() - onPaper.right() - 1,
                           paper.height() - onPaper.bottom() - 1);
    std::unique_ptr<QTextDocument> doc = layoutFor(source, printer, paper.size(), margins);
    const bool toFile = !printer.outputFileName().isEmpty();
    const int jobs = toFile ? 1 : settings.copies;
    const int copiesPerJob = toFile ? settings.copies : 1;
    for (int job = 0; job < jobs; ++job) {
        if (!printJob(printer, *doc, -unprintable, paper.size(), copiesPerJob)) {
            setError(error, PrintFailedMessage);
            return false;
        }
        QCoreApplication::processEvents();
    }
    return true;
}

bool printToPdf(const QTextDocument &source, const QString &path, const CommandText::TPrintSettings &settings,
                QString *error)
{
    const QString target = normalSeparators(path);
    QTemporaryFile scratch(target + QStringLiteral(".XXXXXX"));
    if (!scratch.open()) {
        setError(error, PrintFailedMessage + u'\n' + scratch.errorString());
        return false;
    }
    scratch.close();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFileName(scratch.fileName());
    if (!printDocument(source, printer, settings, error))
        return false;
    // rename() replaces an existing file in one step where the system can;
    // elsewhere the old file has to go first.
    const QByteArray from = QFile::encodeName(scratch.fileName());
    const QByteArray to = QFile::encodeName(target);
    if (std::rename(from.constData(), to.constData()) != 0
        && !(QFile::remove(target) && std::rename(from.constData(), to.constData()) == 0)) {
        setError(error, PrintFailedMessage);
        return false;
    }
    scratch.setAutoRemove(false);
    return true;
}

} // namespace taglund::Printing
