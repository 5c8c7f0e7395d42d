#pragma once
#include <QString>
#include <QStringList>

namespace taglund {

// The main window's settings file "mainoptions.txt": 37 lines in a fixed order.
struct TMainOptions {
    QString designName = QStringLiteral("Sky");     // 1
    int pWidth = 1080;                              // 2
    int pHeight = 862;                              // 3
    int pTop = 60;                                  // 4
    int pLeft = 400;                                // 5
    int bogstavSize = 10;                           // 6
    QString bogstavName = QStringLiteral("Courier New"); // 7
    int filtypeBoxItemIndex = 0;                    // 8
    QString brugernavn;                             // 9
    bool autoSenesteFM = false;                     // 10
    bool anvendOrd = false;                         // 11
    QString jsObjektName;                           // 12
    bool visHtmlpanel = false;                      // 13
    bool visOrdbog = false;                         // 14
    bool visFtpFunktioner = false;                  // 15
    bool visBokslinjen = false;                     // 16
    bool visKodelinjen = false;                     // 17
    bool visRedskabslinjen = false;                 // 18
    QString gruppenavn;                             // 19
    bool visWebpanel = false;                       // 20
    int filboksPlacering = 0;                       // 21
    int htmlboksPlacering = 1;                      // 22
    bool visHtmlbog = true;                         // 23
    bool openDokumenter = false;                    // 24
    bool visHovedlinje = true;                      // 25
    int htmlBogIndex = 0;                           // 26
    bool visProjektbogen = false;                   // 27
    QString ProjektNavn;                            // 28
    int projektbogSide = 0;                         // 29
    bool udskrivStraks = false;                     // 30
    bool DocScript = true;                          // 31
    bool autoPop = true;                            // 32
    bool autoFocus = true;                          // 33
    bool AlwaysDS = false;                          // 34
    bool storFont = false;                          // 35
    bool visKunFejl = false;                        // 36
    bool ikkeAnalyseret = false;                    // 37

    // Set when the file was missing or could not be read to its end: the
    // window is then centred on the screen instead of placed at top/left.
    bool usedDefaults = false;

    static constexpr int lineCount = 37;

    // Reads the lines over the values held now. A missing line or a
    // non-number where a number belongs stops the reading and applies the
    // defaults of the values that have defaults; the others keep what they
    // had, read or not.
    void read(const QStringList &lines);
    // Reads the file; a missing file gives the defaults.
    void load(const QString &path);
    QStringList lines() const;
    bool save(const QString &path, QString *error = nullptr) const;
    void applyDefaults();
};

} // namespace taglund
