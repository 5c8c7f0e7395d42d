#pragma once
#include "css/csstemplates.h"

#include <QWidget>
#include <functional>
#include <memory>

class QButtonGroup;
class QGridLayout;
class QLayout;
class QPushButton;
class QTabWidget;

namespace taglund {

class TCssVaert;
class TFeltBygger;
struct TCssPreviewSide;

// "Css boksen": composes a container rule from fields and writes the
// animation and column templates, each tab with its preview. It keeps no
// settings: every field starts at its default.
class TCssBoksForm : public QWidget {
    Q_OBJECT
public:
    explicit TCssBoksForm(TCssVaert *vaert, QWidget *parent = nullptr);
    ~TCssBoksForm() override;

    TKontainerFelter &kontainer() { return m_k; }
    TRulletekstFelter &rulletekst() { return m_r; }
    TStarwarsFelter &starwars() { return m_s; }
    TArtikelFelter &artikel() { return m_a; }
    QTabWidget *tabs() const { return m_tabs; }
    // A button of the box by its caption or, for the numbered presets and
    // buttons without caption, by its hint; searched in the current tab first.
    QPushButton *knap(const QString &captionOrHint) const;
    // Shows the records' values in every field.
    void vis();

    // The actions of the buttons.
    void udskrivGruppe(const QString &knap);
    void udskrivValgte();
    bool preview();
    void udskrivSkabelon(int tab);
    bool previewSkabelon(int tab);

private:
    QWidget *bygKontainer();
    QWidget *bygRulletekst();
    QWidget *bygStarwars();
    QWidget *bygArtikel();
    QWidget *side(QWidget *content);
    TFeltBygger *bygger(QGridLayout *grid);
    QPushButton *lavKnap(const QString &caption, const QString &hint, std::function<void()> f);
    QPushButton *addKnap(QLayout *l, const QString &caption, const QString &hint, std::function<void()> f);
    bool dokumentAabent();
    bool gemOgVis(const TCssPreviewSide &side, const QStringList &lines);

    TCssVaert *m_vaert;
    TKontainerFelter m_k;
    TRulletekstFelter m_r;
    TStarwarsFelter m_s;
    TArtikelFelter m_a;
    QTabWidget *m_tabs = nullptr;
    QButtonGroup *m_skyggeValg = nullptr;
    std::vector<std::unique_ptr<TFeltBygger>> m_byggere;
};

} // namespace taglund
