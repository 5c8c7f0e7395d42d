#pragma once
#include "script/valuesindex.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

namespace taglund {

class TDocText;
class TStruktur;

// One row of the explanation list: its text and the icon index that picks
// its picture and style (9 header, 8 topic, 10 error, 11 information, 0 to 3
// object/property/function/sub, -1 none).
struct TInfoRow {
    QString text;
    int icon = -1;
    bool operator==(const TInfoRow &o) const { return text == o.text && icon == o.icon; }
};

// A row of the object registry (instance, object type) or of the variable
// registry (name, type).
struct TRegRow {
    QString name;
    QString type;
    bool operator==(const TRegRow &o) const { return name == o.name && type == o.type; }
};

// What the analysis found for one line.
struct TlinjeRecord {
    QString Emne;
    QString Info;
    QString Information;
    bool ParentesError = false;
    QString Obj;
    QString PreObjekt;
    QString Objekt;
    QString Metode;
    QString ReturnVal;
    QString VariabelValue;
    QString Paratype;
    QString Parametre;
    int ParamCount = 0;
    int GaseCount = 0;
    int ParentesCount = 0;
};

// The VBScript analyser: reads a document's lines one by one, keeps a
// registry of the objects and variables the script introduces, looks
// objects, members and built-in functions up in the values structure, and
// explains each line. It never opens a window: messages, progress and the
// pauses in which the owner repaints go through the callbacks below.
class TwinScript {
public:
    TwinScript();

    // --- Owner wiring ---------------------------------------------------
    // The document analysed. The owner clears it before the document goes.
    TDocText *Editor = nullptr;
    // The values structure. Copied into an index; call valuesReloaded after
    // the structure was loaded again, which also forgets the current nodes.
    void setStrukturValues(const TStruktur *s);
    void valuesReloaded();
    const TStruktur *StrukturValues() const { return m_values; }
    // The "script" object structure the box shows; the analysis does not read it.
    const TStruktur *Struktur = nullptr;

    bool KunFejlInfo = false;
    bool IkkeNonAna = false;

    // An information message with one OK button. A pass shows each text at
    // most once, so a failing operation never floods the user with boxes.
    std::function<void(const QString &)> OnMessage;
    // Progress: maximum = line count, position = lines done.
    std::function<void(int position, int maximum)> OnProgress;
    // Called between lines now and then while a pass runs, so the owner can
    // repaint; returning false cancels the pass.
    std::function<bool()> OnPump;

    // --- Lists ------------------------------------------------------------
    const QVector<TInfoRow> &infoBox() const { return m_info; }
    const QVector<TRegRow> &ObjektDis() const { return m_objekter; }
    const QVector<TRegRow> &VariabelDis() const { return m_variabler; }
    // Empties the explanation list and both registries without seeding them ("Rens lister").
    void clearLists();
    // The box writes its own findings ("Ukendt objekt: ...") into the same list.
    void clearInfo() { m_info.clear(); }
    void addInfo(const QString &text, int icon) { m_info.push_back({text, icon}); }

    // --- Analysis -------------------------------------------------------
    // -1: every line, keeping all explanations. n (0-based): lines 0 to n
    // (clamped to the last line), emptying the explanation list before each
    // so that only line n's rows remain. False when refused (a pass is
    // running, or no document) or cancelled.
    bool registerAll(int toLinjeNo = -1);
    bool busy() const { return m_busy; }
    // Stops a running pass after the current line; the editor is not read again.
    void cancel() { m_cancel = true; }

    // The object type of a registered instance; empty when not registered.
    QString findInRec(const QString &S) const;
    QString findVariable(const QString &name) const;
    void clearRegister();

    // Type reasoning, public for the checks that exercise it directly.
    QString functionType(const QString &expression);
    QString expressionType(const QString &expression, const QStringList &parts);
    bool isNumberExpression(const QString &text) const;
    bool isTextValue(const QString &t);
    bool isConcatToken(const QString &t);

    const TlinjeRecord &LinjeRec() const { return m_rec; }
    const QStringList &paraArray() const { return m_paraArray; }
    int LinjeNummer() const { return m_linjeNummer; }

    // Analyses one line given as text, with the registries as they stand
    // (used by the checks of single lines; a pass calls the same code).
    void analyseText(const QStringList &lines, int index);

private:
    // Registry
    void registerObject();
    void registerVariable();
    // Values structure
    void rebuildIndexIfStale();
    bool findSection(const QString &name);
    bool findMember(const QString &name);
    bool findValueSection(const QString &name);
    bool findValueMember(const QString &name);
    QString valueType() const;
    QString memberReturnType(int node) const;
    bool analyseSignature();
    bool analyseParameters();
    QString elementType(const QString &member);
    // Lines
    void analyseLine(int i);
    bool loopCondition();
    void analyseStatement();
    void analyseSet();
    void analyseAssignment();
    bool analyseCondition(const QString &text);
    bool analyseCall(const QString &name);
    bool resolveChain(const QStringList &parts);
    void splitWordsInto(const QString &text, QStringList &words);
    void clearLinjeRec();
    void writeLinjeRec();
    void addRow(const QString &text, int icon);
    void message(const QString &text);
    void failure();

    const TStruktur *m_values = nullptr;
    TValuesIndex m_index;
    int m_indexCount = -1;
    bool m_indexDirty = true;

    QVector<TInfoRow> m_info;
    QVector<TRegRow> m_objekter;
    QVector<TRegRow> m_variabler;

    bool m_busy = false;
    bool m_cancel = false;
    QSet<QString> m_shown;  // messages shown during the current pass

    // The line being analysed.
    const QStringList *m_lines = nullptr;
    TlinjeRecord m_rec;
    TlinjeRecord m_recV;
    TlinjeRecord m_recH;
    int m_linjeNummer = 0;
    QString m_linjeTekst;
    QStringList m_splitS;
    QString m_LTekst, m_VTekst, m_HTekst;
    QStringList m_LOrd, m_VOrd, m_HOrd;
    QString m_LTekstPara;
    QStringList m_paraArray;
    QStringList m_aDef;
    int m_globalNode = -1;
    int m_valueNode = -1;
    // Member searches stay inside the section they started from.
    int m_sectionEnd = 0;
    int m_valueEnd = 0;
    int m_metodeIndex = -1;
    int m_objektIndex = -1;
    QString m_funktionsTekst;
    int m_returnIndex = 0;
    bool m_ifType = false;
    bool m_ikkeAnalyseret = false;
    bool m_recErUdskrevet = false;
    QString m_firstWord;
};

} // namespace taglund
