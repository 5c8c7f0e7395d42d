// The engine over the knowledge base the program ships: a page using
// current HTML5 throughout must give no findings. Skipped where the
// installation data is not in the source tree.
#include "htmltestutil.h"

#include "core/text/paths.h"
#include "html/checks.h"

#include <QFileInfo>

using namespace taglund;
using namespace taglund::test;

class TestShippedKnowledge : public QObject {
    Q_OBJECT
private slots:
    void currentHtml5HasNoFindings_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("missing end tags") << int(kmSlutkoder);
        QTest::newRow("surplus end tags") << int(kmForMange);
        QTest::newRow("unknown elements") << int(kmKoder);
        QTest::newRow("unknown attributes") << int(kmAttributter);
    }
    void currentHtml5HasNoFindings()
    {
        QFETCH(int, mode);
        const QString program = joinPath(QStringLiteral(TAGLUND_SOURCE_DIR), QStringLiteral("data/Program/"));
        if (!QFileInfo::exists(joinPath(program, QStringLiteral("Dir/Html/AlleKoder.txt"))))
            QSKIP("the installation data has no knowledge base here");
        Tinfotag engine;
        engine.setDirs(TKnowledgeDirs::fromProgramDir(program));
        QString message;
        QVERIFY2(engine.LoadKnowledge(&message), qPrintable(message));
        TestDoc doc(caseText(dataDir(QStringLiteral("pages")), QStringLiteral("html5.html")));
        engine.setEditor(doc.text.get());
        QVERIFY(engine.ReadStructure());
        const int found = engine.Kontrol(mode);
        QStringList marked;
        for (int id : engine.tree()->preOrder())
            if (!engine.tree()->node(id).remark.isEmpty())
                marked << engine.tree()->text(id);
        QVERIFY2(found == 0, qPrintable(marked.join(u'\n')));
    }
};

QTEST_MAIN(TestShippedKnowledge)
#include "tst_shippedknowledge.moc"
