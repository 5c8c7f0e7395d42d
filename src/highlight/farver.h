#pragma once
#include "highlight/hlregler.h"

#include <QColor>
#include <QSyntaxHighlighter>
#include <QTextCharFormat>
#include <array>

class QPalette;

namespace taglund {

// The formats of the kinds of text, for a light or a dark editor. Each
// format carries its kind (kKategoriProperty), so what was coloured can be
// read back from a block's formats.
struct TFarveSkema {
    std::array<QTextCharFormat, kKategoriAntal> formater;
    QColor linjeMarkering;   // the current line
    QColor tagMarkering;     // the matching tag
    QColor margenTekst, margenBaggrund, margenAktiv;
    bool moerk = false;

    static TFarveSkema lyst();
    static TFarveSkema moerkt();
    // By the editor's own base colour, so it follows the visual style.
    static TFarveSkema forPalette(const QPalette &p);
};
constexpr int kKategoriProperty = QTextFormat::UserProperty + 71;

// The coloured document's highlighter: one per language family, each
// reading lines with its scanner; the block state carries comments,
// strings, script and style bodies and ASP blocks to the next line.
//
// A large page is coloured from the top a piece at a time: the paragraphs
// after the first uncoloured one wait (their state is kVenter) until
// farvTil reaches them. Editing never colours a waiting paragraph, so the
// coloured ones always form the start of the document.
class TFarver : public QSyntaxHighlighter {
    Q_OBJECT
public:
    static constexpr int kVenter = -2;

    TFarver(TSprog sprog, QTextDocument *doc);
    ~TFarver() override;
    TSprog sprog() const { return m_sprog; }
    void setSkema(const TFarveSkema &skema);
    const TFarveSkema &skema() const { return m_skema; }

    // Colours the paragraphs before `blokke` now; the rest wait.
    void start(int blokke);
    // Colours every paragraph before `blok`.
    void farvTil(int blok);
    // For the change being announced now (a reload, a large paste): the
    // pass Qt makes over it colours only the paragraphs before `blok` and
    // leaves the rest waiting, as at start.
    void venterEfter(int blok);
    // The first paragraph still waiting; the paragraph count when none is.
    int foersteVentende() const;
    bool alleFarvet() const;

protected:
    void highlightBlock(const QString &text) override;
    virtual int scan(QStringView line, int state, TSpans &out) = 0;

private:
    TSprog m_sprog;
    TFarveSkema m_skema;
    TSpans m_spans;
    bool m_fremad = false;   // inside start/farvTil: waiting paragraphs may be coloured
    int m_stop = 0;          // ... those before this one
    bool m_kunDenneRettelse = false;   // m_fremad set by venterEfter, until Qt's pass is over
    QMetaObject::Connection m_efterPassage;
};

// Pages: HTML with CSS in <style> and style="", JavaScript (or VBScript by
// its language attribute) in <script>; ASP blocks as VBScript; WSF files.
class THtmlFarver : public TFarver {
    Q_OBJECT
public:
    using TFarver::TFarver;

protected:
    int scan(QStringView line, int state, TSpans &out) override;
};

class TCssFarver : public TFarver {
    Q_OBJECT
public:
    explicit TCssFarver(QTextDocument *doc) : TFarver(TSprog::Css, doc) {}

protected:
    int scan(QStringView line, int state, TSpans &out) override;
};

// JavaScript, VBScript, batch and PowerShell, each by its rule table.
class TScriptFarver : public TFarver {
    Q_OBJECT
public:
    TScriptFarver(TSprog sprog, QTextDocument *doc) : TFarver(sprog, doc), m_regler(reglerFor(sprog)) {}

protected:
    int scan(QStringView line, int state, TSpans &out) override;

private:
    const TSprogRegler &m_regler;
};

// The highlighter for a language, or none for plain text.
TFarver *lavFarver(TSprog sprog, QTextDocument *doc);

} // namespace taglund
