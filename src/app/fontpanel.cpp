#include "app/fontpanel.h"
#include "app/mainform.h"
#include "core/richtext/fontsizes.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QMenu>
#include <QPlainTextEdit>
#include <QToolButton>

namespace taglund {

namespace {
QPlainTextEdit *activePlainEditor(Tmainform *main)
{
    Twinform *w = main->activeWin();
    return w && !w->isRich() ? w->plainEditor() : nullptr;
}
} // namespace

TFontpanel::TFontpanel(Tmainform *main) : QObject(main), m_main(main)
{
    m_name = new QComboBox(main);
    m_name->setAccessibleName(QStringLiteral("Fontnavn"));
    m_name->setToolTip(QStringLiteral("Fontnavn"));
    m_name->setMaximumWidth(170);
    m_size = new QComboBox(main);
    m_size->setAccessibleName(QStringLiteral("Font størrelse"));
    m_size->setToolTip(QStringLiteral("Font størrelse"));
    m_size->setMaximumWidth(60);
    m_hent = new QToolButton(main);
    m_hent->setText(QStringLiteral("Hent font"));
    m_hent->setAccessibleName(QStringLiteral("Hent font"));
    m_hent->setToolTip(QStringLiteral("Hent font"));
    m_hent->setPopupMode(QToolButton::MenuButtonPopup);
    auto *menu = new QMenu(m_hent);
    menu->addAction(QStringLiteral("Hent standardfont"), this, &TFontpanel::hentStandardfont);
    menu->addAction(QStringLiteral("Gem som standardfont"), this, &TFontpanel::gemSomStandardfont);
    menu->addSeparator();
    for (const char *f : {"Arial", "Courier New", "Georgia", "Lucida Calligraphy", "Lucida Console", "Segoe Print",
                          "Tahoma", "Verdana"}) {
        const QString family = QString::fromLatin1(f);
        menu->addAction(family, this, [this, family] { chooseName(family); });
    }
    m_hent->setMenu(menu);
    connect(m_hent, &QToolButton::clicked, this, &TFontpanel::hentStandardfont);
    connect(m_name, &QComboBox::textActivated, this, &TFontpanel::chooseName);
    connect(m_size, &QComboBox::textActivated, this, [this](const QString &t) { chooseSize(t.toInt()); });
}

void TFontpanel::fill()
{
    QStringList families = QFontDatabase::families();
    families.sort(Qt::CaseInsensitive);
    m_name->clear();
    m_name->addItems(families);
    const QString name = m_main->options().bogstavName;
    if (m_name->findText(name) < 0)
        m_name->insertItem(0, name);   // a font that is not installed still shows its name
    m_name->setCurrentText(name);
    OldFontname = name;
    fillSizes(name, m_main->options().bogstavSize);
}

void TFontpanel::fillSizes(const QString &family, int keep)
{
    const QList<int> sizes = fontSizeList(family);
    m_size->clear();
    for (int s : sizes)
        m_size->addItem(QString::number(s));
    OldFontSizname = family;
    const int chosen = int(sizeToSelect(sizes, keep));
    m_size->setCurrentText(QString::number(chosen));
}

void TFontpanel::chooseName(const QString &family)
{
    QPlainTextEdit *ed = activePlainEditor(m_main);
    int keep = m_main->options().bogstavSize;
    if (ed) {
        QFont f = ed->font();
        keep = int(f.pointSize());
        f.setFamily(family);
        ed->setFont(f);
    }
    if (m_name->currentText() != family)
        m_name->setCurrentText(family);
    OldFontname = family;
    if (family != OldFontSizname)
        fillSizes(family, keep);
    const int selected = m_size->currentText().toInt();
    if (ed && selected != keep)
        chooseSize(selected);
}

void TFontpanel::chooseSize(int size)
{
    if (size <= 0)
        return;
    if (QPlainTextEdit *ed = activePlainEditor(m_main)) {
        QFont f = ed->font();
        f.setPointSize(size);
        ed->setFont(f);
    }
}

void TFontpanel::hentStandardfont()
{
    const QString name = m_main->options().bogstavName;
    const int size = m_main->options().bogstavSize;
    m_name->setCurrentText(name);
    OldFontname = name;
    fillSizes(name, size);
    if (QPlainTextEdit *ed = activePlainEditor(m_main))
        ed->setFont(QFont(name, size));
}

void TFontpanel::gemSomStandardfont()
{
    m_main->options().bogstavName = m_name->currentText();
    m_main->options().bogstavSize = m_size->currentText().toInt() > 0 ? m_size->currentText().toInt()
                                                                       : m_main->options().bogstavSize;
}

} // namespace taglund
