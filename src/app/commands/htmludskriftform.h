#pragma once
#include "core/editor.h"

#include <QDialog>
#include <memory>

class QProgressBar;
class QPushButton;
class QStatusBar;

namespace taglund {

class TCommandHost;

// The HTML output box "Html udskrift": shows "htmlUdskrift.html" from the
// program folder, the file "Udskriv som html" writes, and writes its lines
// into the active document. "Udskriv" is enabled only while a document is
// open and line splitting is off, so what is written are the file's lines and
// not the lines the box happens to wrap them into.
class THtmlUdskriftForm : public QDialog, private TEditorEvents {
    Q_OBJECT
public:
    explicit THtmlUdskriftForm(TCommandHost *host, QWidget *parent = nullptr);
    ~THtmlUdskriftForm() override;

    static QString fileName() { return QStringLiteral("htmlUdskrift.html"); }
    QString filePath() const;

    // The text field, for the converter that fills it.
    TPlainEditor *textField() const { return m_field; }
    TDocText &text() const { return *m_text; }
    bool splitting() const;

    QPushButton *trueButton() const { return m_true; }
    QPushButton *falseButton() const { return m_false; }
    QPushButton *writeButton() const { return m_write; }
    QStatusBar *statusLine() const { return m_status; }
    QProgressBar *progressBar() const { return m_progress; }

    // Reads the file again into the field in the document font; a missing
    // file leaves the field empty. False (with a message) when it exists but
    // cannot be read.
    bool reload();
    // Reloads the file and shows the box.
    void showFile();
    // Writes the field's lines as the file, whole or not at all.
    bool saveFile(QString *error = nullptr);
    void setProgress(int percent);
    void showStatus(const QString &text);

public slots:
    void activeDocumentChanged();
    // "True" / "False": reload with line splitting on or off.
    void splitOn();
    void splitOff();
    // "Udskriv": the field's lines one by one at the caret of the active
    // document, each followed by a line break. Returns the lines written.
    int writeToDocument();

protected:
    bool event(QEvent *e) override;
    void showEvent(QShowEvent *e) override;

private:
    void setSplitting(bool on);
    void updateButtons();

    TCommandHost *m_host;
    TPlainEditor *m_field;
    std::unique_ptr<TDocText> m_text;
    QPushButton *m_true;
    QPushButton *m_false;
    QPushButton *m_write;
    QProgressBar *m_progress;
    QStatusBar *m_status;
};

} // namespace taglund
