#include "QmlTypes.h"
#include "base/dialog/CDialogManager.h"
#include "utils/CLog.h"
#include "modules/main/mainWindow.h"
#include "utils/CrashHandler.h"
#include "utils/SingleInstance.h"
#include "utils/SystemInfo.h"
#include "utils/TextMetrics.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    installFontSubstitutions();
    CLog::print(QStringLiteral("program running"));

    if (!checkSingleInstance()) {
        CLog::print(QStringLiteral("program running check singleton failed"));
        CDialogManager::oneButtonDialog(nullptr, QStringLiteral("Veltro"),
                                        QStringLiteral("检测到Veltro正在运行，请不要重复打开"),
                                        QStringLiteral("确定"), -1);
        return -1;
    }

    CLog::debug(QStringLiteral("SetUnhandledExceptionFilter"),
                QStringLiteral("%1 %2 (%3) ").arg(QStringLiteral("main.cpp"), QStringLiteral("main")).arg(178));
    installCrashHandler();
    registerQmlTypes();
    CLog::print(QStringLiteral("not defined VELTRO_ROLE_STUDENT"));
    CLog::print(QStringLiteral("defined VELTRO_ROLE_TEACHER"));
    QCoreApplication::setApplicationName(QStringLiteral("Veltro·教师端"));

    // Deletes itself when closed; the loop below then ends.
    auto *window = new mainWindow();
    window->init();
    window->show();

    CLog::print(QStringLiteral("======System Info======"));
    CLog::print(getHostName());
    CLog::print(getCpuName());
    CLog::print(getGpuName());
    CLog::print(getOsVersion());
    CLog::print(getMemoryInfo());
    CLog::print(getCameraInfo());
    CLog::print(getAudioInfo());
    CLog::print(getDesktopRect());

    return app.exec();
}
