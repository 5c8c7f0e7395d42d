#pragma once
#include "core/winform.h"
#include "html/infotag.h"
#include "script/scriptbox.h"
#include "script/vbssettings.h"
#include "script/winscript.h"
#include "structures/struktur.h"

#include <QPointer>
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSplitter;
class QTableView;
class QToolButton;

namespace taglund {

class TInfoModel;
class TProgramHost;
class TRegistryModel;
class TStrukturView;
class Twinform;

// "Scriptboksen": the working companion of a VBScript document. It owns the
// analyser and its two structures, shows the registries and the
// explanation, the "script" object structure with each entry's definition
// and syntax, and gives typing help to the document it is bound to.
class TvbsForm : public QWidget {
    Q_OBJECT
public:
    TvbsForm(TProgramHost *host, QWidget *parent = nullptr);
    ~TvbsForm() override;

    // The document the typing help and the passes work on; null unbinds.
    void bind(Twinform *w);
    Twinform *boundDocument() const { return m_doc; }
    // The document is going: a running pass stops, and once it is gone the
    // box is emptied and unbound.
    void documentClosing(Twinform *w);
    void documentClosed(Twinform *w);

    void RegistrerAlt();
    void RegistrerLinje();
    void findStrukturNode(const QString &text);

    // Typing help, called after the editor of the bound document handled a key.
    void typedText(QChar c, int caretBefore);
    void typedEnter(int endedLine);
    void typedBackspace();
    void typedOther();
    void InsertObject(int lineIndex);
    void InsertOrdS(const QString &word);
    const ScriptBox::TOrdSkrevet &ordSkrevet() const { return m_ord; }

    void Opdater();
    void RensLister();
    void setStorFont(bool on);
    bool saveSettings(QString *error = nullptr) const;

    TwinScript &analyser() { return m_ana; }
    TStruktur &scriptStruktur() { return m_struktur; }
    TStruktur &valuesStruktur() { return m_values; }
    QListWidget *memberList() const { return m_box; }
    QString objektType() const;
    QString definitionText() const;
    QString syntaxText() const;

protected:
    bool eventFilter(QObject *o, QEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    void build();
    void buildLeft(QSplitter *split);
    void buildMiddle(QSplitter *split);
    void buildRight(QSplitter *split);
    QWidget *buildBottom();
    void loadStructures(bool tellMissing);
    void applySwitches();
    void runPass(int toLine);
    void refreshLists();
    void LoadBox(const QString &type);
    void chooseMember(const QString &text);
    void showEntry(TStrukturNode *n);
    void searchTree(const QString &word);
    void focusDocument();
    void writeAtCaret(const QString &text);
    int caretLine() const;

    TProgramHost *m_host;
    TVbsSettings m_settings;
    TStruktur m_struktur;
    TStruktur m_values;
    TwinScript m_ana;
    Tinfotag m_writer;
    QPointer<Twinform> m_doc;
    ScriptBox::TOrdSkrevet m_ord;
    bool m_missingShown = false;

    TInfoModel *m_infoModel = nullptr;
    TRegistryModel *m_objModel = nullptr;
    TRegistryModel *m_varModel = nullptr;
    QProgressBar *m_bar = nullptr;
    QTableView *m_objView = nullptr;
    QTableView *m_varView = nullptr;
    QLineEdit *m_objEdit = nullptr;
    QListWidget *m_box = nullptr;
    QListView *m_infoView = nullptr;
    QCheckBox *m_kunFejl = nullptr;
    QLineEdit *m_wordEdit = nullptr;
    QPushButton *m_wordFind = nullptr;
    TStrukturView *m_tree = nullptr;
    QPlainTextEdit *m_definition = nullptr;
    QPlainTextEdit *m_syntax = nullptr;
    QLineEdit *m_entryEdit = nullptr;
    QPushButton *m_entryFind = nullptr;
    QLineEdit *m_search = nullptr;
    QCheckBox *m_script = nullptr;
    QCheckBox *m_folg = nullptr;
    QCheckBox *m_popup = nullptr;
    QCheckBox *m_storFont = nullptr;
    QCheckBox *m_visLinjer = nullptr;
    QSplitter *m_split = nullptr;
    QSplitter *m_leftSplit = nullptr;
    QSplitter *m_middleSplit = nullptr;
};

} // namespace taglund
