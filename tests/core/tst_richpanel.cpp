#include "core/richtext/colorgrid.h"
#include "core/richtext/fontsizes.h"
#include "core/richtext/plainpaste.h"
#include "core/richtext/richformat.h"
#include "core/richtext/richpanel.h"
#include "core/richtext/richtoolbar.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFontDatabase>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextList>
#include <QToolBar>
#include <QToolButton>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QtTest>

using namespace taglund;

namespace {

// Two installed scalable fonts, or none when the machine has fewer.
QStringList twoFonts()
{
    QStringList out;
    for (const QString &f : QFontDatabase::families())
        if (!QFontDatabase::isPrivateFamily(f) && QFontDatabase::isSmoothlyScalable(f) && out.size() < 2)
            out << f;
    return out;
}

QString familyOf(const QTextCharFormat &f)
{
    const QStringList fams = f.fontFamilies().toStringList();
    return fams.isEmpty() ? QString() : fams.first();
}

// A rich editor holding "abc def" with "abc" selected at the given size.
void fillRich(QTextEdit &e, double size)
{
    e.setPlainText("abc def");
    QTextCursor c(e.document());
    c.setPosition(0);
    c.setPosition(3, QTextCursor::KeepAnchor);
    QTextCharFormat f;
    f.setFontPointSize(size);
    c.mergeCharFormat(f);
    e.setTextCursor(c);
}

QTextCharFormat formatOf(QTextEdit &e, int pos)
{
    QTextCursor c(e.document());
    c.setPosition(pos + 1);
    return c.charFormat();
}

// A document window stand-in: an editor, the panel and the tool bar.
struct Window {
    QWidget w;
    QTextEdit edit;
    QToolBar bar;
    TRichPanel panel;
    TRichToolbar tools{&w};
    explicit Window(QWidget *parent = nullptr)
    {
        if (parent)
            w.setParent(parent);
        auto *l = new QVBoxLayout(&w);
        l->addWidget(&bar);
        l->addWidget(&panel);
        l->addWidget(&edit);
        tools.addTo(&bar);
        panel.attach(&edit);
        tools.attach(&edit);
    }
};

} // namespace

class TestRichPanel : public QObject {
    Q_OBJECT
private slots:
    void scalableList()
    {
        QCOMPARE(scalableFontSizes(), (QList<int>{8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72}));
    }

    void bitmapSizes_data()
    {
        QTest::addColumn<QList<int>>("cells");     // cell height, internal leading, ...
        QTest::addColumn<int>("dpi");
        QTest::addColumn<QList<int>>("points");
        QTest::newRow("96 dpi") << QList<int>{16, 3, 19, 3, 13, 3} << 96 << QList<int>{8, 10, 12};
        QTest::newRow("rounded to nearest") << QList<int>{16, 2} << 96 << QList<int>{11};
        QTest::newRow("repeats removed, ascending") << QList<int>{19, 3, 16, 3, 20, 4, 16, 3} << 96
                                                    << QList<int>{10, 12};
        QTest::newRow("120 dpi") << QList<int>{20, 4, 30, 5} << 120 << QList<int>{10, 15};
        QTest::newRow("no resolution counts as 96") << QList<int>{16, 3} << 0 << QList<int>{10};
        QTest::newRow("empty cells dropped") << QList<int>{3, 3, 2, 5, 16, 3} << 96 << QList<int>{10};
    }
    void bitmapSizes()
    {
        QFETCH(QList<int>, cells);
        QFETCH(int, dpi);
        QFETCH(QList<int>, points);
        QList<BitmapFontSize> sizes;
        for (int i = 0; i + 1 < cells.size(); i += 2)
            sizes.append({cells[i], cells[i + 1]});
        QCOMPARE(bitmapFontSizes(sizes, dpi), points);
    }

    void sizeToSelect_data()
    {
        QTest::addColumn<QList<int>>("sizes");
        QTest::addColumn<double>("keep");
        QTest::addColumn<double>("selected");
        const QList<int> scalable = scalableFontSizes();
        QTest::newRow("listed is kept") << scalable << 12.0 << 12.0;
        QTest::newRow("unlisted takes the first") << scalable << 13.0 << 8.0;
        QTest::newRow("fraction is not listed") << scalable << 10.5 << 8.0;
        QTest::newRow("bitmap listed") << QList<int>{10, 12} << 12.0 << 12.0;
        QTest::newRow("bitmap unlisted") << QList<int>{10, 12} << 9.0 << 10.0;
        QTest::newRow("empty list keeps") << QList<int>{} << 13.0 << 13.0;
    }
    void sizeToSelect()
    {
        QFETCH(QList<int>, sizes);
        QFETCH(double, keep);
        QFETCH(double, selected);
        QCOMPARE(taglund::sizeToSelect(sizes, keep), selected);
    }

    void missingFontCountsAsScalable()
    {
        QCOMPARE(fontSizeList("Ingen Saadan Skrift 4711"), scalableFontSizes());
        const QStringList fonts = twoFonts();
        if (fonts.isEmpty())
            QSKIP("no scalable font installed");
        QCOMPARE(fontSizeList(fonts.first()), scalableFontSizes());
    }

    void fontChoiceKeepsListedSize_data()
    {
        QTest::addColumn<bool>("rich");
        QTest::addColumn<double>("size");
        QTest::addColumn<double>("after");
        QTest::newRow("rich, listed") << true << 14.0 << 14.0;
        QTest::newRow("rich, unlisted") << true << 13.0 << 8.0;
        QTest::newRow("plain, listed") << false << 20.0 << 20.0;
        QTest::newRow("plain, unlisted") << false << 15.0 << 8.0;
    }
    void fontChoiceKeepsListedSize()
    {
        QFETCH(bool, rich);
        QFETCH(double, size);
        QFETCH(double, after);
        const QStringList fonts = twoFonts();
        if (fonts.size() < 2)
            QSKIP("needs two scalable fonts");
        TRichPanel panel;
        if (rich) {
            QTextEdit e;
            e.document()->setDefaultFont(QFont(fonts[0], 10));
            fillRich(e, size);
            panel.attach(&e);
            QSignalSpy changed(&panel, &TRichPanel::formatChanged);
            emit panel.fontBox()->textActivated(fonts[1]);
            QCOMPARE(changed.count(), 1);
            QCOMPARE(familyOf(formatOf(e, 0)), fonts[1]);
            QCOMPARE(formatOf(e, 0).fontPointSize(), after);
            // Outside the selection nothing changed.
            QCOMPARE(familyOf(formatOf(e, 5)), QString());
            QCOMPARE(panel.sizeBox()->currentText(), QString::number(after));
            QCOMPARE(panel.sizesFamily(), fonts[1]);
        } else {
            QPlainTextEdit e("hele teksten");
            QFont f(fonts[0]);
            f.setPointSizeF(size);
            e.setFont(f);
            panel.attach(&e);
            emit panel.fontBox()->textActivated(fonts[1]);
            QCOMPARE(e.font().family(), fonts[1]);
            QCOMPARE(e.font().pointSizeF(), after);
        }
    }

    void sizeButtonsApplyAndSelect_data()
    {
        QTest::addColumn<int>("points");
        for (int p : {10, 12, 14, 16, 18, 20, 24, 36})
            QTest::newRow(qPrintable(QString::number(p))) << p;
    }
    void sizeButtonsApplyAndSelect()
    {
        QFETCH(int, points);
        QTextEdit e;
        fillRich(e, 9);
        TRichPanel panel;
        panel.attach(&e);
        QAbstractButton *b = panel.sizeButton(points);
        QVERIFY(b);
        QCOMPARE(b->text(), QString::number(points));
        b->click();
        QCOMPARE(formatOf(e, 1).fontPointSize(), double(points));
        QCOMPARE(formatOf(e, 5).fontPointSize(), 0.0);
        QCOMPARE(panel.sizeBox()->currentText(), QString::number(points));
    }

    void sizeBoxApplies()
    {
        QTextEdit e;
        fillRich(e, 9);
        TRichPanel panel;
        panel.attach(&e);
        emit panel.sizeBox()->textActivated("22");
        QCOMPARE(formatOf(e, 0).fontPointSize(), 22.0);
        emit panel.sizeBox()->textActivated("ikke et tal");
        QCOMPARE(formatOf(e, 0).fontPointSize(), 22.0);
    }

    void colourGridSetsColourAndResetsBackground_data()
    {
        QTest::addColumn<int>("index");
        for (int i : {0, 4, 9, 15})
            QTest::newRow(qPrintable(gridColorName(i))) << i;
    }
    void colourGridSetsColourAndResetsBackground()
    {
        QFETCH(int, index);
        QTextEdit e;
        fillRich(e, 12);
        TRichPanel panel;
        panel.attach(&e);
        panel.colorGrid()->setBackgroundIndex(3);
        panel.colorGrid()->cell(index)->click();
        QCOMPARE(formatOf(e, 0).foreground().color(), gridColors()[index]);
        QCOMPARE(formatOf(e, 5).foreground().style(), Qt::NoBrush);
        QCOMPARE(panel.colorGrid()->foregroundIndex(), index);
        QCOMPARE(panel.colorGrid()->backgroundIndex(), 15);
        QCOMPARE(panel.colorGrid()->cell(index)->text(), index == 15 ? QString("FB") : QString("FG"));
    }

    void plainDocumentsChangeTheWholeEditor()
    {
        QPlainTextEdit e("tekst");
        TRichPanel panel;
        panel.attach(&e);
        panel.colorGrid()->cell(12)->click();
        QCOMPARE(e.palette().color(QPalette::Text), gridColors()[12]);
        panel.chooseSize(18);
        QCOMPARE(e.font().pointSizeF(), 18.0);
        // Nothing went into the text itself.
        QCOMPARE(e.document()->begin().begin().fragment().charFormat().foreground().style(), Qt::NoBrush);
    }

    void panelFollowsTheCaret()
    {
        const QStringList fonts = twoFonts();
        if (fonts.size() < 2)
            QSKIP("needs two scalable fonts");
        QTextEdit e;
        e.document()->setDefaultFont(QFont(fonts[0], 10));
        QTextCursor c(e.document());
        QTextCharFormat a;
        a.setFontFamilies({fonts[1]});
        a.setFontPointSize(20);
        a.setForeground(QColor(0, 0, 255));
        c.insertText("stor", a);
        QTextCharFormat b;
        b.setForeground(QColor(0x12, 0x34, 0x56));
        c.insertText("lille", b);
        TRichPanel panel;
        panel.attach(&e);
        panel.colorGrid()->setBackgroundIndex(2);

        QTextCursor at(e.document());
        at.setPosition(2);
        e.setTextCursor(at);  // the panel follows by itself
        QCOMPARE(panel.fontBox()->currentText(), fonts[1]);
        QCOMPARE(panel.sizeBox()->currentText(), QString("20"));
        QCOMPARE(panel.colorGrid()->foregroundIndex(), 12);
        QCOMPARE(panel.colorGrid()->backgroundIndex(), 15);

        at.setPosition(7);
        e.setTextCursor(at);
        panel.updateFromCaret();
        QCOMPARE(panel.fontBox()->currentText(), fonts[0]);
        QCOMPARE(panel.sizeBox()->currentText(), QString("10"));
        QCOMPARE(panel.colorGrid()->foregroundIndex(), -1);
    }

    void selectFontShowsWithoutApplying()
    {
        QTextEdit e("x");
        TRichPanel panel;
        panel.attach(&e);
        panel.selectFont("Ingen Saadan Skrift 4711", 13);
        QCOMPARE(panel.fontBox()->currentText(), QString("Ingen Saadan Skrift 4711"));
        QCOMPARE(panel.sizeBox()->currentText(), QString("8"));
        QCOMPARE(familyOf(formatOf(e, 0)), QString());
    }

    void richTextBoxIsDisplayOnly()
    {
        TRichPanel panel;
        panel.show();
        QVERIFY(panel.richTextBox()->isChecked());
        QTest::mouseClick(panel.richTextBox(), Qt::LeftButton);
        QVERIFY(panel.richTextBox()->isChecked());
    }

    void marginOnlyForRichText()
    {
        QWidget scope;
        TRichToolbar tools(&scope);
        QTextEdit rich;
        QPlainTextEdit plain;
        tools.attach(&plain);
        QVERIFY(!tools.marginAction()->isEnabled());
        QVERIFY(!tools.bulletAction()->isEnabled());
        QVERIFY(tools.fontAction()->isEnabled());
        QVERIFY(tools.colorAction()->isEnabled());
        tools.attach(&rich);
        QVERIFY(tools.marginAction()->isEnabled());
        tools.detach();
        QVERIFY(!tools.fontAction()->isEnabled());
    }

    void marginSetsEveryParagraph()
    {
        QWidget scope;
        TRichToolbar tools(&scope);
        QTextEdit e;
        e.setPlainText("en\nto\ntre");
        QTextBlockFormat wide;
        wide.setLeftMargin(30);
        wide.setTextIndent(-10);
        QTextCursor(e.document()).mergeBlockFormat(wide);
        QTextCursor c(e.document());
        c.setPosition(1);
        c.setPosition(4, QTextCursor::KeepAnchor);  // "en" and "to"
        e.setTextCursor(c);
        tools.attach(&e);
        tools.marginAction()->trigger();
        for (int i : {0, 1}) {
            const QTextBlockFormat f = e.document()->findBlockByNumber(i).blockFormat();
            QCOMPARE(f.textIndent(), 4.0);
            QCOMPARE(f.leftMargin(), 0.0);
            QCOMPARE(f.rightMargin(), 5.0);
        }
        QCOMPARE(e.document()->findBlockByNumber(2).blockFormat().rightMargin(), 0.0);
    }

    void styleToggles_data()
    {
        QTest::addColumn<QString>("which");
        QTest::newRow("Fed") << "Fed";
        QTest::newRow("Kursiv") << "Kursiv";
        QTest::newRow("Understreg") << "Understreg";
    }
    void styleToggles()
    {
        QFETCH(QString, which);
        QWidget scope;
        TRichToolbar tools(&scope);
        QTextEdit e;
        fillRich(e, 12);
        tools.attach(&e);
        QAction *a = which == "Fed" ? tools.boldAction() : which == "Kursiv" ? tools.italicAction()
                                                                            : tools.underlineAction();
        QCOMPARE(a->text(), which);
        auto on = [&](int pos) {
            const QTextCharFormat f = formatOf(e, pos);
            return which == "Fed" ? f.fontWeight() >= QFont::DemiBold
                                  : which == "Kursiv" ? f.fontItalic() : f.fontUnderline();
        };
        QVERIFY(!a->isChecked());
        a->trigger();
        QVERIFY(on(0));
        QVERIFY(!on(5));
        QVERIFY(a->isChecked());
        // The tick follows the caret.
        QTextCursor c(e.document());
        c.setPosition(6);
        e.setTextCursor(c);
        QVERIFY(!a->isChecked());
        c.setPosition(2);
        e.setTextCursor(c);
        QVERIFY(a->isChecked());
        // Toggling again, on the caret: what is typed next is plain again.
        a->trigger();
        e.textCursor().insertText("Z");
        QVERIFY(!on(2));
    }

    void plainStyleTogglesChangeTheEditorFont()
    {
        QWidget scope;
        TRichToolbar tools(&scope);
        QPlainTextEdit e("x");
        tools.attach(&e);
        tools.boldAction()->trigger();
        QVERIFY(e.font().bold());
        tools.italicAction()->trigger();
        QVERIFY(e.font().italic());
    }

    void bulletToggles()
    {
        QWidget scope;
        TRichToolbar tools(&scope);
        QTextEdit e;
        e.setPlainText("en\nto\ntre");
        QTextCursor c(e.document());
        c.setPosition(0);
        c.setPosition(4, QTextCursor::KeepAnchor);
        e.setTextCursor(c);
        tools.attach(&e);
        tools.bulletAction()->trigger();
        QTextList *list = e.document()->findBlockByNumber(0).textList();
        QVERIFY(list);
        QCOMPARE(list->format().style(), QTextListFormat::ListDisc);
        QCOMPARE(e.document()->findBlockByNumber(1).textList(), list);
        QVERIFY(!e.document()->findBlockByNumber(2).textList());
        QVERIFY(tools.bulletAction()->isChecked());

        // The next paragraph joins the list above it.
        c.setPosition(8);
        e.setTextCursor(c);
        QVERIFY(!tools.bulletAction()->isChecked());
        tools.bulletAction()->trigger();
        QCOMPARE(e.document()->findBlockByNumber(2).textList(), list);
        QCOMPARE(list->count(), 3);

        // Off again: out of the list, and no indent left behind.
        c.setPosition(0);
        c.setPosition(9, QTextCursor::KeepAnchor);
        e.setTextCursor(c);
        QVERIFY(tools.bulletAction()->isChecked());
        tools.bulletAction()->trigger();
        for (int i = 0; i < 3; ++i) {
            const QTextBlock b = e.document()->findBlockByNumber(i);
            QVERIFY(!b.textList());
            QCOMPARE(b.blockFormat().indent(), 0);
        }
    }

    void alignment_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<int>("alignment");
        QTest::newRow("Centrer") << "Centrer" << int(Qt::AlignHCenter);
        QTest::newRow("Højrestil") << QString::fromUtf8("Højrestil") << int(Qt::AlignRight);
        QTest::newRow("Venstrestil") << "Venstrestil" << int(Qt::AlignLeft);
    }
    void alignment()
    {
        QFETCH(QString, which);
        QFETCH(int, alignment);
        QWidget scope;
        TRichToolbar tools(&scope);
        QTextEdit e;
        e.setPlainText("en\nto");
        QTextBlockFormat centred;
        centred.setAlignment(Qt::AlignJustify);
        QTextCursor(e.document()).mergeBlockFormat(centred);
        tools.attach(&e);
        QAction *a = which == "Centrer" ? tools.centerAction() : which == "Venstrestil" ? tools.leftAction()
                                                                                          : tools.rightAction();
        QCOMPARE(a->text(), which);
        a->trigger();
        QCOMPARE(int(e.document()->begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask), alignment);
        QCOMPARE(e.document()->lastBlock().blockFormat().alignment(), Qt::AlignLeft);
        QVERIFY(a->isChecked());
    }

    void chooseColourAndFont()
    {
        QWidget scope;
        TRichToolbar tools(&scope);
        QTextEdit e;
        fillRich(e, 12);
        tools.attach(&e);
        QColor offered;
        tools.setColorChooser([&](const QColor &current, QWidget *) {
            offered = current;
            return QColor(10, 20, 30);
        });
        tools.colorAction()->trigger();
        QCOMPARE(offered, e.palette().color(QPalette::Text));
        QCOMPARE(formatOf(e, 0).foreground().color(), QColor(10, 20, 30));

        tools.setColorChooser([](const QColor &, QWidget *) { return QColor(); });  // cancelled
        tools.colorAction()->trigger();
        QCOMPARE(formatOf(e, 0).foreground().color(), QColor(10, 20, 30));

        tools.setFontChooser([](const QFont &current, QWidget *) -> std::optional<QFont> {
            if (current.pointSizeF() != 12)
                return std::nullopt;
            QFont f("Ingen Saadan Skrift 4711");
            f.setPointSize(26);
            f.setBold(true);
            f.setStrikeOut(true);
            return f;
        });
        tools.fontAction()->trigger();
        const QTextCharFormat f = formatOf(e, 0);
        QCOMPARE(familyOf(f), QString("Ingen Saadan Skrift 4711"));
        QCOMPARE(f.fontPointSize(), 26.0);
        QVERIFY(f.fontWeight() >= QFont::DemiBold);
        QVERIFY(f.fontStrikeOut());
        QVERIFY(tools.boldAction()->isChecked());

        QPlainTextEdit plain("p");
        tools.attach(&plain);
        tools.setFontChooser([](const QFont &, QWidget *) -> std::optional<QFont> { return QFont("Serif", 17); });
        tools.fontAction()->trigger();
        QCOMPARE(plain.font().pointSize(), 17);
        tools.setColorChooser([](const QColor &, QWidget *) { return QColor(200, 0, 0); });
        tools.colorAction()->trigger();
        QCOMPARE(plain.palette().color(QPalette::Text), QColor(200, 0, 0));
    }

    void shortcutsStayInTheirWindow()
    {
        // Two document windows inside one main window, as in the program.
        QWidget main;
        auto *l = new QHBoxLayout(&main);
        Window a(&main);
        Window b(&main);
        l->addWidget(&a.w);
        l->addWidget(&b.w);
        fillRich(a.edit, 12);
        fillRich(b.edit, 12);
        main.show();
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        for (Window *win : {&a, &b}) {
            win->edit.setFocus();
            QTest::keyClick(&win->edit, Qt::Key_B, Qt::ControlModifier);
        }
        // Each Ctrl+B reached only the window holding the focus: both are
        // bold once, neither toggled twice nor lost to an ambiguous shortcut.
        QVERIFY(formatOf(a.edit, 0).fontWeight() >= QFont::DemiBold);
        QVERIFY(formatOf(b.edit, 0).fontWeight() >= QFont::DemiBold);
        QTest::keyClick(&b.edit, Qt::Key_I, Qt::ControlModifier);
        QVERIFY(formatOf(b.edit, 0).fontItalic());
        QVERIFY(!formatOf(a.edit, 0).fontItalic());
    }

    void everyControlIsNamed()
    {
        Window win;
        QStringList names;
        for (QAction *act : win.bar.actions())
            if (QWidget *w = win.bar.widgetForAction(act))
                names << w->accessibleName();
        QCOMPARE(names, (QStringList{"Margin", "Prik", "Fed", "Kursiv", "Understreg", "Venstrestil", "Centrer",
                                     QString::fromUtf8("Højrestil"), QString::fromUtf8("Vælg farve"),
                                     QString::fromUtf8("Vælg font")}));
        QCOMPARE(win.tools.bulletAction()->shortcut(), QKeySequence("Ctrl+P"));
        QCOMPARE(win.tools.underlineAction()->shortcut(), QKeySequence("Ctrl+U"));
        QCOMPARE(win.panel.fontBox()->accessibleName(), QString("Fontnavn"));
        QCOMPARE(win.panel.sizeBox()->accessibleName(), QString::fromUtf8("Font størrelse"));
        QCOMPARE(win.panel.richTextBox()->accessibleName(), QString("RichText"));
        for (int p : {10, 12, 14, 16, 18, 20, 24, 36})
            QCOMPARE(win.panel.sizeButton(p)->accessibleName(), QString::number(p));
        for (int i = 0; i < gridColorCount; ++i)
            QVERIFY(!win.panel.colorGrid()->cell(i)->accessibleName().isEmpty());
    }

    void pasteFromWebPageIsPlain()
    {
        auto *mime = new QMimeData;
        mime->setHtml("<b>fed</b> <span style='color:red'>tekst</span>");
        mime->setText("fed tekst");
        QGuiApplication::clipboard()->setMimeData(mime);
        QTextEdit e;
        pasteFromWebPage(&e, QFont("Liberation Mono", 10));
        QCOMPARE(e.toPlainText(), QString("fed tekst"));
        QVERIFY(formatOf(e, 0).fontWeight() < QFont::DemiBold);
        QVERIFY(!QGuiApplication::clipboard()->mimeData()->hasHtml());
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("fed tekst"));
    }
};

QTEST_MAIN(TestRichPanel)
#include "tst_richpanel.moc"
