#pragma once
#include "core/model/filetypes.h"
#include "app/types/typeboxhost.h"

#include <QDialog>
#include <optional>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace taglund {

// The document-type box: the user picks the type of a new document, ticked
// to start it from the type's template. It keeps its size and ticks in
// "filtyper.txt", read when it is made and written when it closes.
class TDokTypeForm : public QDialog {
    Q_OBJECT
public:
    static QString standardTitel() { return QStringLiteral("Dokumenterne kan åbnes med eller uden kliche"); }
    static QString standardKnap() { return QStringLiteral("Åben valgte filtype"); }

    TDokTypeForm(const TFiltypeliste &liste, const QString &filtyperFil, TTypeBoxHost host, QWidget *parent = nullptr);

    // Rows rebuilt after the file-type list changed start unticked.
    void setRows(const QList<TFiltype> &rows);
    // The rows; `valgt` is the "from the template" tick.
    QList<TFiltype> rows() const;

    // The file box borrows the box to make text files.
    void setTexts(const QString &titel, const QString &knapTekst);
    void restoreTexts() { setTexts(standardTitel(), standardKnap()); }

    // Shows the box modally: the selected row when accepted with one.
    std::optional<TFiltype> vaelg();
    // "Nyt dokument...": a new document of the chosen type.
    void nytDokument();

    QTreeWidget *liste() const { return m_list; }
    QPushButton *accepterKnap() const { return m_accept; }
    QPushButton *indfoerKnap() const { return m_indfoer; }

    void done(int r) override;

private:
    void gemIndstillinger();

    QString m_fil;
    TTypeBoxHost m_host;
    QTreeWidget *m_list = nullptr;
    QPushButton *m_accept = nullptr;
    QPushButton *m_indfoer = nullptr;
    QSize m_designSize;
};

} // namespace taglund
