#include "ui/questions.h"
#include "ui/styles.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTreeWidget>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QtTest>

#include <cmath>

using namespace taglund::ui;

namespace {

// WCAG 2 relative luminance and contrast ratio.
double channel(int v)
{
    const double c = v / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor &c)
{
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

double distance(const QColor &a, const QColor &b)
{
    const double dr = a.red() - b.red();
    const double dg = a.green() - b.green();
    const double db = a.blue() - b.blue();
    return std::sqrt(dr * dr + dg * dg + db * db);
}

const QStringList TwelveNames = {"AMETHYSTKAMRI", "AQUALIGHTSLATE", "EMERALDLIGHTSLATE", "ICEBERGCLASSICO",
                                 "LAVENDERCLASSICO", "LIGHT", "LUNA", "SAPPHIREKAMRI", "SKY", "SLATECLASSICO",
                                 "SMOKEYQUARTZKAMRI", "TURQUOISEGRAY"};

class PaintCounter : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent *) override { ++paints; }
};

QStringList warnings;
void collectWarnings(QtMsgType type, const QMessageLogContext &, const QString &msg)
{
    // The offscreen platform's own remarks on window sizes are no concern here.
    if ((type == QtWarningMsg || type == QtCriticalMsg) && !msg.contains(QLatin1String("propagateSizeHints")))
        warnings << msg;
}

} // namespace

class TestStyles : public QObject {
    Q_OBJECT
private slots:
    void names()
    {
        QCOMPARE(styleNames(), TwelveNames + QStringList{plainStyleName()});
        QCOMPARE(defaultStyleName(), QStringLiteral("Sky"));
        QCOMPARE(styleCaption("SMOKEYQUARTZKAMRI"), QStringLiteral("Smokey Quartz Kamri"));
        QCOMPARE(styleCaption("sky"), QStringLiteral("Sky"));
    }

    void resolve_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("resolved");
        QTest::newRow("empty means Sky") << "" << "SKY";
        QTest::newRow("default spelling") << "Sky" << "SKY";
        QTest::newRow("lower case") << "lavenderclassico" << "LAVENDERCLASSICO";
        QTest::newRow("blanks around") << " LUNA " << "LUNA";
        QTest::newRow("unknown") << "Carbon" << "SKY";
        QTest::newRow("plain") << "standard" << "Standard";
        QTest::newRow("plain, older name") << "Windows" << "Standard";
    }
    void resolve()
    {
        QFETCH(QString, stored);
        QFETCH(QString, resolved);
        QCOMPARE(resolveStyleName(stored), resolved);
    }

    // Every place that shows text keeps WCAG's 4.5:1 for normal text.
    void readable_data()
    {
        QTest::addColumn<QString>("style");
        for (const QString &n : TwelveNames)
            QTest::newRow(qPrintable(n)) << n;
        QTest::newRow("plain") << plainStyleName();
    }
    void readable()
    {
        QFETCH(QString, style);
        const QPalette p = stylePalette(style);
        struct RolePair { QPalette::ColorRole fg, bg; const char *what; };
        const RolePair rolePairs[] = {
            {QPalette::WindowText, QPalette::Window, "window text"},
            {QPalette::Text, QPalette::Base, "text"},
            {QPalette::Text, QPalette::AlternateBase, "text on alternate rows"},
            {QPalette::PlaceholderText, QPalette::Base, "placeholder"},
            {QPalette::ButtonText, QPalette::Button, "button text"},
            {QPalette::ButtonText, QPalette::Window, "flat button text"},
            {QPalette::HighlightedText, QPalette::Highlight, "selection"},
            {QPalette::ToolTipText, QPalette::ToolTipBase, "tool tip"},
            {QPalette::Link, QPalette::Base, "link"},
            {QPalette::LinkVisited, QPalette::Base, "visited link"},
            {QPalette::WindowText, QPalette::Button, "label on button face"},
        };
        for (auto group : {QPalette::Active, QPalette::Inactive}) {
            for (const RolePair &r : rolePairs) {
                const double ratio = contrast(p.color(group, r.fg), p.color(group, r.bg));
                if (ratio < 4.5)
                    QFAIL(qPrintable(QStringLiteral("%1: %2 has contrast %3").arg(style, r.what).arg(ratio)));
            }
        }
        const TStyleColours *c = styleColours(style);
        if (!c) {
            QCOMPARE(styleSheet(style), QString());
            return;
        }
        struct SheetPair { QColor fg, bg; const char *what; };
        const SheetPair sheetPairs[] = {
            {c->chromeText, c->chrome, "menu bar / tool bar"},
            {c->chromeText, c->chromeTop, "tool bar gradient top"},
            {c->hoverText, c->hover, "control under the mouse"},
            {c->menuText, c->menu, "menu"},
            {c->menuSelectedText, c->menuSelected, "chosen menu item"},
            {c->tabText, c->tab, "tab"},
            {c->tabSelectedText, c->tabSelected, "selected tab"},
            {c->headerText, c->header, "list header"},
            {c->statusText, c->status, "status bar"},
            {c->buttonText, c->button, "button gradient bottom"},
            {c->buttonText, c->buttonTop, "button gradient top"},
            {c->windowText, c->window, "group box title / check box"},
            {c->toolTipText, c->toolTip, "tool tip"},
            {c->text, c->alternateBase, "alternate row"},
        };
        for (const SheetPair &s : sheetPairs) {
            const double ratio = contrast(s.fg, s.bg);
            if (ratio < 4.5)
                QFAIL(qPrintable(QStringLiteral("%1: %2 has contrast %3").arg(style, s.what).arg(ratio)));
        }
        // Disabled text must look disabled: fainter than enabled text.
        QVERIFY(contrast(c->disabledText, c->window) < contrast(c->windowText, c->window));
    }

    // No two styles look alike: their main surfaces and accent differ.
    void distinct()
    {
        for (int i = 0; i < TwelveNames.size(); ++i) {
            for (int j = i + 1; j < TwelveNames.size(); ++j) {
                const TStyleColours *a = styleColours(TwelveNames[i]);
                const TStyleColours *b = styleColours(TwelveNames[j]);
                const double total = distance(a->window, b->window) + distance(a->chrome, b->chrome)
                                     + distance(a->highlight, b->highlight) + distance(a->mdiArea, b->mdiArea)
                                     + distance(a->tabSelected, b->tabSelected);
                if (total / 5 < 25)
                    QFAIL(qPrintable(QStringLiteral("%1 and %2 look alike (%3)")
                                         .arg(TwelveNames[i], TwelveNames[j]).arg(total / 5)));
            }
        }
    }

    void sheetsAreComplete_data()
    {
        readable_data();
    }
    void sheetsAreComplete()
    {
        QFETCH(QString, style);
        const QString sheet = styleSheet(style);
        if (!styleColours(style))
            return;
        QVERIFY2(!sheet.contains(u'@'), qPrintable(sheet));
        for (const char *part : {"QMenuBar", "QMenu::item:selected", "QToolBar", "QToolButton", "QStatusBar",
                                 "QTabBar::tab:selected", "QHeaderView::section", "QPushButton",
                                 "QCheckBox", "QTreeView"})
            QVERIFY2(sheet.contains(QLatin1String(part)), part);
        QVERIFY(sheet.contains(styleColours(style)->chrome.name()));
    }

    void apply_data()
    {
        readable_data();
    }
    void apply()
    {
        QFETCH(QString, style);
        QMdiArea area;
        QPushButton button("Gem");
        area.show();
        button.show();
        warnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler(collectWarnings);
        const QString applied = applyStyle(style);
        QCoreApplication::processEvents();
        qInstallMessageHandler(previous);
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join('\n')));

        QCOMPARE(applied, resolveStyleName(style));
        QCOMPARE(currentStyleName(), applied);
        const TStyleColours *c = styleColours(style);
        if (c) {
            QCOMPARE(QApplication::palette().color(QPalette::Window), c->window);
            QCOMPARE(QApplication::palette().color(QPalette::Highlight), c->highlight);
            QCOMPARE(button.palette().color(QPalette::ButtonText), c->buttonText);
            QCOMPARE(area.background().color(), c->mdiArea);
            // A document area made after the style was applied takes it too.
            QMdiArea later;
            later.show();
            QCOMPARE(later.background().color(), c->mdiArea);
            QCOMPARE(qApp->styleSheet(), styleSheet(style));
            QVERIFY(QApplication::style()->inherits("QStyleSheetStyle"));
        } else {
            std::unique_ptr<QStyle> plain(QStyleFactory::create("Fusion"));
            QCOMPARE(QApplication::palette().color(QPalette::Window), plain->standardPalette().color(QPalette::Window));
            QCOMPARE(qApp->styleSheet(), QString());
            QCOMPARE(QApplication::style()->name().toLower(), QStringLiteral("fusion"));
        }
    }

    void applyRepaintsWindows()
    {
        PaintCounter w;
        w.resize(200, 100);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCoreApplication::processEvents();
        applyStyle("LUNA");
        const int before = w.paints;
        applyStyle("SAPPHIREKAMRI");
        QTRY_VERIFY(w.paints > before);
        QCOMPARE(w.palette().color(QPalette::Window), styleColours("SAPPHIREKAMRI")->window);
    }

    // Switching from one style to another reaches widgets inside others,
    // also those that the sheet's rules give palettes of their own.
    void childrenTakeTheNewColours()
    {
        QMdiArea area;
        auto *editor = new QPlainTextEdit("tekst");
        area.addSubWindow(editor)->show();
        QTreeWidget tree;
        area.show();
        tree.show();
        applyStyle("SAPPHIREKAMRI");
        QCoreApplication::processEvents();
        applyStyle("SKY");
        QCoreApplication::processEvents();
        const TStyleColours *sky = styleColours("SKY");
        QCOMPARE(editor->palette().color(QPalette::Base), sky->base);
        QCOMPARE(editor->palette().color(QPalette::Text), sky->text);
        QCOMPARE(tree.palette().color(QPalette::Base), sky->base);
        QCOMPARE(tree.palette().color(QPalette::Highlight), sky->highlight);
        QCOMPARE(tree.palette().color(QPalette::AlternateBase), sky->alternateBase);
    }

    void choose_data()
    {
        QTest::addColumn<QString>("designName");
        QTest::addColumn<QString>("wanted");
        QTest::addColumn<bool>("documentOpen");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("designAfter");
        QTest::addColumn<QString>("applied");
        QTest::addColumn<QStringList>("messages");
        const int applied = int(StyleChoice::Applied);
        const int unchanged = int(StyleChoice::Unchanged);
        const int refused = int(StyleChoice::DocumentOpen);
        const QStringList none;
        const QStringList closeFirst = {QString::fromUtf8("Luk alle dokumenter og prøv igen!")};
        QTest::newRow("other style") << "Sky" << "LUNA" << false << applied << "LUNA" << "LUNA" << none;
        QTest::newRow("same, other case") << "Sky" << "SKY" << false << unchanged << "Sky" << "LIGHT" << none;
        QTest::newRow("empty is Sky") << "" << "SKY" << false << unchanged << "" << "LIGHT" << none;
        QTest::newRow("document open") << "Sky" << "LUNA" << true << refused << "Sky" << "LIGHT" << closeFirst;
        QTest::newRow("plain") << "LUNA" << "Standard" << false << applied << "Standard" << "Standard" << none;
    }
    void choose()
    {
        QFETCH(QString, designName);
        QFETCH(QString, wanted);
        QFETCH(bool, documentOpen);
        QFETCH(int, result);
        QFETCH(QString, designAfter);
        QFETCH(QString, applied);
        QFETCH(QStringList, messages);
        applyStyle("LIGHT");
        Script script;
        setScript(&script);
        QString design = designName;
        const StyleChoice choice = chooseStyle(wanted, design, documentOpen, nullptr);
        setScript(nullptr);
        QCOMPARE(int(choice), result);
        QCOMPARE(design, designAfter);
        QCOMPARE(currentStyleName(), applied);
        QCOMPARE(script.messages, messages);
    }
};

QTEST_MAIN(TestStyles)
#include "tst_styles.moc"
