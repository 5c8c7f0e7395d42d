#pragma once
#include "filebox/prehandlinger.h"

namespace taglund {

// The property window for a file, a folder and a drive: the texts are made
// here, the window (TEgenskabForm, or a stand-in) only shows them.
class TFilMappeInfo : public TPrehandlinger {
    Q_OBJECT
public:
    explicit TFilMappeInfo(QObject *parent = nullptr);
    ~TFilMappeInfo() override;

    // Takes no ownership. Without one the engine makes the real window on first use.
    void setEgenskabsVisning(TEgenskabsVisning *v) { m_visning = v; }
    // The folder of the "_ikon.ico" files (ends with a separator).
    void setIkonDir(const QString &dir) { m_ikonDir = dir; }
    QString ikonDir() const { return m_ikonDir; }

    void showFileInfo(const QString &aFilename);
    void showMappeInfo();
    void showDriveInfo(const QString &aDriveTekst);
    // "Anvend": the read-only attribute is the owner's write permission; a
    // hidden name is a name with a leading dot, which the window does not change.
    bool anvendFilAttributter(const QString &aFilename, bool skrivebeskyttet);

    // The texts, without any window, for the window and for tests.
    static QString filTypeTekst(const QString &extS);
    static QString ikonFil(const QString &ikonDir, const QString &extS);
    static QString drevTypeTekst(int kind);
    static bool filEgenskaber(const QString &path, const QString &ikonDir, TFilEgenskaber &e);
    static bool drevEgenskaber(const QString &path, TDrevEgenskaber &e);
    static QString indeholderTekst(qint64 filer, qint64 mapper);
    // The used share in whole percent; a drive without capacity is full.
    static int brugtProcent(qint64 capacity, qint64 free);

protected:
    TEgenskabsVisning *visning();

private:
    TEgenskabsVisning *m_visning = nullptr;
    std::unique_ptr<TEgenskabsVisning> m_egen;
    QString m_ikonDir;
};

} // namespace taglund
