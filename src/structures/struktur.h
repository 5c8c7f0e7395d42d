#pragma once
#include "structures/strukturcodec.h"
#include "structures/strukturtree.h"

#include <QObject>
#include <QString>

namespace taglund {

// One structure: its tree with a data line per node, the two files it lives
// in and the store operations. No widgets: TStrukturView shows it.
class TStruktur : public QObject {
    Q_OBJECT
public:
    explicit TStruktur(QObject *parent = nullptr);

    // Set by the caller before HentStruktur.
    QString Strukturfile;   // tree file
    QString Datafile;       // data file
    QString Infomappe;      // pages folder of an information structure (ends with a separator); empty for object structures
    QString Billedmappe;    // images folder, kept for the callers
    QString Htmlmappe;      // design folder, kept for the callers
    bool DataOn = false;
    TNodeAttachMode Flytmode = naAdd;

    bool Modified() const { return m_modified; }
    void setModified(bool m) { m_modified = m; }

    bool HentStruktur();
    bool GemStruktur();
    void NyNode(const QString &Tekst, const QString &Data, int Index, bool sorter, bool gem);
    void RedigerNode(const QString &Tekst, const QString &Data, int Index, bool sorter, bool gem);
    void SletNode();

    QString SelectedData() const;
    QString getNodeTekst(const QString &DataUrl);
    bool setSelected(const QString &DataUrl);
    int getTheSelectedIndex() const;
    QString InfoFilnavn(const QString &Filefternavn) const;
    static bool FileDeleteRB(const QString &path);

    // Drag moves, fed by the view with the node under the pointer.
    void MusDown(TStrukturNode *underPointer);
    // True when the tree changed.
    bool MusUp(TStrukturNode *underPointer, bool somGrundnode);
    bool moveArmed() const { return m_dragged != nullptr; }

    // The tree's ordinary operations.
    const TStrukturTree &tree() const { return m_tree; }
    int Count() const { return m_tree.count(); }
    TStrukturNode *Node(int index) const { return m_tree.node(index); }
    TStrukturNode *Selected() const { return m_selected; }
    void select(TStrukturNode *node);
    void setExpanded(TStrukturNode *node, bool expanded);
    void expandAll();
    void collapseAll();
    // Expands every ancestor so the node can be seen.
    void makeVisible(TStrukturNode *node);
    void AlphaSort();
    void Clear();

    // The information page a node names: Infomappe + payload + ".html", or
    // empty when the node names none or its page name would leave the folder.
    QString pageOf(const TStrukturNode *node) const;

    // What the last load found wrong, and why the last load or save failed.
    int madeUpDataLines() const { return m_madeUp; }
    const StrukturCodec::TreeReport &treeReport() const { return m_report; }
    QString lastError() const { return m_error; }

signals:
    void changed();           // nodes added, removed, moved, renamed, or reloaded
    void selectionChanged();
    void expansionChanged();

private:
    void afterChange(bool sorter, bool gem);
    TStrukturNode *findByPage(const QString &DataUrl) const;
    void applyData(TStrukturNode &node, const QString &Data, int Index) const;

    TStrukturTree m_tree;
    TStrukturNode *m_selected = nullptr;
    TStrukturNode *m_dragged = nullptr;
    bool m_modified = false;
    int m_madeUp = 0;
    StrukturCodec::TreeReport m_report;
    QString m_error;
};

} // namespace taglund
