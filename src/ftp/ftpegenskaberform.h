#pragma once
#include "ftp/ftpforbindelse.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace taglund {

// "FTP egenskaber": the current connection's fields at the right, the named
// connections of "ftpmappe" at the left. "Anvend" accepts, "Annuller" refuses;
// the owner writes "ftpegenskaber.txt" after an accept.
class TFtpEgenskaberForm : public QDialog {
    Q_OBJECT
public:
    // Reads "ftpegenskaber.txt" (defaults and a centred box when it is
    // missing), makes "ftpmappe" when missing and fills the list.
    explicit TFtpEgenskaberForm(const QString &optdir, QWidget *parent = nullptr);

    TFtpForbindelse forbindelse() const;
    void setForbindelse(const TFtpForbindelse &c);
    // The fields and the box's place, as "ftpegenskaber.txt" holds them.
    TFtpEgenskaber egenskaber() const;
    bool gemEgenskaber(QString *error = nullptr) const;

    // The buttons and the list, also for tests.
    void gem();
    void ny();
    void slet();
    void vaelg(const QString &name);
    void fyldListe();
    QStringList listenavne() const;
    QString navn() const;
    void setNavn(const QString &name);

protected:
    void showEvent(QShowEvent *e) override;

private:
    void emptyFields();

    QString m_optdir;
    bool m_placed = false;
    bool m_hasPlace = false;
    QListWidget *m_list;
    QLineEdit *m_navn;
    QLineEdit *m_host;
    QLineEdit *m_port;
    QLineEdit *m_bruger;
    QLineEdit *m_password;
    QLineEdit *m_mappe;
    QCheckBox *m_gemPassword;
};

} // namespace taglund
