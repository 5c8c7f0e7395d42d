#pragma once
// A stand-in for the main window: records what the structure windows ask of it.
#include "core/text/doctext.h"
#include "core/text/paths.h"
#include "structures/structurehost.h"
#include "structures/strukturtesthelp.h"

#include <QStringList>
#include <QTextDocument>

namespace taglund::test {

class FakeHost : public TStructureHost {
public:
    explicit FakeHost(const QString &root) : m_root(root) {}
    QString programdir() const override { return withTrailingSeparator(joinPath(m_root, "Program")); }
    QString infodir() const override { return joinPath(m_root, "Program", "Struktur"); }
    QString strukturdir() const override { return withTrailingSeparator(joinPath(m_root, "Program", "Script")); }
    QString optdir() const override { return joinPath(m_root, "bruger", "options"); }
    void openDocument(const QString &path) override
    {
        opened << path;
        activePath = path;
    }
    QString activeDocumentPath() const override { return activePath; }
    TDocText *activeDocText() override { return &text; }
    void closeActiveDocument() override
    {
        closed << activePath;
        activePath.clear();
    }
    void setFindText(const QString &t) override { findText = t; }
    QString jsObjektName() const override { return js; }
    void setJsObjektName(const QString &n) override { js = n; }

    // An information structure with its pages: tree lines, data lines, and
    // the pages to write (page name -> body).
    void addInfo(const QString &name, const QStringList &tree, const QStringList &data,
                 const QStringList &pages) const
    {
        const QString dir = joinPath(infodir(), name);
        QDir().mkpath(joinPath(dir, "tekstfiler", "Design og funktioner"));
        writeAll(joinPath(dir, "struktur.txt"), crlf(tree));
        writeAll(joinPath(dir, "data.txt"), crlf(data));
        for (const QString &p : pages)
            writeAll(joinPath(dir, "tekstfiler", p + ".html"),
                     QString("<html><head><title>%1</title></head><body><p>%1</p></body></html>")
                         .arg(p).toUtf8());
    }
    QString page(const QString &structure, const QString &name) const
    {
        return joinPath(infodir(), structure, "tekstfiler", name + ".html");
    }

    QStringList opened;
    QStringList closed;
    QString activePath;
    QString findText;
    QString js;
    QTextDocument doc;
    TDocText text{&doc};

private:
    QString m_root;
};

} // namespace taglund::test
