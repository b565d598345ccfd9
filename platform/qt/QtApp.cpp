#include "platform/qt/QtApp.h"

#include "platform/kernel/Exceptions.h"

#include <QApplication>

void EnsureGuiApplication()
{
    if (QCoreApplication::instance()) {
        ZD_ASSERT(qobject_cast<QGuiApplication*>(QCoreApplication::instance()),
                  "A QCoreApplication without GUI already exists");
        return;
    }
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Floor);
    static int argc = 1;
    static char name[] = "zudevivivoduv";
    static char* argv[] = {name, nullptr};
    // Lives until the process ends; destroying it at exit would race other static destructors.
    // A widgets application, for the tray icon; the program draws no Qt widgets.
    new QApplication(argc, argv);
}
