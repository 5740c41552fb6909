#include "utils/CLog.h"
#include "utils/TextMetrics.h"

#include <QApplication>
#include <QQuickView>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    installFontSubstitutions();
    CLog::log(QStringLiteral("program running"), QStringLiteral("%1 ").arg(QStringLiteral("main")));

    QQuickView view;
    view.setResizeMode(QQuickView::SizeRootObjectToView);
    view.setSource(QUrl(QStringLiteral("qrc:///Qml/main.qml")));
    view.show();
    return app.exec();
}
