// Times what the structure viewer costs: creating it at program start (no
// web engine yet) and its first show with a page loaded (target under 2 s).
#include "core/text/doctext.h"
#include "core/text/paths.h"
#include "core/text/textfile.h"
#include "structures/infoform.h"
#include "structures/structurehost.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextStream>
#include <cstdio>
#include <unistd.h>

using namespace taglund;

namespace {

class BenchHost : public TStructureHost {
public:
    explicit BenchHost(const QString &root) : m_root(root) {}
    QString programdir() const override { return joinPath(m_root, "Program/"); }
    QString infodir() const override { return joinPath(m_root, "Program", "Struktur"); }
    QString strukturdir() const override { return joinPath(m_root, "Program", "Script/"); }
    QString optdir() const override { return joinPath(m_root, "options"); }
    void openDocument(const QString &) override {}
    QString activeDocumentPath() const override { return {}; }
    TDocText *activeDocText() override { return nullptr; }
    void closeActiveDocument() override {}
    void setFindText(const QString &) override {}
    QString jsObjektName() const override { return {}; }
    void setJsObjektName(const QString &) override {}

private:
    QString m_root;
};

// An "Information" structure of 2000 entries in 40 groups, each with a page.
void makeStructure(const QString &infodir)
{
    const QString dir = joinPath(infodir, "Information");
    const QString pages = joinPath(dir, "tekstfiler");
    QDir().mkpath(pages);
    QStringList tree{"Information"}, data{"3Information"};
    for (int g = 0; g < 40; ++g) {
        tree << QString("\tGruppe %1").arg(g);
        data << QString("6gruppe%1").arg(g);
        for (int i = 0; i < 50; ++i) {
            tree << QString("\t\tEmne %1.%2").arg(g).arg(i);
            data << QString("0emne%1_%2").arg(g).arg(i);
        }
    }
    TextFile::writeLines(joinPath(dir, "struktur.txt"), tree);
    TextFile::writeLines(joinPath(dir, "data.txt"), data);
    for (const QString &d : data) {
        const QString name = d.mid(1);
        TextFile::writeLines(joinPath(pages, name + ".html"),
                             {"<!DOCTYPE html>", "<html><head><title>" + name + "</title></head>",
                              "<body><h1>" + name + "</h1><p>Side til måling.</p></body></html>"});
    }
}

void setDefault(const char *name, const char *value)
{
    if (!qEnvironmentVariableIsSet(name))
        qputenv(name, value);
}

} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("DISPLAY") && !qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
        setDefault("QT_QPA_PLATFORM", "offscreen");
    setDefault("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --no-sandbox");
    if (geteuid() == 0)
        setDefault("QTWEBENGINE_DISABLE_SANDBOX", "1");

    QElapsedTimer appTimer;
    appTimer.start();
    QApplication app(argc, argv);
    const qint64 appMs = appTimer.elapsed();

    QTemporaryDir root;
    BenchHost host(root.path());
    makeStructure(host.infodir());

    QElapsedTimer t;
    t.start();
    auto *viewer = new Tinfoform(&host);
    const qint64 createMs = t.elapsed();

    t.restart();
    bool loaded = false;
    QObject::connect(&viewer->logic(), &TInfoViewer::historyChanged, &app, [&] {
        if (!viewer->logic().hjemmeside().isEmpty())
            loaded = true;
    });
    viewer->HelpInfo("Information", "Emne 39.49");
    while (!loaded && t.elapsed() < 30000)
        app.processEvents(QEventLoop::AllEvents, 20);
    const qint64 firstShowMs = t.elapsed();

    t.restart();
    loaded = false;
    viewer->HelpInfo("Information", "Emne 0.0");
    while (!loaded && t.elapsed() < 30000)
        app.processEvents(QEventLoop::AllEvents, 20);
    const qint64 nextPageMs = t.elapsed();

    std::printf("QApplication oprettet:                    %6lld ms\n", static_cast<long long>(appMs));
    std::printf("Viser oprettet ved start (uden web):      %6lld ms  (2001 elementer)\n",
                static_cast<long long>(createMs));
    std::printf("Første visning med side indlæst:          %6lld ms  (mål: under 2000 ms)%s\n",
                static_cast<long long>(firstShowMs), loaded || firstShowMs < 30000 ? "" : "  IKKE INDLÆST");
    std::printf("Næste side:                               %6lld ms\n", static_cast<long long>(nextPageMs));
    delete viewer;
    return firstShowMs < 2000 ? 0 : 1;
}
