#include "ui/qt/headless.h"

#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QtGlobal>

namespace cf::qt {

namespace {

QtMessageHandler previous = nullptr;

void filter(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith("This plugin does not support") || message.startsWith("QStandardPaths: XDG_RUNTIME_DIR"))
        return;
    if (previous) previous(type, context, message);
}

}  // namespace

void use_offscreen_without_display() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

void use_offscreen_screen(int width, int height) {
    static QTemporaryDir dir;
    const QString path = dir.filePath("screen.json");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
    file.write(QString(R"({"screens":[{"name":"screen","x":0,"y":0,"width":%1,"height":%2,)"
                       R"("logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})")
                   .arg(width)
                   .arg(height)
                   .toUtf8());
    file.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + path).toLocal8Bit());
}

void quiet_platform_notices() { previous = qInstallMessageHandler(filter); }

}  // namespace cf::qt
