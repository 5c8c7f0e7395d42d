// Reading the CSS lists: value kinds, the lookup list, and names from list
// files that must not lead out of the CSS folders.
#include "core/text/textfile.h"
#include "css/cssviden.h"
#include "support/testsupport.h"

#include <QDir>
#include <QtTest>

using namespace taglund;
using namespace taglund::test;

class TestViden : public QObject {
    Q_OBJECT
private slots:
    void kinds_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("kind");
        QTest::newRow("length") << "LENGTH" << int(TCssVaerdiArt::Enhed);
        QTest::newRow("procent") << "PROCENT" << int(TCssVaerdiArt::Enhed);
        QTest::newRow("color") << "COLOR" << int(TCssVaerdiArt::Farve);
        QTest::newRow("colon heading") << ":Delegenskaber" << int(TCssVaerdiArt::Overskrift);
        QTest::newRow("capital heading") << "Lengths" << int(TCssVaerdiArt::Overskrift);
        QTest::newRow("cross reference") << "1. animation-name" << int(TCssVaerdiArt::Henvisning);
        QTest::newRow("unknown reference") << "2. animation-nothing" << int(TCssVaerdiArt::Vaerdi);
        QTest::newRow("decimal") << "0.5" << int(TCssVaerdiArt::Vaerdi);
        QTest::newRow("decimal whose tail is a property") << "0.25" << int(TCssVaerdiArt::Henvisning);
        QTest::newRow("keyword") << "space-between" << int(TCssVaerdiArt::Vaerdi);
        QTest::newRow("lower-case length") << "length" << int(TCssVaerdiArt::Vaerdi);
    }
    void kinds()
    {
        QFETCH(QString, value);
        QFETCH(int, kind);
        QCOMPARE(int(TCssViden::art(value, {"animation-name", "5"})), kind);
    }

    void unsafeNamesReadAsMissing_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("property");
        QTest::newRow("slash") << "Animation" << "../../secret";
        QTest::newRow("backslash") << "Animation" << "..\\secret";
        QTest::newRow("dots") << ".." << "x";
        QTest::newRow("empty group") << "" << "x";
        QTest::newRow("empty property") << "Animation" << "";
        QTest::newRow("blank") << "Animation" << "  ";
    }
    void unsafeNamesReadAsMissing()
    {
        QFETCH(QString, group);
        QFETCH(QString, property);
        TempRoot root;
        const QString program = root.path() + "/Program/";
        // A file the unsafe names would reach if they were followed.
        QDir().mkpath(program + "CSS/Values/Animation");
        QDir().mkpath(program + "CSS/Properties");
        QVERIFY(TextFile::writeLines(program + "CSS/secret.txt", {"hemmelig"}));
        QVERIFY(TextFile::writeLines(program + "CSS/Values/x.txt", {"hemmelig"}));
        TCssViden v(program);
        QVERIFY(v.vaerdiFil(group, property).isEmpty());
        QVERIFY(v.vaerdier(group, property).isEmpty());
        QVERIFY(v.egenskaber(property).isEmpty());
    }

    void lookupList()
    {
        TempRoot root;
        const QString program = root.path() + "/Program/";
        QDir().mkpath(program + "Dir");
        TCssViden v(program);
        QVERIFY(!v.gruppeFor("color"));  // no file
        QVERIFY(TextFile::writeLines(program + "Dir/alleCssProp.txt",
                                     {"@font-face", "Font", "color", "Color", "font", "Font", "Border-Top-Width",
                                      "Background and Border", "orphan"}));
        QCOMPARE(v.gruppeFor("font"), std::optional<QString>("Font"));  // not the group line of @font-face
        QCOMPARE(v.gruppeFor("COLOR"), std::optional<QString>("Color"));
        QCOMPARE(v.gruppeFor("border-top-width"), std::optional<QString>("Background and Border"));
        QVERIFY(!v.gruppeFor("border"));  // whole lines only
        QVERIFY(!v.gruppeFor("orphan"));  // no group line after it
    }

    void listsKeepFileOrder()
    {
        TempRoot root;
        const QString program = root.path() + "/Program/";
        QDir().mkpath(program + "CSS/Properties");
        QDir().mkpath(program + "CSS/Values/Color");
        QVERIFY(TextFile::writeLines(program + "CSS/Properties/Color.txt", {"opacity", "color"}));
        QVERIFY(TextFile::writeBytes(program + "CSS/Values/Color/color.txt", "\xEF\xBB\xBFr\xC3\xB8" "d\r\nCOLOR\r\n"));
        TCssViden v(program);
        QCOMPARE(v.egenskaber("Color"), QStringList({"opacity", "color"}));
        QCOMPARE(v.vaerdier("Color", "color"), QStringList({"rød", "COLOR"}));
        QVERIFY(v.egenskaber("Marquee").isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestViden)
#include "tst_viden.moc"
