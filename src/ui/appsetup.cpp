#include "ui/appsetup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>
#include <QStyleFactory>
#include <QToolButton>
#include <QTranslator>

namespace taglund::ui {

namespace {

QString stripMnemonic(QString s)
{
    s.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    return s.replace(QStringLiteral("&&"), QStringLiteral("&"));
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
            n = stripMnemonic(l->text());
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
    if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    installAccessibleNames(app);
}

} // namespace taglund::ui
