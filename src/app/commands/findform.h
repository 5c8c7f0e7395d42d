#pragma once
#include "core/model/findreplace.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace taglund {

class TCommandHost;

// "Find i dokument..." and "Erstat tekst i dokument...": one box in two
// shapes. It stays open beside the documents and always works on the
// document that is active when a button is pressed. Its buttons are
// disabled while the sought text is empty or no document is open, so
// "Erstat alle" can never run with nothing to look for.
class TFindForm : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Find, Replace };
    TFindForm(Mode mode, TCommandHost *host, QWidget *parent = nullptr);

    Mode mode() const { return m_mode; }
    QLineEdit *searchField() const { return m_search; }
    QLineEdit *replaceField() const { return m_replace; }   // nullptr in the find box
    QCheckBox *wholeWordBox() const { return m_wholeWord; }
    QCheckBox *matchCaseBox() const { return m_matchCase; }
    QRadioButton *upButton() const { return m_up; }         // nullptr in the replace box
    QPushButton *findButton() const { return m_find; }
    QPushButton *replaceButton() const { return m_replaceOne; }
    QPushButton *replaceAllButton() const { return m_replaceAll; }

    FindOptions options() const;
    SearchDirection direction() const;

public slots:
    // The main window calls this when a document opens, closes or becomes active.
    void activeDocumentChanged();
    // Each returns whether anything was found (replaced); nothing is shown either way.
    bool findNext();
    bool replaceNext();
    int replaceAll();

private:
    void updateButtons();
    TDocText *document() const;

    Mode m_mode;
    TCommandHost *m_host;
    QLineEdit *m_search = nullptr;
    QLineEdit *m_replace = nullptr;
    QCheckBox *m_wholeWord = nullptr;
    QCheckBox *m_matchCase = nullptr;
    QRadioButton *m_up = nullptr;
    QRadioButton *m_down = nullptr;
    QPushButton *m_find = nullptr;
    QPushButton *m_replaceOne = nullptr;
    QPushButton *m_replaceAll = nullptr;
};

} // namespace taglund
