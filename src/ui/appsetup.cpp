#include "ui/appsetup.h"
#include "ui/dokumentikon.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>
#include <QStyleFactory>
#include <QToolButton>
#include <QTranslator>
#include <functional>

namespace taglund::ui {

namespace {

QString stripMnemonic(QString s)
{
    s.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    return s.replace(QStringLiteral("&&"), QStringLiteral("&"));
}

// On Linux the toolkit names a combo box by its current text; a reader then
// cannot find the box by what it is for. This one is named by its caption
// or hint and publishes its text as its value.
class AccessibleCombo : public QAccessibleWidget {
public:
    explicit AccessibleCombo(QWidget *w) : QAccessibleWidget(w, QAccessible::ComboBox) {}
    QString text(QAccessible::Text t) const override
    {
        auto *c = static_cast<QComboBox *>(widget());
        if (t == QAccessible::Name)
            return c->accessibleName().isEmpty() ? c->toolTip() : c->accessibleName();
        if (t == QAccessible::Value)
            return c->isEditable() && c->lineEdit() ? c->lineEdit()->text() : c->currentText();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *comboFactory(const QString &, QObject *o)
{
    if (auto *c = qobject_cast<QComboBox *>(o))
        return new AccessibleCombo(c);
    return nullptr;
}

// The caption a field or combo box carries on screen: the label that names
// it as its buddy, or the label just before it in its row.
QString captionOf(QWidget *w)
{
    QWidget *parent = w->parentWidget();
    if (!parent)
        return {};
    for (QLabel *l : parent->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly))
        if (l->buddy() == w)
            return stripMnemonic(l->text());
    QLayout *layout = parent->layout();
    if (auto *form = qobject_cast<QFormLayout *>(layout)) {
        if (auto *l = qobject_cast<QLabel *>(form->labelForField(w)))
            return stripMnemonic(l->text());
        return {};
    }
    // Look through nested box and grid layouts for the item before it.
    std::function<QString(QLayout *)> before = [&](QLayout *lay) -> QString {
        if (!lay)
            return {};
        for (int i = 0; i < lay->count(); ++i) {
            QLayoutItem *item = lay->itemAt(i);
            if (item->widget() == w) {
                if (i > 0)
                    if (auto *l = qobject_cast<QLabel *>(lay->itemAt(i - 1)->widget()); l && !l->text().isEmpty())
                        return stripMnemonic(l->text()).remove(QRegularExpression(QStringLiteral(":\\s*$")));
                return {};
            }
            if (QString n = before(item->layout()); !n.isEmpty())
                return n;
        }
        return {};
    };
    return before(layout);
}

class AccessibleNamer : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Polish || e->type() == QEvent::Show) {
            if (auto *w = qobject_cast<QWidget *>(o); w && w->accessibleName().isEmpty())
                name(w);
        }
        return false;
    }

private:
    // A control is known by its caption or, without one, its hint. A label
    // keeps no fixed name: the toolkit then names it by the text it shows
    // now, so a changing status or message stays readable. Fields and
    // combo boxes are named by their hint and publish their text as value.
    static void name(QWidget *w)
    {
        QString n;
        if (auto *b = qobject_cast<QAbstractButton *>(w)) {
            n = stripMnemonic(b->text());
            if (n.isEmpty())
                n = b->toolTip();
        } else if (auto *g = qobject_cast<QGroupBox *>(w)) {
            n = stripMnemonic(g->title());
        } else if (auto *l = qobject_cast<QLabel *>(w)) {
            if (l->text().isEmpty())
                n = l->toolTip();
        } else if (auto *c = qobject_cast<QComboBox *>(w)) {
            n = captionOf(c);
            if (n.isEmpty())
                n = c->toolTip();
        } else if (auto *e = qobject_cast<QLineEdit *>(w)) {
            // The field of an editable combo box is the box itself to a reader.
            if (auto *c = qobject_cast<QComboBox *>(e->parentWidget()); c && c->lineEdit() == e) {
                n = c->accessibleName().isEmpty() ? c->toolTip() : c->accessibleName();
            } else {
                n = captionOf(e);
                if (n.isEmpty())
                    n = e->toolTip().isEmpty() ? e->placeholderText() : e->toolTip();
            }
        } else if (!w->toolTip().isEmpty()) {
            n = w->toolTip();
        }
        if (!n.isEmpty())
            w->setAccessibleName(n);
    }
};

} // namespace

void installAccessibleNames(QApplication &app)
{
    QAccessible::installFactory(comboFactory);
    app.installEventFilter(new AccessibleNamer(&app));
}

void setUpApplication(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral("Taglund"));
    QApplication::setApplicationDisplayName(QStringLiteral("Taglund"));
    QApplication::setOrganizationName(QStringLiteral("Taglund"));
    QLocale::setDefault(QLocale(QLocale::Danish, QLocale::Denmark));
    auto *qt = new QTranslator(&app);
    if (qt->load(QLocale(QLocale::Danish), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qt);
    QApplication::setWindowIcon(programIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("taglund"));
    if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    installAccessibleNames(app);
}

} // namespace taglund::ui
