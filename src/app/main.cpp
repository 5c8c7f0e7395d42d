#include "app/mainform.h"
#include "ui/appsetup.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    taglund::ui::setUpApplication(app);
    QStringList args = app.arguments();
    args.removeFirst();
    taglund::Tmainform w(QCoreApplication::applicationDirPath(), args);
    w.show();
    return app.exec();
}
