#include "app/commands/commandhost.h"
#include "app/commands/printform.h"
#include "app/commands/printing.h"
#include "core/text/doctext.h"
#include "support/testsupport.h"
#include "ui/questions.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

using namespace taglund;
using CommandText::TPrintSettings;

namespace {

struct TestHost : TCommandHost {
    QTextDocument doc;
    TDocText text{&doc};
    bool open = true;
    QString file;
    TDocText *activeText() const override { return open ? const_cast<TDocText *>(&text) : nullptr; }
    QWidget *hostWindow() const override { return nullptr; }
    QString activeFileName() const override { return file; }
};

bool havePoppler()
{
    return !QStandardPaths::findExecutable("pdftotext").isEmpty()
           && !QStandardPaths::findExecutable("pdftoppm").isEmpty();
}

QByteArray run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    return p.readAllStandardOutput();
}

QString pdfText(const QString &path)
{
    return QString::fromUtf8(run("pdftotext", {"-enc", "UTF-8", path, "-"}));
}

// Words in reading order, whatever the lines and pages in between.
QStringList words(const QString &text)
{
    return text.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
}

struct Box {
    double xMin = -1, yMin = -1;
};

// Where pdftotext finds the first word on the first page, in points.
Box firstWord(const QString &path)
{
    const QString html = QString::fromUtf8(run("pdftotext", {"-bbox", "-f", "1", "-l", "1", path, "-"}));
    const QRegularExpressionMatch m = QRegularExpression("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"").match(html);
    Box b;
    if (m.hasMatch()) {
        b.xMin = m.captured(1).toDouble();
        b.yMin = m.captured(2).toDouble();
    }
    return b;
}

// The darkest grey level on the first page, rendered small.
int darkestPixel(const QString &pdf, const QString &folder)
{
    const QString stem = folder + "/page";
    run("pdftoppm", {"-gray", "-r", "40", "-f", "1", "-l", "1", "-singlefile", pdf, stem});
    QImage page(stem + ".pgm");
    if (page.isNull())
        return -1;
    int darkest = 255;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            darkest = std::min(darkest, qGray(page.pixel(x, y)));
    return darkest;
}

TPrintSettings margins(double left, double top, int copies = 1)
{
    TPrintSettings s;
    s.left = left;
    s.top = top;
    s.copies = copies;
    return s;
}

} // namespace

class TestPrinting : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (!havePoppler())
            QSKIP("pdftotext/pdftoppm (poppler-utils) are needed to read the printed PDF files");
    }

    void pdfHoldsTheText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("copies");
        QTest::addColumn<int>("pages");
        QTest::newRow("short") << "Hej verden\r\nAnden linje" << 1 << 1;
        QTest::newRow("danish letters") << QString::fromUtf8("Æblegrød på højkant, Åen løber") << 1 << 1;
        QString longLine;
        for (int i = 0; i < 120; ++i)
            longLine += QStringLiteral("ord%1 ").arg(i);
        QTest::newRow("long line wraps") << longLine.trimmed() << 1 << 1;
        QString many;
        for (int i = 1; i <= 180; ++i)
            many += QStringLiteral("Linje%1\r\n").arg(i);
        QTest::newRow("several pages") << many << 1 << 3;
        QTest::newRow("two copies") << "Kopi af teksten" << 2 << 2;
        QTest::newRow("empty document") << "" << 1 << 1;
    }
    void pdfHoldsTheText()
    {
        QFETCH(QString, text);
        QFETCH(int, copies);
        QFETCH(int, pages);
        QTemporaryDir dir;
        TestHost host;
        host.doc.setDefaultFont(QFont("Courier New", 10));
        host.text.setText(text);
        const QString pdf = dir.filePath("ud.pdf");
        QString error;
        QVERIFY2(Printing::printToPdf(host.doc, pdf, margins(2.5, 2, copies), &error), qPrintable(error));
        const QString printed = pdfText(pdf);
        QStringList expected;
        for (int c = 0; c < copies; ++c)
            expected += words(text);
        QCOMPARE(words(printed), expected);
        QCOMPARE(int(printed.count(u'\f')), pages);
        // Nothing is left beside the file.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"ud.pdf"});
    }

    void marginsAreMeasuredFromThePaper_data()
    {
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("top");
        QTest::newRow("standard") << 2.5 << 2.0;
        QTest::newRow("wide") << 5.0 << 4.0;
        QTest::newRow("none") << 0.0 << 0.0;
    }
    void marginsAreMeasuredFromThePaper()
    {
        QFETCH(double, left);
        QFETCH(double, top);
        QTemporaryDir dir;
        QTextDocument doc;
        TDocText(&doc).setText("Margen");
        const QString pdf = dir.filePath("m.pdf");
        QVERIFY(Printing::printToPdf(doc, pdf, margins(left, top)));
        const Box b = firstWord(pdf);
        const double points = 72 / 2.54;
        QVERIFY2(std::abs(b.xMin - left * points) < 2, qPrintable(QString::number(b.xMin)));
        // The word's box starts a little below the line's top.
        QVERIFY2(b.yMin >= top * points - 1 && b.yMin < top * points + 6, qPrintable(QString::number(b.yMin)));
        QVERIFY(run("pdfinfo", {pdf}).contains("(A4)"));
    }

    // A dark screen style must not print light text on white paper.
    void printsDarkOnWhite()
    {
        QTemporaryDir dir;
        const QPalette saved = QApplication::palette();
        QPalette dark = saved;
        dark.setColor(QPalette::Text, Qt::white);
        dark.setColor(QPalette::Base, Qt::black);
        QApplication::setPalette(dark);
        QTextDocument doc;
        doc.setDefaultFont(QFont("Courier New", 28));
        TDocText(&doc).setText("MMMMMMMM\r\nMMMMMMMM");
        const QString pdf = dir.filePath("d.pdf");
        const bool printed = Printing::printToPdf(doc, pdf, margins(2.5, 2));
        QApplication::setPalette(saved);
        QVERIFY(printed);
        const int darkest = darkestPixel(pdf, dir.path());
        QVERIFY(darkest >= 0);
        QVERIFY2(darkest < 100, qPrintable(QString::number(darkest)));
    }

    void failuresLeaveFilesAlone_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<double>("left");
        QTest::addColumn<QString>("message");
        QTest::newRow("folder missing") << "nowhere/ud.pdf" << 2.5 << Printing::PrintFailedMessage;
        QTest::newRow("margins wider than paper") << "ud.pdf" << 30.0 << CommandText::MarginsTooLargeMessage;
    }
    void failuresLeaveFilesAlone()
    {
        QFETCH(QString, relative);
        QFETCH(double, left);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(relative);
        if (QFileInfo(pdf).dir().exists())
            test::writeAll(pdf, "tidligere");
        QTextDocument doc;
        TDocText(&doc).setText("tekst");
        QString error;
        QVERIFY(!Printing::printToPdf(doc, pdf, margins(left, 2), &error));
        QVERIFY2(error.startsWith(message), qPrintable(error));
        if (QFileInfo(pdf).dir().exists()) {
            QCOMPARE(test::readAll(pdf), QByteArray("tidligere"));
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"ud.pdf"});
        } else {
            QVERIFY(!QFile::exists(pdf));
        }
    }

    void fieldsKeepOnlyWhatTheyMay_data()
    {
        QTest::addColumn<int>("field");   // 0..3 margins, 4 copies
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("margin letters") << 0 << "2a,5" << "2,5";
        QTest::newRow("margin dot") << 1 << "1.5" << "15";
        QTest::newRow("margin blank") << 2 << "2 ,5" << "2,5";
        QTest::newRow("margin double comma stays for the check") << 3 << "2,,5" << "2,,5";
        QTest::newRow("copies comma") << 4 << "1,2" << "12";
        QTest::newRow("copies minus") << 4 << "-3" << "3";
    }
    void fieldsKeepOnlyWhatTheyMay()
    {
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        TestHost host;
        TPrintForm form(&host);
        QLineEdit *fields[] = {form.leftField(), form.rightField(), form.topField(), form.bottomField(),
                               form.copiesField()};
        QLineEdit *f = fields[field];
        f->clear();
        QTest::keyClicks(f, typed);
        QCOMPARE(f->text(), kept);
        QCOMPARE(f->cursorPosition(), int(kept.size()));
        // Pasted text is filtered the same way.
        f->clear();
        f->insert(typed);
        QCOMPARE(f->text(), kept);
    }

    void standardRestoresTheDefaults()
    {
        TestHost host;
        TPrintForm form(&host);
        for (QLineEdit *f : {form.leftField(), form.rightField(), form.topField(), form.bottomField(), form.copiesField()})
            f->setText("9");
        form.restoreStandard();
        QCOMPARE(form.leftField()->text(), QStringLiteral("2,5"));
        QCOMPARE(form.rightField()->text(), QStringLiteral("1"));
        QCOMPARE(form.topField()->text(), QStringLiteral("2"));
        QCOMPARE(form.bottomField()->text(), QStringLiteral("1,5"));
        QCOMPARE(form.copiesField()->text(), QStringLiteral("1"));
        QCOMPARE(form.targetBox()->itemText(form.targetBox()->count() - 1), TPrintForm::pdfTarget());
        for (QWidget *w : form.findChildren<QWidget *>())
            if (qobject_cast<QLineEdit *>(w) || qobject_cast<QPushButton *>(w) || qobject_cast<QComboBox *>(w))
                QVERIFY2(!w->accessibleName().isEmpty(), w->metaObject()->className());
    }

    void printBox_data()
    {
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("copies");
        QTest::addColumn<bool>("existing");
        QTest::addColumn<QList<ui::Answer>>("answers");
        QTest::addColumn<bool>("printed");
        QTest::addColumn<QStringList>("messages");
        const QStringList missing = {CommandText::MissingValueMessage};
        QTest::newRow("prints") << "2,5" << "1" << false << QList<ui::Answer>{} << true << QStringList{};
        QTest::newRow("comma only") << "," << "1" << false << QList<ui::Answer>{} << false << missing;
        QTest::newRow("double comma") << "2,,5" << "1" << false << QList<ui::Answer>{} << false << missing;
        QTest::newRow("empty margin") << "" << "1" << false << QList<ui::Answer>{} << false << missing;
        QTest::newRow("no copies") << "2,5" << "" << false << QList<ui::Answer>{} << false << missing;
        QTest::newRow("overwrite yes") << "2,5" << "1" << true << QList<ui::Answer>{ui::Answer::Ja} << true
                                       << QStringList{};
        QTest::newRow("overwrite no") << "2,5" << "1" << true << QList<ui::Answer>{ui::Answer::Nej} << false
                                      << QStringList{};
    }
    void printBox()
    {
        QFETCH(QString, left);
        QFETCH(QString, copies);
        QFETCH(bool, existing);
        QFETCH(QList<ui::Answer>, answers);
        QFETCH(bool, printed);
        QFETCH(QStringList, messages);
        QTemporaryDir dir;
        const QString pdf = dir.filePath("side.pdf");
        if (existing)
            test::writeAll(pdf, "tidligere");
        TestHost host;
        host.text.setText("Udskrevet side");
        host.file = dir.filePath("side.html");
        TPrintForm form(&host);
        form.leftField()->setText(left);
        form.copiesField()->setText(copies);
        form.targetBox()->setCurrentText(TPrintForm::pdfTarget());
        ui::Script script;
        script.answers = answers;
        QString proposed;
        script.saveFileName = [&](const QString &, const QString &p) {
            proposed = p;
            return dir.filePath("side");   // the extension is added
        };
        ui::setScript(&script);
        form.print();
        ui::setScript(nullptr);
        QCOMPARE(script.messages, messages);
        QCOMPARE(form.result() == QDialog::Accepted, printed);
        if (messages.isEmpty())
            QCOMPARE(proposed, pdf);
        if (printed)
            QCOMPARE(words(pdfText(pdf)), QStringList({"Udskrevet", "side"}));
        else if (existing)
            QCOMPARE(test::readAll(pdf), QByteArray("tidligere"));
        else
            QVERIFY(!QFile::exists(pdf));
    }
};

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
