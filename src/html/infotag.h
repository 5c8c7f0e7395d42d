#pragma once
#include "html/knowledge.h"
#include "html/posdata.h"
#include "html/tagscan.h"
#include "html/tagset.h"
#include "html/tagtree.h"

#include <QColor>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

namespace taglund {

class TDocText;

// Font description for InsFont. Underline and strike-out play no part.
struct TFontDesc {
    QString family;
    int size = 10;  // whole points
    QColor color = Qt::black;
    bool bold = false;
    bool italic = false;
};

// Results of the checks besides a count.
constexpr int kIngenStruktur = -1;  // no document or no tree read
constexpr int kOptaget = -2;        // refused: a check or tree read is already running

// The HTML engine: the tag knowledge sets, the reader of the tag at the
// caret and of the document's tag tree, the code writer and the checks. It
// works on the active document's text operations (Editor, may be none) and
// never opens a window: progress, the busy cursor and pending events go
// through the callbacks its owner sets.
class Tinfotag {
public:
    Tinfotag();
    ~Tinfotag();
    Tinfotag(const Tinfotag &) = delete;
    Tinfotag &operator=(const Tinfotag &) = delete;

    // --- Owner wiring -------------------------------------------------
    void setDirs(const TKnowledgeDirs &dirs) { m_dirs = dirs; }
    const TKnowledgeDirs &dirs() const { return m_dirs; }
    void setEditor(TDocText *editor);
    TDocText *Editor() const { return m_editor; }

    std::function<void(int)> OnProgress;  // tree reading progress in percent
    std::function<void(bool)> OnBusy;     // show / restore the busy cursor

    // True while a tree read or a check runs; the owner refuses to close
    // documents meanwhile, and a second read or check is refused.
    bool busy() const { return m_busy; }

    // --- Knowledge sets ----------------------------------------------
    bool LoadNosluttagliste(const QString &Fname, QString *error = nullptr);
    bool LoadTagliste(const QString &Fname, QString *error = nullptr);
    bool LoadAlletagliste(const QString &Fname, QString *error = nullptr);
    bool LoadUAttributliste(const QString &Fname, QString *error = nullptr);
    bool LoadExcludeliste(const QString &Fname, QString *error = nullptr);
    // The five lists from the folders, in start-up order. On failure a
    // Danish message naming the file; the lists read before it stay.
    bool LoadKnowledge(QString *message = nullptr);

    const TTagSet &Nosluttagliste() const { return m_noEnd; }
    const TTagSet &Tagliste() const { return m_withEnd; }
    const TTagSet &AlleTagliste() const { return m_all; }
    const TTagSet &UAttributliste() const { return m_noValue; }
    const TTagSet &Excludeliste() const { return m_exclude; }

    // --- Tag reader ---------------------------------------------------
    TPosData PosData;
    QString GetTag();
    // Whether GetTag keeps a tag index of the current document (large
    // documents, once a scan near the caret did not settle).
    bool hasTagIndex() const { return m_index.built(); }

    // Rebuilds the tag tree from the whole document and remembers which
    // document (strukturNo) it came from. False when refused or when there
    // is no document.
    bool ReadStructure(int strukturNo = -1);
    TTagTree *tree() { return &m_tree; }
    const TTagTree *tree() const { return &m_tree; }
    // Selects in the document the tag of tree node `node`.
    void GotoTag(int node);

    QString FindOrd() const;
    QString FindOrdAsp() const;
    QString FindOrdAttribut() const;
    QString FindOrdCSS() const;
    QString FindOrdJs() const;

    int KontrolMode = 0;

    // --- Code writer --------------------------------------------------
    int cursPos = 0;
    bool autoKode = false;

    void UdskrivKoden(const QString &S);
    void UdskrivKode(const QString &S1, const QString &S2);
    void UdskrivKoder(const QString &S, QChar CurGoto, int antal);
    void UdskrivTekst(const QString &S1, const QString &S2, bool getCurpos, bool setCurpos, bool newLine);
    bool UdskrivSlutkode();
    void udskrivAttribut(const QString &aAttribut);
    void udskrivAttValue(const QString &aAttribut, const QString &aValue);
    void udskrivCssValue(const QString &aProp, const QString &aValue);
    void InsertLine(const QString &S, bool newLine, bool defCursPos, bool setCursPos);
    void udskrivExtern(const QString &S);
    void InsKode(const QStringList &aTekst, const QString &aKode);
    void InsFont(const TFontDesc &AFont, const QStringList &aTekst, const QString &aKode, bool aName,
                 bool aSize, bool aColor);
    static QString GetStyle(bool bold, bool italic);
    static QString GetColor(const QColor &color);

    // --- Checks -------------------------------------------------------
    int VisAttributter();
    int EndtagsKontrol();
    int ForMangeEndtag();
    int KodeKontrol();
    int AttributeKontrol(const QString &AttributeDir);
    // Sets KontrolMode and runs its check (mode 0 shows the attributes; the
    // attribute check uses the attribute folder). Use kontrolSaetning for
    // the status sentence.
    int Kontrol(int mode);

private:
    void ensureTagIndex();
    bool betweenScan(TDocScanner &d, int caret, int budget, int &openAt) const;
    void attributeScan(TDocScanner &d, int caret, int open);
    QString findWord(bool (*isWordChar)(QChar), bool useSelection) const;
    void afterChange();
    template <typename Check>
    int runCheck(Check check);

    TKnowledgeDirs m_dirs;
    TDocText *m_editor = nullptr;
    TTagSet m_noEnd, m_withEnd, m_all, m_noValue, m_exclude;
    int m_listGeneration = 0;
    TTextMirror m_mirror;
    bool m_mirrorRefused = false;
    TTagIndex m_index;
    QMetaObject::Connection m_watch;  // keeps m_mirror and m_index in step with the document's edits
    TTagTree m_tree;
    bool m_busy = false;
};

} // namespace taglund
