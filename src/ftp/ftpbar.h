#pragma once
#include <QWidget>

class QAction;
class QPlainTextEdit;
class QToolBar;

namespace taglund {

class Twinform;

// A document window's FTP bar: "Upload fil til server", "Sæt ftp
// egenskaber", "Vis/Skjul upload informationer", and below it the window's
// upload information field (hidden until asked for).
class TFtpBar : public QWidget {
    Q_OBJECT
public:
    explicit TFtpBar(Twinform *w);

    Twinform *window() const { return m_win; }
    QAction *uploadAction() const { return m_upload; }
    QAction *egenskaberAction() const { return m_egenskaber; }
    QAction *infoAction() const { return m_info; }
    QPlainTextEdit *infoField() const { return m_field; }

    bool infoShown() const;
    void setInfoShown(bool on);
    void clearInfo();
    void addInfo(const QString &line);

signals:
    void uploadRequested(Twinform *w);
    void egenskaberRequested();

private:
    Twinform *m_win;
    QToolBar *m_bar;
    QAction *m_upload;
    QAction *m_egenskaber;
    QAction *m_info;
    QPlainTextEdit *m_field;
};

} // namespace taglund
