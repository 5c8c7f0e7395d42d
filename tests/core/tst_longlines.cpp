// Documents with lines far longer than a window: they open, and the caret
// moves, in well under the minutes that splitting such a line costs.
#include "core/winform.h"
#include "support/testsupport.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

using namespace taglund;

namespace {
// Sanitizers make Qt's text layout several times slower; without them the
// bound is one second.
#if defined(__SANITIZE_ADDRESS__)
constexpr qint64 kBoundMs = 4000;
#else
constexpr qint64 kBoundMs = 1000;
#endif
} // namespace

class TestLongLines : public QObject {
    Q_OBJECT
private slots:
    void openAndMoveTheCaret_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("split");
        QTest::addColumn<int>("lines");
        QTest::newRow("1 MB without a break point") << QByteArray(1 << 20, 'x') << false << 1;
        QTest::newRow("100,000 nested elements")
            << QByteArray("<b>").repeated(100000) + "x" + QByteArray("</b>").repeated(100000) << false << 1;
        QTest::newRow("long line among short ones")
            << QByteArray("<p>\n") + QByteArray(30000, 'y') + "\n</p>" << false << 3;
        // Ordinary long lines still split at the window edge.
        QTest::newRow("10,000 characters") << QByteArray("a ").repeated(5000) << true << -1;
    }
    void openAndMoveTheCaret()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, split);
        QFETCH(int, lines);
        QTemporaryDir dir;
        const QString path = dir.filePath("lang.html");
        test::writeAll(path, text);
        QElapsedTimer t;
        t.start();
        Twinform::Oprettelse o;
        o.Filnavn = path;
        Twinform w(o);
        w.resize(900, 600);
        w.show();
        QString error;
        QVERIFY2(w.loadFile(path, &error), qPrintable(error));
        QCoreApplication::processEvents();
        const qint64 opening = t.restart();
        w.text().setSelStart(w.text().Length() / 2);
        w.XYinfo();
        QCoreApplication::processEvents();
        const qint64 moving = t.elapsed();
        QVERIFY2(opening < kBoundMs, qPrintable(QString("opening took %1 ms").arg(opening)));
        QVERIFY2(moving < kBoundMs, qPrintable(QString("moving the caret took %1 ms").arg(moving)));
        QCOMPARE(w.splitLines(), split);
        if (lines > 0)
            QCOMPARE(w.text().LineCount(), lines);   // unsplit, a line is a line of the file
        else
            QVERIFY(w.text().LineCount() > 1);
        if (lines == 1)
            QCOMPARE(w.posX, w.text().Length() / 2);
    }
};

QTEST_MAIN(TestLongLines)
#include "tst_longlines.moc"
